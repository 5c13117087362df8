// The tree-list's nodes, states, scrolling and layout; painting is in tree_paint.cpp and
// mouse and keys in tree_input.cpp.
#include "gui/vtree/base_virtual_tree.h"

#include <algorithm>

const TEnumInfo DrawSelectionModeInfo{{L"smDottedRectangle", L"smBlendedRectangle"}};

namespace {
constexpr int kCheckGap = 3;
constexpr int kImageGap = 2;
}  // namespace

const TClassInfo& TBaseVirtualTree::StaticClass() {
  using T = TBaseVirtualTree;
  static const TClassInfo info(
      L"TBaseVirtualTree", &TCustomControl::StaticClass(), nullptr,
      {props::Int(L"RootNodeCount", &T::RootNodeCount, &T::SetRootNodeCount),
       props::Int(L"NodeDataSize", &T::NodeDataSize, &T::SetNodeDataSize),
       props::Int(L"DefaultNodeHeight", &T::DefaultNodeHeight, &T::SetDefaultNodeHeight),
       props::Int(L"Indent", &T::Indent, &T::SetIndent),
       props::Int(L"Margin", &T::Margin, &T::SetMargin),
       props::Int(L"TextMargin", &T::TextMargin, &T::SetTextMargin),
       props::Enum(L"DrawSelectionMode", DrawSelectionModeInfo, &T::DrawSelectionMode, &T::SetDrawSelectionMode),
       props::Int(L"SelectionBlendFactor", &T::SelectionBlendFactor, &T::SetSelectionBlendFactor),
       props::Enum(L"BorderStyle", BorderStyleInfo, &T::BorderStyle, &T::SetBorderStyle),
       props::Ref(L"Images", &T::Images, &T::SetImages),
       props::Ref(L"StateImages", &T::StateImages, &T::SetStateImages),
       props::Object(L"Header", &T::Header),
       props::Object(L"TreeOptions", &T::TreeOptions),
       props::Object(L"Colors", &T::Colors),
       props::Event(L"OnInitNode", &T::OnInitNode),
       props::Event(L"OnInitChildren", &T::OnInitChildren),
       props::Event(L"OnChecked", &T::OnChecked),
       props::Event(L"OnChange", &T::OnChange),
       props::Event(L"OnExpanded", &T::OnExpanded),
       props::Event(L"OnCollapsed", &T::OnCollapsed),
       props::Event(L"OnFreeNode", &T::OnFreeNode),
       props::Event(L"OnFocusChanged", &T::OnFocusChanged),
       props::Event(L"OnGetNodeDataSize", &T::OnGetNodeDataSize),
       props::Event(L"OnGetImageIndex", &T::OnGetImageIndex),
       props::Event(L"OnDrawNode", &T::OnDrawNode)});
  return info;
}

TBaseVirtualTree::TBaseVirtualTree(TComponent* owner)
    : TCustomControl(owner),
      header_(std::make_unique<TVTHeader>()),
      options_(std::make_unique<TVirtualTreeOptions>()),
      colors_(std::make_unique<TVTColors>()) {
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 200, 100);
  header_->OnChange = [this] { OptionsChanged(); };
  options_->OnChange = [this] { OptionsChanged(); };
  colors_->OnChange = [this] { Invalidate(); };
}

// The page frees what its nodes hold in its own destructor: no events while the control goes.
TBaseVirtualTree::~TBaseVirtualTree() { DestroyComponents(); }

void TBaseVirtualTree::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- nodes ----

void TBaseVirtualTree::EnsureStore() {
  if (dataSizeKnown_) return;
  int size = nodeDataSize_;
  if (size < 0) {
    size = 0;
    if (OnGetNodeDataSize) OnGetNodeDataSize(this, size);
  }
  store_.SetDataSize(static_cast<size_t>(std::max(0, size)));
  dataSizeKnown_ = true;
}

void TBaseVirtualTree::SetNodeDataSize(int size) {
  if (size == nodeDataSize_) return;
  Clear();
  nodeDataSize_ = size;
  dataSizeKnown_ = false;
}

void* TBaseVirtualTree::GetNodeData(PVirtualNode node) {
  if (!node || node == store_.Root() || store_.DataSize() == 0) return nullptr;
  return store_.Data(node);
}

