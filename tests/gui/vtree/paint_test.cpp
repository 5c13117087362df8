// Painting into a memory DC, probed away from any text: owner-drawn 49-pixel rows at their
// offsets, grid lines, the blended selection colour, the header and check boxes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>

#include "gui/memory_dc.h"
#include "gui/pictures.h"
#include "gui_test_support.h"
#include "tree_fixture.h"

namespace {
constexpr COLORREF kMark = RGB(0, 160, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

bool Near(COLORREF a, COLORREF b, int tolerance = 2) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The registry results' layout: no header, an empty first column, the owner-drawn main column.
class Paint : public ::testing::Test {
 protected:
  void SetUp() override {
    tree->SetColor(clWhite);
    tree->SetDefaultNodeHeight(49);
    TVirtualTreeColumn* hidden = tree->Header()->Columns()->Add();
    hidden->SetWidth(0);
    tree->Header()->Columns()->Add()->SetWidth(300);
    tree->Header()->Columns()->Add()->SetWidth(100);
    tree->Header()->SetMainColumn(1);
    tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode, PVirtualNode node, TVirtualNodeInitStates&) {
      node->CheckType = TCheckType::ctCheckBox;
    };
    tree->OnDrawNode = [this](TBaseVirtualTree*, const TVTPaintInfo& info) {
      drawn.push_back(info.Column);
      if (info.Column != 1) return;
      // A mark where a page puts its first line, and the page's own line at the row's bottom.
      SetDCBrushColor(info.Canvas->Handle(), kMark);
      TRect mark = Bounds(info.ContentRect.left + 10, info.ContentRect.top + 4, 6, 6);
      FillRect(info.Canvas->Handle(), &mark, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    };
    tree->SetRootNodeCount(10);
  }

  // Wide enough for both columns beside the vertical scroll bar.
  TreeFixture f{420, 240};
  TVirtualStringTree* tree = f.tree;
  std::vector<TColumnIndex> drawn;
};
}  // namespace

TEST_F(Paint, OwnerDrawnRowsSitAtTheirOffsets) {
  Snapshot s(tree);
  // Rows at 49-pixel steps; the fifth is cut off by the client area (240 < 5 * 49).
  for (int row = 0; row < 5; ++row) {
    TRect content = tree->CellLayout(f.Row(row), 1).Content;
    EXPECT_EQ(content.top, row * 49);
    EXPECT_EQ(s.Pixel(content.left + 12, row * 49 + 6), kMark) << row;
    EXPECT_EQ(s.Pixel(content.left + 12, row * 49 + 12), kWhite) << row;  // below the mark
    EXPECT_EQ(s.Pixel(content.left + 8, row * 49 + 6), kWhite) << row;
  }
  // Only the columns that are shown are drawn: the empty first one is not.
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 0), 0);
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 1), 5);
  // Scrolled by 30 pixels every row moves up by as much.
  tree->SetOffsetY(30);
  Snapshot scrolled(tree);
  TRect content = tree->CellLayout(f.Row(1), 1).Content;
  EXPECT_EQ(content.top, 49 - 30);
  EXPECT_EQ(scrolled.Pixel(content.left + 12, 49 - 30 + 6), kMark);
}

TEST_F(Paint, GridLinesLieOnTheRowAndColumnEdges) {
  tree->Colors()->SetGridLineColor(clRed);
  tree->TreeOptions()->SetPaintOptions({TVTPaintOption::toShowHorzGridLines, TVTPaintOption::toShowVertGridLines});
  Snapshot s(tree);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(s.Pixel(200, row * 49 + 48), RGB(255, 0, 0)) << row;
    EXPECT_EQ(s.Pixel(200, row * 49 + 47), kWhite) << row;
  }
  EXPECT_EQ(s.Pixel(299, 30), RGB(255, 0, 0));  // right edge of the main column
  EXPECT_EQ(s.Pixel(399, 30), RGB(255, 0, 0));
  EXPECT_EQ(s.Pixel(298, 30), kWhite);
}

