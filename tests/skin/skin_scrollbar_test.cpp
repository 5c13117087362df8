// The painted scroll bars and the up-down skinner on real controls with the synthetic test skin
// (one colour per element frame), on the display: where each bar lies and what it shows is
// checked against what the controls report (GetScrollBarInfo, the list's top row), never
// against fixed pixels. Clicks go the way a user's do: to the painted panel, which hands them
// to the native bar underneath; the native bar's tracking loop then reads the mouse messages
// queued for it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui/edits.h"
#include "gui/forms.h"
#include "gui/lists.h"
#include "gui/properties.h"
#include "gui/sliders.h"
#include "gui/vtree/virtual_string_tree.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/control_discovery.h"
#include "skin/scroll_rules.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_combo_scrollbar.h"
#include "skin/skin_scrollbar.h"
#include "skin/skin_up_down.h"
#include "skin/skinner_kinds.h"
#include "synthetic_skin.h"

namespace {

SCROLLBARINFO BarInfo(HWND window, LONG id = OBJID_VSCROLL) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetScrollBarInfo(window, id, &info));
  return info;
}

// A mouse message the native bar's loop will read, at `along` pixels down the list's bar.
void QueueForBar(HWND list, UINT msg, int along) {
  const SCROLLBARINFO info = BarInfo(list);
  POINT p{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top + along};
  ScreenToClient(list, &p);
  PostMessageW(list, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

class SkinScrollbarTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(40, 40, 460, 360);
    form->Show();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    ASSERT_TRUE(data->Elements.Scrollbar);
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
    Pump();
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  COLORREF Strip(int frame) const { return synthetic->Colour(data->Elements.Scrollbar.get(), frame); }
  COLORREF Track(int frame) const { return synthetic->Colour(data->Elements.VertScroll.get(), frame); }
  COLORREF Thumb(int frame) const { return synthetic->Colour(data->Elements.VertScrollThumb.get(), frame); }

  // A list box of 100 rows with the skinner the discovery's table makes for scroll bars.
  TListBox* SkinnedList() {
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->SetBounds(20, 20, 200, 240);
    for (int i = 1; i <= 100; ++i) list->Items().Add(L"Row " + std::to_wstring(i));
    skinner = dynamic_cast<TSkinScrollbar*>(MakeSkinner(TSkinnerKind::Scrollbar, list, TSkinDecision{}));
    EXPECT_NE(skinner, nullptr);
    if (skinner) skinner->AttachControl(skinForm, data, nullptr, false);
    Pump();
    return list;
  }
  // What the panel shows now.
  static TBitmap Shown(TWScrollbar* bar) { return PaintedPicture(bar->Handle()); }
  // A press on the panel at `along` pixels down the vertical bar.
  static void PressAt(TWScrollbar* bar, int along) {
    RECT r;
    GetWindowRect(bar->Handle(), &r);
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((r.right - r.left) / 2, along));
  }
  static int TopRow(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinForm = nullptr;
  TSkinScrollbar* skinner = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
};

TEST_F(SkinScrollbarTest, ThePanelLiesOverTheNativeBarDirectlyAboveTheControl) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  HWND w = list->Handle();
  const SCROLLBARINFO info = BarInfo(w);
  ASSERT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  TWScrollbar* bar = skinner->VertBar;
  ASSERT_TRUE(bar->Visible() && IsWindowVisible(bar->Handle()));
  RECT panel;
  GetWindowRect(bar->Handle(), &panel);
  EXPECT_TRUE(EqualRect(&panel, &info.rcScrollBar))
      << panel.left << "," << panel.top << "," << panel.right << "," << panel.bottom << " against "
      << info.rcScrollBar.left << "," << info.rcScrollBar.top << "," << info.rcScrollBar.right << ","
      << info.rcScrollBar.bottom;
  EXPECT_EQ(GetParent(bar->Handle()), GetParent(w));
  EXPECT_EQ(GetWindow(bar->Handle(), GW_HWNDNEXT), w);
  // The panel is no control of the form's: the discovery and the layout never see it.
  for (int i = 0; i < form->ControlCount(); ++i) EXPECT_NE(form->Controls(i), bar);
  // No horizontal bar on this list: its panel stays hidden.
  EXPECT_FALSE(IsWindowVisible(skinner->HorzBar->Handle()));

  // It follows the control when the control moves and grows.
  list->SetBounds(40, 30, 220, 200);
  Pump();
  const SCROLLBARINFO moved = BarInfo(w);
  GetWindowRect(bar->Handle(), &panel);
  EXPECT_TRUE(EqualRect(&panel, &moved.rcScrollBar));
  // And hides with it.
  list->SetVisible(false);
  Pump();
  EXPECT_FALSE(IsWindowVisible(bar->Handle()));
  list->SetVisible(true);
  Pump();
  EXPECT_TRUE(IsWindowVisible(bar->Handle()));
}

