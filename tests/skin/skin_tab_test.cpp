// Tab skinners on real tab controls with the synthetic test skin (one solid colour per element
// frame): each tab shows its frame inside the rectangle the control reports for it, on every
// side; the close glyph frees the page of its tab; hidden tab rows and odd frame counts are
// drawn without harm; the strip leaves the scroll arrows alone; a tab set shows the tabs that
// fit.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/forms.h"
#include "gui/pages.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"
#include "skin/skin_tab.h"
#include "skin/skinner_kinds.h"
#include "skin/tab_rules.h"
#include "synthetic_skin.h"
#include "tab_set_stand_in.h"

namespace {

// A form that answers the close glyph's question as told, and remembers what it was asked.
class TClosingForm : public TForm {
 public:
  using TForm::TForm;
  LRESULT Answer = 0;
  std::vector<LPARAM> Asked;
  std::function<void()> WhileAsked;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == SKM_TABCLOSE) {
      Asked.push_back(m.LParam);
      if (WhileAsked) WhileAsked();
      m.Result = Answer;
      return;
    }
    TForm::WndProc(m);
  }
};

class SkinTabTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TClosingForm(nullptr);
    form->SetBounds(50, 50, 400, 300);
    form->Show();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    tabs = data->Elements.Tabs.get();
    ASSERT_NE(tabs, nullptr);
    normal = synthetic->Colour(tabs, 1);
    selected = synthetic->Colour(tabs, 2);
    ASSERT_NE(normal, 0u);
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  TSkinTab* Skin(TControl* control, TSkinnerKind kind = TSkinnerKind::Tab) {
    TSkinDecision decision;
    decision.Kind = kind;
    TSkinControl* skinner = MakeSkinner(kind, control, decision);
    skinner->AttachControl(skinForm, data, nullptr, false);
    return dynamic_cast<TSkinTab*>(skinner);
  }
  TPageControl* Pages(const std::vector<std::wstring>& captions) {
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 360, 200);
    for (const std::wstring& caption : captions) {
      auto* sheet = new TTabSheet(pages);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    return pages;
  }
  static RECT ItemRect(HWND window, int tab) {
    RECT r{};
    EXPECT_TRUE(SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&r)));
    return r;
  }

  TClosingForm* form = nullptr;
  TSkinData* data = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
  TDataSkinBorder* tabs = nullptr;
  COLORREF normal = 0, selected = 0;
  TWinSkinForm* skinForm = nullptr;
};

