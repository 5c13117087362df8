// The skinner base on real windows: the two ways a hook attaches (a framework control's chain,
// a comctl32 subclass of a plain window) and how each leaves; the skinner protocol (attach,
// the engine's messages, colours and ParentBackground given back, the window made again, the
// control or window going away); the engine's messages that share numbers with CN_*.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui/buttons.h"
#include "gui/date_picker.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/header_control.h"
#include "gui/list_view.h"
#include "gui/pages.h"
#include "gui/sliders.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_hook.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

constexpr UINT kProbe = WM_APP + 17;

// A hook that counts the probe messages it sees and passes everything on.
class CountingHook : public TSkinHook {
 public:
  void WndProc(TMessage& m) override {
    if (m.Msg == kProbe) ++seen;
    CallDefault(m);
  }
  int seen = 0;
};

// A skinner that paints a solid colour and counts its paints and its frees.
class ProbeSkinner : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~ProbeSkinner() override { ++freed; }
  void DrawSkin(HDC dc, const RECT& rect) override {
    ++draws;
    FillSolid(dc, rect, RGB(10, 200, 30));
  }
  int draws = 0;
  static int freed;
};
int ProbeSkinner::freed = 0;

// A raw subclass that goes around comctl32, as old code does.
WNDPROC g_rawOld = nullptr;
int g_rawSeen = 0;
LRESULT CALLBACK RawProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe) ++g_rawSeen;
  return CallWindowProcW(g_rawOld, w, msg, wp, lp);
}

class SkinControlTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 300, 200);
    form->Handle();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
    ProbeSkinner::freed = 0;
    g_rawSeen = 0;
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  HWND PlainChild(const wchar_t* cls = L"STATIC") {
    return CreateWindowExW(0, cls, L"plain", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, form->Handle(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  TColor Face() const { return static_cast<TColor>(data->Elements.ColourTable[kColourButtonFace]); }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinForm = nullptr;
};

TEST_F(SkinControlTest, AChainHookThatIsNotTheHeadStaysAsARelayUntilItsControlGoes) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  CountingHook hook;
  ASSERT_TRUE(hook.HookControl(panel));
  MessageRecorder later(panel);
  hook.RemoveHook();
  EXPECT_FALSE(hook.Hooked());
  panel->Perform(kProbe);
  EXPECT_TRUE(later.Saw(kProbe));  // the later hook is still in the chain
  EXPECT_EQ(hook.seen, 0);          // and the one that left sees nothing
  EXPECT_TRUE(later.Remove());
  delete panel;  // the relay goes with the control
}

TEST_F(SkinControlTest, AChainHookLearnsWhenItsControlIsFreed) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  CountingHook hook;
  ASSERT_TRUE(hook.HookControl(panel));
  delete panel;
  EXPECT_FALSE(hook.Hooked());
}

TEST_F(SkinControlTest, WindowHooksLeaveInAnyOrderAndNeverCutOutARawSubclasserThatCameAfter) {
  HWND w = PlainChild();
  const LONG_PTR original = GetWindowLongPtrW(w, GWLP_WNDPROC);
  CountingHook first, second;
  ASSERT_TRUE(first.HookWindow(w));
  ASSERT_TRUE(second.HookWindow(w));
  first.RemoveHook();
  SendMessageW(w, kProbe, 0, 0);
  EXPECT_EQ(first.seen, 0);
  EXPECT_EQ(second.seen, 1);
  second.RemoveHook();
  EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), original);

  CountingHook third;
  ASSERT_TRUE(third.HookWindow(w));
  g_rawOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RawProc)));
  third.RemoveHook();
  EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RawProc));
  SendMessageW(w, kProbe, 0, 0);
  EXPECT_EQ(g_rawSeen, 1);
  EXPECT_EQ(third.seen, 0);
  DestroyWindow(w);  // the relay left behind goes with the window
}

