#include "skin/skin_messages.h"

#include "gui/controls.h"
#include "gui/forms.h"

bool MaySendSkinMessage(HWND window, UINT msg) {
  if (!CollidesWithCnRange(msg)) return true;
  TControl* control = ControlFromHandle(window);
  return !control || dynamic_cast<TCustomForm*>(control) != nullptr;
}

LRESULT SendSkinMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!MaySendSkinMessage(window, msg)) return 0;
  return SendMessageW(window, msg, wParam, lParam);
}

bool PostSkinMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!MaySendSkinMessage(window, msg)) return false;
  return PostMessageW(window, msg, wParam, lParam) != FALSE;
}
