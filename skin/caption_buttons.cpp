// The caption buttons of a skinned window: their layout and painting, the mouse on them, the
// window commands they run, the hover timer with their hints, and the state machine that
// caption buttons and menu-bar items share.
#include <algorithm>

#include "gui/application.h"
#include "gui/forms.h"
#include "gui/timer.h"
#include "skin/caption_buttons.h"
#include "skin/draw_primitives.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

bool AskButtonVisible(void* context, int code, int action) {
  return SendSkinMessage(static_cast<HWND>(context), SKM_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
}

}  // namespace

// ---- caption buttons ---------------------------------------------------------------------------

void TWinSkinForm::ClearCaptionButtons() {
  HotObject = nullptr;
  CaptionButtons.clear();
}

bool TWinSkinForm::CaptionButtonVisible(size_t index) {
  TWinSysButton& button = *CaptionButtons[index];
  TCaptionState state;
  state.ShowState = ShowState;
  state.IsActive = IsActive;
  state.CaptionCaps = CaptionCaps;
  state.BorderKind = BorderKind;
  state.DialogClass = DialogClass;
  state.MdiChildMaximizedWithMenuBar = MenuBar && IsMdiChildMaximized();
  TButtonVisibility v = CaptionButtonVisibility(*button.Element, state, &AskButtonVisible, Handle);
  button.Visible = v.Visible;
  if (button.Element->Action == 1 || button.Element->Action == 2) button.Enabled = v.Enabled;
  return v.Visible;
}

void TWinSkinForm::LayoutCaptionButtons() {
  // The MDI child buttons stand at the right end of the menu band, inside its margin.
  const TDataSkinObject* menuBar = SkinData->Elements.MenuBar.get();
  const int menuBarMargin = menuBar && !menuBar->Image.Empty() ? menuBar->LeftWidth : 0;
  for (size_t i = 0; i < CaptionButtons.size(); ++i) {
    TWinSysButton& button = *CaptionButtons[i];
    if (!CaptionButtonVisible(i) || button.Element->Image.Empty()) continue;
    button.Rect = CaptionButtonRect(*button.Element, WindowWidth, CaptionBackRect, BorderTop, BorderRight,
                                    MenuBarHeight, menuBarMargin);
  }
}

void TWinSkinForm::DrawButton(HDC dc, TWinSysButton* button, int frame) {
  const TDataSkinSysButton& e = *button->Element;
  if (e.Action == 3 || e.Action == 11)
    DrawCaptionIcon(dc, button->Rect);
  else
    DrawElementCell(dc, button->Rect, e.Image, true, e.Frames(), frame);
}

void TWinSkinForm::PaintCaptionButtons(HDC dc) {
  for (auto& button : CaptionButtons) {
    const TDataSkinSysButton& e = *button->Element;
    if (!button->Visible || e.Image.Empty() || e.Visibility == 100) continue;
    int frame = 1;
    if (e.Frames() >= 4 && (!IsActive || !button->Enabled)) frame = 4;
    DrawButton(dc, button.get(), frame);
  }
}

void TWinSkinForm::PaintCaptionButton(TWinSysButton* button, int state) {
  const TDataSkinSysButton& e = *button->Element;
  if (!button->Enabled) state = e.Frames() > 3 ? 4 : 1;
  if (e.Visibility == 100 && state == 3) state = 4;
  HDC dc = GetWindowDC(Handle);
  if (!dc) return;
  DrawButton(dc, button, std::min(state, e.Frames()));
  ReleaseDC(Handle, dc);
}

void TWinSkinForm::BuildIconBitmap() {
  int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  IconBitmap.SetSize(cx, cy);
  IconBitmap.Fill(kSkinKeyColour);
  HICON icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  HICON small = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  if (!small) return;
  {
    TBitmapDC dc(IconBitmap.Handle());
    DrawIconEx(dc, 0, 0, small, cx, cy, 0, nullptr, DI_NORMAL);
  }
  DestroyIcon(small);
}

void TWinSkinForm::DrawCaptionIcon(HDC dc, const RECT& rect) {
  HWND app = Application->Handle();
  HICON icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_BIG, 0));
  int size = GetSystemMetrics(SM_CXSMICON);
  HICON small = icon ? static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, LR_COPYFROMRESOURCE)) : nullptr;
  if (small) {
    int y = CaptionTextRect.top + (CaptionTextRect.bottom - CaptionTextRect.top) / 2 - size / 2;
    DrawIconEx(dc, 8, y, small, size, size, 0, nullptr, DI_NORMAL);
    DestroyIcon(small);
  } else {
    DrawKeyed(dc, rect, IconBitmap, kSkinKeyColour);
  }
}

TWinSysButton* TWinSkinForm::CaptionButtonAt(POINT point) const {
  for (auto& button : CaptionButtons) {
    if (button->Visible && button->Element->Action >= 0 && PtInRect(&button->Rect, point)) return button.get();
  }
  return nullptr;
}