void TBaseVirtualTree::FreeNode(PVirtualNode node) {
  if (OnFreeNode) OnFreeNode(this, node);
  if (node == focused_) focused_ = nullptr;
  if (node == selected_) selected_ = nullptr;
}

void TBaseVirtualTree::StructureChanged() {
  if (updateCount_) return;
  scrollDirty_ = true;
  Invalidate();
}

void TBaseVirtualTree::OptionsChanged() {
  StructureChanged();
  if (HandleAllocated()) Invalidate();
}

void TBaseVirtualTree::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) StructureChanged();
}

uint32_t TBaseVirtualTree::ChildCount(PVirtualNode node) {
  node = Parent(node);
  InitNode(node);
  InitChildren(node);
  return node->ChildCount;
}

void TBaseVirtualTree::SetChildCount(PVirtualNode node, uint32_t count) {
  EnsureStore();
  store_.SetChildCount(Parent(node), count, [this](PVirtualNode n) { FreeNode(n); });
  StructureChanged();
}

PVirtualNode TBaseVirtualTree::AddChild(PVirtualNode parent) {
  parent = Parent(parent);
  InitNode(parent);
  InitChildren(parent);
  SetChildCount(parent, parent->ChildCount + 1);
  return parent->Children[parent->ChildCount - 1];
}

void TBaseVirtualTree::DeleteNode(PVirtualNode node) {
  if (!node || node == store_.Root()) return;
  store_.Remove(node, [this](PVirtualNode n) { FreeNode(n); });
  StructureChanged();
}

void TBaseVirtualTree::Clear() {
  SetChildCount(nullptr, 0);
  offsetX_ = offsetY_ = 0;
}

void TBaseVirtualTree::InitNode(PVirtualNode node) {
  if (!node || node->States.Contains(TVirtualNodeState::vsInitialized)) return;
  // Marked first: the page may look at the node from inside its handler.
  node->States.Include(TVirtualNodeState::vsInitialized);
  TVirtualNodeInitStates initial;
  if (OnInitNode) OnInitNode(this, node->Parent == store_.Root() ? nullptr : node->Parent, node, initial);
  if (initial.Contains(TVirtualNodeInitState::ivsHasChildren) &&
      !node->States.Contains(TVirtualNodeState::vsChildrenCounted))
    node->States.Include(TVirtualNodeState::vsHasChildren);
  if (initial.Contains(TVirtualNodeInitState::ivsSelected)) SetSelected(node, true);
  if (initial.Contains(TVirtualNodeInitState::ivsExpanded)) SetExpanded(node, true);
}

void TBaseVirtualTree::InitChildren(PVirtualNode node) {
  if (!node->States.Contains(TVirtualNodeState::vsHasChildren) ||
      node->States.Contains(TVirtualNodeState::vsChildrenCounted))
    return;
  node->States.Include(TVirtualNodeState::vsChildrenCounted);
  uint32_t count = 0;
  if (OnInitChildren) OnInitChildren(this, node, count);
  SetChildCount(node, count);
}

bool TBaseVirtualTree::HasChildren(PVirtualNode node) {
  InitNode(node);
  return node->States.Contains(TVirtualNodeState::vsHasChildren);
}

void TBaseVirtualTree::SetHasChildren(PVirtualNode node, bool value) {
  InitNode(node);
  if (value) {
    node->States.Include(TVirtualNodeState::vsHasChildren);
  } else {
    SetChildCount(node, 0);
  }
  InvalidateNode(node);
}

void TBaseVirtualTree::ReinitNode(PVirtualNode node, bool recursive) {
  node = Parent(node);
  if (node != store_.Root()) node->States.Exclude(TVirtualNodeState::vsInitialized);
  if (recursive)
    for (uint32_t i = 0; i < node->ChildCount; ++i) ReinitNode(node->Children[i], true);
  Invalidate();
}

TColumnIndex TBaseVirtualTree::MainColumn() const {
  int count = header_->Columns()->Count();
  if (count == 0) return NoColumn;
  TColumnIndex main = header_->MainColumn();
  return main >= 0 && main < count ? main : 0;
}

// ---- iteration ----

PVirtualNode TBaseVirtualTree::GetFirst() { return GetFirstChild(nullptr); }

