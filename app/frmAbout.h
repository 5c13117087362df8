#pragma once
// The About box: product line, legal notice, web and support links, and the OK button.
#include "gui/forms.h"
#include "gui/buttons.h"

class TfrmAbout : public TForm {
  QS_FORM(TfrmAbout)

 public:
  explicit TfrmAbout(TComponent* owner);

  TButton* btnClose = nullptr;

  void btnCloseClick(TObject* Sender);
  void Label5Click(TObject* Sender);
  void Label6Click(TObject* Sender);
};
