// Registry editor files (".reg") read whole and checked before the editor is given one: the
// editor imports what it can of a broken or cut-off file, skips the rest and still ends with
// exit code 0.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TRegFile {
  std::wstring Header;             // "Windows Registry Editor Version 5.00" or "REGEDIT4"
  std::wstring Body;               // everything after the header line, as decoded
  std::vector<std::wstring> Keys;  // the keys an import leaves in place, in file order, as named
};

// Decodes Bytes (UTF-16 with its byte order mark, else the ANSI code page) and checks that they
// are one complete file of the editor: the header line, then only blank lines, comments,
// "[key]" and "[-key]" sections below a root the editor knows, and whole value lines ("@" or a
// quoted name, then a quoted string, "-", "dword:" with up to 8 hex digits, or "hex:"/"hex(n):"
// bytes whose continued lines all follow). The file ends with a line break, and a file with
// sections ends with the blank line the editor writes after each: a file cut off at any other
// point is caught. False with Problem ("line 12: ...") when the check fails.
bool ParseRegFile(const std::string& Bytes, TRegFile& File, std::wstring& Problem);

// ParseRegFile of the file's bytes; a file that cannot be read fails with that as Problem.
bool ReadRegFile(const std::wstring& FileName, TRegFile& File, std::wstring& Problem);

// The root a key of such a file begins with and the path below it; false for an unknown root.
bool SplitRegFileKey(const std::wstring& Key, HKEY& Root, std::wstring& Path);

// Writes Text as the editor's own files are written: UTF-16 with its byte order mark.
bool WriteRegFile(const std::wstring& FileName, const std::wstring& Text);
