// Progress shown to the user: the native progress bar (TProgressBar) and the gauge the
// framework draws itself (TGauge: a bar, a pie or a needle with the percentage in it).
#pragma once

#include "gui/controls.h"
#include "gui/ext_ctrls.h"

enum class TProgressBarOrientation { pbHorizontal, pbVertical };
extern const TEnumInfo ProgressBarOrientationInfo;

class TProgressBar : public TWinControl {
  QS_CLASS(TProgressBar)

 public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // Always within Min..Max: values outside are taken as the nearer limit.
  int Position() const;
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value);
  // Advances by Step; past Max the bar starts again from Min, as the system's bar does.
  void StepIt();
  // Advances by delta, stopping at Max.
  void StepBy(int delta) { SetPosition(Position() + delta); }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  void SetRange(int min, int max);

  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  bool smooth_ = false;
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
};

enum class TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
extern const TEnumInfo GaugeKindInfo;

// Drawn by its parent: a frame, the part done in ForeColor over BackColor, and the
// percentage centred, written in the other colour where it lies over the part done.
class TGauge : public TGraphicControl {
  QS_CLASS(TGauge)

 public:
  explicit TGauge(TComponent* owner);

  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  // Always within MinValue..MaxValue.
  int Progress() const { return progress_; }
  void SetProgress(int value);
  void AddProgress(int delta) { SetProgress(progress_ + delta); }
  // How much of the range is done, 0..100.
  int PercentDone() const;
  TGaugeKind Kind() const { return kind_; }
  void SetKind(TGaugeKind value);
  TColor ForeColor() const { return foreColor_; }
  void SetForeColor(TColor value);
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

 protected:
  void Paint() override;

 private:
  void Changed();

  int minValue_ = 0, maxValue_ = 100, progress_ = 0;
  TGaugeKind kind_ = TGaugeKind::gkHorizontalBar;
  TColor foreColor_ = clBlack, backColor_ = clWhite;
  bool showText_ = true;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

void RegisterProgressClasses();
