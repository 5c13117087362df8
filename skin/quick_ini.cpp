#include "skin/quick_ini.h"

namespace {

bool IsHeader(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool SameTextAscii(const std::string& a, const std::string& b) {
  return a.size() == b.size() && AsciiLowerCase(a) == AsciiLowerCase(b);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::vector<std::string> SplitTextLines(const char* text, size_t size) {
  std::vector<std::string> lines;
  size_t p = 0;
  while (p < size && text[p] != '\0') {
    size_t start = p;
    while (p < size && text[p] != '\0' && text[p] != '\r' && text[p] != '\n') p++;
    lines.emplace_back(text + start, p - start);
    if (p < size && text[p] == '\r') p++;
    if (p < size && text[p] == '\n') p++;
  }
  return lines;
}

std::string AsciiLowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string TrimText(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') first++;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') last--;
  return text.substr(first, last - first);
}

bool TryParseSkinInteger(const std::string& text, int32_t& value) {
  size_t p = 0;
  while (p < text.size() && text[p] == ' ') p++;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
    negative = text[p] == '-';
    p++;
  }
  bool hex = false;
  if (p < text.size() && (text[p] == '$' || text[p] == 'x' || text[p] == 'X')) {
    hex = true;
    p++;
  } else if (p + 1 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X')) {
    hex = true;
    p += 2;
  }
  if (p == text.size()) return false;

  uint32_t magnitude = 0;
  for (; p < text.size(); p++) {
    if (hex) {
      int digit = HexDigit(text[p]);
      if (digit < 0 || magnitude > 0x0FFFFFFFu) return false;
      magnitude = (magnitude << 4) | static_cast<uint32_t>(digit);
    } else {
      if (text[p] < '0' || text[p] > '9') return false;
      uint32_t digit = static_cast<uint32_t>(text[p] - '0');
      uint32_t limit = negative ? 2147483648u : 2147483647u;
      if (magnitude > (limit - digit) / 10) return false;
      magnitude = magnitude * 10 + digit;
    }
  }
  // Hexadecimal fills all 32 bits ("$FFFFFFFF" is -1); the sign applies afterwards.
  uint32_t bits = negative ? 0u - magnitude : magnitude;
  value = static_cast<int32_t>(bits);
  return true;
}

void TQuickIni::LoadFromStream(const std::vector<uint8_t>& bytes) {
  LoadFromText(std::string(bytes.begin(), bytes.end()));
}

void TQuickIni::LoadFromText(const std::string& text) {
  lines_.clear();
  sections_.clear();
  for (const std::string& raw : SplitTextLines(text.data(), text.size())) {
    std::string line = TrimText(raw);
    if (line.empty() || line[0] == ';') continue;
    if (IsHeader(line)) sections_.push_back({line, lines_.size()});
    lines_.push_back(std::move(line));
  }
}

void TQuickIni::ReadSections(std::vector<std::string>& strings) const {
  strings.clear();
  for (const TSection& section : sections_) {
    std::string name = TrimText(section.header);
    strings.push_back(TrimText(name.substr(1, name.size() - 2)));
  }
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
  const std::string header = "[" + section + "]";
  const TSection* found = nullptr;
  for (const TSection& s : sections_) {
    if (SameTextAscii(s.header, header)) {
      found = &s;
      break;
    }
  }
  if (found == nullptr) return defaultValue;

  const std::string wanted = AsciiLowerCase(key);
  for (size_t i = found->line + 1; i < lines_.size() && !IsHeader(lines_[i]); i++) {
    const std::string& line = lines_[i];
    size_t eq = line.find('=');
    std::string lineKey = eq == std::string::npos ? std::string() : TrimText(line.substr(0, eq));
    if (AsciiLowerCase(lineKey) != wanted) continue;
    // The first line with the key decides, even when its value is empty.
    std::string value = eq == std::string::npos ? std::string() : TrimText(line.substr(eq + 1));
    return value.empty() ? defaultValue : value;
  }
  return defaultValue;
}

int32_t TQuickIni::ReadInteger(const std::string& section, const std::string& key,
                               int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text = "$" + text.substr(2);
  }
  int32_t value = 0;
  return TryParseSkinInteger(text, value) ? value : defaultValue;
}
