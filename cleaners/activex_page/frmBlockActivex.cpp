#include "cleaners/activex_page/frmBlockActivex.h"

#include "cleaners/activex/activex_list.h"
#include "gui/message_box.h"
#include "gui/vtree/row_of_node.h"

QS_FORM_IMPL(TfrmBlockActivex, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(GroupBox1),
             QS_FIELD(VST_Activex), QS_FIELD(chkAll), QS_FIELD(btnOK), QS_FIELD(btnCancel), QS_FIELD(ProgressBar1),
             QS_FIELD(ImageList1), QS_HANDLER(FormCreate), QS_HANDLER(VST_ActivexInitNode),
             QS_HANDLER(VST_ActivexGetText), QS_HANDLER(VST_ActivexGetImageIndex), QS_HANDLER(chkAllClick),
             QS_HANDLER(btnOKClick), QS_HANDLER(btnCancelClick))

TfrmBlockActivex::TfrmBlockActivex(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmBlockActivex::FormCreate(TObject* Sender) {
  for (const TActiveXLine& line : ReadActiveXFile()) {
    // A line without a class id would name the compatibility key itself: it gets no row, so
    // nothing can block or unblock it.
    if (!IsUsableActiveXClsid(line.CLSID)) continue;
    rows_.push_back({line.Name, line.CLSID, ActiveXStatus(line.CLSID)});
  }
  VST_Activex->SetRootNodeCount(static_cast<uint32_t>(rows_.size()));
  // Checking the box clicks it; a box that is already checked gets its click here.
  if (chkAll->Checked())
    chkAllClick(chkAll);
  else
    chkAll->SetChecked(true);
}

void TfrmBlockActivex::VST_ActivexInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                           TVirtualNodeInitStates& InitialStates) {
  Sender->SetCheckType(Node, TCheckType::ctCheckBox);
  Sender->SetCheckState(Node, TCheckState::csCheckedNormal);
}

void TfrmBlockActivex::VST_ActivexGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                          TVSTTextType TextType, std::wstring& CellText) {
  const TActivexRow* row = RowOfNode(rows_, Node);
  if (!row) return;
  switch (Column) {
    case 0: CellText = row->Name; break;
    case 1: CellText = row->CLSID; break;
    case 2: CellText = row->Status; break;
    default: break;
  }
}

void TfrmBlockActivex::VST_ActivexGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                                TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  const TActivexRow* row = RowOfNode(rows_, Node);
  if (Kind != TVTImageKind::ikNormal || Column != 0 || !row) return;
  ImageIndex = row->Status == kActiveXLocked ? 0 : 1;
}

void TfrmBlockActivex::chkAllClick(TObject* Sender) {
  const TCheckState state = chkAll->Checked() ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
  VST_Activex->BeginUpdate();
  for (PVirtualNode node = VST_Activex->GetFirst(); node; node = VST_Activex->GetNextSibling(node))
    VST_Activex->SetCheckState(node, state);
  VST_Activex->EndUpdate();
  VST_Activex->Invalidate();
}

bool TfrmBlockActivex::NoneChecked() { return VST_Activex->GetFirstChecked() == nullptr; }

void TfrmBlockActivex::btnOKClick(TObject* Sender) {
  if (NoneChecked())
    ShowInfo(L"Please select at least one option from the list to Block.");
  else
    ApplyToChecked(1);
}

void TfrmBlockActivex::btnCancelClick(TObject* Sender) {
  if (NoneChecked())
    ShowInfo(L"Please select at least one option from the list to unLock.");
  else
    ApplyToChecked(0);
}

void TfrmBlockActivex::ApplyToChecked(int Mode) {
  ProgressBar1->SetPosition(0);
  ProgressBar1->Show();
  for (PVirtualNode node = VST_Activex->GetFirst(); node; node = VST_Activex->GetNextSibling(node)) {
    ProgressBar1->SetPosition(ProgressBar1->Position() + 1);
    TActivexRow* row = RowOfNode(rows_, node);
    if (VST_Activex->CheckState(node) != TCheckState::csCheckedNormal || !row) continue;
    const bool done = Mode == 1 ? BlockActiveX(row->CLSID) : UnblockActiveX(row->CLSID);
    // A key that could not be changed (no rights below HKEY_LOCAL_MACHINE) shows what the
    // registry really holds, and the rows after it still get their turn.
    row->Status = done ? (Mode == 1 ? kActiveXLocked : kActiveXUnlocked) : ActiveXStatus(row->CLSID);
  }
  ProgressBar1->Hide();
  VST_Activex->Invalidate();
}
