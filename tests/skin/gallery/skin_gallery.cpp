// The skin gallery: a test program, part of neither shipped program. It shows every control
// kind the skinners handle, one window per family, with every skin setting on: framework
// controls, stand-ins that the style map routes to their skinners, a plain resource dialog
// (check box, radio buttons, group box, drop-down and simple combo boxes, an edit with an
// up-down, a size grip, a nested dialog, a toolbar), a menu bar and a popup menu, and a plain
// MDI frame with its children, cascaded and with one maximized.
//
//   skin_gallery.exe                 shows the windows until they are closed
//   skin_gallery.exe --shots <dir>   writes <dir>\<window>.png of each window and of the open
//                                    popup menu, then ends
#include <windows.h>

#include <commctrl.h>
#include <gdiplus.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/buttons.h"
#include "gui/date_picker.h"
#include "gui/edits.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/header_control.h"
#include "gui/list_view.h"
#include "gui/lists.h"
#include "gui/menus.h"
#include "gui/pages.h"
#include "gui/progress.h"
#include "gui/sliders.h"
#include "gui/status_bar.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "mdi_frame_window.h"
#include "packed_skin.h"
#include "skin/skin_data.h"
#include "skin/skin_manager.h"
#include "skin/skin_status_bar.h"
#include "skin_gallery_ids.h"
#include "stand_in_media_player.h"
#include "tab_set_stand_in.h"
#include "vendor_stand_ins.h"
#include "window_picture.h"

