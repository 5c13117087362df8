#include "skin/header_rules.h"

#include <commctrl.h>

#include "skin/control_draw.h"

RECT HeaderItemZone(const RECT& item) { return RECT{item.left + 3, item.top, item.right - 3, item.bottom}; }

int HeaderHotItem(const std::vector<RECT>& zones, POINT point, int current) {
  for (size_t i = 0; i < zones.size(); ++i)
    if (PtInRect(&zones[i], point)) return static_cast<int>(i);
  return current;
}

int HeaderItemFrame(int index, int hotItem) { return index == hotItem ? 2 : 1; }

int HeaderAlignment(int format) {
  if (format & HDF_RIGHT) return 2;
  if (format & HDF_CENTER) return 1;
  return 0;
}

int HeaderImageIndex(int format, int image) { return (format & (HDF_IMAGE | HDF_OWNERDRAW)) ? image : -1; }

THeaderContent HeaderContentPlace(SIZE item, SIZE image, SIZE text, int alignment) {
  const int x = AlignedContentStart(alignment, item.cx, image.cx, text.cx);
  THeaderContent place;
  // The image is centred by its own height.
  place.Image = POINT{x, (item.cy - image.cy) / 2};
  place.Text = POINT{x + image.cx, (item.cy - text.cy) / 2};
  return place;
}
