#include "tree_demo_form.h"

QS_FORM_IMPL(TfrmTreeDemo, TForm, QS_FIELD(vst), QS_HANDLER(vstInitNode), QS_HANDLER(vstInitChildren),
             QS_HANDLER(vstGetText), QS_HANDLER(vstGetImageIndex), QS_HANDLER(vstChecked))

TfrmTreeDemo::TfrmTreeDemo(TComponent* owner) : TForm(owner) {
  Categories = {
      {L"Internet Explorer", {{L"Temporary Internet Files", true}, {L"Cookies", true}, {L"History", true}}},
      {L"Windows", {{L"Recent Documents", true}, {L"Run History", false}, {L"Find History", true}}},
      {L"Applications", {{L"Media Player Recent List", false}, {L"Office Recent Files", false}}},
      {L"Empty category", {}},
  };
  LoadForm();
  vst->SetRootNodeCount(static_cast<uint32_t>(Categories.size()));
  vst->FullExpand();
}

void TfrmTreeDemo::vstInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                               TVirtualNodeInitStates& InitialStates) {
  Node->CheckType = TCheckType::ctTriStateCheckBox;
  if (!ParentNode) {
    InitialStates.Include(TVirtualNodeInitState::ivsHasChildren);
    return;
  }
  // An item shows its record's state; its category follows.
  if (Categories[ParentNode->Index].Items[Node->Index].Checked)
    Sender->SetCheckState(Node, TCheckState::csCheckedNormal);
}

void TfrmTreeDemo::vstInitChildren(TBaseVirtualTree* Sender, PVirtualNode Node, uint32_t& ChildCount) {
  if (Sender->GetNodeLevel(Node) == 0) ChildCount = static_cast<uint32_t>(Categories[Node->Index].Items.size());
}

void TfrmTreeDemo::vstGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                              TVSTTextType TextType, std::wstring& CellText) {
  if (Sender->GetNodeLevel(Node) == 0) {
    if (Column == 0) CellText = Categories[Node->Index].Name;
    return;
  }
  const Item& item = Categories[Node->Parent->Index].Items[Node->Index];
  CellText = Column == 0 ? item.Name : item.Checked ? L"Selected" : L"";
}

void TfrmTreeDemo::vstGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                    TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind != TVTImageKind::ikNormal || Column != 0) return;
  ImageIndex = Sender->GetNodeLevel(Node) == 0 ? (Sender->Expanded(Node) ? 0 : 2) : 1;
}

void TfrmTreeDemo::vstChecked(TBaseVirtualTree* Sender, PVirtualNode Node) {
  if (Sender->GetNodeLevel(Node) == 1)
    Categories[Node->Parent->Index].Items[Node->Index].Checked = Sender->CheckState(Node) == TCheckState::csCheckedNormal;
}
