// Progress: the native bar's range, position and stepping with and without its window, and
// the gauge's drawing probed in a memory bitmap away from its text.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "gui/forms.h"
#include "gui/progress.h"
#include "gui_test_support.h"

TEST(ProgressBar, PositionStaysInTheRangeWithOrWithoutAWindow) {
  struct Case {
    int min, max, set, expected;
  } cases[] = {
      {0, 100, 50, 50}, {0, 100, 150, 100}, {0, 100, -5, 0}, {50, 150, 100, 100}, {10, 20, 5, 10}, {0, 1422, 1000, 1000},
  };
  TForm form(nullptr);
  for (const Case& c : cases) {
    for (bool windowed : {false, true}) {
      auto* bar = new TProgressBar(&form);
      bar->SetMax(c.max);
      bar->SetMin(c.min);
      if (windowed) bar->SetParent(&form);
      bar->SetPosition(c.set);
      EXPECT_EQ(bar->Position(), c.expected) << c.min << ".." << c.max << " set " << c.set << " windowed " << windowed;
      if (windowed) {
        PBRANGE range = {};
        SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        EXPECT_EQ(range.iLow, c.min);
        EXPECT_EQ(range.iHigh, c.max);
      }
      delete bar;
    }
  }
}

TEST(ProgressBar, TheWindowGetsWhatWasSetBeforeItAndStepsLikeIt) {
  TForm form(nullptr);
  auto* bar = new TProgressBar(&form);
  bar->SetMax(20);
  bar->SetStep(7);
  bar->SetPosition(12);
  bar->SetOrientation(TProgressBarOrientation::pbVertical);
  bar->SetSmooth(true);
  bar->SetParent(&form);
  HWND wnd = bar->Handle();
  EXPECT_EQ(SendMessageW(wnd, PBM_GETPOS, 0, 0), 12);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & (PBS_VERTICAL | PBS_SMOOTH), PBS_VERTICAL | PBS_SMOOTH);
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 19);
  // Past the maximum the system's bar starts again; the bar without a window does the same.
  bar->StepIt();
  int windowed = bar->Position();
  auto* plain = new TProgressBar(&form);
  plain->SetMax(20);
  plain->SetStep(7);
  plain->SetPosition(19);
  plain->StepIt();
  EXPECT_EQ(plain->Position(), windowed);
  EXPECT_LT(windowed, 19);
  // Positions survive a new window.
  bar->SetPosition(4);
  bar->SetSmooth(false);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 4);
  bar->StepBy(100);
  EXPECT_EQ(bar->Position(), 20);
}

namespace {
// Paints the gauge into a white 32-bit bitmap and reads pixels back.
class GaugePicture {
 public:
  explicit GaugePicture(TGauge* gauge) : w_(gauge->Width()), h_(gauge->Height()) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w_, -h_, 1, 32, BI_RGB};
    dc_ = CreateCompatibleDC(nullptr);
    bmp_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bmp_);
    gauge->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc_), 0);
    GdiFlush();
  }
  ~GaugePicture() {
    SelectObject(dc_, old_);
    DeleteObject(bmp_);
    DeleteDC(dc_);
  }
  COLORREF At(int x, int y) const {
    uint32_t p = bits_[y * w_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
  uint32_t* bits_ = nullptr;
};
}  // namespace

TEST(Gauge, ProgressIsClampedAndDrawnInTheForeColor) {
  TForm form(nullptr);
  auto* gauge = new TGauge(&form);
  gauge->SetParent(&form);
  gauge->SetBounds(0, 0, 200, 40);
  gauge->SetForeColor(clBlue);
  gauge->SetBackColor(clWhite);
  // 160 steps on a gauge of 100 stop at 100.
  for (int i = 0; i < 160; ++i) gauge->AddProgress(1);
  EXPECT_EQ(gauge->Progress(), 100);
  EXPECT_EQ(gauge->PercentDone(), 100);
  gauge->SetProgress(-3);
  EXPECT_EQ(gauge->Progress(), 0);

  struct Case {
    TGaugeKind kind;
    int progress;
    POINT done, open;  // a point inside the part done, one outside it (both away from the text)
  } cases[] = {
      {TGaugeKind::gkHorizontalBar, 50, {20, 20}, {180, 20}},
      {TGaugeKind::gkHorizontalBar, 25, {10, 5}, {120, 5}},
      {TGaugeKind::gkVerticalBar, 50, {10, 35}, {10, 5}},
      {TGaugeKind::gkPie, 25, {110, 10}, {90, 10}},
  };
  for (const Case& c : cases) {
    gauge->SetKind(c.kind);
    gauge->SetProgress(c.progress);
    GaugePicture picture(gauge);
    EXPECT_EQ(picture.At(c.done.x, c.done.y), RGB(0, 0, 255)) << static_cast<int>(c.kind) << " at " << c.progress;
    EXPECT_EQ(picture.At(c.open.x, c.open.y), RGB(255, 255, 255)) << static_cast<int>(c.kind) << " at " << c.progress;
    EXPECT_EQ(picture.At(0, 0), RGB(0, 0, 0)) << "the single border";
  }
  // Nothing done: no fore colour anywhere on the bar's row away from the text.
  gauge->SetKind(TGaugeKind::gkHorizontalBar);
  gauge->SetProgress(0);
  gauge->SetBorderStyle(TBorderStyle::bsNone);
  GaugePicture empty(gauge);
  for (int x = 0; x < 200; x += 10) EXPECT_EQ(empty.At(x, 3), RGB(255, 255, 255)) << x;
}
