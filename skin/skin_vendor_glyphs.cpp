#include "skin/skin_vendor_glyphs.h"

#include <commctrl.h>

#include "gui/controls.h"
#include "gui/memory_dc.h"
#include "skin/draw_primitives.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_up_down.h"
#include "skin/small_skinner_rules.h"

const TClassInfo& TSkinObjImage::StaticClass() {
  static const TClassInfo info(L"TSkinObjImage", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinAdvPage::StaticClass() {
  static const TClassInfo info(L"TSkinAdvPage", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

// The control's published bitmap of that name, or null.
TBitmap* BitmapProp(TObject* object, const wchar_t* name) {
  return dynamic_cast<TBitmap*>(GetObjectPropByName(object, name));
}

// Cells of one frame's width, each a copy of the skin frame the table gives; empty cells stay
// the transparent colour.
TBitmap GlyphStrip(const TBitmap& image, int frames, const std::vector<int>& cells) {
  const int w = image.Width() / (frames < 1 ? 1 : frames), h = image.Height();
  TBitmap strip(w * static_cast<int>(cells.size()), h);
  if (strip.Empty()) return strip;
  strip.Fill(kSkinKeyColour);
  TBitmapDC from(image.Handle()), to(strip.Handle());
  for (size_t c = 0; c < cells.size(); ++c)
    if (cells[c] >= 0 && cells[c] < frames)
      BitBlt(to, static_cast<int>(c) * w, 0, w, h, from, cells[c] * w, 0, SRCCOPY);
  return strip;
}

}  // namespace

void TSkinObjImage::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (IsAttached() || !BindOwner(host, skinData, canvas, recolour)) return;
  if (host) host->AddSkinner(this);
  ApplyGlyphs();
  FinishAttach();
}

void TSkinObjImage::SkinChanged() { ApplyGlyphs(); }

void TSkinObjImage::ApplyGlyphs() {
  if (!Control || !SkinData) return;
  const TDataSkinButton& buttons = SkinData->Elements.Buttons;
  const bool radio = GlyphKind == kObjImageRadio;
  const TBitmap& image = radio ? buttons.RadioImage : buttons.CheckImage;
  if (image.Empty()) return;
  const int frames = radio ? buttons.RadioFrames : buttons.CheckFrames;
  const TBitmap strip = GlyphStrip(image, frames, ObjImageCells(GlyphKind, buttons.CheckFrames));
  if (GlyphKind == kObjImagePropertiesCheck) {
    if (TBitmap* glyph = BitmapProp(GetObjectPropByName(Control, L"Properties"), L"Glyph")) {
      glyph->Assign(strip);
      glyph->SetTransparentColor(kSkinKeyColour);
      glyph->SetTransparent(false);
    }
    return;
  }
  if (TBitmap* glyphs = BitmapProp(Control, L"CustomGlyphs")) glyphs->Assign(strip);
  SetPropByName(Control, L"transparentcolor", std::to_wstring(kSkinKeyColour));
  // Off and on again: the control loads the new strip.
  SetPropByName(Control, L"UseCustomGlyphs", L"false");
  SetPropByName(Control, L"UseCustomGlyphs", L"true");
}

void TSkinObjImage::Detach() {
  if (!Control) return;
  if (GlyphKind == kObjImagePropertiesCheck) {
    if (TBitmap* glyph = BitmapProp(GetObjectPropByName(Control, L"Properties"), L"Glyph")) glyph->Clear();
    return;
  }
  SetPropByName(Control, L"UseCustomGlyphs", L"false");
}

void TSkinAdvPage::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (IsAttached()) return;
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  ApplyTabBackgrounds();
}

void TSkinAdvPage::SkinChanged() { ApplyTabBackgrounds(); }

void TSkinAdvPage::ApplyTabBackgrounds() {
  const TDataSkinBorder* tabs = SkinData ? SkinData->Elements.Tabs.get() : nullptr;
  if (PageKind != 4 || !tabs || !Control) return;
  const RECT size{0, 0, 100, 21};
  const wchar_t* names[] = {L"TabBackGround", L"TabBackGroundActive"};
  for (int frame = 1; frame <= 2; ++frame)
    if (TBitmap* target = BitmapProp(Control, names[frame - 1]))
      target->Assign(RenderElement(size, tabs->Image, tabs->Margins(), false, tabs->Tile != 0, tabs->Frames(), frame));
}

void TSkinAdvPage::Detach() {
  if (!Control) return;
  for (const wchar_t* name : {L"TabBackGround", L"TabBackGroundActive"})
    if (TBitmap* target = BitmapProp(Control, name)) target->Clear();
}

void TSkinAdvPage::DrawSkin(HDC, const RECT&) {
  if (UpDown || !Handle) return;
  HWND arrows = FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr);
  if (!arrows) return;
  UpDown = new TSkinUpDown(Owner());
  UpDown->AttachWindow(arrows, SkinData, Canvas, Host());
}
