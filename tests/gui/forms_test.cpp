// Forms and windowed controls: window classes, the control atom, styles, sizes, alpha,
// modal showing, pages placed in panels, reflected notifications and WindowProc chains.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "gui/application.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "gui_test_support.h"

namespace {
class TfrmPage : public TForm {
  QS_FORM(TfrmPage)

 public:
  explicit TfrmPage(TComponent* owner) : TForm(owner) {}
  void WMPrivate(TMessage& m) {
    received.push_back(static_cast<int>(m.WParam));
    m.Result = 42;
  }
  std::vector<int> received;
};
QS_FORM_IMPL(TfrmPage, TForm, QS_MESSAGE(WM_USER + 100, WMPrivate))

std::wstring WindowClassOf(HWND wnd) {
  wchar_t name[256] = {};
  GetClassNameW(wnd, name, 256);
  return name;
}
}  // namespace

TEST(Forms, WindowClassIsTheFrameworkClassAndTheAtomFindsTheControl) {
  TfrmPage form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  HWND wnd = form.Handle();
  EXPECT_EQ(WindowClassOf(wnd), L"TfrmPage");
  EXPECT_EQ(WindowClassOf(panel->Handle()), L"TPanel");
  EXPECT_TRUE(IsWindowUnicode(wnd));
  // The lookup the skin engine makes on its own: GetProp with the global atom.
  wchar_t expected[64];
  swprintf(expected, 64, L"ControlOfs%08llX%08lX",
           static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
           static_cast<unsigned long>(GetCurrentThreadId()));
  EXPECT_EQ(ControlAtomName(), expected);
  ATOM atom = GlobalFindAtomW(ControlAtomName().c_str());
  ASSERT_NE(atom, 0);
  EXPECT_EQ(GetPropW(panel->Handle(), MAKEINTATOM(atom)), static_cast<TWinControl*>(panel));
  EXPECT_EQ(ControlFromHandle(wnd), &form);
  EXPECT_EQ(ControlFromHandle(GetDesktopWindow()), nullptr);
  // The window procedure is never replaced by the framework.
  WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
  form.SetColor(clWhite);
  form.SetCaption(L"changed");
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)), proc);
}

