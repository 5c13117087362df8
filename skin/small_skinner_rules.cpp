#include "skin/small_skinner_rules.h"

std::vector<int> ObjImageCells(int kind, int checkFrames) {
  const bool greyed = checkFrames == 5;
  switch (kind) {
    case kObjImageCheck:
      return {0, 1, greyed ? 4 : -1, 0, 1, greyed ? 4 : -1, 2, 3, greyed ? 4 : -1};
    case kObjImageRadio:
      return {0, 1, 0, 1, 2, 3};
    case kObjImagePropertiesCheck:
      return {0, 1, greyed ? 4 : -1, 0, 1, greyed ? 4 : -1};
    default:
      return {};
  }
}

RECT TabButtonRow(const RECT& control, const RECT& adjustedDisplay) {
  return RECT{control.left, control.top, control.right, adjustedDisplay.top - 4 + 1};
}

int TabButtonFrame(int index, int focusIndex) { return index == focusIndex ? 2 : 1; }
