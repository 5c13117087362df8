#include "tools/memory/cpu_load.h"

#include <windows.h>
#include <winternl.h>

#include <cmath>

namespace {

using TNtQuerySystemInformation = NTSTATUS(WINAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);

TNtQuerySystemInformation NtQueryRoutine() {
  static TNtQuerySystemInformation routine = [] {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll ? reinterpret_cast<TNtQuerySystemInformation>(
                       reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation")))
                 : nullptr;
  }();
  return routine;
}

template <typename T>
bool Query(TNtQuerySystemInformation routine, int infoClass, T& info) {
  ZeroMemory(&info, sizeof(info));
  return routine(static_cast<SYSTEM_INFORMATION_CLASS>(infoClass), &info, sizeof(info), nullptr) == 0;
}

}  // namespace

bool QueryCpuCounters(TCpuCounters& counters) {
  TNtQuerySystemInformation routine = NtQueryRoutine();
  if (!routine) return false;
  SYSTEM_BASIC_INFORMATION basic;
  SYSTEM_TIMEOFDAY_INFORMATION timeOfDay;
  SYSTEM_PERFORMANCE_INFORMATION performance;
  if (!Query(routine, SystemBasicInformation, basic) || !Query(routine, SystemTimeOfDayInformation, timeOfDay) ||
      !Query(routine, SystemPerformanceInformation, performance))
    return false;
  counters.IdleTime = performance.IdleTime.QuadPart;
  counters.CurrentTime = timeOfDay.CurrentTime.QuadPart;
  counters.Processors = static_cast<unsigned char>(basic.NumberOfProcessors);
  return true;
}

int TCpuLoadSampler::Sample() {
  TCpuCounters now;
  if (!source_(now)) return 0;
  int load = 0;
  if (havePrevious_ && now.Processors > 0) {
    double idle = static_cast<double>(now.IdleTime - previousIdle_);
    double elapsed = static_cast<double>(now.CurrentTime - previousTime_);
    if (elapsed > 0) {
      double percent = std::floor(100.0 - idle / elapsed * 100.0 / now.Processors);
      load = percent < 0 ? 0 : percent > 100 ? 100 : static_cast<int>(percent);
    }
  }
  previousIdle_ = now.IdleTime;
  previousTime_ = now.CurrentTime;
  havePrevious_ = true;
  return load;
}

int SampleCpuLoad() {
  static TCpuLoadSampler sampler;
  return sampler.Sample();
}
