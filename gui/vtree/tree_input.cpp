// Mouse, keys, wheel and scroll bars of the tree-list.
#include <algorithm>

#include "gui/vtree/base_virtual_tree.h"

namespace {
constexpr int kResizeGrip = 3;  // pixels either side of a column edge that start a resize

int XOf(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int YOf(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }
}  // namespace

void TBaseVirtualTree::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      TCustomControl::WndProc(m);
      UpdateScrollBars();
      Invalidate();
      return;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (LOWORD(m.WParam) == SB_ENDSCROLL)
        RedrawScrollBars();
      else
        Scroll(m.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(m.WParam));
      m.Result = 0;
      return;
    case WM_TIMER:
      if (m.WParam != kBarRedrawTimer) break;
      BarRedrawTimer();
      m.Result = 0;
      return;
    case WM_MOUSEWHEEL: {
      UINT lines = 3;
      SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      int delta = GET_WHEEL_DELTA_WPARAM(m.WParam);
      SetOffsetY(offsetY_ - delta * static_cast<int>(lines) * DefaultNodeHeight() / WHEEL_DELTA);
      m.Result = 0;
      return;
    }
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_KEYDOWN:
      HandleKey(m.WParam);
      TCustomControl::WndProc(m);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
      std::shared_ptr<bool> alive = UntilFreedToken();
      if (HandleAllocated() && GetFocus() != Handle()) ::SetFocus(Handle());
      if (!*alive) return;
      MouseDownAt(XOf(m.LParam), YOf(m.LParam), m.Msg == WM_LBUTTONDBLCLK,
                  m.Msg == WM_RBUTTONDOWN);
      if (!*alive) return;
      break;
    }
    case WM_MOUSEMOVE:
      if (resizing_ != NoColumn) TrackColumnResize(XOf(m.LParam));
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      resizing_ = NoColumn;
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(m.WParam) == Handle() && LOWORD(m.LParam) == HTCLIENT &&
          header_->Options().Contains(TVTHeaderOption::hoColumnResize)) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(Handle(), &p);
        if (p.y >= 0 && p.y < HeaderHeight() && ColumnEdgeAt(p.x) != NoColumn) {
          ::SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
          m.Result = TRUE;
          return;
        }
      }
      break;
  }
  TCustomControl::WndProc(m);
}

TColumnIndex TBaseVirtualTree::ColumnEdgeAt(int x) const {
  TVirtualTreeColumns* columns = header_->Columns();
  TColumnIndex found = NoColumn;
  for (int i = 0; i < columns->Count(); ++i) {
    TVirtualTreeColumn* c = columns->Items(i);
    if (!c->Shown() || !c->Options().Contains(TVTColumnOption::coResizable)) continue;
    int left, right;
    ColumnSpan(i, left, right);
    if (std::abs(x + offsetX_ - right) <= kResizeGrip) found = i;
  }
  return found;
}

void TBaseVirtualTree::TrackColumnResize(int x) {
  if (resizing_ == NoColumn || resizing_ >= header_->Columns()->Count()) return;
  header_->Columns()->Items(resizing_)->SetWidth(std::max(1, resizeWidth_ + x - resizeStart_));
}

void TBaseVirtualTree::MouseDownAt(int x, int y, bool doubleClick, bool right) {
  if (y < HeaderHeight()) {
    if (right || !header_->Options().Contains(TVTHeaderOption::hoColumnResize)) return;
    resizing_ = ColumnEdgeAt(x);
    if (resizing_ != NoColumn) {
      resizeStart_ = x;
      resizeWidth_ = header_->Columns()->Items(resizing_)->Width();
    }
    return;
  }
  THitInfo hit = GetHitTestInfoAt(x, y);
  PVirtualNode node = hit.HitNode;
  if (!node) return;
  if (right) {
    if (options_->Has(TVTSelectionOption::toRightClickSelect)) SelectAndFocus(node);
    return;
  }
  switch (hit.HitPosition) {
    case THitPosition::hiOnItemButton:
      ToggleNode(node);
      return;
    case THitPosition::hiOnItemCheckbox:
      // A double click on a box is a second click on it.
      ToggleCheck(node);
      return;
    default:
      SelectAndFocus(node);
      if (doubleClick && options_->Has(TVTMiscOption::toToggleOnDblClick) && HasChildren(node)) ToggleNode(node);
  }
}

void TBaseVirtualTree::HandleKey(WPARAM key) {
  PVirtualNode focused = focused_;
  PVirtualNode target = nullptr;
  switch (key) {
    case VK_UP:
      target = focused ? GetPreviousVisible(focused) : GetFirstVisible();
      break;
    case VK_DOWN:
      target = focused ? GetNextVisible(focused) : GetFirstVisible();
      break;
    case VK_HOME:
      target = GetFirstVisible();
      break;
    case VK_END:
      target = GetLastVisible();
      break;
    case VK_PRIOR:
    case VK_NEXT: {
      if (!focused) {
        target = GetFirstVisible();
        break;
      }
      FlushScrollBars();
      int step = std::max(RowsHeight() - focused->NodeHeight, 1);
      int y = store_.NodeTop(focused) + (key == VK_NEXT ? step : -step);
      y = std::clamp(y, 0, std::max(0, store_.TotalHeight() - 1));
      target = Initialised(store_.NodeAtOffset(y, nullptr));
      break;
    }
    case VK_LEFT:
      if (!focused) break;
      if (Expanded(focused) && focused->ChildCount)
        SetExpanded(focused, false);
      else if (focused->Parent != store_.Root())
        target = focused->Parent;
      break;
    case VK_RIGHT:
      if (!focused || !HasChildren(focused)) break;
      if (!Expanded(focused))
        SetExpanded(focused, true);
      else
        target = GetFirstChild(focused);
      break;
    case VK_ADD:
      if (focused) SetExpanded(focused, true);
      break;
    case VK_SUBTRACT:
      if (focused) SetExpanded(focused, false);
      break;
    case VK_SPACE:
      if (focused && CheckType(focused) != TCheckType::ctNone) ToggleCheck(focused);
      break;
  }
  if (!target) return;
  std::shared_ptr<bool> alive = UntilFreedToken();
  SelectAndFocus(target);
  if (*alive) ScrollIntoView(target, false);
}

void TBaseVirtualTree::Scroll(int bar, int code) {
  bool vertical = bar == SB_VERT;
  int line = vertical ? DefaultNodeHeight() : 16;
  int page = vertical ? RowsHeight() : ClientWidth();
  int pos = vertical ? offsetY_ : offsetX_;
  switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = vertical ? store_.TotalHeight() : header_->Columns()->TotalWidth(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit track position, not the 16-bit one of the message.
      SCROLLINFO si = {sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      if (!GetScrollInfo(Handle(), bar, &si)) return;
      pos = si.nTrackPos;
      break;
    }
    default:
      return;
  }
  if (vertical)
    SetOffsetY(pos);
  else
    SetOffsetX(pos);
}
