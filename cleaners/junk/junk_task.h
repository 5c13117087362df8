#pragma once
// The junk cleaner as a maintenance task: the scan of the chosen folders (the junk page's
// drives, one-click maintenance's junk folders) into the shared results list WasteFiles with the
// loaded patterns, exclusions and options, the deletion of the selected files found, and the
// [LastInfo_Waste] record.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cleaners/junk/junk_clean.h"
#include "cleaners/junk/junk_scan.h"
#include "common/maintenance_task.h"

class TJunkTask : public TMaintenanceTask {
 public:
  std::vector<std::wstring> Folders;
  // Deletions go to the Recycle Bin instead of being permanent.
  bool ToRecycleBin = false;

  // Each folder as its scan starts (index in Folders); the scan's report of each file looked at
  // and each junk file recorded; each entry before it is deleted (false cancels the run there).
  std::function<void(size_t Folder)> OnFolderStart;
  std::function<void(size_t Folder)> OnFolderEnd;
  TJunkProgressEvent OnScanFile;
  TJunkCleanStep OnCleanStep;

  // Empties WasteFiles and scans the folders in order. The stop token or WasteSearchState.Stop
  // ends it at the next entry, keeping what was found.
  TTaskResult Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  // Deletes the selected files of WasteFiles; Found is the number of files found, Cleaned the
  // files really gone, Stopped when the token (or OnCleanStep) cancelled the run.
  TTaskResult Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  TTaskLastRun LastRun() const override;

  // What the last clean did.
  const TJunkCleanCounts& LastClean() const { return lastClean_; }

 private:
  TJunkCleanCounts lastClean_;
};
