// Building the skin elements from the skin INI and the archive's bitmaps.
#include <algorithm>

#include "skin/colour_parse.h"
#include "skin/draw_primitives.h"
#include "skin/img_util.h"
#include "skin/quick_ini.h"
#include "skin/skin_elements.h"
#include "skin/skin_reader.h"

namespace {

constexpr int32_t kSysColour = int32_t(0xFF000000);
constexpr int32_t kWhite = 0xFFFFFF;

std::string AsciiUpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The built-in track channel (16 x 4, or 4 x 16 upright) for skins without one:
// a grey groove with a darker rim.
TBitmap BuiltInTrack(bool vertical) {
  const int w = vertical ? 4 : 16, h = vertical ? 16 : 4;
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool rim = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      b.SetPixel(x, y, rim ? RGB(128, 128, 128) : RGB(212, 212, 212));
    }
  return b;
}

}  // namespace

std::string TSkinElements::ReadString(const std::string& section, const std::string& key) const {
  return ini_->ReadString(section, key, "");
}

int32_t TSkinElements::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
  return ini_->ReadInteger(section, key, defaultValue);
}

int32_t TSkinElements::ReadColour(const std::string& section, const std::string& key, int32_t defaultColour) const {
  const std::string text = ReadString(section, key);
  return text.empty() ? defaultColour : ParseColour(text);
}

void TSkinElements::LoadSkinBitmap(TBitmap& bitmap, const std::string& value) const {
  bitmap.Clear();
  const size_t slash = value.find_last_of("\\/:");
  const std::string name = slash == std::string::npos ? value : value.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string::npos || name.substr(dot) != ".bmp") return;
  std::vector<uint8_t> bytes;
  reader_->ExtractFile(name, bytes);
  // Skin drawing reads and writes three bytes a pixel.
  if (!bytes.empty() && bitmap.LoadFromStream(bytes.data(), bytes.size())) bitmap.SetPixelFormat(TPixelFormat::pf24bit);
}

namespace {

// The keys every generic element reads besides its image.
void ReadCommonKeys(const TQuickIni& ini, TDataSkinObject& e, const std::string& section, bool readFrame,
                    int32_t defaultTextColour) {
  auto colour = [&](const char* key) {
    const std::string text = ini.ReadString(section, key, "");
    return text.empty() ? defaultTextColour : ParseColour(text);
  };
  e.Style = ini.ReadInteger(section, "Style", 0);
  e.LeftWidth = ini.ReadInteger(section, "LeftWidth", 0);
  e.RightWidth = ini.ReadInteger(section, "RightWidth", 0);
  e.TopHeight = ini.ReadInteger(section, "TopHeight", 0);
  e.BottomHeight = ini.ReadInteger(section, "BottomHeight", 0);
  if (readFrame) e.Frame = ini.ReadInteger(section, "Frame", 0);
  e.Trans = ini.ReadInteger(section, "Trans", 0);
  e.Tile = ini.ReadInteger(section, "Tile", 0);
  if (e.Tile > 1) e.Tile = 0;
  e.NormalColour = ini.ReadInteger(section, "NormalColour", -1);
  e.MouseOverColour = ini.ReadInteger(section, "MouseOverColour", -1);
  e.PressedColour = ini.ReadInteger(section, "PressedColour", -1);
  e.NormalColour2 = colour("NormalColour2");
  e.MouseOverColour2 = colour("MouseOverColour2");
  e.PressedColour2 = colour("PressedColour2");
}

}  // namespace

template <typename T>
void TSkinElements::LoadElement(std::unique_ptr<T>& slot, const std::string& section, bool readFrame) {
  slot.reset();
  const std::string image = ReadString(section, "Image");
  if (image.empty()) return;
  slot = std::make_unique<T>(section);
  LoadSkinBitmap(slot->Image, image);
  ReadCommonKeys(*ini_, *slot, section, readFrame, ColourTable[kColourButtonText]);
}

void TSkinElements::LoadBorderElement(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                                      const std::string& secondKey) {
  LoadElement(slot, section, false);
  if (!slot) return;
  const std::string second = ReadString(section, secondKey);
  if (!second.empty()) LoadSkinBitmap(slot->Image2, second);
}