namespace {

// Stand-ins for other vendors' controls that no program form shows: the style map sends them
// to their skinners by class name.
#define QS_WIDE(text) L##text
#define QS_STAND_IN(Name, Base)                                                                \
  class Name : public Base {                                                                    \
    QS_CLASS(Name)                                                                              \
   public:                                                                                      \
    using Base::Base;                                                                           \
  };                                                                                            \
  const TClassInfo& Name::StaticClass() {                                                       \
    static const TClassInfo info(QS_WIDE(#Name), &Base::StaticClass(), nullptr, {});             \
    return info;                                                                                \
  }
QS_STAND_IN(TStandInTabControl, TTabControl)
QS_STAND_IN(TStandInMenuButton, TButton)
QS_STAND_IN(TStandInCheckGroup, TPanel)
QS_STAND_IN(TStandInComboBox, TComboBox)
QS_STAND_IN(TStandInComboBoxEx, TComboBox)
QS_STAND_IN(TStandInDateTimePicker, TDateTimePicker)
QS_STAND_IN(TStandInEdit, TEdit)

template <class T>
T* Place(TWinControl* parent, int x, int y, int w, int h, const wchar_t* caption = nullptr) {
  auto* c = new T(parent);
  c->SetParent(parent);
  c->SetBounds(x, y, w, h);
  if (caption) c->SetCaption(caption);
  return c;
}

TForm* NewWindow(const wchar_t* caption, int x, int y, int w, int h) {
  auto* form = new TForm(nullptr);
  form->SetCaption(caption);
  form->SetBounds(x, y, w, h);
  return form;
}

TForm* ButtonsWindow() {
  TForm* f = NewWindow(L"Buttons", 20, 20, 420, 340);
  Place<TButton>(f, 10, 10, 90, 25, L"Button");
  auto* def = Place<TButton>(f, 110, 10, 90, 25, L"Default");
  def->SetDefault(true);
  Place<TBitBtn>(f, 210, 10, 90, 25, L"Bit button");
  Place<TSpeedButton>(f, 310, 10, 90, 25, L"Speed");
  Place<TCheckBox>(f, 10, 50, 120, 20, L"Check box")->SetChecked(true);
  Place<TCheckBox>(f, 10, 75, 120, 20, L"Disabled")->SetEnabled(false);
  Place<TRadioButton>(f, 140, 50, 120, 20, L"Radio button");
  auto* group = Place<TGroupBox>(f, 10, 105, 190, 90, L"Group box");
  Place<TRadioButton>(group, 10, 20, 150, 20, L"Item one");
  Place<TRadioButton>(group, 10, 45, 150, 20, L"Item two");
  Place<TPanel>(f, 210, 105, 190, 40, L"Panel");
  // Five player buttons, pause disabled: the panel over the player shows a face for each.
  auto* player = Place<TStandInMediaPlayer>(f, 210, 155, 190, 30);
  player->SetVisibleButtons({TMPBtnType::btPlay, TMPBtnType::btPause, TMPBtnType::btStop, TMPBtnType::btPrev,
                             TMPBtnType::btNext});
  player->SetEnabledButtons({TMPBtnType::btPlay, TMPBtnType::btStop, TMPBtnType::btPrev, TMPBtnType::btNext});
  Place<TStandInTabControl>(f, 10, 200, 190, 32)->SetTabs({L"Tab", L"Control"});
  Place<TStandInMenuButton>(f, 210, 205, 120, 25, L"Menu button");
  Place<TButton>(f, 10, 240, 90, 25, L"Disabled")->SetEnabled(false);
  // A glyph strip of two frames (up, disabled) whose bottom-left pixel is the transparent colour.
  auto* glyphed = Place<TBitBtn>(f, 110, 236, 120, 34, L"Two||lines");
  TBitmap glyph(32, 16);
  glyph.Fill(RGB(255, 0, 255));
  for (int frame = 0; frame < 2; ++frame)
    for (int y = 3; y < 13; ++y)
      for (int x = 3; x < 13; ++x) glyph.SetPixel(frame * 16 + x, y, frame ? RGB(128, 128, 128) : RGB(0, 128, 0));
  auto* disabled = Place<TBitBtn>(f, 240, 236, 120, 34, L"Disabled glyph");
  disabled->SetEnabled(false);
  for (TBitBtn* button : {glyphed, disabled}) {
    button->Glyph()->Assign(glyph);
    button->SetNumGlyphs(2);
  }
  // Speed buttons: flat (its face only when hot), latched down with a glyph strip, and a
  // disabled one-frame glyph, which shows embossed; a bit button with a one-frame glyph too.
  Place<TSpeedButton>(f, 10, 280, 70, 25, L"Flat")->SetFlat(true);
  auto* down = Place<TSpeedButton>(f, 90, 280, 70, 25, L"Down");
  down->Glyph()->Assign(glyph);
  down->SetNumGlyphs(2);
  down->SetGroupIndex(1);
  down->SetDown(true);
  TBitmap single(16, 16);
  single.Fill(RGB(255, 0, 255));
  for (int y = 3; y < 13; ++y)
    for (int x = 3; x < 13; ++x) single.SetPixel(x, y, RGB(0, 0, 160));
  auto* greyedSpeed = Place<TSpeedButton>(f, 170, 280, 90, 25, L"Greyed");
  greyedSpeed->Glyph()->Assign(single);
  greyedSpeed->SetEnabled(false);
  auto* greyedBit = Place<TBitBtn>(f, 270, 276, 130, 34, L"One frame");
  greyedBit->Glyph()->Assign(single);
  greyedBit->SetEnabled(false);
  return f;
}

TForm* ListsWindow() {
  TForm* f = NewWindow(L"Edits and lists", 460, 20, 730, 420);
  Place<TEdit>(f, 10, 10, 150, 22)->SetText(L"Edit");
  auto* memo = Place<TMemo>(f, 10, 40, 150, 80);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  auto* dropDown = Place<TComboBox>(f, 170, 10, 150, 22);
  auto* simple = Place<TComboBox>(f, 170, 40, 150, 80);
  simple->SetStyle(TComboBoxStyle::csSimple);
  auto* list = Place<TListBox>(f, 330, 10, 170, 110);
  for (int i = 1; i <= 40; ++i) {
    const std::wstring item = L"Item " + std::to_wstring(i);
    dropDown->Items().Add(item);
    simple->Items().Add(item);
    list->Items().Add(item);
  }
  // A report view: its header gets the header skinner, its rows the painted bars.
  auto* report = Place<TListView>(f, 10, 130, 240, 100);
  report->SetViewStyle(TViewStyle::vsReport);
  for (const wchar_t* caption : {L"Name", L"Size", L"Kind"}) {
    TListColumn* column = report->Columns()->Add();
    column->SetCaption(caption);
    column->SetWidth(90);
  }
  for (int i = 1; i <= 12; ++i) report->Items()->Add()->SetCaption(L"Row " + std::to_wstring(i));
  auto* progress = Place<TProgressBar>(f, 260, 130, 240, 20);
  progress->SetPosition(40);
  Place<TTrackBar>(f, 260, 160, 240, 30);
  auto* buddy = Place<TEdit>(f, 260, 200, 60, 22);
  Place<TUpDown>(f, 320, 200, 16, 22)->SetAssociate(buddy);
  Place<TDateTimePicker>(f, 350, 200, 150, 22);
  // A header control lines up at the top by itself; here it keeps its place below the others.
  auto* header = Place<THeaderControl>(f, 0, 0, 0, 0);
  header->SetAlign(TAlign::alNone);
  header->SetBounds(10, 240, 490, 22);
  for (const wchar_t* text : {L"Name", L"Size", L"Date"}) {
    THeaderSection* section = header->Sections()->Add();
    section->SetText(text);
    section->SetWidth(120);
  }
  auto* pages = Place<TPageControl>(f, 10, 270, 490, 90);
  for (const wchar_t* caption : {L"First", L"Second"}) {
    auto* sheet = new TTabSheet(pages);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
  }
  // The tree-list with both scroll bars (its columns are wider than it is).
  auto* tree = Place<TVirtualStringTree>(f, 510, 10, 200, 200);
  tree->Header()->SetOptions({TVTHeaderOption::hoVisible});
  for (int width : {120, 160}) tree->Header()->Columns()->Add()->SetWidth(width);
  tree->OnGetText = [](TBaseVirtualTree*, PVirtualNode node, TColumnIndex column, TVSTTextType, std::wstring& text) {
    text = (column == 0 ? L"Row " : L"Detail ") + std::to_wstring(node->Index + 1);
  };
  tree->SetRootNodeCount(1000);
  auto* status = Place<TStatusBar>(f, 0, 0, 0, 20);
  status->SetSimplePanel(true);
  status->SetSimpleText(L"Status bar");
  return f;
}

TPageControl* PagesAt(TWinControl* parent, TTabPosition position, int x, int y, int w, int h) {
  auto* pages = Place<TPageControl>(parent, x, y, w, h);
  pages->SetTabPosition(position);
  for (const wchar_t* caption : {L"General", L"Hidden", L"Advanced", L"About"}) {
    auto* sheet = new TTabSheet(pages);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    Place<TLabel>(sheet, 8, 8, 120, 16, caption);
  }
  pages->Pages(1)->SetTabVisible(false);
  pages->SetActivePageIndex(2);
  return pages;
}

TForm* TabsAndPanelsWindow() {
  TForm* f = NewWindow(L"Tabs and panels", 700, 480, 520, 420);
  // Close glyphs on the top tabs (Tag 7777); the other sides turn the strip.
  PagesAt(f, TTabPosition::tpTop, 10, 10, 240, 110)->SetTag(7777);
  PagesAt(f, TTabPosition::tpBottom, 260, 10, 240, 110);
  PagesAt(f, TTabPosition::tpLeft, 10, 130, 240, 120);
  PagesAt(f, TTabPosition::tpRight, 260, 130, 240, 120);
  auto* set = Place<TTabSet>(f, 10, 260, 240, 24);
  set->SetTabs({L"First", L"Second", L"Third"});
  set->SetTabIndex(1);
  auto* group = Place<TGroupBox>(f, 260, 260, 240, 60, L"Group box");
  Place<TCheckBox>(group, 10, 24, 150, 20, L"Inside the group");
  Place<TPanel>(f, 10, 292, 240, 30, L"Panel");
  auto* status = Place<TStatusBar>(f, 0, 0, 0, 22);
  const struct {
    const wchar_t* text;
    int width;
    TStatusPanelBevel bevel;
    TAlignment alignment;
  } panels[] = {{L"Lowered", 120, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify},
                {L"Raised", 120, TStatusPanelBevel::pbRaised, TAlignment::taCenter},
                {L"No bevel", 120, TStatusPanelBevel::pbNone, TAlignment::taRightJustify},
                {L"Last", 60, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify}};
  for (const auto& p : panels) {
    TStatusPanel* panel = status->Panels()->Add();
    panel->SetText(p.text);
    panel->SetWidth(p.width);
    panel->SetBevel(p.bevel);
    panel->SetAlignment(p.alignment);
  }
  return f;
}

// Controls the style map routes by class name (combo boxes, an extended combo box, a picker, an
// edit), other vendors' controls that take the skin's pictures, and page controls with button
// tabs and with skinned sheets.
TForm* StyledWindow() {
  TForm* f = NewWindow(L"Styled controls", 20, 560, 430, 200);
  auto* combo = Place<TStandInComboBox>(f, 10, 10, 150, 22);
  auto* rightToLeft = Place<TStandInComboBox>(f, 10, 40, 150, 22);
  auto* disabled = Place<TStandInComboBox>(f, 10, 70, 150, 22);
  for (TComboBox* c : {combo, rightToLeft, disabled}) {
    c->SetStyle(TComboBoxStyle::csDropDownList);
    for (int i = 1; i <= 30; ++i) c->Items().Add(L"Choice " + std::to_wstring(i));
    c->SetItemIndex(0);
  }
  HWND rtl = rightToLeft->Handle();
  SetWindowLongPtrW(rtl, GWL_EXSTYLE, GetWindowLongPtrW(rtl, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  disabled->SetEnabled(false);
  Place<TStandInComboBoxEx>(f, 10, 100, 150, 22)->Items().Add(L"Extended");
  Place<TStandInDateTimePicker>(f, 10, 130, 150, 22);
  Place<TStandInEdit>(f, 170, 10, 120, 22)->SetText(L"Styled edit");
  Place<TVendorGlyphButton>(f, 170, 40, 120, 20, L"Vendor check");
  Place<TVendorPropertiesCheckBox>(f, 170, 65, 120, 20, L"Properties check");
  auto* vendorPages = Place<TVendorPageControl>(f, 170, 95, 120, 60);
  auto* buttonTabs = Place<TPageControl>(f, 300, 10, 115, 140);
  buttonTabs->SetStyle(TTabStyle::tsButtons);
  for (TPageControl* pages : {static_cast<TPageControl*>(vendorPages), buttonTabs})
    for (const wchar_t* caption : {L"A", L"B"}) {
      auto* sheet = new TTabSheet(pages);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
  return f;
}

// A menu bar whose popups show every kind of item: shortcuts, a disabled and a checked item,
// separators and a nested submenu.
TMenuItem* AddMenuItem(TMenu* menu, TMenuItem* parent, const wchar_t* caption, TShortCut shortCut = scNone) {
  auto* item = new TMenuItem(menu);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  parent->Add(item);
  return item;
}

TMainMenu* MenuBar(TForm* owner) {
  auto* menu = new TMainMenu(owner);
  TMenuItem* file = AddMenuItem(menu, menu->Items(), L"&File");
  AddMenuItem(menu, file, L"&Open", ShortCut('O', {TShiftStateFlag::ssCtrl}));
  AddMenuItem(menu, file, L"&Save", ShortCut('S', {TShiftStateFlag::ssCtrl}))->SetEnabled(false);
  AddMenuItem(menu, file, L"-");
  AddMenuItem(menu, file, L"&Close");
  TMenuItem* edit = AddMenuItem(menu, menu->Items(), L"&Edit");
  AddMenuItem(menu, edit, L"&Undo", ShortCut('Z', {TShiftStateFlag::ssCtrl}));
  AddMenuItem(menu, edit, L"-");
  AddMenuItem(menu, edit, L"Cu&t", ShortCut('X', {TShiftStateFlag::ssCtrl}));
  AddMenuItem(menu, edit, L"&Copy", ShortCut('C', {TShiftStateFlag::ssCtrl}));
  AddMenuItem(menu, edit, L"&Paste")->SetEnabled(false);
  TMenuItem* view = AddMenuItem(menu, menu->Items(), L"&View");
  AddMenuItem(menu, view, L"&Status bar")->SetChecked(true);
  TMenuItem* zoom = AddMenuItem(menu, view, L"&Zoom");
  AddMenuItem(menu, zoom, L"Zoom &in");
  AddMenuItem(menu, zoom, L"Zoom &out");
  return menu;
}

INT_PTR CALLBACK NestedDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    for (int id : {IDC_DROPDOWN, IDC_SIMPLE})
      for (int i = 1; i <= 30; ++i)
        SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"Entry " + std::to_wstring(i)).c_str()));
    SendDlgItemMessageW(dialog, IDC_DROPDOWN, CB_SETCURSEL, 0, 0);
    // The nested dialog below the group box, the toolbar below the edit: in dialog units, like
    // the controls of the template, so nothing lies over another control.
    RECT nestedAt{6, 80, 0, 0}, toolbarAt{134, 98, 244, 114};
    MapDialogRect(dialog, &nestedAt);
    MapDialogRect(dialog, &toolbarAt);
    HWND nested = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_NESTED), dialog, &NestedDialogProc, 0);
    SetWindowPos(nested, nullptr, nestedAt.left, nestedAt.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN |
                                   CCS_NORESIZE, toolbarAt.left, toolbarAt.top, toolbarAt.right - toolbarAt.left,
                                   toolbarAt.bottom - toolbarAt.top, dialog, reinterpret_cast<HMENU>(IDC_TOOLBAR),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[2] = {};
    const wchar_t* labels[] = {L"One", L"Two"};
    for (int i = 0; i < 2; ++i) {
      buttons[i].iBitmap = I_IMAGENONE;
      buttons[i].idCommand = 2000 + i;
      buttons[i].fsState = TBSTATE_ENABLED;
      buttons[i].fsStyle = BTNS_BUTTON | BTNS_SHOWTEXT;
      buttons[i].iString = reinterpret_cast<INT_PTR>(labels[i]);
    }
    SendMessageW(toolbar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(buttons));
    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    const wchar_t* captions[] = {L"First", L"Second"};
    for (int i = 0; i < 2; ++i) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(captions[i]);
      SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    return TRUE;
  }
  if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    DestroyWindow(dialog);
    return TRUE;
  }
  return FALSE;
}

