// Building skin elements from small skins packed here, and from our own skin.
#include <gtest/gtest.h>

#include <map>

#include "bmp_bytes.h"
#include "packed_skin.h"
#include "skin/img_util.h"
#include "skin/packer/lzh_encoder.h"
#include "skin/packer/skin_archive_writer.h"
#include "skin/skin_elements.h"
#include "skin/skin_reader.h"

namespace {

std::vector<uint8_t> Text(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::vector<uint8_t> Solid(int w, int h, uint32_t colour = RGB(10, 20, 30)) {
  return MakeBmp({w, h, 24, false}, [colour](int, int) { return colour; });
}

// Packs an INI and bitmaps into a stored skin and builds it.
class SmallSkin : public ::testing::Test {
 protected:
  void Build(const std::string& ini) {
    std::vector<TSkinFile> files = {{"skin.ini", Text(ini)}};
    for (const auto& [name, bytes] : bitmaps_) files.push_back({name, bytes});
    ASSERT_TRUE(skin_.LoadSkin(PackStoredSkin(WriteSkinArchive(files))));
  }
  std::map<std::string, std::vector<uint8_t>> bitmaps_;
  TSkinElements skin_;
};

TEST_F(SmallSkin, BorderKeysAndClamps) {
  bitmaps_["l.bmp"] = Solid(8, 20);
  Build("[Personality]\nLeft=l.bmp\nLeftTopHeight=5\nLeftBotHeight=6\nLeftStretch=7\nLeftFrame=2\n"
        "TopTopHeight=5\nTopBotHeight=6\nTopTrans=0\n");
  EXPECT_EQ(skin_.Left.TopHeight, 5);
  EXPECT_EQ(skin_.Left.BottomHeight, 6);
  EXPECT_EQ(skin_.Left.LeftWidth, 0);
  EXPECT_EQ(skin_.Left.Tile, 1);
  EXPECT_EQ(skin_.Left.Frame, 2);
  EXPECT_EQ(skin_.Left.Trans, 1);  // default
  EXPECT_EQ(skin_.Left.Image.Width(), 8);
  EXPECT_EQ(skin_.Top.LeftWidth, 5);
  EXPECT_EQ(skin_.Top.RightWidth, 6);
  EXPECT_EQ(skin_.Top.TopHeight, 0);
  EXPECT_EQ(skin_.Top.Trans, 0);
  EXPECT_EQ(skin_.Top.Frame, 1);  // default
  EXPECT_TRUE(skin_.Top.Image.Empty());
}

TEST_F(SmallSkin, TileClampsDifferByReader) {
  bitmaps_["a.bmp"] = Solid(4, 4);
  Build("[Progress]\nBitmap=a.bmp\nTile=7\n[ToolBars]\nImage=a.bmp\nTile=7\n[Tabs]\nImage=a.bmp\nTile=1\n");
  ASSERT_TRUE(skin_.Progress && skin_.ToolBars && skin_.Tabs);
  EXPECT_EQ(skin_.Progress->Tile, 1);
  EXPECT_EQ(skin_.ToolBars->Tile, 0);
  EXPECT_EQ(skin_.Tabs->Tile, 1);
}

TEST_F(SmallSkin, ImageNamesAndBadBitmaps) {
  bitmaps_["good.bmp"] = Solid(6, 3);
  std::vector<uint8_t> bad = Solid(6, 3);
  bad[18] = 0;  // width 0
  bitmaps_["bad.bmp"] = bad;
  Build("[ToolBars]\nImage=good.BMP\n[MenuItem]\nImage=c:\\skins\\art/GOOD.bmp\n[Headerbar]\nImage=missing.bmp\n"
        "[Scrollbar]\nImage=bad.bmp\n[HorzScroll]\nImage=\n[VertScroll]\nLeftWidth=3\n");
  ASSERT_TRUE(skin_.ToolBars);
  EXPECT_TRUE(skin_.ToolBars->Image.Empty());  // ".BMP" is not ".bmp"
  ASSERT_TRUE(skin_.MenuItem);
  EXPECT_EQ(skin_.MenuItem->Image.Width(), 6);  // the folder part is dropped, the case of the name is not
  ASSERT_TRUE(skin_.Headerbar);
  EXPECT_TRUE(skin_.Headerbar->Image.Empty());
  ASSERT_TRUE(skin_.Scrollbar);
  EXPECT_TRUE(skin_.Scrollbar->Image.Empty());  // a bad header gives an empty picture
  EXPECT_FALSE(skin_.HorzScroll);
  EXPECT_FALSE(skin_.VertScroll);
  EXPECT_FALSE(skin_.Progress);
}

TEST_F(SmallSkin, CaptionButtons) {
  bitmaps_["b60.bmp"] = Solid(60, 20);
  bitmaps_["b80.bmp"] = Solid(80, 20);
  bitmaps_["mdi.bmp"] = Solid(96, 10);
  Build("[Buttons]\nLeftWidth=1\n[Button.Radio]\nAction=0\n[BUTTONX]\nAction=-1\n"
        "[Button1]\nAction=-1\nVisibility=0\n"
        "[button2]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=3\nButtonImage=b60.bmp\n"
        "[Button3]\nAction=0\nButtonImage=b80.bmp\n"
        "[Button4]\nAction=4\nXcoord=99\nButtonImage=b60.bmp\nframe=2\n"
        "[Button5]\nAction=3\nButtonImage=b60.bmp\n"
        "[Other]\nAction=0\n[MDICONTROLS]\nImage=mdi.bmp\n");
  ASSERT_EQ(skin_.SysButtons.size(), 5u + 3u);  // Button1 to Button5, then the MDI buttons
  const TDataSkinSysButton& dropped = *skin_.SysButtons[0];
  EXPECT_EQ(dropped.Name, "BUTTON1");
  EXPECT_EQ(dropped.Visibility1, -1);
  EXPECT_EQ(dropped.Frame, 6);
  const TDataSkinSysButton& maximize = *skin_.SysButtons[1];
  EXPECT_EQ(maximize.Name, "BUTTON2");
  EXPECT_EQ(maximize.Frame, 3);  // 60 / 20 <= 3.8
  EXPECT_EQ(maximize.CombineOp, -1);
  EXPECT_EQ(skin_.SysButtons[2]->Frame, 6);  // 80 / 20 > 3.8
  const TDataSkinSysButton& help = *skin_.SysButtons[3];
  EXPECT_EQ(help.Xcoord, 40);  // the place of the maximize button
  EXPECT_EQ(help.Ycoord, 3);
  EXPECT_EQ(help.Frame, 2);
  EXPECT_FALSE(help.Image.Empty());
  EXPECT_EQ(skin_.SysButtons[5]->Action, 7);
}

TEST_F(SmallSkin, SystemMenuButtonAndMdiButtons) {
  bitmaps_["b60.bmp"] = Solid(60, 20);
  bitmaps_["mdi.bmp"] = MakeBmp({96, 10, 24, false}, [](int x, int) { return RGB(x, 0, 0); });
  Build("[Button5]\nAction=3\nButtonImage=b60.bmp\n[Button6]\nAction=4\nXcoord=9\n[MDICONTROLS]\nImage=mdi.bmp\n");
  ASSERT_EQ(skin_.SysButtons.size(), 5u);
  EXPECT_TRUE(skin_.SysButtons[0]->Image.Empty());
  EXPECT_EQ(skin_.SysButtons[0]->Frame, 3);
  EXPECT_EQ(skin_.SysButtons[1]->Xcoord, 9);  // no maximize button before it: its own place
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *skin_.SysButtons[size_t(2 + i)];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.Frame, 4);
    EXPECT_EQ(b.Xcoord, (8 + 4) * (3 - i));
    ASSERT_EQ(b.Image.Width(), 32);
    EXPECT_EQ(b.Image.Pixel(0, 0), RGB(32 * i, 0, 0));  // frames 4i to 4i + 3 of the strip
  }
}

