#include "tools/driver_page/frmDriver.h"

#include "base/message_pump.h"
#include "common/failure_list.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/vtree/row_of_node.h"
#include "tools/driver/driver_files.h"

QS_FORM_IMPL(TfrmDriver, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(Label3), QS_FIELD(Label4),
             QS_FIELD(chkAll), QS_FIELD(CheckBox1), QS_FIELD(ProgressBar1), QS_FIELD(GroupBox1), QS_FIELD(VST1),
             QS_FIELD(BtnBackUp), QS_FIELD(ImageList1), QS_HANDLER(FormCreate), QS_HANDLER(CheckBox1Click),
             QS_HANDLER(chkAllClick), QS_HANDLER(BtnBackUpClick), QS_HANDLER(VST1InitNode),
             QS_HANDLER(VST1GetText), QS_HANDLER(VST1GetImageIndex))

TfrmDriver::TfrmDriver(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmDriver::FormCreate(TObject* Sender) { ListDrivers(TDriverListMode::NotMicrosoft); }

void TfrmDriver::ListDrivers(TDriverListMode Mode) {
  VST1->Clear();
  rows_ = ::ListDrivers(Mode, Places);
  VST1->SetRootNodeCount(static_cast<uint32_t>(rows_.size()));
  VST1->Invalidate();
}

void TfrmDriver::CheckBox1Click(TObject* Sender) {
  ListDrivers(CheckBox1->Checked() ? TDriverListMode::All : TDriverListMode::NotMicrosoft);
}

void TfrmDriver::chkAllClick(TObject* Sender) {
  const TCheckState state = chkAll->Checked() ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
  VST1->BeginUpdate();
  for (PVirtualNode node = VST1->GetFirst(); node; node = VST1->GetNextSibling(node)) VST1->SetCheckState(node, state);
  VST1->EndUpdate();
  VST1->Invalidate();
}

void TfrmDriver::VST1InitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                              TVirtualNodeInitStates& InitialStates) {
  Sender->SetCheckType(Node, TCheckType::ctCheckBox);
  if (chkAll->Checked()) Sender->SetCheckState(Node, TCheckState::csCheckedNormal);
}

void TfrmDriver::VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                             TVSTTextType TextType, std::wstring& CellText) {
  const TDriverRow* row = RowOfNode(rows_, Node);
  if (!row) return;
  if (Column == 0) CellText = row->Description;
  else if (Column == 1) CellText = row->ClassDescription;
  else CellText.clear();  // "Reg" stays empty
}

void TfrmDriver::VST1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                   TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind == TVTImageKind::ikNormal && Column == 0) ImageIndex = 0;
}

void TfrmDriver::BtnBackUpClick(TObject* Sender) {
  if (!VST1->GetFirstChecked()) {
    ShowInfo(L"Please select at least one option from the list to backup device driver files.");
    return;
  }
  ProgressBar1->SetPosition(0);
  ProgressBar1->SetMax(static_cast<int>(rows_.size()));
  // The list must not be rebuilt under the loop that walks it.
  TBusyRun run(this);
  run.Disable({BtnBackUp, CheckBox1, chkAll});
  ProgressBar1->SetVisible(true);
  TComponentRef<TfrmDriver> self(this);
  std::vector<std::wstring> failures;
  for (PVirtualNode node = VST1->GetFirst(); node; node = VST1->GetNextSibling(node)) {
    PumpMessages();
    if (!self) break;
    const TDriverRow* listed = RowOfNode(rows_, node);
    if (VST1->CheckState(node) == TCheckState::csCheckedNormal && listed) {
      // A copy: the list may change while the backup pumps messages.
      const TDriverRow row = *listed;
      TDriverBackupResult result = BackupDriverFiles(row.Description, CollectDriverFiles(row.InstanceKey, Places));
      if (!self) break;
      for (const std::wstring& failure : result.Failures) failures.push_back(row.Description + L": " + failure);
    }
    ProgressBar1->StepBy(1);
  }
  if (!self) return;
  run.End();
  ProgressBar1->SetVisible(false);
  if (failures.empty()) {
    ShowInfo(L"Backup Sucessfully!  ");
    return;
  }
  MessageBoxShow(Handle(), FailureListText(L"These drivers were not fully backed up:", failures), kProgramCaption,
                 MB_OK | MB_ICONERROR);
}
