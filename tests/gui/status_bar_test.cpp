// Status bars and header controls: panels and sections from a form file reach the window,
// simple mode, owner-drawn panels drawn through OnDrawPanel, and the user's clicks and drags.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/header_control.h"
#include "gui/status_bar.h"
#include "gui_test_support.h"

namespace {
std::wstring PanelText(HWND wnd, int index) {
  int length = LOWORD(SendMessageW(wnd, SB_GETTEXTLENGTHW, index, 0));
  std::wstring text(length + 1, L'\0');
  SendMessageW(wnd, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

class Bars : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadForm(&form,
             L"object Form1: TForm\n"
             L"  Left = 40\n  Top = 40\n  Width = 500\n  Height = 300\n"
             L"  object hdr: THeaderControl\n"
             L"    Sections = <\n"
             L"      item\n        Text = 'Name'\n        Width = 120\n      end\n"
             L"      item\n        Alignment = taRightJustify\n        Text = 'Size'\n        Width = 80\n      end>\n"
             L"  end\n"
             L"  object sb: TStatusBar\n"
             L"    Panels = <\n"
             L"      item\n        Text = 'Ready'\n        Width = 100\n      end\n"
             L"      item\n        Style = psOwnerDraw\n        Width = 150\n      end\n"
             L"      item\n        Alignment = taCenter\n        Bevel = pbRaised\n        Text = 'Mid'\n        Width = 80\n      end>\n"
             L"  end\n"
             L"end\n",
             L"bars.dfm", FolderFileSource(L"."));
    sb = static_cast<TStatusBar*>(form.FindComponent(L"sb"));
    hdr = static_cast<THeaderControl*>(form.FindComponent(L"hdr"));
    form.Show();
  }
  TForm form{nullptr};
  TStatusBar* sb = nullptr;
  THeaderControl* hdr = nullptr;
};
}  // namespace

TEST_F(Bars, PanelsReachTheWindowAndTheBarSitsAtTheBottom) {
  HWND wnd = sb->Handle();
  EXPECT_EQ(sb->Top() + sb->Height(), form.ClientHeight());
  EXPECT_EQ(sb->Width(), form.ClientWidth());
  int edges[8] = {};
  ASSERT_EQ(SendMessageW(wnd, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 250);
  EXPECT_EQ(edges[2], 330);
  EXPECT_NE(PanelText(wnd, 0).find(L"Ready"), std::wstring::npos);
  EXPECT_NE(PanelText(wnd, 2).find(L"Mid"), std::wstring::npos);
  EXPECT_EQ(HIWORD(SendMessageW(wnd, SB_GETTEXTLENGTHW, 2, 0)) & SBT_POPOUT, SBT_POPOUT);
  // The panel's rectangle is the window's.
  TRect mine = sb->PanelRect(1), native = {};
  SendMessageW(wnd, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&native));
  EXPECT_TRUE(EqualRect(&mine, &native));

  sb->Panels()->Items(0)->SetText(L"Scanning");
  EXPECT_NE(PanelText(wnd, 0).find(L"Scanning"), std::wstring::npos);
  sb->Panels()->Items(0)->SetWidth(60);
  SendMessageW(wnd, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[1], 210);

  sb->SetSimpleText(L"All done");
  sb->SetSimplePanel(true);
  EXPECT_TRUE(SendMessageW(wnd, SB_ISSIMPLE, 0, 0));
  // The simple text is asked for as part 0 (or as SB_SIMPLEID, which Wine does not answer).
  EXPECT_EQ(PanelText(wnd, 0), L"All done");
  EXPECT_TRUE(IsRectEmpty(&(mine = sb->PanelRect(1))));
  sb->SetSimplePanel(false);
  EXPECT_FALSE(SendMessageW(wnd, SB_ISSIMPLE, 0, 0));
}

TEST_F(Bars, AnOwnerDrawnPanelIsDrawnByTheHandlerInItsRectangle) {
  std::vector<int> drawn;
  TRect where = {};
  sb->OnDrawPanel = [&](TStatusBar* bar, TStatusPanel* panel, const TRect& rect) {
    drawn.push_back(panel->Index());
    where = rect;
    bar->Canvas().Brush().Color = clRed;
    bar->Canvas().FillRect(rect);
  };
  RedrawWindow(sb->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  ASSERT_EQ(drawn, std::vector<int>{1});
  TRect panel = sb->PanelRect(1);
  EXPECT_GE(where.left, panel.left);
  EXPECT_LE(where.right, panel.right);
  EXPECT_GT(where.right - where.left, 100);
  // What the handler drew is on the screen, in the middle of that panel.
  HDC dc = GetDC(sb->Handle());
  COLORREF middle = GetPixel(dc, (where.left + where.right) / 2, (where.top + where.bottom) / 2);
  COLORREF other = GetPixel(dc, (panel.right + sb->PanelRect(2).right) / 2, (where.top + where.bottom) / 2 - 2);
  ReleaseDC(sb->Handle(), dc);
  EXPECT_EQ(middle, RGB(255, 0, 0));
  EXPECT_NE(other, RGB(255, 0, 0));
}

TEST_F(Bars, HeaderSectionsFollowTheUsersClicksAndDrags) {
  HWND wnd = hdr->Handle();
  EXPECT_EQ(hdr->Top(), 0);
  ASSERT_EQ(SendMessageW(wnd, HDM_GETITEMCOUNT, 0, 0), 2);
  HDITEMW item = {};
  item.mask = HDI_WIDTH | HDI_FORMAT;
  SendMessageW(wnd, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cxy, 80);
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);

  std::vector<std::wstring> clicks;
  std::vector<int> resized;
  hdr->OnSectionClick = [&](THeaderControl*, THeaderSection* s) { clicks.push_back(s->Text()); };
  hdr->OnSectionResize = [&](THeaderControl*, THeaderSection* s) { resized.push_back(s->Width()); };
  TRect size = hdr->SectionRect(1);
  LPARAM at = MAKELPARAM((size.left + size.right) / 2, (size.top + size.bottom) / 2);
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(wnd, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicks, std::vector<std::wstring>{L"Size"});

  // Dragging the first divider 80 pixels to the right widens the first section.
  TRect name = hdr->SectionRect(0);
  int y = (name.top + name.bottom) / 2;
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(name.right, y));
  SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(name.right + 80, y));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(name.right + 80, y));
  EXPECT_EQ(hdr->Sections()->Items(0)->Width(), 200);
  EXPECT_EQ(hdr->SectionRect(0).right - hdr->SectionRect(0).left, 200);
  EXPECT_EQ(resized, std::vector<int>{200});
  // The second section moved along.
  EXPECT_EQ(hdr->SectionRect(1).left, 200);
}
