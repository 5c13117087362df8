#include "cleaners/junk/waste_filters.h"

#include "cleaners/junk/wildcard_match.h"

bool IsFolderExcluded(const std::wstring& Folder, const TWasteFolderList& Folders) {
  for (const auto& folder : Folders) {
    if (WildcardMatch(folder->Path, Folder)) return true;
  }
  return false;
}

bool MatchesWasteType(const std::wstring& FileName, const TWasteFileTypeList& Types) {
  for (const auto& type : Types) {
    if (type->Enabled && WildcardMatch(type->Pattern, FileName)) return true;
  }
  return false;
}

bool PassesAttributeFilter(DWORD Attributes, const TWasteCleanOptions& Options) {
  if (Options.SkipReadOnly && (Attributes & FILE_ATTRIBUTE_READONLY)) return false;
  if (Options.SkipSystem && (Attributes & FILE_ATTRIBUTE_SYSTEM)) return false;
  if (Options.SkipHide && (Attributes & FILE_ATTRIBUTE_HIDDEN)) return false;
  return true;
}
