// The four window-command glyphs of the system menu and caption drawing, as one monochrome
// strip of 16 x 16 cells: 0 restore, 1 maximize, 2 minimize, 3 close, black on white.
#pragma once

#include "gui/pictures.h"

TBitmap MenuGlyphStrip();
