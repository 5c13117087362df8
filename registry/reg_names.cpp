#include "registry/reg_names.h"

#include "base/strings.h"

namespace {

struct RootName {
  DWORD value;
  const wchar_t* name;
  const wchar_t* shortName;
};

const RootName kRoots[] = {
    {0x80000000, L"HKEY_CLASSES_ROOT", L"HKCR"}, {0x80000001, L"HKEY_CURRENT_USER", L"HKCU"},
    {0x80000002, L"HKEY_LOCAL_MACHINE", L"HKLM"}, {0x80000003, L"HKEY_USERS", L"HKU"},
    {0x80000005, L"HKEY_CURRENT_CONFIG", L"HKCC"},
};

const wchar_t* const kTypeNames[] = {L"REG_NONE",  L"REG_SZ",    L"REG_EXPAND_SZ",        L"REG_BINARY",
                                     L"REG_DWORD", L"REG_DWORD_BIG_ENDIAN", L"", L"REG_MULTI_SZ",
                                     L"REG_RESOURCE_LIST"};

}  // namespace

HKEY RootKeyFromValue(DWORD value) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(value))));
}

DWORD RootKeyValue(HKEY root) { return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(root)); }

HKEY RootNameToHKey(const std::wstring& name) {
  const std::wstring upper = UpperCase(Trim(name));
  for (const RootName& root : kRoots)
    if (upper == root.name || upper == root.shortName) return RootKeyFromValue(root.value);
  return nullptr;
}

std::wstring HKeyToRootName(HKEY root) {
  const DWORD value = RootKeyValue(root);
  for (const RootName& r : kRoots)
    if (value == r.value) return r.name;
  return L"HKEY_LOCAL_MACHINE";
}

std::wstring RegTypeToName(DWORD type) {
  return type < sizeof(kTypeNames) / sizeof(kTypeNames[0]) ? kTypeNames[type] : L"";
}

DWORD RegNameToType(const std::wstring& name) {
  const std::wstring trimmed = Trim(name);
  if (trimmed.empty()) return 0xFFFFFFFF;
  if (trimmed == L"REG_DWORD_LITTLE_ENDIAN") return REG_DWORD;
  for (DWORD type = 0; type < sizeof(kTypeNames) / sizeof(kTypeNames[0]); ++type)
    if (trimmed == kTypeNames[type]) return type;
  return 0xFFFFFFFF;
}
