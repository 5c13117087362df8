// Checks of .bmp file bytes before GDI is handed any of them.
#pragma once

#include <cstddef>
#include <cstdint>

// Returns the number of header bytes after the 14-byte file header (info header, masks,
// colour table) when GDI can read the pixel data they describe without running past the
// end of the data, else 0 (not a bitmap, or one whose header fields do not add up).
size_t BmpInfoBytes(const uint8_t* data, size_t size);

// The little-endian 32-bit field at p.
uint32_t BmpReadU32(const uint8_t* p);
