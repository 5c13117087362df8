#include "registry/cleaner_page/frmRegCleaner.h"

#include <windows.h>

#include <memory>

#include "base/exception.h"
#include "base/message_pump.h"
#include "base/strings.h"
#include "common/failure_list.h"
#include "common/last_run.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/pagekit/last_run_panel.h"
#include "gui/pagekit/page_host.h"
#include "gui/vtree/row_of_node.h"
#include "registry/cleaner_page/reg_result_rows.h"
#include "registry/reg_backup.h"
#include "registry/scan/reg_clean.h"
#include "registry/scan/registry_task.h"

QS_FORM_IMPL(TfrmRegCleaner, TForm, QS_FIELD(Label6), QS_FIELD(Label7), QS_FIELD(pgc1), QS_FIELD(il1), QS_FIELD(il2),
             QS_FIELD(ts1), QS_FIELD(ts2), QS_FIELD(ts3), QS_FIELD(ts4), QS_FIELD(ts5), QS_FIELD(lblLastDT),
             QS_FIELD(lblLast), QS_FIELD(lblLastScan), QS_FIELD(lblLastClear), QS_FIELD(chkSeleAllItem),
             QS_FIELD(chk1), QS_FIELD(chk2), QS_FIELD(chk3), QS_FIELD(chk4), QS_FIELD(chk5), QS_FIELD(chk6),
             QS_FIELD(chk7), QS_FIELD(chk8), QS_FIELD(chk9), QS_FIELD(chk10), QS_FIELD(chk11), QS_FIELD(chk12),
             QS_FIELD(chk13), QS_FIELD(chk14), QS_FIELD(chk15), QS_FIELD(btnScan), QS_FIELD(lblSearch),
             QS_FIELD(lblErrNum), QS_FIELD(lblTime), QS_FIELD(lblItem1), QS_FIELD(lblItem2), QS_FIELD(lblItem3),
             QS_FIELD(lblItem4), QS_FIELD(lblItem5), QS_FIELD(lblItem6), QS_FIELD(lblItem7), QS_FIELD(lblItem8),
             QS_FIELD(lblItem9), QS_FIELD(lblItem10), QS_FIELD(lblItem11), QS_FIELD(lblItem12), QS_FIELD(lblItem13),
             QS_FIELD(lblItem14), QS_FIELD(lblItem15), QS_FIELD(imgItem1), QS_FIELD(imgItem2), QS_FIELD(imgItem3),
             QS_FIELD(imgItem4), QS_FIELD(imgItem5), QS_FIELD(imgItem6), QS_FIELD(imgItem7), QS_FIELD(imgItem8),
             QS_FIELD(imgItem9), QS_FIELD(imgItem10), QS_FIELD(imgItem11), QS_FIELD(imgItem12), QS_FIELD(imgItem13),
             QS_FIELD(imgItem14), QS_FIELD(imgItem15), QS_FIELD(btnCancelScan), QS_FIELD(pb2), QS_FIELD(lblResult),
             QS_FIELD(chkResultAll), QS_FIELD(vdtScanResult), QS_FIELD(btnClear), QS_FIELD(Label3),
             QS_FIELD(lblClearFile), QS_FIELD(btnCancelClear), QS_FIELD(pb1), QS_FIELD(lblError), QS_FIELD(lblFix),
             QS_FIELD(lblProcessResult), QS_FIELD(lblProcessDetail), QS_FIELD(btnFinish), QS_HANDLER(FormCreate),
             QS_HANDLER(chkSeleAllItemClick), QS_HANDLER(btnScanClick), QS_HANDLER(btnCancelScanClick),
             QS_HANDLER(vdtScanResultInitNode), QS_HANDLER(vdtScanResultDrawNode), QS_HANDLER(vdtScanResultChecked),
             QS_HANDLER(vdtScanResultGetImageIndex), QS_HANDLER(chkResultAllClick), QS_HANDLER(btnClearClick),
             QS_HANDLER(btnCancelClearClick), QS_HANDLER(btnFinishClick))

