#include "gui/pagekit/busy_run.h"

#include <gtest/gtest.h>

#include <memory>

#include "gui/buttons.h"
#include "gui/screen.h"
#include "tests/support/fake_page_host.h"

namespace {

class BusyRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.reset(new TFakePageHost(nullptr));
    page = new TForm(host.get());
    button = new TButton(page);
    button->SetParent(page);
    idle = new TButton(page);
    idle->SetParent(page);
    idle->SetEnabled(false);
  }
  void TearDown() override { Screen->SetCursor(crDefault); }

  std::unique_ptr<TFakePageHost> host;
  TForm* page = nullptr;
  TButton* button = nullptr;
  TButton* idle = nullptr;  // off before the run
};

TEST_F(BusyRunTest, ControlsAndCursorsComeBackAsTheyWere) {
  page->SetCursor(crHandPoint);
  Screen->SetCursor(crDefault);
  {
    TBusyRun run(page);
    run.Disable({button, idle});
    run.Hourglass({page, button});
    run.ScreenHourglass();
    EXPECT_TRUE(host->NavigationLocked());
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(page->Cursor(), crHourGlass);
    EXPECT_EQ(button->Cursor(), crHourGlass);
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    EXPECT_TRUE(run.PageAlive());
  }
  EXPECT_FALSE(host->NavigationLocked());
  EXPECT_TRUE(button->Enabled());
  EXPECT_FALSE(idle->Enabled());
  EXPECT_EQ(page->Cursor(), crHandPoint);
  EXPECT_EQ(button->Cursor(), crDefault);
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

// A handler that ran while the run pumped freed the page: the navigation and the program-wide
// hourglass come back, the freed controls are not touched.
TEST_F(BusyRunTest, NavigationComesBackWhenThePageIsFreedMidRun) {
  {
    TBusyRun run(page);
    run.Disable({button});
    run.Hourglass({page});
    run.ScreenHourglass();
    delete page;
    page = nullptr;
    EXPECT_FALSE(run.PageAlive());
    EXPECT_TRUE(host->NavigationLocked());
  }
  EXPECT_FALSE(host->NavigationLocked());
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

// A run inside a run (a reload at the end of a backup): the inner one ending leaves the outer
// one's state; the outer one puts back what was there first.
TEST_F(BusyRunTest, NestedRunsLeaveTheOuterRunsState) {
  TBusyRun outer(page);
  outer.Disable({button});
  outer.Hourglass({page});
  {
    TBusyRun inner(page);
    inner.Disable({button});
    inner.Hourglass({page});
    inner.ScreenHourglass();
  }
  EXPECT_TRUE(host->NavigationLocked());
  EXPECT_FALSE(button->Enabled());
  EXPECT_EQ(page->Cursor(), crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  outer.End();
  outer.End();
  EXPECT_FALSE(host->NavigationLocked());
  EXPECT_TRUE(button->Enabled());
  EXPECT_EQ(page->Cursor(), crDefault);
}

// Ended early (before the box that reports the result), the destructor gives nothing back twice:
// another run's lock stays.
TEST_F(BusyRunTest, EndingEarlyGivesBackOnce) {
  TNavigationLock other = host->LockNavigation();
  {
    TBusyRun run(page);
    run.Disable({button});
    run.End();
    EXPECT_TRUE(button->Enabled());
    button->SetEnabled(false);  // the page's own state after the run is its own
  }
  EXPECT_TRUE(host->NavigationLocked());
  EXPECT_FALSE(button->Enabled());
}

}  // namespace
