#include "registry/backup_page/frmRegRestore.h"

#include <memory>

#include "gui/message_box.h"
#include "registry/backup_page/frmRegFlashForm.h"

QS_FORM_IMPL(TfrmRegRestore, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(Label3), QS_FIELD(GroupBox1),
             QS_FIELD(lsbRestore), QS_FIELD(Btn_BackUp), QS_FIELD(btnRestore1), QS_FIELD(btnRemove),
             QS_FIELD(ActionList1), QS_FIELD(acRegRestore), QS_FIELD(acDeleteBackup), QS_FIELD(LargeImages),
             QS_HANDLER(FormCreate), QS_HANDLER(Btn_BackUpClick), QS_HANDLER(acRegRestoreExecute),
             QS_HANDLER(acDeleteBackupExecute), QS_HANDLER(lsbRestoreDrawItem),
             QS_MESSAGE(WM_REGBACKUP_DONE, WMRegBackupDone), QS_MESSAGE(WM_REGRESTORE_DONE, WMRegRestoreDone))

namespace {
// The restore question keeps the caption of the earlier version.
const wchar_t kRestoreQuestionCaption[] = L"Quillstead v 4.0";
// Row backgrounds: white and a light blue, alternating; the chosen row grey with white text.
constexpr TColor kEvenRowColor = 16643571;
constexpr TColor kSelectedRowColor = 8421504;
}  // namespace

TfrmRegRestore::TfrmRegRestore(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmRegRestore::FormCreate(TObject* Sender) { LoadBackupList(); }

int TfrmRegRestore::ShowBox(const std::wstring& Text, const std::wstring& Caption, UINT Type) {
  return MessageBoxShow(Handle(), Text, Caption, Type);
}

void TfrmRegRestore::LoadBackupList() {
  backups_ = LoadRegBackupList();
  std::vector<std::wstring> rows;
  rows.reserve(backups_.size());
  for (const TRegBackupEntry& backup : backups_) rows.push_back(FormatBackupName(backup.FileName));
  lsbRestore->SetItemsList(rows);
}

const TRegBackupEntry* TfrmRegRestore::SelectedBackup() const {
  int index = lsbRestore->ItemIndex();
  if (index < 0 || index >= static_cast<int>(backups_.size())) return nullptr;
  return &backups_[index];
}

void TfrmRegRestore::lsbRestoreDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas& canvas = lsbRestore->Canvas();
  canvas.Font().SetColor(clBlack);
  canvas.Brush().Color = Index % 2 ? clWhite : kEvenRowColor;
  if (State.Contains(TOwnerDrawStateFlag::odSelected)) {
    canvas.Brush().Color = kSelectedRowColor;
    canvas.Font().SetColor(clWhite);
  }
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.FillRect(Rect);
  LargeImages->Draw(canvas, Rect.left + 2, Rect.top + 4, 0);
  canvas.Brush().Style = TBrushStyle::bsClear;
  if (Index >= 0 && Index < lsbRestore->Count())
    canvas.TextOut(LargeImages->Width() + 8, Rect.top + 4, lsbRestore->Items()[Index]);
}

void TfrmRegRestore::Btn_BackUpClick(TObject* Sender) {
  std::unique_ptr<TfrmRegFlashForm> wait(new TfrmRegFlashForm(this));
  wait->lblCurrentState->SetCaption(L"Taking Registry Backup.");
  wait->BackupTime = Now();
  backupResult_ = false;
  wait->timerRegFlashForm->SetEnabled(true);
  wait->ShowModal();
  wait.reset();
  // The backup is indexed by the run itself, and only when the export really wrote it.
  LoadBackupList();
  if (backupResult_)
    ShowBox(L"Registry Backup Completed!", kProgramCaption, MB_OK | MB_ICONINFORMATION);
  else
    ShowBox(L"Registry Backup Failed!", kProgramCaption, MB_OK | MB_ICONERROR);
}

void TfrmRegRestore::WMRegBackupDone(TMessage& Message) {
  backupResult_ = Message.WParam != 0;
  Message.Result = 0;
}

void TfrmRegRestore::acRegRestoreExecute(TObject* Sender) {
  const TRegBackupEntry* backup = SelectedBackup();
  if (!backup) return;
  if (ShowBox(L"Sure you want to restore the item?", kRestoreQuestionCaption, MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  std::unique_ptr<TfrmRegFlashForm> wait(new TfrmRegFlashForm(this));
  wait->lblCurrentState->SetCaption(L"Taking Registry Restore.");
  wait->FileName = backup->FileName;
  wait->timerRegRestore->SetEnabled(true);
  wait->ShowModal();
}

void TfrmRegRestore::WMRegRestoreDone(TMessage& Message) {
  // Shown while the please-wait window is still up; it closes once the box is dismissed.
  const std::wstring* report = reinterpret_cast<const std::wstring*>(Message.LParam);
  if (Message.WParam != 0)
    ShowBox(L"Registry Restore Completed!", kProgramCaption, MB_OK | MB_ICONINFORMATION);
  else if (report && !report->empty())
    ShowBox(L"Registry Restore Failed!\r\n\r\n" + *report, kProgramCaption, MB_OK | MB_ICONERROR);
  else
    ShowBox(L"Registry Restore Failed!", kProgramCaption, MB_OK | MB_ICONERROR);
  Message.Result = 0;
}

void TfrmRegRestore::acDeleteBackupExecute(TObject* Sender) {
  const TRegBackupEntry* backup = SelectedBackup();
  if (!backup) return;
  if (ShowBox(L"Sure you want to remove the item?", kProgramCaption, MB_YESNO | MB_ICONWARNING) == IDYES)
    RemoveRegBackup(*backup);
  LoadBackupList();
}
