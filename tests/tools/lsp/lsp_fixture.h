// A Winsock2 Parameters key of the test's own below HKEY_LOCAL_MACHINE, with helpers that write
// catalogs into it, removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/strings.h"
#include "tools/lsp/lsp_catalog.h"

class LspFixtureKey {
 public:
  LspFixtureKey()
      : path_(L"Software\\QuillsteadTest\\lsp_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
              std::to_wstring(GetTickCount()) + L"\\Parameters") {
    SetWinsockParametersKeyForTesting(Key());
  }
  ~LspFixtureKey() {
    SetWinsockParametersKeyForTesting(L"");
    const std::wstring top = path_.substr(0, path_.rfind(L'\\'));
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, top.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, top.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\QuillsteadTest");
  }
  LspFixtureKey(const LspFixtureKey&) = delete;
  LspFixtureKey& operator=(const LspFixtureKey&) = delete;

  // With a leading backslash, as the reader takes it.
  std::wstring Key() const { return L"\\" + path_; }
  // As a .reg file names it.
  std::wstring RegName() const { return L"HKEY_LOCAL_MACHINE\\" + path_; }

  void SetString(const std::wstring& sub, const std::wstring& name, const std::wstring& value) {
    Set(sub, name, REG_SZ, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
  }
  void SetDword(const std::wstring& sub, const std::wstring& name, DWORD value) {
    Set(sub, name, REG_DWORD, &value, sizeof value);
  }
  void SetBinary(const std::wstring& sub, const std::wstring& name, const std::vector<BYTE>& data) {
    Set(sub, name, REG_BINARY, data.data(), data.size());
  }
  void CreateKey(const std::wstring& sub) { Set(sub, L"", REG_NONE, nullptr, 0, false); }

  // Both catalogs named and present, with `count` as the protocol catalog's entry count.
  void Catalogs(DWORD count) {
    SetString(L"", L"Current_Protocol_Catalog", L"Protocol_Catalog9");
    SetString(L"", L"Current_NameSpace_Catalog", L"NameSpace_Catalog5");
    CreateKey(L"NameSpace_Catalog5\\Catalog_Entries");
    CreateKey(L"Protocol_Catalog9\\Catalog_Entries");
    SetDword(L"Protocol_Catalog9", L"Num_Catalog_Entries", count);
  }
  void Entry(const std::wstring& name, const std::vector<BYTE>& packed) {
    SetBinary(L"Protocol_Catalog9\\Catalog_Entries\\" + name, L"PackedCatalogItem", packed);
  }

 private:
  void Set(const std::wstring& sub, const std::wstring& name, DWORD type, const void* data, size_t size,
           bool value = true) {
    HKEY h;
    const std::wstring path = sub.empty() ? path_ : path_ + L"\\" + sub;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    if (value)
      RegSetValueExW(h, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    RegCloseKey(h);
  }

  std::wstring path_;
};

// A packed record of `size` bytes: the path, the GUID {01020304-0506-0708-090A-0B0C0D0E0F10}
// and the protocol name, each where it fits.
inline std::vector<BYTE> PackedItem(const std::string& path, const std::wstring& name, size_t size = 888) {
  std::vector<BYTE> data(size > 1024 ? size : 1024, 0);
  std::memcpy(data.data(), path.data(), path.size() < 259 ? path.size() : 259);
  for (int i = 0; i < 16; ++i) data[280 + i] = static_cast<BYTE>(i + 1);
  for (size_t i = 0; i < name.size() && 376 + 2 * i + 1 < data.size(); ++i) {
    data[376 + 2 * i] = static_cast<BYTE>(name[i] & 0xFF);
    data[377 + 2 * i] = static_cast<BYTE>(name[i] >> 8);
  }
  data.resize(size);
  return data;
}

inline const wchar_t* kFixtureGuid = L"{04030201-0605-0807-090A-0B0C0D0E0F10}";

// The bytes of a .reg file as the registry editor writes them: UTF-16 with its byte-order mark.
inline std::string RegFileBytes(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  return bytes;
}

// An export that replaces the entries of the catalog below `regName` with `entries` records
// named "Entry 1" ... and sets their count to `count`.
inline std::string CatalogExport(const std::wstring& regName, int entries, int count) {
  const std::wstring catalog = regName + L"\\Protocol_Catalog9";
  std::wstring text = L"Windows Registry Editor Version 5.00\r\n\r\n[-" + catalog + L"\\Catalog_Entries]\r\n\r\n[" +
                      regName + L"]\r\n\"Current_Protocol_Catalog\"=\"Protocol_Catalog9\"\r\n"
                      L"\"Current_NameSpace_Catalog\"=\"NameSpace_Catalog5\"\r\n\r\n[" +
                      catalog + L"]\r\n\"Num_Catalog_Entries\"=dword:" + LowerCase(IntToHex(count, 8)) + L"\r\n\r\n";
  for (int i = 1; i <= entries; ++i) {
    text += L"[" + catalog + L"\\Catalog_Entries\\00000000000" + std::to_wstring(i) + L"]\r\n\"PackedCatalogItem\"=hex:";
    const std::vector<BYTE> data = PackedItem("%SystemRoot%\\system32\\mswsock.dll", L"Entry " + std::to_wstring(i));
    for (size_t b = 0; b < data.size(); ++b) text += (b ? L"," : L"") + LowerCase(IntToHex(data[b], 2));
    text += L"\r\n\r\n";
  }
  return RegFileBytes(text);
}

// This prefix's own Winsock2 Parameters key, set as a fresh Wine prefix has it (only an empty
// Protocol_Catalog9\Catalog_Entries: no catalog names, no name-space catalog) while the object
// lives, and put back as it was afterwards.
class FreshWinsockKey {
 public:
  FreshWinsockKey()
      : saved_(L"Software\\QuillsteadTest\\winsock_saved_" + std::to_wstring(GetCurrentProcessId())) {
    SetWinsockParametersKeyForTesting(L"");
    HKEY parameters = Open(kParameters, false);
    if (parameters) {
      HKEY saved = Open(saved_, true);
      EXPECT_EQ(RegCopyTreeW(parameters, nullptr, saved), ERROR_SUCCESS);
      RegCloseKey(saved);
      RegCloseKey(parameters);
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, kParameters);
      had_ = true;
    }
    HKEY fresh = Open(std::wstring(kParameters) + L"\\Protocol_Catalog9\\Catalog_Entries", true);
    EXPECT_NE(fresh, nullptr);
    if (fresh) RegCloseKey(fresh);
  }
  ~FreshWinsockKey() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kParameters);
    if (had_) {
      HKEY saved = Open(saved_, false);
      HKEY parameters = Open(kParameters, true);
      if (saved && parameters) RegCopyTreeW(saved, nullptr, parameters);
      if (parameters) RegCloseKey(parameters);
      if (saved) RegCloseKey(saved);
    } else {
      RegDeleteKeyW(HKEY_LOCAL_MACHINE, kParameters);
    }
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, saved_.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, saved_.c_str());
  }
  FreshWinsockKey(const FreshWinsockKey&) = delete;
  FreshWinsockKey& operator=(const FreshWinsockKey&) = delete;

 private:
  static constexpr const wchar_t* kParameters = L"System\\CurrentControlSet\\Services\\Winsock2\\Parameters";

  static HKEY Open(const std::wstring& path, bool create) {
    HKEY key = nullptr;
    const LONG rc = create ? RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, nullptr)
                           : RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    return rc == ERROR_SUCCESS ? key : nullptr;
  }

  std::wstring saved_;
  bool had_ = false;
};