TEST_F(SkinScrollbarTest, EachPartShowsItsSkinFrameWhereTheNativeBarHasIt) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  const SCROLLBARINFO info = BarInfo(list->Handle());
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
  const int x = (info.rcScrollBar.right - info.rcScrollBar.left) / 2;
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  TBitmap shown = Shown(skinner->VertBar);
  ExpectColour(shown.Pixel(x, arrow / 2), Strip(9));            // up arrow
  ExpectColour(shown.Pixel(x, length - arrow / 2), Strip(13));  // down arrow
  ExpectColour(shown.Pixel(x, info.xyThumbTop + 1), Thumb(1));  // the thumb where the bar reports it
  ExpectColour(shown.Pixel(x, (info.xyThumbBottom + length - arrow) / 2), Track(1));
  const int grip = data->Elements.Scrollbar->Image.Height();
  if (grip < info.xyThumbBottom - info.xyThumbTop + 2)
    ExpectColour(shown.Pixel(x, (info.xyThumbTop + info.xyThumbBottom) / 2), Strip(20));

  // Scrolled by the program, the thumb is painted where the bar reports it now.
  SendMessageW(list->Handle(), LB_SETTOPINDEX, 60, 0);
  const SCROLLBARINFO scrolled = BarInfo(list->Handle());
  ASSERT_GT(scrolled.xyThumbTop, info.xyThumbBottom);
  shown = Shown(skinner->VertBar);
  ExpectColour(shown.Pixel(x, scrolled.xyThumbTop + 1), Thumb(1));
  ExpectColour(shown.Pixel(x, info.xyThumbTop + 1), Track(1));
}

TEST_F(SkinScrollbarTest, AClickOnTheDownArrowMovesOneLine) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  HWND w = list->Handle();
  const int before = TopRow(w), position = GetScrollPos(w, SB_VERT);
  const int length = skinner->VertBar->Length;
  QueueForBar(w, WM_LBUTTONUP, length - 3);
  PressAt(skinner->VertBar, length - 3);
  EXPECT_EQ(TopRow(w), before + 1);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), position + 1);
  EXPECT_FALSE(skinner->VertBar->Dragging);
}

// Looked at from inside the native bar's tracking loop, which dispatches timer messages.
struct THeldProbe {
  TWScrollbar* Bar = nullptr;
  HWND List = nullptr;
  int Along = 0;
  bool Ran = false;
  bool Dragging = false;
  COLORREF Arrow = 0;
};
THeldProbe* g_probe = nullptr;

void CALLBACK ProbeWhileHeld(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!g_probe || g_probe->Ran) return;
  g_probe->Ran = true;
  g_probe->Dragging = g_probe->Bar->Dragging;
  const TBitmap shown = PaintedPicture(g_probe->Bar->Handle());
  g_probe->Arrow = shown.Pixel(shown.Width() / 2, g_probe->Along);
  QueueForBar(g_probe->List, WM_LBUTTONUP, g_probe->Along);
}

