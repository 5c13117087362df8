#pragma once
// The memory optimizer page: a one-second history of CPU and memory load, the time since the last
// reboot, and the optimize buttons with the time of the last optimisation.
#include "gui/pagekit/image_ex.h"
#include "gui/forms.h"
#include "gui/graphic_controls.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "tools/memory/optimize_memory.h"
#include "tools/memory_page/memory_graph.h"

class TfrmCPUMemory : public TForm {
  QS_FORM(TfrmCPUMemory)

 public:
  explicit TfrmCPUMemory(TComponent* owner);

  TLabel* Label6 = nullptr;
  TLabel* lblLast = nullptr;
  TLabel* lblLastDT = nullptr;
  TLabel* lbl1 = nullptr;
  TImageEx* btnOptimize1 = nullptr;
  TImageEx* btnOptimize = nullptr;
  TPaintBox* pb = nullptr;
  TGauge* DefGauge = nullptr;
  TTimer* tmr1 = nullptr;

  void FormCreate(TObject* Sender);
  void tmr1Timer(TObject* Sender);
  void pbPaint(TObject* Sender);
  void btnOptimizeClick(TObject* Sender);
  void ShowLastRunInfo();

  // Where the optimisation takes its blocks (tests put their own in place).
  TBlockAllocator Allocator = VirtualBlockAllocator();
  // What each sample reads; tests replace them with fixed readings.
  std::function<int()> SampleCpu;
  std::function<void(MEMORYSTATUS&)> ReadMemory;
  std::function<uint64_t()> TickCount;

  const TGraphHistory& History() const { return history_; }
  int GridOffset() const { return gridOffset_; }
  const TBitmap& GraphBitmap() const { return graphBitmap_; }
  // Draws the graph of the current history into GraphBitmap at the paint box's size.
  void DrawGraph();

 private:
  TBitmap graphBitmap_;
  TGraphHistory history_;
  MEMORYSTATUS memoryStatus_{};
  int gridOffset_ = 0;
};
