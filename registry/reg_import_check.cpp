#include "registry/reg_import_check.h"

#include <algorithm>
#include <vector>

namespace {

bool IsTextKind(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

size_t WithoutTrailingNuls(const BYTE* data, size_t size) {
  while (size > 0 && data[size - 1] == 0) --size;
  return size;
}

bool SameData(const TRegFileValue& expected, DWORD type, const BYTE* data, DWORD size) {
  if (type != expected.Type) return false;
  const BYTE* wanted = reinterpret_cast<const BYTE*>(expected.Data.data());
  size_t wantedSize = expected.Data.size(), actualSize = size;
  if (IsTextKind(type)) {
    wantedSize = WithoutTrailingNuls(wanted, wantedSize);
    actualSize = WithoutTrailingNuls(data, actualSize);
  }
  return wantedSize == actualSize && std::equal(wanted, wanted + wantedSize, data);
}

}  // namespace

void CheckImportedRegFile(const TRegFile& File, TRegImportResult& Result) {
  Result.Keys = File.Keys.size();
  Result.Values = 0;
  Result.MissingKeys.clear();
  Result.WrongValues.clear();
  std::vector<BYTE> buffer(64 * 1024);
  for (const TRegFileKey& expected : File.Keys) {
    Result.Values += expected.Values.size();
    HKEY root;
    std::wstring path;
    HKEY key = nullptr;
    if (!SplitRegFileKey(expected.Name, root, path) ||
        RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
      Result.MissingKeys.push_back(expected.Name);
      continue;
    }
    for (const TRegFileValue& value : expected.Values) {
      DWORD type = REG_NONE, size = static_cast<DWORD>(buffer.size());
      LONG status = RegQueryValueExW(key, value.Name.c_str(), nullptr, &type, buffer.data(), &size);
      if (status == ERROR_MORE_DATA) {
        buffer.resize(size);
        status = RegQueryValueExW(key, value.Name.c_str(), nullptr, &type, buffer.data(), &size);
      }
      if (status != ERROR_SUCCESS || !SameData(value, type, buffer.data(), size))
        Result.WrongValues.push_back(expected.Name + L"\\" + (value.Name.empty() ? L"@" : value.Name));
    }
    RegCloseKey(key);
  }
}
