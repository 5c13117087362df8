// The edit, combo box and date-time picker skinners on real controls with the synthetic test
// skin (one colour per element frame), and the drop-down list's thumb tracking on a real list
// with real mouse input. Places are taken from what the controls report (GetComboBoxInfo,
// GetScrollBarInfo, client rectangles), never from fixed pixels.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "gui/date_picker.h"
#include "gui/edits.h"
#include "gui/forms.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/control_draw.h"
#include "skin/entry_rules.h"
#include "skin/list_thumb_track.h"
#include "skin/skin_combo_box.h"
#include "skin/skin_data.h"
#include "skin/skin_date_time.h"
#include "skin/skin_edit.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"
#include "skin/skin_up_down.h"
#include "skin/skinner_kinds.h"
#include "synthetic_skin.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

SIZE SizeOf(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void SendMouse(DWORD flags, int dx = 0, int dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = dx;
  input.mi.dy = dy;
  SendInput(1, &input, sizeof(input));
}

class SkinEntriesTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(300, 200, 420, 320);
    form->Handle();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    ASSERT_TRUE(data->Elements.ComboButton);
    ASSERT_TRUE(data->Elements.SunkEdge);
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    shadow = EntryColour(data, kColourButtonShadow);
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }
  template <typename T>
  T* Place(int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  template <typename S>
  S* Skin(TControl* control, TSkinnerKind kind) {
    TSkinControl* skinner = MakeSkinner(kind, control, TSkinDecision{});
    EXPECT_NE(skinner, nullptr);
    if (skinner) skinner->AttachControl(skinForm, data, nullptr, false);
    return dynamic_cast<S*>(skinner);
  }
  // The form in front of everything, so real mouse input reaches it.
  void ShowInFront() {
    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form->Handle());
    UpdateWindow(form->Handle());
    Pump(50);
  }
  COLORREF ComboColour(int frame) const { return synthetic->Colour(data->Elements.ComboButton.get(), frame); }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinForm = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
  COLORREF shadow = 0;
};

TEST_F(SkinEntriesTest, AnEditWithABorderShowsAShadowLineWithTwoWhiteLinesInside) {
  auto* edit = Place<TEdit>(10, 10, 150, 22);
  Skin<TSkinEdit>(edit, TSkinnerKind::Edit);
  const TBitmap surface = PaintedPicture(edit->Handle());
  const SIZE s = SizeOf(edit->Handle());
  ExpectColour(surface.Pixel(s.cx / 2, 0), shadow);
  ExpectColour(surface.Pixel(0, s.cy / 2), shadow);
  ExpectColour(surface.Pixel(s.cx - 1, s.cy / 2), shadow);
  ExpectColour(surface.Pixel(s.cx / 2, 1), kWhite);
  ExpectColour(surface.Pixel(s.cx / 2, 2), kWhite);
  ExpectColour(surface.Pixel(1, s.cy / 2), kWhite);
}

TEST_F(SkinEntriesTest, AnEditWithoutABorderGetsNoFrame) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"plain", WS_CHILD | WS_VISIBLE, 10, 40, 150, 22, form->Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  TSkinControl* skinner = MakeSkinner(TSkinnerKind::Edit, skinForm, TSkinDecision{});
  skinner->AttachWindow(edit, data, nullptr, skinForm);
  const TBitmap surface = PaintedPicture(edit);
  EXPECT_NE(surface.Pixel(75, 0), shadow);
  EXPECT_NE(surface.Pixel(0, 11), shadow);
  DestroyWindow(edit);
}

// An up-down inside the edit gets its own skinner, drawn inside the edit's border.
TEST_F(SkinEntriesTest, AnUpDownInsideAnEditGetsItsSkinner) {
  auto* edit = Place<TEdit>(10, 10, 150, 22);
  auto* skinner = Skin<TSkinEdit>(edit, TSkinnerKind::Edit);
  RECT client;
  GetClientRect(edit->Handle(), &client);
  HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16, client.bottom,
                              edit->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(spin, nullptr);
  PaintedPicture(edit->Handle());
  ASSERT_NE(skinner->SpinButton, nullptr);
  EXPECT_TRUE(skinner->SpinButton->Embedded);
  EXPECT_EQ(skinner->SpinButton->Handle, spin);
  EXPECT_EQ(SendMessageW(spin, SKM_QUERYSKINNED, 0, 0), 1);
  // Found once: the next paint keeps the same skinner.
  TSkinUpDown* first = skinner->SpinButton;
  PaintedPicture(edit->Handle());
  EXPECT_EQ(skinner->SpinButton, first);
}

