#include "skin/skin_control.h"

#include <algorithm>

#include "gui/control_strings.h"
#include "gui/controls.h"
#include "gui/properties.h"
#include "skin/button_rules.h"
#include "skin/control_draw.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"
#include "skin/skinner_kinds.h"

namespace {

COLORREF ColourRef(TColor colour) { return ColorToRGB(colour); }

// The face colour of the skin: ColourTable entry 3 (a system colour by its low byte when the
// high byte is 0xFF).
TColor FaceColour(const TSkinData* skinData) {
  if (!skinData) return static_cast<TColor>(0xFF000000u | COLOR_BTNFACE);
  return static_cast<TColor>(skinData->Elements.ColourTable[kColourButtonFace]);
}

}  // namespace

const TClassInfo& TSkinControl::StaticClass() {
  static const TClassInfo info(L"TSkinControl", &TComponent::StaticClass(), nullptr, {});
  return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  RemoveHook();
  if (host_) host_->RemoveSkinner(this);
}

TControl* TSkinControl::BindOwner(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return nullptr;
  recolour_ = recolour;
  SkinData = skinData;
  host_ = host;
  Canvas = canvas;
  Control = control;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  Handle = windowed ? windowed->Handle() : nullptr;
  return control;
}

void TSkinControl::BindWindowless(TControl* control, TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas) {
  SkinData = skinData;
  Canvas = canvas;
  Invalidator = control;
  host_ = host;
}

void TSkinControl::RecolourToFace() {
  if (!recolour_ || !Control) return;
  SwitchParentBackground(true);
  savedColor_ = Control->Color();
  Control->SetColor(SkinFaceColour());
}

void TSkinControl::RestoreColour() {
  if (!recolour_ || !Control) return;
  SwitchParentBackground(false);
  Control->SetColor(savedColor_);
}

void TSkinControl::FinishAttach() {
  attached_ = true;
  state_ = TControlState::Attached;
}

bool TSkinControl::StepOut() {
  if (state_ != TControlState::Attached) return false;
  state_ = TControlState::Detached;
  return true;
}

void TSkinControl::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (attached_) return;
  TControl* control = BindOwner(host, skinData, canvas, recolour);
  if (!control) return;
  control->FreeNotification(this);
  IsUnicode = Handle && IsWindowUnicode(Handle);
  Facts.Bind(control, Handle);
  HookControl(control);
  if (host) host->AddSkinner(this);
  RecolourToFace();
  if (parentBackgroundSwitched_) Mode = 1;
  control->Invalidate();
  FinishAttach();
}

void TSkinControl::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) {
  if (attached_ || !IsWindow(window)) return;
  SkinData = skinData;
  Canvas = canvas;
  host_ = host;
  Handle = window;
  WindowEnabled = true;
  Mode = 0;
  if (host) host->AddSkinner(this);
  IsUnicode = IsWindowUnicode(window) != FALSE;
  WindowText = GetWindowTextWide(window);
  Facts.Bind(nullptr, window);
  HookWindow(window);
  InvalidateRect(window, nullptr, TRUE);
  FinishAttach();
}

void TSkinControl::WndProc(TMessage& m) {
  if (Control) {
    // The framework may have made the control's window again since the last message.
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    if (windowed) Handle = windowed->HandleAllocated() ? windowed->Handle() : nullptr;
  }
  if (m.Msg == SKM_ENABLE) {
    Enabled = m.WParam > 0;
    if (Enabled) Repaint();
    return;
  }
  if (m.Msg == CM_RECREATEWND) {
    // The window goes and comes back as this passes; the skinner stays.
    recreating_ = true;
    CallDefault(m);
    recreating_ = false;
    if (auto* windowed = dynamic_cast<TWinControl*>(Control)) Handle = windowed->HandleAllocated() ? windowed->Handle() : nullptr;
    if (Enabled) Repaint();
    return;
  }
  if (!Enabled) {
    CallDefault(m);
    return;
  }
  if (BeforeMessage(m)) {
    CallDefault(m);
    AfterMessage(m);
  }
}

