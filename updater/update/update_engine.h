// The download sequence of an update, without its window: which files to fetch, fetching them
// one after the other with resume after a cancel, putting each into place, and recording the
// installed version. The updater's form shows what the callbacks report and starts the
// program named by ExeCommandLine() once Run() has finished.
#pragma once

#include <functional>
#include <string>
#include <vector>

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
  // empty then.
  bool Prepare();
  const std::vector<TUpdateFile>& Files() const { return files_; }
  int CurrentIndex() const { return currentIndex_; }

  // When the window is shown: asks the server for the current file's size and gives the
  // share already held in Temp\ in `percent`. False (with the connection error shown) on
  // failure, or when every file is already done.
  bool ProbeCurrentFile(int& percent);

  // Fetches the files from CurrentIndex() on and puts each into place. Finished: every file
  // is in place, FileIndex is 0, Temp\ is emptied, the version recorded and Sys.ini deleted.
  // Cancelled: the current file's partial download stays for the next Run(). Failed: the
  // failure was shown (or there was no file list at all); nothing more was recorded.
  TUpdateResult Run();
  // Asked from the window's message handling while Run() pumps.
  void Cancel() { cancelled_ = true; }
  bool Cancelled() const { return cancelled_; }

  // The program to start after a finished update: ExeName run from the program folder, or ""
  // when the version file names none.
  std::wstring ExeCommandLine() const;

 private:
  bool Fail(const std::wstring& text);
  std::wstring TempFileName(const TUpdateFile& file) const;
  void SetState(int index, TFileState state);
  bool Fetch(const TUpdateFile& file);
  void PutInPlace(const TUpdateFile& file);
  void Finish();

  TUpdateCallbacks callbacks_;
  unsigned long timeoutMs_;
  std::vector<TUpdateFile> files_;
  std::wstring exeName_;
  int currentIndex_ = 0;
  bool cancelled_ = false;
};
