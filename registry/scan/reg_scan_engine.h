// The registry scan engine: problem records, the per-instance result and exclusion lists,
// the scan and clean state bytes, and the dispatch from a category number to its scanner.
//
// The program runs two instances with the same code, each owned by a registry task
// (registry/scan/registry_task.h): the registry cleaner page's and one-click maintenance's. Each
// instance has its own lists and state bytes; the one-click instance's new records start selected.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "registry/scan/scan_file_answers.h"

// One registry problem found by a scan.
struct TRegItem {
  HKEY RootKey = nullptr;   // root under which BaseKey and KeyPath lie
  std::wstring RootName;    // root's name as the report shows it ("HKEY_LOCAL_MACHINE" ...)
  std::wstring BaseKey;     // key deleted by action 0; compared by the exclusion match
  std::wstring KeyPath;     // key deleted by action 1, or the key holding ValueName; begins with '\'
  std::wstring ValueName;   // value deleted by other actions; L"默认" names the default value
  std::wstring ValueData;   // second line of the result row
  std::wstring ProblemType; // first (bold) line of the result row
  std::wstring Description; // third line of the result row
  int32_t Category = 0;     // 1..15
  uint8_t Action = 0;       // 0 delete BaseKey, 1 delete KeyPath, otherwise delete ValueName in KeyPath
  std::wstring Status;      // empty until cleaned
  uint8_t Selected = 0;
  uint8_t Excluded = 0;
};
using TRegItemList = std::vector<std::unique_ptr<TRegItem>>;

// A record with the ten fields a scanner fills, in field order; Status, Selected and Excluded keep
// their defaults (appending sets them).
TRegItem MakeRegItem(HKEY RootKey, const std::wstring& RootName, const std::wstring& BaseKey,
                     const std::wstring& KeyPath, const std::wstring& ValueName, const std::wstring& ValueData,
                     const std::wstring& ProblemType, const std::wstring& Description, int32_t Category,
                     uint8_t Action);

// One line of Cleaner.ini [RegExcludeList]: a key below a root that cleaning must not touch.
struct TRegScanExcludeItem {
  HKEY RootKey = nullptr;
  std::wstring Path;
};
using TRegExcludeList = std::vector<std::unique_ptr<TRegScanExcludeItem>>;

// Progress callback of the scanners and of cleaning. While scanning, Kind 0 names the entry now
// examined and Kind 1 means one more record was appended (Text empty). May be empty: nothing is
// reported then.
using TScanProgressEvent = std::function<void(uint8_t Kind, const std::wstring& Text)>;

// A scanner bound to its engine instance; empty when a category has no scanner.
using TScanProc = std::function<void(const TScanProgressEvent& OnProgress)>;

// Values of the scan and clean state bytes.
constexpr uint8_t kRegStateRunning = 0;
constexpr uint8_t kRegStateFinished = 1;
constexpr uint8_t kRegStateStop = 2;

constexpr int32_t kRegCategoryCount = 15;

// Category display names, indexed 1..15 (index 0 is empty).
extern const wchar_t* const RegCategoryNames[kRegCategoryCount + 1];

// The value name that stands for a key's default (unnamed) value in records.
extern const wchar_t* const kDefaultValueLabel;

class TRegScanEngine {
 public:
  // NewItemSelected is the Selected flag of new records.
  explicit TRegScanEngine(uint8_t NewItemSelected);
  TRegScanEngine(const TRegScanEngine&) = delete;
  TRegScanEngine& operator=(const TRegScanEngine&) = delete;

  TRegItemList Items;            // records in the order found
  TRegExcludeList ExcludeItems;  // entries of [RegExcludeList]
  uint8_t ScanState = kRegStateFinished;   // kRegStateStop makes the running scanner return at its next entry
  uint8_t CleanState = kRegStateFinished;  // kRegStateStop makes cleaning return before its next record

  // The scanner of category 1..15 bound to this instance; empty for other numbers and for a
  // category whose scanner is not part of the build.
  TScanProc GetScanProc(int32_t Category);

  // Disposes every record, last to first.
  void ClearRegItems();

  // Appends the entries of [RegExcludeList] of Cleaner.ini in the program folder (the list is not
  // emptied first). A line's root is the root name its key begins with (full or short, any
  // letter case), else its value's; a root name that is not understood gives a nullptr root.
  // The path loses blanks around it and trailing backslashes.
  void LoadRegExcludeList();
  // Disposes every exclusion entry, last to first.
  void FreeRegExcludeList();

  // --- For the category scanners ---

  // Once per walked entry: pumps the message queue, then gives false when a stop was requested
  // (the scanner returns at once, keeping its records); otherwise reports Kind 0 with Text.
  bool NextEntry(const TScanProgressEvent& OnProgress, const std::wstring& Text);
  // The same for an entry that has no report text.
  bool NextEntry();
  bool StopRequested() const { return ScanState == kRegStateStop; }
  // What the running scanner has learned about files; each scanner run starts with none.
  TScanFileAnswers& FileAnswers() { return fileAnswers_; }

  // Appends a record and reports Kind 1: Status empty, Excluded from the exclusion list, Selected
  // as this instance wants unless excluded. A record that would delete a key Windows or this
  // program relies on (registry/scan/protected_keys.h) is dropped instead. The scanner fills
  // every other field, Category included.
  void AddRegItem(TRegItem Item, const TScanProgressEvent& OnProgress);

 private:
  const uint8_t NewItemSelected_;
  TScanFileAnswers fileAnswers_;
};

// Reports Kind and Text when OnProgress is assigned.
void ReportScanProgress(const TScanProgressEvent& OnProgress, uint8_t Kind, const std::wstring& Text);
