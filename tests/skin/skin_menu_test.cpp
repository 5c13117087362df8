// Menus of skinned windows under Wine: the menu bar drawn in the band below the title, the
// keyboard and the mouse switching between its popups with one popup open at a time, the
// skinned system menu with its states and glyphs, and the owner-drawn items. What happens
// inside a menu loop is watched by a thread timer, which runs there as everywhere else.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "gui/edits.h"
#include "gui/forms.h"
#include "gui/messages.h"
#include "gui/image_list.h"
#include "gui/menus.h"
#include "gui/timer.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "synthetic_skin.h"
#include "skin/img_util.h"
#include "skin/menu_item_draw.h"
#include "skin/skin_menu_bar.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

BOOL CALLBACK CountShownMenu(HWND w, LPARAM found) {
  auto* menus = reinterpret_cast<std::vector<HWND>*>(found);
  if (GetWindowClassName(w) == L"#32768" && IsWindowVisible(w)) menus->push_back(w);
  return TRUE;
}

std::vector<HWND> ShownMenus() {
  std::vector<HWND> menus;
  EnumThreadWindows(GetCurrentThreadId(), &CountShownMenu, reinterpret_cast<LPARAM>(&menus));
  return menus;
}

bool HasPixel(const RECT& r, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  bool found = false;
  for (int y = r.top; y < r.bottom && !found; ++y)
    for (int x = r.left; x < r.right && !found; ++x) found = GetPixel(screen, x, y) == colour;
  ReleaseDC(nullptr, screen);
  return found;
}

// A thread timer that runs `step` on every tick while a menu is shown, also inside the menu
// loops; the most menus shown at once is kept. The step ends the watch by returning true.
struct MenuWatch {
  std::function<bool(HWND menu)> Step;
  size_t MostShown = 0;
  int Ticks = 0;
  bool Done = false;
  // The step has chosen an item: the watch ends when the menu has closed by itself.
  bool Chosen = false;
};
MenuWatch* g_watch = nullptr;

void CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD) {
  MenuWatch& watch = *g_watch;
  if (watch.Done) return;
  const std::vector<HWND> shown = ShownMenus();
  watch.MostShown = std::max(watch.MostShown, shown.size());
  if (watch.Chosen) {
    watch.Done = shown.empty() || ++watch.Ticks > 300;
    return;
  }
  if (++watch.Ticks > 300 || (!shown.empty() && watch.Step(shown.front()))) {
    watch.Done = true;
    EndMenu();
  }
}

// Starts the watch, runs `open` (which posts what opens a menu), pumps until the watch ends
// (a few seconds at most) and until no menu is left.
bool WatchMenus(MenuWatch& watch, const std::function<void()>& open) {
  g_watch = &watch;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, &WatchTick);
  open();
  const bool done = PumpUntil([&] { return watch.Done; }, 10000);
  KillTimer(nullptr, timer);
  PumpUntil([] { return ShownMenus().empty(); }, 3000);
  Pump(50);
  g_watch = nullptr;
  return done && watch.Ticks <= 300;
}

class SkinMenuTest : public testing::Test {
 protected:
  // A sizeable form with a 300 x 200 client area and a menu bar: File (Open, a line, Close),
  // Edit (Undo, Copy), View (Bar, Zoom with In and Out). Not shown yet.
  // `configure` changes the component's settings before skinning starts.
  void MakeForm(bool synthetic = false, const std::function<void(TSkinData*)>& configure = {}) {
    form = new TForm(nullptr);
    form->SetCaption(L"Menus");
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    form->SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
    form->SetBounds(120, 100, 320, 260);
    menu = new TMainMenu(form);
    file = Add(menu->Items(), L"&File");
    Add(file, L"&Open");
    Add(file, L"-");
    Add(file, L"&Close");
    edit = Add(menu->Items(), L"&Edit");
    Add(edit, L"&Undo");
    Add(edit, L"&Copy");
    view = Add(menu->Items(), L"&View");
    Add(view, L"&Bar");
    TMenuItem* zoom = Add(view, L"&Zoom");
    Add(zoom, L"Zoom &in");
    Add(zoom, L"Zoom &out");
    form->SetMenu(menu);
    form->SetFormStyle(formStyle);
    form->Handle();
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    data->Loaded();
    if (synthetic) synthetic_ = std::make_unique<TSyntheticSkin>(data->Elements);
    if (configure) configure(data);
    data->SetActive(true);
  }
  TMenuItem* Add(TMenuItem* parent, const wchar_t* caption) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  TWinSkinForm* Skinner() const { return SkinManager ? SkinManager->FindSkinForm(form->Handle()) : nullptr; }
  bool ShowSkinned() {
    form->Show();
    if (!PumpUntil([this] { return Skinner() && Skinner()->SkinState == TSkinState::Active; })) return false;
    SetForegroundWindow(form->Handle());
    Pump(50);
    return true;
  }
  // An item's centre in screen coordinates.
  POINT ItemCentre(int index) const {
    RECT window;
    GetWindowRect(form->Handle(), &window);
    const RECT& r = Skinner()->MenuBar->Items[static_cast<size_t>(index)]->Rect;
    return POINT{window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
  }
  void TearDown() override {
    delete form;
    FreeSkinManager();
  }

  TFormStyle formStyle = TFormStyle::fsNormal;  // of the form MakeForm makes
  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *edit = nullptr, *view = nullptr;
  TSkinData* data = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic_;
};

TEST_F(SkinMenuTest, TheNativeBarMakesWayForTheSkinnedBarInTheBandBelowTheTitle) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  TWinSkinForm* skinner = Skinner();
  ASSERT_TRUE(skinner->MenuBar);
  EXPECT_EQ(GetMenu(w), nullptr);
  EXPECT_EQ(skinner->MenuBarHeight, GetSystemMetrics(SM_CYMENU));
  // The client area starts below the band and keeps its size.
  RECT window, client;
  GetWindowRect(w, &window);
  GetClientRect(w, &client);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  EXPECT_EQ(origin.y - window.top, skinner->BorderTop + skinner->MenuBarHeight);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);

  SendMessageW(w, SKM_REPAINTNC, 0, 0);
  const auto& items = skinner->MenuBar->Items;
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0]->Caption, L"&File");
  EXPECT_EQ(items[2]->Caption, L"&View");
  for (size_t i = 0; i < items.size(); ++i) {
    const RECT& r = items[i]->Rect;
    EXPECT_GT(r.right, r.left);
    EXPECT_EQ(r.top, skinner->BorderTop);
    EXPECT_EQ(r.bottom, skinner->BorderTop + skinner->MenuBarHeight - 1);
    EXPECT_GE(r.left, skinner->BorderLeft);
    if (i > 0) EXPECT_EQ(r.left, items[i - 1]->Rect.right);
    EXPECT_TRUE(items[i]->Submenu);
    // The band answers the hit test as a menu does.
    const POINT centre = ItemCentre(static_cast<int>(i));
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTMENU);
    EXPECT_EQ(skinner->MenuBar->ItemAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), items[i].get());
  }
}

