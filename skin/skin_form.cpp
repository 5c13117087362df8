#include "skin/skin_form.h"

#include <algorithm>

#include "gui/application.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/menus.h"
#include "gui/messages.h"
#include "gui/timer.h"
#include "skin/draw_primitives.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

constexpr UINT kHoverInterval = 250;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

COLORREF ToColorRef(int32_t colour) {
  if ((static_cast<uint32_t>(colour) & 0xFF000000u) == 0xFF000000u) return GetSysColor(colour & 0xFF);
  return static_cast<COLORREF>(colour) & 0xFFFFFF;
}

HFONT LoadCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfCaptionFont);
}

}  // namespace

const TClassInfo& TWinSkinForm::StaticClass() {
  static const TClassInfo info(L"TWinSkinForm", &TComponent::StaticClass(), nullptr, {});
  return info;
}

TWinSkinForm::TWinSkinForm(TComponent* owner)
    : TComponent(owner), DoubleClickTime(GetDoubleClickTime()), captionFont_(LoadCaptionFont()) {}

TWinSkinForm::~TWinSkinForm() {
  // A skinner freed with its form while the window still lives lets go of the window first.
  if (subclassed_ && SkinState != TSkinState::Destroying) Unhook();
  mdi_.Detach();
  ForgetMenuBarTracking(this);
  FreeSkinners();
  FreeMenus(false);
  ClearCaptionButtons();
  if (SkinData) SkinData->HideCaptionHint();
  if (RegionOwned && Region && !IsWindow(Handle)) DeleteObject(Region);
  if (captionFont_) DeleteObject(captionFont_);
  if (SkinManager) SkinManager->RemoveSkinForm(this);
}

// ---- attaching -------------------------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* skinData, TCustomForm* form) {
  Form = form;
  if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, Handle, WindowClassName);
  HookIn(skinData);
  // The form's chain: the engine's messages, its caption, and controls placed later.
  formChain_.HookControl(form);
  savedColor_ = form->Color();
  form->SetColor(ToColorRef(skinData->Elements.ColourTable[kColourButtonFace]));
}

void TWinSkinForm::AttachHandle(TSkinData* skinData) { HookIn(skinData); }

void TWinSkinForm::HookIn(TSkinData* skinData) {
  if (subclassed_) return;
  if (SkinManager) SkinManager->ManagerState = TManagerState::Running;
  SkinData = skinData;
  HoverTimer.reset(new TTimer(nullptr));
  HoverTimer->SetEnabled(false);
  HoverTimer->SetInterval(kHoverInterval);
  HoverTimer->OnTimer = [this](TObject*) { HoverTick(); };
  FrameSkinned = skinData->SkinControls().Contains(TSkinControlType::xcMainMenu);
  Style = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
  DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
  RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  IsChildWindow = (Style & WS_CHILD) != 0;
  std::wstring className = GetWindowClassName(Handle);
  OwnerWindow = GetWindow(Handle, GW_OWNER);
  CaptionCaps = CaptionCapsOf(Style, exStyle, SystemMenu != nullptr);
  ReadPlacement();
  MdiKind = TMdiKind::None;
  HWND mdiClient = nullptr;
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowClassName(child) == L"MDIClient") {
      MdiKind = TMdiKind::Frame;
      mdiClient = child;
      break;
    }
  }
  if (exStyle & WS_EX_MDICHILD) {
    MdiKind = TMdiKind::Child;
    if (skinData->Options().Contains(TSkinOption::xoMDIChildBorder)) FrameSkinned = false;
  }
  BorderKind = BorderKindOf(Style, exStyle, className);
  const DWORD version = GetVersion();
  if (KeepsSystemMenuStyle(version, exStyle, OwnerWindow != nullptr, MdiKind == TMdiKind::Child)) CaptionCaps |= kCapKeepSysMenu;
  IsUnicode = IsWindowUnicode(Handle) != FALSE;
  DialogClass = IsDialogClass(className);
  if (MdiKind == TMdiKind::Frame) mdi_.Attach(mdiClient, skinData);
  Subclass();
  SetMainMenuOwnerDraw(Form, true);
  if (FrameSkinned) {
    NativeMenu = GetMenu(Handle);
    if (NativeMenu && MdiKind != TMdiKind::Child) MakeMenuBar();
    BuildFrameMetrics();
  } else {
    SkinState = TSkinState::Active;
  }
  if (MdiKind == TMdiKind::Child && BorderTop < GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME))
    MenuBarHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME) - BorderTop;
  if (MdiKind == TMdiKind::Child && ShowState == kShowMaximized && !MdiMaximized()) SetMdiMaximized(true);
}