TEST_F(SmallSkin, MdiButtonsWithoutStrip) {
  Build("[Personality]\n");
  ASSERT_EQ(skin_.SysButtons.size(), 3u);
  EXPECT_TRUE(skin_.SysButtons[2]->Image.Empty());
  EXPECT_EQ(skin_.SysButtons[2]->Xcoord, 0);
}

TEST_F(SmallSkin, Colours) {
  Build("[Colours]\nButtonFace=1,2,3\nHilight=300 0 0\n[COLOURS]\n[Colour7]\ncolor=4,5,6\n[Colour2]\n"
        "[Customcolors]\nColor3=7,8,9\n");
  EXPECT_EQ(skin_.ColourTable[kColourButtonFace], int32_t(RGB(1, 2, 3)));
  EXPECT_TRUE(skin_.ColourSet[kColourButtonFace]);
  EXPECT_EQ(skin_.ColourTable[kColourMenubar], int32_t(RGB(1, 2, 3)));  // follows ButtonFace
  EXPECT_FALSE(skin_.ColourSet[kColourMenubar]);
  EXPECT_EQ(skin_.ColourTable[kColourHilight], int32_t(RGB(44, 0, 0)));
  EXPECT_EQ(skin_.ColourTable[kColourWindowText], int32_t(0xFF000008));
  EXPECT_EQ(skin_.ColourTable[kColourButtonlight], int32_t(0xFF000014));
  EXPECT_EQ(skin_.ColourTable[9], 0);
  EXPECT_EQ(skin_.ColourTable[10], 0);
  EXPECT_EQ(skin_.ColourTable[kColourBorder], int32_t(RGB(1, 2, 3)));  // no Top image
  ASSERT_EQ(skin_.SectionColours.size(), 2u);  // Colour7 and Colour2, not COLOURS
  EXPECT_EQ(skin_.SectionColours[0], int32_t(RGB(4, 5, 6)));
  EXPECT_EQ(skin_.SectionColours[1], int32_t(0xFF000008));
  EXPECT_EQ(skin_.CustomColours[3], int32_t(RGB(7, 8, 9)));
  EXPECT_EQ(skin_.CustomColours[0], 0xFFFFFF);
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectW(skin_.FaceBrush, sizeof(brush), &brush));
  EXPECT_EQ(brush.lbColor, RGB(1, 2, 3));
}

