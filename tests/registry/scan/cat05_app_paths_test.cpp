// Category 5: application paths whose program file is missing.
#include "scan_test_util.h"

namespace {

const std::wstring kAppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

TRegItem AppRecord(const std::wstring& App) {
  return MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", kAppPaths, kAppPaths + L"\\" + App, L"\u9ED8\u8BA4",
                     L"HKEY_LOCAL_MACHINE" + kAppPaths, L"Miss or Invalid Path",
                     App + L" contains invalid path,It can be deleteed.", 5, 1);
}

}  // namespace

TEST(ScanAppPaths, MissingProgramFiles) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  const std::wstring t = fx.Tag();
  std::vector<TRegItem> before = RunCategory(engine, 5);
  std::wstring exe = fx.AddFile(L"bin\\ok.exe");
  SetEnvironmentVariableW(L"QSSCANBIN", (fx.Folder() + L"bin").c_str());
  fx.OnTeardown([] { SetEnvironmentVariableW(L"QSSCANBIN", nullptr); });
  // Longer than MAX_PATH once expanded: still tested in full.
  SetEnvironmentVariableW(L"QSSCANLONG", (L"C:\\" + std::wstring(300, L'a')).c_str());
  fx.OnTeardown([] { SetEnvironmentVariableW(L"QSSCANLONG", nullptr); });

  auto app = [&](const wchar_t* Name) { return t + L"-" + Name + L".exe"; };
  auto key = [&](const wchar_t* Name) { return kAppPaths + L"\\" + app(Name); };
  fx.SetString(HKEY_LOCAL_MACHINE, key(L"ok"), L"", exe);
  fx.SetString(HKEY_LOCAL_MACHINE, key(L"quoted"), L"", L"\"" + exe + L"\" /x");
  fx.SetExpandString(HKEY_LOCAL_MACHINE, key(L"env"), L"", L"%QSSCANBIN%\\ok.exe");
  fx.SetString(HKEY_LOCAL_MACHINE, key(L"missing"), L"", L"C:\\Missing" + t + L"\\app.exe");
  fx.SetExpandString(HKEY_LOCAL_MACHINE, key(L"envmissing"), L"", L"%QSSCANBIN%\\gone.exe");
  fx.SetExpandString(HKEY_LOCAL_MACHINE, key(L"long"), L"", L"%QSSCANLONG%\\x.exe");
  // A bare name that no PATH folder holds is a problem.
  fx.SetString(HKEY_LOCAL_MACHINE, key(L"bare"), L"", app(L"bare"));
  fx.SetString(HKEY_LOCAL_MACHINE, key(L"notepad"), L"", L"notepad.exe");
  fx.SetString(HKEY_LOCAL_MACHINE, key(L"blank"), L"", L"   ");
  fx.CreateKey(HKEY_LOCAL_MACHINE, key(L"nodefault"));
  fx.SetString(HKEY_LOCAL_MACHINE, key(L"pathonly"), L"Path", fx.Folder());

  TScanReports reports;
  std::vector<TRegItem> after = RunCategory(engine, 5, &reports);
  ExpectAddressable(after);
  EXPECT_SAME_RECORDS(NewRecords(before, after), (std::vector<TRegItem>{
                                                     AppRecord(app(L"missing")),
                                                     AppRecord(app(L"envmissing")),
                                                     AppRecord(app(L"long")),
                                                     AppRecord(app(L"bare")),
                                                 }));
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports[0], (std::pair<uint8_t, std::wstring>(0, L"HKEY_LOCAL_MACHINE" + kAppPaths)));
  for (const wchar_t* name : {L"ok", L"nodefault", L"missing"}) {
    EXPECT_EQ(std::count(reports.begin(), reports.end(),
                         std::pair<uint8_t, std::wstring>(0, L"HKEY_LOCAL_MACHINE" + key(name))),
              1)
        << WideToUtf8(name);
  }
}
