// The registry key object: a root key plus at most one open key.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

struct TRegKeyInfo {
  DWORD NumSubKeys = 0;
  DWORD MaxSubKeyLen = 0;
  DWORD NumValues = 0;
  DWORD MaxValueLen = 0;
  DWORD MaxDataLen = 0;
  FILETIME FileTime = {};
};

class TRegistry {
 public:
  // `access` is what OpenKey asks for; OpenKeyReadOnly always asks for KEY_READ.
  explicit TRegistry(REGSAM access = KEY_ALL_ACCESS);
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return root_; }
  // Closes the open key.
  void SetRootKey(HKEY root);

  // A path with a leading backslash is taken below the root, any other below the open key
  // (or the root when none is open). A key that exists but refuses the asked access does not
  // open; after a failed open no key is open.
  bool OpenKey(const std::wstring& path, bool canCreate);
  bool OpenKeyReadOnly(const std::wstring& path);
  void CloseKey();
  HKEY CurrentKey() const { return current_; }
  // Path of the open key below the root, without a leading backslash.
  const std::wstring& CurrentPath() const { return currentPath_; }

  // Read access suffices; the open key does not change.
  bool KeyExists(const std::wstring& path);
  bool ValueExists(const std::wstring& name) const;
  // Names in the platform's order; empty when no key is open.
  void GetKeyNames(std::vector<std::wstring>& names) const;
  void GetValueNames(std::vector<std::wstring>& names) const;
  bool GetKeyInfo(TRegKeyInfo& info) const;
  bool HasSubKeys() const;
  // REG_NONE and -1 for an absent value.
  DWORD GetDataType(const std::wstring& name) const;
  int GetDataSize(const std::wstring& name) const;

  // String and expandable-string data up to the first zero character, unexpanded; "" for an
  // absent value; ERegistryException "Invalid data type for '<name>'" for any other type.
  std::wstring ReadString(const std::wstring& name) const;
  // Needs a 4-byte REG_DWORD; ERegistryException otherwise (also for an absent value).
  int ReadInteger(const std::wstring& name) const;
  // The stored bytes whatever the type; empty for an absent value.
  std::vector<BYTE> ReadBinaryData(const std::wstring& name) const;

  // Each raises ERegistryException "Failed to set data for '<name>'" when the write fails.
  void WriteString(const std::wstring& name, const std::wstring& value);
  void WriteExpandString(const std::wstring& name, const std::wstring& value);
  void WriteInteger(const std::wstring& name, int value);
  void WriteBinaryData(const std::wstring& name, const void* data, size_t size);

  // Deletes the key with its whole subtree (path rules as OpenKey, through DeleteRegKey); true
  // when it is gone, also when it was not there; false when it remains or the path is empty.
  bool DeleteKey(const std::wstring& path);
  // Deletes a value of the open key by its path (through DeleteRegValue): a key opened through a
  // registry link loses nothing. False also when the value was not there.
  bool DeleteValue(const std::wstring& name);

 private:
  HKEY BaseKey(bool relative) const { return current_ && relative ? current_ : root_; }
  bool Open(const std::wstring& path, bool canCreate, REGSAM access);
  void PutData(const std::wstring& name, DWORD type, const void* data, size_t size);

  HKEY root_ = HKEY_CURRENT_USER;
  HKEY current_ = nullptr;
  std::wstring currentPath_;
  REGSAM access_;
};

enum class TRegDeleteResult { Deleted, Absent, Failed };

// The one way the program deletes registry keys. Deletes `path` below `base` (a path naming no key
// is refused) and, when withSubtree, its subkeys first; without it a key that has subkeys stays.
// A registry link is never followed: the path is opened one key at a time, each as a link, and a
// link along it refuses the deletion (Failed, nothing deleted), since the key named lies elsewhere;
// a link key that is the key named, or one below it, is deleted itself and the tree it points to
// stays. The system's own links (IsSystemRegLink) are the exception along the path: such a link is
// taken as the key it leads to, reached the same link-free way. Absent: the key (or its parent)
// did not exist.
TRegDeleteResult DeleteRegKey(HKEY base, const std::wstring& path, bool withSubtree);

