// Tab controls and page controls: tabs shown for pages, hidden tabs, pages switched in code
// and by the user, pages placed in the display area, pages freed, and forms that hold them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "gui/ext_ctrls.h"
#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/pages.h"
#include "gui/properties.h"
#include "gui_test_support.h"
#include "tests/gui/click_tab.h"

namespace {
bool SameRect(const TRect& a, const TRect& b) { return EqualRect(&a, &b) != FALSE; }

std::vector<std::wstring> NativeTabs(HWND tabs) {
  std::vector<std::wstring> captions;
  int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[80] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 80;
    SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    captions.push_back(text);
  }
  return captions;
}

std::vector<std::wstring> VisiblePages(TPageControl* pages) {
  std::vector<std::wstring> names;
  for (int i = 0; i < pages->PageCount(); ++i) {
    TTabSheet* page = pages->Pages(i);
    EXPECT_EQ(page->Visible(), page->HandleAllocated() && IsWindowVisible(page->Handle())) << page->Name();
    if (page->Visible()) names.push_back(page->Name());
  }
  return names;
}

class Pages : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(100, 100, 500, 400);
    pages = new TPageControl(&form);
    pages->SetParent(&form);
    pages->SetBounds(10, 10, 400, 300);
    for (const wchar_t* name : {L"ts1", L"ts2", L"ts3"}) {
      auto* page = new TTabSheet(&form);
      page->SetName(name);
      page->SetCaption(std::wstring(L"Page ") + name);
      page->SetPageControl(pages);
      sheets.push_back(page);
    }
    pages->OnChanging = [this](TObject*, bool& allow) {
      events.push_back(L"changing");
      allow = allowChange;
    };
    pages->OnChange = [this](TObject*) { events.push_back(L"change:" + pages->ActivePage()->Name()); };
    form.Show();
  }

  TForm form{nullptr};
  TPageControl* pages = nullptr;
  std::vector<TTabSheet*> sheets;
  std::vector<std::wstring> events;
  bool allowChange = true;
};
}  // namespace

TEST_F(Pages, EveryPageHasATabAndOnlyTheActivePageShows) {
  HWND wnd = pages->Handle();
  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  EXPECT_STREQ(cls, L"TPageControl");
  EXPECT_EQ(NativeTabs(wnd), (std::vector<std::wstring>{L"Page ts1", L"Page ts2", L"Page ts3"}));
  // The first page inserted became active.
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_EQ(VisiblePages(pages), std::vector<std::wstring>{L"ts1"});
  // The page fills the area inside the tabs, as the window reports it.
  TRect display = pages->ClientRect();
  SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_TRUE(SameRect(display, sheets[0]->BoundsRect()));
  TRect firstTab = {};
  SendMessageW(wnd, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstTab));
  EXPECT_GE(sheets[0]->Top(), firstTab.bottom);

  pages->SetActivePageIndex(2);
  EXPECT_EQ(VisiblePages(pages), std::vector<std::wstring>{L"ts3"});
  EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(SameRect(display, sheets[2]->BoundsRect()));
  // Choosing a page in code tells no one.
  EXPECT_TRUE(events.empty());

  sheets[1]->SetCaption(L"Renamed");
  EXPECT_EQ(NativeTabs(wnd)[1], L"Renamed");
}

TEST_F(Pages, HiddenTabsLeaveThePagesToTheProgram) {
  pages->SetStyle(TTabStyle::tsButtons);
  for (TTabSheet* page : sheets) page->SetTabVisible(false);
  HWND wnd = pages->Handle();
  EXPECT_EQ(SendMessageW(wnd, TCM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(pages->TabIndex(), -1);
  // Button tabs without any tab: the page takes the whole control.
  for (const wchar_t* name : {L"ts2", L"ts3", L"ts1"}) {
    auto* page = static_cast<TTabSheet*>(form.FindComponent(name));
    pages->SetActivePage(page);
    EXPECT_EQ(VisiblePages(pages), std::vector<std::wstring>{name});
    EXPECT_EQ(page->BoundsRect().left, 0);
    EXPECT_EQ(page->BoundsRect().top, 0);
    EXPECT_EQ(page->Width(), pages->ClientWidth());
    EXPECT_EQ(page->Height(), pages->ClientHeight());
    EXPECT_EQ(page->TabIndex(), -1);
  }
  EXPECT_TRUE(events.empty());

  // One tab shown again: it is the only tab, and selected only while its page is active.
  sheets[2]->SetTabVisible(true);
  EXPECT_EQ(NativeTabs(wnd), std::vector<std::wstring>{L"Page ts3"});
  EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), -1);
  pages->SetActivePage(sheets[2]);
  EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(sheets[2]->TabIndex(), 0);
}

TEST_F(Pages, ClickingATabAsksFirstThenSwitches) {
  sheets[1]->SetTabVisible(false);
  ClickTab(pages, 1);  // the second shown tab is the third page
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(VisiblePages(pages), std::vector<std::wstring>{L"ts3"});
  EXPECT_EQ(events, (std::vector<std::wstring>{L"changing", L"change:ts3"}));

  events.clear();
  allowChange = false;
  ClickTab(pages, 0);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(events, std::vector<std::wstring>{L"changing"});
}