PVirtualNode TBaseVirtualTree::GetNext(PVirtualNode node) {
  if (!node) return nullptr;
  InitNode(node);
  InitChildren(node);
  return Initialised(store_.Next(node));
}

PVirtualNode TBaseVirtualTree::GetPrevious(PVirtualNode node) {
  if (!node) return nullptr;
  // Children of the rows above count as rows above too.
  if (PVirtualNode s = store_.PreviousSibling(node)) {
    InitNode(s);
    InitChildren(s);
    while (s->ChildCount) {
      s = s->Children[s->ChildCount - 1];
      InitNode(s);
      InitChildren(s);
    }
    return s;
  }
  return node->Parent == store_.Root() ? nullptr : node->Parent;
}

PVirtualNode TBaseVirtualTree::GetLast() {
  PVirtualNode n = store_.Root();
  InitChildren(n);
  while (n->ChildCount) {
    n = n->Children[n->ChildCount - 1];
    InitNode(n);
    InitChildren(n);
  }
  return n == store_.Root() ? nullptr : n;
}

PVirtualNode TBaseVirtualTree::GetFirstChild(PVirtualNode node) {
  node = Parent(node);
  InitNode(node);
  InitChildren(node);
  return node->ChildCount ? Initialised(node->Children[0]) : nullptr;
}

PVirtualNode TBaseVirtualTree::GetNextSibling(PVirtualNode node) { return node ? Initialised(store_.NextSibling(node)) : nullptr; }

PVirtualNode TBaseVirtualTree::GetPreviousSibling(PVirtualNode node) {
  return node ? Initialised(store_.PreviousSibling(node)) : nullptr;
}

PVirtualNode TBaseVirtualTree::GetFirstVisible() { return Initialised(store_.First()); }

PVirtualNode TBaseVirtualTree::GetNextVisible(PVirtualNode node) {
  if (!node) return nullptr;
  InitNode(node);
  return Initialised(store_.NextVisible(node));
}

PVirtualNode TBaseVirtualTree::GetPreviousVisible(PVirtualNode node) {
  return node ? Initialised(store_.PreviousVisible(node)) : nullptr;
}

PVirtualNode TBaseVirtualTree::GetLastVisible() { return Initialised(store_.LastVisible()); }

PVirtualNode TBaseVirtualTree::GetFirstSelected() { return selected_; }

PVirtualNode TBaseVirtualTree::GetNextSelected(PVirtualNode node) { return nullptr; }

PVirtualNode TBaseVirtualTree::GetFirstChecked(TCheckState state) {
  PVirtualNode n = GetFirst();
  return n && n->CheckState == state ? n : GetNextChecked(n, state);
}

PVirtualNode TBaseVirtualTree::GetNextChecked(PVirtualNode node, TCheckState state) {
  for (PVirtualNode n = GetNext(node); n; n = GetNext(n))
    if (n->CheckState == state) return n;
  return nullptr;
}

// ---- states ----

TCheckState TBaseVirtualTree::CheckState(PVirtualNode node) {
  InitNode(node);
  return node->CheckState;
}

TCheckType TBaseVirtualTree::CheckType(PVirtualNode node) {
  InitNode(node);
  return node->CheckType;
}

void TBaseVirtualTree::SetCheckType(PVirtualNode node, TCheckType type) {
  InitNode(node);
  if (node->CheckType == type) return;
  node->CheckType = type;
  InvalidateNode(node);
}

void TBaseVirtualTree::SetCheckState(PVirtualNode node, TCheckState state) {
  if (!node || node == store_.Root()) return;
  InitNode(node);
  if (node->CheckState == state) return;
  std::vector<PVirtualNode> changed;
  ApplyCheckState(node, state, changed);
  Invalidate();
  std::shared_ptr<bool> alive = UntilFreedToken();
  for (PVirtualNode n : changed) {
    if (OnChecked) OnChecked(this, n);
    if (!*alive) return;
  }
}

void TBaseVirtualTree::ApplyCheckState(PVirtualNode node, TCheckState state, std::vector<PVirtualNode>& changed) {
  node->CheckState = state;
  changed.push_back(node);
  bool tracking = options_->Has(TVTAutoOption::toAutoTristateTracking) &&
                  node->CheckType == TCheckType::ctTriStateCheckBox;
  if (!tracking) return;
  if (state != TCheckState::csMixedNormal) PassStateDown(node, state, changed);
  RecomputeParents(node, changed);
}

