// The error repair page inside a page host: its rows from an ErrorClean.ini in the throwaway
// program folder, the select-all box, and Repair applying the ticked problems to fixture keys,
// with commands recorded by a runner of the test's own.
#include "base/system_programs.h"
#include "tools/error_page/frmErrorClean.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/base/test_keys.h"
#include "tests/support/page_test_fixture.h"

namespace {

// A command of the data file as it runs: the system folder's cmd.exe by its full path.
std::wstring Cmd(const std::wstring& arguments) { return L"\"" + SystemFolder() + L"\\cmd.exe\" " + arguments; }

class ErrorPageTest : public PageTest<TfrmErrorClean> {
 protected:
  ErrorPageTest() : PageTest(L"TfrmErrorClean", L"btnError") {}

  // Four problems on the fixture key (one more is listed incompletely and left out).
  void WriteFourProblems(const std::string& thirdCommand = "cmd /c third") {
    std::string path(key_.Path().begin(), key_.Path().end());
    program_.WriteFile(
        L"ErrorClean.ini",
        "[Error List]\r\nIE5.x first=1\r\nIE6.x second=1\r\nThird=2\r\nIncomplete=2\r\nFourth=1\r\n"
        "[IE5.x first]\r\nDescription=One\r\n[IE5.x first@1]\r\nRootKey=HKEY_CURRENT_USER\r\nSubKey=" +
            path + "\r\nValueName=First\r\nValueType=REG_SZ\r\nOPType=2\r\nResetValue=one\r\n" +
            "[IE6.x second]\r\nDescription=Two\r\n[IE6.x second@1]\r\nValueName=cmd /c second\r\nOPType=4\r\n"
            "[Third]\r\nDescription=Three\r\n[Third@1]\r\nValueName=" +
            thirdCommand +
            "\r\nOPType=4\r\n"
            "[Third@2]\r\nRootKey=HKEY_CURRENT_USER\r\nSubKey=" +
            path + "\\Doomed\r\nOPType=1\r\n" +
            "[Incomplete]\r\nDescription=No operations\r\n"
            "[Fourth]\r\nDescription=Four\r\n[Fourth@1]\r\nValueName=cmd /c fourth\r\nOPType=4\r\n");
  }

  TfrmErrorClean* Open() {
    TfrmErrorClean* page = OpenPage();
    if (page)
      SetChildProcessRunnerForTesting([this, page](const TChildRun& run, DWORD& exitCode) {
        ran.push_back(run.CommandLine);
        busyDuring = !page->Button1->Enabled() && NavigationLocked();
        exitCode = run.CommandLine.find(L"fail") == std::wstring::npos ? 0 : 1;
        return true;
      });
    return page;
  }

  static std::vector<bool> Ticks(TfrmErrorClean* page) {
    std::vector<bool> ticks;
    for (int i = 0; i < page->lvError->Items()->Count(); ++i) ticks.push_back(page->lvError->Items()->Item(i)->Checked());
    return ticks;
  }

  std::wstring ReadFirst() {
    wchar_t text[64] = L"";
    DWORD size = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, key_.Path().c_str(), L"First", RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
  }

  bool DoomedExists() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, (key_.Path() + L"\\Doomed").c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }

  TestRegistryKey key_{L"ErrorPage"};
  std::vector<std::wstring> ran;
  bool busyDuring = false;
};

}  // namespace

TEST_F(ErrorPageTest, OpensWithOneRowPerCompleteProblem) {
  WriteFourProblems();
  TfrmErrorClean* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->Label6->Caption().find(L" Error Repair"), std::wstring::npos);
  EXPECT_EQ(page->Button1->Caption(), L"Repair");
  EXPECT_FALSE(page->Button2->Visible());
  EXPECT_EQ(page->cbSelectAll->Caption(), L"Select All  (except IE5.x and IE6.x options)");
  TListItems* rows = page->lvError->Items();
  ASSERT_EQ(rows->Count(), 4);
  const wchar_t* names[] = {L"IE5.x first", L"IE6.x second", L"Third", L"Fourth"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(rows->Item(i)->Caption(), names[i]);
    EXPECT_EQ(static_cast<TErrorItem*>(rows->Item(i)->Data())->Name, names[i]);
  }
  EXPECT_EQ(rows->Item(2)->SubItems().at(0), L"Three");
  EXPECT_EQ(Ticks(page), (std::vector<bool>{false, false, false, false}));
}

