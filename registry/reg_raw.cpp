#include "registry/reg_raw.h"

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"

namespace {

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

const wchar_t* ValueNameArg(const std::wstring& valueName) { return valueName.empty() ? nullptr : valueName.c_str(); }

// Reads a value as UTF-16 text (string types) or bytes; false unless the stored type is `type`.
bool ReadTyped(HKEY root, const TRegValuePath& valuePath, DWORD type, std::vector<BYTE>& data) {
  data.clear();
  if (!valuePath.Valid) return false;
  HKEY key;
  if (RegOpenKeyExW(root, valuePath.Key.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD storedType = REG_NONE;
  bool ok = ReadRegValue(key, valuePath.Name, storedType, data) && storedType == type;
  RegCloseKey(key);
  if (!ok) data.clear();
  return ok;
}

bool WriteTyped(HKEY root, const TRegValuePath& valuePath, DWORD type, const void* data, DWORD size) {
  if (!valuePath.Valid) return false;
  HKEY key;
  // Written in the key named only, never behind a registry link.
  if (CreateRegKeyWithoutLinks(root, valuePath.Key, KEY_SET_VALUE, key) != ERROR_SUCCESS) return false;
  bool ok = RegSetValueExW(key, ValueNameArg(valuePath.Name), 0, type, static_cast<const BYTE*>(data), size) ==
            ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

std::wstring WideFromBytes(const std::vector<BYTE>& data) {
  return std::wstring(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
}

// Stores `text` followed by `zeros` zero characters.
bool SetText(HKEY root, const TRegValuePath& valuePath, DWORD type, const std::wstring& text, size_t zeros) {
  std::wstring data = text + std::wstring(zeros, L'\0');
  if (data.size() * sizeof(wchar_t) > 0xFFFFFFFFu) return false;
  return WriteTyped(root, valuePath, type, data.data(), static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

// The stored text less its last character when that is the terminating zero. (Dropping it
// unconditionally would cut the last letter of a value stored without a terminator.)
bool GetText(HKEY root, const TRegValuePath& valuePath, DWORD type, std::wstring& text) {
  text.clear();
  std::vector<BYTE> data;
  if (!ReadTyped(root, valuePath, type, data)) return false;
  text = WideFromBytes(data);
  if (!text.empty() && text.back() == L'\0') text.pop_back();
  return true;
}

}  // namespace

TRegValuePath::TRegValuePath(const std::wstring& valuePath) {
  const int pos = LastCharPos(L'\\', valuePath);
  if (pos == 0) return;
  Key = valuePath.substr(0, pos - 1);
  Name = valuePath.substr(pos);
  Valid = true;
}

int LastCharPos(wchar_t ch, const std::wstring& text) {
  size_t pos = text.rfind(ch);
  return pos == std::wstring::npos ? 0 : static_cast<int>(pos) + 1;
}

bool ExpandFirstEnvVar(const std::wstring& path, std::wstring& expanded) {
  size_t first = path.find(L'%');
  if (first == std::wstring::npos) return false;
  size_t second = path.find(L'%', first + 1);
  if (second == std::wstring::npos) return false;
  std::wstring name = path.substr(first + 1, second - first - 1);
  const std::wstring value = name.empty() ? std::wstring() : EnvironmentVariable(name);
  expanded = path.substr(0, first) + value + path.substr(second + 1);
  return true;
}

bool RawRegWriteValue(HKEY root, const TRegValuePath& valuePath, DWORD type, const void* data, DWORD size) {
  if (!IsStringType(type)) return WriteTyped(root, valuePath, type, data, size);
  // 8-bit text becomes the platform's UTF-16, as the ANSI registry functions convert it.
  std::wstring wide = AnsiToWide(std::string(static_cast<const char*>(data), size));
  return WriteTyped(root, valuePath, type, wide.data(), static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
}

bool RawRegReadValue(HKEY root, const TRegValuePath& valuePath, DWORD type, std::vector<BYTE>& data) {
  if (!ReadTyped(root, valuePath, type, data)) return false;
  if (IsStringType(type)) {
    std::string ansi = WideToAnsi(WideFromBytes(data));
    data.assign(ansi.begin(), ansi.end());
  }
  return true;
}

bool RawRegSetSz(HKEY root, const TRegValuePath& valuePath, const std::wstring& text) {
  return SetText(root, valuePath, REG_SZ, text, 1);
}

bool RawRegSetMultiSz(HKEY root, const TRegValuePath& valuePath, const std::wstring& text) {
  return SetText(root, valuePath, REG_MULTI_SZ, text, 2);
}

bool RawRegSetExpandSz(HKEY root, const TRegValuePath& valuePath, const std::wstring& text) {
  return SetText(root, valuePath, REG_EXPAND_SZ, text, 1);
}

bool RawRegSetDword(HKEY root, const TRegValuePath& valuePath, DWORD value) {
  return WriteTyped(root, valuePath, REG_DWORD, &value, sizeof(value));
}

bool RawRegGetSz(HKEY root, const TRegValuePath& valuePath, std::wstring& text) {
  return GetText(root, valuePath, REG_SZ, text);
}

bool RawRegGetMultiSz(HKEY root, const TRegValuePath& valuePath, std::wstring& text) {
  return GetText(root, valuePath, REG_MULTI_SZ, text);
}

bool RawRegGetExpandSz(HKEY root, const TRegValuePath& valuePath, std::wstring& text) {
  return GetText(root, valuePath, REG_EXPAND_SZ, text);
}

bool RawRegGetDword(HKEY root, const TRegValuePath& valuePath, DWORD& value) {
  value = 0;
  std::vector<BYTE> data;
  // A REG_DWORD of another length is malformed: reading 4 bytes would overrun it.
  if (!ReadTyped(root, valuePath, REG_DWORD, data) || data.size() != sizeof(DWORD)) return false;
  memcpy(&value, data.data(), sizeof(value));
  return true;
}

bool RawRegGetBinary(HKEY root, const TRegValuePath& valuePath, std::vector<BYTE>& bytes) {
  return ReadTyped(root, valuePath, REG_BINARY, bytes);
}

bool RawRegKeyExists(HKEY root, const std::wstring& keyPath) {
  HKEY key;
  if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool RawRegDeleteKey(HKEY root, const std::wstring& keyPath) {
  // A path of nothing but backslashes names no key, nor does one ending in a backslash (its last
  // name is empty: the parent itself).
  if (keyPath.empty() || keyPath.back() == L'\\') return false;
  // The key alone, as the platform's plain delete would (one that has subkeys stays), and never
  // through a link, neither the key itself nor one along its path.
  return DeleteRegKey(root, keyPath, false) == TRegDeleteResult::Deleted;
}
