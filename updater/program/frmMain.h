#pragma once
// The updater's window: the update's files with their states, the gauge and status line of
// the file being fetched, "Update" and "Close"/"Cancel". The sequence itself is TUpdateEngine.
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/list_view.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "skin/skin_data.h"
#include "updater/update/update_engine.h"

class TfrmMain : public TForm {
  QS_FORM(TfrmMain)

 public:
  explicit TfrmMain(TComponent* owner);

  TGauge* Gauge1 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* lblVersion = nullptr;
  TLabel* lblFileName = nullptr;
  TSpeedButton* btnUpdate = nullptr;
  TSpeedButton* btnStop = nullptr;
  TListView* ListView1 = nullptr;
  TTimer* Timer1 = nullptr;
  // Carries our skin, stored switched on: the window is skinned once it is activated.
  TSkinData* SkinData1 = nullptr;

  // Set from the command line before the window is shown: update without waiting for the user.
  bool AutoMode = false;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Timer1Timer(TObject* Sender);
  void btnUpdateClick(TObject* Sender);
  void btnStopClick(TObject* Sender);

 private:
  void ShowRunning(bool running);

  TUpdateEngine engine_;
  // A transfer runs (the size probe when shown, or the update) and handles our messages.
  bool running_ = false;
  // The window was asked to close while a transfer ran: it closes once the transfer stops.
  bool closeWhenStopped_ = false;
};
