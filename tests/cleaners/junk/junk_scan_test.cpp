#include "cleaners/junk/junk_scan.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/message_pump.h"
#include "tests/base/test_folder.h"
#include "tests/cleaners/junk/junk_lists.h"

namespace {

struct Event {
  bool found;
  std::wstring path;
  int64_t size;
};

std::wstring AsciiLower(std::wstring s) {
  for (wchar_t& c : s) {
    if (c >= L'A' && c <= L'Z') c = wchar_t(c + 32);
  }
  return s;
}

// A fixture tree in a temporary folder on the prefix's c: drive.
class JunkScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.Path().empty());
    WasteSearchState = TSearchStateInfo();
    SetMessagePump(nullptr);
    Sleep(15);  // the pumping interval has passed when a test starts
  }
  void TearDown() override {
    SetMessagePump(nullptr);
    WasteSearchState = TSearchStateInfo();
  }

  void MakeFolder(const std::wstring& relative, DWORD attributes = 0) {
    ASSERT_TRUE(ForceDirectories(dir_.Path() + relative));
    if (attributes) {
      ASSERT_TRUE(SetFileAttributesW((dir_.Path() + relative).c_str(), attributes));
    }
  }
  void MakeFile(const std::wstring& relative, int64_t size = 1, DWORD attributes = 0) {
    ForceDirectories(ExtractFilePath(dir_.Path() + relative));
    HANDLE h = CreateFileW((dir_.Path() + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << testing::PrintToString(relative);
    LARGE_INTEGER end;
    end.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(h, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(h));
    CloseHandle(h);
    if (attributes) {
      ASSERT_TRUE(SetFileAttributesW((dir_.Path() + relative).c_str(), attributes));
    }
  }
  // The path a scan reports: the folder in lower case, the file name as listed.
  std::wstring Reported(const std::wstring& relative) const {
    return AsciiLower(ExtractFilePath(dir_.Path() + relative)) + ExtractFileName(relative);
  }

  // Scans the fixture root, given in its own letter case and without the trailing backslash.
  void Scan(const TWasteFileTypeList& types, const TWasteFolderList& excludeFolders = {},
            const TWasteFileTypeList& excludeFiles = {}, const TWasteCleanOptions& options = {}) {
    ScanJunkFolder(ExcludeTrailingBackslash(dir_.Path()), types, excludeFolders, excludeFiles, options, results_,
                   [this](bool found, const std::wstring& path, int64_t size) {
                     events_.push_back({found, path, size});
                     if (onEvent_) onEvent_();
                   });
  }
  std::set<std::wstring> FoundPaths() const {
    std::set<std::wstring> paths;
    for (const auto& file : results_) paths.insert(file->Path);
    return paths;
  }
  std::set<std::wstring> LookedAt() const {
    std::set<std::wstring> paths;
    for (const Event& e : events_) {
      if (!e.found) paths.insert(e.path);
    }
    return paths;
  }
  std::set<std::wstring> ReportedSet(std::initializer_list<std::wstring> relatives) const {
    std::set<std::wstring> paths;
    for (const std::wstring& r : relatives) paths.insert(Reported(r));
    return paths;
  }

  TestFolder dir_{L"qs_junk_"};
  TWasteFileList results_;
  std::vector<Event> events_;
  std::function<void()> onEvent_;
};

// Folders with and without the DOS attributes: Wine keeps them only where the host's file
// system stores extended attributes.
bool AttributesStick(const std::wstring& path, DWORD attributes) {
  const DWORD actual = GetFileAttributesW(path.c_str());
  return actual != INVALID_FILE_ATTRIBUTES && (actual & attributes) == attributes;
}

}  // namespace

