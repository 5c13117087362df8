// The skin INI parser: read-only, on 8-bit text held in memory. Its rules (trimming, comment
// lines, the first duplicate wins, empty values give the default, hexadecimal integers) are
// the ones the skin builder relies on, not the platform's. Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Lines as a string list splits text: a line ends at CR, LF or CR LF, the last needs no end,
// a trailing line end adds no empty line, and a NUL byte ends the text.
std::vector<std::string> SplitTextLines(const char* text, size_t size);
// Lower-cases the ASCII letters A-Z only.
std::string AsciiLowerCase(std::string text);
// Removes characters up to and including the space at both ends.
std::string TrimText(const std::string& text);

class TQuickIni {
 public:
  // Replaces the contents with the given bytes (the rest of a stream) as 8-bit text.
  void LoadFromStream(const std::vector<uint8_t>& bytes);
  void LoadFromText(const std::string& text);

  // Section names in file order without their brackets; duplicates as often as they occur.
  void ReadSections(std::vector<std::string>& strings) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // Decimal, or hexadecimal after "$", "x", "0x" (either letter case); the default otherwise.
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;

 private:
  struct TSection {
    std::string header;  // with its brackets
    size_t line;         // index of the header in lines_
  };
  std::vector<std::string> lines_;  // kept lines, trimmed
  std::vector<TSection> sections_;
};

// Delphi-style integer text: optional leading spaces and sign, then decimal digits or "$",
// "x", "X", "0x", "0X" and at most 32 bits of hexadecimal digits. False for anything else.
bool TryParseSkinInteger(const std::string& text, int32_t& value);
