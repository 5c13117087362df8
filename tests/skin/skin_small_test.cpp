// The small skinners on real controls with the synthetic test skin: face-coloured areas (size
// grip, tab sheet, a dialog inside a window and its static texts), the glyph strips and tab
// backgrounds handed to other vendors' controls, and page controls with button tabs.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui/forms.h"
#include "gui/pages.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_face_boxes.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_tab_btn.h"
#include "skin/skin_vendor_glyphs.h"
#include "skin/skinner_kinds.h"
#include "skin/small_skinner_rules.h"
#include "synthetic_skin.h"
#include "vendor_stand_ins.h"

namespace {

constexpr COLORREF kFace = RGB(10, 200, 30);

class SkinSmallTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(80, 80, 420, 320);
    form->Handle();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    // A face colour no native control uses.
    TSkinElements& e = data->Elements;
    e.ColourTable[kColourButtonFace] = static_cast<int32_t>(kFace);
    if (e.FaceBrush) DeleteObject(e.FaceBrush);
    e.FaceBrush = CreateSolidBrush(kFace);
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  template <typename S>
  S* Skin(TControl* control, TSkinnerKind kind, TSkinDecision decision = {}) {
    TSkinControl* skinner = MakeSkinner(kind, control, decision);
    EXPECT_NE(skinner, nullptr);
    if (skinner) skinner->AttachControl(skinForm, data, nullptr, false);
    return dynamic_cast<S*>(skinner);
  }
  template <typename S>
  S* SkinWindow(HWND window, TSkinnerKind kind) {
    TSkinControl* skinner = MakeSkinner(kind, skinForm, TSkinDecision{});
    EXPECT_NE(skinner, nullptr);
    if (skinner) skinner->AttachWindow(window, data, nullptr, skinForm);
    return dynamic_cast<S*>(skinner);
  }
  HWND Child(const wchar_t* cls, DWORD style, int x, int y, int w, int h, HWND parent = nullptr) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent ? parent : form->Handle(),
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  TPageControl* Pages(bool buttons) {
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 300, 150);
    if (buttons) pages->SetStyle(TTabStyle::tsButtons);
    for (const wchar_t* caption : {L"First", L"Second"}) {
      auto* sheet = new TTabSheet(pages);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    return pages;
  }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinForm = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
};

TEST_F(SkinSmallTest, ASizeGripIsCoveredByTheFace) {
  HWND grip = Child(L"SCROLLBAR", SBS_SIZEGRIP, 10, 10, 18, 18);
  SkinWindow<TSkinSizer>(grip, TSkinnerKind::Sizer);
  const TBitmap s = PaintedPicture(grip);
  ExpectColour(s.Pixel(9, 9), kFace);
  ExpectColour(s.Pixel(16, 16), kFace);
}

TEST_F(SkinSmallTest, ATabSheetInMode0IsPaintedAndErasedWithTheFace) {
  TPageControl* pages = Pages(false);
  TTabSheet* sheet = pages->Pages(0);
  Skin<TSkinTabSheet>(sheet, TSkinnerKind::TabSheet);
  HWND w = sheet->Handle();
  ExpectColour(PaintedPicture(w).Pixel(20, 20), kFace);
  Surface erased(40, 40, kUnpaintedColour);
  EXPECT_EQ(SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc()), 0), 1);
  ExpectColour(erased.At(20, 20), kFace);
}

TEST_F(SkinSmallTest, ATabSheetInMode1KeepsTheFrameworksPaintingAndErasing) {
  TPageControl* pages = Pages(false);
  TTabSheet* sheet = pages->Pages(0);
  sheet->SetColor(RGB(200, 20, 20));
  TSkinDecision decision;
  decision.Mode = static_cast<TSkinDecision::TMode>(1);  // any mode but the plain one
  Skin<TSkinTabSheet>(sheet, TSkinnerKind::TabSheet, decision);
  HWND w = sheet->Handle();
  EXPECT_NE(PaintedPicture(w).Pixel(20, 20), kFace);
  Surface erased(40, 40, kUnpaintedColour);
  SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc()), 0);
  EXPECT_NE(erased.At(20, 20), kFace);
}

