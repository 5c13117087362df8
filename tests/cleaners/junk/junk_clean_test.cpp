#include "cleaners/junk/junk_clean.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/message_pump.h"
#include "cleaners/junk/junk_scan.h"
#include "junk_lists.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

class JunkCleanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.Path().empty());
    SetMessagePump(nullptr);
    Sleep(15);  // the pumping interval has passed when a test starts
  }
  void TearDown() override { SetMessagePump(nullptr); }

  // A result entry; the file is made unless `exists` is false.
  TWasteFile& Add(const std::wstring& name, const std::string& bytes, bool selected = true, bool exists = true,
                  DWORD attributes = 0) {
    auto file = std::make_unique<TWasteFile>();
    file->Path = dir_.Path() + name;
    file->Size = int64_t(bytes.size());
    file->Selected = selected;
    if (exists) {
      WriteBytes(file->Path, bytes);
      if (attributes) SetFileAttributesW(file->Path.c_str(), attributes);
    }
    files_.push_back(std::move(file));
    return *files_.back();
  }

  TestFolder dir_{L"qs_junkclean_"};
  TWasteFileList files_;
};

}  // namespace

TEST_F(JunkCleanTest, CountsOnlyTheFilesThatAreReallyGone) {
  Add(L"a.tmp", "aaaa");
  TWasteFile& locked = Add(L"locked.tmp", "bb");
  TWasteFile& kept = Add(L"kept.tmp", "c", false);
  Add(L"gone.tmp", "ddddd", true, false);
  Add(L"readonly.tmp", "eeeeeeeeee", true, true, FILE_ATTRIBUTE_READONLY);
  HANDLE h = CreateFileW(locked.Path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);

  std::vector<int64_t> processedBefore;
  const TJunkCleanCounts counts = CleanWasteFiles(files_, false, [&](const TWasteFile&, const TJunkCleanCounts& soFar) {
    processedBefore.push_back(soFar.Processed);
    return true;
  });
  CloseHandle(h);

  EXPECT_EQ(counts.Selected, 4);
  EXPECT_EQ(counts.Processed, 4);
  EXPECT_EQ(counts.Deleted, 2);
  EXPECT_EQ(counts.Failed(), 2);  // the locked file and the one missing before its turn
  EXPECT_EQ(counts.FreedBytes, 4 + 10);
  EXPECT_TRUE(counts.Completed);
  EXPECT_EQ(processedBefore, (std::vector<int64_t>{0, 1, 2, 2, 3}));
  EXPECT_TRUE(FileExists(locked.Path));
  EXPECT_TRUE(FileExists(kept.Path));
  EXPECT_FALSE(FileExists(files_[0]->Path));
  EXPECT_FALSE(FileExists(files_[4]->Path));
}

// Empty files named "a.txt " and "b.doc." beside full "a.txt" and "b.doc": the path rules of the
// system would shorten the junk names to their neighbours', so the cleaning must delete neither the
// neighbours nor count anything, permanently or into the Recycle Bin.
TEST_F(JunkCleanTest, NamesEndingInABlankOrDotNeverTakeTheirNeighbour) {
  WriteBytes(dir_.Path() + L"a.txt", "letter");
  WriteBytes(dir_.Path() + L"b.doc", "report");
  ASSERT_TRUE(MakeHostFile(dir_.Path(), "a.txt ", "")) << "the host's mv could not be started";
  ASSERT_TRUE(MakeHostFile(dir_.Path(), "b.doc.", ""));
  for (const bool toRecycleBin : {false, true}) {
    TWasteCleanOptions options;
    options.ScanZero = true;
    TWasteFileList found;
    ScanJunkFolder(dir_.Path(), TypeList({L"*.tmp"}), {}, {}, options, found, nullptr);
    std::vector<std::wstring> names;
    for (const auto& file : found) names.push_back(ExtractFileName(file->Path));
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names, (std::vector<std::wstring>{L"a.txt ", L"b.doc."}));

    const TJunkCleanCounts counts = CleanWasteFiles(found, toRecycleBin, nullptr);
    EXPECT_EQ(counts.Processed, 2);
    EXPECT_EQ(counts.Deleted, 0) << "to the Recycle Bin: " << toRecycleBin;
    EXPECT_EQ(ReadBytes(dir_.Path() + L"a.txt"), "letter");
    EXPECT_EQ(ReadBytes(dir_.Path() + L"b.doc"), "report");
  }
}

TEST_F(JunkCleanTest, CancellingStopsBeforeTheNextEntryAndKeepsTheRest) {
  for (int i = 0; i < 4; ++i) Add(L"f" + std::to_wstring(i) + L".tmp", "x");
  int pumped = 0;
  SetMessagePump([&pumped] {
    ++pumped;
    Sleep(25);  // longer than the pumping interval: the pump runs at every entry
  });
  const TJunkCleanCounts counts =
      CleanWasteFiles(files_, false, [](const TWasteFile&, const TJunkCleanCounts& soFar) { return soFar.Processed < 2; });
  EXPECT_FALSE(counts.Completed);
  EXPECT_EQ(counts.Selected, 4);
  EXPECT_EQ(counts.Processed, 2);
  EXPECT_EQ(counts.Deleted, 2);
  EXPECT_EQ(pumped, 2);
  EXPECT_TRUE(FileExists(files_[2]->Path));
  EXPECT_TRUE(FileExists(files_[3]->Path));
}
