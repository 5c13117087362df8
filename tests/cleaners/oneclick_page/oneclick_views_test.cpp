// One-click maintenance's result views inside a page host: the evidence tree with its tri-state
// category boxes and a repair of only the ticked items (on a fixture evidence list whose handlers
// work on a fixture folder and the recorded Recycle Bin seam), the owner-drawn registry rows, the
// row pictures of the other trees, and the overall progress text.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/files.h"
#include "cleaners/activex/activex_list.h"
#include "cleaners/evidence/history_handlers.h"
#include "cleaners/evidence/history_list.h"
#include "cleaners/fixes/fix_lists.h"
#include "cleaners/junk/waste_lists.h"
#include "cleaners/oneclick_page/frmOneClick.h"
#include "registry/cleaner_page/reg_result_rows.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/cleaners/evidence_page/evidence_tree_rows.h"
#include "tests/support/page_test_fixture.h"

namespace {

// Category 1: the temporary folder of the fixture Windows folder (7), the Recycle Bin (6);
// category 2: the Recycle Bin again.
const char kCleanerIni[] =
    "[HistoryList]\r\nSystem=0\r\nTemporary folder=7\r\nRecycle Bin=6\r\nMore=0\r\nRecycle Bin again=6\r\n";

class OneClickViewsTest : public PageTest<TfrmOneClick> {
 protected:
  OneClickViewsTest()
      : PageTest(L"TfrmOneClick", L"btnOneClick", {},
                 [](TCustomForm* page) { static_cast<TfrmOneClick*>(page)->ShowStart(); }) {}

  void SetUp() override {
    program_.WriteFile(L"Cleaner.ini", kCleanerIni);
    ASSERT_TRUE(ForceDirectories(windows_.Path() + L"Temp"));
    WriteBytes(windows_.Path() + L"Temp\\trace.tmp", "trace");
    SetSpecialFolderLookupForTesting([this](int csidl, std::wstring& path) {
      if (csidl != CSIDL_WINDOWS) return false;
      path = windows_.Path().substr(0, windows_.Path().size() - 1);
      return true;
    });
    SetRecycleBinEmptierForTesting([this](HWND) {
      ++recycleRuns;
      return true;
    });
    PageTest::SetUp();
    page_ = OpenPage();
    ASSERT_NE(page_, nullptr);
  }

  void TearDown() override {
    PageTest::TearDown();
    ClearActiveXItems();
    ClearSysItems();
    ClearWasteFiles();
    SetRecycleBinEmptierForTesting(nullptr);
    SetSpecialFolderLookupForTesting(nullptr);
  }

  void ScanOnly(bool TOneClickOptions::*option) {
    TOneClickOptions options{false, false, false, false, false, false};
    options.*option = true;
    page_->SetOptions(options);
    page_->StartScan();
  }

  PVirtualNode Category(int j) { return EvidenceTreeRows{page_->vstHis}.Category(j); }
  PVirtualNode Item(int j, int k) { return EvidenceTreeRows{page_->vstHis}.Item(j, k); }
  TCheckState Shown(PVirtualNode node) { return EvidenceTreeRows{page_->vstHis}.Shown(node); }
  int ImageOf(TVTGetImageEvent handler, TBaseVirtualTree* tree, PVirtualNode node, TColumnIndex column) {
    bool ghosted = false;
    int index = -1;
    handler(tree, node, TVTImageKind::ikNormal, column, ghosted, index);
    return index;
  }

