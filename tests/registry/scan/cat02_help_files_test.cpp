// Category 2: help file registrations whose folder or file is missing.
#include "scan_test_util.h"

namespace {

const std::wstring kHelp = L"\\Software\\Microsoft\\Windows\\Help";
const std::wstring kHtmlHelp = L"\\Software\\Microsoft\\Windows\\Html Help";

TRegItem HelpRecord(const std::wstring& Key, const std::wstring& Name) {
  return MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"", Key, Name, L"HKEY_LOCAL_MACHINE" + Key, Name,
                     L"Help entry HTML Help references a file that is missing or does not exist.", 2, 2);
}

}  // namespace

TEST(ScanHelpFiles, MissingHelpFoldersAndFiles) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  const std::wstring t = fx.Tag();
  std::vector<TRegItem> before = RunCategory(engine, 2);
  std::wstring folder = fx.AddFolder(L"help");
  fx.AddFile(L"help\\" + t + L"-ok.hlp");
  fx.AddFile(L"help\\" + t + L"-padded.chm");
  fx.AddFile(L"help\\" + t + L"-html.chm");

  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, t + L"-ok.hlp", folder);
  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, t + L"-slash.hlp", folder + L"\\");
  fx.AddFile(L"help\\" + t + L"-slash.hlp");
  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, L"  " + t + L"-padded.chm  ", L"  " + folder + L"  ");
  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, t + L"-nofile.hlp", folder);
  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, t + L"-nofolder.hlp", fx.Folder() + L"nowhere");
  // The file is there, but the value names a file instead of its folder.
  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, t + L"-ok.hlp2", folder + L"\\" + t + L"-ok.hlp");
  // Empty data is never an existing folder, even though "\" + the name is a file on the current
  // drive.
  wchar_t cwd[MAX_PATH + 1] = {};
  GetCurrentDirectoryW(MAX_PATH, cwd);
  SetCurrentDirectoryW(fx.Folder().c_str());
  fx.OnTeardown([cwd] { SetCurrentDirectoryW(cwd); });
  fx.AddFile(fx.Folder().substr(0, 2) + L"\\" + t + L"-empty.hlp");
  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, t + L"-empty.hlp", L"");
  fx.SetString(HKEY_LOCAL_MACHINE, kHtmlHelp, t + L"-html.chm", folder);
  fx.SetString(HKEY_LOCAL_MACHINE, kHtmlHelp, t + L"-gone.chm", folder);

  TScanReports reports;
  std::vector<TRegItem> after = RunCategory(engine, 2, &reports);
  ExpectAddressable(after);
  EXPECT_SAME_RECORDS(NewRecords(before, after), (std::vector<TRegItem>{
                                                     HelpRecord(kHelp, t + L"-nofile.hlp"),
                                                     HelpRecord(kHelp, t + L"-nofolder.hlp"),
                                                     HelpRecord(kHelp, t + L"-ok.hlp2"),
                                                     HelpRecord(kHelp, t + L"-empty.hlp"),
                                                     HelpRecord(kHtmlHelp, t + L"-gone.chm"),
                                                 }));
  // Each key is reported once as it is opened; values have no report of their own.
  TScanReports starts;
  for (const auto& r : reports) {
    if (r.first == 0) starts.push_back(r);
  }
  EXPECT_EQ(starts, (TScanReports{{0, L"HKEY_LOCAL_MACHINE" + kHelp}, {0, L"HKEY_LOCAL_MACHINE" + kHtmlHelp}}));
}
