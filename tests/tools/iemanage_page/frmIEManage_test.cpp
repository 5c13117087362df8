// The IE manager page inside a page host, on the prefix's browser settings (put back
// afterwards) and fixture add-ons: its rows and colours, the tab-dependent button and "Select
// All", the questions and messages, and what restoring and removing leave in the registry.
#include "tools/iemanage_page/frmIEManage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/base/locked_key.h"
#include "tests/gui/click_tab.h"
#include "tests/support/page_test_fixture.h"
#include "tests/tools/iemanage/addon_fixture.h"
#include "tests/tools/iemanage/saved_ie_settings.h"

namespace {

const wchar_t kMain[] = L"Software\\Microsoft\\Internet Explorer\\Main";
const wchar_t kControlPanel[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const wchar_t kCaption[] = L"Quillstead v4.1";
const wchar_t kNoSelection[] = L"Please select at least one option from the list.";

// Every setting at its default and no restriction set, so a test's own changes are the only
// differences.
void CleanSettings() {
  for (const TStrRecoverItem& row : IEStringDefaults)
    AddonFixture::SetText(row.RootKey, row.SubKey + 1, row.ValueName, row.DefaultValue);
  for (const TDWORDRecoverItem& row : IERestrictionDefaults) {
    HKEY key;
    if (RegOpenKeyExW(row.RootKey, row.SubKey + 1, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) continue;
    RegDeleteValueW(key, row.ValueName);
    RegCloseKey(key);
  }
}

void SetNumber(HKEY root, const std::wstring& path, const wchar_t* name, DWORD number) {
  AddonFixture::SetRaw(root, path, name, REG_DWORD, &number, sizeof number);
}

// The stored type and text (or number as text) of a value; REG_NONE when it is missing.
std::pair<DWORD, std::wstring> Stored(HKEY root, const std::wstring& path, const wchar_t* name) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {REG_NONE, L""};
  BYTE data[2048] = {};
  DWORD type = REG_NONE, size = sizeof data - sizeof(wchar_t);
  const bool found = RegQueryValueExW(key, name, nullptr, &type, data, &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (!found) return {REG_NONE, L""};
  if (type == REG_DWORD) return {type, std::to_wstring(*reinterpret_cast<DWORD*>(data))};
  return {type, reinterpret_cast<wchar_t*>(data)};
}

class IEManagePage : public PageTest<TfrmIEManage> {
 protected:
  IEManagePage() : PageTest<TfrmIEManage>(L"TfrmIEManage", L"btnIE") {}

  static std::vector<PVirtualNode> Rows(TVirtualStringTree* list) {
    std::vector<PVirtualNode> rows;
    for (PVirtualNode node = list->GetFirst(); node; node = list->GetNext(node)) rows.push_back(node);
    return rows;
  }
  static std::vector<std::wstring> Column(TVirtualStringTree* list, TColumnIndex column) {
    std::vector<std::wstring> texts;
    for (PVirtualNode node : Rows(list)) texts.push_back(list->Text(node, column));
    return texts;
  }
  // The row whose first column reads `name`, or nullptr.
  static PVirtualNode Row(TVirtualStringTree* list, const std::wstring& name) {
    for (PVirtualNode node : Rows(list))
      if (list->Text(node, 0) == name) return node;
    return nullptr;
  }
  static std::vector<std::wstring> Checked(TVirtualStringTree* list) {
    std::vector<std::wstring> names;
    for (PVirtualNode node = list->GetFirstChecked(); node; node = list->GetNextChecked(node))
      names.push_back(list->Text(node, 0));
    return names;
  }
  static void Check(TVirtualStringTree* list, const std::wstring& name) {
    PVirtualNode node = Row(list, name);
    ASSERT_NE(node, nullptr) << std::string(name.begin(), name.end());
    list->SetCheckState(node, TCheckState::csCheckedNormal);
  }
  static TColor PaintedColour(TfrmIEManage* page, TVirtualStringTree* list, PVirtualNode node) {
    TCanvas canvas;
    canvas.Font().SetColor(clBlue);
    canvas.Font().SetStyle({TFontStyle::fsBold});
    if (list == page->VST_Hijack)
      page->VST_HijackPaintText(list, canvas, node, 1, TVSTTextType::ttNormal);
    else
      page->VST_IEPaintText(list, canvas, node, 1, TVSTTextType::ttNormal);
    EXPECT_TRUE(canvas.Font().Style().Empty());
    return canvas.Font().Color();
  }
  std::vector<std::wstring> BoxTexts() const {
    std::vector<std::wstring> texts;
    for (const TRecordedBox& box : boxes) texts.push_back(box.text);
    return texts;
  }

  SavedIESettings saved_;
  AddonFixture addons_;
};

TEST_F(IEManagePage, ShowsBothTabsTheirListsAndTheRestrictionList) {
  CleanSettings();
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  const std::wstring heading = page->Label6->Caption();
  EXPECT_EQ(heading.substr(heading.size() - 11), L" IE Manager");
  EXPECT_EQ(page->Label7->Caption(), L"Allows to reinstall all the Internet Explorer Default settings and repair errors.");
  EXPECT_EQ(page->Label1->Caption(),
            L"Revovers your browser after it has been hijacked by Spyware, Adware, Browser Hijacker and Other Pests.");
  EXPECT_EQ(page->Hijack->Caption(), L"Hijack Restore");
  EXPECT_EQ(page->BHO->Caption(), L"BHO Manager");
  EXPECT_EQ(page->pgc_IE->ActivePage(), page->Hijack);
  EXPECT_EQ(page->btnRestore->Caption(), L"Restore");
  EXPECT_EQ(page->chkAll->Caption(), L"Select All");
  EXPECT_FALSE(page->chkAll->Checked());
  EXPECT_EQ(page->Button2->Caption(), L"刷新列表");
  EXPECT_EQ(page->Button4->Caption(), L"恢复");
  EXPECT_EQ(page->Button5->Caption(), L"刷新列表");
  EXPECT_EQ(page->Button6->Caption(), L"刷新");
  EXPECT_EQ(page->Button7->Caption(), L"清理选中的插件");
  // The restriction list and its buttons lie below what the page area shows.
  for (TControl* hidden : std::vector<TControl*>{page->VST_IE, page->Button2, page->Button4, page->Button5,
                                                 page->Button6, page->Button7})
    EXPECT_GE(hidden->Top(), page->ClientHeight()) << hidden->Name();

  // One row per table entry, in order, none ticked, none in need of repair on a clean machine.
  const std::vector<std::wstring> names = Column(page->VST_Hijack, 0);
  ASSERT_EQ(names.size(), IEStringDefaults.size());
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(names[i], IEStringDefaults[i].Name);
    EXPECT_EQ(page->VST_Hijack->Text(Rows(page->VST_Hijack)[i], 2), IEStringDefaults[i].DefaultValue);
  }
  EXPECT_EQ(Column(page->VST_Hijack, 1)[3], L"%SystemRoot%\\system32\\blank.htm");
  ASSERT_EQ(Rows(page->VST_IE).size(), IERestrictionDefaults.size());
  EXPECT_EQ(Column(page->VST_IE, 0)[0], L"禁用的“常规”选项卡");
  EXPECT_EQ(Column(page->VST_IE, 1), std::vector<std::wstring>(IERestrictionDefaults.size(), L"正常"));
  for (TVirtualStringTree* list : {page->VST_Hijack, page->VST_IE, page->VST_BHO}) {
    EXPECT_TRUE(Checked(list).empty()) << list->Name();
    for (PVirtualNode node : Rows(list)) EXPECT_EQ(node->CheckType, TCheckType::ctCheckBox);
  }
}

TEST_F(IEManagePage, RowsThatNeedRepairArePaintedRed) {
  CleanSettings();
  // Letter case and blanks do not count; another address does; a restriction set to 1 does, a
  // missing one does not.
  AddonFixture::SetText(HKEY_CURRENT_USER, kMain, L"Start Page", L"  HTTP://WWW.MSN.COM ");
  AddonFixture::SetText(HKEY_LOCAL_MACHINE, kMain, L"Start Page", L"http://hijack.example/");
  SetNumber(HKEY_CURRENT_USER, kControlPanel, L"GeneralTab", 1);
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);

  EXPECT_EQ(PaintedColour(page, page->VST_Hijack, Row(page->VST_Hijack, L"Start Page")), clBlack);
  EXPECT_EQ(page->VST_Hijack->Text(Row(page->VST_Hijack, L"Start Page"), 1), L"  HTTP://WWW.MSN.COM ");
  EXPECT_EQ(PaintedColour(page, page->VST_Hijack, Row(page->VST_Hijack, L"Start Page(all users)")), clRed);
  EXPECT_EQ(page->VST_Hijack->Text(Row(page->VST_Hijack, L"Start Page(all users)"), 1), L"http://hijack.example/");
  EXPECT_EQ(PaintedColour(page, page->VST_Hijack, Row(page->VST_Hijack, L"Blank Page")), clBlack);

  PVirtualNode general = Row(page->VST_IE, L"禁用的“常规”选项卡");
  PVirtualNode security = Row(page->VST_IE, L"禁用的“安全”选项卡");
  EXPECT_EQ(page->VST_IE->Text(general, 1), L"已经被禁用");
  EXPECT_EQ(PaintedColour(page, page->VST_IE, general), clRed);
  EXPECT_EQ(page->VST_IE->Text(security, 1), L"正常");
  EXPECT_EQ(PaintedColour(page, page->VST_IE, security), clBlack);
}

TEST_F(IEManagePage, RestoreAsksThenWritesTheTickedDefaults) {
  CleanSettings();
  AddonFixture::SetText(HKEY_CURRENT_USER, kMain, L"Local Page", L"C:\\hijack\\blank.htm");
  AddonFixture::SetText(HKEY_LOCAL_MACHINE, kMain, L"Start Page", L"http://hijack.example/");
  AddonFixture::SetText(HKEY_CURRENT_USER, kMain, L"Window Title", L"Hijacked Explorer");
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  answer = [](const TRecordedBox& box) { return box.type & MB_YESNO ? IDYES : IDOK; };
  // The user leaves the window title out.
  Check(page->VST_Hijack, L"Local Page");
  Check(page->VST_Hijack, L"Start Page(all users)");
  Check(page->VST_Hijack, L"Blank Page");
  page->btnRestore->Click();

  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, L"Are you sure want to restore it?");
  EXPECT_EQ(boxes[0].caption, kCaption);
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(boxes[1].text, L"Restored Completed!");
  EXPECT_EQ(boxes[1].caption, kCaption);
  EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));

  // Written as it stands: the reference is not expanded.
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, kMain, L"Local Page"),
            std::make_pair(DWORD(REG_SZ), std::wstring(L"%SystemRoot%\\system32\\blank.htm")));
  EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kMain, L"Start Page"),
            std::make_pair(DWORD(REG_SZ), std::wstring(IEStringDefaults[6].DefaultValue)));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, kMain, L"Window Title").second, L"Hijacked Explorer");
  // Exactly the rows that still need repair stay ticked; the restored ones show what they hold.
  EXPECT_EQ(Checked(page->VST_Hijack), std::vector<std::wstring>{L"Navigation Window Title"});
  EXPECT_EQ(page->VST_Hijack->Text(Row(page->VST_Hijack, L"Local Page"), 1), L"%SystemRoot%\\system32\\blank.htm");
  EXPECT_EQ(PaintedColour(page, page->VST_Hijack, Row(page->VST_Hijack, L"Local Page")), clBlack);
}

