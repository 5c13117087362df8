// The embossed disabled look of a button glyph.
#pragma once

#include "gui/pictures.h"

// A new bitmap of the glyph's size on the button face colour: every pixel of the glyph that is
// not white shows in the shadow colour, with a highlight copy one pixel down and right beneath.
TBitmap CreateGrayedGlyph(const TBitmap& glyph);
