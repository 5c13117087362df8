#pragma once
// The please-wait window of the registry backup page: shown modally while the registry editor
// exports or imports, it starts the work from a one-shot timer once it is on screen, tells the
// page the outcome with a private message and closes.
#include <string>

#include "base/date_time.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"

// Sent to the window of the page that owns the please-wait window; wParam 1 when the run
// succeeded, 0 otherwise; lParam points to the window's Report (valid while the message is
// handled).
constexpr UINT WM_REGBACKUP_DONE = WM_USER + 30;
constexpr UINT WM_REGRESTORE_DONE = WM_USER + 50;

class TfrmRegFlashForm : public TForm {
  QS_FORM(TfrmRegFlashForm)

 public:
  // Owner: the page that receives the done messages.
  explicit TfrmRegFlashForm(TWinControl* owner);

  TLabel* lblCurrentState = nullptr;
  TLabel* Label1 = nullptr;
  TImage* Image1 = nullptr;
  TTimer* timerRegFlashForm = nullptr;
  TTimer* timerRegRestore = nullptr;

  // Backup: the time the backup is stamped with; FileName receives "<stamp>.reg".
  TDateTime BackupTime = 0;
  // Restore: the backup's file name inside Backup\Registry\.
  std::wstring FileName;
  bool Result = false;
  // What went wrong with a restore, for the failure box ("" when nothing did).
  std::wstring Report;

  void timerRegFlashFormTimer(TObject* Sender);
  void timerRegRestoreTimer(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);

 private:
  // Runs Work with the window kept open, reports its outcome to the owner with Message, then
  // closes the window.
  template <typename TWork>
  void RunOnce(TTimer* Timer, UINT Message, TWork Work);

  TWinControl* page_;
  bool finished_ = false;
};