TEST_F(IEManagePage, AnsweringNoLeavesTheRegistryAlone) {
  CleanSettings();
  AddonFixture::SetText(HKEY_CURRENT_USER, kMain, L"Start Page", L"http://hijack.example/");
  const std::wstring helper = addons_.HelperObject(addons_.Class(L"QS Page Helper", L"C:\\qs\\helper.dll"));
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  answer = [](const TRecordedBox& box) { return box.type & MB_YESNO ? IDNO : IDOK; };
  Check(page->VST_Hijack, L"Start Page");
  page->btnRestore->Click();
  ClickTab(page->pgc_IE, 1);
  Check(page->VST_BHO, L"QS Page Helper");
  page->btnRestore->Click();

  EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{L"Are you sure want to restore it?",
                                                   L"Are you sure want to remove it?"}));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, kMain, L"Start Page").second, L"http://hijack.example/");
  EXPECT_TRUE(AddonFixture::KeyExists(HKEY_LOCAL_MACHINE, helper.substr(1)));
  EXPECT_EQ(Checked(page->VST_Hijack), std::vector<std::wstring>{L"Start Page"});
}

TEST_F(IEManagePage, NothingTickedGetsTheMessageOfEachButton) {
  CleanSettings();
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->btnRestore->Click();
  ClickTab(page->pgc_IE, 1);
  page->btnRestore->Click();
  page->Button4->Click();
  page->Button7->Click();
  ASSERT_EQ(boxes.size(), 4u);
  const std::vector<std::pair<std::wstring, std::wstring>> expected = {
      {kNoSelection, kCaption}, {kNoSelection, kCaption}, {L"没有需要修复的项", L"IE修复"},
      {L"请选择需要清理的IE插件", L"IE管理"}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(boxes[i].text, expected[i].first) << i;
    EXPECT_EQ(boxes[i].caption, expected[i].second) << i;
    EXPECT_EQ(boxes[i].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION)) << i;
  }
}

