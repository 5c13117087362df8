#include "cleaners/oneclick/one_click_score.h"

#include <algorithm>

namespace {
// A term that starts at Full and loses Step twentieths per counted thing, never below Floor.
long long Falling(long long full, long long step, long long count, long long floor) {
  count = std::max(0LL, count);
  // A count this large has long reached the floor; stopping here keeps the product in range.
  if (count > full) return floor;
  return std::max(full - step * count, floor);
}
}  // namespace

int ScanPoints(const TOneClickScanFacts& f) {
  long long sum = 0;
  sum += f.JunkDone ? Falling(300, 1, f.JunkCount, 100) : 100;
  sum += f.RegDone ? Falling(1000, 1, f.RegFindCount, 200) : 200;
  sum += f.HisDone ? 200 : 100;
  sum += f.ActiveXDone ? Falling(200, 10, f.UnlockedCount, 60) : 60;
  sum += f.FileDone && f.FileFixCount <= 0 ? 100 : 60;
  sum += f.SysDone && f.SysFixCount <= 0 ? 100 : 60;
  return static_cast<int>(sum);
}

int RepairPoints(const TOneClickRepairFacts& f) {
  long long sum = 0;
  sum += f.Junk ? Falling(300, 1, f.JunkFailCount, 100) : 100;
  sum += f.Reg ? Falling(1000, 1, f.RegFailCount, 200) : 200;
  sum += f.His ? 200 : 100;
  sum += f.ActiveX ? 200 : 60;
  sum += f.File ? 100 : 60;
  sum += f.Sys ? 100 : 60;
  return static_cast<int>(sum - 100);
}

int StoredPoint(int twentieths) {
  int whole = twentieths / kTwentieths;
  int rest = twentieths % kTwentieths;
  if (rest < 0) {
    rest += kTwentieths;
    --whole;
  }
  if (rest > kTwentieths / 2 || (rest == kTwentieths / 2 && whole % 2 != 0)) ++whole;
  return whole;
}
