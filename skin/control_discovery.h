// Which control skinner a control or a plain child window gets, decided without windows so the
// rules can be checked as tables. Three sources decide a framework control, in order: the
// application's OnSkinControl event (the window skinner asks it), the style map (other vendors'
// class names to a style, Skin3rd) and the class table along the control's class chain. Plain
// child windows of a window the framework does not own are decided by window class and style.
// What to attach and where to walk next is all a decision says; attaching is the window
// skinner's (TWinSkinForm::SkinComponent, SkinChildWindow).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/skin_data.h"

// One per skinner class of the engine; each has its registration row in skinner_kinds.cpp.
enum class TSkinnerKind {
  None, Button, BitButton, SpeedButton, MenuButton, CheckBox, RadioButton, Tab, Tab31, TabBtn, TabSheet,
  UpDown, MediaPlayer, Box, BoxH, GroupBox, ObjImage, Progress, ComBox, Edit, DateTime, TrackBar, Scrollbar,
  ListView, Sizer, AdvPage,
  StatusBar  // no rule decides it: an application's OnSkinControl hands it out
};
// The kind's skinner class name, from its registration row; "(none)" for None.
const wchar_t* SkinnerKindName(TSkinnerKind kind);

// Where the walk goes besides the control itself.
enum class TChildWalk {
  None,
  ChildrenFirst,       // the control's children are skinned before it
  ChildrenAfter,       // the control's children are skinned after it
  NavigatorButtons,    // each child afterwards, reached with no form (a navigator's buttons)
  OwnedAfter,          // the components the control owns (a form used as a control)
  ScrollableChildren,  // no skinner of its own; each scrollable child gets the scroll-bar skinner
  GroupItems,          // each child is an item of a radio or check group (GroupItemDecision)
};

struct TSkinDecision {
  // What the kind's skinner is told about the control (it becomes the skinner's Mode).
  enum class TMode {
    Plain = 0,
    SingleScrollBar = 1,   // the scroll-bar skinner over a control with one bar and no border
    OtherTabControl = 2,   // the tab skinner over a tab control that is no page control
    VendorPageControl = 4, // the page skinner over another vendor's page control
  };
  TSkinnerKind Kind = TSkinnerKind::None;
  bool Recolour = false;
  TMode Mode = TMode::Plain;
  int ObjImageKind = 0;          // 1 check box, 2 radio button, 3 the cx check box
  bool ScrollAttach = false;     // attached as a scrollable control
  bool AttachToWindow = false;   // attached to the control's window handle, as a plain window
  bool SetTransparent = false;   // "Transparent" := True first
  bool ComboEx = false;          // the extended combo box
  bool PngGlyph = false;         // the glyph comes from "PngImage"
  bool NeedsBorder = false;      // only when the window and client rectangles differ
  TChildWalk Children = TChildWalk::None;
  TSkinnerKind GroupItemKind = TSkinnerKind::None;  // GroupItems: what each plain item gets
  bool GroupBoxLook = true;      // GroupItems: the group itself gets a group-box skinner
  // "style map: <style>", "class table: <row>", or why nothing is attached.
  std::wstring Source;
};

// What the decision reads of a control.
struct TControlTraits {
  std::vector<std::wstring> ClassChain;  // the class name first, then its ancestors
  bool Windowed = false;
  DWORD Style = 0;                       // window style, 0 when windowless
  // A published property as text ("tsTabs", "1", "cxbkDropDownButton"); empty when missing.
  std::function<std::wstring(const wchar_t* name)> Property;
};

struct TDiscoverySettings {
  TSkinControlTypes Controls;
  bool HasTabsElement = false;
  std::vector<std::wstring> Skin3rd;
};

// The style of a class in the style map: the first line whose lower-cased text starts with the
// lower-cased class name and "=", cut to 50 characters, lower case; none without such a line.
std::optional<std::wstring> StyleMapEntry(const std::vector<std::wstring>& skin3rd, const std::wstring& className);
TSkinDecision DecideControlSkinner(const TControlTraits& control, const TDiscoverySettings& settings);
// An item of a radio or check group (TChildWalk::GroupItems) by its class name.
TSkinDecision GroupItemDecision(const TSkinDecision& group, const std::wstring& itemClassName);

// A plain child window by its class name and style.
struct TWindowDecision {
  TSkinnerKind Kind = TSkinnerKind::None;
  bool ChildWindowsFirst = false;  // the window's own children are skinned first
  bool AttachToFirstChild = false; // the skinner goes on the window's first child
  bool FaceColourControl = false;  // its framework control takes the skin's face colour
  std::wstring Source;
};
TWindowDecision DecideWindowSkinner(const std::wstring& className, DWORD style, TSkinControlTypes controls);

// Upper-cased class chain helper for traits made from a framework object.
std::vector<std::wstring> ClassChainOf(const TObject* object);
