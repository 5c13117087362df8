// The media player skinner on real windows with the synthetic test skin (one solid colour per
// element frame): the panel it lays over the player, the buttons it draws, the presses and
// releases the player gets (every press released once, acting only over the button it started
// on), the panel following the player, and the panel letting go when the player goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "gui_test_support.h"
#include "skin/skin_media_player.h"
#include "skin/skinner_kinds.h"
#include "stand_in_media_player.h"
#include "synthetic_skin_test.h"

namespace {

struct TMouseEvent {
  bool Down;
  int X, Y;
};

class SkinMediaPlayerTest : public SyntheticSkinTest {
 protected:
  void SetUp() override {
    SyntheticSkinTest::SetUp();
    player = new TStandInMediaPlayer(form);
    player->SetParent(form);
    player->SetBounds(10, 10, 200, 30);
    player->SetVisibleButtons({TMPBtnType::btPlay, TMPBtnType::btStop});
    player->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int x, int y) { events.push_back({true, x, y}); };
    player->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int x, int y) { events.push_back({false, x, y}); };
    player->OnClick = [this](TObject*) { ++clicks; };
  }
  TSkinMP* Skin() {
    TSkinDecision decision;
    decision.Kind = TSkinnerKind::MediaPlayer;
    auto* skinner = dynamic_cast<TSkinMP*>(MakeSkinner(TSkinnerKind::MediaPlayer, player, decision));
    skinner->AttachControl(skinForm, data, nullptr, false);
    return skinner;
  }
  static void Press(HWND w, int x) { SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10)); }
  static void Release(HWND w, int x) { SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(x, 10)); }

  TStandInMediaPlayer* player = nullptr;
  std::vector<TMouseEvent> events;
  int clicks = 0;
};

TEST_F(SkinMediaPlayerTest, APanelLiesOverThePlayerWithOneButtonPerVisibleButton) {
  TSkinMP* skinner = Skin();
  TWMediaPlayer* overlay = skinner->Overlay;
  ASSERT_NE(overlay, nullptr);
  EXPECT_EQ(overlay->Parent(), player->Parent());
  EXPECT_EQ(overlay->Tag(), data->DisableTag());  // never skinned itself
  EXPECT_TRUE(overlay->Visible());
  RECT o, p;
  GetWindowRect(overlay->Handle(), &o);
  GetWindowRect(player->Handle(), &p);
  EXPECT_TRUE(EqualRect(&o, &p));
  // Above the player: what shows at the player's middle is the panel.
  POINT middle{(p.left + p.right) / 2, (p.top + p.bottom) / 2};
  ScreenToClient(form->Handle(), &middle);
  EXPECT_EQ(ChildWindowFromPointEx(form->Handle(), middle, CWP_SKIPINVISIBLE), overlay->Handle());
  // Two buttons, each half of the 200-pixel width.
  TBitmap picture = Picture(overlay->Handle());
  EXPECT_EQ(overlay->VisibleCount, 2);
  EXPECT_EQ(overlay->ButtonWidth, 100);
  EXPECT_EQ(picture.Pixel(50, 15), kNormal);
  EXPECT_EQ(picture.Pixel(150, 15), kNormal);
  // A disabled button shows the disabled face.
  player->SetEnabledButtons({TMPBtnType::btPlay});
  picture = Picture(overlay->Handle());
  EXPECT_EQ(picture.Pixel(50, 15), kNormal);
  EXPECT_EQ(picture.Pixel(150, 15), kDisabled);
  // Three buttons on 200 pixels: the two left over show the face colour on the right.
  player->SetVisibleButtons({TMPBtnType::btPlay, TMPBtnType::btPause, TMPBtnType::btStop});
  picture = Picture(overlay->Handle());
  EXPECT_EQ(overlay->ButtonWidth, 66);
  EXPECT_EQ(picture.Pixel(199, 15), kFace);
  // None visible: plain face colour.
  player->SetVisibleButtons({});
  picture = Picture(overlay->Handle());
  EXPECT_EQ(picture.Pixel(50, 15), kFace);
  EXPECT_EQ(picture.Pixel(150, 15), kFace);
}

// The programs carry no button pictures; given some, each is centred on its button with olive
// left out, one pixel down and right while pressed, and picked by the button's state.
TEST_F(SkinMediaPlayerTest, AButtonPictureIsCentredAndFollowsTheButtonsState) {
  TSkinMP* skinner = Skin();
  TWMediaPlayer* overlay = skinner->Overlay;
  const COLORREF olive = RGB(128, 128, 0);
  const COLORREF ink[3] = {RGB(0, 0, 90), RGB(90, 90, 90), RGB(0, 140, 0)};  // enabled, disabled, coloured
  for (int state = 0; state < 3; ++state) {
    TBitmap picture(10, 10);
    picture.Fill(olive);
    for (int y = 3; y <= 6; ++y)
      for (int x = 3; x <= 6; ++x) picture.SetPixel(x, y, ink[state]);
    overlay->Buttons[0].Pictures[state] = picture;
  }
  player->SetColoredButtons({});
  HWND w = overlay->Handle();
  const int px = (100 - 10) / 2, py = (30 - 10) / 2;
  TBitmap shown = Picture(w);
  EXPECT_EQ(shown.Pixel(px + 4, py + 4), ink[0]);
  EXPECT_EQ(shown.Pixel(px + 1, py + 1), kNormal);  // olive left out
  EXPECT_EQ(shown.Pixel(px + 7, py + 7), kNormal);
  Press(w, 50);
  shown = Picture(w);
  EXPECT_EQ(shown.Pixel(px + 7, py + 7), ink[0]);  // moved one pixel down and right
  EXPECT_EQ(shown.Pixel(px + 3, py + 3), kPressed);
  Release(w, 50);
  player->SetColoredButtons({TMPBtnType::btPlay});
  EXPECT_EQ(Picture(w).Pixel(px + 4, py + 4), ink[2]);
  player->SetEnabledButtons({TMPBtnType::btStop});
  EXPECT_EQ(Picture(w).Pixel(px + 4, py + 4), ink[1]);
}

