#include "gui/sliders.h"

#include <commctrl.h>

#include <algorithm>

#include "gui/common_controls.h"

const TEnumInfo TrackBarOrientationInfo{{L"trHorizontal", L"trVertical"}};
const TEnumInfo TickStyleInfo{{L"tsNone", L"tsAuto", L"tsManual"}};
const TEnumInfo TickMarkInfo{{L"tmBottomRight", L"tmTopLeft", L"tmBoth"}};
const TEnumInfo UDOrientationInfo{{L"udHorizontal", L"udVertical"}};
const TEnumInfo UDAlignButtonInfo{{L"udLeft", L"udRight"}};

const TClassInfo& TTrackBar::StaticClass() {
  static const TClassInfo info(
      L"TTrackBar", &TWinControl::StaticClass(), &CreateInstance<TTrackBar>,
      {props::Int(L"Min", &TTrackBar::Min, &TTrackBar::SetMin),
       props::Int(L"Max", &TTrackBar::Max, &TTrackBar::SetMax),
       props::Int(L"Position", &TTrackBar::Position, &TTrackBar::SetPosition),
       props::Enum(L"Orientation", TrackBarOrientationInfo, &TTrackBar::Orientation, &TTrackBar::SetOrientation),
       props::Int(L"Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency),
       props::Int(L"LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize),
       props::Int(L"PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize),
       props::Enum(L"TickStyle", TickStyleInfo, &TTrackBar::TickStyle, &TTrackBar::SetTickStyle),
       props::Enum(L"TickMarks", TickMarkInfo, &TTrackBar::TickMarks, &TTrackBar::SetTickMarks),
       props::Bool(L"SliderVisible", &TTrackBar::SliderVisible, &TTrackBar::SetSliderVisible),
       props::Event(L"OnChange", &TTrackBar::OnChange)});
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  // The window tracks the mouse itself and reports through WM_HSCROLL / WM_VSCROLL.
  SetControlStyle({});
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetMin(int value) { SetRange(value, std::max(value, max_)); }

void TTrackBar::SetMax(int value) { SetRange(std::min(value, min_), value); }

void TTrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (HandleAllocated()) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max_);
  }
  SetPosition(position_);
}

void TTrackBar::SetPosition(int value) {
  value = std::clamp(value, min_, max_);
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, value);
  PositionChanged(value);
}

void TTrackBar::PositionChanged(int value) {
  if (value == position_) return;
  position_ = value;
  if (OnChange) OnChange(this);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  // A turned track bar keeps its place and swaps width and height, as a user expects.
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, value, 0);
}

void TTrackBar::SetLineSize(int value) {
  lineSize_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETLINESIZE, 0, value);
}

void TTrackBar::SetPageSize(int value) {
  pageSize_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPAGESIZE, 0, value);
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  if (value == tickStyle_) return;
  tickStyle_ = value;
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
  if (value == tickMarks_) return;
  tickMarks_ = value;
  RecreateWnd();
}

