#include "skin/skin_edit.h"

#include "base/strings.h"
#include "skin/control_draw.h"
#include "skin/entry_rules.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"
#include "skin/skin_up_down.h"

const TClassInfo& TSkinEdit::StaticClass() {
  static const TClassInfo info(L"TSkinEdit", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

bool IsUpDownClass(const std::wstring& className) {
  const std::wstring lower = LowerCase(className);
  return lower == L"msctls_updown32" || lower.find(L"spin") != std::wstring::npos ||
         lower.find(L"updown") != std::wstring::npos;
}

}  // namespace

bool TSkinEdit::BeforeMessage(TMessage& m) {
  // The edit leaves its own clipping on a DC it paints into; the border goes around that.
  if ((m.Msg == WM_PAINT || m.Msg == WM_PRINT) && m.WParam) savedDC_ = SaveDC(reinterpret_cast<HDC>(m.WParam));
  return TSkinControl::BeforeMessage(m);
}

void TSkinEdit::AfterMessage(TMessage& m) {
  if ((m.Msg == WM_PAINT || m.Msg == WM_PRINT) && m.WParam && savedDC_) {
    RestoreDC(reinterpret_cast<HDC>(m.WParam), savedDC_);
    savedDC_ = 0;
  }
  if (m.Msg == WM_PRINT) {
    PrintBorder(reinterpret_cast<HDC>(m.WParam));
    return;
  }
  if (m.Msg == SKM_PAINTCONTROL && m.LParam == SKM_KEY) {
    if (m.WParam) {
      // The edit paints its client area into the DC it is given.
      TMessage paint{WM_PAINT, m.WParam, 0, 0};
      CallDefault(paint);
    }
    m.Result = SKM_KEY;
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
  if (!Handle) return;
  if (!SpinButton && SkinData && SkinData->SkinControls().Contains(TSkinControlType::xcSpin)) AttachSpinButton();
  if (!HasBorderToPaint(Handle, rect)) return;
  DrawSunkenBorder(dc, rect, EntryColour(SkinData, kColourButtonShadow), 2);
}

void TSkinEdit::AttachSpinButton() {
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUpDownClass(GetWindowClassName(child))) continue;
    // The up-down skinner lives with the edit's own owner: the control, or the window skinner.
    auto* spin = new TSkinUpDown(Owner());
    spin->Embedded = true;
    spin->AttachWindow(child, SkinData, Canvas, Host());
    SpinButton = spin;
    return;
  }
}

void TSkinEdit::PrintBorder(HDC dc) {
  if (!Handle || !GetWindowRect(Handle, &WindowRect)) return;
  RECT rect = WindowRect;
  OffsetRect(&rect, -rect.left, -rect.top);
  if (dc) {
    DrawPrintBorder(dc, rect);
    return;
  }
  HDC windowDC = GetWindowDC(Handle);
  if (!windowDC) return;
  DrawPrintBorder(windowDC, rect);
  ReleaseDC(Handle, windowDC);
}

void TSkinEdit::DrawPrintBorder(HDC dc, const RECT& rect) {
  if (!HasPrintedBorder(SIZE{rect.right - rect.left, rect.bottom - rect.top}, ClientSize(Handle))) return;
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  DrawSunkenBorder(dc, rect, EntryColour(SkinData, kColourButtonShadow), 0);
}
