// The progress and track-bar skinners on real controls with the synthetic test skin (one colour
// per element frame): where each frame lands is checked against what the controls report
// (range, thumb and channel rectangles), never against fixed pixels.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui/edits.h"
#include "gui/forms.h"
#include "gui/memory_dc.h"
#include "gui/progress.h"
#include "gui/sliders.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "skin/bar_rules.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_progress.h"
#include "skin/skin_track_bar.h"
#include "skin/skinner_kinds.h"
#include "synthetic_skin.h"

namespace {

class SkinBarsTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(40, 40, 420, 320);
    form->Handle();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    ASSERT_TRUE(data->Elements.Progress);
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    const TSkinElements& e = data->Elements;
    troughColour = synthetic->Colour(e.Progress.get(), 1);
    barColour = synthetic->Colour(e.Progress.get(), 2);
    thumbColour = synthetic->Colour(e.TrackbarThumbHorz.get(), 2);
    thumbVertColour = synthetic->Colour(e.TrackbarThumbVert.get(), 2);
    trackColour = synthetic->Colour(e.Track.get());
    trackVertColour = synthetic->Colour(e.TrackVert.get());
    chunkColour = synthetic->Colour(e.ProgressChunk.get());
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  template <typename T>
  T* Place(int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  // The skinner the discovery's table makes for that kind, attached to the control.
  TSkinControl* Skin(TControl* control, TSkinnerKind kind) {
    TSkinControl* skinner = MakeSkinner(kind, control, TSkinDecision{});
    EXPECT_NE(skinner, nullptr);
    if (skinner) skinner->AttachControl(skinForm, data, nullptr, false);
    return skinner;
  }
  // A skinned progress bar with that range and position.
  TProgressBar* Bar(int width, int height, int min, int max, int position, bool vertical = false) {
    auto* bar = Place<TProgressBar>(10, 10, width, height);
    if (vertical) bar->SetOrientation(TProgressBarOrientation::pbVertical);
    bar->SetMin(min);
    bar->SetMax(max);
    bar->SetPosition(position);
    Skin(bar, TSkinnerKind::Progress);
    return bar;
  }
  // The bar's skin painted into a surface of its size through its WM_PAINT.
  static std::unique_ptr<Surface> Painted(TProgressBar* bar) {
    const SIZE s = SizeOf(bar->Handle());
    auto surface = std::make_unique<Surface>(s.cx, s.cy, RGB(1, 2, 3));
    SendMessageW(bar->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface->dc()), 0);
    return surface;
  }
  static SIZE SizeOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinForm = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
  // The frames the skinners draw: trough and bar, the thumbs' second frame, the channels, a chunk.
  COLORREF troughColour = 0, barColour = 0, thumbColour = 0, thumbVertColour = 0, trackColour = 0, trackVertColour = 0, chunkColour = 0;
};