void TSkinElements::LoadProgress() {
  Progress.reset();
  const std::string image = ReadString("Progress", "Bitmap");
  if (image.empty()) return;
  Progress = std::make_unique<TDataSkinBorder>("Progress");
  TDataSkinBorder& e = *Progress;
  LoadSkinBitmap(e.Image, image);
  e.Style = ReadInteger("Progress", "Style", 0);
  e.LeftWidth = ReadInteger("Progress", "LeftWidth", 0);
  e.RightWidth = ReadInteger("Progress", "RightWidth", 0);
  e.TopHeight = ReadInteger("Progress", "TopHeight", 0);
  e.BottomHeight = ReadInteger("Progress", "BottomHeight", 0);
  e.Trans = ReadInteger("Progress", "Trans", 0);
  e.Tile = std::min(ReadInteger("Progress", "Tile", 0), 1);
}

void TSkinElements::LoadGroupBox() {
  LoadElement(GroupBox, "GroupBox", false);
  if (!GroupBox) return;
  GroupBox->BackgroundAlignment = ReadInteger("GroupBox", "BackgroundAlignment", 0);
  GroupBox->BackgroundLeftShift = ReadInteger("GroupBox", "BackgroundLeftShift", 0);
  GroupBox->BackgroundRightShift = ReadInteger("GroupBox", "BackgroundRightShift", 0);
}

void TSkinElements::LoadMenuBar() {
  MenuBar.reset();
  const std::string image = ReadString("Personality", "menuBar");
  if (image.empty()) return;
  MenuBar = std::make_unique<TDataSkinObject>("menuBar");
  LoadSkinBitmap(MenuBar->Image, image);
  MenuBar->Tile = std::min(ReadInteger("Personality", "TileMenu", 1), 1);
  MenuBar->LeftWidth = ReadInteger("Personality", "TileLeftMenu", 1);
  MenuBar->RightWidth = ReadInteger("Personality", "TileRightMenu", 1);
}

void TSkinElements::LoadTrackResource(std::unique_ptr<TDataSkinObject>& slot, const std::string& name,
                                      bool vertical) {
  slot = std::make_unique<TDataSkinObject>(name);
  slot->Image = BuiltInTrack(vertical);
  slot->LeftWidth = slot->TopHeight = slot->RightWidth = slot->BottomHeight = 3;
  slot->Tile = 0;
  slot->Frame = 1;
}

void TSkinElements::LoadBorders() {
  TDataSkinBorder* borders[] = {&Left, &Right, &Top, &Bottom};
  for (TDataSkinBorder* border : borders) {
    const std::string& side = border->Name;
    const int32_t first = ReadInteger("Personality", side + "TopHeight", 0);
    const int32_t second = ReadInteger("Personality", side + "BotHeight", 0);
    if (border == &Left || border == &Right) {
      border->TopHeight = first;
      border->BottomHeight = second;
      border->LeftWidth = border->RightWidth = 0;
    } else {
      border->LeftWidth = first;
      border->RightWidth = second;
      border->TopHeight = border->BottomHeight = 0;
    }
    border->Frame = ReadInteger("Personality", side + "Frame", 1);
    border->Tile = std::min(ReadInteger("Personality", side + "Stretch", 1), 1);
    border->Trans = ReadInteger("Personality", side + "Trans", 1);
    LoadSkinBitmap(border->Image, ReadString("Personality", side));
  }
}