TEST_F(SkinMenuTest, TheBandIsPaintedFromTheMenuBarElementActiveAndInactive) {
  MakeForm(true);
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  const TDataSkinObject* bar = data->Elements.MenuBar.get();
  ASSERT_TRUE(bar);
  RECT window;
  GetWindowRect(form->Handle(), &window);
  Surface surface(window.right - window.left, window.bottom - window.top, RGB(1, 2, 3));
  const int bandY = skinner->BorderTop + skinner->MenuBarHeight / 2;
  const int bandX = window.right - window.left - skinner->BorderRight - 3;  // right of every item
  for (bool active : {true, false}) {
    skinner->IsActive = active;
    SendMessageW(form->Handle(), SKM_PAINTNC, reinterpret_cast<WPARAM>(surface.dc()), SKM_KEY);
    EXPECT_EQ(surface.At(bandX, bandY), synthetic_->Colour(bar, active ? 1 : 2)) << active;
    EXPECT_EQ(surface.At(skinner->BorderLeft + 1, bandY), synthetic_->Colour(bar, active ? 1 : 2)) << active;
  }
  // The captions are drawn over the band.
  skinner->IsActive = true;
  SendMessageW(form->Handle(), SKM_PAINTNC, reinterpret_cast<WPARAM>(surface.dc()), SKM_KEY);
  const RECT& item = skinner->MenuBar->Items[0]->Rect;
  bool text = false;
  for (int x = item.left; x < item.right && !text; ++x)
    for (int y = item.top; y < item.bottom && !text; ++y) text = surface.At(x, y) != synthetic_->Colour(bar, 1);
  EXPECT_TRUE(text);
}

// The bar popups opened from the keyboard: which bar item is open at each step, what the
// timer saw of the open popup, and how many popups were ever shown at once.
struct BarStep {
  int OpenIndex = -1;
  bool Skinned = false;
  bool FirstItemHighlighted = false;
};

// Follows the open bar item; once an item has been open for a few ticks the next key of
// `keys` goes to its popup, and after the last one the watch ends.
std::function<bool(HWND)> PressKeysInTurn(std::vector<BarStep>& steps, std::vector<WPARAM> keys,
                                         TWinSkinForm* skinner) {
  auto settled = std::make_shared<int>(0);
  return [&steps, keys, skinner, settled](HWND menu) {
    const int open = MenuBarOpenIndex();
    if (open < 0) return false;
    if (steps.empty() || steps.back().OpenIndex != open) {
      steps.push_back(BarStep{open});
      *settled = 0;
    }
    if (++*settled < 4) return false;
    BarStep& step = steps.back();
    step.Skinned = SendMessageW(menu, SKM_QUERYSKINNED, 0, 0) == 1;
    step.FirstItemHighlighted = (GetMenuState(skinner->OpenPopupMenu, 0, MF_BYPOSITION) & MF_HILITE) != 0;
    if (steps.size() > keys.size()) return true;
    if (*settled == 4) PostMessageW(menu, WM_KEYDOWN, keys[steps.size() - 1], 0);
    return false;
  };
}

TEST_F(SkinMenuTest, AltLetterOpensItsItemAndTheArrowsSwitchItemsWithOnePopupOpen) {
  MakeForm();
  // Bar popups are skinned as the window's menu, even with context menus left native.
  TSkinControlTypes controls = data->SkinControls();
  controls.Exclude(TSkinControlType::xcPopupMenu);
  data->SetSkinControls(controls);
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  std::vector<BarStep> steps;
  MenuWatch watch{PressKeysInTurn(steps, {VK_RIGHT, VK_RIGHT, VK_LEFT}, skinner)};
  ASSERT_TRUE(WatchMenus(watch, [&] { PostMessageW(form->Handle(), WM_SYSCHAR, L'e', 1 << 29); }));
  // Edit, then View, then round to File, then back to View.
  std::vector<int> order;
  for (const BarStep& s : steps) order.push_back(s.OpenIndex);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 2}));
  EXPECT_EQ(watch.MostShown, 1u);
  for (const BarStep& s : steps) {
    EXPECT_TRUE(s.Skinned) << s.OpenIndex;
    EXPECT_TRUE(s.FirstItemHighlighted) << s.OpenIndex;
  }
  EXPECT_FALSE(skinner->MenuTracking);
  EXPECT_EQ(MenuBarOpenIndex(), -1);
}

