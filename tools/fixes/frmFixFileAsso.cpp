#include "tools/fixes/frmFixFileAsso.h"

#include "cleaners/fixes/fix_resource.h"
#include "gui/message_box.h"

QS_FORM_IMPL(TfrmFixFileAsso, TForm, QS_FIELD(Label1), QS_FIELD(VST1), QS_FIELD(chkAll), QS_FIELD(btnRestore),
             QS_HANDLER(FormCreate), QS_HANDLER(chkAllClick), QS_HANDLER(btnRestoreClick), QS_HANDLER(VST1InitNode),
             QS_HANDLER(VST1GetText), QS_HANDLER(VST1PaintText))

TfrmFixFileAsso::TfrmFixFileAsso(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmFixFileAsso::FormCreate(TObject* Sender) {
  // The program's own table lists every association, fixed or not.
  items_ = ReadFileAssociations(kSysFixModule);
  VST1->SetRootNodeCount(static_cast<uint32_t>(items_.size()));
  CheckRowsThatNeedFixing();
}

void TfrmFixFileAsso::VST1InitNode(TBaseVirtualTree*, PVirtualNode, PVirtualNode Node, TVirtualNodeInitStates&) {
  Node->CheckType = TCheckType::ctCheckBox;
}

void TfrmFixFileAsso::VST1GetText(TBaseVirtualTree*, PVirtualNode Node, TColumnIndex Column, TVSTTextType,
                                  std::wstring& CellText) {
  const TFileItem& item = items_[Node->Index];
  switch (Column) {
    case 0: CellText = item.ExtName; break;
    case 1: CellText = item.Description; break;
    case 2: CellText = item.CurrentValue; break;
    case 3: CellText = item.RestoreValue; break;
    default: CellText.clear();
  }
}

void TfrmFixFileAsso::VST1PaintText(TBaseVirtualTree*, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex,
                                    TVSTTextType) {
  TargetCanvas.Font().SetColor(items_[Node->Index].NeedsFix ? clRed : clBlack);
  TargetCanvas.Font().SetStyle(TFontStyles());
}

void TfrmFixFileAsso::CheckRowsThatNeedFixing() {
  for (PVirtualNode node = VST1->GetFirst(); node; node = VST1->GetNext(node))
    VST1->SetCheckState(node, items_[node->Index].NeedsFix ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal);
  VST1->Invalidate();
}

void TfrmFixFileAsso::chkAllClick(TObject* Sender) {
  const TCheckState state = chkAll->Checked() ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
  for (PVirtualNode node = VST1->GetFirst(); node; node = VST1->GetNext(node)) VST1->SetCheckState(node, state);
  VST1->Invalidate();
}

void TfrmFixFileAsso::btnRestoreClick(TObject* Sender) {
  if (!VST1->GetFirstChecked()) {
    ShowInfo(L"Please select at least one option from the list to Restore.");
    return;
  }
  bool written = false, failed = false;
  for (PVirtualNode node = VST1->GetFirstChecked(); node; node = VST1->GetNextChecked(node)) {
    // The value is read back, so the row shows what the registry now holds.
    if (!RestoreFileFix(items_[node->Index])) failed = true;
    written = true;
  }
  if (failed)
    ShowInfo(L"Some file associations could not be repaired. The rows still marked in red keep their old value.");
  else if (written)
    ShowInfo(L"File Association Repair Successfully.");
  CheckRowsThatNeedFixing();
}
