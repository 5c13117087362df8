// Windows skinned under Wine drawing the frames: the skin component and the manager attach a
// window skinner when a form is activated; frames, region, hit tests, caption buttons,
// commands and the refusal rules are checked on real windows.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include <memory>

#include "gui/application.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/std_ctrls.h"
#include "gui/forms.h"
#include "gui/menus.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "synthetic_skin.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"
#include "skin/skin_popup_menu.h"

namespace {

// Our skin: 4-pixel side and bottom borders, a 30-pixel title, rounded top corners.
constexpr int kBorder = 4, kTitle = 30;
constexpr COLORREF kTitleActive = RGB(32, 52, 78);

RECT WindowRectOf(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}
RECT ClientRectOf(HWND w) {
  RECT r;
  GetClientRect(w, &r);
  return r;
}

class SkinWindowTest : public testing::Test {
 protected:
  // A form with a caption, all caption boxes and a 300 x 200 client area, with a main skin
  // component carrying our skin. The form is not shown yet.
  void MakeForm(int tag = 0, TSkinOptions options = {TSkinOption::xoCaptionButtonHint}) {
    form = new TForm(nullptr);
    form->SetCaption(L"T");
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    form->SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
    form->SetTag(tag);
    form->SetBounds(120, 100, 320, 260);
    form->Handle();
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    data->SetOptions(options);
    data->Loaded();
    data->SetActive(true);
    nativeWindow = WindowRectOf(form->Handle());
  }
  TWinSkinForm* Skinner() const { return SkinManager ? SkinManager->FindSkinForm(form->Handle()) : nullptr; }
  bool ShowSkinned() {
    form->Show();
    return PumpUntil([this] { return Skinner() && Skinner()->SkinState == TSkinState::Active; });
  }
  void TearDown() override {
    delete form;
    FreeSkinManager();
  }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  RECT nativeWindow{};
};

TEST_F(SkinWindowTest, ActivatedFormGetsTheSkinFrameAroundItsOwnClientArea) {
  MakeForm();
  ASSERT_FALSE(data->NoSkin);
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  RECT client = ClientRectOf(w), window = WindowRectOf(w);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  EXPECT_EQ(window.right - window.left, 300 + 2 * kBorder);
  EXPECT_EQ(window.bottom - window.top, 200 + kTitle + kBorder);
  // While skinned the system draws no caption buttons of its own.
  EXPECT_FALSE(GetWindowLongPtrW(w, GWL_STYLE) & WS_SYSMENU);
}

TEST_F(SkinWindowTest, NonClientAreaPaintsIntoAGivenDcThroughTheEnginesMessage) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  Skinner()->IsActive = true;
  RECT r = WindowRectOf(w);
  int width = r.right - r.left, height = r.bottom - r.top;
  Surface surface(width, height, RGB(1, 2, 3));
  EXPECT_EQ(SendMessageW(w, SKM_PAINTNC, reinterpret_cast<WPARAM>(surface.dc()), SKM_KEY), SKM_KEY);
  // Side borders: a dark outer line around a face-coloured strip.
  ExpectColour(surface.At(0, height / 2), kTitleActive, 8);
  ExpectColour(surface.At(2, height / 2), RGB(243, 244, 246), 8);
  ExpectColour(surface.At(width - 1, height / 2), kTitleActive, 8);
  ExpectColour(surface.At(width / 2, kTitle / 2), kTitleActive, 24);  // title, away from text and buttons
  ExpectColour(surface.At(width / 2, height - 2), RGB(243, 244, 246), 8);  // bottom border
  // The client area is not painted by the frame.
  ExpectColour(surface.At(width / 2, height / 2), RGB(1, 2, 3));
  // Another key is not the engine's message.
  EXPECT_NE(SendMessageW(w, SKM_PAINTNC, reinterpret_cast<WPARAM>(surface.dc()), 0), SKM_KEY);
}

TEST_F(SkinWindowTest, RegionLeavesOutTheTransparentCornersAndHitTestsFollowTheFrame) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  RECT r = WindowRectOf(w);
  int width = r.right - r.left, height = r.bottom - r.top;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));          // magenta corner of the left border
  EXPECT_FALSE(PtInRegion(region, width - 1, 0));  // and of the right one
  EXPECT_TRUE(PtInRegion(region, width / 2, height / 2));
  EXPECT_TRUE(PtInRegion(region, 1, height / 2));
  DeleteObject(region);

  auto hit = [&](int x, int y) { return SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y)); };
  EXPECT_EQ(hit(width / 2, kTitle / 2), HTCAPTION);
  EXPECT_EQ(hit(width / 2, kTitle + 100), HTCLIENT);
}

