#include "cleaners/oneclick/fix_area_tasks.h"

#include "base/message_pump.h"
#include "cleaners/activex/activex_list.h"
#include "cleaners/fixes/fix_lists.h"

TTaskResult TActiveXTask::Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  ClearActiveXItems();
  UnlockedActiveXCount = 0;
  TTaskResult result;
  TActiveXLoadEvents events;
  events.StopRequested = [&] { return Stop.Requested(); };
  events.OnItem = [&](const TActiveXItem& item) {
    if (item.Status == kActiveXUnlocked) ++result.Found;
    ReportTaskProgress(OnProgress, {static_cast<long long>(ActiveXItems.size()), 0, result.Found, item.Name});
  };
  LoadActiveXList(events);
  Selected.assign(ActiveXItems.size(), true);
  result.Stopped = Stop.Requested();
  return result;
}

TTaskResult TFixAreaTask::CleanRows(size_t Rows, const TTaskProgressEvent& OnProgress, const TStopToken& Stop,
                                    const std::function<bool(size_t, std::wstring&, bool&)>& Repair) {
  TTaskResult result;
  for (size_t row = 0; row < Rows; ++row) {
    PumpMessages();
    if (Stop.Requested()) {
      result.Stopped = true;
      break;
    }
    if (!RowSelected(row)) continue;
    std::wstring text;
    bool repaired = false;
    if (!Repair(row, text, repaired)) continue;
    ++result.Found;
    if (repaired) ++result.Cleaned;
    ReportTaskProgress(OnProgress,
                       {static_cast<long long>(row + 1), static_cast<long long>(Rows), result.Cleaned, text});
  }
  return result;
}

TTaskResult TActiveXTask::Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  return CleanRows(ActiveXItems.size(), OnProgress, Stop, [](size_t row, std::wstring& text, bool& repaired) {
    TActiveXItem& item = ActiveXItems[row];
    if (item.Status != kActiveXUnlocked) return false;
    text = item.Name;
    item.Failed = !BlockActiveX(item.CLSID);
    repaired = !item.Failed;
    if (repaired) item.Status = kActiveXLocked;
    return true;
  });
}

TTaskResult TFileFixTask::Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  ClearFileItems();
  LoadFileFixes([&](const TFileItem& item) {
    ReportTaskProgress(OnProgress, {static_cast<long long>(FileItems.size()), 0, FileFixCount, item.ExtName});
  });
  Selected.assign(FileItems.size(), true);
  TTaskResult result;
  result.Found = FileFixCount;
  return result;
}

TTaskResult TFileFixTask::Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  return CleanRows(FileItems.size(), OnProgress, Stop, [](size_t row, std::wstring& text, bool& repaired) {
    TFileItem& item = FileItems[row];
    if (!item.NeedsFix) return false;
    text = item.ExtName;
    repaired = RestoreFileFix(item);
    return true;
  });
}

TTaskResult TSysFixTask::Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  ClearSysItems();
  LoadSysFixes([&](const TSysItem& item) {
    ReportTaskProgress(OnProgress, {static_cast<long long>(SysItems.size()), 0, SysFixCount, item.Description});
  });
  Selected.assign(SysItems.size(), true);
  TTaskResult result;
  result.Found = SysFixCount;
  return result;
}

TTaskResult TSysFixTask::Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  return CleanRows(SysItems.size(), OnProgress, Stop, [](size_t row, std::wstring& text, bool& repaired) {
    TSysItem& item = SysItems[row];
    if (!item.NeedsFix || item.Text.empty()) return false;
    text = item.Description;
    item.Fixed = ApplySysFixText(item);
    item.NeedsFix = !item.Fixed;
    repaired = item.Fixed;
    return true;
  });
}
