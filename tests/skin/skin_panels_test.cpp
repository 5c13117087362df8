// Group box, panel and status-bar skinners on real controls with the synthetic test skin: the
// group box's frame line and the caption's gap in it, a recoloured panel given back its colour,
// and the status bar's panel frames, texts and size grip.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/status_bar.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/img_util.h"
#include "skin/panel_rules.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"
#include "skin/skin_form.h"
#include "skin/skin_group_box.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"
#include "skin/skinner_kinds.h"
#include "synthetic_skin.h"

namespace {

class SkinPanelsTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 420, 300);
    form->Show();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
    shadow = static_cast<COLORREF>(SkinColourToRGB(data->Elements.ColourTable[kColourButtonShadow]));
    face = static_cast<COLORREF>(SkinColourToRGB(data->Elements.ColourTable[kColourButtonFace]));
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  TSkinControl* Skin(TControl* control, TSkinnerKind kind, bool recolour = false) {
    TSkinDecision decision;
    decision.Kind = kind;
    TSkinControl* skinner = MakeSkinner(kind, control, decision);
    skinner->AttachControl(skinForm, data, nullptr, recolour);
    return skinner;
  }
  TGroupBox* Group(const wchar_t* caption) {
    auto* group = new TGroupBox(form);
    group->SetParent(form);
    group->SetBounds(10, 10, 240, 120);
    group->SetCaption(caption);
    return group;
  }
  // The extent of a text in the control's font or in a font: the height of "0", a caption's width.
  static SIZE Measure(TControl* control, const wchar_t* text) { return Measure(control->Font()->Handle(), text); }
  static SIZE Measure(HFONT font, const wchar_t* text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE s{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &s);
    SelectObject(dc, old);
    DeleteDC(dc);
    return s;
  }
  TStatusBar* Bar() {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetSizeGrip(false);
    return bar;
  }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
  TWinSkinForm* skinForm = nullptr;
  COLORREF shadow = 0, face = 0;
};

TEST_F(SkinPanelsTest, TheGroupBoxCaptionInterruptsTheFramesTopLine) {
  const wchar_t* caption = L"Options";
  TGroupBox* group = Group(caption);
  Skin(group, TSkinnerKind::GroupBox);
  const int y = GroupFrameTop(Measure(group, L"0").cy);
  const int captionEnd = 8 + Measure(group, caption).cx;
  TBitmap picture = PaintedPicture(group->Handle());
  // The line runs at half the font height minus one, in the skin's shadow colour...
  EXPECT_EQ(picture.Pixel(captionEnd + 10, y), shadow);
  EXPECT_EQ(picture.Pixel(group->Width() - 20, y), shadow);
  EXPECT_EQ(picture.Pixel(4, y), shadow);
  EXPECT_EQ(picture.Pixel(1, group->Height() / 2), shadow);
  EXPECT_EQ(picture.Pixel(group->Width() - 2, group->Height() / 2), shadow);
  // ...but not through the caption, 8 pixels from the left.
  for (int x = 9; x < captionEnd - 1; ++x) EXPECT_NE(picture.Pixel(x, y), shadow) << x;
  EXPECT_EQ(picture.Pixel(group->Width() / 2, group->Height() / 2), face);

  // With WS_EX_RIGHT the caption ends 8 pixels from the right edge.
  SetWindowLongPtrW(group->Handle(), GWL_EXSTYLE, GetWindowLongPtrW(group->Handle(), GWL_EXSTYLE) | WS_EX_RIGHT);
  picture = PaintedPicture(group->Handle());
  const int right = group->Width() - 8, captionStart = right - Measure(group, caption).cx;
  for (int x = captionStart + 1; x < right - 1; ++x) EXPECT_NE(picture.Pixel(x, y), shadow) << x;
  EXPECT_EQ(picture.Pixel(captionStart - 10, y), shadow);
  EXPECT_EQ(picture.Pixel(right + 3, y), shadow);
}