TEST_F(SkinWindowTest, Tag99KeepsAFormNative) {
  MakeForm(99);
  form->Show();
  Pump(300);
  EXPECT_EQ(Skinner(), nullptr);
  RECT window = WindowRectOf(form->Handle());
  EXPECT_EQ(window.right - window.left, nativeWindow.right - nativeWindow.left);
}

TEST_F(SkinWindowTest, CommandsUnskinSkinAndRefresh) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  int changed = 0;
  data->OnSkinChanged = [&changed](TObject*) { ++changed; };

  data->SetActive(false);  // command 2
  ASSERT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_EQ(Skinner(), nullptr);
  RECT window = WindowRectOf(w), client = ClientRectOf(w);
  EXPECT_EQ(window.right - window.left, nativeWindow.right - nativeWindow.left);
  EXPECT_EQ(window.bottom - window.top, nativeWindow.bottom - nativeWindow.top);
  EXPECT_EQ(client.right, 300);
  EXPECT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & WS_SYSMENU);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w, region), ERROR);  // no region left behind
  DeleteObject(region);

  data->SetActive(true);  // command 1
  ASSERT_TRUE(PumpUntil([&] { return changed == 2 && Skinner() && Skinner()->SkinState == TSkinState::Active; }));
  EXPECT_EQ(ClientRectOf(w).right, 300);

  data->RefreshSkin();  // command 3: caption buttons rebuilt, the window stays skinned
  EXPECT_TRUE(Skinner()->CaptionButtons.empty());
  ASSERT_TRUE(PumpUntil([&] { return changed == 3; }));
  EXPECT_FALSE(Skinner()->CaptionButtons.empty());
  EXPECT_EQ(ClientRectOf(w).right, 300);
}

TEST_F(SkinWindowTest, DestroyingTheComponentGivesItsWindowsBack) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  delete data;
  EXPECT_EQ(Skinner(), nullptr);
  EXPECT_EQ(SkinManager->MainSkinData, nullptr);
  RECT window = WindowRectOf(w);
  EXPECT_EQ(window.right - window.left, nativeWindow.right - nativeWindow.left);
  // The window lives on and keeps working unskinned.
  EXPECT_EQ(SendMessageW(w, SKM_QUERYSKINNED, 0, 0), 0);
  Pump(100);
}

TWinSysButton* ButtonOf(TWinSkinForm* skinner, int action) {
  for (auto& b : skinner->CaptionButtons)
    if (b->Element->Action == action && b->Visible) return b.get();
  return nullptr;
}

LPARAM ScreenPointOf(HWND w, const TWinSysButton* b) {
  RECT r = WindowRectOf(w);
  return MAKELPARAM(r.left + (b->Rect.left + b->Rect.right) / 2, r.top + (b->Rect.top + b->Rect.bottom) / 2);
}

TEST_F(SkinWindowTest, CaptionButtonsHoverPressReleaseAndLeave) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  TWinSkinForm* skinner = Skinner();
  skinner->IsActive = true;
  SendMessageW(w, SKM_REPAINTNC, 0, 0);  // lays the buttons out
  TWinSysButton* minimize = ButtonOf(skinner, 2);
  TWinSysButton* close = ButtonOf(skinner, 0);
  ASSERT_TRUE(minimize && close);
  EXPECT_LT(minimize->Rect.right, close->Rect.left + 1);

  SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, ScreenPointOf(w, minimize));
  EXPECT_EQ(minimize->State, 3);
  EXPECT_EQ(skinner->HotObject, minimize);
  SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPointOf(w, minimize));
  EXPECT_EQ(minimize->State, 2);
  // Moving onto another button leaves the first one.
  SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, ScreenPointOf(w, close));
  EXPECT_EQ(minimize->State, 1);
  EXPECT_EQ(close->State, 3);
  // Released over the minimize button after the close button became hot: nothing happens.
  SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, ScreenPointOf(w, minimize));
  Pump(100);
  EXPECT_FALSE(IsIconic(w));
  EXPECT_TRUE(IsWindowVisible(w));

  SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPointOf(w, minimize));
  SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, ScreenPointOf(w, minimize));
  EXPECT_EQ(minimize->State, 3);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
  ShowWindow(w, SW_RESTORE);
  ASSERT_TRUE(PumpUntil([&] { return !IsIconic(w); }));

  skinner->IsActive = true;
  SendMessageW(w, SKM_REPAINTNC, 0, 0);
  close = ButtonOf(skinner, 0);
  ASSERT_TRUE(close);
  SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPointOf(w, close));
  SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, ScreenPointOf(w, close));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(w); }));
}

