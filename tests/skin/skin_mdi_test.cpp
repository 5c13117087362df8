// A plain MDI frame skinned under Wine: its MDI client is subclassed beside it and let go again,
// the client's scroll bars follow the skin's option, maximizing a child puts the child's
// buttons into the frame's skinned bar where they act on the active child, the frame menu the
// client sets is shown by the skinned bar, and the children's regions follow maximizing.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/forms.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "synthetic_skin.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

constexpr UINT kFirstChild = 5000;

LRESULT CALLBACK ChildProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(w, msg, wParam, lParam);
}

// A Win32 MDI frame of our own module: File and Window menus, an MDI client listing its
// children in the Window menu, children of a class that leaves everything to the system.
struct MdiFrame {
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* frame = reinterpret_cast<MdiFrame*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
      frame = static_cast<MdiFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    if (msg == WM_CREATE) {
      CLIENTCREATESTRUCT ccs{frame->WindowMenu, kFirstChild};
      frame->Client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                      WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, w,
                                      nullptr, GetModuleHandleW(nullptr), &ccs);
    }
    return DefFrameProcW(w, frame ? frame->Client : nullptr, msg, wParam, lParam);
  }
  // Without a menu bar when withBar is false (the Window menu is made all the same).
  explicit MdiFrame(int x = 150, int y = 100, bool withBar = true) {
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registered) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Proc;
      wc.hInstance = instance;
      wc.lpszClassName = L"QsMdiFrame";
      wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
      RegisterClassW(&wc);
      wc.lpfnWndProc = &ChildProc;
      wc.lpszClassName = L"QsMdiChild";
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      RegisterClassW(&wc);
      registered = true;
    }
    Bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"&New");
    WindowMenu = CreatePopupMenu();
    AppendMenuW(WindowMenu, MF_STRING, 102, L"&Cascade");
    AppendMenuW(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(WindowMenu), L"&Window");
    Handle = CreateWindowExW(0, L"QsMdiFrame", L"Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, 480, 360,
                             nullptr, withBar ? Bar : nullptr, instance, this);
  }
  ~MdiFrame() {
    if (IsWindow(Handle)) DestroyWindow(Handle);
  }
  // A child made by the client (WM_MDICREATE), or by CreateMDIWindow.
  HWND AddChild(const wchar_t* title, bool throughCreateMdiWindow = false,
               DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND child;
    if (throughCreateMdiWindow) {
      child = CreateMDIWindowW(L"QsMdiChild", title, style, CW_USEDEFAULT, CW_USEDEFAULT, 200, 140, Client, instance, 0);
    } else {
      MDICREATESTRUCTW mcs{L"QsMdiChild", title, instance, CW_USEDEFAULT, CW_USEDEFAULT, 200, 140, style, 0};
      child = reinterpret_cast<HWND>(SendMessageW(Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    }
    return child;
  }
  HWND Active(bool* maximized = nullptr) const {
    BOOL max = FALSE;
    HWND active = reinterpret_cast<HWND>(SendMessageW(Client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&max)));
    if (maximized) *maximized = max != FALSE;
    return active;
  }

  HWND Handle = nullptr;
  HWND Client = nullptr;
  HMENU Bar = nullptr, WindowMenu = nullptr;
};

bool HasRegion(HWND w) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(w, region) != ERROR;
  DeleteObject(region);
  return has;
}

// A later subclass of a window through comctl32: counts what reaches it, passes everything on.
struct CountingSubclass {
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<CountingSubclass*>(data);
    self->Seen.push_back(msg);
    if (msg == WM_NCACTIVATE) self->NcActivate.push_back(wParam);
    return DefSubclassProc(w, msg, wParam, lParam);
  }
  explicit CountingSubclass(HWND w) : Window(w) { SetWindowSubclass(w, &Proc, 77, reinterpret_cast<DWORD_PTR>(this)); }
  ~CountingSubclass() {
    if (IsWindow(Window)) RemoveWindowSubclass(Window, &Proc, 77);
  }
  bool Saw(UINT msg) const {
    for (UINT m : Seen)
      if (m == msg) return true;
    return false;
  }
  HWND Window;
  std::vector<UINT> Seen;
  std::vector<WPARAM> NcActivate;
};