TEST_F(IEManagePage, RestrictionRestoreWritesZeroAndShowsNormal) {
  CleanSettings();
  SetNumber(HKEY_CURRENT_USER, kControlPanel, L"GeneralTab", 1);
  SetNumber(HKEY_CURRENT_USER, kControlPanel, L"HomePage", 1);
  AddonFixture::SetText(HKEY_CURRENT_USER, kControlPanel, L"Cache", L"1");
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  Check(page->VST_IE, L"禁用的“常规”选项卡");
  // A restriction stored as text counts as 0 and is written as a number all the same.
  Check(page->VST_IE, L"禁用的更改Internet临时文件夹位置");
  page->Button4->Click();

  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, kControlPanel, L"GeneralTab"), std::make_pair(DWORD(REG_DWORD), std::wstring(L"0")));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, kControlPanel, L"Cache"), std::make_pair(DWORD(REG_DWORD), std::wstring(L"0")));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, kControlPanel, L"HomePage").second, L"1");
  EXPECT_EQ(page->VST_IE->Text(Row(page->VST_IE, L"禁用的“常规”选项卡"), 1), L"正常");
  EXPECT_EQ(Checked(page->VST_IE), std::vector<std::wstring>{L"禁用的更改主页设置"});
}

TEST_F(IEManagePage, TabChangeSetsTheButtonAndSelectAllFollowsTheNewList) {
  CleanSettings();
  const std::wstring first = addons_.HelperObject(addons_.Class(L"QS Page Helper A", L"C:\\qs\\a.dll"));
  const std::wstring second = addons_.HelperObject(addons_.Class(L"QS Page Helper B", L"C:\\qs\\b.dll"));
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->chkAll->SetChecked(true);
  EXPECT_EQ(Checked(page->VST_Hijack).size(), IEStringDefaults.size());
  Check(page->VST_BHO, L"QS Page Helper A");

  // Only some add-on rows are ticked: the box goes off, and with it every add-on row.
  ClickTab(page->pgc_IE, 1);
  EXPECT_EQ(page->pgc_IE->ActivePage(), page->BHO);
  EXPECT_EQ(page->btnRestore->Caption(), L"Remove");
  EXPECT_FALSE(page->chkAll->Checked());
  EXPECT_TRUE(Checked(page->VST_BHO).empty());
  // The other tab's rows stay as they were.
  EXPECT_EQ(Checked(page->VST_Hijack).size(), IEStringDefaults.size());

  page->chkAll->SetChecked(true);
  EXPECT_EQ(Checked(page->VST_BHO).size(), Rows(page->VST_BHO).size());
  page->chkAll->SetChecked(false);
  ClickTab(page->pgc_IE, 0);
  EXPECT_EQ(page->btnRestore->Caption(), L"Restore");
  EXPECT_TRUE(page->chkAll->Checked());
  EXPECT_EQ(Checked(page->VST_Hijack).size(), IEStringDefaults.size());
}

