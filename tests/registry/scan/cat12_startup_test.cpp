// Category 12: startup entries of the machine and the user whose program is missing, and empty
// subkeys of the startup keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exception.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

const std::wstring kRun = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kRunOnce = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const std::wstring kPolicyRun = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer\\run";

TRegItem Startup(HKEY Root, const std::wstring& RootName, const std::wstring& K, const std::wstring& KeyPath,
                 const std::wstring& ValueName, const std::wstring& ValueData, const std::wstring& Name,
                 uint8_t Action) {
  return MakeRegItem(Root, RootName, K, KeyPath, ValueName, ValueData, L"Miss or Invalid Path ",
                     L"The key " + Name + L"contains invalid path,It can be deleteed.", 12, Action);
}

class Cat12Startup : public OwnEngineScanTest {};

TEST_F(Cat12Startup, FindsMissingProgramsAndEmptySubkeysUnderBothRoots) {
  std::vector<TRegItem> Before = RunCategory(Engine, 12);
  const HKEY U = HKEY_CURRENT_USER, M = HKEY_LOCAL_MACHINE;
  const std::wstring UserName = L"HKEY_CURRENT_USER", MachineName = L"HKEY_LOCAL_MACHINE";
  const std::wstring T = Fx.Tag();
  const std::wstring Program = Fx.AddFile(L"tray.exe");
  const std::wstring Bad = L"C:\\nowhere\\" + T + L".exe /s";

  Fx.SetString(M, kRun, T + L"a", Bad);
  Fx.SetString(M, kRun, T + L"b", L"");  // an empty command names no program
  Fx.SetString(M, kRun, T + L"c", L"\"" + Program + L"\" /min");
  Fx.SetExpandString(M, kRun, T + L"d", L"%SystemRoot%\\notepad.exe");
  Fx.SetString(M, kRun, T + L"e", L"notepad.exe");  // found on PATH
  Fx.CreateKey(M, kRun + L"\\" + T + L"f\\Empty");
  Fx.SetString(M, kRun + L"\\" + T + L"g", L"x", L"C:\\nowhere\\x.exe");  // subkeys are judged by emptiness only
  Fx.SetString(M, kRunOnce, T + L"h", Bad);
  Fx.SetString(U, kPolicyRun, T + L"i", Bad);
  Fx.SetString(U, kPolicyRun + L"x", T + L"j", Bad);  // near miss: not a startup key

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 12, &Reports)), T);

  const std::vector<TRegItem> Expected = {
      Startup(M, MachineName, kRun, kRun, T + L"a", Bad, T + L"a", 2),
      Startup(M, MachineName, kRun, kRun, T + L"b", L"", T + L"b", 2),
      Startup(M, MachineName, kRun, kRun + L"\\" + T + L"f", L"", L"", T + L"f", 1),
      Startup(M, MachineName, kRunOnce, kRunOnce, T + L"h", Bad, T + L"h", 2),
      Startup(U, UserName, kPolicyRun, kPolicyRun, T + L"i", Bad, T + L"i", 2),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);
  ASSERT_FALSE(Reports.empty());
  // No start report: the first report already names an entry.
  EXPECT_EQ(Reports.front().first, 0);
  EXPECT_EQ(Reports.front().second.rfind(MachineName + L"\\", 0), 0u);
}

// A startup value that is not text ends the scan with the registry key object's error.
TEST_F(Cat12Startup, NonTextValueEndsTheScan) {
  Fx.SetDword(HKEY_CURRENT_USER, kRunOnce, Fx.Tag(), 1);
  EXPECT_THROW(RunCategory(Engine, 12), ERegistryException);
}

}  // namespace
