#pragma once
// The splash window shown while the program starts: picture, status line and version.
#include "gui/forms.h"

class TfrmSpash : public TForm {
  QS_FORM(TfrmSpash)

 public:
  explicit TfrmSpash(TComponent* owner);
};
