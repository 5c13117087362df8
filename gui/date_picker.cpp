#include "gui/date_picker.h"

#include <commctrl.h>

#include <cmath>

#include "gui/common_controls.h"

const TEnumInfo DateTimeKindInfo{{L"dtkDate", L"dtkTime"}};
const TEnumInfo DTDateFormatInfo{{L"dfShort", L"dfLong"}};
const TEnumInfo DTDateModeInfo{{L"dmComboBox", L"dmUpDown"}};

const TClassInfo& TDateTimePicker::StaticClass() {
  static const TClassInfo info(
      L"TDateTimePicker", &TWinControl::StaticClass(), &CreateInstance<TDateTimePicker>,
      {props::Enum(L"Kind", DateTimeKindInfo, &TDateTimePicker::Kind, &TDateTimePicker::SetKind),
       props::Enum(L"DateFormat", DTDateFormatInfo, &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat),
       props::Enum(L"DateMode", DTDateModeInfo, &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode),
       props::Bool(L"ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox),
       props::Bool(L"Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked),
       props::Event(L"OnChange", &TDateTimePicker::OnChange)});
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), dateTime_(Now()) {
  // The window runs its own calendar and arrows; it reports changes with DTN_DATETIMECHANGE.
  SetControlStyle({});
  SetColor(clWindow);
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
}

TDateTime TDateTimePicker::DateTime() const {
  if (HandleAllocated()) {
    SYSTEMTIME st = {};
    if (SendMessageW(const_cast<TDateTimePicker*>(this)->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) ==
        GDT_VALID)
      return SystemTimeToDateTime(st);
  }
  return dateTime_;
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  dateTime_ = value;
  PushValue();
}

TDateTime TDateTimePicker::Date() const { return std::floor(DateTime()); }

void TDateTimePicker::SetDate(TDateTime value) { SetDateTime(std::floor(value) + Time()); }

TDateTime TDateTimePicker::Time() const {
  TDateTime value = DateTime();
  return value - std::floor(value);
}

void TDateTimePicker::SetTime(TDateTime value) { SetDateTime(Date() + (value - std::floor(value))); }

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (value == kind_) return;
  kind_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value) {
  if (value == dateFormat_) return;
  dateFormat_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
  if (value == dateMode_) return;
  dateMode_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetShowCheckbox(bool value) {
  if (value == showCheckbox_) return;
  checked_ = Checked();
  showCheckbox_ = value;
  RecreateWnd();
}

bool TDateTimePicker::Checked() const {
  if (!HandleAllocated() || !showCheckbox_) return checked_;
  SYSTEMTIME st = {};
  return SendMessageW(const_cast<TDateTimePicker*>(this)->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) ==
         GDT_VALID;
}

void TDateTimePicker::SetChecked(bool value) {
  dateTime_ = DateTime();
  checked_ = value;
  PushValue();
}

void TDateTimePicker::PushValue() {
  if (!HandleAllocated()) return;
  // The window may report the values it is given as changes; they are not the user's.
  pushing_ = true;
  SYSTEMTIME st = DateTimeToSystemTime(dateTime_);
  SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  // Wine wants a time record even for "no value".
  if (showCheckbox_ && !checked_) SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&st));
  pushing_ = false;
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_DATE_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClass = DATETIMEPICK_CLASSW;
  // Sunken like an edit, as pickers are.
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (TabStop()) params.Style |= WS_TABSTOP;
  if (kind_ == TDateTimeKind::dtkTime) params.Style |= DTS_TIMEFORMAT;
  if (dateFormat_ == TDTDateFormat::dfLong) params.Style |= DTS_LONGDATEFORMAT;
  if (dateMode_ == TDTDateMode::dmUpDown) params.Style |= DTS_UPDOWN;
  if (showCheckbox_) params.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  PushValue();
}

void TDateTimePicker::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: {
      if (!NotifyHeader(m)) break;
      auto* change = reinterpret_cast<NMDATETIMECHANGE*>(m.LParam);
      if (change->nmhdr.code != DTN_DATETIMECHANGE) break;
      m.Result = 0;
      if (pushing_) return;
      checked_ = change->dwFlags == GDT_VALID;
      if (checked_) dateTime_ = SystemTimeToDateTime(change->st);
      if (OnChange) OnChange(this);
      return;
    }
    case WM_DESTROY:
      // The value outlives a window made again for another style.
      if (!IsDestroying()) {
        dateTime_ = DateTime();
        checked_ = Checked();
      }
      break;
  }
  TWinControl::WndProc(m);
}

void RegisterDatePickerClasses() { RegisterClass(TDateTimePicker::StaticClass()); }
