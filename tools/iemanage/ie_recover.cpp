#include "tools/iemanage/ie_recover.h"

#include "base/exception.h"
#include "base/registry_key.h"
#include "base/strings.h"

namespace {

// The current value of the item's setting, read-only (reading needs no write access).
void ReadCurrent(TIERecoverItem& item) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(item.RootKey);
  if (item.Kind == TIESettingKind::String) {
    item.CurrentStr.clear();
    if (reg.OpenKeyReadOnly(item.SubKey)) item.CurrentStr = ReadTextOrEmpty(reg, item.ValueName);
    item.NeedsRepair = StringSettingDiffers(item.CurrentStr, item.DefaultStr);
  } else {
    item.CurrentDword = 0;
    if (reg.OpenKeyReadOnly(item.SubKey) && reg.ValueExists(item.ValueName)) {
      try {
        item.CurrentDword = static_cast<DWORD>(reg.ReadInteger(item.ValueName));
      } catch (const ERegistryException&) {
        // Not a 4-byte number: the browser does not take it as set either.
      }
    }
    item.NeedsRepair = item.CurrentDword != item.DefaultDword;
  }
}

// What both kinds of table row give an item, before its default and current value.
template <typename TRow>
TIERecoverItem ItemOfRow(const TRow& row, TIESettingKind kind) {
  TIERecoverItem item;
  item.Name = row.Name;
  item.RootKey = row.RootKey;
  item.SubKey = row.SubKey;
  item.ValueName = row.ValueName;
  item.Kind = kind;
  item.Category = row.Category;
  return item;
}

}  // namespace

bool StringSettingDiffers(const std::wstring& current, const std::wstring& defaultValue) {
  return LowerCase(Trim(current)) != LowerCase(Trim(defaultValue));
}

TIERecoverItem ReadStringSetting(const TStrRecoverItem& row) {
  TIERecoverItem item = ItemOfRow(row, TIESettingKind::String);
  item.DefaultStr = row.DefaultValue;
  ReadCurrent(item);
  return item;
}

TIERecoverItem ReadRestriction(const TDWORDRecoverItem& row) {
  TIERecoverItem item = ItemOfRow(row, TIESettingKind::Number);
  item.DefaultDword = row.DefaultValue;
  ReadCurrent(item);
  return item;
}

std::vector<TIERecoverItem> ScanIERecoverItems() {
  std::vector<TIERecoverItem> items;
  items.reserve(IEStringDefaults.size() + IERestrictionDefaults.size());
  for (const TStrRecoverItem& row : IEStringDefaults) items.push_back(ReadStringSetting(row));
  for (const TDWORDRecoverItem& row : IERestrictionDefaults) items.push_back(ReadRestriction(row));
  return items;
}

bool RestoreIERecoverItem(TIERecoverItem& item) {
  {
    TRegistry reg;
    reg.SetRootKey(item.RootKey);
    if (reg.OpenKey(item.SubKey, true)) {
      if (reg.ValueExists(item.ValueName)) reg.DeleteValue(item.ValueName);
      try {
        if (item.Kind == TIESettingKind::String)
          reg.WriteString(item.ValueName, item.DefaultStr);
        else
          reg.WriteInteger(item.ValueName, static_cast<int>(item.DefaultDword));
      } catch (const ERegistryException&) {
        // Read back below: the setting keeps needing repair.
      }
    }
  }
  ReadCurrent(item);
  return !item.NeedsRepair;
}