TEST_F(SmallSkin, TitleKeys) {
  Build("[Personality]\nTextShift=30\nTextShiftVert=2\nTextRightClip=90\nTextAlignment=1\n"
        "ActiveTextR=300\nActiveTextG=1\nActiveTextB=2\nInActiveTextR=5\nInActiveTextG=5\n[Fonts]\nFontHeight=0x10\n");
  EXPECT_EQ(skin_.Title.LeftWidth, 30);
  EXPECT_EQ(skin_.Title.TopHeight, 2);
  EXPECT_EQ(skin_.Title.RightWidth, 90);
  EXPECT_EQ(skin_.Title.TextAlignment, 1);
  EXPECT_EQ(skin_.Title.FontHeight, 16);
  EXPECT_EQ(skin_.Title.ActiveTextColour, int32_t(RGB(44, 1, 2)));
  EXPECT_EQ(skin_.Title.InactiveTextColour, TDataSkinTitle::kNoTextColour);
  EXPECT_EQ(skin_.Title.Frame, 2);
}

TEST_F(SmallSkin, FrameCounts) {
  bitmaps_["a.bmp"] = Solid(48, 16);
  bitmaps_["check52.bmp"] = Solid(52, 13);
  bitmaps_["radio96.bmp"] = Solid(96, 16);
  Build("[Buttons]\nCheckButton=check52.bmp\nRadioButton=radio96.bmp\n"
        "[Progress]\nBitmap=a.bmp\nStyle=1\n[Headerbar]\nImage=a.bmp\nFrame=3\n[MenuItem]\nImage=a.bmp\nFrame=9\n"
        "[HorzScrollThumb]\nImage=a.bmp\nFrameCount=2\n[VertScrollThumb]\nImage=a.bmp\n"
        "[Progress.Chunk]\nImage=a.bmp\nFrame=7\n[Scrollbar]\nImage=a.bmp\n[UpDown.Vert]\nImage=a.bmp\n"
        "[Trackbar.ThumbDown]\nImage=a.bmp\n[StatusBarEdges]\nImage=a.bmp\n[GroupBox]\nImage=a.bmp\nFrame=4\n");
  EXPECT_EQ(skin_.Buttons.Frame, 5);
  EXPECT_EQ(skin_.Buttons.CheckFrames, 4);
  EXPECT_EQ(skin_.Buttons.RadioFrames, 6);
  EXPECT_EQ(skin_.Progress->Frame, 1);
  EXPECT_EQ(skin_.Headerbar->Frame, 3);
  EXPECT_EQ(skin_.MenuItem->Frame, 5);
  EXPECT_EQ(skin_.HorzScrollThumb->Frame, 2);
  EXPECT_EQ(skin_.VertScrollThumb->Frame, 3);
  EXPECT_EQ(skin_.ProgressChunk->Frame, 7);
  EXPECT_EQ(skin_.Scrollbar->Frame, 23);
  EXPECT_EQ(skin_.UpDownVert->Frame, 8);
  EXPECT_EQ(skin_.TrackbarThumbDown->Frame, 5);
  EXPECT_EQ(skin_.StatusBarEdges->Frame, 3);
  EXPECT_EQ(skin_.GroupBox->Frame, 1);
  EXPECT_EQ(skin_.Toolbar->Frame, 1);
}

