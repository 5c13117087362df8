// Exceptions that escape an event handler end in the error box (or OnException), never in
// the system code that called the window procedure or the timer.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "gui/application.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "gui_test_support.h"

TEST(Exceptions, AHandlerExceptionReachesTheErrorBox) {
  Application->SetTitle(L"Quillstead v4.1");
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->OnClick = [](TObject*) { throw Exception(L"Access denied"); };
  ClearBoxes();
  HWND wnd = panel->Handle();
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, L"Access denied.");
  EXPECT_EQ(RecordedBoxes()[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(RecordedBoxes()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  // The window still works afterwards.
  EXPECT_TRUE(IsWindow(wnd));
  EXPECT_EQ(SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST(Exceptions, StandardAndUnknownExceptionsToo) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 50, 50);
  struct Case {
    std::function<void()> thrower;
    std::wstring expected;
  } cases[] = {
      {[] { throw std::runtime_error("disk full"); }, L"disk full."},
      {[] { throw 7; }, L"Unknown exception."},
      {[] { throw Exception(L"Ends with a stop."); }, L"Ends with a stop."},
  };
  for (const Case& c : cases) {
    form.OnClick = [&](TObject*) { c.thrower(); };
    ClearBoxes();
    SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    EXPECT_EQ(RecordedBoxes()[0].text, c.expected);
  }
}

TEST(Exceptions, TimerHandlerExceptionsAreCaughtToo) {
  TTimer timer(nullptr);
  timer.SetInterval(10);
  int fired = 0;
  timer.OnTimer = [&](TObject*) {
    ++fired;
    timer.SetEnabled(false);
    throw Exception(L"timer failed");
  };
  ClearBoxes();
  ASSERT_TRUE(PumpUntil([&] { return !RecordedBoxes().empty(); }));
  EXPECT_EQ(RecordedBoxes()[0].text, L"timer failed.");
  EXPECT_EQ(fired, 1);
}

TEST(Exceptions, OnExceptionReplacesTheBox) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 50, 50);
  std::vector<std::wstring> seen;
  TObject* sender = nullptr;
  Application->OnException = [&](TObject* s, const std::wstring& message) {
    sender = s;
    seen.push_back(message);
  };
  form.OnClick = [](TObject*) { throw Exception(L"handled elsewhere"); };
  ClearBoxes();
  SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  Application->OnException = nullptr;
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"handled elsewhere"}));
  EXPECT_EQ(sender, &form);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST(Exceptions, ShowInfoIsTheProgramsInformationBox) {
  ClearBoxes();
  EXPECT_EQ(ShowInfo(L"There are no update avaliable at this time."), IDOK);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(RecordedBoxes()[0].text, L"There are no update avaliable at this time.");
  EXPECT_EQ(RecordedBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
}
