#include "registry/scan/scan_class_views.h"

// The registry's own letter-case rule (ntdll): names are equal when their upper cases are.
extern "C" WCHAR NTAPI RtlUpcaseUnicodeChar(WCHAR SourceCharacter);

TKeyNameSet::TKeyNameSet(HKEY Root, const std::wstring& Key) {
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExW(Root, Key.c_str() + (Key.empty() ? 0 : 1), 0, KEY_ENUMERATE_SUB_KEYS, &key);
  if (opened != ERROR_SUCCESS) {
    present_ = opened != ERROR_FILE_NOT_FOUND;
    complete_ = !present_;
    return;
  }
  // Key names are at most 255 characters long.
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    const LONG result = RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS) {
      complete_ = false;
      break;
    }
    names_.insert(Fold(std::wstring(name, length)));
  }
  RegCloseKey(key);
}

std::wstring TKeyNameSet::Fold(const std::wstring& Name) {
  std::wstring folded = Name;
  for (wchar_t& c : folded) c = RtlUpcaseUnicodeChar(c);
  return folded;
}

bool TKeyNameSet::MayHold(const std::wstring& Name) const { return !complete_ || names_.count(Fold(Name)) != 0; }

bool TKeyNameSet::Empty() const { return complete_ && names_.empty(); }

bool TKeyNameSet::MayHoldPath(const std::wstring& Path) const {
  const size_t slash = Path.find(L'\\');
  if (slash == 0 || Path.empty()) return present_;
  return MayHold(slash == std::wstring::npos ? Path : Path.substr(0, slash));
}