TEST(Forms, BorderStylesAndIconsGiveTheWindowStyles) {
  struct Case {
    TFormBorderStyle border;
    TBorderIcons icons;
    LONG_PTR present, absent;
  } cases[] = {
      {TFormBorderStyle::bsSingle, {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize}, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
       WS_THICKFRAME | WS_MAXIMIZEBOX},
      {TFormBorderStyle::bsSizeable, {TBorderIcon::biSystemMenu}, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, WS_MINIMIZEBOX},
      {TFormBorderStyle::bsNone, {TBorderIcon::biSystemMenu}, WS_POPUP, WS_CAPTION | WS_SYSMENU},
      {TFormBorderStyle::bsDialog, {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize}, WS_CAPTION | WS_SYSMENU,
       WS_MINIMIZEBOX | WS_THICKFRAME},
  };
  for (const Case& c : cases) {
    TForm form(nullptr);
    form.SetBorderStyle(c.border);
    form.SetBorderIcons(c.icons);
    LONG_PTR style = GetWindowLongPtrW(form.Handle(), GWL_STYLE);
    EXPECT_EQ(style & c.present, c.present) << static_cast<int>(c.border);
    EXPECT_EQ(style & c.absent, 0) << static_cast<int>(c.border);
    // Changing the border style afterwards makes the window again.
    form.SetBorderStyle(TFormBorderStyle::bsToolWindow);
    EXPECT_TRUE(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  }
}

TEST(Forms, ClientSizeAndScreenCentre) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  form.SetClientWidth(787);
  form.SetClientHeight(565);
  form.SetPosition(TPosition::poScreenCenter);
  form.Show();
  RECT client, window, area;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 787);
  EXPECT_EQ(client.bottom, 565);
  GetWindowRect(form.Handle(), &window);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_NEAR((window.left + window.right) / 2, (area.left + area.right) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, (area.top + area.bottom) / 2, 1);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  form.Hide();
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST(Forms, AlphaBlendMakesALayeredWindow) {
  TForm overlay(nullptr);
  overlay.SetBorderStyle(TFormBorderStyle::bsNone);
  overlay.SetColor(clBlack);
  overlay.SetAlphaBlend(true);
  overlay.SetAlphaBlendValue(180);
  overlay.SetBounds(10, 10, 200, 100);
  overlay.Show();
  HWND wnd = overlay.Handle();
  ASSERT_TRUE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 180);
  EXPECT_TRUE(flags & LWA_ALPHA);
  overlay.SetAlphaBlendValue(90);
  ASSERT_TRUE(GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 90);
  overlay.SetAlphaBlend(false);
  EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(Forms, AnMdiFormKeepsItsChildFormsInItsClientWindow) {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(TFormStyle::fsMDIForm);
  frame->SetBounds(40, 40, 480, 360);
  frame->Show();
  HWND client = frame->ClientHandle();
  ASSERT_TRUE(client);
  EXPECT_EQ(WindowClassOf(client), L"MDIClient");
  EXPECT_EQ(GetParent(client), frame->Handle());
  // The client fills the frame's client area, also after a resize.
  frame->SetBounds(40, 40, 520, 400);
  Pump(20);
  RECT inner, area;
  GetClientRect(frame->Handle(), &area);
  GetWindowRect(client, &inner);
  EXPECT_EQ(inner.right - inner.left, area.right);
  EXPECT_EQ(inner.bottom - inner.top, area.bottom);

  auto* one = new TForm(frame);
  one->SetFormStyle(TFormStyle::fsMDIChild);
  one->SetCaption(L"One");
  one->SetBounds(10, 10, 200, 150);
  one->Show();
  auto* two = new TForm(frame);
  two->SetFormStyle(TFormStyle::fsMDIChild);
  two->SetBounds(30, 30, 200, 150);
  two->Show();
  for (TForm* child : {one, two}) {
    EXPECT_EQ(GetParent(child->Handle()), client);
    EXPECT_TRUE(GetWindowLongPtrW(child->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  }
  // The client knows them: the one shown last is active, and maximizing one is the system's.
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)), two->Handle());
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one->Handle()), 0);
  EXPECT_TRUE(IsZoomed(one->Handle()));
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)), one->Handle());
  // A child freed leaves the client's list through the client.
  HWND gone = one->Handle();
  delete one;
  EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)), two->Handle());
  // Without an MDI form to live in, an MDI child form is an ordinary window.
  TForm lone(nullptr);
  lone.SetFormStyle(TFormStyle::fsMDIChild);
  EXPECT_FALSE(GetWindowLongPtrW(lone.Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_FALSE(GetWindowLongPtrW(lone.Handle(), GWL_STYLE) & WS_CHILD);
  delete frame;
}

TEST(Forms, APageIsABorderlessChildOfAPanel) {
  TForm mainForm(nullptr);
  mainForm.SetBounds(0, 0, 600, 400);
  auto* host = new TPanel(&mainForm);
  host->SetBevelOuter(TBevelCut::bvNone);
  host->SetParent(&mainForm);
  host->SetAlign(TAlign::alClient);
  mainForm.Show();
  auto* page = new TfrmPage(&mainForm);
  page->Handle();  // a top-level window first, as a page may have before it is placed
  page->SetBorderStyle(TFormBorderStyle::bsNone);
  page->SetParent(host);
  page->SetBounds(0, 0, 10, 10);
  page->SetAlign(TAlign::alClient);
  page->Show();
  HWND wnd = page->Handle();
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD);
  EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION);
  EXPECT_EQ(GetParent(wnd), host->Handle());
  EXPECT_EQ(page->Width(), host->ClientWidth());
  EXPECT_EQ(page->Height(), host->ClientHeight());
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_EQ(GetParentForm(page), &mainForm);
  // A second page brought to the front covers the first.
  auto* second = new TfrmPage(&mainForm);
  second->SetBorderStyle(TFormBorderStyle::bsNone);
  second->SetParent(host);
  second->SetAlign(TAlign::alClient);
  second->Show();
  page->Show();
  EXPECT_EQ(GetWindow(host->Handle(), GW_CHILD), wnd);
  EXPECT_EQ(host->Controls(host->ControlCount() - 1), page);
}

