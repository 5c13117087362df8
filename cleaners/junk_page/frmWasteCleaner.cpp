#include "cleaners/junk_page/frmWasteCleaner.h"

#include <windows.h>

#include "base/date_time.h"
#include "base/files.h"
#include "base/strings.h"
#include "cleaners/junk/fixed_drives.h"
#include "cleaners/junk/junk_clean.h"
#include "cleaners/junk/junk_scan.h"
#include "cleaners/junk/junk_task.h"
#include "cleaners/junk/junk_texts.h"
#include "cleaners/junk/last_waste_info.h"
#include "cleaners/junk/waste_config.h"
#include "cleaners/junk/waste_lists.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/pagekit/last_run_panel.h"
#include "gui/pagekit/page_host.h"
#include "gui/vtree/row_of_node.h"

QS_FORM_IMPL(TfrmWasteCleaner, TForm, QS_FIELD(Label6), QS_FIELD(Label7), QS_FIELD(pgc1), QS_FIELD(il1), QS_FIELD(ts1),
             QS_FIELD(ts2), QS_FIELD(ts3), QS_FIELD(ts4), QS_FIELD(ts5), QS_FIELD(lblLastDT), QS_FIELD(lblLast),
             QS_FIELD(lblLastScan), QS_FIELD(lblLastClear), QS_FIELD(vstDrive), QS_FIELD(chkSeleAllDrive),
             QS_FIELD(btnScan), QS_FIELD(lblSearchFile), QS_FIELD(lblTmpResult), QS_FIELD(btnCancelScan),
             QS_FIELD(vstDrive1), QS_FIELD(pb2), QS_FIELD(pb1), QS_FIELD(lblResult), QS_FIELD(chkResultAll),
             QS_FIELD(vstScanResult), QS_FIELD(btnClear), QS_FIELD(lblResult_1), QS_FIELD(lblClearFile),
             QS_FIELD(btnCancelClear), QS_FIELD(lblError), QS_FIELD(lblFix), QS_FIELD(btnFinish), QS_FIELD(grp5),
             QS_FIELD(lblProcessResult), QS_FIELD(lblProcessDetail), QS_HANDLER(FormCreate), QS_HANDLER(btnScanClick),
             QS_HANDLER(btnCancelScanClick), QS_HANDLER(btnFinishClick), QS_HANDLER(chkResultAllClick),
             QS_HANDLER(btnClearClick), QS_HANDLER(btnCancelClearClick), QS_HANDLER(chkSeleAllDriveClick),
             QS_HANDLER(vstDriveGetText), QS_HANDLER(vstDriveInitNode), QS_HANDLER(vstDriveChecked),
             QS_HANDLER(vstDriveGetImageIndex), QS_HANDLER(vstDrive1GetText), QS_HANDLER(vstDrive1GetImageIndex),
             QS_HANDLER(vstScanResultChecked), QS_HANDLER(vstScanResultGetText), QS_HANDLER(vstScanResultInitNode),
             QS_HANDLER(vstScanResultGetImageIndex))

namespace {

constexpr wchar_t kTitle[] = L" Junk Cleaner";
constexpr wchar_t kStartSubHeading[] = L"Removes junk files to regain disk space by cleaning your computer.";
constexpr wchar_t kStatusAnalyzing[] = L"Analyzing";
constexpr wchar_t kStatusFinished[] = L"Finished";
// Wrapping width of the path of the file being deleted.
constexpr int kClearFileWrap = 60;
// A label update per file looked at costs more than looking at the file: the scan shows its
// progress at most this often.
constexpr unsigned long long kProgressIntervalMs = 100;

// Images of il1.
constexpr int kImageDrive = 0;
constexpr int kImageAnalyzing = 1;
constexpr int kImageJunkFound = 2;
constexpr int kImageFile = 3;
constexpr int kImageNoJunk = 4;


// Sets every row's check mark from its entry of Rows, without firing OnChecked.
template <class TRows>
void ShowChecks(TBaseVirtualTree* tree, TRows& rows) {
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node)) {
    const auto* row = RowOfNode(rows, node);
    node->CheckState = CheckOf(row && row->Selected);
  }
  tree->Invalidate();
}