namespace {

constexpr wchar_t kTitle[] = L" Registry Cleaner";
constexpr wchar_t kStartSubHeading[] = L"Optimizes and Fix your system  by removing  invaid registrys errors.";
constexpr wchar_t kProblemsFound[] = L" Problem(s) Found";

// Row pictures of il1.
constexpr int kImageScanning = 1;
constexpr int kImageNoProblems = 4;
constexpr int kImageWaiting = 6;
constexpr int kImageProblems = 7;

constexpr unsigned long long kActivityIntervalMs = 100;


std::wstring Str(long long value) { return IntToStr(value); }

// The question before cleaning; lines end in a bare carriage return.
std::wstring BackupQuestion(int found, int selected) {
  return Str(found) + L" entries found, out of which " + Str(selected) + L" were selected for removal.\r" +
         L"As a safety precaution, a complete backup of the Registry should be\r" +
         L"made before any cleaning. This allows you to undo any changes\r" + L"made to your PC.\r" + L"\r" +
         L"Select Yes to take a full backup.";
}

}  // namespace

TfrmRegCleaner::TfrmRegCleaner(TComponent* owner)
    : TForm(owner), task_(std::make_shared<TRegistryTask>(TRegCleanReport::Category, 0)) {
  rowPictures_.fill(-1);
  LoadForm();
}

TfrmRegCleaner::~TfrmRegCleaner() {
  if (scanning_) task_->Engine().ScanState = kRegStateStop;
  if (cleaning_) task_->Engine().CleanState = kRegStateStop;
}

void TfrmRegCleaner::FormCreate(TObject* Sender) {
  SetProgramDateFormats();
  // A page made anew reads the list afresh rather than doubling it.
  task_->Engine().FreeRegExcludeList();
  task_->Engine().LoadRegExcludeList();
  ResetPage();
}

TCheckBox* TfrmRegCleaner::CategoryBox(int Category) const {
  return dynamic_cast<TCheckBox*>(FindComponent(L"chk" + Str(Category)));
}

TLabel* TfrmRegCleaner::CategoryLabel(int Category) const {
  return dynamic_cast<TLabel*>(FindComponent(L"lblItem" + Str(Category)));
}

TImage* TfrmRegCleaner::CategoryPicture(int Category) const {
  return dynamic_cast<TImage*>(FindComponent(L"imgItem" + Str(Category)));
}

int TfrmRegCleaner::RowPicture(int Category) const {
  return Category >= 1 && Category <= kRegCategoryCount ? rowPictures_[Category] : -1;
}

void TfrmRegCleaner::SetRowPicture(int Category, int ImageIndex) {
  rowPictures_[Category] = ImageIndex;
  auto picture = std::make_unique<TBitmap>();
  il1->GetBitmap(ImageIndex, picture.get());
  CategoryPicture(Category)->Picture()->SetGraphic(std::move(picture));
}

void TfrmRegCleaner::ShowStartView() {
  Steps().ShowStep(ts1);
  Steps().SetHeading(PageHostOf(this).Greeting() + kTitle, kStartSubHeading);
}

void TfrmRegCleaner::ShowResultsView() {
  Steps().ShowStep(ts3);
  Steps().SetHeading(L"Scan Results", L"Registry Cleaner has completely the analysis of your system.");
}

void TfrmRegCleaner::ClearRunTexts() {
  lblClearFile->SetCaption(L"");
  lblProcessResult->SetCaption(L"");
  lblProcessDetail->SetCaption(L"");
  lblSearch->SetCaption(L"");
}

void TfrmRegCleaner::ShowLastRunInfo() {
  TLastRunPanel{lblLastDT, lblLast, lblLastScan, lblLastClear}.Show(task_->LastRun());
}