TEST_F(SkinEntriesTest, ThePrintedBorderIsFramedTooWithTheDCsBrushInside) {
  auto* edit = Place<TEdit>(10, 10, 150, 22);
  Skin<TSkinEdit>(edit, TSkinnerKind::Edit);
  const SIZE s = SizeOf(edit->Handle());
  Surface surface(s.cx, s.cy, kUnpaintedColour);
  SelectObject(surface.dc(), GetStockObject(BLACK_BRUSH));
  SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.dc()), PRF_NONCLIENT | PRF_CLIENT);
  ExpectColour(surface.At(s.cx / 2, 0), shadow);
  ExpectColour(surface.At(s.cx / 2, 1), RGB(0, 0, 0));
}

// The composed combo strip paints the whole control in the state's frame.
TEST_F(SkinEntriesTest, TheComboShowsTheHotFrameOverItsButtonAndTheNormalOneElsewhere) {
  auto* combo = Place<TComboBox>(10, 10, 160, 22);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  auto* skinner = Skin<TSkinComBox>(combo, TSkinnerKind::ComBox);
  ASSERT_NE(skinner, nullptr);
  HWND w = combo->Handle();
  const SIZE s = SizeOf(w);
  const POINT middle{s.cx / 3, s.cy / 2};
  ExpectColour(PaintedPicture(w).Pixel(middle.x, middle.y), ComboColour(kComboNormal));
  COMBOBOXINFO info{sizeof(info)};
  ASSERT_TRUE(GetComboBoxInfo(w, &info));
  const POINT onButton = Centre(info.rcButton);
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(onButton.x, onButton.y));
  ExpectColour(PaintedPicture(w).Pixel(middle.x, middle.y), ComboColour(kComboHot));
  // Off the button (still inside the control): normal again.
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(info.rcButton.left - 10, onButton.y));
  ExpectColour(PaintedPicture(w).Pixel(middle.x, middle.y), ComboColour(kComboNormal));
  // Leaving the control from the button.
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(onButton.x, onButton.y));
  SendMessageW(w, CM_MOUSELEAVE, 0, 0);
  ExpectColour(PaintedPicture(w).Pixel(middle.x, middle.y), ComboColour(kComboNormal));
  // Pressed while the button is down.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onButton.x, onButton.y));
  ExpectColour(PaintedPicture(w).Pixel(middle.x, middle.y), ComboColour(kComboPressed));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(onButton.x, onButton.y));
  SendMessageW(w, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(SkinEntriesTest, AFocusedComboShowsTheHotFrameWithoutTheMouse) {
  auto* combo = Place<TComboBox>(10, 10, 160, 22);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  auto* edit = Place<TEdit>(10, 60, 100, 22);
  Skin<TSkinComBox>(combo, TSkinnerKind::ComBox);
  ShowInFront();
  HWND w = combo->Handle();
  const SIZE s = SizeOf(w);
  combo->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == w; }, 2000));
  ExpectColour(PaintedPicture(w).Pixel(s.cx / 3, s.cy / 2), ComboColour(kComboHot));
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit->Handle(); }, 2000));
  ExpectColour(PaintedPicture(w).Pixel(s.cx / 3, s.cy / 2), ComboColour(kComboNormal));
}

