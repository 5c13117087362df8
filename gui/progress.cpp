#include "gui/progress.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "base/strings.h"
#include "gui/common_controls.h"

const TEnumInfo ProgressBarOrientationInfo{{L"pbHorizontal", L"pbVertical"}};
namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

const TEnumInfo GaugeKindInfo{{L"gkText", L"gkHorizontalBar", L"gkVerticalBar", L"gkPie", L"gkNeedle"}};

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo info(
      L"TProgressBar", &TWinControl::StaticClass(), &CreateInstance<TProgressBar>,
      {props::Int(L"Min", &TProgressBar::Min, &TProgressBar::SetMin),
       props::Int(L"Max", &TProgressBar::Max, &TProgressBar::SetMax),
       props::Int(L"Position", &TProgressBar::Position, &TProgressBar::SetPosition),
       props::Int(L"Step", &TProgressBar::Step, &TProgressBar::SetStep),
       props::Bool(L"Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth),
       props::Enum(L"Orientation", ProgressBarOrientationInfo, &TProgressBar::Orientation,
                   &TProgressBar::SetOrientation)});
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::SetMin(int value) { SetRange(value, std::max(value, max_)); }

void TProgressBar::SetMax(int value) { SetRange(std::min(value, min_), value); }

void TProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min_, max_);
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

int TProgressBar::Position() const {
  if (HandleAllocated())
    return static_cast<int>(SendMessageW(const_cast<TProgressBar*>(this)->Handle(), PBM_GETPOS, 0, 0));
  return position_;
}

void TProgressBar::SetPosition(int value) {
  position_ = std::clamp(value, min_, max_);
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetStep(int value) {
  step_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(value), 0);
}

void TProgressBar::StepIt() {
  if (HandleAllocated()) {
    SendMessageW(Handle(), PBM_STEPIT, 0, 0);
    position_ = Position();
    return;
  }
  position_ += step_;
  if (position_ > max_) position_ = min_ + (position_ - min_) % std::max(1, max_ - min_);
}

void TProgressBar::SetSmooth(bool value) {
  if (value == smooth_) return;
  smooth_ = value;
  RecreateWnd();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  RecreateWnd();
}

void TProgressBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_PROGRESS_CLASS);
  TWinControl::CreateParams(params);
  params.BaseClass = PROGRESS_CLASSW;
  if (smooth_) params.Style |= PBS_SMOOTH;
  if (orientation_ == TProgressBarOrientation::pbVertical) params.Style |= PBS_VERTICAL;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
  SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

const TClassInfo& TGauge::StaticClass() {
  static const TClassInfo info(
      L"TGauge", &TGraphicControl::StaticClass(), &CreateInstance<TGauge>,
      {props::Int(L"MinValue", &TGauge::MinValue, &TGauge::SetMinValue),
       props::Int(L"MaxValue", &TGauge::MaxValue, &TGauge::SetMaxValue),
       props::Int(L"Progress", &TGauge::Progress, &TGauge::SetProgress),
       props::Enum(L"Kind", GaugeKindInfo, &TGauge::Kind, &TGauge::SetKind),
       props::Int(L"ForeColor", &TGauge::ForeColor, &TGauge::SetForeColor, &ColorIdents),
       props::Int(L"BackColor", &TGauge::BackColor, &TGauge::SetBackColor, &ColorIdents),
       props::Bool(L"ShowText", &TGauge::ShowText, &TGauge::SetShowText),
       props::Enum(L"BorderStyle", BorderStyleInfo, &TGauge::BorderStyle, &TGauge::SetBorderStyle)});
  return info;
}

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 100, 100); }

void TGauge::Changed() { Invalidate(); }

void TGauge::SetMinValue(int value) {
  minValue_ = value;
  maxValue_ = std::max(maxValue_, value);
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  Changed();
}

void TGauge::SetMaxValue(int value) {
  maxValue_ = value;
  minValue_ = std::min(minValue_, value);
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  Changed();
}

void TGauge::SetProgress(int value) {
  value = std::clamp(value, minValue_, maxValue_);
  if (value == progress_) return;
  progress_ = value;
  Changed();
}

int TGauge::PercentDone() const {
  if (maxValue_ == minValue_) return 0;
  return static_cast<int>(static_cast<long long>(progress_ - minValue_) * 100 / (maxValue_ - minValue_));
}

void TGauge::SetKind(TGaugeKind value) {
  kind_ = value;
  Changed();
}

void TGauge::SetForeColor(TColor value) {
  foreColor_ = value;
  Changed();
}

