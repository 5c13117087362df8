#pragma once
// The junk cleaner page: the user picks fixed drives, scans them for junk files, reviews the files
// found and deletes the chosen ones permanently or into the Recycle Bin. The engine
// (cleaners/junk/) does the work; the page shows it. Tabs: ts1 start, ts2 scanning, ts3 results,
// ts4 cleaning, ts5 summary.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "gui/pagekit/image_ex.h"
#include "cleaners/junk/junk_task.h"
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/pages.h"
#include "gui/pagekit/wizard_steps.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"

class TfrmWasteCleaner : public TForm {
  QS_FORM(TfrmWasteCleaner)

 public:
  explicit TfrmWasteCleaner(TComponent* owner);
  // Stops a scan that is still running, so the engine returns at its next entry.
  ~TfrmWasteCleaner() override;

  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TPageControl* pgc1 = nullptr;
  TImageList* il1 = nullptr;
  TTabSheet* ts1 = nullptr;
  TTabSheet* ts2 = nullptr;
  TTabSheet* ts3 = nullptr;
  TTabSheet* ts4 = nullptr;
  TTabSheet* ts5 = nullptr;
  TLabel* lblLastDT = nullptr;
  TLabel* lblLast = nullptr;
  TLabel* lblLastScan = nullptr;
  TLabel* lblLastClear = nullptr;
  TVirtualStringTree* vstDrive = nullptr;
  TCheckBox* chkSeleAllDrive = nullptr;
  TImageEx* btnScan = nullptr;
  TLabel* lblSearchFile = nullptr;
  TLabel* lblTmpResult = nullptr;
  TImageEx* btnCancelScan = nullptr;
  TVirtualStringTree* vstDrive1 = nullptr;
  TProgressBar* pb2 = nullptr;
  TLabel* lblResult = nullptr;
  TCheckBox* chkResultAll = nullptr;
  TVirtualStringTree* vstScanResult = nullptr;
  TImageEx* btnClear = nullptr;
  TLabel* lblResult_1 = nullptr;
  TLabel* lblClearFile = nullptr;
  TButton* btnCancelClear = nullptr;
  TProgressBar* pb1 = nullptr;
  TLabel* lblError = nullptr;
  TLabel* lblFix = nullptr;
  TImageEx* btnFinish = nullptr;
  TGroupBox* grp5 = nullptr;
  TLabel* lblProcessResult = nullptr;
  TLabel* lblProcessDetail = nullptr;

  void FormCreate(TObject* Sender);
  void btnScanClick(TObject* Sender);
  void btnCancelScanClick(TObject* Sender);
  void btnFinishClick(TObject* Sender);
  void chkResultAllClick(TObject* Sender);
  void btnClearClick(TObject* Sender);
  void btnCancelClearClick(TObject* Sender);
  void chkSeleAllDriveClick(TObject* Sender);
  void vstDriveGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                       std::wstring& CellText);
  void vstDriveInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                        TVirtualNodeInitStates& InitialStates);
  void vstDriveChecked(TBaseVirtualTree* Sender, PVirtualNode Node);
  void vstDriveGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                             bool& Ghosted, int& ImageIndex);
  void vstDrive1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                        std::wstring& CellText);
  void vstDrive1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                              bool& Ghosted, int& ImageIndex);
  void vstScanResultChecked(TBaseVirtualTree* Sender, PVirtualNode Node);
  void vstScanResultGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                            std::wstring& CellText);
  void vstScanResultInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                             TVirtualNodeInitStates& InitialStates);
  void vstScanResultGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                  TColumnIndex Column, bool& Ghosted, int& ImageIndex);

  // The start view with the last-run record; the main window calls it when the page is opened
  // again. While files are being deleted it leaves the page as it is.
  void ResetPage();
  // The scan's report of each file looked at (Found false) and each junk file recorded.
  void OnScanProgress(bool Found, const std::wstring& Path, int64_t Size);

  // Junk files and bytes found so far on the drive being scanned, and its index in DiskDrivers.
  int64_t DriveFileCount = 0;
  int64_t DriveBytes = 0;
  int CurrentDrive = 0;
  enum class TCleanState : uint8_t { Idle, Cleaning, Completed };
  // Completed once every selected file was handled; Idle again when cancelled.
  TCleanState CleanState = TCleanState::Idle;

 private:
  void ShowLastRunInfo();
  // Empties what the last scan or cleaning left in the labels.
  void ClearRunTexts();
  // ts1 with navigation on and the page's own heading.
  void ShowStartView();
  // The steps ts1 to ts5 under the heading labels Label6 and Label7.
  TWizardSteps Steps() const { return TWizardSteps(pgc1, Label6, Label7); }
  // A drive's row as its scan starts and once it is done.
  void StartDrive(size_t Drive);
  void EndDrive(size_t Drive);
  // Shows what the scan has found so far (drive row, file looked at, running total).
  void ShowScanProgress();
  void ShowCleanSummary(int64_t found, int64_t selected, int64_t deleted, int64_t freedBytes, bool completed);

  // The page's task, shared with the run that uses it (handlers run while it pumps may free the
  // page), and the stop of the scan or cleaning going on.
  std::shared_ptr<TJunkTask> task_;
  TStopToken stop_;
  // Sum of the sizes of the files found by the running scan, kept as they come.
  int64_t scanBytes_ = 0;
  // The file last looked at, shown at most every few tens of milliseconds.
  std::wstring searchFile_;
  unsigned long long lastShown_ = 0;
};
