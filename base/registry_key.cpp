#include "base/registry_key.h"

#include "base/exception.h"
#include "base/strings.h"

// The native call that deletes the key a handle is open on (ntdll; no registry API does it for a
// link key without following the link).
extern "C" LONG NTAPI NtDeleteKey(HANDLE KeyHandle);
// The native call that tells a key's full name (\REGISTRY\...), which registry links hold.
extern "C" LONG NTAPI NtQueryKey(HANDLE Key, int InformationClass, void* Information, ULONG Length,
                                 ULONG* ResultLength);

namespace {

const int kKeyNameInformation = 3;

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

// The kernel names the system's links are placed below; empty: this machine's own.
std::wstring& MachineNameForTesting() {
  static std::wstring name;
  return name;
}
std::wstring& UserNameForTesting() {
  static std::wstring name;
  return name;
}

std::wstring MachineKeyName() {
  return MachineNameForTesting().empty() ? std::wstring(L"\\REGISTRY\\MACHINE") : MachineNameForTesting();
}

std::wstring UserKeyName() {
  return UserNameForTesting().empty() ? CurrentUserKeyName() : UserNameForTesting();
}

// A kernel name split into its hive's root key and the names below it; false for a name outside
// the machine and user hives, or the hive itself.
bool SplitKernelName(const std::wstring& name, HKEY& root, std::vector<std::wstring>& names) {
  static const struct {
    const wchar_t* prefix;
    HKEY root;
  } hives[] = {{L"\\registry\\machine\\", HKEY_LOCAL_MACHINE}, {L"\\registry\\user\\", HKEY_USERS}};
  const std::wstring lower = LowerCase(name);
  for (const auto& hive : hives) {
    const size_t length = wcslen(hive.prefix);
    if (lower.compare(0, length, hive.prefix) != 0) continue;
    root = hive.root;
    names = PathNames(name.substr(length));
    return !names.empty();
  }
  return false;
}

// How many of the system's links one path may pass through (the current hardware profile lies
// below the current control set: two).
const int kMaxSystemLinks = 4;

LONG OpenLinkFree(HKEY parent, const std::wstring& name, REGSAM access, int depth, HKEY& key);

// Opens root\names[...] one key at a time as OpenLinkFree does, the last with `access` added.
LONG OpenPathLinkFree(HKEY root, const std::vector<std::wstring>& names, REGSAM access, int depth, HKEY& key) {
  HKEY current = root;
  for (size_t i = 0; i < names.size(); ++i) {
    HKEY next;
    const LONG error = OpenLinkFree(current, names[i], i + 1 == names.size() ? access : 0, depth, next);
    if (current != root) RegCloseKey(current);
    if (error != ERROR_SUCCESS) {
      key = nullptr;
      return error;
    }
    current = next;
  }
  key = current;
  return ERROR_SUCCESS;
}

// The key the link `link` (opened as a link) leads to, when it is one of the system's own links and
// leads where the system points it; opened link-free itself, with `access` added. Any other link
// gives ERROR_CANT_ACCESS_FILE.
LONG OpenSystemLinkTarget(HKEY link, REGSAM access, int depth, HKEY& key) {
  key = nullptr;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (depth >= kMaxSystemLinks || !ReadRegValue(link, L"SymbolicLinkValue", type, data) || type != REG_LINK)
    return ERROR_CANT_ACCESS_FILE;
  std::wstring target(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  while (!target.empty() && target.back() == L'\0') target.pop_back();
  HKEY root;
  std::vector<std::wstring> names;
  if (!IsSystemRegLink(RegKeyKernelName(link), target, MachineKeyName(), UserKeyName()) ||
      !SplitKernelName(target, root, names))
    return ERROR_CANT_ACCESS_FILE;
  return OpenPathLinkFree(root, names, access, depth + 1, key);
}

// Opens the key `name` (one name) below `parent` without following a link: a key that is a link is
// either one of the system's own links, taken as the key it leads to, or refused
// (ERROR_CANT_ACCESS_FILE). `access` is asked in addition to KEY_QUERY_VALUE.
LONG OpenLinkFree(HKEY parent, const std::wstring& name, REGSAM access, int depth, HKEY& key) {
  key = nullptr;
  HKEY opened;
  LONG error = RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, KEY_QUERY_VALUE | access, &opened);
  // The system's links may refuse what their targets allow: look whether it is one.
  if (error == ERROR_ACCESS_DENIED && access != 0) {
    if (RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
      return error;
    if (!IsLinkKey(opened)) {
      RegCloseKey(opened);
      return error;
    }
  } else if (error != ERROR_SUCCESS) {
    return error;
  }
  if (!IsLinkKey(opened)) {
    key = opened;
    return ERROR_SUCCESS;
  }
  error = OpenSystemLinkTarget(opened, access, depth, key);
  RegCloseKey(opened);
  return error;
}

}  // namespace

// The keys of one path below a base, each opened by OpenLinkFree, kept open in order: entry i is the
// key of the names [0, i]. A later path that starts with the same names takes their keys as they
// are, so records in key order descend and check their shared parents once.
class TRegKeyChain {
 public:
  TRegKeyChain() = default;
  ~TRegKeyChain() { Truncate(0); }
  TRegKeyChain(const TRegKeyChain&) = delete;
  TRegKeyChain& operator=(const TRegKeyChain&) = delete;

