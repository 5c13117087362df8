// Tree-list benchmark (scripts/bench-vtree runs it; it is no test): 100,000 rows of three
// columns whose texts come from the page's own records. Prints the time to set the row count
// and paint the first screen, the time to page from the top to the bottom with every page
// painted, the process's peak memory and the control's bytes per row.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/forms.h"
#include "gui/vtree/virtual_string_tree.h"

namespace {
constexpr uint32_t kRows = 100000;

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
}  // namespace

int main() {
  std::vector<Record> records(kRows);
  for (uint32_t i = 0; i < kRows; ++i)
    records[i] = {L"file" + std::to_wstring(i) + L".tmp", L"C:\\Temp\\folder" + std::to_wstring(i % 97) + L"\\", i * 7};

  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(20, 20, 640, 480);
  auto* tree = new TVirtualStringTree(&form);
  tree->SetParent(&form);
  tree->SetAlign(TAlign::alClient);
  tree->SetDefaultNodeHeight(21);
  tree->Header()->SetOptions({TVTHeaderOption::hoVisible});
  for (int w : {180, 300, 120}) tree->Header()->Columns()->Add()->SetWidth(w);
  tree->TreeOptions()->SetPaintOptions({TVTPaintOption::toShowHorzGridLines, TVTPaintOption::toShowVertGridLines});
  tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode, PVirtualNode node, TVirtualNodeInitStates&) {
    node->CheckType = TCheckType::ctCheckBox;
  };
  tree->OnGetText = [&](TBaseVirtualTree*, PVirtualNode node, TColumnIndex column, TVSTTextType, std::wstring& text) {
    const Record& r = records[node->Index];
    text = column == 0 ? r.name : column == 1 ? r.path : std::to_wstring(r.size) + L" KB";
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

  int pages = 0;
  LARGE_INTEGER t2 = Now();
  for (int last = -1; tree->OffsetY() != last; ++pages) {
    last = tree->OffsetY();
    SendMessageW(tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(tree->Handle());
  }
  LARGE_INTEGER t3 = Now();
  PROCESS_MEMORY_COUNTERS end = Memory();

  // The same pages painted off screen: the control's own work without the display's.
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, tree->ClientWidth(), tree->ClientHeight());
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  tree->SetOffsetY(0);
  int memoryPages = 0;
  LARGE_INTEGER t4 = Now();
  for (int last = -1; tree->OffsetY() != last; ++memoryPages) {
    last = tree->OffsetY();
    tree->SetOffsetY(last + tree->ClientHeight() - tree->HeaderHeight());
    tree->PaintWindow(mem);
  }
  LARGE_INTEGER t5 = Now();
  ValidateRect(tree->Handle(), nullptr);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);

  double perRow = static_cast<double>(after.PagefileUsage - before.PagefileUsage) / kRows;
  std::printf("rows: %u (21 px, 3 columns, check boxes)\n", kRows);
  std::printf("set the row count and paint the first screen: %.3f s\n", Seconds(t0, t1));
  std::printf("scroll top to bottom, %d pages, each painted: %.3f s\n", pages, Seconds(t2, t3));
  std::printf("the same, %d pages painted into a memory DC: %.3f s\n", memoryPages, Seconds(t4, t5));
  std::printf("peak memory of the process: %.1f MB (private %.1f MB)\n", end.PeakWorkingSetSize / 1048576.0,
              end.PeakPagefileUsage / 1048576.0);
  std::printf("control's bytes per row (private memory grown by setting the count): %.1f\n", perRow);
  return 0;
}
