// The message loop: released forms go once no handler runs, loops that pump survive windows
// closing under them, and the main form's close ends the program's loop.
#include <gtest/gtest.h>

#include "gui/application.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/timer.h"
#include "gui_test_support.h"

namespace {
// Knows whether it still exists.
class TWatched : public TForm {
  QS_FORM(TWatched)

 public:
  TWatched(TComponent* owner, bool* alive) : TForm(owner), alive_(alive) { *alive_ = true; }
  ~TWatched() override { *alive_ = false; }

 private:
  bool* alive_;
};
QS_FORM_IMPL(TWatched, TForm)
}  // namespace

TEST(Loop, ProcessMessagesSurvivesTheWindowBeingFreedInsideTheLoop) {
  bool alive = false;
  auto* form = new TWatched(nullptr, &alive);
  form->SetBounds(0, 0, 100, 100);
  form->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
  form->Show();
  HWND wnd = form->Handle();
  // A loop like a scan's: it pumps while the user closes the window.
  PostMessageW(wnd, WM_CLOSE, 0, 0);
  for (int i = 0; i < 50 && alive; ++i) {
    Application->ProcessMessages();
    Sleep(2);
  }
  EXPECT_FALSE(alive);
  EXPECT_FALSE(IsWindow(wnd));
  // Messages still queued for the dead window are harmless.
  PostMessageW(wnd, WM_USER + 1, 0, 0);
  Application->ProcessMessages();
}

TEST(Loop, AFormReleasedByItsOwnHandlerGoesAfterTheHandlerReturns) {
  bool alive = false;
  auto* form = new TWatched(nullptr, &alive);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  bool aliveAfterPumping = false;
  panel->OnClick = [&](TObject*) {
    form->Release();
    // The handler pumps messages (as scans do): the form must not go under it.
    Pump(30);
    aliveAfterPumping = alive;
    panel->SetCaption(L"still usable");
  };
  form->Show();
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(aliveAfterPumping);
  EXPECT_TRUE(PumpUntil([&] { return !alive; }));
}

TEST(Loop, DestroyingAWindowInsideItsOwnHandlerIsSafe) {
  bool alive = false;
  auto* form = new TWatched(nullptr, &alive);
  auto* timer = new TTimer(form);
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) { delete form; };  // frees the timer that is firing, too
  form->Show();
  EXPECT_TRUE(PumpUntil([&] { return !alive; }));
  Pump(40);
}

TEST(Loop, TheApplicationWindowIsHiddenAndAnswersWithTheIcon) {
  Application->SetTitle(L"Quillstead v4.1");
  HWND wnd = Application->Handle();
  wchar_t text[64] = {};
  GetClassNameW(wnd, text, 64);
  EXPECT_STREQ(text, L"TApplication");
  GetWindowTextW(wnd, text, 64);
  EXPECT_STREQ(text, L"Quillstead v4.1");
  EXPECT_FALSE(IsWindowVisible(wnd));
  EXPECT_NE(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST(Loop, ClosingTheMainFormEndsRun) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  ASSERT_EQ(Application->MainForm(), main);
  TTimer timer(nullptr);
  timer.SetInterval(20);
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    main->Close();
  };
  Application->Run();  // returns when the main form closes
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(main->Visible());  // the main form is not freed by its close
  // A loop that pumps after the end sees Terminated and returns at once.
  Application->ProcessMessages();
}