  // The key reached last, or the base when no name was reached.
  HKEY Key() const { return keys_.empty() ? base_ : keys_.back().key; }
  // Why the last Reach stopped: the platform's error, ERROR_CANT_ACCESS_FILE for a link.
  LONG Error() const { return error_; }
  // How many keys the last Reach took from an earlier one.
  size_t Reused() const { return reused_; }
  void Clear() { Truncate(0); }
  // Hands the key reached over to the caller, who closes it.
  HKEY Release() {
    if (keys_.empty()) return base_;
    const HKEY key = keys_.back().key;
    keys_.pop_back();
    return key;
  }

  // Reaches names[0, count) below `base`, the last key with `access` added: Absent when one does
  // not exist, Failed when one cannot be opened or is a link other than the system's own (the path
  // then names a key elsewhere than it says, so nothing below it is touched).
  TRegDeleteResult Reach(HKEY base, const std::vector<std::wstring>& names, size_t count, REGSAM access) {
    if (base != base_) {
      Truncate(0);
      base_ = base;
    }
    size_t shared = 0;
    while (shared < keys_.size() && shared < count && keys_[shared].name == names[shared] &&
           (shared + 1 < count || (keys_[shared].access & access) == access))
      ++shared;
    Truncate(shared);
    reused_ = shared;
    error_ = ERROR_SUCCESS;
    for (size_t i = shared; i < count; ++i) {
      const REGSAM asked = i + 1 == count ? access : 0;
      HKEY next;
      error_ = OpenLinkFree(Key(), names[i], asked, 0, next);
      if (error_ == ERROR_FILE_NOT_FOUND) return TRegDeleteResult::Absent;
      if (error_ != ERROR_SUCCESS) return TRegDeleteResult::Failed;
      keys_.push_back({names[i], next, asked});
    }
    return TRegDeleteResult::Deleted;
  }

 private:
  struct Entry {
    std::wstring name;
    HKEY key;
    REGSAM access;
  };
  void Truncate(size_t count) {
    while (keys_.size() > count) {
      RegCloseKey(keys_.back().key);
      keys_.pop_back();
    }
  }

