#pragma once
// The registry backup page: the backups of Registry.ini [RegBackupFiles] as owner-drawn rows, a
// new full backup, the restore of the chosen one and its removal. Backups and restores run in
// the please-wait window (frmRegFlashForm.h).
#include <string>
#include <vector>

#include "gui/actions.h"
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/lists.h"
#include "gui/std_ctrls.h"
#include "registry/reg_backup.h"

class TfrmRegRestore : public TForm {
  QS_FORM(TfrmRegRestore)

 public:
  explicit TfrmRegRestore(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TListBox* lsbRestore = nullptr;
  TButton* Btn_BackUp = nullptr;
  TButton* btnRestore1 = nullptr;
  TButton* btnRemove = nullptr;
  TActionList* ActionList1 = nullptr;
  TAction* acRegRestore = nullptr;
  TAction* acDeleteBackup = nullptr;
  TImageList* LargeImages = nullptr;

  void FormCreate(TObject* Sender);
  void Btn_BackUpClick(TObject* Sender);
  void acRegRestoreExecute(TObject* Sender);
  void acDeleteBackupExecute(TObject* Sender);
  void lsbRestoreDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  void WMRegBackupDone(TMessage& Message);
  void WMRegRestoreDone(TMessage& Message);

  // Fills the rows from [RegBackupFiles], in file order.
  void LoadBackupList();

  // The backups behind the rows, index-aligned with them.
  const std::vector<TRegBackupEntry>& Backups() const { return backups_; }

 private:
  // The row's backup, or nullptr when no row is chosen.
  const TRegBackupEntry* SelectedBackup() const;
  int ShowBox(const std::wstring& Text, const std::wstring& Caption, UINT Type);

  std::vector<TRegBackupEntry> backups_;
  bool backupResult_ = false;
};
