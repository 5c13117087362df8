#include "cleaners/evidence_page/evidence_tree.h"

#include "cleaners/evidence/history_list.h"

namespace {
bool InList(const TEvidenceRow& row) { return row.Category >= 1 && row.Category <= CategoryCount; }
}  // namespace

TEvidenceRow EvidenceRowOf(TBaseVirtualTree* Tree, PVirtualNode Node) {
  if (Tree->GetNodeLevel(Node) == 0) return {static_cast<int>(Node->Index) + 1, 0};
  return {static_cast<int>(Node->Parent->Index) + 1, static_cast<int>(Node->Index) + 1};
}

void ShowEvidenceList(TBaseVirtualTree* Tree) {
  Tree->SetRootNodeCount(static_cast<uint32_t>(CategoryCount));
  Tree->FullExpand();
  SyncEvidenceCheckStates(Tree);
}

void InitEvidenceNode(TBaseVirtualTree* Tree, PVirtualNode Node, TVirtualNodeInitStates& InitialStates) {
  Tree->SetCheckType(Node, TCheckType::ctTriStateCheckBox);
  InitialStates.Include(TVirtualNodeInitState::ivsHasChildren);
}

uint32_t EvidenceChildCount(TBaseVirtualTree* Tree, PVirtualNode Node) {
  const TEvidenceRow row = EvidenceRowOf(Tree, Node);
  return row.Item == 0 && InList(row) ? static_cast<uint32_t>(CategoryInfos[row.Category].Count) : 0;
}

std::wstring EvidenceRowName(TBaseVirtualTree* Tree, PVirtualNode Node) {
  const TEvidenceRow row = EvidenceRowOf(Tree, Node);
  if (!InList(row)) return L"";
  SyncEvidenceCheckState(Tree, Node);
  return row.Item > 0 ? HisItems[row.Category][row.Item].Name : CategoryInfos[row.Category].Name;
}

void SyncEvidenceCheckState(TBaseVirtualTree* Tree, PVirtualNode Node) {
  const TEvidenceRow row = EvidenceRowOf(Tree, Node);
  if (!InList(row)) return;
  TCheckState state;
  if (row.Item > 0) {
    state = HisItems[row.Category][row.Item].Checked ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
  } else {
    switch (CategoryCheckState(row.Category)) {
      case THisCheckState::Checked: state = TCheckState::csCheckedNormal; break;
      case THisCheckState::Mixed: state = TCheckState::csMixedNormal; break;
      default: state = TCheckState::csUncheckedNormal; break;
    }
  }
  // Setting the state the row already has would pass it down to the items again.
  if (Tree->CheckState(Node) != state) Tree->SetCheckState(Node, state);
}

void SyncEvidenceCheckStates(TBaseVirtualTree* Tree) {
  for (PVirtualNode node = Tree->GetFirst(); node; node = Tree->GetNext(node)) SyncEvidenceCheckState(Tree, node);
}

void TakeEvidenceCheck(TBaseVirtualTree* Tree, PVirtualNode Node) {
  const TEvidenceRow row = EvidenceRowOf(Tree, Node);
  if (row.Item > 0 && InList(row))
    HisItems[row.Category][row.Item].Checked = Tree->CheckState(Node) == TCheckState::csCheckedNormal;
}

int EvidenceImageIndex(TBaseVirtualTree* Tree, PVirtualNode Node) {
  if (Tree->GetNodeLevel(Node) > 0) return 1;
  return Tree->Expanded(Node) ? 0 : 2;
}
