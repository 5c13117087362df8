// Tree-list benchmark (scripts/bench-vtree runs it; it is no test): 100,000 rows of three
// columns with check boxes whose texts come from the page's own records. Prints the time to set
// the row count and paint the first screen, the time to page from the top to the bottom with
// every page painted (on screen, then into a memory DC), the process's peak memory and the
// control's bytes per row.
// Paging is compared with a minimal painter of the same rows, built here: a plain window of the
// same size, font and scroll bar that draws the header, texts, check boxes and grid lines with
// the fewest GDI calls, once straight on the window and once, flicker-free as the framework
// paints, into a kept bitmap that it copies to the window. The painters take turns a few pages
// at a time, so the machine's load falls on all alike, and the ratios of their times are the
// figures to compare across runs.
// Usage: vtree_bench [rows]   (default 100000; fewer for a quick look)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/forms.h"
#include "gui/vtree/virtual_string_tree.h"

namespace {
constexpr int kRowHeight = 21;
constexpr int kColumnWidths[] = {180, 300, 120};
constexpr int kCheckSize = 13;
constexpr int kTurn = 50;  // pages each painter draws before the other takes its turn

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS pmc = {};
  pmc.cb = sizeof(pmc);
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc));
  return pmc;
}

// What a page keeps for each row; the tree holds nothing of it.
struct Record {
  std::wstring name;
  std::wstring path;
  uint32_t size;
};

std::wstring CellText(const Record& r, int column) {
  return column == 0 ? r.name : column == 1 ? r.path : std::to_wstring(r.size) + L" KB";
}

// The minimal painter: everything a page of the tree shows, each thing drawn once.
class TMinimalPainter {
 public:
  TMinimalPainter(const std::vector<Record>& records, HFONT font, int headerHeight, RECT bounds, bool buffered)
      : records_(records), font_(font), headerHeight_(headerHeight), buffered_(buffered) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"QsMinimalRows";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, wc.lpszClassName, L"", WS_POPUP | WS_VSCROLL | WS_VISIBLE,
                            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                            nullptr, wc.hInstance, this);
    RECT client;
    GetClientRect(hwnd_, &client);
    width_ = client.right;
    height_ = client.bottom;
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, Total() - 1, static_cast<UINT>(Rows()), 0, 0};
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    // The check boxes, drawn once per state.
    HDC screen = GetDC(nullptr);
    boxes_ = CreateCompatibleBitmap(screen, 2 * kCheckSize, kCheckSize);
    boxesDC_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    SelectObject(boxesDC_, boxes_);
    for (int state = 0; state < 2; ++state) {
      RECT r = {state * kCheckSize, 0, (state + 1) * kCheckSize, kCheckSize};
      DrawFrameControl(boxesDC_, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (state ? DFCS_CHECKED : 0));
    }
    if (buffered_) {
      screen = GetDC(nullptr);
      back_ = CreateCompatibleBitmap(screen, width_, height_);
      backDC_ = CreateCompatibleDC(screen);
      ReleaseDC(nullptr, screen);
      SelectObject(backDC_, back_);
    }
    UpdateWindow(hwnd_);
  }
  ~TMinimalPainter() {
    DestroyWindow(hwnd_);
    DeleteDC(boxesDC_);
    DeleteObject(boxes_);
    if (backDC_) DeleteDC(backDC_);
    if (back_) DeleteObject(back_);
  }

  HWND Handle() const { return hwnd_; }
  int Offset() const { return offset_; }
  // Scrolls as a plain window does: the bar's position follows without being drawn, and the
  // client area is to be painted again.
  void SetOffset(int offset) {
    offset_ = std::clamp(offset, 0, std::max(0, Total() - Rows()));
    SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, offset_, 0};
    SetScrollInfo(hwnd_, SB_VERT, &si, FALSE);
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  int Rows() const { return height_ - headerHeight_; }

  void Paint(HDC dc) {
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    // Header.
    RECT header = {0, 0, width_, headerHeight_};
    FillRect(dc, &header, GetSysColorBrush(COLOR_BTNFACE));
    int left = 0;
    for (int c = 0; c < 3; ++c) {
      RECT r = {left, 0, left + kColumnWidths[c], headerHeight_};
      DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
      static const wchar_t* const kTitles[] = {L"Name", L"Path", L"Size"};
      ExtTextOutW(dc, r.left + 4, 2, ETO_CLIPPED, &r, kTitles[c], static_cast<UINT>(wcslen(kTitles[c])), nullptr);
      left = r.right;
    }
    // Rows: one background, then per row its line, box and three texts; the column lines once.
    int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, headerHeight_, width_, height_);
    RECT rows = {0, headerHeight_, width_, height_};
    FillRect(dc, &rows, GetSysColorBrush(COLOR_WINDOW));
    SetDCBrushColor(dc, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    size_t first = static_cast<size_t>(offset_ / kRowHeight);
    int top = headerHeight_ - offset_ % kRowHeight;
    for (size_t i = first; i < records_.size() && top < height_; ++i, top += kRowHeight) {
      PatBlt(dc, 0, top + kRowHeight - 1, width_, 1, PATCOPY);
      BitBlt(dc, 8, top + (kRowHeight - kCheckSize) / 2, kCheckSize, kCheckSize, boxesDC_, 0, 0, SRCCOPY);
      int x = 0;
      for (int c = 0; c < 3; ++c) {
        std::wstring text = CellText(records_[i], c);
        RECT cell = {x + (c == 0 ? 28 : 4), top, x + kColumnWidths[c] - 4, top + kRowHeight};
        ExtTextOutW(dc, cell.left, top + 3, ETO_CLIPPED, &cell, text.c_str(), static_cast<UINT>(text.size()), nullptr);
        x += kColumnWidths[c];
      }
    }
    int x = 0;
    for (int w : kColumnWidths) {
      x += w;
      PatBlt(dc, x - 1, headerHeight_, 1, top - headerHeight_, PATCOPY);
    }
    SelectObject(dc, oldBrush);
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
  }

 private:
  int Total() const { return static_cast<int>(records_.size()) * kRowHeight; }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TMinimalPainter*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self->backDC_) {
          // Painted into the kept bitmap, then copied: no flicker, as the tree paints.
          self->Paint(self->backDC_);
          BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                 ps.rcPaint.bottom - ps.rcPaint.top, self->backDC_, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        } else {
          self->Paint(dc);
        }
        EndPaint(hwnd, &ps);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_VSCROLL: {
        SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
        if (LOWORD(wParam) == SB_ENDSCROLL) {
          si.nPos = self->offset_;
          SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
          return 0;
        }
        if (LOWORD(wParam) == SB_PAGEDOWN) self->SetOffset(self->offset_ + self->Rows());
        return 0;
      }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  const std::vector<Record>& records_;
  HFONT font_;
  int headerHeight_;
  HWND hwnd_ = nullptr;
  int width_ = 0, height_ = 0;
  int offset_ = 0;
  HBITMAP boxes_ = nullptr;
  HDC boxesDC_ = nullptr;
  bool buffered_;
  HBITMAP back_ = nullptr;
  HDC backDC_ = nullptr;
};

