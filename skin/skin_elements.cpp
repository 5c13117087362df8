#include "skin/skin_elements.h"

#include "skin/quick_ini.h"
#include "skin/skin_reader.h"

TSkinElements::TSkinElements() = default;

TSkinElements::~TSkinElements() {
  if (FaceBrush) DeleteObject(FaceBrush);
}

bool TSkinElements::LoadSkin(const std::vector<uint8_t>& storedSkin) {
  TSkinReader reader;
  if (!reader.LoadFromStream(storedSkin)) return false;
  std::vector<uint8_t> iniBytes;
  std::string iniName;
  reader.FindFile(".ini", iniBytes, iniName);
  TQuickIni ini;
  ini.LoadFromStream(iniBytes);
  BuildSkin(ini, reader);
  return true;
}

std::vector<const TDataSkinObject*> TSkinElements::Elements() const {
  std::vector<const TDataSkinObject*> all = {&Buttons, &Left, &Right, &Top, &Bottom, &Title};
  const TDataSkinObject* slots[] = {
      Progress.get(),          ProgressChunk.get(),     MenuBar.get(),           GroupBoxEdge.get(),
      GroupBox.get(),          Tabs.get(),              StatusBarEdges.get(),    TabPane.get(),
      ToolBars.get(),          ComboButton.get(),       SunkEdge.get(),          ExtraImages.get(),
      Headerbar.get(),         MenuItem.get(),          MenuBackground.get(),    Scrollbar.get(),
      HorzScroll.get(),        VertScroll.get(),        HorzScrollThumb.get(),   VertScrollThumb.get(),
      TrackbarThumbHorz.get(), TrackbarThumbVert.get(), TrackbarThumbLeft.get(), TrackbarThumbRight.get(),
      TrackbarThumbUp.get(),   TrackbarThumbDown.get(), UpDownHorz.get(),        UpDownVert.get(),
      Track.get(),             TrackVert.get(),         Toolbar.get(),           ComboxArrow.get()};
  for (const TDataSkinObject* element : slots)
    if (element) all.push_back(element);
  for (const auto& button : SysButtons) all.push_back(button.get());
  return all;
}

const TDataSkinObject* TSkinElements::FindElement(const std::string& name) const {
  const std::string wanted = AsciiLowerCase(name);
  for (const TDataSkinObject* element : Elements())
    if (AsciiLowerCase(element->Name) == wanted) return element;
  return nullptr;
}
