#include "registry/reg_file.h"

#include <map>
#include <unordered_set>
#include <utility>

#include "base/strings.h"
#include "registry/reg_names.h"

namespace {

const wchar_t kVersion5[] = L"Windows Registry Editor Version 5.00";
const wchar_t kVersion4[] = L"REGEDIT4";

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

int HexValue(wchar_t c) { return c <= L'9' ? c - L'0' : (c | 0x20) - L'a' + 10; }

bool IsBlank(const std::wstring& line) { return Trim(line).empty(); }

// The editor stops reading a line at a NUL and skips a value with other control characters (a
// tab is data); whatever it made of such a line, it is not what the line says.
bool HasControlCharacter(const std::wstring& line) {
  for (wchar_t c : line)
    if ((c < L' ' && c != L'\t') || c == 0x7F) return true;
  return false;
}

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

// A quoted text starting at `at` (the opening quote), decoded as the editor reads it into Text;
// `at` moves past the closing quote. A backslash escapes a backslash or a quote, "\n" and "\r"
// are a line feed and a carriage return, and before any other character it is dropped.
bool ReadQuoted(const std::wstring& line, size_t& at, std::wstring& text, std::wstring& why) {
  text.clear();
  for (size_t i = at + 1; i < line.size(); ++i) {
    wchar_t c = line[i];
    if (c == L'"') {
      at = i + 1;
      return true;
    }
    if (c == L'\\' && i + 1 < line.size()) {
      c = line[++i];
      // The editor ends the text there and loses the rest of the file.
      if (c == L'0') {
        why = L"an escaped NUL inside a text";
        return false;
      }
      if (c == L'n') c = L'\n';
      if (c == L'r') c = L'\r';
    }
    text += c;
  }
  why = L"a text that is not closed";
  return false;
}

// "01,ab,..." of one line, possibly ending with "\" (More: another line follows); the bytes are
// appended to Data.
bool ParseHexBytes(const std::wstring& text, bool& more, std::string& data) {
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
    size_t from = start, to = comma;
    while (from < to && rest[from] <= L' ') ++from;
    while (to > from && rest[to - 1] <= L' ') --to;
    const size_t digits = to - from;
    if (digits == 0 || digits > 2 || !IsHexDigit(rest[from]) || (digits == 2 && !IsHexDigit(rest[from + 1])))
      return false;
    data += static_cast<char>(digits == 1 ? HexValue(rest[from]) : HexValue(rest[from]) * 16 + HexValue(rest[from + 1]));
    start = comma + 1;
  }
  return true;
}

std::string TextBytes(const std::wstring& text) {
  // With its terminating NUL, as the editor writes it.
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

// The data of `line` from `from` on (after "="): a quoted string, "-", dword:, hex: or hex(n):.
// Deletes: "-". Hex: the data was given as bytes. More: hex bytes continue.
bool ParseData(const std::wstring& line, size_t from, TRegFileValue& value, bool& deletes, bool& hex, bool& more,
               std::wstring& why) {
  more = false;
  deletes = false;
  hex = false;
  size_t end = line.size();
  while (from < end && line[from] <= L' ') ++from;
  while (end > from && line[end - 1] <= L' ') --end;
  if (end - from == 1 && line[from] == L'-') {
    deletes = true;
    return true;
  }
  if (from < end && line[from] == L'"') {
    size_t at = from;
    std::wstring decoded;
    if (!ReadQuoted(line, at, decoded, why)) return false;
    if (at < end) {
      why = L"something after a closed text";
      return false;
    }
    value.Type = REG_SZ;
    value.Data = TextBytes(decoded);
    return true;
  }
  // Only the type's few letters need a lower-case copy.
  std::wstring lower(line, from, std::min<size_t>(end - from, 14));
  for (wchar_t& c : lower)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + (L'a' - L'A'));
  if (lower.compare(0, 6, L"dword:") == 0) {
    const size_t digits = end - from - 6;
    bool ok = digits > 0 && digits <= 8;
    DWORD number = 0;
    for (size_t i = from + 6; ok && i < end; ++i) {
      ok = IsHexDigit(line[i]);
      if (ok) number = number * 16 + HexValue(line[i]);
    }
    if (!ok) {
      why = L"a dword that is not 1 to 8 hexadecimal digits";
      return false;
    }
    value.Type = REG_DWORD;
    value.Data.assign(reinterpret_cast<const char*>(&number), sizeof number);
    return true;
  }
  size_t colon = std::wstring::npos;
  DWORD type = REG_BINARY;
  if (lower.compare(0, 4, L"hex:") == 0) {
    colon = 3;
  } else if (lower.compare(0, 4, L"hex(") == 0) {
    const size_t close = lower.find(L"):", 4);
    bool ok = close != std::wstring::npos && close > 4 && close <= 12;
    type = 0;
    for (size_t i = 4; ok && i < close; ++i) {
      ok = IsHexDigit(lower[i]);
      type = type * 16 + (ok ? HexValue(lower[i]) : 0);
    }
    if (ok) colon = close + 1;
  }
  if (colon == std::wstring::npos) {
    why = L"data of no type the registry editor knows";
    return false;
  }
  value.Type = type;
  value.Data.clear();
  hex = true;
  if (!ParseHexBytes(line.substr(from + colon + 1, end - from - colon - 1), more, value.Data)) {
    why = L"bytes that are not pairs of hexadecimal digits";
    return false;
  }
  return true;
}