TEST_F(SkinTabTest, EachTabShowsItsFrameInsideItsRectangleOnEverySide) {
  for (TTabPosition position : {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                TTabPosition::tpRight}) {
    SCOPED_TRACE(static_cast<int>(position));
    auto* control = new TTabControl(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 360, 240);
    control->SetTabPosition(position);
    control->SetTabs({L"One", L"Two", L"Three"});
    control->SetTabIndex(1);
    TSkinTab* skinner = Skin(control);
    ASSERT_NE(skinner, nullptr);
    HWND w = control->Handle();
    EXPECT_EQ(skinner->TabPosition, static_cast<uint8_t>(position));
    const TBitmap picture = PaintedPicture(w);
    const bool sideways = position == TTabPosition::tpLeft || position == TTabPosition::tpRight;
    for (int tab = 0; tab < 3; ++tab) {
      SCOPED_TRACE(tab);
      const RECT r = ItemRect(w, tab);
      const COLORREF want = tab == 1 ? selected : normal;
      // Away from the centred caption: near the ends of the tab, across its middle.
      const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
      if (sideways) {
        EXPECT_EQ(picture.Pixel(midX, r.top + 2), want);
        EXPECT_EQ(picture.Pixel(midX, r.bottom - 3), want);
      } else {
        EXPECT_EQ(picture.Pixel(r.left + 2, midY), want);
        EXPECT_EQ(picture.Pixel(r.right - 3, midY), want);
      }
    }
    // The pane lies around the display area, drawn from the pane image turned for the side.
    RECT display{0, 0, control->Width(), control->Height()};
    SendMessageW(w, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_NE(picture.Pixel((display.left + display.right) / 2, (display.top + display.bottom) / 2), kUnpaintedColour);
    delete control;
  }
}

TEST_F(SkinTabTest, TheCloseGlyphFreesThePageItsTabShows) {
  TPageControl* pages = Pages({L"Zero", L"Hidden", L"Two", L"Three"});
  pages->Pages(1)->SetTabVisible(false);
  pages->SetTag(7777);
  TSkinTab* skinner = Skin(pages);
  ASSERT_TRUE(skinner->Closable);
  HWND w = pages->Handle();
  PaintedPicture(w);
  // The glyph sits in the tab's top-right corner; shown tab 1 is the third page.
  const auto thirdLives = pages->Pages(2)->UntilDestroyingToken();
  RECT r = ItemRect(w, 1);
  const LPARAM onGlyph = MAKELPARAM(r.right - 5, r.top + 1 + 5);
  form->Answer = 1;  // the form objects: the page stays and the tab is not selected
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, onGlyph);
  SendMessageW(w, WM_LBUTTONUP, 0, onGlyph);
  ASSERT_EQ(form->Asked, std::vector<LPARAM>{1});
  EXPECT_EQ(pages->PageCount(), 4);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  form->Answer = 0;
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, onGlyph);
  EXPECT_FALSE(*thirdLives);
  ASSERT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->Pages(0)->Caption(), L"Zero");
  EXPECT_EQ(pages->Pages(1)->Caption(), L"Hidden");
  EXPECT_EQ(pages->Pages(2)->Caption(), L"Three");
  // Until the tabs are drawn again the old glyph places hit nothing.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, onGlyph);
  SendMessageW(w, WM_LBUTTONUP, 0, onGlyph);
  EXPECT_EQ(form->Asked.size(), 2u);
  EXPECT_EQ(pages->PageCount(), 3);
  pages->SetActivePageIndex(0);
  // A press beside the glyph selects the tab as ever.
  PaintedPicture(w);
  r = ItemRect(w, 1);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2));
  EXPECT_EQ(form->Asked.size(), 2u);
  EXPECT_EQ(pages->ActivePage()->Caption(), L"Three");
}

// A tab with a close glyph is laid out wider, so its caption keeps well clear of the glyph.
TEST_F(SkinTabTest, ACaptionKeepsClearOfItsCloseGlyph) {
  TPageControl* pages = Pages({L"General", L"Advanced", L"About"});
  pages->SetTag(7777);
  pages->SetActivePageIndex(1);
  TSkinTab* skinner = Skin(pages);
  ASSERT_TRUE(skinner->Closable);
  HWND w = pages->Handle();
  const TBitmap picture = PaintedPicture(w);
  ASSERT_EQ(skinner->CloseRects.size(), 3u);
  for (int tab = 0; tab < 3; ++tab) {
    SCOPED_TRACE(tab);
    const RECT r = ItemRect(w, tab);
    const RECT glyph = skinner->CloseRects[static_cast<size_t>(tab)];
    EXPECT_GE(glyph.left, r.left);
    EXPECT_LE(glyph.right, r.right);
    // The caption is whatever differs from the tab's frame left of the glyph, between the
    // tab's edges.
    const COLORREF frame = tab == 1 ? selected : normal;
    int captionRight = -1;
    for (int x = r.left + 1; x < glyph.left; ++x)
      for (int y = r.top + 2; y < r.bottom - 2; ++y)
        if (picture.Pixel(x, y) != frame) captionRight = x;
    ASSERT_GE(captionRight, 0) << "no caption drawn";
    // Clear of it by at least the glyph's own width.
    EXPECT_GE(glyph.left - captionRight - 1, glyph.right - glyph.left);
  }
}

TEST_F(SkinTabTest, APageTheFormFreedWhileAskedIsNotFreedAgain) {
  TPageControl* pages = Pages({L"Zero", L"One"});
  pages->SetTag(7777);
  Skin(pages);
  HWND w = pages->Handle();
  PaintedPicture(w);
  const RECT r = ItemRect(w, 1);
  form->WhileAsked = [pages] { delete pages->Pages(1); };
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right - 5, r.top + 6));
  ASSERT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(pages->Pages(0)->Caption(), L"Zero");
}

