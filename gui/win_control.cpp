// Windowed controls: window creation, the one static window procedure, painting of
// windowless children, alignment, mouse routing and notification reflection.
#include <windowsx.h>

#include <algorithm>
#include <map>

#include "base/exception.h"
#include "base/strings.h"
#include "gui/application.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/memory_dc.h"
#include "gui/menus.h"
#include "gui/screen.h"

namespace {
// The control whose window is being created on this thread: the first messages of a new
// window arrive before CreateWindowEx returns.
thread_local TWinControl* t_creating = nullptr;

ATOM ControlAtom() {
  static const ATOM atom = GlobalAddAtomW(ControlAtomName().c_str());
  return atom;
}

LPCWSTR AtomKey() { return MAKEINTATOM(ControlAtom()); }

// Window classes registered so far, with the default procedure of each.
std::map<std::wstring, WNDPROC>& WindowClasses() {
  static std::map<std::wstring, WNDPROC> classes;
  return classes;
}

WNDPROC RegisterFrameworkClass(const std::wstring& name, const TCreateParams& params) {
  auto& classes = WindowClasses();
  auto it = classes.find(name);
  if (it != classes.end()) return it->second;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  WNDPROC defProc = DefWindowProcW;
  if (!params.BaseClass.empty()) {
    // A native control under the framework's class name: same class data, our procedure first.
    if (!GetClassInfoExW(nullptr, params.BaseClass.c_str(), &wc))
      throw Exception(L"Unknown window class " + params.BaseClass);
    defProc = wc.lpfnWndProc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, L"MAINICON");
  }
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = FrameworkWndProc;
  wc.hInstance = instance;
  wc.lpszClassName = name.c_str();
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw Exception(L"Cannot register the window class " + name);
  classes[name] = defProc;
  return defProc;
}

// A control ID that no other child of `parent` has, so that notifications carrying only an ID
// (WM_MEASUREITEM) find their control. IDs below 0x100 stay free for IDOK, IDCANCEL and the like.
UINT_PTR NewControlId(HWND parent) {
  static UINT_PTR next = 0x100;
  for (;;) {
    UINT_PTR id = next;
    next = next >= 0xFFFF ? 0x100 : next + 1;
    if (!GetDlgItem(parent, static_cast<int>(id))) return id;
  }
}

LPCWSTR CursorResource(TCursor cursor) {
  switch (cursor) {
    case crArrow: return IDC_ARROW;
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crSizeNESW: return IDC_SIZENESW;
    case crSizeNS: return IDC_SIZENS;
    case crSizeNWSE: return IDC_SIZENWSE;
    case crSizeWE: return IDC_SIZEWE;
    case crUpArrow: return IDC_UPARROW;
    case crHourGlass: return IDC_WAIT;
    case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

bool IsWindowed(const TControl* c) { return dynamic_cast<const TWinControl*>(c) != nullptr; }
}  // namespace

HCURSOR CursorHandle(TCursor cursor) {
  return cursor == crNone ? nullptr : LoadCursorW(nullptr, CursorResource(cursor));
}

const std::wstring& ControlAtomName() {
  static const std::wstring name =
      L"ControlOfs" + IntToHex(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr)), 8) +
      IntToHex(GetCurrentThreadId(), 8);
  return name;
}

TWinControl* ControlFromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  return static_cast<TWinControl*>(GetPropW(wnd, AtomKey()));
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* top = control;
  while (top && top->Parent()) top = top->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(top));
}

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetPropW(wnd, AtomKey()));
  if (!control) {
    if (!t_creating) return DefWindowProcW(wnd, msg, wParam, lParam);
    control = t_creating;
    t_creating = nullptr;
    control->handle_ = wnd;
    SetPropW(wnd, AtomKey(), control);
  }
  std::shared_ptr<bool> alive = control->UntilFreedToken();
  LRESULT result = 0;
  {
    TDispatchScope scope;
    try {
      result = control->Perform(msg, wParam, lParam);
    } catch (...) {
      // Nothing may unwind through the system's code that called us.
      Application->HandleException(*alive ? control : nullptr);
    }
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(wnd, AtomKey());
    if (*alive && control->handle_ == wnd) {
      control->handle_ = nullptr;
      control->trackingLeave_ = false;
    }
  }
  return result;
}

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info(L"TWinControl", &TControl::StaticClass(), nullptr,
                               {props::Bool(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop),
                                props::Int(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder),
                                props::Event(L"OnEnter", &TWinControl::OnEnter),
                                props::Event(L"OnExit", &TWinControl::OnExit),
                                props::Event(L"OnKeyDown", &TWinControl::OnKeyDown),
                                props::Event(L"OnKeyUp", &TWinControl::OnKeyUp),
                                props::Event(L"OnKeyPress", &TWinControl::OnKeyPress)});
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DestroyComponents();
  // Children placed here but owned elsewhere go with their parent, as their windows do.
  while (!controls_.empty()) delete controls_.back();
  DestroyHandle();
}

