#include "cleaners/junk/junk_task.h"

#include "cleaners/junk/last_waste_info.h"
#include "cleaners/junk/waste_lists.h"

TTaskResult TJunkTask::Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  WasteSearchState.Stop = false;
  WasteSearchState.Searching = true;
  WasteSearchState.CurrentFolder.clear();
  ClearWasteFiles();
  TTaskProgress progress;
  progress.Total = static_cast<long long>(Folders.size());
  const TJunkProgressEvent report = [&](bool found, const std::wstring& path, int64_t size) {
    if (found) ++progress.Count;
    progress.Text = path;
    if (OnScanFile) OnScanFile(found, path, size);
    ReportTaskProgress(OnProgress, progress);
  };
  // The scan stops through WasteSearchState.
  const TStopToken::TForward forward(Stop, [] { WasteSearchState.Stop = true; });
  for (size_t i = 0; i < Folders.size(); ++i) {
    if (WasteSearchState.Stop) break;
    if (OnFolderStart) OnFolderStart(i);
    ScanJunkFolder(Folders[i], WasteFileTypes, WasteExcludeFolders, WasteExcludeFiles, WasteCleanOptions, WasteFiles,
                   report);
    ++progress.Done;
    ReportTaskProgress(OnProgress, progress);
    if (OnFolderEnd) OnFolderEnd(i);
  }
  WasteSearchState.Searching = false;
  TTaskResult result;
  result.Found = static_cast<long long>(WasteFiles.size());
  result.Stopped = WasteSearchState.Stop;
  return result;
}

TTaskResult TJunkTask::Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  TTaskProgress progress;
  for (const auto& file : WasteFiles) progress.Total += file->Selected ? 1 : 0;
  lastClean_ = CleanWasteFiles(WasteFiles, ToRecycleBin, [&](const TWasteFile& file, const TJunkCleanCounts& soFar) {
    if (Stop.Requested()) return false;
    progress.Done = soFar.Processed;
    progress.Count = soFar.Deleted;
    progress.Text = file.Path;
    ReportTaskProgress(OnProgress, progress);
    return !OnCleanStep || OnCleanStep(file, soFar);
  });
  TTaskResult result;
  result.Found = static_cast<long long>(WasteFiles.size());
  result.Cleaned = lastClean_.Deleted;
  result.Stopped = Stop.Requested() || lastClean_.Processed != lastClean_.Selected;
  return result;
}

TTaskLastRun TJunkTask::LastRun() const {
  const TLastWasteInfo last = LoadLastWasteInfo();
  return {last.When, last.ScanNum, last.ClearNum};
}