TEST_F(SkinMenuTest, F10OpensTheFirstItemAndRightOnASubmenuItemOpensTheSubmenuInstead) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  std::vector<BarStep> steps;
  // File, Left to View; Down to Zoom; Right opens Zoom's submenu (still View); Left closes
  // it; Left again goes on to Edit.
  std::vector<WPARAM> keys{VK_LEFT, VK_DOWN, VK_RIGHT, VK_LEFT, VK_LEFT};
  auto settled = std::make_shared<int>(0);
  auto pressed = std::make_shared<size_t>(0);
  std::vector<size_t> shownAfterKey;
  MenuWatch watch{[&](HWND) {
    const int open = MenuBarOpenIndex();
    if (open < 0) return false;
    if (steps.empty() || steps.back().OpenIndex != open) steps.push_back(BarStep{open});
    if (++*settled % 4) return false;
    shownAfterKey.push_back(ShownMenus().size());
    if (*pressed == keys.size()) return true;
    HWND top = ShownMenus().front();
    PostMessageW(top, WM_KEYDOWN, keys[(*pressed)++], 0);
    return false;
  }};
  ASSERT_TRUE(WatchMenus(watch, [&] {
    PostMessageW(form->Handle(), WM_SYSKEYDOWN, VK_F10, 0);
    PostMessageW(form->Handle(), WM_SYSKEYUP, VK_F10, static_cast<LPARAM>(0xC0000001));
  }));
  std::vector<int> order;
  for (const BarStep& s : steps) order.push_back(s.OpenIndex);
  EXPECT_EQ(order, (std::vector<int>{0, 2, 1}));
  // One popup, then View's, then View's with Zoom's submenu beside it, then one again.
  EXPECT_EQ(shownAfterKey, (std::vector<size_t>{1, 1, 1, 2, 1, 1}));
  EXPECT_FALSE(skinner->MenuTracking);
}

TEST_F(SkinMenuTest, AClickOnTheBarOpensItsItemAndTheMouseMovesTheOpenPopupAlong) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  std::vector<int> order;
  auto settled = std::make_shared<int>(0);
  MenuWatch watch{[&](HWND menu) {
    const int open = MenuBarOpenIndex();
    if (open < 0) return false;
    if (order.empty() || order.back() != open) {
      order.push_back(open);
      *settled = 0;
    }
    if (++*settled < 4) return false;
    if (order.size() == 2) return true;
    const POINT target = ItemCentre(2);
    SetCursorPos(target.x, target.y);
    PostMessageW(menu, WM_MOUSEMOVE, 0, MAKELPARAM(target.x, target.y));
    return false;
  }};
  const POINT first = ItemCentre(0);
  // The pointer starts away from the bar (a run before may have left it on View).
  SetCursorPos(5, 5);
  ASSERT_TRUE(WatchMenus(watch, [&] { PostMessageW(form->Handle(), SKM_MENUBARCLICK, 0, MAKELPARAM(first.x, first.y)); }));
  EXPECT_EQ(order, (std::vector<int>{0, 2}));
  EXPECT_EQ(watch.MostShown, 1u);
}

TEST_F(SkinMenuTest, BarPopupItemsAreDrawnFromTheMenuItemElementFrames) {
  MakeForm(true);
  ASSERT_TRUE(ShowSkinned());
  const TDataSkinObject* element = data->Elements.MenuItem.get();
  ASSERT_TRUE(element);
  HMENU submenu = file->Handle();
  COLORREF selected = 0, line = 0, normal = 0;
  auto settled = std::make_shared<int>(0);
  MenuWatch watch{[&](HWND) {
    if (++*settled < 6) return false;
    RECT r[3];
    for (int i = 0; i < 3; ++i) GetMenuItemRect(nullptr, submenu, static_cast<UINT>(i), &r[i]);
    selected = ScreenPixel(r[0].left + 1, r[0].top + 1);
    line = ScreenPixel((r[1].left + r[1].right) / 2, (r[1].top + r[1].bottom) / 2);
    normal = ScreenPixel(r[2].left + 1, r[2].top + 1);
    return true;
  }};
  ASSERT_TRUE(WatchMenus(watch, [&] { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, L'f'); }));
  EXPECT_EQ(selected, synthetic_->Colour(element, 4));  // the first item is highlighted on opening
  EXPECT_EQ(line, synthetic_->Colour(element, 2));
  EXPECT_EQ(normal, synthetic_->Colour(element, 1));
}