  HKEY base_ = nullptr;
  std::vector<Entry> keys_;
  LONG error_ = ERROR_SUCCESS;
  size_t reused_ = 0;
};

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

bool MatchesRegKeyNameForm(const std::wstring& name, const std::wstring& form) {
  if (name.size() != form.size()) return false;
  const std::wstring lowerName = LowerCase(name), lowerForm = LowerCase(form);
  for (size_t i = 0; i < lowerForm.size(); ++i) {
    if (lowerForm[i] == L'#' ? (lowerName[i] < L'0' || lowerName[i] > L'9') : lowerName[i] != lowerForm[i]) return false;
  }
  return true;
}

bool IsSystemRegLink(const std::wstring& link, const std::wstring& target, const std::wstring& machine,
                     const std::wstring& user) {
  if (machine.empty() || user.empty()) return false;
  const std::wstring controlSet = machine + L"\\SYSTEM\\ControlSet###";
  const std::wstring profiles = L"\\Hardware Profiles\\";
  const struct {
    std::wstring link;
    std::wstring target;
  } links[] = {
      {machine + L"\\SYSTEM\\CurrentControlSet", controlSet},
      {controlSet + profiles + L"Current", machine + L"\\SYSTEM\\CurrentControlSet" + profiles + L"####"},
      {controlSet + profiles + L"Current", controlSet + profiles + L"####"},
      {user + L"\\Software\\Classes", user + L"_Classes"},
  };
  for (const auto& entry : links)
    if (MatchesRegKeyNameForm(link, entry.link) && MatchesRegKeyNameForm(target, entry.target)) return true;
  return false;
}

std::wstring RegKeyKernelName(HKEY key) {
  // KEY_NAME_INFORMATION: the name's length in bytes, then the name.
  std::vector<ULONG> buffer(260);
  for (int attempt = 0; attempt < 4; ++attempt) {
    ULONG length = 0;
    const LONG status = NtQueryKey(key, kKeyNameInformation, buffer.data(),
                                   static_cast<ULONG>(buffer.size() * sizeof(ULONG)), &length);
    if (status >= 0 && buffer[0] <= (buffer.size() - 1) * sizeof(ULONG))
      return std::wstring(reinterpret_cast<const wchar_t*>(buffer.data() + 1), buffer[0] / sizeof(wchar_t));
    if (length <= buffer.size() * sizeof(ULONG)) return std::wstring();
    buffer.resize(length / sizeof(ULONG) + 2);
  }
  return std::wstring();
}

std::wstring CurrentUserKeyName() {
  static const std::wstring name = [] {
    HKEY key;
    if (RegOpenCurrentUser(KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::wstring();
    std::wstring text = RegKeyKernelName(key);
    RegCloseKey(key);
    return text;
  }();
  return name;
}

void SetSystemRegLinkRootsForTesting(const std::wstring& machine, const std::wstring& user) {
  MachineNameForTesting() = machine;
  UserNameForTesting() = user;
}

TRegDeleter::TRegDeleter() : chain_(new TRegKeyChain) {}

TRegDeleter::~TRegDeleter() = default;

// The parents are reached through the chain; the key named last may be a link: it is then deleted
// itself (see DeleteOpenedKey).
TRegDeleteResult TRegDeleter::DeleteKey(HKEY base, const std::wstring& path, bool withSubtree) {
  const std::vector<std::wstring> names = PathNames(path);
  // No name would mean the base key itself.
  if (names.empty()) return TRegDeleteResult::Failed;
  auto attempt = [&] {
    const TRegDeleteResult reached = chain_->Reach(base, names, names.size() - 1, 0);
    if (reached != TRegDeleteResult::Deleted) return reached;
    return DeleteOpenedKey(chain_->Key(), names.back(), withSubtree);
  };
  TRegDeleteResult result = attempt();
  // A parent kept open may have been deleted since (an earlier record took it): what failed with
  // kept keys is asked again from the base.
  if (result != TRegDeleteResult::Deleted && chain_->Reused() > 0) {
    chain_->Clear();
    result = attempt();
  }
  return result;
}

TRegDeleteResult TRegDeleter::DeleteValue(HKEY base, const std::wstring& path, const std::wstring& name) {
  const std::vector<std::wstring> names = PathNames(path);
  if (names.empty()) return TRegDeleteResult::Failed;
  // The value's own key counts too: a value read through a link lies in another key.
  auto attempt = [&] {
    const TRegDeleteResult reached = chain_->Reach(base, names, names.size(), KEY_SET_VALUE);
    if (reached != TRegDeleteResult::Deleted) return reached;
    const LONG deleted = RegDeleteValueW(chain_->Key(), name.c_str());
    if (deleted == ERROR_FILE_NOT_FOUND) return TRegDeleteResult::Absent;
    return deleted == ERROR_SUCCESS ? TRegDeleteResult::Deleted : TRegDeleteResult::Failed;
  };
  TRegDeleteResult result = attempt();
  if (result != TRegDeleteResult::Deleted && chain_->Reused() > 0) {
    chain_->Clear();
    result = attempt();
  }
  return result;
}

TRegDeleteResult DeleteRegKey(HKEY base, const std::wstring& path, bool withSubtree) {
  return TRegDeleter().DeleteKey(base, path, withSubtree);
}

TRegDeleteResult DeleteRegValue(HKEY base, const std::wstring& path, const std::wstring& name) {
  return TRegDeleter().DeleteValue(base, path, name);
}

bool DeleteRegSubKeys(HKEY base, const std::wstring& path) {
  const std::vector<std::wstring> names = PathNames(path);
  if (names.empty()) return false;
  TRegKeyChain parent;
  const TRegDeleteResult reached = parent.Reach(base, names, names.size() - 1, 0);
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

LONG OpenRegKeyWithoutLinks(HKEY base, const std::wstring& path, REGSAM access, HKEY& key) {
  key = nullptr;
  const std::vector<std::wstring> names = PathNames(path);
  if (names.empty()) return ERROR_INVALID_PARAMETER;
  TRegKeyChain walk;
  if (walk.Reach(base, names, names.size(), access) != TRegDeleteResult::Deleted) return walk.Error();
  key = walk.Release();
  return ERROR_SUCCESS;
}

LONG CreateRegKeyWithoutLinks(HKEY base, const std::wstring& path, REGSAM access, HKEY& key) {
  key = nullptr;
  const std::vector<std::wstring> names = PathNames(path);
  if (names.empty()) return RegOpenKeyExW(base, L"", 0, access, &key);
  HKEY current = base;
  auto close = [&](HKEY k) {
    if (k != base) RegCloseKey(k);
  };
  for (size_t i = 0; i < names.size(); ++i) {
    const REGSAM asked = i + 1 == names.size() ? access : 0;
    HKEY next;
    LONG error = OpenLinkFree(current, names[i], asked, 0, next);
    if (error == ERROR_FILE_NOT_FOUND) {
      // Made where it is missing, below a key that was opened link-free; a key that appeared as a
      // link meanwhile is opened as the link and refused.
      HKEY parent;
      error = RegOpenKeyExW(current, L"", 0, KEY_CREATE_SUB_KEY, &parent);
      if (error == ERROR_SUCCESS) {
        error = RegCreateKeyExW(parent, names[i].c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE | REG_OPTION_OPEN_LINK,
                                KEY_QUERY_VALUE | asked, nullptr, &next, nullptr);
        if (parent != current) RegCloseKey(parent);
        if (error == ERROR_SUCCESS && IsLinkKey(next)) {
          RegCloseKey(next);
          error = ERROR_CANT_ACCESS_FILE;
        }
      }
    }
    close(current);
    if (error != ERROR_SUCCESS) return error;
    current = next;
  }
  key = current;
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
