// What control skinners read of the control they paint: caption, enabled, checked, font and
// colour. A framework control answers through its published properties (found by name once,
// when the skinner attaches), other vendors' controls included; a plain window through its
// window messages.
#pragma once

#include <windows.h>

#include <string>

#include "gui/graphics.h"

class TControl;
struct TPropInfo;

class TControlFacts {
 public:
  void Bind(TControl* control, HWND window);
  std::wstring Caption() const;
  bool Enabled() const;
  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  int Checked() const;
  HFONT Font() const;
  TColor Colour(TColor defaultColour) const;

 private:
  TControl* control_ = nullptr;
  HWND window_ = nullptr;
  const TPropInfo* caption_ = nullptr;
  const TPropInfo* state_ = nullptr;
  const TPropInfo* checked_ = nullptr;
  const TPropInfo* font_ = nullptr;
  const TPropInfo* colour_ = nullptr;
};
