// The registry cleaner page inside a main window of the test's own: a throwaway program folder,
// message boxes recorded and answered in turn, a hook on every pump, the registry editor replaced
// by a stand-in (unless a test asks for the real one), and seeds in the prefix through Fx.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/frmmain.h"
#include "app/page_table.h"
#include "base/message_pump.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "registry/cleaner_page/frmRegCleaner.h"
#include "registry/reg_backup.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"

struct RecordedBox {
  std::wstring text, caption;
  UINT type;
};

class RegCleanerPageFixture : public ::testing::Test {
 protected:
  // With realEditor the backups are made by the platform's registry editor.
  explicit RegCleanerPageFixture(bool realEditor = false) : realEditor_(realEditor) {}

  void SetUp() override {
    SetMessageBoxFunc([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
      boxes.push_back({text, caption, type});
      if ((type & MB_TYPEMASK) == MB_OK) return IDOK;
      if (answers.empty()) return IDNO;
      const int answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    });
    previousPump_ = SetMessagePump([this] {
      Application->ProcessMessages();
      if (onPump) onPump();
    });
    if (!realEditor_) {
      // Writes a small file of the editor's format, or fails the way an editor that cannot
      // write does (exit code 1, no file).
      SetRegistryEditorRunnerForTesting([this](const std::wstring& commandLine, DWORD& exitCode) {
        editorCalls.push_back(commandLine);
        const size_t open = commandLine.find(L'"');
        if (backupWorks && open != std::wstring::npos)
          WriteBytes(commandLine.substr(open + 1, commandLine.rfind(L'"') - open - 1),
                     "Windows Registry Editor Version 5.00\r\n");
        exitCode = backupWorks ? 0 : 1;
        return true;
      });
    }
    SetPageFactory(L"TfrmRegCleaner", [](TComponent* owner) { return new TfrmRegCleaner(owner); }, {},
                   [](TCustomForm* page) { static_cast<TfrmRegCleaner*>(page)->ShowAgain(); });
    main_ = new Tfrmmain(Application);
    frmmain = main_;
    main_->Show();
    Application->ProcessMessages();
  }

  void TearDown() override {
    onPump = nullptr;
    delete main_;
    frmmain = nullptr;
    SetPageFactory(L"TfrmRegCleaner", nullptr);
    SetRegistryEditorRunnerForTesting(nullptr);
    SetMessagePump(previousPump_);
    SetMessageBoxFunc(nullptr);
    RegScanEngine.ClearRegItems();
    RegScanEngine.FreeRegExcludeList();
    RegScanState = RegCleanState = kRegStateFinished;
  }

  TfrmRegCleaner* Open() {
    main_->SelectSection(1);
    main_->btnRegsitryCleaner->Click();
    return dynamic_cast<TfrmRegCleaner*>(main_->PageOfButton(L"btnRegsitryCleaner"));
  }

  // Opens the page with only the given categories ticked.
  TfrmRegCleaner* OpenFor(const std::vector<int>& categories) {
    TfrmRegCleaner* page = Open();
    if (!page) return nullptr;
    for (int n = 1; n <= kRegCategoryCount; ++n)
      page->CategoryBox(n)->SetChecked(std::find(categories.begin(), categories.end(), n) != categories.end());
    return page;
  }

  bool Seeded(const TRegItem& item) const {
    return (item.KeyPath + L"|" + item.ValueName).find(Fx.Tag()) != std::wstring::npos;
  }

  std::vector<TRegItem*> SeededRecords() const {
    std::vector<TRegItem*> seeded;
    for (const auto& item : RegItems)
      if (Seeded(*item)) seeded.push_back(item.get());
    return seeded;
  }

  // Unticks every result row that is not one of this test's seeds, so cleaning touches nothing
  // the prefix had before.
  void KeepOnlySeeds(TfrmRegCleaner* page) {
    TVirtualStringTree* tree = page->vdtScanResult;
    for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node))
      if (!Seeded(*RegItems[node->Index])) tree->SetCheckState(node, TCheckState::csUncheckedNormal);
  }

  bool NavigationEnabled() const { return main_->btnHome->Enabled() && main_->btnRegsitryCleaner->Enabled(); }

  std::vector<std::wstring> BoxTexts() const {
    std::vector<std::wstring> texts;
    for (const RecordedBox& box : boxes) texts.push_back(box.text);
    return texts;
  }

  TestProgramFolder Program;
  TScanFixture Fx;
  Tfrmmain* main_ = nullptr;
  std::vector<RecordedBox> boxes;
  std::vector<int> answers;  // the answers to question boxes, in order (then No)
  std::vector<std::wstring> editorCalls;
  bool backupWorks = true;
  std::function<void()> onPump;

 private:
  bool realEditor_;
  TMessagePump previousPump_;
};
