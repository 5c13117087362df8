// The Winsock2 catalog reader on fixture catalogs: a normal entry, a short one, a missing
// provider file, more entries than the count, records that are not binary or longer than
// usual, and the error states of the Parameters key.
#include "tools/lsp/lsp_catalog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/strings.h"
#include "lsp_fixture.h"

namespace {

TEST(LspDecode, RecordsOfEveryLengthAreReadWithinTheirBounds) {
  struct Case {
    size_t size;
    std::wstring path;
    bool guid;
    std::wstring name;
  };
  const std::wstring name = L"MSAFD Tcpip [TCP/IP]";
  const std::wstring path = L"C:\\x\\a.dll";
  const Case cases[] = {
      {0, L"", false, L""},     {8, L"C:\\x\\a.d", false, L""}, {295, path, false, L""},
      {296, path, true, L""},   {300, path, true, L""},           {377, path, true, L""},
      {380, path, true, L"MS"}, {888, path, true, name},          {2000, path, true, name},
  };
  for (const Case& c : cases) {
    TLspItem item;
    DecodePackedCatalogItem(PackedItem("C:\\x\\a.dll", name, c.size), item);
    EXPECT_EQ(item.ProviderPath, c.path) << c.size;
    EXPECT_EQ(item.ProviderId, c.guid ? kFixtureGuid : L"") << c.size;
    EXPECT_EQ(item.ProtocolName, c.name) << c.size;
  }
}

TEST(LspDecode, PathWithoutTerminatorStopsAtItsFieldAndNameWithoutTerminatorAtTheEnd) {
  std::vector<BYTE> data(888, 'A');
  for (int i = 376; i < 888; i += 2) data[i + 1] = 0;  // 'A' as UTF-16, no terminator
  TLspItem item;
  DecodePackedCatalogItem(data, item);
  EXPECT_EQ(item.ProviderPath, std::wstring(260, L'A'));
  EXPECT_EQ(item.ProtocolName, std::wstring(256, L'A'));
  // A longer record: the name still ends with its 256-character field.
  data.resize(1200, 'B');
  for (size_t i = 888; i < data.size(); i += 2) data[i + 1] = 0;
  DecodePackedCatalogItem(data, item);
  EXPECT_EQ(item.ProtocolName, std::wstring(256, L'A'));
}

TEST(LspDecode, EnvironmentReferencesInThePathAreExpanded) {
  TLspItem item;
  DecodePackedCatalogItem(PackedItem("%SystemRoot%\\system32\\mswsock.dll", L"x"), item);
  EXPECT_EQ(item.ProviderPath, ExpandEnvironmentText(L"%SystemRoot%") + L"\\system32\\mswsock.dll");
}

class LspCatalogTest : public ::testing::Test {
 protected:
  LspFixtureKey key_;
  std::vector<TLspItem> items_;
};

TEST_F(LspCatalogTest, ListsEveryEntryAndCountsOnlyTheFirstN) {
  // A provider in the Windows folder, named through the environment; one that is gone; a short
  // record; and one entry more than the count.
  const std::string present = "%SystemRoot%\\system32\\kernel32.dll";
  key_.Catalogs(3);
  key_.Entry(L"000000000001", PackedItem(present, L"MSAFD Tcpip [TCP/IP]"));
  key_.Entry(L"000000000002", PackedItem("C:\\nowhere\\gone.dll", L"Gone [UDP]"));
  key_.Entry(L"000000000003", PackedItem(present, L"never read", 300));
  key_.Entry(L"000000000004", PackedItem(present, L"Extra"));

  int count = 0;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), items_, &count), TLspCatalogStatus::Ok);
  EXPECT_EQ(count, 3);
  ASSERT_EQ(items_.size(), 4u);
  const std::wstring kernel = ExpandEnvironmentText(L"%SystemRoot%\\system32\\kernel32.dll");

  EXPECT_EQ(items_[0].EntryName, L"000000000001");
  EXPECT_EQ(items_[0].KeyPath, key_.Key() + L"\\Protocol_Catalog9\\Catalog_Entries\\000000000001");
  EXPECT_EQ(items_[0].ProtocolName, L"MSAFD Tcpip [TCP/IP]");
  EXPECT_EQ(items_[0].ProviderPath, kernel);
  EXPECT_EQ(items_[0].ProviderId, kFixtureGuid);
  EXPECT_TRUE(items_[0].Counted);
  EXPECT_FALSE(items_[0].FileMissing);
  EXPECT_NE(items_[0].VersionInfo.Signature, 0u) << "the system DLL carries a version resource";

  EXPECT_TRUE(items_[1].FileMissing);
  EXPECT_TRUE(items_[1].VersionInfo.CompanyName.empty());

  EXPECT_EQ(items_[2].ProtocolName, L"");
  EXPECT_EQ(items_[2].ProviderId, kFixtureGuid);
  EXPECT_EQ(items_[2].ProviderPath, kernel);

  EXPECT_FALSE(items_[3].Counted);
  EXPECT_FALSE(items_[3].FileMissing);
  EXPECT_EQ(items_[3].VersionInfo.Signature, 0u) << "no version information for entries past the count";
}