void TfrmRegCleaner::ResetPage() {
  ShowLastRunInfo();
  ClearRunTexts();
  chkSeleAllItem->SetChecked(true);
  // Already ticked, the box fires no click: the categories follow it all the same.
  chkSeleAllItemClick(chkSeleAllItem);
  ShowStartView();
}

void TfrmRegCleaner::ShowAgain() {
  ShowLastRunInfo();
  if (scanning_ || cleaning_) return;
  Steps().ShowStep(ts1);
  Label7->SetCaption(kStartSubHeading);
}

void TfrmRegCleaner::chkSeleAllItemClick(TObject* Sender) {
  for (int n = 1; n <= kRegCategoryCount; ++n) CategoryBox(n)->SetChecked(chkSeleAllItem->Checked());
}

void TfrmRegCleaner::btnScanClick(TObject* Sender) {
  if (scanning_ || cleaning_) return;
  TComponentRef<TfrmRegCleaner> self(this);
  TTaskResult result;
  // The scan, and the box that may end it, keep the navigation off.
  std::unique_ptr<TBusyRun> run;
  try {
    int checked = 0;
    for (int n = 1; n <= kRegCategoryCount; ++n) {
      SetRowPicture(n, kImageWaiting);
      CategoryLabel(n)->SetCaption(CategoryBox(n)->Caption());
      CategoryLabel(n)->SetEnabled(CategoryBox(n)->Checked());
      if (CategoryBox(n)->Checked()) ++checked;
    }
    if (checked == 0) {
      MessageBoxShow(Handle(), L"Please select at least one option from the list that needs to be scanned for errors.",
                     kProgramCaption, MB_OK | MB_ICONINFORMATION);
      return;
    }
    Steps().ShowStep(ts2);
    run = std::make_unique<TBusyRun>(this);
    scanning_ = true;
    Steps().SetHeading(L"Scanning the Registry",
               L"Registry Cleaner is performing an analysis of your system's Registry,Please wait...");

    // The rows must not outlive the records they show.
    vdtScanResult->SetRootNodeCount(0);
    problemTotal_ = 0;
    lblErrNum->SetCaption(L"0" + std::wstring(kProblemsFound));
    lblTime->SetCaption(L"");
    scanStart_ = Now();
    searchText_.clear();
    lastShown_ = 0;
    for (int n = 1; n <= kRegCategoryCount; ++n) RegDetailInfo[n] = TDetailInfo{CategoryBox(n)->Caption(), 0, 0};
    pb2->SetMax(checked + 1);
    pb2->SetPosition(0);

    // The run keeps the task while handlers it pumps for may free the page.
    const std::shared_ptr<TRegistryTask> task = task_;
    stop_ = TStopToken();
    for (int n = 1; n <= kRegCategoryCount; ++n) task->Categories[n] = CategoryBox(n)->Checked();
    task->OnCategoryStart = [self](int category) {
      if (TfrmRegCleaner* page = self.Get()) page->StartCategory(category);
    };
    task->OnCategoryEnd = [self](int, int) {
      if (TfrmRegCleaner* page = self.Get()) page->EndCategory();
    };
    task->OnEngineProgress = [self](uint8_t kind, const std::wstring& text) {
      if (TfrmRegCleaner* page = self.Get()) page->OnScanProgress(kind, text);
    };
    result = task->Scan({}, stop_);
    if (!self) return;
  } catch (const std::exception& e) {
    if (!self) return;
    const auto* error = dynamic_cast<const Exception*>(&e);
    const bool wasScanning = scanning_;
    if (wasScanning) EndCategory();
    scanning_ = false;
    MessageBoxShow(Handle(), error ? error->Message() : Utf8ToWide(e.what()), kProgramCaption, MB_OK | MB_ICONWARNING);
    if (!self) return;
    // What was found before the error can still be reviewed and cleaned; an unfinished scan is
    // not recorded as the last one.
    if (wasScanning) FinishScan(true, false);
    return;
  }
  FinishScan(result.Stopped, true);
}

