// Stands in for the program an update names to start: it leaves "started.txt" beside itself
// with the parameters it was given, so the updater's test sees that it ran and how.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR params, int) {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring marker(path, n);
  marker = marker.substr(0, marker.find_last_of(L'\\') + 1) + L"started.txt";
  HANDLE h = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  const std::string text = std::string("started ") + std::string(params, params + wcslen(params));
  DWORD written = 0;
  WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(h);
  return 0;
}