// A value line: "@=" or a quoted name, "=", data.
bool ParseValueLine(const std::wstring& line, TRegFileValue& value, bool& deletes, bool& hex, bool& more,
                    std::wstring& why) {
  size_t at = 0;
  while (at < line.size() && line[at] <= L' ') ++at;
  value.Name.clear();
  if (at < line.size() && line[at] == L'@') {
    ++at;
  } else if (at < line.size() && line[at] == L'"') {
    if (!ReadQuoted(line, at, value.Name, why)) {
      if (why == L"a text that is not closed") why = L"a value name that is not closed";
      return false;
    }
  } else {
    why = L"a line that is no key, value or comment";
    return false;
  }
  while (at < line.size() && (line[at] == L' ' || line[at] == L'\t')) ++at;
  if (at >= line.size() || line[at] != L'=') {
    why = L"a value without \"=\"";
    return false;
  }
  return ParseData(line, at + 1, value, deletes, hex, more, why);
}

// Whether the lower-case key Key is Parent or lies below it.
bool IsAtOrBelow(const std::wstring& key, const std::wstring& parent) {
  if (key.compare(0, parent.size(), parent) != 0) return false;
  return key.size() == parent.size() || key[parent.size()] == L'\\';
}

// The registry an import leaves, as far as the file says: sections applied in order.
class TExpectation {
 public:
  // A "[key]" section: the key stands (again), values to come go to it.
  void Write(const std::wstring& name) {
    const std::wstring lower = LowerCase(name);
    auto found = index_.find(lower);
    if (found == index_.end()) {
      found = index_.emplace(lower, keys_.size()).first;
      keys_.push_back({{name, {}}, {}, true});
    }
    current_ = found->second;
    keys_[current_].standing = true;
  }
  // A "[-key]" section: the key and every key below it go, with their values.
  void Delete(const std::wstring& name) {
    const std::wstring lower = LowerCase(name);
    for (auto it = index_.lower_bound(lower); it != index_.end() && it->first.compare(0, lower.size(), lower) == 0;
         ++it) {
      if (!IsAtOrBelow(it->first, lower)) continue;
      TKey& key = keys_[it->second];
      key.standing = false;
      key.values.clear();
    }
  }
  // A value line of the current key; Deletes: "-".
  void Value(TRegFileValue&& value, bool deletes) { keys_[current_].values.push_back({std::move(value), deletes}); }
  // Continued bytes of the last value.
  std::string& LastData() { return keys_[current_].values.back().value.Data; }
  TRegFileValue& Last() { return keys_[current_].values.back().value; }

  std::vector<TRegFileKey> Standing() {
    std::vector<TRegFileKey> standing;
    for (TKey& key : keys_) {
      if (!key.standing) continue;
      // The last line of a name wins; a "-" line leaves the name out.
      const size_t count = key.values.size();
      std::vector<bool> last(count, false);
      std::unordered_set<std::wstring> seenMany;  // for a key of many values; a few are compared in place
      for (size_t i = count; i-- > 0;) {
        const std::wstring& name = key.values[i].value.Name;
        bool again = false;
        if (count > 16) {
          again = !seenMany.insert(LowerCase(name)).second;
        } else {
          for (size_t j = i + 1; j < count && !again; ++j) again = last[j] && SameText(key.values[j].value.Name, name);
        }
        last[i] = !again;
      }
      // Names whose last line is "-" were kept only to hide their earlier lines.
      for (size_t i = 0; i < count; ++i)
        if (last[i] && !key.values[i].deletes) key.key.Values.push_back(std::move(key.values[i].value));
      standing.push_back(std::move(key.key));
    }
    return standing;
  }

 private:
  struct TLine {
    TRegFileValue value;
    bool deletes;
  };
  struct TKey {
    TRegFileKey key;
    std::vector<TLine> values;
    bool standing;
  };
  std::vector<TKey> keys_;
  std::map<std::wstring, size_t> index_;  // lower-case name -> keys_
  size_t current_ = 0;
};

