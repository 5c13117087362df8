#include "cleaners/oneclick_page/frmOneClick.h"

#include <windows.h>

#include <cstdio>

#include "base/date_time.h"
#include "base/exception.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "cleaners/activex/activex_list.h"
#include "cleaners/evidence/evidence_task.h"
#include "cleaners/evidence/history_list.h"
#include "cleaners/evidence_page/evidence_tree.h"
#include "cleaners/fixes/fix_lists.h"
#include "cleaners/junk/junk_task.h"
#include "cleaners/junk/waste_config.h"
#include "cleaners/junk/waste_lists.h"
#include "cleaners/oneclick/fix_area_tasks.h"
#include "cleaners/oneclick/kept_rows.h"
#include "cleaners/oneclick/one_click_folders.h"
#include "cleaners/oneclick/one_click_score.h"
#include "common/last_run.h"
#include "common/time_ago.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/pagekit/last_run_panel.h"
#include "gui/pagekit/wizard_steps.h"
#include "gui/vtree/row_of_node.h"
#include "registry/cleaner_page/reg_result_rows.h"
#include "registry/reg_backup.h"
#include "registry/scan/registry_task.h"

QS_FORM_IMPL(TfrmOneClick, TForm, QS_FIELD(Label1), QS_FIELD(Label8), QS_FIELD(imgBad), QS_FIELD(imgGood),
             QS_FIELD(pgc), QS_FIELD(tsStart), QS_FIELD(tsScan), QS_FIELD(btnScan), QS_FIELD(chkWasteFile),
             QS_FIELD(chkReg), QS_FIELD(chkActiveX), QS_FIELD(chkHis), QS_FIELD(chkFile), QS_FIELD(chkSys),
             QS_FIELD(pgcScan), QS_FIELD(tsReg), QS_FIELD(tsWaste), QS_FIELD(tsHis), QS_FIELD(tsActiveX),
             QS_FIELD(tsFile), QS_FIELD(tsSys), QS_FIELD(tsTotal), QS_FIELD(vdtReg), QS_FIELD(vstFile),
             QS_FIELD(vstHis), QS_FIELD(vstActiveX), QS_FIELD(vstFixFile), QS_FIELD(vstSys), QS_FIELD(lblreg),
             QS_FIELD(lblWasteFile), QS_FIELD(lblHis), QS_FIELD(lblActivex), QS_FIELD(lblFixFile), QS_FIELD(lblSys),
             QS_FIELD(Image11), QS_FIELD(Image8), QS_FIELD(Image12), QS_FIELD(Image13), QS_FIELD(Image14),
             QS_FIELD(Image15), QS_FIELD(lblLastDT), QS_FIELD(lblLast), QS_FIELD(lst), QS_FIELD(lblScan),
             QS_FIELD(lbl2), QS_FIELD(lbl3), QS_FIELD(pb1), QS_FIELD(pb2), QS_FIELD(btn), QS_FIELD(tmr1), QS_FIELD(il1), QS_FIELD(il2),
             QS_HANDLER(FormCreate), QS_HANDLER(btnScanClick), QS_HANDLER(btnClick), QS_HANDLER(tmr1Timer),
             QS_HANDLER(lstDrawItem), QS_HANDLER(TreeGetText), QS_HANDLER(TreeInitNode), QS_HANDLER(TreePaintText),
             QS_HANDLER(vdtRegInitNode), QS_HANDLER(vdtRegDrawNode), QS_HANDLER(vdtRegChecked),
             QS_HANDLER(vdtRegGetImageIndex), QS_HANDLER(vstHisInitNode), QS_HANDLER(vstHisInitChildren),
             QS_HANDLER(vstHisGetText), QS_HANDLER(vstHisGetImageIndex), QS_HANDLER(vstHisChecked),
             QS_HANDLER(vstFileGetImageIndex), QS_HANDLER(vstActiveXGetImageIndex))

