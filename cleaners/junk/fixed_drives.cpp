#include "cleaners/junk/fixed_drives.h"

#include <windows.h>

#include "base/strings.h"
#include "cleaners/junk/waste_lists.h"

void LoadFixedDrives() {
  ClearDiskDrivers();
  const DWORD mask = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if (!(mask & (1u << bit))) continue;
    const wchar_t letter = wchar_t(L'A' + bit);
    const std::wstring root = std::wstring(1, letter) + L":\\";
    if (GetDriveTypeW(root.c_str()) != DRIVE_FIXED) continue;
    auto drive = std::make_unique<TDiskDriver>();
    drive->Letter = letter;
    drive->Root = root;
    const std::wstring suffix = std::wstring(L" (") + letter + L":)";
    drive->Caption = L"本地磁盘" + suffix;
    wchar_t label[256] = {};
    wchar_t fileSystem[101] = {};
    if (GetVolumeInformationW(root.c_str(), label, 255, nullptr, nullptr, nullptr, fileSystem, 100)) {
      const std::wstring trimmed = Trim(label);
      if (!trimmed.empty()) drive->Caption = trimmed + suffix;
    }
    ULARGE_INTEGER available, total;
    if (GetDiskFreeSpaceExW(root.c_str(), &available, &total, nullptr)) {
      drive->FreeBytes = int64_t(available.QuadPart);
      drive->TotalBytes = int64_t(total.QuadPart);
    }
    DiskDrivers.push_back(std::move(drive));
  }
}
