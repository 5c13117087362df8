#include "gui/common_controls.h"

#include <commctrl.h>

void InitCommonControlClasses(DWORD classes) {
  static DWORD done = 0;
  if ((done & classes) == classes) return;
  INITCOMMONCONTROLSEX icc = {sizeof(icc), classes};
  if (InitCommonControlsEx(&icc)) done |= classes;
}