TEST_F(JunkScanTest, ReportsEveryFileAndEveryJunkFileFolderByFolderDepthFirst) {
  const std::wstring files[] = {L"a.tmp",       L"b.txt",           L"sub1\\c.TMP", L"sub1\\deeper\\d.tmp",
                                L"sub1\\deeper\\e.txt", L"sub1\\x.doc", L"sub2\\f.tmp", L"sub2\\g.doc"};
  int64_t size = 1;
  for (const std::wstring& file : files) MakeFile(file, size++);
  Scan(TypeList({L"*.tmp"}));

  EXPECT_EQ(LookedAt(), ReportedSet({L"a.tmp", L"b.txt", L"sub1\\c.TMP", L"sub1\\deeper\\d.tmp", L"sub1\\deeper\\e.txt",
                                     L"sub1\\x.doc", L"sub2\\f.tmp", L"sub2\\g.doc"}));
  EXPECT_EQ(FoundPaths(), ReportedSet({L"a.tmp", L"sub1\\c.TMP", L"sub1\\deeper\\d.tmp", L"sub2\\f.tmp"}));
  EXPECT_EQ(WasteSearchState.CurrentFolder.back(), L'\\');

  // Each junk file is reported right after it is looked at, with its size, in the order of the
  // results; every result starts selected.
  std::vector<std::wstring> foundOrder;
  for (size_t i = 0; i < events_.size(); ++i) {
    if (!events_[i].found) {
      EXPECT_EQ(events_[i].size, 0);
      continue;
    }
    ASSERT_GT(i, 0u);
    EXPECT_FALSE(events_[i - 1].found);
    EXPECT_EQ(events_[i - 1].path, events_[i].path);
    foundOrder.push_back(events_[i].path);
  }
  ASSERT_EQ(foundOrder.size(), results_.size());
  for (size_t i = 0; i < results_.size(); ++i) {
    EXPECT_EQ(results_[i]->Path, foundOrder[i]);
    EXPECT_TRUE(results_[i]->Selected);
    const std::wstring relative = results_[i]->Path.substr(dir_.Path().size());
    for (size_t k = 0; k < std::size(files); ++k) {
      if (AsciiLower(files[k]) == AsciiLower(relative)) {
        EXPECT_EQ(results_[i]->Size, int64_t(k + 1)) << k;
      }
    }
  }

  // All files of a folder come in one run, and each run's folder hangs below a folder on the path
  // of the run before it (the folders of a depth-first walk, files before subfolders).
  std::vector<std::wstring> runs;
  for (const Event& e : events_) {
    const std::wstring folder = ExtractFilePath(e.path);
    if (runs.empty() || runs.back() != folder) runs.push_back(folder);
  }
  std::set<std::wstring> distinct(runs.begin(), runs.end());
  EXPECT_EQ(distinct.size(), runs.size()) << "a folder's files were reported in two runs";
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0], AsciiLower(dir_.Path()));
  for (size_t i = 1; i < runs.size(); ++i) {
    const std::wstring parent = ExtractFilePath(ExcludeTrailingBackslash(runs[i]));
    EXPECT_EQ(runs[i - 1].compare(0, parent.size(), parent), 0) << "run " << i << " left the depth-first order";
  }
}

TEST_F(JunkScanTest, HiddenAndSystemFoldersAreNotEnteredButHiddenOrSystemOnesAre) {
  const DWORD H = FILE_ATTRIBUTE_HIDDEN, S = FILE_ATTRIBUTE_SYSTEM;
  MakeFolder(L"both", H | S);
  MakeFolder(L"hidden", H);
  MakeFolder(L"system", S);
  if (!AttributesStick(dir_.Path() + L"both", H | S)) GTEST_SKIP() << "this host file system keeps no DOS attributes";
  MakeFile(L"both\\x.tmp");
  MakeFile(L"hidden\\y.tmp");
  MakeFile(L"system\\z.tmp");
  Scan(TypeList({L"*.tmp"}));
  EXPECT_EQ(FoundPaths(), ReportedSet({L"hidden\\y.tmp", L"system\\z.tmp"}));
  EXPECT_EQ(LookedAt().count(Reported(L"both\\x.tmp")), 0u);
}

TEST_F(JunkScanTest, ExcludedFoldersAreSkippedWithAllBelowThemAndExcludedFilesAreOnlyLookedAt) {
  MakeFile(L"skip\\s.tmp");
  MakeFile(L"skip\\deeper\\s2.tmp");
  MakeFile(L"a\\cache\\deep\\t.tmp");
  MakeFile(L"a\\cacheold\\u.tmp");
  MakeFile(L"keep1.tmp");
  MakeFile(L"junk.tmp");
  // The exclusion keys are written in any case; the scan compares lower-case folders.
  const TWasteFolderList folders = FolderList({dir_.Path() + L"SKIP\\", L"*\\cache\\"});
  Scan(TypeList({L"*.tmp"}), folders, TypeList({L"keep*.tmp"}));
  EXPECT_EQ(FoundPaths(), ReportedSet({L"a\\cacheold\\u.tmp", L"junk.tmp"}));
  EXPECT_EQ(LookedAt(), ReportedSet({L"a\\cacheold\\u.tmp", L"junk.tmp", L"keep1.tmp"}));

  // The start folder itself can be excluded.
  results_.clear();
  events_.clear();
  Scan(TypeList({L"*.tmp"}), FolderList({AsciiLower(dir_.Path())}));
  EXPECT_TRUE(events_.empty());
}

TEST_F(JunkScanTest, EmptyFilesAreJunkWithScanZeroUnlessExcludedOrFiltered) {
  MakeFile(L"empty.dat", 0);
  MakeFile(L"full.dat", 1);
  MakeFile(L"empty.ini", 0);
  MakeFile(L"empty_ro.dat", 0, FILE_ATTRIBUTE_READONLY);
  MakeFile(L"named.tmp", 0);
  const struct {
    bool scanZero, skipReadOnly;
    std::initializer_list<std::wstring> found;
  } cases[] = {
      {false, false, {L"named.tmp"}},
      {true, false, {L"named.tmp", L"empty.dat", L"empty_ro.dat"}},
      {true, true, {L"named.tmp", L"empty.dat"}},
  };
  for (const auto& c : cases) {
    TWasteCleanOptions options;
    options.ScanZero = c.scanZero;
    options.SkipReadOnly = c.skipReadOnly;
    results_.clear();
    Scan(TypeList({L"*.tmp"}), {}, TypeList({L"*.ini"}), options);
    EXPECT_EQ(FoundPaths(), ReportedSet(c.found)) << "ScanZero " << c.scanZero << " SkipReadOnly " << c.skipReadOnly;
  }
}