TEST_F(IEManagePage, RemoveTakesTheTickedAddonsAndListsWhatIsLeft) {
  CleanSettings();
  const std::wstring helper = addons_.HelperObject(addons_.Class(L"QS Page Helper", L"C:\\qs\\helper.dll"));
  const std::wstring toolbarId = addons_.Class(L"QS Page Toolbar", L"C:\\qs\\toolbar.dll");
  addons_.Toolbar(toolbarId);
  const std::wstring keptId = addons_.Class(L"QS Page Kept", L"C:\\qs\\kept.dll");
  addons_.Toolbar(keptId);
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  PVirtualNode helperRow = Row(page->VST_BHO, L"QS Page Helper");
  ASSERT_NE(helperRow, nullptr);
  EXPECT_EQ(page->VST_BHO->Text(helperRow, 1), L"C:\\qs\\helper.dll");
  EXPECT_EQ(page->VST_BHO->Text(helperRow, 2), L"浏览器辅助BHO");
  EXPECT_EQ(page->VST_BHO->Text(Row(page->VST_BHO, L"QS Page Toolbar"), 2), L"工具栏");

  answer = [](const TRecordedBox& box) { return box.type & MB_YESNO ? IDYES : IDOK; };
  ClickTab(page->pgc_IE, 1);
  Check(page->VST_BHO, L"QS Page Helper");
  Check(page->VST_BHO, L"QS Page Toolbar");
  page->btnRestore->Click();

  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Are you sure want to remove it?");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_FALSE(AddonFixture::KeyExists(HKEY_LOCAL_MACHINE, helper.substr(1)));
  EXPECT_FALSE(AddonFixture::ValueExists(HKEY_LOCAL_MACHINE, kToolbarKey, toolbarId));
  EXPECT_TRUE(AddonFixture::ValueExists(HKEY_LOCAL_MACHINE, kToolbarKey, keptId));
  EXPECT_EQ(Row(page->VST_BHO, L"QS Page Helper"), nullptr);
  EXPECT_EQ(Row(page->VST_BHO, L"QS Page Toolbar"), nullptr);
  EXPECT_NE(Row(page->VST_BHO, L"QS Page Kept"), nullptr);
  EXPECT_TRUE(Checked(page->VST_BHO).empty());
}

