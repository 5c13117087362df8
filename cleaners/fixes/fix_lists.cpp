#include "cleaners/fixes/fix_lists.h"

#include <windows.h>

#include "cleaners/fixes/association_command.h"
#include "cleaners/fixes/fix_registry.h"
#include "cleaners/fixes/fix_resource.h"
#include "cleaners/fixes/fix_text.h"
#include "registry/reg_raw.h"

std::vector<TSysItem> SysItems;
int SysFixCount = 0;
std::vector<TFileItem> FileItems;
int FileFixCount = 0;

namespace {

// Index lines of a resource, each also written to the debugger output.
std::vector<std::wstring> ReadIndexLines(HMODULE module, const wchar_t* name) {
  std::vector<std::wstring> lines = SplitIndexLines(ReadFixResourceText(module, name));
  for (const std::wstring& line : lines) OutputDebugStringW(line.c_str());
  return lines;
}

void AddSysFixItem(HMODULE module, const std::wstring& line, const TSysItemEvent& onItem) {
  std::wstring name;
  TSysItem item;
  if (!ParseSysIndexLine(line, name, item.Description)) return;
  item.Text = ReadFixResourceText(module, L"SYS_" + name);
  CheckSysFixText(item);
  SysItems.push_back(item);
  if (item.NeedsFix) ++SysFixCount;
  if (onItem) onItem(SysItems.back());
}


}  // namespace

void CheckSysFixText(TSysItem& Item) {
  std::wstring section;
  for (const std::wstring& line : SplitFixTextLines(Item.Text)) {
    bool agrees = true;
    if (line[0] == L'[') {
      const TFixLine parsed = ParseFixLine(line);
      section = parsed.KeyPath;
      if (parsed.Kind == TFixLineKind::DeleteSection) agrees = CheckRegLine(section);
    } else if (!section.empty()) {
      agrees = CheckRegLine(section, line);
    }
    if (!agrees) {
      Item.NeedsFix = true;
      return;
    }
  }
}

bool ApplySysFixText(const TSysItem& Item) {
  bool all = true;
  std::wstring section;
  for (const std::wstring& line : SplitFixTextLines(Item.Text)) {
    if (line[0] == L'[') {
      const TFixLine parsed = ParseFixLine(line);
      section = parsed.KeyPath;
      if (parsed.Kind == TFixLineKind::DeleteSection && !ApplyRegLine(section)) all = false;
    } else if (!section.empty() && !ApplyRegLine(section, line)) {
      all = false;
    }
  }
  return all;
}

void LoadSysFixes(const TSysItemEvent& OnItem) {
  TFixModule module(kSysFixModule);
  SysFixCount = 0;
  for (const std::wstring& line : ReadIndexLines(module.Handle(), L"SYSTEM")) AddSysFixItem(module.Handle(), line, OnItem);
}

int ApplySysFixes() {
  int failed = 0;
  for (TSysItem& item : SysItems) {
    if (!item.NeedsFix || item.Text.empty()) continue;
    item.Fixed = ApplySysFixText(item);
    item.NeedsFix = !item.Fixed;
    if (!item.Fixed) ++failed;
  }
  return failed;
}

void ReadFileFixValue(TFileItem& Item) {
  RawRegGetExpandSz(HKEY_CLASSES_ROOT, Item.Path, Item.CurrentValue);
  if (Item.CurrentValue.empty()) RawRegGetSz(HKEY_CLASSES_ROOT, Item.Path, Item.CurrentValue);
  Item.NeedsFix = !SameAssociationCommand(Item.CurrentValue, Item.RestoreValue);
}

namespace {

bool MakeFileItem(const std::wstring& line, TFileItem& item) {
  TFileFixLine parsed;
  if (!ParseFileFixLine(line, parsed)) return false;
  item.ExtName = parsed.ExtName;
  item.Description = parsed.Description;
  item.RestoreValue = parsed.Value;
  item.Path = parsed.Key + L"\\";
  ReadFileFixValue(item);
  return true;
}

}  // namespace

void AddFileFixItem(const std::wstring& Line, const TFileItemEvent& OnItem) {
  TFileItem item;
  if (!MakeFileItem(Line, item)) return;
  if (item.NeedsFix) ++FileFixCount;
  if (OnItem) OnItem(item);
  if (item.NeedsFix) FileItems.push_back(item);
}

void LoadFileFixes(const TFileItemEvent& OnItem) {
  TFixModule module(kFileFixModule);
  FileFixCount = 0;
  for (const std::wstring& line : ReadIndexLines(module.Handle(), L"FILE")) AddFileFixItem(line, OnItem);
}

std::vector<TFileItem> ReadFileAssociations(const wchar_t* ModuleName) {
  TFixModule module(ModuleName);
  std::vector<TFileItem> items;
  for (const std::wstring& line : ReadIndexLines(module.Handle(), L"FILE")) {
    TFileItem item;
    if (!MakeFileItem(line, item)) continue;
    item.Index = static_cast<int>(items.size());
    items.push_back(item);
  }
  return items;
}

bool RestoreFileFix(TFileItem& Item) {
  if (!RawRegSetExpandSz(HKEY_CLASSES_ROOT, Item.Path, Item.RestoreValue))
    RawRegSetSz(HKEY_CLASSES_ROOT, Item.Path, Item.RestoreValue);
  ReadFileFixValue(Item);
  return !Item.NeedsFix;
}

int ApplyFileFixes() {
  int failed = 0;
  for (TFileItem& item : FileItems)
    if (item.NeedsFix && !RestoreFileFix(item)) ++failed;
  return failed;
}

void ClearSysItems() { SysItems.clear(); }
void ClearFileItems() { FileItems.clear(); }
