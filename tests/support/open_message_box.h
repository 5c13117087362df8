// The real message box a test lets the program show: found while it is open, and acted on from
// inside its own modal loop (a thread timer runs there), as a user would answer it.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

// The visible message box of this thread, or null.
inline HWND OpenMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM param) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(w, name, 16);
        if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(param) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Runs `act` once on the next message box this thread shows, from inside the box's modal loop.
// `act` should close the box (posting a key or a command to it); the object stops waiting when
// it goes.
class WhenMessageBoxOpens {
 public:
  explicit WhenMessageBoxOpens(std::function<void(HWND box)> act) {
    Act() = std::move(act);
    timer_ = SetTimer(nullptr, 0, 30, &WhenMessageBoxOpens::Tick);
  }
  ~WhenMessageBoxOpens() {
    if (timer_) KillTimer(nullptr, timer_);
    Act() = nullptr;
  }
  WhenMessageBoxOpens(const WhenMessageBoxOpens&) = delete;
  WhenMessageBoxOpens& operator=(const WhenMessageBoxOpens&) = delete;

 private:
  static std::function<void(HWND)>& Act() {
    static std::function<void(HWND)> act;
    return act;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = OpenMessageBox();
    if (!box || !Act()) return;
    KillTimer(nullptr, id);
    std::function<void(HWND)> act = std::move(Act());
    Act() = nullptr;
    act(box);
  }

  UINT_PTR timer_ = 0;
};

// Presses Enter on an open box, as the keyboard would: its default button answers.
inline void PressEnter(HWND box) {
  PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageW(box, WM_KEYUP, VK_RETURN, 0xC0000000);
}
