#include "skin/skin_form.h"

#include <algorithm>

#include "gui/application.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/messages.h"
#include "gui/timer.h"
#include "skin/draw_primitives.h"
#include "skin/skin_data.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

// The window property through which the subclass procedure finds its skinner.
const wchar_t kSkinnerProperty[] = L"QuillsteadWinSkinForm";
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

bool AskButtonVisible(void* context, int code, int action) {
  return SendMessageW(static_cast<HWND>(context), SKM_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
}

}  // namespace

std::wstring GetWindowClassName(HWND window) {
  wchar_t name[101] = {};
  GetClassNameW(window, name, 100);
  return name;
}

const TClassInfo& TWinSkinForm::StaticClass() {
  static const TClassInfo info(L"TWinSkinForm", &TComponent::StaticClass(), nullptr, {});
  return info;
}

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner), captionFont_(LoadCaptionFont()) {}

TWinSkinForm::~TWinSkinForm() {
  // A skinner freed with its form while the window still lives lets go of the window first.
  if (subclassed_ && SkinState != 4) Unhook();
  FreeSkinners();
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
  if (FrameSkinned) {
    savedWindowProc_ = form->WindowProc;
    form->WindowProc = TWndMethod::Of<&TWinSkinForm::VclWindowProc>(this);
    vclProcInstalled_ = true;
  }
  savedColor_ = form->Color();
  form->SetColor(ToColorRef(skinData->Elements.ColourTable[kColourButtonFace]));
}

void TWinSkinForm::AttachHandle(TSkinData* skinData) { HookIn(skinData); }

void TWinSkinForm::HookIn(TSkinData* skinData) {
  if (subclassed_) return;
  if (SkinManager) SkinManager->ManagerState = 1;
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
  MdiKind = 0;
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowClassName(child) == L"MDIClient") {
      MdiKind = 1;
      break;
    }
  }
  if (exStyle & WS_EX_MDICHILD) {
    MdiKind = 2;
    if (skinData->Options().Contains(TSkinOption::xoMDIChildBorder)) FrameSkinned = false;
  }
  BorderKind = BorderKindOf(Style, exStyle, className);
  const DWORD version = GetVersion();
  if (KeepsSystemMenuStyle(version, exStyle, OwnerWindow != nullptr, MdiKind == 2)) CaptionCaps |= kCapKeepSysMenu;
  if (IsWin9xVersion(version)) {
    TSkinControlTypes controls = skinData->SkinControls();
    controls.Exclude(TSkinControlType::xcSystemMenu);
    skinData->SetSkinControls(controls);
  }
  IsUnicode = IsWindowUnicode(Handle) != FALSE;
  DialogClass = IsDialogClass(className);
  Subclass();
  if (FrameSkinned) {
    NativeMenu = GetMenu(Handle);
    BuildFrameMetrics();
  } else {
    SkinState = 1;
  }
  if (MdiKind == 2 && BorderTop < GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME))
    MenuBarHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME) - BorderTop;
}

void TWinSkinForm::Subclass() {
  SetPropW(Handle, kSkinnerProperty, this);
  // The previous procedure is called later with the character set it was installed with.
  installedWide_ = IsUnicode;
  if (installedWide_)
    oldWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinSkinForm::SubclassProc)));
  else
    oldWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinSkinForm::SubclassProc)));
  subclassed_ = true;
}

void TWinSkinForm::RemoveSubclass() {
  if (!subclassed_) return;
  if (vclProcInstalled_ && Form) {
    // Only while our link is still the head: a later hook keeps its own place.
    if (Form->WindowProc == TWndMethod::Of<&TWinSkinForm::VclWindowProc>(this)) Form->WindowProc = savedWindowProc_;
    vclProcInstalled_ = false;
  }
  if (installedWide_)
    SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
  else
    SetWindowLongPtrA(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
  RemovePropW(Handle, kSkinnerProperty);
  subclassed_ = false;
}

LRESULT CALLBACK TWinSkinForm::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TWinSkinForm*>(GetPropW(window, kSkinnerProperty));
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  return self->FormWindowProc(msg, wParam, lParam);
}

