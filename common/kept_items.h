// What the user left unticked in one maintenance run, whichever area listed it: keys and values
// of the registry and files. An area that reaches one of them through its own work (a trace
// handler that empties a whole key or folder, a registry record over a trace's key) leaves it
// where it is. Keys and values compare without regard to case and backslashes around them;
// files by their full path, case aside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TKeptItems {
 public:
  // The key stays: neither it nor a key above it is deleted (what lies below it may be).
  void KeepKey(HKEY Root, const std::wstring& Path);
  // The key and everything below it stay.
  void KeepKeyTree(HKEY Root, const std::wstring& Path);
  // The value stays (an empty name is the key's default value), and so its key.
  void KeepValue(HKEY Root, const std::wstring& Key, const std::wstring& Name);
  void KeepFile(const std::wstring& Path);
  // Every file in the folder and below it stays.
  void KeepFolder(const std::wstring& Path);

  bool Empty() const;
  // Deleting the key (and so everything below it) would take nothing kept.
  bool MayDeleteKey(HKEY Root, const std::wstring& Path) const;
  bool MayDeleteValue(HKEY Root, const std::wstring& Key, const std::wstring& Name) const;
  bool MayDeleteFile(const std::wstring& Path) const;

 private:
  struct TKey {
    HKEY Root;
    std::wstring Path;  // canonical
  };
  struct TValue {
    TKey Key;
    std::wstring Name;  // lower case
  };
  std::vector<TKey> keys_, trees_;
  std::vector<TValue> values_;
  std::vector<std::wstring> files_, folders_;
};
