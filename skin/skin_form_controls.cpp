// The control discovery of a skinned window: the walk over a framework form's components and
// tab order, one control's skinner from its decision, and the plain child windows of windows
// the framework does not own.
#include <algorithm>

#include "base/strings.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/properties.h"
#include "skin/control_discovery.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_messages.h"
#include "skin/skinner_kinds.h"

namespace {

TControlTraits TraitsOf(TControl* control) {
  TControlTraits traits;
  traits.ClassChain = ClassChainOf(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    traits.Windowed = true;
    if (windowed->HandleAllocated()) traits.Style = static_cast<DWORD>(GetWindowLongPtrW(windowed->Handle(), GWL_STYLE));
  }
  traits.Property = [control](const wchar_t* name) -> std::wstring {
    const TPropInfo* info = GetPropInfo(control, name);
    if (!info) return L"";
    if (info->Kind == TTypeKind::Integer) return std::to_wstring(info->GetOrd(control));
    if (info->Kind == TTypeKind::Enumeration) return GetEnumProp(control, name).value_or(L"");
    return GetStrProp(control, name).value_or(L"");
  };
  return traits;
}

TDiscoverySettings SettingsOf(const TSkinData& data) {
  TDiscoverySettings s;
  s.Controls = data.SkinControls();
  s.HasTabsElement = data.Elements.Tabs && !data.Elements.Tabs->Image.Empty();
  s.Skin3rd = data.Skin3rd();
  return s;
}

bool HasBorder(HWND window) {
  RECT w, c;
  GetWindowRect(window, &w);
  GetClientRect(window, &c);
  return (w.right - w.left) != c.right || (w.bottom - w.top) != c.bottom;
}

}  // namespace

bool TWinSkinForm::IsControlSkinned(TControl* control) const {
  if (!control) return false;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated() && SendSkinMessage(windowed->Handle(), SKM_QUERYSKINNED, 0, 0) == 1)
    return true;
  for (TSkinControl* skinner : Skinners)
    if (skinner->Control == control) return true;
  // A control decided before whose skinner kind is still to be built stays decided.
  return decided_.count(control) != 0;
}

bool TWinSkinForm::IsWindowSkipped(TWinControl* control) const {
  if (!control->HandleAllocated() || control->Tag() == SkinData->DisableTag()) return true;
  if (SendSkinMessage(control->Handle(), SKM_QUERYSKINNED, 0, 0) == 1) return true;
  return FindSkinControlByHandle(control->Handle()) != nullptr;
}

void TWinSkinForm::SkinControlTree(TControl* root) {
  if (!root || !SkinData) return;
  SkinOwnedComponents(root);
  if (auto* windowed = dynamic_cast<TWinControl*>(root)) {
    std::vector<TWinControl*> tabOrder;
    windowed->GetTabOrderList(tabOrder);
    for (TWinControl* control : tabOrder)
      if (!IsWindowSkipped(control)) SkinComponent(control, root);
  }
}

void TWinSkinForm::SkinOwnedComponents(TControl* root) {
  // The list may grow while skinners are made (they are owned by their controls, not root).
  std::vector<TControl*> owned;
  for (int i = 0; i < root->ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TControl*>(root->Components(i))) owned.push_back(c);
  for (TControl* control : owned) SkinComponent(control, root);
  // The popup menus root owns are drawn by the skin (each by its own setting and Tag).
  SetPopupOwnerDraw(root, true);
}

void TWinSkinForm::SkinChildControls(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return;
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) SkinComponent(child, control);
}

void TWinSkinForm::TagGroupChildren(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed || windowed->ControlCount() == 0) return;
  const std::wstring lower = LowerCase(control->ClassName());
  if (lower.find(L"radiogroup") == std::wstring::npos && lower.find(L"checkgroup") == std::wstring::npos) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) windowed->Controls(i)->SetTag(SkinData->DisableTag());
}