TEST_F(IEManagePage, EachRefreshReadsItsOwnListAgain) {
  CleanSettings();
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  AddonFixture::SetText(HKEY_CURRENT_USER, kMain, L"Search Page", L"http://hijack.example/search");
  SetNumber(HKEY_CURRENT_USER, kControlPanel, L"PrivacyTab", 1);
  addons_.HelperObject(addons_.Class(L"QS Late Helper", L"C:\\qs\\late.dll"));
  PVirtualNode privacy = Row(page->VST_IE, L"禁用的“隐私”选项卡");

  page->Button2->Click();
  EXPECT_EQ(page->VST_Hijack->Text(Row(page->VST_Hijack, L"Search Page"), 1), L"http://hijack.example/search");
  EXPECT_EQ(page->VST_IE->Text(privacy, 1), L"正常");
  page->Button5->Click();
  EXPECT_EQ(page->VST_IE->Text(Row(page->VST_IE, L"禁用的“隐私”选项卡"), 1), L"已经被禁用");
  EXPECT_EQ(Row(page->VST_BHO, L"QS Late Helper"), nullptr);
  page->Button6->Click();
  EXPECT_NE(Row(page->VST_BHO, L"QS Late Helper"), nullptr);
  // Refreshed rows start unticked.
  EXPECT_TRUE(Checked(page->VST_Hijack).empty());
}

TEST_F(IEManagePage, ASettingThatCannotBeWrittenIsNotReportedRestored) {
  CleanSettings();
  const std::wstring aboutUrls = L"Software\\Microsoft\\Internet Explorer\\AboutURLs";
  AddonFixture::SetText(HKEY_LOCAL_MACHINE, aboutUrls, L"blank", L"http://hijack.example/blank");
  AddonFixture::SetText(HKEY_CURRENT_USER, kMain, L"Search Page", L"http://hijack.example/search");
  TfrmIEManage* page = OpenPage();
  ASSERT_NE(page, nullptr);
  // The machine's key refuses writes, as it does for a user without administrator rights.
  WriteLockedKey lock(HKEY_LOCAL_MACHINE, aboutUrls);
  if (!lock.Enforced()) GTEST_SKIP() << "this platform does not enforce registry key security";
  answer = [](const TRecordedBox& box) { return box.type & MB_YESNO ? IDYES : IDOK; };
  Check(page->VST_Hijack, L"Blank Page");
  Check(page->VST_Hijack, L"Search Page");
  page->btnRestore->Click();

  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Some settings could not be restored. The rows still marked in red keep their old value.");
  EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(Stored(HKEY_CURRENT_USER, kMain, L"Search Page").second, IEStringDefaults[1].DefaultValue);
  EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, aboutUrls, L"blank").second, L"http://hijack.example/blank");
  EXPECT_EQ(Checked(page->VST_Hijack), std::vector<std::wstring>{L"Blank Page"});
  EXPECT_EQ(PaintedColour(page, page->VST_Hijack, Row(page->VST_Hijack, L"Blank Page")), clRed);
}

}  // namespace
