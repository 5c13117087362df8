#include "gui/forms.h"

#include <algorithm>
#include <vector>

#include "base/exception.h"
#include "gui/application.h"
#include "gui/form_reader.h"
#include "gui/menus.h"
#include "gui/screen.h"

const TEnumInfo FormBorderStyleInfo{{L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow",
                                     L"bsSizeToolWin"}};
const TEnumInfo BorderIconInfo{{L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp"}};
const TEnumInfo PositionInfo{{L"poDesigned", L"poDefault", L"poDefaultPosOnly", L"poDefaultSizeOnly",
                              L"poScreenCenter", L"poDesktopCenter", L"poMainFormCenter", L"poOwnerFormCenter"}};
const TEnumInfo FormStyleInfo{{L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"}};
const TIdentMap ModalResultIdents{{{L"mrNone", mrNone}, {L"mrOk", mrOk}, {L"mrCancel", mrCancel},
                                   {L"mrAbort", mrAbort}, {L"mrRetry", mrRetry}, {L"mrIgnore", mrIgnore},
                                   {L"mrYes", mrYes}, {L"mrNo", mrNo}, {L"mrAll", mrAll}}};

namespace {
BOOL CALLBACK CollectEnabledWindow(HWND wnd, LPARAM list) {
  if (IsWindowVisible(wnd) && IsWindowEnabled(wnd)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}
}  // namespace

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info(
      L"TCustomForm", &TCustomControl::StaticClass(), nullptr,
      {props::Enum(L"BorderStyle", FormBorderStyleInfo, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle),
       props::Set(L"BorderIcons", BorderIconInfo, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons),
       props::Enum(L"Position", PositionInfo, &TCustomForm::Position, &TCustomForm::SetPosition),
       props::Enum(L"FormStyle", FormStyleInfo, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle),
       props::Bool(L"AlphaBlend", &TCustomForm::AlphaBlend, &TCustomForm::SetAlphaBlend),
       props::Int(L"AlphaBlendValue", &TCustomForm::AlphaBlendValue, &TCustomForm::SetAlphaBlendValue),
       props::Int(L"ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult, &ModalResultIdents),
       props::Ref(L"ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl),
       props::Bool(L"KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview),
       props::Ref(L"Menu", &TCustomForm::Menu, &TCustomForm::SetMenu),
       props::Event(L"OnCreate", &TCustomForm::OnCreate), props::Event(L"OnShow", &TCustomForm::OnShow),
       props::Event(L"OnClose", &TCustomForm::OnClose),
       props::Event(L"OnCloseQuery", &TCustomForm::OnCloseQuery)});
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info(L"TForm", &TCustomForm::StaticClass(), nullptr, {});
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner) {
  SetDefaultVisible(false);
  SetParentFont(false);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (Screen) Screen->RemoveForm(this);
  DestroyComponents();
  Application->CancelRelease(this);
}

void TCustomForm::LoadForm() {
  ReadFormFromResource(this);
  if (OnCreate) {
    try {
      OnCreate(this);
    } catch (...) {
      Application->HandleException(this);
    }
  }
  if (showAfterLoad_) Show();
}

void TCustomForm::Loaded() {
  TCustomControl::Loaded();
  if (pendingClientWidth_ >= 0) SetClientWidth(pendingClientWidth_);
  if (pendingClientHeight_ >= 0) SetClientHeight(pendingClientHeight_);
  pendingClientWidth_ = pendingClientHeight_ = -1;
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  auto isMdi = [](TFormStyle s) { return s == TFormStyle::fsMDIForm || s == TFormStyle::fsMDIChild; };
  const bool mdi = isMdi(style) || isMdi(formStyle_);
  formStyle_ = style;
  // An MDI frame or child is another kind of window: it is made again.
  if (mdi) {
    RecreateWnd();
    return;
  }
  if (HandleAllocated() && !Parent())
    SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetAlphaBlend(bool value) {
  if (value == alphaBlend_) return;
  alphaBlend_ = value;
  ApplyAlpha();
}

void TCustomForm::SetAlphaBlendValue(int value) {
  value = std::clamp(value, 0, 255);
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  ApplyAlpha();
}

void TCustomForm::ApplyAlpha() {
  if (!HandleAllocated() || Parent()) return;
  HWND wnd = Handle();
  LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  if (alphaBlend_) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(wnd, 0, static_cast<BYTE>(alphaBlendValue_), LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    RedrawWindow(wnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void TCustomForm::SetClientWidth(int v) {
  if (IsLoading())
    pendingClientWidth_ = v;  // the border style may still change while the form is read
  else
    TWinControl::SetClientWidth(v);
}

void TCustomForm::SetClientHeight(int v) {
  if (IsLoading())
    pendingClientHeight_ = v;
  else
    TWinControl::SetClientHeight(v);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style &= ~WS_VISIBLE;  // shown by SetVisible, after it has been placed
  params.ClassStyle |= CS_DBLCLKS;
  if (Parent()) {
    if (borderStyle_ != TFormBorderStyle::bsNone) params.Style |= WS_CAPTION | WS_BORDER;
    return;
  }
  params.Style &= ~WS_CHILD;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      params.Style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsSizeable:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.Style |= WS_CAPTION;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != TFormBorderStyle::bsNone && borderIcons_.Contains(TBorderIcon::biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    bool framed = borderStyle_ == TFormBorderStyle::bsSingle || borderStyle_ == TFormBorderStyle::bsSizeable;
    if (framed && borderIcons_.Contains(TBorderIcon::biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (framed && borderIcons_.Contains(TBorderIcon::biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    if (borderIcons_.Contains(TBorderIcon::biHelp) && !(params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (formStyle_ == TFormStyle::fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  if (alphaBlend_) params.ExStyle |= WS_EX_LAYERED;
  if (TCustomForm* frame = MdiFrameForm()) {
    params.Style = (params.Style & ~WS_POPUP) | WS_CHILD;
    params.ExStyle = (params.ExStyle & ~(WS_EX_TOPMOST | WS_EX_LAYERED)) | WS_EX_MDICHILD;
    params.WndParent = frame->ClientHandle();
    return;
  }
  // Other top-level forms stay above the form that owns them, or above the main form.
  auto* ownerForm = dynamic_cast<TCustomForm*>(Owner());
  if (ownerForm && ownerForm != this && !ownerForm->IsDestroying())
    params.WndParent = ownerForm->Handle();
  else if (Application->MainForm() && Application->MainForm() != this)
    params.WndParent = Application->MainForm()->Handle();
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) {
    if (HandleAllocated() && GetMenu(Handle()) == menu_->Handle()) ::SetMenu(Handle(), nullptr);
    menu_->SetWindowHandle(nullptr);
  }
  menu_ = menu;
  if (menu) menu->FreeNotification(this);
  AttachMenu();
}

void TCustomForm::AttachMenu() {
  if (!menu_ || !HandleAllocated() || Parent()) return;
  menu_->SetWindowHandle(Handle());
  ::SetMenu(Handle(), menu_->Handle());
  DrawMenuBar(Handle());
}

bool TCustomForm::IsShortCut(WORD key, TShiftState shift) { return menu_ && menu_->IsShortCut(key, shift); }

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == menu_) {
    if (HandleAllocated() && !Parent()) ::SetMenu(Handle(), nullptr);
    menu_ = nullptr;
  }
}

TCustomForm* TCustomForm::MdiFrameForm() const {
  if (formStyle_ != TFormStyle::fsMDIChild || Parent()) return nullptr;
  auto* frame = dynamic_cast<TCustomForm*>(Owner());
  if (!frame || frame->FormStyle() != TFormStyle::fsMDIForm) frame = Application->MainForm();
  if (!frame || frame == this || frame->FormStyle() != TFormStyle::fsMDIForm) return nullptr;
  frame->Handle();
  return frame->ClientHandle() ? frame : nullptr;
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (HandleAllocated() && m.Msg < CM_BASE) {
    if (clientHandle_) {
      m.Result = DefFrameProcW(Handle(), clientHandle_, m.Msg, m.WParam, m.LParam);
      return;
    }
    if (formStyle_ == TFormStyle::fsMDIChild && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD)) {
      m.Result = DefMDIChildProcW(Handle(), m.Msg, m.WParam, m.LParam);
      return;
    }
  }
  TCustomControl::DefaultHandler(m);
}

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  if (formStyle_ == TFormStyle::fsMDIForm && !Parent()) {
    // The children's own list in the frame's menu is not kept (no window menu).
    CLIENTCREATESTRUCT client{nullptr, 0xFF00};
    RECT r;
    GetClientRect(Handle(), &r);
    clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL,
                                    0, 0, r.right, r.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), &client);
  }
  AttachMenu();
  ApplyAlpha();
  if (Visible()) ShowWindow(Handle(), SW_SHOWNA);
}

bool TCustomForm::Showing() const {
  if (!Visible()) return false;
  return Parent() ? Parent()->Showing() : true;
}

void TCustomForm::SetVisible(bool visible) {
  if (IsLoading()) {
    showAfterLoad_ = visible;
    return;
  }
  if (visible == Visible()) return;
  if (visible) {
    HWND wnd = Handle();
    if (!Parent()) ApplyPosition();
    TControl::SetVisible(true);
    ShowWindow(wnd, Parent() ? SW_SHOWNA : SW_SHOWNORMAL);
    if (OnShow) OnShow(this);
  } else {
    TControl::SetVisible(false);
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::ApplyPosition() {
  TRect area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  TCustomForm* around = nullptr;
  if (position_ == TPosition::poOwnerFormCenter) around = dynamic_cast<TCustomForm*>(Owner());
  if ((position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter) && !around)
    around = Application->MainForm();
  if (around == this) around = nullptr;
  switch (position_) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      SetBounds(area.left + (::Width(area) - Width()) / 2, area.top + (::Height(area) - Height()) / 2, Width(),
                Height());
      break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter:
      if (around)
        SetBounds(around->Left() + (around->Width() - Width()) / 2, around->Top() + (around->Height() - Height()) / 2,
                  Width(), Height());
      else
        SetBounds(area.left + (::Width(area) - Width()) / 2, area.top + (::Height(area) - Height()) / 2, Width(),
                  Height());
      break;
    default:
      break;
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw Exception(L"Cannot make a visible window modal");
  HWND self = Handle();
  // Every other enabled window of the program waits until the modal form is done.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  disabled.erase(std::remove(disabled.begin(), disabled.end(), self), disabled.end());
  for (HWND wnd : disabled) EnableWindow(wnd, FALSE);
  auto enableAgain = [&disabled] {
    for (HWND wnd : disabled)
      if (IsWindow(wnd)) EnableWindow(wnd, TRUE);
  };
  std::shared_ptr<bool> alive = UntilFreedToken();
  modal_ = true;
  modalResult_ = mrNone;
  TModalResult result = mrCancel;
  try {
    Show();
    while (*alive && modalResult_ == mrNone) {
      Application->HandleMessage();
      if (!*alive) break;
      if (Application->Terminated()) {
        modalResult_ = mrCancel;
      } else if (modalResult_ != mrNone) {
        // Closing may be refused (OnCloseQuery, or OnClose with caNone).
        TCloseAction action = TCloseAction::caHide;
        if (!CloseQuery()) {
          action = TCloseAction::caNone;
        } else if (OnClose) {
          OnClose(this, action);
        }
        if (action == TCloseAction::caNone) modalResult_ = mrNone;
      }
    }
  } catch (...) {
    enableAgain();
    if (*alive) {
      modal_ = false;
      Hide();
    }
    throw;
  }
  enableAgain();
  if (*alive) {
    result = modalResult_;
    modal_ = false;
    Hide();
  }
  return result;
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (this == Application->MainForm()) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide:
      Hide();
      break;
    case TCloseAction::caMinimize:
      if (HandleAllocated()) ShowWindow(Handle(), SW_MINIMIZE);
      break;
    case TCloseAction::caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  // Posted, so that the handler calling Release returns first; hooks see it come.
  if (HandleAllocated() && PostMessageW(Handle(), CM_RELEASE, 0, 0)) return;
  Application->ReleaseForm(this);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == this) control = nullptr;
  activeControl_ = control;
  if (control && !IsLoading() && HandleAllocated() && Showing() && control->CanFocus()) control->SetFocus();
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == this) control = nullptr;
  if (control == activeControl_) return;
  TWinControl* old = activeControl_;
  activeControl_ = control;
  // The focus leaves the old control and its parents up to the one both share, and enters the
  // new control's parents below that one, outermost first.
  auto isAncestorOrSelf = [](const TControl* a, const TControl* c) {
    for (; c; c = c->Parent())
      if (c == a) return true;
    return false;
  };
  TWinControl* common = control;
  while (common && !isAncestorOrSelf(common, old)) common = common->Parent();
  for (TWinControl* c = old; c && c != common && c != this; c = c->Parent()) {
    c->Perform(CM_EXIT);
    if (activeControl_ != control) return;  // an OnExit handler moved the focus on
  }
  std::vector<TWinControl*> entered;
  for (TWinControl* c = control; c && c != common && c != this; c = c->Parent()) entered.push_back(c);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
    (*it)->Perform(CM_ENTER);
    if (activeControl_ != control) return;
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::DefocusControl(TControl* control) {
  for (TControl* c = activeControl_; c; c = c->Parent())
    if (c == control) {
      activeControl_ = nullptr;
      return;
    }
}

bool TCustomForm::FocusActiveControl() {
  TWinControl* target = activeControl_ && activeControl_->CanFocus() ? activeControl_ : nullptr;
  if (!target) target = FindNextControl(nullptr, true, true);
  if (!target) return false;
  target->SetFocus();
  return true;
}

void TCustomForm::WndProc(TMessage& m) {
  if (const TFormTable* table = FormTable())
    if (const TFormEntry* e = table->FindMessage(m.Msg)) {
      e->OnMessage(this, m);
      return;
    }
  if (m.Msg == WM_CLOSE) {
    Close();
    m.Result = 0;
    return;
  }
  switch (m.Msg) {
    case CM_DIALOGKEY:
      // Tab and Shift+Tab follow the tab order; Ctrl+Tab is left to page controls.
      if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        m.Result = 1;
        return;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE && !HIWORD(m.WParam) && !Parent() && FocusActiveControl()) {
        m.Result = 0;
        return;
      }
      break;
    case CM_RELEASE:
      Application->ReleaseForm(this);
      return;
    case WM_COMMAND:
      // A command of the menu bar (no control, not an accelerator).
      if (m.LParam == 0 && HIWORD(m.WParam) == 0 && menu_ && menu_->DispatchCommand(LOWORD(m.WParam))) {
        m.Result = 0;
        return;
      }
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (menu_ && DispatchMenuOwnerDraw(menu_, m.Msg, m.LParam)) {
        m.Result = TRUE;
        return;
      }
      break;
    case CM_MENUCHANGED:
      AttachMenu();
      return;
    case WM_DESTROY:
      // The window would take its menu bar along; the menu object owns it.
      if (menu_ && !Parent() && GetMenu(Handle()) == menu_->Handle()) ::SetMenu(Handle(), nullptr);
      break;
    case WM_NCDESTROY:
      clientHandle_ = nullptr;  // gone with its frame
      break;
  }
  TCustomControl::WndProc(m);
}