std::wstring TotalText() {
  return L"A Total of " + IntToStr(static_cast<long long>(WasteFiles.size())) + L" Files that take up to " +
         TotalWasteSize();
}

}  // namespace

TfrmWasteCleaner::TfrmWasteCleaner(TComponent* owner) : TForm(owner), task_(std::make_shared<TJunkTask>()) {
  LoadForm();
}

TfrmWasteCleaner::~TfrmWasteCleaner() {
  stop_.Request();
  WasteSearchState.Searching = false;
}

void TfrmWasteCleaner::FormCreate(TObject* Sender) {
  SetProgramDateFormats();
  ResetPage();
  LoadWasteScanSettings();
  LoadFixedDrives();
  chkSeleAllDrive->SetChecked(true);
  chkSeleAllDriveClick(chkSeleAllDrive);
  vstDrive->SetRootNodeCount(static_cast<uint32_t>(DiskDrivers.size()));
}

void TfrmWasteCleaner::ShowStartView() {
  Steps().ShowStep(ts1);
  Steps().SetHeading(PageHostOf(this).Greeting() + kTitle, kStartSubHeading);
}

void TfrmWasteCleaner::ShowLastRunInfo() {
  TLastRunPanel{lblLastDT, lblLast, lblLastScan, lblLastClear}.Show(task_->LastRun());
}

void TfrmWasteCleaner::ResetPage() {
  // Opened again while files are being deleted: the cleaning view stays until the run ends.
  if (CleanState == TCleanState::Cleaning) return;
  ShowLastRunInfo();
  ClearRunTexts();
  ShowStartView();
}

void TfrmWasteCleaner::ClearRunTexts() {
  lblClearFile->SetCaption(L"");
  lblProcessResult->SetCaption(L"");
  lblProcessDetail->SetCaption(L"");
  lblSearchFile->SetCaption(L"");
}

void TfrmWasteCleaner::chkSeleAllDriveClick(TObject* Sender) {
  const bool selected = chkSeleAllDrive->Checked();
  for (auto& drive : DiskDrivers) drive->Selected = selected;
  ShowChecks(vstDrive, DiskDrivers);
}

void TfrmWasteCleaner::vstDriveInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                        TVirtualNodeInitStates& InitialStates) {
  if (ParentNode) return;
  Node->CheckType = TCheckType::ctCheckBox;
  const TDiskDriver* drive = RowOfNode(DiskDrivers, Node);
  Node->CheckState = CheckOf(drive && drive->Selected);
}

void TfrmWasteCleaner::vstDriveChecked(TBaseVirtualTree* Sender, PVirtualNode Node) {
  if (TDiskDriver* drive = RowOfNode(DiskDrivers, Node)) drive->Selected = Node->CheckState == TCheckState::csCheckedNormal;
}

void TfrmWasteCleaner::vstDriveGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                       TVSTTextType TextType, std::wstring& CellText) {
  const TDiskDriver* drive = RowOfNode(DiskDrivers, Node);
  if (!drive) return;
  Node->CheckState = CheckOf(drive->Selected);
  switch (Column) {
    case 0: CellText = drive->Caption; break;
    case 1: CellText = FormatByteSize(drive->TotalBytes); break;
    case 2: CellText = FormatByteSize(drive->FreeBytes); break;
    default: break;
  }
}

void TfrmWasteCleaner::vstDriveGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                             TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind == TVTImageKind::ikNormal && Column <= 0) ImageIndex = kImageDrive;
}

void TfrmWasteCleaner::vstDrive1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                        TVSTTextType TextType, std::wstring& CellText) {
  const TDiskDriver* drive = RowAt(DiskDrivers, SelectedDriveIndex(static_cast<int>(Node->Index)));
  if (!drive) return;
  switch (Column) {
    case 0: CellText = drive->Caption; break;
    case 1: CellText = drive->FileCountText; break;
    case 2: CellText = drive->SizeText; break;
    case 3: CellText = drive->Status; break;
    default: break;
  }
}

