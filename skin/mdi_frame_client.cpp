#include "skin/mdi_frame_client.h"

#include <memory>

#include "gui/messages.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

void TMdiFrameClient::Attach(HWND client, TSkinData* skinData) {
  client_ = client;
  savedMenuUpdate_ = skinData->MenuUpdate();
  if (!client_ || Hooked()) return;
  if (HookWindow(client_) && SkinManager) SkinManager->SetMdiFrame(&frame_);
}

void TMdiFrameClient::RestoreMenuUpdate() {
  // The component's setting outlives this frame: it gets back what the children switched off.
  if (menuUpdateOff_ && frame_.SkinData) frame_.SkinData->SetMenuUpdate(savedMenuUpdate_);
  menuUpdateOff_ = false;
}

void TMdiFrameClient::Detach() {
  if (!Hooked()) return;
  RestoreMenuUpdate();
  // Leaves only while it is the client's newest subclass; a later one keeps its place.
  RemoveHook();
  if (SkinManager) SkinManager->ForgetMdiFrame(&frame_);
}

void TMdiFrameClient::HookTargetGone() {
  HWND client = client_;
  client_ = nullptr;
  RestoreMenuUpdate();
  if (!SkinManager) return;
  SkinManager->ForgetMdiFrame(&frame_);
  // The client's children went with it; other frames' children keep their own maximizing.
  SkinManager->ForgetMdiClient(client);
}

bool TMdiFrameClient::ActiveChildMaximized() const {
  if (!client_) return false;
  BOOL maximized = FALSE;
  HWND active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

void TMdiFrameClient::ActiveChildCommand(UINT command) {
  if (!client_) return;
  if (HWND active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0)))
    SendMessageW(active, WM_SYSCOMMAND, command, 0);
}

void TMdiFrameClient::WndProc(TMessage& m) {
  TWinSkinForm& frame = frame_;
  // What the client does by default may end the frame, and this skinner with it.
  auto callDefault = [this, &frame, &m] {
    const std::shared_ptr<const bool> alive = frame.UntilDestroyingToken();
    CallDefault(m);
    return *alive;
  };
  switch (m.Msg) {
    case WM_NCCALCSIZE:
      // The client's own scroll bars would stand beside the skin frame: they go unless the
      // component keeps them.
      if (frame.FrameSkinned && !frame.SkinData->Options().Contains(TSkinOption::xoMDIScrollbar)) {
        const LONG_PTR style = GetWindowLongPtrW(client_, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL))
          SetWindowLongPtrW(client_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
      }
      CallDefault(m);
      return;
    case WM_MDICREATE:
      // A child's menu being merged into the frame's must not rebuild the bar each time.
      frame.SkinData->SetMenuUpdate(false);
      menuUpdateOff_ = true;
      CallDefault(m);
      return;
    case WM_MDIDESTROY: {
      if (!callDefault() || !frame.FrameSkinned) return;
      frame.SetMdiMaximized(ActiveChildMaximized());
      if (frame.MenuBar && client_ && !SendMessageW(client_, WM_MDIGETACTIVE, 0, 0)) {
        RestoreMenuUpdate();
        frame.MenuBar->BuildMenuBar();
        SendSkinMessage(frame.Handle, SKM_REPAINTNC, 0, 0);
      }
      return;
    }
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
      // Maximizing asked of the client directly passes no caption button or system command:
      // the children's regions follow it here.
      if (callDefault() && frame.FrameSkinned) frame.SetMdiMaximized(ActiveChildMaximized());
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      // Only this frame's children: another frame's maximized child stays as it is.
      if (frame.FrameSkinned && frame.MdiMaximized()) frame.SetMdiMaximized(false);
      CallDefault(m);
      return;
    case WM_MDISETMENU:
      if (!callDefault() || !frame.FrameSkinned) return;
      if (m.WParam && frame.MenuBar) {
        frame.MenuBar->RebuildMdiMenuBar();
        SendSkinMessage(frame.Handle, SKM_REPAINTNC, 0, 0);
      } else if (m.WParam && GetMenu(frame.Handle)) {
        // A frame that had no bar when it was skinned gets one now, or the menu would be lost.
        frame.NativeMenu = GetMenu(frame.Handle);
        frame.MakeMenuBar();
        frame.FrameChanged();
      }
      SetMenu(frame.Handle, nullptr);
      return;
    case SKM_MDIREDRAW:
      RedrawWindow(frame.Handle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return;
    default:
      CallDefault(m);
      return;
  }
}
