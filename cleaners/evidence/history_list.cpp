#include "cleaners/evidence/history_list.h"

#include "base/ini_file.h"
#include "base/string_list.h"
#include "common/last_run.h"

TCategoryInfo CategoryInfos[kMaxHistoryCategories + 1];
THisItemTable HisItems;

THisItem* THisItemTable::operator[](int category) {
  static THisItem items[kMaxHistoryCategories + 1][kMaxHistoryItems + 1];
  return items[category];
}
int CategoryCount = 0;

void LoadHistoryList() {
  CategoryCount = 0;
  for (TCategoryInfo& category : CategoryInfos) category.Count = 0;

  const TIniFile ini(CleanerIniFileName());
  TStringList keys;
  ini.ReadSection(L"HistoryList", keys);
  // False while the lines belong to no category that fits: before the first category line, and
  // after a category line beyond the limit.
  bool inCategory = false;
  for (int i = 0; i < keys.Count(); ++i) {
    const int value = ini.ReadInteger(L"HistoryList", keys[i], -1);
    if (value == 0) {
      inCategory = CategoryCount < kMaxHistoryCategories;
      if (!inCategory) continue;
      ++CategoryCount;
      CategoryInfos[CategoryCount].Name = keys[i];
      continue;
    }
    if (!inCategory) continue;
    TCategoryInfo& category = CategoryInfos[CategoryCount];
    if (category.Count >= kMaxHistoryItems) continue;
    ++category.Count;
    THisItem& item = HisItems[CategoryCount][category.Count];
    item.Name = keys[i];
    item.Code = value;
    item.State = kHisStateLoaded;
    item.Checked = true;
  }
}

THisCheckState CategoryCheckState(int Category) {
  int checked = 0;
  const int count = CategoryInfos[Category].Count;
  for (int k = 1; k <= count; ++k)
    if (HisItems[Category][k].Checked) ++checked;
  if (checked == 0) return THisCheckState::Unchecked;
  return checked == count ? THisCheckState::Checked : THisCheckState::Mixed;
}

void SetCategoryChecked(int Category, bool Checked) {
  for (int k = 1; k <= CategoryInfos[Category].Count; ++k) HisItems[Category][k].Checked = Checked;
}

void SetAllHistoryItemsChecked(bool Checked) {
  for (int j = 1; j <= CategoryCount; ++j) SetCategoryChecked(j, Checked);
}