void TSkinElements::LoadColours() {
  struct TColourKey {
    const char* key;
    int index;
    int32_t fallback;  // system colour, or -1 for "entry 3 as read"
  };
  static const TColourKey kKeys[] = {
      {"WindowText", kColourWindowText, kSysColour | COLOR_WINDOWTEXT},
      {"ButtonFace", kColourButtonFace, kSysColour | COLOR_BTNFACE},
      {"Scrollbar", kColourScrollbar, kSysColour | COLOR_SCROLLBAR},
      {"HilightText", kColourHilightText, kSysColour | COLOR_HIGHLIGHTTEXT},
      {"Hilight", kColourHilight, kSysColour | COLOR_HIGHLIGHT},
      {"Menubar", kColourMenubar, -1},
      {"Menu", kColourMenu, kSysColour | COLOR_MENU},
      {"MenuText", kColourMenuText, kSysColour | COLOR_MENUTEXT},
      {"ButtonText", kColourButtonText, kSysColour | COLOR_BTNTEXT},
      {"ButtonHilight", kColourButtonHilight, kSysColour | COLOR_BTNHIGHLIGHT},
      {"Buttonlight", kColourButtonlight, kSysColour | COLOR_BTNHIGHLIGHT},
      {"ButtonShadow", kColourButtonShadow, kSysColour | COLOR_BTNSHADOW},
      {"ButtonDkShadow", kColourButtonDkShadow, kSysColour | COLOR_3DDKSHADOW},
      {"MenuBarText", kColourMenuBarText, kSysColour | COLOR_MENUTEXT},
      {"TitleTextActive", kColourTitleTextActive, kSysColour | COLOR_CAPTIONTEXT},
      {"TitleTextNoActive", kColourTitleTextNoActive, kSysColour | COLOR_INACTIVECAPTIONTEXT},
  };
  ColourTable.fill(0);
  ColourSet.fill(false);
  for (const TColourKey& k : kKeys) {
    const std::string text = ReadString("Colours", k.key);
    ColourSet[size_t(k.index)] = !text.empty();
    ColourTable[size_t(k.index)] = !text.empty() ? ParseColour(text)
                                   : k.fallback == -1 ? ColourTable[kColourButtonFace]
                                                      : k.fallback;
  }
  SectionColours.clear();
  std::vector<std::string> sections;
  ini_->ReadSections(sections);
  for (const std::string& section : sections) {
    const std::string upper = AsciiUpperCase(section);
    if (StartsWith(upper, "COLOUR") && upper != "COLOURS")
      SectionColours.push_back(ReadColour(section, "color", kSysColour | COLOR_WINDOWTEXT));
  }
  for (size_t i = 0; i < CustomColours.size(); ++i)
    CustomColours[i] = ReadColour("Customcolors", "Color" + std::to_string(i), kWhite);
}

void TSkinElements::LoadCaptionButtons() {
  SysButtons.clear();
  std::vector<std::string> sections;
  ini_->ReadSections(sections);
  bool haveMaximizePoint = false;
  int32_t maximizeX = 0, maximizeY = 0;
  for (const std::string& section : sections) {
    const std::string name = AsciiUpperCase(section);
    if (name == "BUTTONS" || name == "BUTTON.RADIO" || name == "BUTTON.CHECKBOX" || name == "BUTTON" ||
        !StartsWith(name, "BUTTON"))
      continue;
    const int32_t action = ReadInteger(name, "Action", 0);
    if (action == -1 && ReadInteger(name, "Visibility", -1) != 0) continue;
    auto button = std::make_unique<TDataSkinSysButton>(name);
    TDataSkinSysButton& b = *button;
    b.Action = action;
    b.Align = ReadInteger(name, "Align", 0);
    b.Xcoord = ReadInteger(name, "Xcoord", 0);
    b.Ycoord = ReadInteger(name, "Ycoord", 0);
    b.Visibility = ReadInteger(name, "Visibility", 0);
    b.Visibility1 = ReadInteger(name, "Visibility1", action == -1 ? -1 : 0);
    b.CombineOp = ReadInteger(name, "CombineOp", -1);
    b.Frame = ReadInteger(name, "frame", 0);
    LoadSkinBitmap(b.Image, ReadString(name, "ButtonImage"));
    // The help button takes the place of the maximize button shown while not
    // maximized; without such a button it keeps its own place.
    if (b.Action == 1 && b.Visibility == 2) {
      haveMaximizePoint = true;
      maximizeX = b.Xcoord;
      maximizeY = b.Ycoord;
    } else if (b.Action == 4 && haveMaximizePoint) {
      b.Xcoord = maximizeX;
      b.Ycoord = maximizeY;
    }
    if (b.Frame == 0) {
      b.Frame = 6;
      if (!b.Image.Empty()) b.Frame = double(b.Image.Width()) / b.Image.Height() <= 3.8 ? 3 : 6;
      if (b.Action < 0) b.Frame = 6;
      if (b.Action == 3 || b.Action == 11) b.Image.Clear();
    }
    SysButtons.push_back(std::move(button));
  }
  LoadMdiButtons();
}

void TSkinElements::LoadMdiButtons() {
  TBitmap strip;
  LoadSkinBitmap(strip, ReadString("MDICONTROLS", "Image"));
  const int a = strip.Width() / 12;
  const int h = strip.Height();
  for (int i = 0; i < 3; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
    button->Action = 7 + i;
    button->Align = button->Visibility = button->Visibility1 = 100;
    button->Frame = 4;
    if (a > 0 && h > 0) {
      button->Image.SetSize(4 * a, h);
      TBitmapDC src(strip.Handle());
      TBitmapDC dst(button->Image.Handle());
      BitBlt(dst, 0, 0, 4 * a, h, src, 4 * a * i, 0, SRCCOPY);
      button->Xcoord = (a + 4) * (3 - i);
    }
    SysButtons.push_back(std::move(button));
  }
}

