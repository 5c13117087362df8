// TSkinHook: the one way a skinner sees the messages of what it paints. A skinner derives from
// it, overrides WndProc and passes what it does not handle on with CallDefault. It attaches in
// one of two ways:
// - HookControl joins a framework control's WindowProc chain (the framework owns the window
//   procedure of its controls and forms);
// - HookWindow subclasses a window the framework does not own (a combo box's edit and list, a
//   list view's header, the buttons of a system message box) through comctl32's
//   SetWindowSubclass, which keeps several subclassers in any order.
// RemoveHook never cuts out anyone who hooked in after: while another hook lies above this one it
// stays in place as a relay that passes every message on, until its control or window goes.
#pragma once

#include <windows.h>

#include "gui/messages.h"

class TControl;
class TSkinChainLink;

class TSkinHook {
 public:
  TSkinHook() = default;
  virtual ~TSkinHook();
  TSkinHook(const TSkinHook&) = delete;
  TSkinHook& operator=(const TSkinHook&) = delete;

  // Every message of the hooked control or window; the default passes it on.
  virtual void WndProc(TMessage& m) { CallDefault(m); }
  // The previous handler (the chain's next link, or the previous window procedure, called
  // with the character set it was installed with).
  void CallDefault(TMessage& m);

  bool HookControl(TControl* control);
  bool HookWindow(HWND window);
  void RemoveHook();

  bool Hooked() const { return link_ != nullptr || window_ != nullptr; }
  TControl* HookedControl() const;
  HWND HookedWindow() const { return window_; }

 protected:
  // The hooked control is being freed (its chain link goes first), or the subclassed window got
  // WM_NCDESTROY and its default processing: the hook is already gone when this runs.
  virtual void HookTargetGone() {}

 private:
  friend class TSkinChainLink;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR refData);
  struct TWindowRelay;

  TSkinChainLink* link_ = nullptr;
  HWND window_ = nullptr;
  TWindowRelay* relay_ = nullptr;
};
