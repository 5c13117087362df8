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

TRegDeleteResult DeleteOpenedKey(HKEY base, const std::wstring& name, bool withSubtree);

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

// The key `name` (one name) of `base` is opened as a link (REG_OPTION_OPEN_LINK) when it is one, and
// so are its subkeys, so nothing below is ever reached through a link.
TRegDeleteResult DeleteOpenedKey(HKEY base, const std::wstring& name, bool withSubtree) {
  HKEY key;
  // Write access too: a key this account may not change is not deleted either.
  const LONG opened = RegOpenKeyExW(base, name.c_str(), REG_OPTION_OPEN_LINK,
                                    DELETE | KEY_WRITE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return TRegDeleteResult::Absent;
  if (opened != ERROR_SUCCESS) return TRegDeleteResult::Failed;
  const bool deleted = DeleteKeyAndSubtree(key, withSubtree);
  RegCloseKey(key);
  return deleted ? TRegDeleteResult::Deleted : TRegDeleteResult::Failed;
}

// Whether the key `key` is open on (opened as a link) is a registry link.
bool IsLinkKey(HKEY key) {
  DWORD type = REG_NONE;
  return RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
         type == REG_LINK;
}

// The names of a key path; empty names (doubled or outer backslashes) are skipped.
std::vector<std::wstring> PathNames(const std::wstring& path) {
  std::vector<std::wstring> names;
  size_t start = 0;
  for (;;) {
    const size_t end = path.find(L'\\', start);
    const std::wstring name = path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (!name.empty()) names.push_back(name);
    if (end == std::wstring::npos) return names;
    start = end + 1;
  }
}

// The key a path leads to, reached one name at a time with each key opened as a link, so that a
// link along the path is seen instead of followed. Closes what it opened; the base key stays open.
class TLinkFreeKey {
 public:
  explicit TLinkFreeKey(HKEY base) : key_(base), base_(base) {}
  ~TLinkFreeKey() {
    if (key_ != base_) RegCloseKey(key_);
  }
  TLinkFreeKey(const TLinkFreeKey&) = delete;
  TLinkFreeKey& operator=(const TLinkFreeKey&) = delete;

  HKEY Key() const { return key_; }
  // Why the last Descend stopped: the platform's error, or ERROR_CANT_ACCESS_FILE for a link.
  LONG Error() const { return error_; }
  // Hands the key reached over to the caller, who closes it.
  HKEY Release() {
    const HKEY key = key_;
    key_ = base_;
    return key;
  }

  // Descends through names[0, count): Absent when one does not exist, Failed when one cannot be
  // opened or is a link (the path then names a key elsewhere than it says, so nothing below it is
  // deleted). The last key is opened with `access` added.
  TRegDeleteResult Descend(const std::vector<std::wstring>& names, size_t count, REGSAM access) {
    for (size_t i = 0; i < count; ++i) {
      HKEY next;
      error_ = RegOpenKeyExW(key_, names[i].c_str(), REG_OPTION_OPEN_LINK,
                             KEY_QUERY_VALUE | (i + 1 == count ? access : 0), &next);
      if (error_ == ERROR_FILE_NOT_FOUND) return TRegDeleteResult::Absent;
      if (error_ != ERROR_SUCCESS) return TRegDeleteResult::Failed;
      if (key_ != base_) RegCloseKey(key_);
      key_ = next;
      if (IsLinkKey(key_)) {
        error_ = ERROR_CANT_ACCESS_FILE;
        return TRegDeleteResult::Failed;
      }
    }
    return TRegDeleteResult::Deleted;
  }

 private:
  HKEY key_;
  HKEY base_;
  LONG error_ = ERROR_SUCCESS;
};

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

// The path is walked from `base` one name at a time: a link along it refuses the whole deletion.
// The key named last may be a link: it is then deleted itself (see DeleteOpenedKey).
TRegDeleteResult DeleteRegKey(HKEY base, const std::wstring& path, bool withSubtree) {
  const std::vector<std::wstring> names = PathNames(path);
  // No name would mean the base key itself.
  if (names.empty()) return TRegDeleteResult::Failed;
  TLinkFreeKey parent(base);
  const TRegDeleteResult reached = parent.Descend(names, names.size() - 1, 0);
  if (reached != TRegDeleteResult::Deleted) return reached;
  return DeleteOpenedKey(parent.Key(), names.back(), withSubtree);
}

bool DeleteRegSubKeys(HKEY base, const std::wstring& path) {
  const std::vector<std::wstring> names = PathNames(path);
  if (names.empty()) return false;
  TLinkFreeKey parent(base);
  const TRegDeleteResult reached = parent.Descend(names, names.size() - 1, 0);
  if (reached != TRegDeleteResult::Deleted) return reached == TRegDeleteResult::Absent;
  HKEY key;
  const LONG opened = RegOpenKeyExW(parent.Key(), names.back().c_str(), REG_OPTION_OPEN_LINK,
                                    KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  bool all = true;
  for (const std::wstring& name : EnumNames(key, true))
    all = DeleteOpenedKey(key, name, true) != TRegDeleteResult::Failed && all;
  RegCloseKey(key);
  return all;
}

TRegDeleteResult DeleteRegValue(HKEY base, const std::wstring& path, const std::wstring& name) {
  const std::vector<std::wstring> names = PathNames(path);
  if (names.empty()) return TRegDeleteResult::Failed;
  // The value's own key counts too: a value read through a link lies in another key.
  TLinkFreeKey key(base);
  const TRegDeleteResult reached = key.Descend(names, names.size(), KEY_SET_VALUE);
  if (reached != TRegDeleteResult::Deleted) return reached;
  const LONG deleted = RegDeleteValueW(key.Key(), name.c_str());
  if (deleted == ERROR_FILE_NOT_FOUND) return TRegDeleteResult::Absent;
  return deleted == ERROR_SUCCESS ? TRegDeleteResult::Deleted : TRegDeleteResult::Failed;
}

LONG OpenRegKeyWithoutLinks(HKEY base, const std::wstring& path, REGSAM access, HKEY& key) {
  key = nullptr;
  const std::vector<std::wstring> names = PathNames(path);
  if (names.empty()) return ERROR_INVALID_PARAMETER;
  TLinkFreeKey walk(base);
  if (walk.Descend(names, names.size(), access) != TRegDeleteResult::Deleted) return walk.Error();
  key = walk.Release();
  return ERROR_SUCCESS;
}

bool TRegistry::DeleteKey(const std::wstring& path) {
  bool relative;
  std::wstring subPath = SplitRelative(path, relative);
  return DeleteRegKey(BaseKey(relative), subPath, true) != TRegDeleteResult::Failed;
}

// The open key was reached the ordinary way, through any link: the value is deleted by the path
// instead, which refuses a link.
bool TRegistry::DeleteValue(const std::wstring& name) {
  return current_ && DeleteRegValue(root_, currentPath_, name) == TRegDeleteResult::Deleted;
}
