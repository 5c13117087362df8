// Damaged and random skin data through every portable reader: no crash, no sanitizer report,
// output bounded by what the input declares and by the decoder's cap.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "skin/colour_parse.h"
#include "skin/lzh.h"
#include "skin/packer/lzh_encoder.h"
#include "skin/packer/skin_archive_writer.h"
#include "skin/quick_ini.h"
#include "skin/skin_reader.h"

namespace {

int g_messages = 0;
void CountMessage(const std::string&) { g_messages++; }

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::vector<uint8_t> SeedSkin() {
  std::string ini =
      "[Personality]\r\nTop=top.bmp\r\nTopFrame=0x2\r\nLeftTopHeight=5\r\n"
      "[Colours]\r\nButtonFace=212,208,200\r\nMenu=1 2 3 4\r\n[Buttons]\r\nBitmap=buttons.bmp\r\n";
  std::vector<uint8_t> bitmap(96);
  for (size_t i = 0; i < bitmap.size(); i++) bitmap[i] = static_cast<uint8_t>(i * 7 % 5 == 0 ? 0xFF : i);
  return PackStoredSkin(WriteSkinArchive(
      {{"skin.ini", Bytes(ini)}, {"top.bmp", bitmap}, {"buttons.bmp", std::vector<uint8_t>(64, 0xFF)}}));
}

int32_t DeclaredSize(const std::vector<uint8_t>& stored) {
  if (stored.size() < 4) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(stored[0]) | static_cast<uint32_t>(stored[1]) << 8 |
                              static_cast<uint32_t>(stored[2]) << 16 | static_cast<uint32_t>(stored[3]) << 24);
}

// The unpacked archive never exceeds what the stored skin declares, nor the cap.
void CheckDecompressBound(const std::vector<uint8_t>& stored) {
  std::vector<uint8_t> archive;
  TSkinReader::Decompress(stored, archive);
  ASSERT_LE(archive.size(), static_cast<size_t>(std::max<int32_t>(DeclaredSize(stored), 0)));
  ASSERT_LE(archive.size(), static_cast<size_t>(TLZH::kMaxUnpackedSize));
}

// Reads everything a skin load would read from the archive.
void Exercise(const std::vector<uint8_t>& stored) {
  TSkinReader reader;
  if (!reader.LoadFromStream(stored)) {
    ASSERT_EQ(reader.Count(), 0);
    return;
  }
  ASSERT_LE(reader.Count(), TSkinReader::kMaxEntries);
  size_t total = 0;
  std::vector<uint8_t> entry;
  for (size_t i = 0; i < reader.Names().size(); i++) {
    reader.ExtractFile(reader.Names()[i], entry);
    if (std::find(reader.Names().begin(), reader.Names().begin() + static_cast<std::ptrdiff_t>(i),
                  reader.Names()[i]) == reader.Names().begin() + static_cast<std::ptrdiff_t>(i)) {
      total += entry.size();  // each distinct entry once: together they lie inside the archive
    }
  }
  ASSERT_LE(total, static_cast<size_t>(DeclaredSize(stored)));
  std::string found;
  reader.FindFile(".ini", entry, found);
  TQuickIni ini;
  ini.LoadFromStream(entry);
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  for (const std::string& section : sections) {
    for (const char* key : {"Top", "TopFrame", "ButtonFace", "Bitmap", ""}) {
      ParseColour(ini.ReadString(section, key, ""));
      ini.ReadInteger(section, key, -1);
    }
  }
}

}  // namespace

TEST(SkinFuzz, DamagedAndRandomStoredSkins) {
  g_messages = 0;
  SetSkinMessageProc(CountMessage);
  const std::vector<uint8_t> seed = SeedSkin();
  {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadFromStream(seed));
    ASSERT_EQ(reader.Count(), 3);
  }

  std::mt19937 rng(20261210);
  constexpr int kInputs = 100000;
  for (int i = 0; i < kInputs; i++) {
    std::vector<uint8_t> input;
    switch (i % 3) {
      case 0:  // truncated
        input.assign(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(rng() % seed.size()));
        break;
      case 1: {  // a few bits flipped anywhere, the size field included
        input = seed;
        for (int flips = 1 + static_cast<int>(rng() % 4); flips > 0; flips--) {
          size_t bit = rng() % (input.size() * 8);
          input[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
        }
        break;
      }
      default: {  // random bytes, half of them behind a plausible size
        input.resize(rng() % 96);
        for (uint8_t& b : input) b = static_cast<uint8_t>(rng());
        if (input.size() >= 4 && (i & 1)) {
          input[2] = 0;
          input[3] = 0;
        }
        break;
      }
    }
    Exercise(input);
    if (i % 8 == 0) CheckDecompressBound(input);
    if (HasFatalFailure()) {
      ADD_FAILURE() << "input " << i;
      break;
    }
  }
  SetSkinMessageProc(nullptr);
  EXPECT_GT(g_messages, 0);  // some damage reads as an unsupported version
}

TEST(SkinFuzz, RandomIniAndColourTexts) {
  std::mt19937 rng(4242);
  const std::string alphabet = "[]=;$xX0123456789abcdefABCDEF+- \t\r\n,\0\xFF";
  std::vector<std::string> sections;
  for (int i = 0; i < 100000; i++) {
    std::string text(rng() % 48, ' ');
    for (char& c : text) c = alphabet[rng() % alphabet.size()];
    ParseColour(text);
    int32_t value = 0;
    TryParseSkinInteger(text, value);
    TQuickIni ini;
    ini.LoadFromText(text);
    ini.ReadSections(sections);
    for (const std::string& section : sections) {
      ini.ReadString(section, text.substr(0, 1), "");
      ini.ReadInteger(section, "a", 0);
    }
  }
}
