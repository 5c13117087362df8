// Registry editor files (".reg") read whole and checked before the editor is given one: the
// editor imports what it can of a broken or cut-off file, skips the rest and still ends with
// exit code 0.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A value as the registry holds it after the editor wrote it.
struct TRegFileValue {
  std::wstring Name;  // "" for the default value ("@")
  DWORD Type = REG_NONE;
  std::string Data;  // the bytes written: a text with its terminating NUL, a dword in 4 bytes
};

// A key an import leaves in place, with the values of the file it holds afterwards.
struct TRegFileKey {
  std::wstring Name;                  // as the file names it
  std::vector<TRegFileValue> Values;  // a value written twice is there once, as last written
};

struct TRegFile {
  std::wstring Header;            // "Windows Registry Editor Version 5.00" or "REGEDIT4"
  std::wstring Body;              // everything after the header line, as decoded
  std::vector<TRegFileKey> Keys;  // the keys an import leaves in place, in file order
};

// Decodes Bytes (UTF-16 with its byte order mark, else the ANSI code page) and checks that they
// are one complete file of the editor: the header line, then only blank lines, comments,
// "[key]" and "[-key]" sections below a root the editor knows, and whole value lines ("@" or a
// quoted name, then a quoted string, "-", "dword:" with up to 8 hex digits, or "hex:"/"hex(n):"
// bytes whose continued lines all follow). The file ends with a line break, and a file with
// sections ends with the blank line the editor writes after each: a file cut off at any other
// point is caught. What the editor would skip or misread without a word is refused too: a
// control character other than tab in a value line (or an escaped NUL in a text), bytes
// continued onto an empty line, and a carriage return that ends no line.
// File.Keys is what the sections, applied in order, leave: a "[-key]" section takes the keys
// earlier sections wrote at and below it, a "-" value takes that value.
// False with Problem ("line 12: ...") when the check fails.
bool ParseRegFile(const std::string& Bytes, TRegFile& File, std::wstring& Problem);

// The whole content of a file; false with Problem when it cannot be opened or read.
bool ReadFileBytes(const std::wstring& FileName, std::string& Bytes, std::wstring& Problem);

// ParseRegFile of the file's bytes; a file that cannot be read fails with that as Problem.
bool ReadRegFile(const std::wstring& FileName, TRegFile& File, std::wstring& Problem);

// The root a key of such a file begins with and the path below it; false for an unknown root.
bool SplitRegFileKey(const std::wstring& Key, HKEY& Root, std::wstring& Path);

// Writes Text as the editor's own files are written: UTF-16 with its byte order mark.
bool WriteRegFile(const std::wstring& FileName, const std::wstring& Text);
