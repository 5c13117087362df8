#include "cleaners/fixes/fix_text.h"

namespace {

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

std::wstring AsciiLowerCase(std::wstring s) {
  for (wchar_t& c : s) c = AsciiLower(c);
  return s;
}

std::wstring AsciiUpperCase(std::wstring s) {
  for (wchar_t& c : s)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return s;
}

bool StartsWith(const std::wstring& s, const std::wstring& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// Comma-separated fields; the text after the last comma is the last field.
std::vector<std::wstring> SplitFields(const std::wstring& line) {
  std::vector<std::wstring> fields(1);
  for (wchar_t c : line) {
    if (c == L',')
      fields.emplace_back();
    else
      fields.back().push_back(c);
  }
  return fields;
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  c = AsciiLower(c);
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// "0a,FF,..." (blanks around a byte allowed); false for anything else. No text is no bytes.
bool ParseHexBytes(const std::wstring& text, std::vector<BYTE>& bytes) {
  bytes.clear();
  if (text.find_first_not_of(L" \t") == std::wstring::npos) return true;
  for (const std::wstring& field : SplitFields(text)) {
    const size_t first = field.find_first_not_of(L" \t");
    const size_t last = field.find_last_not_of(L" \t");
    if (first == std::wstring::npos || last - first != 1) return false;
    const int high = HexDigit(field[first]);
    const int low = HexDigit(field[last]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<BYTE>(high * 16 + low));
  }
  return true;
}

// Eight digits, most significant first.
bool ParseDword(const std::wstring& text, DWORD& number) {
  if (text.size() != 8) return false;
  number = 0;
  for (wchar_t c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    number = number * 16 + static_cast<DWORD>(digit);
  }
  return true;
}

// UTF-16LE bytes, each pair one character; zero characters stay in the text.
bool ParseUtf16Bytes(const std::wstring& text, std::wstring& decoded) {
  std::vector<BYTE> bytes;
  if (!ParseHexBytes(text, bytes) || bytes.empty() || bytes.size() % 2 != 0) return false;
  decoded.clear();
  for (size_t i = 0; i < bytes.size(); i += 2) decoded.push_back(static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8));
  return true;
}

std::wstring WithoutQuotes(const std::wstring& s) {
  std::wstring out;
  for (wchar_t c : s)
    if (c != L'"') out.push_back(c);
  return out;
}

bool ParseValueData(const std::wstring& value, TFixLine& line) {
  const std::wstring lower = AsciiLowerCase(value);
  if (StartsWith(lower, L"hex:")) {
    line.ValueKind = TFixValueKind::Binary;
    return ParseHexBytes(value.substr(4), line.Bytes);
  }
  if (StartsWith(lower, L"dword:")) {
    line.ValueKind = TFixValueKind::Dword;
    return ParseDword(value.substr(6), line.Number);
  }
  if (StartsWith(lower, L"hex(7):")) {
    line.ValueKind = TFixValueKind::MultiString;
    return ParseUtf16Bytes(value.substr(7), line.Text);
  }
  if (StartsWith(lower, L"hex(2):")) {
    line.ValueKind = TFixValueKind::ExpandString;
    return ParseUtf16Bytes(value.substr(7), line.Text);
  }
  line.ValueKind = TFixValueKind::String;
  line.Text = value;
  return true;
}

// Non-empty lines ended by LF (and by CR too when `crEndsLine`, else CR is dropped) or by the
// end of the text.
std::vector<std::wstring> SplitLines(const std::wstring& text, bool crEndsLine) {
  std::vector<std::wstring> lines;
  std::wstring current;
  for (wchar_t c : text) {
    if (c == L'\r' && !crEndsLine) continue;
    if (c != L'\r' && c != L'\n') {
      current.push_back(c);
    } else if (!current.empty()) {
      lines.push_back(current);
      current.clear();
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

}  // namespace

std::vector<std::wstring> SplitIndexLines(const std::wstring& text) { return SplitLines(text, false); }

std::vector<std::wstring> SplitFixTextLines(const std::wstring& text) { return SplitLines(text, true); }

bool ParseSysIndexLine(const std::wstring& line, std::wstring& name, std::wstring& description) {
  const std::vector<std::wstring> fields = SplitFields(line);
  name = fields[0];
  description = fields.size() > 1 ? fields[1] : L"";
  return !name.empty() && !description.empty();
}

bool ParseFileFixLine(const std::wstring& line, TFileFixLine& parsed) {
  std::vector<std::wstring> fields = SplitFields(line);
  fields.resize(fields.size() < 4 ? 4 : fields.size());
  parsed = {fields[0], fields[1], fields[2], fields[3]};
  return !parsed.ExtName.empty() && !parsed.Description.empty() && !parsed.Key.empty() && !parsed.Value.empty();
}

TFixKey ParseFixKeyPath(const std::wstring& keyPath) {
  static const struct {
    const wchar_t* Name;
    HKEY Root;
  } kRoots[] = {
      {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},         {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
      {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},       {L"HKEY_USERS", HKEY_USERS},
      {L"HKEY_PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA}, {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
      {L"HKEY_DYN_DATA", HKEY_DYN_DATA},
  };
  TFixKey key;
  const size_t slash = keyPath.find(L'\\');
  if (slash == std::wstring::npos) return key;
  std::wstring rootName = keyPath.substr(0, slash);
  if (!rootName.empty() && rootName[0] == L'-') rootName.erase(0, 1);
  rootName = AsciiUpperCase(rootName);
  for (const auto& root : kRoots) {
    if (rootName == root.Name) {
      key.Root = root.Root;
      key.SubKey = keyPath.substr(slash + 1);
    }
  }
  return key;
}

TFixLine ParseFixLine(const std::wstring& text) {
  TFixLine line;
  if (!text.empty() && text[0] == L'[') {
    line.Kind = text.size() > 1 && text[1] == L'-' ? TFixLineKind::DeleteSection : TFixLineKind::Section;
    line.KeyPath = text.size() > 2 ? text.substr(1, text.size() - 2) : L"";
    return line;
  }
  const size_t equals = text.find(L'=');
  // Without a name there is nothing to address: such a line must not become the default value.
  if (equals == std::wstring::npos || equals == 0) return line;
  std::wstring name = text.substr(0, equals);
  if (name == L"@") name.clear();
  line.Name = WithoutQuotes(name);
  if (!ParseValueData(WithoutQuotes(text.substr(equals + 1)), line)) return line;
  line.Kind = TFixLineKind::Value;
  return line;
}