TEST_F(SkinScrollbarTest, TheDownArrowShowsItsPressedFrameWhileHeld) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  HWND w = list->Handle();
  const int before = TopRow(w);
  THeldProbe probe;
  probe.Bar = skinner->VertBar;
  probe.List = w;
  probe.Along = skinner->VertBar->Length - 3;
  g_probe = &probe;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &ProbeWhileHeld);
  PressAt(skinner->VertBar, probe.Along);
  KillTimer(nullptr, timer);
  g_probe = nullptr;
  ASSERT_TRUE(probe.Ran) << "the native bar ran no tracking loop";
  EXPECT_TRUE(probe.Dragging);
  ExpectColour(probe.Arrow, Strip(14));
  EXPECT_GT(TopRow(w), before);
  // Released: the normal frame again.
  TBitmap shown = Shown(skinner->VertBar);
  const int x = (skinner->VertBar->Width()) / 2;
  EXPECT_NE(shown.Pixel(x, probe.Along), Strip(14));
}

// What the panel shows when the native bar sends its first scroll request for a press: the
// part the panel took the press for, and what it paints at the press and on the arrows. It
// hooks the list's chain ahead of the skinner, which shows the request on the panel after it.
struct TFirstRequestProbe {
  TControl* List = nullptr;
  TWndMethod Old;
  TWScrollbar* Bar = nullptr;
  int Along = 0;
  bool Seen = false;
  int HotPart = kScrollNoPart;
  COLORREF AtPress = 0, FirstArrow = 0, SecondArrow = 0;

  TFirstRequestProbe(TControl* list, TWScrollbar* bar, int along) : List(list), Old(list->WindowProc), Bar(bar), Along(along) {
    list->WindowProc = TWndMethod::Of<&TFirstRequestProbe::Proc>(this);
  }
  ~TFirstRequestProbe() {
    if (List->WindowProc == TWndMethod::Of<&TFirstRequestProbe::Proc>(this)) List->WindowProc = Old;
  }
  void Proc(TMessage& m) {
    if (m.Msg == WM_VSCROLL && !Seen) {
      Seen = true;
      HotPart = Bar->HotPart;
      const TBitmap shown = PaintedPicture(Bar->Handle());
      const int x = shown.Width() / 2, arrow = GetSystemMetrics(SM_CXHSCROLL);
      AtPress = shown.Pixel(x, Along);
      FirstArrow = shown.Pixel(x, arrow / 2);
      SecondArrow = shown.Pixel(x, Bar->Length - arrow / 2);
    }
    Old(m);
  }
};

// A press on the track below the thumb is taken for the track: the arrows keep their normal
// frames, the thumb is not drawn under the cursor, and the list moves down one page.
TEST_F(SkinScrollbarTest, AClickOnTheTrackPagesTheList) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  HWND w = list->Handle();
  const SCROLLBARINFO info = BarInfo(w);
  const int length = skinner->VertBar->Length, arrow = GetSystemMetrics(SM_CXHSCROLL);
  ASSERT_LT(info.xyThumbBottom + 10, length - arrow);
  RECT client;
  GetClientRect(w, &client);
  const int page = client.bottom / static_cast<int>(SendMessageW(w, LB_GETITEMHEIGHT, 0, 0));
  const int before = TopRow(w);
  const int along = (info.xyThumbBottom + length - arrow) / 2;
  RECT r;
  GetWindowRect(skinner->VertBar->Handle(), &r);
  SetCursorPos((r.left + r.right) / 2, r.top + along);
  {
    TFirstRequestProbe probe(list, skinner->VertBar, along);
    QueueForBar(w, WM_LBUTTONUP, along);
    PressAt(skinner->VertBar, along);
    SetCursorPos(0, 0);
    ASSERT_TRUE(probe.Seen) << "the native bar sent no scroll request";
    EXPECT_EQ(probe.HotPart, kScrollTrackAfter);
    ExpectColour(probe.AtPress, Track(1));
    ExpectColour(probe.FirstArrow, Strip(9));
    ExpectColour(probe.SecondArrow, Strip(13));
  }
  EXPECT_EQ(TopRow(w), before + page);
}

