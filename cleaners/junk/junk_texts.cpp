#include "cleaners/junk/junk_texts.h"

#include "base/strings.h"
#include "cleaners/junk/waste_lists.h"

std::wstring FormatByteSize(int64_t Bytes) {
  constexpr int64_t kGiB = int64_t(1) << 30;
  constexpr int64_t kMiB = int64_t(1) << 20;
  if (Bytes / kGiB > 0) return Trim(Format(L"%.1f", double(Bytes) / double(kGiB))) + L" GB";
  if (Bytes / kMiB > 0) return Format(L"%.1f", double(Bytes) / double(kMiB)) + L" MB";
  return Format(L"%.1f", double(Bytes) / 1024.0) + L" KB";
}

std::wstring WrapPathText(const std::wstring& Text, int Width) {
  if (Width <= 0) return Text;
  std::wstring wrapped;
  wrapped.reserve(Text.size() + 2 * (Text.size() / size_t(Width) + 1));
  for (size_t i = 0; i < Text.size(); ++i) {
    if ((i + 1) % size_t(Width) == 0) wrapped += L"\r\n";
    wrapped += Text[i];
  }
  return wrapped;
}

std::wstring TotalWasteSize() {
  int64_t total = 0;
  for (const auto& file : WasteFiles) total += file->Size;
  return FormatByteSize(total);
}

int SelectedDriveIndex(int n) {
  for (size_t i = 0; i < DiskDrivers.size(); ++i) {
    if (DiskDrivers[i]->Selected && n-- == 0) return int(i);
  }
  return 0;
}
