// Category 13: class and extension keys with empty ShellNew keys, icons and open commands naming
// missing programs, dangling CLSID links and extensions of unregistered classes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

const std::wstring kClassesRoot = L"HKEY_CLASSES_ROOT";
const std::wstring kAppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
const wchar_t* const kDefault = L"\u9ed8\u8ba4";  // the label of a key's default value

TRegItem Association(const std::wstring& BaseKey, const std::wstring& KeyPath, const std::wstring& ValueName,
                     const std::wstring& ValueData, const std::wstring& ProblemType,
                     const std::wstring& Description, uint8_t Action) {
  return MakeRegItem(HKEY_CLASSES_ROOT, kClassesRoot, BaseKey, KeyPath, ValueName, ValueData, ProblemType, Description,
                     13, Action);
}

class Cat13FileAssociations : public OwnEngineScanTest {
 protected:
  std::wstring Name(const std::wstring& Suffix) { return Fx.Tag() + Suffix; }
  std::wstring Key(const std::wstring& Suffix) { return L"\\" + Name(Suffix); }
};

// The classes are seeded through HKEY_CLASSES_ROOT, which shows the machine's SOFTWARE\Classes:
// each problem is recorded once, through the first view.
TEST_F(Cat13FileAssociations, FindsEachBrokenAssociationOnce) {
  std::vector<TRegItem> Before = RunCategory(Engine, 13);
  const HKEY C = HKEY_CLASSES_ROOT;
  const std::wstring Registered = Fx.Tag() + L"app.exe";
  Fx.CreateKey(HKEY_LOCAL_MACHINE, kAppPaths + L"\\" + Registered);
  const std::wstring Program = Fx.AddFile(L"open.exe");
  const std::wstring ExistingClass = L"{" + Fx.Tag() + L"-class}";
  Fx.CreateKey(C, L"\\CLSID\\" + ExistingClass);

  // ShellNew keys one level down: the empty one is a problem, one with a value is not, and a
  // ShellNew key directly below the class is not examined.
  Fx.CreateKey(C, Key(L"_a") + L"\\P1\\ShellNew");
  Fx.SetString(C, Key(L"_a") + L"\\P2\\ShellNew", L"NullFile", L"");
  Fx.CreateKey(C, Key(L"_b") + L"\\ShellNew");
  // Icons: a missing file is a problem; "%1", a file on PATH or a registered App Path are not.
  const std::wstring BadIcon = L"C:\\nowhere\\" + Fx.Tag() + L".ico,0";
  Fx.SetString(C, Key(L"_c") + L"\\DefaultIcon", L"", BadIcon);
  Fx.SetString(C, Key(L"_d") + L"\\DefaultIcon", L"", L"%1");
  Fx.SetString(C, Key(L"_e") + L"\\DefaultIcon", L"", L"shell32.dll,3");
  Fx.SetString(C, Key(L"_f") + L"\\DefaultIcon", L"", Registered + L",0");
  // Open commands: a missing program with a drive is a problem; without a drive it never is.
  const std::wstring BadCommand = L"\"C:\\nowhere\\" + Fx.Tag() + L".exe\" \"%1\"";
  Fx.SetString(C, Key(L"_g") + L"\\shell\\open\\command", L"", BadCommand);
  Fx.SetString(C, Key(L"_h") + L"\\shell\\open\\command", L"", Fx.Tag() + L"missing.exe %1");
  Fx.SetString(C, Key(L"_i") + L"\\shell\\open\\command", L"", L"\"" + Program + L"\" %1");
  // CLSID links: to a missing class is a problem, to a registered one or an empty one is not.
  const std::wstring MissingClass = L"{" + Fx.Tag() + L"-missing}";
  Fx.SetString(C, Key(L"_j") + L"\\CLSID", L"", MissingClass);
  Fx.SetString(C, Key(L"_k") + L"\\CLSID", L"", ExistingClass);
  Fx.SetString(C, Key(L"_l") + L"\\CLSID", L"", L"");
  // Extensions: naming a class that is not registered is a problem; a registered or empty one not.
  const std::wstring MissingProgId = Fx.Tag() + L".Missing";
  Fx.SetString(C, L"\\." + Name(L"_m"), L"", MissingProgId);
  Fx.SetString(C, L"\\." + Name(L"_n"), L"", Name(L"_c"));
  Fx.SetString(C, L"\\." + Name(L"_o"), L"", L"");

  // Default values that are not text read as empty: no error, and empty texts make no problem.
  Fx.SetDword(C, Key(L"_p") + L"\\DefaultIcon", L"", 1);
  Fx.SetDword(C, Key(L"_p") + L"\\shell\\open\\command", L"", 1);
  Fx.SetDword(C, Key(L"_p") + L"\\CLSID", L"", 1);
  Fx.SetDword(C, L"\\." + Name(L"_p"), L"", 1);

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 13, &Reports)), Fx.Tag());

  const std::wstring A = Name(L"_a"), Cn = Name(L"_c"), G = Name(L"_g"), J = Name(L"_j"), M = L"." + Name(L"_m");
  const std::vector<TRegItem> Expected = {
      Association(L"\\" + M, L"\\" + M, kDefault, MissingProgId, L"Redundant or Invalid Registry Key",
                  M + L"\\CLSID is invalid for the key,It can be deleteed.", 2),
      Association(Key(L"_a"), Key(L"_a") + L"\\P1\\ShellNew", kDefault, kClassesRoot + Key(L"_a") + L"\\P1\\ShellNew",
                  L"Empty Key", L"P1\\ShellNew is empty,It can be deleteed.", 1),
      Association(Key(L"_c"), Key(L"_c") + L"\\DefaultIcon", kDefault, kClassesRoot + Key(L"_c") + L"\\DefaultIcon",
                  L"Miss or Invalid Path", Cn + L"\\DefaultIcon contain a bad path for value", 1),
      Association(Key(L"_g"), Key(L"_g") + L"\\shell\\open", L"command", BadCommand, L"Miss or Invalid Path",
                  G + L"\\open contains a bad path for the key.", 1),
      Association(Key(L"_j"), Key(L"_j") + L"\\CLSID", kDefault, MissingClass, L"Redundant or Invalid Registry Key",
                  J + L"\\CLSID is invalid for the key,It can be deleteed.", 1),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);
  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.front(), TScanReports::value_type(0, kClassesRoot));
}

