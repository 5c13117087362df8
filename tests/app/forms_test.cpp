// The splash window, the About box and the overlay as their form files make them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/frmAbout.h"
#include "app/frmSpash.h"
#include "app/frmTemp.h"
#include "gui/ext_ctrls.h"
#include "gui/std_ctrls.h"

namespace {

std::wstring CaptionOf(const TComponent* form, const wchar_t* name) {
  auto* control = dynamic_cast<TControl*>(form->FindComponent(name));
  return control ? control->Caption() : L"<missing>";
}

TEST(SplashWindow, IsABorderlessPictureCentredOnTheScreen) {
  TfrmSpash splash(nullptr);
  splash.Show();
  HWND wnd = splash.Handle();
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  RECT r;
  GetWindowRect(wnd, &r);
  EXPECT_EQ(r.right - r.left, 517);
  EXPECT_EQ(r.bottom - r.top, 276);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR(r.left + 517 / 2, screenWidth / 2, 1);
  EXPECT_NEAR(r.top + 276 / 2, screenHeight / 2, 1);
  EXPECT_EQ(CaptionOf(&splash, L"Label1"), L"Initializing...");
  EXPECT_EQ(CaptionOf(&splash, L"Label2"), L"4.1.18.120");
  auto* picture = dynamic_cast<TImage*>(splash.FindComponent(L"Image1"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Picture()->Width(), 517);
  EXPECT_EQ(picture->Picture()->Height(), 276);
  // The picture is stored packed; unpacked, it is the bitmap as drawn.
  auto* bitmap = dynamic_cast<TBitmap*>(picture->Picture()->Graphic());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Pixel(0, 0), RGB(16, 52, 96));
  EXPECT_EQ(bitmap->Pixel(258, 138), RGB(34, 96, 163));
  EXPECT_EQ(bitmap->Pixel(516, 275), RGB(255, 176, 32));
}

TEST(AboutBox, HasItsCaptionFrameLinksAndWarning) {
  TfrmAbout about(nullptr);
  HWND wnd = about.Handle();
  wchar_t caption[64] = {};
  GetWindowTextW(wnd, caption, 64);
  EXPECT_STREQ(caption, L"Quillstead v4.1");
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(about.Position(), TPosition::poMainFormCenter);
  ASSERT_NE(about.btnClose, nullptr);
  EXPECT_EQ(about.btnClose->Caption(), L"&OK");
  EXPECT_EQ(CaptionOf(&about, L"Label1"), L"Quillstead v4.1");
  EXPECT_EQ(CaptionOf(&about, L"Label3"), L"Web:");
  EXPECT_EQ(CaptionOf(&about, L"Label4"), L"Support:");
  for (const wchar_t* link : {L"Label5", L"Label6"}) {
    auto* label = dynamic_cast<TLabel*>(about.FindComponent(link));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Font()->Color(), clBlue);
    EXPECT_TRUE(label->Font()->Style().Contains(TFontStyle::fsUnderline));
    EXPECT_EQ(label->Cursor(), crHandPoint);
  }
}

// The legal warning is one word-wrapped paragraph: with the font metrics at hand, the whole
// text fits the label, and the label lies inside the box above the OK button.
TEST(AboutBox, WarningTextFitsItsLabel) {
  TfrmAbout about(nullptr);
  auto* warning = dynamic_cast<TLabel*>(about.FindComponent(L"Label7"));
  ASSERT_NE(warning, nullptr);
  EXPECT_TRUE(warning->WordWrap());
  EXPECT_EQ(warning->Caption().find_first_of(L"\r\n"), std::wstring::npos) << "no hand-placed line breaks";
  EXPECT_NE(warning->Caption().find(L"back up your registry before you clean it."), std::wstring::npos);

  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, warning->Font()->Handle());
  RECT needed = {0, 0, warning->Width(), 0};
  const std::wstring text = warning->Caption();
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_LE(needed.right, warning->Width());
  EXPECT_LE(needed.bottom, warning->Height()) << "the text needs " << needed.bottom << " px";

  EXPECT_LE(warning->Top() + warning->Height(), about.btnClose->Top());
  EXPECT_LE(warning->Left() + warning->Width(), about.ClientWidth());
}

TEST(DimmingOverlay, IsBlackBorderlessAndNeverSkinned) {
  TfrmTemp overlay(nullptr);
  EXPECT_EQ(overlay.Tag(), 99);
  EXPECT_EQ(overlay.BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(overlay.Color(), clBlack);
  EXPECT_TRUE(overlay.AlphaBlend());
  EXPECT_EQ(overlay.AlphaBlendValue(), 180);
  EXPECT_EQ(overlay.Caption(), L"Quillstead v4.0");
}

}  // namespace
