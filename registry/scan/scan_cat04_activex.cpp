// Category 4: class, type library and interface registrations that point to missing type
// libraries or server files, and empty HELPDIR keys.
#include "base/registry_key.h"
#include "registry/reg_read.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"

namespace {

const wchar_t kHkcrName[] = L"HKEY_CLASSES_ROOT";
const wchar_t kHkcuName[] = L"HKEY_CURRENT_USER";
// Every record of this category carries this text as its second result line.
const wchar_t kActiveXValueData[] = L"The key HELPDIR under";

// Reads the default value of Root\Path into Data; false when the key does not open.
bool ReadDefaultValue(HKEY Root, const std::wstring& Path, std::wstring& Data) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  if (!reg.OpenKeyReadOnly(Path)) return false;
  Data = reg.ReadString(L"");
  return true;
}

bool KeyOpens(HKEY Root, const std::wstring& Path) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  return reg.OpenKeyReadOnly(Path);
}

// An empty identifier names the TypeLib key itself, which is there.
bool TypeLibMissing(const std::wstring& TypeLib) {
  if (TypeLib.empty()) return false;
  return !KeyOpens(HKEY_CLASSES_ROOT, L"\\TypeLib\\" + TypeLib) &&
         !KeyOpens(HKEY_CURRENT_USER, L"\\Software\\Classes\\TypeLib\\" + TypeLib);
}

class TActiveXScan {
 public:
  TActiveXScan(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress)
      : engine_(Engine), onProgress_(OnProgress) {}

  // Walks A and B: the classes below ClassesPath (which ends with "CLSID\"), their TypeLib and
  // InprocServer32 keys. The progress text names the class key, or for B its TypeLib key.
  bool WalkClasses(HKEY Root, const wchar_t* RootName, const std::wstring& ClassesPath, bool ReportTypeLibKey) {
    for (const std::wstring& cls : ListRegSubKeys(Root, ClassesPath)) {
      const std::wstring classKey = ClassesPath + cls;
      std::wstring report = std::wstring(RootName) + classKey;
      if (ReportTypeLibKey) report += L"\\TypeLib";
      if (!engine_.NextEntry(onProgress_, report)) return false;
      std::wstring typeLib;
      if (ReadDefaultValue(Root, classKey + L"\\TypeLib", typeLib) && TypeLibMissing(typeLib)) {
        Add(Root, RootName, classKey, classKey + L"\\TypeLib", L"Missing TYPELIB:" + typeLib,
            L"The " + std::wstring(RootName) + classKey + L" TypeLib key points to the missing Type Library");
      }
      std::wstring server;
      if (ReadDefaultValue(Root, classKey + L"\\InprocServer32", server) &&
          !ComServerFileExists(server, engine_.FileAnswers())) {
        Add(Root, RootName, classKey, classKey + L"\\InprocServer32", L"Missing or Bad / File",
            L"The InprocServer32 points to the missing program " + server + L" in the " +
                std::wstring(RootName) + ClassesPath);
      }
    }
    return true;
  }

  // Walks C and D: the versions of each type library below TypeLibsPath (ending with
  // "TypeLib\") whose HELPDIR key has an empty default value.
  bool WalkTypeLibs(HKEY Root, const wchar_t* RootName, const std::wstring& TypeLibsPath) {
    for (const std::wstring& lib : ListRegSubKeys(Root, TypeLibsPath)) {
      const std::wstring libKey = TypeLibsPath + lib;
      if (!engine_.NextEntry(onProgress_, std::wstring(RootName) + libKey + L"\\HELPDIR")) return false;
      for (const std::wstring& version : ListRegSubKeys(Root, libKey)) {
        const std::wstring helpDir = libKey + L"\\" + version + L"\\HELPDIR";
        std::wstring data;
        if (ReadDefaultValue(Root, helpDir, data) && data.empty()) {
          Add(Root, RootName, libKey, helpDir, L"Empty Key:" + lib,
              L"The Key HELPDIR under " + std::wstring(RootName) + helpDir + L" is empty");
        }
      }
    }
    return true;
  }

  // Walks E and F: interfaces below InterfacesPath (ending with "Interface\") whose TypeLib key
  // names a missing type library.
  bool WalkInterfaces(HKEY Root, const wchar_t* RootName, const std::wstring& InterfacesPath) {
    for (const std::wstring& iface : ListRegSubKeys(Root, InterfacesPath)) {
      const std::wstring ifaceKey = InterfacesPath + iface;
      if (!engine_.NextEntry(onProgress_, std::wstring(RootName) + iface)) return false;
      std::wstring typeLib;
      if (ReadDefaultValue(Root, ifaceKey + L"\\TypeLib", typeLib) && TypeLibMissing(typeLib)) {
        Add(Root, RootName, ifaceKey, ifaceKey + L"\\TypeLib", L"Missing TYPELIB:" + typeLib,
            L"The key points to the missing Type Library, It can be deleted");
      }
    }
    return true;
  }

 private:
  void Add(HKEY Root, const wchar_t* RootName, const std::wstring& BaseKey, const std::wstring& KeyPath,
           const std::wstring& ProblemType, const std::wstring& Description) {
    engine_.AddRegItem(MakeRegItem(Root, RootName, BaseKey, KeyPath, kDefaultValueLabel, kActiveXValueData, ProblemType,
                                   Description, 4, 1),
                       onProgress_);
  }

  TRegScanEngine& engine_;
  const TScanProgressEvent& onProgress_;
};

}  // namespace

void ScanActiveX(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ReportScanProgress(OnProgress, 0, L"HKEY_CLASSES_ROOT\\CLSID");
  TActiveXScan scan(Engine, OnProgress);
  if (!scan.WalkClasses(HKEY_CLASSES_ROOT, kHkcrName, L"\\CLSID\\", false)) return;
  if (!scan.WalkClasses(HKEY_CURRENT_USER, kHkcuName, L"\\Software\\Classes\\CLSID\\", true)) return;
  if (!scan.WalkTypeLibs(HKEY_CLASSES_ROOT, kHkcrName, L"\\TypeLib\\")) return;
  if (!scan.WalkTypeLibs(HKEY_CURRENT_USER, kHkcuName, L"\\Software\\Classes\\TypeLib\\")) return;
  if (!scan.WalkInterfaces(HKEY_CLASSES_ROOT, kHkcrName, L"\\Interface\\")) return;
  scan.WalkInterfaces(HKEY_CURRENT_USER, kHkcuName, L"\\Software\\Classes\\Interface\\");
}
