// The ActiveX re-registration page inside a page host, over a fake system folder: the rows,
// Select All, the empty-selection message, runs over the ticked rows one at a time with the exit
// codes shown, Stop in the middle of a run, and navigation given back afterwards.
#include "tools/activex_register_page/frmRegisterActivex.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/child_process.h"
#include "base/files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/support/page_test_fixture.h"
#include "tools/activex_register/dll_registration.h"

namespace {

// What the page looked like while one file was being registered.
struct TRun {
  std::wstring commandLine;
  std::wstring buttonCaption;
  bool progressShown;
  bool navigationEnabled;
};

class RegisterActivexPageTest : public PageTest<TfrmRegisterActivex> {
 protected:
  RegisterActivexPageTest() : PageTest(L"TfrmRegisterActivex", L"btnReActive") {
    for (const wchar_t* name : {L"alpha.dll", L"beta.dll", L"gamma.dll", L"readme.txt"})
      WriteBytes(systemFolder_.Path() + name, "x");
    ForceDirectories(systemFolder_.Path() + L"folder.dll");
    // The tool records each run; Step decides its outcome (exit code 0 unless it says otherwise).
    SetRegistrationToolForTesting({SystemFolder()});
    SetChildProcessRunnerForTesting([this](const TChildRun& run, DWORD& ExitCode) {
      runs.push_back({run.CommandLine, page_->btnActivex->Caption(), page_->ProgressBar1->Visible(),
                      !NavigationLocked()});
      ExitCode = 0;
      return step ? step(runs.size(), ExitCode, run.Stopped) : true;
    });
  }
  void TearDown() override {
    PageTest::TearDown();
    SetRegistrationToolForTesting({});
    SetChildProcessRunnerForTesting(nullptr);
  }

  TfrmRegisterActivex* Open() {
    page_ = OpenPage();
    return page_;
  }
  std::wstring SystemFolder() const { return systemFolder_.Path().substr(0, systemFolder_.Path().size() - 1); }
  std::wstring Dll(const std::wstring& name) const { return SystemFolder() + L"\\" + name; }
  // The row of a DLL (rows come in the folder's listing order).
  PVirtualNode Node(const std::wstring& name) {
    for (PVirtualNode node = page_->VST1->GetFirst(); node; node = page_->VST1->GetNextSibling(node))
      if (page_->Rows()[node->Index].Path == Dll(name)) return node;
    ADD_FAILURE() << "no row";
    return nullptr;
  }
  std::wstring Status(const std::wstring& name) { return page_->Rows()[Node(name)->Index].Status; }
  void Tick(const std::wstring& name) { page_->VST1->SetCheckState(Node(name), TCheckState::csCheckedNormal); }
  std::vector<std::wstring> Registered() const {
    std::vector<std::wstring> lines;
    for (const TRun& run : runs) lines.push_back(run.commandLine);
    return lines;
  }
  // The rows' paths top to bottom.
  std::vector<std::wstring> Paths() const {
    std::vector<std::wstring> paths;
    for (const auto& row : page_->Rows()) paths.push_back(row.Path);
    return paths;
  }

  TestFolder systemFolder_;
  TfrmRegisterActivex* page_ = nullptr;
  std::vector<TRun> runs;
  std::function<bool(size_t Run, DWORD& ExitCode, const std::function<bool()>& Stopped)> step;
};

TEST_F(RegisterActivexPageTest, EveryDllOfTheSystemFolderIsARowReadyAndUnticked) {
  TfrmRegisterActivex* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Label1->Caption(), Host().Greeting() + L" Re-Register Activex");
  std::vector<std::wstring> paths = Paths();
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(paths, (std::vector<std::wstring>{Dll(L"alpha.dll"), Dll(L"beta.dll"), Dll(L"gamma.dll")}));
  for (PVirtualNode node = page->VST1->GetFirst(); node; node = page->VST1->GetNextSibling(node)) {
    EXPECT_EQ(page->VST1->CheckState(node), TCheckState::csUncheckedNormal);
    EXPECT_EQ(page->VST1->Text(node, 0), std::to_wstring(node->Index + 1));
    EXPECT_EQ(page->VST1->Text(node, 2), L"Ready");
  }
  EXPECT_EQ(page->btnActivex->Caption(), L"Re-Register");
  EXPECT_FALSE(page->ProgressBar1->Visible());
}

