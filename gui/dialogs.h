// The open-file dialog over GetOpenFileNameW, with its filter and multi-selection decoding kept
// apart from the window so that they can be tested without a user.
#pragma once

#include <windows.h>
// commdlg.h needs windows.h first.
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/classes.h"

enum class TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
  ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
  ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
  ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;
extern const TEnumInfo OpenOptionInfo;

// "Text files (*.txt)|*.txt|All files|*.*" as the dialog takes it: pairs of NUL-ended texts and
// a final NUL. A description without a pattern lists every file ("*.*").
std::wstring DialogFilter(const std::wstring& filter);
// The names the dialog returned in its buffer: one full path, or (multi-selection) the folder
// followed by names, each NUL-ended, with an empty one at the end. Full paths come back.
std::vector<std::wstring> SelectedFiles(const wchar_t* buffer, size_t size);
// The OFN_* flags of the options (always the explorer look).
DWORD OpenFlags(TOpenOptions options);

// The call that shows the dialog; tests put their own in its place.
using TOpenFileNameFunc = std::function<BOOL(OPENFILENAMEW* ofn)>;
void SetOpenFileNameFunc(TOpenFileNameFunc func);

class TOpenDialog : public TComponent {
  QS_CLASS(TOpenDialog)

 public:
  explicit TOpenDialog(TComponent* owner);

  const std::wstring& Filter() const { return filter_; }
  void SetFilter(const std::wstring& value) { filter_ = value; }
  // 1 is the first filter.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  const std::wstring& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::wstring& value) { initialDir_ = value; }
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& value) { title_ = value; }
  const std::wstring& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::wstring& value) { defaultExt_ = value; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions value) { options_ = value; }
  // The chosen file (the first of several); set beforehand, it is the dialog's suggestion.
  const std::wstring& FileName() const { return fileName_; }
  void SetFileName(const std::wstring& value) { fileName_ = value; }
  // Every chosen file, in the dialog's order.
  const std::vector<std::wstring>& Files() const { return files_; }

  // Shows the dialog; true when the user confirmed a choice.
  bool Execute();

 private:
  std::wstring filter_, initialDir_, title_, defaultExt_, fileName_;
  int filterIndex_ = 1;
  TOpenOptions options_{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
  std::vector<std::wstring> files_;
};

void RegisterDialogClasses();
