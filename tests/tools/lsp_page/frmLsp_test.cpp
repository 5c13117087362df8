// The Winsock2 repair page opened from its navigation button, on a fixture catalog of the
// test's own: rows with their columns and images, the error boxes of a missing or incomplete
// catalog, and "Restore" (asked first, imported by the registry editor, checked, then the
// restart offered through a recorder).
#include "tools/lsp_page/frmLsp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/system_restart.h"
#include "tests/base/test_files.h"
#include "tests/support/page_test_fixture.h"
#include "tests/tools/lsp/lsp_fixture.h"

namespace {

const std::wstring kCaption = L"LSP\u4FEE\u590D";
const std::wstring kRestoreQuestion = L"\u662F\u5426\u786E\u8BA4\u6062\u590DLSP\u5230\u521D\u59CB\u72B6\u6001\uFF1F";
const std::wstring kRestoreFailed = L"\u8FD8\u539FLSP\u5931\u8D25";
const std::wstring kExportMissing = L"\u8FD8\u539FLSP\u5931\u8D25\uFF0C\u539F\u59CB\u6570\u636E\u4E22\u5931\uFF01";

class LspPageTest : public PageTest<TfrmLsp> {
 protected:
  LspPageTest() : PageTest(L"TfrmLsp", L"btnLSP") {}

  void SetUp() override {
    PageTest::SetUp();
    SetRestartComputerForTesting([this] {
      ++restarts;
      return true;
    });
  }
  void TearDown() override {
    PageTest::TearDown();
    SetRestartComputerForTesting(nullptr);
  }

  // A provider in the Windows folder named through the environment, one that is gone, a short
  // record, and one entry more than the count.
  void Fixture() {
    key_.Catalogs(3);
    key_.Entry(L"000000000001", PackedItem("%SystemRoot%\\system32\\kernel32.dll", L"MSAFD Tcpip [TCP/IP]"));
    key_.Entry(L"000000000002", PackedItem("C:\\nowhere\\layered.dll", L"Layered [UDP]"));
    key_.Entry(L"000000000003", PackedItem("%SystemRoot%\\system32\\kernel32.dll", L"short", 300));
    key_.Entry(L"000000000004", PackedItem("%SystemRoot%\\system32\\kernel32.dll", L"Extra"));
  }
  void ShipExport(int entries, int count) {
    ForceDirectories(program_.Path() + L"data");
    program_.WriteFile(L"data\\__LspInitial__.reg", CatalogExport(key_.RegName(), entries, count));
  }
  std::wstring Captions() {
    std::wstring text;
    for (int i = 0; i < page_->lvLsp->Items()->Count(); ++i) text += page_->lvLsp->Items()->Item(i)->Caption() + L";";
    return text;
  }
  std::wstring BoxTexts() {
    std::wstring text;
    for (const TRecordedBox& box : boxes) text += box.text + L"|";
    return text;
  }

  LspFixtureKey key_;
  int restarts = 0;
  TfrmLsp* page_ = nullptr;
};

TEST_F(LspPageTest, RowsShowEveryEntryWithItsColumnsAndAMarkForMissingFiles) {
  Fixture();
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  EXPECT_EQ(page_->Label1->Caption(), Host().Greeting() + L" Winsock2 Repair");
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Captions(), L"000000000001;000000000002;000000000003;000000000004;");
  const std::wstring kernel = ExpandEnvironmentText(L"%SystemRoot%\\system32\\kernel32.dll");

  TListItems* rows = page_->lvLsp->Items();
  const TLspItem& first = page_->LspItems()[0];
  EXPECT_EQ(rows->Item(0)->SubItems(),
            (std::vector<std::wstring>{L"MSAFD Tcpip [TCP/IP]", kernel, first.VersionInfo.FileDescription,
                                       first.VersionInfo.CompanyName, kFixtureGuid}));
  EXPECT_EQ(rows->Item(0)->Data(), &first);
  EXPECT_EQ(rows->Item(1)->SubItems()[1], L"C:\\nowhere\\layered.dll");
  EXPECT_EQ(rows->Item(2)->SubItems()[0], L"");
  EXPECT_EQ(rows->Item(2)->SubItems()[4], kFixtureGuid);
  const std::vector<int> images = {0, 1, 0, 0};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(rows->Item(i)->ImageIndex(), images[i]) << i;

