// Focus and keys: the form's active control, CM_EXIT / CM_ENTER / CM_FOCUSCHANGED, tab order,
// key events with KeyPreview, dialog keys and accelerators from the message loop, CM_RELEASE
// and CM_RECREATEWND.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui_test_support.h"

namespace {
// A framework-painted control that takes every key itself, as a multi-line editor does.
class TKeyHungry : public TCustomControl {
 public:
  explicit TKeyHungry(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_GETDLGCODE) {
      m.Result = DLGC_WANTALLKEYS | DLGC_WANTCHARS;
      return;
    }
    TCustomControl::WndProc(m);
  }
};

template <class T>
T* Place(TWinControl* parent, int left, const std::wstring& caption = L"") {
  auto* c = new T(parent->Owner() ? parent->Owner() : parent);
  c->SetBounds(left, 10, 60, 25);
  c->SetCaption(caption);
  c->SetParent(parent);
  return c;
}

// Posts a key to the focused window as a keyboard would, with Shift held or not.
void PostKey(UINT msg, WPARAM key, bool shift = false, LPARAM flags = 0) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(state);
  PostMessageW(GetFocus(), msg, key, flags);
  Pump(30);
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
}

struct FocusForm : ::testing::Test {
  // What the controls' enter and exit handlers record. It outlives the form: the handlers still
  // fire while the form's controls go and the focus leaves them.
  std::vector<std::wstring> events;
  TForm form{nullptr};
  void SetUp() override {
    form.SetBounds(40, 40, 500, 200);
    form.Show();
  }
};
}  // namespace

TEST_F(FocusForm, TabAndShiftTabFollowTheTabOrderIntoContainersAndSkipWhatCannotTakeTheFocus) {
  auto* a = Place<TButton>(&form, 10, L"a");
  auto* panel = Place<TPanel>(&form, 80);
  panel->SetBounds(80, 50, 200, 60);
  auto* p1 = Place<TButton>(panel, 10, L"p1");
  auto* p2 = Place<TButton>(panel, 80, L"p2");
  auto* b = Place<TButton>(&form, 300, L"b");
  auto* off = Place<TButton>(&form, 370, L"off");
  off->SetEnabled(false);
  // Creation order is a, panel, b, off; the tab order puts b first and the panel's p2 before p1.
  b->SetTabOrder(0);
  p2->SetTabOrder(0);
  EXPECT_EQ(b->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  std::vector<TWinControl*> list;
  form.GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{b, a, panel, p2, p1, off}));

  b->SetFocus();
  std::vector<TWinControl*> forward, backward;
  for (int i = 0; i < 4; ++i) {
    PostKey(WM_KEYDOWN, VK_TAB);
    forward.push_back(form.ActiveControl());
  }
  EXPECT_EQ(forward, (std::vector<TWinControl*>{a, p2, p1, b}));  // the panel has no TabStop; wraps
  for (int i = 0; i < 2; ++i) {
    PostKey(WM_KEYDOWN, VK_TAB, true);
    backward.push_back(form.ActiveControl());
  }
  EXPECT_EQ(backward, (std::vector<TWinControl*>{p1, p2}));
  EXPECT_EQ(GetFocus(), p2->Handle());
}