TEST_F(LspCatalogTest, UnexpectedValueTypesNeverEndTheListing) {
  key_.Catalogs(2);
  key_.SetString(L"Protocol_Catalog9\\Catalog_Entries\\000000000001", L"PackedCatalogItem", L"text");
  key_.Entry(L"000000000002", PackedItem("C:\\a.dll", L"Long", 1500));
  key_.CreateKey(L"Protocol_Catalog9\\Catalog_Entries\\000000000003");
  key_.SetString(L"Protocol_Catalog9", L"Num_Catalog_Entries", L"2");
  int count = 0;
  ASSERT_EQ(ReadLspCatalog(key_.Key(), items_, &count), TLspCatalogStatus::Ok);
  EXPECT_EQ(count, -1);
  ASSERT_EQ(items_.size(), 3u);
  EXPECT_EQ(items_[0].ProviderPath, L"");
  EXPECT_TRUE(items_[0].FileMissing);
  EXPECT_EQ(items_[1].ProtocolName, L"Long");
  EXPECT_FALSE(items_[1].Counted) << "an unreadable count counts none";
  EXPECT_EQ(items_[2].EntryName, L"000000000003");
}

TEST_F(LspCatalogTest, MissingOrIncompleteKeysKeepThePreviousItems) {
  items_.resize(2);
  EXPECT_EQ(ReadLspCatalog(key_.Key() + L"\\Nothing", items_), TLspCatalogStatus::ParametersMissing);
  key_.SetString(L"", L"Current_Protocol_Catalog", L"Protocol_Catalog9");
  key_.SetString(L"", L"Current_NameSpace_Catalog", L"  ");
  EXPECT_EQ(ReadLspCatalog(key_.Key(), items_), TLspCatalogStatus::Incomplete);
  key_.SetString(L"", L"Current_NameSpace_Catalog", L"NameSpace_Catalog5");
  key_.CreateKey(L"Protocol_Catalog9\\Catalog_Entries");
  EXPECT_EQ(ReadLspCatalog(key_.Key(), items_), TLspCatalogStatus::Incomplete);
  EXPECT_EQ(items_.size(), 2u);
  key_.CreateKey(L"NameSpace_Catalog5\\Catalog_Entries");
  EXPECT_EQ(ReadLspCatalog(key_.Key(), items_), TLspCatalogStatus::Ok);
  EXPECT_TRUE(items_.empty());
}

TEST_F(LspCatalogTest, CompleteCatalogNeedsEveryCountedEntryWithPathAndGuid) {
  key_.Catalogs(2);
  EXPECT_FALSE(LspCatalogComplete(key_.Key())) << "no entries";
  key_.Entry(L"000000000001", PackedItem("C:\\a.dll", L"One"));
  EXPECT_FALSE(LspCatalogComplete(key_.Key())) << "fewer entries than the count";
  key_.Entry(L"000000000002", PackedItem("C:\\b.dll", L"Two", 200));
  EXPECT_FALSE(LspCatalogComplete(key_.Key())) << "a record too short for its GUID";
  key_.Entry(L"000000000002", PackedItem("C:\\b.dll", L"Two"));
  EXPECT_TRUE(LspCatalogComplete(key_.Key()));
}

}  // namespace