void TWinSkinForm::Subclass() { subclassed_ = HookWindow(Handle); }

void TWinSkinForm::RemoveSubclass() {
  if (!subclassed_) return;
  // Each leaves only while it is the head: a later hook keeps its own place.
  formChain_.RemoveHook();
  RemoveHook();
  subclassed_ = false;
}

LRESULT TWinSkinForm::CallOldProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  CallDefault(m);
  return m.Result;
}

void TWinSkinForm::ReadPlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (GetWindowPlacement(Handle, &placement)) ShowState = ShowStateOf(placement.showCmd);
}

void TWinSkinForm::SaveNativeFrame() {
  RECT window, client;
  GetClientRect(Handle, &client);
  GetWindowRect(Handle, &window);
  NativeClientRect = client;
  NativeNcWidth = (window.right - window.left) - (client.right - client.left);
  NativeNcHeight = (window.bottom - window.top) - (client.bottom - client.top);
}

void TWinSkinForm::StartSkinning() {
  SystemMenu = GetSystemMenu(Handle, FALSE);
  if (SystemMenu) CaptionCaps |= kCapSysMenu;
  BuildIconBitmap();
  SaveNativeFrame();
  if (Form)
    SkinControlTree(Form);
  else
    SkinChildWindows(Handle);
  if (SkinState == TSkinState::Attached) {
    if (MdiKind == TMdiKind::Child) {
      // A maximized child shows in its frame: the frame is drawn again with it.
      if (ShowState == kShowMaximized) PostMdiRedraw();
      if (ShowState == kShowNormal) {
        SkinState = TSkinState::FirstResize;
        FitFrame(false);
        SkinState = TSkinState::Active;
        UpdateWindowShape();
      }
    } else if (!IsChildWindow && BorderKind != kBorderNoCaption && ShowState != kShowMinimized) {
      SkinState = TSkinState::FirstResize;
      FitFrame(false);
      SkinState = TSkinState::Active;
      if (ShowState == kShowNormal)
        UpdateWindowShape();
      else
        FrameChanged();
    }
  }
  DoAfterSkinForm();
  SkinState = TSkinState::Active;
  HoverTimer->SetEnabled(true);
}

void TWinSkinForm::DoAfterSkinForm() {
  SendSkinMessage(Handle, SKM_SKINDONE, 0, SKM_KEY);
  if (SkinData && SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, WindowClassName);
}

// ---- the window procedures -------------------------------------------------------------------

void TWinSkinForm::FormChainProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      formChain_.CallDefault(m);
      if (FrameSkinned && IsWindowVisible(Handle)) {
        // A maximized child's caption is part of its frame's.
        if (ShowState == kShowMaximized && MdiKind == TMdiKind::Child) PostMdiRedraw();
        if (ShowState == kShowMinimized)
          PaintNonClient(nullptr);
        else
          FrameChanged();
      }
      return;
    case SKM_SKINCHANGED:
      SkinChanged();
      return;
    case SKM_PAINTNC:
      if (m.LParam != SKM_KEY || !FrameSkinned) break;
      if (m.WParam) PaintNonClient(reinterpret_cast<HDC>(m.WParam));
      m.Result = SKM_KEY;
      return;
    case SKM_QUERYFORM:
      m.Result = m.LParam == SKM_KEY ? SKM_KEY : 1;
      return;
    case CM_DIALOGCHAR:
      DialogChar(m);
      return;
    case CM_CONTROLLISTCHANGE:
      formChain_.CallDefault(m);
      // A control was placed: it is offered once the code placing it has set it up.
      if (m.LParam) walker_.ControlPlaced();
      return;
    default:
      break;
  }
  formChain_.CallDefault(m);
}