  const std::vector<int> widths = {100, 215, 215, 0, 0, 0};
  ASSERT_EQ(page_->lvLsp->Columns()->Count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(page_->lvLsp->Columns()->Items(i)->Width(), widths[i]) << i;
  EXPECT_TRUE(page_->btnRepair->Visible());
  EXPECT_EQ(page_->btnRepair->Caption(), L"Restore");
  EXPECT_FALSE(page_->btnRestore->Visible());
  EXPECT_FALSE(page_->btnRefresh->Visible());
}

TEST_F(LspPageTest, MissingOrIncompleteCatalogIsReportedAndTheLastListStays) {
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text.substr(0, 8), L"WinSock2");
  EXPECT_NE(boxes[0].text.find(L'\r'), std::wstring::npos);
  EXPECT_EQ(boxes[0].caption, kCaption);
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(Captions(), L"");

  Fixture();
  page_->acLspRefresh->Execute();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(page_->lvLsp->Items()->Count(), 4);

  key_.SetString(L"", L"Current_NameSpace_Catalog", L" ");
  page_->acLspRefresh->Execute();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"WinSock2\u6CE8\u518C\u8868\u4FE1\u606F\u4E0D\u5B8C\u6574, \u8BF7\u91CD\u65B0\u5B89\u88C5WinSock2");
  EXPECT_EQ(page_->lvLsp->Items()->Count(), 4);
}

TEST_F(LspPageTest, DecliningTheRestoreChangesNothing) {
  Fixture();
  ShipExport(2, 2);
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  answer = [](const TRecordedBox&) { return IDNO; };
  page_->btnRepair->Click();
  EXPECT_EQ(BoxTexts(), kRestoreQuestion + L"|");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
  EXPECT_EQ(boxes[0].caption, kCaption);
  std::vector<TLspItem> items;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), items), TLspCatalogStatus::Ok);
  EXPECT_EQ(items.size(), 4u);
  EXPECT_EQ(restarts, 0);
}

TEST_F(LspPageTest, RestoreImportsChecksShowsTheNewCatalogAndOffersTheRestart) {
  Fixture();
  ShipExport(2, 2);
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  answer = [](const TRecordedBox& box) { return box.type & MB_ICONWARNING ? IDYES : IDNO; };
  page_->btnRepair->Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
  EXPECT_NE(boxes[1].text.find(L'\r'), std::wstring::npos);
  EXPECT_EQ(restarts, 0) << "the restart was declined";
  EXPECT_EQ(Captions(), L"000000000001;000000000002;");
  EXPECT_EQ(page_->lvLsp->Items()->Item(1)->SubItems()[0], L"Entry 2");

  // The hidden command does the same; this time the restart is wanted.
  answer = [](const TRecordedBox&) { return IDYES; };
  page_->acLspRestore->Execute();
  EXPECT_EQ(boxes.size(), 4u);
  EXPECT_EQ(restarts, 1);
}

TEST_F(LspPageTest, FailedRestoresSaySoAndOfferNoRestart) {
  Fixture();
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  answer = [](const TRecordedBox&) { return IDYES; };
  page_->btnRepair->Click();
  EXPECT_EQ(BoxTexts(), kRestoreQuestion + L"|" + kExportMissing + L"|");
  EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_OK | MB_ICONERROR));

  // An export that leaves fewer entries than its count: said so, and the catalog as it was is
  // back and listed.
  boxes.clear();
  ShipExport(1, 3);
  page_->btnRepair->Click();
  EXPECT_EQ(BoxTexts(), kRestoreQuestion + L"|" + kRestoreFailed +
                            L"\r\n\r\nThe catalog is not complete after the import.\r\n"
                            L"The catalog as it was before has been put back.|");
  EXPECT_EQ(Captions(), L"000000000001;000000000002;000000000003;000000000004;");
  EXPECT_EQ(restarts, 0);
}

}  // namespace
