// Events and input: only shown rows are asked for texts and images, mouse and keys move the
// selection, the wheel and the native scroll bar scroll, the last row scrolls into view.
#include <gtest/gtest.h>

#include <set>

#include "gui_test_support.h"
#include "tree_fixture.h"

namespace {
class Events : public ::testing::Test {
 protected:
  void SetUp() override {
    tree->SetDefaultNodeHeight(20);
    tree->OnGetText = [this](TBaseVirtualTree*, PVirtualNode node, TColumnIndex, TVSTTextType, std::wstring& text) {
      asked.insert(node->Index);
      text = L"row " + std::to_wstring(node->Index);
    };
    tree->SetImages(SolidImages(f.form, 16, {RGB(0, 0, 255)}));
    tree->OnGetImageIndex = [this](TBaseVirtualTree*, PVirtualNode node, TVTImageKind, TColumnIndex, bool&,
                                   int& index) {
      imagesAsked.insert(node->Index);
      index = 0;
    };
    tree->OnInitNode = [this](TBaseVirtualTree*, PVirtualNode, PVirtualNode node, TVirtualNodeInitStates&) {
      initialised.insert(node->Index);
    };
    tree->OnChange = [this](TBaseVirtualTree*, PVirtualNode) { ++changes; };
    tree->SetRootNodeCount(100000);
  }
  int RowsShown() const { return (tree->ClientHeight() + 19) / 20; }

  TreeFixture f{300, 200};
  TVirtualStringTree* tree = f.tree;
  std::set<uint32_t> asked, imagesAsked, initialised;
  int changes = 0;
};
}  // namespace

TEST_F(Events, OnlyTheShownRowsAreInitialisedAndAskedForTheirTexts) {
  { Snapshot s(tree); }
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(*asked.begin(), 0u);
  EXPECT_EQ(*asked.rbegin(), static_cast<uint32_t>(RowsShown() - 1));
  EXPECT_EQ(initialised, asked);
  EXPECT_EQ(imagesAsked, asked);
  asked.clear();
  imagesAsked.clear();
  tree->SetOffsetY(50000 * 20 + 5);  // row 50000 partly scrolled out at the top
  { Snapshot s(tree); }
  EXPECT_EQ(*asked.begin(), 50000u);
  EXPECT_EQ(*asked.rbegin(), static_cast<uint32_t>(50000 + RowsShown()));
  EXPECT_LE(initialised.size(), asked.size() + static_cast<size_t>(RowsShown()));
  EXPECT_EQ(imagesAsked, asked);
}

TEST_F(Events, MouseAndKeysMoveTheSelectionAndFocus) {
  f.Click(100, 3 * 20 + 5);
  EXPECT_EQ(tree->FocusedNode(), f.Row(3));
  EXPECT_TRUE(tree->Selected(f.Row(3)));
  EXPECT_EQ(changes, 1);
  int page = tree->ClientHeight() / 20;
  struct {
    WPARAM key;
    uint32_t row;
  } keys[] = {{VK_DOWN, 4}, {VK_UP, 3}, {VK_HOME, 0}, {VK_UP, 0}, {VK_NEXT, static_cast<uint32_t>(page - 1)},
              {VK_END, 99999}, {VK_DOWN, 99999}, {VK_PRIOR, static_cast<uint32_t>(99999 - page + 1)}};
  for (const auto& k : keys) {
    f.Key(k.key);
    ASSERT_NE(tree->FocusedNode(), nullptr);
    EXPECT_EQ(tree->FocusedNode()->Index, k.row) << "key " << k.key;
    EXPECT_TRUE(tree->Selected(tree->FocusedNode()));
    EXPECT_EQ(tree->SelectedCount(), 1u);
    // The focused row is always fully shown.
    TRect r = tree->GetDisplayRect(tree->FocusedNode(), NoColumn, false);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.bottom, tree->ClientHeight());
  }
}

TEST_F(Events, TheLastRowScrollsIntoViewAndTheNativeBarFollows) {
  EXPECT_TRUE(tree->ScrollIntoView(f.Row(99999), false));
  EXPECT_EQ(tree->OffsetY(), 100000 * 20 - tree->ClientHeight());
  EXPECT_EQ(tree->GetNodeAt(10, tree->ClientHeight() - 1), f.Row(99999));
  SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nMax, 100000 * 20 - 1);
  EXPECT_EQ(static_cast<int>(si.nPage), tree->ClientHeight());
  EXPECT_EQ(si.nPos, tree->OffsetY());
  EXPECT_FALSE(tree->ScrollIntoView(f.Row(99999), false));  // already shown
  EXPECT_TRUE(tree->ScrollIntoView(f.Row(10), true));       // centred
  EXPECT_EQ(tree->OffsetY(), 10 * 20 + 10 - tree->ClientHeight() / 2);
}