void TWinSkinForm::SkinComponent(TControl* control, TControl* form) {
  if (!control || !SkinData) return;
  if (control->Tag() == SkinData->DisableTag()) {
    TagGroupChildren(control);
    return;
  }
  if (!control->Parent() || IsControlSkinned(control)) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && !windowed->HandleAllocated()) {
    try {
      windowed->Handle();
    } catch (...) {
      return;  // its window could not be made: this control only is left alone
    }
  }
  decided_.insert(control);
  control->FreeNotification(this);
  if (SkinData->OnSkinControl) {
    TComponent* given = nullptr;
    std::wstring upper = UpperCase(control->ClassName());
    SkinData->OnSkinControl(this, SkinData, form, control, upper, given);
    if (given) {
      auto* skinner = dynamic_cast<TSkinControl*>(given);
      if (skinner && std::find(Skinners.begin(), Skinners.end(), skinner) == Skinners.end())
        skinner->AttachControl(this, SkinData, nullptr, skinner->Recolours());
      if (control->InheritsFrom(L"TCustomPanel")) SkinChildControls(control);
      return;
    }
  }
  TSkinDecision decision = DecideFor(control);
  if (decision.SetTransparent) SetPropValue(control, L"Transparent", L"True");
  if (decision.Children == TChildWalk::ChildrenFirst) SkinChildControls(control);
  if (decision.Children == TChildWalk::GroupItems && windowed) {
    for (int i = 0; i < windowed->ControlCount(); ++i) {
      TControl* item = windowed->Controls(i);
      if (IsControlSkinned(item)) continue;
      decided_.insert(item);
      item->FreeNotification(this);
      Attach(item, GroupItemDecision(decision, item->ClassName()));
    }
  }
  if (decision.Children == TChildWalk::ScrollableChildren && windowed) {
    TSkinDecision scroll;
    scroll.Kind = TSkinnerKind::Scrollbar;
    scroll.ScrollAttach = true;
    scroll.Source = decision.Source + L" child";
    for (int i = 0; i < windowed->ControlCount(); ++i) {
      auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i));
      if (!child || !child->HandleAllocated() || IsControlSkinned(child)) continue;
      if (!(GetWindowLongPtrW(child->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))) continue;
      decided_.insert(child);
      child->FreeNotification(this);
      Attach(child, scroll);
    }
  }
  if (!(decision.NeedsBorder && windowed && !HasBorder(windowed->Handle()))) Attach(control, decision);
  if (decision.Children == TChildWalk::ChildrenAfter) SkinChildControls(control);
  if (decision.Children == TChildWalk::NavigatorButtons && windowed)
    for (int i = 0; i < windowed->ControlCount(); ++i) SkinComponent(windowed->Controls(i), nullptr);
  if (decision.Children == TChildWalk::OwnedAfter) SkinOwnedComponents(control);
}

TSkinDecision TWinSkinForm::DecideFor(TControl* control) const {
  return DecideControlSkinner(TraitsOf(control), SettingsOf(*SkinData));
}

void TWinSkinForm::Attach(TControl* control, const TSkinDecision& decision) {
  if (decision.Kind == TSkinnerKind::None) return;
  if (decision.AttachToWindow) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) return;
    if (TSkinControl* skinner = MakeSkinner(decision.Kind, this, decision))
      skinner->AttachWindow(windowed->Handle(), SkinData, nullptr, this);
    return;
  }
  if (TSkinControl* skinner = MakeSkinner(decision.Kind, control, decision))
    skinner->AttachControl(this, SkinData, nullptr, decision.Recolour);
}

void TWinSkinForm::SkinChildWindows(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) children.push_back(child);
  for (HWND child : children) SkinChildWindow(child);
}

void TWinSkinForm::SkinChildWindow(HWND window) {
  if (!window || !SkinData || FindSkinControlByHandle(window)) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  TWindowDecision decision = DecideWindowSkinner(GetWindowClassName(window), style, SkinData->SkinControls());
  if (decision.ChildWindowsFirst) SkinChildWindows(window);
  if (decision.FaceColourControl)
    if (TControl* control = ControlFromHandle(window))
      control->SetColor(static_cast<TColor>(SkinData->Elements.ColourTable[kColourButtonFace]));
  HWND target = decision.AttachToFirstChild ? GetTopWindow(window) : window;
  if (decision.Kind == TSkinnerKind::None || !target) return;
  TSkinDecision asControl;
  asControl.Kind = decision.Kind;
  asControl.Source = decision.Source;
  if (TSkinControl* skinner = MakeSkinner(decision.Kind, this, asControl))
    skinner->AttachWindow(target, SkinData, nullptr, this);
}

void TWinSkinForm::SkinPlacedControls(TControl* root) {
  auto* windowed = dynamic_cast<TWinControl*>(root);
  if (!windowed || !SkinData) return;
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) {
    if (!decided_.count(child)) SkinComponent(child, root);
    SkinPlacedControls(child);
  }
}