void TfrmRegCleaner::StartCategory(int Category) {
  categoryCount_ = 0;
  scanCategory_ = Category;
  categoryLabel_ = CategoryLabel(Category);
  categoryCaption_ = CategoryBox(Category)->Caption();
  SetRowPicture(Category, kImageScanning);
  pb2->SetPosition(pb2->Position() + 1);
}

void TfrmRegCleaner::EndCategory() {
  if (scanCategory_ < 1) return;
  RegDetailInfo[scanCategory_].ScanNum = categoryCount_;
  SetRowPicture(scanCategory_, categoryCount_ == 0 ? kImageNoProblems : kImageProblems);
  scanCategory_ = 0;
}

void TfrmRegCleaner::OnScanProgress(uint8_t Kind, const std::wstring& Text) {
  if (Kind == 0) {
    searchText_ = Text;
    ShowScanActivity(false);
    return;
  }
  ++problemTotal_;
  ++categoryCount_;
  if (categoryLabel_) categoryLabel_->SetCaption(categoryCaption_ + L"(" + Str(categoryCount_) + L")");
  const std::wstring found = Str(problemTotal_) + kProblemsFound;
  lblErrNum->SetCaption(found);
  Label3->SetCaption(found);
  ShowScanActivity(false);
}

void TfrmRegCleaner::ShowScanActivity(bool now) {
  const unsigned long long tick = GetTickCount64();
  if (!now && lastShown_ != 0 && tick - lastShown_ < kActivityIntervalMs) return;
  lastShown_ = tick;
  lblTime->SetCaption(FormatDateTime(L"hh:nn:ss", Now() - scanStart_));
  lblSearch->SetCaption(searchText_);
}

void TfrmRegCleaner::FinishScan(bool Stopped, bool SaveRecord) {
  scanning_ = false;
  categoryLabel_ = nullptr;
  ShowScanActivity(true);
  pb2->SetPosition(pb2->Max());
  SelectRegItems(task_->Engine(), true);
  const int found = static_cast<int>(task_->Engine().Items.size());
  lblResult->SetCaption(Str(found) + L" Problems/Errors Found.");

  if (found == 0) {
    TComponentRef<TfrmRegCleaner> self(this);
    lblProcessResult->SetCaption(L"处理结束！");
    if (Stopped) {
      lblProcessDetail->SetCaption(L"扫描被终止，共扫描错误注册表项目：0 个");
    } else {
      lblProcessDetail->SetCaption(L"本次共扫描错误注册表项目：0 个");
      MessageBoxShow(Handle(), L"No invalid entries on your system!", kProgramCaption, MB_OK | MB_ICONINFORMATION);
      if (!self) return;
    }
    ShowStartView();
    if (SaveRecord) {
      SaveLastRegInfo(0, 0, Now());
      SaveLastRegDetail();
    }
    ShowLastRunInfo();
    return;
  }
  vdtScanResult->SetRootNodeCount(static_cast<uint32_t>(found));
  chkResultAll->SetChecked(true);
  SelectAllResults(true);
  ShowResultsView();
  if (SaveRecord) {
    SaveLastRegInfo(found, 0, Now());
    SaveLastRegDetail();
  }
  ShowLastRunInfo();
}

void TfrmRegCleaner::btnCancelScanClick(TObject* Sender) {
  if (!scanning_) return;
  TComponentRef<TfrmRegCleaner> self(this);
  const int answer =
      MessageBoxShow(Handle(), L"Sure you want to stop scanning?", kProgramCaption, MB_YESNO | MB_ICONQUESTION);
  if (self && answer == IDYES && scanning_) stop_.Request();
}

void TfrmRegCleaner::vdtScanResultInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                           TVirtualNodeInitStates& InitialStates) {
  if (!ParentNode) InitRegResultNode(Node, RowOfNode(task_->Engine().Items, Node));
}