HWND TWinControl::Handle() {
  if (handle_) return handle_;
  if (Parent()) {
    // The parent's window comes first; making it makes ours too.
    Parent()->Handle();
    if (handle_) return handle_;
  }
  TCreateParams params;
  CreateParams(params);
  if (Parent()) params.WndParent = Parent()->Handle();
  else if (parentWindow_) params.WndParent = parentWindow_;
  defWndProc_ = RegisterFrameworkClass(ClassName(), params);
  // A child's "menu" is its control ID; a top-level window's is its menu bar (set later).
  HMENU menuOrId = nullptr;
  // (An MDI child's is given by its client.)
  if ((params.Style & WS_CHILD) && params.WndParent && !(params.ExStyle & WS_EX_MDICHILD))
    menuOrId = reinterpret_cast<HMENU>(NewControlId(params.WndParent));
  t_creating = this;
  HWND wnd = CreateWindowExW(params.ExStyle, ClassName().c_str(), Caption().c_str(), params.Style, params.X,
                             params.Y, params.Width, params.Height, params.WndParent, menuOrId,
                             GetModuleHandleW(nullptr), nullptr);
  t_creating = nullptr;
  if (!wnd) throw Exception(L"Error creating window " + ClassName() + L" (" + IntToStr(GetLastError()) + L")");
  handle_ = wnd;
  CreateWnd();
  CreateChildHandles();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Parent() || parentWindow_) params.Style |= WS_CHILD;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (CustomPainted()) params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TWinControl::CreateWnd() {
  if (!CustomPainted()) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
}

void TWinControl::CreateChildHandles() {
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c))
      if (!w->handle_) w->Handle();
  PlaceZOrder();
}

void TWinControl::PlaceZOrder() {
  // The list order is the z-order: the last child is on top.
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c))
      if (w->handle_)
        SetWindowPos(w->handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  // An MDI child goes through its client, which would otherwise keep it as its active child.
  if (GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_MDICHILD)
    SendMessageW(GetParent(handle_), WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle_), 0);
  else
    DestroyWindow(handle_);
}

void TWinControl::RecreateWnd() {
  // Through the chain, so hooks (skinners) see the window go and come back.
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::SetParentWindow(HWND window) {
  if (window == parentWindow_) return;
  DestroyHandle();
  parentWindow_ = window;
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  // A window cannot change between top-level and child style in place: it is made again.
  DestroyHandle();
  TControl::SetParent(parent);
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  c->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tabList_.push_back(w);
    if (w->pendingTabOrder_ >= 0) w->SetTabOrder(w->pendingTabOrder_);
  }
  c->ParentFontChanged();
  c->ParentColorChanged();
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    if (handle_) {
      w->Handle();
      PlaceZOrder();
    }
  } else {
    c->Invalidate();
  }
  c->RequestAlign();
  if (!IsDestroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), TRUE);
}

void TWinControl::RemoveControl(TControl* c) {
  // A control being destroyed is no TWinControl any more by now: compare pointers only.
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(c);
  tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(), [c](TWinControl* w) { return w == c; }),
                 tabList_.end());
  if (!IsWindowed(c)) c->Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    w->DestroyHandle();
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  c->parent_ = nullptr;
  if (c->Align() != TAlign::alNone) AlignControls();
}

