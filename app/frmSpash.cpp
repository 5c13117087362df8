#include "app/frmSpash.h"

QS_FORM_IMPL(TfrmSpash, TForm)

TfrmSpash::TfrmSpash(TComponent* owner) : TForm(owner) { LoadForm(); }