TEST_F(Paint, FullColumnLinesRunBelowTheLastRow) {
  tree->Colors()->SetGridLineColor(clRed);
  tree->SetRootNodeCount(2);  // rows end at 98, the client area at 240
  for (bool full : {false, true}) {
    TVTPaintOptions options{TVTPaintOption::toShowVertGridLines};
    if (full) options.Include(TVTPaintOption::toFullVertGridLines);
    tree->TreeOptions()->SetPaintOptions(options);
    Snapshot s(tree);
    EXPECT_EQ(s.Pixel(299, 30), RGB(255, 0, 0)) << full;  // on a row: always
    EXPECT_EQ(s.Pixel(299, 200), full ? RGB(255, 0, 0) : kWhite) << full;
    EXPECT_EQ(s.Pixel(399, 200), full ? RGB(255, 0, 0) : kWhite) << full;
    EXPECT_EQ(s.Pixel(298, 200), kWhite) << full;
  }
}

TEST_F(Paint, TheSelectedRowIsBlendedWithTheSelectionColour) {
  const TColor kFocus = 14932172;
  tree->Colors()->SetFocusedSelectionColor(kFocus);
  tree->Colors()->SetUnfocusedSelectionColor(kFocus);  // the shared display may not give focus
  tree->SetDrawSelectionMode(TVTDrawSelectionMode::smBlendedRectangle);
  tree->TreeOptions()->SetSelectionOptions({TVTSelectionOption::toFullRowSelect});
  tree->TreeOptions()->SetPaintOptions({TVTPaintOption::toHideFocusRect});
  tree->SetSelected(f.Row(2), true);
  Snapshot s(tree);
  COLORREF c = ColorToRGB(kFocus);
  int a = tree->SelectionBlendFactor();
  auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
  COLORREF blended = RGB(mix(GetRValue(c), 255), mix(GetGValue(c), 255), mix(GetBValue(c), 255));
  EXPECT_TRUE(Near(s.Pixel(350, 2 * 49 + 25), blended)) << std::hex << s.Pixel(350, 2 * 49 + 25);
  EXPECT_TRUE(Near(s.Pixel(200, 2 * 49 + 40), blended));
  EXPECT_EQ(s.Pixel(350, 2 * 49), c);  // the frame in the plain colour
  EXPECT_EQ(s.Pixel(350, 1 * 49 + 25), kWhite);
  EXPECT_EQ(s.Pixel(350, 3 * 49 + 25), kWhite);
}

TEST_F(Paint, HeaderTakesTheTopAndPushesTheRowsDown) {
  tree->Header()->SetOptions({TVTHeaderOption::hoVisible});
  tree->Header()->SetHeight(20);
  Snapshot s(tree);
  EXPECT_EQ(tree->CellLayout(f.Row(0), 1).Content.top, 20);
  EXPECT_EQ(s.Pixel(150, 10), GetSysColor(COLOR_BTNFACE));
  TRect content = tree->CellLayout(f.Row(1), 1).Content;
  EXPECT_EQ(s.Pixel(content.left + 12, 20 + 49 + 6), kMark);
  EXPECT_EQ(tree->GetHitTestInfoAt(150, 10).HitPosition, THitPosition::hiOnHeader);
  EXPECT_EQ(tree->GetNodeAt(150, 20), f.Row(0));
}

TEST_F(Paint, CheckedAndUncheckedBoxesLookDifferent) {
  tree->SetCheckState(f.Row(1), TCheckState::csCheckedNormal);
  Snapshot s(tree);
  TRect unchecked = tree->CellLayout(f.Row(0), 1).CheckBox;
  TRect checked = tree->CellLayout(f.Row(1), 1).CheckBox;
  ASSERT_FALSE(IsRectEmpty(&checked));
  int dark = 0, differ = 0;
  for (int y = 2; y < Height(checked) - 2; ++y)
    for (int x = 2; x < Width(checked) - 2; ++x) {
      COLORREF a = s.Pixel(unchecked.left + x, unchecked.top + y), b = s.Pixel(checked.left + x, checked.top + y);
      if (a != b) ++differ;
      if (GetRValue(b) + GetGValue(b) + GetBValue(b) < 200) ++dark;
    }
  EXPECT_GT(differ, 5);
  EXPECT_GT(dark, 5);  // the tick
}

