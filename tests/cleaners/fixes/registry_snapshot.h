// Puts registry keys back as they were: keys that existed are copied aside whole and copied
// back, keys that did not exist are removed from their first missing ancestor down. Taken
// before a test changes real system keys in the throwaway prefix.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

class RegistrySnapshot {
 public:
  RegistrySnapshot() : store_(L"Software\\QuillsteadTest\\Snapshot_" + std::to_wstring(GetCurrentProcessId())) {
    RegDeleteTreeW(HKEY_CURRENT_USER, store_.c_str());
  }
  ~RegistrySnapshot() {
    for (auto it = keys_.rbegin(); it != keys_.rend(); ++it) Restore(*it);
    RegDeleteTreeW(HKEY_CURRENT_USER, store_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, store_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\QuillsteadTest");
  }
  RegistrySnapshot(const RegistrySnapshot&) = delete;
  RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

  void Add(HKEY root, const std::wstring& subKey) {
    for (const Entry& e : keys_)
      if (e.root == root && _wcsicmp(e.subKey.c_str(), subKey.c_str()) == 0) return;
    Entry entry{root, subKey, L"", L""};
    HKEY key;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
      entry.copy = store_ + L"\\" + std::to_wstring(keys_.size());
      HKEY copy;
      if (RegCreateKeyExW(HKEY_CURRENT_USER, entry.copy.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &copy,
                          nullptr) == ERROR_SUCCESS) {
        EXPECT_EQ(RegCopyTreeW(key, nullptr, copy), ERROR_SUCCESS) << "cannot keep a copy";
        RegCloseKey(copy);
      }
      RegCloseKey(key);
    } else {
      entry.firstMissing = FirstMissing(root, subKey);
    }
    keys_.push_back(entry);
  }

 private:
  struct Entry {
    HKEY root;
    std::wstring subKey;
    std::wstring copy;          // existed: where its copy is
    std::wstring firstMissing;  // did not exist: the ancestor to remove
  };

  static std::wstring FirstMissing(HKEY root, const std::wstring& subKey) {
    size_t pos = 0;
    while (true) {
      pos = subKey.find(L'\\', pos + 1);
      const std::wstring prefix = subKey.substr(0, pos);
      HKEY key;
      if (RegOpenKeyExW(root, prefix.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return prefix;
      RegCloseKey(key);
      if (pos == std::wstring::npos) return subKey;
    }
  }

  void Restore(const Entry& e) const {
    if (e.copy.empty()) {
      RegDeleteTreeW(e.root, e.firstMissing.c_str());
      RegDeleteKeyW(e.root, e.firstMissing.c_str());
      return;
    }
    HKEY key, copy;
    if (RegCreateKeyExW(e.root, e.subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
      ADD_FAILURE() << "cannot reopen a key to restore";
      return;
    }
    if (RegOpenKeyExW(HKEY_CURRENT_USER, e.copy.c_str(), 0, KEY_READ, &copy) == ERROR_SUCCESS) {
      RegDeleteTreeW(key, nullptr);
      EXPECT_EQ(RegCopyTreeW(copy, nullptr, key), ERROR_SUCCESS) << "cannot restore a key";
      RegCloseKey(copy);
    }
    RegCloseKey(key);
  }

  std::wstring store_;
  std::vector<Entry> keys_;
};