namespace {
constexpr TColor kGoodColour = 0x008000;
constexpr TColor kProblemColour = 0x0100CD;
constexpr TColor kEvenSummaryRow = 0xFFEFDF;

// Row pictures of il1 (the evidence rows use the places 0 to 2, see evidence_tree.h).
constexpr int kJunkFileImage = 3;
constexpr int kLockedActiveXImage = 8;
constexpr int kOpenActiveXImage = 9;
// The registry rows' state picture of il2: the problem icon.
constexpr int kRegProblemImage = 0;

// The scan's order; the summary list follows the area order of TAreaIndex.
constexpr TfrmOneClick::TAreaIndex kScanOrder[] = {TfrmOneClick::kReg,     TfrmOneClick::kJunk, TfrmOneClick::kHis,
                                                   TfrmOneClick::kActiveX, TfrmOneClick::kFile, TfrmOneClick::kSys};

const wchar_t* const kAbortSummaries[] = {
    L"Scan Abort!Please take full scan to junk file cleaner.",
    L"Scan Abort!Please take full scan to registry cleaner.",
    L"Scan Abort!Please take full scan to clean up privacy.",
    L"Scan Abort!Please take full scan to protect system.",
    L"Scan Abort!Please take full scan to file assciation scan.",
    L"Scan Abort!Please take full scan to optimize system.",
};

// An area's label once the scan was aborted before the area completed.
const wchar_t* const kAbortLabels[] = {
    L"Scan Abort!Please take full scan to junk file cleaner",
    L"Scan Abort!  Please take full scan to registry cleaner",
    L"Scan Abort!Please take full scan to clean up privacy",
    L"Scan Abort! Please take full scan to protect system",
    L"Scan Abort! Please take full scan to file assciation scan",
    L"Scan Abort! Please take full scan to optimize system",
};

const wchar_t* const kCleanSummaries[] = {
    L"No junk files found and system status is Good.",         L"No registry errors found and system status is Good.",
    L"No privacy items found and system status is Good.",      L"No Malicious ActiveX found and system status is Good",
    L"No File Association changed and system status is Good.", L"All items optimized and system status is Good.",
};
const wchar_t* const kRepairedSummaries[] = {
    L"Junk files Cleanned and system status is Good",          L"Registry erros Cleanned and system status is Good",
    L"Some Privacy items Cleanned and system status is Good",  L"No Malicious ActiveX found and system status is Good",
    L"No File Association changed and system status is Good.", L"All items optimized and system status is Good.",
};
const wchar_t* const kAreaNames[] = {L"Junk File", L"Registry",         L"Evidence",
                                     L"ActiveX",   L"File Association", L"System Optimize"};
}  // namespace

// The tasks outlive a page freed while one of them pumps (the program closing mid-run).
struct TfrmOneClick::TTasks {
  TRegistryTask Registry{TRegCleanReport::ValueData, 1};
  TJunkTask Junk;
  TEvidenceTask Evidence{THistoryRunScope::CheckedItems};
  TActiveXTask ActiveX;
  TFileFixTask Files;
  TSysFixTask System;
  long long JunkBytes = 0;
  // The unticked rows of every area, for the repair.
  TKeptItems Kept;
};

TfrmOneClick::TfrmOneClick(TComponent* owner) : TForm(owner), tasks_(std::make_shared<TTasks>()) { LoadForm(); }

TfrmOneClick::~TfrmOneClick() { stop_.Request(); }

TRegScanEngine& TfrmOneClick::RegistryEngine() const { return tasks_->Registry.Engine(); }

void TfrmOneClick::FormCreate(TObject* Sender) {
  SetProgramDateFormats();
  areas_[kJunk] = {chkWasteFile, tsWaste, lblWasteFile, Image8, vstFile};
  areas_[kReg] = {chkReg, tsReg, lblreg, Image11, vdtReg};
  areas_[kHis] = {chkHis, tsHis, lblHis, Image12, vstHis};
  areas_[kActiveX] = {chkActiveX, tsActiveX, lblActivex, Image13, vstActiveX};
  areas_[kFile] = {chkFile, tsFile, lblFixFile, Image14, vstFixFile};
  areas_[kSys] = {chkSys, tsSys, lblSys, Image15, vstSys};
  RegistryEngine().LoadRegExcludeList();
  LoadHistoryList();
  ShowProgress(false);
  ShowStart();
}

void TfrmOneClick::ShowStart() {
  ShowLastRunInfo();
  TWizardSteps(pgc, nullptr, nullptr).ShowStep(tsStart);
}

void TfrmOneClick::ShowLastRunInfo() {
  int point = -1, found = 0, cleaned = 0;
  TDateTime when = 0;
  LoadLastOneClickInfo(point, when, found, cleaned);
  TLastRunPanel{lblLastDT, lblLast, nullptr, nullptr, FormatTimeAgoOneClick}.Show(when);
}

void TfrmOneClick::SetOptions(const TOneClickOptions& options) {
  chkReg->SetChecked(options.Reg);
  chkWasteFile->SetChecked(options.WasteFile);
  chkHis->SetChecked(options.His);
  chkActiveX->SetChecked(options.ActiveX);
  chkFile->SetChecked(options.File);
  chkSys->SetChecked(options.Sys);
}

int TfrmOneClick::CheckedOptionCount() const {
  int n = 0;
  for (const TArea& area : areas_) n += area.Option->Checked() ? 1 : 0;
  return n;
}

