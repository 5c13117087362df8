// The handlers that clear lists kept below the current user: what each removes, what it leaves
// and the states it reports.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "cleaners/evidence/history_handlers.h"
#include "handler_recorder.h"

namespace {

// A registry place below the (redirected) current user: "Key" or "Key|Value".
struct Place {
  std::wstring key;
  std::wstring value;
  bool IsValue() const { return !value.empty(); }
};

Place ParsePlace(const std::wstring& text) {
  const size_t bar = text.find(L'|');
  if (bar == std::wstring::npos) return {text, L""};
  return {text.substr(0, bar), text.substr(bar + 1)};
}

// A key is seeded with a value and a subkey of its own, so a delete must take the whole tree.
void Seed(const std::wstring& text) {
  const Place place = ParsePlace(text);
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, place.key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const wchar_t data[] = L"C:\\secret.doc";
  RegSetValueExW(key, place.IsValue() ? place.value.c_str() : L"seed", 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                 sizeof(data));
  if (!place.IsValue()) {
    HKEY child;
    RegCreateKeyExW(key, L"child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr);
    RegCloseKey(child);
  }
  RegCloseKey(key);
}

bool Exists(const std::wstring& text) {
  const Place place = ParsePlace(text);
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, place.key.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  const bool found = !place.IsValue() || RegQueryValueExW(key, place.value.c_str(), nullptr, nullptr, nullptr,
                                                          nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found;
}

const std::wstring kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::wstring kOffice = L"Software\\Microsoft\\Office\\";
const std::wstring kFrontPage = L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\";
const std::wstring kPlayer = L"Software\\Microsoft\\MediaPlayer\\Player\\";
const std::wstring kApplets = L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
const std::wstring kEditPlus = L"Software\\ES-Computing\\";
const std::wstring kAdobe = L"Software\\Adobe\\";
const std::wstring kMpc = L"Software\\Merovan\\Media Player Classic\\Recent File List";

struct HandlerCase {
  const char* name;
  int code;
  std::vector<std::wstring> seed;
  std::vector<std::wstring> removed;
  std::vector<std::wstring> kept;
  std::vector<int> states;
};

class RegistryHandler : public testing::TestWithParam<HandlerCase> {
 protected:
  RedirectedUserKeys keys_;
  SinkRecorder recorder_;
};

TEST_P(RegistryHandler, ClearsItsListOnly) {
  ASSERT_TRUE(keys_.Redirected());
  const HandlerCase& c = GetParam();
  for (const std::wstring& place : c.seed) Seed(place);
  EXPECT_EQ(recorder_.Run(c.code), c.states);
  for (const std::wstring& place : c.removed) EXPECT_FALSE(Exists(place)) << place;
  for (const std::wstring& place : c.kept) EXPECT_TRUE(Exists(place)) << place;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegistryHandler,
    testing::Values(
        HandlerCase{"RunDialog", 2, {kExplorer + L"RunMRU", kExplorer + L"RecentDocs"}, {kExplorer + L"RunMRU"},
                    {kExplorer + L"RecentDocs"}, {0, 1}},
        HandlerCase{"RunDialogMissingIsNoFailure", 2, {}, {}, {}, {0, 1}},
        HandlerCase{"ProgramsRun", 3, {kExplorer + L"ComDlg32\\LastVisitedMRU", kExplorer + L"UserAssist"},
                    {kExplorer + L"ComDlg32\\LastVisitedMRU", kExplorer + L"UserAssist"}, {kExplorer + L"ComDlg32"},
                    {0, 1}},
        HandlerCase{"ProgramsRunOnlyOneThere", 3, {kExplorer + L"UserAssist"}, {kExplorer + L"UserAssist"}, {},
                    {0, 1}},
        HandlerCase{"ProgramsRunNeitherIsNoFailure", 3, {}, {}, {}, {0, 1}},
        HandlerCase{"OpenSave", 4, {kExplorer + L"ComDlg32\\OpenSaveMRU\\*"}, {kExplorer + L"ComDlg32\\OpenSaveMRU"},
                    {kExplorer + L"ComDlg32"}, {0, 1}},
        HandlerCase{"OpenSaveMissingIsNoFailure", 4, {}, {}, {}, {0, 1}},
        HandlerCase{"ComputerSearch", 9, {kExplorer + L"FindComputerMRU"}, {kExplorer + L"FindComputerMRU"}, {},
                    {0, 1}},
        HandlerCase{"ComputerSearchMissingIsNoFailure", 9, {}, {}, {}, {0, 1}},
        HandlerCase{"TypedAddresses", 102, {L"Software\\Microsoft\\Internet Explorer\\TypedURLs|url1"},
                    {L"Software\\Microsoft\\Internet Explorer\\TypedURLs"},
                    {L"Software\\Microsoft\\Internet Explorer"}, {0, 1}},
        HandlerCase{"TypedAddressesMissingIsNoFailure", 102, {}, {}, {}, {0, 1}},
        HandlerCase{"StoredPasswords", 106,
                    {L"Software\\Microsoft\\Internet Explorer\\IntelliForms",
                     L"Software\\Microsoft\\Internet Explorer\\Main"},
                    {L"Software\\Microsoft\\Internet Explorer\\IntelliForms"},
                    {L"Software\\Microsoft\\Internet Explorer\\Main"}, {0, 1}},
        HandlerCase{"StoredPasswordsMissingIsNoFailure", 106, {}, {}, {}, {0, 1}},
        HandlerCase{"Word", 201,
                    {kOffice + L"8.0\\Word\\Data|Settings", kOffice + L"12.0\\Word\\Data|Settings",
                     kOffice + L"12.0\\Word\\Data|Toolbars", kOffice + L"14.0\\Word\\Data|Settings"},
                    {kOffice + L"8.0\\Word\\Data|Settings", kOffice + L"12.0\\Word\\Data|Settings"},
                    {kOffice + L"8.0\\Word\\Data", kOffice + L"12.0\\Word\\Data|Toolbars",
                     kOffice + L"14.0\\Word\\Data|Settings"},
                    {0, 1}},
        HandlerCase{"FrontPage", 202,
                    {kFrontPage + L"Recent File List", kFrontPage + L"Recent Page List", kFrontPage + L"Recent Web List",
                     kFrontPage + L"Settings"},
                    {kFrontPage + L"Recent File List", kFrontPage + L"Recent Page List", kFrontPage + L"Recent Web List"},
                    {kFrontPage + L"Settings"}, {0, 1}},
        HandlerCase{"PowerPoint", 203,
                    {kOffice + L"9.0\\PowerPoint\\Recent File List", kOffice + L"11.0\\PowerPoint\\Recent File List",
                     kOffice + L"14.0\\PowerPoint\\Recent File List"},
                    {kOffice + L"9.0\\PowerPoint\\Recent File List", kOffice + L"11.0\\PowerPoint\\Recent File List"},
                    {kOffice + L"9.0\\PowerPoint", kOffice + L"14.0\\PowerPoint\\Recent File List"}, {0, 1}},
        HandlerCase{"Excel", 204, {kOffice + L"10.0\\Excel\\Recent Files", kOffice + L"10.0\\Excel\\Options"},
                    {kOffice + L"10.0\\Excel\\Recent Files"}, {kOffice + L"10.0\\Excel\\Options"}, {0, 1}},
        HandlerCase{"MediaPlayer", 205, {kPlayer + L"RecentFileList", kPlayer + L"RecentURLList", kPlayer + L"Settings"},
                    {kPlayer + L"RecentFileList", kPlayer + L"RecentURLList"}, {kPlayer + L"Settings"}, {0, 1}},
        HandlerCase{"Paint", 206, {kApplets + L"Paint\\Recent File List", kApplets + L"Paint\\View"},
                    {kApplets + L"Paint\\Recent File List"}, {kApplets + L"Paint\\View"}, {0, 1}},
        HandlerCase{"Wordpad", 207, {kApplets + L"Wordpad\\Recent File List"}, {kApplets + L"Wordpad\\Recent File List"},
                    {kApplets + L"Wordpad"}, {0, 1}},
        HandlerCase{"WinRar", 301,
                    {L"Software\\WinRAR\\ArcHistory", L"Software\\WinRAR\\DialogEditHistory", L"Software\\WinRAR\\General"},
                    {L"Software\\WinRAR\\ArcHistory", L"Software\\WinRAR\\DialogEditHistory"},
                    {L"Software\\WinRAR\\General"}, {0, 1}},
        HandlerCase{"Dreamweaver", 302, {L"Software\\macromedia\\Dreamweaver MX 2004\\Recent File List"},
                    {L"Software\\macromedia\\Dreamweaver MX 2004\\Recent File List"},
                    {L"Software\\macromedia\\Dreamweaver MX 2004"}, {0, 1}},
        HandlerCase{"Flash", 303, {L"Software\\macromedia\\Flash 7\\Recent File List"},
                    {L"Software\\macromedia\\Flash 7\\Recent File List"}, {L"Software\\macromedia\\Flash 7"}, {0, 1}},
        HandlerCase{"EditPlusEmptiesItsListsAndKeepsTheKeys", 304,
                    {kEditPlus + L"EditPlus 2\\Recent File List|file1", kEditPlus + L"EditPlus 3\\Recent Dir List|dir1",
                     kEditPlus + L"EditPlus 3\\Recent Dir List|dir2", kEditPlus + L"EditPlus 3\\Options|file1"},
                    {kEditPlus + L"EditPlus 2\\Recent File List|file1", kEditPlus + L"EditPlus 3\\Recent Dir List|dir1",
                     kEditPlus + L"EditPlus 3\\Recent Dir List|dir2"},
                    {kEditPlus + L"EditPlus 2\\Recent File List", kEditPlus + L"EditPlus 3\\Recent Dir List",
                     kEditPlus + L"EditPlus 3\\Options|file1"},
                    {0, 1}},
        HandlerCase{"WinZipKeepsItsKey", 306, {L"Software\\Tessaly Computing\\WinZip\\filemenu|filemenu1"},
                    {L"Software\\Tessaly Computing\\WinZip\\filemenu|filemenu1"},
                    {L"Software\\Tessaly Computing\\WinZip\\filemenu"}, {0, 1}},
        HandlerCase{"AcdSeeDeletesItsThreeValues", 307,
                    {L"Software\\ACD Systems\\ACDSee|HistPaths", L"Software\\ACD Systems\\ACDSee|HistFindScope",
                     L"Software\\ACD Systems\\ACDSee|HistFileFilers", L"Software\\ACD Systems\\ACDSee|Viewer"},
                    {L"Software\\ACD Systems\\ACDSee|HistPaths", L"Software\\ACD Systems\\ACDSee|HistFindScope",
                     L"Software\\ACD Systems\\ACDSee|HistFileFilers"},
                    {L"Software\\ACD Systems\\ACDSee|Viewer"}, {0, 1}},
        HandlerCase{"AdobeReaderEmptiesTheRecentListsOfItsVersions", 308,
                    {kAdobe + L"Acrobat Reader\\9.0\\AVGeneral\\cRecentFiles\\c1",
                     kAdobe + L"Acrobat Reader\\9.0\\AVGeneral\\cRecentFiles\\c2",
                     kAdobe + L"Adobe Acrobat\\6.0\\AVGeneral\\cRecentFiles\\c1",
                     kAdobe + L"Adobe Acrobat\\10.0\\AVGeneral\\cRecentFiles\\c1"},
                    {kAdobe + L"Acrobat Reader\\9.0\\AVGeneral\\cRecentFiles\\c1",
                     kAdobe + L"Acrobat Reader\\9.0\\AVGeneral\\cRecentFiles\\c2",
                     kAdobe + L"Adobe Acrobat\\6.0\\AVGeneral\\cRecentFiles\\c1"},
                    {kAdobe + L"Acrobat Reader\\9.0\\AVGeneral\\cRecentFiles",
                     kAdobe + L"Adobe Acrobat\\6.0\\AVGeneral\\cRecentFiles",
                     kAdobe + L"Adobe Acrobat\\10.0\\AVGeneral\\cRecentFiles\\c1"},
                    {0, 1}},
        HandlerCase{"MediaPlayerClassicKeepsItsKey", 309, {kMpc + L"|File1", kMpc + L"|File2"},
                    {kMpc + L"|File1", kMpc + L"|File2"}, {kMpc}, {0, 1}},
        HandlerCase{"UnknownCodeDoesNothing", 555, {kExplorer + L"RunMRU"}, {}, {kExplorer + L"RunMRU"}, {}},
        HandlerCase{"NonNumericCodeDoesNothing", -1, {kExplorer + L"RunMRU"}, {}, {kExplorer + L"RunMRU"}, {}}),
    [](const testing::TestParamInfo<HandlerCase>& info) { return info.param.name; });

TEST(RegistryHandlers, WorkInsideTheFixtureKey) {
  RedirectedUserKeys keys;
  ASSERT_TRUE(keys.Redirected());
  Seed(kExplorer + L"RunMRU");
  Seed(kExplorer + L"TypedPaths");
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(keys.Fixture(), (kExplorer + L"RunMRU").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
  SinkRecorder recorder;
  EXPECT_EQ(recorder.Run(2), (std::vector<int>{0, 1}));
  EXPECT_NE(RegOpenKeyExW(keys.Fixture(), (kExplorer + L"RunMRU").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  ASSERT_EQ(RegOpenKeyExW(keys.Fixture(), (kExplorer + L"TypedPaths").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST(RegistryHandlers, ReportRunningThenLetTheCallerPaint) {
  RedirectedUserKeys keys;
  ASSERT_TRUE(keys.Redirected());
  SinkRecorder recorder;
  EXPECT_EQ(recorder.Run(2), (std::vector<int>{0, 1}));
  EXPECT_EQ(recorder.Pumps(), 1);
}

}  // namespace
