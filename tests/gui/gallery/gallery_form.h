// The control gallery: one window with every framework control in its common states, so
// that tests (and the skinners' tests later) can find each one by name and look at it.
#pragma once

#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/lists.h"

class TfrmGallery : public TForm {
  QS_FORM(TfrmGallery)

 public:
  explicit TfrmGallery(TComponent* owner);

  TImageList* il16 = nullptr;
  TImageList* il24 = nullptr;
  TListBox* lstRows = nullptr;
  // Every image of both lists, drawn normally and greyed.
  void pbImagesPaint(TObject* Sender);
  // Rows in alternating colours with an icon, as the pages draw their lists.
  void lstRowsDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
};
