#include "tools/memory_page/frmCPUMemory.h"

#include "base/date_time.h"
#include "base/message_pump.h"
#include "common/last_run.h"
#include "common/time_ago.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/pagekit/last_run_panel.h"
#include "tools/memory/cpu_load.h"
#include "tools/memory/memory_status.h"

QS_FORM_IMPL(TfrmCPUMemory, TForm, QS_FIELD(Label6), QS_FIELD(lblLast), QS_FIELD(lblLastDT), QS_FIELD(lbl1),
             QS_FIELD(btnOptimize1), QS_FIELD(btnOptimize), QS_FIELD(pb), QS_FIELD(DefGauge), QS_FIELD(tmr1),
             QS_HANDLER(FormCreate), QS_HANDLER(tmr1Timer), QS_HANDLER(pbPaint), QS_HANDLER(btnOptimizeClick))

namespace {
constexpr int kOptimizeBlocks = 80;
}

TfrmCPUMemory::TfrmCPUMemory(TComponent* owner)
    : TForm(owner), SampleCpu(SampleCpuLoad), ReadMemory(ReadMemoryStatus), TickCount(GetTickCount64) {
  LoadForm();
}

void TfrmCPUMemory::FormCreate(TObject* Sender) {
  lbl1->SetCaption(L"");
  SetProgramDateFormats();
  ShowLastRunInfo();
}

void TfrmCPUMemory::tmr1Timer(TObject* Sender) {
  ReadMemory(memoryStatus_);
  history_.Add(SampleCpu(), MemoryLoadFraction(memoryStatus_));
  pb->Invalidate();
  gridOffset_ += 2;
  if (gridOffset_ >= kGridOffsetWrap) gridOffset_ = 0;
  lbl1->SetCaption(UptimeText(TickCount()));
}

void TfrmCPUMemory::DrawGraph() {
  DrawGraphBackground(graphBitmap_, pb->Width(), pb->Height(), gridOffset_, memoryStatus_.dwTotalPhys);
  DrawGraphCurves(graphBitmap_, history_);
}

void TfrmCPUMemory::pbPaint(TObject* Sender) {
  DrawGraph();
  pb->Canvas().Draw(0, 0, &graphBitmap_);
}

void TfrmCPUMemory::btnOptimizeClick(TObject* Sender) {
  TComponentRef<TfrmCPUMemory> self(this);
  DefGauge->SetProgress(0);
  DefGauge->SetVisible(true);
  TBusyRun run(this);
  run.Disable({btnOptimize});
  OptimizeMemory(kOptimizeBlocks, Allocator, [&self] {
    PumpMessages();
    if (self) self->DefGauge->AddProgress(1);
  });
  run.End();
  if (!self) return;
  DefGauge->SetVisible(false);
  SaveLastMemoryInfo(Now());
  ShowLastRunInfo();
  ShowInfo(L"Optimization Completed!");
}

void TfrmCPUMemory::ShowLastRunInfo() {
  TLastRunPanel{lblLastDT, lblLast, nullptr, nullptr, FormatTimeAgo, kNotOptimized}.Show(LoadLastMemoryInfo());
}