TControl* TWinControl::ControlAtPos(POINT p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (IsWindowed(c) || !c->Visible() || !c->Enabled()) continue;
    TRect r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

SIZE TWinControl::FrameExtent() const {
  if (handle_) {
    TRect w, c;
    GetWindowRect(handle_, &w);
    GetClientRect(handle_, &c);
    return SIZE{::Width(w) - ::Width(c), ::Height(w) - ::Height(c)};
  }
  // No window yet: the frame the window will get.
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  TRect frame = {};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return SIZE{::Width(frame), ::Height(frame)};
}

TRect TWinControl::ClientRect() const {
  TRect r = {};
  if (handle_) {
    GetClientRect(handle_, &r);
    return r;
  }
  SIZE frame = FrameExtent();
  return Rect(0, 0, std::max(0, Width() - static_cast<int>(frame.cx)), std::max(0, Height() - static_cast<int>(frame.cy)));
}

void TWinControl::AlignControls() {
  if (aligning_ || IsLoading() || IsDestroying()) return;
  aligning_ = true;
  TRect r = ClientRect();
  AdjustClientRect(r);
  static const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
  for (TAlign a : order) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
      if (c->Align() == a && c->Visible()) list.push_back(c);
    // Aligned controls keep their order along the edge they share, so changing one
    // control's height restacks the others without reordering them.
    auto key = [a](TControl* c) {
      switch (a) {
        case TAlign::alTop: return c->Top();
        case TAlign::alBottom: return -(c->Top() + c->Height());
        case TAlign::alLeft: return c->Left();
        case TAlign::alRight: return -(c->Left() + c->Width());
        default: return 0;
      }
    };
    std::stable_sort(list.begin(), list.end(), [&](TControl* x, TControl* y) { return key(x) < key(y); });
    for (TControl* c : list) {
      switch (a) {
        case TAlign::alTop:
          c->SetBounds(r.left, r.top, ::Width(r), c->Height());
          r.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), ::Width(r), c->Height());
          r.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(r.left, r.top, c->Width(), ::Height(r));
          r.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), ::Height(r));
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, std::max(0, ::Width(r)), std::max(0, ::Height(r)));
          break;
      }
    }
  }
  aligning_ = false;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  AlignControls();
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::BringToFront() {
  TControl::BringToFront();
  if (handle_) SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  TControl::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_, enabled);
}

void TWinControl::SetBounds(int left, int top, int width, int height) { TControl::SetBounds(left, top, width, height); }

void TWinControl::BoundsChanged(bool sizeChanged) {
  if (handle_)
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (sizeChanged) AlignControls();
}

