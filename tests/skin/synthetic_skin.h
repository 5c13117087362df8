// The synthetic test skin: our skin's elements with every state frame filled with one solid
// colour of its own, so a pixel probe tells which element and which frame was drawn where.
// Frames lie side by side, except in the elements the engine draws with stacked frames.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "skin/draw_primitives.h"
#include "skin/skin_elements.h"

// Equal cells of one colour each, side by side.
inline TBitmap ColourStrip(const std::vector<COLORREF>& colours, int cellWidth, int height) {
  TBitmap strip(cellWidth * static_cast<int>(colours.size()), height);
  for (size_t i = 0; i < colours.size(); ++i)
    for (int x = 0; x < cellWidth; ++x)
      for (int y = 0; y < height; ++y) strip.SetPixel(static_cast<int>(i) * cellWidth + x, y, colours[i]);
  return strip;
}

class TSyntheticSkin {
 public:
  // Repaints every element of elements (built from a real skin) in place.
  explicit TSyntheticSkin(TSkinElements& elements) {
    int cell = 0;
    for (const TDataSkinObject* constElement : elements.Elements()) {
      auto* element = const_cast<TDataSkinObject*>(constElement);
      if (element->Image.Empty()) continue;
      const bool vertical = IsStacked(element->Name);
      const int frames = element->Frames();
      for (int frame = 1; frame <= frames; ++frame) {
        const COLORREF colour = CellColour(cell++);
        const RECT r = FrameCell(element->Image, vertical, frames, frame);
        for (int y = r.top; y < r.bottom; ++y)
          for (int x = r.left; x < r.right; ++x) element->Image.SetPixel(x, y, colour);
        colours_[{element, frame}] = colour;
      }
    }
  }
  // The colour of an element's frame (from 1); 0 when the element has no image.
  COLORREF Colour(const TDataSkinObject* element, int frame = 1) const {
    auto found = colours_.find({element, frame});
    return found == colours_.end() ? 0 : found->second;
  }

 private:
  static bool IsStacked(const std::string& name) { return _stricmp(name.c_str(), "MenuBar") == 0; }
  // Distinct for the first 196 cells; never magenta, never grey.
  static COLORREF CellColour(int cell) {
    return RGB(16 + (cell % 14) * 16, 16 + ((cell / 14) % 14) * 16, 232 - ((cell / 196) % 8) * 24);
  }

  std::map<std::pair<const TDataSkinObject*, int>, COLORREF> colours_;
};