TEST_F(SkinControlTest, AnAnsiWindowKeepsItsCaptionThroughTheSubclass) {
  HWND w = CreateWindowExA(0, "BUTTON", "Ja", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, form->Handle(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_FALSE(IsWindowUnicode(w));
  auto* skinner = new ProbeSkinner(skinForm);
  skinner->AttachWindow(w, data, nullptr, skinForm);
  EXPECT_EQ(skinner->WindowText, L"Ja");
  SendMessageA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Nein"));
  char ansi[16] = {};
  GetWindowTextA(w, ansi, 16);
  EXPECT_STREQ(ansi, "Nein");
  EXPECT_EQ(skinner->WindowText, L"Nein");
  SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Oui"));
  wchar_t wide[16] = {};
  GetWindowTextW(w, wide, 16);
  EXPECT_STREQ(wide, L"Oui");
  DestroyWindow(w);
}

TEST_F(SkinControlTest, TheWindowSkinnersRemovalKeepsASubclasserThatCameAfterIt) {
  HWND w = CreateWindowExW(0, L"STATIC", L"top", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  auto* skinner = new TWinSkinForm(nullptr);
  skinner->Handle = w;
  skinner->AttachHandle(data);
  g_rawOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RawProc)));
  skinner->Unskin();
  delete skinner;
  SendMessageW(w, kProbe, 0, 0);
  EXPECT_EQ(g_rawSeen, 1);
  DestroyWindow(w);
}

TEST_F(SkinControlTest, AttachingRecoloursAndSwitchesParentBackgroundOffUntilDetach) {
  struct Case {
    bool parentBackground;
    bool optionKeepsIt;
    int mode;
    bool whileSkinned;
  } cases[] = {{true, false, 1, false}, {false, false, 0, false}, {true, true, 0, true}};
  for (const Case& c : cases) {
    data->SetOptions(c.optionKeepsIt ? TSkinOptions{TSkinOption::xoParentBackGround} : TSkinOptions{});
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetParentBackground(c.parentBackground);
    box->SetColor(RGB(1, 2, 3));
    auto* skinner = new ProbeSkinner(box);
    skinner->AttachControl(skinForm, data, nullptr, true);
    EXPECT_EQ(box->Color(), Face());
    EXPECT_EQ(skinner->Mode, c.mode) << c.parentBackground << c.optionKeepsIt;
    EXPECT_EQ(box->ParentBackground(), c.whileSkinned) << c.parentBackground << c.optionKeepsIt;
    skinner->Detach();
    EXPECT_EQ(box->Color(), static_cast<TColor>(RGB(1, 2, 3)));
    EXPECT_EQ(box->ParentBackground(), c.parentBackground);
    delete box;
  }
  EXPECT_TRUE(skinForm->Skinners.empty());
}