bool TSkinControl::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCDESTROY:
      // A framework control's window may be made again (a new style, a new parent); only the
      // control's end, or a plain window's, ends the skinning.
      if (Control && (recreating_ || !Control->IsDestroying())) return true;
      state_ = TControlState::WindowDestroyed;
      CallDefault(m);
      if (Enabled) Detach();
      return false;
    case SKM_QUERYSKINNED:
      m.Result = 1;
      return false;
    case WM_PAINT:
      if (!PaintsInstead()) return true;
      PaintInstead(m);
      return false;
    default:
      return true;
  }
}

bool TSkinControl::PaintsInstead() const {
  if (paintsInstead_ < 0) {
    const TSkinnerRow* row = FindSkinnerRowByName(ClassName());
    paintsInstead_ = row && row->Paint == TPaintPolicy::Instead ? 1 : 0;
  }
  return paintsInstead_ == 1;
}

void TSkinControl::PaintInstead(TMessage& m) {
  HWND window = Handle;
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps{};
  if (!dc) dc = BeginPaint(window, &ps);
  if (dc && GetWindowRect(window, &WindowRect)) {
    RECT rect = WindowRect;
    OffsetRect(&rect, -rect.left, -rect.top);
    DrawSkin(dc, rect);
  }
  if (!m.WParam) EndPaint(window, &ps);
  m.Result = 0;
}

bool TSkinControl::TransparentLook(const TControl& control) const {
  return DrawsTransparent(control.Tag(), SkinData && SkinData->Options().Contains(TSkinOption::xoTransparent));
}

void TSkinControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      if (m.Msg == WM_SETTEXT && !Control && Handle) WindowText = GetWindowTextWide(Handle);
      Repaint();
      break;
    case WM_PAINT:
      RepaintWindow(reinterpret_cast<HDC>(m.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::RepaintWindow(HDC dc) {
  if (!Handle || !GetWindowRect(Handle, &WindowRect)) return;
  RECT rect{0, 0, WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
  if (dc) {
    DrawSkin(dc, rect);
    return;
  }
  HDC windowDC = GetWindowDC(Handle);
  if (!windowDC) return;
  DrawSkin(windowDC, rect);
  ReleaseDC(Handle, windowDC);
}

void TSkinControl::Detach() {
  if (!Enabled) return;
  Enabled = false;
  if (WindowGone()) return;
  RestoreColour();
}

void TSkinControl::SkinChanged() {
  if (recolour_ && Control) Control->SetColor(FaceColour(SkinData));
  Repaint();
}

void TSkinControl::Repaint() {
  if (auto* control = dynamic_cast<TControl*>(Invalidator)) {
    control->Invalidate();
    return;
  }
  if (!Handle) {
    if (Control) Control->Invalidate();
    return;
  }
  InvalidateRect(Handle, nullptr, TRUE);
  UpdateWindow(Handle);
}

void TSkinControl::SwitchParentBackground(bool attaching) {
  if (!Control || (SkinData && SkinData->Options().Contains(TSkinOption::xoParentBackGround))) return;
  if (!IsPublishedProp(Control, L"ParentBackground")) return;
  if (attaching) {
    if (_wcsicmp(GetEnumPropByName(Control, L"ParentBackground").c_str(), L"true") == 0) {
      parentBackgroundSwitched_ = true;
      SetPropByName(Control, L"ParentBackground", L"False");
    }
  } else if (parentBackgroundSwitched_) {
    parentBackgroundSwitched_ = false;
    SetPropByName(Control, L"ParentBackground", L"True");
  }
}

void TSkinControl::HookTargetGone() {
  // The control is being freed, or the plain window is gone: from now on nothing may reach
  // the skinner through a list, and it restores nothing.
  state_ = TControlState::WindowDestroyed;
  Enabled = false;
  Control = nullptr;
  Handle = nullptr;
  Leave();
}

void TSkinControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == Control) HookTargetGone();
  if (operation == TOperation::opRemove && component == Invalidator) Invalidator = nullptr;
}

void TSkinControl::Leave() {
  if (!host_) return;
  TSkinnerHost* host = host_;
  host_ = nullptr;
  host->RemoveSkinner(this);
  // A plain window's skinner belongs to the window skinner; with its window gone nothing else
  // will ever free it.
  if (Owner() == host->SkinnerOwner()) delete this;
}

TColor TSkinControl::ParentColour(TColor defaultColour) const {
  if (!Control || !Control->Parent()) return defaultColour;
  const TPropInfo* info = GetPropInfo(Control->Parent(), L"Color");
  if (!info || info->Kind != TTypeKind::Integer) return defaultColour;
  return static_cast<TColor>(info->GetOrd(Control->Parent()));
}

TColor TSkinControl::SkinFaceColour() const { return FaceColour(SkinData); }

void TSkinControl::FillFace(HDC dc, const RECT& rect) const { FillSolid(dc, rect, ColourRef(FaceColour(SkinData))); }

void TSkinControl::FillParentColour(HDC dc, const RECT& rect) const {
  FillSolid(dc, rect, ColourRef(ParentColour(FaceColour(SkinData))));
}

LONG_PTR TSkinControl::GetWindowLongAW(HWND window, int index) const {
  return IsUnicode ? GetWindowLongPtrW(window, index) : GetWindowLongPtrA(window, index);
}

void TSkinControl::DrawFocusText(HDC dc, UINT format, const RECT& rect) const {
  RECT r = rect;
  DrawTextWide(dc, WindowText, r, format | DT_CALCRECT | DT_NOCLIP);
  const int textWidth = r.right - r.left, textHeight = r.bottom - r.top;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (format & DT_CENTER)
    OffsetRect(&r, (width - textWidth) / 2, (height - textHeight) / 2 - 1);
  else if (format & DT_RIGHT)
    OffsetRect(&r, width - textWidth, 0);
  InflateRect(&r, 2, 1);
  IntersectRect(&r, &r, &rect);
  DrawFocusRect(dc, &r);
}

void TSkinControl::ForwardMouseDown(const TMessage& m) {
  if (!Control) return;
  int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
  // Past 32768 pixels the 16-bit position wraps: the cursor tells where the press was.
  if (Control->Width() > 32768 || Control->Height() > 32768) {
    POINT p;
    GetCursorPos(&p);
    POINT client = Control->ScreenToClient(p);
    x = client.x;
    y = client.y;
  }
  Control->MouseDown(TMouseButton::mbLeft, ShiftFromKeys(m.WParam, false), x, y);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

bool IsPopupOrDesktopChild(HWND window) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP) ||
         reinterpret_cast<ULONG_PTR>(GetParent(window)) == 0x10014;
}

