#include "skin/control_discovery.h"

#include <commctrl.h>

#include "base/strings.h"

namespace {

using T = TSkinControlType;

constexpr const wchar_t* kNoRow = L"no row of the class table";

bool ChainHas(const TControlTraits& c, const wchar_t* name) {
  for (const std::wstring& n : c.ClassChain)
    if (SameText(n, name)) return true;
  return false;
}

std::wstring Prop(const TControlTraits& c, const wchar_t* name) { return c.Property ? c.Property(name) : L""; }

TSkinDecision Make(TSkinnerKind kind, std::wstring source, bool recolour = false) {
  TSkinDecision d;
  d.Kind = kind;
  d.Recolour = recolour;
  d.Source = std::move(source);
  return d;
}

TSkinDecision Scroll(std::wstring source, TSkinDecision::TMode mode = TSkinDecision::TMode::Plain) {
  TSkinDecision d = Make(TSkinnerKind::Scrollbar, std::move(source));
  d.ScrollAttach = true;
  d.Mode = mode;
  return d;
}

TSkinDecision Nothing(std::wstring why) { return Make(TSkinnerKind::None, std::move(why)); }

TSkinDecision FromStyle(const std::wstring& style, const std::wstring& cls, const TControlTraits& c,
                        const TDiscoverySettings& s) {
  const TSkinControlTypes on = s.Controls;
  const std::wstring src = L"style map: " + style;
  auto off = [&] { return Nothing(src + L" (its setting is off)"); };
  if (style == L"nil") return Nothing(src);
  if (style == L"combobox" || style == L"comboboxex") {
    if (!on.Contains(T::xcCombo)) return off();
    TSkinDecision d = Make(TSkinnerKind::ComBox, src);
    d.ComboEx = style == L"comboboxex";
    return d;
  }
  if (style == L"edit") {
    if (!on.Contains(T::xcEdit)) return off();
    TSkinDecision d = Make(TSkinnerKind::Edit, src);
    d.NeedsBorder = true;
    return d;
  }
  if (style == L"radiobutton") return on.Contains(T::xcRadioButton) ? Make(TSkinnerKind::RadioButton, src) : off();
  if (style == L"panel" || style == L"trackbar") {
    if (!on.Contains(style == L"panel" ? T::xcPanel : T::xcButton)) return off();
    TSkinDecision d = style == L"panel" ? Make(TSkinnerKind::Box, src, true) : Make(TSkinnerKind::TrackBar, src);
    d.SetTransparent = true;
    return d;
  }
  struct Simple {
    const wchar_t* style;
    T setting;
    TSkinnerKind kind;
    bool png;
  };
  static const Simple simple[] = {
      {L"button", T::xcButton, TSkinnerKind::Button, false},
      {L"datetimepicker", T::xcCombo, TSkinnerKind::DateTime, false},
      {L"mediaplayer", T::xcButton, TSkinnerKind::MediaPlayer, false},
      {L"pngbitbtn", T::xcButton, TSkinnerKind::BitButton, true},
      {L"pngspeedbutton", T::xcButton, TSkinnerKind::SpeedButton, true},
      {L"menubtn", T::xcButton, TSkinnerKind::MenuButton, false},
      {L"speedbutton", T::xcSpeedButton, TSkinnerKind::SpeedButton, false},
      {L"progress", T::xcProgress, TSkinnerKind::Progress, false},
      {L"checkbox", T::xcCheckBox, TSkinnerKind::CheckBox, false},
  };
  for (const Simple& row : simple) {
    if (style != row.style) continue;
    if (!on.Contains(row.setting)) return off();
    TSkinDecision d = Make(row.kind, src);
    d.PngGlyph = row.png;
    return d;
  }
  if (style == L"bitbtn") {
    if (!on.Contains(T::xcButton)) return off();
    bool dropDown = cls == L"TCXBUTTON" && Prop(c, L"Kind") == L"cxbkDropDownButton";
    return Make(dropDown ? TSkinnerKind::MenuButton : TSkinnerKind::BitButton, src);
  }
  if (style == L"tab")
    return on.Contains(T::xcTab) && s.HasTabsElement ? Make(TSkinnerKind::Tab, src) : off();
  if (style == L"scrollbar" || style == L"singlescrollbar") {
    if (!on.Contains(T::xcScrollbar)) return off();
    TSkinDecision d = Scroll(src, style == L"singlescrollbar" ? TSkinDecision::TMode::SingleScrollBar : TSkinDecision::TMode::Plain);
    if (style == L"scrollbar") d.Children = TChildWalk::ChildrenAfter;
    return d;
  }
  if (style == L"embedscrollbar") {
    if (!on.Contains(T::xcScrollbar)) return off();
    TSkinDecision d = Nothing(src);
    d.Children = TChildWalk::ScrollableChildren;
    return d;
  }
  if (style == L"container") {
    TSkinDecision d = Nothing(src);
    d.Children = TChildWalk::ChildrenFirst;
    return d;
  }
  if (style == L"groupbox") return on.Contains(T::xcGroupBox) ? Make(TSkinnerKind::GroupBox, src, true) : off();
  if (style == L"advpagecontrol") {
    if (!on.Contains(T::xcTab)) return off();
    TSkinDecision d = Make(TSkinnerKind::AdvPage, src, true);
    d.Mode = TSkinDecision::TMode::VendorPageControl;
    return d;
  }
  if (style == L"radiogroup" || style == L"checkgroup") {
    const bool radio = style == L"radiogroup";
    if (!on.Contains(radio ? T::xcGroupBox : T::xcPanel)) return off();
    TSkinDecision d = Nothing(src);
    d.GroupBoxLook = radio || on.Contains(T::xcGroupBox);
    if (d.GroupBoxLook) {
      d.Kind = TSkinnerKind::GroupBox;
      d.Recolour = true;
    }
    if (on.Contains(radio ? T::xcRadioButton : T::xcCheckBox)) {
      d.Children = TChildWalk::GroupItems;
      d.GroupItemKind = radio ? TSkinnerKind::RadioButton : TSkinnerKind::CheckBox;
    }
    return d;
  }
  return Nothing(src + L" (not a style of the engine)");
}

// The class table; `ended` is set by a row that stops the table although its setting is off.
TSkinDecision FromClassTable(const std::wstring& cls, const TControlTraits& c, const TDiscoverySettings& s) {
  const TSkinControlTypes on = s.Controls;
  const bool tabs = on.Contains(T::xcTab) && s.HasTabsElement;
  auto row = [](int n) { return L"class table: row " + std::to_wstring(n); };
  if (ChainHas(c, L"TCustomTabControl") && tabs) {
    if (ChainHas(c, L"TPageControl"))
      return Make(Prop(c, L"Style") == L"tsTabs" ? TSkinnerKind::Tab : TSkinnerKind::TabBtn, row(1));
    TSkinDecision d = Make(TSkinnerKind::Tab, row(1));
    d.Mode = TSkinDecision::TMode::OtherTabControl;
    return d;
  }
  if (cls == L"TTABSET" && tabs) return Make(TSkinnerKind::Tab31, row(2));
  if (ChainHas(c, L"TTabSheet") && tabs) return Make(TSkinnerKind::TabSheet, row(3));
  if (cls == L"TTABBEDNOTEBOOK" && tabs) return Make(TSkinnerKind::Tab, row(4));
  if (cls == L"TMVCPANEL") {
    TSkinDecision d = Nothing(row(5));
    d.Children = TChildWalk::ChildrenFirst;
    return d;
  }
  if (ChainHas(c, L"TCustomCheckBox") && on.Contains(T::xcCheckBox)) return Make(TSkinnerKind::CheckBox, row(6));
  if ((cls == L"TUPDOWN" || cls == L"TSPINBUTTON") && on.Contains(T::xcSpin)) return Make(TSkinnerKind::UpDown, row(7));
  if (cls == L"TMEDIAPLAYER" && on.Contains(T::xcButton)) return Make(TSkinnerKind::MediaPlayer, row(8));
  if (cls == L"TDBNAVIGATOR" && on.Contains(T::xcPanel)) {
    TSkinDecision d = Make(TSkinnerKind::Box, row(9), true);
    d.Children = TChildWalk::NavigatorButtons;
    return d;
  }
  struct ObjImageRow {
    const wchar_t* a;
    const wchar_t* b;
    T setting;
    int kind;
    int row;
  };
  static const ObjImageRow objImages[] = {{L"TRZDBCHECKBOX", L"TRZCHECKBOX", T::xcCheckBox, 1, 10},
                                          {L"TRZRADIOBUTTON", L"TRZDBRADIOBUTTON", T::xcRadioButton, 2, 11},
                                          {L"TCXDBCHECKBOX", L"TCXCHECKBOX", T::xcCheckBox, 3, 12}};
  for (const ObjImageRow& r : objImages) {
    if ((cls == r.a || cls == r.b) && on.Contains(r.setting)) {
      TSkinDecision d = Make(TSkinnerKind::ObjImage, row(r.row), true);
      d.ObjImageKind = r.kind;
      return d;
    }
  }
  if (ChainHas(c, L"TCustomGroupBox") && on.Contains(T::xcPanel)) {
    TSkinDecision d = Make(TSkinnerKind::GroupBox, row(13));
    d.Children = TChildWalk::ChildrenFirst;
    return d;
  }
  if (ChainHas(c, L"TRadioButton") && on.Contains(T::xcRadioButton)) return Make(TSkinnerKind::RadioButton, row(14));
  if (ChainHas(c, L"TProgressBar") && on.Contains(T::xcProgress)) return Make(TSkinnerKind::Progress, row(15));
  // Our own combo boxes as well: a combo box window drops WS_VSCROLL from its style, so no later
  // row would take one, while the same control found as a window ("tcombobox") gets this skinner.
  if ((cls == L"TTNTCOMBOBOX" || ChainHas(c, L"TCustomComboBox")) && on.Contains(T::xcCombo))
    return Make(TSkinnerKind::ComBox, row(16));
  if (cls == L"TRICHEDIT" && on.Contains(T::xcScrollbar)) return Scroll(row(17));
  if ((cls == L"TWWDBRICHEDIT" || cls == L"TDXDBMEMO") && on.Contains(T::xcScrollbar)) return Scroll(row(18));
  if (ChainHas(c, L"TBitBtn")) {
    if (on.Contains(T::xcBitBtn)) return Make(TSkinnerKind::BitButton, row(19));
    return Nothing(row(19) + L" (bit buttons off: no later row)");
  }
  if (ChainHas(c, L"TSpeedButton") && on.Contains(T::xcSpeedButton)) return Make(TSkinnerKind::SpeedButton, row(20));
  if (ChainHas(c, L"TCustomPanel") && on.Contains(T::xcPanel)) {
    TSkinDecision d = Make(TSkinnerKind::Box, row(21), true);
    d.Children = TChildWalk::ChildrenFirst;
    return d;
  }
  if ((cls == L"TDXTREELIST" || cls == L"TDXDBTREELIST" || cls == L"TDXDBGRID") && on.Contains(T::xcScrollbar))
    return Scroll(row(22));
  if (ChainHas(c, L"TCustomListView") && on.Contains(T::xcScrollbar)) {
    TSkinDecision d = Scroll(row(23));
    d.Kind = TSkinnerKind::ListView;
    return d;
  }
  if (ChainHas(c, L"TCustomMemo") && on.Contains(T::xcScrollbar)) return Scroll(row(24));
  const bool scrollable = (c.Windowed && (c.Style & (WS_HSCROLL | WS_VSCROLL))) || ChainHas(c, L"TListBox") ||
                          ChainHas(c, L"TMemo") || ChainHas(c, L"TCustomListBox");
  if (scrollable && on.Contains(T::xcScrollbar)) return Scroll(row(25));
  if (ChainHas(c, L"TButton") && on.Contains(T::xcButton)) return Make(TSkinnerKind::Button, row(26));
  if (ChainHas(c, L"TCustomEdit") && on.Contains(T::xcEdit)) return Make(TSkinnerKind::Edit, row(27));
  const bool dcEdit = cls == L"TDCEDIT" || cls == L"TDCDBEDIT";
  if (!dcEdit && ChainHas(c, L"TCustomForm")) {
    TSkinDecision d = Make(TSkinnerKind::Box, row(28), true);
    d.Children = TChildWalk::OwnedAfter;
    return d;
  }
  if (dcEdit) {
    const std::wstring buttons = Prop(c, L"NumButtons");
    if (buttons == L"1" && on.Contains(T::xcCombo)) return Make(TSkinnerKind::ComBox, row(29));
    if (buttons == L"0" && on.Contains(T::xcEdit)) {
      TSkinDecision d = Make(TSkinnerKind::Edit, row(29));
      d.AttachToWindow = true;
      return d;
    }
  }
  return Nothing(kNoRow);
}

}  // namespace