TEST_F(Pages, FreeingTheActivePageShowsTheNextPageWithATab) {
  sheets[1]->SetTabVisible(false);
  pages->SetActivePage(sheets[0]);
  delete sheets[0];
  // ts2's tab is hidden, so ts3 comes forward.
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(VisiblePages(pages), std::vector<std::wstring>{L"ts3"});
  EXPECT_EQ(NativeTabs(pages->Handle()), std::vector<std::wstring>{L"Page ts3"});
  // A page that is not active goes without changing the active one.
  delete sheets[1];
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(sheets[2]->PageIndex(), 0);
  // The last page with no other tab shown: no page is active.
  delete sheets[2];
  EXPECT_EQ(pages->ActivePage(), nullptr);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(Pages, StylesMakeTheWindowAgainWithItsPagesAndTabs) {
  struct Case {
    TTabStyle style;
    TTabPosition position;
    LONG_PTR bits;
  } cases[] = {
      {TTabStyle::tsButtons, TTabPosition::tpTop, TCS_BUTTONS},
      {TTabStyle::tsFlatButtons, TTabPosition::tpTop, TCS_BUTTONS | TCS_FLATBUTTONS},
      {TTabStyle::tsTabs, TTabPosition::tpBottom, TCS_BOTTOM},
      {TTabStyle::tsTabs, TTabPosition::tpLeft, TCS_VERTICAL | TCS_MULTILINE},
      {TTabStyle::tsTabs, TTabPosition::tpRight, TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE},
  };
  pages->SetActivePage(sheets[1]);
  for (const Case& c : cases) {
    pages->SetStyle(c.style);
    pages->SetTabPosition(c.position);
    HWND wnd = pages->Handle();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & c.bits, c.bits);
    EXPECT_EQ(NativeTabs(wnd).size(), 3u);
    EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(GetParent(sheets[1]->Handle()), wnd);
    EXPECT_EQ(VisiblePages(pages), std::vector<std::wstring>{L"ts2"});
    TRect display = pages->ClientRect();
    SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_TRUE(SameRect(display, sheets[1]->BoundsRect())) << static_cast<int>(c.position);
  }
  EXPECT_EQ(GetPropInfo(pages, L"Style")->Enum->Names[static_cast<int>(pages->Style())], L"tsTabs");
}

TEST(TabControl, TabsFromAFormAndAUserClick) {
  TForm form(nullptr);
  ReadForm(&form,
           L"object Form1: TForm\n"
           L"  Width = 400\n  Height = 300\n"
           L"  object pgc: TPageControl\n"
           L"    Width = 300\n    Height = 200\n    ActivePage = tsB\n"
           L"    object tsA: TTabSheet\n      Caption = 'A'\n      TabVisible = False\n    end\n"
           L"    object tsB: TTabSheet\n      Caption = 'B'\n"
           L"      object pnl: TPanel\n        Align = alClient\n      end\n"
           L"    end\n"
           L"  end\n"
           L"  object tabs: TTabControl\n"
           L"    Top = 200\n    Width = 300\n    Height = 80\n"
           L"    Tabs.Strings = (\n      'One'\n      'Two')\n    TabIndex = 1\n"
           L"    object inner: TPanel\n      Align = alClient\n    end\n"
           L"  end\n"
           L"end\n",
           L"tabs.dfm", FolderFileSource(L"."));
  form.Show();
  auto* pgc = static_cast<TPageControl*>(form.FindComponent(L"pgc"));
  auto* tsB = static_cast<TTabSheet*>(form.FindComponent(L"tsB"));
  ASSERT_EQ(pgc->PageCount(), 2);
  EXPECT_EQ(pgc->ActivePage(), tsB);
  EXPECT_FALSE(static_cast<TTabSheet*>(form.FindComponent(L"tsA"))->Visible());
  EXPECT_EQ(NativeTabs(pgc->Handle()), std::vector<std::wstring>{L"B"});
  EXPECT_EQ(form.FindComponent(L"pnl")->InheritsFrom(L"TPanel"), true);
  EXPECT_EQ(static_cast<TPanel*>(form.FindComponent(L"pnl"))->Width(), tsB->ClientWidth());

  auto* tabs = static_cast<TTabControl*>(form.FindComponent(L"tabs"));
  EXPECT_EQ(NativeTabs(tabs->Handle()), (std::vector<std::wstring>{L"One", L"Two"}));
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0), 1);
  auto* inner = static_cast<TPanel*>(form.FindComponent(L"inner"));
  TRect display = tabs->DisplayRect();
  EXPECT_TRUE(SameRect(display, inner->BoundsRect()));
  std::vector<int> changes;
  tabs->OnChange = [&](TObject*) { changes.push_back(tabs->TabIndex()); };
  ClickTab(tabs, 0);
  EXPECT_EQ(changes, std::vector<int>{0});
  tabs->SetTabIndex(1);  // in code: no event
  EXPECT_EQ(changes, std::vector<int>{0});
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0), 1);
}

TEST_F(Pages, TabsShowThePagesImages) {
  auto* images = new TImageList(&form);
  for (int i = 0; i < 3; ++i) images->AddIcon(LoadIconW(nullptr, IDI_APPLICATION));
  sheets[1]->SetImageIndex(2);
  pages->SetImages(images);
  HWND wnd = pages->Handle();
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(wnd, TCM_GETIMAGELIST, 0, 0)), images->Handle());
  TCITEMW item = {};
  item.mask = TCIF_IMAGE;
  SendMessageW(wnd, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 2);
  SendMessageW(wnd, TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, -1);
  delete images;
  EXPECT_EQ(pages->Images(), nullptr);
  EXPECT_EQ(SendMessageW(wnd, TCM_GETIMAGELIST, 0, 0), 0);
}
