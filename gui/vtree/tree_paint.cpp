// Painting of the tree-list: header, rows (background, selection, grid lines, tree lines,
// buttons, check boxes) and the cells' contents through DoPaintNode. Only the rows inside
// the clipping box are painted, and only they are asked for their contents.
#include <algorithm>

#include "gui/vtree/base_virtual_tree.h"

namespace {
void Fill(HDC dc, const TRect& r, TColor color) {
  SetDCBrushColor(dc, ColorToRGB(color));
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void HLine(HDC dc, int x1, int x2, int y, TColor color) { Fill(dc, Rect(x1, y, x2, y + 1), color); }
void VLine(HDC dc, int x, int y1, int y2, TColor color) { Fill(dc, Rect(x, y1, x + 1, y2), color); }

// Dotted lines in row coordinates, put on the canvas at origin: every other pixel, starting on
// an even row coordinate so that lines of neighbouring rows join up.
void DottedH(HDC dc, int x1, int x2, int y, COLORREF c, POINT origin) {
  for (int x = x1 + (x1 & 1); x < x2; x += 2) SetPixel(dc, origin.x + x, origin.y + y, c);
}
void DottedV(HDC dc, int x, int y1, int y2, COLORREF c, POINT origin) {
  for (int y = y1 + (y1 & 1); y < y2; y += 2) SetPixel(dc, origin.x + x, origin.y + y, c);
}

// The check box pictures, drawn once per thread and state and then copied: drawing a frame
// control for every row cost as much as the rest of its check box column.
class TCheckBoxStrip {
 public:
  static constexpr int kStates = 3;  // unchecked, checked, mixed
  explicit TCheckBoxStrip(int size) : size_(size) {}
  ~TCheckBoxStrip() {
    if (dc_) {
      SelectObject(dc_, old_);
      DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
  }
  void Draw(HDC target, const TRect& r, int state) {
    if (!dc_ && !Prepare(target)) {
      DrawFrameControl(target, const_cast<TRect*>(&r), DFC_BUTTON, FrameState(state));
      return;
    }
    BitBlt(target, r.left, r.top, size_, size_, dc_, state * size_, 0, SRCCOPY);
  }

 private:
  static UINT FrameState(int state) {
    return state == 2 ? DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT
                      : DFCS_BUTTONCHECK | DFCS_FLAT | (state == 1 ? DFCS_CHECKED : 0);
  }
  bool Prepare(HDC target) {
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, size_ * kStates, size_);
    ReleaseDC(nullptr, screen);
    dc_ = bitmap_ ? CreateCompatibleDC(target) : nullptr;
    if (!dc_) return false;
    old_ = SelectObject(dc_, bitmap_);
    for (int state = 0; state < kStates; ++state) {
      RECT r = {state * size_, 0, (state + 1) * size_, size_};
      DrawFrameControl(dc_, &r, DFC_BUTTON, FrameState(state));
    }
    return true;
  }
  int size_;
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};
}  // namespace

bool TBaseVirtualTree::InSelection(TColumnIndex column) const {
  return options_->Has(TVTSelectionOption::toFullRowSelect) || column == MainColumn();
}

bool TBaseVirtualTree::HighlightedText(PVirtualNode node, TColumnIndex column) const {
  return drawSelectionMode_ == TVTDrawSelectionMode::smDottedRectangle && Selected(node) && Focused() &&
         InSelection(column);
}

void TBaseVirtualTree::Paint() {
  FlushScrollBars();
  HDC dc = Canvas().Handle();
  TRect client = ClientRect();
  TRect clip;
  if (GetClipBox(dc, &clip) == NULLREGION) return;
  int headerHeight = HeaderHeight();
  if (headerHeight > 0 && clip.top < headerHeight) PaintHeader(dc, client);
  // Rows are painted in the window's coordinates under one clip for the whole paint: a
  // SaveDC/RestoreDC and a clip of their own per row cost a third of a row's painting.
  int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, headerHeight, client.right, client.bottom);
  // The control's font stays selected for the whole paint: cells drawn in it select nothing.
  SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  TRowPaint row;
  TVirtualTreeColumns* columns = header_->Columns();
  if (columns->Count() == 0) {
    row.shown.push_back(NoColumn);
  } else {
    for (int i = 0; i < columns->Count(); ++i)
      if (columns->Items(i)->Shown()) row.shown.push_back(i);
  }
  row.width = std::max<int>(RowWidth(), client.right + offsetX_);
  row.gridPerRow = static_cast<bool>(OnDrawNode);
  paintTextColor_ = CLR_INVALID;
  int from = std::max<int>(clip.top, headerHeight);
  int rowTop = 0;
  PVirtualNode node = store_.NodeAtOffset(from - headerHeight + offsetY_, &rowTop);
  int top = headerHeight + rowTop - offsetY_;
  const int rowsTop = top;
  // Every row's background is the control's colour: one fill for all of them.
  Fill(dc, Rect(client.left, std::max(rowsTop, headerHeight), client.right, clip.bottom), Color());
  bool horzLines = options_->Has(TVTPaintOption::toShowHorzGridLines);
  std::vector<int> lineRows;  // the bottom line of each row, drawn over the rows below
  while (node && top < clip.bottom) {
    InitNode(node);
    PaintRow(dc, node, top, row);
    top += node->NodeHeight;
    if (horzLines && !row.gridPerRow) lineRows.push_back(top - 1);
    node = store_.NextVisible(node);
  }
  if (!lineRows.empty()) {
    SetDCBrushColor(dc, ColorToRGB(colors_->GridLineColor()));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    for (int y : lineRows) PatBlt(dc, client.left, y, ::Width(client), 1, PATCOPY);
    SelectObject(dc, oldBrush);
  }
  if (!row.gridPerRow && top > rowsTop) PaintColumnLines(dc, rowsTop, top);
  if (!IsRectEmpty(&row.focusRect)) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &row.focusRect);
  }
  RestoreDC(dc, saved);
  top = std::max<int>(top, headerHeight);
  // Below the last row (its background is filled with the rows'): the column lines when they
  // run to the bottom.
  if (top < client.bottom && options_->Has(TVTPaintOption::toFullVertGridLines))
    PaintColumnLines(dc, top, client.bottom);
}

