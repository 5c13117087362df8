// The handlers that empty folders: each works on the special folder the platform names (here a
// fixture folder of the test) and skips, reporting a failure, when there is none.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "base/files.h"
#include "cleaners/evidence/history_handlers.h"
#include "handler_recorder.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

class FolderHandlers : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(keys_.Redirected());
    SetSpecialFolderLookupForTesting([this](int csidl, std::wstring& path) {
      auto found = folders_.find(csidl);
      if (found == folders_.end()) return false;
      path = found->second;
      return true;
    });
  }
  void TearDown() override { SetSpecialFolderLookupForTesting(nullptr); }

  // The special folder lies in the fixture folder under `name`.
  std::wstring Provide(int csidl, const std::wstring& name) {
    const std::wstring path = root_.Path() + name;
    EXPECT_TRUE(ForceDirectories(path));
    folders_[csidl] = path;
    return path;
  }
  static void Touch(const std::wstring& file) {
    ForceDirectories(ExtractFilePath(file));
    WriteBytes(file, "trace");
  }
  static bool IsEmptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool empty = true;
    do {
      const std::wstring name = data.cFileName;
      if (name != L"." && name != L"..") empty = false;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return empty;
  }

  RedirectedUserKeys keys_;
  SinkRecorder recorder_;
  TestFolder root_{L"qs_evidence_folders_"};
  std::map<int, std::wstring> folders_;
};