void TSkinElements::LoadButtons() {
  TDataSkinButton& b = Buttons;
  b.LeftWidth = ReadInteger("Buttons", "LeftWidth", 0);
  b.RightWidth = ReadInteger("Buttons", "RightWidth", 0);
  b.TopHeight = ReadInteger("Buttons", "TopHeight", 0);
  b.BottomHeight = ReadInteger("Buttons", "BottomHeight", 0);
  b.Trans = ReadInteger("Buttons", "Trans", 0);
  LoadSkinBitmap(b.Image, ReadString("Buttons", "Bitmap"));
  b.Tile = ReadInteger("Buttons", "Tile", 0);
  if (b.Tile > 1) b.Tile = 0;
  LoadSkinBitmap(b.CheckImage, ReadString("Buttons", "CheckButton"));
  LoadSkinBitmap(b.RadioImage, ReadString("Buttons", "RadioButton"));
  b.NormalColour = ReadInteger("Buttons", "NormalColour", -1);
  b.MouseOverColour = ReadInteger("Buttons", "MouseOverColour", -1);
  b.PressedColour = ReadInteger("Buttons", "PressedColour", -1);
  b.RadioFrames = ReadInteger("Buttons", "RadioButtonFrame", 0);
  b.CheckFrames = ReadInteger("Buttons", "CheckButtonFrame", 0);
  b.NormalColour2Given = !ReadString("Buttons", "NormalColour2").empty();
  b.MouseOverColour2Given = !ReadString("Buttons", "MouseOverColour2").empty();
  b.PressedColour2Given = !ReadString("Buttons", "PressedColour2").empty();
  b.NormalColour2 = ReadColour("Buttons", "NormalColour2", ColourTable[kColourButtonText]);
  b.MouseOverColour2 = ReadColour("Buttons", "MouseOverColour2", ColourTable[kColourButtonText]);
  b.PressedColour2 = ReadColour("Buttons", "PressedColour2", ColourTable[kColourButtonText]);
}

void TSkinElements::LoadTitle() {
  TDataSkinTitle& t = Title;
  LoadSkinBitmap(t.Image, ReadString("Personality", "TextBack"));
  t.LeftWidth = ReadInteger("Personality", "TextShift", 0);
  t.TopHeight = ReadInteger("Personality", "TextShiftVert", 0);
  t.RightWidth = ReadInteger("Personality", "TextRightClip", 0);
  t.BottomHeight = 0;
  t.TextAlignment = ReadInteger("Personality", "TextAlignment", 0);
  t.Textbackground = ReadInteger("Personality", "Textbackground", 0);
  t.TXTBackleft = ReadInteger("Personality", "TXTBackleft", 0);
  t.TXTBackRight = ReadInteger("Personality", "TXTBackRight", 0);
  t.FontHeight = ReadInteger("Fonts", "FontHeight", 14);
  auto textColour = [&](const std::string& prefix) {
    const int32_t r = ReadInteger("Personality", prefix + "R", -1);
    const int32_t g = ReadInteger("Personality", prefix + "G", -1);
    const int32_t b = ReadInteger("Personality", prefix + "B", -1);
    if (r < 0 || g < 0 || b < 0) return TDataSkinTitle::kNoTextColour;
    return int32_t(RGB(r % 256, g % 256, b % 256));
  };
  t.ActiveTextColour = textColour("ActiveText");
  t.InactiveTextColour = textColour("InActiveText");
}

