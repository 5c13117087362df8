// Menus: native menus built from form files, item states, command IDs reaching OnClick,
// shortcuts, CM_MENUCHANGED, and popup menus under the system's menu loop with owner drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/ext_ctrls.h"
#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/menus.h"
#include "gui/timer.h"
#include "gui_test_support.h"

namespace {
class TfrmMenus : public TForm {
  QS_FORM(TfrmMenus)

 public:
  explicit TfrmMenus(TComponent* owner) : TForm(owner) {}
  TMainMenu* mnuMain = nullptr;
  TMenuItem* mnuFile = nullptr;
  TMenuItem* mnuSave = nullptr;
  TMenuItem* mnuQuiet = nullptr;
  TMenuItem* mnuHidden = nullptr;
  TPopupMenu* pmList = nullptr;
  TPanel* pnlList = nullptr;
  void ItemClick(TObject* Sender) { clicks.push_back(static_cast<TMenuItem*>(Sender)->Name()); }
  std::vector<std::wstring> clicks;
};
QS_FORM_IMPL(TfrmMenus, TForm, QS_FIELD(mnuMain), QS_FIELD(mnuFile), QS_FIELD(mnuSave), QS_FIELD(mnuQuiet),
             QS_FIELD(mnuHidden), QS_FIELD(pmList), QS_FIELD(pnlList), QS_HANDLER(ItemClick))

const wchar_t kMenusForm[] =
    L"object frmMenus: TfrmMenus\n"
    L"  Menu = mnuMain\n"
    L"  object mnuMain: TMainMenu\n"
    L"    object mnuFile: TMenuItem\n"
    L"      Caption = '&File'\n"
    L"      object mnuSave: TMenuItem\n"
    L"        Caption = '&Save'\n"
    L"        ShortCut = 16467\n"  // Ctrl+S
    L"        Default = True\n"
    L"        OnClick = ItemClick\n"
    L"      end\n"
    L"      object mnuLine: TMenuItem\n"
    L"        Caption = '-'\n"
    L"      end\n"
    L"      object mnuQuiet: TMenuItem\n"
    L"        Caption = 'Quiet'\n"
    L"        Checked = True\n"
    L"        Enabled = False\n"
    L"        OnClick = ItemClick\n"
    L"      end\n"
    L"      object mnuHidden: TMenuItem\n"
    L"        Caption = 'Hidden'\n"
    L"        Visible = False\n"
    L"      end\n"
    L"    end\n"
    L"  end\n"
    L"  object pmList: TPopupMenu\n"
    L"    object miOpen: TMenuItem\n"
    L"      Caption = 'Open'\n"
    L"      OnClick = ItemClick\n"
    L"    end\n"
    L"  end\n"
    L"  object pnlList: TPanel\n"
    L"    Width = 200\n"
    L"    Height = 100\n"
    L"    PopupMenu = pmList\n"
    L"  end\n"
    L"end\n";

const TFormFileSource kNoFiles = [](const std::wstring& path) -> TBytes { throw Exception(L"no file " + path); };

struct MenusForm : ::testing::Test {
  TfrmMenus form{nullptr};
  void SetUp() override {
    ReadForm(&form, kMenusForm, L"menus.dfm", kNoFiles);
    form.SetBounds(60, 60, 400, 300);
    form.Show();
  }
};

struct NativeItem {
  std::wstring text;
  UINT type, state, id;
  HMENU submenu;
};

NativeItem ItemAt(HMENU menu, int position) {
  wchar_t text[128] = {};
  MENUITEMINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 128;
  GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
  return {text, info.fType, info.fState, info.wID, info.hSubMenu};
}

// Posts a key to a window with Ctrl held or not, and lets the loop take it.
void PostKeyWithCtrl(HWND wnd, WPARAM key, bool ctrl) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(state);
  PostMessageW(wnd, WM_KEYDOWN, key, 0);
  Pump(30);
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
}
}  // namespace

