// The window skinner's decisions as tables, without windows.
#include "skin/frame_rules.h"

#include <gtest/gtest.h>

#include "skin/skin_elements.h"

namespace {

TEST(WindowChoice, RefusedClassesAndTheMainComponentsFilter) {
  struct Case {
    const wchar_t* cls;
    DWORD style;
    bool previews;
    bool refused;
    bool passes;
  } cases[] = {
      {L"TApplication", 0, true, true, true},
      {L"TApplicationX", 0, true, false, true},  // only the exact name
      {L"xTcxPopupEditPopupWindow1", 0, true, true, true},
      {L"TTERenderWindow", 0, true, true, true},
      {L"TfrmPrintPreview", 0, false, false, false},
      {L"TFRMPREVIEWER", 0, false, false, false},  // any letter case
      {L"TfrmPrintPreview", 0, true, false, true},
      {L"#32770", DS_SETFOREGROUND, true, false, false},
      {L"#32770", DS_MODALFRAME, true, false, true},
      {L"TPopupDBTreeView", 0, true, false, false},
      {L"Tfrmmain", WS_CAPTION, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls);
    EXPECT_EQ(IsRefusedWindowClass(c.cls), c.refused);
    EXPECT_EQ(ClassPassesFilter(c.cls, c.style, c.previews), c.passes);
  }
}

TEST(WindowChoice, OnlyMdiChildrenAmongChildWindows) {
  EXPECT_FALSE(IsPlainChild(WS_POPUP, 0, L""));
  EXPECT_TRUE(IsPlainChild(WS_CHILD, 0, L"TPanel"));
  EXPECT_FALSE(IsPlainChild(WS_CHILD, WS_EX_MDICHILD, L"TPanel"));
  EXPECT_FALSE(IsPlainChild(WS_CHILD, 0, L"MdiClient"));
}

TEST(FrameKind, FromStylesAndClass) {
  struct Case {
    DWORD style, exStyle;
    const wchar_t* cls;
    uint8_t kind;
  } cases[] = {
      {WS_OVERLAPPEDWINDOW, 0, L"TForm1", kBorderSizeable},
      {WS_CAPTION | WS_SYSMENU, 0, L"TForm1", kBorderDefault},
      {WS_CAPTION | DS_MODALFRAME, 0, L"TForm1", kBorderDialog},
      {WS_CAPTION | WS_THICKFRAME, WS_EX_DLGMODALFRAME, L"TForm1", kBorderDialog},
      {WS_POPUP | WS_BORDER, 0, L"TForm1", kBorderNoCaption},  // WS_BORDER alone is half a caption
      {WS_POPUP, 0, L"TForm1", kBorderNoCaption},
      {WS_OVERLAPPEDWINDOW, 0, L"#32770", kBorderDialog},
      {WS_OVERLAPPEDWINDOW, 0, L"TMessageForm", kBorderDialog},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls << " " << std::hex << c.style);
    EXPECT_EQ(BorderKindOf(c.style, c.exStyle, c.cls), c.kind);
  }
  EXPECT_EQ(CaptionCapsOf(WS_OVERLAPPEDWINDOW, WS_EX_CONTEXTHELP, false),
            kCapSysMenu | kCapMinimize | kCapMaximize | kCapHelp);
  EXPECT_EQ(CaptionCapsOf(WS_CAPTION, 0, true), kCapSysMenu);
  EXPECT_EQ(ShowStateOf(SW_SHOWMINNOACTIVE), kShowMinimized);
}

TEST(FrameRules, WindowsVersionRules) {
  constexpr DWORD kWin98 = 0xC0000A04, kNt4 = 0x05650004, kWin2000 = 0x08930005, kXp = 0x0A280105,
                  kWin7 = 0x1DB10106,
                  kVista = 0x17700006, kWin10 = 0x4A61000A;
  struct Case {
    DWORD version, exStyle;
    bool hasOwner, isMdiChild, keeps;
  };
  const Case cases[] = {
      {kWin2000, 0, false, false, true},               // an unowned top-level window
      {kWin2000, WS_EX_APPWINDOW, true, false, true},  // owned, but on the task bar
      {kWin2000, 0, true, false, false},               // an owned dialog
      {kWin2000, WS_EX_MDICHILD, false, true, false},  // an MDI child
      {kXp, 0, false, false, false},     {kWin7, WS_EX_APPWINDOW, false, false, false},
      {kNt4, 0, false, false, false},    {kWin98, WS_EX_APPWINDOW, false, false, false},
      {kVista, 0, false, false, false},  {kWin10, 0, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.version << " " << c.exStyle);
    EXPECT_EQ(KeepsSystemMenuStyle(c.version, c.exStyle, c.hasOwner, c.isMdiChild), c.keeps);
  }
  EXPECT_EQ(ShowStateOf(SW_MINIMIZE), kShowMinimized);
  EXPECT_EQ(ShowStateOf(SW_SHOWMAXIMIZED), kShowMaximized);
  EXPECT_EQ(ShowStateOf(SW_SHOWNORMAL), kShowNormal);
}

