// The data a repair writes, from its ResetValue text and value type.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// REG_SZ and REG_EXPAND_SZ: the text and one terminating zero character; REG_MULTI_SZ: the text as
// its one string, then the zero that ends it and the one that ends the list. REG_BINARY: the hex
// digits of the text in pairs, first digit high (other characters, such as blanks and commas,
// separate them; a last unpaired digit is left out). REG_DWORD and REG_DWORD_BIG_ENDIAN: a decimal
// or "0x"/"$" hexadecimal number (empty text is 0) in four bytes, least or most significant first.
// Any other type, and a number that cannot be read, is refused: false with the reason in Refusal.
bool ParseResetValue(DWORD ValueType, const std::wstring& Text, std::vector<BYTE>& Data, std::wstring& Refusal);