class SkinMdiTest : public testing::Test {
 protected:
  // The skin component sits on a hidden form; the frame is a window of our own module.
  void MakeSkin(TSkinOptions options = {}, bool synthetic = false) {
    host = new TForm(nullptr);
    host->SetBounds(0, 0, 100, 80);
    data = new TSkinData(host);
    data->ReadSkinStream(OurStoredSkin());
    data->SetOptions(options);
    data->Loaded();
    if (synthetic) synthetic_ = std::make_unique<TSyntheticSkin>(data->Elements);
    data->SetActive(true);
  }
  TWinSkinForm* SkinnerOf(HWND w) const { return SkinManager ? SkinManager->FindSkinForm(w) : nullptr; }
  bool Skinned(HWND w) {
    return PumpUntil([&] {
      TWinSkinForm* skinner = SkinnerOf(w);
      return skinner && skinner->SkinState == TSkinState::Active;
    });
  }
  // Shows a frame and waits until it is skinned.
  bool ShowFrame(MdiFrame& f) {
    ShowWindow(f.Handle, SW_SHOW);
    SetForegroundWindow(f.Handle);
    return Skinned(f.Handle);
  }
  // Switches skinning off or on and waits for the command to have run.
  void SwitchSkin(bool on) {
    int changed = 0;
    data->OnSkinChanged = [&changed](TObject*) { ++changed; };
    data->SetActive(on);
    PumpUntil([&] { return changed == 1; });
    data->OnSkinChanged = nullptr;
  }
  // The frame's visible MDI child button with that action, or nullptr.
  TWinSysButton* MdiButton(TWinSkinForm* frame, int action) {
    for (auto& b : frame->CaptionButtons)
      if (b->Element->Action == action && b->Element->Visibility == 100 && b->Visible) return b.get();
    return nullptr;
  }
  // A click on a non-client object, at its centre, as the system sends it.
  void ClickAt(HWND w, const RECT& r) {
    RECT window;
    GetWindowRect(w, &window);
    const LPARAM point = MAKELPARAM(window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2);
    const LRESULT hit = SendMessageW(w, WM_NCHITTEST, 0, point);
    SendMessageW(w, WM_NCLBUTTONDOWN, hit, point);
    SendMessageW(w, WM_NCLBUTTONUP, hit, point);
    Pump(50);
  }
  // Everything goes: the frame, the component and the manager (also between table rows).
  void TearDown() override {
    frame.reset();
    delete host;
    host = nullptr;
    FreeSkinManager();
  }

  TForm* host = nullptr;
  TSkinData* data = nullptr;
  std::unique_ptr<MdiFrame> frame;
  std::unique_ptr<TSyntheticSkin> synthetic_;
};