TEST(FrameGeometry, MetricsClientRectAndHitTests) {
  TSkinElements skin;
  skin.Left.Image.SetSize(8, 40);  // two frames side by side
  skin.Left.Frame = 2;
  skin.Right.Image.SetSize(10, 40);
  skin.Right.Frame = 2;
  skin.Top.Image.SetSize(64, 60);  // two frames stacked
  skin.Top.Frame = 2;
  skin.Bottom.Image.SetSize(16, 8);
  skin.Bottom.Frame = 2;
  TFrameMetrics m = FrameMetricsOf(skin, kBorderDefault);
  EXPECT_EQ(m.Left, 4);
  EXPECT_EQ(m.Right, 5);
  EXPECT_EQ(m.Top, 30);
  EXPECT_EQ(m.Bottom, 4);
  TFrameMetrics none = FrameMetricsOf(skin, kBorderNoCaption);
  EXPECT_EQ(none.Left + none.Top + none.Right + none.Bottom, 0);

  RECT client = ClientRectInFrame(RECT{100, 50, 500, 350}, m, 19);
  EXPECT_EQ(client.left, 104);
  EXPECT_EQ(client.top, 50 + 30 + 19);
  EXPECT_EQ(client.right, 495);
  EXPECT_EQ(client.bottom, 346);

  struct Hit {
    LRESULT def;
    int y, menu;
    LRESULT expected;
  } hits[] = {
      {HTNOWHERE, 2, 0, HTNOWHERE},  // the top three rows keep the default
      {HTNOWHERE, 10, 0, HTCAPTION}, {HTCAPTION, 10, 0, HTCAPTION}, {HTNOWHERE, 35, 19, HTMENU},
      {HTNOWHERE, 35, 0, HTCAPTION}, {HTCLIENT, 10, 0, HTCLIENT},   {HTLEFT, 10, 0, HTLEFT},
      {HTBOTTOMRIGHT, 200, 19, HTBOTTOMRIGHT},
  };
  for (const Hit& h : hits) {
    SCOPED_TRACE(testing::Message() << h.def << " y=" << h.y);
    EXPECT_EQ(AdjustHitTest(h.def, h.y, 30, h.menu), h.expected);
  }
}

TDataSkinSysButton Button(int action, int visibility, int visibility1) {
  TDataSkinSysButton b("Button");
  b.Action = action;
  b.Visibility = visibility;
  b.Visibility1 = visibility1;
  return b;
}

bool AskYes(void*, int, int) { return true; }
bool AskNo(void*, int, int) { return false; }

