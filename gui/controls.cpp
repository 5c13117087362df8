#include "gui/controls.h"

#include <windowsx.h>

#include <algorithm>

#include "gui/application.h"
#include "gui/menus.h"

const TEnumInfo AlignInfo{{L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient"}};
const TIdentMap CursorIdents{{{L"crDefault", crDefault}, {L"crNone", crNone}, {L"crArrow", crArrow},
                              {L"crCross", crCross}, {L"crIBeam", crIBeam}, {L"crSizeNESW", crSizeNESW},
                              {L"crSizeNS", crSizeNS}, {L"crSizeNWSE", crSizeNWSE}, {L"crSizeWE", crSizeWE},
                              {L"crUpArrow", crUpArrow}, {L"crHourGlass", crHourGlass}, {L"crNo", crNo},
                              {L"crAppStart", crAppStart}, {L"crHelp", crHelp}, {L"crHandPoint", crHandPoint},
                              {L"crSizeAll", crSizeAll}}};

namespace {
// One mouse per GUI thread: the control under it and the control that captured it.
TControl* g_mouseControl = nullptr;
TControl* g_captureControl = nullptr;

}  // namespace

TShiftState ShiftFromKeys(WPARAM keys, bool dbl) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(TShiftStateFlag::ssShift);
  if (keys & MK_CONTROL) s.Include(TShiftStateFlag::ssCtrl);
  if (keys & MK_LBUTTON) s.Include(TShiftStateFlag::ssLeft);
  if (keys & MK_RBUTTON) s.Include(TShiftStateFlag::ssRight);
  if (keys & MK_MBUTTON) s.Include(TShiftStateFlag::ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(TShiftStateFlag::ssAlt);
  if (dbl) s.Include(TShiftStateFlag::ssDouble);
  return s;
}

namespace {

HWND CaptureWindow(TControl* c) {
  if (auto* w = dynamic_cast<TWinControl*>(c)) return w->Handle();
  return c->Parent() && c->Parent()->HandleAllocated() ? c->Parent()->Handle() : nullptr;
}
}  // namespace

TShiftState KeyboardShiftState(LPARAM keyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(TShiftStateFlag::ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(TShiftStateFlag::ssCtrl);
  if (GetKeyState(VK_MENU) < 0 || (keyData & (1 << 29))) s.Include(TShiftStateFlag::ssAlt);
  return s;
}

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info(
      L"TControl", &TComponent::StaticClass(), nullptr,
      {props::Int(L"Left", &TControl::Left, &TControl::SetLeft),
       props::Int(L"Top", &TControl::Top, &TControl::SetTop),
       props::Int(L"Width", &TControl::Width, &TControl::SetWidth),
       props::Int(L"Height", &TControl::Height, &TControl::SetHeight),
       props::Int(L"ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth),
       props::Int(L"ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight),
       props::Enum(L"Align", AlignInfo, &TControl::Align, &TControl::SetAlign),
       props::Bool(L"Visible", &TControl::Visible, &TControl::SetVisible),
       props::Bool(L"Enabled", &TControl::Enabled, &TControl::SetEnabled),
       props::Int(L"Color", &TControl::Color, &TControl::SetColor, &ColorIdents),
       props::Bool(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
       props::Object(L"Font", &TControl::Font),
       props::Bool(L"ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
       props::Int(L"Cursor", &TControl::Cursor, &TControl::SetCursor, &CursorIdents),
       props::Str(L"Caption", &TControl::Caption, &TControl::SetCaption),
       props::Str(L"Hint", &TControl::Hint, &TControl::SetHint),
       props::Bool(L"ShowHint", &TControl::ShowHint, &TControl::SetShowHint),
       props::Ref(L"PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu),
       props::Event(L"OnClick", &TControl::OnClick),
       props::Event(L"OnDblClick", &TControl::OnDblClick),
       props::Event(L"OnMouseDown", &TControl::OnMouseDown),
       props::Event(L"OnMouseUp", &TControl::OnMouseUp),
       props::Event(L"OnMouseMove", &TControl::OnMouseMove),
       props::Event(L"OnMouseEnter", &TControl::OnMouseEnter),
       props::Event(L"OnMouseLeave", &TControl::OnMouseLeave)});
  return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), font_(std::make_unique<TFont>()), untilFreed_(std::make_shared<bool>(true)) {
  font_->OnChange = [this] { FontChanged(); };
  WindowProc = TWndMethod::Of<&TControl::WndProc>(this);
}

TControl::~TControl() {
  DestroyComponents();
  if (g_mouseControl == this) g_mouseControl = nullptr;
  if (g_captureControl == this) {
    g_captureControl = nullptr;
    ReleaseCapture();
  }
  if (parent_) parent_->RemoveControl(this);
  *untilFreed_ = false;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

bool TControl::SetParentComponent(TComponent* parent) {
  auto* container = dynamic_cast<TWinControl*>(parent);
  if (!container) return false;
  SetParent(container);
  return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool sizeChanged = width != width_ || height != height_;
  bool windowless = dynamic_cast<TWinControl*>(this) == nullptr;
  if (windowless) Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged(sizeChanged);
  if (windowless) Invalidate();
  RequestAlign();
}

void TControl::BoundsChanged(bool) {}

POINT TControl::ClientToScreen(POINT p) const {
  for (const TControl* c = this; c; c = c->parent_) {
    auto* w = dynamic_cast<const TWinControl*>(c);
    if (w && w->HandleAllocated()) {
      ::ClientToScreen(w->handle_, &p);
      return p;
    }
    p.x += c->left_;
    p.y += c->top_;
  }
  return p;
}

POINT TControl::ScreenToClient(POINT p) const {
  POINT origin = ClientToScreen(POINT{0, 0});
  return POINT{p.x - origin.x, p.y - origin.y};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
  Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (TControl* c : w->controls_) c->Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  SetColor(parent_->Color());
  parentColor_ = true;
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  updatingParentFont_ = true;
  font_->Assign(*parent_->Font());
  updatingParentFont_ = false;
}

void TControl::FontChanged() {
  if (!updatingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
  Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (TControl* c : w->controls_) c->Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetCaption(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::TextChanged() { Invalidate(); }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  if (WindowProc)
    WindowProc(m);
  else
    WndProc(m);
  return m.Result;
}

void TControl::Invalidate() {
  if (visible_ && parent_ && parent_->HandleAllocated()) {
    TRect r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, FALSE);
  }
}

void TControl::Repaint() {
  Invalidate();
  for (TControl* c = this; c; c = c->parent_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      if (w->HandleAllocated()) UpdateWindow(w->Handle());
      break;
    }
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  Invalidate();
}

void TControl::SetMouseCapture(bool value) {
  if (value) {
    HWND wnd = CaptureWindow(this);
    if (!wnd) return;
    g_captureControl = this;
    SetCapture(wnd);
  } else if (g_captureControl == this) {
    g_captureControl = nullptr;
    ReleaseCapture();
  }
}

TControl* TControl::CaptureControl() { return g_captureControl; }

void TControl::SetMouseControl(TControl* control) {
  if (control == g_mouseControl) return;
  TControl* old = g_mouseControl;
  g_mouseControl = control;
  Application->HintMouseMessage(control);
  if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  if (control && g_mouseControl == control) control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Loaded() {
  TComponent::Loaded();
  ParentFontChanged();
  ParentColorChanged();
  RequestAlign();
}

void TControl::WndProc(TMessage& m) {
  if (IsMouseMessage(m.Msg)) {
    HandleMouse(m);
    return;
  }
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (m.LParam == reinterpret_cast<LPARAM>(this) && OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      if (m.LParam == reinterpret_cast<LPARAM>(this) && OnMouseLeave) OnMouseLeave(this);
      return;
    case CM_PARENTFONTCHANGED:
      ParentFontChanged();
      return;
    case CM_PARENTCOLORCHANGED:
      ParentColorChanged();
      return;
    default:
      DefaultHandler(m);
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouse(TMessage& m) {
  DefaultHandler(m);
  std::shared_ptr<bool> alive = untilFreed_;
  int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  bool dbl = m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK;
  TShiftState shift = ShiftFromKeys(m.WParam, dbl);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (controlStyle_.Contains(TControlStyleFlag::csCaptureMouse)) SetMouseCapture(true);
      if (controlStyle_.Contains(TControlStyleFlag::csClickEvents)) clicked_ = true;
      if (dbl && controlStyle_.Contains(TControlStyleFlag::csDoubleClicks)) {
        DblClick();
        if (!*alive) return;
      }
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      if (controlStyle_.Contains(TControlStyleFlag::csCaptureMouse)) SetMouseCapture(false);
      // The click comes before the mouse-up hook: click handlers can latch a button's
      // state and the mouse-up that follows sees it.
      if (clicked_) {
        clicked_ = false;
        TRect r = ClientRect();
        POINT p{x, y};
        if (PtInRect(&r, p)) {
          Click();
          if (!*alive) return;
        }
      }
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, x, y);
      break;
  }
}

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info(L"TGraphicControl", &TControl::StaticClass(), nullptr, {});
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    canvas_.SetHandle(reinterpret_cast<HDC>(m.WParam));
    canvas_.Font().Assign(*Font());
    Paint();
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(m);
}

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info(L"TCustomControl", &TWinControl::StaticClass(), nullptr, {});
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(*Font());
  Paint();
  canvas_.SetHandle(nullptr);
}

void TCustomControl::Paint() {
  canvas_.Brush().Color = Color();
  canvas_.Brush().Style = TBrushStyle::bsSolid;
  canvas_.FillRect(ClientRect());
}
