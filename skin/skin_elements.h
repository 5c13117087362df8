// Skin elements: one object per skin INI section, each an image strip of
// state frames with four 9-slice margins, a frame count, flags and colours,
// plus the colour table and the caption-button definitions. TSkinElements
// builds them all from a loaded skin archive and its INI.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/pictures.h"
#include "skin/draw_primitives.h"

class TQuickIni;
class TSkinReader;

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;

  // Frames in Image; a count below 1 counts as 1 for every division.
  int Frames() const { return Frame < 1 ? 1 : Frame; }
  RECT Margins() const { return RECT{LeftWidth, TopHeight, RightWidth, BottomHeight}; }
  // How DrawElement fills it: its margins, Tile and Trans.
  TElementLook Look() const { return TElementLook{Image, Margins(), Tile != 0, Trans != 0}; }

  int32_t LeftWidth = 0;
  int32_t TopHeight = 0;
  int32_t RightWidth = 0;
  int32_t BottomHeight = 0;
  TBitmap Image;  // the frames side by side (or stacked, for some users)
  int32_t Trans = 0;  // non-zero: magenta pixels are transparent
  int32_t Tile = 0;   // 0 or 1: how the middle parts are filled
  std::string Name;   // INI section, or a fixed name
  int32_t Frame = 0;
  int32_t Style = 0;
  // Text colour per state as a colour-table index, -1 for none.
  int32_t NormalColour = -1;
  int32_t MouseOverColour = -1;
  int32_t PressedColour = -1;
  // Text colour per state as a colour (negative: a system colour).
  int32_t NormalColour2 = 0;
  int32_t MouseOverColour2 = 0;
  int32_t PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap Image2;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap CheckImage;
  TBitmap RadioImage;
  int32_t RadioFrames = 0;
  int32_t CheckFrames = 0;
  bool NormalColour2Given = false;
  bool MouseOverColour2Given = false;
  bool PressedColour2Given = false;
};

// The caption: its margins hold TextShift (left), TextShiftVert (top) and
// TextRightClip (right); Image is the text back strip.
class TDataSkinTitle : public TDataSkinObject {
 public:
  static constexpr int32_t kNoTextColour = 0x1FFFFFFF;
  using TDataSkinObject::TDataSkinObject;
  int32_t TextAlignment = 0;
  int32_t Textbackground = 0;
  int32_t FontHeight = 14;
  int32_t TXTBackleft = 0;
  int32_t TXTBackRight = 0;
  int32_t ActiveTextColour = kNoTextColour;
  int32_t InactiveTextColour = kNoTextColour;
};

class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Action = 0;
  int32_t Align = 0;
  int32_t Xcoord = 0;
  int32_t Ycoord = 0;
  int32_t CombineOp = -1;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t BackgroundLeftShift = 0;
  int32_t BackgroundRightShift = 0;
  int32_t BackgroundAlignment = 0;
};

// Colour-table indexes (values 0x00BBGGRR; a high byte of 0xFF names a
// system colour by its low byte).
enum TSkinColourIndex {
  kColourWindowText = 0,
  kColourTitleTextActive = 1,
  kColourTitleTextNoActive = 2,
  kColourButtonFace = 3,
  kColourButtonText = 4,
  kColourButtonHilight = 5,
  kColourButtonlight = 6,
  kColourButtonShadow = 7,
  kColourButtonDkShadow = 8,
  kColourHilightText = 11,
  kColourHilight = 12,
  kColourMenubar = 13,
  kColourMenuBarText = 14,
  kColourMenuText = 15,
  kColourMenu = 16,
  kColourBorder = 17,
  kColourScrollbar = 18,
  kColourTableSize = 19,
};

// Everything a skin builds into. The always-present elements exist from
// creation; the optional ones are null when their section gives no image.
class TSkinElements {
 public:
  TSkinElements();
  ~TSkinElements();
  TSkinElements(const TSkinElements&) = delete;
  TSkinElements& operator=(const TSkinElements&) = delete;

  // Unpacks a stored skin, finds its INI and builds. False (and nothing
  // rebuilt) when the archive is refused.
  bool LoadSkin(const std::vector<uint8_t>& storedSkin);
  // Builds every element from a loaded archive and its parsed INI.
  void BuildSkin(const TQuickIni& ini, const TSkinReader& reader);

  // Every element present now, always-present ones first, then the section
  // elements in build order, the derived ones and the caption buttons.
  std::vector<const TDataSkinObject*> Elements() const;
  // The first present element of that name (ASCII letter case ignored).
  const TDataSkinObject* FindElement(const std::string& name) const;

  // Always present.
  TDataSkinButton Buttons{"Buttons"};
  TDataSkinBorder Left{"Left"};
  TDataSkinBorder Right{"Right"};
  TDataSkinBorder Top{"Top"};
  TDataSkinBorder Bottom{"Bottom"};
  TDataSkinTitle Title{"Title"};

  // One slot per section.
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
  std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
  std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
  std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> Track;
  std::unique_ptr<TDataSkinObject> TrackVert;
  // Derived: created by the first build and refilled by later ones.
  std::unique_ptr<TDataSkinObject> Toolbar;
  std::unique_ptr<TDataSkinObject> ComboxArrow;

  // Caption buttons in skin order, then the three MDI child buttons.
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  std::array<int32_t, kColourTableSize> ColourTable{};
  std::array<bool, kColourTableSize> ColourSet{};
  std::vector<int32_t> SectionColours;  // one per [ColourN] section, in file order
  std::array<int32_t, 10> CustomColours{};
  HBRUSH FaceBrush = nullptr;  // solid brush of the ButtonFace entry

 private:
  // The builder's steps, in the order BuildSkin runs them.
  void LoadBorders();
  void LoadColours();
  void LoadCaptionButtons();
  void LoadMdiButtons();
  void LoadButtons();
  void LoadTitle();
  void LoadSectionElements();
  void SetFrameCounts();
  void BuildComboImages();
  void BuildComboArrow();
  void BuildToolbarGradient();
  int32_t BorderColour() const;

  // Readers used by the steps.
  void LoadSkinBitmap(TBitmap& bitmap, const std::string& value) const;
  template <typename T>
  void LoadElement(std::unique_ptr<T>& slot, const std::string& section, bool readFrame = true);
  void LoadBorderElement(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                         const std::string& secondKey);
  void LoadProgress();
  void LoadGroupBox();
  void LoadMenuBar();
  void LoadTrackResource(std::unique_ptr<TDataSkinObject>& slot, const std::string& name, bool vertical);
  int32_t ReadColour(const std::string& section, const std::string& key, int32_t defaultColour) const;
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
  std::string ReadString(const std::string& section, const std::string& key) const;

  // Only while BuildSkin runs.
  const TQuickIni* ini_ = nullptr;
  const TSkinReader* reader_ = nullptr;
};