  TestFolder windows_{L"qs_oneclick_views_windows_"};
  int recycleRuns = 0;
  TfrmOneClick* page_ = nullptr;
};

TEST_F(OneClickViewsTest, EvidenceTreeIsTriStateAndOnlyTickedItemsAreCleaned) {
  ScanOnly(&TOneClickOptions::His);
  ASSERT_EQ(page_->btn->Caption(), L"Repair All");
  TVirtualStringTree* tree = page_->vstHis;
  ASSERT_EQ(tree->RootNodeCount(), 2u) << "a row per category";
  EXPECT_EQ(tree->ChildCount(Category(1)), 2u);
  EXPECT_TRUE(tree->Expanded(Category(1)));
  EXPECT_EQ(tree->Text(Category(1), 0), L"System");
  EXPECT_EQ(tree->Text(Item(1, 2), 0), L"Recycle Bin");
  for (PVirtualNode node : {Category(1), Item(1, 1), Item(1, 2), Category(2), Item(2, 1)}) {
    EXPECT_EQ(tree->CheckType(node), TCheckType::ctTriStateCheckBox);
    EXPECT_EQ(Shown(node), TCheckState::csCheckedNormal) << "the scan ticks every item";
  }
  auto image = [&](PVirtualNode node) { return ImageOf(tree->OnGetImageIndex, tree, node, 0); };
  EXPECT_EQ(image(Category(1)), 0) << "an open category";
  EXPECT_EQ(image(Item(1, 1)), 1);

  // An item unticked: its category shows the mixed state.
  tree->SetCheckState(Item(1, 1), TCheckState::csUncheckedNormal);
  EXPECT_FALSE(HisItems[1][1].Checked);
  EXPECT_EQ(Shown(Category(1)), TCheckState::csMixedNormal);
  // A category unticked and ticked again takes its items along.
  tree->SetCheckState(Category(2), TCheckState::csUncheckedNormal);
  EXPECT_FALSE(HisItems[2][1].Checked);
  EXPECT_EQ(Shown(Item(2, 1)), TCheckState::csUncheckedNormal);
  tree->SetCheckState(Category(2), TCheckState::csCheckedNormal);
  EXPECT_TRUE(HisItems[2][1].Checked);
  tree->SetCheckState(Category(2), TCheckState::csUncheckedNormal);

  page_->btn->Click();  // Repair All
  EXPECT_EQ(page_->btn->Caption(), L"Finish");
  EXPECT_TRUE(FileExists(windows_.Path() + L"Temp\\trace.tmp")) << "an unticked item is never cleaned";
  EXPECT_EQ(recycleRuns, 1) << "the ticked Recycle Bin item only, not the one of the unticked category";
  EXPECT_EQ(page_->Area(TfrmOneClick::kHis).Cleaned, 1);
}

// A registry problem row: 49 pixels high with its box, the problem picture and three lines drawn
// by the page; the box is the record's Selected flag both ways.
TEST_F(OneClickViewsTest, RegistryRowsAreOwnerDrawnThreeLineRows) {
  for (int i = 0; i < 3; ++i) {
    auto item = std::make_unique<TRegItem>(MakeRegItem(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"\\Software\\X",
                                                       L"\\Software\\X", L"v" + std::to_wstring(i),
                                                       L"data " + std::to_wstring(i), L"Missing File",
                                                       L"about " + std::to_wstring(i), 10, 2));
    item->Selected = 1;
    page_->RegistryEngine().Items.push_back(std::move(item));
  }
  TVirtualStringTree* tree = page_->vdtReg;
  tree->SetRootNodeCount(3);
  std::vector<PVirtualNode> drawn;
  const TVTDrawNodeEvent draw = tree->OnDrawNode;
  ASSERT_TRUE(draw) << "the rows are drawn by the page";
  tree->OnDrawNode = [&](TBaseVirtualTree* sender, const TVTPaintInfo& info) {
    if (info.Column == kRegResultColumn) drawn.push_back(info.Node);
    draw(sender, info);
  };
  page_->pgcScan->SetActivePage(page_->tsReg);
  page_->pgc->SetActivePage(page_->tsScan);
  tree->Repaint();

  int index = 0;
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node), ++index) {
    const TRegItem& item = *page_->RegistryEngine().Items[node->Index];
    EXPECT_EQ(tree->NodeHeight(node), kRegResultRowHeight);
    EXPECT_EQ(tree->CheckType(node), TCheckType::ctCheckBox);
    const TVTCellLayout cell = tree->CellLayout(node, kRegResultColumn);
    EXPECT_EQ(cell.Cell.bottom - cell.Cell.top, kRegResultRowHeight);
    EXPECT_FALSE(IsRectEmpty(&cell.CheckBox));
    EXPECT_FALSE(IsRectEmpty(&cell.StateImage)) << "the problem picture";
    EXPECT_EQ(ImageOf(tree->OnGetImageIndex, tree, node, kRegResultColumn), 0);
    const auto lines = RegResultLines(item);
    EXPECT_EQ(lines[0].Text, L"Missing File");
    EXPECT_TRUE(lines[0].Bold);
    EXPECT_EQ(lines[1].Text, L"data " + std::to_wstring(index));
    EXPECT_EQ(lines[2].Text, L"about " + std::to_wstring(index));
    EXPECT_FALSE(lines[1].Bold || lines[2].Bold);
    EXPECT_LT(lines[0].Top, lines[1].Top);
    EXPECT_LT(lines[1].Top, lines[2].Top);
    EXPECT_LT(lines[2].Top + 13, kRegResultRowHeight) << "the third line lies inside the row";
    EXPECT_EQ(RegResultRowHasSeparator(tree, node), index < 2) << "a line between rows, none after the last";
  }
  EXPECT_EQ(index, 3);
  EXPECT_EQ(drawn.size(), 3u) << "every row shown is drawn by the page";

  tree->SetCheckState(tree->GetFirst(), TCheckState::csUncheckedNormal);
  EXPECT_EQ(page_->RegistryEngine().Items[0]->Selected, 0);
  page_->RegistryEngine().Items[0]->Selected = 1;
  tree->Repaint();
  EXPECT_EQ(tree->CheckState(tree->GetFirst()), TCheckState::csCheckedNormal) << "the box shows Selected";
}

