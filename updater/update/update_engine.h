// The download sequence of an update, without its window: which files to fetch, fetching them
// one after the other with resume after a cancel, putting each into place, and recording the
// installed version. The updater's form shows what the callbacks report and starts the
// program named by ExeCommandLine() once Run() has finished.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "updater/http/http_download.h"

enum class TFileState { Waiting, Downloading, Done };

// "准备中", "进行中", "已完成": the texts of a file's row.
std::wstring FileStateText(TFileState state);

// The texts of the boxes the sequence shows: a failed transfer or copy, and a failed size
// query when the window opens. Each is followed by a line break, "详细报告：" and `detail`.
std::wstring UpdateErrorText(const std::wstring& detail);
std::wstring ConnectErrorText(const std::wstring& detail);

struct TUpdateFile {
  std::wstring Url;
  std::wstring Host;
  std::wstring Path;       // on the server, without its leading "/"
  std::wstring LocalName;  // below Temp\ and below the program folder
  std::wstring Caption;    // the address's text after its last "/"
  TFileState State = TFileState::Waiting;
};

struct TUpdateCallbacks {
  // A box for the user (the updater's ShowInfo).
  std::function<void(const std::wstring& text)> ShowMessage;
  std::function<void(int index, TFileState state)> FileStateChanged;
  // The progress text and the gauge's percent of the file being fetched.
  std::function<void(const std::wstring& text, int percent)> Progress;
  // Between chunks of a transfer and between files: the window handles its messages here.
  std::function<void()> ProcessMessages;
};

enum class TUpdateResult { Finished, Cancelled, Failed };

class TUpdateEngine {
 public:
  explicit TUpdateEngine(TUpdateCallbacks callbacks, unsigned long timeoutMs = 60000);

  // When the window is created: Temp\ made and emptied, the server's version file fetched
  // into Sys.ini, the update's files listed from it. False (with the failure shown) when the
  // version file could not be fetched or names a file or program that is refused; Files() is
  // empty then. CurrentIndex() is Update.ini's FileIndex when that is a place in the list, else 0.
  bool Prepare();
  const std::vector<TUpdateFile>& Files() const { return files_; }
  int CurrentIndex() const { return currentIndex_; }

  // When the window is shown: asks the server for the current file's size and gives the
  // share already held in Temp\ in `percent`. False (with the connection error shown) on
  // failure; false without a box when there is no current file or Cancel() came meanwhile.
  bool ProbeCurrentFile(int& percent);

  // Fetches the files from CurrentIndex() on and puts each into place. Finished: every file
  // is in place, FileIndex is 0, Temp\ is emptied, the version recorded and Sys.ini deleted.
  // Cancelled: the current file's partial download stays for the next Run(). Failed: the
  // failure was shown (or there was no file list at all); nothing more was recorded.
  TUpdateResult Run();
  // Asked from the window's message handling while Run() pumps.
  void Cancel() { cancelled_ = true; }
  bool Cancelled() const { return cancelled_; }

  // The program to start after a finished update: ExeName's program below the program folder
  // (full path) and the command line it gets (that path quoted, then ExeName's arguments); ""
  // when the version file names none.
  std::wstring ExeApplicationName() const;
  std::wstring ExeCommandLine() const;
  // Starts it, shown normally, in the updater's own current folder; false when there is none,
  // when its full path is not inside the program folder, or when it cannot be started.
  bool StartProgram() const;

 private:
  bool Fail(const std::wstring& text);
  std::wstring TempFileName(const TUpdateFile& file) const;
  void SetState(int index, TFileState state);
  // Transfers a file into Temp\; the version file with its size and time bounds.
  bool Fetch(const TUpdateFile& file, bool versionFile);
  TDownloadCallbacks TransferCallbacks();
  void PutInPlace(const TUpdateFile& file);
  void Finish();

  TUpdateCallbacks callbacks_;
  unsigned long timeoutMs_;
  std::vector<TUpdateFile> files_;
  std::wstring exeName_;
  int currentIndex_ = 0;
  bool cancelled_ = false;
};
