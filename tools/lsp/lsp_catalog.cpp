#include "tools/lsp/lsp_catalog.h"

#include "base/exception.h"
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"

namespace {

// Offsets in the packed record: the path field, the provider GUID inside WSAPROTOCOL_INFOW, and
// its protocol name.
constexpr size_t kPathField = 260;
constexpr size_t kGuidAt = 280;
constexpr size_t kGuidEnd = 296;
constexpr size_t kNameAt = 376;
constexpr size_t kNameChars = 256;  // WSAPROTOCOL_LEN + 1: the whole field, its terminator's place included

std::wstring& TestParametersKey() {
  static std::wstring key;
  return key;
}

DWORD Word32(const std::vector<BYTE>& d, size_t at) {
  return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (static_cast<DWORD>(d[at + 3]) << 24);
}
DWORD Word16(const std::vector<BYTE>& d, size_t at) { return d[at] | (d[at + 1] << 8); }

std::wstring GuidText(const std::vector<BYTE>& d) {
  std::wstring text = L"{" + IntToHex(Word32(d, kGuidAt), 8) + L"-" + IntToHex(Word16(d, kGuidAt + 4), 4) + L"-" +
                      IntToHex(Word16(d, kGuidAt + 6), 4) + L"-" + IntToHex(d[kGuidAt + 8], 2) +
                      IntToHex(d[kGuidAt + 9], 2) + L"-";
  for (size_t i = 10; i < 16; ++i) text += IntToHex(d[kGuidAt + i], 2);
  return text + L"}";
}

std::wstring ReadText(TRegistry& reg, const std::wstring& name) {
  try {
    return Trim(reg.ReadString(name));
  } catch (const Exception&) {
    return L"";
  }
}

}  // namespace

std::wstring WinsockParametersKey() {
  return TestParametersKey().empty() ? kWinsockParametersKey : TestParametersKey();
}

void SetWinsockParametersKeyForTesting(const std::wstring& key) { TestParametersKey() = key; }

void DecodePackedCatalogItem(const std::vector<BYTE>& data, TLspItem& item) {
  std::string path;
  for (size_t i = 0; i < data.size() && i < kPathField && data[i] != 0; ++i) path += static_cast<char>(data[i]);
  item.ProviderPath = path.empty() ? L"" : ExpandEnvironmentText(AnsiToWide(path));
  item.ProviderId = data.size() >= kGuidEnd ? GuidText(data) : L"";
  item.ProtocolName.clear();
  // Within its field: bytes after it (a longer record) are no part of the name.
  for (size_t at = kNameAt; at + 1 < data.size() && at < kNameAt + 2 * kNameChars; at += 2) {
    const wchar_t c = static_cast<wchar_t>(Word16(data, at));
    if (c == 0) break;
    item.ProtocolName += c;
  }
}

TLspCatalogStatus ReadLspCatalog(const std::wstring& parametersKey, std::vector<TLspItem>& items, int* count) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!reg.KeyExists(parametersKey) || !reg.OpenKeyReadOnly(parametersKey)) return TLspCatalogStatus::ParametersMissing;
  const std::wstring nameSpaceCatalog = ReadText(reg, L"Current_NameSpace_Catalog");
  const std::wstring protocolCatalog = ReadText(reg, L"Current_Protocol_Catalog");
  if (nameSpaceCatalog.empty() || protocolCatalog.empty() ||
      !reg.KeyExists(parametersKey + L"\\" + nameSpaceCatalog + L"\\Catalog_Entries") ||
      !reg.KeyExists(parametersKey + L"\\" + protocolCatalog + L"\\Catalog_Entries"))
    return TLspCatalogStatus::Incomplete;

  int counted = -1;
  if (reg.OpenKeyReadOnly(parametersKey + L"\\" + protocolCatalog)) {
    try {
      counted = reg.ReadInteger(L"Num_Catalog_Entries");
    } catch (const Exception&) {
      counted = -1;
    }
  }
  if (count) *count = counted;
  const std::wstring entriesKey = parametersKey + L"\\" + protocolCatalog + L"\\Catalog_Entries";
  std::vector<std::wstring> names;
  if (reg.OpenKeyReadOnly(entriesKey)) reg.GetKeyNames(names);

  std::vector<TLspItem> read;
  for (size_t i = 0; i < names.size(); ++i) {
    TLspItem item;
    item.EntryName = names[i];
    item.KeyPath = entriesKey + L"\\" + names[i];
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (reg.OpenKeyReadOnly(item.KeyPath) && ReadRegValue(reg.CurrentKey(), L"PackedCatalogItem", type, data) &&
        type == REG_BINARY)
      DecodePackedCatalogItem(data, item);
    item.Counted = static_cast<long long>(i) < counted;
    if (item.Counted && !item.ProviderPath.empty()) ReadVersionInfo(item.ProviderPath, item.VersionInfo);
    item.FileMissing = item.ProviderPath.empty() || !FileExists(item.ProviderPath);
    read.push_back(std::move(item));
  }
  items = std::move(read);
  return TLspCatalogStatus::Ok;
}

bool LspCatalogComplete(const std::wstring& parametersKey) {
  std::vector<TLspItem> items;
  int count = -1;
  if (ReadLspCatalog(parametersKey, items, &count) != TLspCatalogStatus::Ok || count <= 0) return false;
  int counted = 0;
  for (const TLspItem& item : items) {
    if (!item.Counted) continue;
    if (item.ProviderPath.empty() || item.ProviderId.empty()) return false;
    ++counted;
  }
  // Fewer entries than the count: the catalog names entries that are not there.
  return counted == count;
}
