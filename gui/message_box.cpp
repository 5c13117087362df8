#include "gui/message_box.h"

namespace {
TMessageBoxFunc& Replacement() {
  static TMessageBoxFunc func;
  return func;
}
}  // namespace

int MessageBoxShow(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  if (Replacement()) return Replacement()(owner, text, caption, type);
  return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

void SetMessageBoxFunc(TMessageBoxFunc func) { Replacement() = std::move(func); }

int ShowInfo(const std::wstring& text) {
  return MessageBoxShow(GetActiveWindow(), text, kProgramCaption, MB_OK | MB_ICONINFORMATION);
}