void TBaseVirtualTree::PassStateDown(PVirtualNode node, TCheckState state, std::vector<PVirtualNode>& changed) {
  InitChildren(node);
  for (uint32_t i = 0; i < node->ChildCount; ++i) {
    PVirtualNode c = node->Children[i];
    InitNode(c);
    if (c->CheckType != TCheckType::ctTriStateCheckBox) continue;
    if (c->CheckState != state) {
      c->CheckState = state;
      changed.push_back(c);
    }
    PassStateDown(c, state, changed);
  }
}

void TBaseVirtualTree::RecomputeParents(PVirtualNode node, std::vector<PVirtualNode>& changed) {
  for (PVirtualNode p = node->Parent; p != store_.Root(); p = p->Parent) {
    InitNode(p);
    if (p->CheckType != TCheckType::ctTriStateCheckBox) return;
    uint32_t checked = 0, unchecked = 0, counted = 0;
    for (uint32_t i = 0; i < p->ChildCount; ++i) {
      PVirtualNode c = p->Children[i];
      InitNode(c);
      if (c->CheckType != TCheckType::ctTriStateCheckBox) continue;
      ++counted;
      if (c->CheckState == TCheckState::csCheckedNormal) ++checked;
      else if (c->CheckState == TCheckState::csUncheckedNormal) ++unchecked;
    }
    if (counted == 0) return;
    TCheckState state = checked == counted     ? TCheckState::csCheckedNormal
                        : unchecked == counted ? TCheckState::csUncheckedNormal
                                               : TCheckState::csMixedNormal;
    if (p->CheckState == state) return;
    p->CheckState = state;
    changed.push_back(p);
  }
}

void TBaseVirtualTree::ToggleCheck(PVirtualNode node) {
  SetCheckState(node, CheckState(node) == TCheckState::csCheckedNormal ? TCheckState::csUncheckedNormal
                                                                       : TCheckState::csCheckedNormal);
}

bool TBaseVirtualTree::Expanded(PVirtualNode node) {
  InitNode(node);
  return TVirtualNodeStore::Expanded(node);
}

void TBaseVirtualTree::SetExpanded(PVirtualNode node, bool value) {
  if (!node || node == store_.Root()) return;
  InitNode(node);
  if (TVirtualNodeStore::Expanded(node) == value) return;
  if (value) InitChildren(node);
  store_.SetExpanded(node, value);
  if (!value && focused_ && focused_ != node) {
    // A focused row that disappears hands the focus to the collapsed node.
    for (PVirtualNode p = focused_->Parent; p; p = p->Parent)
      if (p == node) {
        SetFocusedNode(node);
        break;
      }
  }
  StructureChanged();
  if (value && OnExpanded) OnExpanded(this, node);
  if (!value && OnCollapsed) OnCollapsed(this, node);
}

void TBaseVirtualTree::FullExpand(PVirtualNode node) {
  BeginUpdate();
  PVirtualNode stop = node ? store_.NextSibling(node) : nullptr;
  for (PVirtualNode p = node ? node->Parent : nullptr; !stop && p && p != store_.Root(); p = p->Parent)
    stop = store_.NextSibling(p);
  for (PVirtualNode n = node ? node : GetFirst(); n && n != stop; n = GetNext(n))
    if (HasChildren(n)) SetExpanded(n, true);
  EndUpdate();
}

void TBaseVirtualTree::FullCollapse(PVirtualNode node) {
  BeginUpdate();
  PVirtualNode stop = node ? store_.NextSibling(node) : nullptr;
  for (PVirtualNode p = node ? node->Parent : nullptr; !stop && p && p != store_.Root(); p = p->Parent)
    stop = store_.NextSibling(p);
  for (PVirtualNode n = node ? node : store_.First(); n && n != stop; n = store_.Next(n))
    if (TVirtualNodeStore::Expanded(n)) SetExpanded(n, false);
  EndUpdate();
}

