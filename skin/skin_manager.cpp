#include "skin/skin_manager.h"

#include <algorithm>

#include "base/strings.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/timer.h"
#include "skin/frame_rules.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_messages.h"
#include "skin/skin_popup_menu.h"

TSkinManage* SkinManager = nullptr;

namespace {

// Set once the manager is gone: a hook call that is still under way passes everything on.
bool HookDisabled = false;

BOOL CALLBACK CollectForm(HWND window, LPARAM list) {
  if (auto* form = dynamic_cast<TCustomForm*>(ControlFromHandle(window)))
    reinterpret_cast<std::vector<TCustomForm*>*>(list)->push_back(form);
  return TRUE;
}

}  // namespace

TSkinManage::TSkinManage() : timer_(new TTimer(nullptr)) {
  timer_->SetEnabled(false);
  timer_->SetInterval(100);
  timer_->OnTimer = [this](TObject* sender) { CommandTimer(sender); };
  HookDisabled = false;
}

TSkinManage::~TSkinManage() {
  ManagerState = TManagerState::Destroying;
  SkinningEnabled = false;
  timer_.reset();
  while (!skinForms_.empty()) {
    TWinSkinForm* skinner = skinForms_.back();
    skinForms_.pop_back();
    skinner->Unhook();
    delete skinner;
  }
  if (hook_) UnhookWindowsHookEx(hook_);
  HookDisabled = true;
}

void FreeSkinManager() {
  TSkinManage* manager = SkinManager;
  SkinManager = nullptr;
  delete manager;
}

void TSkinManage::InstallHook() {
  if (hook_) return;
  hook_ = SetWindowsHookExW(WH_CBT, &TSkinManage::SkinHookProc, nullptr, GetCurrentThreadId());
}

