// The home page inside a page host, on stored last-run records: the first run, every score band
// with its text, colour and gauge picture, the status block, the start of one-click maintenance
// with this page's boxes, and the links to the cleaners (through a fake host, and in the main
// window with the navigation they leave).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/home_page/frmHome.h"
#include "app/home_page/home_score.h"
#include "base/date_time.h"
#include "cleaners/oneclick/one_click_start.h"
#include "common/last_run.h"
#include "tests/support/page_test_fixture.h"

namespace {

const TPageStep kRefresh = [](TCustomForm* page) { static_cast<TfrmHome*>(page)->RefreshStatus(); };

class HomePageTest : public PageTest<TfrmHome> {
 protected:
  explicit HomePageTest(TPageTestHost host = TPageTestHost::Fake)
      : PageTest(L"TfrmHome", L"btnHome", kRefresh, kRefresh, host) {}

  // The gauge picture shown (0..10), -1 for none, -2 for more than one.
  int ShownGauge() {
    int shown = -1;
    const auto pictures = Page()->GaugePictures();
    for (int i = 0; i < static_cast<int>(pictures.size()); ++i) {
      if (!pictures[i]->Visible()) continue;
      shown = shown == -1 ? i : -2;
    }
    return shown;
  }
};

// The disc the score stands on: a box is inside when all four corners are.
TEST(HomeScoreTest, ATextBoxIsInsideTheDiscWhenAllItsCornersAre) {
  struct Case {
    TRect box;
    int margin;
    bool inside;
  } cases[] = {
      {GaugeTextBox(100, 30), 3, true},
      {GaugeTextBox(130, 30), 0, false},  // the corners of a wide box leave the disc
      {Rect(445, 66, 545, 95), 3, false},  // where "Unknown" used to start
      {Rect(kGaugeDiscX - 45, kGaugeDiscY - 45, kGaugeDiscX + 45, kGaugeDiscY + 45), 1, true},
      {Rect(kGaugeDiscX - 47, kGaugeDiscY - 47, kGaugeDiscX + 47, kGaugeDiscY + 47), 0, false},
  };
  for (const Case& c : cases) EXPECT_EQ(InsideGaugeDisc(c.box, c.margin), c.inside) << c.box.left << "," << c.box.top;
  const TRect centred = GaugeTextBox(100, 30);
  EXPECT_EQ((centred.left + centred.right) / 2, kGaugeDiscX);
  EXPECT_EQ((centred.top + centred.bottom) / 2, kGaugeDiscY);
}

TEST(HomeScoreTest, EveryScoreHasItsGaugePicture) {
  const std::pair<int, int> cases[] = {{-1000, 1}, {-20, 1}, {-1, 1},  {0, 1},   {9, 1},    {10, 2},   {55, 6},
                                       {89, 9},    {90, 10}, {94, 10}, {99, 10}, {100, 10}, {101, 10}, {5000, 10}};
  for (const auto& [score, picture] : cases) EXPECT_EQ(GaugePictureIndex(score), picture) << score;
}

TEST_F(HomePageTest, FirstRunReadsZeroAndUnknown) {
  TfrmHome* home = OpenPage();
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->lblPoint->Caption(), L"Unknown");
  EXPECT_LE(home->lblPoint->Font()->Size(), 18);
  EXPECT_EQ(home->lblPoint->Left() + home->lblPoint->Width() / 2, kGaugeDiscX) << "centred on the gauge";
  EXPECT_EQ(home->lblHealth->Caption(), L"Last Pc Health is: Unknown");
  EXPECT_EQ(home->lblHealth->Font()->Color(), kHealthBadColour) << "the design colour stays";
  EXPECT_EQ(home->lblInfo->Caption(), L"Last Scan Report: 0 Problems Found");
  EXPECT_EQ(home->lblLast->Caption(), L"Not Scanned");
  EXPECT_EQ(home->lblScansum->Caption(), L"0");
  EXPECT_EQ(home->lblLastClear->Caption(), L"0");
  EXPECT_EQ(home->lblMemory->Caption(), L"Not Optimized");
  EXPECT_EQ(home->Label10->Caption(), L"The problems found on your PC have not been fixed.");
  EXPECT_EQ(ShownGauge(), 1);
  ASSERT_EQ(home->lst->Count(), 6);
  EXPECT_EQ(home->lst->Items()[3], L"There are 1420 Activex items on your system,please block as soon as possible!");
}