TEST_F(SmallSkin, FrameCountsBelowOneCountAsOne) {
  bitmaps_["top.bmp"] = MakeBmp({9, 9, 24, false}, [](int x, int y) { return RGB(x, y, 0); });
  Build("[Personality]\nTop=top.bmp\nTopFrame=0\n[Progress.Chunk]\nImage=top.bmp\nFrame=-2\n");
  EXPECT_EQ(skin_.Top.Frame, 0);  // kept as read
  EXPECT_EQ(skin_.Top.Frames(), 1);
  EXPECT_EQ(skin_.ColourTable[kColourBorder], int32_t(RGB(3, 3, 0)));  // pixel (9 div 3, 9 div 3)
  EXPECT_EQ(skin_.ProgressChunk->Frames(), 1);
}

TEST_F(SmallSkin, TabPaneMarginsAtMostFour) {
  bitmaps_["a.bmp"] = Solid(16, 16);
  Build("[Tab.Pane]\nImage=a.bmp\nLeftWidth=9\nTopHeight=3\nRightWidth=5\nBottomHeight=4\n");
  EXPECT_EQ(skin_.TabPane->LeftWidth, 4);
  EXPECT_EQ(skin_.TabPane->TopHeight, 3);
  EXPECT_EQ(skin_.TabPane->RightWidth, 4);
  EXPECT_EQ(skin_.TabPane->BottomHeight, 4);
}

TEST_F(SmallSkin, BuiltInTracksReplaceMissingSections) {
  Build("[Personality]\n");
  ASSERT_TRUE(skin_.Track && skin_.TrackVert);
  EXPECT_EQ(skin_.Track->Image.Width(), 16);
  EXPECT_EQ(skin_.Track->Image.Height(), 4);
  EXPECT_EQ(skin_.TrackVert->Image.Width(), 4);
  EXPECT_EQ(skin_.TrackVert->Image.Height(), 16);
  EXPECT_EQ(skin_.Track->LeftWidth, 3);
  EXPECT_EQ(skin_.Track->BottomHeight, 3);
  EXPECT_EQ(skin_.Track->Frame, 1);
  EXPECT_EQ(skin_.Track->Tile, 0);
  EXPECT_TRUE(skin_.ComboxArrow->Image.Empty());
}

TEST_F(SmallSkin, SunkEdgeWithoutComboButtonBuildsNoArrow) {
  bitmaps_["a.bmp"] = Solid(16, 16);
  Build("[SunkEdge]\nImage=a.bmp\n");
  ASSERT_TRUE(skin_.SunkEdge);
  ASSERT_TRUE(skin_.ComboxArrow);
  EXPECT_TRUE(skin_.ComboxArrow->Image.Empty());
  EXPECT_EQ(skin_.SunkEdge->Image.Width(), 16);  // no combo images without a button
}

