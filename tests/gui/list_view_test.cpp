// The report list view: columns from a form, rows with texts the window asks for, check
// boxes with their notifications, per-row data, cell rectangles, selection, and rows that
// keep their state when the window is made again.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/strings.h"
#include "gui/control_canvas.h"
#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/list_view.h"
#include "gui_test_support.h"

namespace {
std::wstring CellText(HWND wnd, int row, int column) {
  wchar_t text[260] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 260;
  SendMessageW(wnd, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

bool NativeChecked(HWND wnd, int row) {
  return (SendMessageW(wnd, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

// A point on the row's check box, found by asking the window.
POINT CheckBoxPoint(TListItem* item) {
  HWND wnd = item->ListView()->Handle();
  TRect row = item->DisplayRect(TDisplayCode::drBounds);
  for (int x = row.left; x < row.right; ++x) {
    LVHITTESTINFO hit = {};
    hit.pt = POINT{x, (row.top + row.bottom) / 2};
    if (SendMessageW(wnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == item->Index() &&
        (hit.flags & LVHT_ONITEMSTATEICON))
      return hit.pt;
  }
  ADD_FAILURE() << "no check box on row " << item->Index();
  return POINT{};
}

// A left click as the window sees it: the release waits in the queue for the press's loop.
void Click(HWND wnd, POINT p) {
  LPARAM at = MAKELPARAM(p.x, p.y);
  PostMessageW(wnd, WM_LBUTTONUP, 0, at);
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  Pump(20);
}

struct Record {
  int id;
};

class ListView : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadForm(&form,
             L"object Form1: TForm\n"
             L"  Width = 600\n  Height = 400\n"
             L"  object lv: TListView\n"
             L"    Width = 560\n    Height = 320\n"
             L"    Checkboxes = True\n    GridLines = True\n    RowSelect = True\n    ReadOnly = True\n"
             L"    ViewStyle = vsReport\n"
             L"    Columns = <\n"
             L"      item\n        Caption = 'File Name'\n        Width = 250\n      end\n"
             L"      item\n        Caption = 'Path'\n        Width = 150\n      end\n"
             L"      item\n        Alignment = taCenter\n        Caption = 'Status'\n        Width = 140\n      end>\n"
             L"  end\n"
             L"end\n",
             L"list.dfm", FolderFileSource(L"."));
    lv = static_cast<TListView*>(form.FindComponent(L"lv"));
    lv->OnItemChecked = [this](TObject*, TListItem* item) { checked.push_back(item->Index()); };
    lv->OnChange = [this](TObject*, TListItem*, TItemChange change) {
      if (change == TItemChange::ctState) ++stateChanges;
    };
    form.Show();
  }

  void AddRows(int count) {
    records.resize(count);
    lv->Items()->BeginUpdate();
    for (int i = 0; i < count; ++i) {
      records[i].id = i;
      TListItem* item = lv->Items()->Add();
      item->SetCaption(L"file" + IntToStr(i));
      item->AddSubItem(L"C:\\dir" + IntToStr(i) + L"\\");
      item->AddSubItem(i % 2 ? L"odd" : L"even");
      item->SetData(&records[i]);
    }
    lv->Items()->EndUpdate();
  }

  TForm form{nullptr};
  TListView* lv = nullptr;
  std::vector<Record> records;
  std::vector<int> checked;
  int stateChanges = 0;
};
}  // namespace

TEST_F(ListView, ColumnsFromTheFormReachTheWindow) {
  HWND wnd = lv->Handle();
  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  EXPECT_STREQ(cls, L"TListView");
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  DWORD ex = static_cast<DWORD>(SendMessageW(wnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_EQ(ex & (LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
            static_cast<DWORD>(LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & LVS_EDITLABELS, 0);
  ASSERT_EQ(lv->Columns()->Count(), 3);
  struct Expected {
    const wchar_t* caption;
    int width, format;
  } expected[] = {{L"File Name", 250, LVCFMT_LEFT}, {L"Path", 150, LVCFMT_LEFT}, {L"Status", 140, LVCFMT_CENTER}};
  for (int i = 0; i < 3; ++i) {
    wchar_t text[64] = {};
    LVCOLUMNW c = {};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    c.pszText = text;
    c.cchTextMax = 64;
    ASSERT_TRUE(SendMessageW(wnd, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&c)));
    EXPECT_STREQ(text, expected[i].caption);
    EXPECT_EQ(c.cx, expected[i].width);
    EXPECT_EQ(c.fmt & LVCFMT_JUSTIFYMASK, expected[i].format);
    EXPECT_EQ(lv->Columns()->Items(i)->Width(), expected[i].width);
  }
  // A column added later gets its texts from the rows too.
  AddRows(3);
  TListColumn* extra = lv->Columns()->Add();
  extra->SetCaption(L"Extra");
  lv->Items()->Item(1)->SetSubItem(2, L"more");
  EXPECT_EQ(CellText(wnd, 1, 3), L"more");
  // Removing the last column leaves the others.
  lv->Columns()->Delete(3);
  HWND header = reinterpret_cast<HWND>(SendMessageW(wnd, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(ListView, AThousandRowsWithCheckBoxesDataAndCellRectangles) {
  AddRows(1000);
  HWND wnd = lv->Handle();
  ASSERT_EQ(lv->Items()->Count(), 1000);
  EXPECT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 1000);
  for (int row : {0, 1, 499, 999}) {
    EXPECT_EQ(CellText(wnd, row, 0), L"file" + IntToStr(row));
    EXPECT_EQ(CellText(wnd, row, 1), L"C:\\dir" + IntToStr(row) + L"\\");
    EXPECT_EQ(CellText(wnd, row, 2), row % 2 ? L"odd" : L"even");
    EXPECT_EQ(static_cast<Record*>(lv->Items()->Item(row)->Data())->id, row);
  }

  // Every third row ticked in code: the window holds the marks and reports each change.
  for (int i = 0; i < 1000; i += 3) lv->Items()->Item(i)->SetChecked(true);
  EXPECT_EQ(checked.size(), 334u);
  EXPECT_EQ(checked.back(), 999);
  int ticked = 0;
  for (int i = 0; i < 1000; ++i) {
    EXPECT_EQ(NativeChecked(wnd, i), i % 3 == 0) << i;
    ticked += lv->Items()->Item(i)->Checked();
  }
  EXPECT_EQ(ticked, 334);
  // Setting the same mark again changes nothing.
  checked.clear();
  lv->Items()->Item(3)->SetChecked(true);
  EXPECT_TRUE(checked.empty());

  // Cells lie side by side with the column widths; rows follow each other.
  for (int row : {0, 500, 999}) {
    TRect first = lv->SubItemRect(row, 0, TDisplayCode::drLabel);
    TRect path = lv->SubItemRect(row, 1, TDisplayCode::drBounds);
    TRect status = lv->SubItemRect(row, 2, TDisplayCode::drBounds);
    TRect whole = lv->Items()->Item(row)->DisplayRect(TDisplayCode::drBounds);
    EXPECT_EQ(path.left, whole.left + lv->Columns()->Items(0)->Width()) << row;
    EXPECT_EQ(path.right - path.left, lv->Columns()->Items(1)->Width()) << row;
    EXPECT_EQ(status.left, path.right) << row;
    EXPECT_EQ(status.right - status.left, lv->Columns()->Items(2)->Width()) << row;
    EXPECT_LE(first.right, path.left) << row;
    EXPECT_EQ(path.top, whole.top) << row;
    EXPECT_EQ(path.bottom, whole.bottom) << row;
  }
  TRect a = lv->Items()->Item(10)->DisplayRect(TDisplayCode::drBounds);
  TRect b = lv->Items()->Item(11)->DisplayRect(TDisplayCode::drBounds);
  EXPECT_EQ(b.top, a.bottom);
  TRect none = lv->SubItemRect(1000, 1, TDisplayCode::drBounds);
  EXPECT_TRUE(IsRectEmpty(&none));
  none = lv->SubItemRect(5, 3, TDisplayCode::drBounds);
  EXPECT_TRUE(IsRectEmpty(&none));

  // Deleting rows keeps texts, data and marks of the others with them.
  lv->Items()->Delete(0);
  lv->Items()->Item(0)->Delete();
  EXPECT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 998);
  EXPECT_EQ(CellText(wnd, 0, 0), L"file2");
  EXPECT_EQ(static_cast<Record*>(lv->Items()->Item(1)->Data())->id, 3);
  EXPECT_EQ(lv->Items()->Item(1)->Index(), 1);
  EXPECT_TRUE(lv->Items()->Item(1)->Checked());
  lv->Items()->Clear();
  EXPECT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListView, TheUsersTickOnACheckBoxIsReported) {
  AddRows(5);
  TListItem* item = lv->Items()->Item(2);
  POINT box = CheckBoxPoint(item);
  Click(lv->Handle(), box);
  EXPECT_TRUE(item->Checked());
  EXPECT_EQ(checked, std::vector<int>{2});
  Click(lv->Handle(), box);
  EXPECT_FALSE(item->Checked());
  EXPECT_EQ(checked, (std::vector<int>{2, 2}));
}

TEST_F(ListView, SelectionInCodeAndItsEvents) {
  AddRows(10);
  std::vector<std::pair<int, bool>> selections;
  lv->OnSelectItem = [&](TObject*, TListItem* item, bool selected) { selections.push_back({item->Index(), selected}); };
  EXPECT_EQ(lv->Selected(), nullptr);
  lv->SetSelected(lv->Items()->Item(4));
  EXPECT_EQ(lv->Selected(), lv->Items()->Item(4));
  EXPECT_EQ(lv->ItemFocused(), lv->Items()->Item(4));
  lv->SetSelected(lv->Items()->Item(6));
  EXPECT_EQ(lv->SelCount(), 1);
  EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{4, true}, {4, false}, {6, true}}));
  TRect r = lv->Items()->Item(6)->DisplayRect(TDisplayCode::drLabel);
  EXPECT_EQ(lv->GetItemAt((r.left + r.right) / 2, (r.top + r.bottom) / 2), lv->Items()->Item(6));
  EXPECT_EQ(lv->GetItemAt(5, lv->ClientHeight() - 2), nullptr);
}

TEST_F(ListView, RowsKeepTheirStateWhenTheWindowIsMadeAgain) {
  AddRows(20);
  lv->Items()->Item(7)->SetChecked(true);
  lv->Items()->Item(9)->SetSelected(true);
  SendMessageW(lv->Handle(), LVM_SETCOLUMNWIDTH, 1, 77);  // as a drag by the user does
  HWND old = lv->Handle();
  checked.clear();
  stateChanges = 0;
  lv->SetMultiSelect(true);  // a style the window cannot change: it is made again
  HWND wnd = lv->Handle();
  EXPECT_NE(wnd, old);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & LVS_SINGLESEL, 0);
  EXPECT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 20);
  EXPECT_TRUE(NativeChecked(wnd, 7));
  EXPECT_FALSE(NativeChecked(wnd, 8));
  EXPECT_EQ(lv->Selected(), lv->Items()->Item(9));
  EXPECT_EQ(lv->Columns()->Items(1)->Width(), 77);
  EXPECT_EQ(CellText(wnd, 19, 1), L"C:\\dir19\\");
  // Putting the rows back is no change the program hears of.
  EXPECT_TRUE(checked.empty());
  EXPECT_EQ(stateChanges, 0);
  lv->Items()->Item(10)->SetSelected(true);
  EXPECT_EQ(lv->SelCount(), 2);
}

TEST_F(ListView, ClicksOnRowsAndColumnHeadersReachTheEvents) {
  AddRows(3);
  int clicks = 0;
  std::vector<std::wstring> columns;
  lv->OnClick = [&](TObject*) { ++clicks; };
  lv->OnColumnClick = [&](TObject*, TListColumn* column) { columns.push_back(column->Caption()); };
  TRect r = lv->Items()->Item(1)->DisplayRect(TDisplayCode::drLabel);
  Click(lv->Handle(), POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(lv->Selected(), lv->Items()->Item(1));

  HWND header = reinterpret_cast<HWND>(SendMessageW(lv->Handle(), LVM_GETHEADER, 0, 0));
  TRect h = {};
  SendMessageW(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&h));
  LPARAM at = MAKELPARAM((h.left + h.right) / 2, (h.top + h.bottom) / 2);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(header, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(columns, std::vector<std::wstring>{L"Status"});
}

TEST_F(ListView, RowImagesComeFromTheSmallImagesUntilTheListGoes) {
  AddRows(2);
  auto* images = new TImageList(&form);
  for (int i = 0; i < 2; ++i) images->AddIcon(LoadIconW(nullptr, IDI_APPLICATION));
  lv->SetSmallImages(images);
  lv->Items()->Item(1)->SetImageIndex(1);
  HWND wnd = lv->Handle();
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(wnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0)), images->Handle());
  LVITEMW item = {};
  item.mask = LVIF_IMAGE;
  item.iItem = 1;
  SendMessageW(wnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 1);
  // A new window gets the list again; a freed list is taken away.
  lv->SetMultiSelect(true);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(lv->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)), images->Handle());
  delete images;
  EXPECT_EQ(lv->SmallImages(), nullptr);
  EXPECT_EQ(SendMessageW(lv->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
}

TEST_F(ListView, ACellCanBeMarkedOnTheControlsCanvas) {
  AddRows(4);
  Pump();
  // As a shredder marks a row's "Status" cell: a green frame filled white, inside the cell.
  TRect cell = lv->SubItemRect(2, 2, TDisplayCode::drLabel);
  {
    TControlCanvas canvas(lv);
    canvas.Brush().Color = clWhite;
    canvas.Pen().Color = 0x008000;
    canvas.Rectangle(Rect(cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1));
  }
  HDC dc = GetDC(lv->Handle());
  EXPECT_EQ(GetPixel(dc, cell.left + 1, (cell.top + cell.bottom) / 2), RGB(0, 128, 0));
  EXPECT_EQ(GetPixel(dc, (cell.left + cell.right) / 2, cell.top + 1), RGB(0, 128, 0));
  EXPECT_EQ(GetPixel(dc, cell.left + 4, (cell.top + cell.bottom) / 2), RGB(255, 255, 255));
  ReleaseDC(lv->Handle(), dc);
}