LRESULT CALLBACK TSkinManage::SkinHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (!HookDisabled && SkinManager && code >= 0) {
    HWND window = reinterpret_cast<HWND>(wParam);
    switch (code) {
      case HCBT_CREATEWND: {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (cs->dwExStyle & WS_EX_MDICHILD) SkinManager->SkinWindow(window);
        if (GetWindowClassName(window) == L"#32768") SkinManager->SkinPopupMenu(window);
        break;
      }
      case HCBT_DESTROYWND:
        SkinManager->ReleasePopupMenu(window);
        break;
      case HCBT_ACTIVATE:
        if (SkinManager->ManagerState == TManagerState::Idle) SkinManager->ManagerState = TManagerState::Running;
        SkinManager->SkinWindow(window);
        break;
      default:
        break;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::AddSkinData(TSkinData* skinData) {
  skinDatas_.push_back(skinData);
  if (!MainSkinData && skinData->SkinFormtype() == TSkinFormType::sfMainform) MainSkinData = skinData;
}

void TSkinManage::RemoveSkinData(TSkinData* skinData) {
  skinDatas_.erase(std::remove(skinDatas_.begin(), skinDatas_.end(), skinData), skinDatas_.end());
  // Skinners drawing from the component let their windows go before its elements are freed.
  for (size_t i = skinForms_.size(); i-- > 0;) {
    TWinSkinForm* skinner = skinForms_[i];
    if (skinner->SkinData != skinData) continue;
    skinForms_.erase(skinForms_.begin() + static_cast<std::ptrdiff_t>(i));
    if (skinner->SkinState != TSkinState::Destroying && skinner->SkinState != TSkinState::Detached) {
      skinner->Unskin();
      TWinSkinForm::RepaintWindow(skinner->Handle);
    }
    delete skinner;
  }
  if (PendingSkinData == skinData) PendingSkinData = nullptr;
  if (MainSkinData == skinData) {
    MainSkinData = nullptr;
    for (TSkinData* other : skinDatas_) {
      if (other->SkinFormtype() == TSkinFormType::sfMainform) {
        MainSkinData = other;
        break;
      }
    }
  }
}

TWinSkinForm* TSkinManage::FindSkinForm(HWND window) const {
  for (TWinSkinForm* skinner : skinForms_)
    if (skinner->Handle == window) return skinner;
  return nullptr;
}

void TSkinManage::RemoveSkinForm(TWinSkinForm* skinner) {
  if (ManagerState == TManagerState::Destroying) return;
  skinForms_.erase(std::remove(skinForms_.begin(), skinForms_.end(), skinner), skinForms_.end());
}

TControl* TSkinManage::FindFrameworkControl(HWND window) const { return ControlFromHandle(window); }

TSkinData* TSkinManage::FindSkinData(HWND window) const {
  for (size_t i = skinDatas_.size(); i-- > 0;) {
    TSkinData* d = skinDatas_[i];
    auto* owner = dynamic_cast<TWinControl*>(d->Owner());
    if (d->SkinFormtype() == TSkinFormType::sfOnlyThisForm && owner && owner->HandleAllocated() &&
        owner->Handle() == window)
      return d;
  }
  std::wstring lower = LowerCase(GetWindowClassName(window));
  if (lower == L"tmessageform" || lower == L"#32770") {
    for (size_t i = skinDatas_.size(); i-- > 0;)
      if (skinDatas_[i]->SkinFormtype() == TSkinFormType::sfDialog) return skinDatas_[i];
  }
  for (size_t i = skinDatas_.size(); i-- > 0;)
    if (skinDatas_[i]->SkinFormtype() == TSkinFormType::sfMainform) return skinDatas_[i];
  return skinDatas_.empty() ? nullptr : skinDatas_.front();
}

bool TSkinManage::CanSkinWindow(HWND window, const std::wstring& className) const {
  if (!MainSkinData) return true;
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  bool result = ClassPassesFilter(className, style, MainSkinData->Options().Contains(TSkinOption::xoPreview));
  MainSkinData->DoFormSkin(window, className, result);
  return result;
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!SkinningEnabled || !IsWindow(window)) return false;
  PurgeSkinForms();
  if (SendSkinMessage(window, SKM_QUERYSKINNED, 0, 0) == 1 || FindSkinForm(window)) return false;
  TControl* control = FindFrameworkControl(window);
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  HWND parent = GetParent(window);
  if (!ForceSkin && IsPlainChild(style, exStyle, parent ? GetWindowClassName(parent) : L"")) return false;
  std::wstring className = GetWindowClassName(window);
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  if (!control && instance != GetModuleHandleW(nullptr) && className != L"#32770") return false;
  RECT r;
  GetWindowRect(window, &r);
  if ((r.right <= r.left || r.bottom <= r.top) && !(exStyle & WS_EX_MDICHILD)) return false;
  // A window that asks to stay native says so with Tag 99, whatever the component's setting.
  if (control && control->Tag() == 99) return false;
  if (IsRefusedWindowClass(className)) return false;
  if (!CanSkinWindow(window, className)) return false;
  TSkinData* skinData = FindSkinData(window);
  if (!skinData || skinData->NoSkin) return false;
  auto* form = dynamic_cast<TCustomForm*>(control);
  auto* skinner = new TWinSkinForm(form);
  skinner->Handle = window;
  skinner->WindowClassName = className;
  skinForms_.push_back(skinner);
  if (form)
    skinner->AttachForm(skinData, form);
  else
    skinner->AttachHandle(skinData);
  PostSkinMessage(window, SKM_START, 0, 1000);
  return true;
}

void TSkinManage::SkinForm(TCustomForm* form) {
  if (!form->Visible() || !form->HandleAllocated()) return;
  if (GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_CHILD) return;
  SkinWindow(form->Handle());
}

void TSkinManage::PostCommand(TSkinCommand command, int delay) {
  PendingCommand = command;
  timer_->SetInterval(delay);
  if (ManagerState == TManagerState::Idle) {
    if (command == TSkinCommand::SkinAll) SkinningEnabled = true;
    if (command == TSkinCommand::UnskinAll) SkinningEnabled = false;
    return;
  }
  timer_->SetEnabled(true);
}

void TSkinManage::ClearCaptionButtons() {
  for (TWinSkinForm* skinner : skinForms_)
    if (skinner->SkinData == PendingSkinData) skinner->ClearCaptionButtons();
}

void TSkinManage::PurgeSkinForms() {
  if (ManagerState == TManagerState::Destroying) return;
  for (size_t i = skinForms_.size(); i-- > 0;) {
    TWinSkinForm* skinner = skinForms_[i];
    if (skinner->SkinState != TSkinState::Detached) continue;
    skinForms_.erase(skinForms_.begin() + static_cast<std::ptrdiff_t>(i));
    delete skinner;
  }
}

bool TSkinManage::PopupAllowed(TPopupKind popupKind, const TSkinData& skinData) {
  TSkinControlTypes controls = skinData.SkinControls();
  switch (popupKind) {
    case TPopupKind::ContextMenu:
      return controls.Contains(TSkinControlType::xcPopupMenu);
    case TPopupKind::WindowMenu:
      return controls.Contains(TSkinControlType::xcMainMenu) || controls.Contains(TSkinControlType::xcMenuItem);
    case TPopupKind::SystemMenu:
      return controls.Contains(TSkinControlType::xcSystemMenu);
  }
  return false;
}

void TSkinManage::SkinPopupMenu(HWND window) {
  const TPopupKind kind = PopupKind;
  PopupKind = TPopupKind::ContextMenu;  // each popup says again what it is
  TSkinData* data = MainSkinData;
  if (!SkinningEnabled || !data || data->NoSkin || !PopupAllowed(kind, *data) || FindPopupMenu(window)) return;
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Attach(window, data, &SkinningEnabled);
  popups_.push_back(std::move(popup));
}

void TSkinManage::ReleasePopupMenu(HWND window) {
  for (auto it = popups_.begin(); it != popups_.end(); ++it) {
    if ((*it)->Window != window) continue;
    (*it)->Detach();
    popups_.erase(it);
    return;
  }
}

TWinSkinPopMenu* TSkinManage::FindPopupMenu(HWND window) const {
  for (const auto& popup : popups_)
    if (popup->Window == window) return popup.get();
  return nullptr;
}

void TSkinManage::AssignPopupMenuHandle(HMENU menu) {
  for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) {
    if ((*it)->MenuHandle == menu) return;
    if (!(*it)->MenuHandle) {
      (*it)->MenuHandle = menu;
      return;
    }
  }
}

