// List views: their scroll bars painted as every scrollable control's are, and, in report
// style, their column header drawn by a header skinner.
#pragma once

#include "skin/skin_scrollbar.h"

class TSkinHeader;

class TSkinListView : public TSkinScrollbar {
  QS_CLASS(TSkinListView)

 public:
  using TSkinScrollbar::TSkinScrollbar;
  void AttachScrollControl(TControl* control, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) override;

  // The header's skinner, owned by the list view like this skinner; nil without a header.
  TSkinHeader* Header = nullptr;
};
