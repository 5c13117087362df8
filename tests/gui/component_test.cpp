// Ownership, names, order and notifications of components and controls.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "gui_test_support.h"

namespace {
// Counts its own destruction and the removals its owner hears about.
class TProbe : public TComponent {
  QS_CLASS(TProbe)

 public:
  TProbe(TComponent* owner, std::vector<std::wstring>* log) : TComponent(owner), log_(log) {}
  ~TProbe() override {
    DestroyComponents();
    if (log_) log_->push_back(L"free " + Name());
  }
  std::vector<TComponent*> removed;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    if (op == TOperation::opRemove) removed.push_back(c);
  }

 private:
  std::vector<std::wstring>* log_;
};

const TClassInfo& TProbe::StaticClass() {
  static const TClassInfo info(L"TProbe", &TComponent::StaticClass(), nullptr, {});
  return info;
}
}  // namespace

TEST(Component, OwnerFreesWhatItOwnsNewestFirst) {
  std::vector<std::wstring> log;
  auto* owner = new TProbe(nullptr, &log);
  owner->SetName(L"owner");
  auto* a = new TProbe(owner, &log);
  a->SetName(L"a");
  auto* b = new TProbe(owner, &log);
  b->SetName(L"b");
  auto* grandchild = new TProbe(a, &log);
  grandchild->SetName(L"c");
  ASSERT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(0), a);
  EXPECT_EQ(owner->Components(1), b);
  delete owner;
  EXPECT_EQ(log, (std::vector<std::wstring>{L"free b", L"free c", L"free a", L"free owner"}));
}

TEST(Component, FreeingAnOwnedComponentRemovesItAndTellsTheOwner) {
  TProbe owner(nullptr, nullptr);
  auto* a = new TProbe(&owner, nullptr);
  delete a;
  EXPECT_EQ(owner.ComponentCount(), 0);
  ASSERT_EQ(owner.removed.size(), 1u);
  EXPECT_EQ(owner.removed[0], a);
}

TEST(Component, FreeNotificationReachesOtherComponents) {
  TProbe watcher(nullptr, nullptr);
  auto* watched = new TProbe(nullptr, nullptr);
  watched->FreeNotification(&watcher);
  delete watched;
  ASSERT_EQ(watcher.removed.size(), 1u);
  EXPECT_EQ(watcher.removed[0], watched);
}

TEST(Component, FindComponentIgnoresCaseAndNamesAreUnique) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetName(L"lblTitle");
  EXPECT_EQ(form.FindComponent(L"LBLTITLE"), label);
  EXPECT_EQ(form.FindComponent(L"nothing"), nullptr);
  EXPECT_EQ(form.FindComponent(L""), nullptr);
  auto* other = new TLabel(&form);
  EXPECT_THROW(other->SetName(L"lbltitle"), Exception);
  other->SetName(L"lblOther");
  EXPECT_EQ(other->Name(), L"lblOther");
}

TEST(Component, ChildControlsGoWithTheirParentWhoeverOwnsThem) {
  std::vector<std::wstring> log;
  TProbe keeper(nullptr, &log);
  auto* panel = new TPanel(nullptr);
  auto* label = new TLabel(&keeper);  // owned elsewhere, placed on the panel
  label->SetParent(panel);
  ASSERT_EQ(panel->ControlCount(), 1);
  delete panel;
  EXPECT_EQ(keeper.ComponentCount(), 0);
}

TEST(Component, FormFreesPanelsLabelsAndTimersItOwns) {
  auto* form = new TForm(nullptr);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  auto* label = new TLabel(form);
  label->SetParent(panel);
  auto* timer = new TTimer(form);
  timer->SetInterval(10);
  (void)timer;
  form->Handle();
  ASSERT_TRUE(panel->HandleAllocated());
  HWND panelWnd = panel->Handle();
  delete form;
  EXPECT_FALSE(IsWindow(panelWnd));
  Pump(30);  // a timer of a freed component must not fire
}

TEST(Component, LoadingStateEndsWithLoaded) {
  TPanel panel(nullptr);
  EXPECT_FALSE(panel.IsLoading());
  panel.BeginLoading();
  EXPECT_TRUE(panel.IsLoading());
  EXPECT_TRUE(panel.ComponentState().Contains(TComponentStateFlag::csLoading));
  panel.Loaded();
  EXPECT_FALSE(panel.IsLoading());
}

// A reference reads empty once its component is freed, by itself or with its owner, and already
// while the component's owned children go (the component is destroying then).
TEST(Component, ReferenceKnowsWhenTheComponentIsGone) {
  auto* owner = new TProbe(nullptr, nullptr);
  auto* child = new TProbe(owner, nullptr);
  auto* grandchild = new TProbe(child, nullptr);
  TComponentRef<TProbe> ownerRef(owner), childRef(child), early(grandchild), late;
  late = grandchild;
  EXPECT_EQ(childRef.Get(), child);
  EXPECT_EQ(childRef->Owner(), owner);

  bool childSeenWhileGrandchildGoes = true;
  class TWatch : public TComponent {
   public:
    TWatch(TComponent* owner, TComponentRef<TProbe> watched, bool* seen)
        : TComponent(owner), watched_(watched), seen_(seen) {}
    ~TWatch() override { *seen_ = static_cast<bool>(watched_); }

   private:
    TComponentRef<TProbe> watched_;
    bool* seen_;
  };
  new TWatch(child, childRef, &childSeenWhileGrandchildGoes);

  delete grandchild;
  EXPECT_FALSE(early);
  EXPECT_FALSE(late);
  EXPECT_EQ(late.Get(), nullptr);
  EXPECT_TRUE(childRef);

  delete owner;
  EXPECT_FALSE(ownerRef);
  EXPECT_FALSE(childRef);
  EXPECT_FALSE(childSeenWhileGrandchildGoes);
  EXPECT_FALSE(TComponentRef<TProbe>());
}
