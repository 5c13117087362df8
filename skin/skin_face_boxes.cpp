#include "skin/skin_face_boxes.h"

#include "gui/controls.h"
#include "skin/control_draw.h"
#include "skin/skin_data.h"

const TClassInfo& TSkinSizer::StaticClass() {
  static const TClassInfo info(L"TSkinSizer", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinTabSheet::StaticClass() {
  static const TClassInfo info(L"TSkinTabSheet", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinBoxH::StaticClass() {
  static const TClassInfo info(L"TSkinBoxH", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

// The window from (0, 0) filled with the face colour on the DC of a WM_ERASEBKGND.
void EraseWithFace(const TSkinControl& skinner, TMessage& m, bool wholeWindow) {
  RECT r{};
  if (wholeWindow) {
    GetWindowRect(skinner.Handle, &r);
    OffsetRect(&r, -r.left, -r.top);
  } else {
    GetClientRect(skinner.Handle, &r);
  }
  skinner.FillFace(reinterpret_cast<HDC>(m.WParam), r);
  m.Result = 1;
}

}  // namespace

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) { FillFace(dc, rect); }

bool TSkinTabSheet::PaintsInstead() const { return Mode == 0 && Handle; }

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
  if (!TSkinControl::BeforeMessage(m)) return false;
  if (!PaintsInstead()) return true;
  switch (m.Msg) {
    case WM_PRINT:
      PaintInstead(m);
      return false;
    case WM_ERASEBKGND:
      EraseWithFace(*this, m, false);
      return false;
    default:
      return true;
  }
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& rect) {
  // Another Mode keeps the sheet's own look, also after its own paint.
  if (Mode != 0) return;
  FillFace(dc, rect);
  if (auto* sheet = dynamic_cast<TWinControl*>(Control)) sheet->PaintControls(dc);
}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      if (!Handle) return true;
      EraseWithFace(*this, m, true);
      return false;
    case WM_CTLCOLORSTATIC:
      CallDefault(m);
      if (SkinData && SkinData->Elements.FaceBrush) {
        // The text's own background matches the brush.
        SetBkColor(reinterpret_cast<HDC>(m.WParam), EntryColour(SkinData, kColourButtonFace));
        m.Result = reinterpret_cast<LRESULT>(SkinData->Elements.FaceBrush);
      }
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}