void TGauge::SetBackColor(TColor value) {
  backColor_ = value;
  Changed();
}

void TGauge::SetShowText(bool value) {
  showText_ = value;
  Changed();
}

void TGauge::SetBorderStyle(TBorderStyle value) {
  borderStyle_ = value;
  Changed();
}

void TGauge::Paint() {
  TCanvas& canvas = Canvas();
  HDC dc = canvas.Handle();
  TRect r = ClientRect();
  canvas.Brush().Style = TBrushStyle::bsSolid;
  if (borderStyle_ == TBorderStyle::bsSingle) {
    canvas.Brush().Color = clBlack;
    canvas.FrameRect(r);
    InflateRect(&r, -1, -1);
  }
  canvas.Brush().Color = backColor_;
  canvas.FillRect(r);
  int w = ::Width(r), h = ::Height(r);
  long long done = maxValue_ == minValue_ ? 0 : progress_ - minValue_, range = std::max(1, maxValue_ - minValue_);
  // The part done, where the text changes colour.
  TRect doneRect = {};
  switch (kind_) {
    case TGaugeKind::gkHorizontalBar:
      doneRect = Rect(r.left, r.top, r.left + static_cast<int>(w * done / range), r.bottom);
      break;
    case TGaugeKind::gkVerticalBar:
      doneRect = Rect(r.left, r.bottom - static_cast<int>(h * done / range), r.right, r.bottom);
      break;
    case TGaugeKind::gkPie:
    case TGaugeKind::gkNeedle: {
      // A full circle for a pie, the upper half for a needle; progress turns clockwise from
      // the left (needle) or from the top (pie).
      bool pie = kind_ == TGaugeKind::gkPie;
      double angle = (pie ? 2.0 : 1.0) * kPi * static_cast<double>(done) / static_cast<double>(range);
      int cx = r.left + w / 2, cy = pie ? r.top + h / 2 : r.bottom;
      int rx = w / 2, ry = pie ? h / 2 : h;
      HBRUSH back = CreateSolidBrush(ColorToRGB(backColor_)), fore = CreateSolidBrush(ColorToRGB(foreColor_));
      HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(foreColor_));
      HGDIOBJ oldBrush = SelectObject(dc, back), oldPen = SelectObject(dc, pen);
      if (pie) {
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
        if (done >= range) {
          SelectObject(dc, fore);
          Ellipse(dc, r.left, r.top, r.right, r.bottom);
        } else if (done > 0) {
          SelectObject(dc, fore);
          double a = kPi / 2 - angle;
          ::Pie(dc, r.left, r.top, r.right, r.bottom, cx + static_cast<int>(std::lround(rx * std::cos(a))),
                cy - static_cast<int>(std::lround(ry * std::sin(a))), cx, r.top);
        }
      } else {
        ::Pie(dc, r.left, r.top, r.right, r.bottom + h, r.right, cy, r.left, cy);
        double a = kPi - angle;
        MoveToEx(dc, cx, cy, nullptr);
        ::LineTo(dc, cx + static_cast<int>(std::lround(rx * std::cos(a))), cy - static_cast<int>(std::lround(ry * std::sin(a))));
      }
      SelectObject(dc, oldBrush);
      SelectObject(dc, oldPen);
      DeleteObject(back);
      DeleteObject(fore);
      DeleteObject(pen);
      break;
    }
    case TGaugeKind::gkText:
      break;
  }
  if (!IsRectEmpty(&doneRect)) {
    canvas.Brush().Color = foreColor_;
    canvas.FillRect(doneRect);
  }
  if (!showText_) return;
  std::wstring text = IntToStr(PercentDone()) + L"%";
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  SetBkMode(dc, TRANSPARENT);
  int saved = SaveDC(dc);
  ExcludeClipRect(dc, doneRect.left, doneRect.top, doneRect.right, doneRect.bottom);
  canvas.Font().SetColor(foreColor_);
  TRect textRect = r;
  canvas.DrawText(text, textRect, format);
  RestoreDC(dc, saved);
  if (IsRectEmpty(&doneRect)) return;
  saved = SaveDC(dc);
  IntersectClipRect(dc, doneRect.left, doneRect.top, doneRect.right, doneRect.bottom);
  canvas.Font().SetColor(backColor_);
  textRect = r;
  canvas.DrawText(text, textRect, format);
  RestoreDC(dc, saved);
}

void RegisterProgressClasses() {
  for (const TClassInfo* c : {&TProgressBar::StaticClass(), &TGauge::StaticClass()}) RegisterClass(*c);
}
