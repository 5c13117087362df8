// The push buttons' decisions and the strip arithmetic as tables: which frame a state shows,
// where a frame lies in its strip (odd counts and indexes kept inside), where a bit button's
// glyph and caption go, and the caption and reading-order rules.
#include "skin/button_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonRules, StripFramesStayInsideTheStrip) {
  struct Case {
    int width, frames, frame;
    RECT cell;
  } cases[] = {
      {64, 4, 2, {16, 0, 32, 10}},   // frame 2 of 4 on 64 pixels: columns 16 to 31
      {64, 4, 1, {0, 0, 16, 10}},
      {64, 4, 4, {48, 0, 64, 10}},
      {64, 4, 9, {48, 0, 64, 10}},   // past the end: the last frame
      {64, 4, 0, {0, 0, 16, 10}},    // before the start: the first
      {64, 4, -3, {0, 0, 16, 10}},
      {64, 0, 1, {0, 0, 64, 10}},    // no count: one frame, the whole image
      {64, -2, 3, {0, 0, 64, 10}},
      {65, 2, 2, {32, 0, 64, 10}},   // the width divided whole; the odd column is never used
  };
  for (const Case& c : cases) {
    RECT r = StripCell(c.width, 10, c.frames, c.frame);
    EXPECT_EQ(r.left, c.cell.left) << c.frames << " " << c.frame;
    EXPECT_EQ(r.right, c.cell.right) << c.frames << " " << c.frame;
    EXPECT_EQ(r.bottom, 10);
  }
  EXPECT_EQ(StripFrames(0), 1);
  EXPECT_EQ(StripFrame(6, 5), 5);
}

TEST(ButtonRules, FaceFrames) {
  struct Case {
    const char* name;
    TButtonFaceState state;
    int frame;
  } cases[] = {
      {"normal", {true, false, false, false, false}, kFaceNormal},
      {"pressed", {true, true, true, true, false}, kFacePressed},
      {"mouse over", {true, false, true, false, false}, kFaceHot},
      {"focused", {true, false, false, true, false}, kFaceFocused},
      {"default without the focus", {true, false, false, false, true}, kFaceFocused},
      {"disabled default", {false, false, false, false, true}, kFaceDisabled},
      {"disabled under the mouse", {false, true, true, true, true}, kFaceDisabled},
  };
  for (const Case& c : cases) EXPECT_EQ(ButtonFaceFrame(c.state), c.frame) << c.name;
  EXPECT_EQ(GlyphFrameOfFace(kFacePressed), 3);
  EXPECT_EQ(GlyphFrameOfFace(kFaceDisabled), 2);
  for (int face : {kFaceNormal, kFaceHot, kFaceFocused}) EXPECT_EQ(GlyphFrameOfFace(face), 1);
}

TEST(ButtonRules, VendorsButtonsThatRunTheirOwnMouseDown) {
  EXPECT_EQ(ButtonMouseMode(L"TRzButton"), 1);
  EXPECT_EQ(ButtonMouseMode(L"TElPopupButton"), 1);
  EXPECT_EQ(ButtonMouseMode(L"tRZBitBtn"), 1);
  EXPECT_EQ(ButtonMouseMode(L"TButton"), 0);
  EXPECT_EQ(ButtonMouseMode(L"Tr"), 0);
}

TEST(ButtonRules, TransparentByTagOrBySkin) {
  struct Case {
    int tag;
    bool skinTransparent, transparent;
  };
  const Case cases[] = {
      {kTransparentTag, false, true}, {0, true, true}, {kTransparentTag, true, true},
      {0, false, false},              {kTransparentTag - 1, false, false},
  };
  for (const Case& c : cases) EXPECT_EQ(DrawsTransparent(c.tag, c.skinTransparent), c.transparent) << c.tag;
}

TEST(ButtonRules, CaptionsAndReadingOrder) {
  EXPECT_EQ(ReplaceFirst(L"Scan||now", L"||", L"\r\n"), L"Scan\r\nnow");
  EXPECT_EQ(ReplaceFirst(L"a||b||c", L"||", L"\r\n"), L"a\r\nb||c");
  EXPECT_EQ(ReplaceFirst(L"plain", L"||", L"\r\n"), L"plain");
  EXPECT_EQ(ReplaceFirst(L"", L"||", L"\r\n"), L"");
  EXPECT_EQ(RtlFormat(DT_CENTER, L"bdRightToLeft"), static_cast<UINT>(DT_CENTER | DT_RTLREADING));
  EXPECT_EQ(RtlFormat(DT_CENTER, L"bdRightToLeftNoAlign"), static_cast<UINT>(DT_CENTER));
  EXPECT_EQ(RtlFormat(DT_CENTER, L"bdRightToLeftReadingOnly"), static_cast<UINT>(DT_CENTER));
  EXPECT_EQ(RtlFormat(0, L""), 0u);
}

