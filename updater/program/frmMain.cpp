#include "updater/program/frmMain.h"

#include <windows.h>

#include "base/files.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "updater/update/update_files.h"

QS_FORM_IMPL(TfrmMain, TForm, QS_FIELD(Gauge1), QS_FIELD(Label3), QS_FIELD(Label4), QS_FIELD(lblVersion),
             QS_FIELD(lblFileName), QS_FIELD(btnUpdate), QS_FIELD(btnStop), QS_FIELD(ListView1), QS_FIELD(Timer1),
             QS_FIELD(SkinData1),
             QS_HANDLER(FormCreate), QS_HANDLER(FormShow), QS_HANDLER(FormCloseQuery), QS_HANDLER(FormClose),
             QS_HANDLER(Timer1Timer), QS_HANDLER(btnUpdateClick), QS_HANDLER(btnStopClick))

namespace {
TUpdateCallbacks WindowCallbacks(TfrmMain* form) {
  TUpdateCallbacks callbacks;
  callbacks.ShowMessage = [](const std::wstring& text) { ShowInfo(text); };
  callbacks.FileStateChanged = [form](int index, TFileState state) {
    if (index >= 0 && index < form->ListView1->Items()->Count())
      form->ListView1->Items()->Item(index)->SetSubItem(0, FileStateText(state));
  };
  callbacks.Progress = [form](const std::wstring& text, int percent) {
    form->Label3->SetCaption(text);
    form->Gauge1->SetProgress(percent);
  };
  callbacks.ProcessMessages = [] { Application->ProcessMessages(); };
  return callbacks;
}
}  // namespace

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner), engine_(WindowCallbacks(this)) { LoadForm(); }

void TfrmMain::FormCreate(TObject* Sender) {
  engine_.Prepare();
  const auto& files = engine_.Files();
  // All rows in one update of a list that already has its window: rows added before the window
  // exists are put in when it is made, each redrawing the list and its scroll bars (a long list
  // kept the window from showing for seconds to minutes).
  ListView1->Handle();
  ListView1->Items()->BeginUpdate();
  for (size_t i = 0; i < files.size(); ++i) {
    TListItem* row = ListView1->Items()->Add();
    row->SetCaption(files[i].Caption);
    row->AddSubItem(FileStateText(files[i].State));
  }
  ListView1->Items()->EndUpdate();
  if (!files.empty()) {
    Label3->SetCaption(L"State:Downloading......");
    lblFileName->SetCaption(ProgramFolder() + files[0].Caption);
  } else {
    btnUpdate->SetEnabled(false);
    btnStop->SetCaption(L"Close");
  }
}

void TfrmMain::FormShow(TObject* Sender) {
  lblVersion->SetCaption(VersionText());
  int percent = 0;
  running_ = true;
  const bool probed = engine_.ProbeCurrentFile(percent);
  running_ = false;
  if (closeWhenStopped_) {
    Close();
    return;
  }
  if (!probed) return;
  Gauge1->SetProgress(percent);
  Application->ProcessMessages();
  Timer1->SetEnabled(true);
}

void TfrmMain::Timer1Timer(TObject* Sender) {
  Timer1->SetEnabled(false);
  if (AutoMode) btnUpdateClick(btnUpdate);
}

void TfrmMain::ShowRunning(bool running) {
  Label3->SetVisible(running);
  Label4->SetVisible(running);
  btnStop->SetCaption(running ? L"Cancel" : L"Close");
  btnUpdate->SetEnabled(!running);
}

void TfrmMain::btnUpdateClick(TObject* Sender) {
  if (running_) return;
  ShowRunning(true);
  btnStop->SetEnabled(true);
  running_ = true;
  const TUpdateResult result = engine_.Run();
  running_ = false;
  if (closeWhenStopped_) {
    Close();
    return;
  }
  switch (result) {
    case TUpdateResult::Finished: {
      ShowRunning(false);
      Close();
      engine_.StartProgram();
      break;
    }
    case TUpdateResult::Cancelled:
      // btnStopClick has shown the idle state; "Update" resumes the partial file.
      break;
    case TUpdateResult::Failed:
      // The failure box was shown; "Cancel" makes "Update" available again to resume.
      break;
  }
}

void TfrmMain::btnStopClick(TObject* Sender) {
  if (btnStop->Caption() != L"Close") {
    engine_.Cancel();
    ShowRunning(false);
    return;
  }
  Close();
}

void TfrmMain::FormCloseQuery(TObject* Sender, bool& CanClose) {
  // The transfer pumps messages; closing under it would free the window it reports to.
  if (running_) {
    engine_.Cancel();
    closeWhenStopped_ = true;
    CanClose = false;
  }
}

void TfrmMain::FormClose(TObject* Sender, TCloseAction& Action) {
  // Partial downloads are not kept once the window goes.
  if (DirectoryExists(TempFolder())) DeleteFilesIn(TempFolder());
}