TEST_F(SkinPanelsTest, ADialogGroupBoxKeepsItsNativePaintingUnderTheSkinFrame) {
  HWND w = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10, 140, 240, 100,
                           form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  TSkinDecision decision;
  decision.Kind = TSkinnerKind::GroupBox;
  TSkinControl* skinner = MakeSkinner(TSkinnerKind::GroupBox, skinForm, decision);
  skinner->AttachWindow(w, data, nullptr, skinForm);
  EXPECT_EQ(skinner->Mode, 0);
  const SIZE zero = Measure(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), L"0");
  const TBitmap picture = PaintedPicture(w);
  EXPECT_EQ(picture.Pixel(200, GroupFrameTop(zero.cy)), shadow);
  EXPECT_EQ(picture.Pixel(1, 60), shadow);
  EXPECT_EQ(picture.Pixel(0, 60), face);  // the native frame painted over with the face colour
  DestroyWindow(w);
}

TEST_F(SkinPanelsTest, APanelIsRecolouredAndGetsItsColourBack) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetColor(clRed);
  TSkinControl* skinner = Skin(panel, TSkinnerKind::Box, true);
  EXPECT_EQ(panel->Color(), static_cast<TColor>(data->Elements.ColourTable[kColourButtonFace]));
  EXPECT_EQ(skinForm->FindSkinControlByHandle(panel->Handle()), skinner);
  EXPECT_TRUE(skinForm->IsControlSkinned(panel));
  skinner->Detach();  // the skin switched off
  EXPECT_EQ(panel->Color(), clRed);

  // ParentBackground is switched off while skinned and back on afterwards; a skinner freed
  // while its control lives gives the colour back too.
  TGroupBox* group = Group(L"Box");
  group->SetColor(clBlue);
  ASSERT_TRUE(group->ParentBackground());
  skinner = Skin(group, TSkinnerKind::Box, true);
  EXPECT_FALSE(group->ParentBackground());
  delete skinner;
  EXPECT_TRUE(group->ParentBackground());
  EXPECT_EQ(group->Color(), clBlue);

  // A control being destroyed is left as it is; its skinner goes with it.
  auto* dying = new TPanel(form);
  dying->SetParent(form);
  Skin(dying, TSkinnerKind::Box, true);
  const size_t skinners = skinForm->Skinners.size();
  delete dying;
  EXPECT_EQ(skinForm->Skinners.size(), skinners - 1);
}

TEST_F(SkinPanelsTest, StatusBarPanelsShowTheirBevelFramesAndTexts) {
  const TDataSkinObject* edges = data->Elements.StatusBarEdges.get();
  ASSERT_NE(edges, nullptr);
  TStatusBar* bar = Bar();
  struct PanelCase {
    int width;
    TStatusPanelBevel bevel;
    int frame;
  } cases[] = {{80, TStatusPanelBevel::pbLowered, kPanelLowered},
               {100, TStatusPanelBevel::pbRaised, kPanelRaised},
               {60, TStatusPanelBevel::pbNone, kPanelFlat}};
  for (const PanelCase& c : cases) {
    TStatusPanel* panel = bar->Panels()->Add();
    panel->SetWidth(c.width);
    panel->SetBevel(c.bevel);
  }
  std::vector<std::pair<int, RECT>> drawn;
  bar->OnDrawPanel = [&drawn](TStatusBar*, TStatusPanel* panel, const TRect& r) { drawn.push_back({panel->Index(), r}); };
  Skin(bar, TSkinnerKind::StatusBar);
  HWND w = bar->Handle();
  const TBitmap picture = PaintedPicture(w);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    RECT r{};
    ASSERT_TRUE(SendMessageW(w, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r)));
    const COLORREF want = synthetic->Colour(edges, cases[i].frame);
    EXPECT_EQ(picture.Pixel(r.left + 1, r.top + 1), want);
    EXPECT_EQ(picture.Pixel(r.right + 1, r.top + 1), want);  // two pixels wider than reported
  }
  // The last panel reaches the bar's right edge.
  EXPECT_EQ(picture.Pixel(bar->Width() - 1, bar->Height() / 2), synthetic->Colour(edges, kPanelFlat));
  // Every panel goes to OnDrawPanel, with its rectangle shrunk by 2.
  ASSERT_EQ(drawn.size(), 3u);
  RECT first{};
  SendMessageW(w, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first));
  EXPECT_EQ(drawn[0].second.left, first.left + 2);
  EXPECT_EQ(drawn[0].second.bottom, first.bottom - 2);
}