TEST_F(SkinSmallTest, ADialogInsideAWindowIsErasedWithTheFaceAndItsStaticTextsTakeIt) {
  HWND dialog = Child(L"#32770", 0, 10, 10, 200, 100);
  HWND label = Child(L"STATIC", 0, 10, 10, 100, 20, dialog);
  auto* skinner = SkinWindow<TSkinBoxH>(dialog, TSkinnerKind::BoxH);
  ASSERT_NE(skinner, nullptr);
  Surface erased(200, 100, kUnpaintedColour);
  EXPECT_EQ(SendMessageW(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc()), 0), 1);
  ExpectColour(erased.At(100, 50), kFace);
  ExpectColour(erased.At(199, 99), kFace);
  Surface text(10, 10, kUnpaintedColour);
  const LRESULT brush = SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(text.dc()),
                                     reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), data->Elements.FaceBrush);
  EXPECT_EQ(GetBkColor(text.dc()), kFace);
  DestroyWindow(dialog);
}

class VendorGlyphsTest : public SkinSmallTest {
 protected:
  static constexpr int kCell = 13;
  void SetUp() override {
    SkinSmallTest::SetUp();
    TDataSkinButton& buttons = data->Elements.Buttons;
    buttons.CheckImage = ColourStrip({kFrames, kFrames + 4}, kCell, kCell);
    buttons.CheckFrames = 4;
    buttons.RadioImage = ColourStrip({kFrames, kFrames + 4}, kCell, kCell);
    buttons.RadioFrames = 4;
  }
  // The colour of cell c of a strip of kCell-wide cells.
  static COLORREF Cell(const TBitmap& strip, int c) { return strip.Pixel(c * kCell + kCell / 2, kCell / 2); }
  static constexpr COLORREF kFrames[5] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0),
                                          RGB(0, 200, 200)};
};

TEST_F(VendorGlyphsTest, ACheckBoxGetsANineCellStripWithTheGreyedCellsEmptyFromFourFrames) {
  auto* box = new TVendorGlyphButton(form);
  box->SetParent(form);
  TSkinDecision decision;
  decision.ObjImageKind = kObjImageCheck;
  auto* skinner = Skin<TSkinObjImage>(box, TSkinnerKind::ObjImage, decision);
  ASSERT_NE(skinner, nullptr);
  const TBitmap& strip = *box->CustomGlyphs();
  ASSERT_EQ(strip.Width(), 9 * kCell);
  const std::vector<int> cells = ObjImageCells(kObjImageCheck, 4);
  for (int c = 0; c < 9; ++c) EXPECT_EQ(Cell(strip, c), cells[c] < 0 ? kSkinKeyColour : kFrames[cells[c]]) << c;
  EXPECT_EQ(box->TransparentColor(), static_cast<int>(kSkinKeyColour));
  EXPECT_TRUE(box->UseCustomGlyphs());
  EXPECT_EQ(box->Loads, 1);
  EXPECT_TRUE(skinForm->IsControlSkinned(box));
  skinner->SkinChanged();
  EXPECT_EQ(box->Loads, 2);
  skinner->Detach();
  EXPECT_FALSE(box->UseCustomGlyphs());
}

TEST_F(VendorGlyphsTest, ARadioButtonGetsASixCellStrip) {
  auto* radio = new TVendorGlyphButton(form);
  radio->SetParent(form);
  TSkinDecision decision;
  decision.ObjImageKind = kObjImageRadio;
  Skin<TSkinObjImage>(radio, TSkinnerKind::ObjImage, decision);
  const TBitmap& strip = *radio->CustomGlyphs();
  ASSERT_EQ(strip.Width(), 6 * kCell);
  const std::vector<int> cells = ObjImageCells(kObjImageRadio, 4);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell(strip, c), kFrames[cells[c]]) << c;
}

