// Category 13, "File Associations": class and extension keys with empty ShellNew keys, icons and
// open commands naming missing programs, CLSID links to unregistered classes, and extensions
// whose class is not registered.
//
// The classes are walked through HKEY_CLASSES_ROOT and then through the machine's own
// SOFTWARE\Classes. The first view is the user's classes laid over the machine's: it already shows
// every machine class that the user does not override, so the second walk visits only the
// machine classes the user's own classes hide. Of the others it rechecks only the links that
// the first view resolved through the user's classes, which the machine's view may lack. A
// problem found again through the second view is the same key: it is not recorded twice
// (cleaning the second record could only fail).
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/reg_read.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_class_views.h"
#include "registry/scan/scan_file_answers.h"
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
const wchar_t* const kUserClasses = L"\\Software\\Classes";

// A record's identity below the classes root, for telling the same problem seen through both
// views apart from a different one.
std::wstring ProblemIdentity(const TRegItem& Item, size_t PrefixLength) {
  return LowerCase(Item.KeyPath.substr(PrefixLength)) + L'\n' + Item.ValueName + L'\n' + Item.ProblemType + L'\n' +
         Item.Description + L'\n' + std::to_wstring(Item.Action);
}

// The default value of Root\Path as text into Text (a value that is not text reads empty); false
// when there is no such key. One open where it used to take a look and then an open: a key that
// is there but refuses to be read reads empty, as it did then.
bool ReadDefaultValue(HKEY Root, const std::wstring& Path, std::wstring& Text) {
  Text.clear();
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExW(Root, Path.c_str() + 1, 0, KEY_READ, &key);
  if (opened == ERROR_SUCCESS) {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (ReadRegValue(key, L"", type, data) && (type == REG_SZ || type == REG_EXPAND_SZ)) {
      Text.assign(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
      const size_t zero = Text.find(L'\0');
      if (zero != std::wstring::npos) Text.resize(zero);
    }
    RegCloseKey(key);
    return true;
  }
  if (opened == ERROR_FILE_NOT_FOUND) return false;
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  return reg.KeyExists(Path);
}

// A link of a class that the first view resolved through the user's classes: the machine's view
// of the same class must look it up again.
struct TUserLink {
  bool ClassId;        // the CLSID link (else the extension's class)
  std::wstring Value;  // the linked name as read
};

class TFileAssociationScan {
 public:
  TFileAssociationScan(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress)
      : engine_(Engine),
        onProgress_(OnProgress),
        files_(Engine.FileAnswers()),
        userClasses_(HKEY_CURRENT_USER, kUserClasses),
        userClassIds_(HKEY_CURRENT_USER, std::wstring(kUserClasses) + L"\\CLSID") {
    machine_.SetRootKey(HKEY_LOCAL_MACHINE);
  }

  // Walks the classes of one view; false when a stop ended the walk.
  bool Walk(const TFileContext& Context, bool FirstView) {
    context_ = &Context;
    prefix_ = Context.Path;
    rootName_ = Context.RootName;
    // With no class of the user's and no link through them, the machine's view shows nothing new.
    if (!FirstView && userClasses_.Empty() && userLinks_.empty()) return true;
    std::vector<std::wstring> classes;
    {
      TRegistry reg(KEY_READ);
      reg.SetRootKey(Context.RootKey);
      if (!reg.OpenKeyReadOnly(prefix_)) return true;
      reg.GetKeyNames(classes);
    }
    for (const std::wstring& name : classes) {
      auto links = userLinks_.end();
      if (!FirstView && !userClasses_.MayHold(name)) {
        links = userLinks_.find(userClasses_.Fold(name));
        if (links == userLinks_.end()) continue;
      }
      if (!engine_.NextEntry(onProgress_, rootName_ + prefix_ + name)) return false;
      if (links == userLinks_.end()) {
        ScanClass(name, FirstView);
      } else {
        for (const TUserLink& link : links->second) CheckLink(name, link.ClassId, link.Value);
      }
    }
    found_.insert(foundHere_.begin(), foundHere_.end());
    foundHere_.clear();
    return true;
  }

 private:
  void Add(const std::wstring& BaseKey, const std::wstring& KeyPath, const std::wstring& ValueName,
           const std::wstring& ValueData, const std::wstring& ProblemType, const std::wstring& Description,
           uint8_t Action) {
    TRegItem item = MakeRegItem(context_->RootKey, rootName_, BaseKey, KeyPath, ValueName, ValueData, ProblemType,
                                Description, 13, Action);
    std::wstring identity = ProblemIdentity(item, prefix_.size());
    if (found_.count(identity)) return;
    foundHere_.insert(std::move(identity));
    engine_.AddRegItem(std::move(item), onProgress_);
  }

  // The five tests of one class N, in their order.
  void ScanClass(const std::wstring& N, bool FirstView) {
    const HKEY root = context_->RootKey;
    const std::wstring key = prefix_ + N;

    // 1. Empty ShellNew keys of the class's subkeys. The class's default value is read from the
    // same open key for test 5.
    std::vector<std::wstring> subKeys;
    std::wstring classValue;
    const bool isExtension = Trim(N).rfind(L'.', 0) == 0;
    {
      TRegistry reg(KEY_READ);
      reg.SetRootKey(root);
      if (reg.OpenKeyReadOnly(key)) {
        reg.GetKeyNames(subKeys);
        if (isExtension) classValue = ReadTextOrEmpty(reg, L"");
      }
    }
    for (const std::wstring& s : subKeys) {
      const std::wstring shellNew = key + L"\\" + s + L"\\ShellNew";
      if (IsKeyEmpty(root, shellNew))
        Add(key, shellNew, kDefaultValueLabel, rootName_ + shellNew, L"Empty Key",
            s + L"\\ShellNew" + L" is empty,It can be deleteed.", 1);
    }

    // 2. An icon whose file is missing ("%1" icons are drawn by the file itself).
    const std::wstring defaultIcon = key + L"\\DefaultIcon";
    std::wstring d;
    if (ReadDefaultValue(root, defaultIcon, d) && d.find(L"%1") == std::wstring::npos) {
      const std::wstring f = ExtractExePath(ExpandEnvironmentText(d), files_);
      if (!files_.FileExists(f) && !machine_.KeyExists(kAppPaths + f))
        Add(key, defaultIcon, kDefaultValueLabel, rootName_ + defaultIcon, L"Miss or Invalid Path",
            N + L"\\DefaultIcon contain a bad path for value", 1);
    }

    // 3. An open command whose program (with a drive) is missing: the whole open verb goes.
    const std::wstring command = key + L"\\shell\\open\\command";
    if (ReadDefaultValue(root, command, d)) {
      const std::wstring f = ExtractExePath(ExpandEnvironmentText(d), files_);
      const size_t colon = f.find(L':');
      if (colon != std::wstring::npos && f.find(L':', colon + 1) == std::wstring::npos && !Trim(f).empty() &&
          !files_.FileExists(f))
        Add(key, key + L"\\shell\\open", L"command", d, L"Miss or Invalid Path",
            N + L"\\open contains a bad path for the key.", 1);
    }

    // 4. A CLSID link to a class that is not registered.
    if (ReadDefaultValue(root, key + L"\\CLSID", d)) CheckLink(N, true, d, FirstView);

    // 5. An extension whose class is not registered: its default value goes. The record's base
    // key is the extension key, like the other records of the class, rather than the classes
    // root, which is no key below the root to exclude or delete by.
    if (isExtension && !Trim(classValue).empty()) CheckLink(N, false, classValue, FirstView);
  }

  // Tests 4 and 5: whether the class or extension named by Value is registered in this view.
  // The first view remembers a link it resolved through the user's classes.
  void CheckLink(const std::wstring& N, bool ClassId, const std::wstring& Value, bool FirstView = false) {
    const std::wstring target = ClassId ? prefix_ + L"CLSID\\" + Value : prefix_ + Value;
    TRegistry reg(KEY_READ);
    reg.SetRootKey(context_->RootKey);
    if (reg.KeyExists(target)) {
      const bool throughUser = ClassId ? userClassIds_.MayHoldPath(Value) : userClasses_.MayHoldPath(Value);
      if (FirstView && throughUser) userLinks_[userClasses_.Fold(N)].push_back({ClassId, Value});
      return;
    }
    const std::wstring key = prefix_ + N;
    if (ClassId) {
      Add(key, key + L"\\CLSID", kDefaultValueLabel, Value, L"Redundant or Invalid Registry Key",
          Trim(Value).empty() ? N + L"\\CLSID is empty,It can be deleteed."
                              : N + L"\\CLSID is invalid for the key,It can be deleteed.",
          1);
    } else {
      Add(key, key, kDefaultValueLabel, Value, L"Redundant or Invalid Registry Key",
          N + L"\\CLSID is invalid for the key,It can be deleteed.", 2);
    }
  }

  TRegScanEngine& engine_;
  const TScanProgressEvent& onProgress_;
  TScanFileAnswers& files_;
  TRegistry machine_{KEY_READ};
  const TKeyNameSet userClasses_;
  const TKeyNameSet userClassIds_;
  std::map<std::wstring, std::vector<TUserLink>> userLinks_;  // by folded class name
  std::set<std::wstring> found_;                              // identities recorded through an earlier view
  std::set<std::wstring> foundHere_;
  const TFileContext* context_ = nullptr;
  std::wstring prefix_;
  std::wstring rootName_;
};

}  // namespace

void ScanFileAssociations(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ReportScanProgress(OnProgress, 0, kFileContexts[0].RootName);
  TFileAssociationScan scan(Engine, OnProgress);
  if (!scan.Walk(kFileContexts[0], true)) return;
  scan.Walk(kFileContexts[1], false);
}