LRESULT TWinSkinForm::FormWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (SkinState == TSkinState::Attached && msg == WM_NCPAINT) return 0;
  switch (msg) {
    case WM_ERASEBKGND: {
      LRESULT r = CallOldProc(msg, wParam, lParam);
      if (Form) return r;
      RECT client;
      GetClientRect(Handle, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, SkinData->Elements.FaceBrush);
      return 1;
    }
    case WM_NCDESTROY: {
      SkinState = TSkinState::Destroying;
      LRESULT r = CallOldProc(msg, wParam, lParam);
      Unhook();
      SkinState = TSkinState::Detached;
      return r;
    }
    case WM_NCACTIVATE:
      if (SkinState == TSkinState::Attached && MdiKind != TMdiKind::Child) return 0;
      if (!FrameSkinned) return CallOldProc(msg, wParam, lParam);
      return FramedWindowProc(msg, wParam, lParam);
    case 0x00AE:  // the themed caption repaint of newer systems: nothing of it shows
      return 0;
    case WM_INITMENUPOPUP:
      if (SkinManager) SkinManager->PopupKind =
            reinterpret_cast<HMENU>(wParam) == SystemMenu ? TPopupKind::SystemMenu : TPopupKind::WindowMenu;
      return CallOldProc(msg, wParam, lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      LRESULT r = CallOldProc(msg, wParam, lParam);
      if (Form) return r;
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return msg == WM_CTLCOLORSTATIC ? reinterpret_cast<LRESULT>(SkinData->Elements.FaceBrush) : r;
    }
    case SKM_START:
      StartSkinning();
      return 0;
    case SKM_CONTROLSPLACED:
      walker_.PlacedControlsArrived();
      if (Form) SkinPlacedControls(Form);
      return 0;
    case SKM_QUERYSKINNED:
      PostSkinMessage(Handle, SKM_SKINDONE, 0, SKM_KEY);
      return 1;
    default:
      if (!FrameSkinned) return CallOldProc(msg, wParam, lParam);
      return FramedWindowProc(msg, wParam, lParam);
  }
}

LRESULT TWinSkinForm::FramedWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsChildWindow && MdiKind != TMdiKind::Child) return CallOldProc(msg, wParam, lParam);
  switch (msg) {
    case WM_WINDOWPOSCHANGED:
      ReadPlacement();
      return CallOldProc(msg, wParam, lParam);
    case WM_SIZE: {
      LRESULT r = CallOldProc(msg, wParam, lParam);
      WmSize(wParam);
      NonClientProc(msg, wParam, lParam, false);
      return r;
    }
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      IsActive = LOBYTE(LOWORD(wParam)) != 0;
      return NonClientProc(msg, wParam, lParam, true);
    case WM_GETMINMAXINFO: {
      LRESULT r = CallOldProc(msg, wParam, lParam);
      ReadPlacement();
      return r;
    }
    case WM_SETICON: {
      LRESULT r = CallOldProc(msg, wParam, lParam);
      BuildIconBitmap();
      return r;
    }
    case WM_COMMAND:
      if (WmCommand(wParam)) return 0;
      return NonClientProc(msg, wParam, lParam, true);
    case WM_SYSCOMMAND: {
      LRESULT result = 0;
      if (WmSysCommand(wParam, lParam, result)) return result;
      return NonClientProc(msg, wParam, lParam, true);
    }
    case WM_MENUSELECT:
      MenuSelected(wParam, lParam);
      return NonClientProc(msg, wParam, lParam, true);
    case SKM_MENUBARCLICK:
      MenuBarClick(lParam);
      return 0;
    case CM_MENUCHANGED: {
      LRESULT result = 0;
      MenuChanged(wParam, lParam, result);
      return result;
    }
    default:
      return NonClientProc(msg, wParam, lParam, true);
  }
}