void TfrmWasteCleaner::vstDrive1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                              TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind != TVTImageKind::ikNormal || Column > 0) return;
  const TDiskDriver* drive = RowAt(DiskDrivers, SelectedDriveIndex(static_cast<int>(Node->Index)));
  if (!drive) return;
  if (drive->Status == kStatusAnalyzing) {
    ImageIndex = kImageAnalyzing;
  } else if (drive->Status == kStatusFinished) {
    ImageIndex = drive->FileCount != 0 ? kImageJunkFound : kImageNoJunk;
  } else {
    ImageIndex = kImageDrive;
  }
}

void TfrmWasteCleaner::btnScanClick(TObject* Sender) {
  if (WasteSearchState.Searching || CleanState == TCleanState::Cleaning) return;
  LoadWasteScanSettings();
  int selected = 0;
  for (const auto& drive : DiskDrivers) {
    if (drive->Selected) ++selected;
  }
  if (selected == 0) {
    ShowInfo(L"Please select at least one option from the list that needs to be scanned for junk files.");
    return;
  }

  vstDrive1->SetRootNodeCount(static_cast<uint32_t>(selected));
  Steps().ShowStep(ts2);
  TBusyRun run(this);
  Steps().SetHeading(L"Scanning the Junk Cleaner", L"Junk File Cleaner is performing the search,Please wait...");

  lblTmpResult->SetCaption(L"0 Files (0 M) Junk File(s) Found");
  pb2->SetMax(selected + 1);
  pb2->SetPosition(0);
  scanBytes_ = 0;
  searchFile_.clear();
  lastShown_ = 0;

  // Handlers that run while the scan pumps may free this page: every step checks it still exists.
  TComponentRef<TfrmWasteCleaner> self(this);
  const TJunkProgressEvent progress = [self](bool found, const std::wstring& path, int64_t size) {
    if (TfrmWasteCleaner* page = self.Get()) page->OnScanProgress(found, path, size);
  };
  // The run keeps the task while handlers it pumps for may free the page.
  const std::shared_ptr<TJunkTask> task = task_;
  stop_ = TStopToken();
  std::vector<size_t> drives;  // the drive of each folder scanned
  task->Folders.clear();
  for (size_t i = 0; i < DiskDrivers.size(); ++i) {
    if (!DiskDrivers[i]->Selected) continue;
    drives.push_back(i);
    task->Folders.push_back(DiskDrivers[i]->Root);
  }
  task->OnFolderStart = [self, drives](size_t folder) {
    if (TfrmWasteCleaner* page = self.Get()) page->StartDrive(drives[folder]);
  };
  task->OnFolderEnd = [self, drives](size_t folder) {
    if (TfrmWasteCleaner* page = self.Get()) page->EndDrive(drives[folder]);
  };
  task->OnScanFile = progress;
  const TTaskResult scanned = task->Scan({}, stop_);
  if (!self) return;
  pb2->SetPosition(pb2->Max());

  lblResult->SetCaption(TotalText());
  lblResult_1->SetCaption(TotalText());
  const long long found = static_cast<long long>(WasteFiles.size());
  if (found == 0) {
    StoreLastWasteInfo(0, 0, Now());
    lblProcessResult->SetCaption(L"处理结束！");
    if (scanned.Stopped) {
      lblProcessDetail->SetCaption(L"扫描被终止，共扫描文件数量：0 个");
    } else {
      lblProcessDetail->SetCaption(L"本次共扫描文件数量：0 个");
      MessageBoxShow(Handle(), L"扫描结束，没有发现垃圾文件！", L"扫描结束", MB_OK | MB_ICONINFORMATION);
      if (!self) return;
    }
    ShowLastRunInfo();
    ShowStartView();
    return;
  }
  StoreLastWasteInfo(static_cast<int>(found), 0, Now());
  vstScanResult->SetRootNodeCount(static_cast<uint32_t>(found));
  chkResultAll->SetChecked(true);
  ShowChecks(vstScanResult, WasteFiles);
  Steps().ShowStep(ts3);
  run.End();
  Steps().SetHeading(L"Analysis Completely", L"Junk File Cleaner has completely the analysis of your system.");
}

