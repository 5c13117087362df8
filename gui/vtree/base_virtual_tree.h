// The tree-list control: virtual rows that the page describes through events. The control
// keeps one small record per node (node_store.h) and asks for everything else (children,
// texts, images, check boxes) only for the rows it shows. Scrolling uses the window's native
// scroll bars (SetScrollInfo), so painted scroll bars can lie over them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls.h"
#include "gui/ext_ctrls.h"
#include "gui/image_list.h"
#include "gui/vtree/node_store.h"
#include "gui/vtree/text_widths.h"
#include "gui/vtree/tree_options.h"

class TBaseVirtualTree;

enum class TVTImageKind { ikNormal, ikSelected, ikState, ikOverlay };
enum class TVTDrawSelectionMode { smDottedRectangle, smBlendedRectangle };
extern const TEnumInfo DrawSelectionModeInfo;

// Where the parts of one cell lie, in client coordinates. Empty rectangles for absent parts.
struct TVTCellLayout {
  TRect Cell{};        // the whole cell (the row's height, the column's width)
  TRect Button{};      // expand / collapse box
  TRect CheckBox{};
  TRect StateImage{};
  TRect Image{};
  TRect Content{};     // what is left for the text or the owner drawing
};

// What OnDrawNode gets for one cell. Canvas draws on the row: (0, 0) is the left end of the
// row (before horizontal scrolling) at its top.
struct TVTPaintInfo {
  TCanvas* Canvas = nullptr;
  PVirtualNode Node = nullptr;
  TColumnIndex Column = NoColumn;
  TRect CellRect{};
  TRect ContentRect{};
  // Where the row's (0, 0) lies on Canvas: the rows are painted in the window's coordinates,
  // so this is (0, 0) only for OnDrawNode.
  POINT RowOrigin{};
};

enum class THitPosition { hiNowhere, hiOnItem, hiOnItemButton, hiOnItemCheckbox, hiOnItemIndent, hiOnHeader };
struct THitInfo {
  PVirtualNode HitNode = nullptr;
  TColumnIndex HitColumn = NoColumn;
  THitPosition HitPosition = THitPosition::hiNowhere;
};

using TVTInitNodeEvent = std::function<void(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                            TVirtualNodeInitStates& InitialStates)>;
using TVTInitChildrenEvent = std::function<void(TBaseVirtualTree* Sender, PVirtualNode Node, uint32_t& ChildCount)>;
using TVTChangeEvent = std::function<void(TBaseVirtualTree* Sender, PVirtualNode Node)>;
using TVTFocusChangeEvent = std::function<void(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column)>;
using TVTGetNodeDataSizeEvent = std::function<void(TBaseVirtualTree* Sender, int& NodeDataSize)>;
using TVTGetImageEvent = std::function<void(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                            TColumnIndex Column, bool& Ghosted, int& ImageIndex)>;
using TVTDrawNodeEvent = std::function<void(TBaseVirtualTree* Sender, const TVTPaintInfo& PaintInfo)>;

class TBaseVirtualTree : public TCustomControl {
  QS_CLASS(TBaseVirtualTree)

 public:
  explicit TBaseVirtualTree(TComponent* owner);
  ~TBaseVirtualTree() override;

  // Rows and children. Nodes are made uninitialised; OnInitNode runs when one is first
  // shown, looked at through this interface, or handed out by an iteration.
  PVirtualNode RootNode() const { return store_.Root(); }
  uint32_t RootNodeCount() const { return store_.Root()->ChildCount; }
  void SetRootNodeCount(uint32_t count) { SetChildCount(nullptr, count); }
  uint32_t ChildCount(PVirtualNode node);
  void SetChildCount(PVirtualNode node, uint32_t count);  // nullptr: the top level
  PVirtualNode AddChild(PVirtualNode parent);             // nullptr: a top-level row
  void DeleteNode(PVirtualNode node);
  void Clear();
  bool HasChildren(PVirtualNode node);
  void SetHasChildren(PVirtualNode node, bool value);
  // Forgets what OnInitNode (and, recursively, OnInitChildren) said; they run again.
  void ReinitNode(PVirtualNode node, bool recursive);
  unsigned GetNodeLevel(PVirtualNode node) const { return TVirtualNodeStore::Level(node); }
  uint32_t VisibleCount() const { return store_.VisibleCount(); }

  // The page's bytes behind each node (zeroed at first). -1 asks OnGetNodeDataSize when the
  // first node is made. Changing it clears the tree.
  int NodeDataSize() const { return nodeDataSize_; }
  void SetNodeDataSize(int size);
  void* GetNodeData(PVirtualNode node);
  template <class T>
  T* GetNodeData(PVirtualNode node) { return static_cast<T*>(GetNodeData(node)); }