// The boxes are copied from pictures made once: each must be the frame control of its state.
TEST_F(Paint, CheckBoxesAreTheFrameControlsOfTheirStates) {
  tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode, PVirtualNode node, TVirtualNodeInitStates&) {
    node->CheckType = TCheckType::ctTriStateCheckBox;
  };
  tree->SetRootNodeCount(0);
  tree->SetRootNodeCount(3);
  tree->SetCheckState(f.Row(1), TCheckState::csCheckedNormal);
  tree->SetCheckState(f.Row(2), TCheckState::csMixedNormal);
  ASSERT_EQ(f.Row(2)->CheckState, TCheckState::csMixedNormal);
  Snapshot s(tree);
  const UINT states[] = {DFCS_BUTTONCHECK | DFCS_FLAT, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED,
                         DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT};
  for (int row = 0; row < 3; ++row) {
    TRect box = tree->CellLayout(f.Row(row), 1).CheckBox;
    TBitmap expected(Width(box), Height(box));
    TBitmapDC dc(expected.Handle());
    RECT r = {0, 0, Width(box), Height(box)};
    DrawFrameControl(dc, &r, DFC_BUTTON, states[row]);
    int differ = 0;
    for (int y = 0; y < Height(box); ++y)
      for (int x = 0; x < Width(box); ++x)
        if (s.Pixel(box.left + x, box.top + y) != GetPixel(dc, x, y)) ++differ;
    EXPECT_EQ(differ, 0) << row;
  }
}

// Rows lower than their check boxes keep the boxes inside them.
TEST_F(Paint, ALowRowClipsWhatIsTallerThanIt) {
  tree->SetDefaultNodeHeight(8);
  tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode, PVirtualNode node, TVirtualNodeInitStates&) {
    if (node->Index == 1) node->CheckType = TCheckType::ctCheckBox;  // the only box
  };
  tree->SetRootNodeCount(0);
  tree->SetRootNodeCount(10);
  tree->SetCheckState(f.Row(1), TCheckState::csCheckedNormal);
  tree->OnDrawNode = nullptr;
  tree->TreeOptions()->SetPaintOptions({});
  Snapshot s(tree);
  TRect box = tree->CellLayout(f.Row(1), 1).CheckBox;
  int inside = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = box.left; x < box.right; ++x) {
      bool row1 = y >= 8 && y < 16;
      if (!row1) EXPECT_EQ(s.Pixel(x, y), kWhite) << x << "," << y;
      if (row1 && s.Pixel(x, y) != kWhite) ++inside;
    }
  EXPECT_GT(inside, 0);
}

TEST_F(Paint, StateAndNormalImagesComeBeforeTheContent) {
  tree->SetStateImages(SolidImages(f.form, 24, {RGB(255, 0, 0)}));
  tree->SetImages(SolidImages(f.form, 16, {RGB(0, 0, 255), RGB(255, 255, 0)}));
  tree->OnGetImageIndex = [](TBaseVirtualTree*, PVirtualNode node, TVTImageKind kind, TColumnIndex column, bool&,
                             int& index) {
    if (column != 1) return;
    index = kind == TVTImageKind::ikState ? 0 : kind == TVTImageKind::ikNormal ? static_cast<int>(node->Index % 2) : -1;
  };
  Snapshot s(tree);
  for (int row = 0; row < 2; ++row) {
    TVTCellLayout l = tree->CellLayout(f.Row(row), 1);
    ASSERT_EQ(Width(l.StateImage), 24);
    ASSERT_EQ(Width(l.Image), 16);
    EXPECT_LE(l.CheckBox.right, l.StateImage.left);
    EXPECT_LE(l.StateImage.right, l.Image.left);
    EXPECT_LE(l.Image.right, l.Content.left);
    EXPECT_EQ(l.StateImage.top, row * 49 + (49 - 24) / 2);  // centred in the row
    EXPECT_EQ(s.Pixel(l.StateImage.left + 12, l.StateImage.top + 12), RGB(255, 0, 0));
    EXPECT_EQ(s.Pixel(l.Image.left + 8, l.Image.top + 8), row == 0 ? RGB(0, 0, 255) : RGB(255, 255, 0));
  }
  // No image in the other column: its content starts at its margin.
  TVTCellLayout other = tree->CellLayout(f.Row(0), 2);
  EXPECT_TRUE(IsRectEmpty(&other.Image));
  EXPECT_EQ(other.Content.left, other.Cell.left + tree->Margin());
}

