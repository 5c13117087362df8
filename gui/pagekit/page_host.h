#pragma once
// The page host: what a feature page needs from the window it lives in (the main window in the
// program, a fake in tests). A page finds it through its owner chain (PageHostOf), so pages
// never include the main window.
//
// Navigation is locked by counting: every run that must keep the user from navigating away
// holds a TNavigationLock, and the navigation buttons come back only when the last lock goes.
// One page's run ending can therefore never switch the buttons on under another page's run.
#include <memory>
#include <string>

#include "gui/forms.h"

class TSkinData;
class TPageHost;

// A held lock; moving hands it on, Release or the destructor gives it back (once). A lock that
// outlives its host gives back nothing.
class TNavigationLock {
 public:
  TNavigationLock() = default;
  TNavigationLock(TNavigationLock&& other) noexcept;
  TNavigationLock& operator=(TNavigationLock&& other) noexcept;
  TNavigationLock(const TNavigationLock&) = delete;
  TNavigationLock& operator=(const TNavigationLock&) = delete;
  ~TNavigationLock() { Release(); }

  void Release();
  bool Held() const { return kind_ != Kind::None; }

 private:
  friend class TPageHost;
  enum class Kind { None, Navigation, Recreation };
  struct TCounts;
  TNavigationLock(std::shared_ptr<TCounts> counts, Kind kind) : counts_(std::move(counts)), kind_(kind) {}

  std::weak_ptr<TCounts> counts_;
  Kind kind_ = Kind::None;
};

class TPageHost {
 public:
  TPageHost();
  virtual ~TPageHost();

  // While held, the navigation buttons are off: nothing can open another page or make a page
  // anew (a scan keeps its page in front).
  TNavigationLock LockNavigation();
  // While held, nothing may free or restart a page that is made anew (the junk cleaner deleting
  // files): one-click maintenance and those pages' own buttons are off, the rest of the
  // navigation stays usable.
  TNavigationLock LockPageRecreation();
  bool NavigationLocked() const;
  bool PageRecreationLocked() const;

  // The greeting that starts every page heading ("Good Morning and Welcome to").
  virtual std::wstring Greeting() const = 0;
  // Opens the page of a navigation button as that button would (owner: the host when nullptr);
  // nullptr when the program does not contain the page.
  virtual TCustomForm* OpenPage(const std::wstring& Button, TComponent* Owner = nullptr) = 0;
  // Opens that page for a link on another page (the home page's cleaner links, the results
  // page's "Scan Again", the home page's start of one-click maintenance): the host also shows
  // the navigation as a click on the button would leave it, and opens nothing while that
  // button is off. Plain OpenPage unless the host has navigation to show.
  virtual TCustomForm* OpenPageFromLink(const std::wstring& Button, TComponent* Owner = nullptr) {
    return OpenPage(Button, Owner);
  }
  // The skin component of the host window; a page switches the skinning of new windows off
  // around a system dialog. nullptr when there is none.
  virtual TSkinData* SkinComponent() const = 0;

 protected:
  // A lock was taken or given back: the host shows the new state on its buttons.
  virtual void NavigationLocksChanged() = 0;

 private:
  friend class TNavigationLock;
  std::shared_ptr<TNavigationLock::TCounts> counts_;
};

// The host of a page: the first of the component and its owners that is one. A page made
// without one (a test of the page alone) gets a host that locks nothing, greets with an empty
// text and opens nothing.
TPageHost& PageHostOf(const TComponent* component);
