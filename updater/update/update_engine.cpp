#include "updater/update/update_engine.h"

#include <windows.h>

#include "base/exact_file.h"
#include "base/exception.h"
#include "base/files.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "updater/http/download_progress.h"
#include "updater/http/http_download.h"
#include "updater/http/url.h"
#include "base/safe_names.h"
#include "updater/update/start_program.h"
#include "updater/update/update_files.h"

namespace {

std::wstring LastErrorText() {
  DWORD code = GetLastError();
  std::wstring message = SysErrorMessage(code);
  return message.empty() ? Format(L"error %lu", code) : message;
}

long long FileSizeOf(const std::wstring& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return 0;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// ExeName's program (quoted or up to the first blank) and the rest after it as it stands, leading
// blank included: the command line appends it to the quoted program.
void SplitExeName(const std::wstring& commandLine, std::wstring& program, std::wstring& arguments) {
  std::wstring text = Trim(commandLine);
  size_t end = text.empty() || text[0] != L'"' ? text.find(L' ') : text.find(L'"', 1);
  if (!text.empty() && text[0] == L'"') {
    program = text.substr(1, end == std::wstring::npos ? std::wstring::npos : end - 1);
    arguments = end == std::wstring::npos ? std::wstring() : text.substr(end + 1);
  } else {
    program = text.substr(0, end);
    arguments = end == std::wstring::npos ? std::wstring() : text.substr(end);
  }
}

TUpdateFile DescribeFile(const std::wstring& url) {
  TUpdateFile file;
  file.Url = url;
  file.Host = UrlHost(url);
  file.Path = UrlPath(url);
  file.LocalName = UrlLocalName(file.Path);
  size_t slash = url.rfind(L'/');
  file.Caption = slash == std::wstring::npos ? url : url.substr(slash + 1);
  SplitHostPort(file.Host);  // raises for a bad host or port
  if (!IsSafeRelativePath(file.LocalName)) throw Exception(L"Refused file name \"" + file.LocalName + L"\"");
  return file;
}

}  // namespace

std::wstring FileStateText(TFileState state) {
  switch (state) {
    case TFileState::Waiting:
      return L"准备中";
    case TFileState::Downloading:
      return L"进行中";
    case TFileState::Done:
      return L"已完成";
  }
  return std::wstring();
}

std::wstring UpdateErrorText(const std::wstring& detail) { return L"更新出现错误，请联系管理员!\r\n详细报告：" + detail; }

std::wstring ConnectErrorText(const std::wstring& detail) { return L"连接错误，请联系管理员!\r\n详细报告：" + detail; }

TUpdateEngine::TUpdateEngine(TUpdateCallbacks callbacks, unsigned long timeoutMs)
    : callbacks_(std::move(callbacks)), timeoutMs_(timeoutMs) {}

bool TUpdateEngine::Fail(const std::wstring& text) {
  if (callbacks_.ShowMessage) callbacks_.ShowMessage(text);
  return false;
}

std::wstring TUpdateEngine::TempFileName(const TUpdateFile& file) const {
  return TempFolder() + ToWindowsPath(file.LocalName) + L".tmp";
}

void TUpdateEngine::SetState(int index, TFileState state) {
  files_[index].State = state;
  if (callbacks_.FileStateChanged) callbacks_.FileStateChanged(index, state);
}

bool TUpdateEngine::Prepare() {
  files_.clear();
  cancelled_ = false;
  // Partial files of an earlier run are never resumed: they may belong to another version.
  ForceDirectories(TempFolder());
  DeleteFilesIn(TempFolder());
  TStringList addresses = ReadUpdateList();
  if (addresses.Count() == 0) return false;
  std::vector<TUpdateFile> files;
  try {
    TUpdateFile versionFile = DescribeFile(addresses[0]);
    std::wstring fetched = TempFileName(versionFile);
    if (!Fetch(versionFile, true)) throw Exception(L"The version file's transfer was cancelled");
    if (!MoveFileExW(fetched.c_str(), SysIniPath().c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
      throw Exception(L"Cannot write \"" + SysIniPath() + L"\": " + LastErrorText());
    TStringList urls = LoadFileList(exeName_);
    for (const std::wstring& url : urls.Strings()) files.push_back(DescribeFile(url));
    // The count of files already installed: anything that is not a place in this list (a
    // stale or planted value) starts the update from its first file.
    currentIndex_ = ReadFileIndex();
    if (currentIndex_ < 0 || currentIndex_ >= static_cast<int>(files.size())) currentIndex_ = 0;
    std::wstring program, arguments;
    SplitExeName(exeName_, program, arguments);
    if (!exeName_.empty() && !IsSafeRelativePath(program))
      throw Exception(L"Refused program name \"" + exeName_ + L"\"");
  } catch (const Exception& e) {
    return Fail(UpdateErrorText(e.Message()));
  }
  for (size_t i = 0; i < files.size(); ++i)
    files[i].State = static_cast<int>(i) < currentIndex_ ? TFileState::Done : TFileState::Waiting;
  files_ = std::move(files);
  return true;
}

TDownloadCallbacks TUpdateEngine::TransferCallbacks() {
  TDownloadCallbacks callbacks;
  callbacks.Cancelled = [this] { return cancelled_; };
  callbacks.Progress = [this](long long offset, long long received, long long replyLength) {
    if (callbacks_.Progress)
      callbacks_.Progress(DownloadProgressText(received, replyLength), DownloadPercent(offset, received, replyLength));
  };
  callbacks.ProcessMessages = callbacks_.ProcessMessages;
  return callbacks;
}

bool TUpdateEngine::ProbeCurrentFile(int& percent) {
  percent = 0;
  if (currentIndex_ < 0 || currentIndex_ >= static_cast<int>(files_.size())) return false;
  const TUpdateFile& file = files_[currentIndex_];
  long long held = FileSizeOf(TempFileName(file));
  cancelled_ = false;
  try {
    long long total = QueryFileSize(file.Host, file.Path, TransferCallbacks(), timeoutMs_);
    if (total < 0) return false;  // the window is closing
    percent = static_cast<int>((held < total ? held : total) * 100 / total);
  } catch (const Exception& e) {
    return Fail(ConnectErrorText(e.Message()));
  }
  return true;
}

bool TUpdateEngine::Fetch(const TUpdateFile& file, bool versionFile) {
  TDownloadRequest request{file.Host, file.Path, TempFileName(file), true, timeoutMs_};
  if (versionFile) {
    request.MaxSize = kMaxVersionFileSize;
    request.TotalTimeoutMs = kVersionFileTimeoutMs;
  }
  ForceDirectories(ExtractFilePath(request.FileName));
  return DownloadFile(request, TransferCallbacks()) == TDownloadResult::Complete;
}

void TUpdateEngine::PutInPlace(const TUpdateFile& file) {
  // The complete download goes beside the target first and then replaces it in one rename,
  // so a failed copy never leaves a damaged program file behind.
  std::wstring target = ProgramFolder() + ToWindowsPath(file.LocalName);
  std::wstring staged = target + L".update";
  if (!ForceDirectories(ExtractFilePath(target)))
    throw Exception(L"Cannot create the folder \"" + ExtractFilePath(target) + L"\"");
  if (!CopyFileW(TempFileName(file).c_str(), staged.c_str(), FALSE) ||
      !MoveFileExW(staged.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    std::wstring reason = LastErrorText();
    DeleteFileW(staged.c_str());
    throw Exception(L"Cannot copy \"" + file.LocalName + L"\" into place: " + reason);
  }
}

void TUpdateEngine::Finish() {
  currentIndex_ = 0;
  WriteFileIndex(0);
  if (DirectoryExists(TempFolder())) DeleteFilesIn(TempFolder());
  SaveInstalledVersion();
  DeleteExactFile(SysIniPath());
}

TUpdateResult TUpdateEngine::Run() {
  // Without a file list (nothing fetched, or names refused) there is nothing to record either.
  if (files_.empty()) return TUpdateResult::Failed;
  cancelled_ = false;
  for (int index = currentIndex_; index < static_cast<int>(files_.size()); ++index) {
    currentIndex_ = index;
    if (callbacks_.ProcessMessages) callbacks_.ProcessMessages();
    SetState(index, TFileState::Downloading);
    try {
      if (!Fetch(files_[index], false)) {
        SetState(index, TFileState::Waiting);
        return TUpdateResult::Cancelled;
      }
      PutInPlace(files_[index]);
    } catch (const Exception& e) {
      Fail(UpdateErrorText(e.Message()));
      return TUpdateResult::Failed;
    }
    SetState(index, TFileState::Done);
    DeleteExactFile(TempFileName(files_[index]));
  }
  if (cancelled_) return TUpdateResult::Cancelled;
  try {
    Finish();
  } catch (const Exception& e) {
    Fail(UpdateErrorText(e.Message()));
    return TUpdateResult::Failed;
  }
  return TUpdateResult::Finished;
}

std::wstring TUpdateEngine::ExeApplicationName() const {
  std::wstring program, arguments;
  SplitExeName(exeName_, program, arguments);
  if (program.empty()) return std::wstring();
  return ProgramFolder() + ToWindowsPath(program);
}

std::wstring TUpdateEngine::ExeCommandLine() const {
  std::wstring program, arguments;
  SplitExeName(exeName_, program, arguments);
  if (program.empty()) return std::wstring();
  return QuotedPath(ExeApplicationName()) + arguments;
}

bool TUpdateEngine::StartProgram() const {
  std::wstring application = ExeApplicationName();
  if (application.empty()) return false;
  return StartProgramInFolder(ProgramFolder(), application, ExeCommandLine());
}