TEST_F(SkinMdiTest, TheClientIsSubclassedBesideTheFrameAndLetGoOnUnskinAndWhenDestroyed) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>();
  ASSERT_TRUE(ShowFrame(*frame));
  TWinSkinForm* skinner = SkinnerOf(frame->Handle);
  EXPECT_EQ(skinner->MdiKind, TMdiKind::Frame);
  EXPECT_EQ(skinner->MdiClient(), frame->Client);
  EXPECT_TRUE(skinner->MdiClientHooked());
  EXPECT_EQ(SkinManager->MdiClientWindow, frame->Client);
  EXPECT_EQ(SkinManager->MdiFrameForm, nullptr);  // a plain window has no framework form

  // A subclass that came after ours, and one that went round comctl32.
  CountingSubclass later(frame->Client);
  // The frame's activation is passed to its client, as the frame's default would.
  SendMessageW(frame->Handle, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(frame->Handle, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(later.NcActivate, (std::vector<WPARAM>{FALSE, TRUE}));

  SwitchSkin(false);
  EXPECT_EQ(SkinnerOf(frame->Handle), nullptr);
  EXPECT_EQ(SkinManager->MdiClientWindow, nullptr);
  // The later subclass and the client itself go on working.
  HWND child = frame->AddChild(L"After");
  ASSERT_TRUE(child);
  EXPECT_EQ(frame->Active(), child);
  EXPECT_TRUE(later.Saw(WM_MDICREATE));
  later.Seen.clear();
  SendMessageW(frame->Client, WM_MDICASCADE, 0, 0);
  EXPECT_TRUE(later.Saw(WM_MDICASCADE));

  // Skinned again, then destroyed: the manager forgets the client with it.
  SwitchSkin(true);
  ShowWindow(frame->Handle, SW_HIDE);
  ASSERT_TRUE(ShowFrame(*frame));
  EXPECT_EQ(SkinManager->MdiClientWindow, frame->Client);
  DestroyWindow(frame->Handle);
  EXPECT_EQ(SkinManager->MdiClientWindow, nullptr);
  EXPECT_EQ(SkinManager->MdiFrameForm, nullptr);
  Pump(100);
}

TEST_F(SkinMdiTest, WhenOneOfTwoFramesGoesTheManagerNamesTheOtherFramesClient) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>(100, 80);
  ASSERT_TRUE(ShowFrame(*frame));
  auto second = std::make_unique<MdiFrame>(200, 160);
  ASSERT_TRUE(ShowFrame(*second));
  EXPECT_EQ(SkinManager->MdiClientWindow, second->Client);
  second->AddChild(L"Merged");
  EXPECT_FALSE(data->MenuUpdate());
  second.reset();
  EXPECT_TRUE(data->MenuUpdate());  // given back with the frame that switched it off
  EXPECT_EQ(SkinManager->MdiClientWindow, frame->Client);
  // A maximized child of the remaining frame still has its frame drawn again through it.
  HWND child = frame->AddChild(L"One");
  SendMessageW(frame->Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump(100);
  EXPECT_TRUE(IsZoomed(child));
}

TEST_F(SkinMdiTest, TheClientsScrollBarsGoWithTheSkinFrameUnlessTheOptionKeepsThem) {
  for (bool keep : {false, true}) {
    SCOPED_TRACE(keep ? "xoMDIScrollbar" : "no option");
    MakeSkin(keep ? TSkinOptions{TSkinOption::xoMDIScrollbar} : TSkinOptions{});
    frame = std::make_unique<MdiFrame>();
    ASSERT_TRUE(ShowFrame(*frame));
    RECT before;
    GetClientRect(frame->Client, &before);
    // The client shows its bars when its children reach beyond it. Wine's client hides them
    // once at creation and then only updates bars its style already has, so they are shown
    // here as the client itself shows them.
    ShowScrollBar(frame->Client, SB_BOTH, TRUE);
    Pump(50);
    const LONG_PTR style = GetWindowLongPtrW(frame->Client, GWL_STYLE);
    RECT after;
    GetClientRect(frame->Client, &after);
    if (keep) {
      EXPECT_EQ(style & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
      EXPECT_EQ(after.right, before.right - GetSystemMetrics(SM_CXVSCROLL));
    } else {
      EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
      EXPECT_EQ(after.right, before.right);
      EXPECT_EQ(after.bottom, before.bottom);
    }
    TearDown();
  }
}

TEST_F(SkinMdiTest, AMaximizedChildsButtonsStandInTheFramesBarAndActOnTheActiveChild) {
  MakeSkin({}, true);
  frame = std::make_unique<MdiFrame>();
  ASSERT_TRUE(ShowFrame(*frame));
  TWinSkinForm* skinner = SkinnerOf(frame->Handle);
  ASSERT_TRUE(skinner->MenuBar);
  HWND one = frame->AddChild(L"One");
  HWND two = frame->AddChild(L"Two", true);
  ASSERT_TRUE(one && two);
  ASSERT_TRUE(Skinned(one) && Skinned(two));
  EXPECT_EQ(SkinnerOf(two)->MdiKind, TMdiKind::Child);
  EXPECT_FALSE(SkinManager->MdiMaximized(frame->Client));
  EXPECT_EQ(MdiButton(skinner, 8), nullptr);

  // Maximized from its own caption button, as a user does.
  TWinSkinForm* childSkinner = SkinnerOf(two);
  TWinSysButton* maximize = nullptr;
  for (auto& b : childSkinner->CaptionButtons)
    if (b->Element->Action == 1 && b->Visible) maximize = b.get();
  ASSERT_NE(maximize, nullptr);
  ClickAt(two, maximize->Rect);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(two) != FALSE; }));
  EXPECT_TRUE(SkinManager->MdiMaximized(frame->Client));
  EXPECT_FALSE(HasRegion(two));
  EXPECT_FALSE(HasRegion(one));
  EXPECT_EQ(GetMenu(frame->Handle), nullptr);  // the system's bar does not come back with it

  // The three buttons are drawn at the right end of the skinned bar.
  SendMessageW(frame->Handle, SKM_REPAINTNC, 0, 0);
  RECT window;
  GetWindowRect(frame->Handle, &window);
  for (int action : {7, 8, 9}) {
    TWinSysButton* button = MdiButton(skinner, action);
    ASSERT_NE(button, nullptr) << action;
    const RECT& r = button->Rect;
    EXPECT_GE(r.top, skinner->BorderTop);
    EXPECT_LE(r.bottom, skinner->BorderTop + skinner->MenuBarHeight);
    EXPECT_GT(r.left, window.right - window.left - 80);
    EXPECT_EQ(ScreenPixel(window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2),
              synthetic_->Colour(button->Element, 1))
        << action;
  }
  // The bar's items keep clear of them.
  for (auto& item : skinner->MenuBar->Items) {
    if (!item->Caption.empty()) {
      EXPECT_LT(item->Rect.right, MdiButton(skinner, 7)->Rect.left);
    }
  }

  // Restore: the active child is shown normal again and maximizing is off.
  ClickAt(frame->Handle, MdiButton(skinner, 8)->Rect);
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(two); }));
  EXPECT_FALSE(SkinManager->MdiMaximized(frame->Client));
  EXPECT_TRUE(HasRegion(two));
  EXPECT_EQ(MdiButton(skinner, 8), nullptr);
  SendMessageW(frame->Handle, SKM_REPAINTNC, 0, 0);

  // Minimize the maximized active child.
  SendMessageW(frame->Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(two), 0);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(two) != FALSE; }));
  SendMessageW(frame->Handle, SKM_REPAINTNC, 0, 0);
  ASSERT_NE(MdiButton(skinner, 7), nullptr);
  ClickAt(frame->Handle, MdiButton(skinner, 7)->Rect);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(two) != FALSE; }));

  // Close the maximized active child: it goes, and maximizing follows what is left.
  SendMessageW(frame->Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one), 0);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(one) != FALSE; }));
  SendMessageW(frame->Handle, SKM_REPAINTNC, 0, 0);
  ASSERT_NE(MdiButton(skinner, 9), nullptr);
  ClickAt(frame->Handle, MdiButton(skinner, 9)->Rect);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(one); }));
  bool maximized = true;
  frame->Active(&maximized);
  EXPECT_EQ(SkinManager->MdiMaximized(frame->Client), maximized);
}