TEST_F(JunkScanTest, SizesBeyondFourGigabytesAreKept) {
  const int64_t big = (int64_t(5) << 30) + 7;
  MakeFile(L"big.tmp", big);  // sparse: nothing is written
  Scan(TypeList({L"*.tmp"}));
  ASSERT_EQ(results_.size(), 1u);
  EXPECT_EQ(results_[0]->Size, big);
  EXPECT_EQ(events_.back().size, big);
}

TEST_F(JunkScanTest, StopDuringTheFirstPassEndsTheWholeScanAndKeepsWhatWasFound) {
  for (int i = 0; i < 6; ++i) MakeFile(L"r" + std::to_wstring(i) + L".tmp");
  MakeFile(L"sub\\x.tmp");
  WasteSearchState.Searching = true;
  onEvent_ = [this] {
    if (results_.size() == 2) WasteSearchState.Stop = true;
  };
  Scan(TypeList({L"*.tmp"}));
  EXPECT_EQ(results_.size(), 2u);
  ASSERT_FALSE(events_.empty());
  EXPECT_TRUE(events_.back().found) << "nothing may be looked at after the stop";
  EXPECT_EQ(FoundPaths().count(Reported(L"sub\\x.tmp")), 0u);
  EXPECT_TRUE(WasteSearchState.Stop);
  EXPECT_FALSE(WasteSearchState.Searching);

  // While Stop stays set, a scan returns at once and leaves the results alone.
  onEvent_ = nullptr;
  events_.clear();
  Scan(TypeList({L"*.tmp"}));
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(results_.size(), 2u);
}

TEST_F(JunkScanTest, ThePumpIsOfferedAtEveryListedEntryAndCanStopTheScan) {
  MakeFile(L"a.tmp");
  MakeFile(L"b.txt");
  MakeFile(L"sub\\c.tmp");
  MakeFile(L"sub\\deeper\\d.tmp");
  // A pump that takes longer than the pumping interval runs at every entry.
  int pumped = 0;
  SetMessagePump([&pumped] {
    ++pumped;
    Sleep(25);
  });
  Scan(TypeList({L"*.tmp"}));
  // Root: ".", "..", two files, one folder; sub: ".", "..", a file, a folder; deeper: ".", "..", a file.
  EXPECT_EQ(pumped, 5 + 4 + 3);
  EXPECT_EQ(results_.size(), 3u);

  // A quick pump runs at the first entry (the interval has passed), then at most every 10 ms.
  pumped = 0;
  results_.clear();
  SetMessagePump([&pumped] { ++pumped; });
  Scan(TypeList({L"*.tmp"}));
  EXPECT_GE(pumped, 1);
  EXPECT_EQ(results_.size(), 3u);

  pumped = 0;
  results_.clear();
  events_.clear();
  Sleep(15);
  SetMessagePump([&pumped] {
    ++pumped;
    if (pumped == 3) WasteSearchState.Stop = true;
    Sleep(25);
  });
  Scan(TypeList({L"*.tmp"}));
  EXPECT_EQ(pumped, 3);
  EXPECT_LE(events_.size(), 2u * 3);
  EXPECT_TRUE(WasteSearchState.Stop);
}

TEST_F(JunkScanTest, AFolderThatCannotBeListedYieldsNothing) {
  ScanJunkFolder(dir_.Path() + L"missing", TypeList({L"*.*"}), {}, {}, {}, results_, nullptr);
  EXPECT_TRUE(results_.empty());
  EXPECT_EQ(WasteSearchState.CurrentFolder, AsciiLower(dir_.Path()) + L"missing\\");
}

// The tree made by the test's setup from the host: c:\qs_junk_links\tree holds a.tmp, sub\b.tmp,
// a link sub\up back to tree and a link out to c:\qs_junk_links\outside, which holds c.tmp.
TEST_F(JunkScanTest, FolderLinksAreNeverFollowed) {
  const std::wstring root = L"C:\\qs_junk_links\\";
  const DWORD link = GetFileAttributesW((root + L"tree\\out").c_str());
  ASSERT_NE(link, INVALID_FILE_ATTRIBUTES) << "the link fixture is missing (run through scripts/test)";
  ASSERT_TRUE(link & FILE_ATTRIBUTE_DIRECTORY);
  ASSERT_TRUE(link & FILE_ATTRIBUTE_REPARSE_POINT) << "a folder link must list as a reparse point";
  ASSERT_TRUE(FileExists(root + L"tree\\out\\c.tmp"));
  ScanJunkFolder(root + L"tree", TypeList({L"*.tmp"}), {}, {}, {}, results_, nullptr);
  std::set<std::wstring> found;
  for (const auto& file : results_) found.insert(file->Path);
  EXPECT_EQ(found, (std::set<std::wstring>{L"c:\\qs_junk_links\\tree\\a.tmp", L"c:\\qs_junk_links\\tree\\sub\\b.tmp"}));
}