namespace {
struct Span {
  int first, last;
};

// The columns of text pixels (darker than the background) in a band of the snapshot.
Span InkSpan(const Snapshot& s, int left, int right, int top, int bottom, COLORREF* colour) {
  int first = -1, last = -1;
  for (int x = left; x < right; ++x)
    for (int y = top; y < bottom; ++y) {
      COLORREF c = s.Pixel(x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) > 600) continue;
      if (first < 0) first = x;
      last = x;
      // The strongest ink tells the colour (edges are smoothed into the background).
      if (colour && (*colour == CLR_INVALID || GetRValue(c) + GetGValue(c) + GetBValue(c) <
                                                   GetRValue(*colour) + GetGValue(*colour) + GetBValue(*colour)))
        *colour = c;
    }
  return {first, last};
}
}  // namespace

TEST(PaintText, TextsFollowTheirColumnsAlignmentAndThePagesFont) {
  TreeFixture f(420, 200);
  TVirtualStringTree* tree = f.tree;
  tree->SetColor(clWhite);
  tree->TreeOptions()->SetPaintOptions({});
  for (TAlignment a : {TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify}) {
    TVirtualTreeColumn* c = tree->Header()->Columns()->Add();
    c->SetWidth(130);
    c->SetAlignment(a);
  }
  tree->OnGetText = [](TBaseVirtualTree*, PVirtualNode node, TColumnIndex, TVSTTextType, std::wstring& text) {
    text = node->Index == 1 ? L"A text far too long to fit into a column of this width" : L"WWW";
  };
  tree->OnPaintText = [](TBaseVirtualTree*, TCanvas& canvas, PVirtualNode node, TColumnIndex column, TVSTTextType) {
    if (column == 2 && node->Index == 0) canvas.Font().SetColor(clRed);
  };
  tree->SetRootNodeCount(2);
  Snapshot s(tree);
  int h = tree->DefaultNodeHeight();
  COLORREF colour = CLR_INVALID;
  auto left = InkSpan(s, 0, 130, 0, h, nullptr);
  auto centre = InkSpan(s, 130, 260, 0, h, nullptr);
  auto right = InkSpan(s, 260, 390, 0, h, &colour);
  ASSERT_GE(left.first, 0);
  EXPECT_LE(left.first, tree->Margin() + tree->TextMargin() + 2);
  EXPECT_NEAR((centre.first + centre.last) / 2, 130 + 65, 3);
  EXPECT_GE(right.last, 390 - tree->Margin() - tree->TextMargin() - 3);
  EXPECT_EQ(colour, RGB(255, 0, 0));  // the page's colour for that cell only
  COLORREF plain = CLR_INVALID;
  InkSpan(s, 130, 260, 0, h, &plain);
  EXPECT_NE(plain, RGB(255, 0, 0));
  // A text too long is cut at its column's edge.
  auto cut = InkSpan(s, 0, 130, h, 2 * h, nullptr);
  EXPECT_LT(cut.last, 130 - tree->TextMargin());
  EXPECT_GE(InkSpan(s, 130, 260, h, 2 * h, nullptr).first, 130 + tree->Margin() + tree->TextMargin());
}

// Texts of printable ASCII are measured from the font's character widths, read once; they must
// measure exactly as the device measures them, whatever the font.
TEST(PaintText, TextWidthsMatchTheDevice) {
  HDC dc = CreateCompatibleDC(nullptr);
  const wchar_t* const texts[] = {L"", L"W", L"file12345.tmp", L"C:\\Temp\\folder42\\", L"A text with blanks, (marks)!",
                                  L"~`|{}[]^_", L"Stra\u00dfe", L"\u4e2d\u6587 text"};
  struct Face {
    const wchar_t* name;
    int height;
    int weight;
    BOOL italic;
  } faces[] = {{L"Tahoma", -11, FW_NORMAL, FALSE}, {L"Tahoma", -11, FW_BOLD, FALSE},
               {L"Arial", -16, FW_NORMAL, TRUE}, {L"Courier New", -13, FW_NORMAL, FALSE}};
  for (const Face& face : faces) {
    HFONT font = CreateFontW(face.height, 0, 0, 0, face.weight, face.italic, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                             face.name);
    HGDIOBJ old = SelectObject(dc, font);
    TTextWidths widths;
    for (const wchar_t* text : texts) {
      SIZE device = {};
      GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &device);
      SIZE measured = widths.Measure(dc, text);
      EXPECT_EQ(measured.cx, device.cx) << face.name << " " << face.weight;
      EXPECT_EQ(measured.cy, device.cy) << face.name;
    }
    SelectObject(dc, old);
    DeleteObject(font);
    widths.Check();
  }
  DeleteDC(dc);
}
