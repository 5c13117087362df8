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

// Dotted lines: every other pixel, starting on an even coordinate so that lines of
// neighbouring rows join up.
void DottedH(HDC dc, int x1, int x2, int y, COLORREF c) {
  for (int x = x1 + (x1 & 1); x < x2; x += 2) SetPixel(dc, x, y, c);
}
void DottedV(HDC dc, int x, int y1, int y2, int rowTop, COLORREF c) {
  for (int y = y1 + ((rowTop + y1) & 1); y < y2; y += 2) SetPixel(dc, x, y, c);
}
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
  // The control's font stays selected for the whole paint: cells drawn in it select nothing.
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  int from = std::max<int>(clip.top, headerHeight);
  int rowTop = 0;
  PVirtualNode node = store_.NodeAtOffset(from - headerHeight + offsetY_, &rowTop);
  int top = headerHeight + rowTop - offsetY_;
  while (node && top < clip.bottom) {
    InitNode(node);
    PaintRow(dc, node, top, client);
    top += node->NodeHeight;
    node = store_.NextVisible(node);
  }
  SelectObject(dc, oldFont);
  top = std::max<int>(top, headerHeight);
  if (top < client.bottom) {
    // Below the last row: the background, and the column lines when they run to the bottom.
    Fill(dc, Rect(client.left, top, client.right, client.bottom), Color());
    if (options_->Has(TVTPaintOption::toShowVertGridLines) && options_->Has(TVTPaintOption::toFullVertGridLines))
      for (int i = 0; i < header_->Columns()->Count(); ++i)
        if (header_->Columns()->Items(i)->Shown()) {
          int left, right;
          ColumnSpan(i, left, right);
          VLine(dc, right - 1 - offsetX_, top, client.bottom, colors_->GridLineColor());
        }
  }
}

void TBaseVirtualTree::PaintHeader(HDC dc, const TRect& client) {
  int h = HeaderHeight();
  Fill(dc, Rect(client.left, 0, client.right, h), clBtnFace);
  TCanvas canvas(dc);
  canvas.Font().Assign(*header_->Font());
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
    UINT align = c->Alignment() == TAlignment::taRightJustify ? DT_RIGHT
                 : c->Alignment() == TAlignment::taCenter     ? DT_CENTER
                                                              : DT_LEFT;
    canvas.DrawText(c->Text(), text, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
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

void TBaseVirtualTree::PaintRow(HDC dc, PVirtualNode node, int top, const TRect& client) {
  int h = node->NodeHeight;
  int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, std::max<int>(top, HeaderHeight()), client.right, top + h);
  // The row is drawn in its own coordinates: x before scrolling, y from the row's top.
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - offsetX_, origin.y + top, nullptr);
  int width = std::max<int>(RowWidth(), client.right + offsetX_);
  Fill(dc, Rect(0, 0, width, h), Color());

  TVirtualTreeColumns* columns = header_->Columns();
  std::vector<TColumnIndex> shown;
  if (columns->Count() == 0) {
    shown.push_back(NoColumn);
  } else {
    for (int i = 0; i < columns->Count(); ++i)
      if (columns->Items(i)->Shown()) shown.push_back(i);
  }
  bool selected = Selected(node) && (Focused() || !options_->Has(TVTPaintOption::toHideSelection));
  TVTCellLayout main = RowLayout(node, MainColumn());
  if (selected) {
    TRect r = Rect(main.Content.left, 0, main.Cell.right, h);
    if (options_->Has(TVTSelectionOption::toFullRowSelect)) r = Rect(0, 0, RowWidth(), h);
    if (!IsRectEmpty(&r)) PaintSelection(dc, r);
  }
  if (options_->Has(TVTPaintOption::toShowHorzGridLines)) HLine(dc, 0, width, h - 1, colors_->GridLineColor());
  for (TColumnIndex c : shown) {
    TVTCellLayout layout = c == MainColumn() ? main : RowLayout(node, c);
    if (options_->Has(TVTPaintOption::toShowVertGridLines) && c != NoColumn)
      VLine(dc, layout.Cell.right - 1, 0, h, colors_->GridLineColor());
    PaintCell(dc, node, c, layout);
  }
  if (node == focused_ && Focused() && !options_->Has(TVTPaintOption::toHideFocusRect)) {
    TRect r = options_->Has(TVTSelectionOption::toFullRowSelect) ? Rect(0, 0, RowWidth(), h)
                                                                 : Rect(main.Content.left, 0, main.Cell.right, h);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    if (!IsRectEmpty(&r)) DrawFocusRect(dc, &r);
  }
  RestoreDC(dc, saved);
}

void TBaseVirtualTree::PaintTreeLines(HDC dc, PVirtualNode node, const TVTCellLayout& layout) {
  int level = static_cast<int>(GetNodeLevel(node)) + (options_->Has(TVTPaintOption::toShowRoot) ? 1 : 0);
  if (level == 0) return;
  COLORREF c = ColorToRGB(colors_->TreeLineColor());
  int h = node->NodeHeight, mid = h / 2;
  int x0 = layout.Cell.left + margin_;
  // The node's own joint: up to its parent, across to its content, down to its next sibling.
  int x = x0 + (level - 1) * indent_ + indent_ / 2;
  bool first = node->Index == 0 && node->Parent == store_.Root();
  DottedV(dc, x, first ? mid : 0, store_.NextSibling(node) ? h : mid + 1, 0, c);
  DottedH(dc, x, x0 + level * indent_, mid, c);
  // Lines of the ancestors that have siblings below.
  int column = level - 1;
  for (PVirtualNode p = node->Parent; p != store_.Root() && column > 0; p = p->Parent) {
    --column;
    if (store_.NextSibling(p)) DottedV(dc, x0 + column * indent_ + indent_ / 2, 0, h, 0, c);
  }
}

void TBaseVirtualTree::PaintCell(HDC dc, PVirtualNode node, TColumnIndex column, const TVTCellLayout& layout) {
  if (column == MainColumn()) {
    if (options_->Has(TVTPaintOption::toShowTreeLines)) PaintTreeLines(dc, node, layout);
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
      TRect r = layout.CheckBox;
      UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
      if (node->CheckState == TCheckState::csCheckedNormal) state |= DFCS_CHECKED;
      if (node->CheckState == TCheckState::csMixedNormal) state = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
      DrawFrameControl(dc, &r, DFC_BUTTON, state);
    }
  }
  bool ghosted;
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
  DoPaintNode(info);
}

void TBaseVirtualTree::DoPaintNode(const TVTPaintInfo& info) {
  if (!OnDrawNode) return;
  HDC dc = info.Canvas->Handle();
  int saved = SaveDC(dc);
  IntersectClipRect(dc, info.CellRect.left, info.CellRect.top, info.CellRect.right, info.CellRect.bottom);
  info.Canvas->Font().Assign(*Font());
  OnDrawNode(this, info);
  RestoreDC(dc, saved);
}
