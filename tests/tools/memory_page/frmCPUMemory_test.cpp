// The memory page inside a page host: opened from its button, sampled through fixed
// readings, and optimised through an allocator of the test's own, with the record written.
#include "tools/memory_page/frmCPUMemory.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/date_time.h"
#include "common/last_run.h"
#include "tests/support/page_test_fixture.h"

namespace {

class MemoryPageTest : public PageTest<TfrmCPUMemory> {
 protected:
  MemoryPageTest() : PageTest(L"TfrmCPUMemory", L"btnMemory") {}

  TfrmCPUMemory* Open() {
    TfrmCPUMemory* page = OpenPage();
    if (page) page->tmr1->SetEnabled(false);  // samples come from the test only
    return page;
  }
};

}  // namespace

TEST_F(MemoryPageTest, OpensFromItsButtonNeverOptimised) {
  TfrmCPUMemory* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->Visible());
  EXPECT_EQ(page->Label6->Caption().find(L" Memory Optimizer") != std::wstring::npos, true);
  EXPECT_EQ(page->lblLast->Caption(), L"Not Optimized");
  EXPECT_EQ(page->lblLastDT->Caption(), L"");
  EXPECT_EQ(page->lbl1->Caption(), L"");
  EXPECT_FALSE(page->DefGauge->Visible());
  EXPECT_EQ(page->pb->Width(), 473);
  EXPECT_EQ(page->pb->Height(), 178);
}

TEST_F(MemoryPageTest, EachTickSamplesBothLoadsAndTheUptime) {
  TfrmCPUMemory* page = Open();
  ASSERT_NE(page, nullptr);
  int cpu = 0;
  page->SampleCpu = [&cpu] { return cpu += 10; };
  page->ReadMemory = [](MEMORYSTATUS& s) {
    s = MEMORYSTATUS{};
    s.dwTotalPhys = 1024ull * 1048576;
    s.dwAvailPhys = 256ull * 1048576;
  };
  page->TickCount = [] { return (25ull * 3600 + 3 * 60 + 4) * 1000; };
  page->tmr1Timer(page->tmr1);
  page->tmr1Timer(page->tmr1);
  EXPECT_EQ(page->History().Cpu.size(), 2000u);
  EXPECT_EQ(page->History().Cpu.back(), 20);
  EXPECT_EQ(page->History().Cpu[1998], 10);
  EXPECT_EQ(page->History().Cpu[1997], 0);
  EXPECT_DOUBLE_EQ(page->History().Mem.back(), 0.75);
  EXPECT_EQ(page->GridOffset(), 4);
  EXPECT_EQ(page->lbl1->Caption(), L"Time since last reboot: 1 days, 1 hours, 3 minutes, 4 seconds");
  // the graph at the paint box's size: the last segment starts at the 10 % sample
  page->DrawGraph();
  ASSERT_EQ(page->GraphBitmap().Width(), 473);
  EXPECT_EQ(page->GraphBitmap().Pixel(473 - 54 - 2, 160), kGraphCpuColor);
}

TEST_F(MemoryPageTest, OptimiseThroughTheAllocatorRecordsTheTime) {
  TfrmCPUMemory* page = Open();
  ASSERT_NE(page, nullptr);
  std::vector<std::vector<char>> blocks;
  blocks.reserve(100);
  int released = 0;
  bool gaugeShownDuring = false, buttonDisabledDuring = false;
  page->Allocator = {[&](std::size_t size) -> void* {
                       gaugeShownDuring = page->DefGauge->Visible();
                       buttonDisabledDuring = !page->btnOptimize->Enabled();
                       blocks.emplace_back(size, 'x');
                       return blocks.back().data();
                     },
                     [&](void*) { ++released; }};
  TDateTime before = Now();
  page->btnOptimize->Click();
  EXPECT_EQ(blocks.size(), 80u);
  EXPECT_EQ(released, 80);
  EXPECT_EQ(blocks[79][0], 0);  // zeroed
  EXPECT_TRUE(gaugeShownDuring);
  EXPECT_TRUE(buttonDisabledDuring);
  EXPECT_EQ(page->DefGauge->Progress(), 100);  // 160 steps, clamped
  EXPECT_FALSE(page->DefGauge->Visible());
  EXPECT_TRUE(page->btnOptimize->Enabled());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Optimization Completed!");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));

  TDateTime recorded = LoadLastMemoryInfo();
  EXPECT_GE(recorded, before - 1.0 / 86400);
  EXPECT_LE(recorded, Now() + 1.0 / 86400);
  EXPECT_NE(page->lblLast->Caption(), L"Not Optimized");
  EXPECT_EQ(page->lblLastDT->Caption(), FormatDateTime(L"dddd mmmm d, yyyy - hh:nn AM/PM", recorded));
}