TEST_F(SkinBarsTest, TheTableMakesBothSkinners) {
  auto* bar = Place<TProgressBar>(10, 10, 200, 20);
  auto* track = Place<TTrackBar>(10, 40, 200, 40);
  EXPECT_NE(dynamic_cast<TSkinProgress*>(Skin(bar, TSkinnerKind::Progress)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinTrackBar*>(Skin(track, TSkinnerKind::TrackBar)), nullptr);
}

// The bar's share of the range is what the lower limit leaves: 50..150 at 100 is half.
TEST_F(SkinBarsTest, AHorizontalBarFillsItsShareOfTheRangeFromTheLeft) {
  TProgressBar* bar = Bar(200, 20, 50, 150, 100);
  const SIZE s = SizeOf(bar->Handle());
  const int filled = ProgressFillLength(s.cx, 100, 50, 150);
  ASSERT_EQ(filled, s.cx / 2);
  auto surface = Painted(bar);
  const int y = s.cy / 2;
  ExpectColour(surface->At(filled / 2, y), barColour);
  ExpectColour(surface->At(filled - 5, y), barColour);
  ExpectColour(surface->At(filled + 5, y), troughColour);
  ExpectColour(surface->At((filled + s.cx) / 2, y), troughColour);
}

TEST_F(SkinBarsTest, AtTheLowerLimitOnlyTheTroughShows) {
  TProgressBar* bar = Bar(200, 20, 50, 150, 50);
  const SIZE s = SizeOf(bar->Handle());
  auto surface = Painted(bar);
  for (int x = 4; x < s.cx - 4; x += 10) ExpectColour(surface->At(x, s.cy / 2), troughColour);
}

TEST_F(SkinBarsTest, AVerticalBarFillsFromTheBottom) {
  TProgressBar* bar = Bar(20, 200, 0, 100, 25, true);
  const SIZE s = SizeOf(bar->Handle());
  const int filled = ProgressFillLength(s.cy, 25, 0, 100);
  auto surface = Painted(bar);
  const int x = s.cx / 2;
  ExpectColour(surface->At(x, s.cy - filled / 2), barColour);
  ExpectColour(surface->At(x, s.cy - filled + 5), barColour);
  ExpectColour(surface->At(x, s.cy - filled - 5), troughColour);
  ExpectColour(surface->At(x, (s.cy - filled) / 2), troughColour);
}

// The chunk look measures the same share as the bar look (not position / upper).
TEST_F(SkinBarsTest, TheChunkLookFillsTheSameShare) {
  // A chunk-look skin's trough picture is one frame: the first.
  TDataSkinBorder& progress = *data->Elements.Progress;
  TBitmap trough(progress.Image.Width() / 2, progress.Image.Height());
  {
    TBitmapDC from(progress.Image.Handle()), to(trough.Handle());
    BitBlt(to, 0, 0, trough.Width(), trough.Height(), from, 0, 0, SRCCOPY);
  }
  progress.Image = trough;
  progress.Style = 1;
  progress.Frame = 1;
  TProgressBar* bar = Bar(200, 20, 50, 150, 100);
  const SIZE s = SizeOf(bar->Handle());
  const int filled = ProgressFillLength(s.cx, 100, 50, 150);
  const TDataSkinObject& chunk = *data->Elements.ProgressChunk;
  const int start = chunk.LeftWidth + 2, pitch = chunk.Image.Width();
  auto surface = Painted(bar);
  const int y = s.cy / 2;
  int chunkPixelsAfter = 0;
  for (int x = start + 1; x < start + filled - pitch; x += pitch) ExpectColour(surface->At(x, y), chunkColour);
  for (int x = start + filled + 1; x < s.cx - 4; ++x)
    if (surface->At(x, y) == chunkColour) ++chunkPixelsAfter;
  EXPECT_EQ(chunkPixelsAfter, 0);
}

TEST_F(SkinBarsTest, ThePaintOnScreenIsTheSkins) {
  TProgressBar* bar = Bar(200, 20, 0, 100, 40);
  form->Show();
  UpdateWindow(form->Handle());
  Pump(50);
  const SIZE s = SizeOf(bar->Handle());
  const int filled = ProgressFillLength(s.cx, 40, 0, 100);
  HDC dc = GetDC(bar->Handle());
  ExpectColour(GetPixel(dc, filled / 2, s.cy / 2), barColour);
  ExpectColour(GetPixel(dc, (filled + s.cx) / 2, s.cy / 2), troughColour);
  ReleaseDC(bar->Handle(), dc);
}

class TrackProbe {
 public:
  explicit TrackProbe(TTrackBar* track) : w_(track->Handle()) {
    SendMessageW(w_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageW(w_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    RECT client;
    GetClientRect(w_, &client);
    surface = std::make_unique<Surface>(client.right, client.bottom, RGB(1, 2, 3));
    SendMessageW(w_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface->dc()), PRF_CLIENT | PRF_ERASEBKGND);
  }
  COLORREF At(int x, int y) const { return surface->At(x, y); }
  RECT thumb{}, channel{};

 private:
  HWND w_;
  std::unique_ptr<Surface> surface;
};

// Where the skinner puts a track image across a channel span: centred when it is thinner.
int TrackImageStart(int start, int span, int thickness) {
  return thickness < span ? start + (span - thickness) / 2 : start;
}

// Both orientations: the thumb's second frame fills the thumb rectangle the control reports, and
// the channel art lies along the reported channel, read by its shape, beyond the thumb.
TEST_F(SkinBarsTest, TheSkinsChannelAndThumbGoWhereTheControlSaysTheyAre) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    auto* track = vertical ? Place<TTrackBar>(10, 10, 44, 240) : Place<TTrackBar>(10, 10, 240, 44);
    if (vertical) track->SetOrientation(TTrackBarOrientation::trVertical);
    track->SetPosition(3);
    Skin(track, TSkinnerKind::TrackBar);
    TrackProbe probe(track);
    const RECT& t = probe.thumb;
    ExpectColour(probe.At((t.left + t.right) / 2, (t.top + t.bottom) / 2), vertical ? thumbVertColour : thumbColour);
    const RECT c = TrackChannelRect(probe.channel, vertical);
    if (vertical) {
      ASSERT_GT(c.bottom - c.top, c.right - c.left);
      const int w = data->Elements.TrackVert->Image.Width();
      ExpectColour(probe.At(TrackImageStart(c.left, c.right - c.left, w) + w / 2, (t.bottom + c.bottom) / 2), trackVertColour);
    } else {
      const int h = data->Elements.Track->Image.Height();
      ExpectColour(probe.At((t.right + c.right) / 2, TrackImageStart(c.top, c.bottom - c.top, h) + h / 2), trackColour);
    }
    delete track;
  }
}

TEST_F(SkinBarsTest, ATrackBarWithoutThumbArtGetsAWhiteThumb) {
  data->Elements.TrackbarThumbHorz.reset();
  data->Elements.TrackbarThumbVert.reset();
  auto* track = Place<TTrackBar>(10, 10, 240, 44);
  Skin(track, TSkinnerKind::TrackBar);
  TrackProbe probe(track);
  const RECT& t = probe.thumb;
  ExpectColour(probe.At((t.left + t.right) / 2, (t.top + t.bottom) / 2), RGB(255, 255, 255));
}

TEST_F(SkinBarsTest, ASkinChangeRepaintsTheTrackBarAndLeavesTheFocusAlone) {
  auto* edit = Place<TEdit>(10, 100, 100, 22);
  auto* track = Place<TTrackBar>(10, 10, 240, 44);
  TSkinControl* skinner = Skin(track, TSkinnerKind::TrackBar);
  form->Show();
  edit->SetFocus();
  Pump(50);
  ASSERT_EQ(GetFocus(), edit->Handle());
  ValidateRect(track->Handle(), nullptr);
  MessageRecorder focus(track);
  skinner->SkinChanged();
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_FALSE(focus.Saw(WM_SETFOCUS));
  EXPECT_TRUE(GetUpdateRect(track->Handle(), nullptr, FALSE));
}

}  // namespace
