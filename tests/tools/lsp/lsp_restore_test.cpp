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
  EXPECT_EQ(ImportLspBackup(folder_.Path() + L"none.reg", key_.Key()), TLspRestoreResult::FileMissing);
}

TEST_F(LspRestoreTest, ImportReplacesTheEntriesAndIsCheckedAfterwards) {
  // A layered provider that a program added: the restore must not leave it behind.
  key_.Catalogs(3);
  for (const wchar_t* entry : {L"000000000001", L"000000000002", L"000000000003"})
    key_.Entry(entry, PackedItem("C:\\lsp\\layered.dll", L"Layered"));
  key_.CreateKey(L"NameSpace_Catalog5\\Catalog_Entries");

  ASSERT_EQ(ImportLspBackup(CatalogExportFile(2, 2), key_.Key()), TLspRestoreResult::Done);
  std::vector<TLspItem> items;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), items), TLspCatalogStatus::Ok);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].ProtocolName, L"Entry 1");
  EXPECT_EQ(items[1].ProtocolName, L"Entry 2");
  EXPECT_TRUE(items[1].Counted);
}

TEST_F(LspRestoreTest, AnImportThatLeavesAnIncompleteCatalogIsNotASuccess) {
  key_.CreateKey(L"NameSpace_Catalog5\\Catalog_Entries");
  EXPECT_EQ(ImportLspBackup(CatalogExportFile(1, 3), key_.Key()), TLspRestoreResult::NotVerified);
}

TEST_F(LspRestoreTest, AFileThatIsNoExportIsNotASuccess) {
  const std::wstring file = folder_.Path() + L"junk.reg";
  WriteBytes(file, "this is not a registry file\r\n");
  EXPECT_NE(ImportLspBackup(file, key_.Key()), TLspRestoreResult::Done);
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

  ASSERT_EQ(ImportLspBackup(file, key_.Key()), TLspRestoreResult::Done);
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

}  // namespace
