#include "tools/memory_page/memory_graph.h"

#include <cmath>
#include <string>

void TGraphHistory::Add(int cpu, double mem) {
  Cpu.pop_front();
  Cpu.push_back(cpu);
  Mem.pop_front();
  Mem.push_back(mem);
}

void DrawGraphBackground(TBitmap& Bitmap, int W, int H, int GridOffset, uint64_t TotalPhysBytes) {
  const int right = W - kGraphRightMargin;
  Bitmap.SetSize(W, H);
  Bitmap.Fill(RGB(0, 0, 0));
  TCanvas& c = Bitmap.Canvas();
  c.Pen().Color = kGraphGridColor;
  c.Pen().Width = 1;
  for (int y = 0; y < H; y += kGridStep) {
    c.MoveTo(kGraphLeft, y);
    c.LineTo(right, y);
  }
  for (int x = kGraphLeft; x < W; ++x) {
    if (x % kGridStep != 0) continue;
    int at = x - GridOffset % kGridStep;
    if (at < kGraphLeft || at > right) continue;
    c.MoveTo(at, 0);
    c.LineTo(at, H - 1);
  }

  c.Font().SetName(L"Tahoma");
  c.Font().SetHeight(-11);
  c.Pen().Color = RGB(0, 0, 0);
  auto legend = [&](int top, TColor colour, const wchar_t* text) {
    c.Brush().Color = colour;
    c.Rectangle(Rect(W - 50, top, W - 38, top + 12));
    c.Brush().Color = RGB(0, 0, 0);
    c.Font().SetColor(colour);
    c.TextOut(W - 34, top, text);
  };
  legend(H - 44, kGraphCpuColor, L"CPU");
  legend(H - 28, kGraphMemColor, L"MEM");

  c.Brush().Color = RGB(0, 0, 0);
  c.Font().SetColor(kGraphMemColor);
  c.TextOut(4, 0, L"100%");
  c.TextOut(10, H / 2, L"50%");
  c.TextOut(16, H - 14, L"0%");
  const uint64_t totalMB = TotalPhysBytes / 1048576;
  c.TextOut(W - 50, 0, std::to_wstring(totalMB) + L"M");
  c.TextOut(W - 50, H / 2, std::to_wstring(totalMB / 2) + L"M");
  c.TextOut(W - 50, H - 14, L"0M");
}

void DrawGraphCurves(TBitmap& Bitmap, const TGraphHistory& History) {
  const int W = Bitmap.Width(), H = Bitmap.Height();
  TCanvas& c = Bitmap.Canvas();
  auto cpuY = [&](int i) { return static_cast<int>(std::lround(H - H * History.Cpu[i] / 100.0)); };
  auto memY = [&](int i) { return static_cast<int>(std::lround(H - H * History.Mem[i])); };
  int i = static_cast<int>(History.Cpu.size()) - 1;
  for (int x = W - kGraphRightMargin; x > kGraphLeft && i >= 1; x -= 2, --i) {
    c.Pen().Color = kGraphCpuColor;
    c.MoveTo(x - 2, cpuY(i - 1));
    c.LineTo(x, cpuY(i));
    c.Pen().Color = kGraphMemColor;
    c.MoveTo(x - 2, memY(i - 1));
    c.LineTo(x, memY(i));
  }
}
