// What the user unticks in one area of a one-click run stays, whichever area reaches it: the
// registry area's records in a key that an unticked evidence item empties, an unticked junk file
// in the folder the evidence item for prefetch files empties, and the other way round.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "oneclick_page_fixture.h"
#include "scan_fixture.h"

namespace {

const char kKeptCleanerIni[] =
    "[WasteFileType]\r\n*.tmp=Temporary files\r\n"
    "[WasteCleanOption]\r\nSkipReadOnly=0\r\nSkipSystem=0\r\nSkipHide=0\r\nScanZero=0\r\n"
    "[HistoryList]\r\nSystem=0\r\nRun dialog history=2\r\nPrefetch files=8\r\n";

const std::wstring kRunMru = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

bool RunListHas(const std::wstring& name) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(HKEY_CURRENT_USER);
  return reg.OpenKeyReadOnly(kRunMru) && reg.ValueExists(name);
}

PVirtualNode RowNamed(TVirtualStringTree* tree, const std::wstring& text) {
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node))
    if (tree->Text(node, 0) == text) return node;
  return nullptr;
}

using OneClickKeptTest = OneClickPageTest;

// Each case unticks one evidence item, or one registry record and one junk file, and says what
// stays of the two values of the Run dialog's list and the two prefetch files.
TEST_F(OneClickKeptTest, WhatOneAreaLeavesUntickedNoOtherAreaTakes) {
  struct Case {
    const char* name;
    std::vector<std::wstring> untickedItems;  // evidence items
    bool untickFirstValue;                    // the registry record of value 0
    bool untickFirstFile;                     // the junk row of p0.tmp
    bool valuesStay[2];
    bool filesStay[2];
  } cases[] = {
      {"an evidence item unticked", {L"Run dialog history", L"Prefetch files"}, false, false, {true, true},
       {true, true}},
      {"a record and a junk file unticked", {}, true, true, {true, false}, {true, false}},
  };
  program_.WriteFile(L"Cleaner.ini", kKeptCleanerIni);
  TfrmOneClick* page = OpenWith(TOneClickOptions{true, true, true, false, false, false});
  ASSERT_NE(page, nullptr);
  const std::wstring prefetch = windows_.Path() + L"Prefetch\\";
  ASSERT_TRUE(ForceDirectories(prefetch));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TScanFixture fx;
    const std::wstring values[2] = {fx.Tag() + L"v0", fx.Tag() + L"v1"};
    for (const std::wstring& name : values) fx.SetString(HKEY_CURRENT_USER, kRunMru, name, L"cmd");
    const std::wstring files[2] = {prefetch + L"p0.tmp", prefetch + L"p1.tmp"};
    for (const std::wstring& file : files) WriteBytes(file, "prefetch");

    page->StartScan();
    ASSERT_EQ(page->btn->Caption(), L"Repair All");
    // The prefix's own problems and junk are left alone.
    for (PVirtualNode node = page->vdtReg->GetFirst(); node; node = page->vdtReg->GetNext(node)) {
      const std::wstring& name = page->RegistryEngine().Items[node->Index]->ValueName;
      if (name != values[1] && (name != values[0] || c.untickFirstValue))
        page->vdtReg->SetCheckState(node, TCheckState::csUncheckedNormal);
    }
    for (PVirtualNode node = page->vstFile->GetFirst(); node; node = page->vstFile->GetNext(node)) {
      const std::wstring& path = WasteFiles[node->Index]->Path;
      if (!SameText(path, files[1]) && (!SameText(path, files[0]) || c.untickFirstFile))
        page->vstFile->SetCheckState(node, TCheckState::csUncheckedNormal);
    }
    for (const std::wstring& item : c.untickedItems) {
      PVirtualNode row = RowNamed(page->vstHis, item);
      ASSERT_NE(row, nullptr) << WideToUtf8(item);
      page->vstHis->SetCheckState(row, TCheckState::csUncheckedNormal);
    }

    page->btn->Click();
    EXPECT_EQ(page->btn->Caption(), L"Finish");
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(RunListHas(values[i]), c.valuesStay[i]) << i;
      EXPECT_EQ(FileExists(files[i]), c.filesStay[i]) << i;
    }
    page->btn->Click();  // Finish
  }
}

}  // namespace
