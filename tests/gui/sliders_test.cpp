// Track bars and up-down arrows: positions in code and from the user, the change events, the
// thumb that follows, and an up-down that writes its number into the edit beside it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "gui/forms.h"
#include "gui/sliders.h"
#include "gui_test_support.h"

namespace {
TRect ThumbRect(TTrackBar* bar) {
  TRect r = {};
  SendMessageW(bar->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

// A plain system edit for the up-down to write into.
class TPlainEdit : public TWinControl {
 public:
  explicit TPlainEdit(TComponent* owner) : TWinControl(owner) { SetBounds(10, 100, 80, 22); }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClass = L"EDIT";
    params.ExStyle |= WS_EX_CLIENTEDGE;
  }
};

std::wstring TextOf(HWND wnd) {
  wchar_t text[64] = {};
  GetWindowTextW(wnd, text, 64);
  return text;
}
}  // namespace

TEST(TrackBar, PositionFromCodeAndKeysFiresOnChangeOncePerChange) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 400, 200);
  auto* bar = new TTrackBar(&form);
  bar->SetParent(&form);
  bar->SetBounds(10, 10, 300, 45);
  std::vector<int> changes;
  bar->OnChange = [&](TObject*) { changes.push_back(bar->Position()); };
  form.Show();
  HWND wnd = bar->Handle();

  bar->SetMax(20);
  bar->SetPosition(5);
  bar->SetPosition(5);   // no change
  bar->SetPosition(99);  // taken as the maximum
  EXPECT_EQ(changes, (std::vector<int>{5, 20}));
  EXPECT_EQ(SendMessageW(wnd, TBM_GETPOS, 0, 0), 20);
  EXPECT_EQ(SendMessageW(wnd, TBM_GETRANGEMAX, 0, 0), 20);

  // The thumb moves right as the position grows.
  bar->SetPosition(2);
  TRect low = ThumbRect(bar);
  bar->SetPosition(18);
  TRect high = ThumbRect(bar);
  EXPECT_GT(high.left, low.left);

  // The user's keys move the window; its WM_HSCROLL comes back to the control.
  changes.clear();
  bar->SetLineSize(3);
  SendMessageW(wnd, WM_KEYDOWN, VK_LEFT, 0);
  SendMessageW(wnd, WM_KEYUP, VK_LEFT, 0);
  EXPECT_EQ(bar->Position(), 15);
  EXPECT_EQ(changes, std::vector<int>{15});
  // A smaller range pulls the position in and says so.
  bar->SetMax(10);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(changes, (std::vector<int>{15, 10}));
}

TEST(TrackBar, StylesFollowTheProperties) {
  struct Case {
    TTrackBarOrientation orientation;
    TTickStyle ticks;
    TTickMark marks;
    LONG_PTR present, absent;
  } cases[] = {
      {TTrackBarOrientation::trHorizontal, TTickStyle::tsAuto, TTickMark::tmBottomRight, TBS_AUTOTICKS, TBS_VERT | TBS_NOTICKS},
      {TTrackBarOrientation::trVertical, TTickStyle::tsNone, TTickMark::tmTopLeft, TBS_VERT | TBS_NOTICKS | TBS_LEFT,
       TBS_AUTOTICKS},
      {TTrackBarOrientation::trHorizontal, TTickStyle::tsManual, TTickMark::tmBoth, TBS_BOTH, TBS_AUTOTICKS | TBS_NOTICKS},
  };
  TForm form(nullptr);
  for (const Case& c : cases) {
    auto* bar = new TTrackBar(&form);
    bar->SetParent(&form);
    bar->SetPosition(3);
    bar->SetOrientation(c.orientation);
    bar->SetTickStyle(c.ticks);
    bar->SetTickMarks(c.marks);
    LONG_PTR style = GetWindowLongPtrW(bar->Handle(), GWL_STYLE);
    EXPECT_EQ(style & c.present, c.present);
    EXPECT_EQ(style & c.absent, 0);
    EXPECT_EQ(SendMessageW(bar->Handle(), TBM_GETPOS, 0, 0), 3);
    if (c.orientation == TTrackBarOrientation::trVertical) {
      EXPECT_GT(bar->Height(), bar->Width());
    }
    delete bar;
  }
}

TEST(UpDown, ArrowsMoveThePositionIntoTheEditAndMayBeRefused) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 300, 200);
  auto* edit = new TPlainEdit(&form);
  edit->SetParent(&form);
  auto* updown = new TUpDown(&form);
  updown->SetMin(1);
  updown->SetMax(10);
  updown->SetPosition(4);
  updown->SetIncrement(2);
  updown->SetAssociate(edit);
  updown->SetParent(&form);
  form.Show();
  HWND wnd = updown->Handle();
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(wnd, UDM_GETBUDDY, 0, 0)), edit->Handle());
  EXPECT_EQ(TextOf(edit->Handle()), L"4");
  // The arrows sit against the edit's right edge.
  TRect e = {}, u = {};
  GetWindowRect(edit->Handle(), &e);
  GetWindowRect(wnd, &u);
  EXPECT_EQ(u.left, e.right);

  std::vector<std::string> events;
  bool allow = true;
  updown->OnChanging = [&](TObject*, bool& a) {
    events.push_back("changing");
    a = allow;
  };
  updown->OnClick = [&](TObject*, TUDBtnType button) {
    events.push_back(button == TUDBtnType::btNext ? "next" : "prev");
  };
  TRect client = updown->ClientRect();
  auto press = [&](bool upper) {
    LPARAM at = MAKELPARAM(client.right / 2, upper ? client.bottom / 4 : client.bottom * 3 / 4);
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(wnd, WM_LBUTTONUP, 0, at);
  };
  press(true);
  EXPECT_EQ(updown->Position(), 6);
  EXPECT_EQ(TextOf(edit->Handle()), L"6");
  press(false);
  EXPECT_EQ(updown->Position(), 4);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "next", "changing", "prev"}));
  events.clear();
  allow = false;
  press(true);
  EXPECT_EQ(updown->Position(), 4);
  EXPECT_EQ(events, std::vector<std::string>{"changing"});

  updown->SetPosition(50);  // taken as the maximum
  EXPECT_EQ(updown->Position(), 10);
  EXPECT_EQ(TextOf(edit->Handle()), L"10");
  // The edit going away leaves the arrows alone.
  delete edit;
  EXPECT_EQ(updown->Associate(), nullptr);
  EXPECT_EQ(SendMessageW(wnd, UDM_GETBUDDY, 0, 0), 0);
}