TEST_F(SkinMdiTest, TileAndCascadeSwitchMaximizingOffAndTheChildrenGetTheirRegionsBack) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>();
  ASSERT_TRUE(ShowFrame(*frame));
  HWND one = frame->AddChild(L"One");
  HWND two = frame->AddChild(L"Two");
  ASSERT_TRUE(Skinned(one) && Skinned(two));
  for (UINT arrange : {WM_MDICASCADE, WM_MDITILE}) {
    SendMessageW(frame->Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(two), 0);
    ASSERT_TRUE(PumpUntil([&] { return SkinManager->MdiMaximized(frame->Client); })) << arrange;
    EXPECT_FALSE(HasRegion(one));
    SendMessageW(frame->Client, arrange, 0, 0);
    Pump(100);
    EXPECT_FALSE(SkinManager->MdiMaximized(frame->Client)) << arrange;
    EXPECT_FALSE(IsZoomed(two)) << arrange;
    EXPECT_TRUE(HasRegion(one)) << arrange;
    EXPECT_TRUE(HasRegion(two)) << arrange;
  }
}

// Each frame's children have their own maximizing: a child maximized in one frame takes no
// region from another frame's children, and arranging one frame's client gives only its own
// children their regions back.
TEST_F(SkinMdiTest, TwoFramesMaximizeTileAndCascadeTheirOwnChildrenOnly) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>(100, 80);
  ASSERT_TRUE(ShowFrame(*frame));
  HWND one = frame->AddChild(L"One");
  HWND two = frame->AddChild(L"Two");
  HWND small = frame->AddChild(L"Small");
  ASSERT_TRUE(Skinned(one) && Skinned(two) && Skinned(small));
  SendMessageW(small, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(small) != FALSE; }));
  auto second = std::make_unique<MdiFrame>(200, 160);
  ASSERT_TRUE(ShowFrame(*second));
  HWND big = second->AddChild(L"Big", false, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MAXIMIZE);
  ASSERT_TRUE(Skinned(big));
  ASSERT_TRUE(SkinManager->MdiMaximized(second->Client));
  EXPECT_FALSE(SkinManager->MdiMaximized(frame->Client));
  EXPECT_TRUE(HasRegion(one));
  EXPECT_TRUE(HasRegion(two));
  for (UINT arrange : {WM_MDICASCADE, WM_MDITILE}) {
    SCOPED_TRACE(arrange == WM_MDITILE ? "tile" : "cascade");
    SendMessageW(frame->Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(two), 0);
    ASSERT_TRUE(PumpUntil([&] { return SkinManager->MdiMaximized(frame->Client); }));
    EXPECT_FALSE(HasRegion(one));
    EXPECT_FALSE(HasRegion(two));
    SendMessageW(frame->Client, arrange, 0, 0);
    Pump(100);
    EXPECT_FALSE(SkinManager->MdiMaximized(frame->Client));
    EXPECT_FALSE(IsZoomed(two));
    EXPECT_TRUE(HasRegion(one));
    EXPECT_TRUE(HasRegion(two));
    // A minimized child keeps no region when maximizing goes off.
    EXPECT_TRUE(IsIconic(small));
    EXPECT_FALSE(HasRegion(small));
    // The other frame's child stays maximized, without a region.
    EXPECT_TRUE(SkinManager->MdiMaximized(second->Client));
    EXPECT_TRUE(IsZoomed(big));
    EXPECT_FALSE(HasRegion(big));
  }
}