const TBitmap* TSkinManage::FindPopupBackground(HMENU menu) const {
  for (const auto& popup : popups_)
    if (popup->MenuHandle == menu && !popup->Background.Empty()) return &popup->Background;
  return nullptr;
}

bool TSkinManage::MdiMaximized(HWND client) const {
  return client && std::find(maximizedClients_.begin(), maximizedClients_.end(), client) != maximizedClients_.end();
}

void TSkinManage::ForgetMdiClient(HWND client) {
  maximizedClients_.erase(std::remove(maximizedClients_.begin(), maximizedClients_.end(), client),
                          maximizedClients_.end());
}

void TSkinManage::SetMdiMaximized(HWND client, bool value) {
  if (!client || value == MdiMaximized(client)) return;
  // Clients that went without telling (their frame was never skinned) are dropped, so that a
  // new window with a handle used again starts with its children not maximized.
  maximizedClients_.erase(std::remove_if(maximizedClients_.begin(), maximizedClients_.end(),
                                         [](HWND w) { return !IsWindow(w); }),
                          maximizedClients_.end());
  if (value)
    maximizedClients_.push_back(client);
  else
    ForgetMdiClient(client);
  if (MainSkinData && MainSkinData->Options().Contains(TSkinOption::xoMDIChildBorder)) return;
  // Children whose windows are going or gone are left alone; what a child does here may
  // reach the list, so it is walked by position.
  for (size_t i = 0; i < skinForms_.size(); ++i) {
    TWinSkinForm* child = skinForms_[i];
    if (child->MdiKind != TMdiKind::Child || child->SkinState == TSkinState::Destroying || child->SkinState == TSkinState::Detached ||
        !IsWindow(child->Handle) || GetParent(child->Handle) != client)
      continue;
    if (value) {
      child->ClearWindowShape();
    } else if (child->ShowState != kShowMinimized) {
      child->ShowState = kShowNormal;
      child->UpdateWindowShape();
      if (!child->RegionOwned) child->FrameChanged();
    }
  }
}

