#pragma once
// The chrome of a wizard page (the registry and junk cleaners, one-click maintenance): its steps
// are the sheets of one page control whose tabs are all hidden, and two labels above them say
// what the step shown is doing.
#include <string>

#include "gui/pages.h"
#include "gui/std_ctrls.h"

class TWizardSteps {
 public:
  TWizardSteps() = default;
  TWizardSteps(TPageControl* steps, TLabel* heading, TLabel* subHeading)
      : steps_(steps), heading_(heading), subHeading_(subHeading) {}

  // Shows Step alone: every tab hidden, Step the active sheet.
  void ShowStep(TTabSheet* step) const;
  void SetHeading(const std::wstring& heading, const std::wstring& subHeading) const;
  void Show(TTabSheet* step, const std::wstring& heading, const std::wstring& subHeading) const {
    ShowStep(step);
    SetHeading(heading, subHeading);
  }

 private:
  TPageControl* steps_ = nullptr;
  TLabel* heading_ = nullptr;
  TLabel* subHeading_ = nullptr;
};