// A row's second line names what the repair deletes with its hive, also for a record without
// data (an empty key); a line longer than the list shows its start and ends in an ellipsis inside
// the list's visible part: the last pixels of every row stay the background's.
TEST_F(OneClickViewsTest, RegistryRowsNameTheirHiveAndEndInsideTheList) {
  std::wstring key = L"\\Software";
  while (key.size() < 300) key += L"\\Vendor Product Settings";
  auto item = std::make_unique<TRegItem>(MakeRegItem(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"", key, L"v",
                                                     L"HKEY_CURRENT_USER" + key, L"Redundant or Invalid Registry Key " + key,
                                                     L"The key is redundant " + key, 10, 2));
  item->Selected = 1;
  EXPECT_EQ(RegResultLines(*item, TRegResultSecondLine::ItemName)[1].Text, L"HKEY_CURRENT_USER" + key + L"\\v");
  page_->RegistryEngine().Items.push_back(std::move(item));
  auto empty = std::make_unique<TRegItem>(MakeRegItem(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"\\Software\\E",
                                                      L"\\Software\\E", L"Software\\E\\", L"", L"Empty Key",
                                                      L"Software\\E\\ is empty,it can be deleteed", 15, 1));
  EXPECT_EQ(RegResultLines(*empty, TRegResultSecondLine::ItemName)[1].Text, L"HKEY_CURRENT_USER\\Software\\E");
  page_->RegistryEngine().Items.push_back(std::move(empty));
  TVirtualStringTree* tree = page_->vdtReg;
  tree->SetRootNodeCount(2);
  page_->pgc->SetActivePage(page_->tsScan);
  page_->pgcScan->SetActivePage(page_->tsReg);
  tree->Repaint();
  Application->ProcessMessages();

  const TVTCellLayout cell = tree->CellLayout(tree->GetFirst(), kRegResultColumn);
  const int right = tree->ClientWidth();
  HDC dc = GetDC(tree->Handle());
  const COLORREF background = GetPixel(dc, right - 1, cell.Cell.top + 1);
  int textPixels = 0, pastTheEnd = 0;
  for (int y = cell.Cell.top + 2; y < cell.Cell.bottom - 3; ++y) {
    for (int x = cell.Content.left + 10; x < right - 3; ++x) textPixels += GetPixel(dc, x, y) != background;
    for (int x = right - 3; x < right; ++x) pastTheEnd += GetPixel(dc, x, y) != background;
  }
  // The empty key's second line: its name is drawn although it has no data.
  const TVTCellLayout second = tree->CellLayout(tree->GetNext(tree->GetFirst()), kRegResultColumn);
  int namePixels = 0;
  for (int y = second.Cell.top + 18; y < second.Cell.top + 18 + kRegResultLineHeight; ++y)
    for (int x = second.Content.left + 10; x < right - 3; ++x) namePixels += GetPixel(dc, x, y) != background;
  ReleaseDC(tree->Handle(), dc);
  EXPECT_GT(namePixels, 20) << "the hive and key of a record without data";
  EXPECT_GT(textPixels, 100) << "the lines are drawn";
  EXPECT_EQ(pastTheEnd, 0) << "no line runs to the list's edge";
  EXPECT_EQ(RegResultTextRight(600, 520), 516);
  EXPECT_EQ(RegResultTextRight(400, 520), 396);
}