TEST_F(SkinMenuTest, TheSystemMenuShowsTheWindowsStatesWithTheirGlyphs) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  TWinSkinForm* skinner = Skinner();
  struct Seen {
    bool Skinned = false;
    std::vector<std::pair<int, bool>> Items;  // (Tag, Enabled)
    std::vector<int> Images;
    bool CloseGlyphInk = false, RestoreGlyphInk = false;
  };
  // Read from the screen once the menu is painted: nothing left to paint and, in the skinned
  // menu, the close item's glyph (there in every state) shown; the watch's tick limit is the
  // deadline.
  auto look = [&](Seen& seen) {
    return [&seen, skinner](HWND menu) {
      if (GetUpdateRect(menu, nullptr, FALSE)) return false;
      seen = Seen{};
      seen.Skinned = SendMessageW(menu, SKM_QUERYSKINNED, 0, 0) == 1;
      TPopupMenu* popup = skinner->SystemMenuPopup;
      if (!popup) return true;
      TMenuItem* root = popup->Items();
      for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        seen.Items.emplace_back(item->Tag(), item->Enabled());
        seen.Images.push_back(item->ImageIndex());
        RECT r;
        if (!GetMenuItemRect(nullptr, root->Handle(), static_cast<UINT>(i), &r)) continue;
        const int left = r.left + 1 + skinner->SkinData->Elements.MenuItem->LeftWidth;
        const RECT glyph{left, r.top, left + 16, r.bottom};
        if (item->Tag() == SC_CLOSE) seen.CloseGlyphInk = HasPixel(glyph, RGB(0, 0, 0));
        if (item->Tag() == SC_RESTORE) seen.RestoreGlyphInk = HasPixel(glyph, RGB(0, 0, 0));
      }
      return !seen.Skinned || seen.CloseGlyphInk;
    };
  };
  auto stateOf = [](const Seen& seen, int tag) {
    for (const auto& item : seen.Items)
      if (item.first == tag) return item.second ? 1 : 0;
    return -1;
  };
  RECT window;
  GetWindowRect(w, &window);
  const LPARAM onCaption = MAKELPARAM(window.left + 60, window.top + 8);

  Seen normal;
  MenuWatch first{look(normal)};
  ASSERT_TRUE(WatchMenus(first, [&] { PostMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, onCaption); }));
  EXPECT_TRUE(normal.Skinned);
  EXPECT_EQ(stateOf(normal, SC_RESTORE), 0);
  EXPECT_EQ(stateOf(normal, SC_MAXIMIZE), 1);
  EXPECT_EQ(stateOf(normal, SC_MINIMIZE), 1);
  EXPECT_EQ(stateOf(normal, SC_MOVE), 1);
  EXPECT_EQ(stateOf(normal, SC_CLOSE), 1);
  for (size_t i = 0; i < normal.Items.size(); ++i) {
    const int tag = normal.Items[i].first;
    const int expected = tag == SC_RESTORE ? 0 : tag == SC_MAXIMIZE ? 1 : tag == SC_MINIMIZE ? 2 : tag == SC_CLOSE ? 3 : -1;
    EXPECT_EQ(normal.Images[i], expected) << std::hex << tag;
  }
  EXPECT_TRUE(normal.CloseGlyphInk);
  EXPECT_FALSE(normal.RestoreGlyphInk);  // greyed while it cannot be chosen

  ShowWindow(w, SW_MAXIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return skinner->ShowState == kShowMaximized; }));
  Pump(100);
  Seen maximized;
  MenuWatch second{look(maximized)};
  GetWindowRect(w, &window);
  skinner->LastSysMenuTick = 0;
  ASSERT_TRUE(WatchMenus(second, [&] {
    PostMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(window.left + 60, window.top + 8));
  }));
  EXPECT_EQ(stateOf(maximized, SC_RESTORE), 1);
  EXPECT_EQ(stateOf(maximized, SC_MAXIMIZE), 0);
  EXPECT_EQ(stateOf(maximized, SC_MOVE), 0);
  EXPECT_EQ(stateOf(maximized, SC_SIZE), 0);
  EXPECT_TRUE(maximized.RestoreGlyphInk);

  // Without the system-menu setting the same menu keeps its native frame.
  ShowWindow(w, SW_RESTORE);
  ASSERT_TRUE(PumpUntil([&] { return skinner->ShowState == kShowNormal; }));
  TSkinControlTypes controls = data->SkinControls();
  controls.Exclude(TSkinControlType::xcSystemMenu);
  data->SetSkinControls(controls);
  Seen plain;
  MenuWatch third{look(plain)};
  skinner->LastSysMenuTick = 0;
  GetWindowRect(w, &window);
  ASSERT_TRUE(WatchMenus(third, [&] {
    PostMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(window.left + 60, window.top + 8));
  }));
  EXPECT_FALSE(plain.Skinned);
}

TWinSysButton* IconButton(TWinSkinForm* skinner) {
  for (auto& b : skinner->CaptionButtons)
    if ((b->Element->Action == 3 || b->Element->Action == 11) && b->Visible) return b.get();
  return nullptr;
}

TEST_F(SkinMenuTest, ADoubleClickOnTheIconClosesTheWindow) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  TWinSkinForm* skinner = Skinner();
  skinner->IsActive = true;
  SendMessageW(w, SKM_REPAINTNC, 0, 0);
  TWinSysButton* icon = IconButton(skinner);
  ASSERT_TRUE(icon);
  RECT window;
  GetWindowRect(w, &window);
  const LPARAM point = MAKELPARAM(window.left + (icon->Rect.left + icon->Rect.right) / 2,
                                  window.top + (icon->Rect.top + icon->Rect.bottom) / 2);
  int closes = 0;
  form->OnClose = [&closes](TObject*, TCloseAction&) { ++closes; };
  SendMessageW(w, WM_NCLBUTTONDBLCLK, HTSYSMENU, point);
  EXPECT_TRUE(PumpUntil([&] { return closes == 1 && !IsWindowVisible(w); }));
}

