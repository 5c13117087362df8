#include "cleaners/fixes/fix_registry.h"

#include "cleaners/fixes/fix_text.h"
#include "registry/reg_raw.h"

namespace {

// What RawRegGetMultiSz gives back after RawRegSetMultiSz stored `text`: the text and one of the
// two zero characters the writer appends (the getter drops the last).
std::wstring MultiSzAsRead(const std::wstring& text) { return text + L'\0'; }

}  // namespace

bool CheckRegLine(const std::wstring& keyPath) {
  const TFixKey key = ParseFixKeyPath(keyPath);
  return !key.Root || !RawRegKeyExists(key.Root, key.SubKey);
}

bool CheckRegLine(const std::wstring& keyPath, const std::wstring& text) {
  const TFixLine line = ParseFixLine(text);
  if (line.Kind != TFixLineKind::Value) return true;
  const TFixKey key = ParseFixKeyPath(keyPath);
  // The name is taken whole: a backslash in it is part of the name, not a subkey.
  const TRegValuePath valuePath(key.SubKey, line.Name);
  std::wstring stored;
  switch (line.ValueKind) {
    case TFixValueKind::Binary: {
      std::vector<BYTE> bytes;
      if (key.Root) RawRegGetBinary(key.Root, valuePath, bytes);
      return bytes == line.Bytes;
    }
    case TFixValueKind::Dword: {
      DWORD number = 0;
      if (key.Root) RawRegGetDword(key.Root, valuePath, number);
      return number == line.Number;
    }
    case TFixValueKind::MultiString:
      if (key.Root) RawRegGetMultiSz(key.Root, valuePath, stored);
      return stored == MultiSzAsRead(line.Text);
    case TFixValueKind::ExpandString:
      if (key.Root) RawRegGetExpandSz(key.Root, valuePath, stored);
      return stored == line.Text;
    case TFixValueKind::String:
      if (key.Root) RawRegGetSz(key.Root, valuePath, stored);
      return stored == line.Text;
  }
  return true;
}

bool ApplyRegLine(const std::wstring& keyPath) {
  const TFixKey key = ParseFixKeyPath(keyPath);
  if (!key.Root) return true;  // nothing below an unknown root can exist
  RawRegDeleteKey(key.Root, key.SubKey);
  return !RawRegKeyExists(key.Root, key.SubKey);
}

bool ApplyRegLine(const std::wstring& keyPath, const std::wstring& text) {
  const TFixLine line = ParseFixLine(text);
  if (line.Kind != TFixLineKind::Value) return true;
  const TFixKey key = ParseFixKeyPath(keyPath);
  if (!key.Root) return false;
  // The name is taken whole: a backslash in it is part of the name, not a subkey.
  const TRegValuePath valuePath(key.SubKey, line.Name);
  switch (line.ValueKind) {
    case TFixValueKind::Binary:
      return RawRegWriteValue(key.Root, valuePath, REG_BINARY, line.Bytes.data(),
                              static_cast<DWORD>(line.Bytes.size()));
    case TFixValueKind::Dword:
      return RawRegSetDword(key.Root, valuePath, line.Number);
    case TFixValueKind::MultiString:
      return RawRegSetMultiSz(key.Root, valuePath, line.Text);
    case TFixValueKind::ExpandString:
      return RawRegSetExpandSz(key.Root, valuePath, line.Text);
    case TFixValueKind::String:
      return RawRegSetSz(key.Root, valuePath, line.Text);
  }
  return false;
}
