// The one-click scores as a table: the worked examples, every floor, aborted areas and the
// repair score, each stored as the rounded point.
#include "cleaners/oneclick/one_click_score.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TOneClickScanFacts AllDone() {
  TOneClickScanFacts f;
  f.JunkDone = f.RegDone = f.HisDone = f.ActiveXDone = f.FileDone = f.SysDone = true;
  return f;
}

struct ScanCase {
  const char* name;
  TOneClickScanFacts facts;
  int twentieths;
  int stored;
};

TEST(OneClickScoreTest, ScanPointsTable) {
  TOneClickScanFacts nothingFound = AllDone();
  TOneClickScanFacts noRegistry = AllDone();
  noRegistry.RegDone = false;
  TOneClickScanFacts tenJunk = AllDone();
  tenJunk.JunkCount = 10;
  TOneClickScanFacts thirtyJunk = AllDone();
  thirtyJunk.JunkCount = 30;  // 13.5 + 80: 93.5 rounds up to the even 94
  // Aborted in the junk folders: the registry part completed with 4 problems, junk and every
  // later area count at their lower values.
  TOneClickScanFacts abortInJunk;
  abortInJunk.RegDone = true;
  abortInJunk.RegFindCount = 4;
  abortInJunk.JunkCount = 7;
  TOneClickScanFacts floors = AllDone();
  floors.JunkCount = 100000;
  floors.RegFindCount = 2000000000;
  floors.UnlockedCount = 15;
  floors.FileFixCount = 2;
  floors.SysFixCount = 9;
  TOneClickScanFacts atFloors = AllDone();
  atFloors.JunkCount = 200;     // exactly 5
  atFloors.RegFindCount = 800;  // exactly 10
  atFloors.UnlockedCount = 14;  // exactly 3
  TOneClickScanFacts oneBelowFloors = AllDone();
  oneBelowFloors.JunkCount = 199;
  oneBelowFloors.RegFindCount = 799;
  oneBelowFloors.UnlockedCount = 13;
  TOneClickScanFacts someActiveX = AllDone();
  someActiveX.UnlockedCount = 3;

  const ScanCase cases[] = {
      {"nothing found", nothingFound, 1900, 95},
      {"registry unticked", noRegistry, 1100, 55},
      {"ten junk files", tenJunk, 1890, 94},
      {"thirty junk files", thirtyJunk, 1870, 94},
      {"abort in junk", abortInJunk, 1376, 69},  // 5 + 49.8 + 5 + 3 + 3 + 3
      {"every floor", floors, 680, 34},
      {"at the floors", atFloors, 760, 38},
      {"a step above the floors", oneBelowFloors, 772, 39},
      {"three ActiveX", someActiveX, 1870, 94},
      {"nothing completed", TOneClickScanFacts{}, 580, 29},
  };
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ScanPoints(c.facts), c.twentieths);
    EXPECT_EQ(StoredPoint(ScanPoints(c.facts)), c.stored);
  }
}

struct RepairCase {
  const char* name;
  TOneClickRepairFacts facts;
  int twentieths;
  int stored;
};

TEST(OneClickScoreTest, RepairPointsTable) {
  TOneClickRepairFacts all;
  all.Junk = all.Reg = all.His = all.ActiveX = all.File = all.Sys = true;
  TOneClickRepairFacts noRegistry = all;
  noRegistry.Reg = false;
  TOneClickRepairFacts failures = all;
  failures.JunkFailCount = 5;  // 14.75
  failures.RegFailCount = 10;  // 49.5
  TOneClickRepairFacts manyFailures = all;
  manyFailures.JunkFailCount = 1000;
  manyFailures.RegFailCount = 1000;

  const RepairCase cases[] = {
      {"everything, no failure", all, 1800, 90},
      // The registry's floor like every other term's: 10, not 50.
      {"registry unticked", noRegistry, 1000, 50},
      {"some failures", failures, 1785, 89},  // 89.25
      {"failures at the floors", manyFailures, 800, 40},
      {"nothing ticked", TOneClickRepairFacts{}, 480, 24},
  };
  for (const RepairCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RepairPoints(c.facts), c.twentieths);
    EXPECT_EQ(StoredPoint(RepairPoints(c.facts)), c.stored);
  }
}

TEST(OneClickScoreTest, StoredPointRoundsHalvesToEven) {
  const struct {
    int twentieths, stored;
  } cases[] = {{1890, 94}, {1870, 94}, {1850, 92}, {1830, 92}, {1811, 91}, {1809, 90},
               {10, 0},    {30, 2},    {-10, 0},   {-30, -2},  {-31, -2},  {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(StoredPoint(c.twentieths), c.stored) << c.twentieths;
}

}  // namespace