void TSkinElements::LoadSectionElements() {
  LoadProgress();
  LoadElement(ProgressChunk, "Progress.Chunk");
  LoadMenuBar();
  LoadElement(GroupBoxEdge, "GroupBoxEdge");
  LoadGroupBox();
  LoadBorderElement(Tabs, "Tabs", "Border");
  LoadElement(StatusBarEdges, "StatusBarEdges");
  LoadElement(TabPane, "Tab.Pane");
  if (TabPane) {
    TabPane->LeftWidth = std::min(TabPane->LeftWidth, 4);
    TabPane->TopHeight = std::min(TabPane->TopHeight, 4);
    TabPane->RightWidth = std::min(TabPane->RightWidth, 4);
    TabPane->BottomHeight = std::min(TabPane->BottomHeight, 4);
  }
  LoadElement(ToolBars, "ToolBars");
  LoadBorderElement(ComboButton, "ComboButton", "****");
  LoadElement(SunkEdge, "SunkEdge");
  if (ComboButton && !ComboButton->Image.Empty()) {
    ComboButton->Image2 = ComboButton->Image;
    MirrorBitmap(ComboButton->Image2);
  }
  LoadElement(ExtraImages, "ExtraImages");
  LoadElement(Headerbar, "Headerbar");
  LoadElement(MenuItem, "MenuItem");
  LoadElement(MenuBackground, "MenuBackground");
  LoadElement(Scrollbar, "Scrollbar");
  LoadElement(HorzScroll, "HorzScroll");
  LoadElement(VertScroll, "VertScroll");
  LoadElement(HorzScrollThumb, "HorzScrollThumb");
  LoadElement(VertScrollThumb, "VertScrollThumb");
  LoadElement(TrackbarThumbHorz, "Trackbar.ThumbHorz");
  LoadElement(TrackbarThumbVert, "Trackbar.ThumbVert");
  LoadElement(TrackbarThumbLeft, "Trackbar.ThumbLeft");
  LoadElement(TrackbarThumbRight, "Trackbar.ThumbRight");
  LoadElement(TrackbarThumbUp, "Trackbar.ThumbUp");
  LoadElement(TrackbarThumbDown, "Trackbar.ThumbDown");
  LoadBorderElement(UpDownHorz, "UpDown.Horz", "GlyphImage");
  LoadBorderElement(UpDownVert, "UpDown.Vert", "GlyphImage");
  LoadElement(Track, "Track");
  if (!Track) LoadTrackResource(Track, "TRACK", false);
  LoadElement(TrackVert, "TRACKVERT");
  if (!TrackVert) LoadTrackResource(TrackVert, "TRACKVERT", true);
}

void TSkinElements::SetFrameCounts() {
  auto set = [](auto& slot, int32_t frames) {
    if (slot) slot->Frame = frames;
  };
  Buttons.Frame = 5;
  auto glyphFrames = [](const TBitmap& strip) {
    return std::max(strip.Width() / (strip.Height() < 16 ? 13 : 16), 4);
  };
  if (Buttons.RadioFrames == 0) Buttons.RadioFrames = glyphFrames(Buttons.RadioImage);
  if (Buttons.CheckFrames == 0) Buttons.CheckFrames = glyphFrames(Buttons.CheckImage);
  Title.Frame = 2;
  if (Progress) Progress->Frame = Progress->Style != 0 ? 1 : 2;
  set(MenuBar, 2);
  set(GroupBoxEdge, 2);
  set(Toolbar, 1);
  set(ToolBars, 5);
  set(Tabs, 5);
  set(ExtraImages, 5);
  set(MenuItem, 5);
  set(TabPane, 1);
  set(GroupBox, 1);
  set(MenuBackground, 1);
  set(StatusBarEdges, 3);
  set(ComboButton, 4);
  set(SunkEdge, 4);
  set(HorzScroll, 4);
  set(VertScroll, 4);
  if (Headerbar && Headerbar->Frame == 0) Headerbar->Frame = 5;
  set(Scrollbar, 23);
  set(UpDownHorz, 8);
  set(UpDownVert, 8);
  set(TrackbarThumbHorz, 5);
  set(TrackbarThumbVert, 5);
  set(TrackbarThumbLeft, 5);
  set(TrackbarThumbRight, 5);
  set(TrackbarThumbUp, 5);
  set(TrackbarThumbDown, 5);
  set(HorzScrollThumb, ReadInteger("HorzScrollThumb", "FrameCount", 3));
  set(VertScrollThumb, ReadInteger("VertScrollThumb", "FrameCount", 3));
}

