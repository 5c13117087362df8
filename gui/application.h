// The application object: title, main form, message loop, the hidden "TApplication" window,
// timers, deferred freeing of released forms and the default error box.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/classes.h"

class TControl;
class TCustomForm;
class THintWindow;
class TTimer;

// Sees a message of the loop before anything else; Handled set keeps it from going further.
using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;

class TApplication : public TComponent {
  QS_CLASS(TApplication)

 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title);
  // The hidden window of class "TApplication"; it answers WM_GETICON with the program icon.
  HWND Handle();

  TCustomForm* MainForm() const { return mainForm_; }
  // Creates a form owned by the application; the first one becomes the main form.
  template <class F>
  void CreateForm(F*& reference) {
    reference = new F(this);
    if (!mainForm_) mainForm_ = reference;
  }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles every waiting message and returns; safe when windows close meanwhile.
  void ProcessMessages();
  // Handles one message, or, finding none, does the idle work and waits for one.
  void HandleMessage();
  // Work for the moments the queue is empty (action lists update their actions), one per
  // component that asks.
  void AddIdleHandler(TComponent* owner, std::function<void()> handler);
  void RemoveIdleHandler(TComponent* owner);
  // Runs the idle work now.
  void Idle();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Called with the exception in flight (inside a catch block): OnException when assigned,
  // else the error box. Never lets the exception go further.
  void HandleException(TObject* sender);
  void ShowException(const std::wstring& message);
  std::function<void(TObject* Sender, const std::wstring& Message)> OnException;

  // Frees the form once no handler is running any more (what TCustomForm::Release uses).
  void ReleaseForm(TCustomForm* form);
  // A released form that was freed some other way meanwhile is forgotten.
  void CancelRelease(TCustomForm* form);

  // Timers run through the application window.
  UINT_PTR StartTimer(TTimer* timer, UINT interval);
  void StopTimer(UINT_PTR id);

  // Every message the loop takes goes here first (files dropped on a window that called
  // DragAcceptFiles arrive as WM_DROPFILES).
  TMessageEvent OnMessage;

  // Hints: a control's Hint shows HintPause ms after the mouse comes to rest on it, for
  // HintHidePause ms, when both ShowHint (here and on the control) are on.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int ms) { hintPause_ = ms; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms) { hintHidePause_ = ms; }
  // The window showing hints (made when first needed).
  THintWindow* HintWindow();
  void CancelHint();
  // The control under the mouse changed (TControl calls it).
  void HintMouseMessage(TControl* control);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TDispatchScope;
  static LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool ProcessMessage();
  // Key messages go to their control first as CN_KEYDOWN ... CN_SYSCHAR (key events, dialog
  // keys, accelerators); true when it used the key up.
  bool IsKeyMsg(const MSG& msg);
  void FreeReleasedForms();
  void ShowHintNow();

  std::wstring title_;
  HWND handle_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  int dispatchDepth_ = 0;
  std::vector<TCustomForm*> released_;
  std::map<UINT_PTR, TTimer*> timers_;
  UINT_PTR nextTimerId_ = 1;
  std::vector<std::pair<TComponent*, std::function<void()>>> idleHandlers_;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  THintWindow* hintWindow_ = nullptr;
  TControl* hintControl_ = nullptr;
  std::shared_ptr<bool> hintControlAlive_;
};

extern TApplication* Application;

// Counts a running window procedure for the time of its scope.
class TDispatchScope {
 public:
  TDispatchScope() { ++Application->dispatchDepth_; }
  ~TDispatchScope() { --Application->dispatchDepth_; }
  TDispatchScope(const TDispatchScope&) = delete;
  TDispatchScope& operator=(const TDispatchScope&) = delete;
};
