#pragma once
// The dimming overlay: a borderless black window at alpha 180 laid over the main window while
// the About box is shown. Its Tag 99 keeps the skin engine away from it.
#include "gui/forms.h"

class TfrmTemp : public TForm {
  QS_FORM(TfrmTemp)

 public:
  explicit TfrmTemp(TComponent* owner);
};
