#include "base/registry_key.h"

#include "base/exception.h"

// The native call that deletes the key a handle is open on (ntdll; no registry API does it for a
// link key without following the link).
extern "C" LONG NTAPI NtDeleteKey(HANDLE KeyHandle);

namespace {

// Strips the leading backslash of an absolute path; tells whether the path was relative.
std::wstring SplitRelative(const std::wstring& path, bool& relative) {
  relative = path.empty() || path[0] != L'\\';
  return relative ? path : path.substr(1);
}

std::vector<std::wstring> EnumNames(HKEY key, bool subKeys) {
  std::vector<std::wstring> names;
  if (!key) return names;
  std::vector<wchar_t> buffer(256);
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    LONG result = subKeys ? RegEnumKeyExW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr)
                          : RegEnumValueW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA && buffer.size() < 65536) {
      buffer.resize(buffer.size() * 4);
      continue;
    }
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), length);
    ++index;
  }
  return names;
}

// Deletes the key itself through its handle. A handle opened as a link names the link, so this
// never reaches a link's target (deleting by name would open the key again and follow it).
bool DeleteThroughHandle(HKEY key) { return NtDeleteKey(key) >= 0; }

TRegDeleteResult DeleteOpenedKey(HKEY base, const std::wstring& path, bool withSubtree);

// Deletes the key `key` is open on, after its subkeys when withSubtree. Most keys a cleaning
// removes have no subkeys, so deleting is tried before anything is enumerated.
bool DeleteKeyAndSubtree(HKEY key, bool withSubtree) {
  if (DeleteThroughHandle(key)) return true;
  if (!withSubtree) return false;
  wchar_t name[256];  // a key name has at most 255 characters
  // A subkey that is still listed after its turn is enumerated past; the key then stays. After
  // each deleted subkey the key itself is tried again, so the usual last subkey costs no further
  // enumeration.
  for (DWORD kept = 0;;) {
    DWORD length = sizeof(name) / sizeof(name[0]);
    if (RegEnumKeyExW(key, kept, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (DeleteOpenedKey(key, std::wstring(name, length), true) != TRegDeleteResult::Deleted)
      ++kept;
    else if (kept == 0 && DeleteThroughHandle(key))
      return true;
  }
  return DeleteThroughHandle(key);
}

// `path` is opened as a link (REG_OPTION_OPEN_LINK) when it is one; its subkeys are single names,
// opened the same way, so nothing below is ever reached through a link.
TRegDeleteResult DeleteOpenedKey(HKEY base, const std::wstring& path, bool withSubtree) {
  HKEY key;
  // Write access too: a key this account may not change is not deleted either.
  const LONG opened = RegOpenKeyExW(base, path.c_str(), REG_OPTION_OPEN_LINK,
                                    DELETE | KEY_WRITE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return TRegDeleteResult::Absent;
  if (opened != ERROR_SUCCESS) return TRegDeleteResult::Failed;
  const bool deleted = DeleteKeyAndSubtree(key, withSubtree);
  RegCloseKey(key);
  return deleted ? TRegDeleteResult::Deleted : TRegDeleteResult::Failed;
}

}  // namespace

bool ReadRegValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data) {
  if (!key) return false;
  for (int attempt = 0; attempt < 8; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    data.resize(size);
    LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &type, size ? data.data() : nullptr, &size);
    if (result == ERROR_SUCCESS) {
      data.resize(size);
      return true;
    }
    // The value grew between the two calls: ask again.
    if (result != ERROR_MORE_DATA) return false;
  }
  return false;
}

