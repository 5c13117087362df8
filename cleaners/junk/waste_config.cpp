#include "cleaners/junk/waste_config.h"

#include <algorithm>

#include "base/ini_file.h"
#include "base/strings.h"
#include "cleaners/junk/waste_lists.h"
#include "common/last_run.h"

namespace {

TIniFile CleanerIni() { return TIniFile(CleanerIniFileName()); }

}  // namespace

void LoadWasteFileTypes() {
  ClearWasteFileTypes();
  const TIniFile ini = CleanerIni();
  TStringList keys;
  ini.ReadSection(L"WasteFileType", keys);
  for (const std::wstring& key : keys.Strings()) {
    auto type = std::make_unique<TWasteFileType>();
    type->Pattern = Trim(key);
    type->Description = Trim(ini.ReadString(L"WasteFileType", key, L""));
    WasteFileTypes.push_back(std::move(type));
  }
  const std::wstring state = ini.ReadString(L"WasteFileTypeRecommend", L"RecommendState", L"0");
  const size_t n = std::min(state.size(), WasteFileTypes.size());
  for (size_t i = 0; i < n; ++i) WasteFileTypes[i]->Recommended = state[i] == L'1';
}

void LoadExcludeFolders() {
  ClearExcludeFolders();
  TStringList keys;
  CleanerIni().ReadSection(L"WasteCleanExcludePath", keys);
  for (const std::wstring& key : keys.Strings()) {
    auto folder = std::make_unique<TWasteFolder>();
    folder->Caption = L"自定义";
    folder->Path = (!key.empty() && key.back() == L'\\') ? key : key + L'\\';
    WasteExcludeFolders.push_back(std::move(folder));
  }
}

void LoadExcludeFiles() {
  ClearExcludeFiles();
  const TIniFile ini = CleanerIni();
  TStringList keys;
  ini.ReadSection(L"WasteCleanExcludeFile", keys);
  for (const std::wstring& key : keys.Strings()) {
    auto type = std::make_unique<TWasteFileType>();
    type->Pattern = key;
    type->Description = ini.ReadString(L"WasteCleanExcludeFile", key, L"");
    WasteExcludeFiles.push_back(std::move(type));
  }
}

void LoadWasteCleanOptions() {
  const TIniFile ini = CleanerIni();
  WasteCleanOptions.SkipReadOnly = ini.ReadBool(L"WasteCleanOption", L"SkipReadOnly", false);
  WasteCleanOptions.SkipSystem = ini.ReadBool(L"WasteCleanOption", L"SkipSystem", false);
  WasteCleanOptions.SkipHide = ini.ReadBool(L"WasteCleanOption", L"SkipHide", false);
  WasteCleanOptions.ScanZero = ini.ReadBool(L"WasteCleanOption", L"ScanZero", false);
  WasteCleanOptions.CanRecover = ini.ReadBool(L"WasteCleanOption", L"CanRecover", false);
}

void LoadWasteScanSettings() {
  LoadWasteCleanOptions();
  LoadWasteFileTypes();
  LoadExcludeFolders();
  LoadExcludeFiles();
}