TEST_F(ErrorPageTest, SelectAllLeavesTheFirstTwoRowsAlone) {
  WriteFourProblems();
  TfrmErrorClean* page = Open();
  ASSERT_NE(page, nullptr);
  page->cbSelectAll->SetChecked(true);
  EXPECT_EQ(Ticks(page), (std::vector<bool>{false, false, true, true}));
  // ticking the first two by hand makes every row ticked, and the box follows
  page->cbSelectAll->SetChecked(false);
  EXPECT_EQ(Ticks(page), (std::vector<bool>{false, false, false, false}));
  page->cbSelectAll->SetChecked(true);
  page->lvError->Items()->Item(0)->SetChecked(true);
  page->lvError->Items()->Item(1)->SetChecked(true);
  EXPECT_TRUE(page->cbSelectAll->Checked());
  // a mixed state leaves the box as it is; none ticked clears it
  page->lvError->Items()->Item(3)->SetChecked(false);
  EXPECT_TRUE(page->cbSelectAll->Checked());
  for (int i = 0; i < 3; ++i) page->lvError->Items()->Item(i)->SetChecked(false);
  EXPECT_FALSE(page->cbSelectAll->Checked());
}

TEST_F(ErrorPageTest, SelectAllDoesNothingWithTwoRowsOrFewer) {
  program_.WriteFile(L"ErrorClean.ini", "[Error List]\r\nA=0\r\nB=0\r\n[A]\r\nDescription=a\r\n[B]\r\nDescription=b\r\n");
  TfrmErrorClean* page = Open();
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->lvError->Items()->Count(), 2);
  page->cbSelectAll->SetChecked(true);
  EXPECT_EQ(Ticks(page), (std::vector<bool>{false, false}));
}

TEST_F(ErrorPageTest, RepairWithNothingTickedAsksForASelection) {
  WriteFourProblems();
  TfrmErrorClean* page = Open();
  ASSERT_NE(page, nullptr);
  page->Button1->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Please select at least one option from the list");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(ReadFirst(), L"");
}

TEST_F(ErrorPageTest, RepairAppliesTheTickedProblemsInOrderFromTheFileAsItIsThen) {
  WriteFourProblems();
  TfrmErrorClean* page = Open();
  ASSERT_NE(page, nullptr);
  HKEY inner;
  ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, (key_.Path() + L"\\Doomed\\Inner").c_str(), &inner), ERROR_SUCCESS);
  RegCloseKey(inner);
  // the operations are read anew at each repair
  WriteFourProblems("cmd /c third edited");
  page->lvError->Items()->Item(3)->SetChecked(true);
  page->lvError->Items()->Item(2)->SetChecked(true);
  page->lvError->Items()->Item(0)->SetChecked(true);
  page->Button1->Click();
  EXPECT_EQ(ran, (std::vector<std::wstring>{Cmd(L"/c third edited"), Cmd(L"/c fourth")}));
  EXPECT_TRUE(busyDuring);
  EXPECT_EQ(ReadFirst(), L"one");
  EXPECT_FALSE(DoomedExists());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"The error(s) has been repaired successfully!");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_TRUE(page->Button1->Enabled());
  EXPECT_TRUE(!NavigationLocked());
}

TEST_F(ErrorPageTest, FailedOperationsAreNamedInTheClosingBox) {
  WriteFourProblems("cmd /c fail here");
  TfrmErrorClean* page = Open();
  ASSERT_NE(page, nullptr);
  page->cbSelectAll->SetChecked(true);
  page->Button1->Click();
  EXPECT_EQ(ran, (std::vector<std::wstring>{Cmd(L"/c fail here"), Cmd(L"/c fourth")}));
  EXPECT_FALSE(DoomedExists());  // the failure does not stop the operations after it
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            L"Some of the selected errors could not be repaired:\r\nThird: the command \"cmd /c fail here\" did not run "
            L"or failed");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
  EXPECT_TRUE(page->Button1->Enabled());
}

TEST_F(ErrorPageTest, WithoutTheFileTheListIsEmpty) {
  TfrmErrorClean* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->lvError->Items()->Count(), 0);
  page->Button1->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Please select at least one option from the list");
  // the refresh action reads a file that has come meanwhile
  WriteFourProblems();
  page->acErrorRefresh->Execute();
  EXPECT_EQ(page->lvError->Items()->Count(), 4);
}