TEST_F(SkinMdiTest, AChildCreatedMaximizedSwitchesMaximizingOnAndItsButtonsShowInTheBar) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>();
  ASSERT_TRUE(ShowFrame(*frame));
  HWND child = frame->AddChild(L"Big", false, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MAXIMIZE);
  ASSERT_TRUE(Skinned(child));
  EXPECT_TRUE(IsZoomed(child));
  EXPECT_TRUE(SkinManager->MdiMaximized(frame->Client));
  EXPECT_FALSE(HasRegion(child));
  SendMessageW(frame->Handle, SKM_REPAINTNC, 0, 0);
  EXPECT_NE(MdiButton(SkinnerOf(frame->Handle), 9), nullptr);
  // Destroying it leaves no maximized child: maximizing goes off.
  SendMessageW(frame->Client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(SkinManager->MdiMaximized(frame->Client));
}

TEST_F(SkinMdiTest, AFrameGoingWithAMaximizedChildLeavesTheOtherFramesChildrenFollowingTheirSizes) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>(100, 80);
  ASSERT_TRUE(ShowFrame(*frame));
  HWND child = frame->AddChild(L"Stays");
  ASSERT_TRUE(Skinned(child));
  auto second = std::make_unique<MdiFrame>(200, 160);
  ASSERT_TRUE(ShowFrame(*second));
  HWND big = second->AddChild(L"Big", false, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MAXIMIZE);
  ASSERT_TRUE(Skinned(big));
  ASSERT_TRUE(SkinManager->MdiMaximized(second->Client));
  // The frame goes with its maximized child; the children left are not maximized.
  const HWND secondClient = second->Client;
  second.reset();
  EXPECT_FALSE(SkinManager->MdiMaximized(frame->Client));
  EXPECT_FALSE(SkinManager->MdiMaximized(secondClient));
  // A child resized gets a region of its new size.
  SetWindowPos(child, nullptr, 0, 0, 300, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(50);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(child, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(box.right, 300);
  EXPECT_EQ(box.bottom, 210);
  // The last frame going with its maximized child leaves maximizing off for the next frame.
  SendMessageW(frame->Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  ASSERT_TRUE(PumpUntil([&] { return SkinManager->MdiMaximized(frame->Client); }));
  const HWND client = frame->Client;
  frame.reset();
  EXPECT_FALSE(SkinManager->MdiMaximized(client));
}

TEST_F(SkinMdiTest, TheFrameMenuTheClientSetsIsShownByTheSkinnedBarAndTheLastChildGoingRebuildsIt) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>();
  ASSERT_TRUE(ShowFrame(*frame));
  TWinSkinForm* skinner = SkinnerOf(frame->Handle);
  ASSERT_TRUE(skinner->MenuBar);
  ASSERT_TRUE(data->MenuUpdate());

  HWND child = frame->AddChild(L"One");
  ASSERT_TRUE(child);
  EXPECT_FALSE(data->MenuUpdate());  // children's menus are being merged

  HMENU other = CreateMenu();
  AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Alpha");
  AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Beta");
  AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(frame->WindowMenu), L"&Window");
  SendMessageW(frame->Client, WM_MDISETMENU, reinterpret_cast<WPARAM>(other), reinterpret_cast<LPARAM>(frame->WindowMenu));
  EXPECT_EQ(GetMenu(frame->Handle), nullptr);
  EXPECT_EQ(skinner->MenuBar->NativeMenu, other);
  std::vector<std::wstring> captions;
  for (auto& item : skinner->MenuBar->Items) captions.push_back(item->Caption);
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"&Alpha", L"&Beta", L"&Window"}));
  EXPECT_GT(skinner->MenuBar->Items[1]->Rect.left, skinner->MenuBar->Items[0]->Rect.left);

  // The menu changes while the child lives; when the last child goes the bar reads it again.
  ModifyMenuW(other, 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(GetSubMenu(other, 1)), L"&Gamma");
  EXPECT_EQ(skinner->MenuBar->Items[1]->Caption, L"&Beta");
  SendMessageW(frame->Client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(skinner->MenuBar->Items[1]->Caption, L"&Gamma");
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_EQ(GetMenu(frame->Handle), nullptr);

  // Unskinned, the frame gets the menu the client set last; the component's setting, switched
  // off again by a new child, is given back with the frame.
  frame->AddChild(L"Two");
  EXPECT_FALSE(data->MenuUpdate());
  SwitchSkin(false);
  EXPECT_EQ(GetMenu(frame->Handle), other);
  EXPECT_TRUE(data->MenuUpdate());
}

