// Shredding a file: the bytes of every pass read back while the shred waits between passes, the
// size unchanged, progress within 100 %, the file gone; and the files that cannot be shredded.
#include "tools/shredder/shred_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

// The file's bytes, read beside the shred that holds it open.
std::string ReadShared(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<not readable>";
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(h, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(h);
  return bytes;
}

struct TPassSeen {
  int pass;
  char fill;
  std::string bytes;
};

struct TProgressSeen {
  int pass, passes, percent;
};

class ShredFileTest : public ::testing::Test {
 protected:
  std::wstring Make(const std::wstring& name, size_t size) {
    const std::wstring path = folder_.Path() + name;
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + i % 26);
    WriteBytes(path, bytes);
    return path;
  }
  TShredEvents Recording(const std::wstring& path) {
    TShredEvents events;
    events.OnProgress = [this](int pass, int passes, int percent) {
      progress.push_back({pass, passes, percent});
      return true;
    };
    events.OnPassDone = [this, path](int pass, char fill) { passes.push_back({pass, fill, ReadShared(path)}); };
    return events;
  }

  TestFolder folder_{L"qs_shred_"};
  std::vector<TPassSeen> passes;
  std::vector<TProgressSeen> progress;
};

}  // namespace

TEST_F(ShredFileTest, EachLevelWritesItsCharactersOverExactlyTheFilesLength) {
  struct Case {
    int level;
    size_t size;
    const char* fills;
  } cases[] = {
      {1, 300, "@"},
      {2, 300, "@!#"},
      {3, 300, "~!2345@"},
      {2, 1, "@!#"},
      {1, 200 * 1024 + 7, "@"},  // several blocks and a part of one
  };
  for (const Case& c : cases) {
    passes.clear();
    const std::wstring path = Make(L"level.dat", c.size);
    EXPECT_EQ(ShredFile(path, ShredLevelOption(c.level), Recording(path)), TShredResult::Shredded);
    const std::string fills = c.fills;
    ASSERT_EQ(passes.size(), fills.size()) << c.level;
    for (size_t i = 0; i < passes.size(); ++i) {
      EXPECT_EQ(passes[i].pass, static_cast<int>(i + 1));
      EXPECT_EQ(passes[i].fill, fills[i]);
      EXPECT_EQ(passes[i].bytes, std::string(c.size, fills[i])) << "level " << c.level << " pass " << i + 1;
    }
    EXPECT_FALSE(FileExists(path));
  }
}

TEST_F(ShredFileTest, ProgressRisesToExactlyOneHundredInEveryPass) {
  const std::wstring path = Make(L"progress.dat", 300 * 1024);
  EXPECT_EQ(ShredFile(path, ShredLevelOption(2), Recording(path)), TShredResult::Shredded);
  int pass = 0, last = -1;
  for (const TProgressSeen& p : progress) {
    EXPECT_EQ(p.passes, 3);
    EXPECT_LE(p.percent, 100);
    if (p.pass != pass) {
      if (pass) EXPECT_EQ(last, 100) << "pass " << pass;
      EXPECT_EQ(p.pass, pass + 1);
      EXPECT_EQ(p.percent, 0);  // each pass starts afresh
      pass = p.pass;
    } else {
      EXPECT_GT(p.percent, last);
    }
    last = p.percent;
  }
  EXPECT_EQ(pass, 3);
  EXPECT_EQ(last, 100);
}

TEST_F(ShredFileTest, AnEmptyFileGetsNoWritesAndIsDeleted) {
  const std::wstring path = Make(L"empty.dat", 0);
  EXPECT_EQ(ShredFile(path, ShredLevelOption(1), Recording(path)), TShredResult::Shredded);
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_EQ(passes[0].bytes, "");
  EXPECT_FALSE(FileExists(path));
}

TEST_F(ShredFileTest, FilesThatCannotBeShreddedStayAsTheyWere) {
  const std::wstring readOnly = Make(L"read only.txt", 50);
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ShredFile(readOnly, ShredLevelOption(3)), TShredResult::CannotOpen);
  EXPECT_EQ(ReadShared(readOnly).substr(0, 3), "abc");
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);

  const std::wstring locked = Make(L"locked.txt", 50);
  HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ShredFile(locked, ShredLevelOption(1)), TShredResult::CannotOpen);
  CloseHandle(holder);
  EXPECT_EQ(ReadShared(locked).substr(0, 3), "abc");

  EXPECT_EQ(ShredFile(folder_.Path() + L"never there.txt", ShredLevelOption(1)), TShredResult::Missing);
  const std::wstring sub = folder_.Path() + L"sub";
  ASSERT_TRUE(ForceDirectories(sub));
  EXPECT_EQ(ShredFile(sub, ShredLevelOption(1)), TShredResult::NotAFile);
  EXPECT_TRUE(DirectoryExists(sub));
}

