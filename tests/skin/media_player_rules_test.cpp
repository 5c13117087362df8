// The media player overlay's decisions as tables: the buttons a player's set properties name,
// the button under a point, a button's face and picture, and the release the player gets.
#include "skin/media_player_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaPlayerRules, ButtonsNamedByASetProperty) {
  TMediaButtonSet set = MediaButtonsIn(L"btPlay,btStop");
  EXPECT_TRUE(set[0]);
  EXPECT_FALSE(set[1]);
  EXPECT_TRUE(set[2]);
  EXPECT_EQ(CountMediaButtons(set), 2);
  EXPECT_EQ(CountMediaButtons(MediaButtonsIn(L"[btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, "
                                             L"btRecord, btEject]")),
            9);
  EXPECT_EQ(CountMediaButtons(MediaButtonsIn(L"")), 0);
  EXPECT_EQ(CountMediaButtons(MediaButtonsIn(L"BTEJECT")), 1);
  EXPECT_TRUE(MediaButtonsIn(L"btEject")[8]);
  EXPECT_STREQ(MediaButtonMember(4), L"btPrev");
  EXPECT_STREQ(MediaButtonResource(7), "MPRECORD");
}

TEST(MediaPlayerRules, TheButtonUnderAPoint) {
  TMediaButtonSet playStop{};
  playStop[0] = playStop[2] = true;
  struct Case {
    int x, width, button;
  } cases[] = {
      {0, 50, 0},   {49, 50, 0},  {50, 50, 0},  // the shared edge is the left button's
      {51, 50, 2},  {100, 50, 2}, {101, 50, kNoMediaButton},
      {-1, 50, kNoMediaButton},   {0, 0, 0},    {1, 0, kNoMediaButton},
  };
  for (const Case& c : cases) EXPECT_EQ(MediaButtonAt(c.x, playStop, c.width), c.button) << c.x << " " << c.width;
  EXPECT_EQ(MediaButtonAt(5, TMediaButtonSet{}, 50), kNoMediaButton);
}

TEST(MediaPlayerRules, FacesAndPictures) {
  EXPECT_EQ(MediaButtonFace(true, true, true), 2);
  EXPECT_EQ(MediaButtonFace(true, true, false), 2);   // the pressed look wins while pressed
  EXPECT_EQ(MediaButtonFace(true, false, true), 1);   // another button than the pressed one
  EXPECT_EQ(MediaButtonFace(false, true, true), 1);   // released
  EXPECT_EQ(MediaButtonFace(false, false, false), 3);
  EXPECT_EQ(MediaButtonPicture(true, false), 0);
  EXPECT_EQ(MediaButtonPicture(true, true), 2);
  EXPECT_EQ(MediaButtonPicture(false, true), 1);
}

TEST(MediaPlayerRules, EveryForwardedPressIsReleasedOnce) {
  struct Case {
    bool outstanding;
    int hit, down;
    TMediaRelease release;
  } cases[] = {
      {true, 0, 0, TMediaRelease::AtPosition},
      {true, 2, 0, TMediaRelease::Outside},  // pressed on play, released on stop
      {true, kNoMediaButton, 0, TMediaRelease::Outside},
      {true, kNoMediaButton, kNoMediaButton, TMediaRelease::AtPosition},
      {false, 0, 0, TMediaRelease::None},    // a release without a press
  };
  for (const Case& c : cases)
    EXPECT_EQ(MediaReleaseOf(c.outstanding, c.hit, c.down), c.release) << c.outstanding << c.hit << c.down;
}

}  // namespace