std::vector<std::wstring> TfrmOneClick::SummaryLines() const {
  std::vector<std::wstring> lines;
  for (int i = 0; i < lst->Count(); ++i) lines.push_back(lst->Items()[i]);
  return lines;
}

void TfrmOneClick::ShowProgress(bool visible) {
  for (TControl* control : std::initializer_list<TControl*>{pb1, pb2, lbl2, lbl3}) control->SetVisible(visible);
  if (!visible) lblScan->SetCaption(L"");
}

void TfrmOneClick::SetTotalProgress(int position) {
  pb2->SetPosition(position);
  const int max = pb2->Max() > 0 ? pb2->Max() : 1;
  lbl3->SetCaption(std::to_wstring(pb2->Position() * 100 / max) + L"%");
}

void TfrmOneClick::EndProgress() {
  tmr1->SetEnabled(false);
  pb1->SetPosition(pb1->Max());
  SetTotalProgress(pb2->Max());
  ShowProgress(false);
}

long long TfrmOneClick::ProblemCount() const {
  long long count = 0;
  for (int i = 0; i < kAreaCount; ++i) count += i == kHis ? (chkHis->Checked() ? 1 : 0) : areas_[i].Found;
  return count;
}

void TfrmOneClick::tmr1Timer(TObject* Sender) {
  pb1->SetPosition(pb1->Position() + 5 >= pb1->Max() ? 0 : pb1->Position() + 5);
}

void TfrmOneClick::SetAreaLook(TArea& area, bool good) {
  area.Good = good ? 1 : 0;
  area.Label->Font()->SetColor(good ? kGoodColour : kProblemColour);
  area.Image->Picture()->Assign(good ? imgGood->Picture() : imgBad->Picture());
}

void TfrmOneClick::RebuildSummary() {
  lst->Items().Clear();
  for (const TArea& area : areas_) {
    if (area.Option->Checked()) lst->Items().Add(area.Summary);
  }
}

void TfrmOneClick::ResetScan() {
  lblScan->SetCaption(L"");
  for (int i = 0; i < kAreaCount; ++i) {
    TArea& area = areas_[i];
    area.Tree->SetRootNodeCount(0);
    area.Label->SetCaption(i == kJunk  ? L"0 Files (0.0MB) Junk File(s) Found"
                           : i == kReg ? L"0 Problem(s) Found"
                                       : L"Scan in progress");
    area.Label->Font()->SetColor(kProblemColour);
    area.Image->Picture()->Assign(imgBad->Picture());
    area.Summary = kAbortSummaries[i];
    area.Good = 0;
    area.Done = area.Failed = false;
    area.Found = area.Cleaned = area.Failures = 0;
    area.Sheet->SetTabVisible(area.Option->Checked());
  }
  WasteFiles.clear();
  RegistryEngine().Items.clear();
  ClearActiveXItems();
  ClearSysItems();
  ClearFileItems();
  tasks_->JunkBytes = 0;
  problemsFound_ = false;
  aborted_ = false;
  errors_.clear();
  lst->Items().Clear();
  btn->SetCaption(L"Abort");
  RegistryEngine().CleanState = kRegStateFinished;
}

void TfrmOneClick::btnScanClick(TObject* Sender) {
  // One run at a time: "No" to the abort question, or a click from the home page meanwhile,
  // never starts a second scan inside the first.
  if (scanning_ || repairing_) return;
  const int n = CheckedOptionCount();
  if (n == 0) {
    MessageBoxShow(MessageBoxOwner(Handle()),
                   L"Please select at least one option from the list that is needed to be Maintenance for you\r"
                   L"system",
                   L"Halvorine v4.1", MB_OK | MB_ICONINFORMATION);
    return;
  }
  TComponentRef<TfrmOneClick> self(this);
  const std::shared_ptr<TTasks> tasks = tasks_;
  scanning_ = true;
  TBusyRun run(this);
  run.Disable({btnScan});
  ResetScan();
  stop_ = TStopToken();
  pb1->SetMax(100);
  pb1->SetPosition(0);
  tmr1->SetEnabled(true);
  pb2->SetMax(n + 1);
  SetTotalProgress(1);
  ShowProgress(true);
  tsTotal->SetTabVisible(false);
  TWizardSteps(pgc, nullptr, nullptr).ShowStep(tsScan);
  Application->ProcessMessages();
  if (!self) return;
  RegistryEngine().ScanState = kRegStateRunning;
  for (TAreaIndex index : kScanOrder) {
    if (!areas_[index].Option->Checked()) continue;
    if (stop_.Requested()) {
      // Skipped by the abort: its label says so instead of "Scan in progress".
      ShowAbortLabel(index);
      continue;
    }
    if (!ScanArea(index)) return;
  }
  aborted_ = stop_.Requested();
  EndProgress();

  TOneClickScanFacts facts;
  facts.JunkDone = areas_[kJunk].Done;
  facts.RegDone = areas_[kReg].Done;
  facts.HisDone = areas_[kHis].Done;
  facts.ActiveXDone = areas_[kActiveX].Done;
  facts.FileDone = areas_[kFile].Done;
  facts.SysDone = areas_[kSys].Done;
  facts.JunkCount = areas_[kJunk].Found;
  facts.RegFindCount = areas_[kReg].Found;
  facts.UnlockedCount = areas_[kActiveX].Found;
  facts.FileFixCount = areas_[kFile].Found;
  facts.SysFixCount = areas_[kSys].Found;
  SaveLastOneClickInfo(StoredPoint(ScanPoints(facts)), static_cast<int>(ProblemCount()), 0, Now());

  tsTotal->SetTabVisible(true);
  RebuildSummary();
  run.End();
  scanning_ = false;
  if (aborted_) {
    RegistryEngine().ScanState = kRegStateStop;
    btn->SetCaption(L"Re-Scan");
  } else {
    RegistryEngine().ScanState = kRegStateFinished;
    btn->SetCaption(problemsFound_ ? L"Repair All" : L"Finish");
  }
  pgcScan->SetActivePage(tsTotal);
  ReportErrors(L"Some areas could not be scanned:");
}