void TBaseVirtualTree::SetSelected(PVirtualNode node, bool value) {
  if (!node || node == store_.Root()) return;
  InitNode(node);
  if (value == Selected(node)) return;
  if (value) {
    if (selected_) {
      selected_->States.Exclude(TVirtualNodeState::vsSelected);
      InvalidateNode(selected_);
    }
    selected_ = node;
    node->States.Include(TVirtualNodeState::vsSelected);
  } else {
    node->States.Exclude(TVirtualNodeState::vsSelected);
    selected_ = nullptr;
  }
  InvalidateNode(node);
  if (OnChange) OnChange(this, node);
}

void TBaseVirtualTree::ClearSelection() {
  if (selected_) SetSelected(selected_, false);
}

void TBaseVirtualTree::SetFocusedNode(PVirtualNode node) {
  if (node == store_.Root()) node = nullptr;
  if (node == focused_) return;
  InitNode(node);
  if (focused_) InvalidateNode(focused_);
  focused_ = node;
  if (node) InvalidateNode(node);
  if (OnFocusChanged) OnFocusChanged(this, node, MainColumn());
}

void TBaseVirtualTree::SelectAndFocus(PVirtualNode node) {
  SetSelected(node, true);
  SetFocusedNode(node);
}

void TBaseVirtualTree::SetNodeHeight(PVirtualNode node, int height) {
  store_.SetNodeHeight(node, height);
  StructureChanged();
}

// ---- properties ----

void TBaseVirtualTree::SetDefaultNodeHeight(int value) {
  store_.SetDefaultHeight(value);
  StructureChanged();
}

void TBaseVirtualTree::SetIndent(int value) {
  indent_ = std::max(0, value);
  Invalidate();
}

void TBaseVirtualTree::SetMargin(int value) {
  margin_ = std::max(0, value);
  Invalidate();
}

void TBaseVirtualTree::SetTextMargin(int value) {
  textMargin_ = std::max(0, value);
  Invalidate();
}

void TBaseVirtualTree::SetDrawSelectionMode(TVTDrawSelectionMode value) {
  drawSelectionMode_ = value;
  Invalidate();
}

void TBaseVirtualTree::SetSelectionBlendFactor(int value) {
  blendFactor_ = std::clamp(value, 0, 255);
  Invalidate();
}

void TBaseVirtualTree::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TBaseVirtualTree::SetImageList(TCustomImageList*& field, TCustomImageList* value) {
  if (field == value) return;
  field = value;
  if (value) value->FreeNotification(this);
  Invalidate();
}

void TBaseVirtualTree::SetImages(TCustomImageList* value) { SetImageList(images_, value); }
void TBaseVirtualTree::SetStateImages(TCustomImageList* value) { SetImageList(stateImages_, value); }

void TBaseVirtualTree::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == stateImages_) stateImages_ = nullptr;
}

int TBaseVirtualTree::ImageIndex(PVirtualNode node, TVTImageKind kind, TColumnIndex column, bool& ghosted) {
  int index = -1;
  ghosted = false;
  if (OnGetImageIndex) OnGetImageIndex(this, node, kind, column, ghosted, index);
  return index;
}

// ---- scrolling and geometry ----

int TBaseVirtualTree::RowsHeight() const { return std::max(0, ClientHeight() - HeaderHeight()); }

int TBaseVirtualTree::RowWidth() const {
  int columns = header_->Columns()->TotalWidth();
  return header_->Columns()->Count() ? columns : ClientWidth();
}

void TBaseVirtualTree::ClampOffsets() {
  int maxY = std::max(0, store_.TotalHeight() - RowsHeight());
  int maxX = std::max(0, header_->Columns()->TotalWidth() - ClientWidth());
  offsetY_ = std::clamp(offsetY_, 0, maxY);
  offsetX_ = std::clamp(offsetX_, 0, maxX);
}

void TBaseVirtualTree::UpdateScrollBars() {
  if (!HandleAllocated() || updateCount_) return;
  scrollDirty_ = false;
  staleBars_ = 0;
  // A bar that appears narrows the room left for the other one: a second pass settles it.
  for (int pass = 0; pass < 2; ++pass) {
    ClampOffsets();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    si.nMax = std::max(0, store_.TotalHeight() - 1);
    si.nPage = static_cast<UINT>(RowsHeight());
    si.nPos = offsetY_;
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
    si.nMax = std::max(0, header_->Columns()->TotalWidth() - 1);
    si.nPage = static_cast<UINT>(ClientWidth());
    si.nPos = offsetX_;
    SetScrollInfo(Handle(), SB_HORZ, &si, TRUE);
  }
  ClampOffsets();
}