bool TWinSkinForm::HandleNcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  int sx = static_cast<short>(LOWORD(lParam)), sy = static_cast<short>(HIWORD(lParam));
  const POINT point = ScreenToWindow(sx, sy);
  TWinSysButton* button = CaptionButtonAt(point);
  TMenuBtn* item = !button && MenuBar ? MenuBar->ItemAt(point) : nullptr;
  result = 0;
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!IsActive) return true;
      if (button || item) {
        if (button)
          button->Hover();
        else
          item->Hover();
        return true;
      }
      if (HotObject) HotObject->Leave();
      HotObject = nullptr;
      return false;
    case WM_NCLBUTTONDOWN:
      SkinData->HideCaptionHint();
      if (button) {
        if (!IsActive) SetForegroundWindow(Handle);
        button->Press();
        return true;
      }
      if (item) {
        if (!IsActive) SetForegroundWindow(Handle);
        item->Press();
        const std::shared_ptr<const bool> alive = UntilDestroyingToken();
        OpenMenuBarItem(item);
        if (!*alive) return true;
        // The item may have gone with a rebuilt bar while its popup was open.
        if (MenuBar && std::any_of(MenuBar->Items.begin(), MenuBar->Items.end(),
                                   [item](const std::unique_ptr<TMenuBtn>& i) { return i.get() == item; }))
          HotObject = item;
        return true;
      }
      if (ShowState == kShowMaximized && IsActive && wParam == HTCAPTION) {
        // A maximized window is not dragged by its caption.
        result = CallOldProc(msg, HTMENU, lParam);
        return true;
      }
      return false;
    case WM_NCLBUTTONUP:
      SkinData->HideCaptionHint();
      if (button) {
        if (button == HotObject) {
          button->Release();
          CaptionButtonAction(sx, sy);
        }
        return true;
      }
      return item != nullptr;
    case WM_NCLBUTTONDBLCLK:
      if (button) {
        if (button->Element->Action == 3 || button->Element->Action == 11) {
          HoverTimer->SetEnabled(false);
          PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return true;
      }
      // The bar's own double click does nothing (the first click opened a popup).
      if (item) return true;
      if (ShowState != kShowNormal) {
        RestoreWindow();
        return true;
      }
      if (CaptionCaps & kCapMaximize) {
        MaximizeOrRestore();
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool TWinSkinForm::CanClose() const {
  if (!SystemMenu) return false;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  return GetMenuItemInfoW(SystemMenu, SC_CLOSE, FALSE, &info) != FALSE;
}

void TWinSkinForm::CaptionButtonAction(int x, int y) {
  auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button) return;
  int action = button->Element->Action;
  switch (action) {
    case 0:
      if (CanClose()) {
        HoverTimer->SetEnabled(false);
        PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case 1:
    case 22:
      if (button->Enabled) MaximizeOrRestore();
      break;
    case 2:
    case 23:
      if (button->Enabled) MinimizeOrRestore();
      break;
    case 3:
    case 11:
    case 12:
      ShowSystemMenu(POINT{x + 1, y + 1});
      break;
    case 4:
      PostMessageW(Handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case 7:
    case 60:
      MdiChildCommand(SC_MINIMIZE);
      break;
    case 8:
    case 61:
      MdiChildCommand(SC_RESTORE);
      break;
    case 9:
    case 62:
      MdiChildCommand(SC_CLOSE);
      break;
    default:
      PostSkinMessage(Handle, SKM_CUSTOMBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TWinSkinForm::MaximizeOrRestore() {
  if (ShowState == kShowMaximized) {
    RestoreWindow();
    return;
  }
  if (MdiKind == TMdiKind::Child) SetMdiMaximized(true);
  ShowState = kShowMaximized;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  HotObject = nullptr;
}

void TWinSkinForm::RestoreWindow() {
  ShowState = kShowNormal;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::MinimizeOrRestore() {
  if (ShowState == kShowMinimized) {
    RestoreWindow();
    return;
  }
  ShowState = kShowMinimized;
  // A minimized window keeps its system menu.
  SetSysMenuStyle(false);
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::HideButtonHint() {
  if (!SkinData) return;
  SkinData->HintElapsed = 0;
  SkinData->HideCaptionHint();
}

void TWinSkinForm::HoverTick() {
  if (MenuTracking || !HotObject) return;
  POINT cursor;
  GetCursorPos(&cursor);
  POINT p = ScreenToWindow(cursor.x, cursor.y);
  if (!PtInRect(&HotObject->Rect, p)) {
    HotObject->Leave();
    HotObject = nullptr;
    HideButtonHint();
    return;
  }
  auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button) return;
  SkinData->HintElapsed += HoverTimer->Interval();
  switch (CaptionHintStep(SkinData->HintElapsed, static_cast<uint32_t>(Application->HintPause()),
                          static_cast<uint32_t>(Application->HintHidePause()))) {
    case THintStep::Show: {
      std::wstring hint = CaptionButtonHint(button->Element->Action);
      if (!hint.empty()) {
        GetWindowRect(Handle, &WindowRect);
        LONG left = button->Rect.left + WindowRect.left, top = cursor.y + 24;
        SkinData->ShowCaptionHint(RECT{left, top, left, top}, hint);
      }
      break;
    }
    case THintStep::Hide:
      SkinData->HideCaptionHint();
      break;
    case THintStep::Wait:
      break;
  }
}

// ---- caption-button state machine --------------------------------------------------------------

TNCObject::~TNCObject() {
  // A freed object is never left as the hot one.
  if (Owner && Owner->HotObject == this) Owner->HotObject = nullptr;
}

void TNCObject::Press() {
  if (!Visible) return;
  if (Owner->HotObject && Owner->HotObject != this) Owner->HotObject->Leave();
  Owner->HotObject = this;
  State = 2;
  PaintObject();
}

void TNCObject::Release() {
  if (!Visible) return;
  State = 3;
  PaintObject();
}

void TNCObject::Hover() {
  if (!Visible || Owner->HotObject == this) return;
  if (Owner->HotObject) Owner->HotObject->Leave();
  Owner->HotObject = this;
  State = 3;
  PaintObject();
}

void TNCObject::Leave() {
  if (!Visible) return;
  Owner->HotObject = nullptr;
  State = 1;
  PaintObject();
  Owner->HideButtonHint();
}

void TWinSysButton::PaintObject() { Owner->PaintCaptionButton(this, State); }