TEST_F(SkinEntriesTest, ADisabledComboShowsTheDisabledFrameWhateverTheMouseDoes) {
  auto* combo = Place<TComboBox>(10, 10, 160, 22);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  Skin<TSkinComBox>(combo, TSkinnerKind::ComBox);
  combo->SetEnabled(false);
  HWND w = combo->Handle();
  const SIZE s = SizeOf(w);
  ExpectColour(PaintedPicture(w).Pixel(s.cx / 3, s.cy / 2), ComboColour(kComboDisabled));
  COMBOBOXINFO info{sizeof(info)};
  ASSERT_TRUE(GetComboBoxInfo(w, &info));
  const POINT onButton = Centre(info.rcButton);
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(onButton.x, onButton.y));
  ExpectColour(PaintedPicture(w).Pixel(s.cx / 3, s.cy / 2), ComboColour(kComboDisabled));
}

// A right-to-left combo box gets its button drawn where the control has its own (Wine keeps it
// on the right whatever the style): the skin's button never lies over the start of the text.
TEST_F(SkinEntriesTest, ARightToLeftComboDrawsItsButtonWhereTheControlHasIt) {
  auto* combo = Place<TComboBox>(10, 10, 160, 22);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  HWND w = combo->Handle();
  SetWindowLongPtrW(w, GWL_EXSTYLE, GetWindowLongPtrW(w, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  Skin<TSkinComBox>(combo, TSkinnerKind::ComBox);
  ShowInFront();
  combo->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == w; }, 2000));
  const SIZE s = SizeOf(w);
  COMBOBOXINFO info{sizeof(info)};
  ASSERT_TRUE(GetComboBoxInfo(w, &info));
  const bool ownButtonLeft = Centre(info.rcButton).x < s.cx / 2;
  // The focused look, from the strip with the button on the left or from the one with it on the right.
  const COLORREF mirrored = synthetic->Colour(data->Elements.SunkEdge.get(), kComboHot);
  ASSERT_NE(mirrored, ComboColour(kComboHot));
  ExpectColour(PaintedPicture(w).Pixel(s.cx / 3, s.cy / 2), ownButtonLeft ? mirrored : ComboColour(kComboHot));
}

// A simple combo box: the strip its list leaves free below shows the parent's colour, and the
// list's bar is painted from the skin like a list box's.
TEST_F(SkinEntriesTest, ASimpleComboFillsBelowItsListAndItsListGetsThePaintedBar) {
  auto* combo = Place<TComboBox>(10, 10, 150, 80);
  combo->SetStyle(TComboBoxStyle::csSimple);
  combo->SetBounds(10, 10, 150, 80);
  for (int i = 1; i <= 40; ++i) combo->Items().Add(L"Item " + std::to_wstring(i));
  ShowInFront();
  TSkinControlTypes combos;
  combos.Include(TSkinControlType::xcCombo);
  data->SetSkinControls(combos);
  skinForm->SkinComponent(combo, form);
  HWND w = combo->Handle();
  auto* skinner = dynamic_cast<TSkinComBox*>(skinForm->FindSkinControlByHandle(w));
  ASSERT_NE(skinner, nullptr);
  COMBOBOXINFO info{sizeof(info)};
  ASSERT_TRUE(GetComboBoxInfo(w, &info));
  RECT window, list;
  GetWindowRect(w, &window);
  GetWindowRect(info.hwndList, &list);
  ASSERT_LT(list.bottom, window.bottom) << "the list fills the combo box: nothing left below it";
  const TBitmap picture = PaintedPicture(w);
  ExpectColour(picture.Pixel(20, window.bottom - window.top - 1), ColorToRGB(form->Color()));
  ExpectColour(picture.Pixel(20, list.bottom - window.top), ColorToRGB(form->Color()));

  // The bar's track below the thumb, on the screen, after the list has painted itself again.
  RedrawWindow(info.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  Pump(100);
  SCROLLBARINFO bar{sizeof(bar)};
  ASSERT_TRUE(GetScrollBarInfo(info.hwndList, OBJID_VSCROLL, &bar));
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int length = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
  ASSERT_LT(bar.xyThumbBottom + 2, length - arrow);
  ExpectColour(ScreenPixel((bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                           bar.rcScrollBar.top + (bar.xyThumbBottom + length - arrow) / 2),
               synthetic->Colour(data->Elements.VertScroll.get(), 1));
}

// The combo button's four frames, 16 x 16 each, side by side.
const std::vector<COLORREF> kButtonFrames = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0)};