TEST_F(RegisterActivexPageTest, SelectAllTicksAndUnticksEveryRow) {
  TfrmRegisterActivex* page = Open();
  page->chkAll->SetChecked(true);
  for (PVirtualNode node = page->VST1->GetFirst(); node; node = page->VST1->GetNextSibling(node))
    EXPECT_EQ(page->VST1->CheckState(node), TCheckState::csCheckedNormal);
  page->chkAll->SetChecked(false);
  EXPECT_EQ(page->VST1->GetFirstChecked(), nullptr);
}

TEST_F(RegisterActivexPageTest, NothingTickedIsAnsweredWithAMessageOnly) {
  TfrmRegisterActivex* page = Open();
  page->btnActivex->Click();
  EXPECT_TRUE(runs.empty());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Please select at least one option from the list to Activex Re-Registered.");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONINFORMATION));
}

// The ticked rows run top to bottom, one at a time, with the button as "Stop", the progress bar
// shown and navigation off; a run where every file registered ends with the message and lists
// the folder again.
TEST_F(RegisterActivexPageTest, TickedRowsRegisterInOrderThenTheListStartsAgain) {
  TfrmRegisterActivex* page = Open();
  std::vector<std::wstring> paths = Paths();
  Tick(L"gamma.dll");
  Tick(L"alpha.dll");
  std::vector<std::wstring> expected;
  for (const std::wstring& path : paths)
    if (path != Dll(L"beta.dll")) expected.push_back(RegistrationCommandLine(SystemFolder(), path));
  page->btnActivex->Click();
  EXPECT_EQ(Registered(), expected);
  for (const TRun& run : runs) {
    EXPECT_EQ(run.buttonCaption, L"Stop");
    EXPECT_TRUE(run.progressShown);
    EXPECT_FALSE(run.navigationEnabled);
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Select items has been Re-Registered Sucessfully.");
  EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(page->VST1->GetFirstChecked(), nullptr);
  for (const auto& row : page->Rows()) EXPECT_EQ(row.Status, L"Ready");
  EXPECT_EQ(page->btnActivex->Caption(), L"Re-Register");
  EXPECT_FALSE(page->ProgressBar1->Visible());
  EXPECT_FALSE(NavigationLocked());
  EXPECT_FALSE(page->Running());
}

// Each row shows what its registration did; a run with failures says how many and keeps the rows.
TEST_F(RegisterActivexPageTest, ExitCodesAreShownAndFailuresReported) {
  TfrmRegisterActivex* page = Open();
  std::vector<std::wstring> paths = Paths();
  step = [&](size_t run, DWORD& exitCode, const std::function<bool()>&) {
    if (run == 2) exitCode = 5;
    return run != 3;  // the third never finishes
  };
  page->chkAll->SetChecked(true);
  page->btnActivex->Click();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(page->Rows()[0].Status, L"Re-Register successfully");
  EXPECT_EQ(page->Rows()[1].Status, L"Re-Register failed (exit code 5)");
  EXPECT_EQ(page->Rows()[2].Status, L"Re-Register failed (regsvr32 did not finish)");
  EXPECT_EQ(Paths(), paths);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"2 of 3 selected items could not be Re-Registered. Their status shows why.");
  EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(page->btnActivex->Caption(), L"Re-Register");
  EXPECT_FALSE(NavigationLocked());
}

// "Stop" pressed while the second file registers: the wait ends, the run reports it was
// cancelled and goes no further; rows already handled keep their status.
TEST_F(RegisterActivexPageTest, StopEndsTheRunBeforeTheNextRow) {
  TfrmRegisterActivex* page = Open();
  step = [&](size_t run, DWORD&, const std::function<bool()>& Stopped) {
    if (run != 2) return true;
    page->btnActivex->Click();  // the user presses "Stop" while the tool runs
    EXPECT_TRUE(Stopped());
    return false;
  };
  page->chkAll->SetChecked(true);
  page->btnActivex->Click();
  EXPECT_EQ(runs.size(), 2u);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Acirvex Re-Registered Canceled.");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(page->Rows()[0].Status, L"Re-Register successfully");
  EXPECT_EQ(page->Rows()[1].Status, L"Stopped");
  EXPECT_EQ(page->Rows()[2].Status, L"Ready");
  EXPECT_EQ(page->btnActivex->Caption(), L"Re-Register");
  EXPECT_FALSE(page->ProgressBar1->Visible());
  EXPECT_FALSE(NavigationLocked());
  EXPECT_FALSE(page->Running());

  // The page is ready for the next run.
  runs.clear();
  step = nullptr;
  boxes.clear();
  page->btnActivex->Click();
  EXPECT_EQ(runs.size(), 3u);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Select items has been Re-Registered Sucessfully.");
}

}  // namespace