const wchar_t kRecentDocs[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";

bool UserKeyPresent(const wchar_t* path) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void CreateUserKey(const wchar_t* path) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(FolderHandlers, RecentDocumentsDeletesTheListAndTheShortcuts) {
  const std::wstring recent = Provide(CSIDL_RECENT, L"Recent");
  Touch(recent + L"\\report.doc.lnk");
  Touch(recent + L"\\notes.txt");
  CreateUserKey(kRecentDocs);
  EXPECT_EQ(recorder_.Run(1), (std::vector<int>{0, 1}));
  EXPECT_FALSE(UserKeyPresent(kRecentDocs));
  EXPECT_FALSE(FileExists(recent + L"\\report.doc.lnk"));
  EXPECT_TRUE(FileExists(recent + L"\\notes.txt"));
}

// A list that is already gone is no failure, and the shortcuts still go.
TEST_F(FolderHandlers, RecentDocumentsWithoutTheListStillDeletesTheShortcuts) {
  const std::wstring recent = Provide(CSIDL_RECENT, L"Recent");
  Touch(recent + L"\\report.doc.lnk");
  Touch(recent + L"\\notes.txt");
  EXPECT_EQ(recorder_.Run(1), (std::vector<int>{0, 1}));
  EXPECT_FALSE(FileExists(recent + L"\\report.doc.lnk"));
  EXPECT_TRUE(FileExists(recent + L"\\notes.txt"));
}

TEST_F(FolderHandlers, TempAndOfficeRecentLoseTheirFiles) {
  const std::wstring windows = Provide(CSIDL_WINDOWS, L"Windows");
  Touch(windows + L"\\Temp\\setup.tmp");
  Touch(windows + L"\\win.ini");
  const std::wstring appData = Provide(CSIDL_APPDATA, L"AppData");
  Touch(appData + L"\\Microsoft\\Office\\Recent\\budget.xls.lnk");
  Touch(appData + L"\\Microsoft\\Office\\templates.dot");

  EXPECT_EQ(recorder_.Run(7), (std::vector<int>{0, 1}));
  EXPECT_TRUE(IsEmptyFolder(windows + L"\\Temp"));
  EXPECT_TRUE(FileExists(windows + L"\\win.ini"));

  EXPECT_EQ(recorder_.Run(208), (std::vector<int>{0, 1}));
  EXPECT_TRUE(IsEmptyFolder(appData + L"\\Microsoft\\Office\\Recent"));
  EXPECT_TRUE(FileExists(appData + L"\\Microsoft\\Office\\templates.dot"));
}

// Every handler that empties a folder, with that folder redirected to one that holds more than
// traces: it deletes the matching files only. The folder stays as it was (never removed and made
// again, so its attributes and access list stay); its subfolders stay, whatever their names; a
// link with a matching name leaves the file it points to.
struct TFolderCase {
  int code;
  int csidl;
  const wchar_t* below;    // the emptied folder below the special folder
  const wchar_t* trace;    // a file the handler deletes
  const wchar_t* matches;  // ends names the handler's pattern matches: a subfolder's and a link's
};

void PrintTo(const TFolderCase& c, std::ostream* os) { *os << "code " << c.code; }

class FolderHandlersKeepFolders : public FolderHandlers, public testing::WithParamInterface<TFolderCase> {};

TEST_P(FolderHandlersKeepFolders, DeletesMatchingFilesOnly) {
  const TFolderCase c = GetParam();
  if (c.code == 1) CreateUserKey(kRecentDocs);
  const std::wstring special = Provide(c.csidl, L"Documents");
  const std::wstring folder = special + c.below;
  Touch(folder + L"\\" + c.trace);
  Touch(folder + L"\\sub" + c.matches + L"\\letter.doc");
  TestFolder outside(L"qs_evidence_outside_");
  WriteBytes(outside.Path() + L"precious.doc", "precious");
  ASSERT_TRUE(MakeHostLink(folder + L"\\linked" + c.matches, outside.Path() + L"precious.doc"))
      << "the host's ln could not be started";
  const DWORD marked = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(SetFileAttributesW(folder.c_str(), marked));

  const std::vector<int> states = recorder_.Run(c.code);
  EXPECT_EQ(states.back(), 1);
  EXPECT_FALSE(FileExists(folder + L"\\" + c.trace));
  EXPECT_EQ(GetFileAttributesW(folder.c_str()), marked) << "the folder was made again";
  EXPECT_TRUE(FileExists(folder + L"\\sub" + c.matches + L"\\letter.doc"));
  EXPECT_EQ(ReadBytes(outside.Path() + L"precious.doc"), "precious");
  RemoveHostLink(folder + L"\\linked" + c.matches);
}

INSTANTIATE_TEST_SUITE_P(Codes, FolderHandlersKeepFolders,
                         testing::Values(TFolderCase{1, CSIDL_RECENT, L"", L"report.doc.lnk", L".lnk"},
                                         TFolderCase{7, CSIDL_WINDOWS, L"\\Temp", L"setup.tmp", L""},
                                         TFolderCase{104, CSIDL_COOKIES, L"", L"user@example[1].txt", L".txt"},
                                         TFolderCase{208, CSIDL_APPDATA, L"\\Microsoft\\Office\\Recent",
                                                     L"budget.xls.lnk", L""}),
                         [](const testing::TestParamInfo<TFolderCase>& info) {
                           return "Code" + std::to_string(info.param.code);
                         });

TEST_F(FolderHandlers, OfficeRecentThatIsNotThereIsNotCreated) {
  const std::wstring appData = Provide(CSIDL_APPDATA, L"AppData");
  EXPECT_EQ(recorder_.Run(208), (std::vector<int>{0, 1}));
  EXPECT_FALSE(DirectoryExists(appData + L"\\Microsoft\\Office\\Recent"));
}

TEST_F(FolderHandlers, PrefetchIsTheOneBelowTheSystemRootVariable) {
  const std::wstring systemRoot = root_.Path() + L"SystemRoot";
  Touch(systemRoot + L"\\Prefetch\\NOTEPAD.EXE-1234.pf");
  Touch(systemRoot + L"\\system.ini");
  wchar_t saved[MAX_PATH] = {};
  GetEnvironmentVariableW(L"SystemRoot", saved, MAX_PATH);
  SetEnvironmentVariableW(L"SystemRoot", systemRoot.c_str());
  const std::vector<int> states = recorder_.Run(8);
  SetEnvironmentVariableW(L"SystemRoot", nullptr);
  const std::vector<int> statesWithoutVariable = recorder_.Run(8);
  SetEnvironmentVariableW(L"SystemRoot", saved);

  EXPECT_EQ(states, (std::vector<int>{0, 1}));
  EXPECT_TRUE(IsEmptyFolder(systemRoot + L"\\Prefetch"));
  EXPECT_TRUE(FileExists(systemRoot + L"\\system.ini"));
  EXPECT_EQ(statesWithoutVariable, (std::vector<int>{0, 100}));
}

TEST_F(FolderHandlers, CookiesDeletesTheCookieFilesOnly) {
  const std::wstring cookies = Provide(CSIDL_COOKIES, L"Cookies");
  Touch(cookies + L"\\user@example[1].txt");
  Touch(cookies + L"\\index.dat");
  EXPECT_EQ(recorder_.Run(104), (std::vector<int>{0, 1}));
  EXPECT_FALSE(FileExists(cookies + L"\\user@example[1].txt"));
  EXPECT_TRUE(FileExists(cookies + L"\\index.dat"));
}

TEST_F(FolderHandlers, UltraEditLosesItsRecentFileListOnly) {
  const std::wstring appData = Provide(CSIDL_APPDATA, L"AppData");
  const std::wstring ini = appData + L"\\IDMComp\\UltraEdit\\Uedit32.ini";
  Touch(ini);
  WriteBytes(ini, "[Settings]\r\nFont=Courier\r\n[Recent File List]\r\nFile1=C:\\secret.txt\r\n[Printer]\r\nMargin=1\r\n");
  EXPECT_EQ(recorder_.Run(305), (std::vector<int>{0, 1}));
  const std::string left = ReadBytes(ini);
  EXPECT_EQ(left.find("Recent File List"), std::string::npos) << left;
  EXPECT_EQ(left.find("secret"), std::string::npos) << left;
  EXPECT_NE(left.find("Font=Courier"), std::string::npos) << left;
  EXPECT_NE(left.find("Margin=1"), std::string::npos) << left;
}

// With no special folder the handler must not fall back to a relative or root path.
class MissingSpecialFolder : public FolderHandlers, public testing::WithParamInterface<int> {};

TEST_P(MissingSpecialFolder, SkipsAsAFailure) {
  CreateUserKey(kRecentDocs);
  EXPECT_EQ(recorder_.Run(GetParam()), (std::vector<int>{0, 100}));
  EXPECT_TRUE(UserKeyPresent(kRecentDocs));
}

INSTANTIATE_TEST_SUITE_P(Codes, MissingSpecialFolder, testing::Values(1, 7, 104, 208, 305),
                         [](const testing::TestParamInfo<int>& info) { return "Code" + std::to_string(info.param); });

}  // namespace