TEST_F(FocusForm, ExitThenEnterThenFocusChangedAsTheFocusMovesBetweenContainers) {
  auto* panel = Place<TPanel>(&form, 10);
  panel->SetBounds(10, 50, 200, 60);
  auto* inner = Place<TButton>(panel, 10, L"inner");
  auto* outer = Place<TButton>(&form, 300, L"outer");
  inner->SetFocus();
  ASSERT_EQ(form.ActiveControl(), inner);
  MessageRecorder innerHook(inner), panelHook(panel), outerHook(outer), formHook(&form);
  inner->OnExit = [&](TObject*) { events.push_back(L"exit inner"); };
  panel->OnExit = [&](TObject*) { events.push_back(L"exit panel"); };
  outer->OnEnter = [&](TObject*) { events.push_back(L"enter outer"); };
  outer->SetFocus();
  EXPECT_EQ(form.ActiveControl(), outer);
  EXPECT_EQ(events, (std::vector<std::wstring>{L"exit inner", L"exit panel", L"enter outer"}));
  ASSERT_NE(innerHook.When(CM_EXIT), -1);
  EXPECT_LT(innerHook.When(CM_EXIT), panelHook.When(CM_EXIT));
  EXPECT_LT(panelHook.When(CM_EXIT), outerHook.When(CM_ENTER));
  EXPECT_LT(outerHook.When(CM_ENTER), formHook.When(CM_FOCUSCHANGED));
  // CM_FOCUSCHANGED reaches every control of the form, the ones that did not move too.
  EXPECT_TRUE(innerHook.Saw(CM_FOCUSCHANGED));
  EXPECT_FALSE(formHook.Saw(CM_ENTER));  // the form itself neither enters nor exits

  // Back inside the panel: the panel is entered before its button.
  events.clear();
  panel->OnEnter = [&](TObject*) { events.push_back(L"enter panel"); };
  inner->OnEnter = [&](TObject*) { events.push_back(L"enter inner"); };
  outer->OnExit = [&](TObject*) { events.push_back(L"exit outer"); };
  inner->SetFocus();
  EXPECT_EQ(events, (std::vector<std::wstring>{L"exit outer", L"enter panel", L"enter inner"}));
}

TEST_F(FocusForm, TheActiveControlIsForgottenWhenItGoesAndFocusedWhenTheFormIsShown) {
  auto* a = Place<TButton>(&form, 10, L"a");
  a->SetFocus();
  EXPECT_EQ(form.ActiveControl(), a);
  delete a;
  EXPECT_EQ(form.ActiveControl(), nullptr);
  EXPECT_EQ(form.FindNextControl(nullptr, true, true), nullptr);  // gone from the tab order too

  TForm later(nullptr);
  later.SetBounds(60, 60, 300, 150);
  Place<TButton>(&later, 10, L"first");
  auto* chosen = Place<TButton>(&later, 100, L"chosen");
  later.SetActiveControl(chosen);
  EXPECT_EQ(GetFocus() == chosen->Handle(), false);  // not shown yet
  later.Show();
  Pump(30);
  EXPECT_EQ(GetFocus(), chosen->Handle());
}

// Without an active control a form starts at the ends of its tab order: shown, it focuses the first
// control of the order (not the first created); Shift+Tab with nothing focused goes to the last.
TEST(FocusFromNothing, ShownFormFocusesTheFirstOfTheTabOrderAndShiftTabTheLast) {
  TForm later(nullptr);
  later.SetBounds(60, 60, 400, 150);
  Place<TButton>(&later, 10, L"a");
  auto* b = Place<TButton>(&later, 100, L"b");
  auto* c = Place<TButton>(&later, 190, L"c");
  b->SetTabOrder(0);  // the order is b, a, c
  later.Show();
  Pump(30);
  EXPECT_EQ(later.ActiveControl(), b);
  EXPECT_EQ(GetFocus(), b->Handle());

  SetFocus(later.Handle());  // the form itself: no control has the focus
  Pump(30);
  ASSERT_EQ(later.ActiveControl(), nullptr);
  PostKey(WM_KEYDOWN, VK_TAB, true);
  EXPECT_EQ(later.ActiveControl(), c);
  EXPECT_EQ(GetFocus(), c->Handle());
}

TEST_F(FocusForm, KeyEventsReachTheFormFirstOnlyWithKeyPreviewAndAZeroKeyStopsThem) {
  auto* hungry = Place<TKeyHungry>(&form, 10);
  hungry->SetFocus();
  std::vector<std::wstring> log;
  form.OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    log.push_back(L"form down");
    if (key == 'X') key = 0;
  };
  form.OnKeyPress = [&](TObject*, wchar_t&) { log.push_back(L"form press"); };
  hungry->OnKeyDown = [&](TObject*, WORD&, TShiftState) { log.push_back(L"control down"); };
  hungry->OnKeyPress = [&](TObject*, wchar_t& key) { log.push_back(std::wstring(L"control press ") + key); };
  hungry->OnKeyUp = [&](TObject*, WORD&, TShiftState) { log.push_back(L"control up"); };
  struct Case {
    bool preview;
    WPARAM key;
    std::vector<std::wstring> expected;
  } cases[] = {
      {false, 'A', {L"control down", L"control press a", L"control up"}},
      {true, 'A', {L"form down", L"control down", L"form press", L"control press a", L"control up"}},
      {true, 'X', {L"form down", L"control up"}},  // used up by the form: no character either
  };
  for (const Case& c : cases) {
    form.SetKeyPreview(c.preview);
    log.clear();
    PostKey(WM_KEYDOWN, c.key);  // the loop translates it into WM_CHAR
    PostKey(WM_KEYUP, c.key);
    EXPECT_EQ(log, c.expected) << "preview " << c.preview << " key " << static_cast<char>(c.key);
  }
}