TEST_F(SkinMenuTest, ASecondClickOnTheIconWithinTheDoubleClickTimeClosesInsteadOfShowingTheMenuAgain) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  TWinSkinForm* skinner = Skinner();
  skinner->IsActive = true;
  SendMessageW(w, SKM_REPAINTNC, 0, 0);
  TWinSysButton* icon = IconButton(skinner);
  ASSERT_TRUE(icon);
  int closes = 0;
  form->OnClose = [&closes](TObject*, TCloseAction&) { ++closes; };
  int shown = 0;
  MenuWatch watch{[&shown](HWND) {
    ++shown;
    return true;
  }};
  ASSERT_TRUE(WatchMenus(watch, [&] { skinner->ShowSystemMenu(POINT{200, 200}); }));
  EXPECT_EQ(shown, 1);
  // The mouse is still on the icon when the second click comes.
  skinner->IsActive = true;
  skinner->HotObject = icon;
  skinner->LastSysMenuTick = GetTickCount();
  skinner->ShowSystemMenu(POINT{200, 200});
  EXPECT_TRUE(ShownMenus().empty());
  EXPECT_TRUE(PumpUntil([&] { return closes == 1 && !IsWindowVisible(w); }));
}

TEST_F(SkinMenuTest, AChangedFrameworkMenuRebuildsTheBarUnlessMenuUpdateIsOff) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  edit->SetCaption(L"&Change");
  EXPECT_EQ(skinner->MenuBar->Items[1]->Caption, L"&Change");
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  data->SetMenuUpdate(false);
  edit->SetCaption(L"&Other");
  EXPECT_EQ(skinner->MenuBar->Items[1]->Caption, L"&Change");
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);  // the native bar is kept away all the same
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.bottom, 200);
}

TEST_F(SkinMenuTest, SwitchingTheSkinOffGivesTheWindowItsNativeBarBack) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  int changed = 0;
  data->OnSkinChanged = [&changed](TObject*) { ++changed; };
  data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  // The items' own drawing is back: the framework's menu is not owner-drawn by the skin.
  EXPECT_FALSE(file->Items(0)->OnDrawItem);
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.bottom, 200);

  // Switched on again, the bar is taken once more and the client area keeps its size.
  data->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return changed == 2 && Skinner() && Skinner()->SkinState == TSkinState::Active; }));
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  ASSERT_TRUE(Skinner()->MenuBar);
  EXPECT_EQ(Skinner()->MenuBar->Items.size(), 3u);
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
}

// The open bar item of every step until `steps` items have been open, each for a few ticks;
// `keys` (one fewer) are pressed in turn.
std::vector<int> OpenOrder(MenuWatch& watch, const std::vector<WPARAM>& keys, const std::function<void()>& open) {
  auto order = std::make_shared<std::vector<int>>();
  auto settled = std::make_shared<int>(0);
  watch.Step = [order, settled, keys](HWND menu) {
    const int index = MenuBarOpenIndex();
    if (index < 0) return false;
    if (order->empty() || order->back() != index) {
      order->push_back(index);
      *settled = 0;
    }
    if (++*settled != 4) return false;
    if (order->size() > keys.size()) return true;
    PostMessageW(menu, WM_KEYDOWN, keys[order->size() - 1], 0);
    return false;
  };
  if (!WatchMenus(watch, open)) return {};
  return *order;
}

TEST_F(SkinMenuTest, AltLetterInAFocusedControlReachesTheBarThroughTheForm) {
  MakeForm();
  auto* field = new TEdit(form);
  field->SetParent(form);
  field->SetBounds(10, 10, 120, 22);
  ASSERT_TRUE(ShowSkinned());
  field->SetFocus();
  Pump(30);
  MenuWatch watch;
  const std::vector<int> order =
      OpenOrder(watch, {}, [&] { PostMessageW(field->Handle(), WM_SYSCHAR, L'v', 1 << 29); });
  EXPECT_EQ(order, (std::vector<int>{2}));
  // Without Alt held the letter is no accelerator of the bar.
  EXPECT_EQ(SendMessageW(form->Handle(), CM_DIALOGCHAR, L'v', 0), 0);
  Pump(50);
  EXPECT_TRUE(ShownMenus().empty());
}

TEST_F(SkinMenuTest, AltLetterInAnMdiChildFormOpensItsFramesBarItem) {
  formStyle = TFormStyle::fsMDIForm;
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  ASSERT_EQ(Skinner()->MdiKind, TMdiKind::Frame);
  EXPECT_EQ(SkinManager->MdiFrameForm, form);
  auto* child = new TForm(form);
  child->SetFormStyle(TFormStyle::fsMDIChild);
  child->SetCaption(L"Child");
  child->SetBounds(10, 10, 220, 120);
  auto* field = new TEdit(child);
  field->SetParent(child);
  field->SetBounds(10, 10, 120, 22);
  child->Show();
  TWinSkinForm* childSkinner = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    childSkinner = SkinManager->FindSkinForm(child->Handle());
    return childSkinner && childSkinner->SkinState == TSkinState::Active;
  }));
  // Skinned as the framework form it is, though the hook met its window before the form did.
  EXPECT_EQ(childSkinner->MdiKind, TMdiKind::Child);
  EXPECT_EQ(childSkinner->Form, child);
  EXPECT_FALSE(childSkinner->MenuBar);
  field->SetFocus();
  Pump(30);
  // The child's form passes the letter on to the frame's form, whose bar takes it.
  LRESULT answer = 0;
  MenuWatch watch;
  EXPECT_EQ(OpenOrder(watch, {}, [&] { answer = SendMessageW(child->Handle(), CM_DIALOGCHAR, L'e', 1 << 29); }),
            (std::vector<int>{1}));
  EXPECT_NE(answer, 0);
  // The same from the key itself, typed in the child's field.
  MenuWatch typed;
  EXPECT_EQ(OpenOrder(typed, {}, [&] { PostMessageW(field->Handle(), WM_SYSCHAR, L'v', 1 << 29); }),
            (std::vector<int>{2}));
  // A letter that is no accelerator of the frame's bar opens nothing.
  EXPECT_EQ(SendMessageW(child->Handle(), CM_DIALOGCHAR, L'q', 1 << 29), 0);
  Pump(50);
  EXPECT_TRUE(ShownMenus().empty());
}

