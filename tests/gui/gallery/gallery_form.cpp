#include "gallery_form.h"

QS_FORM_IMPL(TfrmGallery, TForm)

TfrmGallery::TfrmGallery(TComponent* owner) : TForm(owner) { LoadForm(); }