TEST_F(OneClickViewsTest, JunkAndActiveXRowsShowTheirPictures) {
  ASSERT_GE(page_->il1->Count(), 10);
  WasteFiles.push_back(std::make_unique<TWasteFile>(TWasteFile{L"c:\\temp\\a.tmp", 10, true}));
  page_->vstFile->SetRootNodeCount(1);
  EXPECT_EQ(ImageOf(page_->vstFile->OnGetImageIndex, page_->vstFile, page_->vstFile->GetFirst(), 0), 3);

  const struct {
    const wchar_t* status;
    int image;
  } cases[] = {{L"Locked", 8}, {L"Unlock", 9}};
  for (const auto& c : cases) ActiveXItems.push_back(TActiveXItem{L"Control", L"{0}", c.status});
  TVirtualStringTree* tree = page_->vstActiveX;
  tree->SetRootNodeCount(2);
  PVirtualNode node = tree->GetFirst();
  for (const auto& c : cases) {
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(ImageOf(tree->OnGetImageIndex, tree, node, 0), c.image) << c.status;
    node = tree->GetNext(node);
  }
}

TEST_F(OneClickViewsTest, SystemRowsAreTickedWhenNonOptimized) {
  SysItems.push_back(TSysItem{L"Enable Task Manager", L"", false, true});
  SysItems.push_back(TSysItem{L"Enable Registry Editor", L"", false, false});
  TVirtualStringTree* tree = page_->vstSys;
  tree->SetRootNodeCount(2);
  PVirtualNode first = tree->GetFirst();
  PVirtualNode second = tree->GetNext(first);
  EXPECT_EQ(tree->Text(first, 1), L"non-optimized");
  EXPECT_EQ(tree->CheckState(first), TCheckState::csCheckedNormal);
  EXPECT_EQ(tree->Text(second, 1), L"Optimized");
  EXPECT_EQ(tree->CheckState(second), TCheckState::csUncheckedNormal);
}

TEST_F(OneClickViewsTest, TotalProgressShowsItsShareWhileTheRunGoes) {
  std::vector<std::wstring> shares;
  onPump = [&] {
    if (page_->Scanning() && page_->lbl3->Visible()) shares.push_back(page_->lbl3->Caption());
  };
  page_->SetOptions(TOneClickOptions{false, false, true, false, false, true});  // evidence, system
  page_->StartScan();
  onPump = nullptr;
  ASSERT_FALSE(shares.empty());
  EXPECT_EQ(shares.front(), L"33%") << "one step of three done when the scan starts";
  EXPECT_NE(std::find(shares.begin(), shares.end(), L"66%"), shares.end()) << "and two once the first area ended";
  EXPECT_FALSE(page_->lbl3->Visible()) << "hidden with the bars when the run ends";
}

}  // namespace
