#include "tools/iemanage/ie_addons.h"

#include "base/files.h"
#include "base/registry_key.h"
#include "registry/reg_read.h"

namespace {

const wchar_t kClasses[] = L"\\SOFTWARE\\Classes\\CLSID\\";
const wchar_t kHelperObjects[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects";
const wchar_t kToolbars[] = L"\\SOFTWARE\\Microsoft\\Internet Explorer\\Toolbar";
const wchar_t kExplorerBars[] = L"\\SOFTWARE\\Microsoft\\Windows\\Internet Explorer\\Explorer Bars";
const wchar_t kExtensions[] = L"\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";

// What the machine's class registration says about an add-on's class.
struct TAddonClass {
  std::wstring Name;
  std::wstring FileName;
};

// The unnamed value of a key of the machine's classes; false when the key does not open.
bool ReadClassText(const std::wstring& path, std::wstring& text) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!reg.OpenKeyReadOnly(path)) return false;
  text = ReadTextOrEmpty(reg, L"");
  return true;
}

// The class's name and its in-process server file (references expanded, as long as they come
// out); false when the class has no InprocServer32 key.
bool FindInprocClass(const std::wstring& clsid, TAddonClass& cls) {
  if (clsid.empty()) return false;
  const std::wstring classKey = kClasses + clsid;
  std::wstring server;
  if (!ReadClassText(classKey + L"\\InprocServer32", server)) return false;
  ReadClassText(classKey, cls.Name);
  cls.FileName = ExpandEnvironmentText(server);
  return true;
}

TIEBHOItem ClassAddon(const TAddonClass& cls, const wchar_t* typeLabel, HKEY root, const std::wstring& keyPath,
                      const std::wstring& valueName = std::wstring()) {
  TIEBHOItem item;
  item.Name = cls.Name;
  item.FileName = cls.FileName;
  item.TypeLabel = typeLabel;
  if (!item.FileName.empty()) ReadVersionInfo(item.FileName, item.VersionInfo);
  item.RootKey = root;
  item.KeyPath = keyPath;
  item.ValueName = valueName;
  return item;
}

void AddHelperObjects(std::vector<TIEBHOItem>& items) {
  TAddonClass cls;
  for (const std::wstring& clsid : ListRegSubKeys(HKEY_LOCAL_MACHINE, kHelperObjects))
    if (FindInprocClass(clsid, cls))
      items.push_back(ClassAddon(cls, L"浏览器辅助BHO", HKEY_LOCAL_MACHINE, kHelperObjects + (L"\\" + clsid)));
}

void AddToolbars(std::vector<TIEBHOItem>& items) {
  std::vector<std::wstring> names;
  {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    if (reg.OpenKeyReadOnly(kToolbars)) reg.GetValueNames(names);
  }
  TAddonClass cls;
  for (const std::wstring& clsid : names)
    if (FindInprocClass(clsid, cls))
      items.push_back(ClassAddon(cls, L"工具栏", HKEY_LOCAL_MACHINE, kToolbars, clsid));
}

// The machine's and the user's explorer bars carry one label: the user sees one kind of add-on.
void AddExplorerBars(std::vector<TIEBHOItem>& items, HKEY root) {
  TAddonClass cls;
  for (const std::wstring& clsid : ListRegSubKeys(root, kExplorerBars))
    if (FindInprocClass(clsid, cls))
      items.push_back(ClassAddon(cls, L"浏览器栏", root, kExplorerBars + (L"\\" + clsid)));
}

void AddExtensions(std::vector<TIEBHOItem>& items) {
  for (const std::wstring& name : ListRegSubKeys(HKEY_LOCAL_MACHINE, kExtensions)) {
    TIEBHOItem item;
    item.TypeLabel = L"浏览器扩展";
    item.RootKey = HKEY_LOCAL_MACHINE;
    item.KeyPath = kExtensions + (L"\\" + name);
    std::wstring clsid;
    {
      TRegistry reg(KEY_READ);
      reg.SetRootKey(HKEY_LOCAL_MACHINE);
      if (!reg.OpenKeyReadOnly(item.KeyPath) || !reg.ValueExists(L"CLSID")) continue;
      item.Name = ReadTextOrEmpty(reg, L"ButtonText");
      if (reg.ValueExists(L"Exec")) {
        // A command the button runs: shown as it stands, no file to read a version from.
        item.FileName = ReadTextOrEmpty(reg, L"Exec");
        items.push_back(item);
        continue;
      }
      clsid = ReadTextOrEmpty(reg, reg.ValueExists(L"BandCLSID") ? L"BandCLSID" : L"CLSID");
    }
    std::wstring server;
    if (!clsid.empty() && ReadClassText(kClasses + clsid + L"\\InprocServer32", server)) {
      item.FileName = ExpandEnvironmentText(server);
      if (!item.FileName.empty()) ReadVersionInfo(item.FileName, item.VersionInfo);
    }
    items.push_back(item);
  }
}

}  // namespace

std::vector<TIEBHOItem> ScanIEAddons() {
  std::vector<TIEBHOItem> items;
  AddHelperObjects(items);
  AddToolbars(items);
  AddExplorerBars(items, HKEY_LOCAL_MACHINE);
  AddExplorerBars(items, HKEY_CURRENT_USER);
  AddExtensions(items);
  return items;
}

bool RemoveIEAddon(const TIEBHOItem& item) {
  TRegistry reg;
  reg.SetRootKey(item.RootKey);
  if (item.ValueName.empty()) {
    reg.DeleteKey(item.KeyPath);
    return !reg.KeyExists(item.KeyPath);
  }
  if (!reg.OpenKey(item.KeyPath, false)) return !reg.KeyExists(item.KeyPath);
  reg.DeleteValue(item.ValueName);
  return !reg.ValueExists(item.ValueName);
}