TEST_F(VendorGlyphsTest, APropertiesCheckBoxTakesItsGlyphAndLosesItWhenUnskinned) {
  TDataSkinButton& buttons = data->Elements.Buttons;
  buttons.CheckImage = ColourStrip({kFrames, kFrames + 5}, kCell, kCell);
  buttons.CheckFrames = 5;
  auto* box = new TVendorPropertiesCheckBox(form);
  box->SetParent(form);
  TSkinDecision decision;
  decision.ObjImageKind = kObjImagePropertiesCheck;
  auto* skinner = Skin<TSkinObjImage>(box, TSkinnerKind::ObjImage, decision);
  const TBitmap& glyph = *box->Properties()->Glyph();
  ASSERT_EQ(glyph.Width(), 6 * kCell);
  const std::vector<int> cells = ObjImageCells(kObjImagePropertiesCheck, 5);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell(glyph, c), kFrames[cells[c]]) << c;
  EXPECT_EQ(glyph.TransparentColor(), kSkinKeyColour);
  skinner->Detach();
  EXPECT_TRUE(box->Properties()->Glyph()->Empty());
}

TEST_F(SkinSmallTest, AnAdvancedPageControlGetsItsTabBackgroundsFromTheTabsElement) {
  auto* pages = new TVendorPageControl(form);
  pages->SetParent(form);
  pages->SetBounds(10, 10, 300, 150);
  auto* skinner = Skin<TSkinAdvPage>(pages, TSkinnerKind::AdvPage);
  ASSERT_NE(skinner, nullptr);
  const TDataSkinObject* tabs = data->Elements.Tabs.get();
  ASSERT_TRUE(tabs);
  for (int frame : {1, 2}) {
    const TBitmap& picture = frame == 1 ? *pages->TabBackGround() : *pages->TabBackGroundActive();
    ASSERT_EQ(picture.Width(), 100);
    ASSERT_EQ(picture.Height(), 21);
    EXPECT_EQ(picture.Pixel(50, 10), synthetic->Colour(tabs, frame)) << frame;
  }
  skinner->Detach();
  EXPECT_TRUE(pages->TabBackGround()->Empty());
  EXPECT_TRUE(pages->TabBackGroundActive()->Empty());
}

// The focused tab shows the pressed face, the other the normal one, each where the control
// says the tab is (one pixel lower).
TEST_F(SkinSmallTest, ButtonTabsShowTheFocusedTabPressed) {
  TPageControl* pages = Pages(true);
  Skin<TSkinTabBtn>(pages, TSkinnerKind::TabBtn);
  HWND w = pages->Handle();
  const int focus = static_cast<int>(SendMessageW(w, TCM_GETCURFOCUS, 0, 0));
  ASSERT_GE(focus, 0);
  const TBitmap s = PaintedPicture(w);
  const TDataSkinObject& buttons = data->Elements.Buttons;
  for (int i = 0; i < 2; ++i) {
    RECT tab{};
    ASSERT_TRUE(SendMessageW(w, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab)));
    EXPECT_EQ(s.Pixel(tab.left + 3, tab.top + 3), synthetic->Colour(&buttons, i == focus ? 2 : 1)) << i;
  }
}

TEST_F(SkinSmallTest, ButtonTabsWithoutTheButtonsFaceShowNoTabs) {
  data->Elements.Buttons.Image.Clear();
  TPageControl* pages = Pages(true);
  Skin<TSkinTabBtn>(pages, TSkinnerKind::TabBtn);
  HWND w = pages->Handle();
  RECT tab{};
  SendMessageW(w, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  EXPECT_EQ(PaintedPicture(w).Pixel(tab.left + 3, tab.top + 3), kUnpaintedColour);
}

}  // namespace
