#include "app/frmTemp.h"

QS_FORM_IMPL(TfrmTemp, TForm)

TfrmTemp::TfrmTemp(TComponent* owner) : TForm(owner) { LoadForm(); }
