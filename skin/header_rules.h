// The header skinner's decisions, free of windows so they can be checked as tables: which item
// is hot under the mouse, the zone of each item that counts for it, and where an item's image
// and text go.
#pragma once

#include <windows.h>

#include <vector>

// An item's rectangle less 3 pixels at each side: the dividers belong to no item.
RECT HeaderItemZone(const RECT& item);
// The first zone holding the point; a point in none (a divider, the empty rest) keeps current.
int HeaderHotItem(const std::vector<RECT>& zones, POINT point, int current);
// The "Headerbar" frame of an item: 2 for the hot one, 1 for the rest.
int HeaderItemFrame(int index, int hotItem);
// 0 left, 1 centre (HDF_CENTER), 2 right (HDF_RIGHT).
int HeaderAlignment(int format);
// An item's image counts only with HDF_IMAGE or HDF_OWNERDRAW; -1 otherwise.
int HeaderImageIndex(int format, int image);

// Where an item's image and text go inside an item of that size; an image of zero size is none.
struct THeaderContent {
  POINT Image{};
  POINT Text{};
};
THeaderContent HeaderContentPlace(SIZE item, SIZE image, SIZE text, int alignment);
