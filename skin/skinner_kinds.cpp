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

using K = TSkinnerKind;
using P = TPaintPolicy;

}  // namespace

const std::vector<TSkinnerRow>& SkinnerRows() {
  static const std::vector<TSkinnerRow> rows = {
      {K::Button, L"TSkinButton", MakeAs<TSkinButton>, P::Instead},
      {K::BitButton, L"TSkinBitButton", MakeBitButton, P::Instead},
      {K::SpeedButton, L"TSkinSpeedButton", MakeSpeedButton, P::Instead},
      {K::MenuButton, L"TSkinMenuButton", MakeAs<TSkinMenuButton>, P::Instead},
      {K::CheckBox, L"TSkinCheckBox", MakeAs<TSkinCheckBox>, P::Instead},
      {K::RadioButton, L"TSkinRadioButton", MakeAs<TSkinRadioButton>, P::Instead},
      {K::Tab, L"TSkinTab", MakeAs<TSkinTab>, P::Instead},
      {K::Tab31, L"TSkinTab31", MakeAs<TSkinTab31>, P::Over},
      {K::TabBtn, L"TSkinTabBtn", MakeAs<TSkinTabBtn>, P::Instead},
      {K::TabSheet, L"TSkinTabSheet", MakeAs<TSkinTabSheet>, P::Instead},
      {K::UpDown, L"TSkinUpDown", MakeAs<TSkinUpDown>, P::Instead},
      {K::MediaPlayer, L"TSkinMP", MakeAs<TSkinMP>, P::Over},
      {K::Box, L"TSkinBox", MakeAs<TSkinBox>, P::Over},
      {K::BoxH, L"TSkinBoxH", MakeAs<TSkinBoxH>, P::Nothing},
      {K::GroupBox, L"TSkinGroupBox", MakeAs<TSkinGroupBox>, P::Instead},
      {K::ObjImage, L"TSkinObjImage", MakeObjImage, P::Nothing},
      {K::Progress, L"TSkinProgress", MakeAs<TSkinProgress>, P::Instead},
      {K::ComBox, L"TSkinComBox", MakeComBox, P::Over},
      {K::Edit, L"TSkinEdit", MakeAs<TSkinEdit>, P::Over},
      {K::DateTime, L"TSkinDateTime", MakeAs<TSkinDateTime>, P::Over},
      {K::TrackBar, L"TSkinTrackBar", MakeAs<TSkinTrackBar>, P::Over},
      {K::Scrollbar, L"TSkinScrollbar", MakeAs<TSkinScrollbar>, P::Over},
      {K::ListView, L"TSkinListView", MakeAs<TSkinListView>, P::Nothing},
      {K::Sizer, L"TSkinSizer", MakeAs<TSkinSizer>, P::Over},
      {K::AdvPage, L"TSkinAdvPage", MakeAs<TSkinAdvPage>, P::Nothing},
      // No rule decides it: an application's OnSkinControl hands it out.
      {K::StatusBar, L"TSkinStatusBar", MakeAs<TSkinStatusBar>, P::Instead},
  };
  return rows;
}

const TSkinnerRow* FindSkinnerRow(TSkinnerKind kind) {
  for (const TSkinnerRow& row : SkinnerRows())
    if (row.Kind == kind) return &row;
  return nullptr;
}

const TSkinnerRow* FindSkinnerRowByName(const std::wstring& className) {
  for (const TSkinnerRow& row : SkinnerRows())
    if (className == row.Name) return &row;
  return nullptr;
}

const wchar_t* SkinnerKindName(TSkinnerKind kind) {
  const TSkinnerRow* row = FindSkinnerRow(kind);
  return row ? row->Name : L"(none)";
}

TSkinControl* MakeSkinner(TSkinnerKind kind, TComponent* owner, const TSkinDecision& decision) {
  const TSkinnerRow* row = FindSkinnerRow(kind);
  if (!row) return nullptr;
  TSkinControl* skinner = row->Make(owner, decision);
  skinner->Mode = static_cast<int>(decision.Mode);
  return skinner;
}
