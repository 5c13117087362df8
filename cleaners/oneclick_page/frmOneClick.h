#pragma once
// One-click maintenance: one button scans up to six areas in a fixed order (registry problems,
// junk files, evidence, harmful ActiveX controls, file associations, system settings), shows what
// each found in its own tree with one progress view, scores the computer's health, and "Repair
// All" repairs what the user left ticked. Each area is a maintenance task; the page is their view.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cleaners/oneclick/one_click_start.h"
#include "common/maintenance_task.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/lists.h"
#include "gui/pagekit/image_ex.h"
#include "gui/pages.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "gui/vtree/virtual_string_tree.h"
#include "registry/scan/reg_scan_engine.h"

class TfrmOneClick : public TForm, public TOneClickStart {
  QS_FORM(TfrmOneClick)

 public:
  explicit TfrmOneClick(TComponent* owner);
  ~TfrmOneClick() override;

  TLabel* Label1 = nullptr;
  TLabel* Label8 = nullptr;
  TImage* imgBad = nullptr;
  TImage* imgGood = nullptr;
  TPageControl* pgc = nullptr;
  TTabSheet *tsStart = nullptr, *tsScan = nullptr;
  TImageEx* btnScan = nullptr;
  TCheckBox *chkWasteFile = nullptr, *chkReg = nullptr, *chkActiveX = nullptr, *chkHis = nullptr, *chkFile = nullptr,
            *chkSys = nullptr;
  TPageControl* pgcScan = nullptr;
  TTabSheet *tsReg = nullptr, *tsWaste = nullptr, *tsHis = nullptr, *tsActiveX = nullptr, *tsFile = nullptr,
            *tsSys = nullptr, *tsTotal = nullptr;
  TVirtualStringTree *vdtReg = nullptr, *vstFile = nullptr, *vstHis = nullptr, *vstActiveX = nullptr,
                     *vstFixFile = nullptr, *vstSys = nullptr;
  TLabel *lblreg = nullptr, *lblWasteFile = nullptr, *lblHis = nullptr, *lblActivex = nullptr, *lblFixFile = nullptr,
         *lblSys = nullptr;
  TImage *Image11 = nullptr, *Image8 = nullptr, *Image12 = nullptr, *Image13 = nullptr, *Image14 = nullptr,
         *Image15 = nullptr;
  TLabel *lblLastDT = nullptr, *lblLast = nullptr;
  TListBox* lst = nullptr;
  TLabel *lblScan = nullptr, *lbl2 = nullptr, *lbl3 = nullptr;
  TProgressBar *pb1 = nullptr, *pb2 = nullptr;
  TButton* btn = nullptr;
  TTimer* tmr1 = nullptr;
  TImageList *il1 = nullptr, *il2 = nullptr;

