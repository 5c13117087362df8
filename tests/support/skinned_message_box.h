// A real message box shown under a program's skin and answered with the mouse on its skinned
// buttons, from inside the box's own modal loop, as a user would answer it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "mouse_click.h"
#include "open_message_box.h"
#include "skin/skin_messages.h"

struct TSkinnedBoxCase {
  const char* Name;
  UINT Type;     // MB_OK, MB_YESNO ...
  int Click;     // the button's id (IDYES ...)
};

// What a test saw of an open box before it clicked.
struct TSkinnedBoxSeen {
  bool BoxSkinned = false;
  int Buttons = 0;
  int SkinnedButtons = 0;
  bool Clicked = false;
};

namespace skinned_box_detail {

inline bool IsPushButton(HWND w) {
  wchar_t name[16] = {};
  GetClassNameW(w, name, 16);
  return lstrcmpiW(name, L"Button") == 0;
}

inline std::vector<HWND> Buttons(HWND box) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsPushButton(child) && IsWindowVisible(child)) buttons.push_back(child);
  return buttons;
}

inline bool Skinned(HWND w) { return SendMessageW(w, SKM_QUERYSKINNED, 0, 0) == 1; }

// Runs the box's messages until the skin engine has taken the box and its buttons (it does so
// from a message it posts itself once the box is active), for at most two seconds.
inline void WaitForSkin(HWND box) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 2000) {
    bool all = Skinned(box);
    for (HWND b : Buttons(box)) all = all && Skinned(b);
    if (all) return;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

inline HWND& StrayBox() {
  static HWND box = nullptr;
  return box;
}

// Ends a box the click did not end, so a click gone astray fails the test instead of hanging it.
inline void CALLBACK EndStrayBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (IsWindow(StrayBox())) EndDialog(StrayBox(), 0);
}

}  // namespace skinned_box_detail

// Shows a box through `show` (which returns the box's answer), waits for its skin, records what
// is skinned and clicks the button of `c` with the mouse. Returns the answer.
inline int AnswerSkinnedBox(const std::function<int()>& show, const TSkinnedBoxCase& c, TSkinnedBoxSeen& seen) {
  UINT_PTR stray = 0;
  WhenMessageBoxOpens whenOpen([&](HWND box) {
    using namespace skinned_box_detail;
    WaitForSkin(box);
    seen.BoxSkinned = Skinned(box);
    for (HWND b : Buttons(box)) {
      ++seen.Buttons;
      if (Skinned(b)) ++seen.SkinnedButtons;
    }
    StrayBox() = box;
    const HWND target = GetDlgItem(box, c.Click);
    stray = SetTimer(nullptr, 0, target ? 3000 : 0, &EndStrayBox);
    if (!target) return;
    RECT r;
    GetWindowRect(target, &r);
    SetForegroundWindow(box);
    LeftClickAtScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    seen.Clicked = true;
  });
  const int answer = show();
  if (stray) KillTimer(nullptr, stray);
  skinned_box_detail::StrayBox() = nullptr;
  return answer;
}

// The cases both programs' boxes are shown with: each button kind they use, answered by a click
// on a button other than the default where there is one.
inline const std::vector<TSkinnedBoxCase>& SkinnedBoxCases() {
  static const std::vector<TSkinnedBoxCase> cases = {
      {"OK", MB_OK | MB_ICONINFORMATION, IDOK},
      {"Yes/No, No", MB_YESNO | MB_ICONQUESTION, IDNO},
      {"Yes/No, Yes", MB_YESNO | MB_ICONQUESTION, IDYES},
      {"Yes/No/Cancel, Cancel", MB_YESNOCANCEL | MB_ICONQUESTION, IDCANCEL},
      {"Yes/No/Cancel, No", MB_YESNOCANCEL | MB_ICONWARNING, IDNO},
  };
  return cases;
}

// Shows a box of each kind of SkinnedBoxCases() through `show` (given the box's type) and expects
// the box and every button of it skinned, and the clicked button's answer.
inline void ExpectEachBoxKindSkinnedAndAnswered(const std::function<int(UINT type)>& show) {
  for (const TSkinnedBoxCase& c : SkinnedBoxCases()) {
    SCOPED_TRACE(c.Name);
    TSkinnedBoxSeen seen;
    const int answer = AnswerSkinnedBox([&] { return show(c.Type); }, c, seen);
    EXPECT_TRUE(seen.BoxSkinned);
    EXPECT_GT(seen.Buttons, 0);
    EXPECT_EQ(seen.SkinnedButtons, seen.Buttons);
    EXPECT_TRUE(seen.Clicked);
    EXPECT_EQ(answer, c.Click);
  }
}
