// Test fixture for the registry scan tests: seeds keys, values and files in the throwaway prefix
// and removes them again, last seeded first, when it goes out of scope (also when a test fails).
// Plus helpers to run one category scanner and compare the records it appended.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "registry/scan/reg_scan_engine.h"

class TScanFixture {
 public:
  TScanFixture();
  ~TScanFixture();
  TScanFixture(const TScanFixture&) = delete;
  TScanFixture& operator=(const TScanFixture&) = delete;

  // Text unique to this fixture (process id included); put it into every seeded name so records
  // that other programs cause can be told apart.
  const std::wstring& Tag() const { return tag_; }
  // A folder of this fixture in the prefix's temporary folder, with a trailing backslash; removed
  // with everything in it.
  const std::wstring& Folder() const { return folder_; }

  // Creates the key (and missing parents); the topmost key it created is deleted again.
  void CreateKey(HKEY Root, const std::wstring& Path);
  // Sets a value, creating its key; a value that existed before gets its old type and data back,
  // a new one is deleted. An empty Name is the default value.
  void SetValue(HKEY Root, const std::wstring& Path, const std::wstring& Name, DWORD Type,
                const void* Data, DWORD Size);
  void SetString(HKEY Root, const std::wstring& Path, const std::wstring& Name, const std::wstring& Data);
  void SetExpandString(HKEY Root, const std::wstring& Path, const std::wstring& Name,
                       const std::wstring& Data);
  void SetDword(HKEY Root, const std::wstring& Path, const std::wstring& Name, DWORD Data);

  // Creates a file with a few bytes (and its missing folders). A relative name lies in Folder();
  // gives the full path.
  std::wstring AddFile(const std::wstring& Name);
  // Creates a folder (and its parents) the same way; gives its full path without trailing backslash.
  std::wstring AddFolder(const std::wstring& Name);

  // Runs Undo when the fixture ends (before everything seeded earlier is removed).
  void OnTeardown(std::function<void()> Undo) { undo_.push_back(std::move(Undo)); }

 private:
  std::wstring tag_;
  std::wstring folder_;
  std::vector<std::function<void()>> undo_;
};

// Progress reports of a scanner run: (Kind, Text) in order.
using TScanReports = std::vector<std::pair<uint8_t, std::wstring>>;

// Whether Reports holds the Kind 0 report Text (an examined entry).
bool HasEntryReport(const TScanReports& Reports, const std::wstring& Text);

// Empties Engine's result list, runs the scanner of Category and gives copies of its records
// (Reports, when given, receives every progress report).
std::vector<TRegItem> RunCategory(TRegScanEngine& Engine, int32_t Category, TScanReports* Reports = nullptr);

// The records of After that are not in Before (every field compared, duplicates counted), in the
// order of After.
std::vector<TRegItem> NewRecords(const std::vector<TRegItem>& Before, const std::vector<TRegItem>& After);

// The records that mention Text (case-insensitive) in BaseKey, KeyPath, ValueName or ValueData.
std::vector<TRegItem> RecordsMentioning(const std::vector<TRegItem>& Items, const std::wstring& Text);

// Copies of a result list.
std::vector<TRegItem> CopyRecords(const TRegItemList& Items);

bool operator==(const TRegItem& A, const TRegItem& B);
inline bool operator!=(const TRegItem& A, const TRegItem& B) { return !(A == B); }
// GoogleTest prints records with this (every field, texts as UTF-8).
void PrintTo(const TRegItem& Item, std::ostream* Out);