// Pages a window down on screen: one step as a scroll bar sends it, painted at once.
bool PageDown(HWND hwnd, const std::function<int()>& offset) {
  int before = offset();
  SendMessageW(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
  UpdateWindow(hwnd);
  return offset() != before;
}

void EndScroll(HWND hwnd) {
  SendMessageW(hwnd, WM_VSCROLL, SB_ENDSCROLL, 0);
  UpdateWindow(hwnd);
}

// A painter's step pages once and tells whether it moved; its end is what a scroll bar sends
// when the user lets go.
struct TRacer {
  std::function<bool()> step;
  std::function<void()> end;
  double seconds = 0;
  int pages = 0;
};

// The painters page from the top to the bottom, taking turns a few pages at a time.
void Race(std::vector<TRacer>& racers) {
  std::vector<bool> moving(racers.size(), true);
  while (std::find(moving.begin(), moving.end(), true) != moving.end()) {
    for (size_t r = 0; r < racers.size(); ++r) {
      LARGE_INTEGER a = Now();
      for (int i = 0; i < kTurn && moving[r]; ++i) {
        moving[r] = racers[r].step();
        if (moving[r]) ++racers[r].pages;
      }
      if (!moving[r]) racers[r].end();
      racers[r].seconds += Seconds(a, Now());
    }
    // A painter that has finished ends once only.
    for (size_t r = 0; r < racers.size(); ++r)
      if (!moving[r]) racers[r].end = [] {};
  }
}

void Report(const char* what, const std::vector<TRacer>& r) {
  std::printf("%s, %d pages: tree %.3f s, minimal painter %.3f s (ratio %.2f), buffered minimal painter %.3f s "
              "(ratio %.2f)\n",
              what, r[0].pages, r[0].seconds, r[1].seconds, r[0].seconds / r[1].seconds, r[2].seconds,
              r[0].seconds / r[2].seconds);
}
}  // namespace

