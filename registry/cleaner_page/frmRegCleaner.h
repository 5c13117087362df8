#pragma once
// The registry cleaner page: the user ticks scan categories, scans the registry with the cleaner's
// engine instance (its registry task's), reviews and unticks the problems found, cleans them after an
// optional full registry backup, and sees the summary. Tabs: ts1 start, ts2 scanning, ts3
// results, ts4 cleaning, ts5 summary. The records stay in its task's engine; the page only shows
// them.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "gui/pagekit/image_ex.h"
#include "base/date_time.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/pagekit/page_host.h"
#include "gui/image_list.h"
#include "gui/pages.h"
#include "gui/pagekit/wizard_steps.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "registry/scan/reg_scan_engine.h"
#include "registry/scan/registry_task.h"

struct TRegCleanResult;

class TfrmRegCleaner : public TForm {
  QS_FORM(TfrmRegCleaner)

 public:
  explicit TfrmRegCleaner(TComponent* owner);
  // Stops a scan or a cleaning run that is still pumping messages, so the engine returns at its
  // next entry.
  ~TfrmRegCleaner() override;

  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TPageControl* pgc1 = nullptr;
  TImageList* il1 = nullptr;
  TImageList* il2 = nullptr;
  TTabSheet* ts1 = nullptr;
  TTabSheet* ts2 = nullptr;
  TTabSheet* ts3 = nullptr;
  TTabSheet* ts4 = nullptr;
  TTabSheet* ts5 = nullptr;
  // ts1
  TLabel* lblLastDT = nullptr;
  TLabel* lblLast = nullptr;
  TLabel* lblLastScan = nullptr;
  TLabel* lblLastClear = nullptr;
  TCheckBox* chkSeleAllItem = nullptr;
  TCheckBox *chk1 = nullptr, *chk2 = nullptr, *chk3 = nullptr, *chk4 = nullptr, *chk5 = nullptr, *chk6 = nullptr,
            *chk7 = nullptr, *chk8 = nullptr, *chk9 = nullptr, *chk10 = nullptr, *chk11 = nullptr,
            *chk12 = nullptr, *chk13 = nullptr, *chk14 = nullptr, *chk15 = nullptr;
  TImageEx* btnScan = nullptr;
  // ts2
  TLabel* lblSearch = nullptr;
  TLabel* lblErrNum = nullptr;
  TLabel* lblTime = nullptr;
  TLabel *lblItem1 = nullptr, *lblItem2 = nullptr, *lblItem3 = nullptr, *lblItem4 = nullptr, *lblItem5 = nullptr,
         *lblItem6 = nullptr, *lblItem7 = nullptr, *lblItem8 = nullptr, *lblItem9 = nullptr, *lblItem10 = nullptr,
         *lblItem11 = nullptr, *lblItem12 = nullptr, *lblItem13 = nullptr, *lblItem14 = nullptr,
         *lblItem15 = nullptr;
  TImage *imgItem1 = nullptr, *imgItem2 = nullptr, *imgItem3 = nullptr, *imgItem4 = nullptr, *imgItem5 = nullptr,
         *imgItem6 = nullptr, *imgItem7 = nullptr, *imgItem8 = nullptr, *imgItem9 = nullptr, *imgItem10 = nullptr,
         *imgItem11 = nullptr, *imgItem12 = nullptr, *imgItem13 = nullptr, *imgItem14 = nullptr,
         *imgItem15 = nullptr;
  TImageEx* btnCancelScan = nullptr;
  TProgressBar* pb2 = nullptr;
  // ts3
  TLabel* lblResult = nullptr;
  TCheckBox* chkResultAll = nullptr;
  TVirtualStringTree* vdtScanResult = nullptr;
  TImageEx* btnClear = nullptr;
  // ts4
  TLabel* Label3 = nullptr;
  TLabel* lblClearFile = nullptr;
  TButton* btnCancelClear = nullptr;
  TProgressBar* pb1 = nullptr;
  // ts5
  TLabel* lblError = nullptr;
  TLabel* lblFix = nullptr;
  TLabel* lblProcessResult = nullptr;
  TLabel* lblProcessDetail = nullptr;
  TImageEx* btnFinish = nullptr;

