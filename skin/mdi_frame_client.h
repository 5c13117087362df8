// TMdiFrameClient: the MDI client of a skinned MDI frame, subclassed beside the frame by the
// frame's window skinner, which owns it. The skinned bar follows the frame menu the client
// sets, the client's scroll bars go with the skin frame, the children's regions follow their
// maximizing, and the skin component's MenuUpdate stays off while children's menus are merged.
#pragma once

#include <windows.h>

#include "skin/skin_hook.h"

class TSkinData;
class TWinSkinForm;

class TMdiFrameClient : public TSkinHook {
 public:
  explicit TMdiFrameClient(TWinSkinForm& frame) : frame_(frame) {}
  // The frame's client, subclassed; the component's MenuUpdate is kept to be given back.
  void Attach(HWND client, TSkinData* skinData);
  // The subclass removed and the component's MenuUpdate given back (the window lives on).
  void Detach();
  // The client window (nullptr once it is destroyed, or for no MDI frame).
  HWND Window() const { return client_; }
  // Whether the client's active child is maximized.
  bool ActiveChildMaximized() const;
  // The system command sent to the active child, when there is one.
  void ActiveChildCommand(UINT command);

 protected:
  void WndProc(TMessage& m) override;
  void HookTargetGone() override;

 private:
  void RestoreMenuUpdate();

  TWinSkinForm& frame_;
  HWND client_ = nullptr;
  // The component's MenuUpdate when the client was hooked, and whether a child's creation
  // switched it off since.
  bool savedMenuUpdate_ = true;
  bool menuUpdateOff_ = false;
};