void TWinControl::UpdateBoundsFromWindow() {
  TRect r;
  GetWindowRect(handle_, &r);
  if (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  int l = r.left, t = r.top, w = ::Width(r), h = ::Height(r);
  if (l == Left() && t == Top() && w == Width() && h == Height()) return;
  bool sizeChanged = w != Width() || h != Height();
  left_ = l;
  top_ = t;
  width_ = w;
  height_ = h;
  if (sizeChanged) AlignControls();
  RequestAlign();
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextW(handle_, Caption().c_str());
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) {
    pendingTabOrder_ = value;  // a form file may name it before the control is placed
    return;
  }
  pendingTabOrder_ = -1;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  // Later siblings read from a form file take their places after it, so clamping keeps the order.
  size_t index = static_cast<size_t>(std::clamp(value, 0, static_cast<int>(list.size())));
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* w : tabList_) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const size_t n = list.size();
  auto it = std::find(list.begin(), list.end(), current);
  // Without a current control, forward starts at the first and backward at the last.
  size_t start = it == list.end() ? (forward ? n - 1 : 0) : static_cast<size_t>(it - list.begin());
  for (size_t step = 1; step <= n; ++step) {
    TWinControl* w = list[forward ? (start + step) % n : (start + n - step) % n];
    if (w != current && w->CanFocus() && (!checkTabStop || w->TabStop())) return w;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

bool TWinControl::WantsKey(WPARAM key) {
  MSG msg = {handle_, WM_KEYDOWN, key, 0, 0, {0, 0}};
  LRESULT code = Perform(WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
  if (code & DLGC_WANTALLKEYS) return true;
  switch (key) {
    case VK_TAB: return (code & DLGC_WANTTAB) != 0;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return (code & DLGC_WANTARROWS) != 0;
    default: return false;
  }
}

void TWinControl::KeyMessage(TMessage& m) {
  std::shared_ptr<bool> alive = UntilFreedToken();
  TCustomForm* form = GetParentForm(this);
  // The form sees keys first when it asks to (KeyPreview); a key it sets to 0 goes no further.
  TWinControl* preview = form && form != this && form->KeyPreview() ? form : nullptr;
  std::shared_ptr<bool> formAlive = preview ? preview->UntilFreedToken() : nullptr;
  m.Result = 1;
  switch (m.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_KEYUP:
    case CN_SYSKEYUP: {
      const bool down = m.Msg == CN_KEYDOWN || m.Msg == CN_SYSKEYDOWN;
      WORD key = static_cast<WORD>(m.WParam);
      TShiftState shift = KeyboardShiftState(m.LParam);
      if (preview) {
        down ? preview->KeyDown(key, shift) : preview->KeyUp(key, shift);
        if (!key || !*alive || !*formAlive) return;
      }
      down ? KeyDown(key, shift) : KeyUp(key, shift);
      if (!key || !*alive) return;
      // A menu item's shortcut works from anywhere on its form.
      if (down && form && form->IsShortCut(key, shift)) return;
      // Tab, Enter and Escape that the control does not want itself work the dialog.
      if (m.Msg == CN_KEYDOWN && (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) && form &&
          !WantsKey(key)) {
        m.Result = form->Perform(CM_DIALOGKEY, key, m.LParam);
        return;
      }
      break;
    }
    case CN_CHAR: {
      wchar_t key = static_cast<wchar_t>(m.WParam);
      if (preview) {
        preview->KeyPress(key);
        if (!key || !*alive || !*formAlive) return;
      }
      KeyPress(key);
      if (!key || !*alive) return;
      // A letter typed where no text is taken can press a control's accelerator.
      if (form && key > L' ' && !(Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS)) {
        m.Result = form->Perform(CM_DIALOGCHAR, key, m.LParam);
        return;
      }
      break;
    }
    case CN_SYSCHAR:
      // Alt+letter: a control whose caption has that accelerator, else the menu bar.
      if (form && m.WParam != VK_SPACE) {
        m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
        return;
      }
      break;
  }
  m.Result = 0;
}

void TWinControl::BroadcastToChildren(TMessage& m, bool untilTaken) {
  std::vector<TControl*> children = controls_;  // a handler may add or free controls
  for (TControl* c : children) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    if (untilTaken && (!c->Visible() || !c->Enabled())) continue;
    m.Result = c->Perform(m.Msg, m.WParam, m.LParam);
    if (untilTaken && m.Result) return;
  }
  m.Result = 0;
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    if (IsWindowed(c) || !c->Visible()) continue;
    TRect r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintHandler(TMessage& m) {
  if (m.WParam) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  TRect client;
  GetClientRect(handle_, &client);
  if (::Width(client) > 0 && ::Height(client) > 0) {
    // Painted off screen first, so windowless children over pictures never flicker.
    TBackBuffer buffer(dc, ::Width(client), ::Height(client));
    IntersectClipRect(buffer.DC(), ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
    PaintWindow(buffer.DC());
    PaintControls(buffer.DC());
    buffer.CopyTo(dc, ps.rcPaint);
  }
  EndPaint(handle_, &ps);
}

void TWinControl::ReflectNotification(TMessage& m) {
  HWND child = nullptr;
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
    case WM_NOTIFY:
      if (m.LParam) child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
      break;
    // A zero ID marks a menu item in the owner-drawn item messages.
    case WM_DRAWITEM:
      if (m.WParam && m.LParam) child = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    case WM_DELETEITEM:
      if (m.WParam && m.LParam) child = reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    case WM_COMPAREITEM:
      if (m.WParam && m.LParam) child = reinterpret_cast<COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    case WM_MEASUREITEM:
      // Only the ID comes with it: the control IDs are unique among siblings for this.
      if (m.WParam && m.LParam && reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType != ODT_MENU)
        child = GetDlgItem(handle_, static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlID));
      break;
  }
  TWinControl* target = child && child != handle_ ? ControlFromHandle(child) : nullptr;
  if (target)
    m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  else
    DefaultHandler(m);
}

void TWinControl::RouteMouse(TMessage& m) {
  POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (m.Msg == WM_MOUSEMOVE) {
    TControl* under = ControlAtPos(p);
    SetMouseControl(under ? under : this);
    if (!trackingLeave_) {
      TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, handle_, 0};
      trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
    }
  }
  TControl* capture = CaptureControl();
  TControl* target = nullptr;
  if (capture && capture != this) {
    if (capture->Parent() == this && !IsWindowed(capture)) target = capture;
  } else if (!capture) {
    target = ControlAtPos(p);
  }
  if (target) {
    LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
    target->Perform(m.Msg, m.WParam, local);
    m.Result = 0;
    return;
  }
  TControl::WndProc(m);
}

