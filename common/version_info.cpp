#include "common/version_info.h"

#include <cstring>
#include <vector>

#include "base/strings.h"

void ReadVersionInfo(const std::wstring& fileName, TVersionInfo& info) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
  if (size == 0) return;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(fileName.c_str(), handle, size, block.data())) return;

  void* fixed = nullptr;
  UINT fixedLength = 0;
  if (!VerQueryValueW(block.data(), L"\\", &fixed, &fixedLength) || !fixed ||
      fixedLength < sizeof(VS_FIXEDFILEINFO))
    return;
  VS_FIXEDFILEINFO ffi;
  memcpy(&ffi, fixed, sizeof(ffi));
  info.Signature = ffi.dwSignature;
  info.StrucVersion = ffi.dwStrucVersion;
  info.FileVersionMS = ffi.dwFileVersionMS;
  info.FileVersionLS = ffi.dwFileVersionLS;
  info.ProductVersionMS = ffi.dwProductVersionMS;
  info.ProductVersionLS = ffi.dwProductVersionLS;
  info.FileFlagsMask = ffi.dwFileFlagsMask;
  info.FileFlags = ffi.dwFileFlags;
  info.FileOS = ffi.dwFileOS;
  info.FileType = ffi.dwFileType;
  info.FileSubtype = ffi.dwFileSubtype;
  info.FileDateMS = ffi.dwFileDateMS;
  info.FileDateLS = ffi.dwFileDateLS;

  void* translation = nullptr;
  UINT translationLength = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translation, &translationLength) ||
      !translation || translationLength < 4)
    return;
  WORD language, codePage;
  memcpy(&language, translation, 2);
  memcpy(&codePage, static_cast<BYTE*>(translation) + 2, 2);
  const std::wstring prefix =
      L"\\StringFileInfo\\" + LowerCase(IntToHex(language, 4) + IntToHex(codePage, 4)) + L"\\";

  struct Field {
    const wchar_t* name;
    std::wstring* target;
  } fields[] = {
      {L"CompanyName", &info.CompanyName},       {L"FileDescription", &info.FileDescription},
      {L"FileVersion", &info.FileVersion},       {L"InternalName", &info.InternalName},
      {L"LegalCopyright", &info.LegalCopyright}, {L"LegalTrademarks", &info.LegalTrademarks},
      {L"OriginalFilename", &info.OriginalFilename}, {L"ProductName", &info.ProductName},
      {L"ProductVersion", &info.ProductVersion}, {L"Comments", &info.Comments},
      {L"LocalPort", &info.LocalPort},
  };
  for (const Field& field : fields) {
    void* text = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), (prefix + field.name).c_str(), &text, &length) && text) {
      // The text up to its terminating zero, never past the reported length.
      const wchar_t* chars = static_cast<const wchar_t*>(text);
      size_t n = 0;
      while (n < length && chars[n] != L'\0') ++n;
      field.target->assign(chars, n);
    } else if (field.target == &info.LocalPort) {
      info.LocalPort = L"66500";
    }
  }
}