TEST_F(SkinWindowTest, CaptionButtonHintAfterTwiceTheHintPauseOnlyWithTheOption) {
  Application->SetHintPause(500);
  Application->SetHintHidePause(2500);
  for (bool withHints : {true, false}) {
    SCOPED_TRACE(withHints);
    MakeForm(0, withHints ? TSkinOptions{TSkinOption::xoCaptionButtonHint} : TSkinOptions{});
    ASSERT_TRUE(ShowSkinned());
    HWND w = form->Handle();
    TWinSkinForm* skinner = Skinner();
    skinner->IsActive = true;
    SendMessageW(w, SKM_REPAINTNC, 0, 0);
    TWinSysButton* close = ButtonOf(skinner, 0);
    ASSERT_TRUE(close);
    LPARAM at = ScreenPointOf(w, close);
    SetCursorPos(static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at)));
    SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, at);
    ASSERT_EQ(skinner->HotObject, close);
    for (int tick = 0; tick < 3; ++tick) skinner->HoverTick();  // 750 ms
    EXPECT_FALSE(data->CaptionHintShown());
    skinner->HoverTick();  // 1000 ms: twice the pause
    EXPECT_EQ(data->CaptionHintShown(), withHints);
    // Leaving the button hides the hint and starts the count again.
    SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(WindowRectOf(w).left + 150, WindowRectOf(w).top + 15));
    EXPECT_FALSE(data->CaptionHintShown());
    EXPECT_EQ(data->HintElapsed, 0u);
    TearDown();
    form = nullptr;
  }
}

// A dialog made from a template: "#32770" of the system, narrow, with one button.
HWND MakeNarrowDialog(const wchar_t* caption) {
  struct {
    DLGTEMPLATE dlg;
    WORD menu, cls;
    wchar_t title[64];
  } tmpl{};
  tmpl.dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  tmpl.dlg.cx = 40;
  tmpl.dlg.cy = 40;
  wcscpy(tmpl.title, caption);
  HWND dialog = CreateDialogIndirectW(GetModuleHandleW(nullptr), &tmpl.dlg, nullptr,
                                      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
  CreateWindowW(L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 5, 5, 40, 20, dialog, nullptr, nullptr, nullptr);
  return dialog;
}

TEST_F(SkinWindowTest, ADialogWidensToItsCaptionAndKeepsItsControlsCentred) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  const wchar_t caption[] = L"A dialog caption much wider than the dialog itself";
  HWND dialog = MakeNarrowDialog(caption);
  HWND button = GetTopWindow(dialog);
  RECT before = ClientRectOf(dialog);
  ShowWindow(dialog, SW_SHOW);
  SetActiveWindow(dialog);
  ASSERT_TRUE(PumpUntil([&] {
    TWinSkinForm* s = SkinManager->FindSkinForm(dialog);
    return s && s->SkinState == TSkinState::Active;
  }));
  TWinSkinForm* skinner = SkinManager->FindSkinForm(dialog);
  EXPECT_EQ(skinner->BorderKind, kBorderDialog);
  RECT window = WindowRectOf(dialog);
  int width = window.right - window.left;
  EXPECT_GE(width, 30 + skinner->CaptionWidth + 100);
  EXPECT_GT(width, before.right + 2 * kBorder);
  RECT b = WindowRectOf(button);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&b), 2);
  EXPECT_EQ(b.left, 5 + (width - (before.right + 2 * kBorder)) / 2);
  DestroyWindow(dialog);
  Pump(50);
}

// The file dialog of the test, looked at from inside its own modal loop and then cancelled.
struct DialogSeen {
  bool found = false;
  bool skinned = false;
};
DialogSeen* seen = nullptr;

BOOL CALLBACK FindFileDialog(HWND window, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  seen->found = true;
  TWinSkinForm* skinner = SkinManager->FindSkinForm(window);
  seen->skinned = skinner != nullptr;
  PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  return FALSE;
}

void CALLBACK LookAtDialog(HWND, UINT, UINT_PTR id, DWORD) {
  if (!seen->found) EnumThreadWindows(GetCurrentThreadId(), &FindFileDialog, 0);
  if (seen->found) KillTimer(nullptr, id);
}

DialogSeen OpenAndCancelFileDialog(HWND owner) {
  DialogSeen result;
  seen = &result;
  wchar_t file[MAX_PATH] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST;
  SetTimer(nullptr, 0, 300, &LookAtDialog);
  GetOpenFileNameW(&ofn);
  seen = nullptr;
  return result;
}

