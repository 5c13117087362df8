// A feature page inside a main window of the test's own: the page factory set (with the steps the
// program gives it, if any), a throwaway program folder, pumping through the application (then
// `onPump`, which lets a test act while the page is busy), and every message box recorded and
// answered by `answer` (OK unless a test says otherwise).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/frmmain.h"
#include "app/page_table.h"
#include "app/sections.h"
#include "base/message_pump.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "gui/timer.h"
#include "tests/base/test_program_folder.h"

struct TRecordedBox {
  std::wstring text, caption;
  UINT type;
};

template <typename TPage>
class PageTest : public ::testing::Test {
 protected:
  PageTest(const wchar_t* pageClass, const wchar_t* button, TPageStep firstTime = {}, TPageStep reopen = {})
      : pageClass_(pageClass), button_(button), firstTime_(std::move(firstTime)), reopen_(std::move(reopen)) {}

  void SetUp() override {
    SetMessageBoxFunc([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
      boxes.push_back({text, caption, type});
      return answer ? answer(boxes.back()) : IDOK;
    });
    previousPump_ = SetMessagePump([this] {
      Application->ProcessMessages();
      if (onPump) onPump();
    });
    SetPageFactory(pageClass_, [](TComponent* owner) { return new TPage(owner); }, firstTime_, reopen_);
    main_ = new Tfrmmain(Application);
    frmmain = main_;
    main_->Show();
    Application->ProcessMessages();
  }

  void TearDown() override {
    onPump = nullptr;
    dialogTimer_.reset();
    delete main_;
    frmmain = nullptr;
    SetPageFactory(pageClass_, nullptr);
    SetMessagePump(previousPump_);
    SetMessageBoxFunc(nullptr);
  }

  // Selects the section whose button group holds the page's navigation button, so the button
  // is visible, and clicks it.
  TPage* OpenPage() {
    auto* button = dynamic_cast<TControl*>(main_->FindComponent(button_));
    EXPECT_NE(button, nullptr) << "no navigation button named " << std::string(button_.begin(), button_.end());
    if (!button) return nullptr;
    for (int section = 0; section < kSectionCount; ++section) {
      const int group = SectionInfo(section).Group;
      if (group < 0) continue;
      TComponent* panel = main_->FindComponent(kGroupPanels[group]);
      bool inGroup = false;
      for (TControl* c = button; c && !inGroup; c = c->Parent()) inGroup = c == panel;
      if (inGroup) {
        main_->SelectSection(section);
        break;
      }
    }
    button->Click();
    Application->ProcessMessages();
    return dynamic_cast<TPage*>(main_->PageOfButton(button_));
  }

  // While the page shows the modal window that `find` returns: `act` runs on it once (the window
  // stays open unless `act` closes it).
  template <typename TDialog>
  void WhenDialogShows(std::function<TDialog*(TPage*)> find, std::function<void(TDialog*)> act) {
    dialogTimer_.reset(new TTimer(nullptr));
    dialogTimer_->SetInterval(30);
    dialogTimer_->OnTimer = [this, find, act](TObject*) {
      auto* page = dynamic_cast<TPage*>(main_->PageOfButton(button_));
      TDialog* dialog = page ? find(page) : nullptr;
      if (!dialog || !dialog->Visible()) return;
      dialogTimer_->SetEnabled(false);
      act(dialog);
    };
  }

  // Each box shown so far as "text|caption".
  std::vector<std::wstring> BoxesShown() const {
    std::vector<std::wstring> shown;
    for (const TRecordedBox& box : boxes) shown.push_back(box.text + L"|" + box.caption);
    return shown;
  }

  TestProgramFolder program_;
  Tfrmmain* main_ = nullptr;
  std::vector<TRecordedBox> boxes;
  std::function<int(const TRecordedBox&)> answer;  // the button a box returns; empty: IDOK
  std::function<void()> onPump;

 private:
  std::wstring pageClass_, button_;
  TPageStep firstTime_, reopen_;
  TMessagePump previousPump_;
  std::unique_ptr<TTimer> dialogTimer_;
};
