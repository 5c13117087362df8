// The results page inside a page host, on stored last-run records: the first run, the rows and
// the total of a stored registry run, a refresh after a new run, and "Scan Again".
#include "registry/results_page/frmLastDetail.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/date_time.h"
#include "common/last_run.h"
#include "tests/support/page_test_fixture.h"

namespace {

const TPageStep kRefresh = [](TCustomForm* page) { static_cast<TfrmLastDetail*>(page)->FormCreate(page); };

class ResultsPageTest : public PageTest<TfrmLastDetail> {
 protected:
  ResultsPageTest() : PageTest(L"TfrmLastDetail", L"btnResults", {}, kRefresh) {}

  // Every row's three cells, "name|found|cleaned".
  std::vector<std::wstring> Rows() {
    std::vector<std::wstring> rows;
    TVirtualStringTree* vst = Page()->vst;
    for (PVirtualNode node = vst->GetFirst(); node; node = vst->GetNext(node))
      rows.push_back(vst->Text(node, 0) + L"|" + vst->Text(node, 1) + L"|" + vst->Text(node, 2));
    return rows;
  }
};

TEST_F(ResultsPageTest, FirstRunShowsTheCategoriesWithZeros) {
  // Names left from another page's run do not show without a stored run.
  RegDetailInfo[3] = TDetailInfo{L"Left over", 5, 5};
  TfrmLastDetail* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->lblTime->Caption(), L"Not Scanned");
  const std::vector<std::wstring> rows = Rows();
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_EQ(rows[0], L"Font Sections|0|0");
  EXPECT_EQ(rows[2], L"Share DLL Sections|0|0");
  EXPECT_EQ(rows[4], L"Appliations Path|0|0");
  EXPECT_EQ(rows[9], L"Histoty/MRU Lists|0|0");
  EXPECT_EQ(rows[14], L"Empty Registry Keys|0|0");
  EXPECT_EQ(rows[15], L"Total|0|0");
}

TEST_F(ResultsPageTest, StoredRunGivesItsRowsAndTotalAndIsReadAgainWhenShown) {
  for (int category = 1; category <= kDetailInfoCount; ++category)
    RegDetailInfo[category] = TDetailInfo{L"Category " + std::to_wstring(category), category, category / 2};
  SaveLastRegDetail();
  SaveLastRegInfo(120, 56, EncodeDate(2011, 3, 14) + EncodeTime(20, 5, 0, 0));
  for (int category = 1; category <= kDetailInfoCount; ++category) RegDetailInfo[category] = TDetailInfo{};

  TfrmLastDetail* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->lblTime->Caption(), L"Last scanned: Mon Mar 14, 2011 - 08:05 PM");
  std::vector<std::wstring> rows = Rows();
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_EQ(rows[0], L"Category 1|1|0");
  EXPECT_EQ(rows[6], L"Category 7|7|3");
  EXPECT_EQ(rows[14], L"Category 15|15|7");
  EXPECT_EQ(rows[15], L"Total|120|56") << "the totals are the stored run's, not a sum of the rows";

  // A later run, then the page is shown again.
  RegDetailInfo[1] = TDetailInfo{L"Font Sections", 9, 9};
  SaveLastRegDetail();
  SaveLastRegInfo(9, 9, EncodeDate(2011, 3, 15) + EncodeTime(8, 0, 0, 0));
  RegDetailInfo[1] = TDetailInfo{};
  OpenPage();
  rows = Rows();
  EXPECT_EQ(rows[0], L"Font Sections|9|9");
  EXPECT_EQ(rows[15], L"Total|9|9");
  EXPECT_EQ(page->lblTime->Caption(), L"Last scanned: Tue Mar 15, 2011 - 08:00 AM");
}

TEST_F(ResultsPageTest, CountsPaintRedAndGreenAndTheTotalBold) {
  TfrmLastDetail* page = OpenPage();
  ASSERT_NE(page, nullptr);
  TVirtualStringTree* vst = page->vst;
  PVirtualNode first = vst->GetFirst();
  PVirtualNode total = first;
  while (vst->GetNext(total)) total = vst->GetNext(total);
  HDC dc = CreateCompatibleDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  const struct {
    PVirtualNode node;
    TColumnIndex column;
    TColor colour;
    bool bold;
  } cases[] = {{first, 0, clBlack, false}, {first, 1, clRed, true}, {first, 2, 0x008000, true},
               {total, 0, clBlack, true},  {total, 1, clRed, true}, {total, 2, 0x008000, true}};
  for (const auto& c : cases) {
    canvas.Font().SetStyle({});
    canvas.Font().SetColor(clGray);
    page->vstPaintText(vst, canvas, c.node, c.column, TVSTTextType::ttNormal);
    EXPECT_EQ(canvas.Font().Color(), c.colour) << c.column;
    EXPECT_EQ(canvas.Font().Style().Contains(TFontStyle::fsBold), c.bold) << c.column;
  }
  canvas.SetHandle(nullptr);
  DeleteDC(dc);
}

TEST_F(ResultsPageTest, ScanAgainOpensTheRegistryCleanerOwnedByThisPage) {
  TfrmLastDetail* page = OpenPage();
  ASSERT_NE(page, nullptr);
  std::vector<std::pair<std::wstring, TComponent*>> opened;
  fake_->openPage = [&](const std::wstring& button, TComponent* owner) -> TCustomForm* {
    opened.emplace_back(button, owner);
    return nullptr;
  };
  page->BitBtn1->Click();
  const std::vector<std::pair<std::wstring, TComponent*>> expected = {{L"btnRegsitryCleaner", page}};
  EXPECT_EQ(opened, expected);
}

}  // namespace