void TBaseVirtualTree::PaintColumnLines(HDC dc, int top, int bottom) {
  if (!options_->Has(TVTPaintOption::toShowVertGridLines)) return;
  TVirtualTreeColumns* columns = header_->Columns();
  for (int i = 0; i < columns->Count(); ++i)
    if (columns->Items(i)->Shown()) {
      int left, right;
      ColumnSpan(i, left, right);
      VLine(dc, right - 1 - offsetX_, top, bottom, colors_->GridLineColor());
    }
}

void TBaseVirtualTree::PaintHeader(HDC dc, const TRect& client) {
  int h = HeaderHeight();
  Fill(dc, Rect(client.left, 0, client.right, h), clBtnFace);
  // The header's font stays selected for all its columns, and a title that fits is placed
  // directly: the header is painted with every page of rows.
  HGDIOBJ oldFont = SelectObject(dc, header_->Font()->Handle());
  SetTextColor(dc, ColorToRGB(header_->Font()->Color()));
  SetBkMode(dc, TRANSPARENT);
  headerWidths_.Check();
  TVirtualTreeColumns* columns = header_->Columns();
  for (int i = 0; i < columns->Count(); ++i) {
    TVirtualTreeColumn* c = columns->Items(i);
    if (!c->Shown()) continue;
    int left, right;
    ColumnSpan(i, left, right);
    TRect r = Rect(left - offsetX_, 0, right - offsetX_, h);
    if (r.right <= client.left || r.left >= client.right) continue;
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    TRect text = r;
    InflateRect(&text, -4, 0);
    DrawFittingText(dc, c->Text(), text, c->Alignment(), headerWidths_.Measure(dc, c->Text()));
  }
  SelectObject(dc, oldFont);
}

