#include "gui/vtree/node_store.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
constexpr size_t kBlockNodes = 1024;

size_t StrideFor(size_t dataSize) { return (sizeof(TVirtualNode) + dataSize + 7) & ~size_t(7); }
}  // namespace

TVirtualNodeStore::TVirtualNodeStore() : root_(&rootRecord_), stride_(StrideFor(0)) {
  root_->States.Include(TVirtualNodeState::vsExpanded).Include(TVirtualNodeState::vsInitialized);
}

TVirtualNodeStore::~TVirtualNodeStore() { ReleaseAll(); }

void TVirtualNodeStore::ReleaseAll() {
  // Every record lives in a block; only the child arrays are separate.
  std::function<void(PVirtualNode)> freeArrays = [&](PVirtualNode n) {
    for (uint32_t i = 0; i < n->ChildCount; ++i) freeArrays(n->Children[i]);
    std::free(n->Children);
  };
  freeArrays(root_);
  root_->Children = nullptr;
  root_->ChildCount = root_->ChildCapacity = 0;
  root_->TotalCount = 1;
  root_->TotalHeight = 0;
  blocks_.clear();
  blockUsed_ = 0;
  freeList_ = nullptr;
  customHeights_ = 0;
}

void TVirtualNodeStore::SetDataSize(size_t size) {
  if (size == dataSize_) return;
  ReleaseAll();
  dataSize_ = size;
  stride_ = StrideFor(size);
}

PVirtualNode TVirtualNodeStore::Allocate() {
  void* memory;
  if (freeList_) {
    memory = freeList_;
    freeList_ = freeList_->Parent;
  } else {
    if (blocks_.empty() || blockUsed_ == kBlockNodes) {
      blocks_.emplace_back(new char[kBlockNodes * stride_]);
      blockUsed_ = 0;
    }
    memory = blocks_.back().get() + blockUsed_++ * stride_;
  }
  std::memset(memory, 0, stride_);
  auto* node = new (memory) TVirtualNode();
  node->NodeHeight = static_cast<uint16_t>(defaultHeight_);
  node->TotalHeight = defaultHeight_;
  return node;
}

void TVirtualNodeStore::Release(PVirtualNode node, const std::function<void(PVirtualNode)>& onFree) {
  for (uint32_t i = node->ChildCount; i > 0; --i) Release(node->Children[i - 1], onFree);
  if (onFree) onFree(node);
  std::free(node->Children);
  if (node->NodeHeight != defaultHeight_) --customHeights_;
  node->Parent = freeList_;
  freeList_ = node;
}

void TVirtualNodeStore::Reserve(PVirtualNode parent, uint32_t count) {
  if (count <= parent->ChildCapacity) return;
  // Rows added one at a time grow the array by doubling; a count set at once is exact.
  uint32_t capacity = std::max<uint32_t>(count, parent->ChildCapacity ? parent->ChildCapacity * 2 : count);
  void* grown = std::realloc(parent->Children, size_t(capacity) * sizeof(PVirtualNode));
  if (!grown) throw std::bad_alloc();
  parent->Children = static_cast<PVirtualNode*>(grown);
  parent->ChildCapacity = capacity;
}

void TVirtualNodeStore::SetChildCount(PVirtualNode parent, uint32_t count,
                                      const std::function<void(PVirtualNode)>& onFree) {
  parent->States.Include(TVirtualNodeState::vsChildrenCounted);
  if (count > 0) parent->States.Include(TVirtualNodeState::vsHasChildren);
  else parent->States.Exclude(TVirtualNodeState::vsHasChildren);
  uint32_t old = parent->ChildCount;
  if (count == old) return;
  int dCount = 0, dHeight = 0;
  if (count > old) {
    Reserve(parent, count);
    for (uint32_t i = old; i < count; ++i) {
      PVirtualNode n = Allocate();
      n->Parent = parent;
      n->Index = i;
      parent->Children[i] = n;
    }
    parent->ChildCount = count;
    dCount = static_cast<int>(count - old);
    dHeight = dCount * defaultHeight_;
  } else {
    for (uint32_t i = old; i > count; --i) {
      PVirtualNode n = parent->Children[i - 1];
      dCount -= static_cast<int>(n->TotalCount);
      dHeight -= n->TotalHeight;
      // The parent counts one child fewer before the child's own clean-up runs.
      parent->ChildCount = i - 1;
      Release(n, onFree);
    }
  }
  if (Expanded(parent)) ChangeTotals(parent, dCount, dHeight);
}