void TfrmWasteCleaner::StartDrive(size_t Drive) {
  DriveFileCount = 0;
  DriveBytes = 0;
  CurrentDrive = static_cast<int>(Drive);
  TDiskDriver& drive = *DiskDrivers[Drive];
  drive.FileCount = 0;
  drive.FileCountText = L"0";
  drive.SizeText = L"0.0 MB";
  drive.Status = kStatusAnalyzing;
  pb2->SetPosition(pb2->Position() + 1);
  vstDrive1->Invalidate();
}

void TfrmWasteCleaner::EndDrive(size_t Drive) {
  DiskDrivers[Drive]->Status = kStatusFinished;
  ShowScanProgress();
}

void TfrmWasteCleaner::OnScanProgress(bool Found, const std::wstring& Path, int64_t Size) {
  searchFile_ = Path;
  if (Found) {
    ++DriveFileCount;
    DriveBytes += Size;
    scanBytes_ += Size;
    if (TDiskDriver* drive = RowAt(DiskDrivers, CurrentDrive)) {
      drive->FileCount = DriveFileCount;
      drive->FileCountText = IntToStr(DriveFileCount);
      drive->SizeText = FormatByteSize(DriveBytes);
    }
  }
  const unsigned long long now = GetTickCount64();
  if (lastShown_ != 0 && now - lastShown_ < kProgressIntervalMs) return;
  lastShown_ = now;
  ShowScanProgress();
}

void TfrmWasteCleaner::ShowScanProgress() {
  lblSearchFile->SetCaption(searchFile_);
  lblTmpResult->SetCaption(IntToStr(static_cast<long long>(WasteFiles.size())) + L" Files (" +
                           FormatByteSize(scanBytes_) + L") Junk File(s) Found");
  vstDrive1->Invalidate();
}

void TfrmWasteCleaner::btnCancelScanClick(TObject* Sender) {
  if (MessageBoxShow(Handle(), L"Sure you want to stop scanning?", kProgramCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  stop_.Request();
  WasteSearchState.Searching = false;
}

void TfrmWasteCleaner::vstScanResultInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                             TVirtualNodeInitStates& InitialStates) {
  if (ParentNode) return;
  Node->CheckType = TCheckType::ctCheckBox;
  const TWasteFile* file = RowOfNode(WasteFiles, Node);
  Node->CheckState = CheckOf(file && file->Selected);
}

void TfrmWasteCleaner::vstScanResultGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                            TVSTTextType TextType, std::wstring& CellText) {
  const TWasteFile* file = RowOfNode(WasteFiles, Node);
  if (!file) return;
  Node->CheckState = CheckOf(file->Selected);
  switch (Column) {
    case 0: CellText = ExtractFileName(file->Path); break;
    case 1: CellText = ExtractFilePath(file->Path); break;
    case 2: CellText = FormatByteSize(file->Size); break;
    default: break;
  }
}

void TfrmWasteCleaner::vstScanResultChecked(TBaseVirtualTree* Sender, PVirtualNode Node) {
  if (TWasteFile* file = RowOfNode(WasteFiles, Node)) file->Selected = Node->CheckState == TCheckState::csCheckedNormal;
}

void TfrmWasteCleaner::vstScanResultGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                                  TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind == TVTImageKind::ikNormal && Column <= 0) ImageIndex = kImageFile;
}

void TfrmWasteCleaner::chkResultAllClick(TObject* Sender) {
  const bool selected = chkResultAll->Checked();
  for (auto& file : WasteFiles) file->Selected = selected;
  ShowChecks(vstScanResult, WasteFiles);
}

