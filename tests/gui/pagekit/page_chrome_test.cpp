// The wizard chrome, the last-run panel and the row-of-node helper that the cleaner pages share.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/date_time.h"
#include "gui/pagekit/last_run_panel.h"
#include "gui/pagekit/wizard_steps.h"
#include "gui/vtree/row_of_node.h"

namespace {

TEST(WizardSteps, ShowsOneStepWithEveryTabHiddenAndItsHeading) {
  std::unique_ptr<TForm> page(new TForm(nullptr));
  auto* steps = new TPageControl(page.get());
  steps->SetParent(page.get());
  TTabSheet* sheets[3];
  for (TTabSheet*& sheet : sheets) {
    sheet = new TTabSheet(page.get());
    sheet->SetPageControl(steps);
  }
  auto* heading = new TLabel(page.get());
  auto* subHeading = new TLabel(page.get());
  const TWizardSteps wizard(steps, heading, subHeading);
  wizard.Show(sheets[2], L"Scanning", L"Please wait...");
  EXPECT_EQ(steps->ActivePage(), sheets[2]);
  for (TTabSheet* sheet : sheets) EXPECT_FALSE(sheet->TabVisible());
  EXPECT_EQ(heading->Caption(), L"Scanning");
  EXPECT_EQ(subHeading->Caption(), L"Please wait...");
  wizard.ShowStep(sheets[0]);
  EXPECT_EQ(steps->ActivePage(), sheets[0]);
  EXPECT_EQ(heading->Caption(), L"Scanning");
}

TEST(LastRunPanel, ShowsTheDateTheTimeSinceAndTheCountsOrNotScanned) {
  std::unique_ptr<TForm> page(new TForm(nullptr));
  const TLastRunPanel panel{new TLabel(page.get()), new TLabel(page.get()), new TLabel(page.get()),
                            new TLabel(page.get())};
  panel.Show(0, 0, 0);
  EXPECT_EQ(panel.When->Caption(), L"");
  EXPECT_EQ(panel.Ago->Caption(), L"Not Scanned");
  EXPECT_EQ(panel.Found->Caption(), L"0");
  const TDateTime when = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 0, 0);
  panel.Show(when, 12, 9);
  EXPECT_EQ(panel.When->Caption(), L"Tuesday March 5, 2024 - 02:07 PM");
  EXPECT_NE(panel.Ago->Caption().find(L"Days Ago"), std::wstring::npos) << panel.Ago->Caption();
  EXPECT_EQ(panel.Found->Caption(), L"12");
  EXPECT_EQ(panel.Cleaned->Caption(), L"9");
  // A page that shows only the date.
  const TLastRunPanel dateOnly{panel.When, panel.Ago};
  dateOnly.Show(0);
  EXPECT_EQ(panel.Ago->Caption(), L"Not Scanned");
}

struct TRow {
  int value;
};

TEST(RowOfNode, TheRecordOfARowOrNoneOutsideTheList) {
  std::vector<std::unique_ptr<TRow>> owned;
  owned.push_back(std::make_unique<TRow>(TRow{7}));
  const std::vector<TRow> values = {{1}, {2}};
  TVirtualNode node;
  node.Index = 0;
  ASSERT_NE(RowOfNode(owned, &node), nullptr);
  EXPECT_EQ(RowOfNode(owned, &node)->value, 7);
  EXPECT_EQ(RowOfNode(values, &node)->value, 1);
  node.Index = 1;
  EXPECT_EQ(RowOfNode(owned, &node), nullptr);
  EXPECT_EQ(RowOfNode(values, &node)->value, 2);
  EXPECT_EQ(RowOfNode(values, nullptr), nullptr);
  EXPECT_EQ(RowAt(values, 2), nullptr);
  RowAt(owned, 0)->value = 8;
  EXPECT_EQ(owned[0]->value, 8);
}

}  // namespace
