#include "skin/skin_scrollbar.h"

#include <windowsx.h>

#include "base/strings.h"
#include "gui/properties.h"
#include "skin/control_discovery.h"
#include "skin/scroll_painter.h"
#include "skin/scroll_rules.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"

const TClassInfo& TWScrollbar::StaticClass() {
  static const TClassInfo info(L"TWScrollbar", &TCustomControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinScrollbar::StaticClass() {
  static const TClassInfo info(L"TSkinScrollbar", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinScrollbarH::StaticClass() {
  static const TClassInfo info(L"TSkinScrollbarH", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

COLORREF Entry(const TSkinData* data, int index, COLORREF fallback) {
  return data ? ColorToRGB(static_cast<TColor>(data->Elements.ColourTable[index])) : fallback;
}

}  // namespace

// ---- TWScrollbar ----

TWScrollbar::TWScrollbar(TComponent* owner) : TCustomControl(owner) {
  ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
  SetVisible(false);
  SetTabStop(false);
}

void TWScrollbar::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TWScrollbar::Attach(TSkinControl* skinner, HWND target, HWND parent, int bar) {
  Skinner = skinner;
  targetWindow_ = target;
  Bar = bar;
  Vertical = bar == 1;
  SetParentWindow(parent);
  UpdatePosition();
}

void TWScrollbar::AttachControl(TSkinControl* skinner, TWinControl* control, int bar) {
  TargetControl = control;
  SetColor(skinner->ParentColour(skinner->SkinFaceColour()));
  HWND target = control->Handle();
  Attach(skinner, target, GetParent(target), bar);
}

void TWScrollbar::AttachWindow(TSkinControl* skinner, HWND window, int bar) {
  Attach(skinner, window, GetParent(window), bar);
}

HWND TWScrollbar::Target() const {
  if (TargetControl) return TargetControl->HandleAllocated() ? TargetControl->Handle() : nullptr;
  return IsWindow(targetWindow_) ? targetWindow_ : nullptr;
}

bool TWScrollbar::ReadBar(SCROLLBARINFO& info) const {
  HWND target = Target();
  info = SCROLLBARINFO{};
  info.cbSize = sizeof(info);
  return target && GetScrollBarInfoSafe(target, Vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
}

void TWScrollbar::HideBar() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  BarVisible = false;
  SetVisible(false);
}

void TWScrollbar::UpdatePosition() {
  HWND target = Target();
  SCROLLBARINFO info;
  BarVisible = ReadBar(info);
  if (!BarVisible) return;
  if (!(GetWindowLongPtrW(target, GWL_STYLE) & WS_VISIBLE) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    HideBar();
    return;
  }
  HWND parent = GetParent(target);
  if (parent != ParentWindow()) SetParentWindow(parent);  // the control moved to another parent
  const RECT& r = info.rcScrollBar;
  NativeRect = r;
  MapWindowPoints(nullptr, target, reinterpret_cast<POINT*>(&NativeRect), 2);
  Length = Vertical ? r.bottom - r.top : r.right - r.left;
  ScreenOrigin = POINT{r.left, r.top};
  POINT topLeft{r.left, r.top};
  ::ScreenToClient(parent, &topLeft);
  SetVisible(true);
  HWND self = Handle();
  // Directly above the target: after the window that precedes it.
  HWND before = GetWindow(target, GW_HWNDPREV);
  if (before != self)
    SetWindowPos(self, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetBounds(topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top);
  ShowWindow(self, SW_SHOWNA);
  InvalidateRect(self, nullptr, FALSE);
}

int TWScrollbar::HitTest(POINT p) const { return ScrollHitTest(Along(p), ArrowSize, ThumbStart, ThumbEnd, Length); }

void TWScrollbar::SetHotPart(int part) {
  if (part == HotPart) return;
  HotPart = part;
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

TWScrollbar::TShown TWScrollbar::ShownOf(const SCROLLBARINFO& info, bool vertical) {
  const RECT& r = info.rcScrollBar;
  return TShown{vertical ? r.bottom - r.top : r.right - r.left, info.xyThumbTop, info.xyThumbBottom, info.rgstate[0]};
}

void TWScrollbar::RefreshIfChanged() {
  if (!HandleAllocated()) return;
  SCROLLBARINFO info;
  if (!ReadBar(info) || !(ShownOf(info, Vertical) == shown_)) InvalidateRect(Handle(), nullptr, FALSE);
}

void TWScrollbar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(Handle(), &ps);
      PaintBar(dc);
      if (!m.WParam) EndPaint(Handle(), &ps);
      m.Result = 0;
      return;
    }
    case WM_MOUSEMOVE:
      TCustomControl::WndProc(m);
      SetHotPart(HitTest(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
      TrackMouseLeave(Handle());
      return;
    case WM_MOUSELEAVE:
      TCustomControl::WndProc(m);
      if (!Dragging) SetHotPart(kScrollNoPart);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ButtonDown(m);
      return;
    case WM_LBUTTONUP:
      ButtonUp(m);
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

void TWScrollbar::ButtonDown(TMessage& m) {
  TCustomControl::WndProc(m);
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  ClickCursor = Along(p);
  SCROLLBARINFO info;
  if (ReadBar(info)) {
    ClickThumb = info.xyThumbTop;
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
    ScreenOrigin = POINT{info.rcScrollBar.left, info.rcScrollBar.top};
  }
  HotPart = HitTest(p);
  const POINT screen{p.x + ScreenOrigin.x, p.y + ScreenOrigin.y};
  Dragging = true;
  HWND self = Handle();
  InvalidateRect(self, nullptr, FALSE);
  UpdateWindow(self);
  ReleaseCapture();
  // The native bar runs its own tracking loop until the button is released; the control may
  // be gone when it returns.
  std::shared_ptr<bool> alive = UntilFreedToken();
  if (HWND target = Target())
    SendMessageW(target, WM_NCLBUTTONDOWN, Vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
  if (!*alive) return;
  Dragging = false;
  ReleaseCapture();
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TWScrollbar::ButtonUp(TMessage& m) {
  TCustomControl::WndProc(m);
  const POINT screen{GET_X_LPARAM(m.LParam) + ScreenOrigin.x, GET_Y_LPARAM(m.LParam) + ScreenOrigin.y};
  Dragging = false;
  ReleaseCapture();
  if (HWND target = Target())
    PostMessageW(target, WM_NCLBUTTONUP, Vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
}

void TWScrollbar::PaintBar(HDC dc) {
  const TSkinData* data = Skinner ? Skinner->SkinData : nullptr;
  SCROLLBARINFO info;
  if (!data || !ReadBar(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  shown_ = ShownOf(info, Vertical);
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  // Not placed over the bar yet: nothing rather than a bar of the wrong size.
  if (width <= 0 || height <= 0 || width > Width() || height > Height()) return;
  Length = Vertical ? height : width;
  if (Dragging && HotPart == kScrollThumb) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ::ScreenToClient(Handle(), &cursor);
    const int thumbLength = info.xyThumbBottom - info.xyThumbTop;
    ThumbStart = DraggedThumbStart(ClickThumb, Along(cursor) - ClickCursor, ArrowSize, Length, thumbLength);
    ThumbEnd = ThumbStart + thumbLength;
  } else {
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
  }
  TScrollPaint paint;
  paint.Vertical = Vertical;
  paint.Length = Length;
  paint.Cross = Vertical ? width : height;
  paint.Arrow = ArrowSize;
  paint.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  paint.ThumbStart = ThumbStart;
  paint.ThumbEnd = ThumbEnd;
  paint.HotPart = HotPart;
  paint.Dragging = Dragging;
  // A skin without the arrow strip: the panel shows its colour rather than what lay there before.
  if (!PaintScrollBar(dc, POINT{0, 0}, *data, paint)) {
    RECT client{0, 0, Width(), Height()};
    FillSolid(dc, client, ColorToRGB(Color()));
  }
}

// ---- shared by the two skinners ----

void ShowScrollRequest(TWScrollbar* horz, TWScrollbar* vert, const TMessage& m) {
  TWScrollbar* bar = m.Msg == WM_HSCROLL ? horz : vert;
  if (!bar) return;
  const int part = LOWORD(m.WParam);
  bar->SetHotPart(part);
  // A dragged thumb follows the cursor even where the control keeps its position until the end.
  if (part == kScrollThumb && bar->HandleAllocated()) InvalidateRect(bar->Handle(), nullptr, FALSE);
}

void FillScrollCorner(HDC dc, HWND window, const TSkinData* skinData, const TWScrollbar* horz,
                      const TWScrollbar* vert) {
  if (!horz || !vert || !horz->BarVisible || !vert->BarVisible || !horz->Visible() || !vert->Visible()) return;
  // The native rectangles are in client coordinates; the DC is the window's.
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int dx = client.x - windowRect.left, dy = client.y - windowRect.top;
  RECT corner{vert->NativeRect.left + dx, horz->NativeRect.top + dy, vert->NativeRect.right + dx,
              horz->NativeRect.bottom + dy};
  FillSolid(dc, corner, Entry(skinData, kColourButtonFace, GetSysColor(COLOR_BTNFACE)));
}

// ---- TSkinScrollbar ----

TSkinScrollbar::~TSkinScrollbar() { FreeBars(); }

void TSkinScrollbar::FreeBars() {
  delete HorzBar;
  delete VertBar;
  HorzBar = VertBar = nullptr;
}

void TSkinScrollbar::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool) {
  if (IsAttached()) return;
  if (auto* control = dynamic_cast<TControl*>(Owner())) AttachScrollControl(control, skinData, canvas, host);
}

void TSkinScrollbar::AttachScrollControl(TControl* control, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (IsAttached() || !windowed || control != Owner()) return;
  TSkinControl::AttachControl(host, skinData, canvas, false);
  const std::wstring border = LowerCase(GetEnumPropByName(control, L"BorderStyle"));
  HasBorder = border != L"bsnone" && !control->InheritsFrom(L"TImageScrollBox") && Mode != static_cast<int>(TSkinDecision::TMode::SingleScrollBar);
  const TPropInfo* fixed = GetPropInfo(control, L"FixedColor");
  if (fixed && fixed->Kind == TTypeKind::Integer) {
    savedFixedColour_ = static_cast<TColor>(fixed->GetOrd(control));
    fixedColourSwitched_ = true;
    ApplyFixedColour();
  }
  HorzBar = new TWScrollbar(this);
  VertBar = new TWScrollbar(this);
  HorzBar->AttachControl(this, windowed, 0);
  VertBar->AttachControl(this, windowed, 1);
  for (TWScrollbar* bar : {HorzBar, VertBar}) {
    bar->SetEnabled(control->Enabled());
    if (!control->Visible()) bar->HideBar();
  }
}

void TSkinScrollbar::ApplyFixedColour() {
  if (!fixedColourSwitched_ || !Control || !SkinData) return;
  SetPropByName(Control, L"FixedColor", std::to_wstring(SkinData->Elements.ColourTable[kColourButtonFace]));
}

void TSkinScrollbar::WndProc(TMessage& m) {
  TSkinControl::WndProc(m);
  // The control's window was made again: the painted bars cover the new window's bars.
  if (m.Msg == CM_RECREATEWND && Enabled) UpdateBars();
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      if (!HasBorder) return true;
      CallDefault(m);
      if (Handle) {
        HDC dc = GetWindowDC(Handle);
        if (dc) {
          PaintBorder(dc);
          ReleaseDC(Handle, dc);
        }
      }
      return false;
    case SKM_PAINTNC:
      if (m.LParam != SKM_KEY) break;
      if (m.WParam) PaintBorder(reinterpret_cast<HDC>(m.WParam));
      m.Result = SKM_KEY;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      UpdateBars();
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ShowScrollRequest(HorzBar, VertBar, m);
      return;
    case WM_MOUSEWHEEL:
      for (TWScrollbar* bar : {HorzBar, VertBar})
        if (bar && bar->BarVisible && bar->HandleAllocated()) InvalidateRect(bar->Handle(), nullptr, FALSE);
      return;
    case CM_VISIBLECHANGED:
      if (m.WParam)
        UpdateBars();
      else
        for (TWScrollbar* bar : {HorzBar, VertBar})
          if (bar) bar->HideBar();
      return;
    case CM_ENABLEDCHANGED:
      for (TWScrollbar* bar : {HorzBar, VertBar})
        if (bar && Control) bar->SetEnabled(Control->Enabled());
      TSkinControl::AfterMessage(m);
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinScrollbar::DrawSkin(HDC dc, const RECT&) {
  if (!Handle) return;
  const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
  const std::pair<TWScrollbar*, LONG_PTR> bars[] = {{VertBar, WS_VSCROLL}, {HorzBar, WS_HSCROLL}};
  for (const auto& [bar, flag] : bars) {
    if (!bar) continue;
    if (bar->BarVisible && bar->Visible()) {
      bar->RefreshIfChanged();
    } else if (style & flag) {
      bar->UpdatePosition();  // a bar that came with new content
    }
  }
  FillScrollCorner(dc, Handle, SkinData, HorzBar, VertBar);
}

void TSkinScrollbar::SkinChanged() {
  ApplyFixedColour();
  for (TWScrollbar* bar : {HorzBar, VertBar})
    if (bar && bar->HandleAllocated()) InvalidateRect(bar->Handle(), nullptr, FALSE);
}

void TSkinScrollbar::Detach() {
  if (!Enabled) return;
  if (fixedColourSwitched_ && Control && !WindowGone())
    SetPropByName(Control, L"FixedColor", std::to_wstring(savedFixedColour_));
  fixedColourSwitched_ = false;
  TSkinControl::Detach();
  if (!WindowGone()) FreeBars();
}

void TSkinScrollbar::UpdateBars() {
  for (TWScrollbar* bar : {HorzBar, VertBar})
    if (bar) bar->UpdatePosition();
}

void TSkinScrollbar::DrawBorder(HDC dc, const RECT& rect) const {
  HBRUSH shadow = CreateSolidBrush(Entry(SkinData, kColourButtonShadow, GetSysColor(COLOR_BTNSHADOW)));
  HBRUSH face = CreateSolidBrush(Entry(SkinData, kColourButtonFace, GetSysColor(COLOR_BTNFACE)));
  RECT r = rect;
  FrameRect(dc, &r, shadow);
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, face);
  DeleteObject(face);
  DeleteObject(shadow);
}

void TSkinScrollbar::PaintBorder(HDC dc) const {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  OffsetRect(&r, -r.left, -r.top);
  DrawBorder(dc, r);
}

// ---- TSkinScrollbarH ----

TSkinScrollbarH::~TSkinScrollbarH() { FreeBars(); }

void TSkinScrollbarH::FreeBars() {
  delete HorzBar;
  delete VertBar;
  HorzBar = VertBar = nullptr;
}

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) {
  if (IsAttached()) return;
  TSkinControl::AttachWindow(window, skinData, canvas, host);
  if (!IsAttached()) return;
  HorzBar = new TWScrollbar(this);
  VertBar = new TWScrollbar(this);
  HorzBar->AttachWindow(this, window, 0);
  VertBar->AttachWindow(this, window, 1);
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
  if (Handle && VertBar && !IsWindowVisible(Handle)) VertBar->HideBar();
  switch (m.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
      for (TWScrollbar* bar : {HorzBar, VertBar})
        if (bar) bar->UpdatePosition();
      Repaint();
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ShowScrollRequest(HorzBar, VertBar, m);
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinScrollbarH::DrawSkin(HDC dc, const RECT&) {
  for (TWScrollbar* bar : {HorzBar, VertBar})
    if (bar && bar->BarVisible && bar->Visible()) bar->RefreshIfChanged();
  FillScrollCorner(dc, Handle, SkinData, HorzBar, VertBar);
}

void TSkinScrollbarH::Detach() {
  if (!Enabled) return;
  TSkinControl::Detach();
  if (!WindowGone()) FreeBars();
}
