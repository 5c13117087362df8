#pragma once
// The dialog that names a new restore point; OK only once the name is more than blanks.
#include "gui/buttons.h"
#include "gui/edits.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"

class TfrmnewRestorePoint : public TForm {
  QS_FORM(TfrmnewRestorePoint)

 public:
  explicit TfrmnewRestorePoint(TComponent* owner);

  TLabel* Label1 = nullptr;
  TEdit* edtRestorePointDescription = nullptr;
  TButton* btnOK = nullptr;
  TButton* btnCancel = nullptr;

  void edtRestorePointDescriptionChange(TObject* Sender);
};
