// The user's class registrations beside the machine's. On Windows HKEY_CLASSES_ROOT shows the
// user's classes (HKEY_CURRENT_USER\Software\Classes) laid over the machine's
// (HKEY_LOCAL_MACHINE\SOFTWARE\Classes): a key the user holds hides the machine's key of the same
// path, and every other key of the machine shows through. So a path the user's classes cannot
// hold reads the same through either view.
#pragma once

#include <windows.h>

#include <string>
#include <unordered_set>

// The names of a key's subkeys, compared as the registry compares names.
class TKeyNameSet {
 public:
  // Lists the subkeys of Root\Key (a path below the root, with a leading backslash); a key that
  // is not there has none.
  TKeyNameSet(HKEY Root, const std::wstring& Key);

  // Name in the system's upper case: two names the registry takes for one fold alike.
  static std::wstring Fold(const std::wstring& Name);

  // Whether a subkey Name may be there: it was listed, or the key could not be listed whole.
  bool MayHold(const std::wstring& Name) const;
  // Whether the key may have Path (names joined by backslashes) below it: its first name may be
  // there. A path with an empty first name (the empty path, one that begins with a backslash)
  // may be there when the key itself may be.
  bool MayHoldPath(const std::wstring& Path) const;
  // Whether the key surely has no subkeys.
  bool Empty() const;

 private:
  std::unordered_set<std::wstring> names_;
  bool present_ = true;   // the key is there, or could not be told
  bool complete_ = true;  // every subkey is listed
};