bool TWinControl::ShowContextMenu(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) != handle_) return false;
  POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = this;
  if (screen.x == -1 && screen.y == -1) {
    screen = ClientToScreen(POINT{0, 0});  // the menu key: at the control
  } else {
    POINT local = screen;
    ::ScreenToClient(handle_, &local);
    if (TControl* under = ControlAtPos(local)) target = under;
  }
  TPopupMenu* menu = target->PopupMenu();
  if (!menu && target != this) menu = PopupMenu();
  if (!menu) return false;  // the parent's menu, through the default procedure
  menu->SetPopupComponent(target);
  menu->Popup(screen.x, screen.y);
  m.Result = 0;
  return true;
}

bool TWinControl::SetCursorFromControl(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) != handle_ || LOWORD(m.LParam) != HTCLIENT) return false;
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(handle_, &p);
  TControl* c = ControlAtPos(p);
  TCursor cursor = Screen ? Screen->Cursor() : crDefault;  // the program-wide one (the hourglass) first
  if (cursor == crDefault && c) cursor = c->Cursor();
  if (cursor == crDefault) cursor = TControl::Cursor();
  if (cursor == crDefault) return false;
  ::SetCursor(CursorHandle(cursor));
  m.Result = TRUE;
  return true;
}

void TWinControl::WndProc(TMessage& m) {
  if (IsMouseMessage(m.Msg)) {
    RouteMouse(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      if (CustomPainted() || std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !IsWindowed(c); })) {
        PaintHandler(m);
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (CustomPainted()) {
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        PaintControls(reinterpret_cast<HDC>(m.WParam));
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (CustomPainted()) {
        m.Result = 1;
        return;
      }
      break;
    case WM_MOUSELEAVE: {
      trackingLeave_ = false;
      // Where the cursor went decides: another of our controls, or none of them.
      POINT p;
      GetCursorPos(&p);
      TControl* under = nullptr;
      if (TWinControl* w = ControlFromHandle(WindowFromPoint(p))) {
        POINT local = p;
        ::ScreenToClient(w->handle_, &local);
        under = w->ControlAtPos(local);
        if (!under) under = w;
      }
      SetMouseControl(under);
      DefaultHandler(m);
      return;
    }
    case WM_CAPTURECHANGED:
      if (TControl* capture = CaptureControl())
        if (reinterpret_cast<HWND>(m.LParam) != handle_ && (capture == this || capture->Parent() == this))
          capture->SetMouseCapture(false);
      DefaultHandler(m);
      return;
    case WM_SETCURSOR:
      if (SetCursorFromControl(m)) return;
      break;
    case WM_CONTEXTMENU:
      if (ShowContextMenu(m)) return;
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      ReflectNotification(m);
      return;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      UpdateBoundsFromWindow();
      return;
    case CM_FONTCHANGED:
      if (handle_ && !CustomPainted())
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
      return;
    case WM_SETFOCUS: {
      DefaultHandler(m);
      if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
      return;
    }
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
    case CN_SYSKEYDOWN:
    case CN_SYSKEYUP:
    case CN_SYSCHAR:
      KeyMessage(m);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      BroadcastToChildren(m, true);
      return;
    case CM_FOCUSCHANGED:
      BroadcastToChildren(m, false);
      m.Result = 0;
      return;
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    case CM_CONTROLLISTCHANGE:
      // Up to the form, whose hooks (the skin engine's) hear of every control placed below it.
      if (Parent()) Parent()->Perform(m.Msg, m.WParam, m.LParam);
      return;
    case CM_RECREATEWND:
      if (handle_) {
        DestroyHandle();
        Handle();
      }
      return;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x400) {
    // A reflected notification no one handled: colour messages get the control's colours,
    // the rest the answer "nothing done".
    if (m.Msg >= CN_CTLCOLORBTN && m.Msg <= CN_CTLCOLORSTATIC) {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      SetDCBrushColor(dc, ColorToRGB(Color()));
      m.Result = reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    } else if (m.Msg == CN_CHARTOITEM || m.Msg == CN_VKEYTOITEM) {
      m.Result = -1;  // the list box's own key handling
    } else {
      m.Result = 0;
    }
    return;
  }
  if (!handle_ || (m.Msg >= CM_BASE && m.Msg < CN_BASE)) {
    m.Result = 0;
    return;
  }
  m.Result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, m.Msg, m.WParam, m.LParam);
}
