// Small helpers shared by the category tests: building expected records and comparing lists
// without regard to enumeration order.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

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
