#include "registry/reg_file.h"

#include "base/strings.h"
#include "registry/reg_names.h"

namespace {

const wchar_t kVersion5[] = L"Windows Registry Editor Version 5.00";
const wchar_t kVersion4[] = L"REGEDIT4";

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

bool IsBlank(const std::wstring& line) { return Trim(line).empty(); }

bool Decode(const std::string& bytes, std::wstring& text, std::wstring& problem) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
    if (bytes.size() % 2 != 0) {
      problem = L"the file ends in the middle of a character";
      return false;
    }
    text.assign(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / sizeof(wchar_t));
  } else if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    text = Utf8ToWide(bytes.substr(3));
  } else {
    text = AnsiToWide(bytes);
  }
  // The editor may close its file with a terminating NUL.
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return true;
}

// A quoted text starting at `at` (the opening quote); `at` moves past the closing one. Inside,
// a backslash takes the next character as it is.
bool SkipQuoted(const std::wstring& line, size_t& at) {
  for (size_t i = at + 1; i < line.size(); ++i) {
    if (line[i] == L'\\') {
      ++i;
      continue;
    }
    if (line[i] == L'"') {
      at = i + 1;
      return true;
    }
  }
  return false;
}

// "01,ab,..." of one line, possibly ending with "\" (More: another line follows).
bool ParseHexBytes(const std::wstring& text, bool& more) {
  std::wstring rest = Trim(text);
  more = !rest.empty() && rest.back() == L'\\';
  if (more) rest = TrimRight(rest.substr(0, rest.size() - 1));
  if (rest.empty()) return true;  // "hex:" with no bytes
  if (rest.back() == L',') {
    if (!more) return false;  // a list that stops after a comma was cut off
    rest.pop_back();
  }
  size_t start = 0;
  while (start <= rest.size()) {
    size_t comma = rest.find(L',', start);
    if (comma == std::wstring::npos) comma = rest.size();
    const std::wstring byte = Trim(rest.substr(start, comma - start));
    if (byte.empty() || byte.size() > 2 || !IsHexDigit(byte[0]) || (byte.size() == 2 && !IsHexDigit(byte[1])))
      return false;
    start = comma + 1;
  }
  return true;
}

// The data after "=": a quoted string, "-", dword:, hex: or hex(n):. More: hex bytes continue.
bool ParseData(const std::wstring& data, bool& more, std::wstring& why) {
  more = false;
  const std::wstring text = Trim(data);
  if (text == L"-") return true;
  if (!text.empty() && text[0] == L'"') {
    size_t at = 0;
    if (!SkipQuoted(text, at)) {
      why = L"a text that is not closed";
      return false;
    }
    if (!IsBlank(text.substr(at))) {
      why = L"something after a closed text";
      return false;
    }
    return true;
  }
  const std::wstring lower = LowerCase(text);
  if (lower.compare(0, 6, L"dword:") == 0) {
    const std::wstring digits = text.substr(6);
    bool ok = !digits.empty() && digits.size() <= 8;
    for (wchar_t c : digits) ok = ok && IsHexDigit(c);
    if (!ok) why = L"a dword that is not 1 to 8 hexadecimal digits";
    return ok;
  }
  size_t colon = std::wstring::npos;
  if (lower.compare(0, 4, L"hex:") == 0) {
    colon = 3;
  } else if (lower.compare(0, 4, L"hex(") == 0) {
    const size_t close = lower.find(L"):", 4);
    bool ok = close != std::wstring::npos && close > 4 && close <= 12;
    for (size_t i = 4; ok && i < close; ++i) ok = IsHexDigit(lower[i]);
    if (ok) colon = close + 1;
  }
  if (colon == std::wstring::npos) {
    why = L"data of no type the registry editor knows";
    return false;
  }
  if (!ParseHexBytes(text.substr(colon + 1), more)) {
    why = L"bytes that are not pairs of hexadecimal digits";
    return false;
  }
  return true;
}

// A value line: "@=" or a quoted name, "=", data.
bool ParseValueLine(const std::wstring& line, bool& more, std::wstring& why) {
  const std::wstring text = TrimLeft(line);
  size_t at = 0;
  if (!text.empty() && text[0] == L'@') {
    at = 1;
  } else if (!text.empty() && text[0] == L'"') {
    if (!SkipQuoted(text, at)) {
      why = L"a value name that is not closed";
      return false;
    }
  } else {
    why = L"a line that is no key, value or comment";
    return false;
  }
  while (at < text.size() && (text[at] == L' ' || text[at] == L'\t')) ++at;
  if (at >= text.size() || text[at] != L'=') {
    why = L"a value without \"=\"";
    return false;
  }
  return ParseData(text.substr(at + 1), more, why);
}

