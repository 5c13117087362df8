#include "skin/skin_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/packer/lzh_encoder.h"
#include "skin/packer/skin_archive_writer.h"
#include "skin_store_testing.h"

#ifdef _WIN32
#include "gui/message_box.h"
#endif

using skin_store_testing::Bytes;
using skin_store_testing::TRawArchive;

namespace {

std::vector<std::string> g_messages;
void RecordMessage(const std::string& text) { g_messages.push_back(text); }

const char kOlderSkin[] = "This is Older Skin File\rPlease update to new version !";

class SkinReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_messages.clear();
    SetSkinMessageProc(RecordMessage);
  }
  void TearDown() override { SetSkinMessageProc(nullptr); }

  bool Load(const std::vector<uint8_t>& archive) { return reader.LoadFromStream(PackStoredSkin(archive)); }

  std::string Extract(const std::string& name) {
    std::vector<uint8_t> target = Bytes("left over");
    reader.ExtractFile(name, target);
    return std::string(target.begin(), target.end());
  }

  TSkinReader reader;
};

TRawArchive ThreeFiles() {
  TRawArchive a;
  a.names = "Skin.INI\r\ntop.bmp\r\nleft.bmp\r\n";
  a.sizes = {4, 3, 5};
  a.data = "[a]\nTTTLLLLL";
  return a;
}

}  // namespace

TEST_F(SkinReaderTest, EveryKnownVersionSkipsItsBlockWhateverItHolds) {
  const struct { int32_t version; size_t block; } kVersions[] = {
      {20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& v : kVersions) {
    TRawArchive a = ThreeFiles();
    a.version = v.version;
    a.block.assign(v.block, 0x0A);  // line feeds: would split names if they were read
    ASSERT_TRUE(Load(a.Build())) << v.version;
    EXPECT_EQ(reader.Version(), v.version);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "top.bmp", "left.bmp"})) << v.version;
    EXPECT_EQ(Extract("left.bmp"), "LLLLL") << v.version;
  }
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(SkinReaderTest, UnsupportedVersionShowsTheMessageAndKeepsNothing) {
  for (int32_t version : {0, 10000, 19999, 20001, 80000, -20000}) {
    ASSERT_TRUE(Load(ThreeFiles().Build()));
    g_messages.clear();
    TRawArchive a = ThreeFiles();
    a.version = version;
    EXPECT_FALSE(Load(a.Build())) << version;
    EXPECT_EQ(g_messages, std::vector<std::string>{kOlderSkin}) << version;
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_EQ(Extract("top.bmp"), "");
  }
}

#ifdef _WIN32
// In the programs the message is a box titled with the program's name, shown through the
// message-box helper (which tests replace).
TEST_F(SkinReaderTest, UnsupportedVersionBoxGoesThroughTheMessageBoxHelper) {
  SetSkinMessageProc(nullptr);
  std::vector<std::wstring> boxes;
  SetMessageBoxFunc([&](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
    boxes.push_back(caption + L"|" + text + L"|" + std::to_wstring(type));
    return IDOK;
  });
  TRawArchive a = ThreeFiles();
  a.version = 10000;
  EXPECT_FALSE(Load(a.Build()));
  SetMessageBoxFunc(nullptr);
  EXPECT_EQ(boxes, std::vector<std::wstring>{L"skin_skin_reader_store_test|This is Older Skin File\rPlease update "
                                             L"to new version !|" + std::to_wstring(MB_OK)});
}
#endif

TEST_F(SkinReaderTest, EmptyOrShortInputReadsAsVersionZero) {
  std::vector<std::vector<uint8_t>> stored = {
      {},                                // no size field
      {1, 0, 0},                         // part of one
      PackStoredSkin({}),                // unpacks to nothing
      {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3},  // negative size: nothing
  };
  std::vector<uint8_t> header = ThreeFiles().Build();
  stored.push_back(PackStoredSkin(std::vector<uint8_t>(header.begin(), header.begin() + 15)));
  for (size_t i = 0; i < stored.size(); i++) {
    g_messages.clear();
    EXPECT_FALSE(reader.LoadFromStream(stored[i])) << i;
    EXPECT_EQ(g_messages.size(), 1u) << i;
  }
}

TEST_F(SkinReaderTest, NameListLinesSplitLikeAStringList) {
  const struct { const char* names; std::vector<std::string> expected; } kCases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"", {}},
  };
  for (const auto& c : kCases) {
    TRawArchive a;
    a.names = c.names;
    a.sizes.assign(c.expected.size(), 0);
    ASSERT_TRUE(Load(a.Build())) << c.names;
    EXPECT_EQ(reader.Names(), c.expected) << c.names;
  }
}

TEST_F(SkinReaderTest, NulEndsTheNameList) {
  TRawArchive a;
  a.names = std::string("one\r\ntwo\0three\r\n", 16);
  a.sizes = {1, 2};
  a.data = "122";
  ASSERT_TRUE(Load(a.Build()));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(Extract("two"), "22");
}

TEST_F(SkinReaderTest, ExtractFileMatchesWholeNamesInAnyLetterCase) {
  TRawArchive a;
  a.names = "Top.BMP\r\nsame.bmp\r\nsame.bmp\r\nempty.bmp\r\nlast.bmp";
  a.sizes = {2, 3, 4, 0, 1};
  a.data = "TT1112222L";
  ASSERT_TRUE(Load(a.Build()));
  EXPECT_EQ(Extract("top.bmp"), "TT");
  EXPECT_EQ(Extract("TOP.bmp"), "TT");
  EXPECT_EQ(Extract("same.bmp"), "111");  // the first of two wins
  EXPECT_EQ(Extract("last.bmp"), "L");
  EXPECT_EQ(Extract("empty.bmp"), "");
  EXPECT_EQ(Extract("top"), "");
  EXPECT_EQ(Extract("missing.bmp"), "");
}