void TBaseVirtualTree::SetOffsetY(int value) {
  FlushScrollBars();
  int old = offsetY_;
  offsetY_ = value;
  ClampOffsets();
  if (offsetY_ != old) ScrollPositionChanged(SB_VERT, offsetY_);
}

void TBaseVirtualTree::SetOffsetX(int value) {
  FlushScrollBars();
  int old = offsetX_;
  offsetX_ = value;
  ClampOffsets();
  if (offsetX_ != old) ScrollPositionChanged(SB_HORZ, offsetX_);
}

void TBaseVirtualTree::ScrollPositionChanged(int bar, int position) {
  if (!HandleAllocated()) return;
  // While pages follow each other only the position moves and the rows are painted again:
  // a themed bar costs many times a page of rows to draw. It is drawn once scrolling stops
  // (SB_ENDSCROLL, or a short quiet spell after the last step).
  SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, position, 0};
  SetScrollInfo(Handle(), bar, &si, FALSE);
  // The timer is set once for a run of steps; when it fires early (steps followed) it is set
  // again for the rest of the quiet spell, which saves the system a timer change per page.
  lastScrollTick_ = GetTickCount();
  if (!staleBars_) SetTimer(Handle(), kBarRedrawTimer, kBarRedrawDelay, nullptr);
  staleBars_ |= bar == SB_VERT ? kStaleVert : kStaleHorz;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TBaseVirtualTree::BarRedrawTimer() {
  DWORD quiet = GetTickCount() - lastScrollTick_;
  if (staleBars_ && quiet < kBarRedrawDelay) {
    SetTimer(Handle(), kBarRedrawTimer, kBarRedrawDelay - quiet, nullptr);
    return;
  }
  RedrawScrollBars();
}

void TBaseVirtualTree::RedrawScrollBars() {
  if (HandleAllocated()) KillTimer(Handle(), kBarRedrawTimer);
  if (!staleBars_ || !HandleAllocated()) return;
  SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
  if (staleBars_ & kStaleVert) {
    si.nPos = offsetY_;
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
  }
  if (staleBars_ & kStaleHorz) {
    si.nPos = offsetX_;
    SetScrollInfo(Handle(), SB_HORZ, &si, TRUE);
  }
  staleBars_ = 0;
}

bool TBaseVirtualTree::ScrollIntoView(PVirtualNode node, bool center, bool horizontally) {
  if (!node || node == store_.Root()) return false;
  for (PVirtualNode p = node->Parent; p != store_.Root(); p = p->Parent)
    if (!TVirtualNodeStore::Expanded(p)) SetExpanded(p, true);
  FlushScrollBars();
  int top = store_.NodeTop(node), height = node->NodeHeight, rows = RowsHeight();
  int oldX = offsetX_, oldY = offsetY_;
  bool shown = top >= offsetY_ && top + height <= offsetY_ + rows;
  if (!shown) {
    if (center)
      SetOffsetY(top + height / 2 - rows / 2);
    else if (top < offsetY_)
      SetOffsetY(top);
    else
      SetOffsetY(top + height - rows);
  }
  if (horizontally) {
    int left, right;
    ColumnSpan(MainColumn(), left, right);
    if (left < offsetX_ || right - left > ClientWidth())
      SetOffsetX(left);
    else if (right > offsetX_ + ClientWidth())
      SetOffsetX(right - ClientWidth());
  }
  return offsetX_ != oldX || offsetY_ != oldY;
}

void TBaseVirtualTree::ColumnSpan(TColumnIndex column, int& left, int& right) const {
  if (column == NoColumn || column >= header_->Columns()->Count()) {
    left = 0;
    right = std::max(ClientWidth(), header_->Columns()->TotalWidth());
    return;
  }
  left = header_->Columns()->ColumnLeft(column);
  right = left + (header_->Columns()->Items(column)->Shown() ? header_->Columns()->Items(column)->Width() : 0);
}

