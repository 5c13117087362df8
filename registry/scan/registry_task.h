#pragma once
// The registry cleaner as a maintenance task with a scan-engine instance of its own (the registry
// cleaner page's task has one, one-click maintenance's task another): the scan of the chosen
// categories in order 1 to 15, the cleaning of the selected records with its report, the
// [LastInfo_Reg] record.
#include <array>
#include <functional>

#include "common/maintenance_task.h"
#include "registry/scan/reg_clean.h"
#include "registry/scan/reg_scan_engine.h"

class TRegistryTask : public TMaintenanceTask {
 public:
  // Report: what the clean reports before each selected record (the category or the value data);
  // NewItemSelected: the Selected flag of the records the scan finds.
  TRegistryTask(TRegCleanReport Report, uint8_t NewItemSelected) : engine_(NewItemSelected), report_(Report) {
    Categories.fill(true);
  }
  TRegistryTask(const TRegistryTask&) = delete;
  TRegistryTask& operator=(const TRegistryTask&) = delete;

  // The categories to scan, indexed 1..15.
  std::array<bool, kRegCategoryCount + 1> Categories{};
  // Each chosen category as its scan starts and ends, with the problems found in it.
  std::function<void(int Category)> OnCategoryStart;
  std::function<void(int Category, int Found)> OnCategoryEnd;
  // The engine's own reports, as they come (scan: Kind 0 the entry examined, Kind 1 one more
  // problem; clean: Kind 0 before each selected record).
  TScanProgressEvent OnEngineProgress;

  // The task's engine: its records, exclusion list and state bytes.
  TRegScanEngine& Engine() { return engine_; }
  const TRegScanEngine& Engine() const { return engine_; }
  // Empties the engine's records, then runs the scanner of each chosen category; a stop (the
  // token or the engine's stop state) ends it before the next entry. The engine's errors pass
  // on, with the records found before them kept. Either run leaves the engine's state byte
  // finished, or stopped when a stop was asked for, also when an error ends it.
  TTaskResult Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  // Cleans the selected records (excluded ones untouched) and writes the report; Found is the
  // number of records, Cleaned the deletions that succeeded.
  TTaskResult Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  TTaskLastRun LastRun() const override;

  // Problems found in a category by the last scan.
  int FoundIn(int Category) const { return Category >= 1 && Category <= kRegCategoryCount ? found_[Category] : 0; }
  // What the last clean achieved (per category too).
  const TRegCleanResult& LastClean() const { return lastClean_; }

 private:
  TRegScanEngine engine_;
  TRegCleanReport report_;
  std::array<int, kRegCategoryCount + 1> found_{};
  TRegCleanResult lastClean_;
};
