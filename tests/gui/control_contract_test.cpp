// The contract every registered control class keeps, checked over the class registry so that
// controls added later are covered without a test of their own: window class name, lookup by
// handle, a control ID of its own, and a WindowProc chain that a hook can join and leave and
// that sees the control's painting (WM_ERASEBKGND and WM_PAINT of a windowed control).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/forms.h"
#include "gui_test_support.h"

namespace {
std::vector<const TClassInfo*> ControlClasses() {
  std::vector<const TClassInfo*> list;
  for (const TClassInfo* c : RegisteredClasses())
    if (c->Factory() && c->InheritsFrom(TControl::StaticClass())) list.push_back(c);
  return list;
}

std::wstring WindowClassOf(HWND wnd) {
  wchar_t name[256] = {};
  GetClassNameW(wnd, name, 256);
  return name;
}

// A click in the middle of the control: windowless controls get it through their parent.
void ClickAtCentre(TControl* c) {
  auto* w = dynamic_cast<TWinControl*>(c);
  HWND target = w ? w->Handle() : c->Parent()->Handle();
  int x = c->Width() / 2 + (w ? 0 : c->Left()), y = c->Height() / 2 + (w ? 0 : c->Top());
  SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

struct Action {
  const char* name;
  std::function<void(TControl*)> run;
  std::vector<UINT> windowed;    // messages a windowed control's chain must see
  std::vector<UINT> windowless;  // and a windowless one's
};

const std::vector<Action>& Actions() {
  static const std::vector<Action> actions = {
      // On a shown form the window is made as the control is placed.
      {"place on the form", [](TControl* c) { c->SetParent(static_cast<TWinControl*>(c->Owner())); },
       {WM_NCCREATE, WM_CREATE}, {}},
      {"hide and show",
       [](TControl* c) {
         c->Hide();
         c->Show();
       },
       {CM_VISIBLECHANGED, WM_SHOWWINDOW}, {CM_VISIBLECHANGED}},
      {"click", ClickAtCentre, {WM_LBUTTONDOWN, WM_LBUTTONUP}, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {"disable and enable",
       [](TControl* c) {
         c->SetEnabled(false);
         c->SetEnabled(true);
       },
       {CM_ENABLEDCHANGED, WM_ENABLE}, {CM_ENABLEDCHANGED}},
      {"paint", [](TControl* c) { c->Repaint(); }, {WM_PAINT}, {WM_PAINT}},
      // As the system repaints a window uncovered: its background is erased, then it paints.
      // Skinners draw in these two, so a windowed control's chain must see both.
      {"repaint with the background",
       [](TControl* c) {
         if (auto* w = dynamic_cast<TWinControl*>(c)) {
           RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
         } else {
           c->Repaint();
         }
       },
       {WM_ERASEBKGND, WM_PAINT}, {WM_PAINT}},
      {"focus", [](TControl* c) { if (auto* w = dynamic_cast<TWinControl*>(c)) w->SetFocus(); },
       {WM_SETFOCUS}, {}},
      {"destroy the window",
       [](TControl* c) { if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle(); },
       {WM_DESTROY, WM_NCDESTROY}, {}},
  };
  return actions;
}

class ControlContract : public ::testing::TestWithParam<const TClassInfo*> {
 protected:
  void SetUp() override {
    form_.SetBounds(40, 40, 400, 300);
    form_.Show();
    control_ = static_cast<TControl*>(GetParam()->Factory()(&form_));
    control_->SetBounds(20, 20, 120, 60);
  }
  TForm form_{nullptr};
  TControl* control_ = nullptr;
};
}  // namespace

TEST_P(ControlContract, ItsWindowIsNamedAfterItsClassAndFoundByHandleWithAnIdOfItsOwn) {
  auto* w = dynamic_cast<TWinControl*>(control_);
  if (!w) GTEST_SKIP() << "windowless: painted by its parent";
  auto* sibling = static_cast<TControl*>(GetParam()->Factory()(&form_));
  sibling->SetParent(&form_);
  control_->SetParent(&form_);
  HWND wnd = w->Handle();
  EXPECT_EQ(WindowClassOf(wnd), GetParam()->Name());
  EXPECT_EQ(ControlFromHandle(wnd), w);
  int id = GetDlgCtrlID(wnd);
  EXPECT_NE(id, 0);
  EXPECT_NE(id, GetDlgCtrlID(static_cast<TWinControl*>(sibling)->Handle()));
  EXPECT_EQ(GetDlgItem(form_.Handle(), id), wnd);
}

TEST_P(ControlContract, AHookInItsChainSeesEveryActionAndLeavesOnlyWhileItIsTheHead) {
  const bool windowed = dynamic_cast<TWinControl*>(control_) != nullptr;
  const TWndMethod original = control_->WindowProc;
  MessageRecorder hook(control_);  // before the window exists: it sees the window being made
  for (const Action& a : Actions()) {
    SCOPED_TRACE(a.name);
    hook.Clear();
    a.run(control_);
    Pump(10);
    for (UINT msg : windowed ? a.windowed : a.windowless) EXPECT_TRUE(hook.Saw(msg)) << "message 0x" << std::hex << msg;
  }
  MessageRecorder above(control_);
  EXPECT_FALSE(hook.Remove());
  EXPECT_TRUE(above.Remove());
  EXPECT_TRUE(hook.Remove());
  EXPECT_TRUE(control_->WindowProc == original);
  hook.Clear();
  control_->SetEnabled(false);
  EXPECT_FALSE(hook.Saw(CM_ENABLEDCHANGED));
}

INSTANTIATE_TEST_SUITE_P(EveryControlClass, ControlContract, ::testing::ValuesIn(ControlClasses()),
                         [](const ::testing::TestParamInfo<const TClassInfo*>& info) {
                           std::string name;
                           for (wchar_t ch : info.param->Name()) name += static_cast<char>(ch);
                           return name;
                         });
