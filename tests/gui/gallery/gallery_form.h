// The control gallery: one window with every framework control in its common states, so
// that tests (and the skinners' tests later) can find each one by name and look at it.
#pragma once

#include "gui/forms.h"

class TfrmGallery : public TForm {
  QS_FORM(TfrmGallery)

 public:
  explicit TfrmGallery(TComponent* owner);
};