TEST_F(SkinMenuTest, ARightToLeftBarIsLaidOutFromTheRightAndReadsTheArrowsMirrored) {
  MakeForm();
  HWND w = form->Handle();
  SetWindowLongPtrW(w, GWL_EXSTYLE, GetWindowLongPtrW(w, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  ASSERT_TRUE(skinner->RightToLeft);
  SendMessageW(w, SKM_REPAINTNC, 0, 0);
  const auto& items = skinner->MenuBar->Items;
  RECT window;
  GetWindowRect(w, &window);
  EXPECT_GT(items[0]->Rect.right, items[1]->Rect.right);
  EXPECT_EQ(items[1]->Rect.right, items[0]->Rect.left);
  EXPECT_LE(items[0]->Rect.right, window.right - window.left - skinner->BorderRight);
  // Right moves towards the bar's start, which is on the right: from Edit to File.
  MenuWatch watch;
  const std::vector<int> order =
      OpenOrder(watch, {VK_RIGHT}, [&] { PostMessageW(w, WM_SYSCOMMAND, SC_KEYMENU, L'e'); });
  EXPECT_EQ(order, (std::vector<int>{1, 0}));
}

TEST_F(SkinMenuTest, ACommandItemOnTheBarRunsItsCommandAndADisabledItemOpensNothing) {
  MakeForm();
  TMenuItem* help = Add(menu->Items(), L"&Help");
  int clicks = 0;
  help->OnClick = [&clicks](TObject*) { ++clicks; };
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  ASSERT_EQ(skinner->MenuBar->Items.size(), 4u);
  EXPECT_FALSE(skinner->MenuBar->Items[3]->Submenu);
  SendMessageW(form->Handle(), SKM_REPAINTNC, 0, 0);
  POINT point = ItemCentre(3);
  SendMessageW(form->Handle(), SKM_MENUBARCLICK, 0, MAKELPARAM(point.x, point.y));
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_TRUE(ShownMenus().empty());

  edit->SetEnabled(false);
  ASSERT_FALSE(skinner->MenuBar->Items[1]->ItemEnabled);
  EXPECT_EQ(skinner->FindMenuBarAccel(L'e'), nullptr);  // no accelerator of a disabled item
  point = ItemCentre(1);
  // The click runs to its end at once: no popup is shown and the tracking is over.
  SendMessageW(form->Handle(), SKM_MENUBARCLICK, 0, MAKELPARAM(point.x, point.y));
  EXPECT_TRUE(ShownMenus().empty());
  EXPECT_FALSE(skinner->MenuTracking);
  EXPECT_EQ(MenuBarOpenIndex(), -1);
}

TEST_F(SkinMenuTest, TheMouseOverABarItemFramesItInTheHighlightColour) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  HWND w = form->Handle();
  TWinSkinForm* skinner = Skinner();
  skinner->IsActive = true;
  // The pointer is elsewhere: the hover timer would let go of the item while the test reads.
  skinner->HoverTimer->SetEnabled(false);
  SendMessageW(w, SKM_REPAINTNC, 0, 0);
  TMenuBtn* item = skinner->MenuBar->Items[1].get();
  const POINT centre = ItemCentre(1);
  SendMessageW(w, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(centre.x, centre.y));
  EXPECT_EQ(item->State, 3);
  EXPECT_EQ(skinner->HotObject, item);
  Pump(50);  // the window's surface reaches the screen
  RECT window;
  GetWindowRect(w, &window);
  const COLORREF hilight = static_cast<COLORREF>(SkinColourToRGB(data->Elements.ColourTable[kColourButtonHilight]));
  EXPECT_EQ(ScreenPixel(window.left + item->Rect.left, window.top + item->Rect.top + 2), hilight);
  // Onto another item: the first one leaves and is drawn plain again.
  const POINT next = ItemCentre(2);
  SendMessageW(w, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(next.x, next.y));
  EXPECT_EQ(item->State, 1);
  EXPECT_EQ(skinner->HotObject, skinner->MenuBar->Items[2].get());
  Pump(50);
  EXPECT_NE(ScreenPixel(window.left + item->Rect.left, window.top + item->Rect.top + 2), hilight);
}

TEST_F(SkinMenuTest, AFormFreedWhileItsBarPopupIsOpenLeavesNothingBehind) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  auto settled = std::make_shared<int>(0);
  MenuWatch watch{[&](HWND) {
    if (++*settled < 4) return false;
    delete form;
    form = nullptr;
    return true;
  }};
  const POINT first = ItemCentre(0);
  ASSERT_TRUE(WatchMenus(watch, [&] { PostMessageW(form->Handle(), SKM_MENUBARCLICK, 0, MAKELPARAM(first.x, first.y)); }));
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(MenuBarTrackingForm(), nullptr);
  EXPECT_EQ(MenuBarOpenIndex(), -1);
  EXPECT_TRUE(SkinManager->SkinForms().empty());
}