  void FormCreate(TObject* Sender);
  void chkSeleAllItemClick(TObject* Sender);
  void btnScanClick(TObject* Sender);
  void btnCancelScanClick(TObject* Sender);
  void vdtScanResultInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                             TVirtualNodeInitStates& InitialStates);
  void vdtScanResultDrawNode(TBaseVirtualTree* Sender, const TVTPaintInfo& PaintInfo);
  void vdtScanResultChecked(TBaseVirtualTree* Sender, PVirtualNode Node);
  void vdtScanResultGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                  TColumnIndex Column, bool& Ghosted, int& ImageIndex);
  void chkResultAllClick(TObject* Sender);
  void btnClearClick(TObject* Sender);
  void btnCancelClearClick(TObject* Sender);
  void btnFinishClick(TObject* Sender);

  // The start view with the last-run record and every category ticked.
  void ResetPage();
  // The last registry run: its date, how long ago, and what it found and fixed.
  void ShowLastRunInfo();
  // The main window's step when the page is opened again: the last-run record and the start tab.
  // A page that is cleaning keeps its cleaning tab, so nothing can start a scan under the run.
  void ShowAgain();
  void OnScanProgress(uint8_t Kind, const std::wstring& Text);
  void OnCleanProgress(uint8_t Kind, const std::wstring& Text);

  bool Scanning() const { return scanning_; }
  bool Cleaning() const { return cleaning_; }
  // The page's registry task, whose engine holds the records the page shows (a run keeps it
  // while it lasts, also when the page goes away meanwhile).
  std::shared_ptr<TRegistryTask> Task() const { return task_; }

  // The box, row label and row picture of category 1..15, and the il1 index the picture shows
  // (-1 before the first scan).
  TCheckBox* CategoryBox(int Category) const;
  TLabel* CategoryLabel(int Category) const;
  TImage* CategoryPicture(int Category) const;
  int RowPicture(int Category) const;

 private:
  // The steps ts1 to ts5 under the heading labels Label6 and Label7.
  TWizardSteps Steps() const { return TWizardSteps(pgc1, Label6, Label7); }
  // ts1 with the page's own heading.
  void ShowStartView();
  // ts3 with the results heading.
  void ShowResultsView();
  void ClearRunTexts();
  void SetRowPicture(int Category, int ImageIndex);
  // Every record's Selected and every row's check mark.
  void SelectAllResults(bool Selected);
  // The elapsed time and the entry examined, shown at most every few tens of milliseconds: a
  // label update per registry key would cost more than reading the key.
  void ShowScanActivity(bool now);
  // A category's row and the progress as its scanner starts; its count and row picture once the
  // scanner returned.
  void StartCategory(int Category);
  void EndCategory();
  // After the category loop (Stopped: the user stopped it or an error ended it; SaveRecord:
  // the run is recorded as the last one).
  void FinishScan(bool Stopped, bool SaveRecord);
  // Asks the backup question until it is answered No or Cancel, or Yes and a backup was made
  // (a failed backup is reported and asked about again). False when the page went away;
  // cancelled tells whether the user gave up cleaning.
  bool BackUpBeforeCleaning(int found, int selected, bool& cancelled);
  // ts4 with the clean state running and pb1 counting the selected records.
  void StartCleaningView(int selected);
  void ShowCleanSummary(int found, int selected, bool stopped, const TRegCleanResult& result);

  bool scanning_ = false;
  bool cleaning_ = false;
  // Held from the start of a scan until its results or the start view show.
  // The page's task with the registry cleaner's engine instance, shared with the run that uses it
  // (handlers run while it pumps may free the page), and the stop of the run going on.
  std::shared_ptr<TRegistryTask> task_;
  TStopToken stop_;
  TDateTime scanStart_ = 0;
  int problemTotal_ = 0;
  // The category being scanned (0: none), its count so far, its row label and caption.
  int scanCategory_ = 0;
  int categoryCount_ = 0;
  TLabel* categoryLabel_ = nullptr;
  std::wstring categoryCaption_;
  std::wstring searchText_;
  unsigned long long lastShown_ = 0;
  std::array<int, kRegCategoryCount + 1> rowPictures_{};
  // Selected records reported so far by the running clean, and where pb1 starts counting them.
  int cleanReports_ = 0;
  int cleanProgressBase_ = 0;
};
