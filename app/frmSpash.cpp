#include "app/frmSpash.h"

#include "app/packed_form_files.h"

QS_FORM_IMPL(TfrmSpash, TForm)

// The splash has no OnCreate and shows when the program says: its form is read, with its
// picture unpacked, and nothing more.
TfrmSpash::TfrmSpash(TComponent* owner) : TForm(owner) {
  ReadFormFromResource(this, UnpackingFileSource(ResourceFileSource()));
}
