#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/memory/cpu_load.h"
#include "tools/memory/memory_status.h"
#include "tools/memory/optimize_memory.h"

namespace {

// Feeds the sampler a fixed series of readings; a reading with Processors -1 is a failed query.
TCpuLoadSampler SamplerOver(std::vector<TCpuCounters>& readings, size_t& next) {
  return TCpuLoadSampler([&readings, &next](TCpuCounters& c) {
    const TCpuCounters& r = readings.at(next++);
    if (r.Processors < 0) return false;
    c = r;
    return true;
  });
}

}  // namespace

TEST(CpuLoad, FormulaOverInjectedCounters) {
  struct Case {
    const char* name;
    TCpuCounters first, second;
    int expected;
  };
  const Case cases[] = {
      // one processor idle a quarter of 1 s: 75 %
      {"quarter idle", {1000, 10000000, 1}, {1000 + 2500000, 20000000, 1}, 75},
      // two processors, idle 1.5 s of 2 x 1 s: 25 %, floored
      {"two processors", {5, 0, 2}, {5 + 15000000, 10000000, 2}, 25},
      {"floor", {0, 0, 1}, {3333, 10000, 1}, 66},
      {"fully idle", {0, 0, 4}, {40, 10, 4}, 0},
      // more idle than elapsed time (counter skew) is clamped, not negative
      {"clamped low", {0, 0, 1}, {20, 10, 1}, 0},
      // the idle counter running backwards is clamped to 100
      {"clamped high", {100, 0, 1}, {0, 10, 1}, 100},
      {"no elapsed time", {0, 5, 1}, {3, 5, 1}, 0},
      {"no processors", {0, 0, 0}, {3, 10, 0}, 0},
  };
  for (const Case& c : cases) {
    std::vector<TCpuCounters> readings{c.first, c.second};
    size_t next = 0;
    TCpuLoadSampler sampler = SamplerOver(readings, next);
    EXPECT_EQ(sampler.Sample(), 0) << c.name << ": the first sample";
    EXPECT_EQ(sampler.Sample(), c.expected) << c.name;
  }
}

TEST(CpuLoad, FailedQueryGivesZeroAndKeepsThePreviousReading) {
  std::vector<TCpuCounters> readings{{0, 0, 1}, {0, 0, -1}, {5000000, 10000000, 1}};
  size_t next = 0;
  TCpuLoadSampler sampler = SamplerOver(readings, next);
  EXPECT_EQ(sampler.Sample(), 0);
  EXPECT_EQ(sampler.Sample(), 0);
  EXPECT_EQ(sampler.Sample(), 50);  // measured against the first reading
}

TEST(CpuLoad, FirstSampleStartsFromAZeroIdleCounter) {
  // A machine whose idle counter reads 0 at first still gets a load from the second sample on.
  std::vector<TCpuCounters> readings{{0, 100, 1}, {0, 200, 1}};
  size_t next = 0;
  TCpuLoadSampler sampler = SamplerOver(readings, next);
  EXPECT_EQ(sampler.Sample(), 0);
  EXPECT_EQ(sampler.Sample(), 100);
}

TEST(CpuLoad, RealCountersAreReadAndGiveAPercent) {
  TCpuCounters counters;
  ASSERT_TRUE(QueryCpuCounters(counters));
  EXPECT_GT(counters.Processors, 0);
  EXPECT_GT(counters.CurrentTime, 0);
  EXPECT_EQ(SampleCpuLoad(), 0);
  Sleep(50);
  int load = SampleCpuLoad();
  EXPECT_GE(load, 0);
  EXPECT_LE(load, 100);
}

TEST(MemoryStatus, LoadFractionAndRealStatus) {
  MEMORYSTATUS status{};
  EXPECT_EQ(MemoryLoadFraction(status), 0);
  status.dwTotalPhys = 400;
  status.dwAvailPhys = 100;
  EXPECT_DOUBLE_EQ(MemoryLoadFraction(status), 0.75);
  status.dwAvailPhys = 500;  // a torn reading stays within 0..1
  EXPECT_EQ(MemoryLoadFraction(status), 0);

  ReadMemoryStatus(status);
  EXPECT_EQ(status.dwLength, sizeof(MEMORYSTATUS));
  EXPECT_GT(status.dwTotalPhys, 0u);
  double load = MemoryLoadFraction(status);
  EXPECT_GT(load, 0);
  EXPECT_LE(load, 1);
}

