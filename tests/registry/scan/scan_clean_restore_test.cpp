// The whole road on seeded problems, with the platform's real registry editor: scan, back the
// registry up, clean what was found, restore the backup, and every seeded key and value is back
// exactly. The seeds (road_seeds.h) carry what real registries hold: shared-DLL value names that
// are long paths, key paths beyond 255 characters, Chinese names and data, and RunOnceEx entries
// of both roots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/strings.h"
#include "registry/reg_backup.h"
#include "registry/scan/reg_clean.h"
#include "road_seeds.h"
#include "scan_fixture.h"
#include "tests/base/test_program_folder.h"

namespace {

class ScanCleanRestore : public ::testing::Test {
 protected:
  void Scan() {
    Engine.ClearRegItems();
    Engine.ScanState = kRegStateRunning;
    for (int32_t category : kRoadCategories) Engine.GetScanProc(category)(nullptr);
    Engine.ScanState = kRegStateFinished;
  }

  TRegScanEngine Engine{0};
  TestProgramFolder Program;
  TScanFixture Fx;
};

TEST_F(ScanCleanRestore, TheSeededProblemsComeBackExactly) {
  const std::wstring T = Fx.Tag();
  SeedRoadProblems(Fx);
  const TRegSnapshot before = RoadBranches();

  Scan();
  std::vector<TRegItem*> found = RoadRecords(Engine.Items, T);
  // The long DLL name, per root a Chinese value and two empty trees (one beyond 255 characters),
  // and four MRU entries.
  ASSERT_EQ(found.size(), kRoadProblemCount);
  for (const auto& item : Engine.Items) item->Selected = 0;
  for (TRegItem* item : found) item->Selected = 1;

  std::wstring backup;
  ASSERT_TRUE(TakeRegistryBackup(Now(), backup));

  Engine.CleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(Engine, TRegCleanReport::Category, nullptr);
  EXPECT_EQ(result.Cleaned, static_cast<int>(kRoadProblemCount));
  EXPECT_EQ(result.Failed, 0);
  for (const TRegItem* item : found) EXPECT_EQ(item->Status, L"清理成功") << WideToUtf8(item->KeyPath + L"|" + item->ValueName);
  Scan();
  EXPECT_TRUE(RoadRecords(Engine.Items, T).empty());
  TRegSnapshot cleaned = RoadBranches();
  EXPECT_EQ(cleaned.count(L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx\\:" + T + L"kept"), 1u);
  EXPECT_NE(cleaned, before);

  const TRegImportResult restored = ImportRegistry(backup);
  ASSERT_EQ(restored.Status, TRegImportStatus::Done) << WideToUtf8(RegImportFailureText(restored));
  EXPECT_EQ(RoadBranches(), before);
}

}  // namespace
