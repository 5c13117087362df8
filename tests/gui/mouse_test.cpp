// Mouse handling: windowless controls get their mouse messages from the parent, the click
// comes before the mouse-up, and CM_MOUSEENTER / CM_MOUSELEAVE follow the real cursor.
#include <gtest/gtest.h>

#include "gui/application.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui_test_support.h"

namespace {
class Mouse : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(100, 100, 300, 200);
    form->SetName(L"form");
    image = new TImage(form);
    image->SetName(L"image");
    image->SetParent(form);
    image->SetBounds(10, 10, 50, 30);
    panel = new TPanel(form);
    panel->SetName(L"panel");
    panel->SetParent(form);
    panel->SetBounds(150, 100, 100, 60);
    Watch(form);
    Watch(image);
    Watch(panel);
    // The display is shared with earlier tests: the cursor may rest where the image appears,
    // which would make the image the control under the mouse before the test starts.
    SetCursorPos(1100, 900);
    form->Show();
    Pump(50);
  }
  void TearDown() override { delete form; }

  void Watch(TControl* c) {
    std::wstring n = c->Name();
    c->OnMouseDown = [this, n](TObject*, TMouseButton, TShiftState, int x, int y) {
      log.push_back(n + L" down " + std::to_wstring(x) + L"," + std::to_wstring(y));
    };
    c->OnMouseUp = [this, n](TObject*, TMouseButton, TShiftState, int, int) { log.push_back(n + L" up"); };
    c->OnClick = [this, n](TObject*) { log.push_back(n + L" click"); };
    c->OnMouseEnter = [this, n](TObject*) { log.push_back(n + L" enter"); };
    c->OnMouseLeave = [this, n](TObject*) { log.push_back(n + L" leave"); };
  }
  void Send(UINT msg, int x, int y) {
    SendMessageW(form->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  }
  // Puts the real cursor over a point of a window (TrackMouseEvent polls it) and makes sure
  // the window hears of the move even when the display reports none.
  void MoveTo(TWinControl* w, int x, int y) {
    POINT p = w->ClientToScreen(POINT{x, y});
    SetCursorPos(p.x, p.y);
    PostMessageW(w->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  std::string Joined() const {
    std::wstring all = Application->Terminated() ? L"[terminated] " : L"";
    for (const auto& b : RecordedBoxes()) all += L"[box " + b.text + L"] ";
    for (const auto& e : log) all += e + L"; ";
    return std::string(all.begin(), all.end());
  }
  bool Logged(const std::wstring& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
  }

  TForm* form = nullptr;
  TImage* image = nullptr;
  TPanel* panel = nullptr;
  std::vector<std::wstring> log;
};
}  // namespace

TEST_F(Mouse, ClickComesBeforeMouseUpOnAWindowlessControl) {
  log.clear();
  Send(WM_LBUTTONDOWN, 20, 15);
  Send(WM_LBUTTONUP, 20, 15);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"image down 10,5", L"image click", L"image up"}));
}

TEST_F(Mouse, ReleasingOutsideGivesNoClick) {
  log.clear();
  Send(WM_LBUTTONDOWN, 20, 15);
  Send(WM_LBUTTONUP, 120, 150);  // still goes to the image, which has the mouse
  EXPECT_EQ(log, (std::vector<std::wstring>{L"image down 10,5", L"image up"}));
}

TEST_F(Mouse, DisabledWindowlessControlsGetNothing) {
  image->SetEnabled(false);
  log.clear();
  Send(WM_LBUTTONDOWN, 20, 15);
  Send(WM_LBUTTONUP, 20, 15);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"form down 20,15", L"form click", L"form up"}));
}

TEST_F(Mouse, ZOrderDecidesWhichWindowlessControlIsHit) {
  auto* top = new TLabel(form);
  top->SetName(L"top");
  top->SetParent(form);
  top->SetBounds(15, 12, 20, 10);
  Watch(top);
  log.clear();
  Send(WM_LBUTTONDOWN, 20, 15);
  Send(WM_LBUTTONUP, 20, 15);
  EXPECT_EQ(log.front(), L"top down 5,3");
  image->BringToFront();
  log.clear();
  Send(WM_LBUTTONDOWN, 20, 15);
  EXPECT_EQ(log.front(), L"image down 10,5");
  Send(WM_LBUTTONUP, 20, 15);
}

TEST_F(Mouse, EnterAndLeaveFollowTheCursor) {
  POINT origin = form->ClientToScreen(POINT{0, 0});
  log.clear();
  MoveTo(form, 30, 20);  // over the image
  ASSERT_TRUE(PumpUntil([&] { return Logged(L"image enter"); })) << "no enter: " << Joined();
  MoveTo(panel, 50, 30);  // over the panel's window
  ASSERT_TRUE(PumpUntil([&] { return Logged(L"panel enter"); })) << "no enter on the panel: " << Joined();
  EXPECT_TRUE(Logged(L"image leave"));
  SetCursorPos(origin.x + 600, origin.y + 500);  // off the form: the leave comes by polling
  ASSERT_TRUE(PumpUntil([&] { return Logged(L"panel leave"); })) << "no leave: " << Joined();
  // Each enter is followed by its leave, in order.
  std::vector<std::wstring> transitions;
  for (const auto& e : log)
    if (e.find(L"enter") != std::wstring::npos || e.find(L"leave") != std::wstring::npos) transitions.push_back(e);
  std::vector<std::wstring> expected = {L"image enter", L"image leave", L"panel enter", L"panel leave"};
  // Moving across the form itself may add a form enter/leave pair in between.
  transitions.erase(std::remove_if(transitions.begin(), transitions.end(),
                                   [](const std::wstring& e) { return e.rfind(L"form ", 0) == 0; }),
                    transitions.end());
  EXPECT_EQ(transitions, expected);
}

TEST_F(Mouse, DisabledControlsGetNoEnterEither) {
  POINT origin = form->ClientToScreen(POINT{0, 0});
  image->SetEnabled(false);
  SetCursorPos(origin.x + 600, origin.y + 500);
  Pump(100);
  log.clear();
  MoveTo(form, 30, 20);
  ASSERT_TRUE(PumpUntil([&] { return Logged(L"form enter"); }));
  Pump(50);
  EXPECT_FALSE(Logged(L"image enter"));
  SetCursorPos(origin.x + 600, origin.y + 500);
  PumpUntil([&] { return Logged(L"form leave"); });
}

TEST_F(Mouse, ACursorOfAWindowlessControlShowsOverIt) {
  auto* link = new TLabel(form);
  link->SetParent(form);
  link->SetBounds(100, 10, 40, 15);
  link->SetCursor(crHandPoint);
  POINT origin = form->ClientToScreen(POINT{0, 0});
  SetCursorPos(origin.x + 110, origin.y + 15);
  Pump(30);
  LRESULT handled = SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(handled, TRUE);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  SetCursorPos(origin.x + 280, origin.y + 15);  // over the form, whose cursor is the default
  Pump(30);
  handled = SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(handled, FALSE);
  SetCursorPos(origin.x + 600, origin.y + 500);
}
