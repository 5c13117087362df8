#include "registry/backup_page/frmRegFlashForm.h"

#include "registry/reg_backup.h"

QS_FORM_IMPL(TfrmRegFlashForm, TForm, QS_FIELD(lblCurrentState), QS_FIELD(Label1), QS_FIELD(Image1),
             QS_FIELD(timerRegFlashForm), QS_FIELD(timerRegRestore), QS_HANDLER(timerRegFlashFormTimer),
             QS_HANDLER(timerRegRestoreTimer), QS_HANDLER(FormCloseQuery))

TfrmRegFlashForm::TfrmRegFlashForm(TWinControl* owner) : TForm(owner), page_(owner) { LoadForm(); }

template <typename TWork>
void TfrmRegFlashForm::RunOnce(TTimer* Timer, UINT Message, TWork Work) {
  Timer->SetEnabled(false);
  TComponentRef<TfrmRegFlashForm> self(this);
  // The editor's wait handles the program's messages, so this window stays painted meanwhile.
  bool result = false;
  try {
    result = Work();
  } catch (...) {
    result = false;
  }
  if (!self) return;
  finished_ = true;
  Result = result;
  SendMessageW(page_->Handle(), Message, Result ? 1 : 0, reinterpret_cast<LPARAM>(&Report));
  if (self) Close();
}

void TfrmRegFlashForm::timerRegFlashFormTimer(TObject* Sender) {
  RunOnce(timerRegFlashForm, WM_REGBACKUP_DONE, [this] { return TakeRegistryBackup(BackupTime, FileName); });
}

void TfrmRegFlashForm::timerRegRestoreTimer(TObject* Sender) {
  RunOnce(timerRegRestore, WM_REGRESTORE_DONE, [this] {
    const TRegImportResult result = ImportRegistry(FileName);
    Report = RegImportFailureText(result);
    return result.Status == TRegImportStatus::Done;
  });
}

void TfrmRegFlashForm::FormCloseQuery(TObject* Sender, bool& CanClose) {
  // The window stays until its run has finished: closed before, nothing would have been done
  // and the page would report a failure; the editor cannot be called back halfway anyway.
  CanClose = finished_;
}