void TTrackBar::SetSliderVisible(bool value) {
  if (value == sliderVisible_) return;
  sliderVisible_ = value;
  RecreateWnd();
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClass = TRACKBAR_CLASSW;
  if (TabStop()) params.Style |= WS_TABSTOP;
  params.Style |= orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
  if (tickStyle_ == TTickStyle::tsNone) params.Style |= TBS_NOTICKS;
  if (tickStyle_ == TTickStyle::tsAuto) params.Style |= TBS_AUTOTICKS;
  if (tickMarks_ == TTickMark::tmTopLeft) params.Style |= TBS_TOP;
  if (tickMarks_ == TTickMark::tmBoth) params.Style |= TBS_BOTH;
  if (!sliderVisible_) params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = Handle();
  SendMessageW(wnd, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(wnd, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(wnd, TBM_SETLINESIZE, 0, lineSize_);
  SendMessageW(wnd, TBM_SETPAGESIZE, 0, pageSize_);
  SendMessageW(wnd, TBM_SETTICFREQ, frequency_, 0);
  SendMessageW(wnd, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    PositionChanged(static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)));
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

const TClassInfo& TUpDown::StaticClass() {
  static const TClassInfo info(
      L"TUpDown", &TWinControl::StaticClass(), &CreateInstance<TUpDown>,
      {props::Ref(L"Associate", &TUpDown::Associate, &TUpDown::SetAssociate),
       props::Int(L"Min", &TUpDown::Min, &TUpDown::SetMin), props::Int(L"Max", &TUpDown::Max, &TUpDown::SetMax),
       props::Int(L"Position", &TUpDown::Position, &TUpDown::SetPosition),
       props::Int(L"Increment", &TUpDown::Increment, &TUpDown::SetIncrement),
       props::Enum(L"Orientation", UDOrientationInfo, &TUpDown::Orientation, &TUpDown::SetOrientation),
       props::Enum(L"AlignButton", UDAlignButtonInfo, &TUpDown::AlignButton, &TUpDown::SetAlignButton),
       props::Bool(L"Wrap", &TUpDown::Wrap, &TUpDown::SetWrap),
       props::Bool(L"ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys),
       props::Bool(L"Thousands", &TUpDown::Thousands, &TUpDown::SetThousands),
       props::Event(L"OnClick", &TUpDown::OnClick), props::Event(L"OnChanging", &TUpDown::OnChanging)});
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  // The arrows capture the mouse and repeat themselves; clicks arrive as position changes.
  SetControlStyle({});
  SetBounds(0, 0, 17, 25);
}

void TUpDown::SetAssociate(TWinControl* value) {
  if (value == associate_) return;
  associate_ = value;
  if (value) value->FreeNotification(this);
  if (HandleAllocated()) RecreateWnd();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == associate_) {
    associate_ = nullptr;
    if (HandleAllocated() && !IsDestroying()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
  }
}

void TUpDown::SetMin(int value) { SetRange(value, std::max(value, max_)); }

void TUpDown::SetMax(int value) { SetRange(std::min(value, min_), value); }

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SetPosition(position_);
}

int TUpDown::Position() const {
  if (!HandleAllocated()) return position_;
  return static_cast<int>(SendMessageW(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int value) {
  position_ = std::clamp(value, min_, max_);
  // The window writes the number into the associated edit.
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetIncrement(int value) {
  increment_ = value;
  if (!HandleAllocated()) return;
  UDACCEL accel = {0, static_cast<UINT>(value)};
  SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetStyleFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  RecreateWnd();
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
  if (value == alignButton_) return;
  alignButton_ = value;
  RecreateWnd();
}

void TUpDown::SetWrap(bool value) { SetStyleFlag(wrap_, value); }
void TUpDown::SetArrowKeys(bool value) { SetStyleFlag(arrowKeys_, value); }
void TUpDown::SetThousands(bool value) { SetStyleFlag(thousands_, value); }

void TUpDown::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_UPDOWN_CLASS);
  TWinControl::CreateParams(params);
  params.BaseClass = UPDOWN_CLASSW;
  params.Style |= UDS_SETBUDDYINT;
  if (orientation_ == TUDOrientation::udHorizontal) params.Style |= UDS_HORZ;
  if (wrap_) params.Style |= UDS_WRAP;
  if (arrowKeys_) params.Style |= UDS_ARROWKEYS;
  if (!thousands_) params.Style |= UDS_NOTHOUSANDS;
  if (associate_) params.Style |= alignButton_ == TUDAlignButton::udLeft ? UDS_ALIGNLEFT : UDS_ALIGNRIGHT;
}

void TUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = Handle();
  SendMessageW(wnd, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  UDACCEL accel = {0, static_cast<UINT>(increment_)};
  SendMessageW(wnd, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  if (associate_) SendMessageW(wnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageW(wnd, UDM_SETPOS32, 0, position_);
}

void TUpDown::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: {
      if (!NotifyHeader(m)) break;
      auto* change = reinterpret_cast<NMUPDOWN*>(m.LParam);
      if (change->hdr.code == UDN_DELTAPOS) {
        bool allow = true;
        if (OnChanging) OnChanging(this, allow);
        lastButton_ = change->iDelta > 0 ? TUDBtnType::btNext : TUDBtnType::btPrev;
        m.Result = allow ? FALSE : TRUE;
        return;
      }
      break;
    }
    case CN_HSCROLL:
    case CN_VSCROLL:
      // Only a real move is a click: a refused change or a press at the limit is none.
      if (LOWORD(m.WParam) == SB_THUMBPOSITION && Position() != position_) {
        position_ = Position();
        if (OnClick) OnClick(this, lastButton_);
      }
      m.Result = 0;
      return;
  }
  TWinControl::WndProc(m);
}

void RegisterSliderClasses() {
  for (const TClassInfo* c : {&TTrackBar::StaticClass(), &TUpDown::StaticClass()}) RegisterClass(*c);
}