TEST_F(SkinScrollbarTest, DraggingTheThumbMovesThePosition) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  HWND w = list->Handle();
  const SCROLLBARINFO info = BarInfo(w);
  const int grab = (info.xyThumbTop + info.xyThumbBottom) / 2;
  const int before = TopRow(w);
  QueueForBar(w, WM_MOUSEMOVE, grab + 20);
  QueueForBar(w, WM_MOUSEMOVE, grab + 60);
  QueueForBar(w, WM_LBUTTONUP, grab + 60);
  PressAt(skinner->VertBar, grab);
  const int after = TopRow(w);
  EXPECT_GT(after, before + 5);
  // The painted thumb now stands where the bar reports it.
  const SCROLLBARINFO moved = BarInfo(w);
  EXPECT_GT(moved.xyThumbTop, info.xyThumbTop + 40);
  TBitmap shown = Shown(skinner->VertBar);
  ExpectColour(shown.Pixel(skinner->VertBar->Width() / 2, moved.xyThumbTop + 1), Thumb(1));
}

// The painted thumb follows the cursor while the native bar tracks it, in its pressed frame.
struct TDragProbe {
  TWScrollbar* Bar = nullptr;
  HWND List = nullptr;
  int Grab = 0, Moved = 0, ThumbAtClick = 0;
  bool Ran = false;
  COLORREF AtNewThumb = 0, AtOldThumb = 0;
};
TDragProbe* g_drag = nullptr;

void CALLBACK ProbeWhileDragging(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!g_drag || g_drag->Ran) return;
  g_drag->Ran = true;
  RECT r;
  GetWindowRect(g_drag->Bar->Handle(), &r);
  SetCursorPos((r.left + r.right) / 2, r.top + g_drag->Grab + g_drag->Moved);
  const TBitmap shown = PaintedPicture(g_drag->Bar->Handle());
  const int x = (r.right - r.left) / 2;
  g_drag->AtNewThumb = shown.Pixel(x, g_drag->ThumbAtClick + g_drag->Moved + 1);
  g_drag->AtOldThumb = shown.Pixel(x, g_drag->ThumbAtClick + 1);
  QueueForBar(g_drag->List, WM_LBUTTONUP, g_drag->Grab + g_drag->Moved);
}

TEST_F(SkinScrollbarTest, ADraggedThumbIsPaintedUnderTheCursor) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  HWND w = list->Handle();
  const SCROLLBARINFO info = BarInfo(w);
  TDragProbe probe;
  probe.Bar = skinner->VertBar;
  probe.List = w;
  probe.Grab = (info.xyThumbTop + info.xyThumbBottom) / 2;
  probe.Moved = 40;
  probe.ThumbAtClick = info.xyThumbTop;
  RECT r;
  GetWindowRect(skinner->VertBar->Handle(), &r);
  SetCursorPos((r.left + r.right) / 2, r.top + probe.Grab);
  g_drag = &probe;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &ProbeWhileDragging);
  PressAt(skinner->VertBar, probe.Grab);
  KillTimer(nullptr, timer);
  g_drag = nullptr;
  SetCursorPos(0, 0);
  ASSERT_TRUE(probe.Ran) << "the native bar ran no tracking loop";
  // The pressed thumb, or its pressed grip where the grip reaches the thumb's end.
  EXPECT_TRUE(probe.AtNewThumb == Thumb(2) || probe.AtNewThumb == Strip(21)) << std::hex << probe.AtNewThumb;
  if (info.xyThumbBottom - info.xyThumbTop < probe.Moved) ExpectColour(probe.AtOldThumb, Track(1));
}