TEST(ButtonRules, GlyphLayouts) {
  // A 100 x 30 button, a 16 x 16 glyph, a 40 x 14 caption unless a case says otherwise.
  struct Case {
    const char* name;
    int layout, margin, spacing;
    SIZE text;
    bool alignCentre;
    POINT glyph, textAt;
    UINT extra;
  } cases[] = {
      // Margin -1, spacing 4: centred together, the margin half of the free width.
      {"left, centred", kGlyphLeft, -1, 4, {40, 14}, false, {20, 7}, {40, 8}, 0},
      {"left, margin 2", kGlyphLeft, 2, 4, {40, 14}, false, {2, 7}, {22, 8}, 0},
      // Spacing -1: the text centred in what the glyph and margin leave.
      {"left, margin 2, spacing -1", kGlyphLeft, 2, -1, {40, 14}, false, {2, 7}, {39, 8}, 0},
      {"left, both -1: thirds", kGlyphLeft, -1, -1, {40, 14}, false, {14, 7}, {44, 8}, 0},
      {"right, centred", kGlyphRight, -1, 4, {40, 14}, false, {64, 7}, {20, 8}, DT_RIGHT},
      {"top, margin 1", kGlyphTop, 1, 0, {40, 12}, false, {42, 1}, {30, 17}, DT_CENTER},
      {"bottom, centred", kGlyphBottom, -1, 0, {40, 12}, false, {42, 13}, {30, 1}, DT_CENTER},
      // "taCenter" centres whatever the margin says.
      {"left, margin 2 but centred", kGlyphLeft, 2, 4, {40, 14}, true, {20, 7}, {40, 8}, 0},
      // No caption: the spacing counts as 0.
      {"left, no caption", kGlyphLeft, -1, 4, {0, 0}, false, {42, 7}, {58, 15}, 0},
  };
  for (const Case& c : cases) {
    TGlyphLayoutInput in;
    in.Client = {100, 30};
    in.Glyph = {16, 16};
    in.Text = c.text;
    in.Margin = c.margin;
    in.Spacing = c.spacing;
    in.Layout = c.layout;
    in.AlignCentre = c.alignCentre;
    TGlyphPlacement p = PlaceGlyphAndText(in);
    EXPECT_EQ(p.Glyph.x, c.glyph.x) << c.name;
    EXPECT_EQ(p.Glyph.y, c.glyph.y) << c.name;
    EXPECT_EQ(p.Text.x, c.textAt.x) << c.name;
    EXPECT_EQ(p.Text.y, c.textAt.y) << c.name;
    EXPECT_EQ(p.ExtraFormat, c.extra) << c.name;
  }
  EXPECT_EQ(GlyphLayoutOf(L"blglyphbottom"), kGlyphBottom);
  EXPECT_EQ(GlyphLayoutOf(L"blglyphtop"), kGlyphTop);
  EXPECT_EQ(GlyphLayoutOf(L"blglyphright"), kGlyphRight);
  EXPECT_EQ(GlyphLayoutOf(L""), kGlyphLeft);  // no Layout property: glyph left
}

TEST(ButtonRules, SpeedButtonsMarginOneMoreForAGivenSpacing) {
  TGlyphLayoutInput in;
  in.Client = {100, 30};
  in.Glyph = {16, 16};
  in.Text = {40, 14};
  in.Margin = -1;
  in.Spacing = 4;
  in.WiderMargin = true;
  TGlyphPlacement p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.Glyph.x, 21);  // (100 - 60) / 2 + 1
  EXPECT_EQ(p.Text.x, 41);
  in.Spacing = -1;  // thirds: no extra pixel
  EXPECT_EQ(PlaceGlyphAndText(in).Glyph.x, 14);
}

TEST(ButtonRules, MenuAndSpeedButtonFaces) {
  struct MenuCase {
    const char* name;
    TButtonFaceState state;
    int frame;
  } menu[] = {
      {"normal", {true, false, false, false, false}, kFaceNormal},
      {"focused looks hot", {true, false, false, true, false}, kFaceHot},
      {"default has no look of its own", {true, false, false, false, true}, kFaceNormal},
      {"hot", {true, false, true, false, false}, kFaceHot},
      {"pressed", {true, true, true, true, false}, kFacePressed},
      {"disabled", {false, true, true, true, true}, kFaceDisabled},
  };
  for (const MenuCase& c : menu) EXPECT_EQ(MenuButtonFaceFrame(c.state), c.frame) << c.name;

  struct SpeedCase {
    const char* name;
    TSpeedFaceState state;
    bool flat;
    int face, glyph;
    bool faceShown;
  } speed[] = {
      {"normal", {false, true, false, false}, false, kFaceNormal, 1, true},
      {"flat normal: background only", {false, true, false, false}, true, kFaceNormal, 1, false},
      {"flat hot", {false, true, false, true}, true, kFaceHot, 1, true},
      {"flat pressed", {false, true, true, true}, true, kFacePressed, 3, true},
      {"down", {true, true, false, false}, true, kFacePressed, 4, true},
      {"down and disabled", {true, false, false, false}, false, kFacePressed, 4, true},
      {"disabled", {false, false, true, true}, false, kFaceDisabled, 2, true},
      {"flat disabled", {false, false, false, false}, true, kFaceDisabled, 2, false},
  };
  for (const SpeedCase& c : speed) {
    const int face = SpeedButtonFaceFrame(c.state);
    EXPECT_EQ(face, c.face) << c.name;
    EXPECT_EQ(SpeedButtonGlyphFrame(face, c.state.Down), c.glyph) << c.name;
    EXPECT_EQ(SpeedButtonShowsFace(face, c.flat), c.faceShown) << c.name;
  }
}

