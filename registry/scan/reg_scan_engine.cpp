#include "registry/scan/reg_scan_engine.h"

#include "base/files.h"
#include "base/ini_file.h"
#include "base/message_pump.h"
#include "base/string_list.h"
#include "base/strings.h"
#include "registry/reg_names.h"
#include "registry/scan/protected_keys.h"
#include "registry/scan/reg_clean.h"
#include "registry/scan/scan_categories.h"

const wchar_t* const RegCategoryNames[kRegCategoryCount + 1] = {
    L"",
    L"Font Sections",
    L"Help Files Sections",
    L"Share DLL Sections",
    L"ActiveX OLE Com Sections",
    L"Appliations Path",
    L"System Software Settings",
    L"User Software Settings",
    L"Uninstall Sections",
    L"File Extensions",
    L"Histoty/MRU Lists",
    L"System Services",
    L"Startup Programs",
    L"File Associations",
    L"Sounds Sections",
    L"Empty Registry Keys",
};

const wchar_t* const kDefaultValueLabel = L"\u9ED8\u8BA4";  // 默认

TRegItem MakeRegItem(HKEY RootKey, const std::wstring& RootName, const std::wstring& BaseKey,
                     const std::wstring& KeyPath, const std::wstring& ValueName, const std::wstring& ValueData,
                     const std::wstring& ProblemType, const std::wstring& Description, int32_t Category,
                     uint8_t Action) {
  TRegItem Item;
  Item.RootKey = RootKey;
  Item.RootName = RootName;
  Item.BaseKey = BaseKey;
  Item.KeyPath = KeyPath;
  Item.ValueName = ValueName;
  Item.ValueData = ValueData;
  Item.ProblemType = ProblemType;
  Item.Description = Description;
  Item.Category = Category;
  Item.Action = Action;
  return Item;
}

TRegScanEngine::TRegScanEngine(uint8_t NewItemSelected) : NewItemSelected_(NewItemSelected) {}

TScanProc TRegScanEngine::GetScanProc(int32_t Category) {
  TCategoryScanner scanner = CategoryScanner(Category);
  if (!scanner) return {};
  return [this, scanner](const TScanProgressEvent& OnProgress) {
    // Files may come and go between runs: each run asks afresh, and keeps nothing afterwards.
    struct TForget {
      TScanFileAnswers& Answers;
      ~TForget() { Answers.Clear(); }
    } forget{fileAnswers_};
    fileAnswers_.Clear();
    scanner(*this, OnProgress);
  };
}

void TRegScanEngine::ClearRegItems() {
  while (!Items.empty()) Items.pop_back();
}

namespace {

// The line's root and key path. The key's own root name (full or short, any letter case) comes
// first; a key that does not begin with one is cut by the length of its value, the root name.
void ParseExcludeLine(const std::wstring& key, const std::wstring& value, TRegScanExcludeItem& entry) {
  const std::wstring trimmed = Trim(key);
  const size_t slash = trimmed.find(L'\\');
  const HKEY keyRoot = slash == std::wstring::npos ? nullptr : RootNameToHKey(trimmed.substr(0, slash));
  std::wstring path;
  if (keyRoot) {
    entry.RootKey = keyRoot;
    path = trimmed.substr(slash);
  } else {
    entry.RootKey = RootNameToHKey(value);
    if (value.size() < key.size()) path = key.substr(value.size());
  }
  path = Trim(path);
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  entry.Path = path;
}

}  // namespace

void TRegScanEngine::LoadRegExcludeList() {
  static const wchar_t kSection[] = L"RegExcludeList";
  TIniFile ini(ProgramFolder() + L"Cleaner.ini");
  TStringList keys;
  ini.ReadSection(kSection, keys);
  for (const std::wstring& key : keys.Strings()) {
    // A line is <RootName><Path>=<RootName>. An unknown root gives an entry that protects nothing
    // (it never stands for another root).
    auto entry = std::make_unique<TRegScanExcludeItem>();
    ParseExcludeLine(key, ini.ReadString(kSection, key, L"HKEY_LOCAL_MACHINE"), *entry);
    ExcludeItems.push_back(std::move(entry));
  }
}

void TRegScanEngine::FreeRegExcludeList() {
  while (!ExcludeItems.empty()) ExcludeItems.pop_back();
}

bool TRegScanEngine::NextEntry(const TScanProgressEvent& OnProgress, const std::wstring& Text) {
  if (!NextEntry()) return false;
  ReportScanProgress(OnProgress, 0, Text);
  return true;
}

bool TRegScanEngine::NextEntry() {
  PumpMessages();
  return !StopRequested();
}

void TRegScanEngine::AddRegItem(TRegItem Item, const TScanProgressEvent& OnProgress) {
  // Keys Windows and this program rely on are never proposed, whatever a scanner finds.
  if (TouchesProtectedKey(Item)) return;
  Item.Status.clear();
  // An excluded record is listed as such and never starts ticked.
  Item.Excluded = IsRegItemExcluded(ExcludeItems, Item) ? 1 : 0;
  Item.Selected = Item.Excluded ? 0 : NewItemSelected_;
  Items.push_back(std::make_unique<TRegItem>(std::move(Item)));
  ReportScanProgress(OnProgress, 1, std::wstring());
}

void ReportScanProgress(const TScanProgressEvent& OnProgress, uint8_t Kind, const std::wstring& Text) {
  if (OnProgress) OnProgress(Kind, Text);
}
