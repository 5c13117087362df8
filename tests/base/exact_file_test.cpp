// Opening exactly the recorded file: links and names the platform changes are refused.
#include "base/exact_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/files.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

class ExactFileTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.Path().empty());
    WriteBytes(dir_.Path() + L"a.txt", "neighbour");
    WriteBytes(outside_.Path() + L"target.txt", "target");
    ASSERT_TRUE(ForceDirectories(dir_.Path() + L"folder"));
    ASSERT_TRUE(MakeHostLink(dir_.Path() + L"file-link.txt", outside_.Path() + L"target.txt"))
        << "the host's ln could not be started";
    ASSERT_TRUE(MakeHostLink(dir_.Path() + L"folder-link", outside_.Path()));
    ASSERT_TRUE(MakeHostFile(dir_.Path(), "b.doc.", "dotted"));
    WriteBytes(dir_.Path() + L"b.doc", "neighbour");
  }
  void TearDown() override {
    RemoveHostLink(dir_.Path() + L"file-link.txt");
    RemoveHostLink(dir_.Path() + L"folder-link");
  }
  TestFolder dir_{L"qs_exact_"};
  TestFolder outside_{L"qs_exact_outside_"};
};

TEST_F(ExactFileTest, OnlyTheRecordedFileOpens) {
  struct Case {
    std::wstring name;
    TExactFileStatus status;
  };
  const Case cases[] = {
      {L"a.txt", TExactFileStatus::Opened},
      {L"A.TXT", TExactFileStatus::Opened},
      {L"a.txt ", TExactFileStatus::OtherName},  // the platform drops the blank: a.txt would open
      {L"b.doc.", TExactFileStatus::OtherName},  // the platform drops the dot: b.doc would open
      {L"file-link.txt", TExactFileStatus::OtherName},  // a host file link lists as a plain file
      {L"folder-link", TExactFileStatus::Link},
      {L"folder", TExactFileStatus::Folder},
      {L"missing.txt", TExactFileStatus::Missing},
  };
  for (const Case& c : cases) {
    TExactFile file(dir_.Path() + c.name, GENERIC_READ, FILE_SHARE_READ);
    EXPECT_EQ(file.Status(), c.status) << testing::PrintToString(c.name);
    EXPECT_EQ(file.Handle() != INVALID_HANDLE_VALUE, c.status == TExactFileStatus::Opened);
  }
}

TEST_F(ExactFileTest, DeletingRefusesEveryOtherFile) {
  for (const wchar_t* name : {L"a.txt ", L"b.doc.", L"file-link.txt", L"folder-link"})
    EXPECT_FALSE(DeleteExactFile(dir_.Path() + name)) << testing::PrintToString(name);
  EXPECT_EQ(ReadBytes(dir_.Path() + L"a.txt"), "neighbour");
  EXPECT_EQ(ReadBytes(dir_.Path() + L"b.doc"), "neighbour");
  EXPECT_EQ(ReadBytes(outside_.Path() + L"target.txt"), "target");
  EXPECT_TRUE(DeleteExactFile(dir_.Path() + L"a.txt"));
  EXPECT_FALSE(FileExists(dir_.Path() + L"a.txt"));
}

// A host file system tells names apart by letter case: "twin.tmp" may be a link to "TWIN.TMP"
// beside it, and the opened file then reports the other name. A name that differs in case only
// passes when the folder lists it in the opened file's spelling as that very file.
TEST_F(ExactFileTest, ALetterCaseTwinIsNeverTakenForTheRecordedFile) {
  WriteBytes(dir_.Path() + L"TWIN.TMP", "twin");
  ASSERT_TRUE(MakeHostLinkNamed(dir_.Path(), L"twin.tmp", dir_.Path() + L"TWIN.TMP"))
      << "the host's ln could not be started";
  struct Case {
    std::wstring name;
    TExactFileStatus status;
  };
  const Case cases[] = {
      {L"twin.tmp", TExactFileStatus::OtherName},
      {L"TWIN.TMP", TExactFileStatus::Opened},
      {L"B.DOC", TExactFileStatus::Opened},
  };
  for (const Case& c : cases) {
    TExactFile file(dir_.Path() + c.name, GENERIC_READ, FILE_SHARE_READ);
    EXPECT_EQ(file.Status(), c.status) << testing::PrintToString(c.name);
  }
  EXPECT_FALSE(DeleteExactFile(dir_.Path() + L"twin.tmp"));
  EXPECT_EQ(ReadBytes(dir_.Path() + L"TWIN.TMP"), "twin");
  EXPECT_TRUE(RemoveHostLinkNamed(dir_.Path(), L"twin.tmp"));
}

TEST_F(ExactFileTest, HardLinksAreCounted) {
  TExactFile single(dir_.Path() + L"b.doc", GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(single.Opened());
  EXPECT_EQ(single.LinkCount(), 1u);
  single.Close();
  ASSERT_TRUE(CreateHardLinkW((dir_.Path() + L"second-name.doc").c_str(), (dir_.Path() + L"b.doc").c_str(), nullptr));
  TExactFile linked(dir_.Path() + L"b.doc", GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(linked.Opened());
  EXPECT_EQ(linked.LinkCount(), 2u);
}

TEST_F(ExactFileTest, AReadOnlyFileIsDeletedThroughItsHandle) {
  const std::wstring path = dir_.Path() + L"read-only.txt";
  WriteBytes(path, "x");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(DeleteExactFile(path));
  EXPECT_FALSE(FileExists(path));
}

}  // namespace