TEST_F(SkinMdiTest, AFrameWithoutABarThatIsGivenAMenuByItsClientGetsASkinnedBar) {
  MakeSkin();
  frame = std::make_unique<MdiFrame>(150, 100, false);
  ASSERT_TRUE(ShowFrame(*frame));
  TWinSkinForm* skinner = SkinnerOf(frame->Handle);
  ASSERT_FALSE(skinner->MenuBar);
  RECT client;
  GetClientRect(frame->Handle, &client);
  SendMessageW(frame->Client, WM_MDISETMENU, reinterpret_cast<WPARAM>(frame->Bar),
               reinterpret_cast<LPARAM>(frame->WindowMenu));
  // The menu is neither lost nor left to the system: the skinned bar shows it.
  EXPECT_EQ(GetMenu(frame->Handle), nullptr);
  ASSERT_TRUE(skinner->MenuBar);
  ASSERT_EQ(skinner->MenuBar->Items.size(), 2u);
  EXPECT_EQ(skinner->MenuBar->Items[0]->Caption, L"&File");
  RECT after;
  GetClientRect(frame->Handle, &after);
  EXPECT_EQ(after.bottom, client.bottom - skinner->MenuBarHeight);
  SwitchSkin(false);
  EXPECT_EQ(GetMenu(frame->Handle), frame->Bar);
}

