#include "updater/update/update_files.h"

#include <windows.h>

#include <vector>

#include "base/date_time.h"
#include "base/exact_file.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/strings.h"

std::wstring UpdateIniPath() { return ProgramFolder() + L"Update.ini"; }
std::wstring SysIniPath() { return ProgramFolder() + L"Sys.ini"; }
std::wstring AppIniPath() { return ProgramFolder() + L"Config\\App.ini"; }
std::wstring TempFolder() { return ProgramFolder() + L"Temp\\"; }

TStringList SplitString(const std::wstring& text, const std::wstring& separator) {
  TStringList pieces;
  size_t start = 0;
  if (!separator.empty()) {
    for (size_t found; (found = text.find(separator, start)) != std::wstring::npos; start = found + separator.size())
      if (found > start) pieces.Add(text.substr(start, found - start));
  }
  if (start < text.size()) pieces.Add(text.substr(start));
  return pieces;
}

void DeleteFilesIn(const std::wstring& folder) {
  std::wstring path = IncludeTrailingBackslash(folder);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path + L"*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  std::vector<std::wstring> subfolders;
  do {
    std::wstring name = data.cFileName;
    if (Trim(name) == L"." || Trim(name) == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      subfolders.push_back(path + name);
    else if ((data.dwFileAttributes & ~0x3Fu) == 0 && !(data.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
      DeleteExactFile(path + name);  // a link goes nowhere: what it points to is not ours
  } while (FindNextFileW(find, &data));
  FindClose(find);
  for (const std::wstring& subfolder : subfolders) DeleteFilesIn(subfolder);
}

std::wstring ReadUpdateListUrl() { return TIniFile(UpdateIniPath()).ReadString(L"List", L"File", L""); }

TStringList ReadUpdateList() { return SplitString(ReadUpdateListUrl(), L","); }

int ReadFileIndex() { return TIniFile(UpdateIniPath()).ReadInteger(L"Server", L"FileIndex", 0); }

void WriteFileIndex(int index) { TIniFile(UpdateIniPath()).WriteInteger(L"Server", L"FileIndex", index); }

TStringList LoadFileList(std::wstring& exeName) {
  TIniFile sys(SysIniPath());
  exeName = sys.ReadString(L"Server", L"ExeName", L"");
  return SplitString(sys.ReadString(L"Server", L"FileList", L""), L",");
}

std::wstring ReadServerVersion() { return TIniFile(SysIniPath()).ReadString(L"Version", L"ver", L"0"); }

std::wstring VersionText() {
  TIniFile sys(SysIniPath());
  return L"Version:" + sys.ReadString(L"Version", L"ver", L"0") + L" Last Time:" + sys.ReadString(L"Update", L"Date", L"");
}

std::wstring ReadLocalVersion() { return TIniFile(AppIniPath()).ReadString(L"Version", L"ver", L"0"); }

void SaveInstalledVersion() {
  ForceDirectories(ExtractFilePath(AppIniPath()));
  TIniFile app(AppIniPath());
  app.WriteString(L"Version", L"ver", ReadServerVersion());
  app.WriteString(L"UpdateTime", L"Date", DateTimeToStr(Now()));
}

namespace {

// The numbers of a dotted version; false when a piece is empty or not all digits.
bool DottedNumbers(const std::wstring& text, std::vector<unsigned long long>& numbers) {
  std::wstring rest = Trim(text);
  size_t start = 0;
  for (;;) {
    size_t dot = rest.find(L'.', start);
    std::wstring piece = rest.substr(start, dot == std::wstring::npos ? std::wstring::npos : dot - start);
    if (piece.empty() || piece.size() > 18) return false;
    unsigned long long value = 0;
    for (wchar_t c : piece) {
      if (c < L'0' || c > L'9') return false;
      value = value * 10 + (c - L'0');
    }
    numbers.push_back(value);
    if (dot == std::wstring::npos) return true;
    start = dot + 1;
  }
}

}  // namespace

int CompareVersions(const std::wstring& a, const std::wstring& b) {
  std::vector<unsigned long long> x, y;
  if (DottedNumbers(a, x) && DottedNumbers(b, y)) {
    for (size_t i = 0; i < x.size() || i < y.size(); ++i) {
      unsigned long long p = i < x.size() ? x[i] : 0, q = i < y.size() ? y[i] : 0;
      if (p != q) return p < q ? -1 : 1;
    }
    return 0;
  }
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}
