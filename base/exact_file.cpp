#include "base/exact_file.h"

#include <vector>

namespace {

// The volume-relative name FileNameInfo reports for a recorded path: "X:\a\b" gives "\a\b",
// "\\server\share\a" gives "\server\share\a"; "" for a path that is not full.
std::wstring VolumeRelativeName(std::wstring path) {
  if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\" + path.substr(7);
  if (path.compare(0, 4, L"\\\\?\\") == 0) path = path.substr(4);
  if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return path.substr(2);
  if (path.compare(0, 2, L"\\\\") == 0) return path.substr(1);
  return std::wstring();
}

bool IsMissingError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool SetDeleteDisposition(HANDLE handle) {
  FILE_DISPOSITION_INFO disposition = {TRUE};
  return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof(disposition));
}

bool SetAttributesOf(HANDLE handle, DWORD attributes) {
  FILE_BASIC_INFO basic = {};  // zero times leave the times as they are
  basic.FileAttributes = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
  return SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof(basic));
}

}  // namespace

namespace {

// The name the open handle has in its volume ("\a\b"); "" when the system does not say.
std::wstring OpenedName(HANDLE handle) {
  std::vector<BYTE> buffer(sizeof(FILE_NAME_INFO) + 2 * MAX_PATH * sizeof(wchar_t));
  for (;;) {
    if (GetFileInformationByHandleEx(handle, FileNameInfo, buffer.data(), static_cast<DWORD>(buffer.size()))) break;
    if (GetLastError() != ERROR_MORE_DATA || buffer.size() > 1u << 20) return std::wstring();
    buffer.resize(buffer.size() * 2);
  }
  const auto* info = reinterpret_cast<const FILE_NAME_INFO*>(buffer.data());
  return std::wstring(info->FileName, info->FileNameLength / sizeof(wchar_t));
}

std::wstring LastPart(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

bool SameIdentity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

// Whether the handle is the entry the folder lists under Path's name, when the two names differ
// in letter case only. The listing gives the entry's own spelling: under a case-sensitive file
// system "twin.tmp" may be a link to "TWIN.TMP" beside it, whose name the handle then reports.
// The listed spelling must be the handle's, and the entry opened by that spelling must be the
// same file (volume serial and file index).
bool IsListedEntry(HANDLE handle, const std::wstring& Path, const std::wstring& openedName) {
  const std::wstring recorded = LastPart(Path);
  if (recorded.empty() || recorded.find_first_of(L"*?") != std::wstring::npos) return false;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(Path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  const std::wstring listed = data.cFileName;
  if (listed != LastPart(openedName)) return false;
  const std::wstring listedPath = Path.substr(0, Path.size() - recorded.size()) + listed;
  HANDLE entry = CreateFileW(listedPath.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (entry == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION listedInfo = {}, openedInfo = {};
  const bool same = GetFileInformationByHandle(entry, &listedInfo) && GetFileInformationByHandle(handle, &openedInfo) &&
                    SameIdentity(listedInfo, openedInfo);
  CloseHandle(entry);
  return same;
}

}  // namespace

bool HandleIsRecordedEntry(HANDLE Handle, const std::wstring& Path) {
  const std::wstring expected = VolumeRelativeName(Path);
  if (expected.empty()) return false;
  const std::wstring opened = OpenedName(Handle);
  if (opened.empty()) return false;
  if (opened == expected) return true;
  const bool caseOnly = CompareStringOrdinal(opened.c_str(), static_cast<int>(opened.size()), expected.c_str(),
                                             static_cast<int>(expected.size()), TRUE) == CSTR_EQUAL;
  return caseOnly && IsListedEntry(Handle, Path, opened);
}

TExactFile::TExactFile(const std::wstring& Path, DWORD Access, DWORD Share) {
  // The path's own entry first: a link reports itself there (a host folder link too).
  const DWORD attributes = GetFileAttributesW(Path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    status_ = IsMissingError(GetLastError()) ? TExactFileStatus::Missing : TExactFileStatus::Failed;
    return;
  }
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    status_ = TExactFileStatus::Link;
    return;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    status_ = TExactFileStatus::Folder;
    return;
  }
  handle_ = CreateFileW(Path.c_str(), Access | FILE_READ_ATTRIBUTES, Share, nullptr, OPEN_EXISTING,
                        FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) {
    status_ = IsMissingError(GetLastError()) ? TExactFileStatus::Missing : TExactFileStatus::Failed;
    return;
  }
  if (!GetFileInformationByHandle(handle_, &info_)) {
    status_ = TExactFileStatus::Failed;
  } else if (info_.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    status_ = TExactFileStatus::Link;
  } else if (info_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    status_ = TExactFileStatus::Folder;
  } else if (!HandleIsRecordedEntry(handle_, Path)) {
    status_ = TExactFileStatus::OtherName;
  } else {
    status_ = TExactFileStatus::Opened;
    return;
  }
  Close();
}

TExactFile::~TExactFile() { Close(); }

void TExactFile::Close() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

bool TExactFile::DeleteOnClose() {
  if (!Opened()) return false;
  const DWORD attributes = info_.dwFileAttributes;
  const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
  if (readOnly && !SetAttributesOf(handle_, attributes & ~DWORD(FILE_ATTRIBUTE_READONLY))) return false;
  if (SetDeleteDisposition(handle_)) return true;
  if (readOnly) SetAttributesOf(handle_, attributes);
  return false;
}

bool DeleteExactFile(const std::wstring& Path) {
  TExactFile file(Path, DELETE | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  if (!file.DeleteOnClose()) return false;
  file.Close();
  return GetFileAttributesW(Path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool RemoveLinkOnly(const std::wstring& Path) {
  const DWORD attributes = GetFileAttributesW(Path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
  HANDLE link = CreateFileW(Path.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (link == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info = {};
  // Only a handle to the link itself may carry the deletion: anything else is its target.
  const bool isTheLink = GetFileInformationByHandle(link, &info) &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && HandleIsRecordedEntry(link, Path);
  const bool marked = isTheLink && SetDeleteDisposition(link);
  CloseHandle(link);
  return marked && GetFileAttributesW(Path.c_str()) == INVALID_FILE_ATTRIBUTES;
}
