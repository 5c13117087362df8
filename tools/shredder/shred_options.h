// What a shred writes: a fill pattern whose characters are used pass after pass, and the number
// of passes. The page's three shred levels, and the pattern and count kept in sfconfig.ini.
#pragma once

#include <string>

struct TSFOption {
  std::wstring FillChars;  // pass k writes character ((k - 1) mod length) of it
  int FillTimes = 1;       // number of passes
};

// The shred levels of the page: 1 quick (one pass), 2 safe (three), 3 thorough (seven).
TSFOption ShredLevelOption(int Level);

// The character pass Pass (from 1) writes; a pattern that is blank after trimming writes '@'.
wchar_t FillCharOfPass(const TSFOption& Option, int Pass);
// The passes a shred makes: at least one, so no file is ever deleted without being overwritten.
int PassCount(const TSFOption& Option);

// sfconfig.ini beside the program, section [Fill Options]: fillchars ("@") and filltimes (1).
std::wstring FillOptionsFile();
void LoadFillOptions(TSFOption& Option);
// Raises EIniFileException when the file cannot be written.
void SaveFillOptions(const TSFOption& Option);
