// List boxes: owner-drawn rows at ItemHeight offsets (pixel probes of a printed window), rows
// of measured heights, selection in one and in many rows, and clicks from the user only.
#include <gtest/gtest.h>

#include <vector>

#include "gui/forms.h"
#include "gui/lists.h"
#include "gui_test_support.h"

namespace {

// The page's way of drawing rows: white and pale blue by turns.
COLORREF RowColour(int index) { return index % 2 ? RGB(255, 255, 255) : RGB(243, 245, 253); }

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetBounds(0, 0, 300, 300);
    form_.Show();
    list_ = new TListBox(&form_);
    list_->SetParent(&form_);
    list_->SetBounds(10, 10, 200, 200);
    for (int i = 0; i < 20; ++i) list_->Items().Add(L"Row " + std::to_wstring(i));
  }
  // Draws like the page does and remembers where each row went.
  void DrawRows() {
    list_->OnDrawItem = [this](TWinControl*, int index, TRect rect, TOwnerDrawState) {
      drawn_.push_back({index, rect});
      list_->Canvas().Brush().Color = static_cast<TColor>(RowColour(index));
      list_->Canvas().FillRect(rect);
    };
  }
  // The list box's client area as it paints itself into a memory DC.
  void Print(Surface& surface) {
    drawn_.clear();
    SendMessageW(list_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
  }
  struct Drawn {
    int index;
    TRect rect;
  };
  TForm form_{nullptr};
  TListBox* list_ = nullptr;
  std::vector<Drawn> drawn_;
};

}  // namespace

TEST_F(ListBoxTest, OwnerDrawnRowsSitAtItemHeightOffsets) {
  list_->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  list_->SetItemHeight(26);
  DrawRows();
  for (int top : {0, 3}) {
    SCOPED_TRACE(top);
    list_->SetTopIndex(top);
    EXPECT_EQ(list_->TopIndex(), top);
    Surface surface(200, 200, RGB(0, 0, 0));
    Print(surface);
    ASSERT_GE(drawn_.size(), 7u);
    for (const Drawn& d : drawn_) {
      int row = d.index - top;
      EXPECT_EQ(d.rect.top, row * 26) << d.index;
      EXPECT_EQ(d.rect.bottom, (row + 1) * 26) << d.index;
      TRect item = list_->ItemRect(d.index);
      EXPECT_EQ(item.top, d.rect.top);
    }
    for (int row = 0; row < 7; ++row) {
      ExpectColour(surface.At(50, row * 26 + 1), RowColour(top + row));
      ExpectColour(surface.At(50, row * 26 + 25), RowColour(top + row));
    }
  }
}

TEST_F(ListBoxTest, VariableRowsTakeTheHeightTheyAreGiven) {
  list_->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 10 + 2 * index; };
  list_->SetStyle(TListBoxStyle::lbOwnerDrawVariable);
  DrawRows();
  Surface surface(200, 200, RGB(0, 0, 0));
  Print(surface);
  int top = 0;
  for (int i = 0; i < 8; ++i) {
    TRect r = list_->ItemRect(i);
    EXPECT_EQ(r.top, top) << i;
    EXPECT_EQ(r.bottom - r.top, 10 + 2 * i) << i;
    ExpectColour(surface.At(50, top + 1), RowColour(i));
    top = r.bottom;
  }
}

TEST_F(ListBoxTest, SelectionInOneRowAndInMany) {
  int clicks = 0;
  list_->OnClick = [&](TObject*) { ++clicks; };
  list_->SetItemIndex(4);
  EXPECT_EQ(list_->ItemIndex(), 4);
  EXPECT_TRUE(list_->Selected(4));
  EXPECT_EQ(list_->SelCount(), 1);
  list_->SetSelected(2, true);
  EXPECT_FALSE(list_->Selected(4));
  EXPECT_EQ(list_->ItemIndex(), 2);

  list_->SetMultiSelect(true);  // a new window keeps the rows and the current row
  EXPECT_EQ(list_->Count(), 20);
  EXPECT_EQ(SendMessageW(list_->Handle(), LB_GETCOUNT, 0, 0), 20);
  EXPECT_TRUE(list_->Selected(2));
  for (int i : {5, 7, 9}) list_->SetSelected(i, true);
  list_->SetSelected(2, false);
  EXPECT_EQ(list_->SelCount(), 3);
  std::vector<bool> expected(20, false);
  expected[5] = expected[7] = expected[9] = true;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(list_->Selected(i), expected[i]) << i;
  EXPECT_FALSE(list_->Selected(-1));
  EXPECT_FALSE(list_->Selected(20));
  EXPECT_EQ(clicks, 0);  // nothing chosen in code is a click

  // A click on the third row from the user.
  TRect row = list_->ItemRect(2);
  LPARAM at = MAKELPARAM(20, (row.top + row.bottom) / 2);
  SendMessageW(list_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list_->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list_->ItemIndex(), 2);
  EXPECT_EQ(list_->SelCount(), 1);
}

TEST_F(ListBoxTest, ItemsFollowInAndOutOfTheWindow) {
  list_->Items().Delete(0);
  list_->Items().Put(0, L"changed");
  list_->Items().Insert(1, L"inserted");
  wchar_t text[32] = {};
  SendMessageW(list_->Handle(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"changed");
  SendMessageW(list_->Handle(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"inserted");
  EXPECT_EQ(SendMessageW(list_->Handle(), LB_GETCOUNT, 0, 0), 20);
  list_->SetItemIndex(3);
  list_->Items().Clear();
  EXPECT_EQ(list_->ItemIndex(), -1);
  EXPECT_EQ(SendMessageW(list_->Handle(), LB_GETCOUNT, 0, 0), 0);
}