// A skin whose combo button is drawn apart from the frame: the frame from "SunkEdge" around the
// control, the button's frame stretched over the button place, the middle left to the control.
TEST_F(SkinEntriesTest, TheSeparateLookDrawsTheFrameAndTheButtonApart) {
  TDataSkinBorder& button = *data->Elements.ComboButton;
  button.Style = 0;
  button.Image = ColourStrip(kButtonFrames, 16, 16);
  button.Frame = 4;
  data->Elements.ExtraImages.reset();
  const TDataSkinObject& edge = *data->Elements.SunkEdge;
  auto* combo = Place<TComboBox>(10, 10, 160, 22);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  auto* skinner = Skin<TSkinComBox>(combo, TSkinnerKind::ComBox);
  HWND w = combo->Handle();
  const SIZE s = SizeOf(w);
  const TComboParts parts = ComboParts(RECT{0, 0, s.cx, s.cy}, GetSystemMetrics(SM_CXHSCROLL), false);
  TBitmap surface = PaintedPicture(w);
  const POINT b = Centre(parts.Button);
  ExpectColour(surface.Pixel(b.x, b.y), kButtonFrames[0]);
  ExpectColour(surface.Pixel(0, s.cy / 2), synthetic->Colour(&edge, 1));
  EXPECT_NE(surface.Pixel(s.cx / 3, s.cy / 2), synthetic->Colour(&edge, 1));
  EXPECT_TRUE(EqualRect(&skinner->ButtonRect, &parts.Button));
  combo->SetEnabled(false);
  surface = PaintedPicture(w);
  ExpectColour(surface.Pixel(b.x, b.y), kButtonFrames[kComboDisabled - 1]);
}

// The simple look: the button strip's frame at the inner right edge, framed in ButtonShadow.
TEST_F(SkinEntriesTest, TheSimpleLookDrawsTheButtonAtTheInnerEdge) {
  TDataSkinBorder& button = *data->Elements.ComboButton;
  button.Style = 1;
  button.Image = ColourStrip(kButtonFrames, 16, 16);
  button.Frame = 4;
  auto* combo = Place<TComboBox>(10, 10, 160, 22);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  auto* skinner = Skin<TSkinComBox>(combo, TSkinnerKind::ComBox);
  HWND w = combo->Handle();
  const SIZE s = SizeOf(w);
  TBitmap surface = PaintedPicture(w);
  const RECT& r = skinner->ButtonRect;
  EXPECT_EQ(r.right, s.cx - 2);
  EXPECT_EQ(r.right - r.left, 16);
  const POINT b = Centre(r);
  ExpectColour(surface.Pixel(b.x, b.y), kButtonFrames[0]);
  ExpectColour(surface.Pixel(s.cx / 2, 0), shadow);
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(b.x, b.y));
  ExpectColour(PaintedPicture(w).Pixel(b.x, b.y), kButtonFrames[kComboHot - 1]);
}

