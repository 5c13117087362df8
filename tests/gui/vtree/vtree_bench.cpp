// Tree-list benchmark (scripts/bench-vtree runs it; it is no test): 100,000 rows of three
// columns with check boxes whose texts come from the page's own records. Prints the time to set
// the row count and paint the first screen, the time to page from the top to the bottom with
// every page painted (on screen, then into a memory DC), the process's peak memory and the
// control's bytes per row.
// Paging is compared with a minimal painter of the same rows, built here: a plain window of the
// same size, font and scroll bar that draws the header, texts, check boxes and grid lines with
// the fewest GDI calls. The two take turns a few pages at a time, so the machine's load falls on
// both alike, and the ratio of their times is the figure to compare across runs.
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
  TMinimalPainter(const std::vector<Record>& records, HFONT font, int headerHeight, RECT bounds)
      : records_(records), font_(font), headerHeight_(headerHeight) {
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
    UpdateWindow(hwnd_);
  }
  ~TMinimalPainter() {
    DestroyWindow(hwnd_);
    DeleteDC(boxesDC_);
    DeleteObject(boxes_);
  }

  HWND Handle() const { return hwnd_; }
  int Offset() const { return offset_; }
  void SetOffset(int offset) { offset_ = std::clamp(offset, 0, std::max(0, Total() - Rows())); }
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
        self->Paint(dc);
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
        if (LOWORD(wParam) != SB_PAGEDOWN) return 0;
        self->SetOffset(self->offset_ + self->Rows());
        si.nPos = self->offset_;
        SetScrollInfo(hwnd, SB_VERT, &si, FALSE);
        InvalidateRect(hwnd, nullptr, FALSE);
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

struct TPair {
  double tree = 0, minimal = 0;
  int pages = 0;
};

// Both painters page from the top to the bottom, taking turns; step pages one and tells
// whether it moved.
TPair Race(const std::function<bool()>& treeStep, const std::function<bool()>& minimalStep,
           const std::function<void()>& treeEnd, const std::function<void()>& minimalEnd) {
  TPair t;
  bool treeMoving = true, minimalMoving = true;
  while (treeMoving || minimalMoving) {
    LARGE_INTEGER a = Now();
    for (int i = 0; i < kTurn && treeMoving; ++i) {
      treeMoving = treeStep();
      if (treeMoving) ++t.pages;
    }
    if (!treeMoving) treeEnd();
    LARGE_INTEGER b = Now();
    for (int i = 0; i < kTurn && minimalMoving; ++i) minimalMoving = minimalStep();
    if (!minimalMoving) minimalEnd();
    LARGE_INTEGER c = Now();
    t.tree += Seconds(a, b);
    t.minimal += Seconds(b, c);
  }
  return t;
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

  // The minimal painter beside the tree, with the tree's outer size.
  RECT treeBounds;
  GetWindowRect(tree->Handle(), &treeBounds);
  OffsetRect(&treeBounds, treeBounds.right - treeBounds.left + 20, 0);
  TMinimalPainter minimal(records, tree->Font()->Handle(), tree->HeaderHeight(), treeBounds);
  Application->ProcessMessages();

  HWND treeWindow = tree->Handle();
  TPair onScreen = Race([&] { return PageDown(treeWindow, [&] { return tree->OffsetY(); }); },
                        [&] { return PageDown(minimal.Handle(), [&] { return minimal.Offset(); }); },
                        [&] { EndScroll(treeWindow); }, [&] { EndScroll(minimal.Handle()); });
  PROCESS_MEMORY_COUNTERS end = Memory();

  // The same pages painted off screen: the control's own work without the display's.
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, tree->ClientWidth(), tree->ClientHeight());
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  tree->SetOffsetY(0);
  minimal.SetOffset(0);
  const int page = tree->ClientHeight() - tree->HeaderHeight();
  TPair offScreen = Race(
      [&] {
        int last = tree->OffsetY();
        tree->SetOffsetY(last + page);
        tree->PaintWindow(mem);
        return tree->OffsetY() != last;
      },
      [&] {
        int last = minimal.Offset();
        minimal.SetOffset(last + minimal.Rows());
        minimal.Paint(mem);
        return minimal.Offset() != last;
      },
      [] {}, [] {});
  ValidateRect(tree->Handle(), nullptr);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);

  double perRow = static_cast<double>(after.PagefileUsage - before.PagefileUsage) / kRows;
  std::printf("rows: %u (%d px, 3 columns, check boxes)\n", kRows, kRowHeight);
  std::printf("set the row count and paint the first screen: %.3f s\n", Seconds(t0, t1));
  std::printf("page top to bottom on screen, %d pages: tree %.3f s, minimal painter %.3f s, ratio %.2f\n",
              onScreen.pages, onScreen.tree, onScreen.minimal, onScreen.tree / onScreen.minimal);
  std::printf("the same into a memory DC, %d pages: tree %.3f s, minimal painter %.3f s, ratio %.2f\n",
              offScreen.pages, offScreen.tree, offScreen.minimal, offScreen.tree / offScreen.minimal);
  std::printf("peak memory of the process: %.1f MB (private %.1f MB)\n", end.PeakWorkingSetSize / 1048576.0,
              end.PeakPagefileUsage / 1048576.0);
  std::printf("control's bytes per row (private memory grown by setting the count): %.1f\n", perRow);
  return 0;
}
