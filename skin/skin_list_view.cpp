#include "skin/skin_list_view.h"

#include <commctrl.h>

#include "skin/skin_header.h"

const TClassInfo& TSkinListView::StaticClass() {
  static const TClassInfo info(L"TSkinListView", &TSkinScrollbar::StaticClass(), nullptr, {});
  return info;
}

void TSkinListView::AttachScrollControl(TControl* control, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) {
  if (IsAttached()) return;
  TSkinScrollbar::AttachScrollControl(control, skinData, canvas, host);
  if (!IsAttached() || !Handle || Header) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0));
  if (!header) return;
  Header = new TSkinHeader(control);
  Header->AttachWindow(header, skinData, canvas, host);
}