TEST(MemoryStatus, UptimeText) {
  struct Case {
    uint64_t ms;
    const wchar_t* text;
  } cases[] = {
      {0, L"Time since last reboot: 0 days, 0 hours, 0 minutes, 0 seconds"},
      {(25 * 3600 + 3 * 60 + 4) * 1000ull + 999, L"Time since last reboot: 1 days, 1 hours, 3 minutes, 4 seconds"},
      // past the 32-bit millisecond wrap (49.7 days)
      {50ull * 86400 * 1000 + 1000, L"Time since last reboot: 50 days, 0 hours, 0 minutes, 1 seconds"},
  };
  for (const Case& c : cases) EXPECT_EQ(UptimeText(c.ms), c.text);
}

namespace {

// Hands out blocks from the heap until Limit is reached; records every commit and release and
// checks that each block was zeroed before it is released.
struct RecordingAllocator {
  int Limit = 1 << 30;
  std::vector<std::vector<unsigned char>> Blocks;
  std::vector<int> Released;
  std::vector<bool> ZeroedAtRelease;
  TBlockAllocator Make() {
    return {[this](std::size_t size) -> void* {
              if (static_cast<int>(Blocks.size()) >= Limit) return nullptr;
              Blocks.emplace_back(size, 0xAB);
              return Blocks.back().data();
            },
            [this](void* block) {
              for (size_t i = 0; i < Blocks.size(); ++i)
                if (Blocks[i].data() == block) {
                  Released.push_back(static_cast<int>(i));
                  bool zero = true;
                  for (unsigned char b : Blocks[i]) zero = zero && b == 0;
                  ZeroedAtRelease.push_back(zero);
                }
            }};
  }
};

}  // namespace

TEST(OptimizeMemory, CommitsZeroesAndReleasesEveryBlockInOrder) {
  RecordingAllocator allocator;
  allocator.Blocks.reserve(8);  // keep block addresses stable
  int steps = 0;
  EXPECT_EQ(OptimizeMemory(5, allocator.Make(), [&] { ++steps; }), 5);
  EXPECT_EQ(steps, 10);
  EXPECT_EQ(allocator.Blocks.size(), 5u);
  EXPECT_EQ(allocator.Blocks[0].size(), kOptimizeBlockSize);
  EXPECT_EQ(allocator.Released, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(allocator.ZeroedAtRelease, std::vector<bool>(5, true));
}

TEST(OptimizeMemory, FailedCommitEndsTheRunAndReleasesWhatWasObtained) {
  RecordingAllocator allocator;
  allocator.Blocks.reserve(8);
  allocator.Limit = 3;
  int steps = 0;
  EXPECT_EQ(OptimizeMemory(80, allocator.Make(), [&] { ++steps; }), 3);
  EXPECT_EQ(steps, 6);
  EXPECT_EQ(allocator.Released, (std::vector<int>{0, 1, 2}));
}

TEST(OptimizeMemory, BlockCountIsClamped) {
  static std::vector<unsigned char> shared(kOptimizeBlockSize);
  int commits = 0, releases = 0;
  TBlockAllocator counting{[&](std::size_t) -> void* {
                             ++commits;
                             return shared.data();
                           },
                           [&](void*) { ++releases; }};
  EXPECT_EQ(OptimizeMemory(5000, counting, {}), kOptimizeMaxBlocks);
  EXPECT_EQ(commits, kOptimizeMaxBlocks);
  EXPECT_EQ(releases, kOptimizeMaxBlocks);
  EXPECT_EQ(OptimizeMemory(-3, counting, {}), 0);
  EXPECT_EQ(commits, kOptimizeMaxBlocks);
}

TEST(OptimizeMemory, RealBlocks) {
  int steps = 0;
  EXPECT_EQ(OptimizeMemory(4, VirtualBlockAllocator(), [&] { ++steps; }), 4);
  EXPECT_EQ(steps, 8);
}
