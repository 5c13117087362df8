// Native controls that move a value within a range: the track bar (TTrackBar) and the
// up-down arrow pair (TUpDown), which may drive the number in an edit beside it.
#pragma once

#include "gui/controls.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickStyle { tsNone, tsAuto, tsManual };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
extern const TEnumInfo TrackBarOrientationInfo, TickStyleInfo, TickMarkInfo;

class TTrackBar : public TWinControl {
  QS_CLASS(TTrackBar)

 public:
  explicit TTrackBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // Always within Min..Max.
  int Position() const { return position_; }
  void SetPosition(int value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value);
  bool SliderVisible() const { return sliderVisible_; }
  void SetSliderVisible(bool value);

  // After every change of Position, by the user (keys, mouse) or in code.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;

 private:
  void SetRange(int min, int max);
  void PositionChanged(int value);

  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, lineSize_ = 1, pageSize_ = 2;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  TTickStyle tickStyle_ = TTickStyle::tsAuto;
  TTickMark tickMarks_ = TTickMark::tmBottomRight;
  bool sliderVisible_ = true;
};

enum class TUDOrientation { udHorizontal, udVertical };
enum class TUDAlignButton { udLeft, udRight };
enum class TUDBtnType { btNext, btPrev };
extern const TEnumInfo UDOrientationInfo, UDAlignButtonInfo;

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TWinControl {
  QS_CLASS(TUpDown)

 public:
  explicit TUpDown(TComponent* owner);

  // The control (an edit) whose text shows the position; the arrows sit at its side.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool value);

  // An arrow was pressed and the position moved (btNext up or right, btPrev down or left).
  TUDClickEvent OnClick;
  // Before the position moves; may refuse the change.
  TUDChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void SetRange(int min, int max);
  void SetStyleFlag(bool& flag, bool value);

  TWinControl* associate_ = nullptr;
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  TUDAlignButton alignButton_ = TUDAlignButton::udRight;
  bool wrap_ = false, arrowKeys_ = true, thousands_ = true;
  TUDBtnType lastButton_ = TUDBtnType::btNext;
};

void RegisterSliderClasses();
