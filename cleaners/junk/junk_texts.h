// Texts of the junk cleaner's views that need no window: sizes, wrapped paths, totals.
#pragma once

#include <cstdint>
#include <string>

// "1.5 GB", "1.0 MB" or "0.5 KB": one decimal in the largest unit that holds at least one whole.
std::wstring FormatByteSize(int64_t Bytes);
// Text with a CR LF inserted before every character whose position (from 1) is a multiple of
// Width; Text unchanged when Width is not positive.
std::wstring WrapPathText(const std::wstring& Text, int Width);
// FormatByteSize of the summed sizes of WasteFiles.
std::wstring TotalWasteSize();
// Index in DiskDrivers of the n-th (from 0) selected drive; 0 when there is none.
int SelectedDriveIndex(int n);
