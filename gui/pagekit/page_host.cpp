#include "gui/pagekit/page_host.h"

struct TNavigationLock::TCounts {
  TPageHost* host;
  int navigation = 0;
  int recreation = 0;
};

TNavigationLock::TNavigationLock(TNavigationLock&& other) noexcept
    : counts_(std::move(other.counts_)), kind_(other.kind_) {
  other.kind_ = Kind::None;
}

TNavigationLock& TNavigationLock::operator=(TNavigationLock&& other) noexcept {
  if (this != &other) {
    Release();
    counts_ = std::move(other.counts_);
    kind_ = other.kind_;
    other.kind_ = Kind::None;
  }
  return *this;
}

void TNavigationLock::Release() {
  const Kind kind = kind_;
  kind_ = Kind::None;
  std::shared_ptr<TCounts> counts = counts_.lock();
  counts_.reset();
  if (kind == Kind::None || !counts) return;
  (kind == Kind::Navigation ? counts->navigation : counts->recreation) -= 1;
  counts->host->NavigationLocksChanged();
}

TPageHost::TPageHost() : counts_(std::make_shared<TNavigationLock::TCounts>()) { counts_->host = this; }

// Locks still held by pages (freed after the host's own part) give nothing back.
TPageHost::~TPageHost() = default;

TNavigationLock TPageHost::LockNavigation() {
  ++counts_->navigation;
  NavigationLocksChanged();
  return TNavigationLock(counts_, TNavigationLock::Kind::Navigation);
}

TNavigationLock TPageHost::LockPageRecreation() {
  ++counts_->recreation;
  NavigationLocksChanged();
  return TNavigationLock(counts_, TNavigationLock::Kind::Recreation);
}

bool TPageHost::NavigationLocked() const { return counts_->navigation > 0; }

bool TPageHost::PageRecreationLocked() const { return counts_->recreation > 0; }

namespace {
class TDetachedHost : public TPageHost {
 public:
  std::wstring Greeting() const override { return {}; }
  TCustomForm* OpenPage(const std::wstring&, TComponent*) override { return nullptr; }
  TSkinData* SkinComponent() const override { return nullptr; }

 protected:
  void NavigationLocksChanged() override {}
};
}  // namespace

TPageHost& PageHostOf(const TComponent* component) {
  for (const TComponent* c = component; c; c = c->Owner()) {
    if (auto* host = dynamic_cast<TPageHost*>(const_cast<TComponent*>(c))) return *host;
  }
  static TDetachedHost detached;
  return detached;
}
