#include "cleaners/oneclick/kept_rows.h"

#include "cleaners/evidence/history_list.h"

namespace {

std::wstring ValueNameOf(const TRegItem& item) {
  return item.ValueName == kDefaultValueLabel ? std::wstring() : item.ValueName;
}

bool DeletesKey(const TRegItem& item) { return item.Action == 0 || item.Action == 1; }
const std::wstring& DeletedKey(const TRegItem& item) { return item.Action == 0 ? item.BaseKey : item.KeyPath; }

}  // namespace

TKeptItems UntickedRows(const TRegItemList& RegItems, const TWasteFileList& JunkFiles, const THistorySink& Sink,
                        const std::vector<TFileItem>& FileRows, const std::vector<bool>& FileSelected) {
  TKeptItems kept;
  for (const auto& item : RegItems) {
    if (item->Selected) continue;
    if (DeletesKey(*item))
      kept.KeepKey(item->RootKey, DeletedKey(*item));
    else
      kept.KeepValue(item->RootKey, item->KeyPath, ValueNameOf(*item));
  }
  for (const auto& file : JunkFiles)
    if (!file->Selected) kept.KeepFile(file->Path);
  for (int j = 1; j <= CategoryCount; ++j)
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) {
      const THisItem& item = HisItems[j][k];
      if (item.Checked) continue;
      const THistoryTargets targets = HistoryHandlerForCode(item.Code).Targets(Sink);
      for (const std::wstring& key : targets.UserKeys) kept.KeepKeyTree(HKEY_CURRENT_USER, key);
      for (const std::wstring& folder : targets.Folders) kept.KeepFolder(folder);
    }
  for (size_t row = 0; row < FileRows.size(); ++row)
    if (row >= FileSelected.size() || !FileSelected[row]) kept.KeepValue(HKEY_CLASSES_ROOT, FileRows[row].Path, L"");
  return kept;
}

int UntickKeptRows(const TKeptItems& Kept, TRegItemList& RegItems, TWasteFileList& JunkFiles) {
  int unticked = 0;
  for (const auto& item : RegItems) {
    if (!item->Selected) continue;
    const bool may = DeletesKey(*item) ? Kept.MayDeleteKey(item->RootKey, DeletedKey(*item))
                                       : Kept.MayDeleteValue(item->RootKey, item->KeyPath, ValueNameOf(*item));
    if (may) continue;
    item->Selected = 0;
    ++unticked;
  }
  for (const auto& file : JunkFiles) {
    if (!file->Selected || Kept.MayDeleteFile(file->Path)) continue;
    file->Selected = false;
    ++unticked;
  }
  return unticked;
}
