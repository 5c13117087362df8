#include "tools/restore_page/frmSystemRestore.h"

#include "base/message_pump.h"
#include "base/strings.h"
#include "gui/message_box.h"

QS_FORM_IMPL(TfrmSystemRestore, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(Label3), QS_FIELD(GroupBox1),
             QS_FIELD(VST1), QS_FIELD(btnRefresh), QS_FIELD(btnNew), QS_FIELD(btnResote), QS_HANDLER(btnRefreshClick),
             QS_HANDLER(btnNewClick), QS_HANDLER(btnResoteClick), QS_HANDLER(VST1GetText))

namespace {
}

TfrmSystemRestore::TfrmSystemRestore(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmSystemRestore::ListRestorePoints() {
  restorePoints_.clear();
  // A failed query leaves the points read until then; the list says no more than that.
  Platform.ListPoints(restorePoints_);
}

void TfrmSystemRestore::ShowRestorePoints() {
  VST1->Clear();
  shown_.clear();
  for (const TSystemRestoreItem& point : restorePoints_)
    if (point.RestorePointType != kCancelledOperationPoint) shown_.push_back(point);
  VST1->SetRootNodeCount(static_cast<uint32_t>(shown_.size()));
  VST1->Invalidate();
}

void TfrmSystemRestore::btnRefreshClick(TObject* Sender) {
  ListRestorePoints();
  ShowRestorePoints();
}

void TfrmSystemRestore::VST1GetText(TBaseVirtualTree*, PVirtualNode Node, TColumnIndex Column, TVSTTextType,
                                    std::wstring& CellText) {
  const TSystemRestoreItem& point = shown_[Node->Index];
  switch (Column) {
    case 0: CellText = point.Description; break;
    case 1: CellText = FormatCreationTime(point.CreationTime); break;
    case 2: CellText = IntToStr(point.SequenceNumber); break;
    default: CellText.clear();
  }
}

void TfrmSystemRestore::btnNewClick(TObject* Sender) {
  TComponentRef<TfrmSystemRestore> self(this);
  if (SystemRestoreNeedsEnabling(Platform) &&
      MessageBoxShow(Handle(), L"The services corresponding with the System Resotre were disable,Want to enable them now?",
                     kProgramCaption, MB_YESNO | MB_ICONINFORMATION) == IDYES) {
    PumpMessages();
    if (!self) return;
    if (!EnableSystemRestore(Platform)) {
      MessageBoxShow(Handle(),
                     L"System restore point management service failed to start, please contact the administrator to "
                     L"manually startup it.",
                     kProgramCaption, MB_OK | MB_ICONERROR);
      return;
    }
  }
  dialog_.reset();
  dialog_.reset(new TfrmnewRestorePoint(nullptr));
  if (dialog_->ShowModal() != mrOk || !self) return;
  const std::wstring description = dialog_->edtRestorePointDescription->Text();
  PumpMessages();
  if (!self) return;
  if (!Platform.CreatePoint(description).Succeeded()) {
    MessageBoxShow(Handle(), L"Creating system backup was faild!", kProgramCaption, MB_OK | MB_ICONERROR);
    return;
  }
  MessageBoxShow(Handle(), L"The system backup was created successfully!", kProgramCaption, MB_OK | MB_ICONINFORMATION);
  btnRefreshClick(btnRefresh);
}

void TfrmSystemRestore::btnResoteClick(TObject* Sender) {
  PVirtualNode node = VST1->FocusedNode();
  if (!node || node->Index >= shown_.size()) {
    MessageBoxShow(Handle(), L"There are no items to restore", kProgramCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (MessageBoxShow(Handle(), L"Do you want to Recovey system restore point?", kProgramCaption,
                     MB_YESNO | MB_ICONINFORMATION) != IDYES)
    return;
  // The machine restarts only once the rollback is set up, and the user is told first: a failed
  // rollback leaves nothing for a restart to finish.
  if (!Platform.RestoreToPoint(shown_[node->Index].SequenceNumber).Succeeded()) {
    MessageBoxShow(Handle(), L"System Restore Failed.", kProgramCaption, MB_OK | MB_ICONERROR);
    return;
  }
  MessageBoxShow(Handle(), L"The computer will now restart to finish restoring the system.", kProgramCaption,
                 MB_OK | MB_ICONINFORMATION);
  if (!Platform.Restart())
    MessageBoxShow(Handle(), L"The computer could not be restarted. Please restart it to finish restoring the system.",
                   kProgramCaption, MB_OK | MB_ICONERROR);
}
