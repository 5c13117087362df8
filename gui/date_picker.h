// The native date and time picker (TDateTimePicker): a date with a drop-down calendar, or a
// time with arrows, and an optional check box that leaves the value unset.
#pragma once

#include "base/date_time.h"
#include "gui/controls.h"

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateFormat { dfShort, dfLong };
enum class TDTDateMode { dmComboBox, dmUpDown };
extern const TEnumInfo DateTimeKindInfo, DTDateFormatInfo, DTDateModeInfo;

class TDateTimePicker : public TWinControl {
  QS_CLASS(TDateTimePicker)

 public:
  explicit TDateTimePicker(TComponent* owner);

  // The whole value; Date is its day part and Time its fraction of a day.
  TDateTime DateTime() const;
  void SetDateTime(TDateTime value);
  TDateTime Date() const;
  void SetDate(TDateTime value);
  TDateTime Time() const;
  void SetTime(TDateTime value);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat value);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value);
  // With ShowCheckbox the user may clear the box: the value is then not in use.
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool value);
  bool Checked() const;
  void SetChecked(bool value);

  // After the user changed the value or the check box; setting them in code fires nothing.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;

 private:
  // Hands the value and the check box state to the window.
  void PushValue();

  TDateTime dateTime_;
  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
  TDTDateFormat dateFormat_ = TDTDateFormat::dfShort;
  TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
  bool showCheckbox_ = false, checked_ = true, pushing_ = false;
};

void RegisterDatePickerClasses();
