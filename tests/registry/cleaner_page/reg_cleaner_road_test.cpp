// The user's whole road through the registry cleaner page, with the platform's real registry
// editor: seeded problems are found by a scan of the page, the backup question is answered Yes,
// the page cleans them, and importing the backup it made brings every seeded key and value back
// exactly.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/strings.h"
#include "common/last_run.h"
#include "reg_cleaner_page_fixture.h"
#include "registry/reg_backup.h"
#include "road_seeds.h"

namespace {

class RegCleanerRoad : public RegCleanerPageFixture {
 protected:
  RegCleanerRoad() : RegCleanerPageFixture(true) {}
};

TEST_F(RegCleanerRoad, ABackupMadeBeforeCleaningRestoresWhatWasCleaned) {
  SeedRoadProblems(Fx);
  const TRegSnapshot before = RoadBranches();

  TfrmRegCleaner* page = OpenFor(std::vector<int>(std::begin(kRoadCategories), std::end(kRoadCategories)));
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  ASSERT_EQ(page->pgc1->ActivePage(), page->ts3);
  ASSERT_EQ(SeededRecords().size(), kRoadProblemCount);
  KeepOnlySeeds(page);

  answers = {IDYES};
  page->btnClear->Click();
  ASSERT_EQ(BoxTexts().back(), L"Cleaning Completed!");
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
  for (const TRegItem* item : SeededRecords())
    EXPECT_EQ(item->Status, L"清理成功") << WideToUtf8(item->KeyPath + L"|" + item->ValueName);
  EXPECT_EQ(page->lblFix->Caption(), IntToStr(static_cast<long long>(kRoadProblemCount)));
  EXPECT_NE(RoadBranches(), before);

  // The backup the page made is indexed, and it restores the seeds.
  const std::vector<TRegBackupEntry> backups = LoadRegBackupList();
  ASSERT_EQ(backups.size(), 1u);
  ASSERT_TRUE(FileExists(RegBackupFolder() + backups[0].FileName));
  const TRegImportResult restored = ImportRegistry(backups[0].FileName);
  ASSERT_EQ(restored.Status, TRegImportStatus::Done) << WideToUtf8(RegImportFailureText(restored));
  EXPECT_EQ(RoadBranches(), before);
}

}  // namespace
