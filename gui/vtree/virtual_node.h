// The tree-list's node record and the small types its events pass around. The control keeps
// one record per node; the page's own data (NodeDataSize bytes) follows each record.
#pragma once

#include <cstdint>

#include "gui/type_info.h"

enum class TCheckState : uint8_t { csUncheckedNormal, csCheckedNormal, csMixedNormal };
enum class TCheckType : uint8_t { ctNone, ctCheckBox, ctTriStateCheckBox };

enum class TVirtualNodeState {
  vsInitialized,      // OnInitNode has run
  vsHasChildren,      // shows an expand button until its children are counted as none
  vsChildrenCounted,  // OnInitChildren has run (or the count was set directly)
  vsExpanded,
  vsSelected
};
using TVirtualNodeStates = TSet<TVirtualNodeState>;

// What OnInitNode may ask for a new node.
enum class TVirtualNodeInitState { ivsHasChildren, ivsExpanded, ivsSelected };
using TVirtualNodeInitStates = TSet<TVirtualNodeInitState>;

using TColumnIndex = int;
constexpr TColumnIndex NoColumn = -1;

struct TVirtualNode {
  TVirtualNode* Parent = nullptr;     // the hidden root for top-level rows
  TVirtualNode** Children = nullptr;  // ChildCount entries
  uint32_t Index = 0;                 // position among its siblings
  uint32_t ChildCount = 0;
  uint32_t ChildCapacity = 0;
  uint32_t TotalCount = 1;   // rows of this node and of its shown descendants
  int32_t TotalHeight = 0;   // the pixels of those rows
  TVirtualNodeStates States;
  uint16_t NodeHeight = 0;
  TCheckState CheckState = TCheckState::csUncheckedNormal;
  TCheckType CheckType = TCheckType::ctNone;  // OnInitNode sets it
};
using PVirtualNode = TVirtualNode*;