void TfrmRegCleaner::vdtScanResultDrawNode(TBaseVirtualTree* Sender, const TVTPaintInfo& PaintInfo) {
  if (const TRegItem* item = RowOfNode(task_->Engine().Items, PaintInfo.Node)) DrawRegResultRow(Sender, PaintInfo, *item);
}

void TfrmRegCleaner::vdtScanResultChecked(TBaseVirtualTree* Sender, PVirtualNode Node) {
  TakeRegResultCheck(Node, RowOfNode(task_->Engine().Items, Node));
}

void TfrmRegCleaner::vdtScanResultGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                                TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Column == kRegResultColumn) ImageIndex = 0;
}

void TfrmRegCleaner::chkResultAllClick(TObject* Sender) { SelectAllResults(chkResultAll->Checked()); }

void TfrmRegCleaner::SelectAllResults(bool Selected) {
  SelectRegItems(task_->Engine(), Selected);
  for (PVirtualNode node = vdtScanResult->GetFirst(); node; node = vdtScanResult->GetNext(node)) {
    const TRegItem* item = RowOfNode(task_->Engine().Items, node);
    node->CheckState = CheckOf(item && item->Selected);
  }
  vdtScanResult->Invalidate();
}

bool TfrmRegCleaner::BackUpBeforeCleaning(int found, int selected, bool& cancelled) {
  TComponentRef<TfrmRegCleaner> self(this);
  cancelled = false;
  for (;;) {
    const int answer = MessageBoxShow(Handle(), BackupQuestion(found, selected), kProgramCaption,
                                      MB_YESNOCANCEL | MB_ICONQUESTION);
    if (!self) return false;
    if (answer == IDNO) return true;
    if (answer != IDYES) {
      cancelled = true;
      return true;
    }
    if (!cleaning_) StartCleaningView(selected);
    pb1->SetMax(selected + 1);
    pb1->SetPosition(1);
    cleanProgressBase_ = 1;
    lblClearFile->SetCaption(L"正在备份注册表");
    // The export blocks this thread: the cleaning tab is shown before it starts.
    PumpMessages();
    if (!self) return false;
    std::wstring fileName;
    if (TakeRegistryBackup(Now(), fileName)) return true;
    // No backup was made: cleaning waits until the user decides again.
    MessageBoxShow(Handle(), L"Registry Backup Failed!", kProgramCaption, MB_OK | MB_ICONERROR);
    if (!self) return false;
    pb1->SetMax(selected);
    pb1->SetPosition(0);
    cleanProgressBase_ = 0;
    lblClearFile->SetCaption(L"");
  }
}

void TfrmRegCleaner::StartCleaningView(int selected) {
  cleaning_ = true;
  Steps().ShowStep(ts4);
  // Navigation stays usable while cleaning (no busy run); opening this page again keeps the
  // cleaning tab.
  Steps().SetHeading(L"Cleaning Registry", L"Registry Cleaner is now cleanning the Registry,,Please wait...");
  // Cancel asks this run to stop, also while the backup is being made.
  stop_ = TStopToken();
  cleanReports_ = 0;
  cleanProgressBase_ = 0;
  pb1->SetMax(selected);
  pb1->SetPosition(0);
}