TEST_F(SkinWindowTest, EnableSkinningSwitchedOffAroundAFileDialog) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  data->EnableSkinning(false);
  DialogSeen off = OpenAndCancelFileDialog(form->Handle());
  data->EnableSkinning(true);
  ASSERT_TRUE(off.found);
  EXPECT_FALSE(off.skinned);
  EXPECT_TRUE(SkinManager->SkinningEnabled);
  // With skinning on, the same dialog takes the skin.
  DialogSeen on = OpenAndCancelFileDialog(form->Handle());
  ASSERT_TRUE(on.found);
  EXPECT_TRUE(on.skinned);
}

TEST_F(SkinWindowTest, UpdateSkinControlOffersEachNewControlOnceAndSkipsTheDisableTag) {
  MakeForm();
  std::vector<std::wstring> offered;
  data->OnSkinControl = [&offered](TObject*, TSkinData*, TControl*, TControl* control, const std::wstring&,
                                   TComponent*&) { offered.push_back(control->Name()); };
  auto* first = new TPanel(form);
  first->SetName(L"First");
  first->SetParent(form);
  auto* native = new TPanel(form);
  native->SetName(L"Native");
  native->SetTag(99);
  native->SetParent(form);
  ASSERT_TRUE(ShowSkinned());
  EXPECT_EQ(offered, (std::vector<std::wstring>{L"First"}));
  // A page placed later: only its controls are new.
  auto* page = new TPanel(form);
  page->SetName(L"Page");
  page->SetParent(form);
  data->UpdateSkinControl(form, nullptr);
  EXPECT_EQ(offered, (std::vector<std::wstring>{L"First", L"Page"}));
  // A form that is not skinned is left alone.
  TForm other(nullptr);
  data->UpdateSkinControl(&other, nullptr);
  EXPECT_EQ(offered.size(), 2u);
}

TEST_F(SkinWindowTest, EveryControlOfAPagePlacedInsideTheWindowIsDecidedAlsoWhenPlacedLater) {
  MakeForm();
  auto* area = new TPanel(form);
  area->SetParent(form);
  // A page as the main window places one: a borderless form owned by the window, inside a panel.
  auto* page = new TForm(form);
  page->SetBorderStyle(TFormBorderStyle::bsNone);
  page->SetParent(area);
  auto* label = new TLabel(page);
  label->SetParent(page);
  auto* speed = new TSpeedButton(page);
  speed->SetParent(page);
  auto* group = new TGroupBox(page);
  group->SetParent(page);
  auto* inGroup = new TCheckBox(page);
  inGroup->SetParent(group);
  auto* native = new TCheckBox(page);
  native->SetTag(99);
  native->SetParent(page);
  page->Show();
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  for (TControl* c : std::vector<TControl*>{area, page, label, speed, group, inGroup})
    EXPECT_TRUE(skinner->WasDecided(c)) << std::string(c->ClassName().begin(), c->ClassName().end());
  EXPECT_FALSE(skinner->WasDecided(native));
  // Placed later, anywhere below the window: decided without being asked for.
  auto* later = new TButton(page);
  later->SetParent(group);
  auto* laterLabel = new TLabel(form);
  laterLabel->SetParent(page);
  EXPECT_TRUE(PumpUntil([&] { return skinner->WasDecided(later) && skinner->WasDecided(laterLabel); }));
}

// What a timer saw of the open popup menu, from inside the menu loop.
struct MenuProbe {
  bool found = false;
  bool skinned = false;
  COLORREF corner = 0;
  COLORREF cornerOnScreen = 0;  // after WM_NCPAINT naming a region away from the corner
  bool backgroundKept = false;
  int ticks = 0;
};
MenuProbe g_menuProbe;

