// Push-button skinners on real windows with the synthetic test skin (one solid colour per
// element frame): the face each state shows, one click for a press and release on the button and none
// when the mouse left it first, a dialog push button's WM_COMMAND, and a bit button's glyph
// frames.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/status_bar.h"
#include "gui_test_support.h"
#include "skin/skin_button.h"
#include "skin/skin_check_box.h"
#include "skin/skin_menu_button.h"
#include "skin/skin_messages.h"
#include "skin/skin_speed_button.h"
#include "skin/skinner_kinds.h"
#include "synthetic_skin_test.h"

namespace {

// Another vendor's check box that reads right to left through a published BiDiMode.
class TBiDiCheckBox : public TCheckBox {
  QS_CLASS(TBiDiCheckBox)

 public:
  using TCheckBox::TCheckBox;
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value) { biDiMode_ = value; }

 private:
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};
const TClassInfo& TBiDiCheckBox::StaticClass() {
  static const TClassInfo info(L"TBiDiCheckBox", &TCheckBox::StaticClass(), nullptr,
                               {props::Enum(L"BiDiMode", BiDiModeInfo, &TBiDiCheckBox::BiDiMode,
                                            &TBiDiCheckBox::SetBiDiMode)});
  return info;
}

// Another vendor's speed button whose glyph is a picture property, "PngImage" (the style map
// sends its class name to the picture variant of the speed-button skinner).
class TPngSpeedButton : public TSpeedButton {
  QS_CLASS(TPngSpeedButton)

 public:
  using TSpeedButton::TSpeedButton;
  TPicture* PngImage() const { return png_.get(); }

 private:
  std::unique_ptr<TPicture> png_ = std::make_unique<TPicture>();
};
const TClassInfo& TPngSpeedButton::StaticClass() {
  static const TClassInfo info(L"TPngSpeedButton", &TSpeedButton::StaticClass(), nullptr,
                               {props::Object(L"PngImage", &TPngSpeedButton::PngImage)});
  return info;
}

constexpr COLORREF kGlyphUp = RGB(10, 20, 30), kGlyphDisabled = RGB(90, 80, 70), kKey = RGB(255, 0, 255);

class SkinButtonTest : public SyntheticSkinTest {
 protected:
  template <class T>
  T* Place(const wchar_t* caption) {
    auto* button = new T(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 90, 30);
    button->SetCaption(caption);
    button->OnClick = [this](TObject*) { ++clicks; };
    return button;
  }
  TSkinControl* Skin(TControl* control, TSkinnerKind kind) {
    TSkinDecision decision;
    decision.Kind = kind;
    TSkinControl* skinner = MakeSkinner(kind, control, decision);
    skinner->AttachControl(skinForm, data, nullptr, false);
    return skinner;
  }
  int clicks = 0;
};

TEST_F(SkinButtonTest, EachStateShowsItsFace) {
  TButton* button = Place<TButton>(L"Scan");
  Skin(button, TSkinnerKind::Button);
  HWND w = button->Handle();
  EXPECT_EQ(Probe(w), kNormal);
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Probe(w), kHot);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Probe(w), kPressed);
  SendMessageW(w, WM_MOUSELEAVE, 0, 0);
  ASSERT_EQ(GetFocus(), w);  // the press took the focus
  EXPECT_EQ(Probe(w), kFocusedFace);
  SetFocus(form->Handle());
  EXPECT_EQ(Probe(w), kNormal);
  button->SetDefault(true);
  EXPECT_EQ(Probe(w), kFocusedFace);  // a default button without the focus
  button->SetEnabled(false);
  EXPECT_EQ(Probe(w), kDisabled);     // disabled wins over default
}

