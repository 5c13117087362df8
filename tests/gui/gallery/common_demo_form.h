// The common-controls demo beside the gallery: tabs and pages (with hidden tabs), a report
// list with check boxes, progress bars and gauges, a track bar, an up-down with its edit,
// date and time pickers, a header and a status bar with an owner-drawn panel.
#pragma once

#include "gui/forms.h"
#include "gui/list_view.h"
#include "gui/status_bar.h"

class TfrmCommonDemo : public TForm {
  QS_FORM(TfrmCommonDemo)

 public:
  explicit TfrmCommonDemo(TComponent* owner);

  TListView* lvFiles = nullptr;
  TStatusBar* sbStatus = nullptr;

  // Panel 1 shows a bar in the colour of the list's selection.
  void sbStatusDrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect);
};