BOOL CALLBACK FindVisibleMenu(HWND w, LPARAM found) {
  if (GetWindowClassName(w) == L"#32768" && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK ProbeOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindVisibleMenu, reinterpret_cast<LPARAM>(&menu));
  if (!menu && ++g_menuProbe.ticks < 60) return;
  KillTimer(nullptr, id);
  if (menu) {
    g_menuProbe.found = true;
    g_menuProbe.skinned = SendMessageW(menu, SKM_QUERYSKINNED, 0, 0) == 1;
    RECT r;
    GetWindowRect(menu, &r);
    Surface surface(r.right - r.left, r.bottom - r.top, RGB(1, 2, 3));
    SendMessageW(menu, WM_PRINT, reinterpret_cast<WPARAM>(surface.dc()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    g_menuProbe.corner = surface.At(0, 0);
    HRGN elsewhere = CreateRectRgn(r.left + 5, r.top + 5, r.left + 6, r.top + 6);
    SendMessageW(menu, WM_NCPAINT, reinterpret_cast<WPARAM>(elsewhere), 0);
    DeleteObject(elsewhere);
    HDC dc = GetWindowDC(menu);
    g_menuProbe.cornerOnScreen = GetPixel(dc, 0, 0);
    ReleaseDC(menu, dc);
    TWinSkinPopMenu* popup = SkinManager ? SkinManager->FindPopupMenu(menu) : nullptr;
    g_menuProbe.backgroundKept = popup && popup->Background.Width() == r.right - r.left;
  }
  EndMenu();
}

MenuProbe ShowPopupAndProbe(TComponent* owner) {
  TPopupMenu popup(owner);
  for (const wchar_t* caption : {L"&Open", L"-", L"&Close"}) {
    auto* item = new TMenuItem(&popup);
    item->SetCaption(caption);
    popup.Items()->Add(item);
  }
  g_menuProbe = MenuProbe{};
  SetTimer(nullptr, 0, 30, &ProbeOpenMenu);
  popup.Popup(200, 200);
  return g_menuProbe;
}

TEST_F(SkinWindowTest, PopupMenusAreSkinnedByTheirSettingWithTheWholeFramePainted) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  const TDataSkinObject* background = data->Elements.MenuBackground.get();
  ASSERT_NE(background, nullptr);
  MenuProbe on = ShowPopupAndProbe(form);
  ASSERT_TRUE(on.found);
  EXPECT_TRUE(on.skinned);
  EXPECT_EQ(on.corner, background->Image.Pixel(0, 0));
  EXPECT_EQ(on.cornerOnScreen, background->Image.Pixel(0, 0));
  EXPECT_TRUE(on.backgroundKept);
  // A context menu with popup menus switched off keeps its native look.
  TSkinControlTypes controls = data->SkinControls();
  controls.Exclude(TSkinControlType::xcPopupMenu);
  data->SetSkinControls(controls);
  MenuProbe off = ShowPopupAndProbe(form);
  ASSERT_TRUE(off.found);
  EXPECT_FALSE(off.skinned);
  EXPECT_NE(off.corner, background->Image.Pixel(0, 0));
}

TEST_F(SkinWindowTest, WithTheSyntheticSkinAProbeTellsWhichElementAndFrameWasDrawn) {
  MakeForm();
  TSyntheticSkin synthetic(data->Elements);
  const TDataSkinObject* background = data->Elements.MenuBackground.get();
  ASSERT_NE(synthetic.Colour(background), 0u);
  EXPECT_NE(synthetic.Colour(data->Elements.MenuItem.get(), 1), synthetic.Colour(data->Elements.MenuItem.get(), 4));
  ASSERT_TRUE(ShowSkinned());
  MenuProbe probe = ShowPopupAndProbe(form);
  ASSERT_TRUE(probe.skinned);
  EXPECT_EQ(probe.corner, synthetic.Colour(background));
  EXPECT_EQ(probe.cornerOnScreen, synthetic.Colour(background));
}

}  // namespace

// The window's shape follows a change of one side alone: widened only, its right border and its
// caption buttons lie inside the region; made taller only, its bottom border does.
TEST_F(SkinWindowTest, RegionIsRebuiltWhenOnlyTheWidthOrOnlyTheHeightChanges) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  auto inRegion = [w](int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool inside = GetWindowRgn(w, region) != ERROR && PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
  };
  RECT r = WindowRectOf(w);
  const int width = r.right - r.left + 120, height = r.bottom - r.top;
  SetWindowPos(w, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(30);
  ASSERT_EQ(WindowRectOf(w).right - WindowRectOf(w).left, width);
  EXPECT_TRUE(inRegion(width - 2, height / 2));   // the right border
  EXPECT_FALSE(inRegion(width - 1, 0));           // its transparent corner stays out
  Skinner()->IsActive = true;
  SendMessageW(w, SKM_REPAINTNC, 0, 0);  // lays the buttons out for the new width
  for (int action : {0, 2}) {
    TWinSysButton* button = ButtonOf(Skinner(), action);
    ASSERT_NE(button, nullptr) << action;
    EXPECT_TRUE(inRegion((button->Rect.left + button->Rect.right) / 2, (button->Rect.top + button->Rect.bottom) / 2))
        << action;
  }

  const int taller = height + 80;
  SetWindowPos(w, nullptr, 0, 0, width, taller, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(30);
  ASSERT_EQ(WindowRectOf(w).bottom - WindowRectOf(w).top, taller);
  EXPECT_TRUE(inRegion(width / 2, taller - 2));  // the bottom border
  EXPECT_TRUE(inRegion(1, taller - 10));
}