// An ANSI combo box's edit is hooked: a press in the edit shows the pressed look.
TEST_F(SkinEntriesTest, APressInAnAnsiCombosEditShowsThePressedFrame) {
  HWND w = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 40, 160, 200, form->Handle(),
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_FALSE(IsWindowUnicode(w));
  auto* skinner = dynamic_cast<TSkinComBox*>(MakeSkinner(TSkinnerKind::ComBox, skinForm, TSkinDecision{}));
  ASSERT_NE(skinner, nullptr);
  skinner->AttachWindow(w, data, nullptr, skinForm);
  ASSERT_NE(skinner->EditWindow, nullptr);
  const SIZE s = SizeOf(w);
  SendMessageA(skinner->EditWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  ExpectColour(PaintedPicture(w).Pixel(s.cx / 3, s.cy / 2), ComboColour(kComboPressed));
  SendMessageA(skinner->EditWindow, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  // The press gave the edit the focus: the combo box shows its focused look.
  ASSERT_EQ(GetFocus(), skinner->EditWindow);
  ExpectColour(PaintedPicture(w).Pixel(s.cx / 3, s.cy / 2), ComboColour(kComboHot));
  DestroyWindow(w);
}

TEST_F(SkinEntriesTest, ThePickersArrowLiesOverItsButtonAndTheBorderAroundIt) {
  auto* picker = Place<TDateTimePicker>(10, 10, 150, 22);
  auto* skinner = Skin<TSkinDateTime>(picker, TSkinnerKind::DateTime);
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->ArrowButton, nullptr);
  HWND w = picker->Handle();
  ASSERT_EQ(GetParent(skinner->ArrowButton->Handle()), w);
  EXPECT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & WS_CLIPCHILDREN);
  RECT client, arrow;
  GetClientRect(w, &client);
  GetWindowRect(skinner->ArrowButton->Handle(), &arrow);
  MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&arrow), 2);
  EXPECT_EQ(arrow.right, client.right);
  EXPECT_EQ(arrow.top, client.top);
  EXPECT_EQ(arrow.bottom, client.bottom);
  EXPECT_EQ(arrow.right - arrow.left, GetSystemMetrics(SM_CXHSCROLL));
  const TBitmap surface = PaintedPicture(w);
  const SIZE s = SizeOf(w);
  ExpectColour(surface.Pixel(s.cx / 2, 0), shadow);
  ExpectColour(surface.Pixel(s.cx / 2, 1), kWhite);
}

TEST_F(SkinEntriesTest, ThePickersArrowShowsTheHotFrameUnderTheMouse) {
  auto* picker = Place<TDateTimePicker>(10, 10, 150, 22);
  auto* skinner = Skin<TSkinDateTime>(picker, TSkinnerKind::DateTime);
  TArrowButton* arrow = skinner->ArrowButton;
  const TDataSkinObject* element = data->Elements.ComboxArrow.get();
  ASSERT_TRUE(element && !element->Image.Empty());
  auto look = [&] {
    Surface surface(arrow->Width(), arrow->Height(), kUnpaintedColour);
    SendMessageW(arrow->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
    return surface.At(arrow->Width() / 2, arrow->Height() / 2);
  };
  ExpectColour(look(), synthetic->Colour(element, 1));
  SendMessageW(arrow->Handle(), CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(arrow->Hot());
  ExpectColour(look(), synthetic->Colour(element, std::min(4, element->Frames())));
  SendMessageW(arrow->Handle(), CM_MOUSELEAVE, 0, 0);
  ExpectColour(look(), synthetic->Colour(element, 1));
}

// A real click on the painted arrow.
TEST_F(SkinEntriesTest, ClickingThePickersArrowOpensTheCalendar) {
  auto* picker = Place<TDateTimePicker>(10, 10, 150, 22);
  auto* skinner = Skin<TSkinDateTime>(picker, TSkinnerKind::DateTime);
  ShowInFront();
  HWND w = picker->Handle();
  auto calendarOpen = [w] {
    HWND calendar = reinterpret_cast<HWND>(SendMessageW(w, DTM_GETMONTHCAL, 0, 0));
    return calendar && IsWindowVisible(calendar);
  };
  ASSERT_FALSE(calendarOpen());
  RECT arrow;
  GetWindowRect(skinner->ArrowButton->Handle(), &arrow);
  const POINT at = Centre(arrow);
  SetCursorPos(at.x, at.y);
  Pump(30);
  ASSERT_EQ(WindowFromPoint(at), skinner->ArrowButton->Handle());
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil(calendarOpen, 3000));
  // It stays open once the click is over.
  Pump(200);
  EXPECT_TRUE(calendarOpen());
  SendMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0);
  Pump(30);
}