// What the page writes fits where it writes it, measured in the fonts it writes with: the report
// with a five-digit count beside the gauge, "Unknown" on the gauge's disc (inside the ring), each
// recommendation in its row.
TEST_F(HomePageTest, TextsFitTheirPlaces) {
  TfrmHome* home = OpenPage();
  ASSERT_NE(home, nullptr);
  ASSERT_EQ(home->lblPoint->Caption(), L"Unknown");
  HDC dc = GetDC(nullptr);
  TCanvas canvas(dc);
  canvas.Font().Assign(*home->lblInfo->Font());
  EXPECT_LE(canvas.TextWidth(L"Last Scan Report: 99999 Problems Found"), home->lblInfo->Width());
  EXPECT_LE(home->lblInfo->Left() + home->lblInfo->Width(), home->img0->Left());

  // "Unknown" lies on the dark disc with a little room around it: the box its font gives it,
  // where the label puts it.
  canvas.Font().Assign(*home->lblPoint->Font());
  const SIZE unknown = canvas.TextExtent(L"Unknown");
  const int left = home->lblPoint->Left() + (home->lblPoint->Alignment() == TAlignment::taCenter
                                                 ? (home->lblPoint->Width() - unknown.cx) / 2
                                                 : 0);
  const TRect drawn = Rect(left, home->lblPoint->Top(), left + unknown.cx, home->lblPoint->Top() + unknown.cy);
  EXPECT_TRUE(InsideGaugeDisc(drawn, 6)) << drawn.left << "," << drawn.top << " " << drawn.right << "," << drawn.bottom;
  EXPECT_GE(home->lblPoint->Font()->Size(), 12) << "still large";

  canvas.Font().Assign(*home->lst->Font());
  const int textLeft = 15 + home->il2->Width() / 2;
  for (int i = 0; i < home->lst->Count(); ++i)
    EXPECT_LE(textLeft + canvas.TextWidth(home->lst->Items()[i]), home->lst->ClientWidth()) << i;
  ReleaseDC(nullptr, dc);
}

TEST_F(HomePageTest, EveryScoreBandWithItsTextColourAndGauge) {
  TfrmHome* home = OpenPage();
  ASSERT_NE(home, nullptr);
  const TColor green = kHealthGoodColour, red = kHealthBadColour;
  const struct {
    int score;
    const wchar_t* health;
    TColor colour;
    int gauge;
  } cases[] = {
      {0, L"Last Pc Health is: LOW", red, 1},           {29, L"Last Pc Health is: LOW", red, 3},
      {74, L"Last Pc Health is: LOW", red, 8},          {75, L"Last Pc Health is: Medium ", red, 8},
      {89, L"Last Pc Health is: Medium ", red, 9},      {90, L"Last Pc Health is: Excellent", green, 10},
      {95, L"Last Pc Health is: Excellent", green, 10}, {100, L"Last Pc Health is: Excellent", green, 10},
  };
  const TDateTime when = EncodeDate(2011, 3, 14) + EncodeTime(20, 5, 0, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    SaveLastOneClickInfo(c.score, 12, 3, when);
    home->RefreshStatus();
    EXPECT_EQ(home->lblPoint->Caption(), std::to_wstring(c.score));
    EXPECT_EQ(home->lblPoint->Font()->Size(), 30);
    EXPECT_EQ(home->lblPoint->Left(), 472);
    EXPECT_EQ(home->lblHealth->Caption(), c.health);
    EXPECT_EQ(home->lblHealth->Font()->Color(), c.colour);
    EXPECT_EQ(ShownGauge(), c.gauge);
    EXPECT_EQ(home->lblInfo->Caption(), L"Last Scan Report: 12 Problems Found");
  }
  // Back to no score: Unknown again, the colour of the last band stays.
  SaveLastOneClickInfo(-1, 0, 0, 0);
  home->RefreshStatus();
  EXPECT_EQ(home->lblPoint->Caption(), L"Unknown");
  EXPECT_EQ(home->lblHealth->Font()->Color(), green);
  EXPECT_EQ(home->lblInfo->Caption(), L"Last Scan Report: 0 Problems Found");
}

TEST_F(HomePageTest, StatusBlockShowsTheStoredRecords) {
  SaveLastRegInfo(37, 30, EncodeDate(2011, 3, 14) + EncodeTime(20, 5, 0, 0));
  SaveLastMemoryInfo(EncodeDate(2010, 12, 1) + EncodeTime(9, 30, 0, 0));
  TfrmHome* home = OpenPage();
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->lblLast->Caption(), L"Mar 14, 2011 - 08:05 PM");
  EXPECT_EQ(home->lblScansum->Caption(), L"37");
  EXPECT_EQ(home->lblLastClear->Caption(), L"30");
  EXPECT_EQ(home->lblMemory->Caption(), L"Dec 1, 2010 - 09:30 AM");
}

// A one-click page as the home page sees it.
class TFakeOneClickPage : public TForm, public TOneClickStart {
 public:
  explicit TFakeOneClickPage(TComponent* owner) : TForm(owner) {}
  void SetOptions(const TOneClickOptions& options) override {
    given = options;
    ++optionsGiven;
  }
  void StartScan() override { ++scans; }
  TOneClickOptions given;
  int optionsGiven = 0, scans = 0;
};