void TfrmRegCleaner::btnClearClick(TObject* Sender) {
  if (scanning_ || cleaning_) return;
  const int found = static_cast<int>(task_->Engine().Items.size());
  int selected = 0;
  for (const auto& item : task_->Engine().Items) {
    if (item->Selected) ++selected;
  }
  if (selected == 0) {
    MessageBoxShow(Handle(), L"You haven't select any,please select item to clean", kProgramCaption,
                   MB_OK | MB_ICONINFORMATION);
    return;
  }
  TComponentRef<TfrmRegCleaner> self(this);
  const std::shared_ptr<TRegistryTask> task = task_;
  TTaskResult result;
  try {
    bool cancelled = false;
    if (!BackUpBeforeCleaning(found, selected, cancelled)) return;
    if (cancelled) {
      // Cancelled after a failed backup: back to the results, nothing cleaned.
      if (cleaning_) {
        cleaning_ = false;
        ShowResultsView();
      }
      return;
    }
    if (!cleaning_) StartCleaningView(selected);
    task->OnEngineProgress = [self](uint8_t kind, const std::wstring& text) {
      if (TfrmRegCleaner* page = self.Get()) page->OnCleanProgress(kind, text);
    };
    result = task->Clean({}, stop_);
  } catch (...) {
    // A backup index or report that cannot be written ends the run (the application shows the
    // error); the page may scan and clean again.
    if (self) cleaning_ = false;
    throw;
  }
  if (!self) return;
  cleaning_ = false;
  pb1->SetPosition(pb1->Max());
  const bool stopped = result.Stopped;
  // Every entry that stays is named, so the counts below add up.
  const std::vector<std::wstring>& failedNames = task->LastClean().FailedNames;
  if (failedNames.empty())
    MessageBoxShow(Handle(), L"Cleaning Completed!", kProgramCaption, MB_OK | MB_ICONINFORMATION);
  else
    MessageBoxShow(Handle(),
                   FailureListText(L"Cleaning Completed!\r\n\r\nThese entries could not be cleaned:", failedNames),
                   kProgramCaption, MB_OK | MB_ICONWARNING);
  if (!self) return;
  Steps().ShowStep(ts5);
  Steps().SetHeading(L"Registry Cleaning Completely", L"Thank you for using Registry Cleaner.");
  ShowCleanSummary(found, selected, stopped, task->LastClean());
}

void TfrmRegCleaner::OnCleanProgress(uint8_t Kind, const std::wstring& Text) {
  if (Kind != 0) return;
  lblClearFile->SetCaption(Text);
  ++cleanReports_;
  pb1->SetPosition(cleanProgressBase_ + cleanReports_);
}

void TfrmRegCleaner::ShowCleanSummary(int found, int selected, bool stopped, const TRegCleanResult& result) {
  // Only deletions that succeeded count as fixed, here and in the record.
  lblError->SetCaption(Str(selected));
  lblFix->SetCaption(Str(result.Cleaned));
  if (stopped) {
    lblProcessResult->SetCaption(L"清理被取消！");
    lblProcessDetail->SetCaption(L"");
  } else {
    lblProcessResult->SetCaption(L"清理结束！");
    lblProcessDetail->SetCaption(L"本次共扫描错误数量：" + Str(found) + L"\r\n共选取了 " + Str(selected) +
                                 L" 个需要清理的错误\r\n清理了 " + Str(result.Cleaned) + L" 个错误" +
                                 (result.Failed ? L"\r\n清理失败 " + Str(result.Failed) + L" 个错误" : L"") +
                                 (result.Excluded ? L"\r\n排除列表保留了 " + Str(result.Excluded) + L" 个错误" : L""));
  }
  // Keys deleted before a stop are gone all the same: the record says so.
  if (stopped && result.Cleaned == 0) return;
  SaveLastRegInfo(found, result.Cleaned, Now());
  for (int n = 1; n <= kRegCategoryCount; ++n) RegDetailInfo[n].ClearNum = result.CleanedInCategory[n];
  SaveLastRegDetail();
}

void TfrmRegCleaner::btnCancelClearClick(TObject* Sender) {
  if (cleaning_) stop_.Request();
}

void TfrmRegCleaner::btnFinishClick(TObject* Sender) {
  ShowLastRunInfo();
  ClearRunTexts();
  chkSeleAllItem->SetChecked(false);
  chkSeleAllItem->SetChecked(true);
  ShowStartView();
}
