#include "skin/skin_hook.h"

#include <commctrl.h>

#include "gui/classes.h"
#include "gui/controls.h"
#include "gui/wnd_method.h"

// The link a hook puts into a control's chain. It is a component owned by the control, so it
// lives exactly as long as the control: a hook that leaves while another lies above it leaves
// its link behind as a plain relay, and the control frees it with itself.
class TSkinChainLink : public TComponent {
  QS_CLASS(TSkinChainLink)

 public:
  TSkinChainLink(TControl* control, TSkinHook* hook) : TComponent(control), Control(control), Hook(hook) {
    Old = control->WindowProc;
    control->WindowProc = Self();
  }
  ~TSkinChainLink() override {
    // Freed with the control: the chain must not point here once we are gone (the control
    // still destroys its window afterwards).
    if (IsHead()) Control->WindowProc = Old;
    if (Hook) {
      TSkinHook* hook = Hook;
      Hook = nullptr;
      hook->link_ = nullptr;
      hook->HookTargetGone();
    }
  }
  TWndMethod Self() { return TWndMethod::Of<&TSkinChainLink::Relay>(this); }
  bool IsHead() { return Control->WindowProc == Self(); }
  void Relay(TMessage& m) {
    if (Hook)
      Hook->WndProc(m);
    else
      Old(m);
  }

  TControl* Control;
  TSkinHook* Hook;
  TWndMethod Old;
};

const TClassInfo& TSkinChainLink::StaticClass() {
  static const TClassInfo info(L"TSkinChainLink", &TComponent::StaticClass(), nullptr, {});
  return info;
}

// What a plain-window subclass points at. It outlives its hook when another subclasser that
// went around comctl32 (SetWindowLongPtr) came after: removing ours then would put the window
// procedure back from under it, so the relay stays, passes everything on and goes with the
// window.
struct TSkinHook::TWindowRelay {
  TSkinHook* Hook;
  LONG_PTR ProcAfterInstall;
  int Running = 0;      // messages of the window under way through this relay
  bool Remove = false;  // unhooked while a message was under way: removed when it ends
};

namespace {
constexpr UINT_PTR kSubclassId = 0x51534B48;  // one id; the relay tells the hooks apart
}

TSkinHook::~TSkinHook() { RemoveHook(); }

TControl* TSkinHook::HookedControl() const { return link_ ? link_->Control : nullptr; }

bool TSkinHook::HookControl(TControl* control) {
  if (Hooked() || !control) return false;
  link_ = new TSkinChainLink(control, this);
  return true;
}

bool TSkinHook::HookWindow(HWND window) {
  if (Hooked() || !IsWindow(window)) return false;
  auto* relay = new TWindowRelay{this, 0};
  if (!SetWindowSubclass(window, &TSkinHook::SubclassProc, kSubclassId + reinterpret_cast<UINT_PTR>(relay),
                         reinterpret_cast<DWORD_PTR>(relay))) {
    delete relay;
    return false;
  }
  relay->ProcAfterInstall = GetWindowLongPtrW(window, GWLP_WNDPROC);
  relay_ = relay;
  window_ = window;
  return true;
}

void TSkinHook::RemoveHook() {
  if (link_) {
    TSkinChainLink* link = link_;
    link_ = nullptr;
    link->Hook = nullptr;
    if (link->IsHead()) {
      link->Control->WindowProc = link->Old;
      delete link;
    }
  }
  if (window_) {
    TWindowRelay* relay = relay_;
    HWND window = window_;
    relay_ = nullptr;
    window_ = nullptr;
    relay->Hook = nullptr;
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) == relay->ProcAfterInstall) {
      if (relay->Running)
        relay->Remove = true;
      else if (RemoveWindowSubclass(window, &TSkinHook::SubclassProc, kSubclassId + reinterpret_cast<UINT_PTR>(relay)))
        delete relay;
    }
  }
}

void TSkinHook::CallDefault(TMessage& m) {
  if (link_) {
    link_->Old(m);
  } else if (window_) {
    m.Result = DefSubclassProc(window_, m.Msg, m.WParam, m.LParam);
  } else {
    m.Result = 0;
  }
}

LRESULT CALLBACK TSkinHook::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR refData) {
  auto* relay = reinterpret_cast<TWindowRelay*>(refData);
  LRESULT result;
  ++relay->Running;
  if (TSkinHook* hook = relay->Hook) {
    TMessage m{msg, wParam, lParam, 0};
    hook->WndProc(m);
    result = m.Result;
  } else {
    result = DefSubclassProc(window, msg, wParam, lParam);
  }
  --relay->Running;
  const bool windowGone = msg == WM_NCDESTROY;
  if (!windowGone && !relay->Remove) return result;
  // The window is gone, or the hook left while this message was under way: the relay goes.
  TSkinHook* hook = windowGone ? relay->Hook : nullptr;
  relay->Hook = nullptr;
  RemoveWindowSubclass(window, &TSkinHook::SubclassProc, id);
  if (hook) {
    hook->window_ = nullptr;
    hook->relay_ = nullptr;
  }
  if (relay->Running)
    relay->Remove = true;  // an outer call of this window's procedure frees it
  else
    delete relay;
  if (hook) hook->HookTargetGone();
  return result;
}