TEST_F(SkinScrollbarTest, ADisabledBarShowsNoThumb) {
  TListBox* list = SkinnedList();
  ASSERT_NE(skinner, nullptr);
  HWND w = list->Handle();
  const SCROLLBARINFO enabled = BarInfo(w);
  list->SetEnabled(false);
  EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
  const SCROLLBARINFO disabled = BarInfo(w);
  TBitmap shown = Shown(skinner->VertBar);
  const int x = skinner->VertBar->Width() / 2, arrow = GetSystemMetrics(SM_CXHSCROLL);
  for (int y = arrow; y < skinner->VertBar->Length - arrow; ++y) {
    const COLORREF c = shown.Pixel(x, y);
    ASSERT_TRUE(c != Thumb(1) && c != Thumb(2) && c != Thumb(3) && c != Strip(20)) << "a thumb at " << y;
  }
  // The disabled track frame needs the system to report the bar as unavailable.
  if (!(disabled.rgstate[0] & STATE_SYSTEM_UNAVAILABLE))
    GTEST_SKIP() << "GetScrollBarInfo here does not report a disabled bar as unavailable";
  ExpectColour(shown.Pixel(x, enabled.xyThumbTop + 1), Track(3));
}

TEST_F(SkinScrollbarTest, TheTreeListGetsBothBarsFromTheStyleMap) {
  auto* tree = new TVirtualStringTree(form);
  tree->SetParent(form);
  tree->SetBounds(20, 20, 220, 220);
  tree->Header()->SetOptions({TVTHeaderOption::hoVisible});
  for (int width : {150, 200}) tree->Header()->Columns()->Add()->SetWidth(width);
  tree->SetRootNodeCount(100000);
  Pump();
  // The tree-list is routed by the style map, as the programs' skin settings have it.
  skinForm->SkinComponent(tree, form);
  Pump();
  TSkinControl* found = skinForm->FindSkinControlByHandle(tree->Handle());
  auto* treeSkinner = dynamic_cast<TSkinScrollbar*>(found);
  ASSERT_NE(treeSkinner, nullptr);
  for (auto [bar, id] : {std::pair{treeSkinner->VertBar, OBJID_VSCROLL}, std::pair{treeSkinner->HorzBar, OBJID_HSCROLL}}) {
    const SCROLLBARINFO info = BarInfo(tree->Handle(), id);
    RECT panel;
    GetWindowRect(bar->Handle(), &panel);
    EXPECT_TRUE(IsWindowVisible(bar->Handle()));
    EXPECT_TRUE(EqualRect(&panel, &info.rcScrollBar)) << id;
  }
  // Paging down moves the painted thumb with the native one.
  for (int i = 0; i < 3000; ++i) SendMessageW(tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  Pump();
  const SCROLLBARINFO info = BarInfo(tree->Handle());
  ASSERT_GT(info.xyThumbTop, GetSystemMetrics(SM_CYVSCROLL) + 5);
  TBitmap shown = Shown(treeSkinner->VertBar);
  ExpectColour(shown.Pixel(treeSkinner->VertBar->Width() / 2, info.xyThumbTop + 1), Thumb(1));
}

TEST_F(SkinScrollbarTest, ABarThatComesWithNewRowsGetsItsPanel) {
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetBounds(20, 20, 200, 240);
  list->Items().Add(L"Only row");
  skinner = dynamic_cast<TSkinScrollbar*>(MakeSkinner(TSkinnerKind::Scrollbar, list, TSkinDecision{}));
  ASSERT_NE(skinner, nullptr);
  skinner->AttachControl(skinForm, data, nullptr, false);
  Pump();
  HWND w = list->Handle();
  SCROLLBARINFO info = BarInfo(w);
  if (!(info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) GTEST_SKIP() << "this list box shows its bar with one row";
  EXPECT_FALSE(IsWindowVisible(skinner->VertBar->Handle()));
  for (int i = 1; i <= 100; ++i) list->Items().Add(L"Row " + std::to_wstring(i));
  Pump();
  info = BarInfo(w);
  ASSERT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  RECT panel;
  GetWindowRect(skinner->VertBar->Handle(), &panel);
  EXPECT_TRUE(IsWindowVisible(skinner->VertBar->Handle()));
  EXPECT_TRUE(EqualRect(&panel, &info.rcScrollBar));
}

// A plain window's bars (the list of a simple combo box is one): TSkinScrollbarH.
TEST_F(SkinScrollbarTest, APlainWindowsBarGetsItsPanelToo) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                              250, 20, 160, 200, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  for (int i = 1; i <= 100; ++i)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"Row " + std::to_wstring(i)).c_str()));
  auto* plain = new TSkinScrollbarH(skinForm);
  plain->AttachWindow(list, data, nullptr, skinForm);
  Pump();
  const SCROLLBARINFO info = BarInfo(list);
  RECT panel;
  GetWindowRect(plain->VertBar->Handle(), &panel);
  EXPECT_TRUE(IsWindowVisible(plain->VertBar->Handle()));
  EXPECT_TRUE(EqualRect(&panel, &info.rcScrollBar));
  EXPECT_EQ(GetWindow(plain->VertBar->Handle(), GW_HWNDNEXT), list);
  // A click on the painted down arrow scrolls the plain list by one line as well.
  const int before = TopRow(list);
  QueueForBar(list, WM_LBUTTONUP, plain->VertBar->Length - 3);
  PressAt(plain->VertBar, plain->VertBar->Length - 3);
  EXPECT_EQ(TopRow(list), before + 1);
  // The window goes: so does its skinner, and with it the panels.
  DestroyWindow(list);
  Pump();
  EXPECT_EQ(skinForm->FindSkinControlByHandle(list), nullptr);
}