void TBaseVirtualTree::PaintSelection(HDC dc, const TRect& r) {
  TColor color = Focused() ? colors_->FocusedSelectionColor() : colors_->UnfocusedSelectionColor();
  if (drawSelectionMode_ == TVTDrawSelectionMode::smDottedRectangle) {
    Fill(dc, r, color);
    return;
  }
  // A rectangle of the colour laid over the row, the row showing through, with a plain frame.
  HDC mem = CreateCompatibleDC(dc);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = 1;
  bi.bmiHeader.biHeight = 1;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bmp && bits) {
    COLORREF c = ColorToRGB(color);
    *static_cast<uint32_t*>(bits) = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    HGDIOBJ old = SelectObject(mem, bmp);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(blendFactor_), 0};
    AlphaBlend(dc, r.left, r.top, ::Width(r), ::Height(r), mem, 0, 0, 1, 1, blend);
    SelectObject(mem, old);
  }
  if (bmp) DeleteObject(bmp);
  DeleteDC(mem);
  SetDCBrushColor(dc, ColorToRGB(color));
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void TBaseVirtualTree::PaintRow(HDC dc, PVirtualNode node, int top, TRowPaint& row) {
  int h = node->NodeHeight;
  // The row's (0, 0): its left end before horizontal scrolling, at its top.
  const POINT origin = {-offsetX_, top};
  // A row lower than a check box, button or image keeps them inside it with a clip of its own.
  int tallest = kCheckSize;
  if (images_) tallest = std::max(tallest, images_->Height());
  if (stateImages_) tallest = std::max(tallest, stateImages_->Height());
  int saved = 0;
  if (h < tallest) {
    saved = SaveDC(dc);
    IntersectClipRect(dc, origin.x, top, origin.x + row.width, top + h);
  }
  auto shift = [&origin](TRect r) {
    OffsetRect(&r, origin.x, origin.y);
    return r;
  };
  // The background was filled for all rows at once; owner-drawn rows keep their order:
  // background, lines, cells.
  if (row.gridPerRow) Fill(dc, Rect(origin.x, top, origin.x + row.width, top + h), Color());

  bool selected = Selected(node) && (Focused() || !options_->Has(TVTPaintOption::toHideSelection));
  TVTCellLayout main = RowLayout(node, MainColumn());
  if (selected) {
    TRect r = Rect(main.Content.left, 0, main.Cell.right, h);
    if (options_->Has(TVTSelectionOption::toFullRowSelect)) r = Rect(0, 0, RowWidth(), h);
    if (!IsRectEmpty(&r)) PaintSelection(dc, shift(r));
  }
  if (row.gridPerRow) {
    if (options_->Has(TVTPaintOption::toShowHorzGridLines))
      HLine(dc, origin.x, origin.x + row.width, top + h - 1, colors_->GridLineColor());
    PaintColumnLines(dc, top, top + h);
  }
  for (TColumnIndex c : row.shown) {
    TVTCellLayout layout = c == MainColumn() ? main : RowLayout(node, c);
    for (TRect* r : {&layout.Cell, &layout.Button, &layout.CheckBox, &layout.StateImage, &layout.Image, &layout.Content})
      OffsetRect(r, origin.x, origin.y);
    PaintCell(dc, node, c, layout, origin);
  }
  if (node == focused_ && Focused() && !options_->Has(TVTPaintOption::toHideFocusRect)) {
    TRect r = options_->Has(TVTSelectionOption::toFullRowSelect) ? Rect(0, 0, RowWidth(), h)
                                                                 : Rect(main.Content.left, 0, main.Cell.right, h);
    if (!IsRectEmpty(&r)) row.focusRect = shift(r);
  }
  if (saved) RestoreDC(dc, saved);
}

