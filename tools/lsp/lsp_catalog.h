// The Windows Sockets 2 protocol catalog as the registry keeps it: one entry per provider (base
// protocols and layered service providers), each a packed record of the provider's DLL path and
// its WSAPROTOCOL_INFOW.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/version_info.h"

struct TLspItem {
  std::wstring ProtocolName;
  std::wstring ProviderPath;  // environment references expanded
  std::wstring ProviderId;    // the provider GUID as text, "" when the record is too short
  bool Counted = false;       // among the first Num_Catalog_Entries entries
  TVersionInfo VersionInfo;   // of ProviderPath, counted entries only
  bool FileMissing = true;
  std::wstring EntryName;     // the entry's subkey
  std::wstring KeyPath;       // below HKEY_LOCAL_MACHINE
};

// The Parameters key below HKEY_LOCAL_MACHINE, with a leading backslash.
inline constexpr const wchar_t* kWinsockParametersKey = L"\\System\\CurrentControlSet\\Services\\Winsock2\\Parameters";

// The Parameters key the reader and the restore use: kWinsockParametersKey, or a fixture key a
// test put in place ("" restores it).
std::wstring WinsockParametersKey();
void SetWinsockParametersKeyForTesting(const std::wstring& key);

// The fields of one "PackedCatalogItem" record: path, GUID and protocol name, each read only
// where the record is long enough to hold it. Counted, VersionInfo, FileMissing and the names
// are left alone.
void DecodePackedCatalogItem(const std::vector<BYTE>& data, TLspItem& item);

enum class TLspCatalogStatus {
  Ok,
  ParametersMissing,  // no Parameters key
  Incomplete,         // a catalog name is blank, or a catalog has no Catalog_Entries key
};

// Reads the current protocol catalog below `parametersKey` (HKEY_LOCAL_MACHINE) in the
// registry's order; leaves `items` alone unless the result is Ok. A count that cannot be read
// counts as 0; a record that is not binary data reads as empty; neither ends the listing.
// `count`, when given, receives Num_Catalog_Entries (-1 when it cannot be read).
TLspCatalogStatus ReadLspCatalog(const std::wstring& parametersKey, std::vector<TLspItem>& items,
                                 int* count = nullptr);

// A catalog that reads Ok, counts at least one entry, and whose counted entries all exist with a
// provider path and GUID.
bool LspCatalogComplete(const std::wstring& parametersKey);
