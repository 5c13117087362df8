// Which skinner a control or a plain child window gets, as tables: the class table's order
// and stop rules, the style map, group items, owner-drawn and plain buttons by style.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "skin/control_discovery.h"
#include "skin/skinner_kinds.h"

namespace {

using K = TSkinnerKind;
using T = TSkinControlType;

TControlTraits Traits(std::vector<std::wstring> chain, DWORD style = 0, std::map<std::wstring, std::wstring> props = {}) {
  TControlTraits t;
  t.ClassChain = std::move(chain);
  t.Windowed = true;
  t.Style = style;
  t.Property = [props](const wchar_t* name) {
    auto found = props.find(name);
    return found == props.end() ? std::wstring() : found->second;
  };
  return t;
}

TDiscoverySettings Settings(TSkinControlTypes on, std::vector<std::wstring> map = {}, bool tabs = true) {
  TDiscoverySettings s;
  s.Controls = on;
  s.Skin3rd = std::move(map);
  s.HasTabsElement = tabs;
  return s;
}

const TSkinControlTypes kAll = {T::xcCombo, T::xcCheckBox, T::xcRadioButton, T::xcProgress, T::xcScrollbar,
                                T::xcEdit,  T::xcButton,   T::xcBitBtn,      T::xcSpeedButton, T::xcSpin,
                                T::xcPanel, T::xcGroupBox, T::xcTab};

TEST(ControlDiscovery, TheClassTableTakesTheFirstRowWhoseTestAndSettingHold) {
  struct Case {
    const char* name;
    TControlTraits control;
    TSkinControlTypes on;
    K kind;
    bool recolour;
    TChildWalk children;
  } cases[] = {
      {"page control with tabs", Traits({L"TPageControl", L"TCustomTabControl"}, 0, {{L"Style", L"tsTabs"}}), kAll,
       K::Tab, false, TChildWalk::None},
      {"page control with buttons", Traits({L"TPageControl", L"TCustomTabControl"}, 0, {{L"Style", L"tsButtons"}}),
       kAll, K::TabBtn, false, TChildWalk::None},
      {"tab sheet", Traits({L"TTabSheet", L"TWinControl"}), kAll, K::TabSheet, false, TChildWalk::None},
      {"check box", Traits({L"TCheckBox", L"TCustomCheckBox", L"TButtonControl"}), kAll, K::CheckBox, false,
       TChildWalk::None},
      {"check box, setting off", Traits({L"TCheckBox", L"TCustomCheckBox", L"TButtonControl"}), {T::xcButton},
       K::None, false, TChildWalk::None},
      {"group box", Traits({L"TGroupBox", L"TCustomGroupBox"}), kAll, K::GroupBox, false, TChildWalk::ChildrenFirst},
      {"panel", Traits({L"TPanel", L"TCustomPanel"}), kAll, K::Box, true, TChildWalk::ChildrenFirst},
      {"bit button", Traits({L"TBitBtn", L"TButton"}), kAll, K::BitButton, false, TChildWalk::None},
      {"radio button", Traits({L"TRadioButton", L"TButtonControl"}), kAll, K::RadioButton, false, TChildWalk::None},
      {"progress bar", Traits({L"TProgressBar", L"TWinControl"}), kAll, K::Progress, false, TChildWalk::None},
      {"speed button", Traits({L"TSpeedButton", L"TGraphicControl"}), kAll, K::SpeedButton, false, TChildWalk::None},
      {"list view", Traits({L"TListView", L"TCustomListView"}), kAll, K::ListView, false, TChildWalk::None},
      {"memo", Traits({L"TMemo", L"TCustomMemo", L"TCustomEdit"}), kAll, K::Scrollbar, false, TChildWalk::None},
      {"memo without scroll bars becomes an edit", Traits({L"TMemo", L"TCustomMemo", L"TCustomEdit"}),
       {T::xcEdit}, K::Edit, false, TChildWalk::None},
      {"list box", Traits({L"TListBox", L"TCustomListBox"}), kAll, K::Scrollbar, false, TChildWalk::None},
      {"any window with a scroll bar", Traits({L"TVirtualStringTree", L"TWinControl"}, WS_VSCROLL), kAll,
       K::Scrollbar, false, TChildWalk::None},
      {"button", Traits({L"TButton", L"TButtonControl"}), kAll, K::Button, false, TChildWalk::None},
      {"edit", Traits({L"TEdit", L"TCustomEdit"}), kAll, K::Edit, false, TChildWalk::None},
      // Its window has dropped WS_VSCROLL, as every combo box window does.
      {"combo box", Traits({L"TComboBox", L"TCustomComboBox"}, WS_CHILD | CBS_SIMPLE), kAll, K::ComBox, false,
       TChildWalk::None},
      {"combo box, setting off", Traits({L"TComboBox", L"TCustomComboBox"}), {T::xcScrollbar, T::xcEdit}, K::None,
       false, TChildWalk::None},
      {"a form as a control", Traits({L"TfrmPage", L"TForm", L"TCustomForm"}), {}, K::Box, true,
       TChildWalk::OwnedAfter},
      {"navigator", Traits({L"TDBNavigator"}), kAll, K::Box, true, TChildWalk::NavigatorButtons},
      {"mvc panel", Traits({L"TMvcPanel", L"TCustomPanel"}), kAll, K::None, false, TChildWalk::ChildrenFirst},
      {"up-down", Traits({L"TUpDown"}), kAll, K::UpDown, false, TChildWalk::None},
      {"tab set", Traits({L"TTabSet"}), kAll, K::Tab31, false, TChildWalk::None},
      {"media player", Traits({L"TMediaPlayer"}), kAll, K::MediaPlayer, false, TChildWalk::None},
      {"label", Traits({L"TLabel", L"TGraphicControl"}), kAll, K::None, false, TChildWalk::None},
      {"left alone by name", Traits({L"TDBComboBoxEh", L"TCustomEdit"}), kAll, K::None, false, TChildWalk::None},
  };
  for (const Case& c : cases) {
    TSkinDecision d = DecideControlSkinner(c.control, Settings(c.on));
    EXPECT_EQ(d.Kind, c.kind) << c.name;
    EXPECT_EQ(d.Recolour, c.recolour) << c.name;
    EXPECT_EQ(d.Children, c.children) << c.name;
    EXPECT_FALSE(d.Source.empty()) << c.name;
  }
}

TEST(ControlDiscovery, TabRowsNeedTheTabsElementAndOtherTabControlsGetMode2) {
  TControlTraits tabControl = Traits({L"TTabControl", L"TCustomTabControl"});
  TSkinDecision d = DecideControlSkinner(tabControl, Settings(kAll));
  EXPECT_EQ(d.Kind, K::Tab);
  EXPECT_EQ(d.Mode, TSkinDecision::TMode::OtherTabControl);
  EXPECT_EQ(DecideControlSkinner(tabControl, Settings(kAll, {}, false)).Kind, K::None);
}

TEST(ControlDiscovery, ABitButtonWithBitButtonsOffStaysNativeEvenWithButtonsOn) {
  TSkinDecision d = DecideControlSkinner(Traits({L"TBitBtn", L"TButton"}), Settings({T::xcButton}));
  EXPECT_EQ(d.Kind, K::None);
  EXPECT_NE(d.Source.find(L"row 19"), std::wstring::npos);
}

// The reason a control stays native names the row its setting keeps from it.
TEST(ControlDiscovery, ANoneForASettingThatIsOffNamesTheRowThatWouldTakeIt) {
  TSkinDecision d = DecideControlSkinner(Traits({L"TCheckBox", L"TCustomCheckBox"}), Settings({T::xcButton}));
  EXPECT_EQ(d.Kind, K::None);
  EXPECT_NE(d.Source.find(L"row 6, TSkinCheckBox"), std::wstring::npos) << std::string(d.Source.begin(), d.Source.end());
  d = DecideControlSkinner(Traits({L"TPageControl", L"TCustomTabControl"}, 0, {{L"Style", L"tsTabs"}}),
                           Settings({T::xcTab}, {}, false));
  EXPECT_NE(d.Source.find(L"row 1, TSkinTab"), std::wstring::npos);
  d = DecideControlSkinner(Traits({L"TLabel", L"TGraphicControl"}), Settings({T::xcButton}));
  EXPECT_EQ(d.Source, L"no row of the class table");
}

TEST(ControlDiscovery, OtherVendorsControlsByName) {
  struct Case {
    const wchar_t* cls;
    std::map<std::wstring, std::wstring> props;
    TSkinControlTypes on;
    K kind;
    int objImage;
    bool toWindow;
  } cases[] = {
      {L"TRzCheckBox", {}, kAll, K::ObjImage, 1, false},
      {L"TRzDBRadioButton", {}, kAll, K::ObjImage, 2, false},
      {L"TcxCheckBox", {}, kAll, K::ObjImage, 3, false},
      {L"TDCEdit", {{L"NumButtons", L"1"}}, kAll, K::ComBox, 0, false},
      {L"TDCEdit", {{L"NumButtons", L"0"}}, kAll, K::Edit, 0, true},
      {L"TDCEdit", {{L"NumButtons", L"0"}}, {T::xcCombo}, K::None, 0, false},
      {L"TDCEdit", {}, kAll, K::None, 0, false},  // a missing property answers nothing
  };
  for (const Case& c : cases) {
    TSkinDecision d = DecideControlSkinner(Traits({c.cls}, 0, c.props), Settings(c.on));
    EXPECT_EQ(d.Kind, c.kind) << std::string(c.cls, c.cls + wcslen(c.cls));
    EXPECT_EQ(d.ObjImageKind, c.objImage);
    EXPECT_EQ(d.AttachToWindow, c.toWindow);
  }
}

TEST(ControlDiscovery, TheStyleMapDecidesAloneCaseInsensitivelyByItsFirstLine) {
  const TControlTraits lmd = Traits({L"TLMDButton", L"TButton"});
  EXPECT_EQ(DecideControlSkinner(lmd, Settings(kAll)).Kind, K::Button);  // class table: is a TButton
  TSkinDecision nil = DecideControlSkinner(lmd, Settings(kAll, {L"TLMDButton=nil"}));
  EXPECT_EQ(nil.Kind, K::None);
  EXPECT_EQ(nil.Source, L"style map: nil");
  EXPECT_EQ(DecideControlSkinner(lmd, Settings(kAll, {L"tlmdbutton=SpeedButton", L"TLMDButton=nil"})).Kind,
            K::SpeedButton);
  // Only a line that begins with the class name matches.
  EXPECT_EQ(DecideControlSkinner(lmd, Settings(kAll, {L"XTLMDButton=nil"})).Kind, K::Button);
  // A style whose setting is off, or that the engine does not know, attaches nothing.
  EXPECT_EQ(DecideControlSkinner(lmd, Settings({T::xcEdit}, {L"TLMDButton=button"})).Kind, K::None);
  EXPECT_EQ(DecideControlSkinner(lmd, Settings(kAll, {L"TLMDButton=fancy"})).Kind, K::None);
  // The style is at most 50 characters.
  EXPECT_EQ(StyleMapEntry({L"TLong=" + std::wstring(60, L'a')}, L"TLONG")->size(), 50u);
  EXPECT_EQ(*StyleMapEntry({L"TLong=Panel=x"}, L"tlong"), L"panel=x");
  EXPECT_FALSE(StyleMapEntry({L"TLong"}, L"TLong"));
}

TEST(ControlDiscovery, StyleTable) {
  struct Case {
    const wchar_t* style;
    TSkinControlTypes on;
    K kind;
    bool recolour;
  } cases[] = {
      {L"combobox", kAll, K::ComBox, false},          {L"comboboxex", kAll, K::ComBox, false},
      {L"edit", kAll, K::Edit, false},                {L"radiobutton", kAll, K::RadioButton, false},
      {L"panel", kAll, K::Box, true},                 {L"trackbar", kAll, K::TrackBar, false},
      {L"button", kAll, K::Button, false},            {L"datetimepicker", kAll, K::DateTime, false},
      {L"mediaplayer", kAll, K::MediaPlayer, false},  {L"bitbtn", kAll, K::BitButton, false},
      {L"pngbitbtn", kAll, K::BitButton, false},      {L"pngspeedbutton", kAll, K::SpeedButton, false},
      {L"menubtn", kAll, K::MenuButton, false},       {L"speedbutton", kAll, K::SpeedButton, false},
      {L"tab", kAll, K::Tab, false},                  {L"progress", kAll, K::Progress, false},
      {L"scrollbar", kAll, K::Scrollbar, false},      {L"singlescrollbar", kAll, K::Scrollbar, false},
      {L"embedscrollbar", kAll, K::None, false},      {L"container", {}, K::None, false},
      {L"groupbox", kAll, K::GroupBox, true},         {L"advpagecontrol", kAll, K::AdvPage, true},
      {L"checkbox", kAll, K::CheckBox, false},        {L"speedbutton", {T::xcButton}, K::None, false},
  };
  for (const Case& c : cases) {
    TSkinDecision d = DecideControlSkinner(Traits({L"TStandIn"}), Settings(c.on, {std::wstring(L"TStandIn=") + c.style}));
    EXPECT_EQ(d.Kind, c.kind) << std::string(c.style, c.style + wcslen(c.style));
    EXPECT_EQ(d.Recolour, c.recolour) << std::string(c.style, c.style + wcslen(c.style));
  }
  EXPECT_TRUE(DecideControlSkinner(Traits({L"TStandIn"}), Settings(kAll, {L"TStandIn=comboboxex"})).ComboEx);
  EXPECT_TRUE(DecideControlSkinner(Traits({L"TStandIn"}), Settings(kAll, {L"TStandIn=edit"})).NeedsBorder);
  EXPECT_TRUE(DecideControlSkinner(Traits({L"TStandIn"}), Settings(kAll, {L"TStandIn=panel"})).SetTransparent);
  EXPECT_EQ(DecideControlSkinner(Traits({L"TStandIn"}), Settings(kAll, {L"TStandIn=singlescrollbar"})).Mode,
            TSkinDecision::TMode::SingleScrollBar);
  EXPECT_EQ(DecideControlSkinner(Traits({L"TStandIn"}), Settings(kAll, {L"TStandIn=embedscrollbar"})).Children,
            TChildWalk::ScrollableChildren);
  TSkinDecision dropDown = DecideControlSkinner(Traits({L"TcxButton"}, 0, {{L"Kind", L"cxbkDropDownButton"}}),
                                                Settings(kAll, {L"TcxButton=bitbtn"}));
  EXPECT_EQ(dropDown.Kind, K::MenuButton);
}

TEST(ControlDiscovery, RadioAndCheckGroupsSkinTheirItems) {
  TSkinDecision radio = DecideControlSkinner(Traits({L"TRadioGroup"}), Settings(kAll, {L"TRadioGroup=radiogroup"}));
  EXPECT_EQ(radio.Kind, K::GroupBox);
  EXPECT_TRUE(radio.Recolour);
  ASSERT_EQ(radio.Children, TChildWalk::GroupItems);
  EXPECT_EQ(GroupItemDecision(radio, L"TGroupButton").Kind, K::RadioButton);
  TSkinDecision rz = GroupItemDecision(radio, L"TRzRadioButton");
  EXPECT_EQ(rz.Kind, K::ObjImage);
  EXPECT_EQ(rz.ObjImageKind, 2);
  // Without radio buttons on the items stay native; the group still looks like a group box.
  TSkinDecision noItems =
      DecideControlSkinner(Traits({L"TRadioGroup"}), Settings({T::xcGroupBox}, {L"TRadioGroup=radiogroup"}));
  EXPECT_EQ(noItems.Kind, K::GroupBox);
  EXPECT_EQ(noItems.Children, TChildWalk::None);
  // A check group needs panels for the group, check boxes for its items, group boxes for its look.
  TSkinDecision check = DecideControlSkinner(Traits({L"TCheckGroup"}),
                                             Settings({T::xcPanel, T::xcCheckBox}, {L"TCheckGroup=checkgroup"}));
  EXPECT_EQ(check.Kind, K::None);
  EXPECT_EQ(check.Children, TChildWalk::GroupItems);
  EXPECT_EQ(GroupItemDecision(check, L"TCheckBox").Kind, K::CheckBox);
  EXPECT_EQ(GroupItemDecision(check, L"TRzCheckBox").ObjImageKind, 1);
  EXPECT_EQ(DecideControlSkinner(Traits({L"TCheckGroup"}), Settings({T::xcCheckBox, T::xcGroupBox},
                                                                    {L"TCheckGroup=checkgroup"}))
                .Children,
            TChildWalk::None);
}

TEST(ControlDiscovery, PlainWindowsByClassAndStyle) {
  struct Case {
    const wchar_t* cls;
    DWORD style;
    TSkinControlTypes on;
    K kind;
  } cases[] = {
      {L"Button", BS_PUSHBUTTON, kAll, K::Button},
      {L"Button", BS_DEFPUSHBUTTON, kAll, K::Button},
      {L"Button", BS_AUTOCHECKBOX, kAll, K::CheckBox},
      {L"Button", BS_CHECKBOX, kAll, K::CheckBox},
      {L"Button", BS_3STATE, kAll, K::CheckBox},
      {L"Button", BS_AUTORADIOBUTTON, kAll, K::RadioButton},
      {L"Button", BS_RADIOBUTTON, kAll, K::RadioButton},
      {L"Button", BS_AUTORADIOBUTTON, {T::xcButton, T::xcCheckBox}, K::None},  // not a push button
      {L"Button", BS_PUSHBUTTON, {T::xcCheckBox}, K::None},
      {L"Button", BS_GROUPBOX, kAll, K::None},
      {L"Button", BS_PUSHBUTTON | BS_BITMAP, kAll, K::None},
      {L"Button", BS_OWNERDRAW, kAll, K::None},  // goes on to the later rows, and none fits
      {L"ComboBox", CBS_DROPDOWN, kAll, K::ComBox},
      {L"ComboBox", CBS_DROPDOWNLIST, kAll, K::ComBox},
      {L"ComboBox", CBS_SIMPLE, kAll, K::None},
      {L"ComboBoxEx32", 0, kAll, K::ComBox},
      {L"ScrollBar", SBS_SIZEGRIP, kAll, K::Sizer},
      {L"ScrollBar", SBS_VERT | WS_TABSTOP, kAll, K::None},
      {L"SysTreeView32", 0, kAll, K::None},
      {L"#32770", WS_CHILD, kAll, K::BoxH},
      {L"ToolbarWindow32", 0, {}, K::BoxH},
      {L"SysTabControl32", 0, kAll, K::Tab},
      {L"SysTabControl32", TCS_OWNERDRAWFIXED, kAll, K::None},
      {L"Edit", 0, kAll, K::Edit},
      {L"Edit", 0, {T::xcButton}, K::None},
      {L"TProgressBar", 0, {}, K::Progress},
      {L"Static", 0, kAll, K::None},
  };
  for (const Case& c : cases) {
    TWindowDecision d = DecideWindowSkinner(c.cls, c.style, c.on);
    EXPECT_EQ(d.Kind, c.kind) << std::string(c.cls, c.cls + wcslen(c.cls)) << " " << c.style;
  }
  EXPECT_TRUE(DecideWindowSkinner(L"ComboBoxEx32", 0, kAll).AttachToFirstChild);
  EXPECT_TRUE(DecideWindowSkinner(L"#32770", WS_CHILD, kAll).ChildWindowsFirst);
  TWindowDecision panel = DecideWindowSkinner(L"TPanel", 0, kAll);
  EXPECT_TRUE(panel.ChildWindowsFirst);
  EXPECT_TRUE(panel.FaceColourControl);
}

TEST(ControlDiscovery, EveryKindHasAName) {
  for (int k = 0; k <= static_cast<int>(K::StatusBar); ++k)
    EXPECT_EQ(SkinnerKindName(static_cast<K>(k))[0], k == 0 ? L'(' : L'T');
  EXPECT_EQ(FindSkinnerRow(K::None), nullptr);
}

}  // namespace