int main(int argc, char** argv) {
  const uint32_t kRows = argc > 1 ? static_cast<uint32_t>(std::max(1000L, std::strtol(argv[1], nullptr, 10))) : 100000;
  std::vector<Record> records(kRows);
  for (uint32_t i = 0; i < kRows; ++i)
    records[i] = {L"file" + std::to_wstring(i) + L".tmp", L"C:\\Temp\\folder" + std::to_wstring(i % 97) + L"\\", i * 7};

  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(20, 20, 640, 480);
  auto* tree = new TVirtualStringTree(&form);
  tree->SetParent(&form);
  tree->SetAlign(TAlign::alClient);
  tree->SetDefaultNodeHeight(kRowHeight);
  tree->Header()->SetOptions({TVTHeaderOption::hoVisible});
  for (int w : kColumnWidths) tree->Header()->Columns()->Add()->SetWidth(w);
  tree->TreeOptions()->SetPaintOptions({TVTPaintOption::toShowHorzGridLines, TVTPaintOption::toShowVertGridLines});
  tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode, PVirtualNode node, TVirtualNodeInitStates&) {
    node->CheckType = TCheckType::ctCheckBox;
  };
  tree->OnGetText = [&](TBaseVirtualTree*, PVirtualNode node, TColumnIndex column, TVSTTextType, std::wstring& text) {
    text = CellText(records[node->Index], column);
  };
  form.Show();
  Application->ProcessMessages();
  tree->Repaint();

  PROCESS_MEMORY_COUNTERS before = Memory();
  LARGE_INTEGER t0 = Now();
  tree->SetRootNodeCount(kRows);
  tree->Repaint();
  LARGE_INTEGER t1 = Now();
  PROCESS_MEMORY_COUNTERS after = Memory();

  // The minimal painters beside the tree, with the tree's outer size: one paints straight on
  // the window, the other, as the tree does, into a kept bitmap that it then copies.
  RECT treeBounds;
  GetWindowRect(tree->Handle(), &treeBounds);
  const int step = treeBounds.right - treeBounds.left + 10;
  RECT bounds = treeBounds;
  OffsetRect(&bounds, step, 0);
  TMinimalPainter minimal(records, tree->Font()->Handle(), tree->HeaderHeight(), bounds, false);
  OffsetRect(&bounds, 0, treeBounds.bottom - treeBounds.top + 10);
  TMinimalPainter buffered(records, tree->Font()->Handle(), tree->HeaderHeight(), bounds, true);
  Application->ProcessMessages();

  HWND treeWindow = tree->Handle();
  auto onScreen = [](HWND hwnd, std::function<int()> offset) {
    return TRacer{[hwnd, offset] { return PageDown(hwnd, offset); }, [hwnd] { EndScroll(hwnd); }};
  };
  std::vector<TRacer> shown = {onScreen(treeWindow, [&] { return tree->OffsetY(); }),
                               onScreen(minimal.Handle(), [&] { return minimal.Offset(); }),
                               onScreen(buffered.Handle(), [&] { return buffered.Offset(); })};
  Race(shown);
  PROCESS_MEMORY_COUNTERS end = Memory();

  // The same pages painted off screen: the control's own work without the display's. Each
  // step scrolls as on screen (the bar's position, the window invalidated) and paints.
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, tree->ClientWidth(), tree->ClientHeight());
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  tree->SetOffsetY(0);
  minimal.SetOffset(0);
  buffered.SetOffset(0);
  const int page = tree->ClientHeight() - tree->HeaderHeight();
  auto offScreen = [mem](TMinimalPainter& painter) {
    return TRacer{[&painter, mem] {
                    int last = painter.Offset();
                    painter.SetOffset(last + painter.Rows());
                    painter.Paint(mem);
                    return painter.Offset() != last;
                  },
                  [] {}};
  };
  std::vector<TRacer> hidden = {TRacer{[&] {
                                         int last = tree->OffsetY();
                                         tree->SetOffsetY(last + page);
                                         tree->PaintWindow(mem);
                                         return tree->OffsetY() != last;
                                       },
                                       [] {}},
                                offScreen(minimal), offScreen(buffered)};
  Race(hidden);
  ValidateRect(tree->Handle(), nullptr);
  ValidateRect(minimal.Handle(), nullptr);
  ValidateRect(buffered.Handle(), nullptr);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);

  double perRow = static_cast<double>(after.PagefileUsage - before.PagefileUsage) / kRows;
  std::printf("rows: %u (%d px, 3 columns, check boxes)\n", kRows, kRowHeight);
  std::printf("set the row count and paint the first screen: %.3f s\n", Seconds(t0, t1));
  Report("page top to bottom on screen", shown);
  Report("the same into a memory DC", hidden);
  std::printf("peak memory of the process: %.1f MB (private %.1f MB)\n", end.PeakWorkingSetSize / 1048576.0,
              end.PeakPagefileUsage / 1048576.0);
  std::printf("control's bytes per row (private memory grown by setting the count): %.1f\n", perRow);
  return 0;
}