// "overlapping: <a> and <b>" for each two shown child windows of window that lie over each
// other (a group box only frames the controls inside it, an up-down lies on its edit's edge).
// A control hidden under another one is pictured as something it is not.
std::vector<std::wstring> OverlappingChildren(HWND window) {
  std::vector<std::pair<HWND, RECT>> shown;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (!IsWindowVisible(child) || (_wcsicmp(name, L"Button") == 0 && (style & 0xF) == BS_GROUPBOX)) continue;
    RECT r;
    GetWindowRect(child, &r);
    shown.emplace_back(child, r);
  }
  auto nameOf = [](HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return std::wstring(name) + L" " + std::to_wstring(GetDlgCtrlID(w));
  };
  std::vector<std::wstring> found;
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t j = i + 1; j < shown.size(); ++j) {
      RECT both;
      HWND a = shown[i].first, b = shown[j].first;
      auto buddyOf = [](HWND upDown) {
        wchar_t name[64] = {};
        GetClassNameW(upDown, name, 64);
        return _wcsicmp(name, UPDOWN_CLASSW) == 0 ? reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0))
                                                  : nullptr;
      };
      if (buddyOf(a) == b || buddyOf(b) == a) continue;
      if (IntersectRect(&both, &shown[i].second, &shown[j].second))
        found.push_back(L"overlapping: " + nameOf(shown[i].first) + L" and " + nameOf(shown[j].first));
    }
  return found;
}