  // Iteration; every node handed out is initialised (children are counted on the way).
  PVirtualNode GetFirst();
  PVirtualNode GetNext(PVirtualNode node);
  PVirtualNode GetPrevious(PVirtualNode node);
  PVirtualNode GetLast();
  PVirtualNode GetFirstChild(PVirtualNode node);  // nullptr: the first top-level row
  PVirtualNode GetNextSibling(PVirtualNode node);
  PVirtualNode GetPreviousSibling(PVirtualNode node);
  PVirtualNode GetFirstVisible();
  PVirtualNode GetNextVisible(PVirtualNode node);
  PVirtualNode GetPreviousVisible(PVirtualNode node);
  PVirtualNode GetLastVisible();
  PVirtualNode GetFirstSelected();
  PVirtualNode GetNextSelected(PVirtualNode node);
  PVirtualNode GetFirstChecked(TCheckState state = TCheckState::csCheckedNormal);
  PVirtualNode GetNextChecked(PVirtualNode node, TCheckState state = TCheckState::csCheckedNormal);
  // The row at a client point (header excluded), or nullptr.
  PVirtualNode GetNodeAt(int x, int y);
  THitInfo GetHitTestInfoAt(int x, int y);

  // Node state.
  TCheckState CheckState(PVirtualNode node);
  // Fires OnChecked for every node whose state changes; with tri-state tracking a checked or
  // unchecked parent passes its state to its children and parents follow their children.
  void SetCheckState(PVirtualNode node, TCheckState state);
  TCheckType CheckType(PVirtualNode node);
  void SetCheckType(PVirtualNode node, TCheckType type);
  bool Expanded(PVirtualNode node);
  void SetExpanded(PVirtualNode node, bool value);
  void ToggleNode(PVirtualNode node) { SetExpanded(node, !Expanded(node)); }
  void FullExpand(PVirtualNode node = nullptr);
  void FullCollapse(PVirtualNode node = nullptr);
  bool Selected(PVirtualNode node) const { return node && node->States.Contains(TVirtualNodeState::vsSelected); }
  // One row is selected at a time; selecting another clears the old one.
  void SetSelected(PVirtualNode node, bool value);
  void ClearSelection();
  uint32_t SelectedCount() const { return selected_ ? 1 : 0; }
  PVirtualNode FocusedNode() const { return focused_; }
  void SetFocusedNode(PVirtualNode node);
  int NodeHeight(PVirtualNode node) const { return node->NodeHeight; }
  void SetNodeHeight(PVirtualNode node, int height);

