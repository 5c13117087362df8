// The browser settings and restrictions of the prefix, kept while a test changes them and put
// back afterwards: values as they were, keys that were missing removed again.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tools/iemanage/ie_defaults.h"

class SavedIESettings {
 public:
  SavedIESettings() {
    for (const TStrRecoverItem& row : IEStringDefaults) Save(row.RootKey, row.SubKey, row.ValueName);
    for (const TDWORDRecoverItem& row : IERestrictionDefaults) Save(row.RootKey, row.SubKey, row.ValueName);
  }
  ~SavedIESettings() {
    for (const TValue& value : values_) {
      HKEY key;
      if (RegOpenKeyExW(value.Root, KeyOf(value).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) continue;
      if (value.Existed)
        RegSetValueExW(key, value.Name.c_str(), 0, value.Type, value.Data.data(), static_cast<DWORD>(value.Data.size()));
      else
        RegDeleteValueW(key, value.Name.c_str());
      RegCloseKey(key);
    }
    for (const auto& key : missingKeys_) {
      RegDeleteTreeW(key.first, key.second.c_str());
      RegDeleteKeyW(key.first, key.second.c_str());
    }
  }
  SavedIESettings(const SavedIESettings&) = delete;
  SavedIESettings& operator=(const SavedIESettings&) = delete;

 private:
  struct TValue {
    HKEY Root;
    std::wstring SubKey, Name;
    bool Existed = false;
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;
  };

  // The key path without its leading backslash.
  static std::wstring KeyOf(const TValue& value) { return value.SubKey.substr(1); }

  void Save(HKEY root, const std::wstring& subKey, const std::wstring& name) {
    TValue value{root, subKey, name};
    HKEY key;
    if (RegOpenKeyExW(root, KeyOf(value).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
      DWORD size = 0;
      if (RegQueryValueExW(key, name.c_str(), nullptr, &value.Type, nullptr, &size) == ERROR_SUCCESS) {
        value.Data.resize(size);
        value.Existed = RegQueryValueExW(key, name.c_str(), nullptr, &value.Type, value.Data.data(), &size) ==
                        ERROR_SUCCESS;
      }
      RegCloseKey(key);
    } else {
      // Remember the shallowest missing key on the path: everything below it is the test's.
      std::wstring path = KeyOf(value), missing = path;
      for (size_t cut = path.rfind(L'\\'); cut != std::wstring::npos; cut = path.rfind(L'\\', cut - 1)) {
        const std::wstring parent = path.substr(0, cut);
        if (RegOpenKeyExW(root, parent.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
          RegCloseKey(key);
          break;
        }
        missing = parent;
        if (cut == 0) break;
      }
      missingKeys_.insert({root, missing});
    }
    values_.push_back(value);
  }

  std::vector<TValue> values_;
  std::set<std::pair<HKEY, std::wstring>> missingKeys_;
};
