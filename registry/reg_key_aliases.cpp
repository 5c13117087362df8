#include "registry/reg_key_aliases.h"

#include <utility>
#include <vector>

#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/reg_names.h"

namespace {

std::wstring RootShortName(HKEY root) {
  switch (RootKeyValue(root)) {
    case 0x80000000: return L"hkcr";
    case 0x80000001: return L"hkcu";
    case 0x80000002: return L"hklm";
    case 0x80000003: return L"hku";
    case 0x80000005: return L"hkcc";
  }
  return L"?" + IntToStr(static_cast<int>(RootKeyValue(root)));
}

// Replaces `from` by `to` when the name is `from` or lies below it.
bool ReplacePrefix(std::wstring& name, const std::wstring& from, const std::wstring& to) {
  if (name.compare(0, from.size(), from) != 0 || (name.size() > from.size() && name[from.size()] != L'\\'))
    return false;
  name = to + name.substr(from.size());
  return true;
}

int ReadMachineNumber(const wchar_t* key, const wchar_t* value) {
  DWORD number = 0, size = sizeof(number);
  return RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_DWORD, nullptr, &number, &size) == ERROR_SUCCESS
             ? static_cast<int>(number)
             : 0;
}

}  // namespace

std::wstring ComparableRegKeyPath(const std::wstring& path) {
  std::wstring result;
  for (wchar_t c : LowerCase(Trim(path)))
    if (c != L'\\' || (!result.empty() && result.back() != L'\\')) result += c;
  if (!result.empty() && result.back() == L'\\') result.pop_back();
  return Trim(result);
}

const TRegKeyAliases& ThisMachineRegKeyAliases() {
  static const TRegKeyAliases aliases = [] {
    TRegKeyAliases a;
    const std::wstring users = L"\\registry\\user\\";
    const std::wstring user = CurrentUserKeyName();
    if (LowerCase(user).compare(0, users.size(), users) == 0) a.UserSid = user.substr(users.size());
    a.ControlSet = ReadMachineNumber(L"SYSTEM\\Select", L"Current");
    a.HardwareProfile = ReadMachineNumber(L"SYSTEM\\CurrentControlSet\\Control\\IDConfigDB", L"CurrentConfig");
    return a;
  }();
  return aliases;
}

std::wstring CanonicalRegKeyName(HKEY root, const std::wstring& path, const TRegKeyAliases& aliases) {
  const std::wstring below = ComparableRegKeyPath(path);
  std::wstring name = RootShortName(root) + (below.empty() ? L"" : L"\\" + below);
  const std::wstring currentSet = L"hklm\\system\\currentcontrolset";
  const std::wstring profiles = L"\\hardware profiles\\";
  std::vector<std::pair<std::wstring, std::wstring>> names = {
      {L"hklm\\software\\classes", L"hkcr"},
      {L"hkcu\\software\\classes", L"hkcr"},
      {L"hkcc", currentSet + profiles + L"current"},
  };
  if (!aliases.UserSid.empty()) {
    const std::wstring sid = L"hku\\" + LowerCase(aliases.UserSid);
    names.push_back({sid + L"_classes", L"hkcr"});
    names.push_back({sid, L"hkcu"});
  }
  if (aliases.ControlSet > 0)
    names.push_back({Format(L"hklm\\system\\controlset%.3d", aliases.ControlSet), currentSet});
  if (aliases.HardwareProfile > 0)
    names.push_back({currentSet + profiles + Format(L"%.4d", aliases.HardwareProfile), currentSet + profiles + L"current"});
  // Each replacement may make another apply (HKEY_USERS\<SID>\Software\Classes: the user's key,
  // then the classes); every one makes the name start differently, so this ends.
  for (bool changed = true; changed;) {
    changed = false;
    for (const auto& alias : names) changed = ReplacePrefix(name, alias.first, alias.second) || changed;
  }
  return name;
}
