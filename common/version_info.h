// A file's version resource: the fixed block and eleven strings of its first translation.
#pragma once

#include <windows.h>

#include <string>

struct TVersionInfo {
  // The thirteen words of the platform's VS_FIXEDFILEINFO, in its order.
  DWORD Signature = 0;
  DWORD StrucVersion = 0;
  DWORD FileVersionMS = 0;
  DWORD FileVersionLS = 0;
  DWORD ProductVersionMS = 0;
  DWORD ProductVersionLS = 0;
  DWORD FileFlagsMask = 0;
  DWORD FileFlags = 0;
  DWORD FileOS = 0;
  DWORD FileType = 0;
  DWORD FileSubtype = 0;
  DWORD FileDateMS = 0;
  DWORD FileDateLS = 0;
  std::wstring CompanyName;
  std::wstring FileDescription;
  std::wstring FileVersion;
  std::wstring InternalName;
  std::wstring LegalCopyright;
  std::wstring LegalTrademarks;
  std::wstring OriginalFilename;
  std::wstring ProductName;
  std::wstring ProductVersion;
  std::wstring Comments;
  std::wstring LocalPort;
};

// Overwrites only what the file provides: nothing for a file without a version resource, the
// fixed block alone when there is no translation table, else also every string found under the
// first translation. LocalPort becomes "66500" when the string table lacks it.
void ReadVersionInfo(const std::wstring& fileName, TVersionInfo& info);