TEST_F(MenusForm, AFormFileBuildsTheNativeBarWithTheItemsStates) {
  ASSERT_EQ(form.Menu(), form.mnuMain);
  HMENU bar = GetMenu(form.Handle());
  ASSERT_EQ(bar, form.mnuMain->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  NativeItem file = ItemAt(bar, 0);
  EXPECT_EQ(file.text, L"&File");
  EXPECT_EQ(file.submenu, form.mnuFile->Handle());
  HMENU sub = form.mnuFile->Handle();
  ASSERT_EQ(GetMenuItemCount(sub), 3);  // the hidden item is not in the native menu
  NativeItem save = ItemAt(sub, 0), line = ItemAt(sub, 1), quiet = ItemAt(sub, 2);
  EXPECT_EQ(save.text, L"&Save\tCtrl+S");
  EXPECT_EQ(save.id, form.mnuSave->Command());
  EXPECT_TRUE(save.state & MFS_DEFAULT);
  EXPECT_TRUE(line.type & MFT_SEPARATOR);
  EXPECT_TRUE(quiet.state & MFS_CHECKED);
  EXPECT_TRUE(quiet.state & MFS_GRAYED);
  EXPECT_NE(form.mnuSave->Command(), form.mnuQuiet->Command());
  EXPECT_EQ(form.mnuMain->FindItem(form.mnuQuiet->Command(), TFindItemKind::fkCommand), form.mnuQuiet);
  EXPECT_EQ(form.mnuMain->FindItem(reinterpret_cast<UINT_PTR>(sub), TFindItemKind::fkHandle), form.mnuFile);
  EXPECT_EQ(form.pnlList->PopupMenu(), form.pmList);
}

TEST_F(MenusForm, ChangesReachTheNativeMenuAndTheFormHearsCmMenuChanged) {
  MessageRecorder hook(&form);
  HMENU sub = form.mnuFile->Handle();
  struct Case {
    const char* what;
    std::function<void()> change;
    std::function<bool()> shows;
  } cases[] = {
      {"caption", [&] { form.mnuQuiet->SetCaption(L"&Silent"); }, [&] { return ItemAt(sub, 2).text == L"&Silent"; }},
      {"enabled", [&] { form.mnuQuiet->SetEnabled(true); }, [&] { return !(ItemAt(sub, 2).state & MFS_GRAYED); }},
      {"unchecked", [&] { form.mnuQuiet->SetChecked(false); }, [&] { return !(ItemAt(sub, 2).state & MFS_CHECKED); }},
      {"shown", [&] { form.mnuHidden->SetVisible(true); }, [&] { return GetMenuItemCount(sub) == 4; }},
      {"added", [&] {
         auto* extra = new TMenuItem(&form);
         extra->SetCaption(L"Extra");
         form.mnuFile->Insert(0, extra);
       }, [&] { return ItemAt(sub, 0).text == L"Extra"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    hook.Clear();
    c.change();
    EXPECT_TRUE(c.shows());
    EXPECT_TRUE(hook.Saw(CM_MENUCHANGED));
    EXPECT_EQ(GetMenu(form.Handle()), form.mnuMain->Handle());
  }
}

TEST_F(MenusForm, CommandsAndShortcutsReachOnlyEnabledItems) {
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(form.mnuSave->Command(), 0), 0);
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(form.mnuQuiet->Command(), 0), 0);  // disabled
  form.pnlList->SetTabStop(true);
  form.pnlList->SetFocus();
  PostKeyWithCtrl(form.pnlList->Handle(), 'S', true);
  PostKeyWithCtrl(form.pnlList->Handle(), 'S', false);  // no Ctrl: not the shortcut
  EXPECT_EQ(form.clicks, (std::vector<std::wstring>{L"mnuSave", L"mnuSave"}));
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, TShiftState{TShiftStateFlag::ssShift})), L"Shift+F5");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, {})), L"Del");
}

TEST_F(MenusForm, APopupShownFromATimerIsOwnerDrawnAndItsCommandReachesOnClick) {
  TPopupMenu& popup = *form.pmList;
  popup.SetOwnerDraw(true);
  auto* second = new TMenuItem(&form);
  second->SetName(L"miSecond");
  second->SetCaption(L"Second");
  second->OnClick = [&](TObject* s) { form.ItemClick(s); };
  popup.Items()->Add(second);
  int measured = 0, drawn = 0;
  TRect drawnRect = {};
  second->OnMeasureItem = [&](TObject*, TCanvas*, int& w, int& h) {
    ++measured;
    w = 150;
    h = 30;
  };
  second->OnDrawItem = [&](TObject*, TCanvas* canvas, TRect r, bool) {
    ++drawn;
    drawnRect = r;
    canvas->Brush().Color = clRed;
    canvas->FillRect(r);
  };
  TComponent* shownFor = nullptr;
  popup.OnPopup = [&](TObject*) { shownFor = popup.PopupComponent(); };

  // One timer opens the menu as a program's timer would (the right click's way); the other
  // fires inside the menu loop and chooses the second item with the keyboard.
  TTimer opener(nullptr), chooser(nullptr);
  opener.SetInterval(20);
  opener.OnTimer = [&](TObject*) {
    opener.SetEnabled(false);
    chooser.SetEnabled(true);
    POINT p = form.pnlList->ClientToScreen(POINT{10, 10});
    SendMessageW(form.pnlList->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.pnlList->Handle()),
                 MAKELPARAM(p.x, p.y));
  };
  chooser.SetEnabled(false);
  chooser.SetInterval(100);
  chooser.OnTimer = [&](TObject*) {
    chooser.SetEnabled(false);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(PopupListWindow(), WM_KEYDOWN, key, 0);
  };
  ASSERT_TRUE(PumpUntil([&] { return !form.clicks.empty(); }));
  EXPECT_EQ(form.clicks, (std::vector<std::wstring>{L"miSecond"}));
  EXPECT_EQ(shownFor, form.pnlList);
  EXPECT_GT(measured, 0);
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(::Height(drawnRect), 30);
}