void TSkinElements::BuildComboImages() {
  if (!SunkEdge || !ComboButton) return;
  const int n = SunkEdge->Frames();
  const int c = GetSystemMetrics(SM_CXHSCROLL) + 2;
  TBitmap strip(50 * n, 21);
  TBitmap cell(50, 21);
  strip.Fill(kSkinKeyColour);
  {
    TBitmapDC stripDC(strip.Handle());
    TBitmapDC cellDC(cell.Handle());
    const RECT whole{0, 0, 50, 21};
    const RECT button{50 - c, 0, 50, 21};
    HBRUSH key = CreateSolidBrush(kSkinKeyColour);
    for (int k = 1; k <= n; ++k) {
      // Each frame starts from a clear cell, so no frame shows through another.
      FillRect(cellDC, &whole, key);
      DrawElement(cellDC, whole, SunkEdge->Look(), {k, n});
      TElementLook buttonLook = ComboButton->Look();
      buttonLook.Keyed = true;  // the button always lies on the edge's frame
      DrawElement(cellDC, button, buttonLook, {k, ComboButton->Frames()});
      if (ExtraImages) DrawElementCellCentered(cellDC, button, ExtraImages->Image, true, ExtraImages->Frames(), k);
      const RECT field{2, 2, 49 - c, 18};
      FillRect(cellDC, &field, key);
      BitBlt(stripDC, 50 * (k - 1), 0, 50, 21, cellDC, 0, 0, SRCCOPY);
    }
    DeleteObject(key);
  }
  ComboButton->Style = 2;
  ComboButton->LeftWidth = 2;
  ComboButton->TopHeight = SunkEdge->TopHeight;
  ComboButton->RightWidth = c + 2;
  ComboButton->BottomHeight = SunkEdge->BottomHeight;
  ComboButton->Image = strip;
  ComboButton->Frame = n;  // the strip holds one cell per edge frame
  MirrorBitmap(strip);
  SunkEdge->Image = std::move(strip);
  SunkEdge->LeftWidth = c + 2;
  SunkEdge->RightWidth = 2;
}

void TSkinElements::BuildComboArrow() {
  if (!ComboxArrow) ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *ComboxArrow;
  arrow.Image.Clear();
  arrow.Frame = 1;
  if (!ComboButton) return;  // nothing to take an arrow from (also when SunkEdge exists)
  if (!SunkEdge) {
    arrow.Image = ComboButton->Image;
    // A system colour is resolved first: its code is no pixel colour.
    ReplaceMagenta(arrow.Image, SkinColourToRGB(ColourTable[kColourButtonFace]));
    arrow.Frame = ComboButton->Frame;
    return;
  }
  if (ComboButton->Style != 2) return;
  const int n = SunkEdge->Frames();
  const int w = ComboButton->Image.Width() / n;
  arrow.Image.SetSize(17 * n, 17);
  arrow.Frame = n;
  TBitmapDC src(ComboButton->Image.Handle());
  TBitmapDC dst(arrow.Image.Handle());
  for (int i = 0; i < n; ++i) BitBlt(dst, 17 * i, 0, 17, 17, src, w * (i + 1) - 19, 2, SRCCOPY);
}

int32_t TSkinElements::BorderColour() const {
  if (Top.Image.Empty()) return ColourTable[kColourButtonFace];
  const int cellHeight = Top.Image.Height() / Top.Frames();
  return int32_t(Top.Image.Pixel(Top.Image.Width() / 3, cellHeight / 3));
}

void TSkinElements::BuildToolbarGradient() {
  const int32_t border = SkinColourToRGB(BorderColour());
  const int32_t light = BlendColors(ColourTable[kColourButtonFace], kWhite, 150);
  int32_t dark = BlendColors(0x808080, border, 150);
  const int saturation = ColorSaturation(border);
  if (saturation > 110) dark = BlendColors(border, kWhite, (225 - saturation) * 25 / 140 + 50);
  if (!Toolbar) Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  Toolbar->Image.SetSize(10, 40);
  Toolbar->Frame = 1;
  TBitmapDC dc(Toolbar->Image.Handle());
  FillGradient(dc, RECT{0, 0, 10, 40}, light, 1, dark);
}

void TSkinElements::BuildSkin(const TQuickIni& ini, const TSkinReader& reader) {
  ini_ = &ini;
  reader_ = &reader;
  LoadBorders();
  LoadColours();
  LoadCaptionButtons();
  LoadButtons();
  LoadTitle();
  LoadSectionElements();
  SetFrameCounts();
  BuildComboImages();
  BuildComboArrow();
  BuildToolbarGradient();
  ColourTable[kColourBorder] = BorderColour();
  if (FaceBrush) DeleteObject(FaceBrush);
  FaceBrush = CreateSolidBrush(COLORREF(SkinColourToRGB(ColourTable[kColourButtonFace])));
  ini_ = nullptr;
  reader_ = nullptr;
}
