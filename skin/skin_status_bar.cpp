#include "skin/skin_status_bar.h"

#include <commctrl.h>

#include <string>

#include "gui/memory_dc.h"
#include "gui/status_bar.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/img_util.h"
#include "skin/panel_rules.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

namespace {

// The bar's font without bold, italic, underline or strike-out; the caller deletes it.
HFONT PlainFont(HFONT font) {
  LOGFONTW lf{};
  if (!font || !GetObjectW(font, sizeof(lf), &lf)) GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = FALSE;
  return CreateFontIndirectW(&lf);
}

// A single space stands for an empty text.
std::wstring PanelText(const std::wstring& text) { return text.empty() ? L" " : text; }

RECT TextRect(const RECT& panel) { return RECT{panel.left + 2, panel.top, panel.right - 2, panel.bottom}; }

}  // namespace

const TClassInfo& TSkinStatusBar::StaticClass() {
  static const TClassInfo info(L"TSkinStatusBar", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

bool TSkinStatusBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinStatusBar::DrawPanelFrame(HDC buffer, const RECT& rect, int frame) const {
  const TDataSkinObject* edges = SkinData->Elements.StatusBarEdges.get();
  if (edges && !edges->Image.Empty()) {
    DrawElement(buffer, rect, TElementLook{edges->Image, edges->Margins(), edges->Tile != 0, false},
                TElementFrame{frame, 3});
    return;
  }
  if (frame == kPanelFlat) return;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF topLeft = frame == kPanelLowered ? shadow : light, bottomRight = frame == kPanelLowered ? light : shadow;
  FillSolid(buffer, RECT{rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
  FillSolid(buffer, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
  FillSolid(buffer, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
  FillSolid(buffer, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
  if (!Handle || !SkinData) return;
  const RECT bar{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (bar.right <= 0 || bar.bottom <= 0) return;
  auto* statusBar = dynamic_cast<TStatusBar*>(Control);
  TBitmap& shared = SharedBackBuffer();
  if (shared.Width() < bar.right || shared.Height() < bar.bottom) shared.SetSize(bar.right, bar.bottom);
  {
    TBitmapDC buffer(shared.Handle());
    FillFace(buffer, bar);
    auto* controlFont = dynamic_cast<TFont*>(GetObjectPropByName(Control, L"Font"));
    HFONT font = PlainFont(controlFont ? controlFont->Handle()
                                       : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    const HGDIOBJ oldFont = SelectObject(buffer, font);
    const TDataSkinObject* edges = SkinData->Elements.StatusBarEdges.get();
    SetTextColor(buffer, edges ? static_cast<COLORREF>(SkinColourToRGB(edges->NormalColour2)) : GetSysColor(COLOR_BTNTEXT));
    const int panels = statusBar ? statusBar->Panels()->Count() : 0;
    if (!statusBar || statusBar->SimplePanel() || panels == 0) {
      const bool rightToLeft = GetEnumPropByName(Control, L"BiDiMode") == L"bdRightToLeft";
      DrawPanelFrame(buffer, bar, kPanelLowered);
      DrawSkinText(this, buffer, TextRect(bar), rightToLeft ? DT_RIGHT : DT_LEFT, true,
                   PanelText(GetPropAsWide(Control, L"SimpleText")));
    } else {
      for (int i = 0; i < panels; ++i) {
        TStatusPanel* panel = statusBar->Panels()->Items(i);
        RECT reported{};
        if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&reported))) continue;
        const RECT r = StatusPanelRect(reported, i == panels - 1, bar);
        DrawPanelFrame(buffer, r, StatusPanelFrame(GetEnumPropByName(panel, L"Bevel").c_str()));
        if (panel->Style() == TStatusPanelStyle::psOwnerDraw) continue;
        const UINT alignment = StatusPanelAlignment(GetEnumPropByName(panel, L"Alignment").c_str(),
                                                    panel->BiDiMode() == TBiDiMode::bdRightToLeft);
        DrawSkinText(this, buffer, TextRect(r), alignment, true, PanelText(panel->Text()));
      }
    }
    SelectObject(buffer, oldFont);
    DeleteObject(font);
    const TDataSkinObject* extra = SkinData->Elements.ExtraImages.get();
    if ((GetWindowLongPtrW(Handle, GWL_STYLE) & SBARS_SIZEGRIP) && extra && !extra->Image.Empty()) {
      const SIZE grip{extra->Image.Width() / extra->Frames(), extra->Image.Height()};
      DrawFrameKeyed(buffer, SizeGripRect(bar, grip), extra->Frames(), 5, extra->Image);
    }
  }
  BlitSharedBuffer(dc, bar);
  if (statusBar) {
    statusBar->PaintControls(dc);
    if (statusBar->OnDrawPanel)
      for (int i = 0; i < statusBar->Panels()->Count(); ++i) {
        RECT r{};
        if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
        InflateRect(&r, -2, -2);
        statusBar->DrawPanel(statusBar->Panels()->Items(i), r, dc);
      }
  }
}
