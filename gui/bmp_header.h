// Checks of .bmp file bytes before GDI is handed any of them, and the header of the 32-bit
// surfaces the framework draws into.
#pragma once

#include <cstddef>
#include <cstdint>

#include <windows.h>

// Returns the number of header bytes after the 14-byte file header (info header, masks,
// colour table) when GDI can read the pixel data they describe without running past the
// end of the data, else 0 (not a bitmap, or one whose header fields do not add up).
size_t BmpInfoBytes(const uint8_t* data, size_t size);

// The little-endian 32-bit field at p.
uint32_t BmpReadU32(const uint8_t* p);

// The header of a 32-bit top-down DIB of that size (BGRA pixels, top row first).
BITMAPINFO TopDownInfo(int width, int height);
