// Handlers 1 to 9: the system's own lists, the clipboard, the Recycle Bin, temporary and
// prefetch files.
#include <shlobj.h>

#include "base/files.h"
#include "cleaners/evidence/history_handler_kit.h"
#include "cleaners/evidence/shell_delete.h"

namespace {

const std::wstring kExplorer = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::wstring kRecentDocs = kExplorer + L"RecentDocs";
const std::wstring kRunMru = kExplorer + L"RunMRU";
const std::wstring kLastVisited = kExplorer + L"ComDlg32\\LastVisitedMRU";
const std::wstring kUserAssist = kExplorer + L"UserAssist";
const std::wstring kOpenSave = kExplorer + L"ComDlg32\\OpenSaveMRU";
const std::wstring kFindComputer = kExplorer + L"FindComputerMRU";

int ByDelete(bool deleted) { return deleted ? kHisStateDone : kHisStateFailed; }

std::vector<std::wstring> FolderIfAny(const THistorySink& sink, int csidl, const std::wstring& below = L"") {
  std::wstring folder;
  if (!SpecialFolder(sink, csidl, folder)) return {};
  return {folder + below};
}

int RecentDocuments(THistoryContext& c) {
  std::wstring recent;
  if (!SpecialFolder(c.Sink, CSIDL_RECENT, recent)) return kHisStateFailed;
  if (!DeleteUserKey(kRecentDocs)) return kHisStateFailed;
  RecycleFilesIn(recent, L"*.lnk");
  return kHisStateDone;
}
THistoryTargets RecentDocumentsTargets(const THistorySink& sink) {
  return {{kRecentDocs}, FolderIfAny(sink, CSIDL_RECENT)};
}

int RunDialog(THistoryContext&) { return ByDelete(DeleteUserKey(kRunMru)); }
THistoryTargets RunDialogTargets(const THistorySink&) { return {{kRunMru}, {}}; }

int ProgramsRun(THistoryContext& c) {
  if (!DeleteUserKey(kLastVisited)) c.Report(kHisStateFailed);
  return ByDelete(DeleteUserKey(kUserAssist));
}
THistoryTargets ProgramsRunTargets(const THistorySink&) { return {{kLastVisited, kUserAssist}, {}}; }

int OpenSaveFiles(THistoryContext&) { return ByDelete(DeleteUserKey(kOpenSave)); }
THistoryTargets OpenSaveFilesTargets(const THistorySink&) { return {{kOpenSave}, {}}; }

int Clipboard(THistoryContext& c) {
  if (OpenClipboard(c.Sink.Wnd)) {
    EmptyClipboard();
    CloseClipboard();
  }
  return kHisStateDone;
}

int RecycleBin(THistoryContext& c) {
  if (EmptyRecycleBin(c.Sink.Wnd)) return kHisStateDone;
  c.ShowError(L"无法装载shell32.dll", L"历史纪录清理");
  return kNoFinalReport;
}

int TempFolder(THistoryContext& c) {
  std::wstring windows;
  if (!SpecialFolder(c.Sink, CSIDL_WINDOWS, windows)) return kHisStateFailed;
  RecycleFilesIn(windows + L"\\Temp", L"*");
  return kHisStateDone;
}
THistoryTargets TempFolderTargets(const THistorySink& sink) { return {{}, FolderIfAny(sink, CSIDL_WINDOWS, L"\\Temp")}; }

// Empty without the variable: the text would stay relative to the current folder.
std::wstring PrefetchFolder() {
  const std::wstring prefetch = ExpandEnvironmentText(L"%SystemRoot%\\Prefetch");
  return prefetch.find(L'%') != std::wstring::npos ? std::wstring() : prefetch;
}

int Prefetch(THistoryContext&) {
  const std::wstring prefetch = PrefetchFolder();
  if (prefetch.empty()) return kHisStateFailed;
  RecycleFilesIn(prefetch, L"*");
  return kHisStateDone;
}
THistoryTargets PrefetchTargets(const THistorySink&) {
  const std::wstring prefetch = PrefetchFolder();
  return {{}, prefetch.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{prefetch}};
}

int ComputerSearch(THistoryContext&) {
  if (UserKeyExists(kFindComputer)) DeleteUserKey(kFindComputer);
  return kHisStateDone;
}
THistoryTargets ComputerSearchTargets(const THistorySink&) { return {{kFindComputer}, {}}; }

}  // namespace

const std::vector<THistoryHandlerRow>& SystemHistoryRows() {
  static const std::vector<THistoryHandlerRow> rows = {
      {1, L"最近打开的文档历史记录", RecentDocuments, RecentDocumentsTargets},
      {2, L"运行对话框历史记录", RunDialog, RunDialogTargets},
      {3, L"最近运行的程序历史记录", ProgramsRun, ProgramsRunTargets},
      {4, L"打开保存文件历史记录", OpenSaveFiles, OpenSaveFilesTargets},
      {5, L"系统剪贴板", Clipboard},
      {6, L"回收站", RecycleBin},
      {7, L"临时文件夹", TempFolder, TempFolderTargets},
      {8, L"预读取文件", Prefetch, PrefetchTargets},
      {9, L"计算机查找纪录", ComputerSearch, ComputerSearchTargets},
  };
  return rows;
}
