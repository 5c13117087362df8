// Category 4: classes, type libraries and interfaces pointing to missing type libraries or
// server files, and empty HELPDIR keys, under HKEY_CLASSES_ROOT and the user's classes.
#include "scan_test_util.h"

namespace {

const wchar_t kHkcr[] = L"HKEY_CLASSES_ROOT";
const wchar_t kHkcu[] = L"HKEY_CURRENT_USER";
const std::wstring kDefault = L"\u9ED8\u8BA4";
const std::wstring kValueData = L"The key HELPDIR under";

TRegItem ActiveXRecord(HKEY Root, const wchar_t* RootName, const std::wstring& BaseKey, const std::wstring& KeyPath,
                       const std::wstring& ProblemType, const std::wstring& Description) {
  return MakeRegItem(Root, RootName, BaseKey, KeyPath, kDefault, kValueData, ProblemType, Description, 4, 1);
}

}  // namespace

TEST(ScanActiveX, MissingTypeLibsServersAndEmptyHelpDirs) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  const std::wstring t = fx.Tag();
  auto id = [&](const wchar_t* Name) { return L"{" + t + L"-" + Name + L"}"; };
  std::vector<TRegItem> before = RunCategory(engine, 4);
  std::wstring server = fx.AddFile(L"server.dll");
  const std::wstring userClasses = L"\\Software\\Classes";

  // Type libraries that exist: one machine-wide, one for the user only.
  fx.SetString(HKEY_CLASSES_ROOT, L"\\TypeLib\\" + id(L"MachineLib") + L"\\1.0\\HELPDIR", L"", L"");
  fx.SetString(HKEY_CLASSES_ROOT, L"\\TypeLib\\" + id(L"MachineLib") + L"\\2.0\\HELPDIR", L"", fx.Folder());
  fx.CreateKey(HKEY_CLASSES_ROOT, L"\\TypeLib\\" + id(L"MachineLib") + L"\\3.0\\0\\win32");
  fx.CreateKey(HKEY_CLASSES_ROOT, L"\\TypeLib\\" + id(L"MachineLib") + L"\\4.0\\HELPDIR");  // no default value
  fx.SetString(HKEY_CURRENT_USER, userClasses + L"\\TypeLib\\" + id(L"UserLib") + L"\\1.0\\HELPDIR", L"", L"");
  fx.SetString(HKEY_CURRENT_USER, userClasses + L"\\TypeLib\\" + id(L"UserLib") + L"\\1.1\\HELPDIR", L"", L"C:\\");

  // Machine classes (walk A).
  auto cls = [&](const wchar_t* Name) { return L"\\CLSID\\" + id(Name); };
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"LibMissing") + L"\\TypeLib", L"", id(L"NoLib"));
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"LibMachine") + L"\\TypeLib", L"", id(L"MachineLib"));
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"LibUser") + L"\\TypeLib", L"", id(L"UserLib"));
  fx.CreateKey(HKEY_CLASSES_ROOT, cls(L"LibNoDefault") + L"\\TypeLib");
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"ServerMissing") + L"\\InprocServer32", L"", L"C:\\Missing" + t + L"\\x.dll");
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"ServerPresent") + L"\\InprocServer32", L"", server);
  fx.SetExpandString(HKEY_CLASSES_ROOT, cls(L"ServerEnv") + L"\\InprocServer32", L"",
                     L"%SystemRoot%\\system32\\kernel32.dll");
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"ServerBare") + L"\\InprocServer32", L"", t + L"-bare.dll");
  fx.CreateKey(HKEY_CLASSES_ROOT, cls(L"ServerNoDefault") + L"\\InprocServer32");
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"Both") + L"\\TypeLib", L"", id(L"NoLib2"));
  fx.SetString(HKEY_CLASSES_ROOT, cls(L"Both") + L"\\InprocServer32", L"", L"C:\\Missing" + t + L"\\both.dll");
  fx.CreateKey(HKEY_CLASSES_ROOT, cls(L"Plain"));

  // The user's classes (walk B).
  auto ucls = [&](const wchar_t* Name) { return userClasses + L"\\CLSID\\" + id(Name); };
  fx.SetString(HKEY_CURRENT_USER, ucls(L"ULibMissing") + L"\\TypeLib", L"", id(L"NoLib3"));
  fx.SetString(HKEY_CURRENT_USER, ucls(L"ULibMachine") + L"\\TypeLib", L"", id(L"MachineLib"));
  fx.SetString(HKEY_CURRENT_USER, ucls(L"UServerMissing") + L"\\InprocServer32", L"", L"C:\\Missing" + t + L"\\y.dll");
  fx.SetString(HKEY_CURRENT_USER, ucls(L"UServerPresent") + L"\\InprocServer32", L"", server);

  // Interfaces (walks E and F).
  fx.SetString(HKEY_CLASSES_ROOT, L"\\Interface\\" + id(L"IfMissing") + L"\\TypeLib", L"", id(L"NoLib4"));
  fx.SetString(HKEY_CLASSES_ROOT, L"\\Interface\\" + id(L"IfUserLib") + L"\\TypeLib", L"", id(L"UserLib"));
  fx.CreateKey(HKEY_CLASSES_ROOT, L"\\Interface\\" + id(L"IfNoTypeLib") + L"\\ProxyStubClsid32");
  fx.SetString(HKEY_CURRENT_USER, userClasses + L"\\Interface\\" + id(L"UIfMissing") + L"\\TypeLib", L"",
               id(L"NoLib5"));
  fx.SetString(HKEY_CURRENT_USER, userClasses + L"\\Interface\\" + id(L"UIfMachineLib") + L"\\TypeLib", L"",
               id(L"MachineLib"));

  TScanReports reports;
  std::vector<TRegItem> after = RunCategory(engine, 4, &reports);
  ExpectAddressable(after);
  const std::wstring machineHelp = L"\\TypeLib\\" + id(L"MachineLib") + L"\\1.0\\HELPDIR";
  const std::wstring userHelp = userClasses + L"\\TypeLib\\" + id(L"UserLib") + L"\\1.0\\HELPDIR";
  EXPECT_SAME_RECORDS(
      NewRecords(before, after),
      (std::vector<TRegItem>{
          ActiveXRecord(HKEY_CLASSES_ROOT, kHkcr, cls(L"LibMissing"), cls(L"LibMissing") + L"\\TypeLib",
                        L"Missing TYPELIB:" + id(L"NoLib"),
                        L"The HKEY_CLASSES_ROOT\\CLSID\\" + id(L"LibMissing") +
                            L" TypeLib key points to the missing Type Library"),
          ActiveXRecord(HKEY_CLASSES_ROOT, kHkcr, cls(L"ServerMissing"), cls(L"ServerMissing") + L"\\InprocServer32",
                        L"Missing or Bad / File",
                        L"The InprocServer32 points to the missing program C:\\Missing" + t +
                            L"\\x.dll in the HKEY_CLASSES_ROOT\\CLSID\\"),
          ActiveXRecord(HKEY_CLASSES_ROOT, kHkcr, cls(L"Both"), cls(L"Both") + L"\\TypeLib",
                        L"Missing TYPELIB:" + id(L"NoLib2"),
                        L"The HKEY_CLASSES_ROOT\\CLSID\\" + id(L"Both") +
                            L" TypeLib key points to the missing Type Library"),
          ActiveXRecord(HKEY_CLASSES_ROOT, kHkcr, cls(L"Both"), cls(L"Both") + L"\\InprocServer32",
                        L"Missing or Bad / File",
                        L"The InprocServer32 points to the missing program C:\\Missing" + t +
                            L"\\both.dll in the HKEY_CLASSES_ROOT\\CLSID\\"),
          ActiveXRecord(HKEY_CURRENT_USER, kHkcu, ucls(L"ULibMissing"), ucls(L"ULibMissing") + L"\\TypeLib",
                        L"Missing TYPELIB:" + id(L"NoLib3"),
                        L"The HKEY_CURRENT_USER\\Software\\Classes\\CLSID\\" + id(L"ULibMissing") +
                            L" TypeLib key points to the missing Type Library"),
          ActiveXRecord(HKEY_CURRENT_USER, kHkcu, ucls(L"UServerMissing"),
                        ucls(L"UServerMissing") + L"\\InprocServer32", L"Missing or Bad / File",
                        L"The InprocServer32 points to the missing program C:\\Missing" + t +
                            L"\\y.dll in the HKEY_CURRENT_USER\\Software\\Classes\\CLSID\\"),
          ActiveXRecord(HKEY_CLASSES_ROOT, kHkcr, L"\\TypeLib\\" + id(L"MachineLib"), machineHelp,
                        L"Empty Key:" + id(L"MachineLib"),
                        L"The Key HELPDIR under HKEY_CLASSES_ROOT" + machineHelp + L" is empty"),
          ActiveXRecord(HKEY_CLASSES_ROOT, kHkcr, L"\\TypeLib\\" + id(L"MachineLib"),
                        L"\\TypeLib\\" + id(L"MachineLib") + L"\\4.0\\HELPDIR", L"Empty Key:" + id(L"MachineLib"),
                        L"The Key HELPDIR under HKEY_CLASSES_ROOT\\TypeLib\\" + id(L"MachineLib") +
                            L"\\4.0\\HELPDIR is empty"),
          ActiveXRecord(HKEY_CURRENT_USER, kHkcu, userClasses + L"\\TypeLib\\" + id(L"UserLib"), userHelp,
                        L"Empty Key:" + id(L"UserLib"),
                        L"The Key HELPDIR under HKEY_CURRENT_USER" + userHelp + L" is empty"),
          ActiveXRecord(HKEY_CLASSES_ROOT, kHkcr, L"\\Interface\\" + id(L"IfMissing"),
                        L"\\Interface\\" + id(L"IfMissing") + L"\\TypeLib", L"Missing TYPELIB:" + id(L"NoLib4"),
                        L"The key points to the missing Type Library, It can be deleted"),
          ActiveXRecord(HKEY_CURRENT_USER, kHkcu, userClasses + L"\\Interface\\" + id(L"UIfMissing"),
                        userClasses + L"\\Interface\\" + id(L"UIfMissing") + L"\\TypeLib",
                        L"Missing TYPELIB:" + id(L"NoLib5"),
                        L"The key points to the missing Type Library, It can be deleted"),
      }));

  // A class with two problems gives its TypeLib record before its InprocServer32 record.
  std::vector<TRegItem> both = RecordsMentioning(after, id(L"Both"));
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0].ProblemType, L"Missing TYPELIB:" + id(L"NoLib2"));

  // Start report, then one report per first-level entry of each walk.
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports[0], (std::pair<uint8_t, std::wstring>(0, L"HKEY_CLASSES_ROOT\\CLSID")));
  auto reported = [&](const std::wstring& Text) {
    return std::count(reports.begin(), reports.end(), std::pair<uint8_t, std::wstring>(0, Text));
  };
  EXPECT_EQ(reported(L"HKEY_CLASSES_ROOT\\CLSID\\" + id(L"Plain")), 1);
  EXPECT_EQ(reported(L"HKEY_CURRENT_USER\\Software\\Classes\\CLSID\\" + id(L"ULibMachine") + L"\\TypeLib"), 1);
  EXPECT_EQ(reported(L"HKEY_CLASSES_ROOT\\TypeLib\\" + id(L"MachineLib") + L"\\HELPDIR"), 1);
  EXPECT_EQ(reported(L"HKEY_CURRENT_USER\\Software\\Classes\\TypeLib\\" + id(L"UserLib") + L"\\HELPDIR"), 1);
  EXPECT_EQ(reported(L"HKEY_CLASSES_ROOT" + id(L"IfNoTypeLib")), 1);
  EXPECT_EQ(reported(L"HKEY_CURRENT_USER" + id(L"UIfMachineLib")), 1);
}

// Stopping ends the walk at the next first-level entry; what was found stays.
TEST(ScanActiveX, StopEndsTheWalkAtTheNextEntry) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  const std::wstring t = fx.Tag();
  for (const wchar_t* name : {L"A", L"B", L"C"}) {
    fx.SetString(HKEY_CURRENT_USER, L"\\Software\\Classes\\CLSID\\{" + t + L"-" + name + L"}\\TypeLib", L"",
                 L"{" + t + L"-NoLib}");
  }
  engine.ClearRegItems();
  engine.ScanState = kRegStateRunning;
  int mine = 0;
  engine.GetScanProc(4)([&](uint8_t Kind, const std::wstring&) {
    if (Kind == 1 && engine.Items.back()->KeyPath.find(t) != std::wstring::npos && ++mine == 1) {
      engine.ScanState = kRegStateStop;
    }
  });
  EXPECT_EQ(RecordsMentioning(CopyRecords(engine.Items), t).size(), 1u);
  // Nothing after the stop: the user's type libraries and interfaces were not walked.
  for (const auto& item : engine.Items) EXPECT_NE(item->KeyPath.find(L"\\CLSID\\"), std::wstring::npos);
}