LRESULT TWinSkinForm::CallOldProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (installedWide_) return CallWindowProcW(oldWndProc_, Handle, msg, wParam, lParam);
  return CallWindowProcA(oldWndProc_, Handle, msg, wParam, lParam);
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
  if (Form) SkinControlTree(Form);
  if (SkinState == 0) {
    if (MdiKind == 2) {
      if (ShowState == kShowNormal) {
        SkinState = 5;
        FitFrame(false);
        SkinState = 1;
        UpdateWindowShape();
      }
    } else if (!IsChildWindow && BorderKind != kBorderNoCaption && ShowState != kShowMinimized) {
      SkinState = 5;
      FitFrame(false);
      SkinState = 1;
      if (ShowState == kShowNormal)
        UpdateWindowShape();
      else
        FrameChanged();
    }
  }
  DoAfterSkinForm();
  SkinState = 1;
  HoverTimer->SetEnabled(true);
}

void TWinSkinForm::DoAfterSkinForm() {
  SendMessageW(Handle, SKM_SKINDONE, 0, SKM_KEY);
  if (SkinData && SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, WindowClassName);
}

// ---- the window procedures -------------------------------------------------------------------

void TWinSkinForm::VclWindowProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      savedWindowProc_(m);
      if (IsWindowVisible(Handle)) {
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
      if (m.LParam != SKM_KEY) break;
      if (m.WParam) PaintNonClient(reinterpret_cast<HDC>(m.WParam));
      m.Result = SKM_KEY;
      return;
    case SKM_QUERYFORM:
      m.Result = m.LParam == SKM_KEY ? SKM_KEY : 1;
      return;
    default:
      break;
  }
  savedWindowProc_(m);
}

LRESULT TWinSkinForm::FormWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (SkinState == 0 && msg == WM_NCPAINT) return 0;
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
      SkinState = 4;
      WNDPROC old = oldWndProc_;
      bool wide = installedWide_;
      Unhook();
      LRESULT r = wide ? CallWindowProcW(old, Handle, msg, wParam, lParam)
                       : CallWindowProcA(old, Handle, msg, wParam, lParam);
      SkinState = 6;
      return r;
    }
    case WM_NCACTIVATE:
      if (SkinState == 0 && MdiKind != 2) return 0;
      if (!FrameSkinned) return CallOldProc(msg, wParam, lParam);
      return Stage2(msg, wParam, lParam);
    case 0x00AE:  // the themed caption repaint of newer systems: nothing of it shows
      return 0;
    case WM_INITMENUPOPUP:
      if (SkinManager) SkinManager->PopupKind = reinterpret_cast<HMENU>(wParam) == SystemMenu ? 2 : 1;
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
    case SKM_QUERYSKINNED:
      PostMessageW(Handle, SKM_SKINDONE, 0, SKM_KEY);
      return 1;
    default:
      if (!FrameSkinned) return CallOldProc(msg, wParam, lParam);
      return Stage2(msg, wParam, lParam);
  }
}

LRESULT TWinSkinForm::Stage2(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsChildWindow && MdiKind != 2) return CallOldProc(msg, wParam, lParam);
  switch (msg) {
    case WM_WINDOWPOSCHANGED:
      ReadPlacement();
      return CallOldProc(msg, wParam, lParam);
    case WM_SIZE: {
      LRESULT r = CallOldProc(msg, wParam, lParam);
      WmSize(wParam);
      Stage3(msg, wParam, lParam, false);
      return r;
    }
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      IsActive = LOBYTE(LOWORD(wParam)) != 0;
      return Stage3(msg, wParam, lParam, true);
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
    default:
      return Stage3(msg, wParam, lParam, true);
  }
}

