// Small helpers shared by the category tests: building expected records and comparing lists
// without regard to enumeration order.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "base/registry_key.h"
#include "base/strings.h"
#include "scan_fixture.h"

// A record as a scanner of the first instance appends it.
inline TRegItem Record(HKEY Root, const wchar_t* RootName, const std::wstring& BaseKey, const std::wstring& KeyPath,
                       const std::wstring& ValueName, const std::wstring& ValueData, const std::wstring& ProblemType,
                       const std::wstring& Description, int32_t Category, uint8_t Action) {
  TRegItem item;
  item.RootKey = Root;
  item.RootName = RootName;
  item.BaseKey = BaseKey;
  item.KeyPath = KeyPath;
  item.ValueName = ValueName;
  item.ValueData = ValueData;
  item.ProblemType = ProblemType;
  item.Description = Description;
  item.Category = Category;
  item.Action = Action;
  return item;
}

inline std::vector<TRegItem> SortedRecords(std::vector<TRegItem> Items) {
  std::sort(Items.begin(), Items.end(), [](const TRegItem& A, const TRegItem& B) {
    return std::tie(A.KeyPath, A.ValueName, A.ProblemType, A.Description) <
           std::tie(B.KeyPath, B.ValueName, B.ProblemType, B.Description);
  });
  return Items;
}

// Every field of the two lists, in any order.
#define EXPECT_SAME_RECORDS(actual, expected) EXPECT_EQ(SortedRecords(actual), SortedRecords(expected))

// Cleaning and the exclusion match address keys by these records: every KeyPath must name an
// existing key below the record's root (beginning with one backslash, none doubled), and a
// value record the value that is there. BaseKey, when set, is such a path too.
inline void ExpectAddressable(const std::vector<TRegItem>& Items) {
  auto wellFormed = [](const std::wstring& Path) {
    return !Path.empty() && Path[0] == L'\\' && Path.find(L"\\\\") == std::wstring::npos && Path.back() != L'\\';
  };
  for (const TRegItem& item : Items) {
    SCOPED_TRACE(WideToUtf8(item.RootName + item.KeyPath));
    EXPECT_TRUE(wellFormed(item.KeyPath));
    EXPECT_TRUE(item.BaseKey.empty() || wellFormed(item.BaseKey)) << WideToUtf8(item.BaseKey);
    TRegistry reg(KEY_READ);
    reg.SetRootKey(item.RootKey);
    ASSERT_TRUE(reg.OpenKeyReadOnly(item.KeyPath));
    if (item.Action == 2) {
      EXPECT_TRUE(reg.ValueExists(item.ValueName == L"\u9ED8\u8BA4" ? L"" : item.ValueName))
          << WideToUtf8(item.ValueName);
    }
    if (!item.BaseKey.empty()) {
      EXPECT_TRUE(reg.KeyExists(item.BaseKey)) << WideToUtf8(item.BaseKey);
    }
  }
}
