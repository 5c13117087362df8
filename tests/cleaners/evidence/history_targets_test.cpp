// What each handler says it clears, for the areas of one-click maintenance that reach the same
// keys and folders: its user keys, and its folders as the platform names them (here fixture
// paths); none for handlers whose traces lie elsewhere, and no folder when the platform has none.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "cleaners/evidence/history_handlers.h"
#include "tests/base/saved_variable.h"

namespace {

const std::wstring kExplorer = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

TEST(HistoryTargets, EachHandlerNamesTheKeysAndFoldersItClears) {
  SetSpecialFolderLookupForTesting([](int csidl, std::wstring& path) {
    switch (csidl) {
      case CSIDL_RECENT: path = L"C:\\fixture\\Recent"; return true;
      case CSIDL_WINDOWS: path = L"C:\\fixture\\windows"; return true;
      case CSIDL_INTERNET_CACHE: path = L"C:\\fixture\\Cache"; return true;
      default: return false;  // no cookie folder
    }
  });
  SavedVariable root{L"SystemRoot", L"C:\\fixture\\windows"};
  struct Case {
    int code;
    std::vector<std::wstring> keys;
    std::vector<std::wstring> folders;
  } cases[] = {
      {1, {kExplorer + L"RecentDocs"}, {L"C:\\fixture\\Recent"}},
      {2, {kExplorer + L"RunMRU"}, {}},
      {3, {kExplorer + L"ComDlg32\\LastVisitedMRU", kExplorer + L"UserAssist"}, {}},
      {4, {kExplorer + L"ComDlg32\\OpenSaveMRU"}, {}},
      {5, {}, {}},  // the clipboard
      {6, {}, {}},  // the Recycle Bin
      {7, {}, {L"C:\\fixture\\windows\\Temp"}},
      {8, {}, {L"C:\\fixture\\windows\\Prefetch"}},
      {9, {kExplorer + L"FindComputerMRU"}, {}},
      {102, {L"\\Software\\Microsoft\\Internet Explorer\\TypedURLs"}, {}},
      {103, {}, {L"C:\\fixture\\Cache"}},
      {104, {}, {}},  // the platform names no cookie folder here
      {106, {L"Software\\Microsoft\\Internet Explorer\\IntelliForms"}, {}},
      {999, {}, {}},  // no such handler
  };
  const THistorySink sink;
  for (const Case& c : cases) {
    const THistoryTargets targets = HistoryHandlerForCode(c.code).Targets(sink);
    EXPECT_EQ(targets.UserKeys, c.keys) << c.code;
    EXPECT_EQ(targets.Folders, c.folders) << c.code;
  }
  SetSpecialFolderLookupForTesting(nullptr);
}

}  // namespace