std::optional<std::wstring> StyleMapEntry(const std::vector<std::wstring>& skin3rd, const std::wstring& className) {
  const std::wstring key = LowerCase(className) + L"=";
  for (const std::wstring& line : skin3rd) {
    const std::wstring lower = LowerCase(line);
    if (lower.compare(0, key.size(), key) != 0) continue;
    return lower.substr(lower.find(L'=') + 1, 50);
  }
  return std::nullopt;
}

TSkinDecision DecideControlSkinner(const TControlTraits& control, const TDiscoverySettings& settings) {
  const std::wstring cls = control.ClassChain.empty() ? L"" : UpperCase(control.ClassChain.front());
  if (std::optional<std::wstring> style = StyleMapEntry(settings.Skin3rd, cls))
    return FromStyle(*style, cls, control, settings);
  if (cls == L"TDBCOMBOBOXEH" || cls == L"TFRDESIGNERPAGE" || cls == L"TFRPBOX")
    return Nothing(L"left alone by name");
  TSkinDecision decision = FromClassTable(cls, control, settings);
  if (decision.Kind != TSkinnerKind::None || decision.Source != kNoRow) return decision;
  // Say which row would have taken the control had its setting been on.
  TDiscoverySettings everything = settings;
  everything.Controls = TSkinControlTypes::FromBits(~0u);
  everything.HasTabsElement = true;
  const TSkinDecision wouldBe = FromClassTable(cls, control, everything);
  if (wouldBe.Kind != TSkinnerKind::None)
    decision.Source += L" with these settings (" + wouldBe.Source + L", " + SkinnerKindName(wouldBe.Kind) +
                       L", needs a setting that is off)";
  return decision;
}

