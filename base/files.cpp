#include "base/files.h"

#include <windows.h>

#include <vector>

#include "base/exact_file.h"
#include "base/strings.h"

namespace {

std::wstring& ProgramFolderOverride() {
  static std::wstring folder;
  return folder;
}

bool IsDelimiter(wchar_t c) { return c == L'\\' || c == L'/' || c == L':'; }

size_t LastDelimiter(const std::wstring& path) {
  for (size_t i = path.size(); i > 0; --i)
    if (IsDelimiter(path[i - 1])) return i - 1;
  return std::wstring::npos;
}

}  // namespace

std::wstring ProgramExePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::wstring();
    if (n < buffer.size()) return std::wstring(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring ProgramFolder() {
  if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
  std::wstring path = ProgramExePath();
  if (path.empty()) return path;
  // Wine names a program started from a folder outside every drive "unix\..." with no
  // root; the same file is reachable as "\\?\unix\...".
  if (path.compare(0, 5, L"unix\\") == 0) path = L"\\\\?\\" + path;
  return ExtractFilePath(path);
}

void SetProgramFolderForTesting(const std::wstring& folder) {
  ProgramFolderOverride() = folder.empty() ? folder : IncludeTrailingBackslash(folder);
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::wstring& path) {
  std::wstring folder = ExcludeTrailingBackslash(path);
  if (folder.empty()) return false;
  if (DirectoryExists(folder)) return true;
  std::wstring parent = ExcludeTrailingBackslash(ExtractFilePath(folder));
  // The drive ("C:") or a share root ends the climb.
  if (!parent.empty() && parent.size() < folder.size() && parent.back() != L':' && !ForceDirectories(parent))
    return false;
  return CreateDirectoryW(folder.c_str(), nullptr) || DirectoryExists(folder);
}

std::wstring ExtractFilePath(const std::wstring& path) {
  size_t i = LastDelimiter(path);
  return i == std::wstring::npos ? std::wstring() : path.substr(0, i + 1);
}

std::wstring ExtractFileName(const std::wstring& path) {
  size_t i = LastDelimiter(path);
  return i == std::wstring::npos ? path : path.substr(i + 1);
}

std::wstring ExtractFileExt(const std::wstring& path) {
  std::wstring name = ExtractFileName(path);
  size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

std::wstring ChangeFileExt(const std::wstring& path, const std::wstring& extension) {
  std::wstring ext = ExtractFileExt(path);
  return path.substr(0, path.size() - ext.size()) + extension;
}

std::wstring IncludeTrailingBackslash(const std::wstring& path) {
  if (!path.empty() && path.back() == L'\\') return path;
  return path + L'\\';
}

std::wstring ExcludeTrailingBackslash(const std::wstring& path) {
  if (!path.empty() && path.back() == L'\\') return path.substr(0, path.size() - 1);
  return path;
}

std::wstring FullPathName(const std::wstring& path) {
  if (path.empty()) return L"";
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return L"";
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
  full.resize(length < needed ? length : 0);
  return full;
}

std::wstring ExpandEnvironmentText(const std::wstring& text) {
  DWORD n = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (n == 0) return text;
  std::vector<wchar_t> buffer(n + 1);
  DWORD m = ExpandEnvironmentStringsW(text.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (m == 0 || m > buffer.size()) return text;
  return std::wstring(buffer.data());
}

std::wstring EnvironmentVariable(const std::wstring& Name) {
  const DWORD needed = GetEnvironmentVariableW(Name.c_str(), nullptr, 0);
  std::wstring value;
  if (needed > 0) {
    value.resize(needed);
    const DWORD got = GetEnvironmentVariableW(Name.c_str(), value.data(), needed);
    value.resize(got < needed ? got : 0);
  }
  return value;
}

std::wstring CreateUniqueTempFolder(const std::wstring& prefix) {
  wchar_t temp[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, temp);
  if (n == 0 || n > MAX_PATH) return std::wstring();
  std::wstring base = IncludeTrailingBackslash(temp);
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    std::wstring folder = base + prefix + std::to_wstring(GetCurrentProcessId()) + L"_" +
                          std::to_wstring(GetTickCount() + attempt);
    if (CreateDirectoryW(folder.c_str(), nullptr)) return folder + L'\\';
    if (GetLastError() != ERROR_ALREADY_EXISTS) return std::wstring();
  }
  return std::wstring();
}

bool DeleteFolderTree(const std::wstring& path) {
  std::wstring folder = ExcludeTrailingBackslash(path);
  if (folder.empty()) return false;
  const DWORD rootAttributes = GetFileAttributesW(folder.c_str());
  if (rootAttributes == INVALID_FILE_ATTRIBUTES) return true;
  // A link in the folder's place goes alone: what it points to is somebody else's.
  if (rootAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return RemoveLinkOnly(folder);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring child = folder + L'\\' + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        RemoveLinkOnly(child);
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteFolderTree(child);
      } else {
        // Only the file listed here: a host link that lists as a plain file is left alone.
        DeleteExactFile(child);
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  return RemoveDirectoryW(folder.c_str()) || !DirectoryExists(folder);
}

namespace {

bool FileSize(const std::wstring& path, unsigned long long& size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

}  // namespace

bool ReplaceWithCopy(const std::wstring& Source, const std::wstring& Target, std::wstring& Failure) {
  const std::wstring partial = Target + L".partial";
  // A leftover of an earlier attempt goes first; a link in its place is never written through.
  if (GetFileAttributesW(partial.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteExactFile(partial)) {
    Failure = L"the temporary file " + partial + L" is in the way";
    return false;
  }
  unsigned long long sourceSize = 0, copiedSize = 0;
  if (!FileSize(Source, sourceSize) || !CopyFileW(Source.c_str(), partial.c_str(), TRUE)) {
    Failure = SysErrorMessage(GetLastError());
    DeleteExactFile(partial);
    return false;
  }
  // A copy that ended early (a full disk, a read that failed) is shorter than its source.
  if (!FileSize(partial, copiedSize) || copiedSize != sourceSize) {
    Failure = L"the copy is incomplete (" + std::to_wstring(copiedSize) + L" of " + std::to_wstring(sourceSize) +
              L" bytes)";
    DeleteExactFile(partial);
    return false;
  }
  if (!MoveFileExW(partial.c_str(), Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Failure = SysErrorMessage(GetLastError());
    DeleteExactFile(partial);
    return false;
  }
  return true;
}