TTaskProgressEvent TfrmOneClick::FixAreaScanProgress(const std::wstring& prefix, TLabel* label,
                                                     const std::wstring& needsFix) {
  TComponentRef<TfrmOneClick> self(this);
  // Count is what needs repairing so far: a step up means this entry needs it.
  auto counted = std::make_shared<long long>(0);
  return [this, self, prefix, label, needsFix, counted](const TTaskProgress& p) {
    if (!self) return;
    lblScan->SetCaption(prefix + p.Text);
    if (p.Count > *counted) label->SetCaption(needsFix);
    *counted = p.Count;
  };
}

bool TfrmOneClick::ScanArea(TAreaIndex index) {
  TComponentRef<TfrmOneClick> self(this);
  const std::shared_ptr<TTasks> tasks = tasks_;
  TArea& area = areas_[index];
  pgcScan->SetActivePage(area.Sheet);
  // The area's sheet shows, and an abort asked for meanwhile is seen, before its work starts.
  PumpMessages();
  if (!self) return false;
  const TStopToken stop = stop_;
  TTaskResult result;
  if (!RunAreaWork(index, [&] {
        switch (index) {
          case kReg: {
            for (int c = 1; c <= kRegCategoryCount; ++c) OneClickDetailInfo[c] = TDetailInfo{RegCategoryNames[c], 0, 0};
            TRegistryTask& task = tasks->Registry;
            task.Categories.fill(true);
            task.OnCategoryEnd = [](int category, int found) { OneClickDetailInfo[category].ScanNum = found; };
            task.OnEngineProgress = [this, self](uint8_t kind, const std::wstring& text) {
              if (!self) return;
              if (kind == 0) {
                lblScan->SetCaption(text);
                return;
              }
              problemsFound_ = true;
              TArea& reg = areas_[kReg];
              ++reg.Found;
              vdtReg->SetRootNodeCount(static_cast<uint32_t>(RegistryEngine().Items.size()));
              lblreg->SetCaption(std::to_wstring(reg.Found) + L" Problems(s) Found");
              reg.Summary = std::to_wstring(reg.Found) + L" errors found on your system.";
              reg.Good = 0;
            };
            result = task.Scan(nullptr, stop);
            SaveOneClickRegDetail();
            SaveLastRegInfo(static_cast<int>(result.Found), 0, Now());
            break;
          }
          case kJunk: {
            // The configured junk patterns, read again before every scan: the same whichever page
            // was opened first.
            LoadWasteScanSettings();
            TJunkTask& task = tasks->Junk;
            task.Folders = OneClickJunkFolders();
            task.OnScanFile = [this, self, tasks](bool found, const std::wstring& path, int64_t size) {
              if (!self) return;
              lblScan->SetCaption(path);
              if (!found) return;
              problemsFound_ = true;
              TArea& junk = areas_[kJunk];
              ++junk.Found;
              tasks->JunkBytes += size;
              vstFile->SetRootNodeCount(static_cast<uint32_t>(WasteFiles.size()));
              wchar_t text[96];
              swprintf(text, 96, L"%lld Files (%.2fMB) Junk File(s) Found", junk.Found,
                       static_cast<double>(tasks->JunkBytes) / 1024 / 1024);
              lblWasteFile->SetCaption(text);
              junk.Summary = text;
            };
            result = task.Scan(nullptr, stop);
            if (WasteSearchState.Stop) stop.Request();
            SaveLastWasteInfo(static_cast<int>(result.Found), 0, Now());
            break;
          }
          case kHis:
            // Every item ticked; the user may untick items or whole categories before the repair.
            SetAllHistoryItemsChecked(true);
            result = tasks->Evidence.Scan(nullptr, stop);
            ShowEvidenceList(vstHis);
            break;
          case kActiveX:
            result = tasks->ActiveX.Scan(FixAreaScanProgress(L"ActiveX - ", lblActivex, L"Scan in process"), stop);
            vstActiveX->SetRootNodeCount(static_cast<uint32_t>(ActiveXItems.size()));
            break;
          case kFile:
            result = tasks->Files.Scan(
                FixAreaScanProgress(L"正在扫描：文件修复 - ", lblFixFile, L"扫描结果：有项目需要修复"), stop);
            vstFixFile->SetRootNodeCount(static_cast<uint32_t>(FileItems.size()));
            break;
          case kSys:
            result = tasks->System.Scan(FixAreaScanProgress(L"System Optimize - ", lblSys, L"Scan in process"), stop);
            vstSys->SetRootNodeCount(static_cast<uint32_t>(SysItems.size()));
            break;
          default:
            break;
        }
      }))
    return false;
  area.Found = result.Found;
  if (area.Failed) {
    area.Summary = std::wstring(kAreaNames[index]) + L" could not be scanned: " + errors_.back();
    area.Label->SetCaption(area.Summary);
    SetAreaLook(area, false);
  } else if (stop.Requested()) {
    // Aborted: the texts say so below; what was found so far stays.
  } else {
    area.Done = true;
    if (index == kHis) {
      // Nothing is examined: the evidence list always counts as something to repair.
      area.Summary = L"Some Privacy items found and please clean them now.";
      area.Label->SetCaption(L"Some Privacy items found and please clean them now");
      problemsFound_ = problemsFound_ || area.Found > 0;
      SetAreaLook(area, area.Found == 0);
    } else if (area.Found > 0) {
      problemsFound_ = true;
      if (index == kActiveX)
        area.Summary = std::to_wstring(area.Found) + L" ActiveX items could cause protential threats to your PC";
      else if (index == kFile)
        area.Summary = std::to_wstring(area.Found) + L" File(s) Association can be repaired.";
      else if (index == kSys)
        area.Summary = std::to_wstring(area.Found) + L" non-optimized items lower your system performance.";
      if (index != kJunk && index != kReg) area.Label->SetCaption(area.Summary);
      SetAreaLook(area, false);
    } else {
      // A completed area that found nothing gets a clean line with the good icon.
      area.Summary = kCleanSummaries[index];
      area.Label->SetCaption(area.Summary);
      SetAreaLook(area, true);
    }
  }
  if (index == kReg && area.Found > 0) {
    area.Summary += ExcludedNote();
    lblreg->SetCaption(lblreg->Caption() + ExcludedNote());
  }
  if (stop.Requested() && !area.Failed) ShowAbortLabel(index);
  RebuildSummary();
  return true;
}