// The machine's own classes are walked again only where the user's classes hide them, and each
// problem the machine's view holds is recorded once. HKEY_CLASSES_ROOT lays the user's classes
// over the machine's on Windows; under Wine it shows the machine's alone, and the records follow
// whichever view the platform gives.
TEST_F(Cat13FileAssociations, TheMachineViewIsWalkedWhereTheUserHidesIt) {
  std::vector<TRegItem> Before = RunCategory(Engine, 13);
  const HKEY M = HKEY_LOCAL_MACHINE, U = HKEY_CURRENT_USER;
  const std::wstring MachineClasses = L"\\SOFTWARE\\Classes\\", UserClasses = L"\\Software\\Classes\\";
  const std::wstring BadIcon = L"C:\\nowhere\\" + Fx.Tag() + L".ico,0";
  const std::wstring Hidden = Name(L"_hidden"), Shown = Name(L"_shown"), Linked = Name(L"_linked");
  const std::wstring UserOnlyClass = L"{" + Fx.Tag() + L"-user}";
  // A class of both: the machine's icon is missing, the user's is drawn by the file.
  Fx.SetString(M, MachineClasses + Hidden + L"\\DefaultIcon", L"", BadIcon);
  Fx.SetString(U, UserClasses + Hidden + L"\\DefaultIcon", L"", L"%1");
  // A class of the machine alone, with a missing icon.
  Fx.SetString(M, MachineClasses + Shown + L"\\DefaultIcon", L"", BadIcon);
  // A class of the machine alone, linked to a class that only the user registered.
  Fx.CreateKey(U, UserClasses + L"CLSID\\" + UserOnlyClass);
  Fx.SetString(M, MachineClasses + Linked + L"\\CLSID", L"", UserOnlyClass);

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 13, &Reports)), Fx.Tag());

  const std::wstring HklmName = L"HKEY_LOCAL_MACHINE";
  auto Icon = [&](HKEY Root, const std::wstring& RootName, const std::wstring& Prefix, const std::wstring& N) {
    return MakeRegItem(Root, RootName, Prefix + N, Prefix + N + L"\\DefaultIcon", kDefault,
                       RootName + Prefix + N + L"\\DefaultIcon", L"Miss or Invalid Path",
                       N + L"\\DefaultIcon contain a bad path for value", 13, 1);
  };
  auto Link = [&](HKEY Root, const std::wstring& RootName, const std::wstring& Prefix) {
    return MakeRegItem(Root, RootName, Prefix + Linked, Prefix + Linked + L"\\CLSID", kDefault, UserOnlyClass,
                       L"Redundant or Invalid Registry Key",
                       Linked + L"\\CLSID is invalid for the key,It can be deleteed.", 13, 1);
  };
  TRegistry View(KEY_READ);
  View.SetRootKey(HKEY_CLASSES_ROOT);
  const bool Merged = View.KeyExists(L"\\CLSID\\" + UserOnlyClass);
  std::vector<TRegItem> Expected;
  if (Merged) {
    // Windows: the first view shows the user's icon and finds the user's class; the machine's
    // view holds the missing icon and the broken link.
    Expected = {Icon(HKEY_CLASSES_ROOT, kClassesRoot, L"\\", Shown), Icon(M, HklmName, MachineClasses, Hidden),
                Link(M, HklmName, MachineClasses)};
  } else {
    Expected = {Icon(HKEY_CLASSES_ROOT, kClassesRoot, L"\\", Hidden), Link(HKEY_CLASSES_ROOT, kClassesRoot, L"\\"),
                Icon(HKEY_CLASSES_ROOT, kClassesRoot, L"\\", Shown)};
  }
  EXPECT_SAME_RECORDS(Found, Expected);
  ExpectAddressable(Found);
  EXPECT_TRUE(HasEntryReport(Reports, HklmName + MachineClasses + Hidden));
  EXPECT_FALSE(HasEntryReport(Reports, HklmName + MachineClasses + Shown));
  EXPECT_EQ(HasEntryReport(Reports, HklmName + MachineClasses + Linked), Merged);
}

}  // namespace
