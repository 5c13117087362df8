#include "registry/scan/protected_keys.h"

#include <cwctype>

#include "base/strings.h"

namespace {

struct TProtectedKey {
  const wchar_t* Path;  // in ProtectedKeyForm
  bool Tree;            // everything below it too
};

const TProtectedKey kProtectedKeys[] = {
    {L"system\\currentcontrolset\\services\\winsock", true},
    {L"system\\currentcontrolset\\services\\winsock2", true},
    {L"software\\microsoft\\windows\\currentversion", false},
    {L"software\\microsoft\\windows\\currentversion\\run", false},
    {L"software\\microsoft\\windows\\currentversion\\runonce", false},
    {L"software\\microsoft\\windows\\currentversion\\policies", false},
    {L"software\\microsoft\\windows nt\\currentversion", false},
    {L"software\\microsoft\\windows nt\\currentversion\\winlogon", false},
    {L"software\\policies", false},
};

bool StartsWith(const std::wstring& text, const std::wstring& start) { return text.compare(0, start.size(), start) == 0; }

// Whether path lies strictly below key.
bool Below(const std::wstring& path, const std::wstring& key) {
  return path.size() > key.size() + 1 && StartsWith(path, key) && path[key.size()] == L'\\';
}

}  // namespace

std::wstring ProtectedKeyForm(HKEY Root, const std::wstring& Path) {
  std::wstring path;
  for (wchar_t c : LowerCase(Trim(Path)))
    if (c != L'\\' || (!path.empty() && path.back() != L'\\')) path += c;
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  // HKEY_USERS\<user>\Software\... is that user's HKEY_CURRENT_USER\Software\...
  if (Root == HKEY_USERS) {
    const size_t slash = path.find(L'\\');
    path = slash == std::wstring::npos ? std::wstring() : path.substr(slash + 1);
  }
  // SYSTEM\ControlSet001 and its siblings are what CurrentControlSet shows.
  const std::wstring controlSet = L"system\\controlset";
  if (StartsWith(path, controlSet) && path.size() >= controlSet.size() + 3) {
    size_t digits = controlSet.size();
    while (digits < path.size() && iswdigit(path[digits])) ++digits;
    if (digits > controlSet.size() && (digits == path.size() || path[digits] == L'\\'))
      path = L"system\\currentcontrolset" + path.substr(digits);
  }
  const std::wstring wow = L"software\\wow6432node";
  if (path == wow || StartsWith(path, wow + L"\\")) path = L"software" + path.substr(wow.size());
  return path;
}

bool DeletesProtectedKey(HKEY Root, const std::wstring& Path) {
  const std::wstring key = ProtectedKeyForm(Root, Path);
  // The root itself, or a user's whole branch.
  if (key.empty()) return true;
  for (const TProtectedKey& p : kProtectedKeys) {
    const std::wstring protectedKey = p.Path;
    if (key == protectedKey || Below(protectedKey, key) || (p.Tree && Below(key, protectedKey))) return true;
  }
  return false;
}

bool TouchesProtectedKey(const TRegItem& Item) {
  if (Item.Action == 0 || Item.Action == 1)
    return DeletesProtectedKey(Item.RootKey, Item.Action == 0 ? Item.BaseKey : Item.KeyPath);
  const std::wstring key = ProtectedKeyForm(Item.RootKey, Item.KeyPath);
  for (const TProtectedKey& p : kProtectedKeys)
    if (p.Tree && (key == p.Path || Below(key, p.Path))) return true;
  return false;
}