std::wstring TfrmOneClick::ExcludedNote() const {
  long long excluded = 0;
  for (const auto& item : RegistryEngine().Items) excluded += item->Excluded ? 1 : 0;
  return excluded ? L" (" + std::to_wstring(excluded) + L" excluded)" : L"";
}

// The junk and registry labels keep what they counted so far; the evidence label was not reached
// (its area does all its work at once), so it says the scan was aborted like the other three.
void TfrmOneClick::ShowAbortLabel(TAreaIndex index) {
  TLabel* label = areas_[index].Label;
  const std::wstring counted = label->Caption();
  if ((index == kJunk || index == kReg) && !counted.empty())
    label->SetCaption(counted + L" (User Cancelled)");
  else
    label->SetCaption(kAbortLabels[index]);
}

void TfrmOneClick::btnClick(TObject* Sender) {
  const std::wstring caption = btn->Caption();
  if (caption == L"Abort") {
    if (!scanning_ || stop_.Requested()) return;
    tmr1->SetEnabled(false);
    const int answer = MessageBoxShow(MessageBoxOwner(Handle()), L"Sure want to stop Scaning?", L"Quillstead v4.1",
                                      MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
      stop_.Request();
      RegistryEngine().ScanState = kRegStateStop;
      WasteSearchState.Stop = true;
    }
    if (scanning_) tmr1->SetEnabled(true);
  } else if (caption == L"Re-Scan") {
    WasteSearchState.Stop = false;
    btnScanClick(btn);
  } else if (caption == L"Repair All") {
    RepairAll();
  } else if (caption == L"Finish") {
    ShowStart();
  }
}