TEST_F(SkinButtonTest, PressAndReleaseClicksOnceAndLeavingFirstCancels) {
  TButton* button = Place<TButton>(L"Clean");
  Skin(button, TSkinnerKind::Button);
  HWND w = button->Handle();
  Probe(w);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump(20);
  EXPECT_EQ(clicks, 1);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  SendMessageW(w, WM_MOUSELEAVE, 0, 0);
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
  Pump(20);
  EXPECT_EQ(clicks, 1);
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // a release without a press
  Pump(20);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtonTest, ADialogPushButtonPostsItsCommandToItsParent) {
  HWND w = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 50, 80, 24, form->Handle(),
                           reinterpret_cast<HMENU>(42), GetModuleHandleW(nullptr), nullptr);
  TSkinDecision decision;
  decision.Kind = TSkinnerKind::Button;
  MakeSkinner(TSkinnerKind::Button, skinForm, decision)->AttachWindow(w, data, nullptr, skinForm);
  EXPECT_EQ(Probe(w), kNormal);
  MSG msg;
  while (PeekMessageW(&msg, form->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
  }
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(PeekMessageW(&msg, form->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(msg.wParam, MAKEWPARAM(42, BN_CLICKED));
  EXPECT_EQ(msg.lParam, reinterpret_cast<LPARAM>(w));
  EXPECT_FALSE(PeekMessageW(&msg, form->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));  // once
  DestroyWindow(w);
}

TEST_F(SkinButtonTest, ABitButtonShowsTheGlyphFrameOfItsState) {
  TBitBtn* button = Place<TBitBtn>(L"");
  // Two 8 x 8 frames, up and disabled, each with its key colour in the bottom-left pixel.
  TBitmap glyph = ColourStrip({kGlyphUp, kGlyphDisabled}, 8, 8);
  glyph.SetPixel(0, 7, kKey);
  glyph.SetPixel(8, 7, kKey);
  button->Glyph()->Assign(glyph);
  button->SetNumGlyphs(2);
  Skin(button, TSkinnerKind::BitButton);
  HWND w = button->Handle();
  // No caption, margin -1: the glyph centred, at ((90 - 8) / 2, (30 - 8 + 1) / 2).
  EXPECT_EQ(Probe(w, 41 + 4, 11 + 4), kGlyphUp);
  EXPECT_EQ(Probe(w, 41, 11 + 7), kNormal);  // the key colour shows the face
  EXPECT_EQ(Probe(w), kNormal);
  button->SetEnabled(false);
  EXPECT_EQ(Probe(w, 41 + 4, 11 + 4), kGlyphDisabled);
  EXPECT_EQ(Probe(w), kDisabled);
  // Frame counts below 1 count as 1: the whole strip is one glyph, drawn without a crash.
  button->SetEnabled(true);
  button->SetNumGlyphs(0);
  Probe(w);
}

TEST_F(SkinButtonTest, AOneFrameGlyphShowsAnEmbossedCopyWhenDisabled) {
  TBitBtn* button = Place<TBitBtn>(L"");
  // 8 x 8: a dark 4 x 4 square at (1, 1) on the key colour (the bottom-left pixel).
  TBitmap glyph = ColourStrip({kKey}, 8, 8);
  for (int y = 1; y <= 4; ++y)
    for (int x = 1; x <= 4; ++x) glyph.SetPixel(x, y, kGlyphUp);
  button->Glyph()->Assign(glyph);
  button->SetNumGlyphs(1);
  Skin(button, TSkinnerKind::BitButton);
  HWND w = button->Handle();
  const int gx = 41, gy = 11;  // centred as in the strip test
  EXPECT_EQ(Probe(w, gx + 2, gy + 2), kGlyphUp);
  button->SetEnabled(false);
  // The square in the shadow colour, its highlight one pixel down and right, the rest keyed out.
  EXPECT_EQ(Probe(w, gx + 2, gy + 2), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Probe(w, gx + 5, gy + 5), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Probe(w, gx + 5, gy + 1), kDisabled);
  EXPECT_EQ(Probe(w, gx + 7, gy + 7), kDisabled);
  EXPECT_EQ(Probe(w, gx + 2, gy + 5), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(SkinButtonTest, TheDiscoveryAttachesTheButtonSkinners) {
  TButton* button = Place<TButton>(L"One");
  TBitBtn* bit = Place<TBitBtn>(L"Two");
  skinForm->SkinComponent(button, form);
  skinForm->SkinComponent(bit, form);
  auto* plain = dynamic_cast<TSkinButton*>(skinForm->FindSkinControlByHandle(button->Handle()));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(dynamic_cast<TSkinBitButton*>(plain), nullptr);
  EXPECT_NE(dynamic_cast<TSkinBitButton*>(skinForm->FindSkinControlByHandle(bit->Handle())), nullptr);
}

// Check boxes and radio buttons: glyph strips of four 13 x 13 frames, one colour each.
TEST_F(SkinButtonTest, CheckBoxesAndRadioButtonsShowTheFrameOfTheirState) {
  const COLORREF frames[] = {RGB(50, 0, 0), RGB(0, 50, 0), RGB(0, 0, 50), RGB(50, 50, 0)};
  TDataSkinButton& b = data->Elements.Buttons;
  b.CheckImage = ColourStrip({frames[0], frames[1], frames[2], frames[3]}, 13, 13);
  b.CheckFrames = 4;
  b.RadioImage = b.CheckImage;
  b.RadioFrames = 4;
  auto* box = Place<TCheckBox>(L"Check");
  Skin(box, TSkinnerKind::CheckBox);
  auto* radio = Place<TRadioButton>(L"Radio");
  radio->SetTop(50);
  Skin(radio, TSkinnerKind::RadioButton);
  // The glyph sits at the left edge, centred in the 30-pixel height.
  const int x = 6, y = 15;
  EXPECT_EQ(Probe(box->Handle(), x, y), frames[0]);
  box->SetChecked(true);
  EXPECT_EQ(Probe(box->Handle(), x, y), frames[1]);
  box->SetEnabled(false);
  EXPECT_EQ(Probe(box->Handle(), x, y), frames[3]);
  EXPECT_EQ(Probe(radio->Handle(), x, y), frames[0]);
  radio->SetChecked(true);
  EXPECT_EQ(Probe(radio->Handle(), x, y), frames[1]);
  radio->SetEnabled(false);
  EXPECT_EQ(Probe(radio->Handle(), x, y), frames[3]);
  // A plain dialog check box keeps its native painting; the skin glyph goes over the native one.
  HWND plain = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 90, 90, 30,
                               form->Handle(), reinterpret_cast<HMENU>(43), GetModuleHandleW(nullptr), nullptr);
  TSkinDecision decision;
  decision.Kind = TSkinnerKind::CheckBox;
  MakeSkinner(TSkinnerKind::CheckBox, skinForm, decision)->AttachWindow(plain, data, nullptr, skinForm);
  SendMessageW(plain, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Probe(plain, x, y), frames[1]);
  DestroyWindow(plain);
}

// Tag 5555 draws a check box over its parent's background; any other box gets the face colour.
TEST_F(SkinButtonTest, ACheckBoxTaggedTransparentShowsItsParentsBackground) {
  const COLORREF parent = RGB(0, 120, 60);
  form->SetColor(static_cast<TColor>(parent));
  data->Elements.Buttons.CheckImage =
      ColourStrip({RGB(50, 0, 0), RGB(0, 50, 0), RGB(0, 0, 50), RGB(50, 50, 0)}, 13, 13);
  data->Elements.Buttons.CheckFrames = 4;
  const COLORREF face = kFace;
  ASSERT_NE(face, parent);
  auto* see = Place<TCheckBox>(L"");
  see->SetTag(5555);
  Skin(see, TSkinnerKind::CheckBox);
  auto* plain = Place<TCheckBox>(L"");
  plain->SetTop(50);
  Skin(plain, TSkinnerKind::CheckBox);
  EXPECT_EQ(Picture(see->Handle(), true).Pixel(60, 2), parent);
  EXPECT_EQ(Picture(plain->Handle(), true).Pixel(60, 2), face);
  EXPECT_EQ(Picture(see->Handle(), true).Pixel(6, 15), RGB(50, 0, 0));  // the glyph over it
}

// The caption's ink columns: the first and the last column with a pixel unlike the top-left one.
std::pair<int, int> InkColumns(const TBitmap& picture, int right) {
  const COLORREF background = picture.Pixel(0, 0);
  int first = -1, last = -1;
  for (int x = 0; x < right; ++x)
    for (int y = 0; y < picture.Height(); ++y)
      if (picture.Pixel(x, y) != background) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

// With the text on the left of the glyph (BS_LEFTTEXT), a right-to-left box aligns its caption
// against the glyph; a left-to-right one starts it at the left edge.
TEST_F(SkinButtonTest, ARightToLeftCheckBoxRightAlignsItsCaptionBesideTheGlyph) {
  data->Elements.Buttons.CheckImage =
      ColourStrip({RGB(50, 0, 0), RGB(0, 50, 0), RGB(0, 0, 50), RGB(50, 50, 0)}, 13, 13);
  data->Elements.Buttons.CheckFrames = 4;
  for (TBiDiMode mode : {TBiDiMode::bdRightToLeft, TBiDiMode::bdLeftToRight}) {
    auto* box = Place<TBiDiCheckBox>(L"ab");
    box->SetAlignment(TAlignment::taLeftJustify);
    box->SetBiDiMode(mode);
    Skin(box, TSkinnerKind::CheckBox);
    HWND w = box->Handle();
    ASSERT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & BS_LEFTTEXT);
    const TBitmap picture = Picture(w);
    EXPECT_EQ(picture.Pixel(90 - 7, 15), RGB(50, 0, 0));  // the glyph at the right edge
    const int textRight = 90 - 13 - 2;
    const auto [first, last] = InkColumns(picture, 90 - 13);
    ASSERT_GE(first, 0);
    if (mode == TBiDiMode::bdRightToLeft) {
      EXPECT_GT(first, 45);
      EXPECT_LT(last, textRight);
      EXPECT_GE(last, textRight - 4);
    } else {
      EXPECT_LT(first, 4);
    }
    delete box;
  }
}

TEST_F(SkinButtonTest, ASpeedButtonShowsItsStatesAndClicksOnlyWhenReleasedOnIt) {
  auto* button = Place<TSpeedButton>(L"");
  TBitmap glyph = ColourStrip({kGlyphUp, kGlyphDisabled, RGB(30, 60, 90), RGB(200, 100, 0)}, 8, 8);
  for (int frame = 0; frame < 4; ++frame) glyph.SetPixel(frame * 8, 7, kKey);
  button->Glyph()->Assign(glyph);
  button->SetNumGlyphs(4);
  button->SetFlat(true);
  Skin(button, TSkinnerKind::SpeedButton);
  auto at = MAKELPARAM(5, 5);
  const int gx = 41 + 1, gy = 11;  // centred; a computed margin is one pixel more on a speed button
  // Flat: the background only, until the mouse comes.
  const COLORREF face = kFace;
  EXPECT_EQ(Picture(button).Pixel(3, 3), face);
  EXPECT_EQ(Picture(button).Pixel(gx + 4, gy + 4), kGlyphUp);
  button->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(Picture(button).Pixel(3, 3), kHot);
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  TBitmap pressed = Picture(button);
  EXPECT_EQ(pressed.Pixel(3, 3), kPressed);
  EXPECT_EQ(pressed.Pixel(gx + 4, gy + 4), RGB(30, 60, 90));  // the strip's pressed frame
  button->Perform(WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Picture(button).Pixel(3, 3), kHot);
  // Pressed, dragged off and released there: no click.
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  button->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  button->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(button));
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Picture(button).Pixel(3, 3), face);
  // Latched down: the pressed face and the strip's down frame, flat or not.
  button->SetGroupIndex(1);
  button->SetDown(true);
  TBitmap down = Picture(button);
  EXPECT_EQ(down.Pixel(3, 3), kPressed);
  EXPECT_EQ(down.Pixel(gx + 4, gy + 4), RGB(200, 100, 0));
  button->SetDown(false);
  button->SetFlat(false);
  EXPECT_EQ(Picture(button).Pixel(3, 3), kNormal);
  button->SetEnabled(false);
  TBitmap disabled = Picture(button);
  EXPECT_EQ(disabled.Pixel(3, 3), kDisabled);
  EXPECT_EQ(disabled.Pixel(gx + 4, gy + 4), kGlyphDisabled);
}

TEST_F(SkinButtonTest, ADisabledSpeedButtonGreysItsOneFrameGlyphAndCaption) {
  auto* button = Place<TSpeedButton>(L"Go");
  TBitmap glyph = ColourStrip({kKey}, 8, 8);
  for (int y = 1; y <= 4; ++y)
    for (int x = 1; x <= 4; ++x) glyph.SetPixel(x, y, kGlyphUp);
  button->Glyph()->Assign(glyph);
  button->SetNumGlyphs(1);
  button->SetMargin(4);
  button->SetEnabled(false);
  Skin(button, TSkinnerKind::SpeedButton);
  const TBitmap picture = Picture(button);
  const int gy = (30 - 8 + 1) / 2;
  EXPECT_EQ(picture.Pixel(4 + 2, gy + 2), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(picture.Pixel(4 + 5, gy + 5), GetSysColor(COLOR_BTNHIGHLIGHT));
  // The caption, right of the glyph, in the shadow colour (smoothed against the face), never in
  // the enabled caption colour.
  int ink = 0, enabledInk = 0;
  for (int x = 4 + 8 + 1; x < 88; ++x)
    for (int y = 2; y < 28; ++y) {
      const COLORREF c = picture.Pixel(x, y);
      if (c == GetSysColor(COLOR_BTNSHADOW)) ++ink;
      if (c == ColorToRGB(button->Font()->Color())) ++enabledInk;
    }
  EXPECT_GT(ink, 5);
  EXPECT_EQ(enabledInk, 0);
}

TEST_F(SkinButtonTest, ATransparentSpeedButtonShowsItsParentsBackground) {
  const COLORREF parent = RGB(0, 120, 60);
  form->SetColor(static_cast<TColor>(parent));
  auto* button = Place<TSpeedButton>(L"");
  button->SetFlat(true);
  button->SetTag(5555);
  Skin(button, TSkinnerKind::SpeedButton);
  EXPECT_EQ(Picture(button).Pixel(3, 3), parent);
  button->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(Picture(button).Pixel(3, 3), kHot);
}

TEST_F(SkinButtonTest, AMenuButtonDrawsItsArrowAfterTheCaption) {
  TButton* button = Place<TButton>(L"Menu");
  Skin(button, TSkinnerKind::MenuButton);
  HWND w = button->Handle();
  // Where the arrow goes for the caption as the button's font measures it.
  TMenuButtonInput in;
  in.Client = {90, 30};
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldFont = SelectObject(dc, button->Font()->Handle());
  RECT measure{2, 2, 90 - 8 - 2, 30 - 2};
  DrawTextW(dc, L"Menu", -1, &measure, DT_CALCRECT | DT_WORDBREAK);
  SelectObject(dc, oldFont);
  DeleteDC(dc);
  in.Text = {measure.right - measure.left, measure.bottom - measure.top};
  const POINT arrow = PlaceMenuButton(in).Arrow;
  TBitmap picture = Picture(w);
  EXPECT_EQ(picture.Pixel(2, 2), kNormal);
  EXPECT_EQ(picture.Pixel(arrow.x, arrow.y), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(picture.Pixel(arrow.x, arrow.y - 1), GetSysColor(COLOR_WINDOWTEXT));  // its top edge
  EXPECT_EQ(picture.Pixel(arrow.x, arrow.y + 4), kNormal);                        // nothing below the tip
  EXPECT_EQ(picture.Pixel(arrow.x + 5, arrow.y), kNormal);                        // nor beside it
  // Focused it shows the hot face (it has no focused look); disabled, a grey arrow.
  SetFocus(w);
  EXPECT_EQ(Probe(w, 2, 2), kHot);
  SetFocus(form->Handle());
  button->SetEnabled(false);
  picture = Picture(w);
  EXPECT_EQ(picture.Pixel(2, 2), kDisabled);
  EXPECT_EQ(picture.Pixel(arrow.x, arrow.y), GetSysColor(COLOR_BTNSHADOW));
  // Its clicks are the push button's: one for a press and release on it.
  button->SetEnabled(true);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
}

// The discovery's walk gives a speed button (windowless, reached as a component of the form)
// its skinner once; a second walk adds none.
TEST_F(SkinButtonTest, TheWindowSkinnersWalkSkinsASpeedButtonOnce) {
  data->SetSkinControls(data->SkinControls().Include(TSkinControlType::xcSpeedButton));
  auto* button = Place<TSpeedButton>(L"Walk");
  skinForm->SkinControlTree(form);
  auto count = [&] {
    int n = 0;
    for (TSkinControl* skinner : skinForm->Skinners)
      if (skinner->Invalidator == button && dynamic_cast<TSkinSpeedButton*>(skinner)) ++n;
    return n;
  };
  EXPECT_EQ(count(), 1);
  skinForm->SkinControlTree(form);
  EXPECT_EQ(count(), 1);
  EXPECT_EQ(skinForm->FindSkinControlByHandle(nullptr), nullptr);
  EXPECT_EQ(Picture(button).Pixel(3, 3), kNormal);
}

// A drop-down button's glyph is its whole bitmap, at the margin, centred in height, its
// bottom-left pixel's colour left out.
TEST_F(SkinButtonTest, AMenuButtonDrawsItsWholeGlyphAtTheLeft) {
  TBitBtn* button = Place<TBitBtn>(L"");
  TBitmap glyph = ColourStrip({kGlyphUp, kGlyphDisabled}, 8, 8);
  glyph.SetPixel(0, 7, kKey);
  button->Glyph()->Assign(glyph);
  button->SetNumGlyphs(2);  // no frames for a drop-down button: both halves show
  button->SetMargin(5);
  button->SetSpacing(3);
  Skin(button, TSkinnerKind::MenuButton);
  const TBitmap picture = Picture(button->Handle());
  const int gy = (30 - 8) / 2;
  EXPECT_EQ(picture.Pixel(5 + 3, gy + 3), kGlyphUp);
  EXPECT_EQ(picture.Pixel(5 + 12, gy + 3), kGlyphDisabled);
  EXPECT_EQ(picture.Pixel(5, gy + 7), kNormal);  // the key colour shows the face
  EXPECT_EQ(picture.Pixel(4, gy + 3), kNormal);
}

// The style map's "pngspeedbutton": the glyph is the picture property's graphic, sized by
// NumGlyphs for the layout but drawn whole.
TEST_F(SkinButtonTest, APictureSpeedButtonDrawsItsWholePicture) {
  auto* button = Place<TPngSpeedButton>(L"");
  button->PngImage()->SetGraphic(std::make_unique<TBitmap>(ColourStrip({kGlyphUp, kGlyphDisabled}, 8, 8)));
  button->SetNumGlyphs(2);
  skinForm->SkinComponent(button, form);  // our skin's style map names TPngSpeedbutton
  const TBitmap picture = Picture(button);
  const int gx = (90 - 8) / 2 + 1, gy = (30 - 8 + 1) / 2;
  EXPECT_EQ(picture.Pixel(gx + 4, gy + 4), kGlyphUp);
  EXPECT_EQ(picture.Pixel(gx + 12, gy + 4), kGlyphDisabled);  // the second half too: drawn whole
  EXPECT_EQ(picture.Pixel(3, 3), kNormal);
}

// CM_RELEASE takes the skinner out of the speed button's message chain: from then on the
// button answers and paints as it would unskinned.
TEST_F(SkinButtonTest, ASpeedButtonReleasedFromItsSkinnerPaintsItself) {
  auto* button = Place<TSpeedButton>(L"");
  TSkinControl* skinner = Skin(button, TSkinnerKind::SpeedButton);
  EXPECT_EQ(button->Perform(SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(Picture(button).Pixel(3, 3), kNormal);
  button->Perform(CM_RELEASE, 0, 0);
  EXPECT_FALSE(skinner->Hooked());
  EXPECT_EQ(button->Perform(SKM_QUERYSKINNED, 0, 0), 0);
  EXPECT_NE(Picture(button).Pixel(3, 3), kNormal);
}

}  // namespace
