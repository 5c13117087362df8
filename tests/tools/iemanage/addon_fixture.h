// Browser add-ons of the test's own in the prefix's registry: classes with fresh identifiers,
// registered where the browser looks for helper objects, toolbars, explorer bars and extensions.
// Everything made here is removed again.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/cleaners/activex/new_clsid.h"
#include "tools/iemanage/ie_addons.h"

const wchar_t kClassesKey[] = L"SOFTWARE\\Classes\\CLSID\\";
const wchar_t kHelperObjectsKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects";
const wchar_t kToolbarKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer\\Toolbar";
const wchar_t kExplorerBarsKey[] = L"SOFTWARE\\Microsoft\\Windows\\Internet Explorer\\Explorer Bars";
const wchar_t kExtensionsKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
// A file with version information in every prefix.
const wchar_t kServerWithVersion[] = L"%SystemRoot%\\system32\\kernel32.dll";

class AddonFixture {
 public:
  ~AddonFixture() {
    for (const auto& key : keys_) {
      RegDeleteTreeW(key.first, key.second.c_str());
      RegDeleteKeyW(key.first, key.second.c_str());
    }
    for (const std::wstring& value : toolbarValues_) {
      HKEY key;
      if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kToolbarKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) continue;
      RegDeleteValueW(key, value.c_str());
      RegCloseKey(key);
    }
  }

  // A class with a name and an in-process server (stored as an expandable string).
  std::wstring Class(const std::wstring& name, const std::wstring& server) {
    const std::wstring id = NewClsid();
    keys_.push_back({HKEY_LOCAL_MACHINE, kClassesKey + id});
    SetText(HKEY_LOCAL_MACHINE, kClassesKey + id, L"", name);
    SetText(HKEY_LOCAL_MACHINE, kClassesKey + id + L"\\InprocServer32", L"", server, REG_EXPAND_SZ);
    return id;
  }
  // A class without an in-process server.
  std::wstring ClassWithoutServer(const std::wstring& name) {
    const std::wstring id = NewClsid();
    keys_.push_back({HKEY_LOCAL_MACHINE, kClassesKey + id});
    SetText(HKEY_LOCAL_MACHINE, kClassesKey + id, L"", name);
    return id;
  }

  // Registrations; each returns the key path the scan reports, with its leading backslash.
  std::wstring HelperObject(const std::wstring& id) { return MakeKey(HKEY_LOCAL_MACHINE, kHelperObjectsKey, id); }
  std::wstring ExplorerBar(HKEY root, const std::wstring& id) { return MakeKey(root, kExplorerBarsKey, id); }
  std::wstring Toolbar(const std::wstring& id) {
    toolbarValues_.push_back(id);
    SetText(HKEY_LOCAL_MACHINE, kToolbarKey, id.c_str(), L"");
    return std::wstring(L"\\") + kToolbarKey;
  }
  // An extension button: its key with the given values (name, text) made below Extensions.
  std::wstring Extension(const std::vector<std::pair<std::wstring, std::wstring>>& values) {
    const std::wstring path = MakeKey(HKEY_LOCAL_MACHINE, kExtensionsKey, NewClsid());
    for (const auto& value : values) SetText(HKEY_LOCAL_MACHINE, path.substr(1), value.first.c_str(), value.second);
    return path;
  }

  static void SetRaw(HKEY root, const std::wstring& path, const wchar_t* name, DWORD type, const void* data,
                     DWORD size) {
    HKEY key;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
      return;
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  static void SetText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& text,
                      DWORD type = REG_SZ) {
    SetRaw(root, path, name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  static bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  static bool ValueExists(HKEY root, const std::wstring& path, const std::wstring& name) {
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const bool exists = RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
  }

 private:
  std::wstring MakeKey(HKEY root, const std::wstring& parent, const std::wstring& name) {
    const std::wstring path = parent + L"\\" + name;
    HKEY key;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
      RegCloseKey(key);
    keys_.push_back({root, path});
    return L"\\" + path;
  }
  std::vector<std::pair<HKEY, std::wstring>> keys_;
  std::vector<std::wstring> toolbarValues_;
};