TEST_F(SkinMediaPlayerTest, APressAndReleaseOnOneButtonReachesThePlayer) {
  TSkinMP* skinner = Skin();
  HWND w = skinner->Overlay->Handle();
  Picture(w);
  Press(w, 150);
  EXPECT_EQ(Picture(w).Pixel(150, 15), kPressed);
  EXPECT_EQ(Picture(w).Pixel(50, 15), kNormal);
  EXPECT_EQ(GetCapture(), w);  // the release comes to the panel wherever it happens
  Release(w, 150);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].Down);
  EXPECT_EQ(events[0].X, 150);
  EXPECT_FALSE(events[1].Down);
  EXPECT_EQ(events[1].X, 150);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Picture(w).Pixel(150, 15), kNormal);
  EXPECT_EQ(GetCapture(), nullptr);
  // The second press of a double click is a press like the first.
  SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(150, 10));
  Release(w, 150);
  ASSERT_EQ(events.size(), 4u);
  EXPECT_TRUE(events[2].Down);
  EXPECT_FALSE(events[3].Down);
  EXPECT_EQ(events[3].X, 150);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinMediaPlayerTest, APressReleasedOnAnotherButtonIsReleasedOutsideThePlayer) {
  TSkinMP* skinner = Skin();
  HWND w = skinner->Overlay->Handle();
  Picture(w);
  Press(w, 50);    // play
  Release(w, 150); // stop
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].Down);
  EXPECT_EQ(events[0].X, 50);
  EXPECT_FALSE(events[1].Down);  // the player's press ends ...
  EXPECT_EQ(events[1].X, -1);    // ... outside it, so it acts on nothing
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  // A release without a press is not passed on.
  Release(w, 150);
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(SkinMediaPlayerTest, APressIsReleasedWhenAnotherWindowTakesTheMouse) {
  TSkinMP* skinner = Skin();
  HWND w = skinner->Overlay->Handle();
  Picture(w);
  Press(w, 50);
  SetCapture(form->Handle());
  ReleaseCapture();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_FALSE(events[1].Down);
  EXPECT_EQ(events[1].X, -1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(Picture(w).Pixel(50, 15), kNormal);
  Release(w, 50);  // the late release: the press was already ended
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(SkinMediaPlayerTest, ThePanelFollowsThePlayersBoundsAndVisibility) {
  TSkinMP* skinner = Skin();
  TWMediaPlayer* overlay = skinner->Overlay;
  player->SetBounds(20, 60, 120, 24);
  EXPECT_EQ(overlay->Left(), 20);
  EXPECT_EQ(overlay->Top(), 60);
  EXPECT_EQ(overlay->Width(), 120);
  EXPECT_EQ(overlay->Height(), 24);
  player->SetVisible(false);
  EXPECT_FALSE(overlay->Visible());
  player->SetVisible(true);
  EXPECT_TRUE(overlay->Visible());
}

TEST_F(SkinMediaPlayerTest, ThePanelLetsGoOfAPlayerThatIsDestroyed) {
  TSkinMP* skinner = Skin();
  TWMediaPlayer* overlay = skinner->Overlay;
  HWND w = overlay->Handle();
  Picture(w);
  Press(w, 50);
  delete player;
  player = nullptr;
  EXPECT_EQ(overlay->PlayerControl, nullptr);
  EXPECT_EQ(overlay->Skinner, nullptr);
  EXPECT_FALSE(overlay->Visible());
  EXPECT_EQ(GetCapture(), nullptr);
  // Mouse and paint messages after that reach no player.
  Release(w, 50);
  Press(w, 150);
  Release(w, 150);
  Picture(w);
  EXPECT_EQ(events.size(), 1u);  // only the press before the player went
}

TEST_F(SkinMediaPlayerTest, DetachingFreesThePanelAndTheStyleMapAttachesTheSkinner) {
  TSkinMP* skinner = Skin();
  HWND w = skinner->Overlay->Handle();
  skinner->Detach();
  EXPECT_EQ(skinner->Overlay, nullptr);
  EXPECT_FALSE(IsWindow(w));
  delete skinner;

  std::vector<std::wstring> map = data->Skin3rd();
  map.insert(map.begin(), L"tstandinmediaplayer=MediaPlayer");
  data->SetSkin3rd(map);
  skinForm->SkinComponent(player, form);
  auto* attached = dynamic_cast<TSkinMP*>(skinForm->FindSkinControlByHandle(player->Handle()));
  ASSERT_NE(attached, nullptr);
  ASSERT_NE(attached->Overlay, nullptr);
  // The window skinner's own walk leaves the panel alone (its Tag).
  skinForm->SkinComponent(attached->Overlay, form);
  EXPECT_EQ(skinForm->FindSkinControlByHandle(attached->Overlay->Handle()), nullptr);
}

// The form that holds the player and the panel goes before the window skinner that owns the
// panel: the panel goes with the form, and its owner is left nothing to free twice.
TEST_F(SkinMediaPlayerTest, TheFormGoingFirstTakesThePanelWithIt) {
  TSkinMP* skinner = Skin();
  TWMediaPlayer* overlay = skinner->Overlay;
  Picture(overlay->Handle());
  Press(overlay->Handle(), 50);
  ASSERT_EQ(skinForm->ComponentCount(), 1);
  delete form;
  form = nullptr;
  player = nullptr;
  EXPECT_EQ(skinForm->ComponentCount(), 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