void CopyBitmap(const TBitmap& source, TBitmap& dest) { dest.Assign(source); }

void SendMouseLeave(const TSkinControl* skinner) {
  if (skinner && skinner->Handle) SendMessageW(skinner->Handle, CM_MOUSELEAVE, 0, 0);
}

std::wstring GetWindowTextWide(HWND window) { return WindowText(window); }

std::wstring GetWindowClassName(HWND window) {
  wchar_t name[101] = {};
  GetClassNameW(window, name, 100);
  return name;
}

std::wstring StrToWide(const std::string& text) {
  if (text.empty()) return L"";
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

std::wstring WideLeft(const std::wstring& text, int count) {
  if (count < 0) return text;
  return text.substr(0, static_cast<size_t>(count));
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

int64_t GetOrdPropByName(TObject* object, const std::wstring& name) {
  if (!object) return -1;
  const TPropInfo* info = GetPropInfo(object, name);
  if (!info || info->Kind != TTypeKind::Integer) return -1;
  return info->GetOrd(object);
}

std::wstring GetEnumPropByName(TObject* object, const std::wstring& name) {
  if (!object) return L"";
  return GetEnumProp(object, name).value_or(L"");
}

std::wstring GetPropAsWide(TObject* object, const std::wstring& name) {
  if (!object) return L"";
  return GetStrProp(object, name).value_or(L"");
}

TObject* GetObjectPropByName(TObject* object, const std::wstring& name) {
  return object ? GetObjectProp(object, name) : nullptr;
}

void SetPropByName(TObject* object, const std::wstring& name, const std::wstring& text) {
  if (!object) return;
  const TPropInfo* info = GetPropInfo(object, name);
  if (!info) return;
  switch (info->Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Enumeration:
    case TTypeKind::String:
    case TTypeKind::WString:
      SetPropValue(object, name, text);
      break;
    default:
      break;
  }
}
