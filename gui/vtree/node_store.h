// The node records of a tree-list and their bookkeeping, free of any window: allocation in
// blocks (with the page's data behind each record), child counts, expansion, and the row
// totals that find the row at a pixel offset without walking the rows above it.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "gui/vtree/virtual_node.h"

class TVirtualNodeStore {
 public:
  TVirtualNodeStore();
  ~TVirtualNodeStore();
  TVirtualNodeStore(const TVirtualNodeStore&) = delete;
  TVirtualNodeStore& operator=(const TVirtualNodeStore&) = delete;

  PVirtualNode Root() const { return root_; }
  // Bytes of page data behind every record, zeroed when a node is made. Changing it frees
  // every node first (without telling anyone: the tree does that before).
  size_t DataSize() const { return dataSize_; }
  void SetDataSize(size_t size);
  void* Data(PVirtualNode node) const { return reinterpret_cast<char*>(node) + sizeof(TVirtualNode); }

  // Makes or deletes children at the end; `onFree` hears of every node before it goes,
  // children before their parent.
  void SetChildCount(PVirtualNode parent, uint32_t count, const std::function<void(PVirtualNode)>& onFree);
  // Deletes one node with its subtree; the siblings after it move up.
  void Remove(PVirtualNode node, const std::function<void(PVirtualNode)>& onFree);
  void SetExpanded(PVirtualNode node, bool expanded);
  static bool Expanded(PVirtualNode node) { return node->States.Contains(TVirtualNodeState::vsExpanded); }

  int DefaultHeight() const { return defaultHeight_; }
  // Nodes at the old default height take the new one.
  void SetDefaultHeight(int height);
  void SetNodeHeight(PVirtualNode node, int height);

  // Shown rows (all ancestors expanded) and their pixels.
  uint32_t VisibleCount() const { return root_->TotalCount - 1; }
  int TotalHeight() const { return root_->TotalHeight; }
  bool IsVisible(PVirtualNode node) const;
  // The shown node covering pixel y of the rows (0 = top of the first row) and its top;
  // nullptr past the last row. Constant time for a flat list of rows of one height.
  PVirtualNode NodeAtOffset(int y, int* top) const;
  // The top pixel of a shown node.
  int NodeTop(PVirtualNode node) const;

  // Order of the rows: pre-order over the existing nodes, and over the shown ones.
  PVirtualNode First() const { return root_->ChildCount ? root_->Children[0] : nullptr; }
  PVirtualNode Next(PVirtualNode node) const;
  PVirtualNode Previous(PVirtualNode node) const;
  PVirtualNode Last() const;
  PVirtualNode NextVisible(PVirtualNode node) const;
  PVirtualNode PreviousVisible(PVirtualNode node) const;
  PVirtualNode LastVisible() const;
  PVirtualNode NextSibling(PVirtualNode node) const;
  PVirtualNode PreviousSibling(PVirtualNode node) const;
  static unsigned Level(PVirtualNode node);  // 0 for a top-level row

 private:
  PVirtualNode Allocate();
  void Release(PVirtualNode node, const std::function<void(PVirtualNode)>& onFree);
  void ReleaseAll();
  void Reserve(PVirtualNode parent, uint32_t count);
  // A node's own totals changed: carried up through expanded parents.
  void ChangeTotals(PVirtualNode node, int count, int height);
  // The last shown descendant of a node (the node itself when collapsed).
  PVirtualNode LastShownIn(PVirtualNode node) const;
  bool AllChildrenSingleRows(PVirtualNode parent) const { return parent->TotalCount - 1 == parent->ChildCount; }
  void RecountHeights(PVirtualNode node, int oldDefault);

  PVirtualNode root_;
  size_t dataSize_ = 0;
  size_t stride_;
  int defaultHeight_ = 18;
  size_t customHeights_ = 0;  // nodes whose height is not the default
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t blockUsed_ = 0;      // records handed out from the last block
  PVirtualNode freeList_ = nullptr;
  TVirtualNode rootRecord_;
};