TEST(Forms, PrivateMessagesReachTheFormsHandlers) {
  TfrmPage form(nullptr);
  EXPECT_EQ(SendMessageW(form.Handle(), WM_USER + 100, 7, 0), 42);
  EXPECT_EQ(form.Perform(WM_USER + 100, 8), 42);
  EXPECT_EQ(form.received, (std::vector<int>{7, 8}));
}

TEST(Forms, ButtonClicksAreReflectedAndSetTheModalResult) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetCaption(L"&OK");
  ok->SetModalResult(mrOk);
  int clicks = 0;
  ok->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, ok);
    ++clicks;
  };
  auto* timer = new TTimer(&form);
  timer->SetInterval(30);
  // The click arrives as BN_CLICKED in the form's WM_COMMAND and comes back as CN_COMMAND.
  timer->OnTimer = [&](TObject*) {
    timer->SetEnabled(false);
    SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(form.Visible());
}

TEST(Forms, ModalFormsDisableTheOthersAndCloseCancels) {
  TForm owner(nullptr);
  owner.SetBounds(0, 0, 200, 200);
  owner.Show();
  TForm dialog(nullptr);
  dialog.SetBounds(20, 20, 100, 100);
  bool ownerWasDisabled = false;
  TTimer timer(nullptr);
  timer.SetInterval(30);
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    ownerWasDisabled = !IsWindowEnabled(owner.Handle());
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_TRUE(ownerWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_THROW(owner.ShowModal(), Exception);  // already visible
}

TEST(Forms, WindowProcChainsSeeMessagesOfWindowedAndWindowlessControls) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  MessageRecorder labelHook(label);
  label->SetCaption(L"hooked");
  EXPECT_TRUE(labelHook.Saw(CM_TEXTCHANGED));
  MessageRecorder formHook(&form);
  form.SetBounds(0, 0, 100, 100);
  form.Show();
  UpdateWindow(form.Handle());
  EXPECT_TRUE(formHook.Saw(WM_PAINT));
  // A windowless child is painted by its parent in z-order through its own chain.
  EXPECT_TRUE(labelHook.Saw(WM_PAINT));
}

TEST(Forms, AHookComesOutOfTheChainOnlyWhileItIsTheHead) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  const TWndMethod original = label->WindowProc;
  MessageRecorder first(label);
  MessageRecorder second(label);
  EXPECT_FALSE(first.Remove());  // `second` sits above it: taking it out would drop `second`
  EXPECT_TRUE(first.Installed());
  label->SetCaption(L"both");
  EXPECT_TRUE(first.Saw(CM_TEXTCHANGED));
  EXPECT_TRUE(second.Saw(CM_TEXTCHANGED));
  EXPECT_TRUE(second.Remove());
  EXPECT_FALSE(second.Remove());  // once only
  EXPECT_TRUE(first.Remove());
  EXPECT_TRUE(label->WindowProc == original);
  first.Clear();
  label->SetCaption(L"neither");
  EXPECT_FALSE(first.Saw(CM_TEXTCHANGED));
}

TEST(Forms, CloseHidesOrFrees) {
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 100, 100);
  form->Show();
  form->Close();  // caHide by default
  EXPECT_FALSE(form->Visible());
  form->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
  form->Show();
  form->Close();
  EXPECT_TRUE(PumpUntil([&] { return Application->ComponentCount() == 0; }));
}

