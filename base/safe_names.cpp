#include "base/safe_names.h"

#include "base/strings.h"

namespace {

bool IsDeviceName(const std::wstring& name) {
  // The platform opens a device for these names whatever extension follows.
  std::wstring stem = UpperCase(Trim(name.substr(0, name.find(L'.'))));
  static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
  for (const wchar_t* device : kDevices)
    if (stem == device) return true;
  // The platform counts the superscript digits one to three as port numbers too (COM\u00B9).
  const bool portNumber = stem.size() == 4 && ((stem[3] >= L'0' && stem[3] <= L'9') || stem[3] == L'\u00B9' ||
                                               stem[3] == L'\u00B2' || stem[3] == L'\u00B3');
  return portNumber && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0);
}

}  // namespace

bool IsSafeFileName(const std::wstring& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  if (name.back() == L'.' || name.back() == L' ') return false;
  for (wchar_t c : name)
    if (c < 0x20 || c == 0x7F || std::wstring(L":<>\"|?*/\\").find(c) != std::wstring::npos) return false;
  return !IsDeviceName(name);
}

bool IsSafeRelativePath(const std::wstring& path) {
  if (path.empty()) return false;
  size_t start = 0;
  for (;;) {
    size_t end = path.find_first_of(L"/\\", start);
    if (!IsSafeFileName(path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start))) return false;
    if (end == std::wstring::npos) return true;
    start = end + 1;
  }
}

std::wstring ToWindowsPath(const std::wstring& path) {
  std::wstring result = path;
  for (wchar_t& c : result)
    if (c == L'/') c = L'\\';
  return result;
}
