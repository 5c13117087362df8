// A fresh braced class id for a fixture key that no real control uses.
#pragma once
#include <objbase.h>

#include <string>

inline std::wstring NewClsid() {
  GUID guid;
  CoCreateGuid(&guid);
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return text;
}