TVTCellLayout TBaseVirtualTree::RowLayout(PVirtualNode node, TColumnIndex column) {
  InitNode(node);
  if (header_->Columns()->Count() == 0) column = NoColumn;
  TVTCellLayout l;
  int h = node->NodeHeight;
  int left, right;
  ColumnSpan(column, left, right);
  l.Cell = Rect(left, 0, right, h);
  int x = left + margin_;
  if (column == MainColumn()) {
    int level = static_cast<int>(GetNodeLevel(node)) + (options_->Has(TVTPaintOption::toShowRoot) ? 1 : 0);
    if (level > 0 && options_->Has(TVTPaintOption::toShowButtons) && HasChildren(node)) {
      int bx = x + (level - 1) * indent_ + (indent_ - kButtonSize) / 2;
      l.Button = Bounds(bx, (h - kButtonSize) / 2, kButtonSize, kButtonSize);
    }
    x += level * indent_;
    if (node->CheckType != TCheckType::ctNone) {
      l.CheckBox = Bounds(x, (h - kCheckSize) / 2, kCheckSize, kCheckSize);
      x += kCheckSize + kCheckGap;
    }
    bool ghosted;
    if (stateImages_ && ImageIndex(node, TVTImageKind::ikState, column, ghosted) >= 0) {
      l.StateImage = Bounds(x, (h - stateImages_->Height()) / 2, stateImages_->Width(), stateImages_->Height());
      x += stateImages_->Width() + kImageGap;
    }
  }
  bool ghosted;
  if (images_ && ImageIndex(node, TVTImageKind::ikNormal, column, ghosted) >= 0) {
    l.Image = Bounds(x, (h - images_->Height()) / 2, images_->Width(), images_->Height());
    x += images_->Width() + kImageGap;
  }
  l.Content = Rect(std::min(x, right), 0, right, h);
  return l;
}

TVTCellLayout TBaseVirtualTree::CellLayout(PVirtualNode node, TColumnIndex column) {
  TVTCellLayout l = RowLayout(node, column);
  FlushScrollBars();
  int dy = HeaderHeight() + store_.NodeTop(node) - offsetY_;
  for (TRect* r : {&l.Cell, &l.Button, &l.CheckBox, &l.StateImage, &l.Image, &l.Content})
    if (!IsRectEmpty(r)) OffsetRect(r, -offsetX_, dy);
  return l;
}

TRect TBaseVirtualTree::GetDisplayRect(PVirtualNode node, TColumnIndex column, bool textOnly) {
  TVTCellLayout l = CellLayout(node, column);
  return textOnly ? l.Content : l.Cell;
}

void TBaseVirtualTree::InvalidateNode(PVirtualNode node) {
  if (!HandleAllocated() || !node || node == store_.Root() || !store_.IsVisible(node)) return;
  int top = HeaderHeight() + store_.NodeTop(node) - offsetY_;
  TRect r = Rect(0, std::max(top, HeaderHeight()), ClientWidth(), top + node->NodeHeight);
  if (r.bottom > r.top) InvalidateRect(Handle(), &r, FALSE);
}

PVirtualNode TBaseVirtualTree::GetNodeAt(int x, int y) {
  if (y < HeaderHeight()) return nullptr;
  FlushScrollBars();
  return Initialised(store_.NodeAtOffset(y - HeaderHeight() + offsetY_, nullptr));
}

THitInfo TBaseVirtualTree::GetHitTestInfoAt(int x, int y) {
  THitInfo hit;
  if (y >= 0 && y < HeaderHeight()) {
    hit.HitPosition = THitPosition::hiOnHeader;
    hit.HitColumn = header_->Columns()->ColumnAt(x + offsetX_);
    return hit;
  }
  hit.HitNode = GetNodeAt(x, y);
  if (!hit.HitNode) return hit;
  hit.HitColumn = header_->Columns()->Count() ? header_->Columns()->ColumnAt(x + offsetX_) : NoColumn;
  hit.HitPosition = THitPosition::hiOnItem;
  if (hit.HitColumn != MainColumn()) return hit;
  TVTCellLayout l = CellLayout(hit.HitNode, hit.HitColumn);
  POINT p{x, y};
  if (PtInRect(&l.Button, p))
    hit.HitPosition = THitPosition::hiOnItemButton;
  else if (PtInRect(&l.CheckBox, p))
    hit.HitPosition = THitPosition::hiOnItemCheckbox;
  else if (x < l.Content.left)
    hit.HitPosition = THitPosition::hiOnItemIndent;
  return hit;
}