// A host link (to a file or to a folder) and a second hard link to another file's data: the shred
// writes nothing, deletes nothing, and says why in the summary.
TEST_F(ShredFileTest, NothingIsOverwrittenThroughALinkOrAHardLink) {
  TestFolder outside(L"qs_shred_outside_");
  const std::wstring precious = outside.Path() + L"precious.doc";
  WriteBytes(precious, "precious data");
  const std::wstring fileLink = folder_.Path() + L"file link.doc";
  const std::wstring folderLink = folder_.Path() + L"folder link";
  const std::wstring hardLink = folder_.Path() + L"second name.doc";
  ASSERT_TRUE(MakeHostLink(fileLink, precious)) << "the host's ln could not be started";
  ASSERT_TRUE(MakeHostLink(folderLink, outside.Path()));
  ASSERT_TRUE(CreateHardLinkW(hardLink.c_str(), precious.c_str(), nullptr));
  struct Case {
    std::wstring path;
    TShredResult result;
  };
  const Case cases[] = {{fileLink, TShredResult::ThroughLink},
                        {folderLink, TShredResult::ThroughLink},
                        {hardLink, TShredResult::HardLinked},
                        {precious, TShredResult::HardLinked}};
  for (const Case& c : cases) {
    EXPECT_EQ(ShredFile(c.path, ShredLevelOption(3)), c.result) << testing::PrintToString(c.path);
    EXPECT_NE(ShredFailureText(c.result).find(L"link"), std::wstring::npos);
  }
  EXPECT_EQ(ReadShared(precious), "precious data");
  EXPECT_EQ(ReadShared(hardLink), "precious data");
  EXPECT_TRUE(FileExists(outside.Path() + L"precious.doc"));
  RemoveHostLink(fileLink);
  RemoveHostLink(folderLink);
}

TEST_F(ShredFileTest, AStoppedShredKeepsTheFile) {
  const std::wstring path = Make(L"stopped.dat", 300 * 1024);
  TShredEvents events = Recording(path);
  events.OnProgress = [](int pass, int, int percent) { return pass < 2 || percent < 30; };
  EXPECT_EQ(ShredFile(path, ShredLevelOption(2), events), TShredResult::Stopped);
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_TRUE(FileExists(path));
  const std::string bytes = ReadShared(path);
  EXPECT_EQ(bytes.size(), 300u * 1024);
  EXPECT_EQ(bytes.front(), '!');  // the second pass had begun
  EXPECT_EQ(bytes.back(), '@');
}

TEST(ShredOptions, FillCharactersCycleAndAtLeastOnePassIsMade) {
  const TSFOption pattern{L"ab", 5};
  EXPECT_EQ(FillCharOfPass(pattern, 1), L'a');
  EXPECT_EQ(FillCharOfPass(pattern, 2), L'b');
  EXPECT_EQ(FillCharOfPass(pattern, 3), L'a');
  EXPECT_EQ(FillCharOfPass({L"  ", 1}, 1), L'@');
  EXPECT_EQ(FillCharOfPass({L"", 1}, 4), L'@');
  EXPECT_EQ(PassCount({L"@", 0}), 1);
  EXPECT_EQ(PassCount({L"@", -3}), 1);
  EXPECT_EQ(PassCount({L"@", 7}), 7);
  EXPECT_EQ(ShredLevelOption(1).FillTimes, 1);
  EXPECT_EQ(ShredLevelOption(2).FillChars, L"@!#$2#3%65^&*");
  EXPECT_EQ(ShredLevelOption(3).FillTimes, 7);
}

TEST(ShredOptions, StatusTextPadsPassCountAndPercentage) {
  EXPECT_EQ(ShredStatusText(1, 3, 43), L" 1/ 3time 43%");
  EXPECT_EQ(ShredStatusText(7, 7, 100), L" 7/ 7time 100%");
  EXPECT_EQ(ShredStatusText(2, 3, 5), L" 2/ 3time  5%");
}
