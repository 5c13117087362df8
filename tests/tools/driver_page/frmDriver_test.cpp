// The driver backup page inside a page host: the list from class keys of the test's own,
// "Select All" and "all drivers", and Backup with its messages.
#include "tools/driver_page/frmDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/page_test_fixture.h"
#include "tests/tools/driver/driver_fixture.h"

namespace {

class DriverPageTest : public PageTest<TfrmDriver>, public DriverFixture {
 protected:
  DriverPageTest() : PageTest(L"TfrmDriver", L"btnDriver") {}

  // The page, listing the fixture's drivers: two of other providers, one of Microsoft.
  TfrmDriver* Open() {
    SetString(L"Cls", L"", L"", L"Sound devices");
    AddDriver(L"Cls", L"0000", L"Acme Audio", L"Acme", L"oem1.inf");
    AddDriver(L"Cls", L"0001", L"Basic Audio", L"Microsoft", L"oem2.inf");
    AddDriver(L"Cls", L"0002", L"Zeta: Sound/Card", L"Zeta", L"oem3.inf");
    WriteWindowsFile(L"inf\\oem1.inf", "[SourceDisksFiles]\r\nacme.sys=1\r\n");
    WriteWindowsFile(L"system32\\drivers\\acme.sys", "acme driver");
    WriteWindowsFile(L"inf\\oem3.inf", "[SourceDisksFiles]\r\nzeta.dll=1\r\n");
    WriteWindowsFile(L"system32\\zeta.dll", "zeta library");
    TfrmDriver* page = OpenPage();
    if (!page) return nullptr;
    page->Places = places;
    page->ListDrivers(TDriverListMode::NotMicrosoft);
    return page;
  }

  std::vector<std::wstring> Listed(TfrmDriver* page) {
    std::vector<std::wstring> texts;
    for (PVirtualNode node = page->VST1->GetFirst(); node; node = page->VST1->GetNextSibling(node))
      texts.push_back(page->VST1->Text(node, 0) + L"|" + page->VST1->Text(node, 1) + L"|" +
                      page->VST1->Text(node, 2) +
                      (page->VST1->CheckState(node) == TCheckState::csCheckedNormal ? L"|x" : L"|"));
    return texts;
  }

  void Check(TfrmDriver* page, int row) {
    PVirtualNode node = page->VST1->GetFirst();
    for (int i = 0; i < row; ++i) node = page->VST1->GetNextSibling(node);
    page->VST1->SetCheckState(node, TCheckState::csCheckedNormal);
  }

  CurrentDirectoryInTestFolder cwd_;
};

}  // namespace

TEST_F(DriverPageTest, OpensWithTheDriversOfOtherProviders) {
  TfrmDriver* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->Visible());
  EXPECT_NE(page->Label1->Caption().find(L" Driver Backup"), std::wstring::npos);
  EXPECT_FALSE(page->ProgressBar1->Visible());
  EXPECT_EQ(Listed(page), (std::vector<std::wstring>{L"Acme Audio|Sound devices||", L"Zeta: Sound/Card|Sound devices||"}));
}

TEST_F(DriverPageTest, AllDriversAndSelectAll) {
  TfrmDriver* page = Open();
  ASSERT_NE(page, nullptr);
  page->chkAll->SetChecked(true);
  EXPECT_EQ(Listed(page), (std::vector<std::wstring>{L"Acme Audio|Sound devices||x", L"Zeta: Sound/Card|Sound devices||x"}));
  // The new list takes the "Select All" state.
  page->CheckBox1->SetChecked(true);
  EXPECT_EQ(Listed(page), (std::vector<std::wstring>{L"Acme Audio|Sound devices||x", L"Basic Audio|Sound devices||x",
                                                     L"Zeta: Sound/Card|Sound devices||x"}));
  page->chkAll->SetChecked(false);
  page->CheckBox1->SetChecked(false);
  EXPECT_EQ(Listed(page), (std::vector<std::wstring>{L"Acme Audio|Sound devices||", L"Zeta: Sound/Card|Sound devices||"}));
}

TEST_F(DriverPageTest, BackupWithNothingCheckedOnlySaysSo) {
  TfrmDriver* page = Open();
  ASSERT_NE(page, nullptr);
  page->BtnBackUp->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Please select at least one option from the list to backup device driver files.");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_FALSE(DirectoryExists(cwd_.Path() + L"BackUp"));
}

TEST_F(DriverPageTest, BackupCopiesTheCheckedDriversWhileThePageIsBusy) {
  TfrmDriver* page = Open();
  ASSERT_NE(page, nullptr);
  Check(page, 1);
  bool busyDuring = false;
  SetMessagePump([&] {
    busyDuring = !page->BtnBackUp->Enabled() && !page->CheckBox1->Enabled() && page->ProgressBar1->Visible() &&
                 NavigationLocked();
    Application->ProcessMessages();
  });
  page->BtnBackUp->Click();
  EXPECT_TRUE(busyDuring);
  EXPECT_TRUE(page->BtnBackUp->Enabled());
  EXPECT_TRUE(page->CheckBox1->Enabled());
  EXPECT_FALSE(page->ProgressBar1->Visible());
  EXPECT_FALSE(NavigationLocked());
  const std::wstring folder = cwd_.Path() + L"BackUp\\Drivers\\Zeta SoundCard\\";
  EXPECT_EQ(ReadBytes(folder + L"zeta.dll"), "zeta library");
  EXPECT_EQ(ReadBytes(folder + L"oem3.inf"), "[SourceDisksFiles]\r\nzeta.dll=1\r\n");
  EXPECT_FALSE(DirectoryExists(cwd_.Path() + L"BackUp\\Drivers\\Acme Audio"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Backup Sucessfully!  ");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(DriverPageTest, WhatCouldNotBeBackedUpIsReported) {
  TfrmDriver* page = Open();
  ASSERT_NE(page, nullptr);
  // The INF of the second driver has gone since it was installed.
  DeleteFileW((places.WindowsFolder + L"\\inf\\oem3.inf").c_str());
  page->chkAll->SetChecked(true);
  page->BtnBackUp->Click();
  EXPECT_EQ(ReadBytes(cwd_.Path() + L"BackUp\\Drivers\\Acme Audio\\acme.sys"), "acme driver");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(boxes[0].text.find(L"Acme"), std::wstring::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find(L"Zeta: Sound/Card: oem3.inf could not be copied"), std::wstring::npos) << boxes[0].text;
}
