#include "skin/control_walker.h"

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

bool TControlWalker::IsControlSkinned(TControl* control) const {
  if (!control) return false;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated() && SendSkinMessage(windowed->Handle(), SKM_QUERYSKINNED, 0, 0) == 1)
    return true;
  for (TSkinControl* skinner : form_.Skinners)
    if (skinner->Control == control) return true;
  // A control decided about once (none included) is not offered again.
  return decided_.count(control) != 0;
}

void TControlWalker::Decided(TControl* control) {
  decided_.insert(control);
  control->FreeNotification(&form_);
}

void TControlWalker::Forget(TComponent* component) { decided_.erase(static_cast<TControl*>(component)); }

void TControlWalker::ControlPlaced() {
  if (!placedPending_ && form_.SkinState == TSkinState::Active)
    placedPending_ = PostSkinMessage(form_.Handle, SKM_CONTROLSPLACED, 0, 0);
}

bool TControlWalker::IsWindowSkipped(TWinControl* control) const {
  if (!control->HandleAllocated() || control->Tag() == form_.SkinData->DisableTag()) return true;
  if (SendSkinMessage(control->Handle(), SKM_QUERYSKINNED, 0, 0) == 1) return true;
  return form_.FindSkinControlByHandle(control->Handle()) != nullptr;
}

void TControlWalker::SkinControlTree(TControl* root) {
  if (!root || !form_.SkinData) return;
  SkinOwnedComponents(root);
  if (auto* windowed = dynamic_cast<TWinControl*>(root)) {
    std::vector<TWinControl*> tabOrder;
    windowed->GetTabOrderList(tabOrder);
    for (TWinControl* control : tabOrder)
      if (!IsWindowSkipped(control)) SkinComponent(control, root);
  }
}

void TControlWalker::SkinOwnedComponents(TControl* root) {
  // The list may grow while skinners are made (they are owned by their controls, not root).
  std::vector<TControl*> owned;
  for (int i = 0; i < root->ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TControl*>(root->Components(i))) owned.push_back(c);
  for (TControl* control : owned) SkinComponent(control, root);
  // The popup menus root owns are drawn by the skin (each by its own setting and Tag).
  form_.SetPopupOwnerDraw(root, true);
}

void TControlWalker::SkinChildControls(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return;
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) SkinComponent(child, control);
}

void TControlWalker::TagGroupChildren(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed || windowed->ControlCount() == 0) return;
  const std::wstring lower = LowerCase(control->ClassName());
  if (lower.find(L"radiogroup") == std::wstring::npos && lower.find(L"checkgroup") == std::wstring::npos) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) windowed->Controls(i)->SetTag(form_.SkinData->DisableTag());
}

void TControlWalker::SkinComponent(TControl* control, TControl* via) {
  if (!control || !form_.SkinData) return;
  if (control->Tag() == form_.SkinData->DisableTag()) {
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
  Decided(control);
  if (form_.SkinData->OnSkinControl) {
    TComponent* given = nullptr;
    std::wstring upper = UpperCase(control->ClassName());
    form_.SkinData->OnSkinControl(&form_, form_.SkinData, via, control, upper, given);
    if (given) {
      auto* skinner = dynamic_cast<TSkinControl*>(given);
      if (skinner && std::find(form_.Skinners.begin(), form_.Skinners.end(), skinner) == form_.Skinners.end())
        skinner->AttachControl(&form_, form_.SkinData, nullptr, skinner->Recolours());
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
      Decided(item);
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
      Decided(child);
      Attach(child, scroll);
    }
  }
  if (!(decision.NeedsBorder && windowed && !HasBorder(windowed->Handle()))) Attach(control, decision);
  if (decision.Children == TChildWalk::ChildrenAfter) SkinChildControls(control);
  if (decision.Children == TChildWalk::NavigatorButtons && windowed)
    for (int i = 0; i < windowed->ControlCount(); ++i) SkinComponent(windowed->Controls(i), nullptr);
  if (decision.Children == TChildWalk::OwnedAfter) SkinOwnedComponents(control);
}

TSkinDecision TControlWalker::DecideFor(TControl* control) const {
  return DecideControlSkinner(TraitsOf(control), SettingsOf(*form_.SkinData));
}

void TControlWalker::Attach(TControl* control, const TSkinDecision& decision) {
  if (decision.Kind == TSkinnerKind::None) return;
  if (decision.AttachToWindow) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) return;
    if (TSkinControl* skinner = MakeSkinner(decision.Kind, &form_, decision))
      skinner->AttachWindow(windowed->Handle(), form_.SkinData, nullptr, &form_);
    return;
  }
  if (TSkinControl* skinner = MakeSkinner(decision.Kind, control, decision))
    skinner->AttachControl(&form_, form_.SkinData, nullptr, decision.Recolour);
}

void TControlWalker::SkinChildWindows(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) children.push_back(child);
  for (HWND child : children) SkinChildWindow(child);
}

void TControlWalker::SkinChildWindow(HWND window) {
  if (!window || !form_.SkinData || form_.FindSkinControlByHandle(window)) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  TWindowDecision decision = DecideWindowSkinner(GetWindowClassName(window), style, form_.SkinData->SkinControls());
  if (decision.ChildWindowsFirst) SkinChildWindows(window);
  if (decision.FaceColourControl)
    if (TControl* control = ControlFromHandle(window))
      control->SetColor(static_cast<TColor>(form_.SkinData->Elements.ColourTable[kColourButtonFace]));
  HWND target = decision.AttachToFirstChild ? GetTopWindow(window) : window;
  if (decision.Kind == TSkinnerKind::None || !target) return;
  TSkinDecision asControl;
  asControl.Kind = decision.Kind;
  asControl.Source = decision.Source;
  if (TSkinControl* skinner = MakeSkinner(decision.Kind, &form_, asControl))
    skinner->AttachWindow(target, form_.SkinData, nullptr, &form_);
}

void TControlWalker::SkinPlacedControls(TControl* root) {
  auto* windowed = dynamic_cast<TWinControl*>(root);
  if (!windowed || !form_.SkinData) return;
  std::vector<TControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i) children.push_back(windowed->Controls(i));
  for (TControl* child : children) {
    if (!decided_.count(child)) SkinComponent(child, root);
    SkinPlacedControls(child);
  }
}
