// The paint box hands its parent's painting to OnPaint at its own origin; shapes fill and
// outline the figure their Shape names (pixel probes of the parent's painting).
#include <gtest/gtest.h>

#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/graphic_controls.h"
#include "gui_test_support.h"

TEST(PaintBox, OnPaintDrawsAtTheBoxOrigin) {
  TForm form(nullptr);
  auto* box = new TPaintBox(&form);
  box->SetParent(&form);
  box->SetBounds(10, 20, 30, 30);
  int paints = 0;
  box->OnPaint = [&](TObject* sender) {
    ++paints;
    TCanvas& canvas = static_cast<TPaintBox*>(sender)->Canvas();
    canvas.Brush().Color = clRed;
    canvas.FillRect(Rect(0, 0, 5, 5));
  };
  Surface surface(60, 60, RGB(0, 0, 0));
  form.PaintControls(surface.dc());
  EXPECT_EQ(paints, 1);
  ExpectColour(surface.At(10, 20), RGB(255, 0, 0));
  ExpectColour(surface.At(14, 24), RGB(255, 0, 0));
  ExpectColour(surface.At(15, 25), RGB(0, 0, 0));
  ExpectColour(surface.At(9, 19), RGB(0, 0, 0));
}

TEST(Shape, FillsAndOutlinesItsFigure) {
  TForm form(nullptr);
  ReadForm(&form,
           L"object Form1: TForm\n"
           L"  object shp: TShape\n"
           L"    Width = 40\n"
           L"    Height = 20\n"
           L"    Brush.Color = clLime\n"
           L"    Pen.Color = clBlue\n"
           L"    Pen.Width = 2\n"
           L"  end\n"
           L"end\n",
           L"shape.dfm", nullptr);
  auto* shape = dynamic_cast<TShape*>(form.FindComponent(L"shp"));
  ASSERT_NE(shape, nullptr);
  struct Case {
    TShapeType type;
    POINT inside, corner;  // a point of the fill, and the top-left corner
    COLORREF cornerColour;
  };
  const Case cases[] = {
      {TShapeType::stRectangle, {20, 10}, {0, 0}, RGB(0, 0, 255)},
      {TShapeType::stEllipse, {20, 10}, {1, 1}, RGB(0, 0, 0)},
      {TShapeType::stCircle, {20, 10}, {2, 2}, RGB(0, 0, 0)},
      {TShapeType::stSquare, {20, 10}, {2, 2}, RGB(0, 0, 0)},  // 20 x 20 in the middle: x from 10
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.type));
    shape->SetShape(c.type);
    Surface surface(40, 20, RGB(0, 0, 0));
    form.PaintControls(surface.dc());
    ExpectColour(surface.At(c.inside.x, c.inside.y), RGB(0, 255, 0));
    ExpectColour(surface.At(c.corner.x, c.corner.y), c.cornerColour);
  }
  shape->Brush()->Style = TBrushStyle::bsClear;
  shape->SetShape(TShapeType::stRectangle);
  Surface surface(40, 20, RGB(0, 0, 0));
  form.PaintControls(surface.dc());
  ExpectColour(surface.At(20, 10), RGB(0, 0, 0));
  ExpectColour(surface.At(0, 10), RGB(0, 0, 255));
}

TEST(Canvas, PenStylesBreakTheLineAndLeaveTheGaps) {
  struct Case {
    TPenStyle style;
    bool broken;
  };
  for (const Case& c : {Case{TPenStyle::psSolid, false}, Case{TPenStyle::psDash, true}, Case{TPenStyle::psDot, true}}) {
    SCOPED_TRACE(static_cast<int>(c.style));
    Surface surface(80, 3, RGB(0, 255, 0));
    TCanvas canvas(surface.dc());
    canvas.Pen().Color = clBlue;
    canvas.Pen().Style = c.style;
    canvas.MoveTo(0, 1);
    canvas.LineTo(80, 1);
    int drawn = 0, gaps = 0;
    for (int x = 0; x < 80; ++x) {
      const COLORREF pixel = surface.At(x, 1);
      if (pixel == RGB(0, 0, 255)) ++drawn;
      else if (pixel == RGB(0, 255, 0)) ++gaps;
    }
    EXPECT_EQ(drawn + gaps, 80);  // nothing but the line's colour and what was there before
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(gaps > 0, c.broken);
    ExpectColour(surface.At(10, 0), RGB(0, 255, 0));
  }
}

TEST(Canvas, PenStyleIsReadFromFormFiles) {
  TForm form(nullptr);
  ReadForm(&form,
           L"object Form1: TForm\n"
           L"  object shp: TShape\n"
           L"    Pen.Style = psDot\n"
           L"  end\n"
           L"end\n",
           L"test.dfm", nullptr);
  auto* shape = dynamic_cast<TShape*>(form.FindComponent(L"shp"));
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Pen()->Style, TPenStyle::psDot);
}
