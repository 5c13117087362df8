// The window skinner's side of MDI: the MDI client of a skinned MDI frame is subclassed beside
// the frame, so that the skinned bar follows the frame menu the client sets, the client's
// scroll bars go with the skin frame, and the children's regions follow their maximizing.
#include <memory>

#include "gui/messages.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

void TWinSkinForm::HookMdiClient() {
  if (!MdiClient || MdiClientHooked()) return;
  if (mdiClientHook_.HookWindow(MdiClient) && SkinManager) SkinManager->SetMdiFrame(this);
}

void TWinSkinForm::RestoreMenuUpdate() {
  // The component's setting outlives this frame: it gets back what the children switched off.
  if (menuUpdateOff_ && SkinData) SkinData->SetMenuUpdate(SavedMenuUpdate);
  menuUpdateOff_ = false;
}

void TWinSkinForm::UnhookMdiClient() {
  if (!MdiClientHooked()) return;
  RestoreMenuUpdate();
  // Leaves only while it is the client's newest subclass; a later one keeps its place.
  mdiClientHook_.RemoveHook();
  if (SkinManager) SkinManager->ForgetMdiFrame(this);
}

void TWinSkinForm::MdiClientGone() {
  HWND client = MdiClient;
  MdiClient = nullptr;
  RestoreMenuUpdate();
  if (!SkinManager) return;
  SkinManager->ForgetMdiFrame(this);
  // The client's children went with it; other frames' children keep their own maximizing.
  SkinManager->ForgetMdiClient(client);
}

HWND TWinSkinForm::MaximizingClient() const {
  if (MdiKind == TMdiKind::Frame) return MdiClient;
  if (MdiKind == TMdiKind::Child && Handle) return GetParent(Handle);
  return nullptr;
}

bool TWinSkinForm::MdiMaximized() const { return SkinManager && SkinManager->MdiMaximized(MaximizingClient()); }

void TWinSkinForm::SetMdiMaximized(bool value) {
  if (SkinManager) SkinManager->SetMdiMaximized(MaximizingClient(), value);
}

bool TWinSkinForm::IsMdiChildMaximized() const {
  if (MdiKind != TMdiKind::Frame || !MdiClient) return false;
  BOOL maximized = FALSE;
  HWND active = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

void TWinSkinForm::MdiChildCommand(UINT command) {
  if (MdiKind != TMdiKind::Frame || !MdiClient) return;
  if (HWND active = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0)))
    SendMessageW(active, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::PostMdiRedraw() {
  // The child's own client: its frame is the one drawn again.
  if (HWND client = MaximizingClient()) PostSkinMessage(client, SKM_MDIREDRAW, reinterpret_cast<WPARAM>(Handle), 0);
}

void TWinSkinForm::MdiClientWindowProc(TMessage& m) {
  TMdiClientHook& client = mdiClientHook_;
  // What the client does by default may end the frame, and this skinner with it.
  auto callDefault = [this, &client, &m] {
    const std::shared_ptr<const bool> alive = UntilDestroyingToken();
    client.CallDefault(m);
    return *alive;
  };
  switch (m.Msg) {
    case WM_NCCALCSIZE:
      // The client's own scroll bars would stand beside the skin frame: they go unless the
      // component keeps them.
      if (FrameSkinned && !SkinData->Options().Contains(TSkinOption::xoMDIScrollbar)) {
        const LONG_PTR style = GetWindowLongPtrW(MdiClient, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL))
          SetWindowLongPtrW(MdiClient, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
      }
      client.CallDefault(m);
      return;
    case WM_MDICREATE:
      // A child's menu being merged into the frame's must not rebuild the bar each time.
      SkinData->SetMenuUpdate(false);
      menuUpdateOff_ = true;
      client.CallDefault(m);
      return;
    case WM_MDIDESTROY: {
      if (!callDefault() || !FrameSkinned) return;
      SetMdiMaximized(IsMdiChildMaximized());
      if (MenuBar && MdiClient && !SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0)) {
        RestoreMenuUpdate();
        MenuBar->BuildMenuBar();
        SendSkinMessage(Handle, SKM_REPAINTNC, 0, 0);
      }
      return;
    }
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
      // Maximizing asked of the client directly passes no caption button or system command:
      // the children's regions follow it here.
      if (callDefault() && FrameSkinned) SetMdiMaximized(IsMdiChildMaximized());
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      // Only this frame's children: another frame's maximized child stays as it is.
      if (FrameSkinned && MdiMaximized()) SetMdiMaximized(false);
      client.CallDefault(m);
      return;
    case WM_MDISETMENU:
      if (!callDefault() || !FrameSkinned) return;
      if (m.WParam && MenuBar) {
        MenuBar->RebuildMdiMenuBar();
        SendSkinMessage(Handle, SKM_REPAINTNC, 0, 0);
      } else if (m.WParam && GetMenu(Handle)) {
        // A frame that had no bar when it was skinned gets one now, or the menu would be lost.
        NativeMenu = GetMenu(Handle);
        MakeMenuBar();
        FrameChanged();
      }
      SetMenu(Handle, nullptr);
      return;
    case SKM_MDIREDRAW:
      RedrawWindow(Handle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return;
    default:
      client.CallDefault(m);
      return;
  }
}
