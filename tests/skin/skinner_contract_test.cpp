// The contract every skinner kind keeps, over the kinds' registration rows so that skinners added
// later are covered without a test of their own: it attaches to a control of its kind, answers
// the engine's query, paints as its row says, steps aside when the engine switches it off, and
// goes with its control. A kind with no sample control here fails, so each new skinner names one.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "gui/buttons.h"
#include "gui/date_picker.h"
#include "gui/edits.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/list_view.h"
#include "gui/pages.h"
#include "gui/progress.h"
#include "gui/sliders.h"
#include "gui/status_bar.h"
#include "gui_test_support.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_media_player.h"
#include "skin/skin_messages.h"
#include "skin/skinner_kinds.h"
#include "tab_set_stand_in.h"
#include "stand_in_media_player.h"
#include "vendor_stand_ins.h"

namespace {

using K = TSkinnerKind;
using TSample = std::function<TControl*(TForm*)>;

template <class T>
TSample Sample() {
  return [](TForm* form) -> TControl* {
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 90, 30);
    control->SetCaption(L"Sample");
    return control;
  };
}

// A page control with one page; style tsButtons gives button tabs.
TSample Pages(bool buttons, bool returnSheet) {
  return [buttons, returnSheet](TForm* form) -> TControl* {
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 200, 120);
    if (buttons) pages->SetStyle(TTabStyle::tsButtons);
    auto* sheet = new TTabSheet(pages);
    sheet->SetPageControl(pages);
    sheet->SetCaption(L"Sample");
    if (returnSheet) return sheet;
    return pages;
  };
}

// A control of each kind.
const std::map<K, TSample>& Samples() {
  static const std::map<K, TSample> samples = {
      {K::Button, Sample<TButton>()},
      {K::BitButton, Sample<TBitBtn>()},
      {K::Progress, Sample<TProgressBar>()},
      {K::TrackBar, Sample<TTrackBar>()},
      {K::CheckBox, Sample<TCheckBox>()},
      {K::RadioButton, Sample<TRadioButton>()},
      {K::SpeedButton, Sample<TSpeedButton>()},
      {K::MenuButton, Sample<TButton>()},
      {K::Edit, Sample<TEdit>()},
      {K::ComBox, Sample<TComboBox>()},
      {K::DateTime, Sample<TDateTimePicker>()},
      {K::Tab,
       [](TForm* form) -> TControl* {
         auto* tabs = static_cast<TTabControl*>(Sample<TTabControl>()(form));
         tabs->SetTabs({L"One", L"Two"});
         return tabs;
       }},
      {K::Tab31,
       [](TForm* form) -> TControl* {
         auto* set = static_cast<TTabSet*>(Sample<TTabSet>()(form));
         set->SetTabs({L"One", L"Two"});
         return set;
       }},
      {K::GroupBox, Sample<TGroupBox>()},
      {K::Box, Sample<TPanel>()},
      {K::StatusBar, Sample<TStatusBar>()},
      {K::MediaPlayer, Sample<TStandInMediaPlayer>()},
      {K::Sizer, Sample<TPanel>()},
      {K::BoxH, Sample<TPanel>()},
      {K::TabSheet, Pages(false, true)},
      {K::TabBtn, Pages(true, false)},
      {K::ObjImage, Sample<TVendorGlyphButton>()},
      {K::AdvPage, Sample<TVendorPageControl>()},
      {K::UpDown, Sample<TUpDown>()},
      {K::Scrollbar, Sample<TMemo>()},
      {K::ListView,
       [](TForm* form) -> TControl* {
         auto* list = static_cast<TListView*>(Sample<TListView>()(form));
         list->SetViewStyle(TViewStyle::vsReport);
         list->Columns()->Add()->SetCaption(L"Column");
         return list;
       }},
  };
  return samples;
}

TEST(SkinnerContract, EveryKind) {
  TForm* form = new TForm(nullptr);
  form->SetBounds(50, 50, 300, 200);
  form->Show();
  TSkinData* data = new TSkinData(form);
  data->ReadSkinStream(OurStoredSkin());
  TWinSkinForm skinForm(nullptr);
  skinForm.SkinData = data;
  for (int k = 1; k <= static_cast<int>(K::StatusBar); ++k) {
    const K kind = static_cast<K>(k);
    const TSkinnerRow* row = FindSkinnerRow(kind);
    ASSERT_NE(row, nullptr) << "kind " << k << " has no registration row";
    const std::wstring wname = row->Name;
    const std::string name(wname.begin(), wname.end());
    auto sample = Samples().find(kind);
    ASSERT_NE(sample, Samples().end()) << name << " has no sample control";
    TControl* control = sample->second(form);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    TSkinDecision decision;
    decision.Kind = kind;
    TSkinControl* skinner = MakeSkinner(kind, control, decision);
    ASSERT_NE(skinner, nullptr) << name;
    EXPECT_EQ(skinner->ClassName(), wname) << name;
    skinner->AttachControl(&skinForm, data, nullptr, false);
    EXPECT_NE(std::find(skinForm.Skinners.begin(), skinForm.Skinners.end(), skinner), skinForm.Skinners.end()) << name;
    // A windowless control's messages come through Perform, a window's through its procedure.
    auto send = [&](UINT msg, WPARAM wParam) {
      return windowed ? SendMessageW(windowed->Handle(), msg, wParam, 0) : control->Perform(msg, wParam, 0);
    };
    // A skinner that only recolours takes no part in the messages: its window skinner's list
    // is what tells the control is skinned.
    const bool hooked = skinner->Hooked();
    EXPECT_EQ(send(SKM_QUERYSKINNED, 0), hooked ? 1 : 0) << name;
    if (windowed) EXPECT_EQ(skinForm.FindSkinControlByHandle(windowed->Handle()), skinner) << name;
    if (!hooked) EXPECT_TRUE(skinForm.IsControlSkinned(control)) << name;

    // It paints the control into a DC it is given (the media player's look is its panel's).
    auto* player = dynamic_cast<TSkinMP*>(skinner);
    const TBitmap picture = player ? PaintedPicture(player->Overlay->Handle()) : PaintedPicture(control);
    // Faces fill the middle; a border skinner's frame lies in the top rows. A kind that paints
    // nothing leaves its control's window to it: it only erases (BoxH), hands the control
    // pictures to draw itself with (ObjImage, AdvPage), or skins windows of its own beside and
    // inside it (ListView: the painted bars and the header).
    bool painted = false;
    for (int y = 0; y <= 2; ++y) painted = painted || picture.Pixel(control->Width() / 2, y) != kUnpaintedColour;
    if (row->Paint != TPaintPolicy::Nothing) EXPECT_TRUE(painted) << name;

    if (hooked) {
      send(SKM_ENABLE, 0);
      EXPECT_EQ(send(SKM_QUERYSKINNED, 0), 0) << name;
      send(SKM_ENABLE, 1);
    }
    delete control;
    EXPECT_TRUE(skinForm.Skinners.empty()) << name;
  }
  delete form;
  FreeSkinManager();
}

}  // namespace
