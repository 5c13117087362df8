// The browser settings beside their defaults: how current values compare, what odd or missing
// values count as, and what writing a default back leaves in the registry.
#include "tools/iemanage/ie_recover.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/base/test_keys.h"
#include "tests/tools/iemanage/saved_ie_settings.h"

namespace {

void SetRaw(HKEY root, const std::wstring& path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

void SetText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
  SetRaw(root, path, name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void SetNumber(HKEY root, const std::wstring& path, const wchar_t* name, DWORD number) {
  SetRaw(root, path, name, REG_DWORD, &number, sizeof number);
}

void DeleteValue(HKEY root, const std::wstring& path, const wchar_t* name) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, name);
  RegCloseKey(key);
}

// The stored type and bytes of a value; REG_NONE and nothing when it is missing.
std::pair<DWORD, std::vector<BYTE>> Stored(HKEY root, const std::wstring& path, const wchar_t* name) {
  HKEY key;
  std::pair<DWORD, std::vector<BYTE>> stored{REG_NONE, {}};
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return stored;
  DWORD size = 0, type = REG_NONE;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    stored.second.resize(size);
    RegQueryValueExW(key, name, nullptr, &type, stored.second.data(), &size);
    stored.first = type;
  }
  RegCloseKey(key);
  return stored;
}

std::vector<BYTE> TextBytes(const std::wstring& text) {
  const BYTE* p = reinterpret_cast<const BYTE*>(text.c_str());
  return std::vector<BYTE>(p, p + (text.size() + 1) * sizeof(wchar_t));
}

std::vector<BYTE> NumberBytes(DWORD number) {
  const BYTE* p = reinterpret_cast<const BYTE*>(&number);
  return std::vector<BYTE>(p, p + sizeof number);
}

}  // namespace

TEST(IESettings, StringsCompareTrimmedAndInAnyCase) {
  struct Case {
    const wchar_t* current;
    const wchar_t* defaultValue;
    bool differs;
  };
  const Case cases[] = {
      {L"http://www.msn.com", L"http://www.msn.com", false},
      {L"  HTTP://WWW.MSN.COM \t", L"http://www.msn.com", false},
      {L"http://www.msn.com", L" Http://Www.Msn.Com ", false},
      {L"http://hijack.example/", L"http://www.msn.com", true},
      {L"http://www.msn.com/x", L"http://www.msn.com", true},
      {L"", L"http://www.msn.com", true},
      {L"   ", L"", false},
      {L"%SYSTEMROOT%\\System32\\blank.htm", L"%SystemRoot%\\system32\\blank.htm", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StringSettingDiffers(c.current, c.defaultValue), c.differs) << c.current << " / " << c.defaultValue;
}

TEST(IESettings, StringSettingsReadAsTextWhateverIsStored) {
  TestRegistryKey test(L"IEStrings");
  const std::wstring key = L"\\" + test.Path();
  const DWORD number = 5;
  SetText(HKEY_CURRENT_USER, test.Path(), L"padded", L"  HTTP://WWW.MSN.COM  ");
  SetText(HKEY_CURRENT_USER, test.Path(), L"expand", L"%SystemRoot%\\other.htm", REG_EXPAND_SZ);
  SetRaw(HKEY_CURRENT_USER, test.Path(), L"number", REG_DWORD, &number, sizeof number);
  SetText(HKEY_CURRENT_USER, test.Path(), L"", L"http://www.msn.com");
  struct Case {
    std::wstring subKey;
    const wchar_t* valueName;
    std::wstring current;
    bool needsRepair;
  };
  const Case cases[] = {
      {key, L"padded", L"  HTTP://WWW.MSN.COM  ", false},
      // References stay as stored.
      {key, L"expand", L"%SystemRoot%\\other.htm", true},
      // A number where text belongs reads as the empty text and does not stop the reading.
      {key, L"number", L"", true},
      {key, L"missing", L"", true},
      {key, L"", L"http://www.msn.com", false},
      {key + L"\\NoSuchKey", L"padded", L"", true},
  };
  for (const Case& c : cases) {
    const TStrRecoverItem row{L"Row", HKEY_CURRENT_USER, c.subKey.c_str(), c.valueName, L"http://www.msn.com", 1};
    const TIERecoverItem item = ReadStringSetting(row);
    EXPECT_EQ(item.CurrentStr, c.current) << c.valueName;
    EXPECT_EQ(item.NeedsRepair, c.needsRepair) << c.valueName;
    EXPECT_EQ(item.Kind, TIESettingKind::String);
    EXPECT_EQ(item.DefaultStr, L"http://www.msn.com");
    EXPECT_EQ(item.Category, 1);
  }
}

TEST(IESettings, RestrictionsThatAreMissingOrNotNumbersCountAsZero) {
  TestRegistryKey test(L"IERestrictions");
  const std::wstring key = L"\\" + test.Path();
  SetNumber(HKEY_CURRENT_USER, test.Path(), L"set", 1);
  SetNumber(HKEY_CURRENT_USER, test.Path(), L"clear", 0);
  SetText(HKEY_CURRENT_USER, test.Path(), L"text", L"1");
  const BYTE eightBytes[8] = {1};
  SetRaw(HKEY_CURRENT_USER, test.Path(), L"binary", REG_BINARY, eightBytes, sizeof eightBytes);
  struct Case {
    std::wstring subKey;
    const wchar_t* valueName;
    DWORD current;
    bool needsRepair;
  };
  const Case cases[] = {
      {key, L"set", 1, true},          {key, L"clear", 0, false},  {key, L"missing", 0, false},
      {key, L"text", 0, false},        {key, L"binary", 0, false}, {key + L"\\NoSuchKey", L"set", 0, false},
  };
  for (const Case& c : cases) {
    const TDWORDRecoverItem row{L"Row", HKEY_CURRENT_USER, c.subKey.c_str(), c.valueName, 0, 2};
    const TIERecoverItem item = ReadRestriction(row);
    EXPECT_EQ(item.CurrentDword, c.current) << c.valueName;
    EXPECT_EQ(item.NeedsRepair, c.needsRepair) << c.valueName;
    EXPECT_EQ(item.Kind, TIESettingKind::Number);
  }
}

TEST(IESettings, RestoreWritesTheDefaultInPlaceOfAnyOldValue) {
  TestRegistryKey test(L"IERestore");
  const std::wstring made = test.Path() + L"\\Made\\Here";
  // A text setting stored as a number, and a restriction stored as text.
  SetNumber(HKEY_CURRENT_USER, test.Path(), L"page", 9);
  SetText(HKEY_CURRENT_USER, test.Path(), L"lock", L"1");
  const std::wstring key = L"\\" + test.Path(), madeKey = L"\\" + made;

  TIERecoverItem page = ReadStringSetting(
      {L"Page", HKEY_CURRENT_USER, key.c_str(), L"page", L"%SystemRoot%\\system32\\blank.htm", 1});
  EXPECT_TRUE(RestoreIERecoverItem(page));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, test.Path(), L"page"),
            std::make_pair(DWORD(REG_SZ), TextBytes(L"%SystemRoot%\\system32\\blank.htm")));
  EXPECT_EQ(page.CurrentStr, L"%SystemRoot%\\system32\\blank.htm");
  EXPECT_FALSE(page.NeedsRepair);

  TIERecoverItem lock = ReadRestriction({L"Lock", HKEY_CURRENT_USER, key.c_str(), L"lock", 0, 2});
  EXPECT_TRUE(RestoreIERecoverItem(lock));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, test.Path(), L"lock"), std::make_pair(DWORD(REG_DWORD), NumberBytes(0)));

  // A missing key is made; the unnamed value is written as such.
  TIERecoverItem unnamed =
      ReadStringSetting({L"Unnamed", HKEY_CURRENT_USER, madeKey.c_str(), L"", L"http://www.msn.com", 1});
  EXPECT_TRUE(unnamed.NeedsRepair);
  EXPECT_TRUE(RestoreIERecoverItem(unnamed));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, made, L""), std::make_pair(DWORD(REG_SZ), TextBytes(L"http://www.msn.com")));
}

