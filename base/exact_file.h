// Opening exactly the file a caller recorded, before deleting or overwriting it. A link at that
// name (a symbolic link or junction, or a host link the platform resolves without a word) is never
// followed, and a name the platform's path rules would change (a trailing blank or dot is dropped,
// so "a.txt " opens "a.txt") never reaches its neighbour.
#pragma once

#include <windows.h>

#include <string>

enum class TExactFileStatus {
  Opened,     // exactly the recorded file
  Missing,    // nothing by that name
  Folder,     // a folder, not a file
  Link,       // a link
  OtherName,  // the system opened a file of another name (through a link, or a changed name)
  Failed,     // there, but not opened (rights, sharing)
};

class TExactFile {
 public:
  // Access and Share as for CreateFile. The file is opened without following reparse points.
  TExactFile(const std::wstring& Path, DWORD Access, DWORD Share);
  ~TExactFile();
  TExactFile(const TExactFile&) = delete;
  TExactFile& operator=(const TExactFile&) = delete;

  TExactFileStatus Status() const { return status_; }
  bool Opened() const { return status_ == TExactFileStatus::Opened; }
  HANDLE Handle() const { return handle_; }
  DWORD Attributes() const { return info_.dwFileAttributes; }
  // Names the file has in its volume (hard links); 1 for an ordinary file.
  DWORD LinkCount() const { return info_.nNumberOfLinks; }
  // Deletes the opened file (its read-only flag cleared first) when the handle closes; the handle
  // needs DELETE and FILE_WRITE_ATTRIBUTES access. False, with the flag put back, when the system
  // refuses.
  bool DeleteOnClose();
  void Close();

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  TExactFileStatus status_ = TExactFileStatus::Failed;
  BY_HANDLE_FILE_INFORMATION info_ = {};
};

// True when the open handle's own name is Path (a full "X:\..." or "\\server\share\..." path):
// not a link's target, not a name the path rules changed. Names compare exactly; one that differs
// in letter case only passes when the folder lists Path's entry in the handle's spelling and that
// entry is the same file (volume serial and file index).
bool HandleIsRecordedEntry(HANDLE Handle, const std::wstring& Path);

// Deletes Path permanently when it is exactly the recorded file; true when it is gone.
bool DeleteExactFile(const std::wstring& Path);

// Removes the link (a symbolic link or junction) at Path itself, never what it points to. False,
// with nothing changed, when Path is not a link that can be removed on its own (a host link under
// Wine resolves to its target whatever flags are given, so it is left alone).
bool RemoveLinkOnly(const std::wstring& Path);