// Whether Key is Parent or lies below it.
bool IsAtOrBelow(const std::wstring& key, const std::wstring& parent) {
  if (key.size() < parent.size() || !SameText(key.substr(0, parent.size()), parent)) return false;
  return key.size() == parent.size() || key[parent.size()] == L'\\';
}

}  // namespace

bool SplitRegFileKey(const std::wstring& Key, HKEY& Root, std::wstring& Path) {
  const size_t slash = Key.find(L'\\');
  const std::wstring name = Key.substr(0, slash);
  const HKEY root = RootNameToHKey(name);
  // The editor's files name a root in full: a short form or blanks around it are no root to it.
  if (!root || !SameText(name, HKeyToRootName(root))) return false;
  Root = root;
  Path = slash == std::wstring::npos ? L"" : Key.substr(slash + 1);
  return true;
}

bool ParseRegFile(const std::string& Bytes, TRegFile& File, std::wstring& Problem) {
  File = TRegFile();
  std::wstring text;
  if (!Decode(Bytes, text, Problem)) return false;
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t nl = text.find(L'\n'); nl != std::wstring::npos; nl = text.find(L'\n', start)) {
    std::wstring line = text.substr(start, nl - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    lines.push_back(std::move(line));
    start = nl + 1;
  }
  if (start < text.size()) {
    Problem = L"the file ends in the middle of line " + IntToStr(lines.size() + 1);
    return false;
  }
  size_t first = 0;
  while (first < lines.size() && IsBlank(lines[first])) ++first;
  if (first == lines.size() || (Trim(lines[first]) != kVersion5 && Trim(lines[first]) != kVersion4)) {
    Problem = L"the file does not begin like a registry editor file";
    return false;
  }
  File.Header = Trim(lines[first]);
  const size_t bodyStart = text.find(L'\n', text.find(File.Header)) + 1;
  File.Body = text.substr(bodyStart);

  std::vector<std::pair<std::wstring, bool>> keys;  // each written key, and whether it still stands
  bool inSection = false;
  bool continued = false;
  for (size_t i = first + 1; i < lines.size(); ++i) {
    const std::wstring& line = lines[i];
    const std::wstring where = L"line " + IntToStr(i + 1) + L": ";
    if (continued) {
      if (!ParseHexBytes(line, continued)) {
        Problem = where + L"bytes that are not pairs of hexadecimal digits";
        return false;
      }
      continue;
    }
    const std::wstring trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == L';') continue;
    if (trimmed[0] == L'[') {
      const size_t close = trimmed.rfind(L']');
      if (close != trimmed.size() - 1) {
        Problem = where + L"a key name that is not closed";
        return false;
      }
      const bool deletes = trimmed.size() > 1 && trimmed[1] == L'-';
      const std::wstring key = trimmed.substr(deletes ? 2 : 1, close - (deletes ? 2 : 1));
      HKEY root;
      std::wstring path;
      if (!SplitRegFileKey(key, root, path)) {
        Problem = where + L"a key below no root the registry editor knows: " + key;
        return false;
      }
      if (deletes) {
        for (auto& written : keys)
          if (IsAtOrBelow(written.first, key)) written.second = false;
      } else {
        keys.push_back({key, true});
      }
      // Values after a deleting section belong to no key.
      inSection = !deletes;
      continue;
    }
    if (!inSection) {
      Problem = where + L"a line outside any key";
      return false;
    }
    std::wstring why;
    if (!ParseValueLine(line, continued, why)) {
      Problem = where + why;
      return false;
    }
  }
  if (continued) {
    Problem = L"the file ends inside a value's bytes";
    return false;
  }
  if (!keys.empty() && (lines.empty() || !IsBlank(lines.back()))) {
    Problem = L"the file ends without the blank line that closes its last key: it was cut off";
    return false;
  }
  for (const auto& written : keys)
    if (written.second) File.Keys.push_back(written.first);
  return true;
}

bool ReadRegFile(const std::wstring& FileName, TRegFile& File, std::wstring& Problem) {
  HANDLE file = CreateFileW(FileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    Problem = L"the file cannot be opened (" + Trim(SysErrorMessage(GetLastError())) + L")";
    return false;
  }
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof(buffer), &read, nullptr) != 0) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  if (!ok) {
    Problem = L"the file cannot be read";
    return false;
  }
  return ParseRegFile(bytes, File, Problem);
}

bool WriteRegFile(const std::wstring& FileName, const std::wstring& Text) {
  HANDLE file = CreateFileW(FileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string bytes = "\xFF\xFE";
  bytes.append(reinterpret_cast<const char*>(Text.data()), Text.size() * sizeof(wchar_t));
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}
