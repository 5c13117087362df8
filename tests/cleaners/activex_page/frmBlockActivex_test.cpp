// The "Block Bad ActiveX" page inside a page host: rows read from a fixture ActiveX.dat with
// their status, Select All, the messages with nothing checked, and block / unblock round trips on
// fixture class ids of the test's own (removed afterwards).
#include "cleaners/activex_page/frmBlockActivex.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "cleaners/activex/activex_list.h"
#include "tests/cleaners/activex/new_clsid.h"
#include "tests/support/page_test_fixture.h"

namespace {

const std::wstring kCompatibility = L"SOFTWARE\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\";

void WriteFlags(const std::wstring& clsid, DWORD flags) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kCompatibility + clsid).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"Compatibility Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags), sizeof flags);
  RegCloseKey(key);
}

bool KeyExists(const std::wstring& clsid) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (kCompatibility + clsid).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

class ActivexPageTest : public PageTest<TfrmBlockActivex> {
 protected:
  ActivexPageTest() : PageTest(L"TfrmBlockActivex", L"btnBlockActivex") {}

  void SetUp() override {
    for (auto& id : ids_) id = NewClsid();
    // A blocked one, one with more bits than the kill bit, one without a key, and a line without
    // a class id that must get no row.
    WriteFlags(ids_[0], 1024);
    WriteFlags(ids_[1], 1025);
    program_.WriteFile(L"ActiveX.dat", WideToUtf8(ids_[0] + L"=First Control\r\n" + ids_[1] +
                                                   L"=Second=Control\r\n=No Class Id\r\n" + ids_[2] +
                                                   L"=Third Control\r\n"));
    PageTest::SetUp();
  }

  void TearDown() override {
    PageTest::TearDown();
    for (const auto& id : ids_) RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kCompatibility + id).c_str());
    for (const auto& id : ids_) RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kCompatibility + id).c_str());
  }

  std::vector<std::wstring> Statuses(TfrmBlockActivex* page) {
    std::vector<std::wstring> texts;
    TVirtualStringTree* tree = page->VST_Activex;
    for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNextSibling(node)) texts.push_back(tree->Text(node, 2));
    return texts;
  }

  PVirtualNode Row(TfrmBlockActivex* page, int index) {
    PVirtualNode node = page->VST_Activex->GetFirst();
    while (index-- > 0 && node) node = page->VST_Activex->GetNextSibling(node);
    return node;
  }

  std::wstring ids_[3];
};

TEST_F(ActivexPageTest, ShowsEveryControlWithItsStatusAllChecked) {
  TfrmBlockActivex* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Label1->Caption(), Host().Greeting() + L" Block Bad Activex");
  ASSERT_EQ(page->VST_Activex->RootNodeCount(), 3u);
  EXPECT_EQ(page->VST_Activex->Text(Row(page, 1), 0), L"SecondControl");
  EXPECT_EQ(page->VST_Activex->Text(Row(page, 1), 1), ids_[1]);
  EXPECT_EQ(Statuses(page), (std::vector<std::wstring>{L"Locked", L"Unlock", L"Unlock"}));
  EXPECT_TRUE(page->chkAll->Checked());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(page->VST_Activex->CheckState(Row(page, i)), TCheckState::csCheckedNormal);
  EXPECT_FALSE(page->ProgressBar1->Visible());
}

TEST_F(ActivexPageTest, NothingCheckedShowsTheMessageAndChangesNothing) {
  TfrmBlockActivex* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->chkAll->SetChecked(false);
  ASSERT_FALSE(page->chkAll->Checked());
  EXPECT_TRUE(page->NoneChecked());
  page->btnOK->Click();
  page->btnCancel->Click();
  EXPECT_EQ(BoxesShown(), (std::vector<std::wstring>{
                       L"Please select at least one option from the list to Block.|Quillstead v4.1",
                       L"Please select at least one option from the list to unLock.|Quillstead v4.1"}));
  EXPECT_TRUE(KeyExists(ids_[0]));
  EXPECT_FALSE(KeyExists(ids_[2]));
  EXPECT_EQ(Statuses(page), (std::vector<std::wstring>{L"Locked", L"Unlock", L"Unlock"}));
}

TEST_F(ActivexPageTest, BlockAndUnblockRoundTripOnTheCheckedRows) {
  TfrmBlockActivex* page = OpenPage();
  ASSERT_NE(page, nullptr);
  // Only the second and third rows: the first keeps its block through the unblock below.
  page->VST_Activex->SetCheckState(Row(page, 0), TCheckState::csUncheckedNormal);
  page->btnOK->Click();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Statuses(page), (std::vector<std::wstring>{L"Locked", L"Locked", L"Locked"}));
  for (const auto& id : ids_) EXPECT_EQ(ActiveXStatus(id), L"Locked") << id;
  EXPECT_FALSE(page->ProgressBar1->Visible());
  EXPECT_EQ(page->ProgressBar1->Position(), 3);

  page->btnCancel->Click();
  EXPECT_EQ(Statuses(page), (std::vector<std::wstring>{L"Locked", L"Unlock", L"Unlock"}));
  EXPECT_TRUE(KeyExists(ids_[0]));
  EXPECT_FALSE(KeyExists(ids_[1]));
  EXPECT_FALSE(KeyExists(ids_[2]));

  // Unblocking a row that has no key changes nothing and still shows it unblocked.
  page->btnCancel->Click();
  EXPECT_EQ(Statuses(page), (std::vector<std::wstring>{L"Locked", L"Unlock", L"Unlock"}));
  EXPECT_FALSE(KeyExists(ids_[1]));
}

}  // namespace
