// Typed registry values addressed by one value path: the key path, a backslash and the value
// name (Key\ValueName). An empty value name (the path ends with a backslash) is the key's
// default value; a path without a backslash addresses nothing. Failures are results: nothing
// throws, text results are empty and DWORD results 0 after a failure.
//
// Data of the string types moves as 8-bit text in the system code page, as the fix definitions
// and data files that feed these functions are written: a string is stored with one zero byte
// after it, a multi-string (items separated by zero characters) with two. Key and value names
// stay UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// 1-based position of the last `ch` in `text`; 0 when absent.
int LastCharPos(wchar_t ch, const std::wstring& text);

// A value's address: the key path below the root and the value name ("" is the key's default
// value). Made from one value path (Key\ValueName) it splits at the last backslash, and a path
// without one addresses nothing; made from its two parts, the name is taken whole, backslashes
// and all.
struct TRegValuePath {
  TRegValuePath(const std::wstring& valuePath);
  TRegValuePath(const wchar_t* valuePath) : TRegValuePath(std::wstring(valuePath)) {}
  TRegValuePath(std::wstring keyPath, std::wstring valueName)
      : Key(std::move(keyPath)), Name(std::move(valueName)), Valid(true) {}
  std::wstring Key;
  std::wstring Name;
  bool Valid = false;
};

// Replaces the first %NAME% reference of `path` by the variable's value (empty when unset).
// False, with `expanded` untouched, when the path has no pair of '%'.
bool ExpandFirstEnvVar(const std::wstring& path, std::wstring& expanded);

// Creates the key when needed and stores `size` bytes of `data` with the given type. For the
// string types the bytes are 8-bit text. Every writer here stores in the key named only: a
// registry link along the path, or the key being one, refuses the write (see
// CreateRegKeyWithoutLinks).
bool RawRegWriteValue(HKEY root, const TRegValuePath& valuePath, DWORD type, const void* data, DWORD size);
// The stored bytes, when the stored type equals `type` (8-bit text for the string types).
bool RawRegReadValue(HKEY root, const TRegValuePath& valuePath, DWORD type, std::vector<BYTE>& data);

bool RawRegSetSz(HKEY root, const TRegValuePath& valuePath, const std::wstring& text);
bool RawRegSetMultiSz(HKEY root, const TRegValuePath& valuePath, const std::wstring& text);
bool RawRegSetExpandSz(HKEY root, const TRegValuePath& valuePath, const std::wstring& text);  // not expanded
bool RawRegSetDword(HKEY root, const TRegValuePath& valuePath, DWORD value);

// The stored text less its terminating zero (a last character that is not zero is kept).
bool RawRegGetSz(HKEY root, const TRegValuePath& valuePath, std::wstring& text);
// Items separated by zero characters and followed by one.
bool RawRegGetMultiSz(HKEY root, const TRegValuePath& valuePath, std::wstring& text);
bool RawRegGetExpandSz(HKEY root, const TRegValuePath& valuePath, std::wstring& text);  // not expanded
// Needs a 4-byte REG_DWORD.
bool RawRegGetDword(HKEY root, const TRegValuePath& valuePath, DWORD& value);
bool RawRegGetBinary(HKEY root, const TRegValuePath& valuePath, std::vector<BYTE>& bytes);

// Whether the whole key path opens for reading.
bool RawRegKeyExists(HKEY root, const std::wstring& keyPath);
// Deletes the key the path names (below the root itself for a path without a backslash), not
// when it still has subkeys, and never through a registry link: a link key is deleted itself. A
// path that names no key deletes nothing.
bool RawRegDeleteKey(HKEY root, const std::wstring& keyPath);
