// Category 11: services whose ImagePath names a missing program or driver, and service keys
// without any value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

const std::wstring kServices = L"\\SYSTEM\\CurrentControlSet\\Services";
const std::wstring kMachine = L"HKEY_LOCAL_MACHINE";

TRegItem Service(const std::wstring& S, const std::wstring& ValueName, const std::wstring& Description,
                 uint8_t Action) {
  return MakeRegItem(HKEY_LOCAL_MACHINE, kMachine, kServices, kServices + L"\\" + S, ValueName,
                     kMachine + kServices + L"\\" + S, L"Miss or Invalid Path", Description, 11, Action);
}

TRegItem BadPath(const std::wstring& S) {
  return Service(S, L"ImagePath", L"The key " + S + L"contains a bad path for the value.", 2);
}
TRegItem EmptyService(const std::wstring& S) {
  return Service(S, L"", L"The key " + S + L"contains invalid key,It can be deleteed.", 1);
}

class Cat11Services : public OwnEngineScanTest {
 protected:
  std::wstring Name(const std::wstring& Suffix) { return Fx.Tag() + Suffix; }
  std::wstring Key(const std::wstring& Suffix) { return kServices + L"\\" + Name(Suffix); }
};

TEST_F(Cat11Services, FindsMissingImagesAndEmptyServiceKeys) {
  std::vector<TRegItem> Before = RunCategory(Engine, 11);
  const HKEY M = HKEY_LOCAL_MACHINE;
  const std::wstring Driver = Fx.Tag() + L"drv";
  Fx.AddFile(ExpandEnvironmentText(L"%SystemRoot%\\system32\\drivers\\") + Driver + L".sys");

  struct TCase {
    const wchar_t* Suffix;
    const std::wstring ImagePath;
    bool Bad;
  };
  const std::vector<TCase> Cases = {
      {L"_a", L"C:\\nowhere\\" + Fx.Tag() + L".sys", true},
      {L"_b", L"\\SystemRoot\\System32\\drivers\\" + Driver + L".sys", false},  // below the system root
      {L"_c", Driver, false},                                                     // found as .sys
      {L"_d", Fx.Tag() + L"gone", true},                                          // no file with any extension
      {L"_e", L"system32\\DRIVERS\\" + Driver + L".sys", false},
      {L"_f", L"\"C:\\nowhere\\" + Fx.Tag() + L" svc.exe\" -run", true},
      {L"_g", L"C:\\windows\\system32\\svchost.exe -k netsvcs", false},
      {L"_h", L"  ", false},  // an empty ImagePath is no bad path
  };
  for (const TCase& Case : Cases) {
    Fx.SetString(M, Key(Case.Suffix), L"ImagePath", Case.ImagePath);
    Fx.SetDword(M, Key(Case.Suffix), L"Start", 3);
  }
  // Environment references are expanded.
  Fx.SetExpandString(M, Key(L"_i"), L"ImagePath", L"%SystemRoot%\\system32\\notepad.exe /x");
  Fx.SetExpandString(M, Key(L"_j"), L"ImagePath", L"%SystemRoot%\\" + Fx.Tag() + L"gone.exe");
  // No ImagePath at all, or one that is not text: no bad path.
  Fx.SetDword(M, Key(L"_k"), L"Start", 3);
  Fx.SetDword(M, Key(L"_l"), L"ImagePath", 3);
  // A service key that holds nothing but empty keys.
  Fx.CreateKey(M, Key(L"_m") + L"\\Enum");

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 11, &Reports)), Fx.Tag());

  const std::vector<TRegItem> Expected = {
      BadPath(Name(L"_a")), BadPath(Name(L"_d")),      BadPath(Name(L"_f")),
      BadPath(Name(L"_j")), EmptyService(Name(L"_m")),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);
  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.front(), TScanReports::value_type(0, kMachine + kServices));
  EXPECT_TRUE(HasEntryReport(Reports, kMachine + Key(L"_k")));
}

}  // namespace