TSkinDecision GroupItemDecision(const TSkinDecision& group, const std::wstring& itemClassName) {
  if (group.Children != TChildWalk::GroupItems) return Nothing(L"not a group item");
  if (UpperCase(itemClassName).find(L"TRZ") != std::wstring::npos) {
    TSkinDecision d = Make(TSkinnerKind::ObjImage, group.Source + L" item", true);
    d.ObjImageKind = group.GroupItemKind == TSkinnerKind::RadioButton ? 2 : 1;
    return d;
  }
  return Make(group.GroupItemKind, group.Source + L" item");
}

TWindowDecision DecideWindowSkinner(const std::wstring& className, DWORD style, TSkinControlTypes controls) {
  const std::wstring cls = LowerCase(className);
  TWindowDecision d;
  auto kind = [&](TSkinnerKind k, const wchar_t* source) {
    d.Kind = k;
    d.Source = source;
    return d;
  };
  auto none = [&](const wchar_t* source) { return kind(TSkinnerKind::None, source); };
  if (cls == L"button" && (style & 0xB) != 0xB) {
    if ((style & 7) == 7 || (style & BS_BITMAP)) return none(L"button: group box or picture");
    if ((style & 3) == 3 || (style & 0x2) || (style & 5) == 5)
      return controls.Contains(T::xcCheckBox) ? kind(TSkinnerKind::CheckBox, L"button: check box")
                                              : none(L"button: check boxes off");
    if ((style & 9) == 9 || (style & 0x4))
      return controls.Contains(T::xcRadioButton) ? kind(TSkinnerKind::RadioButton, L"button: radio button")
                                                 : none(L"button: radio buttons off");
    return controls.Contains(T::xcButton) ? kind(TSkinnerKind::Button, L"button") : none(L"button: buttons off");
  }
  if (cls == L"combobox" && controls.Contains(T::xcCombo) && (style & 3) != CBS_SIMPLE)
    return kind(TSkinnerKind::ComBox, L"combobox");
  if (cls == L"comboboxex32" && controls.Contains(T::xcCombo)) {
    d.AttachToFirstChild = true;
    return kind(TSkinnerKind::ComBox, L"comboboxex32: its first child");
  }
  if (cls == L"scrollbar" && !(style & WS_TABSTOP)) return kind(TSkinnerKind::Sizer, L"scrollbar: size grip");
  if (cls == L"systreeview32") return none(L"systreeview32");
  if (cls == L"#32770" && !(style & WS_TABSTOP)) {
    d.ChildWindowsFirst = true;
    return kind(TSkinnerKind::BoxH, L"#32770: a dialog inside");
  }
  if (cls == L"tpanel" || cls == L"ttntpanel.unicodeclass" || cls == L"ttntsilentpaintpanel.unicodeclass") {
    d.ChildWindowsFirst = true;
    d.FaceColourControl = true;
    return none(L"panel: its children");
  }
  if (cls == L"tcheckbox" && controls.Contains(T::xcCheckBox)) return kind(TSkinnerKind::CheckBox, L"tcheckbox");
  if (cls == L"tcombobox" && controls.Contains(T::xcCombo)) return kind(TSkinnerKind::ComBox, L"tcombobox");
  if (cls == L"tbutton" && controls.Contains(T::xcButton)) return kind(TSkinnerKind::Button, L"tbutton");
  if (cls == L"tprogressbar") return kind(TSkinnerKind::Progress, L"tprogressbar");
  if (cls == L"tsilentpaintpanel") {
    d.FaceColourControl = true;
    return none(L"tsilentpaintpanel");
  }
  if (cls == L"systabcontrol32" && controls.Contains(T::xcTab) && !(style & TCS_OWNERDRAWFIXED))
    return kind(TSkinnerKind::Tab, L"systabcontrol32");
  if (cls == L"toolbarwindow32") return kind(TSkinnerKind::BoxH, L"toolbarwindow32");
  if (cls == L"edit" && controls.Contains(T::xcEdit)) return kind(TSkinnerKind::Edit, L"edit");
  return none(L"no row for the window class");
}

std::vector<std::wstring> ClassChainOf(const TObject* object) {
  std::vector<std::wstring> chain;
  for (const TClassInfo* c = object ? &object->ClassType() : nullptr; c; c = c->Parent()) chain.push_back(c->Name());
  return chain;
}
