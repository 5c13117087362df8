// The service presets page inside a page host: descriptions per preset, and "Optimize"
// running the checked preset's file from the program folder through a runner of the test's own.
#include "base/child_process.h"
#include "base/system_programs.h"
#include "tools/service_page/frmSystemOptimize.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/page_test_fixture.h"

namespace {

// A preset line as it runs: the system folder's sc.exe by its full path.
std::wstring Sc(const std::wstring& arguments) { return L"\"" + SystemFolder() + L"\\sc.exe\" " + arguments; }

class ServicePageTest : public PageTest<TfrmSystemOptimize> {
 protected:
  ServicePageTest() : PageTest(L"TfrmSystemOptimize", L"btnSystem") {}

  // The page with a runner that records each line, fails those containing "fail", and notes
  // whether the page showed itself busy meanwhile.
  TfrmSystemOptimize* Open() {
    TfrmSystemOptimize* page = OpenPage();
    if (page)
      SetChildProcessRunnerForTesting([this, page](const TChildRun& run, DWORD& exitCode) {
        ran.push_back(run.CommandLine);
        busyDuring = !page->btnOptimize->Enabled() && page->pb1->Visible();
        exitCode = run.CommandLine.find(L"fail") == std::wstring::npos ? 0 : 1;
        return true;
      });
    return page;
  }

  std::vector<std::wstring> ran;
  bool busyDuring = false;
};

}  // namespace

TEST_F(ServicePageTest, OpensWithTheDefaultPresetDescribed) {
  TfrmSystemOptimize* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->Visible());
  EXPECT_NE(page->Label6->Caption().find(L" System Optimizer"), std::wstring::npos);
  EXPECT_TRUE(page->rbDefault->Checked());
  EXPECT_EQ(page->Label3->Caption(), L"Reset to Windows default service");
  EXPECT_FALSE(page->Label4->Visible());
  EXPECT_FALSE(page->pb1->Visible());
}

TEST_F(ServicePageTest, EachPresetShowsItsDescriptionLines) {
  TfrmSystemOptimize* page = Open();
  ASSERT_NE(page, nullptr);
  struct Case {
    TRadioButton* button;
    const wchar_t* label3;
    bool shown4, shown5, shown8;
  } cases[] = {
      {page->rbCampus, L"According to the circumstance of campus network, close some useless services, including printing service", true, true, true},
      {page->rbNet, L"According to the requirement of Internet Cafe, close lots of infrequently used services, including printing ", true, true, false},
      {page->rbHome, L"Close a few services that were infrequently used based on Windows XP default services, including printing ", true, false, false},
      {page->rbOffice, L"Close a few services based on Windows default services, including terminal service, infrared device support,", true, true, true},
      {page->rbNote, L"Close a few services based on Windows default services. Because most of the notebooks are used in office, it ", true, true, true},
      {page->rbDefault, L"Reset to Windows default service", false, false, false},
  };
  for (const Case& c : cases) {
    c.button->SetChecked(true);  // as the user's click does
    EXPECT_TRUE(c.button->Checked());
    EXPECT_EQ(page->Label3->Caption(), c.label3);
    EXPECT_EQ(page->Label4->Visible(), c.shown4) << page->Label3->Caption();
    EXPECT_EQ(page->Label5->Visible(), c.shown5) << page->Label3->Caption();
    EXPECT_EQ(page->Label8->Visible(), c.shown8) << page->Label3->Caption();
  }
  // Office's apostrophe is the typographic one
  page->rbOffice->SetChecked(true);
  EXPECT_NE(page->Label4->Caption().find(L"Sharing Service\u2019, Windows XP"), std::wstring::npos);
  EXPECT_TRUE(ran.empty());  // choosing runs nothing
}

TEST_F(ServicePageTest, OptimizeRunsTheCheckedPresetFromTheProgramFolderAndReportsFailures) {
  TfrmSystemOptimize* page = Open();
  ASSERT_NE(page, nullptr);
  CreateDirectoryW((program_.Path() + L"Data").c_str(), nullptr);
  CreateDirectoryW((program_.Path() + L"Data\\service").c_str(), nullptr);
  program_.WriteFile(L"Data\\service\\home_model.bat", "rem home\r\nsc one\r\nsc fail two\r\nsc.exe three\r\nnet stop Spooler\r\n");
  program_.WriteFile(L"Data\\service\\default_model.bat", "sc default\r\n");
  page->rbHome->SetChecked(true);
  page->btnOptimize->Click();
  EXPECT_EQ(ran, (std::vector<std::wstring>{Sc(L"one"), Sc(L"fail two"), Sc(L"three")}));
  EXPECT_TRUE(busyDuring);
  EXPECT_TRUE(page->btnOptimize->Enabled());
  EXPECT_FALSE(page->pb1->Visible());
  EXPECT_EQ(page->pb1->Position(), 5);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Optimization Completed!\r\n\r\n1 of 3 commands failed:\r\nsc fail two\r\n\r\n"
                            L"Not run (a preset may only run sc):\r\nnet stop Spooler");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));

  ran.clear();
  boxes.clear();
  page->rbDefault->SetChecked(true);
  page->btnOptimize->Click();
  EXPECT_EQ(ran, std::vector<std::wstring>{Sc(L"default")});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Optimization Completed!");
}

TEST_F(ServicePageTest, AMissingPresetFileIsReportedAndThePageStaysUsable) {
  TfrmSystemOptimize* page = Open();
  ASSERT_NE(page, nullptr);
  page->rbCampus->SetChecked(true);
  page->btnOptimize->Click();
  EXPECT_TRUE(ran.empty());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(L"campus_model.bat"), std::wstring::npos);
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_TRUE(page->btnOptimize->Enabled());
  EXPECT_EQ(page->Cursor(), crDefault);
  EXPECT_FALSE(page->pb1->Visible());
}
