// Our skin as the build packs it: an archive the reader accepts, with one skin INI whose
// bitmaps are all in the archive.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/packer/skin_archive_writer.h"
#include "skin/quick_ini.h"
#include "skin/skin_reader.h"

namespace {

std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class PackedSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(reader.LoadFromStream(ReadFile(QS_PACKED_SKIN))) << QS_PACKED_SKIN;
    std::vector<uint8_t> text;
    reader.FindFile(".ini", text, iniName);
    ASSERT_FALSE(text.empty());
    ini.LoadFromStream(text);
  }
  TSkinReader reader;
  TQuickIni ini;
  std::string iniName;
};

}  // namespace

TEST_F(PackedSkinTest, ArchiveHoldsOneIniAndBitmaps) {
  EXPECT_EQ(reader.Version(), kSkinArchiveVersion);
  int inis = 0;
  for (const std::string& name : reader.Names()) {
    if (name.find(".ini") != std::string::npos) {
      inis++;
      continue;
    }
    EXPECT_TRUE(EndsWith(name, ".bmp")) << name;
    std::vector<uint8_t> bytes;
    reader.ExtractFile(name, bytes);
    ASSERT_GE(bytes.size(), 54u) << name;
    EXPECT_EQ(bytes[0], 'B') << name;
    EXPECT_EQ(bytes[1], 'M') << name;
    uint32_t fileSize = bytes[2] | bytes[3] << 8 | bytes[4] << 16 | static_cast<uint32_t>(bytes[5]) << 24;
    EXPECT_EQ(fileSize, bytes.size()) << name;
  }
  EXPECT_EQ(inis, 1);
}

// Image values name the archive entry by their last path part, with ".bmp" in lower case.
TEST_F(PackedSkinTest, EveryBitmapTheIniNamesIsInTheArchive) {
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  ASSERT_FALSE(sections.empty());
  int images = 0;
  std::vector<uint8_t> bytes;
  std::vector<std::pair<std::string, std::string>> keys;
  for (const std::string& section : sections) {
    for (const char* key : {"Image", "Bitmap", "ButtonImage", "CheckButton", "RadioButton", "Border", "GlyphImage"}) {
      keys.emplace_back(section, key);
    }
  }
  for (const char* key : {"Left", "Right", "Top", "Bottom", "menuBar", "TextBack"}) keys.emplace_back("Personality", key);
  for (const auto& [section, key] : keys) {
    std::string value = ini.ReadString(section, key, "");
    if (value.empty()) continue;
    std::string name = value.substr(value.find_last_of("\\/") + 1);
    EXPECT_TRUE(EndsWith(name, ".bmp")) << section << "/" << key << " = " << value;
    reader.ExtractFile(name, bytes);
    EXPECT_FALSE(bytes.empty()) << section << "/" << key << " = " << value;
    images++;
  }
  EXPECT_GT(images, 0);
}
