// A feature page inside a host of the test's own: a fake page host (tests/support/fake_page_host.h)
// unless the test asks for the whole main window (TPageTestHost::MainWindow, for what only the
// main window does: its navigation buttons, one-click maintenance). The page factory is set (with
// the steps the program gives it, if any), a throwaway program folder, pumping through the
// application (then `onPump`, which lets a test act while the page is busy), and every message box
// recorded and answered by `answer` (OK unless a test says otherwise). A child-process runner a
// test puts in place (base/child_process.h) goes when the test ends.
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
#include "base/child_process.h"
#include "base/message_pump.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "gui/timer.h"
#include "tests/base/test_program_folder.h"
#include "tests/support/fake_page_host.h"

struct TRecordedBox {
  std::wstring text, caption;
  UINT type;
};

enum class TPageTestHost { Fake, MainWindow };

template <typename TPage>
class PageTest : public ::testing::Test {
 protected:
  PageTest(const wchar_t* pageClass, const wchar_t* button, TPageStep firstTime = {}, TPageStep reopen = {},
           TPageTestHost host = TPageTestHost::Fake)
      : pageClass_(pageClass),
        button_(button),
        firstTime_(std::move(firstTime)),
        reopen_(std::move(reopen)),
        hostKind_(host) {}

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
    if (hostKind_ == TPageTestHost::MainWindow) {
      main_ = new Tfrmmain(Application);
      frmmain = main_;
      hostForm_ = main_;
    } else {
      fake_ = new TFakePageHost(Application);
      fake_->SetClientWidth(579);  // the main window's page area
      fake_->SetClientHeight(433);
      fake_->openPage = [this](const std::wstring& button, TComponent* owner) {
        return fakePages_.Open(button, owner, fake_, fake_->Greeting());
      };
      hostForm_ = fake_;
    }
    hostForm_->Show();
    Application->ProcessMessages();
  }

  void TearDown() override {
    onPump = nullptr;
    dialogTimer_.reset();
    DeleteHost();
    SetPageFactory(pageClass_, nullptr);
    SetMessagePump(previousPump_);
    SetMessageBoxFunc(nullptr);
    SetChildProcessRunnerForTesting(nullptr);
  }

  // Opens the page as its navigation button does: in the main window the section whose button
  // group holds the button is selected, so the button is visible, and the button is clicked.
  TPage* OpenPage() {
    if (!main_) {
      fake_->OpenPage(button_);
      Application->ProcessMessages();
      return Page();
    }
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
    return Page();
  }

  // The page while it exists.
  TPage* Page() const {
    if (main_) return dynamic_cast<TPage*>(main_->PageOfButton(button_));
    return fake_ ? dynamic_cast<TPage*>(fakePages_.PageOf(button_)) : nullptr;
  }

  TPageHost& Host() const { return main_ ? static_cast<TPageHost&>(*main_) : *fake_; }
  // Where pages are placed: the main window's page panel, or the fake host itself.
  TWinControl* PageArea() const { return main_ ? static_cast<TWinControl*>(main_->p_Form) : fake_; }
  // No page may be opened or made anew, as while a scan runs.
  bool NavigationLocked() const { return Host().NavigationLocked(); }

  // The host window goes away with its pages (the program closing).
  void DeleteHost() {
    delete hostForm_;
    hostForm_ = nullptr;
    main_ = nullptr;
    fake_ = nullptr;
    frmmain = nullptr;
  }

  // While the page shows the modal window that `find` returns: `act` runs on it once (the window
  // stays open unless `act` closes it).
  template <typename TDialog>
  void WhenDialogShows(std::function<TDialog*(TPage*)> find, std::function<void(TDialog*)> act) {
    dialogTimer_.reset(new TTimer(nullptr));
    dialogTimer_->SetInterval(30);
    dialogTimer_->OnTimer = [this, find, act](TObject*) {
      TPage* page = Page();
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
  Tfrmmain* main_ = nullptr;         // with TPageTestHost::MainWindow
  TFakePageHost* fake_ = nullptr;    // else
  TCustomForm* hostForm_ = nullptr;  // the one of the two
  std::vector<TRecordedBox> boxes;
  std::function<int(const TRecordedBox&)> answer;  // the button a box returns; empty: IDOK
  std::function<void()> onPump;

 private:
  std::wstring pageClass_, button_;
  TPageStep firstTime_, reopen_;
  TPageTestHost hostKind_;
  TPageSlots fakePages_;
  TMessagePump previousPump_;
  std::unique_ptr<TTimer> dialogTimer_;
};