void TBaseVirtualTree::PaintTreeLines(HDC dc, PVirtualNode node, const TVTCellLayout& layout, POINT origin) {
  int level = static_cast<int>(GetNodeLevel(node)) + (options_->Has(TVTPaintOption::toShowRoot) ? 1 : 0);
  if (level == 0) return;
  COLORREF c = ColorToRGB(colors_->TreeLineColor());
  int h = node->NodeHeight, mid = h / 2;
  int x0 = layout.Cell.left - origin.x + margin_;  // in row coordinates
  // The node's own joint: up to its parent, across to its content, down to its next sibling.
  int x = x0 + (level - 1) * indent_ + indent_ / 2;
  bool first = node->Index == 0 && node->Parent == store_.Root();
  DottedV(dc, x, first ? mid : 0, store_.NextSibling(node) ? h : mid + 1, c, origin);
  DottedH(dc, x, x0 + level * indent_, mid, c, origin);
  // Lines of the ancestors that have siblings below.
  int column = level - 1;
  for (PVirtualNode p = node->Parent; p != store_.Root() && column > 0; p = p->Parent) {
    --column;
    if (store_.NextSibling(p)) DottedV(dc, x0 + column * indent_ + indent_ / 2, 0, h, c, origin);
  }
}

void TBaseVirtualTree::PaintCell(HDC dc, PVirtualNode node, TColumnIndex column, const TVTCellLayout& layout,
                                 POINT origin) {
  if (column == MainColumn()) {
    if (options_->Has(TVTPaintOption::toShowTreeLines)) PaintTreeLines(dc, node, layout, origin);
    if (!IsRectEmpty(&layout.Button)) {
      TRect b = layout.Button;
      Fill(dc, b, clWindow);
      SetDCBrushColor(dc, ColorToRGB(clGray));
      FrameRect(dc, &b, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      int cx = b.left + ::Width(b) / 2, cy = b.top + ::Height(b) / 2;
      HLine(dc, b.left + 2, b.right - 2, cy, clBlack);
      if (!TVirtualNodeStore::Expanded(node)) VLine(dc, cx, b.top + 2, b.bottom - 2, clBlack);
    }
    if (!IsRectEmpty(&layout.CheckBox)) {
      thread_local TCheckBoxStrip checkBoxes(kCheckSize);
      int state = node->CheckState == TCheckState::csCheckedNormal ? 1
                  : node->CheckState == TCheckState::csMixedNormal ? 2
                                                                   : 0;
      checkBoxes.Draw(dc, layout.CheckBox, state);
    }
  }
  bool ghosted;
  if (!IsRectEmpty(&layout.StateImage) || !IsRectEmpty(&layout.Image)) paintTextColor_ = CLR_INVALID;
  if (!IsRectEmpty(&layout.StateImage))
    stateImages_->Draw(Canvas(), layout.StateImage.left, layout.StateImage.top,
                       ImageIndex(node, TVTImageKind::ikState, column, ghosted), !ghosted);
  if (!IsRectEmpty(&layout.Image))
    images_->Draw(Canvas(), layout.Image.left, layout.Image.top,
                  ImageIndex(node, TVTImageKind::ikNormal, column, ghosted), !ghosted);
  TVTPaintInfo info;
  info.Canvas = &Canvas();
  info.Node = node;
  info.Column = column;
  info.CellRect = layout.Cell;
  info.ContentRect = layout.Content;
  info.RowOrigin = origin;
  DoPaintNode(info);
}

void TBaseVirtualTree::DoPaintNode(const TVTPaintInfo& info) {
  if (!OnDrawNode) return;
  HDC dc = info.Canvas->Handle();
  int saved = SaveDC(dc);
  IntersectClipRect(dc, info.CellRect.left, info.CellRect.top, info.CellRect.right, info.CellRect.bottom);
  // The handler draws in row coordinates.
  POINT viewport;
  GetViewportOrgEx(dc, &viewport);
  SetViewportOrgEx(dc, viewport.x + info.RowOrigin.x, viewport.y + info.RowOrigin.y, nullptr);
  TVTPaintInfo row = info;
  OffsetRect(&row.CellRect, -info.RowOrigin.x, -info.RowOrigin.y);
  OffsetRect(&row.ContentRect, -info.RowOrigin.x, -info.RowOrigin.y);
  row.RowOrigin = POINT{0, 0};
  info.Canvas->Font().Assign(*Font());
  OnDrawNode(this, row);
  RestoreDC(dc, saved);
}
