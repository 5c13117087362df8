// The registry cleaner page inside a main window of the test's own (PageTest, with the program's
// reopen step): question boxes answered in turn from `answers`, the registry editor replaced by
// a stand-in (unless a test asks for the real one), and seeds in the prefix through Fx.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/child_process.h"
#include "common/last_run.h"
#include "registry/cleaner_page/frmRegCleaner.h"
#include "registry/reg_backup.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "tests/base/test_files.h"
#include "tests/support/page_test_fixture.h"
#include "tests/support/registry_editor_stand_in.h"

class RegCleanerPageFixture : public PageTest<TfrmRegCleaner> {
 protected:
  // With realEditor the backups are made by the platform's registry editor.
  explicit RegCleanerPageFixture(bool realEditor = false)
      : PageTest<TfrmRegCleaner>(L"TfrmRegCleaner", L"btnRegsitryCleaner", {},
                                 [](TCustomForm* page) { static_cast<TfrmRegCleaner*>(page)->ShowAgain(); }),
        realEditor_(realEditor) {}

  void SetUp() override {
    PageTest<TfrmRegCleaner>::SetUp();
    answer = [this](const TRecordedBox& box) {
      if ((box.type & MB_TYPEMASK) == MB_OK) return IDOK;
      if (answers.empty()) return IDNO;
      const int next = answers.front();
      answers.erase(answers.begin());
      return next;
    };
    if (!realEditor_) editor_ = std::make_unique<RegistryEditorStandIn>();
  }

  void TearDown() override {
    PageTest<TfrmRegCleaner>::TearDown();
    editor_.reset();
  }

  // Opens the page with only the given categories ticked.
  TfrmRegCleaner* OpenFor(const std::vector<int>& categories) {
    TfrmRegCleaner* page = OpenPage();
    if (!page) return nullptr;
    for (int n = 1; n <= kRegCategoryCount; ++n)
      page->CategoryBox(n)->SetChecked(std::find(categories.begin(), categories.end(), n) != categories.end());
    return page;
  }

  bool Seeded(const TRegItem& item) const {
    return (item.KeyPath + L"|" + item.ValueName).find(Fx.Tag()) != std::wstring::npos;
  }

  // The records of the open page's registry task.
  TRegItemList& Records() const { return Page()->Task()->Engine().Items; }
  uint8_t& ScanState() const { return Page()->Task()->Engine().ScanState; }

  std::vector<TRegItem*> SeededRecords() const {
    std::vector<TRegItem*> seeded;
    for (const auto& item : Records())
      if (Seeded(*item)) seeded.push_back(item.get());
    return seeded;
  }

  // Unticks every result row that is not one of this test's seeds, so cleaning touches nothing
  // the prefix had before.
  void KeepOnlySeeds(TfrmRegCleaner* page) {
    TVirtualStringTree* tree = page->vdtScanResult;
    for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node))
      if (!Seeded(*Records()[node->Index])) tree->SetCheckState(node, TCheckState::csUncheckedNormal);
  }

  bool NavigationEnabled() const { return !NavigationLocked(); }

  std::vector<std::wstring> BoxTexts() const {
    std::vector<std::wstring> texts;
    for (const TRecordedBox& box : boxes) texts.push_back(box.text);
    return texts;
  }

  // The last-run record of the registry cleaner.
  struct LastRegRecord {
    TDateTime when = 0;
    int scanNum = -1, clearNum = -1;
  };
  static LastRegRecord LastReg() {
    LastRegRecord last;
    LoadLastRegInfo(last.when, last.scanNum, last.clearNum);
    return last;
  }

  TScanFixture Fx;
  std::vector<int> answers;  // the answers to question boxes, in order (then No)
  // The stand-in's record of editor calls, and whether its exports succeed.
  std::vector<std::wstring>& editorCalls() { return editor_->calls; }
  void SetBackupWorks(bool works) { editor_->works = works; }

 private:
  bool realEditor_;
  std::unique_ptr<RegistryEditorStandIn> editor_;
};
