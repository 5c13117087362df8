#include "skin/skin_date_time.h"

#include "skin/button_rules.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/entry_rules.h"
#include "skin/skin_data.h"

const TClassInfo& TArrowButton::StaticClass() {
  static const TClassInfo info(L"TArrowButton", &TCustomControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinDateTime::StaticClass() {
  static const TClassInfo info(L"TSkinDateTime", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

TArrowButton::TArrowButton(TComponent* owner) : TCustomControl(owner), width_(GetSystemMetrics(SM_CXHSCROLL)) {
  SetTabStop(false);
}

bool TArrowButton::ButtonLeft() const {
  return pickerWindow_ && (GetWindowLongPtrW(pickerWindow_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
}

void TArrowButton::AttachTo(TSkinDateTime* skinner, TWinControl* picker) {
  skinner_ = skinner;
  picker_ = picker;
  pickerWindow_ = picker->Handle();
  SetParent(picker);
  const RECT r = PickerArrowRect(SIZE{picker->Width(), picker->Height()}, width_, ButtonLeft());
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  SetWindowLongPtrW(pickerWindow_, GWL_STYLE, GetWindowLongPtrW(pickerWindow_, GWL_STYLE) | WS_CLIPCHILDREN);
}

void TArrowButton::Reposition(const RECT& rect) {
  const RECT r = PickerArrowRect(SIZE{rect.right - rect.left, rect.bottom - rect.top}, width_, ButtonLeft());
  if (r.left != Left()) SetBounds(r.left, Top(), Width(), Height());
}

void TArrowButton::WndProc(TMessage& m) {
  TCustomControl::WndProc(m);
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (picker_ && picker_->Enabled()) {
        hot_ = m.Msg == CM_MOUSEENTER;
        Invalidate();
      }
      break;
    case WM_LBUTTONDOWN: {
      // The same press at the same place of the picker: its own button opens the calendar.
      const int x = static_cast<short>(LOWORD(m.LParam)) + Left();
      const int y = static_cast<short>(HIWORD(m.LParam)) + Top();
      const LPARAM at = MAKELPARAM(x, y);
      PostMessageW(pickerWindow_, WM_LBUTTONDOWN, m.WParam, at);
      PostMessageW(pickerWindow_, WM_LBUTTONUP, m.WParam, at);
      Invalidate();
      break;
    }
    case WM_LBUTTONUP:
      // The focus the arrow took goes back to the picker; where the open calendar holds it, it
      // stays (the calendar closes when it loses the focus).
      if (picker_ && GetFocus() == Handle()) picker_->SetFocus();
      break;
    default:
      break;
  }
}

void TArrowButton::Paint() {
  HDC dc = Canvas().Handle();
  const TSkinData* data = skinner_ ? skinner_->SkinData : nullptr;
  const RECT client{0, 0, Width(), picker_ ? picker_->Height() - 4 : Height()};
  FillSolid(dc, client, EntryColour(data, kColourButtonFace));
  const TDataSkinObject* arrow = data ? data->Elements.ComboxArrow.get() : nullptr;
  if (!arrow || arrow->Image.Empty()) return;
  const int frames = arrow->Frames();
  DrawElementCell(dc, client, arrow->Image, false, frames, StripFrame(hot_ ? 4 : 1, frames));
}

void TSkinDateTime::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (IsAttached()) return;
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  auto* picker = dynamic_cast<TWinControl*>(Control);
  if (!picker) return;
  ArrowButton = new TArrowButton(this);
  ArrowButton->AttachTo(this, picker);
}

void TSkinDateTime::AfterMessage(TMessage& m) {
  if (m.Msg == WM_SIZE && ArrowButton) {
    ArrowButton->Invalidate();
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& rect) {
  if (!Handle) return;
  if (ArrowButton) ArrowButton->Reposition(rect);
  if (!HasBorderToPaint(Handle, rect)) return;
  DrawSunkenBorder(dc, rect, EntryColour(SkinData, kColourButtonShadow), 1);
}
