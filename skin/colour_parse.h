// Colour text of the skin INI: red, green and blue as decimal numbers. Portable.
#pragma once

#include <cstdint>
#include <string>

// Returns the colour as 0x00BBGGRR. Every run of digits followed by another character is the
// next number; a run at the very end counts only as the third number. Any other character
// just separates numbers; missing numbers are 0, each is taken modulo 256, and numbers after
// the third are ignored. A text without digits gives black.
int32_t ParseColour(const std::string& text);