TEST_F(SkinControlTest, TheEnginesMessagesSwitchASkinnerAndAskWhetherItSkins) {
  form->Show();
  auto* button = new TButton(form);
  button->SetParent(form);
  auto* skinner = new ProbeSkinner(button);
  skinner->AttachControl(skinForm, data, nullptr, false);
  HWND w = button->Handle();
  EXPECT_EQ(SendMessageW(w, SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_TRUE(skinForm->IsControlSkinned(button));
  SendMessageW(w, SKM_ENABLE, 0, 0);
  EXPECT_FALSE(skinner->Enabled);
  EXPECT_EQ(SendMessageW(w, SKM_QUERYSKINNED, 0, 0), 0);  // counts as unskinned for discovery
  skinner->draws = 0;
  SendMessageW(w, SKM_ENABLE, 1, 0);
  EXPECT_TRUE(skinner->Enabled);
  EXPECT_GT(skinner->draws, 0);  // switched on, it repaints
  EXPECT_EQ(skinForm->FindSkinControlByHandle(w), skinner);
}

TEST_F(SkinControlTest, ASkinnerPaintsAfterTheControlAndSurvivesItsWindowBeingMadeAgain) {
  form->Show();
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 80, 20);
  auto* skinner = new ProbeSkinner(box);
  skinner->AttachControl(skinForm, data, nullptr, false);
  HWND before = box->Handle();
  InvalidateRect(before, nullptr, TRUE);
  UpdateWindow(before);
  EXPECT_GT(skinner->draws, 0);
  box->SetAlignment(TAlignment::taLeftJustify);  // a new window
  HWND after = box->Handle();
  ASSERT_NE(after, before);
  EXPECT_EQ(skinner->Handle, after);
  EXPECT_EQ(skinner->State(), TControlState::Attached);
  EXPECT_EQ(SendMessageW(after, SKM_QUERYSKINNED, 0, 0), 1);
  skinner->draws = 0;
  InvalidateRect(after, nullptr, TRUE);
  UpdateWindow(after);
  EXPECT_GT(skinner->draws, 0);
}

TEST_F(SkinControlTest, AFreedControlsSkinnerLeavesTheListAtOnce) {
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  auto* skinner = new ProbeSkinner(box);
  skinner->AttachControl(skinForm, data, nullptr, true);
  ASSERT_EQ(skinForm->Skinners.size(), 1u);
  delete box;
  EXPECT_TRUE(skinForm->Skinners.empty());
  EXPECT_EQ(ProbeSkinner::freed, 1);
}

TEST_F(SkinControlTest, APlainWindowsSkinnerGoesWithItsWindow) {
  HWND w = PlainChild(L"BUTTON");
  auto* skinner = new ProbeSkinner(skinForm);
  skinner->AttachWindow(w, data, nullptr, skinForm);
  EXPECT_TRUE(skinner->WindowEnabled);
  EXPECT_EQ(SendMessageW(w, SKM_QUERYSKINNED, 0, 0), 1);
  ASSERT_EQ(skinForm->FindSkinControlByHandle(w), skinner);
  DestroyWindow(w);
  EXPECT_TRUE(skinForm->Skinners.empty());
  EXPECT_EQ(ProbeSkinner::freed, 1);
}

TEST_F(SkinControlTest, NotificationHandlersTakeTheEnginesKeyForNoHeader) {
  form->Show();
  std::vector<TWinControl*> controls{new TPageControl(form), new TUpDown(form), new THeaderControl(form),
                                     new TDateTimePicker(form), new TListView(form)};
  for (TWinControl* c : controls) {
    c->SetParent(form);
    c->Handle();
    EXPECT_EQ(c->Perform(CN_NOTIFY, 0, SKM_KEY), 0) << static_cast<const void*>(c);
  }
  // The engine itself never sends a message of the CN_* range to a framework control.
  EXPECT_FALSE(MaySendSkinMessage(controls[0]->Handle(), SKM_SKINDONE));
  EXPECT_EQ(SendSkinMessage(controls[0]->Handle(), SKM_PAINTNC, 0, SKM_KEY), 0);
  EXPECT_TRUE(MaySendSkinMessage(controls[0]->Handle(), SKM_QUERYSKINNED));
  EXPECT_TRUE(MaySendSkinMessage(form->Handle(), SKM_SKINDONE));
  HWND plain = PlainChild();
  EXPECT_TRUE(MaySendSkinMessage(plain, SKM_PAINTCONTROL));
}

TEST_F(SkinControlTest, PropertyHelpersAnswerEmptyForWhatIsMissing) {
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  box->SetTag(7);
  EXPECT_EQ(GetOrdPropByName(box, L"Tag"), 7);
  EXPECT_EQ(GetOrdPropByName(box, L"Alignment"), -1);  // an enumeration is no integer
  EXPECT_EQ(GetOrdPropByName(box, L"NoSuch"), -1);
  EXPECT_EQ(GetOrdPropByName(nullptr, L"Tag"), -1);
  EXPECT_EQ(GetEnumPropByName(box, L"Alignment"), L"taRightJustify");
  EXPECT_EQ(GetEnumPropByName(box, L"NoSuch"), L"");
  SetPropByName(box, L"Caption", L"Hello");
  EXPECT_EQ(GetPropAsWide(box, L"Caption"), L"Hello");
  SetPropByName(box, L"Tag", L"12");
  EXPECT_EQ(box->Tag(), 12);
  SetPropByName(box, L"NoSuch", L"1");
  EXPECT_EQ(GetObjectPropByName(box, L"NoSuch"), nullptr);
  EXPECT_NE(GetObjectPropByName(box, L"Font"), nullptr);
  EXPECT_EQ(WideLeft(L"abcdef", 3), L"abc");
  EXPECT_EQ(WideLeft(L"abcdef", -1), L"abcdef");
}

TEST_F(SkinControlTest, FactsComeFromTheControlOrFromThePlainWindow) {
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  box->SetCaption(L"Box");
  box->SetState(TCheckBoxState::cbGrayed);
  TControlFacts facts;
  facts.Bind(box, box->Handle());
  EXPECT_EQ(facts.Caption(), L"Box");
  EXPECT_EQ(facts.Checked(), BST_INDETERMINATE);
  EXPECT_TRUE(facts.Enabled());
  EXPECT_NE(facts.Font(), nullptr);
  HWND plain = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 60, 20, form->Handle(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(plain, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(plain, FALSE);
  facts.Bind(nullptr, plain);
  EXPECT_EQ(facts.Caption(), L"Plain");
  EXPECT_EQ(facts.Checked(), BST_CHECKED);
  EXPECT_FALSE(facts.Enabled());
  EXPECT_EQ(facts.Colour(clRed), clRed);
}

}  // namespace
