// CPU load from the kernel's idle-time counters: the share of the time since the previous sample
// that the idle process did not get, over all processors.
#pragma once

#include <cstdint>
#include <functional>

// One reading of the kernel counters (100 ns units).
struct TCpuCounters {
  int64_t IdleTime = 0;     // time the idle process has had, summed over processors
  int64_t CurrentTime = 0;  // the system time
  int Processors = 0;
};

// Reads the counters; false when a kernel query fails.
using TCpuCounterSource = std::function<bool(TCpuCounters& counters)>;

// The real source: NtQuerySystemInformation, looked up by name in ntdll once, with buffers the
// size of the running architecture's structures.
bool QueryCpuCounters(TCpuCounters& counters);

// Keeps the previous reading between samples.
class TCpuLoadSampler {
 public:
  explicit TCpuLoadSampler(TCpuCounterSource source = QueryCpuCounters) : source_(std::move(source)) {}
  // The load in percent (0..100) since the previous sample. The first sample, a failed query
  // (which keeps the previous reading) and a reading without processors give 0.
  int Sample();

 private:
  TCpuCounterSource source_;
  bool havePrevious_ = false;
  int64_t previousIdle_ = 0;
  int64_t previousTime_ = 0;
};

// The program's one sampler over the real counters.
int SampleCpuLoad();