void TfrmWasteCleaner::btnClearClick(TObject* Sender) {
  if (CleanState == TCleanState::Cleaning || WasteSearchState.Searching) return;
  const long long found = static_cast<long long>(WasteFiles.size());
  long long selected = 0;
  for (const auto& file : WasteFiles) {
    if (file->Selected) ++selected;
  }
  if (selected == 0) {
    ShowInfo(L"You haven't select any,please select items to clean");
    return;
  }
  const std::wstring question = IntToStr(found) + L" junk files selected for removal, out of whick " +
                                IntToStr(selected) + L" were selectd for removal.\r\r" +
                                L"select Yes to permanently delete junk files,select No to remove junk files to "
                                L"Recyle Bin\r";
  TComponentRef<TfrmWasteCleaner> self(this);
  // No (the Recycle Bin) is the default: one Enter never deletes for good.
  const int answer =
      MessageBoxShow(Handle(), question, kProgramCaption, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
  if (!self) return;
  bool toRecycleBin;
  if (answer == IDYES) {
    toRecycleBin = false;
  } else if (answer == IDNO) {
    toRecycleBin = true;
  } else {
    return;
  }
  WasteCleanOptions.CanRecover = toRecycleBin;

  Steps().ShowStep(ts4);
  // Navigation stays usable while files are deleted, except what would free this page under its
  // own loop (one-click maintenance makes the junk page anew) or start it over; another page's
  // run ending meanwhile leaves those off.
  TNavigationLock recreation = PageHostOf(this).LockPageRecreation();
  Steps().SetHeading(L"Cleaning Junk Files", L"Junk File Cleaner is now cleanning junk files,Please wait...");
  CleanState = TCleanState::Cleaning;
  pb1->SetPosition(0);
  pb1->SetMax(static_cast<int>(selected));

  const std::shared_ptr<TJunkTask> task = task_;
  task->ToRecycleBin = toRecycleBin;
  task->OnCleanStep = [self](const TWasteFile& file, const TJunkCleanCounts& soFar) {
    TfrmWasteCleaner* page = self.Get();
    if (!page) return true;
    page->pb1->SetPosition(static_cast<int>(soFar.Processed));
    if (file.Selected) page->lblClearFile->SetCaption(WrapPathText(file.Path, kClearFileWrap));
    return true;
  };
  stop_ = TStopToken();
  task->Clean({}, stop_);
  if (!self) return;
  const TJunkCleanCounts counts = task->LastClean();
  pb1->SetPosition(pb1->Max());
  const bool completed = counts.Processed == counts.Selected;
  CleanState = completed ? TCleanState::Completed : TCleanState::Idle;
  ShowCleanSummary(found, counts.Selected, counts.Deleted, counts.FreedBytes, completed);
}

void TfrmWasteCleaner::ShowCleanSummary(int64_t found, int64_t selected, int64_t deleted, int64_t freedBytes,
                                        bool completed) {
  // Each number stands under the caption that names it: files found, files really deleted.
  lblError->SetCaption(IntToStr(found));
  lblFix->SetCaption(IntToStr(deleted));
  TComponentRef<TfrmWasteCleaner> self(this);
  if (completed) {
    StoreLastWasteInfo(static_cast<int>(found), static_cast<int>(deleted), Now());
    lblProcessResult->SetCaption(L"清理结束！");
    lblProcessDetail->SetCaption(L"本次共扫描文件数量：" + IntToStr(found) + L"\r\n共选取了 " + IntToStr(selected) +
                                 L" 个需要清理的文件\r\n" + IntToStr(deleted) + L" 个文件清理成功\r\n" +
                                 IntToStr(selected - deleted) + L" 个文件清理失败\r\n共回收空间: " +
                                 IntToGroupedStr((freedBytes + 512) / 1024) + L"KB");
    ShowInfo(L"Cleaning Completed.");
    if (!self) return;
  } else {
    // Files deleted before the cancel are gone all the same: the record says so.
    if (deleted > 0) StoreLastWasteInfo(static_cast<int>(found), static_cast<int>(deleted), Now());
    lblProcessResult->SetCaption(L"清理被取消！");
    lblProcessDetail->SetCaption(L"");
  }
  Steps().ShowStep(ts5);
  Steps().SetHeading(L"Junk Files Cleaning Completely", L"Thank you for using Junk File Cleaner.");
}

void TfrmWasteCleaner::btnCancelClearClick(TObject* Sender) { stop_.Request(); }

void TfrmWasteCleaner::btnFinishClick(TObject* Sender) {
  ShowLastRunInfo();
  ClearRunTexts();
  for (auto& drive : DiskDrivers) {
    drive->Selected = true;
    drive->FileCount = 0;
    drive->FileCountText.clear();
    drive->SizeText.clear();
    drive->Status.clear();
  }
  chkSeleAllDrive->SetChecked(true);
  ShowChecks(vstDrive, DiskDrivers);
  ShowStartView();
}