TEST_F(SkinPanelsTest, ASimpleStatusBarWithoutTextIsOneLoweredFrame) {
  TStatusBar* bar = Bar();
  bar->SetSimplePanel(true);
  Skin(bar, TSkinnerKind::StatusBar);
  const TBitmap picture = PaintedPicture(bar->Handle());
  const COLORREF lowered = synthetic->Colour(data->Elements.StatusBarEdges.get(), kPanelLowered);
  for (int x = 0; x < bar->Width(); ++x) EXPECT_EQ(picture.Pixel(x, bar->Height() / 2), lowered) << x;
}

TEST_F(SkinPanelsTest, AStatusPanelThatReadsRightToLeftDrawsItsRightJustifiedTextOnTheLeft) {
  TStatusBar* bar = Bar();
  TStatusPanel* panel = bar->Panels()->Add();
  panel->SetWidth(300);
  panel->SetText(L"WWWW");
  panel->SetAlignment(TAlignment::taRightJustify);
  panel->SetBiDiMode(TBiDiMode::bdRightToLeft);
  bar->Panels()->Add()->SetWidth(50);
  Skin(bar, TSkinnerKind::StatusBar);
  const TBitmap picture = PaintedPicture(bar->Handle());
  const COLORREF lowered = synthetic->Colour(data->Elements.StatusBarEdges.get(), kPanelLowered);
  auto textIn = [&](int from, int to) {
    for (int x = from; x < to; ++x)
      for (int y = 2; y < bar->Height() - 2; ++y)
        if (picture.Pixel(x, y) != lowered) return true;
    return false;
  };
  EXPECT_TRUE(textIn(2, 60));
  EXPECT_FALSE(textIn(150, 290));
}

TEST_F(SkinPanelsTest, TheSizeGripIsTheExtraImagesFifthFrameInTheCorner) {
  TStatusBar* bar = Bar();
  bar->SetSizeGrip(true);
  bar->SetSimplePanel(true);
  Skin(bar, TSkinnerKind::StatusBar);
  ASSERT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  const TDataSkinObject* extra = data->Elements.ExtraImages.get();
  ASSERT_NE(extra, nullptr);
  const SIZE grip{extra->Image.Width() / extra->Frames(), extra->Image.Height()};
  const RECT r = SizeGripRect(RECT{0, 0, bar->Width(), bar->Height()}, grip);
  const TBitmap picture = PaintedPicture(bar->Handle());
  EXPECT_EQ(picture.Pixel(r.right - 2, r.bottom - 2), synthetic->Colour(extra, 5));
  EXPECT_NE(picture.Pixel(bar->Width() - 1, bar->Height() - 1), synthetic->Colour(extra, 5));
}

TEST_F(SkinPanelsTest, TheDiscoveryGivesGroupBoxesAndPanelsTheirSkinners) {
  TSkinControlTypes types;
  types.Include(TSkinControlType::xcPanel);
  data->SetSkinControls(types);
  TGroupBox* group = Group(L"Group");
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 140, 200, 40);
  skinForm->SkinComponent(group, form);
  skinForm->SkinComponent(panel, form);
  auto* groupSkinner = dynamic_cast<TSkinGroupBox*>(skinForm->FindSkinControlByHandle(group->Handle()));
  ASSERT_NE(groupSkinner, nullptr);
  EXPECT_EQ(groupSkinner->Mode, 1);
  EXPECT_NE(dynamic_cast<TSkinBox*>(skinForm->FindSkinControlByHandle(panel->Handle())), nullptr);
  EXPECT_EQ(panel->Color(), static_cast<TColor>(data->Elements.ColourTable[kColourButtonFace]));
  // No rule makes a status bar's skinner.
  TStatusBar* bar = Bar();
  skinForm->SkinComponent(bar, form);
  EXPECT_EQ(skinForm->FindSkinControlByHandle(bar->Handle()), nullptr);
}

}  // namespace
