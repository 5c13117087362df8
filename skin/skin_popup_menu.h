// TWinSkinPopMenu: the skinner of one popup menu window ("#32768"). It paints the window's frame
// and background from the skin's "MenuBackground" element and keeps that picture, so that menu
// items drawn by the window skinner can take their backgrounds from it.
#pragma once

#include <windows.h>

#include "gui/pictures.h"
#include "skin/skin_hook.h"

class TSkinData;

class TWinSkinPopMenu : public TSkinHook {
 public:
  // skinningEnabled: the manager's switch, read at every message.
  void Attach(HWND window, TSkinData* skinData, const bool* skinningEnabled);
  void Detach();

  TBitmap Background;       // "MenuBackground" at the window's size, from the last paint
  HMENU MenuHandle = nullptr;
  HWND Window = nullptr;

 protected:
  void WndProc(TMessage& m) override;

 private:
  bool CanPaint() const;
  void RenderBackground();
  void PaintFrame(TMessage& m);
  void PrintMenu(TMessage& m);

  TSkinData* skinData_ = nullptr;
  const bool* skinningEnabled_ = nullptr;
};