TEST_F(SkinMdiTest, ChildrenKeepTheirNativeFramesAndNoRegionWithTheChildBorderOption) {
  for (bool native : {false, true}) {
    SCOPED_TRACE(native ? "xoMDIChildBorder" : "skinned child frames");
    MakeSkin(native ? TSkinOptions{TSkinOption::xoMDIChildBorder} : TSkinOptions{});
    frame = std::make_unique<MdiFrame>();
    ASSERT_TRUE(ShowFrame(*frame));
    HWND child = frame->AddChild(L"One");
    ASSERT_TRUE(Skinned(child));
    TWinSkinForm* skinner = SkinnerOf(child);
    EXPECT_EQ(skinner->FrameSkinned, !native);
    EXPECT_EQ(HasRegion(child), !native);
    RECT before;
    GetClientRect(child, &before);

    SendMessageW(frame->Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(child) != FALSE; }));
    Pump(100);
    EXPECT_FALSE(HasRegion(child));
    SendMessageW(frame->Client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(child); }));
    Pump(100);
    EXPECT_EQ(HasRegion(child), !native);
    RECT after;
    GetClientRect(child, &after);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
    TearDown();
  }
}

TEST_F(SkinMdiTest, AFrameworkFramesMaximizedChildHasTheFrameDrawnAgainAndTheFormIsForgottenWithIt) {
  auto* frameForm = new TForm(nullptr);
  frameForm->SetFormStyle(TFormStyle::fsMDIForm);
  frameForm->SetCaption(L"Frame");
  frameForm->SetBounds(150, 100, 480, 360);
  data = new TSkinData(frameForm);
  data->ReadSkinStream(OurStoredSkin());
  data->Loaded();
  data->SetActive(true);
  frameForm->Show();
  SetForegroundWindow(frameForm->Handle());
  ASSERT_TRUE(Skinned(frameForm->Handle()));
  EXPECT_EQ(SkinManager->MdiFrameForm, frameForm);
  EXPECT_EQ(SkinManager->MdiClientWindow, frameForm->ClientHandle());

  auto* child = new TForm(frameForm);
  child->SetFormStyle(TFormStyle::fsMDIChild);
  child->SetCaption(L"Child");
  child->SetBounds(10, 10, 220, 140);
  child->Show();
  ASSERT_TRUE(Skinned(child->Handle()));
  SendMessageW(frameForm->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Handle()), 0);
  ASSERT_TRUE(PumpUntil([&] { return SkinnerOf(child->Handle())->ShowState == kShowMaximized; }));
  // A new caption of the maximized child shows in the frame's caption: the frame is drawn again.
  CountingSubclass client(frameForm->ClientHandle());
  child->SetCaption(L"Renamed");
  EXPECT_TRUE(PumpUntil([&] { return client.Saw(SKM_MDIREDRAW); }));

  delete frameForm;
  EXPECT_EQ(SkinManager->MdiFrameForm, nullptr);
  EXPECT_EQ(SkinManager->MdiClientWindow, nullptr);
}

}  // namespace
