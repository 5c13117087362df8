// The screen (forms in creation order, menu font, the program-wide cursor) and the
// application's additions: its hidden window from start-up, OnMessage, hints.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/hint_window.h"
#include "gui/screen.h"
#include "gui_test_support.h"

namespace {
std::vector<TCustomForm*> ScreenForms() {
  std::vector<TCustomForm*> list;
  for (int i = 0; i < Screen->FormCount(); ++i) list.push_back(Screen->Forms(i));
  return list;
}

BOOL CALLBACK FindApplicationWindow(HWND wnd, LPARAM found) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  if (std::wstring(name) == L"TApplication") *reinterpret_cast<HWND*>(found) = wnd;
  return TRUE;
}
}  // namespace

// First in the file: nothing has asked for the application window yet.
TEST(Application, ItsHiddenWindowExistsFromStartUpAndAnswersWithTheProgramIcon) {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindApplicationWindow, reinterpret_cast<LPARAM>(&found));
  ASSERT_NE(found, nullptr);
  EXPECT_FALSE(IsWindowVisible(found));
  EXPECT_NE(SendMessageW(found, WM_GETICON, ICON_BIG, 0), 0);
}

TEST(Screen, FormsAreListedInCreationOrderUntilTheyGo) {
  const size_t before = ScreenForms().size();
  auto* a = new TForm(nullptr);
  auto* b = new TForm(nullptr);
  auto* c = new TForm(nullptr);
  std::vector<TCustomForm*> forms = ScreenForms();
  EXPECT_EQ(std::vector<TCustomForm*>(forms.begin() + static_cast<std::ptrdiff_t>(before), forms.end()),
            (std::vector<TCustomForm*>{a, b, c}));
  delete b;
  forms = ScreenForms();
  EXPECT_EQ(std::vector<TCustomForm*>(forms.begin() + static_cast<std::ptrdiff_t>(before), forms.end()),
            (std::vector<TCustomForm*>{a, c}));
  delete a;
  delete c;
  EXPECT_EQ(ScreenForms().size(), before);
}

TEST(Screen, MenuFontIsTheSystemsAndTheHourglassCoversEveryControl) {
  EXPECT_FALSE(Screen->MenuFont()->Name().empty());
  EXPECT_NE(Screen->MenuFont()->Height(), 0);

  TForm form(nullptr);
  form.SetBounds(40, 40, 200, 100);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetCursor(crHandPoint);
  form.Show();
  auto cursorOver = [&](TWinControl* w) {
    SendMessageW(w->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(w->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(cursorOver(panel), LoadCursorW(nullptr, IDC_HAND));
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  EXPECT_EQ(cursorOver(panel), LoadCursorW(nullptr, IDC_WAIT));
  EXPECT_EQ(cursorOver(&form), LoadCursorW(nullptr, IDC_WAIT));
  Screen->SetCursor(crDefault);
  EXPECT_EQ(cursorOver(panel), LoadCursorW(nullptr, IDC_HAND));
}

TEST(Application, OnMessageSeesTheLoopsMessagesFirstAndCanKeepThemFromTheirWindow) {
  TForm form(nullptr);
  form.SetBounds(40, 40, 200, 100);
  form.Show();
  DragAcceptFiles(form.Handle(), TRUE);
  MessageRecorder hook(&form);
  std::vector<std::wstring> dropped;
  UINT seenPrivate = 0;
  Application->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message == WM_USER + 5) {
      seenPrivate = msg.message;
      handled = true;
    } else if (msg.message == WM_DROPFILES) {
      auto drop = reinterpret_cast<HDROP>(msg.wParam);
      UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        wchar_t name[MAX_PATH] = {};
        DragQueryFileW(drop, i, name, MAX_PATH);
        dropped.push_back(name);
      }
      DragFinish(drop);
      handled = true;
    }
  };
  PostMessageW(form.Handle(), WM_USER + 5, 0, 0);
  // A drop of two files, built as the shell builds it: DROPFILES, then the names, then a 0.
  const std::wstring names = std::wstring(L"C:\\a.txt") + L'\0' + L"C:\\b c.log" + L'\0' + L'\0';
  HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
  df->pFiles = sizeof(DROPFILES);
  df->fWide = TRUE;
  memcpy(reinterpret_cast<BYTE*>(df) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(mem);
  PostMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0);
  Pump(30);
  Application->OnMessage = nullptr;
  EXPECT_EQ(seenPrivate, static_cast<UINT>(WM_USER + 5));
  EXPECT_FALSE(hook.Saw(WM_USER + 5));
  EXPECT_EQ(dropped, (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\b c.log"}));
}

TEST(Hints, AControlsHintShowsAfterThePauseAndGoesOnAClick) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(100, 100, 300, 200);
  auto* quiet = new TPanel(&form);
  quiet->SetParent(&form);
  quiet->SetBounds(0, 0, 100, 100);
  quiet->SetHint(L"never shown");  // ShowHint is off
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(150, 50, 100, 100);
  panel->SetHint(L"Scans the registry for invalid entries");
  panel->SetShowHint(true);
  SetCursorPos(1100, 900);
  form.Show();
  Pump(30);
  Application->SetHintPause(20);
  THintWindow* hint = Application->HintWindow();

  auto moveTo = [](TWinControl* w) {
    POINT p = w->ClientToScreen(POINT{20, 20});
    SetCursorPos(p.x, p.y);
    PostMessageW(w->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  };
  moveTo(quiet);
  Pump(100);
  EXPECT_FALSE(IsWindowVisible(hint->Handle()));

  moveTo(panel);
  ASSERT_TRUE(PumpUntil([&] { return hint->HandleAllocated() && IsWindowVisible(hint->Handle()); }));
  EXPECT_EQ(hint->Caption(), panel->Hint());
  TRect needed = hint->CalcHintRect(300, panel->Hint());
  EXPECT_GE(hint->Width(), ::Width(needed));
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_GT(hint->Top(), cursor.y);  // below the cursor

  PostMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  PostMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(hint->Handle()); }));
  SetCursorPos(1100, 900);
  Application->SetHintPause(500);
}
