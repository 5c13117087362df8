// Handlers 201 to 309: the recent-file lists of Office and other applications.
#include <shlobj.h>

#include "base/exception.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/registry_key.h"
#include "cleaners/evidence/history_handler_kit.h"
#include "cleaners/evidence/shell_delete.h"

namespace {

const wchar_t* const kOfficeVersions[] = {L"8.0", L"9.0", L"10.0", L"11.0", L"12.0"};

int Word(THistoryContext&) {
  for (const wchar_t* version : kOfficeVersions) {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (reg.OpenKey(std::wstring(L"\\Software\\Microsoft\\Office\\") + version + L"\\Word\\Data", false))
      reg.DeleteValue(L"Settings");
  }
  return kHisStateDone;
}

int FrontPage(THistoryContext&) {
  const std::wstring base = L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\";
  for (const wchar_t* list : {L"Recent File List", L"Recent Page List", L"Recent Web List"}) DeleteUserKey(base + list);
  return kHisStateDone;
}

int OfficeLists(const wchar_t* application, const wchar_t* list) {
  for (const wchar_t* version : kOfficeVersions)
    DeleteUserKey(std::wstring(L"Software\\Microsoft\\Office\\") + version + L"\\" + application + L"\\" + list);
  return kHisStateDone;
}

int PowerPoint(THistoryContext&) { return OfficeLists(L"PowerPoint", L"Recent File List"); }

int Excel(THistoryContext&) { return OfficeLists(L"Excel", L"Recent Files"); }

int MediaPlayer(THistoryContext&) {
  DeleteUserKey(L"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList");
  DeleteUserKey(L"Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList");
  return kHisStateDone;
}

int Paint(THistoryContext&) {
  DeleteUserKey(L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List");
  return kHisStateDone;
}

int Wordpad(THistoryContext&) {
  DeleteUserKey(L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List");
  return kHisStateDone;
}

int OfficeRecent(THistoryContext& c) {
  std::wstring appData;
  if (!SpecialFolder(c.Sink, CSIDL_APPDATA, appData)) return kHisStateFailed;
  const std::wstring recent = appData + L"\\Microsoft\\Office\\Recent";
  if (DirectoryExists(recent)) RecycleFilesIn(recent, L"*");
  return kHisStateDone;
}

int WinRar(THistoryContext&) {
  DeleteUserKey(L"Software\\WinRAR\\ArcHistory");
  DeleteUserKey(L"Software\\WinRAR\\DialogEditHistory");
  return kHisStateDone;
}

int DeleteWhenPresent(const std::wstring& key) {
  if (UserKeyExists(key)) DeleteUserKey(key);
  return kHisStateDone;
}

int Dreamweaver(THistoryContext&) {
  return DeleteWhenPresent(L"Software\\macromedia\\Dreamweaver MX 2004\\Recent File List");
}

int Flash(THistoryContext&) { return DeleteWhenPresent(L"\\Software\\macromedia\\Flash 7\\Recent File List"); }

int EditPlus(THistoryContext&) {
  for (const wchar_t* version : {L"EditPlus 2", L"EditPlus 3"})
    for (const wchar_t* list : {L"Recent Dir List", L"Recent File List"})
      DeleteUserKeyValues(std::wstring(L"\\Software\\ES-Computing\\") + version + L"\\" + list);
  return kHisStateDone;
}

int UltraEdit(THistoryContext& c) {
  std::wstring appData;
  if (!SpecialFolder(c.Sink, CSIDL_APPDATA, appData)) return kHisStateFailed;
  const std::wstring file = appData + L"\\IDMComp\\UltraEdit\\Uedit32.ini";
  if (!FileExists(file)) return kHisStateDone;
  try {
    TIniFile(file).EraseSection(L"Recent File List");
  } catch (const Exception&) {
    return kHisStateFailed;  // a read-only file keeps its list
  }
  return kHisStateDone;
}

int WinZip(THistoryContext&) {
  DeleteUserKeyValues(L"\\Software\\Tessaly Computing\\WinZip\\filemenu");
  return kHisStateDone;
}

int AcdSee(THistoryContext&) {
  DeleteUserValues(L"\\Software\\ACD Systems\\ACDSee", {L"HistFileFilers", L"HistFindScope", L"HistPaths"});
  return kHisStateDone;
}

int AdobeReader(THistoryContext&) {
  for (const wchar_t* product : {L"Acrobat Reader", L"Adobe Acrobat"}) {
    const std::wstring productKey = std::wstring(L"\\Software\\Adobe\\") + product;
    if (!UserKeyExists(productKey)) continue;
    for (const wchar_t* version : {L"6.0", L"7.0", L"8.0", L"9.0"}) {
      const std::wstring recent = productKey + L"\\" + version + L"\\AVGeneral\\cRecentFiles";
      if (UserKeyExists(recent)) DeleteUserSubKeys(recent);
    }
  }
  return kHisStateDone;
}

int MediaPlayerClassic(THistoryContext&) {
  DeleteUserKeyValues(L"\\Software\\Merovan\\Media Player Classic\\Recent File List");
  return kHisStateDone;
}

}  // namespace

const std::vector<THistoryHandlerRow>& ApplicationHistoryRows() {
  static const std::vector<THistoryHandlerRow> rows = {
      {201, L"Word 历史记录", Word},
      {202, L"FrontPage 历史记录", FrontPage},
      {203, L"PowerPoint 历史记录", PowerPoint},
      {204, L"Excel 历史记录", Excel},
      {205, L"Media Player 历史记录", MediaPlayer},
      {206, L"画图历史记录", Paint},
      {207, L"写字板历史记录", Wordpad},
      {208, L"Office历史记录", OfficeRecent},
      {301, L"WinRAR历史记录", WinRar},
      {302, L"DreamWaver MX 2004", Dreamweaver},
      {303, L"Flash MX 2004", Flash},
      {304, L"EditPlus编辑软件", EditPlus},
      {305, L"UltraEdit编辑软件", UltraEdit},
      {306, L"WinZip编辑软件", WinZip},
      {307, L"ACDSee历史记录", AcdSee},
      {308, L"Adobe reader历史记录", AdobeReader},
      {309, L"暴风影音历史记录", MediaPlayerClassic},
  };
  return rows;
}
