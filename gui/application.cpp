#include "gui/application.h"

#include <algorithm>
#include <memory>

#include "base/exception.h"
#include "base/strings.h"
#include "gui/forms.h"
#include "gui/hint_window.h"
#include "gui/message_box.h"
#include "gui/timer.h"

namespace {
std::unique_ptr<TApplication> g_application(new TApplication(nullptr));

// The application window's own timers, far above the ids that TTimer objects get.
constexpr UINT_PTR kShowHintTimer = 0x7FFF0001, kHideHintTimer = 0x7FFF0002;
}  // namespace

TApplication* Application = g_application.get();

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info(L"TApplication", &TComponent::StaticClass(), nullptr, {});
  return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  // The hidden window exists from start-up (it answers WM_GETICON for the program); should the
  // system refuse it this early, Handle() tries again when it is needed.
  try {
    Handle();
  } catch (const Exception&) {
  }
}

TApplication::~TApplication() {
  DestroyComponents();
  FreeReleasedForms();
  if (handle_) DestroyWindow(handle_);
}

void TApplication::SetTitle(const std::wstring& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, title_.c_str());
}

HWND TApplication::Handle() {
  if (handle_) return handle_;
  static const bool registered = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = AppWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
    wc.lpszClassName = L"TApplication";
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  handle_ = CreateWindowExW(0, L"TApplication", title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!handle_) throw Exception(L"Error creating the application window (" + IntToStr(GetLastError()) + L")");
  return handle_;
}

LRESULT CALLBACK TApplication::AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER: {
      if (wParam == kShowHintTimer || wParam == kHideHintTimer) {
        KillTimer(wnd, wParam);
        if (wParam == kShowHintTimer)
          Application->ShowHintNow();
        else
          Application->CancelHint();
        return 0;
      }
      auto it = Application->timers_.find(wParam);
      if (it == Application->timers_.end()) return 0;
      TTimer* timer = it->second;
      TDispatchScope scope;
      try {
        timer->Timer();
      } catch (...) {
        Application->HandleException(nullptr);
      }
      return 0;
    }
    case WM_GETICON: {
      HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
      return reinterpret_cast<LRESULT>(icon ? icon : LoadIconW(nullptr, IDI_APPLICATION));
    }
    case WM_CLOSE:
      if (Application->mainForm_) Application->mainForm_->Close();
      return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove) return;
  if (component == mainForm_) mainForm_ = nullptr;
  if (component == hintWindow_) hintWindow_ = nullptr;
}

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (OnMessage) {
    bool handled = false;
    TDispatchScope scope;
    try {
      OnMessage(msg, handled);
    } catch (...) {
      HandleException(this);
      handled = true;
    }
    if (handled) {
      if (dispatchDepth_ == 0) FreeReleasedForms();
      return true;
    }
  }
  // A hint goes away as the user clicks or types.
  if (hintWindow_ && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN || msg.message == WM_LBUTTONDOWN ||
                      msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN))
    CancelHint();
  if (!IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (dispatchDepth_ == 0) FreeReleasedForms();
  return true;
}

bool TApplication::IsKeyMsg(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
      break;
    default:
      return false;
  }
  // The framework control the key is for: the window itself, or the control that a native
  // window (a combo box's edit) is part of.
  TWinControl* control = nullptr;
  for (HWND wnd = msg.hwnd; wnd && !control; wnd = (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD) ? GetParent(wnd) : nullptr)
    control = ControlFromHandle(wnd);
  if (!control) return false;
  TDispatchScope scope;
  try {
    return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
  } catch (...) {
    HandleException(control);
    return true;
  }
}

void TApplication::ProcessMessages() {
  // Stops at WM_QUIT too: a loop that pumps must see Terminated and end.
  while (!terminated_ && ProcessMessage()) {
  }
  if (dispatchDepth_ == 0) FreeReleasedForms();
}

void TApplication::HandleMessage() {
  if (ProcessMessage()) return;
  Idle();
  WaitMessage();
}

