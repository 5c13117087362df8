// Restoring the Winsock2 catalog from an export: a missing file, fixture exports that give a
// complete and an incomplete catalog, a file that is no export, and the shipped initial catalog,
// each imported by the registry editor into a fixture key.
#include "tools/lsp/lsp_restore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/strings.h"
#include "lsp_fixture.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

class LspRestoreTest : public ::testing::Test {
 protected:
  std::wstring CatalogExportFile(int entries, int count) {
    const std::wstring file = folder_.Path() + L"catalog.reg";
    WriteBytes(file, CatalogExport(key_.RegName(), entries, count));
    return file;
  }

  LspFixtureKey key_;
  TestFolder folder_;
};

TEST_F(LspRestoreTest, MissingExportIsReportedAndNothingRuns) {
  EXPECT_EQ(ImportLspBackup(folder_.Path() + L"none.reg", key_.Key()).Result, TLspRestoreResult::FileMissing);
}

TEST_F(LspRestoreTest, ImportReplacesTheEntriesAndIsCheckedAfterwards) {
  // A layered provider that a program added: the restore must not leave it behind.
  key_.Catalogs(3);
  for (const wchar_t* entry : {L"000000000001", L"000000000002", L"000000000003"})
    key_.Entry(entry, PackedItem("C:\\lsp\\layered.dll", L"Layered"));
  key_.CreateKey(L"NameSpace_Catalog5\\Catalog_Entries");

  ASSERT_EQ(ImportLspBackup(CatalogExportFile(2, 2), key_.Key()).Result, TLspRestoreResult::Done);
  std::vector<TLspItem> items;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), items), TLspCatalogStatus::Ok);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].ProtocolName, L"Entry 1");
  EXPECT_EQ(items[1].ProtocolName, L"Entry 2");
  EXPECT_TRUE(items[1].Counted);
}

// An import that leaves an incomplete catalog is no success, and the catalog as it was (here
// with a layered provider) is put back in place of what the import left.
TEST_F(LspRestoreTest, AnImportThatLeavesAnIncompleteCatalogIsPutBack) {
  key_.Catalogs(2);
  key_.Entry(L"000000000001", PackedItem("C:\\lsp\\layered.dll", L"Layered"));
  key_.Entry(L"000000000002", PackedItem("C:\\lsp\\base.dll", L"Base"));
  std::vector<TLspItem> before;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), before), TLspCatalogStatus::Ok);

  const TLspRestoreOutcome outcome = ImportLspBackup(CatalogExportFile(1, 3), key_.Key());
  EXPECT_EQ(outcome.Result, TLspRestoreResult::PutBack);
  EXPECT_EQ(outcome.Detail,
            L"The catalog is not complete after the import.\r\nThe catalog as it was before has been put back.");
  std::vector<TLspItem> after;
  int count = 0;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), after, &count), TLspCatalogStatus::Ok);
  EXPECT_EQ(count, 2);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].ProtocolName, before[i].ProtocolName);
    EXPECT_EQ(after[i].ProviderPath, before[i].ProviderPath);
  }
}

// A catalog key that was not there before the failed import is not there after it either.
TEST_F(LspRestoreTest, AFailedImportIntoNoCatalogLeavesNone) {
  EXPECT_EQ(ImportLspBackup(CatalogExportFile(1, 3), key_.Key()).Result, TLspRestoreResult::PutBack);
  std::vector<TLspItem> items;
  EXPECT_EQ(ReadLspCatalog(key_.Key(), items), TLspCatalogStatus::ParametersMissing);
}

// A file that is no export, or an export cut off halfway, is refused whole: the catalog stays.
TEST_F(LspRestoreTest, AFileThatIsNoCompleteExportIsRefusedAndChangesNothing) {
  key_.Catalogs(1);
  key_.Entry(L"000000000001", PackedItem("C:\\lsp\\layered.dll", L"Layered"));
  const std::wstring junk = folder_.Path() + L"junk.reg";
  WriteBytes(junk, "this is not a registry file\r\n");
  const std::string whole = CatalogExport(key_.RegName(), 2, 2);
  const std::wstring cut = folder_.Path() + L"cut.reg";
  WriteBytes(cut, whole.substr(0, (whole.size() / 2) & ~size_t(1)));
  for (const std::wstring& file : {junk, cut}) {
    const TLspRestoreOutcome outcome = ImportLspBackup(file, key_.Key());
    EXPECT_EQ(outcome.Result, TLspRestoreResult::FileBroken);
    EXPECT_NE(outcome.Detail.find(L"Nothing was imported"), std::wstring::npos);
    std::vector<TLspItem> items;
    ASSERT_EQ(ReadLspCatalog(key_.Key(), items), TLspCatalogStatus::Ok);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].ProtocolName, L"Layered");
  }
}