void TVirtualNodeStore::Remove(PVirtualNode node, const std::function<void(PVirtualNode)>& onFree) {
  PVirtualNode parent = node->Parent;
  if (!parent) return;
  if (Expanded(parent)) ChangeTotals(parent, -static_cast<int>(node->TotalCount), -node->TotalHeight);
  uint32_t index = node->Index;
  std::memmove(parent->Children + index, parent->Children + index + 1,
               (parent->ChildCount - index - 1) * sizeof(PVirtualNode));
  --parent->ChildCount;
  for (uint32_t i = index; i < parent->ChildCount; ++i) parent->Children[i]->Index = i;
  if (parent->ChildCount == 0) parent->States.Exclude(TVirtualNodeState::vsHasChildren);
  Release(node, onFree);
}

void TVirtualNodeStore::ChangeTotals(PVirtualNode node, int count, int height) {
  for (;;) {
    node->TotalCount = static_cast<uint32_t>(static_cast<int>(node->TotalCount) + count);
    node->TotalHeight += height;
    PVirtualNode parent = node->Parent;
    if (!parent || !Expanded(parent)) return;
    node = parent;
  }
}

void TVirtualNodeStore::SetExpanded(PVirtualNode node, bool expanded) {
  if (node == root_ || Expanded(node) == expanded) return;
  if (expanded) {
    int count = 0, height = 0;
    for (uint32_t i = 0; i < node->ChildCount; ++i) {
      count += static_cast<int>(node->Children[i]->TotalCount);
      height += node->Children[i]->TotalHeight;
    }
    node->States.Include(TVirtualNodeState::vsExpanded);
    ChangeTotals(node, count, height);
  } else {
    int count = static_cast<int>(node->TotalCount) - 1, height = node->TotalHeight - node->NodeHeight;
    node->States.Exclude(TVirtualNodeState::vsExpanded);
    ChangeTotals(node, -count, -height);
  }
}

void TVirtualNodeStore::SetNodeHeight(PVirtualNode node, int height) {
  height = std::clamp(height, 1, 0xFFFF);
  if (node == root_ || node->NodeHeight == height) return;
  if (node->NodeHeight == defaultHeight_) ++customHeights_;
  if (height == defaultHeight_) --customHeights_;
  int delta = height - node->NodeHeight;
  node->NodeHeight = static_cast<uint16_t>(height);
  ChangeTotals(node, 0, delta);
}

void TVirtualNodeStore::RecountHeights(PVirtualNode node, int oldDefault) {
  int height = node == root_ ? 0 : (node->NodeHeight == oldDefault ? defaultHeight_ : node->NodeHeight);
  if (node != root_) {
    node->NodeHeight = static_cast<uint16_t>(height);
    if (height != defaultHeight_) ++customHeights_;
  }
  int total = height;
  for (uint32_t i = 0; i < node->ChildCount; ++i) {
    RecountHeights(node->Children[i], oldDefault);
    if (Expanded(node)) total += node->Children[i]->TotalHeight;
  }
  node->TotalHeight = total;
}

void TVirtualNodeStore::SetDefaultHeight(int height) {
  height = std::clamp(height, 1, 0xFFFF);
  if (height == defaultHeight_) return;
  int old = defaultHeight_;
  defaultHeight_ = height;
  customHeights_ = 0;
  RecountHeights(root_, old);
}

bool TVirtualNodeStore::IsVisible(PVirtualNode node) const {
  for (PVirtualNode p = node->Parent; p; p = p->Parent)
    if (!Expanded(p)) return false;
  return true;
}