// A window the framework does not own, with a native menu bar of its own.
struct RawWindow {
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && g_raw) g_raw->Commands.push_back(LOWORD(wParam));
    return DefWindowProcW(w, msg, wParam, lParam);
  }
  RawWindow() {
    g_raw = this;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QsRawMenuWindow";
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&wc);
    Bar = CreateMenu();
    Alpha = CreatePopupMenu();
    AppendMenuW(Alpha, MF_STRING, 101, L"&One");
    AppendMenuW(Alpha, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(Alpha, MF_STRING, 102, L"&Two\tCtrl+T");
    HMENU beta = CreatePopupMenu();
    AppendMenuW(beta, MF_STRING, 103, L"&Three");
    AppendMenuW(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Alpha), L"&Alpha");
    AppendMenuW(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(beta), L"&Beta");
    Handle = CreateWindowExW(0, L"QsRawMenuWindow", L"Raw", WS_OVERLAPPEDWINDOW, 200, 150, 320, 240, nullptr, Bar,
                             wc.hInstance, nullptr);
  }
  ~RawWindow() {
    DestroyWindow(Handle);
    g_raw = nullptr;
  }
  static RawWindow* g_raw;
  HWND Handle = nullptr;
  HMENU Bar = nullptr, Alpha = nullptr;
  std::vector<UINT> Commands;
};
RawWindow* RawWindow::g_raw = nullptr;

TEST_F(SkinMenuTest, APlainWindowsNativeBarIsSkinnedDrawnFromItsOwnItemsAndGivenBack) {
  MakeForm(true);
  ASSERT_TRUE(ShowSkinned());
  RawWindow raw;
  ShowWindow(raw.Handle, SW_SHOW);
  SetForegroundWindow(raw.Handle);
  TWinSkinForm* skinner = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    skinner = SkinManager->FindSkinForm(raw.Handle);
    return skinner && skinner->SkinState == TSkinState::Active;
  }));
  ASSERT_TRUE(skinner->MenuBar);
  EXPECT_EQ(GetMenu(raw.Handle), nullptr);
  ASSERT_EQ(skinner->MenuBar->Items.size(), 2u);
  EXPECT_EQ(skinner->MenuBar->Items[1]->Caption, L"&Beta");
  const TDataSkinObject* element = data->Elements.MenuItem.get();
  RECT one{}, two{};
  COLORREF selected = 0;
  auto settled = std::make_shared<int>(0);
  MenuWatch watch{[&](HWND menu) {
    if (++*settled < 6) return false;
    GetMenuItemRect(nullptr, raw.Alpha, 0, &one);
    GetMenuItemRect(nullptr, raw.Alpha, 2, &two);
    selected = ScreenPixel(one.left + 1, one.top + 1);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);  // chooses the highlighted first item
    g_watch->Chosen = true;
    return false;
  }};
  ASSERT_TRUE(WatchMenus(watch, [&] { PostMessageW(raw.Handle, WM_SYSCOMMAND, SC_KEYMENU, L'a'); }));
  EXPECT_EQ(selected, synthetic_->Colour(element, 4));
  // Measured from the menu's own text: wide enough for it and its shortcut.
  EXPECT_GT(two.right - two.left, 60);
  EXPECT_GT(one.bottom - one.top, 8);
  // Only the chosen item's command arrives: opening a submenu item posts no command.
  PumpUntil([&] { return !raw.Commands.empty(); }, 1000);
  EXPECT_EQ(raw.Commands, (std::vector<UINT>{101}));

  // Switched off, the window has its bar back with its items drawn by the system again.
  int changed = 0;
  data->OnSkinChanged = [&changed](TObject*) { ++changed; };
  data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_EQ(GetMenu(raw.Handle), raw.Bar);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(raw.Alpha, 0, TRUE, &info));
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

TEST_F(SkinMenuTest, WithMenuItemsOnAndTheFrameNativeTheNativeBarsPopupItemsAreDrawnByTheSkin) {
  MakeForm(true, [](TSkinData* data) {
    TSkinControlTypes controls = data->SkinControls();
    controls.Exclude(TSkinControlType::xcMainMenu);
    controls.Include(TSkinControlType::xcMenuItem);
    data->SetSkinControls(controls);
  });
  ASSERT_TRUE(ShowSkinned());
  EXPECT_FALSE(Skinner()->MenuBar);
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  EXPECT_TRUE(menu->OwnerDraw());
  // The bar's own items keep the framework's drawing; the items of their popups get the skin's.
  EXPECT_FALSE(file->OnDrawItem);
  EXPECT_TRUE(file->Items(2)->OnDrawItem);
  const TDataSkinObject* element = data->Elements.MenuItem.get();
  COLORREF normal = 0;
  bool skinned = false;
  auto settled = std::make_shared<int>(0);
  MenuWatch watch{[&](HWND shown) {
    if (++*settled < 6) return false;
    skinned = SendMessageW(shown, SKM_QUERYSKINNED, 0, 0) == 1;
    RECT r;
    GetMenuItemRect(nullptr, file->Handle(), 2, &r);
    normal = ScreenPixel(r.left + 1, r.top + 1);
    return true;
  }};
  ASSERT_TRUE(WatchMenus(watch, [&] { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, L'f'); }));
  EXPECT_TRUE(skinned);
  EXPECT_EQ(normal, synthetic_->Colour(element, 1));

  int changed = 0;
  data->OnSkinChanged = [&changed](TObject*) { ++changed; };
  data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_FALSE(file->Items(2)->OnDrawItem);
}

