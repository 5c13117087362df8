#include "tools/restore_page/frmnewRestorePoint.h"

#include "base/strings.h"

QS_FORM_IMPL(TfrmnewRestorePoint, TForm, QS_FIELD(Label1), QS_FIELD(edtRestorePointDescription), QS_FIELD(btnOK),
             QS_FIELD(btnCancel), QS_HANDLER(edtRestorePointDescriptionChange))

TfrmnewRestorePoint::TfrmnewRestorePoint(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmnewRestorePoint::edtRestorePointDescriptionChange(TObject* Sender) {
  btnOK->SetEnabled(!Trim(edtRestorePointDescription->Text()).empty());
}
