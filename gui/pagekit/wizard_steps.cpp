#include "gui/pagekit/wizard_steps.h"

void TWizardSteps::ShowStep(TTabSheet* step) const {
  for (int i = 0; i < steps_->PageCount(); ++i) steps_->Pages(i)->SetTabVisible(false);
  steps_->SetActivePage(step);
}

void TWizardSteps::SetHeading(const std::wstring& heading, const std::wstring& subHeading) const {
  heading_->SetCaption(heading);
  subHeading_->SetCaption(subHeading);
}