TEST(ButtonRules, MenuButtonLayouts) {
  // A 100 x 30 button, a 16 x 16 glyph and a 40 x 14 caption: 36 pixels left beside the arrow.
  struct Case {
    const char* name;
    int margin, spacing;
    SIZE glyph;
    POINT glyphAt, textAt, arrow;
  } cases[] = {
      {"both -1: a quarter each", -1, -1, {16, 16}, {9, 7}, {34, 8}, {92, 13}},
      {"spacing 4 given", -1, 4, {16, 16}, {14, 7}, {34, 8}, {82, 13}},
      {"margin 2 given", 2, -1, {16, 16}, {2, 7}, {42, 8}, {130, 13}},
      {"both given", 3, 5, {16, 16}, {3, 7}, {24, 8}, {74, 13}},
      {"no glyph", -1, -1, {0, 0}, {13, 15}, {26, 8}, {92, 13}},
  };
  for (const Case& c : cases) {
    TMenuButtonInput in;
    in.Client = {100, 30};
    in.Glyph = c.glyph;
    in.Text = {40, 14};
    in.Margin = c.margin;
    in.Spacing = c.spacing;
    const TMenuButtonPlacement p = PlaceMenuButton(in);
    EXPECT_EQ(p.Glyph.x, c.glyphAt.x) << c.name;
    EXPECT_EQ(p.Glyph.y, c.glyphAt.y) << c.name;
    EXPECT_EQ(p.Text.x, c.textAt.x) << c.name;
    EXPECT_EQ(p.Text.y, c.textAt.y) << c.name;
    EXPECT_EQ(p.Arrow.x, c.arrow.x) << c.name;
    EXPECT_EQ(p.Arrow.y, c.arrow.y) << c.name;
  }
}

TEST(ButtonRules, CheckAndRadioFrames) {
  struct Case {
    const char* name;
    UINT buttonState;
    const wchar_t* state;
    bool disabled;
    int frames;
    int frame;
  } cases[] = {
      {"unchecked", 0, L"cbunchecked", false, 4, 1},
      {"checked", BST_CHECKED, L"cbchecked", false, 4, 2},
      {"unchecked disabled", 0, L"cbunchecked", true, 4, 3},
      {"checked disabled", BST_CHECKED, L"cbchecked", true, 4, 4},
      {"greyed", BST_INDETERMINATE, L"cbgrayed", false, 4, 4},
      {"greyed disabled stays in the strip", BST_INDETERMINATE, L"cbgrayed", true, 4, 4},
      {"twelve: unchecked", 0, L"cbunchecked", false, 12, 1},
      {"twelve: checked", BST_CHECKED, L"cbchecked", false, 12, 5},
      {"twelve: unchecked disabled", 0, L"cbunchecked", true, 12, 4},
      {"twelve: checked disabled", BST_CHECKED, L"cbchecked", true, 12, 8},
      {"twelve: greyed", BST_INDETERMINATE, L"cbgrayed", false, 12, 9},
      {"twelve: greyed disabled", BST_INDETERMINATE, L"cbgrayed", true, 12, 12},
      {"the property wins over the window", BST_CHECKED, L"cbunchecked", false, 4, 1},
      {"a two-frame strip keeps its frames", BST_CHECKED, L"cbchecked", true, 2, 2},
  };
  for (const Case& c : cases) {
    TCheckFrameInput in;
    in.ButtonState = c.buttonState;
    in.HasControl = true;
    in.State = c.state;
    in.Disabled = c.disabled;
    in.Frames = c.frames;
    EXPECT_EQ(CheckBoxFrame(in), c.frame) << c.name;
  }
  // A plain window by its button state; a data-aware box by its last BM_SETCHECK.
  TCheckFrameInput plain;
  plain.ButtonState = BST_CHECKED;
  EXPECT_EQ(CheckBoxFrame(plain), 2);
  TCheckFrameInput data;
  data.HasControl = true;
  data.Checked = L"false";
  data.HasDataField = true;
  data.CheckState = 3;
  EXPECT_EQ(CheckBoxFrame(data), 4);
  data.HasDataBinding = true;
  EXPECT_EQ(CheckBoxFrame(data), 1);

  EXPECT_EQ(RadioButtonFrame(false, false, 4), 1);
  EXPECT_EQ(RadioButtonFrame(true, false, 4), 2);
  EXPECT_EQ(RadioButtonFrame(true, true, 4), 4);
  EXPECT_EQ(RadioButtonFrame(true, true, 8), 8);
  EXPECT_EQ(RadioButtonFrame(false, true, 8), 4);
  EXPECT_EQ(RadioButtonFrame(true, false, 8), 5);
  EXPECT_EQ(RadioButtonFrame(true, true, 0), 1);  // no count: one frame
}

}  // namespace