TEST_F(SkinTabTest, TabsMovedToAnotherSideAreDrawnThere) {
  TPageControl* pages = Pages({L"A", L"B"});
  pages->SetTag(7777);
  TSkinTab* skinner = Skin(pages);
  ASSERT_TRUE(skinner->Closable);
  pages->SetTabPosition(TTabPosition::tpBottom);  // the window is made again
  HWND w = pages->Handle();
  const TBitmap picture = PaintedPicture(w);
  EXPECT_EQ(skinner->TabPosition, kTabsBottom);
  EXPECT_FALSE(skinner->Closable);
  const RECT r = ItemRect(w, 1);
  EXPECT_EQ(picture.Pixel(r.left + 2, (r.top + r.bottom) / 2), normal);
  pages->SetTabPosition(TTabPosition::tpTop);
  PaintedPicture(pages->Handle());
  EXPECT_TRUE(skinner->Closable);
}

TEST_F(SkinTabTest, OnlyTopTabsOfATaggedPageControlGetCloseGlyphs) {
  TPageControl* bottom = Pages({L"A", L"B"});
  bottom->SetTag(7777);
  bottom->SetTabPosition(TTabPosition::tpBottom);
  EXPECT_FALSE(Skin(bottom)->Closable);
  TPageControl* untagged = Pages({L"A", L"B"});
  EXPECT_FALSE(Skin(untagged)->Closable);
  auto* control = new TTabControl(form);
  control->SetParent(form);
  control->SetTag(7777);
  control->SetTabs({L"A"});
  EXPECT_FALSE(Skin(control)->Closable);
}

TEST_F(SkinTabTest, HiddenTabRowsAndOddFrameCountsDrawWithoutHarm) {
  TPageControl* pages = Pages({L"A", L"B"});
  pages->Pages(0)->SetTabVisible(false);
  pages->Pages(1)->SetTabVisible(false);
  pages->SetActivePageIndex(0);
  Skin(pages);
  HWND w = pages->Handle();
  EXPECT_EQ(SendMessageW(w, TCM_GETITEMCOUNT, 0, 0), 0);
  TBitmap picture = PaintedPicture(w);  // no strip: only the pane
  // Frame counts below 1 count as 1; a selected tab's frame 2 stays inside a one-frame strip.
  pages->Pages(0)->SetTabVisible(true);
  tabs->Frame = 0;
  picture = PaintedPicture(w);
  RECT r = ItemRect(w, 0);
  EXPECT_EQ(picture.Pixel(r.left + 2, (r.top + r.bottom) / 2), normal);  // the whole image, from its left
  tabs->Frame = 1;
  picture = PaintedPicture(w);
  EXPECT_EQ(picture.Pixel(r.left + 2, (r.top + r.bottom) / 2), normal);
}

TEST_F(SkinTabTest, TheStripLeavesTheScrollArrowsAlone) {
  std::vector<std::wstring> captions;
  for (int i = 0; i < 12; ++i) captions.push_back(L"Long caption " + std::to_wstring(i));
  TPageControl* pages = Pages(captions);
  pages->SetWidth(200);
  Skin(pages);
  HWND w = pages->Handle();
  HWND arrows = FindWindowExW(w, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  ASSERT_TRUE(IsWindowVisible(arrows));
  RECT a{};
  GetWindowRect(arrows, &a);
  MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&a), 2);
  const TBitmap picture = PaintedPicture(w);
  EXPECT_EQ(picture.Pixel((a.left + a.right) / 2, (a.top + a.bottom) / 2), kUnpaintedColour);
  EXPECT_EQ(picture.Pixel(ItemRect(w, 0).left + 2, (a.top + a.bottom) / 2), selected);
}

