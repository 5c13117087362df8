// What the browser's settings and restrictions hold on a machine nobody has tampered with.
#pragma once

#include <windows.h>

#include <array>

// A browser string setting and the text it should hold. An empty value name is the key's
// unnamed value.
struct TStrRecoverItem {
  const wchar_t* Name;
  HKEY RootKey;
  const wchar_t* SubKey;
  const wchar_t* ValueName;
  const wchar_t* DefaultValue;
  int Category;
};

// A browser policy restriction and the number it should hold.
struct TDWORDRecoverItem {
  const wchar_t* Name;
  HKEY RootKey;
  const wchar_t* SubKey;
  const wchar_t* ValueName;
  DWORD DefaultValue;
  int Category;
};

// Start and search pages, error pages and window titles (category 1).
extern const std::array<TStrRecoverItem, 24> IEStringDefaults;
// Locked tabs, menus and settings of the browser (category 2); none is set on a clean machine.
extern const std::array<TDWORDRecoverItem, 44> IERestrictionDefaults;
