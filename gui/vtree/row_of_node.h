#pragma once
// The record behind a top-level row of a tree-list whose rows are a page's list, taken by the
// row's index: for the event handlers (OnGetText, OnInitNode, OnChecked ...). nullptr for no node
// or a row past the end of the list (the count and the list may differ for a moment).
#include <cstddef>
#include <memory>

#include "gui/vtree/virtual_node.h"

namespace row_of_node_detail {
template <class T>
T* Pointer(T& row) { return &row; }
template <class T>
T* Pointer(std::unique_ptr<T>& row) { return row.get(); }
template <class T>
T* Pointer(const std::unique_ptr<T>& row) { return row.get(); }
}  // namespace row_of_node_detail

// The record at Index of the list, nullptr past its end.
template <class TRows>
auto RowAt(TRows& rows, size_t index) -> decltype(row_of_node_detail::Pointer(rows[0])) {
  return index < rows.size() ? row_of_node_detail::Pointer(rows[index]) : nullptr;
}

template <class TRows>
auto RowOfNode(TRows& rows, const TVirtualNode* node) -> decltype(row_of_node_detail::Pointer(rows[0])) {
  return node ? RowAt(rows, node->Index) : nullptr;
}

// The check mark that shows a row's Selected flag.
inline TCheckState CheckOf(bool selected) {
  return selected ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
}