// The drop-down list's thumb tracking on a list box that stands in for the combo box's list:
// its non-client presses go to TrackListThumb, as the list's scroll-bar skinner hands them.
class ThumbTrackTest : public SkinEntriesTest {
 protected:
  static LRESULT CALLBACK ListProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<ThumbTrackTest*>(ref);
    if (msg == WM_VSCROLL) self->scrolls.push_back(LOWORD(wParam));
    if (msg == WM_NCLBUTTONDOWN) {
      self->started = true;
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      self->tracked = TrackListThumb(w, wParam, at);
      self->ended = true;
      MSG quit;
      if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) self->quitCode = static_cast<int>(quit.wParam);
      if (self->tracked) return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(w, &ListProc, 1);
    return DefSubclassProc(w, msg, wParam, lParam);
  }
  void MakeList() {
    ShowInFront();
    list = CreateWindowExW(0, L"LISTBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 10, 10,
                           150, 200, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 100; ++i)
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"Item " + std::to_wstring(i)).c_str()));
    SetWindowSubclass(list, &ListProc, 1, reinterpret_cast<DWORD_PTR>(this));
    UpdateWindow(list);
    Pump(30);
  }
  POINT ThumbCentre() const {
    SCROLLBARINFO bar{sizeof(bar)};
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    return POINT{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                 bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
  }
  bool Saw(int request) const {
    for (int r : scrolls)
      if (r == request) return true;
    return false;
  }
  // Presses the thumb, drags it down, then ends the tracking with `end` while it runs.
  void PressDragAndEnd(const std::function<void()>& end) {
    const POINT at = ThumbCentre();
    SetCursorPos(at.x, at.y);
    Pump(30);
    ASSERT_EQ(WindowFromPoint(at), list);
    static ThumbTrackTest* current;
    static std::function<void()> ending;
    current = this;
    ending = end;
    SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      SendMouse(MOUSEEVENTF_MOVE, 0, 40);
      SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id2, DWORD) {
        KillTimer(nullptr, id2);
        current->topBeforeEnd = current->list && IsWindow(current->list)
                                    ? static_cast<int>(SendMessageW(current->list, LB_GETTOPINDEX, 0, 0))
                                    : -1;
        ending();
      });
    });
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([this] { return ended; }, 5000)) << "the tracking did not end";
    EXPECT_TRUE(started);
    EXPECT_TRUE(tracked);
  }
  void TearDown() override {
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(20);
    if (list && IsWindow(list)) DestroyWindow(list);
    SkinEntriesTest::TearDown();
  }

  HWND list = nullptr;
  bool started = false, tracked = false, ended = false;
  int quitCode = -1, topBeforeEnd = -1;
  std::vector<int> scrolls;
};

TEST_F(ThumbTrackTest, ItEndsOnEachOfItsFourConditions) {
  struct Case {
    const char* what;
    std::function<void(HWND)> end;
    bool settles;  // the list gets the final position and the end of the scroll
    int quitCode;
  } cases[] = {
      {"the button is released", [](HWND) { SendMouse(MOUSEEVENTF_LEFTUP); }, true, -1},
      {"the capture is lost", [](HWND) { ReleaseCapture(); }, true, -1},
      {"the list is destroyed", [](HWND w) { DestroyWindow(w); }, false, -1},
      {"WM_QUIT arrives", [](HWND) { PostQuitMessage(7); }, true, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    started = tracked = ended = false;
    quitCode = topBeforeEnd = -1;
    scrolls.clear();
    MakeList();
    HWND w = list;
    PressDragAndEnd([&c, w] { c.end(w); });
    // The drag moved the list before the end came.
    EXPECT_TRUE(Saw(SB_THUMBTRACK));
    EXPECT_GT(topBeforeEnd, 0);
    EXPECT_EQ(quitCode, c.quitCode);
    if (c.settles) {
      EXPECT_TRUE(Saw(SB_THUMBPOSITION));
      EXPECT_TRUE(PumpUntil([this] { return Saw(SB_ENDSCROLL); }, 1000));
      EXPECT_NE(GetCapture(), list);
    }
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(20);
    if (IsWindow(list)) DestroyWindow(list);
    list = nullptr;
  }
}

TEST_F(ThumbTrackTest, APressOffTheThumbIsLeftToTheNativeBar) {
  MakeList();
  SCROLLBARINFO bar{sizeof(bar)};
  GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
  // On the track below the thumb.
  const POINT below{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.top + bar.xyThumbBottom + 20};
  EXPECT_FALSE(TrackListThumb(list, HTVSCROLL, below));
  EXPECT_FALSE(TrackListThumb(list, HTCLIENT, ThumbCentre()));
}

}  // namespace