// Deletes every subkey of `path` below `base` with its subtree; the key itself stays. A link along
// the path refuses it; a key that is a link is taken as the link, which has no subkeys: a link's
// target never loses its subkeys. False when a subkey remains or the key cannot be opened (true
// when it does not exist).
bool DeleteRegSubKeys(HKEY base, const std::wstring& path);

// Deletes the value `name` ("" the default value) of the key `path` below `base`. The path is opened
// as DeleteRegKey opens it, and the value's own key must not be a link either: a value behind a
// registry link is never deleted (Failed), as it lies in another key than the one named. Absent:
// the key or the value did not exist.
TRegDeleteResult DeleteRegValue(HKEY base, const std::wstring& path, const std::wstring& name);

// Opens the key `path` below `base` with `access` added, reached as DeleteRegValue reaches it: no
// key along the path, the key itself included, may be a registry link other than the system's
// own. ERROR_SUCCESS with `key` open (the caller closes it); otherwise the platform's error,
// ERROR_CANT_ACCESS_FILE for a link, and `key` is null. For writers that must change only the key
// named.
LONG OpenRegKeyWithoutLinks(HKEY base, const std::wstring& path, REGSAM access, HKEY& key);

// As OpenRegKeyWithoutLinks, making each missing key along the path (a new key is no link); an
// empty path opens the base itself.
LONG CreateRegKeyWithoutLinks(HKEY base, const std::wstring& path, REGSAM access, HKEY& key);

// Deletes records one after another as DeleteRegKey and DeleteRegValue do, keeping the keys that
// lead to the last one open: a record whose path starts with the same keys (records in key order
// share their parents) opens and checks only the rest. A result reached through a kept key that
// may since have gone is asked again from the base.
class TRegKeyChain;
class TRegDeleter {
 public:
  TRegDeleter();
  ~TRegDeleter();
  TRegDeleter(const TRegDeleter&) = delete;
  TRegDeleter& operator=(const TRegDeleter&) = delete;

  TRegDeleteResult DeleteKey(HKEY base, const std::wstring& path, bool withSubtree);
  TRegDeleteResult DeleteValue(HKEY base, const std::wstring& path, const std::wstring& name);

 private:
  std::unique_ptr<TRegKeyChain> chain_;
};

// Whether the link key whose kernel name is `link` and whose target is `target` is one of the links
// Windows itself keeps, leading where Windows points it: CurrentControlSet to a ControlSetnnn,
// a control set's "Hardware Profiles\Current" (HKEY_CURRENT_CONFIG) to one of its numbered
// profiles, and the user's Software\Classes to the user's own "_Classes" hive. `machine` and `user`
// are the kernel names of HKEY_LOCAL_MACHINE (\REGISTRY\MACHINE) and of the current user's key
// (CurrentUserKeyName). Names compare without regard to case.
bool IsSystemRegLink(const std::wstring& link, const std::wstring& target, const std::wstring& machine,
                     const std::wstring& user);
// Whether `name` has the form `form`: equal but for case, each '#' of the form standing for one
// decimal digit.
bool MatchesRegKeyNameForm(const std::wstring& name, const std::wstring& form);
// The registry's own name of an open key (\REGISTRY\MACHINE\..., \REGISTRY\USER\<SID>\...); empty
// when it cannot be read.
std::wstring RegKeyKernelName(HKEY key);
// The kernel name of HKEY_CURRENT_USER: \REGISTRY\USER\<SID of the current user>.
std::wstring CurrentUserKeyName();
// Puts the system's links below other keys (kernel names standing for the machine hive and the
// user's key), so tests lay Windows' links out among keys of their own; empty names restore the
// real ones.
void SetSystemRegLinkRootsForTesting(const std::wstring& machine, const std::wstring& user);

// A value of the open key as text, where a value that cannot be read as text (not of a string
// type) counts as empty: for readers that list what they find and must not stop at one odd value.
std::wstring ReadTextOrEmpty(const TRegistry& reg, const std::wstring& name);

// A value's type and bytes, read whole (asking again while it grows); false when there is no
// key, no such value, or it cannot be read. An empty name is the key's default value.
bool ReadRegValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data);
