// Handlers 1 to 9: the system's own lists, the clipboard, the Recycle Bin, temporary and
// prefetch files.
#include <shlobj.h>

#include "base/files.h"
#include "cleaners/evidence/history_handler_kit.h"
#include "cleaners/evidence/shell_delete.h"

namespace {

const std::wstring kExplorer = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

int ByDelete(bool deleted) { return deleted ? kHisStateDone : kHisStateFailed; }

int RecentDocuments(THistoryContext& c) {
  std::wstring recent;
  if (!SpecialFolder(c.Sink, CSIDL_RECENT, recent)) return kHisStateFailed;
  if (!DeleteUserKey(kExplorer + L"RecentDocs")) return kHisStateFailed;
  RecycleFilesIn(recent, L"*.lnk");
  return kHisStateDone;
}

int RunDialog(THistoryContext&) { return ByDelete(DeleteUserKey(kExplorer + L"RunMRU")); }

int ProgramsRun(THistoryContext& c) {
  if (!DeleteUserKey(kExplorer + L"ComDlg32\\LastVisitedMRU")) c.Report(kHisStateFailed);
  return ByDelete(DeleteUserKey(kExplorer + L"UserAssist"));
}

int OpenSaveFiles(THistoryContext&) { return ByDelete(DeleteUserKey(kExplorer + L"ComDlg32\\OpenSaveMRU")); }

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

int Prefetch(THistoryContext&) {
  const std::wstring prefetch = ExpandEnvironmentText(L"%SystemRoot%\\Prefetch");
  // Without the variable the text would stay relative to the current folder.
  if (prefetch.find(L'%') != std::wstring::npos) return kHisStateFailed;
  RecycleFilesIn(prefetch, L"*");
  return kHisStateDone;
}

int ComputerSearch(THistoryContext&) {
  const std::wstring key = kExplorer + L"FindComputerMRU";
  if (UserKeyExists(key)) DeleteUserKey(key);
  return kHisStateDone;
}

}  // namespace

const std::vector<THistoryHandlerRow>& SystemHistoryRows() {
  static const std::vector<THistoryHandlerRow> rows = {
      {1, L"最近打开的文档历史记录", RecentDocuments},
      {2, L"运行对话框历史记录", RunDialog},
      {3, L"最近运行的程序历史记录", ProgramsRun},
      {4, L"打开保存文件历史记录", OpenSaveFiles},
      {5, L"系统剪贴板", Clipboard},
      {6, L"回收站", RecycleBin},
      {7, L"临时文件夹", TempFolder},
      {8, L"预读取文件", Prefetch},
      {9, L"计算机查找纪录", ComputerSearch},
  };
  return rows;
}