void TfrmOneClick::TakeTickedRows() {
  const std::shared_ptr<TTasks> tasks = tasks_;
  auto ticked = [](TVirtualStringTree* tree) {
    std::vector<bool> rows;
    for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node))
      rows.push_back(tree->CheckState(node) == TCheckState::csCheckedNormal);
    return rows;
  };
  // The registry records and the evidence items keep their boxes themselves (OnChecked).
  const std::vector<bool> junk = ticked(vstFile);
  for (size_t i = 0; i < WasteFiles.size(); ++i) WasteFiles[i]->Selected = i < junk.size() && junk[i];
  tasks->ActiveX.Selected = ticked(vstActiveX);
  tasks->Files.Selected = ticked(vstFixFile);
  tasks->System.Selected = ticked(vstSys);
  // What is unticked in one area stays when another reaches it.
  THistorySink sink;
  sink.Wnd = Handle();
  tasks->Kept = UntickedRows(RegistryEngine().Items, WasteFiles, sink, FileItems, tasks->Files.Selected);
  if (UntickKeptRows(tasks->Kept, RegistryEngine().Items, WasteFiles) > 0) {
    vdtReg->Invalidate();
    for (PVirtualNode node = vstFile->GetFirst(); node; node = vstFile->GetNext(node))
      if (const TWasteFile* file = RowOfNode(WasteFiles, node)) vstFile->SetCheckState(node, CheckOf(file->Selected));
  }
  tasks->Evidence.Keep = &tasks->Kept;
}

void TfrmOneClick::RepairAll() {
  // A repair cannot start twice (a second click while one runs is ignored).
  if (repairing_ || scanning_ || RegistryEngine().CleanState != kRegStateFinished) return;
  TComponentRef<TfrmOneClick> self(this);
  repairing_ = true;
  RegistryEngine().CleanState = kRegStateRunning;
  TBusyRun run(this);
  run.Disable({btnScan});
  TakeTickedRows();
  stop_ = TStopToken();
  pb1->SetPosition(0);
  pb2->SetMax(CheckedOptionCount() + 1);
  SetTotalProgress(0);
  ShowProgress(true);
  tmr1->SetEnabled(true);
  errors_.clear();
  Application->ProcessMessages();
  if (!self) return;
  for (int i = 0; i < kAreaCount; ++i) {
    if (!areas_[i].Option->Checked() || !areas_[i].Done) continue;
    if (!RepairArea(static_cast<TAreaIndex>(i))) return;
  }
  RebuildSummary();
  pgcScan->SetActivePage(tsTotal);
  EndProgress();

  TOneClickRepairFacts facts;
  facts.Junk = chkWasteFile->Checked();
  facts.Reg = chkReg->Checked();
  facts.His = chkHis->Checked();
  facts.ActiveX = chkActiveX->Checked();
  facts.File = chkFile->Checked();
  facts.Sys = chkSys->Checked();
  facts.JunkFailCount = areas_[kJunk].Failures;
  facts.RegFailCount = areas_[kReg].Failures;
  long long cleaned = 0;
  for (const TArea& area : areas_) cleaned += area.Cleaned;
  SaveLastOneClickInfo(StoredPoint(RepairPoints(facts)), static_cast<int>(ProblemCount()), static_cast<int>(cleaned),
                       Now());
  run.End();
  repairing_ = false;
  RegistryEngine().CleanState = kRegStateFinished;
  btn->SetCaption(L"Finish");
  ShowLastRunInfo();
  ReportErrors(L"Some areas could not be repaired:");
}

