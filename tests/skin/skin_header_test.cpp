// The header skinner on a report list view's header with the synthetic test skin (one colour
// per element frame): which item shows the hot frame as the mouse moves, the empty rest, and an
// item's image. Places come from the header's own item rectangles.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui/forms.h"
#include "gui/list_view.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_header.h"
#include "skin/skin_list_view.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"
#include "skin/skinner_kinds.h"
#include "synthetic_skin.h"

namespace {


class SkinHeaderTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 420, 300);
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    ASSERT_TRUE(data->Elements.Headerbar);
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
    list = new TListView(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 380, 200);
    list->SetViewStyle(TViewStyle::vsReport);
    for (const wchar_t* caption : {L"Name", L"Size", L"Kind"}) {
      TListColumn* column = list->Columns()->Add();
      column->SetCaption(caption);
      column->SetWidth(100);
    }
    header = reinterpret_cast<HWND>(SendMessageW(list->Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    skinner = new TSkinHeader(skinForm);
    skinner->AttachWindow(header, data, nullptr, skinForm);
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  RECT Item(int i) const {
    RECT r{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  TBitmap Painted() const { return PaintedPicture(header); }
  // The colour of item i at its top-left, clear of its text.
  static COLORREF ItemColour(const TBitmap& s, const RECT& item) { return s.Pixel(item.left + 4, item.top + 1); }
  COLORREF Frame(int n) const { return synthetic->Colour(data->Elements.Headerbar.get(), n); }
  void MoveTo(int x) const { SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(x, Item(0).bottom / 2)); }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinForm = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
  TListView* list = nullptr;
  HWND header = nullptr;
  TSkinHeader* skinner = nullptr;
};

TEST_F(SkinHeaderTest, EveryItemAndTheEmptyRestShowTheNormalFrame) {
  TBitmap s = Painted();
  for (int i = 0; i < 3; ++i) ExpectColour(ItemColour(s, Item(i)), Frame(1));
  const RECT last = Item(2);
  RECT window;
  GetWindowRect(header, &window);
  ASSERT_LT(last.right + 10, window.right - window.left);
  ExpectColour(s.Pixel((last.right + window.right - window.left) / 2, last.bottom / 2), Frame(1));
  EXPECT_EQ(skinner->ItemRects.size(), 3u);
}

TEST_F(SkinHeaderTest, TheItemUnderTheMouseIsHotUntilTheNextItemsZoneIsEntered) {
  Painted();
  const RECT first = Item(0), second = Item(1);
  MoveTo((first.left + first.right) / 2);
  EXPECT_EQ(skinner->HotItem, 0);
  TBitmap s = Painted();
  ExpectColour(ItemColour(s, first), Frame(2));
  ExpectColour(ItemColour(s, second), Frame(1));
  // Over the divider (the last pixels of item 1, the first of item 2): item 1 stays hot.
  MoveTo(first.right - 1);
  EXPECT_EQ(skinner->HotItem, 0);
  MoveTo(second.left + 1);
  EXPECT_EQ(skinner->HotItem, 0);
  MoveTo(second.left + 4);
  EXPECT_EQ(skinner->HotItem, 1);
  s = Painted();
  ExpectColour(ItemColour(s, first), Frame(1));
  ExpectColour(ItemColour(s, second), Frame(2));
  SendMessageW(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(skinner->HotItem, -1);
  s = Painted();
  ExpectColour(ItemColour(s, second), Frame(1));
}

TEST_F(SkinHeaderTest, ErasingIsLeftToThePaintAndCountsAsDone) {
  Surface s(20, 20, kUnpaintedColour);
  EXPECT_EQ(SendMessageW(header, WM_ERASEBKGND, reinterpret_cast<WPARAM>(s.dc()), 0), 1);
  EXPECT_EQ(s.At(5, 5), kUnpaintedColour);
}

// An image 24 wide and 8 high sits centred by its height.
TEST_F(SkinHeaderTest, AnItemsImageIsCentredByItsHeight) {
  HIMAGELIST images = ImageList_Create(24, 8, ILC_COLOR24, 1, 1);
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, 24, 8);
  ReleaseDC(nullptr, screen);
  {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture);
    const RECT all{0, 0, 24, 8};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, red);
    DeleteObject(red);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  ImageList_Add(images, picture, nullptr);
  DeleteObject(picture);
  SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  HDITEMW item{};
  item.mask = HDI_FORMAT | HDI_IMAGE;
  item.fmt = HDF_LEFT | HDF_STRING | HDF_IMAGE;
  item.iImage = 0;
  SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  const RECT first = Item(0);
  const int height = first.bottom - first.top;
  const int top = (height - 8) / 2, x = first.left + 3 + 12;
  TBitmap s = Painted();
  ExpectColour(s.Pixel(x, top), RGB(255, 0, 0));
  ExpectColour(s.Pixel(x, top + 7), RGB(255, 0, 0));
  EXPECT_NE(s.Pixel(x, top - 1), RGB(255, 0, 0));
  EXPECT_NE(s.Pixel(x, top + 8), RGB(255, 0, 0));
  SendMessageW(header, HDM_SETIMAGELIST, 0, 0);
  ImageList_Destroy(images);
}

// The list view skinner puts a header skinner on a report view's header, beside its bars.
TEST_F(SkinHeaderTest, AReportListViewsSkinnerSkinsItsHeader) {
  auto* report = new TListView(form);
  report->SetParent(form);
  report->SetBounds(10, 220, 300, 60);
  report->SetViewStyle(TViewStyle::vsReport);
  report->Columns()->Add()->SetCaption(L"Only");
  auto* skinner = dynamic_cast<TSkinListView*>(MakeSkinner(TSkinnerKind::ListView, report, TSkinDecision{}));
  ASSERT_NE(skinner, nullptr);
  skinner->AttachControl(skinForm, data, nullptr, false);
  ASSERT_NE(skinner->Header, nullptr);
  HWND reportHeader = reinterpret_cast<HWND>(SendMessageW(report->Handle(), LVM_GETHEADER, 0, 0));
  EXPECT_EQ(skinner->Header->Handle, reportHeader);
  EXPECT_EQ(SendMessageW(reportHeader, SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(SendMessageW(report->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  // Both go with the list view.
  delete report;
  for (TSkinControl* s : skinForm->Skinners) EXPECT_NE(s->Handle, reportHeader);
}

// Without a header window (styles other than report) only the bars are skinned.
TEST_F(SkinHeaderTest, AListViewWithoutAHeaderGetsNoHeaderSkinner) {
  auto* icons = new TListView(form);
  icons->SetParent(form);
  icons->SetBounds(10, 220, 300, 60);
  icons->SetViewStyle(TViewStyle::vsIcon);
  HWND iconsHeader = reinterpret_cast<HWND>(SendMessageW(icons->Handle(), LVM_GETHEADER, 0, 0));
  auto* skinner = dynamic_cast<TSkinListView*>(MakeSkinner(TSkinnerKind::ListView, icons, TSkinDecision{}));
  ASSERT_NE(skinner, nullptr);
  skinner->AttachControl(skinForm, data, nullptr, false);
  // An icon view has made no header window (the list view makes it for the report view).
  ASSERT_EQ(iconsHeader, nullptr);
  EXPECT_EQ(skinner->Header, nullptr);
  delete icons;
}

}  // namespace
