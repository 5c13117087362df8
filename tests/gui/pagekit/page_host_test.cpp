#include "gui/pagekit/page_host.h"

#include <gtest/gtest.h>

#include <memory>

#include "gui/std_ctrls.h"
#include "tests/support/fake_page_host.h"

namespace {

TEST(PageHost, PagesFindTheirHostThroughTheirOwners) {
  std::unique_ptr<TFakePageHost> host(new TFakePageHost(nullptr));
  auto* page = new TForm(host.get());
  auto* linked = new TForm(page);  // a page that another page's link made
  auto* label = new TLabel(linked);
  EXPECT_EQ(&PageHostOf(page), host.get());
  EXPECT_EQ(&PageHostOf(label), host.get());
  EXPECT_EQ(&PageHostOf(host.get()), host.get());
}

// A page made without a host works alone: nothing to lock, greet or open.
TEST(PageHost, APageWithoutAHostGetsOneThatDoesNothing) {
  std::unique_ptr<TForm> page(new TForm(nullptr));
  TPageHost& host = PageHostOf(page.get());
  TNavigationLock lock = host.LockNavigation();
  EXPECT_EQ(host.Greeting(), L"");
  EXPECT_EQ(host.OpenPage(L"btnJunkCleaner"), nullptr);
  EXPECT_EQ(host.SkinComponent(), nullptr);
  EXPECT_EQ(&PageHostOf(nullptr), &host);
}

// The two kinds are counted apart; each lock gives back once, however it ends.
TEST(PageHost, LocksAreCountedPerKindAndGivenBackOnce) {
  std::unique_ptr<TFakePageHost> host(new TFakePageHost(nullptr));
  TNavigationLock scan = host->LockNavigation();
  TNavigationLock cleaning = host->LockPageRecreation();
  EXPECT_TRUE(host->NavigationLocked());
  EXPECT_TRUE(host->PageRecreationLocked());
  {
    TNavigationLock other = host->LockNavigation();
    scan.Release();
    scan.Release();
    EXPECT_TRUE(host->NavigationLocked());
    TNavigationLock moved = std::move(other);
    EXPECT_FALSE(other.Held());
    EXPECT_TRUE(moved.Held());
    other.Release();  // moved from: gives nothing back
    EXPECT_TRUE(host->NavigationLocked());
  }
  EXPECT_FALSE(host->NavigationLocked());
  EXPECT_TRUE(host->PageRecreationLocked());
  TNavigationLock reassigned = host->LockPageRecreation();
  reassigned = std::move(cleaning);  // the lock it held goes back, the moved one stays
  EXPECT_TRUE(host->PageRecreationLocked());
  reassigned.Release();
  EXPECT_FALSE(host->PageRecreationLocked());
  EXPECT_EQ(host->lockChanges, 8);
}

// A lock held by something that outlives the host gives nothing back to the freed host.
TEST(PageHost, ALockOutlivingItsHostGivesNothingBack) {
  TNavigationLock lock;
  {
    std::unique_ptr<TFakePageHost> host(new TFakePageHost(nullptr));
    lock = host->LockNavigation();
  }
  EXPECT_TRUE(lock.Held());
  lock.Release();
  EXPECT_FALSE(lock.Held());
}

}  // namespace
