#include "tools/shredder/shred_file.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "base/exact_file.h"
#include "base/files.h"
#include "base/strings.h"

namespace {

// Bytes written at a time; progress is reported between blocks.
constexpr DWORD kBlockSize = 64 * 1024;

char FillByte(wchar_t c) {
  const std::string bytes = WideToAnsi(std::wstring(1, c));
  return bytes.empty() ? '@' : bytes[0];
}

// One pass over the whole file; Stopped, WriteFailed or Shredded (meaning: written and flushed).
TShredResult WritePass(HANDLE file, long long size, char fill, int pass, int passes, const TShredEvents& events) {
  LARGE_INTEGER start = {};
  if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) return TShredResult::WriteFailed;
  if (events.OnProgress && !events.OnProgress(pass, passes, 0)) return TShredResult::Stopped;
  std::vector<char> block(static_cast<size_t>(std::min<long long>(size, kBlockSize)), fill);
  long long written = 0;
  int lastPercent = 0;
  while (written < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<long long>(size - written, kBlockSize));
    DWORD done = 0;
    if (!WriteFile(file, block.data(), chunk, &done, nullptr) || done != chunk) return TShredResult::WriteFailed;
    written += chunk;
    const int percent = static_cast<int>(written * 100 / size);
    if (percent != lastPercent) {
      lastPercent = percent;
      if (events.OnProgress && !events.OnProgress(pass, passes, percent)) return TShredResult::Stopped;
    }
  }
  return FlushFileBuffers(file) ? TShredResult::Shredded : TShredResult::WriteFailed;
}

}  // namespace

TShredResult ShredFile(const std::wstring& Path, const TSFOption& Option, const TShredEvents& Events) {
  // A read-only file is refused before anything is written: it could not be deleted afterwards,
  // and a process with the rights to override the attribute would otherwise overwrite it.
  const DWORD attributes = GetFileAttributesW(Path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
      !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
    return TShredResult::CannotOpen;
  // Exactly the listed file, never what a link points to; nobody else may write or delete it while
  // it is overwritten.
  TExactFile file(Path, GENERIC_WRITE | DELETE | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ);
  switch (file.Status()) {
    case TExactFileStatus::Opened: break;
    case TExactFileStatus::Missing: return TShredResult::Missing;
    case TExactFileStatus::Folder: return TShredResult::NotAFile;
    case TExactFileStatus::Link:
    case TExactFileStatus::OtherName: return TShredResult::ThroughLink;
    case TExactFileStatus::Failed: return TShredResult::CannotOpen;
  }
  // The data belongs to every name of a hard-linked file: overwriting it for one name would
  // destroy the others.
  if (file.LinkCount() > 1) return TShredResult::HardLinked;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Handle(), &size)) return TShredResult::CannotOpen;
  const int passes = PassCount(Option);
  for (int pass = 1; pass <= passes; ++pass) {
    const char fill = FillByte(FillCharOfPass(Option, pass));
    const TShredResult result = WritePass(file.Handle(), size.QuadPart, fill, pass, passes, Events);
    if (result != TShredResult::Shredded) return result;
    if (Events.OnPassDone) Events.OnPassDone(pass, fill);
  }
  if (!file.DeleteOnClose()) return TShredResult::CannotDelete;
  file.Close();
  return FileExists(Path) ? TShredResult::CannotDelete : TShredResult::Shredded;
}

std::wstring ShredStatusText(int Pass, int Passes, int Percent) {
  return Format(L"%2d/%2dtime %2d%%", Pass, Passes, Percent);
}

std::wstring ShredFailureText(TShredResult Result) {
  switch (Result) {
    case TShredResult::NotAFile: return L"a folder, not a file";
    case TShredResult::CannotOpen: return L"cannot be opened for writing (read-only or in use)";
    case TShredResult::WriteFailed: return L"could not be overwritten";
    case TShredResult::CannotDelete: return L"overwritten, but could not be deleted";
    case TShredResult::Stopped: return L"stopped before it was overwritten completely";
    case TShredResult::ThroughLink: return L"a link or a name that leads to another file: never shredded through";
    case TShredResult::HardLinked: return L"has more than one name (hard links): shredding it would destroy the others";
    default: return L"";
  }
}