TEST(IESettings, ARestoreThatCannotWriteSaysSo) {
  TestRegistryKey test(L"IERestoreFails");
  // No key of this name can be made: key names are at most 255 characters.
  const std::wstring key = L"\\" + test.Path() + L"\\" + std::wstring(300, L'k');
  TIERecoverItem item = ReadStringSetting({L"Page", HKEY_CURRENT_USER, key.c_str(), L"page", L"x", 1});
  EXPECT_FALSE(RestoreIERecoverItem(item));
  EXPECT_TRUE(item.NeedsRepair);
  EXPECT_EQ(item.CurrentStr, L"");
}

TEST(IESettings, ScanReadsEveryStringRowThenEveryRestrictionFromTheRegistry) {
  SavedIESettings saved;
  const std::wstring mainKey = L"Software\\Microsoft\\Internet Explorer\\Main";
  const std::wstring controlPanel = L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
  SetText(HKEY_CURRENT_USER, mainKey, L"Start Page", L"  HTTP://WWW.MSN.COM ");
  SetText(HKEY_LOCAL_MACHINE, mainKey, L"Start Page", L"http://hijack.example/");
  SetNumber(HKEY_CURRENT_USER, controlPanel, L"GeneralTab", 1);
  DeleteValue(HKEY_CURRENT_USER, controlPanel, L"SecurityTab");

  const std::vector<TIERecoverItem> items = ScanIERecoverItems();
  ASSERT_EQ(items.size(), IEStringDefaults.size() + IERestrictionDefaults.size());
  for (size_t i = 0; i < IEStringDefaults.size(); ++i) {
    EXPECT_EQ(items[i].Kind, TIESettingKind::String) << i;
    EXPECT_EQ(items[i].Name, IEStringDefaults[i].Name) << i;
    EXPECT_EQ(items[i].DefaultStr, IEStringDefaults[i].DefaultValue) << i;
  }
  for (size_t i = 0; i < IERestrictionDefaults.size(); ++i) {
    const TIERecoverItem& item = items[IEStringDefaults.size() + i];
    EXPECT_EQ(item.Kind, TIESettingKind::Number) << i;
    EXPECT_EQ(item.Name, IERestrictionDefaults[i].Name) << i;
    EXPECT_EQ(item.Category, 2) << i;
  }
  EXPECT_EQ(items[0].CurrentStr, L"  HTTP://WWW.MSN.COM ");
  EXPECT_FALSE(items[0].NeedsRepair);
  EXPECT_EQ(items[6].Name, L"Start Page(all users)");
  EXPECT_TRUE(items[6].NeedsRepair);
  EXPECT_EQ(items[24].CurrentDword, 1u);
  EXPECT_TRUE(items[24].NeedsRepair);
  EXPECT_EQ(items[25].CurrentDword, 0u);
  EXPECT_FALSE(items[25].NeedsRepair);
}