std::wstring g_shots;
TPopupMenu* g_popup = nullptr;

BOOL CALLBACK FindOpenMenu(HWND w, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(w, name, 16);
  if (wcscmp(name, L"#32768") == 0 && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
  }
  return TRUE;
}

// Each open menu is pictured from a timer inside its menu loop: the menu alone, or together
// with the window it belongs to.
struct TMenuShot {
  std::wstring File;
  HWND Window = nullptr;  // pictured with the menu when set
  int Tries = 0;
  bool Done = false;
};
TMenuShot g_menuShot;

void CALLBACK ShootMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindOpenMenu, reinterpret_cast<LPARAM>(&menu));
  if (!menu && ++g_menuShot.Tries < 50) return;
  KillTimer(nullptr, id);
  if (menu) {
    Sleep(100);
    RECT r;
    GetWindowRect(menu, &r);
    if (g_menuShot.Window) {
      RECT window;
      GetWindowRect(g_menuShot.Window, &window);
      UnionRect(&r, &r, &window);
    }
    SaveScreenPicture(r, g_shots + L"\\" + g_menuShot.File);
  }
  g_menuShot.Done = true;
  EndMenu();
}

void StartMenuShot(const std::wstring& file, HWND window) {
  g_menuShot = TMenuShot{file, window};
  SetTimer(nullptr, 0, 50, &ShootMenu);
}

