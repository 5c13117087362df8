// Category 13, "File Associations": class and extension keys with empty ShellNew keys, icons and
// open commands naming missing programs, CLSID links to unregistered classes, and extensions
// whose class is not registered.
//
// The classes are walked twice: through HKEY_CLASSES_ROOT and through the machine's own
// SOFTWARE\Classes. The first view already shows every machine class that the user does not
// override, so a problem found again through the second view is the same key: it is not
// recorded twice (cleaning the second record could only fail).
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"

namespace {

struct TFileContext {
  const wchar_t* Path;  // key prefix, ends with a backslash
  HKEY RootKey;
  const wchar_t* RootName;
};

const TFileContext kFileContexts[] = {
    {L"\\", HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT"},
    {L"\\SOFTWARE\\Classes\\", HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"},
};

const wchar_t* const kAppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// A record's identity below the classes root, for telling the same problem seen through both
// views apart from a different one.
std::wstring ProblemIdentity(const TRegItem& Item, size_t PrefixLength) {
  return LowerCase(Item.KeyPath.substr(PrefixLength)) + L'\n' + Item.ValueName + L'\n' + Item.ProblemType + L'\n' +
         Item.Description + L'\n' + std::to_wstring(Item.Action);
}

}  // namespace

void ScanFileAssociations(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ReportScanProgress(OnProgress, 0, kFileContexts[0].RootName);
  TRegistry Machine(KEY_READ);
  Machine.SetRootKey(HKEY_LOCAL_MACHINE);
  std::set<std::wstring> Found;  // identities recorded through an earlier view

  for (size_t Context = 0; Context < sizeof(kFileContexts) / sizeof(kFileContexts[0]); ++Context) {
    const std::wstring P = kFileContexts[Context].Path;
    const HKEY R = kFileContexts[Context].RootKey;
    const std::wstring RN = kFileContexts[Context].RootName;
    TRegistry Reg(KEY_READ);
    Reg.SetRootKey(R);
    if (!Reg.OpenKeyReadOnly(P)) continue;
    std::vector<std::wstring> Classes;
    Reg.GetKeyNames(Classes);
    std::set<std::wstring> FoundHere;

    for (const std::wstring& N : Classes) {
      const std::wstring Key = P + N;
      if (!Engine.NextEntry(OnProgress, RN + Key)) return;

      auto Add = [&](const std::wstring& BaseKey, const std::wstring& KeyPath, const std::wstring& ValueName,
                     const std::wstring& ValueData, const std::wstring& ProblemType, const std::wstring& Description,
                     uint8_t Action) {
        TRegItem Item =
            MakeRegItem(R, RN, BaseKey, KeyPath, ValueName, ValueData, ProblemType, Description, 13, Action);
        std::wstring Identity = ProblemIdentity(Item, P.size());
        if (Found.count(Identity)) return;
        FoundHere.insert(std::move(Identity));
        Engine.AddRegItem(std::move(Item), OnProgress);
      };
      // The default value of a key, where a missing key or a value that is not text reads empty.
      auto DefaultValue = [&](const std::wstring& Path) {
        return Reg.OpenKeyReadOnly(Path) ? ReadTextOrEmpty(Reg, L"") : std::wstring();
      };

      // 1. Empty ShellNew keys of the class's subkeys.
      std::vector<std::wstring> SubKeys;
      if (Reg.OpenKeyReadOnly(Key)) Reg.GetKeyNames(SubKeys);
      for (const std::wstring& S : SubKeys) {
        const std::wstring ShellNew = Key + L"\\" + S + L"\\ShellNew";
        if (Reg.KeyExists(ShellNew) && IsKeyEmpty(R, ShellNew))
          Add(Key, ShellNew, kDefaultValueLabel, RN + ShellNew, L"Empty Key",
              S + L"\\ShellNew" + L" is empty,It can be deleteed.", 1);
      }

      // 2. An icon whose file is missing ("%1" icons are drawn by the file itself).
      const std::wstring DefaultIcon = Key + L"\\DefaultIcon";
      if (Reg.KeyExists(DefaultIcon)) {
        const std::wstring D = DefaultValue(DefaultIcon);
        if (D.find(L"%1") == std::wstring::npos) {
          const std::wstring F = ExtractExePath(ExpandEnvironmentText(D));
          if (!FileExists(F) && !Machine.KeyExists(kAppPaths + F))
            Add(Key, DefaultIcon, kDefaultValueLabel, RN + DefaultIcon, L"Miss or Invalid Path",
                N + L"\\DefaultIcon contain a bad path for value", 1);
        }
      }

      // 3. An open command whose program (with a drive) is missing: the whole open verb goes.
      const std::wstring Command = Key + L"\\shell\\open\\command";
      if (Reg.KeyExists(Command)) {
        const std::wstring D = DefaultValue(Command);
        const std::wstring F = ExtractExePath(ExpandEnvironmentText(D));
        const size_t Colon = F.find(L':');
        if (Colon != std::wstring::npos && F.find(L':', Colon + 1) == std::wstring::npos && !Trim(F).empty() &&
            !FileExists(F))
          Add(Key, Key + L"\\shell\\open", L"command", D, L"Miss or Invalid Path",
              N + L"\\open contains a bad path for the key.", 1);
      }

      // 4. A CLSID link to a class that is not registered.
      const std::wstring ClassId = Key + L"\\CLSID";
      if (Reg.KeyExists(ClassId)) {
        const std::wstring D = DefaultValue(ClassId);
        if (!Reg.KeyExists(P + L"CLSID\\" + D))
          Add(Key, ClassId, kDefaultValueLabel, D, L"Redundant or Invalid Registry Key",
              Trim(D).empty() ? N + L"\\CLSID is empty,It can be deleteed."
                              : N + L"\\CLSID is invalid for the key,It can be deleteed.",
              1);
      }

      // 5. An extension whose class is not registered: its default value goes. The record's base
      // key is the extension key, like the other records of the class, rather than the classes
      // root, which is no key below the root to exclude or delete by.
      if (Trim(N).rfind(L'.', 0) == 0) {
        const std::wstring D = DefaultValue(Key);
        if (!Trim(D).empty() && !Reg.KeyExists(P + D))
          Add(Key, Key, kDefaultValueLabel, D, L"Redundant or Invalid Registry Key",
              N + L"\\CLSID is invalid for the key,It can be deleteed.", 2);
      }
    }
    Found.insert(FoundHere.begin(), FoundHere.end());
  }
}
