#include "tools/activex_register_page/frmRegisterActivex.h"

#include "base/message_pump.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/vtree/row_of_node.h"
#include "tools/activex_register/dll_registration.h"

QS_FORM_IMPL(TfrmRegisterActivex, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(Label3), QS_FIELD(Label4),
             QS_FIELD(GroupBox1), QS_FIELD(VST1), QS_FIELD(btnActivex), QS_FIELD(chkAll), QS_FIELD(ProgressBar1),
             QS_HANDLER(FormCreate), QS_HANDLER(chkAllClick), QS_HANDLER(btnActivexClick), QS_HANDLER(VST1InitNode),
             QS_HANDLER(VST1GetText))

namespace {
const wchar_t kReady[] = L"Ready";
}  // namespace

TfrmRegisterActivex::TfrmRegisterActivex(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmRegisterActivex::FormCreate(TObject* Sender) {
  ListSystemDlls();
  running_ = false;
}

void TfrmRegisterActivex::ListSystemDlls() {
  rows_.clear();
  for (const std::wstring& dll : ListDlls(RegistrationTool().SystemFolder)) rows_.push_back({dll, kReady});
  // A new count makes every row anew, unticked.
  VST1->SetRootNodeCount(0);
  VST1->SetRootNodeCount(static_cast<uint32_t>(rows_.size()));
  ProgressBar1->SetMax(static_cast<int>(rows_.size()));
  VST1->Invalidate();
}

void TfrmRegisterActivex::VST1InitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                       TVirtualNodeInitStates& InitialStates) {
  Node->CheckType = TCheckType::ctCheckBox;
}

void TfrmRegisterActivex::VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                      TVSTTextType TextType, std::wstring& CellText) {
  const auto* row = RowOfNode(rows_, Node);
  if (!row) return;
  switch (Column) {
    case 0: CellText = std::to_wstring(Node->Index + 1); break;
    case 1: CellText = row->Path; break;
    case 2: CellText = row->Status; break;
    default: break;
  }
}

void TfrmRegisterActivex::chkAllClick(TObject* Sender) {
  const TCheckState state = chkAll->Checked() ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
  VST1->BeginUpdate();
  for (PVirtualNode node = VST1->GetFirst(); node; node = VST1->GetNextSibling(node)) VST1->SetCheckState(node, state);
  VST1->EndUpdate();
  VST1->Invalidate();
}

void TfrmRegisterActivex::ResetPage() {
  ProgressBar1->SetVisible(false);
  ProgressBar1->SetPosition(0);
  btnActivex->SetCaption(L"Re-Register");
}

void TfrmRegisterActivex::btnActivexClick(TObject* Sender) {
  // "Stop" stops, whatever is ticked by now; the run notices before its next row.
  if (running_) {
    running_ = false;
    ShowInfo(L"Acirvex Re-Registered Canceled.");
    ResetPage();
    return;
  }
  if (!VST1->GetFirstChecked()) {
    ShowInfo(L"Please select at least one option from the list to Activex Re-Registered.");
    return;
  }
  RunChecked();
}

void TfrmRegisterActivex::RunChecked() {
  TComponentRef<TfrmRegisterActivex> self(this);
  running_ = true;
  btnActivex->SetCaption(L"Stop");
  ProgressBar1->SetPosition(0);
  ProgressBar1->SetVisible(true);
  TBusyRun run(this);
  run.Hourglass({this, VST1});
  auto stopped = [&self] { return !self || !self->running_; };
  int handled = 0, failed = 0;
  for (PVirtualNode node = VST1->GetFirst(); node; node = VST1->GetNextSibling(node)) {
    if (!running_) break;
    PumpMessages();
    if (!self) break;
    if (!running_) break;
    if (VST1->CheckState(node) == TCheckState::csCheckedNormal && RowOfNode(rows_, node)) {
      VST1->ScrollIntoView(node, false);
      TRegistrationOutcome outcome = RegisterDll(RowOfNode(rows_, node)->Path, stopped);
      if (!self) break;
      // Taken again: the list may have changed while the registration pumped messages.
      if (auto* row = RowOfNode(rows_, node)) row->Status = RegistrationStatusText(outcome);
      VST1->Repaint();
      ++handled;
      if (outcome.Result != TRegistrationResult::Registered && outcome.Result != TRegistrationResult::Stopped) ++failed;
    }
    ProgressBar1->SetPosition(ProgressBar1->Position() + 1);
  }
  if (!self) return;
  if (running_) {
    if (failed == 0) {
      ShowInfo(L"Select items has been Re-Registered Sucessfully.");
      if (!self) return;
      ListSystemDlls();
    } else {
      // The rows stay as they are, so the user sees which files failed and why.
      MessageBoxShow(Handle(),
                     std::to_wstring(failed) + L" of " + std::to_wstring(handled) +
                         L" selected items could not be Re-Registered. Their status shows why.",
                     kProgramCaption, MB_OK | MB_ICONWARNING);
      if (!self) return;
    }
  }
  running_ = false;
  ResetPage();
}
