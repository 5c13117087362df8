#include "common_demo_form.h"

QS_FORM_IMPL(TfrmCommonDemo, TForm, QS_FIELD(lvFiles), QS_FIELD(sbStatus), QS_HANDLER(sbStatusDrawPanel))

TfrmCommonDemo::TfrmCommonDemo(TComponent* owner) : TForm(owner) {
  LoadForm();
  struct Row {
    const wchar_t *name, *size, *status;
    bool checked;
  } rows[] = {{L"setup.log", L"12 KB", L"Ready", true},
              {L"cache.tmp", L"1.2 MB", L"Ready", false},
              {L"old.bak", L"640 KB", L"Done", true}};
  for (const Row& r : rows) {
    TListItem* item = lvFiles->Items()->Add();
    item->SetCaption(r.name);
    item->SetSubItems({r.size, r.status});
    item->SetChecked(r.checked);
  }
  lvFiles->SetSelected(lvFiles->Items()->Item(1));
}

void TfrmCommonDemo::sbStatusDrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect) {
  TCanvas& canvas = StatusBar->Canvas();
  canvas.Brush().Color = clHighlight;
  TRect bar = Rect;
  bar.right = bar.left + (bar.right - bar.left) * 2 / 3;
  canvas.FillRect(bar);
}