// The drop-down list's bar is painted into the list's own frame, at the bar's place.
TEST_F(SkinScrollbarTest, TheDropDownListsBarIsPaintedWhereTheListHasIt) {
  HWND combo = CreateWindowExW(0, L"COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 250, 20,
                               160, 200, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(combo, nullptr);
  for (int i = 1; i <= 100; ++i)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"Entry " + std::to_wstring(i)).c_str()));
  COMBOBOXINFO combos{sizeof(combos)};
  ASSERT_TRUE(GetComboBoxInfo(combo, &combos));
  auto* bar = new TComboxScrollBar(skinForm);
  bar->AttachWindow(combos.hwndList, data, nullptr, skinForm);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  const SCROLLBARINFO info = BarInfo(combos.hwndList);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  if (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) GTEST_SKIP() << "the list showed no bar";
  RECT window;
  GetWindowRect(combos.hwndList, &window);
  Surface surface(window.right - window.left, window.bottom - window.top, RGB(1, 2, 3));
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  bar->DrawBar(surface.dc());
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2 - window.left;
  const int top = info.rcScrollBar.top - window.top, bottom = info.rcScrollBar.bottom - window.top;
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  ExpectColour(surface.At(x - 1, top + arrow / 2), Strip(9));
  ExpectColour(surface.At(x - 1, bottom - arrow / 2), Strip(13));
  ExpectColour(surface.At(x - 1, top + info.xyThumbTop + 1), Thumb(1));
  // Nothing outside the bar.
  ExpectColour(surface.At(2, 2), RGB(1, 2, 3));
}

// A grid of another vendor's: its fixed cells' colour is a published "FixedColor".
class TStandInGrid : public TListBox {
  QS_CLASS(TStandInGrid)

 public:
  using TListBox::TListBox;
  int FixedColor() const { return fixed_; }
  void SetFixedColor(int value) { fixed_ = value; }

 private:
  int fixed_ = 0x00123456;
};
const TClassInfo& TStandInGrid::StaticClass() {
  static const TClassInfo info(L"TStandInGrid", &TListBox::StaticClass(), nullptr,
                               {props::Int(L"FixedColor", &TStandInGrid::FixedColor, &TStandInGrid::SetFixedColor)});
  return info;
}

