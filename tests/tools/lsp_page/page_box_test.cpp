// A page's box blocks the window the user sees. The Winsock2 page shows its error box while it is
// still being created (a missing catalog), before it sits in the main window: the box is shown for
// real, and while it is open a mouse click on a navigation button does nothing and the box stays
// above the main window.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/mouse_click.h"
#include "tests/support/open_message_box.h"
#include "tests/support/page_test_fixture.h"
#include "tests/tools/lsp/lsp_fixture.h"
#include "tools/lsp_page/frmLsp.h"

namespace {

class LspPageBoxTest : public PageTest<TfrmLsp> {
 protected:
  LspPageBoxTest() : PageTest(L"TfrmLsp", L"btnLSP", {}, {}, TPageTestHost::MainWindow) {}
  void SetUp() override {
    PageTest::SetUp();
    SetMessageBoxFunc(nullptr);  // the real box
  }

  LspFixtureKey key_;  // empty: the page reports the catalog missing while it is created
};

// Whether `upper` lies above `lower` in the z-order of top-level windows.
bool Above(HWND upper, HWND lower) {
  for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
    if (w == lower) return true;
  return false;
}

void ClickWithTheMouse(TControl* control) {
  LeftClickAtScreen(control->ClientToScreen(POINT{control->Width() / 2, control->Height() / 2}));
}

// Handles what arrives for a while, from inside the box's own loop.
void HandleMessages(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

TEST_F(LspPageBoxTest, WhileThePagesBoxIsOpenTheMainWindowTakesNoClicksAndStaysBelowIt) {
  ASSERT_NE(main_, nullptr);
  HWND main = main_->Handle();
  HWND owner = nullptr;
  bool mainEnabled = true, boxAboveBefore = false, boxAboveAfter = false;
  int sectionAfterClick = -1;
  {
    WhenMessageBoxOpens look([&](HWND box) {
      owner = GetWindow(box, GW_OWNER);
      mainEnabled = IsWindowEnabled(main) != FALSE;
      boxAboveBefore = Above(box, main);
      ClickWithTheMouse(main_->btnHome);
      HandleMessages(300);
      sectionAfterClick = main_->CurrentSection;
      boxAboveAfter = IsWindowVisible(box) && Above(box, main);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    OpenPage();
  }
  EXPECT_EQ(owner, main);
  EXPECT_FALSE(mainEnabled);
  EXPECT_TRUE(boxAboveBefore);
  EXPECT_EQ(sectionAfterClick, 3) << "the click reached the navigation";
  EXPECT_TRUE(boxAboveAfter);
  EXPECT_TRUE(IsWindowEnabled(main));  // given back when the box closes
  EXPECT_NE(main_->PageOfButton(L"btnLSP"), nullptr);
}

}  // namespace