TEST_F(LspRestoreTest, ShippedInitialCatalogImportsIntoACompleteCatalog) {
  const std::string shipped = ReadRcData(L"LSP_INITIAL");
  ASSERT_GT(shipped.size(), 2u);
  ASSERT_EQ(shipped.substr(0, 2), "\xFF\xFE");
  std::wstring text(reinterpret_cast<const wchar_t*>(shipped.data() + 2), (shipped.size() - 2) / 2);
  // Into the fixture key instead of the machine's catalog.
  const std::wstring machine = L"HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Winsock2\\Parameters";
  int replaced = 0;
  for (size_t at = text.find(machine); at != std::wstring::npos; at = text.find(machine, at)) {
    text.replace(at, machine.size(), key_.RegName());
    at += key_.RegName().size();
    ++replaced;
  }
  EXPECT_GT(replaced, 10);
  const std::wstring file = folder_.Path() + L"__LspInitial__.reg";
  WriteBytes(file, RegFileBytes(text));
  key_.CreateKey(L"NameSpace_Catalog5\\Catalog_Entries");

  ASSERT_EQ(ImportLspBackup(file, key_.Key()).Result, TLspRestoreResult::Done);
  std::vector<TLspItem> items;
  int count = 0;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), items, &count), TLspCatalogStatus::Ok);
  EXPECT_EQ(count, 10);
  std::wstring names;
  for (const TLspItem& item : items) {
    EXPECT_TRUE(item.Counted);
    names += item.ProtocolName + L";";
  }
  EXPECT_EQ(names, L"MSAFD Tcpip [TCP/IP];MSAFD Tcpip [UDP/IP];MSAFD Tcpip [RAW/IP];MSAFD Tcpip [TCP/IPv6];"
                   L"MSAFD Tcpip [UDP/IPv6];MSAFD Tcpip [RAW/IPv6];RSVP TCPv6 Service Provider;"
                   L"RSVP TCP Service Provider;RSVP UDPv6 Service Provider;RSVP UDP Service Provider;");
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[0].ProviderId, L"{E70F1AA0-AB8B-11CF-8CA3-00805F48A192}");
  EXPECT_EQ(items[3].ProviderId, L"{F9EAB0C0-26D4-11D0-BBBF-00AA006C34E4}");
  EXPECT_EQ(items[9].ProviderId, L"{9D60A9E0-337A-11D0-BD88-0000C082E69A}");
  EXPECT_EQ(items[0].ProviderPath, ExpandEnvironmentText(L"%SystemRoot%\\system32\\mswsock.dll"));
  EXPECT_EQ(items[0].EntryName, L"000000000001");
  EXPECT_EQ(items[9].EntryName, L"000000000010");
}

// The whole round on this prefix's own catalog as a fresh Wine prefix has it (no catalog names,
// no name-space catalog): the shipped export restores it, the restore verifies, and the catalog
// lists the ten entries the page shows.
TEST(LspRestoreRound, TheShippedCatalogRestoresVerifiesAndListsOnThisPrefix) {
  FreshWinsockKey fresh;
  std::vector<TLspItem> items;
  ASSERT_EQ(ReadLspCatalog(kWinsockParametersKey, items), TLspCatalogStatus::Incomplete);
  TestFolder folder;
  WriteBytes(folder.Path() + L"__LspInitial__.reg", ReadRcData(L"LSP_INITIAL"));

  const TLspRestoreOutcome outcome = ImportLspBackup(folder.Path() + L"__LspInitial__.reg", kWinsockParametersKey);
  EXPECT_EQ(outcome.Result, TLspRestoreResult::Done) << WideToUtf8(outcome.Detail);
  EXPECT_TRUE(LspCatalogComplete(kWinsockParametersKey));
  int count = 0;
  ASSERT_EQ(ReadLspCatalog(kWinsockParametersKey, items, &count), TLspCatalogStatus::Ok);
  EXPECT_EQ(count, 10);
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[0].ProtocolName, L"MSAFD Tcpip [TCP/IP]");
  EXPECT_EQ(items[9].ProtocolName, L"RSVP UDP Service Provider");
  EXPECT_FALSE(items[0].FileMissing);  // mswsock.dll, found through %SystemRoot%
}

}  // namespace