bool TfrmOneClick::RepairArea(TAreaIndex index) {
  TComponentRef<TfrmOneClick> self(this);
  const std::shared_ptr<TTasks> tasks = tasks_;
  TArea& area = areas_[index];
  pgcScan->SetActivePage(area.Sheet);
  area.Label->SetCaption(index == kActiveX ? L"Block ActiveX in process" : L"Clean in process");
  const TStopToken stop = stop_;
  // The registry's records are named as they are cleaned.
  const std::wstring prefix = index == kReg ? L"正在清理：" : L"";
  const TTaskProgressEvent progress = [this, self, prefix](const TTaskProgress& p) {
    if (self) lblScan->SetCaption(prefix + p.Text);
  };
  TTaskResult result;
  bool notRepaired = false;
  if (!RunAreaWork(index, [&] {
        switch (index) {
          case kJunk:
            tasks->Junk.ToRecycleBin = false;
            result = tasks->Junk.Clean(progress, stop);
            area.Cleaned = tasks->Junk.LastClean().Deleted;
            area.Failures = tasks->Junk.LastClean().Failed();
            SaveLastWasteInfo(static_cast<int>(area.Found), static_cast<int>(area.Cleaned), Now());
            break;
          case kReg: {
            if (!BackUpRegistryFirst()) {
              // Declined without a backup: nothing of the registry was touched.
              notRepaired = true;
              for (const auto& item : RegistryEngine().Items) area.Failures += item->Selected && !item->Excluded;
              break;
            }
            if (!self) return;
            result = tasks->Registry.Clean(progress, stop);
            const TRegCleanResult& clean = tasks->Registry.LastClean();
            area.Cleaned = clean.Cleaned;
            area.Failures = clean.Failed;
            for (int c = 1; c <= kRegCategoryCount; ++c) OneClickDetailInfo[c].ClearNum = clean.CleanedInCategory[c];
            SaveLastRegInfo(static_cast<int>(area.Found), static_cast<int>(area.Cleaned), Now());
            SaveOneClickRegDetail();
            break;
          }
          case kHis:
            tasks->Evidence.Owner = Handle();
            result = tasks->Evidence.Clean(progress, stop);
            area.Cleaned = result.Cleaned;
            SaveLastHisInfo(Now());
            break;
          case kActiveX:
            result = tasks->ActiveX.Clean(progress, stop);
            area.Cleaned = result.Cleaned;
            area.Failures = result.Found - result.Cleaned;
            break;
          case kFile:
            result = tasks->Files.Clean(progress, stop);
            area.Cleaned = result.Cleaned;
            area.Failures = result.Found - result.Cleaned;
            break;
          case kSys:
            result = tasks->System.Clean(progress, stop);
            area.Cleaned = result.Cleaned;
            area.Failures = result.Found - result.Cleaned;
            break;
          default:
            break;
        }
      }))
    return false;
  if (area.Failed) {
    area.Summary = std::wstring(kAreaNames[index]) + L" could not be repaired: " + errors_.back();
    SetAreaLook(area, false);
  } else if (notRepaired) {
    area.Summary = L"Registry Backup Failed! The registry was not repaired.";
    SetAreaLook(area, false);
  } else if (area.Failures > 0) {
    area.Summary =
        std::to_wstring(area.Cleaned) + L" repaired, " + std::to_wstring(area.Failures) + L" could not be repaired.";
    SetAreaLook(area, false);
  } else {
    area.Summary = kRepairedSummaries[index];
    SetAreaLook(area, true);
  }
  if (index == kReg) area.Summary += ExcludedNote();
  area.Label->SetCaption(area.Summary);
  return true;
}

bool TfrmOneClick::BackUpRegistryFirst() {
  bool anyToDelete = false;
  for (const auto& item : RegistryEngine().Items) anyToDelete = anyToDelete || (item->Selected && !item->Excluded);
  if (!anyToDelete) return true;
  TComponentRef<TfrmOneClick> self(this);
  lblScan->SetCaption(L"正在备份注册表");
  // The export blocks this thread: the label shows before it starts.
  PumpMessages();
  if (!self) return false;
  std::wstring fileName;
  if (TakeRegistryBackup(Now(), fileName)) return true;
  const int answer = MessageBoxShow(MessageBoxOwner(Handle()),
                                    L"Registry Backup Failed!\r\rRepair the registry without a backup?",
                                    kProgramCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
  return self && answer == IDYES;
}

bool TfrmOneClick::RunAreaWork(TAreaIndex index, const std::function<void()>& work) {
  TComponentRef<TfrmOneClick> self(this);
  try {
    work();
  } catch (const Exception& e) {
    if (!self) return false;
    areas_[index].Failed = true;
    errors_.push_back(std::wstring(kAreaNames[index]) + L": " + e.Message());
  }
  if (!self) return false;
  SetTotalProgress(pb2->Position() + 1);
  return true;
}

void TfrmOneClick::ReportErrors(const std::wstring& heading) {
  if (errors_.empty()) return;
  std::wstring text = heading;
  for (const std::wstring& error : errors_) text += L"\r" + error;
  MessageBoxShow(MessageBoxOwner(Handle()), text, Application->Title(), MB_OK | MB_ICONERROR);
}

void TfrmOneClick::TreeInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                TVirtualNodeInitStates& InitialStates) {
  Node->CheckType = TCheckType::ctCheckBox;
  // A system setting is ticked when it is non-optimized: the box says what a repair would change.
  const TSysItem* setting = Sender == vstSys ? RowOfNode(SysItems, Node) : nullptr;
  Node->CheckState = CheckOf(!setting || setting->NeedsFix);
}

