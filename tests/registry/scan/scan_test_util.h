// Small helpers shared by the category tests: a fixture with an engine of its own, and comparing
// record lists without regard to enumeration order.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "base/registry_key.h"
#include "base/strings.h"
#include "scan_fixture.h"

// Base of the category tests that scan with an engine instance of their own (its records start
// unselected, as the first instance's do) and seed through Fx.
class OwnEngineScanTest : public ::testing::Test {
 protected:
  OwnEngineScanTest() { ScanState = CleanState = kRegStateRunning; }
  TRegScanEngine Engine{0};
  uint8_t& ScanState = Engine.ScanState;
  uint8_t& CleanState = Engine.CleanState;
  TScanFixture Fx;
};

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