TEST_F(SmallSkin, ComboButtonWithoutSunkEdgeGivesArrowWithFaceColour) {
  bitmaps_["c.bmp"] = MakeBmp({8, 4, 24, false}, [](int x, int) { return x < 4 ? 0xFF00FF : RGB(1, 1, 1); });
  Build("[Colours]\nButtonFace=9,8,7\n[ComboButton]\nImage=c.bmp\n");
  const TBitmap& arrow = skin_.ComboxArrow->Image;
  ASSERT_EQ(arrow.Width(), 8);
  EXPECT_EQ(arrow.Pixel(0, 0), RGB(9, 8, 7));
  EXPECT_EQ(arrow.Pixel(7, 0), RGB(1, 1, 1));
  EXPECT_EQ(skin_.ComboxArrow->Frame, 4);
  // The second image is the original mirrored.
  EXPECT_EQ(skin_.ComboButton->Image2.Pixel(0, 0), RGB(1, 1, 1));
  EXPECT_EQ(skin_.ComboButton->Image2.Pixel(7, 0), RGB(255, 0, 255));
}

TEST_F(SmallSkin, ArrowWithSystemButtonFaceGetsTheResolvedColour) {
  bitmaps_["c.bmp"] = MakeBmp({8, 4, 24, false}, [](int, int) { return 0xFF00FF; });
  Build("[ComboButton]\nImage=c.bmp\n");
  ASSERT_EQ(skin_.ColourTable[kColourButtonFace], int32_t(0xFF00000F));
  EXPECT_EQ(skin_.ComboxArrow->Image.Pixel(3, 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SmallSkin, ComboImagesFromSunkEdgeAndComboButton) {
  bitmaps_["edge.bmp"] = Solid(80, 20, RGB(200, 200, 200));
  bitmaps_["btn.bmp"] = Solid(72, 20, RGB(0, 0, 200));
  Build("[ComboButton]\nImage=btn.bmp\nLeftWidth=1\n[SunkEdge]\nImage=edge.bmp\nLeftWidth=2\nTopHeight=3\n"
        "BottomHeight=2\nRightWidth=2\n");
  const int c = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const TDataSkinBorder& button = *skin_.ComboButton;
  EXPECT_EQ(button.Style, 2);
  ASSERT_EQ(button.Image.Width(), 200);
  ASSERT_EQ(button.Image.Height(), 21);
  EXPECT_EQ(button.LeftWidth, 2);
  EXPECT_EQ(button.RightWidth, c + 2);
  EXPECT_EQ(button.TopHeight, 3);
  EXPECT_EQ(button.BottomHeight, 2);
  EXPECT_EQ(button.Image.Pixel(0, 10), RGB(200, 200, 200));  // edge
  EXPECT_EQ(button.Image.Pixel(10, 10), RGB(255, 0, 255));   // the field is cleared
  EXPECT_EQ(button.Image.Pixel(50 - c / 2, 10), RGB(0, 0, 200));  // the button part
  const TDataSkinObject& edge = *skin_.SunkEdge;
  EXPECT_EQ(edge.LeftWidth, c + 2);
  EXPECT_EQ(edge.RightWidth, 2);
  EXPECT_EQ(edge.Image.Pixel(199 - (50 - c / 2), 10), RGB(0, 0, 200));  // mirrored
  const TDataSkinObject& arrow = *skin_.ComboxArrow;
  EXPECT_EQ(arrow.Frame, 4);
  ASSERT_EQ(arrow.Image.Width(), 68);
  ASSERT_EQ(arrow.Image.Height(), 17);
  EXPECT_EQ(arrow.Image.Pixel(16, 8), RGB(0, 0, 200));  // from (50 - 19 + 16, 10) of the strip
}

TEST_F(SmallSkin, ToolbarGradient) {
  Build("[Colours]\nButtonFace=200,200,200\n");
  const TBitmap& g = skin_.Toolbar->Image;
  ASSERT_EQ(g.Width(), 10);
  ASSERT_EQ(g.Height(), 40);
  EXPECT_EQ(int32_t(g.Pixel(5, 0)), BlendColors(RGB(200, 200, 200), 0xFFFFFF, 150));
  // Border colour = ButtonFace (no Top image), saturation 0: dark = blend of grey and it.
  EXPECT_EQ(int32_t(g.Pixel(5, 39)), BlendColors(0x808080, RGB(200, 200, 200), 150));
}

TEST_F(SmallSkin, RebuildReplacesSectionElementsAndKeepsDerivedOnes) {
  bitmaps_["a.bmp"] = Solid(16, 16);
  Build("[ToolBars]\nImage=a.bmp\n");
  const TDataSkinObject* toolbar = skin_.Toolbar.get();
  ASSERT_TRUE(skin_.ToolBars);
  Build("[Personality]\n");
  EXPECT_FALSE(skin_.ToolBars);
  EXPECT_EQ(skin_.Toolbar.get(), toolbar);
  EXPECT_EQ(skin_.Toolbar->Frame, 1);
}

TEST(SkinLoad, RefusedArchiveBuildsNothing) {
  TSkinElements skin;
  SetSkinMessageProc([](const std::string&) {});
  EXPECT_FALSE(skin.LoadSkin(std::vector<uint8_t>{0, 0, 0, 0}));
  SetSkinMessageProc(nullptr);
  EXPECT_TRUE(skin.SysButtons.empty());
  EXPECT_FALSE(skin.Toolbar);
}

// ------------------------------------------------------------------ our own skin

// What the window, menu and control painters read: element, frames, and whether
// its frames lie stacked.
struct TNeeded {
  const char* name;
  int frames;
  bool stacked;
};
const TNeeded kNeeded[] = {
    {"Buttons", 5, false},         {"Left", 2, false},           {"Right", 2, false},
    {"Top", 2, true},              {"Bottom", 2, true},          {"Progress", 2, false},
    {"Progress.Chunk", 1, false},  {"menuBar", 2, true},         {"GroupBoxEdge", 2, false},
    {"GroupBox", 1, false},        {"Tabs", 5, false},           {"StatusBarEdges", 3, false},
    {"Tab.Pane", 1, false},        {"ToolBars", 5, false},       {"ComboButton", 4, false},
    {"SunkEdge", 4, false},        {"ExtraImages", 5, false},    {"Headerbar", 5, false},
    {"MenuItem", 5, false},        {"MenuBackground", 1, false}, {"Scrollbar", 23, false},
    {"HorzScroll", 4, false},      {"VertScroll", 4, false},     {"HorzScrollThumb", 3, false},
    {"VertScrollThumb", 3, false}, {"Trackbar.ThumbHorz", 5, false}, {"Trackbar.ThumbVert", 5, false},
    {"Trackbar.ThumbLeft", 5, false}, {"Trackbar.ThumbRight", 5, false}, {"Trackbar.ThumbUp", 5, false},
    {"Trackbar.ThumbDown", 5, false}, {"UpDown.Horz", 8, false},  {"UpDown.Vert", 8, false},
    {"Track", 1, false},           {"TRACKVERT", 1, false},      {"Toolbar", 1, false},
    {"ComboxArrow", 4, false},
};

class OurSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skin_ = new TSkinElements;
    loaded_ = skin_->LoadSkin(OurStoredSkin());
  }
  static void TearDownTestSuite() { delete skin_; }
  void SetUp() override { ASSERT_TRUE(loaded_) << "the packed skin resource did not load"; }
  static TSkinElements* skin_;
  static bool loaded_;
};
TSkinElements* OurSkin::skin_ = nullptr;
bool OurSkin::loaded_ = false;