void TSkinManage::SetMdiFrame(const TWinSkinForm* frame) {
  mdiFrame_ = frame;
  MdiClientWindow = frame->MdiClient();
  MdiFrameForm = frame->Form;
}

void TSkinManage::ForgetMdiFrame(const TWinSkinForm* frame) {
  if (frame != mdiFrame_) return;
  mdiFrame_ = nullptr;
  MdiClientWindow = nullptr;
  MdiFrameForm = nullptr;
  for (size_t i = skinForms_.size(); i-- > 0;) {
    const TWinSkinForm* other = skinForms_[i];
    if (other != frame && other->MdiClientHooked()) {
      SetMdiFrame(other);
      return;
    }
  }
}

std::vector<TCustomForm*> TSkinManage::ScreenForms() const {
  std::vector<TCustomForm*> forms;
  EnumThreadWindows(GetCurrentThreadId(), &CollectForm, reinterpret_cast<LPARAM>(&forms));
  return forms;
}

void TSkinManage::Unskin(TWinSkinForm* skinner) {
  skinForms_.erase(std::remove(skinForms_.begin(), skinForms_.end(), skinner), skinForms_.end());
  skinner->Unskin();
  TWinSkinForm::RepaintWindow(skinner->Handle);
  delete skinner;
}

void TSkinManage::CommandTimer(TObject*) {
  timer_->SetEnabled(false);
  TSkinData* data = PendingSkinData;
  if (!data) return;
  bool onlyThisForm = data->SkinFormtype() == TSkinFormType::sfOnlyThisForm;
  switch (PendingCommand) {
    case TSkinCommand::SkinAll: {
      SkinningEnabled = true;
      ForceSkin = true;
      PurgeSkinForms();
      std::vector<TCustomForm*> forms = ScreenForms();
      for (size_t i = forms.size(); i-- > 0;) {
        if (!onlyThisForm || forms[i] == data->Owner()) SkinForm(forms[i]);
      }
      ForceSkin = false;
      break;
    }
    case TSkinCommand::UnskinAll: {
      SkinningEnabled = false;
      PurgeSkinForms();
      if (onlyThisForm) {
        for (size_t i = skinForms_.size(); i-- > 0;) {
          if (skinForms_[i]->SkinData == data) {
            Unskin(skinForms_[i]);
            break;
          }
        }
      } else {
        while (!skinForms_.empty()) Unskin(skinForms_.front());
      }
      break;
    }
    case TSkinCommand::Refresh: {
      PurgeSkinForms();
      std::vector<TWinSkinForm*> users;
      for (TWinSkinForm* skinner : skinForms_)
        if (skinner->SkinData == data) users.push_back(skinner);
      if (onlyThisForm && users.size() > 1) users.resize(1);
      for (TWinSkinForm* skinner : users) skinner->BuildFrameMetrics();
      for (TWinSkinForm* skinner : users) skinner->SkinChanged();
      break;
    }
    case TSkinCommand::None:
      break;
  }
  data->DoSkinChanged();
  PendingSkinData = nullptr;
}