TEST_F(SkinScrollbarTest, AGridsFixedCellsTakeTheFaceColourWhileSkinned) {
  // Its own colour may be a system colour (high byte 0xFF): it comes back unchanged.
  for (int own : {0x00123456, static_cast<int>(0xFF00000Fu)}) {
    auto* grid = new TStandInGrid(form);
    grid->SetParent(form);
    grid->SetBounds(20, 20, 200, 100);
    grid->SetFixedColor(own);
    auto* gridSkinner = dynamic_cast<TSkinScrollbar*>(MakeSkinner(TSkinnerKind::Scrollbar, grid, TSkinDecision{}));
    ASSERT_NE(gridSkinner, nullptr);
    gridSkinner->AttachControl(skinForm, data, nullptr, false);
    EXPECT_EQ(grid->FixedColor(), data->Elements.ColourTable[kColourButtonFace]);
    gridSkinner->Detach();
    EXPECT_EQ(grid->FixedColor(), own);
    delete grid;
  }
}

// ---- the up-down ----

class SkinUpDownTest : public SkinScrollbarTest {
 protected:
  TUpDown* SkinnedUpDown(bool horizontal) {
    auto* upDown = new TUpDown(form);
    upDown->SetParent(form);
    if (horizontal) upDown->SetOrientation(TUDOrientation::udHorizontal);
    upDown->SetBounds(300, 40, horizontal ? 40 : 20, horizontal ? 20 : 40);
    TSkinControl* s = MakeSkinner(TSkinnerKind::UpDown, upDown, TSkinDecision{});
    EXPECT_NE(dynamic_cast<TSkinUpDown*>(s), nullptr);
    if (s) s->AttachControl(skinForm, data, nullptr, false);
    Pump();
    return upDown;
  }
  COLORREF Vert(int frame) const { return synthetic->Colour(data->Elements.UpDownVert.get(), frame); }
  COLORREF Horz(int frame) const { return synthetic->Colour(data->Elements.UpDownHorz.get(), frame); }
};

TEST_F(SkinUpDownTest, PressingTheUpButtonShowsItPressedAndTheDownButtonNormal) {
  TUpDown* upDown = SkinnedUpDown(false);
  HWND w = upDown->Handle();
  RECT r;
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  // Probed at the buttons' corners: a glyph may lie centred on each.
  SetCursorPos(r.right + 50, r.bottom + 50);
  const TBitmap idle = PaintedPicture(w);
  ExpectColour(idle.Pixel(1, 1), Vert(1));
  ExpectColour(idle.Pixel(1, height - 2), Vert(5));
  SetCursorPos(r.left + width / 2, r.top + height / 4);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(width / 2, height / 4));
  const TBitmap pressed = PaintedPicture(w);
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(width / 2, height / 4));
  ExpectColour(pressed.Pixel(1, 1), Vert(2));
  ExpectColour(pressed.Pixel(1, height - 2), Vert(5));
  const TBitmap released = PaintedPicture(w);
  ExpectColour(released.Pixel(1, 1), Vert(1));
  SetCursorPos(r.right + 50, r.bottom + 50);
  // Disabled: both buttons show their disabled frame.
  upDown->SetEnabled(false);
  const TBitmap disabled = PaintedPicture(w);
  ExpectColour(disabled.Pixel(1, 1), Vert(3));
  ExpectColour(disabled.Pixel(1, height - 2), Vert(7));
}

TEST_F(SkinUpDownTest, TheHorizontalLookUsesTheFirstFourFramesLeftAndTheLastFourRight) {
  TUpDown* upDown = SkinnedUpDown(true);
  HWND w = upDown->Handle();
  ASSERT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & UDS_HORZ);
  RECT r;
  GetWindowRect(w, &r);
  SetCursorPos(r.right + 50, r.bottom + 50);
  const TBitmap idle = PaintedPicture(w);
  ExpectColour(idle.Pixel(1, 1), Horz(1));
  ExpectColour(idle.Pixel(r.right - r.left - 2, 1), Horz(5));
}

}  // namespace
