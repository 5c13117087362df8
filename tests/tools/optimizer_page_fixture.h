// A page of the optimizer group inside a main window of the test's own: the page factory set, a
// throwaway program folder, pumping through the application, and every message box recorded
// (answered OK).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/frmmain.h"
#include "app/page_table.h"
#include "app/sections.h"
#include "base/message_pump.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "tests/base/test_program_folder.h"

struct TRecordedBox {
  std::wstring text, caption;
  UINT type;
};

template <typename TPage>
class OptimizerPageTest : public ::testing::Test {
 protected:
  OptimizerPageTest(const wchar_t* pageClass, const wchar_t* button) : pageClass_(pageClass), button_(button) {}

  void SetUp() override {
    SetMessageBoxFunc([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
      boxes.push_back({text, caption, type});
      return IDOK;
    });
    previousPump_ = SetMessagePump([] { Application->ProcessMessages(); });
    SetPageFactory(pageClass_, [](TComponent* owner) { return new TPage(owner); });
    main_ = new Tfrmmain(Application);
    frmmain = main_;
    main_->Show();
    Application->ProcessMessages();
  }

  void TearDown() override {
    delete main_;
    frmmain = nullptr;
    SetPageFactory(pageClass_, nullptr);
    SetMessagePump(previousPump_);
    SetMessageBoxFunc(nullptr);
  }

  // Expands the optimizer group and clicks the page's navigation button.
  TPage* OpenPage() {
    for (int section = 0; section < 8; ++section)
      if (GroupHeightsFor(section)[1] == 144) {
        main_->SelectSection(section);
        break;
      }
    if (auto* button = dynamic_cast<TControl*>(main_->FindComponent(button_))) button->Click();
    return dynamic_cast<TPage*>(main_->PageOfButton(button_));
  }

  TestProgramFolder program_;
  Tfrmmain* main_ = nullptr;
  std::vector<TRecordedBox> boxes;

 private:
  std::wstring pageClass_, button_;
  TMessagePump previousPump_;
};
