// Cleaning the records a scan left in an engine instance: the exclusion match, deleting the
// selected keys and values, the HTML report in LOG\ and its line in Cleaner.ini [RegLogFiles].
#pragma once

#include <array>
#include <string>
#include <vector>

#include "registry/scan/reg_scan_engine.h"

// Record status texts after cleaning.
extern const wchar_t* const kRegCleanedStatus;  // 清理成功
extern const wchar_t* const kRegFailedStatus;   // 清理失败

// True when an entry names the key the record's BaseKey or KeyPath names, or a key below the key
// the record deletes (action 0: BaseKey, 1: KeyPath), since that deletion would take the excluded
// key too. Keys compare by CanonicalRegKeyName, so every name of one key counts (HKEY_CLASSES_ROOT
// and the classes keys, HKEY_USERS\<own SID> and HKEY_CURRENT_USER, HKEY_CURRENT_CONFIG and its
// control set path). An entry does not cover the keys below its own path, and an entry with an
// empty path or no root matches nothing.
bool IsRegItemExcluded(const TRegExcludeList& ExcludeList, const TRegItem& Item);

// Sets Excluded of every record of the instance from its exclusion list.
void ApplyRegExcludeList(TRegScanEngine& Engine);

// Ticks or unticks every record; excluded records stay unticked.
void SelectRegItems(TRegScanEngine& Engine, bool Selected);

// What a record names, for a list of failures: the root and key it deletes, or the root, key and
// value name of a value it deletes.
std::wstring RegItemName(const TRegItem& Item);

// What a run achieved. Cleaned: records whose key or value is gone, whether deleted now or
// already gone when their turn came (an earlier record of the run took it). Failed and
// FailedNames: the records whose key or value remains (RegItemName of each). LogFile is the
// report's full path, empty when the run was stopped before the report.
struct TRegCleanResult {
  int Cleaned = 0;
  int Failed = 0;
  std::vector<std::wstring> FailedNames;
  std::array<int, kRegCategoryCount + 1> CleanedInCategory{};  // indexed 1..15
  int Excluded = 0;  // records the exclusion list kept
  std::wstring LogFile;
};

// What the Kind 0 report before each selected record carries.
enum class TRegCleanReport { Category, ValueData };

// Flags excluded records, then deletes what every selected, not excluded record names (action 0:
// BaseKey, 1: KeyPath, otherwise the value ValueName of KeyPath, "默认" being the default value)
// and sets its Status. Between records it pumps messages and stops, writing no report, once the
// clean state is kRegStateStop. A finished run writes LOG\<yyyymmddhhnnss>.html and its
// [RegLogFiles] line; a report that cannot be written raises EFCreateError.
TRegCleanResult CleanRegItems(TRegScanEngine& Engine, TRegCleanReport Report, const TScanProgressEvent& OnProgress);

// Writes Cleaner.ini [RegLogFiles] <now as yyyy-mm-dd-hh-nn-ss> = LogPath.
void AddRegLogRecord(const std::wstring& LogPath);
