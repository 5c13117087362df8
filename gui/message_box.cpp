#include "gui/message_box.h"

#include "gui/application.h"
#include "gui/forms.h"

namespace {
TMessageBoxFunc& Replacement() {
  static TMessageBoxFunc func;
  return func;
}

bool Usable(HWND w) { return w && IsWindowVisible(w); }
}  // namespace

HWND MessageBoxOwner(HWND window) {
  HWND owner = window ? GetAncestor(window, GA_ROOT) : nullptr;
  // A form not shown yet (a page still being created, before it is placed) hands the box to the
  // window that owns it: the box must block what the user can click.
  while (owner && !IsWindowVisible(owner)) {
    HWND next = GetWindow(owner, GW_OWNER);
    owner = next ? GetAncestor(next, GA_ROOT) : nullptr;
  }
  if (!owner && Usable(GetActiveWindow())) owner = GetActiveWindow();
  if (!owner && Application->MainForm() && Application->MainForm()->HandleAllocated() &&
      Usable(Application->MainForm()->Handle()))
    owner = Application->MainForm()->Handle();
  // A window disabled under a modal form passes the box on to that form; the box would otherwise
  // enable it again when it closes, while the modal form is still open.
  if (owner && !IsWindowEnabled(owner)) {
    HWND popup = GetLastActivePopup(owner);
    if (Usable(popup) && IsWindowEnabled(popup)) owner = popup;
  }
  return owner;
}

int MessageBoxShow(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  owner = MessageBoxOwner(owner);
  if (Replacement()) return Replacement()(owner, text, caption, type);
  return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

void SetMessageBoxFunc(TMessageBoxFunc func) { Replacement() = std::move(func); }

int ShowInfo(const std::wstring& text) {
  return MessageBoxShow(GetActiveWindow(), text, kProgramCaption, MB_OK | MB_ICONINFORMATION);
}