TEST_F(OurSkin, HasEveryElementThePaintersRead) {
  std::string table;  // printed on failure: the element table as built
  for (const TDataSkinObject* e : skin_->Elements())
    table += e->Name + " " + std::to_string(e->Frame) + " frames " + std::to_string(e->Image.Width()) + "x" +
             std::to_string(e->Image.Height()) + "\n";
  for (const TNeeded& need : kNeeded) {
    const TDataSkinObject* e = skin_->FindElement(need.name);
    ASSERT_NE(e, nullptr) << need.name << "\n" << table;
    EXPECT_FALSE(e->Image.Empty()) << need.name;
    EXPECT_EQ(e->Frames(), need.frames) << need.name;
    const int length = need.stacked ? e->Image.Height() : e->Image.Width();
    EXPECT_EQ(length % e->Frames(), 0) << need.name << ": frames of unequal size\n" << table;
  }
}

TEST_F(OurSkin, SecondImagesAndGlyphStrips) {
  EXPECT_FALSE(skin_->Tabs->Image2.Empty());
  EXPECT_FALSE(skin_->ComboButton->Image2.Empty());
  EXPECT_EQ(skin_->UpDownHorz->Image2.Width() % 8, 0);
  EXPECT_EQ(skin_->UpDownVert->Image2.Width() % 8, 0);
  EXPECT_FALSE(skin_->UpDownVert->Image2.Empty());
  EXPECT_EQ(skin_->Buttons.CheckFrames, 12);
  EXPECT_EQ(skin_->Buttons.RadioFrames, 8);
  EXPECT_EQ(skin_->Buttons.CheckImage.Width(), 12 * 13);
  EXPECT_EQ(skin_->Buttons.RadioImage.Width(), 8 * 13);
  EXPECT_TRUE(skin_->Buttons.NormalColour2Given);
}