PVirtualNode TVirtualNodeStore::NodeAtOffset(int y, int* top) const {
  if (y < 0 || y >= root_->TotalHeight) return nullptr;
  PVirtualNode parent = root_;
  int base = 0;  // top pixel of the first child of `parent`
  if (customHeights_ == 0) {
    // One height: the row number comes straight from y; flat stretches are indexed directly.
    uint32_t row = static_cast<uint32_t>(y / defaultHeight_);
    for (PVirtualNode next = parent; next; parent = next) {
      if (AllChildrenSingleRows(parent)) {
        if (row >= parent->ChildCount) return nullptr;
        if (top) *top = static_cast<int>(row) * defaultHeight_ + base;
        return parent->Children[row];
      }
      next = nullptr;
      for (uint32_t i = 0; i < parent->ChildCount && !next; ++i) {
        PVirtualNode c = parent->Children[i];
        if (row == 0) {
          if (top) *top = base;
          return c;
        }
        if (row < c->TotalCount) {
          --row;
          base += defaultHeight_;
          next = c;
        } else {
          row -= c->TotalCount;
          base += c->TotalHeight;
        }
      }
    }
    return nullptr;
  }
  int rest = y;
  for (PVirtualNode next = parent; next; parent = next) {
    next = nullptr;
    for (uint32_t i = 0; i < parent->ChildCount && !next; ++i) {
      PVirtualNode c = parent->Children[i];
      if (rest < c->NodeHeight) {
        if (top) *top = y - rest;
        return c;
      }
      if (rest < c->TotalHeight) {
        rest -= c->NodeHeight;
        next = c;
      } else {
        rest -= c->TotalHeight;
      }
    }
  }
  return nullptr;
}

int TVirtualNodeStore::NodeTop(PVirtualNode node) const {
  int top = 0;
  for (PVirtualNode n = node; n->Parent; n = n->Parent) {
    PVirtualNode parent = n->Parent;
    if (customHeights_ == 0 && AllChildrenSingleRows(parent))
      top += static_cast<int>(n->Index) * defaultHeight_;
    else
      for (uint32_t i = 0; i < n->Index; ++i) top += parent->Children[i]->TotalHeight;
    if (parent != root_) top += parent->NodeHeight;
  }
  return top;
}

PVirtualNode TVirtualNodeStore::NextSibling(PVirtualNode node) const {
  PVirtualNode parent = node->Parent;
  return parent && node->Index + 1 < parent->ChildCount ? parent->Children[node->Index + 1] : nullptr;
}

PVirtualNode TVirtualNodeStore::PreviousSibling(PVirtualNode node) const {
  return node->Parent && node->Index > 0 ? node->Parent->Children[node->Index - 1] : nullptr;
}

PVirtualNode TVirtualNodeStore::Next(PVirtualNode node) const {
  if (node->ChildCount) return node->Children[0];
  for (PVirtualNode n = node; n != root_; n = n->Parent)
    if (PVirtualNode s = NextSibling(n)) return s;
  return nullptr;
}

PVirtualNode TVirtualNodeStore::Previous(PVirtualNode node) const {
  if (PVirtualNode s = PreviousSibling(node)) {
    while (s->ChildCount) s = s->Children[s->ChildCount - 1];
    return s;
  }
  return node->Parent == root_ ? nullptr : node->Parent;
}

PVirtualNode TVirtualNodeStore::Last() const {
  PVirtualNode n = root_;
  while (n->ChildCount) n = n->Children[n->ChildCount - 1];
  return n == root_ ? nullptr : n;
}

PVirtualNode TVirtualNodeStore::NextVisible(PVirtualNode node) const {
  if (Expanded(node) && node->ChildCount) return node->Children[0];
  for (PVirtualNode n = node; n != root_; n = n->Parent)
    if (PVirtualNode s = NextSibling(n)) return s;
  return nullptr;
}

PVirtualNode TVirtualNodeStore::LastShownIn(PVirtualNode node) const {
  while (Expanded(node) && node->ChildCount) node = node->Children[node->ChildCount - 1];
  return node;
}

PVirtualNode TVirtualNodeStore::PreviousVisible(PVirtualNode node) const {
  if (PVirtualNode s = PreviousSibling(node)) return LastShownIn(s);
  return node->Parent == root_ ? nullptr : node->Parent;
}

PVirtualNode TVirtualNodeStore::LastVisible() const {
  PVirtualNode n = LastShownIn(root_);
  return n == root_ ? nullptr : n;
}

unsigned TVirtualNodeStore::Level(PVirtualNode node) {
  unsigned level = 0;
  for (PVirtualNode p = node->Parent; p && p->Parent; p = p->Parent) ++level;
  return level;
}