  void FormCreate(TObject* Sender);
  // The scan (also "Re-Scan" and the home page's start).
  void btnScanClick(TObject* Sender);
  // Abort, Re-Scan, Repair All or Finish, as its caption says.
  void btnClick(TObject* Sender);
  void tmr1Timer(TObject* Sender);
  void lstDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  void TreeGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                   std::wstring& CellText);
  void TreeInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                    TVirtualNodeInitStates& InitialStates);
  void TreePaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex Column,
                     TVSTTextType TextType);
  // The registry problems: owner-drawn rows of three lines, their boxes the records' Selected.
  void vdtRegInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                      TVirtualNodeInitStates& InitialStates);
  void vdtRegDrawNode(TBaseVirtualTree* Sender, const TVTPaintInfo& PaintInfo);
  void vdtRegChecked(TBaseVirtualTree* Sender, PVirtualNode Node);
  void vdtRegGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                           bool& Ghosted, int& ImageIndex);
  // The evidence list: categories and their items with tri-state boxes.
  void vstHisInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                      TVirtualNodeInitStates& InitialStates);
  void vstHisInitChildren(TBaseVirtualTree* Sender, PVirtualNode Node, uint32_t& ChildCount);
  void vstHisGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                     std::wstring& CellText);
  void vstHisGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                           bool& Ghosted, int& ImageIndex);
  void vstHisChecked(TBaseVirtualTree* Sender, PVirtualNode Node);
  // Row pictures of il1: a junk file; a blocked or an open ActiveX control.
  void vstFileGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                            bool& Ghosted, int& ImageIndex);
  void vstActiveXGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                               bool& Ghosted, int& ImageIndex);

  void SetOptions(const TOneClickOptions& options) override;
  void StartScan() override { btnScanClick(this); }
  // The start tab with the last run's date (the main window's reopen step too).
  void ShowStart();
  void ShowLastRunInfo();
  int CheckedOptionCount() const;

  // The areas, in the order of the summary list.
  enum TAreaIndex { kJunk, kReg, kHis, kActiveX, kFile, kSys, kAreaCount };
  struct TArea {
    TCheckBox* Option = nullptr;
    TTabSheet* Sheet = nullptr;
    TLabel* Label = nullptr;
    TImage* Image = nullptr;
    TVirtualStringTree* Tree = nullptr;
    std::wstring Summary;
    int Good = 0;           // the summary line's icon: 0 problems, 1 good
    bool Done = false;      // its part of the last scan ran to the end
    bool Failed = false;    // its last scan or repair ended with an error
    long long Found = 0;    // what its last scan found
    long long Cleaned = 0;  // what its last repair really removed or repaired
    long long Failures = 0;
  };
  const TArea& Area(TAreaIndex index) const { return areas_[index]; }
  // The lines of the summary list, in order.
  std::vector<std::wstring> SummaryLines() const;
  bool Scanning() const { return scanning_; }
  bool Repairing() const { return repairing_; }
  // The registry area's engine instance: its records and state bytes.
  TRegScanEngine& RegistryEngine() const;

 private:
  struct TTasks;
  void ResetScan();
  void RebuildSummary();
  void ShowProgress(bool visible);
  // The overall bar and its share done in lbl3.
  void SetTotalProgress(int position);
  // The end of a scan or repair: the timer stops, both bars fill, then they hide.
  void EndProgress();
  // The problems of the last scan as the last-run record counts them: what each area found,
  // the evidence area once when it is ticked.
  long long ProblemCount() const;
  void SetAreaLook(TArea& area, bool good);
  // The scan report of the ActiveX, association and system areas: lblScan names each entry with
  // the prefix, and the area's label says needsFix once an entry needs repairing.
  TTaskProgressEvent FixAreaScanProgress(const std::wstring& prefix, TLabel* label, const std::wstring& needsFix);
  // Runs one area's scan; false when the page went away meanwhile.
  bool ScanArea(TAreaIndex index);
  // " (n excluded)" after the registry area's lines when the exclusion list keeps n records.
  std::wstring ExcludedNote() const;
  // The label of an area that an abort ended or skipped.
  void ShowAbortLabel(TAreaIndex index);
  bool RepairArea(TAreaIndex index);
  // Before the registry's records are deleted: the full backup the registry cleaner takes, listed
  // on the backup page. When it fails the user decides (No by default) whether to go on without.
  // True when the repair may go on.
  bool BackUpRegistryFirst();
  void RepairAll();
  void TakeTickedRows();
  // Runs an area's work: an error marks the area failed and is kept for the box at the end.
  // False when the page went away meanwhile.
  bool RunAreaWork(TAreaIndex index, const std::function<void()>& work);
  // One box naming every area that failed, after the run's navigation is back.
  void ReportErrors(const std::wstring& heading);

  std::array<TArea, kAreaCount> areas_;
  std::shared_ptr<TTasks> tasks_;
  TStopToken stop_;
  bool scanning_ = false;
  bool repairing_ = false;
  bool aborted_ = false;
  bool problemsFound_ = false;
  std::vector<std::wstring> errors_;
};
