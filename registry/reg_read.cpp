#include "registry/reg_read.h"

#include "base/exception.h"
#include "base/registry_key.h"

namespace {

// Key paths are taken below the root, with or without their leading backslash.
std::wstring BelowRoot(const std::wstring& key) { return !key.empty() && key[0] == L'\\' ? key : L"\\" + key; }

}  // namespace

std::wstring ReadRegStringDefault(HKEY Root, const std::wstring& Key, const std::wstring& Name,
                                  const std::wstring& Default) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  if (!reg.OpenKeyReadOnly(BelowRoot(Key)) || !reg.ValueExists(Name)) return Default;
  try {
    return reg.ReadString(Name);
  } catch (const ERegistryException&) {
    return Default;
  }
}

std::vector<std::wstring> ListRegSubKeys(HKEY Root, const std::wstring& Key) {
  std::vector<std::wstring> names;
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  if (reg.OpenKeyReadOnly(BelowRoot(Key))) reg.GetKeyNames(names);
  return names;
}
