#include "skin/skinner_kinds.h"

#include "skin/skin_button.h"
#include "skin/skin_check_box.h"
#include "skin/skin_combo_box.h"
#include "skin/skin_control.h"
#include "skin/skin_date_time.h"
#include "skin/skin_edit.h"
#include "skin/skin_face_boxes.h"
#include "skin/skin_group_box.h"
#include "skin/skin_list_view.h"
#include "skin/skin_media_player.h"
#include "skin/skin_menu_button.h"
#include "skin/skin_progress.h"
#include "skin/skin_scrollbar.h"
#include "skin/skin_speed_button.h"
#include "skin/skin_status_bar.h"
#include "skin/skin_tab.h"
#include "skin/skin_tab_btn.h"
#include "skin/skin_track_bar.h"
#include "skin/skin_up_down.h"
#include "skin/skin_vendor_glyphs.h"

namespace {

// A skinner that needs nothing from the decision.
template <typename T>
TSkinControl* MakeAs(TComponent* owner, const TSkinDecision&) {
  return new T(owner);
}

TSkinControl* MakeBitButton(TComponent* owner, const TSkinDecision& decision) {
  auto* skinner = new TSkinBitButton(owner);
  if (decision.PngGlyph) skinner->GlyphProperty = L"PngImage";
  return skinner;
}

TSkinControl* MakeSpeedButton(TComponent* owner, const TSkinDecision& decision) {
  auto* skinner = new TSkinSpeedButton(owner);
  if (decision.PngGlyph) skinner->GlyphProperty = L"PngImage";
  return skinner;
}

TSkinControl* MakeComBox(TComponent* owner, const TSkinDecision& decision) {
  auto* skinner = new TSkinComBox(owner);
  skinner->ExtendedCombo = decision.ComboEx;
  return skinner;
}

TSkinControl* MakeObjImage(TComponent* owner, const TSkinDecision& decision) {
  auto* skinner = new TSkinObjImage(owner);
  skinner->GlyphKind = decision.ObjImageKind;
  return skinner;
}

using TSkinnerFactory = TSkinControl* (*)(TComponent* owner, const TSkinDecision& decision);

struct TKindEntry {
  TSkinnerKind Kind;
  TSkinnerFactory Make;
};

// One line per built skinner class. Every kind missing here is still to be built: its
// controls stay native (the discovery's decision is kept, nothing pretends to draw).
const TKindEntry kBuiltKinds[] = {
    {TSkinnerKind::Button, MakeAs<TSkinButton>},
    {TSkinnerKind::BitButton, MakeBitButton},
    {TSkinnerKind::SpeedButton, MakeSpeedButton},
    {TSkinnerKind::MenuButton, MakeAs<TSkinMenuButton>},
    {TSkinnerKind::MediaPlayer, MakeAs<TSkinMP>},
    {TSkinnerKind::Progress, MakeAs<TSkinProgress>},
    {TSkinnerKind::TrackBar, MakeAs<TSkinTrackBar>},
    {TSkinnerKind::CheckBox, MakeAs<TSkinCheckBox>},
    {TSkinnerKind::RadioButton, MakeAs<TSkinRadioButton>},
    {TSkinnerKind::Edit, MakeAs<TSkinEdit>},
    {TSkinnerKind::ComBox, MakeComBox},
    {TSkinnerKind::DateTime, MakeAs<TSkinDateTime>},
    {TSkinnerKind::Tab, MakeAs<TSkinTab>},
    {TSkinnerKind::Tab31, MakeAs<TSkinTab31>},
    {TSkinnerKind::GroupBox, MakeAs<TSkinGroupBox>},
    {TSkinnerKind::Box, MakeAs<TSkinBox>},
    {TSkinnerKind::StatusBar, MakeAs<TSkinStatusBar>},
    {TSkinnerKind::Sizer, MakeAs<TSkinSizer>},
    {TSkinnerKind::TabSheet, MakeAs<TSkinTabSheet>},
    {TSkinnerKind::BoxH, MakeAs<TSkinBoxH>},
    {TSkinnerKind::ObjImage, MakeObjImage},
    {TSkinnerKind::AdvPage, MakeAs<TSkinAdvPage>},
    {TSkinnerKind::TabBtn, MakeAs<TSkinTabBtn>},
    {TSkinnerKind::UpDown, MakeAs<TSkinUpDown>},
    {TSkinnerKind::Scrollbar, MakeAs<TSkinScrollbar>},
    {TSkinnerKind::ListView, MakeAs<TSkinListView>},
};

const TKindEntry* Find(TSkinnerKind kind) {
  for (const TKindEntry& e : kBuiltKinds)
    if (e.Kind == kind && e.Make) return &e;
  return nullptr;
}

}  // namespace

TSkinControl* MakeSkinner(TSkinnerKind kind, TComponent* owner, const TSkinDecision& decision) {
  const TKindEntry* entry = Find(kind);
  if (!entry) return nullptr;
  TSkinControl* skinner = entry->Make(owner, decision);
  skinner->Mode = decision.Mode;
  return skinner;
}

bool SkinnerKindBuilt(TSkinnerKind kind) { return Find(kind) != nullptr; }
