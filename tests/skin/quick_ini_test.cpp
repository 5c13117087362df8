#include "skin/quick_ini.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TQuickIni Ini(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

const char kSkin[] =
    "orphan=1\r\n"
    "; a comment line\r\n"
    "[Personality]\r\n"
    "  Top = top.bmp  \r\n"
    "TOPFRAME=2\r\n"
    "Empty=\r\n"
    "empty=5\r\n"
    "Equation=b=c\r\n"
    "Note=keep ; this\r\n"
    "   ;indented comment=1\r\n"
    "no equals sign\r\n"
    "[Colours]\r\n"
    "ButtonFace=212,208,200\r\n"
    "[ Spaced ]\r\n"
    "Inside=1\r\n"
    "[personality]\r\n"
    "Later=never read\r\n"
    "Top=never read either\r\n";

}  // namespace

TEST(QuickIni, ReadStringTable) {
  TQuickIni ini = Ini(kSkin);
  const struct { const char* section; const char* key; const char* expected; } kCases[] = {
      {"Personality", "Top", "top.bmp"},         // trimmed around "=" and at the ends
      {"PERSONALITY", "top", "top.bmp"},         // section and key in any letter case
      {"Personality", "TopFrame", "2"},
      {"Personality", "Empty", "dflt"},          // the first of a key decides: empty gives the default
      {"Personality", "Equation", "b=c"},        // everything after the first "="
      {"Personality", "Note", "keep ; this"},    // a semicolon counts only at the start of a line
      {"Personality", ";indented comment", "dflt"},
      {"Personality", "Later", "dflt"},          // a repeated section is never read
      {"Personality", "ButtonFace", "dflt"},     // the walk ends at the next header
      {"Colours", "ButtonFace", "212,208,200"},
      {"Spaced", "Inside", "dflt"},              // spaces inside the brackets belong to the name
      {" Spaced ", "Inside", "1"},
      {"", "orphan", "dflt"},                    // keys before the first header belong nowhere
      {"Missing", "Top", "dflt"},
      {"Personality", "Missing", "dflt"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.expected) << c.section << "/" << c.key;
  }
}

TEST(QuickIni, LineEndsAllGiveTheSameResult) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string text = std::string("[S]") + end + "a = 1" + end + end + "B=2" + end + "[T]" + end + "a=3";
    TQuickIni ini = Ini(text);
    EXPECT_EQ(ini.ReadString("s", "A", ""), "1");
    EXPECT_EQ(ini.ReadString("s", "b", ""), "2");
    EXPECT_EQ(ini.ReadString("t", "a", ""), "3");
  }
}

TEST(QuickIni, NulEndsTheText) {
  TQuickIni ini = Ini(std::string("[S]\na=1\0\nb=2\n", 14));
  EXPECT_EQ(ini.ReadString("S", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("S", "b", "none"), "none");
}

TEST(QuickIni, LoadingReplacesTheContents) {
  TQuickIni ini = Ini("[A]\nx=1\n");
  ini.LoadFromStream(std::vector<uint8_t>{'[', 'B', ']', '\n', 'y', '=', '2'});
  EXPECT_EQ(ini.ReadString("A", "x", "gone"), "gone");
  EXPECT_EQ(ini.ReadString("B", "y", ""), "2");
  ini.LoadFromText("");
  EXPECT_EQ(ini.ReadString("B", "y", "empty"), "empty");
  std::vector<std::string> sections = {"stale"};
  ini.ReadSections(sections);
  EXPECT_TRUE(sections.empty());
}

TEST(QuickIni, ReadSectionsInFileOrderWithDuplicates) {
  TQuickIni ini = Ini(kSkin);
  std::vector<std::string> sections = {"stale"};
  ini.ReadSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"Personality", "Colours", "Spaced", "personality"}));
  // "[]" is a header too, with an empty name.
  Ini("[]\n[x]").ReadSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"", "x"}));
}

TEST(QuickIni, ReadIntegerTable) {
  const struct { const char* value; int32_t expected; } kCases[] = {
      {"16", 16},
      {"-7", -7},
      {"+7", 7},
      {"0x10", 16},
      {"0X1f", 31},
      {"0x", -99},          // the prefix alone
      {"$1F", 31},
      {"x1F", 31},
      {"X1f", 31},
      {"-$10", -16},
      {"-0x10", -16},
      {"$FFFFFFFF", -1},
      {"0xFFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$100000000", -99},  // more than 32 bits
      {"$00000000A", 10},   // leading zeros are not bits
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", -99},
      {"-2147483649", -99},
      {"99999999999", -99},
      {"12abc", -99},
      {"1 2", -99},
      {"$", -99},
      {"-", -99},
      {"$G", -99},
      {"1.5", -99},
      {"", -99},
  };
  for (const auto& c : kCases) {
    TQuickIni ini = Ini(std::string("[S]\nk=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "K", -99), c.expected) << c.value;
  }
  EXPECT_EQ(Ini("[S]\n").ReadInteger("S", "k", 42), 42);
}

TEST(QuickIni, TextHelpers) {
  EXPECT_EQ(TrimText(" \t\x01 a b \r\n"), "a b");
  EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0");  // only characters up to the space are trimmed
  EXPECT_EQ(AsciiLowerCase("AbZ\xC4["), "abz\xC4[");
  EXPECT_EQ(SplitTextLines("a\r\r\nb\n", 7), (std::vector<std::string>{"a", "", "b"}));
}