TRegistry::TRegistry(REGSAM access) : access_(access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

bool TRegistry::Open(const std::wstring& path, bool canCreate, REGSAM access) {
  bool relative;
  std::wstring subPath = SplitRelative(path, relative);
  HKEY base = BaseKey(relative);
  HKEY key = nullptr;
  LONG result;
  if (!canCreate || subPath.empty()) {
    result = RegOpenKeyExW(base, subPath.c_str(), 0, access, &key);
  } else {
    result = RegCreateKeyExW(base, subPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                             nullptr);
  }
  std::wstring fullPath = subPath;
  if (relative && current_) fullPath = subPath.empty() ? currentPath_ : currentPath_ + L'\\' + subPath;
  CloseKey();
  if (result != ERROR_SUCCESS) return false;
  current_ = key;
  currentPath_ = fullPath;
  return true;
}

bool TRegistry::OpenKey(const std::wstring& path, bool canCreate) { return Open(path, canCreate, access_); }

bool TRegistry::OpenKeyReadOnly(const std::wstring& path) { return Open(path, false, KEY_READ); }

void TRegistry::CloseKey() {
  if (current_) RegCloseKey(current_);
  current_ = nullptr;
  currentPath_.clear();
}

bool TRegistry::KeyExists(const std::wstring& path) {
  bool relative;
  std::wstring subPath = SplitRelative(path, relative);
  HKEY key;
  if (RegOpenKeyExW(BaseKey(relative), subPath.c_str(), 0, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE |
                    KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool TRegistry::ValueExists(const std::wstring& name) const {
  return current_ && RegQueryValueExW(current_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void TRegistry::GetKeyNames(std::vector<std::wstring>& names) const { names = EnumNames(current_, true); }

void TRegistry::GetValueNames(std::vector<std::wstring>& names) const { names = EnumNames(current_, false); }

bool TRegistry::GetKeyInfo(TRegKeyInfo& info) const {
  info = TRegKeyInfo();
  if (!current_) return false;
  return RegQueryInfoKeyW(current_, nullptr, nullptr, nullptr, &info.NumSubKeys, &info.MaxSubKeyLen, nullptr,
                          &info.NumValues, &info.MaxValueLen, &info.MaxDataLen, nullptr,
                          &info.FileTime) == ERROR_SUCCESS;
}

bool TRegistry::HasSubKeys() const {
  TRegKeyInfo info;
  return GetKeyInfo(info) && info.NumSubKeys > 0;
}

DWORD TRegistry::GetDataType(const std::wstring& name) const {
  DWORD type = REG_NONE;
  if (!current_ || RegQueryValueExW(current_, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
    return REG_NONE;
  return type;
}

int TRegistry::GetDataSize(const std::wstring& name) const {
  DWORD size = 0;
  if (!current_ || RegQueryValueExW(current_, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return -1;
  return static_cast<int>(size);
}

std::wstring ReadTextOrEmpty(const TRegistry& reg, const std::wstring& name) {
  try {
    return reg.ReadString(name);
  } catch (const ERegistryException&) {
    return std::wstring();
  }
}

std::wstring TRegistry::ReadString(const std::wstring& name) const {
  DWORD type;
  std::vector<BYTE> data;
  if (!ReadRegValue(current_, name, type, data)) return std::wstring();
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException(L"Invalid data type for '" + name + L"'");
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  size_t zero = text.find(L'\0');
  if (zero != std::wstring::npos) text.resize(zero);
  return text;
}

int TRegistry::ReadInteger(const std::wstring& name) const {
  DWORD type;
  std::vector<BYTE> data;
  if (!ReadRegValue(current_, name, type, data)) throw ERegistryException(L"Failed to get data for '" + name + L"'");
  if (type != REG_DWORD || data.size() != sizeof(DWORD))
    throw ERegistryException(L"Invalid data type for '" + name + L"'");
  DWORD value;
  memcpy(&value, data.data(), sizeof(value));
  return static_cast<int>(value);
}

std::vector<BYTE> TRegistry::ReadBinaryData(const std::wstring& name) const {
  DWORD type;
  std::vector<BYTE> data;
  if (!ReadRegValue(current_, name, type, data)) data.clear();
  return data;
}

void TRegistry::PutData(const std::wstring& name, DWORD type, const void* data, size_t size) {
  if (!current_ || size > 0xFFFFFFFFu ||
      RegSetValueExW(current_, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)) !=
          ERROR_SUCCESS)
    throw ERegistryException(L"Failed to set data for '" + name + L"'");
}

void TRegistry::WriteString(const std::wstring& name, const std::wstring& value) {
  PutData(name, REG_SZ, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
}

void TRegistry::WriteExpandString(const std::wstring& name, const std::wstring& value) {
  PutData(name, REG_EXPAND_SZ, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
}

void TRegistry::WriteInteger(const std::wstring& name, int value) {
  DWORD data = static_cast<DWORD>(value);
  PutData(name, REG_DWORD, &data, sizeof(data));
}

void TRegistry::WriteBinaryData(const std::wstring& name, const void* data, size_t size) {
  PutData(name, REG_BINARY, data, size);
}

TRegDeleteResult DeleteRegKey(HKEY base, const std::wstring& path, bool withSubtree) {
  // An empty path would name the base key itself.
  if (path.empty()) return TRegDeleteResult::Failed;
  return DeleteOpenedKey(base, path, withSubtree);
}

bool DeleteRegSubKeys(HKEY base, const std::wstring& path) {
  HKEY key;
  const LONG opened = RegOpenKeyExW(base, path.c_str(), REG_OPTION_OPEN_LINK, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE,
                                    &key);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  bool all = true;
  for (const std::wstring& name : EnumNames(key, true))
    all = DeleteOpenedKey(key, name, true) != TRegDeleteResult::Failed && all;
  RegCloseKey(key);
  return all;
}

TRegDeleteResult DeleteRegValue(HKEY base, const std::wstring& path, const std::wstring& name) {
  HKEY key;
  const LONG opened = RegOpenKeyExW(base, path.c_str(), REG_OPTION_OPEN_LINK, KEY_SET_VALUE | KEY_QUERY_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return TRegDeleteResult::Absent;
  if (opened != ERROR_SUCCESS) return TRegDeleteResult::Failed;
  const LONG deleted = RegDeleteValueW(key, name.c_str());
  TRegDeleteResult result = deleted == ERROR_SUCCESS ? TRegDeleteResult::Deleted : TRegDeleteResult::Failed;
  if (deleted == ERROR_FILE_NOT_FOUND) {
    // Not in the key itself: absent, unless the key is a link whose target may hold it.
    DWORD type = REG_NONE;
    const bool link = RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
                      type == REG_LINK;
    result = link ? TRegDeleteResult::Failed : TRegDeleteResult::Absent;
  }
  RegCloseKey(key);
  return result;
}

bool TRegistry::DeleteKey(const std::wstring& path) {
  bool relative;
  std::wstring subPath = SplitRelative(path, relative);
  return DeleteRegKey(BaseKey(relative), subPath, true) != TRegDeleteResult::Failed;
}

bool TRegistry::DeleteValue(const std::wstring& name) {
  return current_ && RegDeleteValueW(current_, name.c_str()) == ERROR_SUCCESS;
}