LRESULT TWinSkinForm::NonClientProc(UINT msg, WPARAM wParam, LPARAM lParam, bool passDefault) {
  bool maximizedMdiChild = MdiKind == TMdiKind::Child && ShowState == kShowMaximized;
  if (maximizedMdiChild || SkinState == TSkinState::Attached) return passDefault ? CallOldProc(msg, wParam, lParam) : 0;
  LRESULT result = 0;
  switch (msg) {
    case WM_NCACTIVATE:
      return NcActivate(wParam, lParam);
    case WM_NCPAINT:
      return WmNcPaint(wParam, lParam);
    case WM_NCCALCSIZE:
      return NcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
      return NcHitTest(wParam, lParam);
    case WM_SIZE:
      // The second pass of the size rule: the shape follows the size the frame now has.
      WmSize(wParam);
      return 0;
    case WM_WINDOWPOSCHANGING:
      return CallOldProc(msg, wParam, lParam);
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
      if (HandleNcMouse(msg, wParam, lParam, result)) return result;
      return CallOldProc(msg, wParam, lParam);
    case WM_MEASUREITEM:
      if (MeasureItem(lParam)) return TRUE;
      return CallOldProc(msg, wParam, lParam);
    case WM_DRAWITEM:
      if (DrawItem(lParam)) return TRUE;
      return CallOldProc(msg, wParam, lParam);
    case WM_NCRBUTTONDOWN:
      if (SkinData) SkinData->HideCaptionHint();
      if (wParam == HTCAPTION && MdiKind != TMdiKind::Child) {
        ShowSystemMenu(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
      }
      return CallOldProc(msg, wParam, lParam);
    case SKM_REPAINTNC:
      PaintNonClient(nullptr);
      return 0;
    default:
      return passDefault ? CallOldProc(msg, wParam, lParam) : 0;
  }
}

void TWinSkinForm::WmSize(WPARAM wParam) {
  switch (wParam) {
    case SIZE_RESTORED:
      ShowState = kShowNormal;
      break;
    case SIZE_MINIMIZED:
      ShowState = kShowMinimized;
      break;
    case SIZE_MAXIMIZED:
      ShowState = kShowMaximized;
      break;
    default:
      break;
  }
  if (ShowState == kShowMinimized) return;
  if (MdiKind == TMdiKind::Child && (ShowState != kShowNormal || MdiMaximized())) return;
  if (SkinState == TSkinState::Active || SkinState == TSkinState::Reskinning) UpdateWindowShape();
}

// ---- frame metrics and sizing ------------------------------------------------------------------

void TWinSkinForm::BuildFrameMetrics() {
  if (!SkinData || SkinData->NoSkin) return;
  TFrameMetrics m = FrameMetricsOf(SkinData->Elements, BorderKind);
  BorderLeft = m.Left, BorderTop = m.Top, BorderRight = m.Right, BorderBottom = m.Bottom;
  if (BorderKind == kBorderNoCaption) MenuBarHeight = 0;
  ClearCaptionButtons();
  for (auto& element : SkinData->Elements.SysButtons) {
    if (element->Action == 3 || element->Action == 11) {
      BuildIconBitmap();
      if (element->Image.Empty() || SkinData->IconBitmap.Empty()) element->Image = IconBitmap;
      element->Frame = 1;
    }
    CaptionButtons.push_back(std::make_unique<TWinSysButton>(this, element.get()));
  }
}

void TWinSkinForm::FrameChanged() {
  SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::FitFrame(bool refresh) {
  if (ShowState == kShowMaximized) {
    FrameChanged();
    return;
  }
  if (DialogClass || SkinState == TSkinState::Reskinning) GetClientRect(Handle, &NativeClientRect);
  int width = NativeClientRect.right + BorderLeft + BorderRight;
  if (refresh) {
    GetClientRect(Handle, &NativeClientRect);
  } else if (Form) {
    width = Form->ClientWidth() + BorderLeft + BorderRight;
    NativeClientRect.bottom = Form->ClientHeight() - (MdiKind == TMdiKind::Child ? 0 : MenuBarHeight);
  }
  int height = NativeClientRect.bottom + BorderTop + BorderBottom + MenuBarHeight;
  if (DialogClass && !refresh) {
    // A dialog is never narrower than its caption; its controls move to stay centred.
    CaptionText = WindowText();
    HDC dc = GetWindowDC(Handle);
    HGDIOBJ oldFont = SelectObject(dc, captionFont_);
    SIZE size{};
    GetTextExtentPoint32W(dc, CaptionText.c_str(), static_cast<int>(CaptionText.size()), &size);
    SelectObject(dc, oldFont);
    ReleaseDC(Handle, dc);
    CaptionWidth = size.cx;
    const TDataSkinTitle& title = SkinData->Elements.Title;
    int needed = title.LeftWidth + CaptionWidth + title.RightWidth;
    if (width < needed) {
      int shift = (needed - width) / 2;
      for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
      }
      width = needed;
    }
  }
  // The client area moves inside the new frame: it is painted anew rather than copied over, or
  // what the system copies leaves stale rows behind where the old frame met the client.
  SetWindowPos(Handle, nullptr, 0, 0, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOCOPYBITS);
}

LRESULT TWinSkinForm::NcCalcSize(WPARAM wParam, LPARAM lParam) {
  LRESULT r = CallOldProc(WM_NCCALCSIZE, wParam, lParam);
  if (!wParam) return 0;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if ((MdiKind == TMdiKind::Child && ShowState != kShowNormal) || BorderKind == kBorderNoCaption) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  (void)r;
  const WINDOWPOS& p = *params->lppos;
  RECT window{p.x, p.y, p.x + p.cx, p.y + p.cy};
  TFrameMetrics frame{BorderLeft, BorderTop, BorderRight, BorderBottom};
  params->rgrc[0] = ClientRectInFrame(window, frame, MenuBarHeight);
  params->rgrc[1] = params->rgrc[0];
  return WVR_VALIDRECTS;
}

POINT TWinSkinForm::ScreenToWindow(int x, int y) const {
  POINT p{x, y};
  ScreenToClient(Handle, &p);
  if (!(MdiKind == TMdiKind::Child && ShowState == kShowMinimized)) {
    p.x += BorderLeft;
    p.y += BorderTop + MenuBarHeight;
  }
  return p;
}

LRESULT TWinSkinForm::NcHitTest(WPARAM wParam, LPARAM lParam) {
  LRESULT r = CallOldProc(WM_NCHITTEST, wParam, lParam);
  if (r != HTNOWHERE && r != HTCAPTION) return r;
  POINT p = ScreenToWindow(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  return AdjustHitTest(r, p.y, BorderTop, MenuBarHeight);
}

LRESULT TWinSkinForm::NcActivate(WPARAM wParam, LPARAM lParam) {
  IsActive = wParam != 0;
  HoverTimer->SetEnabled(IsActive);
  // The frame's default would tell its client; the active child's caption follows it.
  if (MdiKind == TMdiKind::Frame && MdiClient()) SendMessageW(MdiClient(), WM_NCACTIVATE, wParam, 0);
  if (MdiKind == TMdiKind::Child) CallOldProc(WM_NCACTIVATE, wParam, lParam);
  PaintNonClient(nullptr);
  return 1;
}

LRESULT TWinSkinForm::WmNcPaint(WPARAM wParam, LPARAM lParam) {
  SetSysMenuStyle(true);
  if (!SkinData->NcPaintEnabled) return 0;
  if ((MdiKind == TMdiKind::Child && ShowState == kShowMaximized) || BorderKind == kBorderNoCaption)
    return CallOldProc(WM_NCPAINT, wParam, lParam);
  PaintNonClient(nullptr);
  return 0;
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
  if (CaptionCaps & kCapKeepSysMenu) return;
  Style = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
  if (remove)
    Style &= ~WS_SYSMENU;
  else if (SystemMenu)
    Style |= WS_SYSMENU;
  SetWindowLongPtrW(Handle, GWL_STYLE, static_cast<LONG_PTR>(Style));
}

// ---- painting ----------------------------------------------------------------------------------

void TWinSkinForm::PaintNonClient(HDC dc) {
  if ((SkinState != TSkinState::Active && SkinState != TSkinState::Reskinning) || BorderKind == kBorderNoCaption) return;
  if (MdiKind == TMdiKind::Child && ShowState == kShowMaximized) return;
  HDC windowDc = dc ? dc : GetWindowDC(Handle);
  if (!windowDc) return;
  GetWindowRect(Handle, &WindowRect);
  WindowWidth = WindowRect.right - WindowRect.left;
  WindowHeight = WindowRect.bottom - WindowRect.top;
  int w = WindowWidth, h = WindowHeight;
  if (ShowState == kShowMinimized) {
    PaintTitleBar(windowDc);
  } else {
    PaintBorder(1, RECT{0, 0, BorderLeft, h}, windowDc);
    PaintBorder(2, RECT{w - BorderRight, 0, w, h}, windowDc);
    PaintBorder(4, RECT{BorderLeft, h - BorderBottom, w - BorderRight, h}, windowDc);
    PaintTitleBar(windowDc);
    RECT band{BorderLeft, BorderTop, w - BorderRight, BorderTop + MenuBarHeight};
    if (MenuBar)
      MenuBar->PaintMenuBar(windowDc, band);
    else if (MenuBarHeight > 0)
      FillRect(windowDc, &band, SkinData->Elements.FaceBrush);
  }
  HotObject = nullptr;
  if (!dc) ReleaseDC(Handle, windowDc);
}

void TWinSkinForm::PaintBorder(int part, const RECT& rect, HDC dc) {
  if (rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0) return;
  const TSkinElements& skin = SkinData->Elements;
  const TDataSkinBorder* element = part == 1 ? &skin.Left : part == 2 ? &skin.Right : part == 3 ? &skin.Top : &skin.Bottom;
  if (element->Image.Empty()) return;
  bool vertical = part == 3 || part == 4;
  int frame = (IsActive || element->Frames() == 1) ? 1 : 2;
  RECT size{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  TBitmap rendered =
      RenderElement(size, element->Image, element->Margins(), vertical, element->Tile != 1, element->Frames(), frame);
  if (rendered.Empty()) return;
  TBitmapDC source(rendered.Handle());
  BitBlt(dc, rect.left, rect.top, size.right, size.bottom, source, 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintTitleBar(HDC dc) {
  int w = WindowWidth;
  RECT area;
  if (ShowState == kShowMinimized) {
    TitleBuffer.SetSize(w, WindowHeight);
    TitleBuffer.Fill(ToColorRef(SkinData->Elements.ColourTable[kColourButtonFace]));
    area = RECT{0, 0, w, BorderTop};
  } else {
    TitleBuffer.SetSize(w, BorderTop);
    area = RECT{BorderLeft, 0, w - BorderRight, BorderTop};
  }
  if (TitleBuffer.Empty()) return;
  {
    TBitmapDC buffer(TitleBuffer.Handle());
    // The side borders just drawn stay under the title's ends.
    if (ShowState != kShowMinimized) BitBlt(buffer, 0, 0, w, BorderTop, dc, 0, 0, SRCCOPY);
    PaintBorder(3, area, buffer);
    DrawCaptionText(buffer, area);
    LayoutCaptionButtons();
    PaintCaptionButtons(buffer);
    BitBlt(dc, 0, 0, TitleBuffer.Width(), TitleBuffer.Height(), buffer, 0, 0, SRCCOPY);
  }
  SetBkMode(dc, OPAQUE);
}

std::wstring TWinSkinForm::WindowText() const {
  int length = GetWindowTextLengthW(Handle);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(Handle, &text[0], length + 1)));
  return text;
}

void TWinSkinForm::DrawCaptionText(HDC dc, const RECT& area) {
  const TDataSkinTitle& title = SkinData->Elements.Title;
  const int textShift = title.LeftWidth, textShiftVert = title.TopHeight, textRightClip = title.RightWidth;
  std::wstring text = L"  " + WindowText() + L" ";
  RightButtonsWidth = 0;
  for (size_t i = 0; i < CaptionButtons.size(); ++i) {
    const TDataSkinSysButton& e = *CaptionButtons[i]->Element;
    if (e.Align == 1 && !e.Image.Empty() && CaptionButtonVisible(i)) RightButtonsWidth = std::max(RightButtonsWidth, e.Xcoord);
  }
  HGDIOBJ oldFont = SelectObject(dc, captionFont_);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(SkinData->Elements.ColourTable[IsActive ? kColourTitleTextActive : kColourTitleTextNoActive]));
  RECT r = area;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  r.right += title.TXTBackleft + title.TXTBackRight;
  int aw = area.right - area.left, tw = r.right - r.left;
  int x = 0;
  if (!RightToLeft) {
    switch (title.TextAlignment) {
      case 0: x = textShift; break;
      case 1: x = (aw - tw) / 2; break;
      case 2: x = aw - textRightClip - tw; break;
      default: x = 0; break;
    }
  } else {
    switch (title.TextAlignment) {
      case 0: x = aw - RightButtonsWidth - tw; break;
      case 1: x = (aw - tw - RightButtonsWidth) / 2; break;
      case 2: x = textShift; break;
      default: break;
    }
  }
  OffsetRect(&r, x, ((area.bottom - area.top) - (r.bottom - r.top)) / 2 + textShiftVert / 2);
  if (RightToLeft && x <= 0) r.left = textShift;
  if (RightToLeft) {
    OffsetRect(&r, 10, 0);
  } else if (!(Style & WS_POPUP)) {
    r.right = std::min<LONG>(r.right, area.right - textRightClip);
  } else if (area.right - RightButtonsWidth - 5 < r.right && RightButtonsWidth > 5) {
    r.right = area.right - RightButtonsWidth - 5;
  }
  if (BorderKind == kBorderDialog && title.TextAlignment == 0) r.left -= 16;
  CaptionBackRect = r;
  if (!title.Image.Empty()) {
    DrawElementStrip(dc, RECT{r.left, area.top, r.right, area.bottom}, title.Image, true, true, 2, IsActive ? 1 : 2,
                     RECT{title.TXTBackleft, 0, title.TXTBackRight, 0});
  }
  r.left += title.TXTBackleft;
  r.right -= title.TXTBackRight;
  UINT format = RightToLeft ? (DT_RTLREADING | DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_RIGHT)
                            : (DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
  CaptionTextRect = r;
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

void TWinSkinForm::UpdateWindowShape() {
  if (SkinState == TSkinState::Detached || !FrameSkinned) return;
  if (MdiKind == TMdiKind::Child && ShowState != kShowNormal) return;
  RECT window;
  GetWindowRect(Handle, &window);
  int w = window.right - window.left, h = window.bottom - window.top;
  if (w <= 0 || h <= 0) return;
  if (w == RegionWidth && h == RegionHeight && MdiKind != TMdiKind::Child && SkinState != TSkinState::Reskinning) return;
  // The previous region belongs to the system since it was handed over: it goes with the
  // next SetWindowRgn, never through us.
  Region = nullptr;
  RegionOwned = false;
  const TSkinElements& skin = SkinData->Elements;
  HRGN region;
  if (!skin.Left.Trans && !skin.Right.Trans && !skin.Top.Trans && !skin.Bottom.Trans) {
    region = CreateRectRgn(0, 0, w, h);
  } else {
    RegionWidth = w, RegionHeight = h;
    region = CreateRectRgn(BorderLeft, BorderTop, w - BorderRight, h - BorderBottom);
    auto add = [&region](HRGN part) {
      if (!part) return;
      CombineRgn(region, region, part, RGN_OR);
      DeleteObject(part);
    };
    auto borderPart = [&](int part, const RECT& r, bool useMask) -> HRGN {
      int pw = r.right - r.left, ph = r.bottom - r.top;
      if (pw <= 0 || ph <= 0) return nullptr;
      if (!useMask) return CreateRectRgn(r.left, r.top, r.right, r.bottom);
      TBitmap scratch(pw, ph);
      {
        TBitmapDC dc(scratch.Handle());
        PaintBorder(part, RECT{0, 0, pw, ph}, dc);
      }
      return BitmapToRegion(scratch, r.left, r.top, 1, 1, 1, kMagenta);
    };
    if (BorderKind != kBorderNoCaption) {
      add(borderPart(1, RECT{0, 0, BorderLeft, h}, skin.Left.Trans == 1 && h > 1));
      add(borderPart(2, RECT{w - BorderRight, 0, w, h}, skin.Right.Trans == 1 && h > 1));
      add(borderPart(4, RECT{BorderLeft, h - BorderBottom, w - BorderRight, h}, skin.Bottom.Trans == 1 && BorderBottom >= 2));
      add(borderPart(3, RECT{BorderLeft, 0, w - BorderRight, BorderTop}, skin.Top.Trans == 1 && BorderTop > 1));
    }
  }
  Region = region;
  // Handed to the system: it owns the region from now on and frees it itself.
  SetWindowRgn(Handle, region, TRUE);
  RegionOwned = true;
}

void TWinSkinForm::ClearWindowShape() {
  if (!RegionOwned) return;
  SetWindowRgn(Handle, nullptr, MdiKind == TMdiKind::Child);
  Region = nullptr;
  RegionOwned = false;
  RegionWidth = RegionHeight = 0;
}

// ---- controls, skin changes, unskinning ---------------------------------------------------------

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  walker_.Forget(component);
  if (MenuBar && MenuBar->Menu && component == static_cast<TComponent*>(MenuBar->Menu)) MenuBar->MenuFreed();
  if (SystemMenuPopup && component == static_cast<TComponent*>(SystemMenuPopup)) SystemMenuPopup = nullptr;
}

void TWinSkinForm::AddSkinner(TSkinControl* skinner) {
  if (std::find(Skinners.begin(), Skinners.end(), skinner) == Skinners.end()) Skinners.push_back(skinner);
}

void TWinSkinForm::RemoveSkinner(TSkinControl* skinner) {
  Skinners.erase(std::remove(Skinners.begin(), Skinners.end(), skinner), Skinners.end());
}

TSkinControl* TWinSkinForm::FindSkinControlByHandle(HWND window) const {
  if (!window) return nullptr;  // windowless skinners (speed buttons) have no handle to find
  for (TSkinControl* skinner : Skinners)
    if (skinner->Handle == window) return skinner;
  return nullptr;
}

void TWinSkinForm::FreeSkinners() {
  // Each gives its control back as it was (colours), then goes.
  std::vector<TSkinControl*> skinners;
  skinners.swap(Skinners);
  for (TSkinControl* skinner : skinners) {
    skinner->ForgetHost();
    skinner->Detach();
    delete skinner;
  }
}

void TWinSkinForm::RepaintWindow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void TWinSkinForm::RestoreColor() {
  if (Form && SkinState != TSkinState::Destroying) Form->SetColor(savedColor_);
}

void TWinSkinForm::SkinChanged() {
  if (Form) Form->SetColor(ToColorRef(SkinData->Elements.ColourTable[kColourButtonFace]));
  SkinState = TSkinState::Reskinning;
  if (FrameSkinned && Form) {
    SetPopupOwnerDraw(Form, true);
    FitFrame(true);
    Form->SetHeight(Form->Height() + 1);
    Form->SetHeight(Form->Height() - 1);
  }
  UpdateWindowShape();
  DoAfterSkinForm();
  SkinState = TSkinState::Active;
}

void TWinSkinForm::Unhook() {
  if (HoverTimer) HoverTimer->SetEnabled(false);
  HideButtonHint();
  RemoveSubclass();
  mdi_.Detach();
  FreeSkinners();
  // A window that lives on (the manager is going away) keeps its menu bar.
  FreeMenus(SkinState != TSkinState::Destroying && IsWindow(Handle));
}

void TWinSkinForm::MakeMenuBar() {
  MenuBar = std::make_unique<TWinSkinMenu>(this, SkinData);
  MenuBarHeight = GetSystemMetrics(SM_CYMENU);
  if (Form) {
    MenuBar->Menu = Form->Menu();
    // The bar forgets the framework's menu when it is freed before the window.
    if (MenuBar->Menu) MenuBar->Menu->FreeNotification(this);
  }
  MenuBar->BuildMenuBar();
}

void TWinSkinForm::FreeMenus(bool giveMenuBack) {
  delete SystemMenuPopup;
  SystemMenuPopup = nullptr;
  if (!MenuBar) return;
  if (giveMenuBack && MenuBar->NativeMenu) {
    MenuBar->RestoreOwnerDrawFlags();
    SetMenu(Handle, MenuBar->NativeMenu);
  }
  MenuBar.reset();
}

void TWinSkinForm::Unskin() {
  if (HoverTimer) HoverTimer->SetEnabled(false);
  HideButtonHint();
  mdi_.Detach();
  if (!subclassed_) return;
  RemoveSubclass();
  FreeSkinners();
  SetPopupOwnerDraw(Form, false);
  SetMainMenuOwnerDraw(Form, false);
  RestoreColor();
  if (!FrameSkinned) {
    if (Form && SkinState != TSkinState::Destroying) Form->Invalidate();
    return;
  }
  SetSysMenuStyle(false);
  FreeMenus(true);
  if (SkinState != TSkinState::Destroying && (MdiKind == TMdiKind::Child || !IsChildWindow)) {
    RECT r;
    GetWindowRect(Handle, &r);
    int width = (r.right - r.left) + NativeNcWidth - BorderLeft - BorderRight;
    int height = (r.bottom - r.top) + NativeNcHeight - BorderTop - BorderBottom;
    SetWindowPos(Handle, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  // The system frees the region it was given when it gets none in its place.
  SetWindowRgn(Handle, nullptr, TRUE);
  Region = nullptr;
  RegionOwned = false;
  RegionWidth = RegionHeight = 0;
}

// ---- the window's part in MDI ---------------------------------------------------------------

HWND TWinSkinForm::MaximizingClient() const {
  if (MdiKind == TMdiKind::Frame) return MdiClient();
  if (MdiKind == TMdiKind::Child && Handle) return GetParent(Handle);
  return nullptr;
}

bool TWinSkinForm::MdiMaximized() const { return SkinManager && SkinManager->MdiMaximized(MaximizingClient()); }

void TWinSkinForm::SetMdiMaximized(bool value) {
  if (SkinManager) SkinManager->SetMdiMaximized(MaximizingClient(), value);
}

void TWinSkinForm::PostMdiRedraw() {
  // The child's own client, when its frame's skinner has hooked it: that frame is drawn again.
  HWND client = MaximizingClient();
  const TWinSkinForm* frame = client && SkinManager ? SkinManager->FindSkinForm(GetParent(client)) : nullptr;
  if (frame && frame->MdiClientHooked())
    PostSkinMessage(client, SKM_MDIREDRAW, reinterpret_cast<WPARAM>(Handle), 0);
}