TEST_F(SkinReaderTest, FindFileTakesTheFirstNameContainingTheText) {
  TRawArchive a;
  a.names = "a.bmp\r\nold.ini.bak\r\nSkin.ini\r\n";
  a.sizes = {1, 2, 3};
  a.data = "ABBCCC";
  ASSERT_TRUE(Load(a.Build()));
  std::vector<uint8_t> target = Bytes("x");
  std::string found = "unchanged";
  reader.FindFile(".ini", target, found);
  EXPECT_EQ(found, "old.ini.bak");
  EXPECT_EQ(target, Bytes("BB"));

  reader.FindFile("skin", target, found);
  EXPECT_EQ(found, "skin.ini");
  EXPECT_EQ(target, Bytes("CCC"));

  // The text is not lower-cased, the names are.
  found = "unchanged";
  reader.FindFile(".INI", target, found);
  EXPECT_TRUE(target.empty());
  EXPECT_EQ(found, "unchanged");
}

TEST_F(SkinReaderTest, DamagedArchivesAreRefusedWithoutAMessage) {
  std::vector<std::pair<const char*, TRawArchive>> cases;
  TRawArchive a = ThreeFiles();
  a.nameLength = -1000;
  cases.push_back({"negative name length", a});
  a = ThreeFiles();
  a.nameLength = 10000;
  cases.push_back({"name list past the end", a});
  a = ThreeFiles();
  a.sizes = {4, -3, 5};
  cases.push_back({"negative size", a});
  a = ThreeFiles();
  a.sizes = {4, 3, 6};
  cases.push_back({"sizes past the end of the data", a});
  a = ThreeFiles();
  a.sizes = {4, 3, INT32_MAX};
  cases.push_back({"huge size", a});
  a = ThreeFiles();
  a.sizes = {4, 3};
  a.data = "";
  cases.push_back({"size table past the end", a});
  a = TRawArchive();
  for (int i = 0; i < 1002; i++) a.names += "n\r\n";
  a.sizes.assign(1002, 0);
  cases.push_back({"1002 names", a});

  for (const auto& c : cases) {
    ASSERT_TRUE(Load(ThreeFiles().Build()));
    EXPECT_FALSE(Load(c.second.Build())) << c.first;
    EXPECT_EQ(reader.Count(), 0) << c.first;
    EXPECT_EQ(Extract("skin.ini"), "") << c.first;
  }
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(SkinReaderTest, ExactlyTheSizeTableCapacityIsAccepted) {
  TRawArchive a;
  for (int i = 0; i < TSkinReader::kMaxEntries; i++) a.names += "f" + std::to_string(i) + "\r\n";
  a.sizes.assign(TSkinReader::kMaxEntries, 1);
  a.data.assign(TSkinReader::kMaxEntries, 'd');
  a.data.back() = 'e';
  ASSERT_TRUE(Load(a.Build()));
  EXPECT_EQ(reader.Count(), 1001);
  EXPECT_EQ(Extract("f1000"), "e");
}

TEST_F(SkinReaderTest, DataBeyondTheSizesIsAllowed) {
  TRawArchive a = ThreeFiles();
  a.data += "trailing";
  ASSERT_TRUE(Load(a.Build()));
  EXPECT_EQ(Extract("left.bmp"), "LLLLL");
}

TEST_F(SkinReaderTest, DamagedStreamIsRefusedWithoutAMessage) {
  std::vector<uint8_t> stored = PackStoredSkin(ThreeFiles().Build());
  std::vector<uint8_t> truncated(stored.begin(), stored.begin() + 8);
  EXPECT_FALSE(reader.LoadFromStream(truncated));
  std::vector<uint8_t> oversized = stored;
  oversized[3] = 0x7F;  // unpacked size far above the cap
  EXPECT_FALSE(reader.LoadFromStream(oversized));
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(SkinReaderTest, DecompressReturnsTheArchive) {
  std::vector<uint8_t> archive = ThreeFiles().Build();
  std::vector<uint8_t> target = Bytes("old");
  ASSERT_TRUE(TSkinReader::Decompress(PackStoredSkin(archive), target));
  EXPECT_EQ(target, archive);
}

TEST_F(SkinReaderTest, WrittenArchiveReadsBack) {
  std::vector<TSkinFile> files = {{"skin.ini", Bytes("[Colours]\r\n")}, {"Top.bmp", Bytes("BMxyz")}, {"e.bmp", {}}};
  ASSERT_TRUE(Load(WriteSkinArchive(files)));
  EXPECT_EQ(reader.Version(), kSkinArchiveVersion);
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "top.bmp", "e.bmp"}));
  EXPECT_EQ(Extract("top.bmp"), "BMxyz");
  std::vector<uint8_t> ini;
  std::string found;
  reader.FindFile(".ini", ini, found);
  EXPECT_EQ(ini, Bytes("[Colours]\r\n"));
}

TEST(SkinArchiveWriter, RefusesNamesTheReaderCouldNotFindAgain) {
  for (const std::string& name : {std::string(""), std::string("a\r\nb"), std::string("a\nb"), std::string("a\0b", 3)}) {
    EXPECT_THROW(WriteSkinArchive({{name, {}}}), std::invalid_argument);
  }
  EXPECT_THROW(WriteSkinArchive(std::vector<TSkinFile>(1002, TSkinFile{"x", {}})), std::invalid_argument);
}