void TfrmOneClick::TreeGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                               std::wstring& CellText) {
  if (Sender == vstFile) {
    const TWasteFile* file = RowOfNode(WasteFiles, Node);
    if (!file) return;
    if (Column == 0) {
      CellText = ExtractFileName(file->Path);
    } else if (Column == 1) {
      CellText = ExtractFilePath(file->Path);
    } else {
      wchar_t text[48];
      swprintf(text, 48, L"%.1f KB", static_cast<double>(file->Size) / 1024);
      CellText = text;
    }
  } else if (Sender == vstActiveX) {
    const TActiveXItem* item = RowOfNode(ActiveXItems, Node);
    if (!item) return;
    CellText = Column == 0 ? item->Name : Column == 1 ? item->CLSID : item->Status;
  } else if (Sender == vstFixFile) {
    const TFileItem* item = RowOfNode(FileItems, Node);
    if (!item) return;
    CellText = Column == 0   ? item->ExtName
               : Column == 1 ? item->Description
               : Column == 2 ? item->CurrentValue
                             : item->RestoreValue;
  } else if (Sender == vstSys) {
    const TSysItem* item = RowOfNode(SysItems, Node);
    if (!item) return;
    CellText = Column == 0 ? item->Description : item->NeedsFix ? L"non-optimized" : L"Optimized";
  }
}

void TfrmOneClick::TreePaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node,
                                 TColumnIndex Column, TVSTTextType TextType) {
  bool needsFix = false;
  if (Sender == vstSys) {
    if (const TSysItem* item = RowOfNode(SysItems, Node)) needsFix = item->NeedsFix;
  } else if (Sender == vstFixFile) {
    if (const TFileItem* item = RowOfNode(FileItems, Node)) needsFix = item->NeedsFix;
  }
  TargetCanvas.Font().SetColor(needsFix ? clRed : clBlack);
}

void TfrmOneClick::vdtRegInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                  TVirtualNodeInitStates& InitialStates) {
  InitRegResultNode(Node, RowOfNode(RegistryEngine().Items, Node));
}

void TfrmOneClick::vdtRegDrawNode(TBaseVirtualTree* Sender, const TVTPaintInfo& PaintInfo) {
  // Each row names what the repair deletes, with its hive.
  if (const TRegItem* item = RowOfNode(RegistryEngine().Items, PaintInfo.Node))
    DrawRegResultRow(Sender, PaintInfo, *item, TRegResultSecondLine::ItemName);
}

void TfrmOneClick::vdtRegChecked(TBaseVirtualTree* Sender, PVirtualNode Node) {
  TakeRegResultCheck(Node, RowOfNode(RegistryEngine().Items, Node));
}

void TfrmOneClick::vdtRegGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                       TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Column == kRegResultColumn) ImageIndex = kRegProblemImage;
}

void TfrmOneClick::vstHisInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                  TVirtualNodeInitStates& InitialStates) {
  InitEvidenceNode(Sender, Node, InitialStates);
}

void TfrmOneClick::vstHisInitChildren(TBaseVirtualTree* Sender, PVirtualNode Node, uint32_t& ChildCount) {
  ChildCount = EvidenceChildCount(Sender, Node);
}

void TfrmOneClick::vstHisGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                 TVSTTextType TextType, std::wstring& CellText) {
  CellText = EvidenceRowName(Sender, Node);
}

void TfrmOneClick::vstHisGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                       TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind == TVTImageKind::ikNormal && Column <= 0) ImageIndex = EvidenceImageIndex(Sender, Node);
}

void TfrmOneClick::vstHisChecked(TBaseVirtualTree* Sender, PVirtualNode Node) { TakeEvidenceCheck(Sender, Node); }

void TfrmOneClick::vstFileGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                        TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind == TVTImageKind::ikNormal && Column <= 0) ImageIndex = kJunkFileImage;
}

void TfrmOneClick::vstActiveXGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                           TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind != TVTImageKind::ikNormal || Column > 0) return;
  if (const TActiveXItem* item = RowOfNode(ActiveXItems, Node))
    ImageIndex = item->Status == L"Locked" ? kLockedActiveXImage : kOpenActiveXImage;
}

void TfrmOneClick::lstDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas& canvas = lst->Canvas();
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = Index % 2 ? clWhite : kEvenSummaryRow;
  canvas.Font().SetColor(clBlack);
  canvas.FillRect(Rect);
  if (Index < 0 || Index >= lst->Count()) return;
  // The Index-th ticked area.
  int good = 0;
  for (int i = 0, shown = -1; i < kAreaCount; ++i) {
    if (!areas_[i].Option->Checked()) continue;
    if (++shown == Index) {
      good = areas_[i].Good;
      break;
    }
  }
  il2->Draw(canvas, Rect.left + 2, Rect.top, good);
  canvas.Brush().Style = TBrushStyle::bsClear;
  canvas.TextOut(Rect.left + 20 + il2->Width() / 2, Rect.top + 8, lst->Items()[Index]);
}