TEST_F(FocusForm, EnterGoesToTheDefaultButtonOnlyWhenTheFocusedControlDoesNotWantIt) {
  auto* ok = Place<TButton>(&form, 100, L"OK");
  ok->SetDefault(true);
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  auto* hungry = Place<TKeyHungry>(&form, 10);
  auto* panel = Place<TPanel>(&form, 200);
  panel->SetTabStop(true);
  WORD seen = 0;
  hungry->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { seen = key; };
  hungry->SetFocus();
  PostKey(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(seen, VK_RETURN);
  panel->SetFocus();
  PostKey(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FocusForm, AltLetterReachesCmDialogCharAndPressesTheButtonItMarks) {
  auto* other = Place<TButton>(&form, 10, L"&Other");
  auto* scan = Place<TButton>(&form, 100, L"&Scan");
  auto* amp = Place<TButton>(&form, 200, L"R&&D");
  std::vector<std::wstring> clicked;
  for (TButton* b : {other, scan, amp}) b->OnClick = [&clicked, b](TObject*) { clicked.push_back(b->Caption()); };
  other->SetFocus();
  MessageRecorder formHook(&form);
  const LPARAM altDown = 1 << 29;
  PostKey(WM_SYSCHAR, 's', false, altDown);
  EXPECT_TRUE(formHook.Saw(CM_DIALOGCHAR));
  PostKey(WM_SYSCHAR, 'D', false, altDown);  // "&&" is no accelerator
  PostKey(WM_CHAR, 'S');  // a button takes no text, so the letter alone works too
  EXPECT_EQ(clicked, (std::vector<std::wstring>{L"&Scan", L"&Scan"}));
}

TEST(FormMessages, ReleasePostsCmReleaseAndTheFormGoesWhenItArrives) {
  // A form that notes CM_RELEASE and its own end.
  struct TReleased : TForm {
    bool* sawRelease;
    bool* gone;
    TReleased(bool* saw, bool* g) : TForm(Application), sawRelease(saw), gone(g) {}
    ~TReleased() override { *gone = true; }
    void WndProc(TMessage& m) override {
      if (m.Msg == CM_RELEASE) *sawRelease = true;
      TForm::WndProc(m);
    }
  };
  bool sawRelease = false, gone = false;
  auto* form = new TReleased(&sawRelease, &gone);
  form->SetBounds(40, 40, 200, 100);
  form->Show();
  form->Release();
  EXPECT_FALSE(gone);  // not while the code that asked is still running
  EXPECT_TRUE(PumpUntil([&] { return gone; }));
  EXPECT_TRUE(sawRelease);
}

TEST(FormMessages, RecreateWndGoesThroughTheChainAndMakesANewWindow) {
  TForm form(nullptr);
  auto* button = Place<TButton>(&form, 10, L"b");
  HWND before = button->Handle();
  MessageRecorder hook(button);
  button->RecreateWnd();
  EXPECT_TRUE(!IsWindow(before) || before == button->Handle());  // the old window is gone (or its handle reused)
  EXPECT_EQ(ControlFromHandle(button->Handle()), button);
  ASSERT_TRUE(hook.Saw(CM_RECREATEWND));
  EXPECT_LT(hook.IndexOf(CM_RECREATEWND), hook.IndexOf(WM_NCDESTROY));
  EXPECT_LT(hook.IndexOf(WM_NCDESTROY), hook.IndexOf(WM_CREATE));
}