LRESULT TWinSkinForm::Stage3(UINT msg, WPARAM wParam, LPARAM lParam, bool passDefault) {
  bool maximizedMdiChild = MdiKind == 2 && ShowState == kShowMaximized;
  if (maximizedMdiChild || SkinState == 0) return passDefault ? CallOldProc(msg, wParam, lParam) : 0;
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
  if (MdiKind == 2 && ShowState != kShowNormal) return;
  if (SkinState == 1 || SkinState == 3) UpdateWindowShape();
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
  if (DialogClass || SkinState == 3) GetClientRect(Handle, &NativeClientRect);
  int width = NativeClientRect.right + BorderLeft + BorderRight;
  if (refresh) {
    GetClientRect(Handle, &NativeClientRect);
  } else if (Form) {
    width = Form->ClientWidth() + BorderLeft + BorderRight;
    NativeClientRect.bottom = Form->ClientHeight() - (MdiKind == 2 ? 0 : MenuBarHeight);
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
  if ((MdiKind == 2 && ShowState != kShowNormal) || BorderKind == kBorderNoCaption) {
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
  if (!(MdiKind == 2 && ShowState == kShowMinimized)) {
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
  if (MdiKind == 2) CallOldProc(WM_NCACTIVATE, wParam, lParam);
  PaintNonClient(nullptr);
  return 1;
}

LRESULT TWinSkinForm::WmNcPaint(WPARAM wParam, LPARAM lParam) {
  SetSysMenuStyle(true);
  if (!SkinData->NcPaintEnabled) return 0;
  if ((MdiKind == 2 && ShowState == kShowMaximized) || BorderKind == kBorderNoCaption)
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
  if ((SkinState != 1 && SkinState != 3) || BorderKind == kBorderNoCaption) return;
  if (MdiKind == 2 && ShowState == kShowMaximized) return;
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
    if (MenuBarHeight > 0) {
      RECT band{BorderLeft, BorderTop, w - BorderRight, BorderTop + MenuBarHeight};
      FillRect(windowDc, &band, SkinData->Elements.FaceBrush);
    }
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
  if (SkinState == 6 || !FrameSkinned) return;
  if (MdiKind == 2 && ShowState != kShowNormal) return;
  RECT window;
  GetWindowRect(Handle, &window);
  int w = window.right - window.left, h = window.bottom - window.top;
  if (w <= 0 || h <= 0) return;
  if (w == RegionWidth && h == RegionHeight && MdiKind != 2 && SkinState != 3) return;
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
  SetWindowRgn(Handle, nullptr, MdiKind == 2);
  Region = nullptr;
  RegionOwned = false;
  RegionWidth = RegionHeight = 0;
}

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
  TButtonVisibility v = CaptionButtonVisibility(*button.Element, state, &AskButtonVisible, Handle);
  button.Visible = v.Visible;
  if (button.Element->Action == 1 || button.Element->Action == 2) button.Enabled = v.Enabled;
  return v.Visible;
}

void TWinSkinForm::LayoutCaptionButtons() {
  for (size_t i = 0; i < CaptionButtons.size(); ++i) {
    TWinSysButton& button = *CaptionButtons[i];
    if (!CaptionButtonVisible(i) || button.Element->Image.Empty()) continue;
    button.Rect = CaptionButtonRect(*button.Element, WindowWidth, CaptionBackRect, BorderTop, BorderRight,
                                    MenuBarHeight, 0);
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
  IconBitmap.Fill(kMagenta);
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
    DrawKeyed(dc, rect, IconBitmap, kMagenta);
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
  TWinSysButton* button = CaptionButtonAt(ScreenToWindow(sx, sy));
  result = 0;
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!IsActive) return true;
      if (button) {
        button->Hover();
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
      return false;
    case WM_NCLBUTTONDBLCLK:
      if (button) {
        if (button->Element->Action == 3 || button->Element->Action == 11) {
          HoverTimer->SetEnabled(false);
          PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return true;
      }
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
      // The system menu at the click; the owner-drawn menu joins it when the menus are skinned.
      if (SystemMenu) {
        UINT command = static_cast<UINT>(TrackPopupMenu(SystemMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x + 1, y + 1, 0,
                                                        Handle, nullptr));
        if (command) PostMessageW(Handle, WM_SYSCOMMAND, command, 0);
      }
      break;
    case 4:
      PostMessageW(Handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    default:
      PostMessageW(Handle, SKM_CUSTOMBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TWinSkinForm::MaximizeOrRestore() {
  if (ShowState == kShowMaximized) {
    RestoreWindow();
    return;
  }
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
  if (!HotObject) return;
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

// ---- controls, skin changes, unskinning ---------------------------------------------------------

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  offered_.erase(static_cast<TControl*>(component));
  Skinners.erase(std::remove(Skinners.begin(), Skinners.end(), component), Skinners.end());
}

bool TWinSkinForm::IsControlSkinned(TControl* control) const {
  if (!control) return false;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated() && SendMessageW(windowed->Handle(), SKM_QUERYSKINNED, 0, 0) == 1) return true;
  return offered_.count(control) != 0;
}

void TWinSkinForm::SkinControlTree(TControl* root) {
  if (!root || !SkinData) return;
  std::vector<TControl*> controls;
  for (int i = 0; i < root->ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TControl*>(root->Components(i))) controls.push_back(c);
  if (auto* windowed = dynamic_cast<TWinControl*>(root)) {
    std::vector<TWinControl*> tabOrder;
    windowed->GetTabOrderList(tabOrder);
    controls.insert(controls.end(), tabOrder.begin(), tabOrder.end());
  }
  for (TControl* control : controls) {
    if (control->Tag() == SkinData->DisableTag() || !control->Parent() || IsControlSkinned(control)) continue;
    offered_.insert(control);
    control->FreeNotification(this);
    if (!SkinData->OnSkinControl) continue;
    TComponent* skinner = nullptr;
    SkinData->OnSkinControl(this, SkinData, root, control, control->ClassName(), skinner);
    if (skinner && std::find(Skinners.begin(), Skinners.end(), skinner) == Skinners.end()) {
      Skinners.push_back(skinner);
      skinner->FreeNotification(this);
    }
  }
}

void TWinSkinForm::FreeSkinners() {
  std::vector<TComponent*> skinners;
  skinners.swap(Skinners);
  for (TComponent* skinner : skinners) delete skinner;
}

void TWinSkinForm::RepaintWindow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void TWinSkinForm::RestoreColor() {
  if (Form && SkinState != 4) Form->SetColor(savedColor_);
}

void TWinSkinForm::SkinChanged() {
  if (Form) Form->SetColor(ToColorRef(SkinData->Elements.ColourTable[kColourButtonFace]));
  SkinState = 3;
  if (FrameSkinned && Form) {
    FitFrame(true);
    Form->SetHeight(Form->Height() + 1);
    Form->SetHeight(Form->Height() - 1);
  }
  UpdateWindowShape();
  DoAfterSkinForm();
  SkinState = 1;
}

void TWinSkinForm::Unhook() {
  if (HoverTimer) HoverTimer->SetEnabled(false);
  HideButtonHint();
  RemoveSubclass();
  FreeSkinners();
}

void TWinSkinForm::Unskin() {
  if (HoverTimer) HoverTimer->SetEnabled(false);
  HideButtonHint();
  if (!subclassed_) return;
  RemoveSubclass();
  FreeSkinners();
  RestoreColor();
  if (!FrameSkinned) {
    if (Form && SkinState != 4) Form->Invalidate();
    return;
  }
  SetSysMenuStyle(false);
  if (SkinState != 4 && (MdiKind == 2 || !IsChildWindow)) {
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
