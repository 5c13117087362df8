// The group-box and status-bar skinners' decisions as tables.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/panel_rules.h"

namespace {

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(PanelRules, TheGroupFrameAndItsCaption) {
  EXPECT_EQ(GroupFrameTop(13), 5);
  EXPECT_EQ(GroupFrameTop(16), 7);
  EXPECT_EQ(GroupFrameTop(1), -1);
  EXPECT_TRUE(Same(GroupCaptionRect(RECT{0, 0, 200, 100}, false), RECT{8, 0, 200, 100}));
  EXPECT_TRUE(Same(GroupCaptionRect(RECT{0, 0, 200, 100}, true), RECT{0, 0, 192, 100}));
}

TEST(PanelRules, AStatusPanelsFrameAndAlignment) {
  EXPECT_EQ(StatusPanelFrame(L"pbLowered"), kPanelLowered);
  EXPECT_EQ(StatusPanelFrame(L"pbRaised"), kPanelRaised);
  EXPECT_EQ(StatusPanelFrame(L"pbNone"), kPanelFlat);
  EXPECT_EQ(StatusPanelFrame(L""), kPanelLowered);
  struct Case {
    const wchar_t* alignment;
    bool rightToLeft;
    UINT format;
  } cases[] = {{L"taLeftJustify", false, DT_LEFT},   {L"taRightJustify", false, DT_RIGHT},
               {L"taCenter", false, DT_CENTER},      {L"taLeftJustify", true, DT_RIGHT},
               {L"taRightJustify", true, DT_LEFT},   {L"taCenter", true, DT_CENTER},
               {L"", false, DT_LEFT}};
  for (const Case& c : cases)
    EXPECT_EQ(StatusPanelAlignment(c.alignment, c.rightToLeft), c.format) << c.alignment << " " << c.rightToLeft;
}

TEST(PanelRules, WhereAPanelAndTheGripAreDrawn) {
  const RECT bar{0, 0, 300, 20};
  EXPECT_TRUE(Same(StatusPanelRect(RECT{0, 2, 80, 20}, false, bar), RECT{0, 2, 82, 20}));
  EXPECT_TRUE(Same(StatusPanelRect(RECT{82, 2, 150, 20}, true, bar), RECT{82, 2, 300, 20}));
  EXPECT_TRUE(Same(SizeGripRect(bar, SIZE{12, 12}), RECT{287, 7, 299, 19}));
}

}  // namespace