  // Scrolling and geometry (client coordinates).
  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }
  void SetOffsetX(int value);
  void SetOffsetY(int value);
  // Expands the node's parents and scrolls until the row is fully shown (centred on request;
  // horizontally too when asked). True when it scrolled.
  bool ScrollIntoView(PVirtualNode node, bool center, bool horizontally = false);
  TVTCellLayout CellLayout(PVirtualNode node, TColumnIndex column);
  TRect GetDisplayRect(PVirtualNode node, TColumnIndex column, bool textOnly);
  void InvalidateNode(PVirtualNode node);
  // Changes between the two calls are shown once, at the end.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  int HeaderHeight() const { return header_->Visible() ? header_->Height() : 0; }

  // Published properties.
  TVTHeader* Header() const { return header_.get(); }
  TVirtualTreeOptions* TreeOptions() const { return options_.get(); }
  TVTColors* Colors() const { return colors_.get(); }
  int DefaultNodeHeight() const { return store_.DefaultHeight(); }
  void SetDefaultNodeHeight(int value);
  int Indent() const { return indent_; }
  void SetIndent(int value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int TextMargin() const { return textMargin_; }
  void SetTextMargin(int value);
  TVTDrawSelectionMode DrawSelectionMode() const { return drawSelectionMode_; }
  void SetDrawSelectionMode(TVTDrawSelectionMode value);
  // Opacity (0..255) of the blended selection rectangle.
  int SelectionBlendFactor() const { return blendFactor_; }
  void SetSelectionBlendFactor(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // Normal images (any column) and state images (the main column, before the normal one),
  // their indexes given by OnGetImageIndex.
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  TCustomImageList* StateImages() const { return stateImages_; }
  void SetStateImages(TCustomImageList* value);

  TVTInitNodeEvent OnInitNode;
  TVTInitChildrenEvent OnInitChildren;
  TVTChangeEvent OnChecked, OnChange, OnExpanded, OnCollapsed, OnFreeNode;
  TVTFocusChangeEvent OnFocusChanged;
  TVTGetNodeDataSizeEvent OnGetNodeDataSize;
  TVTGetImageEvent OnGetImageIndex;
  // When bound, the cells' contents are drawn by the page.
  TVTDrawNodeEvent OnDrawNode;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;
  void Paint() override;
  // Draws the content of one cell; its rectangles are in the canvas's coordinates, the row
  // begins at info.RowOrigin (OnDrawNode gets them in row coordinates, see TVTPaintInfo).
  virtual void DoPaintNode(const TVTPaintInfo& info);
  void InitNode(PVirtualNode node);
  TColumnIndex MainColumn() const;
  void Notification(TComponent* component, TOperation operation) override;
  // Text of a selected row is drawn in the highlight text colour (solid selection, focused).
  bool HighlightedText(PVirtualNode node, TColumnIndex column) const;
  // The text colour the canvas holds during a paint (CLR_INVALID: unknown), so that cells of
  // one colour set it once; whatever else sets it makes it unknown.
  COLORREF paintTextColor_ = CLR_INVALID;

 private:
  PVirtualNode Parent(PVirtualNode node) const { return node ? node : store_.Root(); }
  void EnsureStore();
  void InitChildren(PVirtualNode node);
  PVirtualNode Initialised(PVirtualNode node) {
    if (node) InitNode(node);
    return node;
  }
  void FreeNode(PVirtualNode node);
  // The image OnGetImageIndex gives for a cell (-1: none), and whether it is drawn greyed.
  int ImageIndex(PVirtualNode node, TVTImageKind kind, TColumnIndex column, bool& ghosted);
  void SetImageList(TCustomImageList*& field, TCustomImageList* value);
  void StructureChanged();
  void OptionsChanged();
  void UpdateScrollBars();
  // A scroll offset changed: the native bar's position follows (drawn later, see
  // RedrawScrollBars) and the client area is painted again.
  void ScrollPositionChanged(int bar, int position);
  // Draws the bars whose position moved without being drawn (scrolling has stopped).
  void RedrawScrollBars();
  // The bar timer fired: draws the bars after a quiet spell, else waits for the rest of it.
  void BarRedrawTimer();
  int RowsHeight() const;
  void ClampOffsets();
  void ApplyCheckState(PVirtualNode node, TCheckState state, std::vector<PVirtualNode>& changed);
  void PassStateDown(PVirtualNode node, TCheckState state, std::vector<PVirtualNode>& changed);
  void RecomputeParents(PVirtualNode node, std::vector<PVirtualNode>& changed);
  void ToggleCheck(PVirtualNode node);
  void SelectAndFocus(PVirtualNode node);
  // Layout of a cell in row coordinates: x before horizontal scrolling, y from the row's top.
  TVTCellLayout RowLayout(PVirtualNode node, TColumnIndex column);
  // The scroll bars follow a change of rows or columns before the next paint or geometry query.
  void FlushScrollBars() {
    if (scrollDirty_) UpdateScrollBars();
  }

  // Painting (tree_paint.cpp).
  void PaintHeader(HDC dc, const TRect& client);
  // What stays the same for every row of one paint.
  struct TRowPaint {
    std::vector<TColumnIndex> shown;
    int width = 0;             // of a row's background
    bool gridPerRow = false;   // owner-drawn cells lie over the column lines, so those go first
    TRect focusRect{};         // drawn after the column lines
  };
  // Paints one row in the window's coordinates; top is the row's top there.
  void PaintRow(HDC dc, PVirtualNode node, int top, TRowPaint& row);
  void PaintCell(HDC dc, PVirtualNode node, TColumnIndex column, const TVTCellLayout& layout, POINT origin);
  void PaintTreeLines(HDC dc, PVirtualNode node, const TVTCellLayout& layout, POINT origin);
  void PaintColumnLines(HDC dc, int top, int bottom);
  void PaintSelection(HDC dc, const TRect& r);
  // A column's left and right in tree coordinates (the whole width when there are no columns).
  void ColumnSpan(TColumnIndex column, int& left, int& right) const;
  int RowWidth() const;
  bool InSelection(TColumnIndex column) const;

  // Input (tree_input.cpp).
  void MouseDownAt(int x, int y, bool doubleClick, bool right);
  void HandleKey(WPARAM key);
  void Scroll(int bar, int code);
  // The resizable column whose right edge is at client x, or NoColumn.
  TColumnIndex ColumnEdgeAt(int x) const;
  void TrackColumnResize(int x);

  static constexpr int kCheckSize = 13;  // check boxes and expand buttons, square
  static constexpr int kButtonSize = 9;

  TVirtualNodeStore store_;
  std::unique_ptr<TVTHeader> header_;
  std::unique_ptr<TVirtualTreeOptions> options_;
  std::unique_ptr<TVTColors> colors_;
  int nodeDataSize_ = -1;
  bool dataSizeKnown_ = false;
  PVirtualNode focused_ = nullptr;
  PVirtualNode selected_ = nullptr;
  int offsetX_ = 0, offsetY_ = 0;
  int indent_ = 18, margin_ = 4, textMargin_ = 4;
  TVTDrawSelectionMode drawSelectionMode_ = TVTDrawSelectionMode::smDottedRectangle;
  int blendFactor_ = 128;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TCustomImageList* images_ = nullptr;
  TCustomImageList* stateImages_ = nullptr;
  int updateCount_ = 0;
  bool scrollDirty_ = true;
  // Bars whose position moved but that were not drawn since, and the one-shot timer that
  // draws them when no further step follows.
  static constexpr int kStaleVert = 1, kStaleHorz = 2;
  static constexpr UINT_PTR kBarRedrawTimer = 0x5642;  // "VB"
  static constexpr UINT kBarRedrawDelay = 100;         // ms
  int staleBars_ = 0;
  TTextWidths headerWidths_;  // of the header's font
  DWORD lastScrollTick_ = 0;
  TColumnIndex resizing_ = NoColumn;  // column whose right edge the mouse drags
  int resizeStart_ = 0, resizeWidth_ = 0;
};