void TApplication::AddIdleHandler(TComponent* owner, std::function<void()> handler) {
  RemoveIdleHandler(owner);
  idleHandlers_.emplace_back(owner, std::move(handler));
}

void TApplication::RemoveIdleHandler(TComponent* owner) {
  for (auto it = idleHandlers_.begin(); it != idleHandlers_.end(); ++it)
    if (it->first == owner) {
      idleHandlers_.erase(it);
      return;
    }
}

void TApplication::Idle() {
  // A handler may add or remove handlers: each owner still present runs once.
  std::vector<TComponent*> owners;
  for (auto& h : idleHandlers_) owners.push_back(h.first);
  for (TComponent* owner : owners)
    for (auto& h : idleHandlers_)
      if (h.first == owner) {
        std::function<void()> handler = h.second;
        try {
          handler();
        } catch (...) {
          HandleException(owner);
        }
        break;
      }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleException(TObject* sender) {
  std::wstring message;
  try {
    throw;
  } catch (const Exception& e) {
    message = e.Message();
  } catch (const std::exception& e) {
    message = Utf8ToWide(e.what());
  } catch (...) {
    message = L"Unknown exception";
  }
  try {
    if (OnException)
      OnException(sender, message);
    else
      ShowException(message);
  } catch (...) {
    // An error in the error handler itself has nowhere else to go.
  }
}

void TApplication::ShowException(const std::wstring& message) {
  std::wstring text = message;
  if (!text.empty() && text.back() > L'.') text += L'.';
  MessageBoxShow(GetActiveWindow(), text, title_, MB_OK | MB_ICONSTOP);
}

void TApplication::ReleaseForm(TCustomForm* form) {
  if (std::find(released_.begin(), released_.end(), form) == released_.end()) released_.push_back(form);
  // Wakes a loop that waits for messages so the form goes soon.
  PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TApplication::CancelRelease(TCustomForm* form) {
  released_.erase(std::remove(released_.begin(), released_.end(), form), released_.end());
}

void TApplication::FreeReleasedForms() {
  while (!released_.empty()) {
    TCustomForm* form = released_.back();
    released_.pop_back();
    delete form;
  }
}

UINT_PTR TApplication::StartTimer(TTimer* timer, UINT interval) {
  UINT_PTR id = nextTimerId_++;
  if (!SetTimer(Handle(), id, interval, nullptr)) throw Exception(L"Not enough timers available");
  timers_[id] = timer;
  return id;
}

void TApplication::StopTimer(UINT_PTR id) {
  if (timers_.erase(id) && handle_) KillTimer(handle_, id);
}

void TApplication::SetShowHint(bool value) {
  showHint_ = value;
  if (!value) CancelHint();
}

THintWindow* TApplication::HintWindow() {
  if (!hintWindow_) hintWindow_ = new THintWindow(this);
  return hintWindow_;
}

void TApplication::CancelHint() {
  if (handle_) {
    KillTimer(handle_, kShowHintTimer);
    KillTimer(handle_, kHideHintTimer);
  }
  if (hintWindow_) hintWindow_->ReleaseHint();
}

void TApplication::HintMouseMessage(TControl* control) {
  if (control == hintWindow_) return;
  CancelHint();
  hintControl_ = control;
  hintControlAlive_ = control ? control->UntilFreedToken() : nullptr;
  if (control && showHint_ && control->ShowHint() && !control->Hint().empty())
    SetTimer(Handle(), kShowHintTimer, static_cast<UINT>(std::max(hintPause_, 1)), nullptr);
}

void TApplication::ShowHintNow() {
  if (!hintControl_ || !hintControlAlive_ || !*hintControlAlive_ || !showHint_) return;
  POINT p;
  GetCursorPos(&p);
  THintWindow* hint = HintWindow();
  TRect r = hint->CalcHintRect(300, hintControl_->Hint());
  // Below the cursor's hot spot, clear of the arrow.
  OffsetRect(&r, p.x, p.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4);
  hint->ActivateHint(r, hintControl_->Hint());
  SetTimer(Handle(), kHideHintTimer, static_cast<UINT>(std::max(hintHidePause_, 1)), nullptr);
}
