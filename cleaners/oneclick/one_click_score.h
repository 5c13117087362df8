#pragma once
// The health score of one-click maintenance. Every term is a whole number of twentieths of a
// point (the finest step any term takes is 0.05), so the sums are exact on every build and the
// stored point rounds a true half (94.5) to the even neighbour, never a value a hair below it.

// What a scan found, area by area. An area counts as completed when its option was ticked and
// its part of the scan ran to the end without an abort.
struct TOneClickScanFacts {
  bool JunkDone = false, RegDone = false, HisDone = false, ActiveXDone = false, FileDone = false, SysDone = false;
  long long JunkCount = 0;      // junk files found
  long long RegFindCount = 0;   // registry problems found
  long long UnlockedCount = 0;  // harmful ActiveX controls not yet blocked
  long long FileFixCount = 0;   // file associations to repair
  long long SysFixCount = 0;    // system settings to repair
};

// What a repair did: the areas whose options were ticked and the failures it counted.
struct TOneClickRepairFacts {
  bool Junk = false, Reg = false, His = false, ActiveX = false, File = false, Sys = false;
  long long JunkFailCount = 0;  // junk files that stayed
  long long RegFailCount = 0;   // registry records that stayed
};

constexpr int kTwentieths = 20;

// The scan score in twentieths: 29 points (nothing completed) to 95 (everything completed,
// nothing found).
int ScanPoints(const TOneClickScanFacts& facts);
// The repair score in twentieths: a term's floor for an unticked area (the registry's too),
// 90 points for a repair of everything without a failure.
int RepairPoints(const TOneClickRepairFacts& facts);
// The point stored and shown: the nearest whole point, a half to the even neighbour.
int StoredPoint(int twentieths);
