// The shipped modules Quillstead.dll and Halvorine.dll: every definition is well formed, and in
// the throwaway prefix every fix applies, is then found in place, and applying it again
// changes nothing. The keys they touch are put back afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/strings.h"
#include "cleaners/fixes/fix_lists.h"
#include "cleaners/fixes/fix_resource.h"
#include "cleaners/fixes/fix_text.h"
#include "fix_registry_fixture.h"
#include "registry/reg_names.h"
#include "registry_snapshot.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"

namespace {

struct ShippedKey {
  HKEY root;
  std::wstring subKey;
};

// Every value of every key, so two moments can be compared.
std::map<std::wstring, RawValue> Dump(const std::vector<ShippedKey>& keys) {
  std::map<std::wstring, RawValue> values;
  for (const ShippedKey& k : keys) {
    const std::wstring prefix = std::to_wstring(RootKeyValue(k.root)) + L"\\" + k.subKey + L"\\";
    HKEY key;
    if (RegOpenKeyExW(k.root, k.subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    for (DWORD i = 0;; ++i) {
      wchar_t name[16384];
      DWORD nameLength = 16384;
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      values[prefix + name] = GetValue(k.root, k.subKey, name);
    }
    RegCloseKey(key);
  }
  return values;
}

// The values that differ between two dumps, or exist in one only.
std::vector<std::string> Changes(const std::map<std::wstring, RawValue>& before,
                                 const std::map<std::wstring, RawValue>& after) {
  std::vector<std::string> changes;
  for (const auto& entry : before) {
    const auto found = after.find(entry.first);
    if (found == after.end() || !(found->second == entry.second)) changes.push_back(WideToUtf8(entry.first));
  }
  for (const auto& entry : after)
    if (!before.count(entry.first)) changes.push_back(WideToUtf8(entry.first));
  return changes;
}

class ShippedFixes : public ::testing::Test {
 protected:
  void SetUp() override {
    quillstead_ = ReadRcData(L"SHIPPED_QUILLSTEAD");
    halvorine_ = ReadRcData(L"SHIPPED_HALVORINE");
    ASSERT_FALSE(quillstead_.empty());
    ASSERT_FALSE(halvorine_.empty());
    folder_.WriteFile(kSysFixModule, quillstead_);
    folder_.WriteFile(kFileFixModule, halvorine_);
    ClearSysItems();
    ClearFileItems();
  }
  void TearDown() override {
    ClearSysItems();
    ClearFileItems();
  }

  // The section keys of the system fixes and the association keys of both tables.
  std::vector<ShippedKey> Keys() {
    std::vector<ShippedKey> keys;
    LoadSysFixes();
    for (const TSysItem& item : SysItems)
      for (const std::wstring& line : SplitFixTextLines(item.Text)) {
        const TFixLine parsed = ParseFixLine(line);
        if (parsed.Kind != TFixLineKind::Value && parsed.Kind != TFixLineKind::Malformed) {
          const TFixKey key = ParseFixKeyPath(parsed.KeyPath);
          keys.push_back({key.Root, key.SubKey});
        }
      }
    ClearSysItems();
    for (const wchar_t* module : {kSysFixModule, kFileFixModule}) {
      TFixModule loaded(module);
      for (const std::wstring& line : SplitIndexLines(ReadFixResourceText(loaded.Handle(), L"FILE"))) {
        TFileFixLine parsed;
        if (ParseFileFixLine(line, parsed)) keys.push_back({HKEY_CLASSES_ROOT, parsed.Key});
      }
    }
    return keys;
  }

  std::string quillstead_, halvorine_;
  TestProgramFolder folder_;
};

TEST_F(ShippedFixes, EveryDefinitionIsWellFormed) {
  TFixModule module(kSysFixModule);
  ASSERT_NE(module.Handle(), nullptr);
  const std::vector<std::wstring> index = SplitIndexLines(ReadFixResourceText(module.Handle(), L"SYSTEM"));
  ASSERT_FALSE(index.empty());
  std::set<std::wstring> names;
  for (const std::wstring& entry : index) {
    SCOPED_TRACE(WideToUtf8(entry));
    std::wstring name, description;
    ASSERT_TRUE(ParseSysIndexLine(entry, name, description));
    EXPECT_TRUE(names.insert(UpperCase(name)).second) << "named twice";
    const std::vector<std::wstring> lines = SplitFixTextLines(ReadFixResourceText(module.Handle(), L"SYS_" + name));
    ASSERT_FALSE(lines.empty()) << "no fix text";
    EXPECT_EQ(lines[0][0], L'[') << "a value before the first section";
    for (const std::wstring& line : lines) {
      const TFixLine parsed = ParseFixLine(line);
      EXPECT_NE(parsed.Kind, TFixLineKind::Malformed) << WideToUtf8(line);
      if (parsed.Kind == TFixLineKind::Section || parsed.Kind == TFixLineKind::DeleteSection) {
        EXPECT_NE(ParseFixKeyPath(parsed.KeyPath).Root, nullptr) << WideToUtf8(line);
      }
    }
  }
  for (const wchar_t* name : {kSysFixModule, kFileFixModule}) {
    TFixModule tables(name);
    const std::vector<std::wstring> rows = SplitIndexLines(ReadFixResourceText(tables.Handle(), L"FILE"));
    EXPECT_FALSE(rows.empty()) << WideToUtf8(name);
    for (const std::wstring& row : rows) {
      TFileFixLine parsed;
      EXPECT_TRUE(ParseFileFixLine(row, parsed)) << WideToUtf8(row);
    }
  }
}

TEST_F(ShippedFixes, SystemFixesApplyAndApplyingAgainChangesNothing) {
  const std::vector<ShippedKey> keys = Keys();
  RegistrySnapshot snapshot;
  for (const ShippedKey& key : keys) snapshot.Add(key.root, key.subKey);

  LoadSysFixes();
  ASSERT_FALSE(SysItems.empty());
  EXPECT_EQ(ApplySysFixes(), 0);
  const auto once = Dump(keys);

  // Scanned and repaired again: everything is in place and nothing more is written.
  ClearSysItems();
  LoadSysFixes();
  EXPECT_EQ(SysFixCount, 0);
  for (const TSysItem& item : SysItems) EXPECT_FALSE(item.NeedsFix) << WideToUtf8(item.Description);
  EXPECT_EQ(ApplySysFixes(), 0);
  EXPECT_EQ(Changes(once, Dump(keys)), std::vector<std::string>{});
}

TEST_F(ShippedFixes, AssociationsApplyAndApplyingAgainChangesNothing) {
  const std::vector<ShippedKey> keys = Keys();
  RegistrySnapshot snapshot;
  for (const ShippedKey& key : keys) snapshot.Add(key.root, key.subKey);

  // Each module's table in turn, read the way one-click maintenance reads it.
  for (const std::string* module : {&halvorine_, &quillstead_}) {
    folder_.WriteFile(kFileFixModule, *module);
    ClearFileItems();
    LoadFileFixes();
    EXPECT_EQ(ApplyFileFixes(), 0);
    const auto once = Dump(keys);

    ClearFileItems();
    std::vector<std::wstring> rows;
    LoadFileFixes([&](const TFileItem& row) { rows.push_back(row.Path); });
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(FileFixCount, 0);
    EXPECT_TRUE(FileItems.empty());
    EXPECT_EQ(ApplyFileFixes(), 0);
    EXPECT_EQ(Changes(once, Dump(keys)), std::vector<std::string>{});
  }
}

}  // namespace