// Runs the program's messages for ms milliseconds, or until done says so.
void PumpFor(DWORD ms, const std::function<bool()>& done = nullptr) {
  for (DWORD until = GetTickCount() + ms; !(done && done()) && GetTickCount() < until;)
    Application->ProcessMessages(), Sleep(10);
}

// Pumps until the shot of a menu opened by a posted message is taken, at most a few seconds.
void WaitForMenuShot() {
  PumpFor(5000, [] { return g_menuShot.Done; });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc >= 3 && std::wstring(argv[1]) == L"--shots") g_shots = argv[2];
  Gdiplus::GdiplusStartupInput gdiplusInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
  InitCommonControls();

  TForm* main = NewWindow(L"Skin gallery", 20, 340, 420, 200);
  main->SetMenu(MenuBar(main));
  g_popup = new TPopupMenu(main);
  for (const wchar_t* caption : {L"&Cut", L"&Copy", L"-", L"&Paste"}) {
    auto* item = new TMenuItem(g_popup);
    item->SetCaption(caption);
    g_popup->Items()->Add(item);
  }
  main->SetPopupMenu(g_popup);
  Place<TLabel>(main, 10, 10, 380, 40, L"Right-click for the popup menu; the menu bar is above.");
  auto* data = new TSkinData(main);
  data->ReadSkinStream(OurStoredSkin());
  TSkinControlTypes all;
  for (int kind = 0; kind <= static_cast<int>(TSkinControlType::xcFastReport); ++kind)
    if (kind != static_cast<int>(TSkinControlType::xcFastReport)) all.Include(static_cast<TSkinControlType>(kind));
  data->SetSkinControls(all);
  std::vector<std::wstring> map = data->Skin3rd();
  map.insert(map.begin(), {L"TStandInMediaPlayer=mediaplayer", L"TStandInTabControl=tab", L"TStandInMenuButton=menubtn",
                           L"TStandInCheckGroup=checkgroup", L"TStandInComboBox=combobox",
                           L"TStandInComboBoxEx=comboboxex", L"TStandInDateTimePicker=datetimepicker",
                           L"TStandInEdit=edit", L"TAdvPageControl=advpagecontrol"});
  data->SetSkin3rd(map);
  // No rule of the discovery skins a status bar: the application hands out its skinner.
  data->OnSkinControl = [](TObject*, TSkinData*, TControl*, TControl* control, const std::wstring&,
                           TComponent*& skinned) {
    if (control->InheritsFrom(L"TStatusBar")) skinned = new TSkinStatusBar(control);
  };
  data->Loaded();
  data->SetActive(true);

  std::vector<std::pair<std::wstring, TForm*>> windows = {
      {L"gallery_main", main}, {L"buttons", ButtonsWindow()}, {L"edits_and_lists", ListsWindow()},
      {L"tabs_and_panels", TabsAndPanelsWindow()}, {L"styled_controls", StyledWindow()}};
  for (auto& w : windows) w.second->Show();
  HWND plain = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN), nullptr, &PlainDialogProc, 0);
  SetWindowPos(plain, nullptr, 460, 460, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(plain, SW_SHOW);
  const TMdiGalleryWindow mdi = CreateMdiGalleryWindow(480, 300);

  if (!g_shots.empty()) {
    // Each window activated in turn takes its skin; then the pictures.
    for (auto& w : windows) {
      SetForegroundWindow(w.second->Handle());
      PumpFor(400);
    }
    for (HWND window : {plain, mdi.Frame}) {
      SetForegroundWindow(window);
      PumpFor(600);
    }
    // The windows may overlap on the screen: each comes to the top before its picture.
    auto shoot = [](HWND window, const std::wstring& name) {
      SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      PumpFor(150);
      SaveWindowPicture(window, g_shots + L"\\" + name + L".png");
    };
    for (auto& w : windows) shoot(w.second->Handle(), w.first);
    shoot(plain, L"plain_dialog");
    // The plain dialog's layout, for the gallery's test to read.
    if (FILE* layout = _wfopen((g_shots + L"\\layout.txt").c_str(), L"w")) {
      for (const std::wstring& line : OverlappingChildren(plain)) fwprintf(layout, L"%ls\n", line.c_str());
      fclose(layout);
    }
    SendMessageW(mdi.Client, WM_MDICASCADE, 0, 0);
    shoot(mdi.Frame, L"mdi_cascaded");
    // The active child maximized: its buttons stand in the frame's bar.
    SendMessageW(mdi.Client, WM_MDIMAXIMIZE, SendMessageW(mdi.Client, WM_MDIGETACTIVE, 0, 0), 0);
    shoot(mdi.Frame, L"mdi_maximized");
    StartMenuShot(L"popup_menu.png", nullptr);
    g_popup->Popup(60, 400);
    // The menu bar's Edit popup, opened as Alt+E does, and the skinned system menu.
    SetForegroundWindow(main->Handle());
    StartMenuShot(L"menu_bar_popup.png", main->Handle());
    PostMessageW(main->Handle(), WM_SYSCOMMAND, SC_KEYMENU, L'e');
    WaitForMenuShot();
    StartMenuShot(L"system_menu.png", main->Handle());
    RECT frame;
    GetWindowRect(main->Handle(), &frame);
    PostMessageW(main->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(frame.left + 60, frame.top + 10));
    WaitForMenuShot();
    for (auto& w : windows) delete w.second;
  } else {
    Application->Run();
  }
  FreeSkinManager();
  Gdiplus::GdiplusShutdown(gdiplusToken);
  return 0;
}