// A file in the old ANSI format gives the bytes of text kinds in the ANSI code page; the editor
// writes them as UTF-16.
void WidenAnsiText(TRegFileValue& value) {
  if (value.Type != REG_SZ && value.Type != REG_EXPAND_SZ && value.Type != REG_MULTI_SZ) return;
  const std::wstring wide = AnsiToWide(value.Data);
  value.Data.assign(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
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
    // The editor ends a line there too: what follows is no longer the line this check reads.
    if (line.find(L'\r') != std::wstring::npos) {
      Problem = L"line " + IntToStr(lines.size() + 1) + L": a carriage return that ends no line";
      return false;
    }
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
  const bool ansi = File.Header == kVersion4;
  const size_t bodyStart = text.find(L'\n', text.find(File.Header)) + 1;
  File.Body = text.substr(bodyStart);

  TExpectation expected;
  bool anyKey = false;
  bool inSection = false;
  bool continued = false;
  bool hex = false;
  auto finishValue = [&] {
    if (ansi && hex) WidenAnsiText(expected.Last());
  };
  for (size_t i = first + 1; i < lines.size(); ++i) {
    const std::wstring& line = lines[i];
    auto where = [i] { return L"line " + IntToStr(i + 1) + L": "; };
    size_t firstChar = 0;
    while (firstChar < line.size() && line[firstChar] <= L' ') ++firstChar;
    const bool blank = firstChar == line.size();
    const bool comment = !blank && line[firstChar] == L';';
    const bool keyLine = !blank && line[firstChar] == L'[';
    if ((continued || (!comment && !keyLine)) && HasControlCharacter(line)) {
      Problem = where() + L"a control character inside a value line";
      return false;
    }
    if (continued) {
      if (blank) {
        Problem = where() + L"a value's bytes continued onto an empty line";
        return false;
      }
      if (!ParseHexBytes(line, continued, expected.LastData())) {
        Problem = where() + L"bytes that are not pairs of hexadecimal digits";
        return false;
      }
      if (!continued) finishValue();
      continue;
    }
    if (blank || comment) continue;
    if (keyLine) {
      const std::wstring trimmed = Trim(line);
      const size_t close = trimmed.rfind(L']');
      if (close != trimmed.size() - 1) {
        Problem = where() + L"a key name that is not closed";
        return false;
      }
      const bool deletes = trimmed.size() > 1 && trimmed[1] == L'-';
      const std::wstring key = trimmed.substr(deletes ? 2 : 1, close - (deletes ? 2 : 1));
      HKEY root;
      std::wstring path;
      if (!SplitRegFileKey(key, root, path)) {
        Problem = where() + L"a key below no root the registry editor knows: " + key;
        return false;
      }
      if (deletes) {
        expected.Delete(key);
      } else {
        expected.Write(key);
        anyKey = true;
      }
      // Values after a deleting section belong to no key.
      inSection = !deletes;
      continue;
    }
    if (!inSection) {
      Problem = where() + L"a line outside any key";
      return false;
    }
    std::wstring why;
    TRegFileValue value;
    bool deletes = false;
    if (!ParseValueLine(line, value, deletes, hex, continued, why)) {
      Problem = where() + why;
      return false;
    }
    expected.Value(std::move(value), deletes);
    if (!continued) finishValue();
  }
  if (continued) {
    Problem = L"the file ends inside a value's bytes";
    return false;
  }
  if (anyKey && (lines.empty() || !IsBlank(lines.back()))) {
    Problem = L"the file ends without the blank line that closes its last key: it was cut off";
    return false;
  }
  File.Keys = expected.Standing();
  return true;
}

bool ReadFileBytes(const std::wstring& FileName, std::string& Bytes, std::wstring& Problem) {
  Bytes.clear();
  HANDLE file = CreateFileW(FileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    Problem = L"the file cannot be opened (" + Trim(SysErrorMessage(GetLastError())) + L")";
    return false;
  }
  LARGE_INTEGER size = {};
  if (GetFileSizeEx(file, &size)) Bytes.reserve(static_cast<size_t>(size.QuadPart));
  char buffer[65536];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof(buffer), &read, nullptr) != 0) && read > 0) Bytes.append(buffer, read);
  CloseHandle(file);
  if (!ok) Problem = L"the file cannot be read";
  return ok;
}

bool ReadRegFile(const std::wstring& FileName, TRegFile& File, std::wstring& Problem) {
  std::string bytes;
  return ReadFileBytes(FileName, bytes, Problem) && ParseRegFile(bytes, File, Problem);
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