TEST_F(OurSkin, FrameMetricsAndMargins) {
  EXPECT_EQ(skin_->Left.Image.Width() / skin_->Left.Frames(), 4);
  EXPECT_EQ(skin_->Right.Image.Width() / skin_->Right.Frames(), 4);
  EXPECT_EQ(skin_->Top.Image.Height() / skin_->Top.Frames(), 30);
  EXPECT_EQ(skin_->Bottom.Image.Height() / skin_->Bottom.Frames(), 4);
  // The unscaled top rows of the side borders are the title bar's height.
  EXPECT_EQ(skin_->Left.TopHeight, 30);
  // Margins fit inside one frame of every element (else 9-slice drawing overlaps).
  for (const TDataSkinObject* e : skin_->Elements()) {
    if (e->Image.Empty() || e == &skin_->Title) continue;
    const bool stacked = e == &skin_->Top || e == &skin_->Bottom || e == skin_->MenuBar.get();
    const int cw = stacked ? e->Image.Width() : e->Image.Width() / e->Frames();
    const int ch = stacked ? e->Image.Height() / e->Frames() : e->Image.Height();
    EXPECT_LE(e->LeftWidth + e->RightWidth, cw) << e->Name;
    EXPECT_LE(e->TopHeight + e->BottomHeight, ch) << e->Name;
  }
  // Rounded top corners: the outer corner pixel is transparent.
  EXPECT_EQ(skin_->Left.Image.Pixel(0, 0), kSkinKeyColour);
  EXPECT_EQ(skin_->Right.Image.Pixel(3, 0), kSkinKeyColour);
}

TEST_F(OurSkin, CaptionButtonsAndColours) {
  int withImage = 0;
  for (const auto& b : skin_->SysButtons) {
    if (b->Image.Empty()) continue;
    ++withImage;
    EXPECT_EQ(b->Image.Width() % b->Frames(), 0) << b->Name;
  }
  EXPECT_EQ(withImage, 5 + 3);  // close, maximize, restore, minimize, help; three MDI buttons
  ASSERT_GE(skin_->SysButtons.size(), 4u);
  EXPECT_EQ(skin_->SysButtons[0]->Action, 0);
  EXPECT_EQ(skin_->SysButtons[4]->Action, 4);
  EXPECT_EQ(skin_->SysButtons[4]->Xcoord, skin_->SysButtons[1]->Xcoord);
  for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 18}) EXPECT_TRUE(skin_->ColourSet[size_t(i)]) << i;
  EXPECT_EQ(skin_->SectionColours.size(), 1u);
  // The border colour is the title bar's own colour.
  EXPECT_EQ(skin_->ColourTable[kColourBorder], int32_t(skin_->Top.Image.Pixel(21, 10)));
}

}  // namespace