// ---- measuring and drawing on a memory DC -----------------------------------------------------

class SkinMenuItemDrawTest : public SkinMenuTest {};

TEST_F(SkinMenuItemDrawTest, ItemsShowTheElementFrameOfTheirStateAndTheirGlyph) {
  MakeForm(true);
  const TDataSkinObject* element = data->Elements.MenuItem.get();
  ASSERT_TRUE(element);
  const RECT rect{0, 0, 160, 22};
  TMenuItemFace face;
  face.Caption = L"&Close";
  face.Images = data->MenuGlyphs;
  face.ImageIndex = 3;
  for (bool selected : {false, true}) {
    Surface surface(160, 22, RGB(1, 2, 3));
    DrawSkinMenuItem(surface.dc(), rect, face, selected, *data, nullptr, false);
    EXPECT_EQ(surface.At(158, 1), synthetic_->Colour(element, selected ? 4 : 1)) << selected;
    // The close glyph's black ink lies in the glyph box after the element's left margin.
    bool ink = false;
    for (int y = 0; y < 22 && !ink; ++y)
      for (int x = element->LeftWidth + 1; x < element->LeftWidth + 17 && !ink; ++x) ink = surface.At(x, y) == 0;
    EXPECT_TRUE(ink) << selected;
  }
  // A separator shows the element's separator frame over the popup's background.
  TBitmap background(200, 60);
  background.Fill(RGB(9, 9, 9));
  face.Caption = L"-";
  Surface line(160, 8, RGB(1, 2, 3));
  DrawSkinMenuItem(line.dc(), RECT{0, 0, 160, 8}, face, false, *data, &background, false);
  EXPECT_EQ(line.At(80, 4), synthetic_->Colour(element, 2));
}

TEST_F(SkinMenuItemDrawTest, WithoutTheElementItemsAreFlatInTheMenuAndHilightColours) {
  MakeForm();
  const RECT rect{0, 0, 120, 20};
  TMenuItemFace face;
  face.Caption = L"Item";
  Surface normal(120, 20, RGB(1, 2, 3)), selected(120, 20, RGB(1, 2, 3));
  DrawPlainMenuItem(normal.dc(), rect, face, false, *data);
  DrawPlainMenuItem(selected.dc(), rect, face, true, *data);
  EXPECT_EQ(normal.At(118, 1), static_cast<COLORREF>(SkinColourToRGB(data->Elements.ColourTable[kColourMenu])));
  EXPECT_EQ(selected.At(118, 1), static_cast<COLORREF>(SkinColourToRGB(data->Elements.ColourTable[kColourHilight])));
}

TEST_F(SkinMenuItemDrawTest, ADisabledItemUsesTheSystemShadowWhenTheSkinsShadowEqualsItsMenuText) {
  MakeForm();
  data->Elements.ColourTable[kColourButtonShadow] = RGB(40, 40, 40);
  data->Elements.ColourTable[kColourMenuText] = RGB(40, 40, 40);
  TMenuItemFace face;
  face.Caption = L"WWWW";
  face.Enabled = false;
  Surface surface(120, 20, RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(surface.dc(), GetStockObject(DEFAULT_GUI_FONT));
  RECT r{0, 0, 120, 20};
  DrawMenuText(surface.dc(), face, DT_SINGLELINE, false, r, face.Caption, *data);
  SelectObject(surface.dc(), old);
  bool system = false, skin = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 120; ++x) {
      system = system || surface.At(x, y) == GetSysColor(COLOR_BTNSHADOW);
      skin = skin || surface.At(x, y) == RGB(40, 40, 40);
    }
  EXPECT_TRUE(system);
  EXPECT_FALSE(skin);
}

TEST_F(SkinMenuItemDrawTest, MeasuringAddsTheElementsMarginAndAnEmptyCaptionMeasuresOneLine) {
  MakeForm();
  ASSERT_TRUE(ShowSkinned());
  TWinSkinForm* skinner = Skinner();
  TMenuItem* item = file->Items(0);
  HDC dc = GetDC(nullptr);
  TCanvas canvas(dc);
  int ownWidth = 0, ownHeight = 0, width = 0, height = 0;
  item->MeasureItem(&canvas, ownWidth, ownHeight);
  skinner->MeasurePopupItem(item, &canvas, width, height);
  EXPECT_EQ(height, ownHeight);
  // No image list on this menu: the wide room.
  EXPECT_EQ(width, ownWidth + 35);
  menu->SetImages(data->MenuGlyphs);
  item->MeasureItem(&canvas, ownWidth, ownHeight);
  width = height = 0;
  skinner->MeasurePopupItem(item, &canvas, width, height);
  EXPECT_EQ(width, ownWidth + data->Elements.MenuItem->LeftWidth + 12);
  menu->SetImages(nullptr);

  TMenuItemFace face;
  RECT empty{0, 0, 100, 0};
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawMenuText(dc, face, DT_CALCRECT | DT_SINGLELINE, false, empty, L"", *data);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_GT(empty.bottom - empty.top, 0);
}

}  // namespace