TEST_F(SkinTabTest, ATabSetDrawsTheTabsThatFitFromTheTabsImageUpsideDown) {
  auto* set = new TTabSet(form);
  set->SetParent(form);
  set->SetBounds(10, 220, 300, 24);
  set->SetTabs({L"One", L"Two", L"A caption far too wide for what is left of the room", L"Four"});
  set->SetTabIndex(1);
  TSkinDecision decision;
  decision.Kind = TSkinnerKind::Tab31;
  TSkinControl* skinner = MakeSkinner(TSkinnerKind::Tab31, set, decision);
  skinner->AttachControl(skinForm, data, nullptr, false);
  HWND w = set->Handle();
  EXPECT_EQ(SendMessageW(w, SKM_QUERYSKINNED, 0, 0), 1);
  const TBitmap picture = PaintedPicture(w);
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, set->Font()->Handle());
  auto width = [dc](const wchar_t* text) {
    SIZE s{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &s);
    return static_cast<int>(s.cx) + 9;
  };
  const int one = width(L"One"), two = width(L"Two"), four = width(L"Four");
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  // From the start margin: One, Two (selected), then Four where the wide caption would have gone.
  const int y = 20;
  EXPECT_EQ(picture.Pixel(5 + 1, y), normal);
  EXPECT_EQ(picture.Pixel(5 + one + 1, y), selected);
  EXPECT_EQ(picture.Pixel(5 + one + two + 1, y), normal);
  EXPECT_EQ(picture.Pixel(5 + one + two + four + 2, y), ColorToRGB(skinner->SkinFaceColour()));
}

TEST_F(SkinTabTest, APlainTabWindowIsSkinnedWithItsCaptions) {
  HWND w = CreateWindowExA(0, "SysTabControl32", "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 120, form->Handle(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  for (const char* caption : {"Alpha", "Beta"}) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption);
    SendMessageA(w, TCM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&item));
  }
  skinForm->SkinChildWindow(w);
  auto* skinner = dynamic_cast<TSkinTab*>(skinForm->FindSkinControlByHandle(w));
  ASSERT_NE(skinner, nullptr);
  EXPECT_FALSE(skinner->Closable);
  const TBitmap picture = PaintedPicture(w);
  for (int tab = 0; tab < 2; ++tab) {
    const RECT r = ItemRect(w, tab);
    const COLORREF frame = tab == 0 ? selected : normal;
    EXPECT_EQ(picture.Pixel(r.left + 2, (r.top + r.bottom) / 2), frame);
    // The caption, read from the window, is drawn across the middle of the tab.
    bool text = false;
    for (int x = r.left + 4; x < r.right - 4; ++x) text = text || picture.Pixel(x, (r.top + r.bottom) / 2 + 1) != frame;
    EXPECT_TRUE(text) << tab;
  }
  DestroyWindow(w);
  EXPECT_EQ(skinForm->FindSkinControlByHandle(w), nullptr);
}

TEST_F(SkinTabTest, TheDiscoveryGivesEachTabControlItsSkinner) {
  TSkinControlTypes types;
  types.Include(TSkinControlType::xcTab);
  data->SetSkinControls(types);
  TPageControl* pages = Pages({L"A"});
  auto* control = new TTabControl(form);
  control->SetParent(form);
  control->SetTabs({L"B"});
  auto* set = new TTabSet(form);
  set->SetParent(form);
  for (TControl* c : std::initializer_list<TControl*>{pages, control, set}) skinForm->SkinComponent(c, form);
  auto* pageSkinner = dynamic_cast<TSkinTab*>(skinForm->FindSkinControlByHandle(pages->Handle()));
  ASSERT_NE(pageSkinner, nullptr);
  EXPECT_EQ(pageSkinner->Mode, 0);
  auto* controlSkinner = dynamic_cast<TSkinTab*>(skinForm->FindSkinControlByHandle(control->Handle()));
  ASSERT_NE(controlSkinner, nullptr);
  EXPECT_EQ(controlSkinner->Mode, 2);  // its graphic children are painted with it
  EXPECT_NE(dynamic_cast<TSkinTab31*>(skinForm->FindSkinControlByHandle(set->Handle())), nullptr);
}

}  // namespace
