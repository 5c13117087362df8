// The rows of an evidence tree by position (1-based, as the list counts them) and a row's box as
// the user sees it: for the tests of the pages that show the evidence list.
#pragma once

#include "gui/vtree/virtual_string_tree.h"

struct EvidenceTreeRows {
  TVirtualStringTree* tree;

  PVirtualNode Category(int j) const {
    PVirtualNode node = tree->GetFirst();
    for (int i = 1; i < j && node; ++i) node = tree->GetNextSibling(node);
    return node;
  }
  PVirtualNode Item(int j, int k) const {
    PVirtualNode node = tree->GetFirstChild(Category(j));
    for (int i = 1; i < k && node; ++i) node = tree->GetNextSibling(node);
    return node;
  }
  // Reading a row's text brings its box in line with the list.
  TCheckState Shown(PVirtualNode node) const {
    tree->Text(node, 0);
    return tree->CheckState(node);
  }
};