TEST(CaptionButtons, VisibilityTable) {
  TCaptionState normal;
  normal.CaptionCaps = kCapSysMenu | kCapMinimize | kCapMaximize;
  TCaptionState maximized = normal;
  maximized.ShowState = kShowMaximized;
  TCaptionState inactive = normal;
  inactive.IsActive = false;
  TCaptionState noBoxes;
  noBoxes.CaptionCaps = kCapSysMenu;
  TCaptionState helpOnly;
  helpOnly.CaptionCaps = kCapSysMenu | kCapHelp;
  TCaptionState noSysMenu;
  noSysMenu.CaptionCaps = kCapMinimize;
  TCaptionState dialogFrame = normal;
  dialogFrame.BorderKind = kBorderDialog;

  struct Case {
    const char* what;
    TDataSkinSysButton button;
    TCaptionState state;
    bool visible;
  } cases[] = {
      {"always", Button(5, 0, 0), normal, true},
      {"maximize box while normal", Button(1, 2, 6), normal, true},
      {"maximize box while maximized", Button(1, 2, 6), maximized, false},
      {"restore box while maximized", Button(1, 1, 6), maximized, true},
      {"shown only while maximized", Button(5, 1, 0), normal, false},
      {"active only, inactive window", Button(5, 3, 0), inactive, false},
      {"inactive only, inactive window", Button(5, 4, 0), inactive, true},
      {"second code 100 follows the first", Button(5, 3, 100), normal, true},
      {"second code 100 follows the first (hidden)", Button(5, 3, 100), inactive, false},
      {"second code -1 never shows", Button(5, 0, -1), normal, false},
      {"first code 5 never shows", Button(5, 5, 0), normal, false},
      {"help without min/max boxes", Button(4, 10, 0), helpOnly, true},
      {"help with min/max boxes", Button(4, 10, 0), normal, false},
      {"min/max buttons need a box", Button(2, 0, 6), noBoxes, false},
      {"code 200 on a dialog frame", Button(5, 200, 0), dialogFrame, true},
      {"code 200 elsewhere", Button(5, 200, 0), normal, false},
      {"codes 201..999 show", Button(5, 500, 0), normal, true},
      {"code 1500 asks the window", Button(5, 1500, 0), normal, true},
      {"codes above 2000 hide", Button(5, 2001, 0), normal, false},
      {"close needs a system menu", Button(0, 0, 0), noSysMenu, false},
      {"system-menu icon hidden on dialog frames", Button(3, 0, 0), dialogFrame, false},
      {"system-menu icon elsewhere", Button(3, 0, 0), normal, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CaptionButtonVisibility(c.button, c.state, &AskYes, nullptr).Visible, c.visible);
  }
  EXPECT_FALSE(CaptionButtonVisibility(Button(5, 1500, 0), normal, &AskNo, nullptr).Visible);

  // Maximize and minimize stay visible without their boxes but do nothing: not Enabled.
  TCaptionState minOnly;
  minOnly.CaptionCaps = kCapSysMenu | kCapMinimize;
  TButtonVisibility max = CaptionButtonVisibility(Button(1, 2, 6), minOnly, &AskYes, nullptr);
  EXPECT_TRUE(max.Visible);
  EXPECT_FALSE(max.Enabled);
  EXPECT_TRUE(CaptionButtonVisibility(Button(2, 2, 6), minOnly, &AskYes, nullptr).Enabled);
}

TEST(CaptionButtons, LayoutByAlignment) {
  TDataSkinSysButton b("Button");
  b.Image.SetSize(112, 20);  // four 28-pixel cells
  b.Frame = 4;
  b.Xcoord = 32;
  b.Ycoord = 5;
  const RECT caption{40, 0, 140, 30};
  struct Case {
    int align;
    RECT expected;
  } cases[] = {
      {0, {32, 5, 60, 25}},
      {1, {800 - 32, 5, 800 - 32 + 28, 25}},
      {2, {40 - 28 - 32, 5, 40 - 32, 25}},
      {9, {140 + 32, 5, 140 + 32 + 28, 25}},
      {100, {800 - 32 - 4 - 2, 30 + (19 - 20) / 2, 800 - 32 - 4 - 2 + 28, 30 + (19 - 20) / 2 + 20}},
      {7, {0, 0, 28, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.align);
    b.Align = c.align;
    RECT r = CaptionButtonRect(b, 800, caption, 30, 4, 19, 2);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
  }
}

TEST(CaptionButtons, HintsAndTheirTiming) {
  struct Case {
    int action;
    const wchar_t* hint;
  } cases[] = {{0, L"Close"},    {9, L"Close"},    {62, L"Close"},   {1, L"Maximize"}, {22, L"Maximize"},
               {2, L"Minimize"}, {7, L"Minimize"}, {60, L"Minimize"}, {8, L"Restore"},  {61, L"Restore"},
               {3, L""},         {5, L""}};
  for (const Case& c : cases) EXPECT_EQ(CaptionButtonHint(c.action), c.hint) << c.action;

  // Shown after twice the hint pause, hidden after a further hide pause.
  EXPECT_EQ(CaptionHintStep(750, 500, 2500), THintStep::Wait);
  EXPECT_EQ(CaptionHintStep(1000, 500, 2500), THintStep::Show);
  EXPECT_EQ(CaptionHintStep(3250, 500, 2500), THintStep::Show);
  EXPECT_EQ(CaptionHintStep(3500, 500, 2500), THintStep::Hide);
}

}  // namespace
