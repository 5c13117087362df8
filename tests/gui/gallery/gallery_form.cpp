#include "gallery_form.h"

#include "gui/graphic_controls.h"

QS_FORM_IMPL(TfrmGallery, TForm, QS_FIELD(il16), QS_FIELD(il24), QS_FIELD(lstRows), QS_HANDLER(pbImagesPaint),
             QS_HANDLER(lstRowsDrawItem))

TfrmGallery::TfrmGallery(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmGallery::pbImagesPaint(TObject* Sender) {
  TCanvas& canvas = static_cast<TPaintBox*>(Sender)->Canvas();
  int x = 0;
  for (TImageList* list : {il16, il24}) {
    for (int i = 0; i < list->Count(); ++i) {
      list->Draw(canvas, x, 0, i);
      list->Draw(canvas, x, 30, i, false);
      x += list->Width() + 4;
    }
  }
}

void TfrmGallery::lstRowsDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState) {
  TCanvas& canvas = lstRows->Canvas();
  canvas.Brush().Color = Index % 2 ? clWhite : static_cast<TColor>(RGB(243, 245, 253));
  canvas.FillRect(Rect);
  il16->Draw(canvas, Rect.left + 2, Rect.top + 5, Index % il16->Count());
  canvas.Font().SetColor(clBlack);
  TRect text = Rect;
  text.left += 24;
  canvas.DrawText(lstRows->Items()[Index], text, DT_SINGLELINE | DT_VCENTER);
}
