#pragma once
// The evidence list in a tree-list: a row per category with its items below it, each with a
// tri-state check box. An item's box is its Checked flag; a category's box shows whether all,
// some or none of its items are checked, and checking or clearing it does the same to all of
// them. The evidence cleaner and one-click maintenance show the list this way; their handlers
// forward to these.
#include <cstdint>
#include <string>

#include "gui/vtree/base_virtual_tree.h"

// 1-based category and item of a row; item 0 for a category's own row.
struct TEvidenceRow {
  int Category = 0;
  int Item = 0;
};
TEvidenceRow EvidenceRowOf(TBaseVirtualTree* Tree, PVirtualNode Node);

// One row per category, every row expanded, the boxes as the list says.
void ShowEvidenceList(TBaseVirtualTree* Tree);
// OnInitNode: a tri-state box; a category row may have items.
void InitEvidenceNode(TBaseVirtualTree* Tree, PVirtualNode Node, TVirtualNodeInitStates& InitialStates);
// OnInitChildren: a category's item count, none for an item.
uint32_t EvidenceChildCount(TBaseVirtualTree* Tree, PVirtualNode Node);
// The row's name, its box set from the list first (for OnGetText).
std::wstring EvidenceRowName(TBaseVirtualTree* Tree, PVirtualNode Node);
// The row's box follows the list: an item its Checked flag, a category all / none / mixed.
void SyncEvidenceCheckState(TBaseVirtualTree* Tree, PVirtualNode Node);
void SyncEvidenceCheckStates(TBaseVirtualTree* Tree);
// OnChecked: an item row's new state becomes its Checked flag (a category passes its state to
// its items first, each of them reported in turn).
void TakeEvidenceCheck(TBaseVirtualTree* Tree, PVirtualNode Node);
// OnGetImageIndex, normal images of column 0: an item 1, a category 0 while expanded, else 2.
int EvidenceImageIndex(TBaseVirtualTree* Tree, PVirtualNode Node);