TEST_F(Events, WheelAndScrollBarMessagesScroll) {
  SendMessageW(tree->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  EXPECT_EQ(tree->OffsetY(), static_cast<int>(lines) * 20);
  SendMessageW(tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(tree->OffsetY(), static_cast<int>(lines) * 20 + tree->ClientHeight());
  SendMessageW(tree->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(tree->OffsetY(), 100000 * 20 - tree->ClientHeight());
  SendMessageW(tree->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);  // stays at the end
  EXPECT_EQ(tree->OffsetY(), 100000 * 20 - tree->ClientHeight());
  SendMessageW(tree->Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(tree->OffsetY(), 0);
  tree->SetRootNodeCount(3);  // fewer rows than room: no bar, back at the top
  tree->Repaint();
  EXPECT_EQ(tree->OffsetY(), 0);
  EXPECT_FALSE(GetWindowLongPtrW(tree->Handle(), GWL_STYLE) & WS_VSCROLL);
}

// Paging repaints the rows only; the bar is drawn once the steps stop, by a one-shot timer
// that each step puts off, or at once when the bar says scrolling has ended.
TEST_F(Events, PagingLeavesTheFrameAloneAndTheBarFollowsWhenItStops) {
  f.form->Show();
  tree->Repaint();
  Pump(100);
  MessageRecorder recorder(tree);
  for (int i = 0; i < 5; ++i) {
    SendMessageW(tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(tree->Handle());
  }
  EXPECT_TRUE(recorder.Saw(WM_PAINT));
  EXPECT_FALSE(recorder.Saw(WM_NCPAINT));
  SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nPos, tree->OffsetY());
  EXPECT_EQ(tree->OffsetY(), 5 * tree->ClientHeight());
  // The quiet spell ends with the timer (once more when it came before the spell was over),
  // then the timer stops: a spell with no timer message comes.
  recorder.Clear();
  for (DWORD start = GetTickCount(); !recorder.Saw(WM_TIMER) && GetTickCount() - start < 3000;) Pump(10);
  EXPECT_TRUE(recorder.Saw(WM_TIMER));
  bool stopped = false;
  for (int spell = 0; spell < 10 && !stopped; ++spell) {
    recorder.Clear();
    Pump(150);
    stopped = !recorder.Saw(WM_TIMER);
  }
  EXPECT_TRUE(stopped);
  EXPECT_FALSE(recorder.Saw(WM_NCPAINT));
  // The end of a scroll draws the bar at once: no timer is left to fire.
  SendMessageW(tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageW(tree->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
  recorder.Clear();
  Pump(150);
  EXPECT_FALSE(recorder.Saw(WM_TIMER));
  ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nPos, 6 * tree->ClientHeight());
}

TEST(TreeEvents, ExpandingAsksForChildrenOnceAndCollapsingMovesTheFocusUp) {
  TreeFixture f;
  int asks = 0;
  std::vector<std::wstring> log;
  f.tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode parent, PVirtualNode, TVirtualNodeInitStates& states) {
    if (!parent) states.Include(TVirtualNodeInitState::ivsHasChildren);
  };
  f.tree->OnInitChildren = [&](TBaseVirtualTree*, PVirtualNode node, uint32_t& count) {
    ++asks;
    count = node->Index == 0 ? 0 : 5;
  };
  f.tree->OnExpanded = [&](TBaseVirtualTree*, PVirtualNode n) { log.push_back(L"expanded " + std::to_wstring(n->Index)); };
  f.tree->OnCollapsed = [&](TBaseVirtualTree*, PVirtualNode n) { log.push_back(L"collapsed " + std::to_wstring(n->Index)); };
  f.tree->SetRootNodeCount(2);
  EXPECT_TRUE(f.tree->HasChildren(f.Row(0)));  // until its children are counted
  f.tree->SetExpanded(f.Row(0), true);
  EXPECT_FALSE(f.tree->HasChildren(f.Row(0)));
  TRect button = f.tree->CellLayout(f.Row(1), NoColumn).Button;
  ASSERT_FALSE(IsRectEmpty(&button));
  f.Click(button.left + 4, button.top + 4);
  EXPECT_TRUE(f.tree->Expanded(f.Row(1)));
  EXPECT_EQ(f.tree->VisibleCount(), 7u);
  f.tree->SetFocusedNode(f.Child(1, 3));
  f.Key(VK_LEFT);  // to the parent
  EXPECT_EQ(f.tree->FocusedNode(), f.Row(1));
  f.Key(VK_LEFT);  // collapses it
  EXPECT_FALSE(f.tree->Expanded(f.Row(1)));
  f.Key(VK_RIGHT);
  EXPECT_TRUE(f.tree->Expanded(f.Row(1)));
  EXPECT_EQ(asks, 2);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"expanded 0", L"expanded 1", L"collapsed 1", L"expanded 1"}));
}

TEST(TreeHeader, DraggingAResizableColumnsEdgeResizesIt) {
  TreeFixture f;
  f.tree->Header()->SetOptions({TVTHeaderOption::hoVisible, TVTHeaderOption::hoColumnResize});
  TVirtualTreeColumn* first = f.tree->Header()->Columns()->Add();
  first->SetWidth(100);
  TVirtualTreeColumn* fixed = f.tree->Header()->Columns()->Add();
  fixed->SetWidth(80);
  fixed->SetOptions({TVTColumnOption::coVisible});
  HWND h = f.tree->Handle();
  auto drag = [h](int from, int to) {
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from, 5));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(to, 5));
  };
  drag(101, 131);  // near the first column's right edge
  EXPECT_EQ(first->Width(), 130);
  drag(60, 90);  // inside a column: nothing
  EXPECT_EQ(first->Width(), 130);
  drag(210, 250);  // the edge of a column that may not be resized
  EXPECT_EQ(fixed->Width(), 80);
  EXPECT_EQ(f.tree->Header()->Columns()->ColumnAt(131), 1);
}
