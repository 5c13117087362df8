#pragma once
// A page host for tests: a plain form that pages are made into, with a fixed greeting, the pages
// a test lets it open, and the navigation-lock state it was told about.
#include <functional>
#include <string>

#include "gui/forms.h"
#include "gui/pagekit/page_host.h"

class TFakePageHost : public TForm, public TPageHost {
 public:
  explicit TFakePageHost(TComponent* owner) : TForm(owner) {}

  std::wstring greeting = L"Good Morning and Welcome to";
  // Opens the page of a button; empty: nothing opens.
  std::function<TCustomForm*(const std::wstring& button, TComponent* owner)> openPage;
  TSkinData* skin = nullptr;
  // How often the lock state changed.
  int lockChanges = 0;

  std::wstring Greeting() const override { return greeting; }
  TCustomForm* OpenPage(const std::wstring& Button, TComponent* Owner = nullptr) override {
    return openPage ? openPage(Button, Owner ? Owner : this) : nullptr;
  }
  TSkinData* SkinComponent() const override { return skin; }

 protected:
  void NavigationLocksChanged() override { ++lockChanges; }
};