TEST_F(HomePageTest, StartButtonFeedsItsBoxesToOneClickAndStartsIt) {
  TfrmHome* home = OpenPage();
  ASSERT_NE(home, nullptr);
  TFakeOneClickPage* oneClick = new TFakeOneClickPage(fake_);
  std::vector<std::wstring> opened;
  fake_->openPage = [&](const std::wstring& button, TComponent*) -> TCustomForm* {
    opened.push_back(button);
    return oneClick;
  };
  // One box off at a time: each feeds exactly its own option.
  TCheckBox* boxes[] = {home->CheckBox1, home->CheckBox2, home->CheckBox3,
                        home->CheckBox6, home->CheckBox5, home->CheckBox4};
  bool TOneClickOptions::*options[] = {&TOneClickOptions::Reg,  &TOneClickOptions::WasteFile,
                                       &TOneClickOptions::His,  &TOneClickOptions::ActiveX,
                                       &TOneClickOptions::File, &TOneClickOptions::Sys};
  for (int off = 0; off < 6; ++off) {
    SCOPED_TRACE(off);
    for (int i = 0; i < 6; ++i) boxes[i]->SetChecked(i != off);
    home->ImageEx2->Click();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(oneClick->given.*options[i], i != off) << i;
  }
  EXPECT_EQ(oneClick->optionsGiven, 6);
  EXPECT_EQ(oneClick->scans, 6);
  // The second button starts it with the options it already has.
  home->ImageEx1->Click();
  EXPECT_EQ(oneClick->optionsGiven, 6);
  EXPECT_EQ(oneClick->scans, 7);
  EXPECT_EQ(opened, std::vector<std::wstring>(7, L"btnOneClick"));
}

TEST_F(HomePageTest, EachLinkOpensItsCleanerOwnedByTheHomePage) {
  TfrmHome* home = OpenPage();
  ASSERT_NE(home, nullptr);
  std::vector<std::pair<std::wstring, TComponent*>> opened;
  fake_->openPage = [&](const std::wstring& button, TComponent* owner) -> TCustomForm* {
    opened.emplace_back(button, owner);
    return nullptr;
  };
  home->Label13->Click();
  home->Label14->Click();
  home->Label15->Click();
  const std::vector<std::pair<std::wstring, TComponent*>> expected = {
      {L"btnRegsitryCleaner", home}, {L"btnJunkCleaner", home}, {L"btnEvidenceCleaner", home}};
  EXPECT_EQ(opened, expected);
}

class HomePageInMainWindowTest : public HomePageTest {
 protected:
  HomePageInMainWindowTest() : HomePageTest(TPageTestHost::MainWindow) {}
  void SetUp() override {
    for (const wchar_t* page : {L"TfrmRegCleaner", L"TfrmWasteCleaner", L"TfrmHisCleaner"})
      SetPageFactory(page, [](TComponent* owner) { return new TForm(owner); });
    HomePageTest::SetUp();
  }
  void TearDown() override {
    HomePageTest::TearDown();
    for (const wchar_t* page : {L"TfrmRegCleaner", L"TfrmWasteCleaner", L"TfrmHisCleaner"})
      SetPageFactory(page, nullptr);
  }
  TImageEx* Button(const wchar_t* name) const { return dynamic_cast<TImageEx*>(main_->FindComponent(name)); }
};

// A link leaves the navigation as a click on the cleaner's button would: the cleaners' section,
// only that button latched; the page belongs to the home page. Nothing opens while the
// navigation is locked.
TEST_F(HomePageInMainWindowTest, LinksOpenTheCleanersWithTheirButtonsLatched) {
  TfrmHome* home = Page();
  ASSERT_NE(home, nullptr) << "the main window makes the home page";
  const struct {
    TLabel* link;
    const wchar_t* button;
  } links[] = {{home->Label13, L"btnRegsitryCleaner"},
               {home->Label14, L"btnJunkCleaner"},
               {home->Label15, L"btnEvidenceCleaner"}};
  for (const auto& l : links) {
    SCOPED_TRACE(std::string(l.button, l.button + wcslen(l.button)));
    main_->SelectSection(0);
    l.link->Click();
    TCustomForm* page = main_->PageOfButton(l.button);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Owner(), home);
    EXPECT_EQ(main_->CurrentSection, 1);
    for (const wchar_t* other : {L"btnRegsitryCleaner", L"btnJunkCleaner", L"btnEvidenceCleaner"})
      EXPECT_EQ(Button(other)->Down(), other == std::wstring(l.button)) << std::string(other, other + wcslen(other));
  }
  TCustomForm* registry = main_->PageOfButton(L"btnRegsitryCleaner");
  main_->SelectSection(0);
  {
    TNavigationLock run = main_->LockNavigation();
    home->Label13->Click();
    EXPECT_EQ(main_->CurrentSection, 0) << "a link does nothing while the navigation is off";
  }
  home->Label13->Click();
  EXPECT_EQ(main_->PageOfButton(L"btnRegsitryCleaner"), registry) << "the same page again";
}

}  // namespace
