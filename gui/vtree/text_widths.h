// Widths of texts in one font without asking the device for each text: the advance widths of
// the printable ASCII characters are read once per font, and a text made of them measures as
// their sum, as the device measures it. Other texts are measured by the device.
#pragma once

#include <windows.h>

#include <string>

#include "gui/std_ctrls.h"

class TTextWidths {
 public:
  // The size of text in the font selected into dc (cy is the font's height).
  SIZE Measure(HDC dc, const std::wstring& text);
  // Forget the font: the next Measure reads it again when another one is selected.
  void Check() { checked_ = false; }

 private:
  static constexpr wchar_t kFirst = 0x20, kLast = 0x7E;
  bool Load(HDC dc);
  bool checked_ = false;
  bool valid_ = false;
  LOGFONTW font_{};
  int height_ = 0;
  int widths_[kLast - kFirst + 1] = {};
};

// Draws a one-line text in r with the alignment given, vertically centred, ending in an
// ellipsis when it does not fit; size is the text's (Measure). A text that fits is placed
// directly, without the measuring DrawText does for the ellipsis.
void DrawFittingText(HDC dc, const std::wstring& text, const RECT& r, TAlignment alignment, SIZE size);
