// The browser settings under check: what each holds now beside its default, and writing the
// default back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/iemanage/ie_defaults.h"

enum class TIESettingKind : uint8_t {
  String = 0,  // a string setting of IEStringDefaults
  Number = 1,  // a restriction of IERestrictionDefaults
};

struct TIERecoverItem {
  std::wstring Name;
  HKEY RootKey = nullptr;
  std::wstring SubKey;
  std::wstring ValueName;
  TIESettingKind Kind = TIESettingKind::String;
  std::wstring CurrentStr;
  std::wstring DefaultStr;
  DWORD CurrentDword = 0;
  DWORD DefaultDword = 0;
  bool NeedsRepair = false;
  int Category = 0;
};

// A string setting differs from its default when the two differ after trimming, in any letter
// case: a hijacker writes another address, not the same one in capitals.
bool StringSettingDiffers(const std::wstring& current, const std::wstring& defaultValue);

// One row of a table with its current value read. A missing key or value, or one of another
// type, reads as the empty text or 0.
TIERecoverItem ReadStringSetting(const TStrRecoverItem& row);
TIERecoverItem ReadRestriction(const TDWORDRecoverItem& row);

// Every string setting, then every restriction, each in table order.
std::vector<TIERecoverItem> ScanIERecoverItems();

// Writes the default back (REG_SZ as it stands, references not expanded, or REG_DWORD), removing
// the old value first so that a value of another type goes too; the key is made when missing.
// The value is then read again: true when it now holds the default.
bool RestoreIERecoverItem(TIERecoverItem& item);