TEST(Forms, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 300, 200);
  auto* edit = new TPanel(&form);  // something focusable that is not a button
  edit->SetParent(&form);
  edit->SetTabStop(true);
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = new TButton(&form);
  cancel->SetParent(&form);
  cancel->SetLeft(100);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  struct Case {
    WPARAM key;
    TModalResult expected;
  } cases[] = {{VK_RETURN, mrOk}, {VK_ESCAPE, mrCancel}};
  for (const Case& c : cases) {
    TTimer timer(nullptr);
    timer.SetInterval(30);
    timer.OnTimer = [&](TObject*) {
      timer.SetEnabled(false);
      PostMessageW(form.Handle(), WM_KEYDOWN, c.key, 0);
    };
    EXPECT_EQ(form.ShowModal(), c.expected);
  }
  // Tab moves through the controls that take it, in order, and wraps.
  form.Show();
  cancel->SetFocus();
  ASSERT_EQ(GetFocus(), cancel->Handle());
  PostMessageW(cancel->Handle(), WM_KEYDOWN, VK_TAB, 0);
  Pump(30);
  EXPECT_EQ(GetFocus(), edit->Handle());
  PostMessageW(edit->Handle(), WM_KEYDOWN, VK_TAB, 0);
  Pump(30);
  EXPECT_EQ(GetFocus(), ok->Handle());
}

TEST(Forms, NotificationNumbersAreTheClassicOnes) {
  struct Case {
    UINT actual, expected;
  } cases[] = {
      {CM_DIALOGKEY, 0xB005},   {CM_FOCUSCHANGED, 0xB007}, {CM_VISIBLECHANGED, 0xB00B}, {CM_ENABLEDCHANGED, 0xB00C},
      {CM_MOUSEENTER, 0xB013},  {CM_MOUSELEAVE, 0xB014},   {CM_EXIT, 0xB01B},           {CM_RELEASE, 0xB021},
      {CN_NOTIFY, 0xBC4E},      {CN_COMMAND, 0xBD11},      {CN_DRAWITEM, 0xBC2B},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
  // Every framework message stays clear of the skin engine's private range.
  for (UINT m : {CM_BASE, CM_RECREATEWND, CN_BASE, CN_COMMAND}) EXPECT_TRUE(m < 0x3401 || m > 0x3523);
}

TEST(Forms, NotificationsWithoutADataBlockAreLeftAlone) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  HWND wnd = form.Handle();
  EXPECT_EQ(SendMessageW(wnd, WM_NOTIFY, 0, 0), 0);
  EXPECT_EQ(SendMessageW(wnd, WM_DRAWITEM, 1, 0), 0);
  EXPECT_EQ(SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0), 0);
  EXPECT_TRUE(IsWindow(wnd));
}

// A box belongs to the visible top-level window its caller sits in: a control's form, the form
// that owns a page not yet placed, and the modal form above a window it disabled.
TEST(Forms, MessageBoxesBelongToTheVisibleTopLevelWindow) {
  TForm mainForm(nullptr);
  mainForm.SetBounds(0, 0, 400, 300);
  auto* button = new TButton(&mainForm);
  button->SetParent(&mainForm);
  mainForm.Show();
  auto* page = new TfrmPage(&mainForm);
  page->SetBorderStyle(TFormBorderStyle::bsNone);
  HWND main = mainForm.Handle();
  EXPECT_EQ(MessageBoxOwner(button->Handle()), main);
  EXPECT_EQ(MessageBoxOwner(page->Handle()), main);  // still a hidden top-level window

  TForm dialog(&mainForm);
  dialog.SetBounds(20, 20, 200, 100);
  TTimer timer(nullptr);
  timer.SetInterval(30);
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    ClearBoxes();
    MessageBoxShow(button->Handle(), L"from the disabled window", L"", MB_OK);
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  };
  dialog.ShowModal();
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].owner, dialog.Handle());
}
