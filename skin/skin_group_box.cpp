#include "skin/skin_group_box.h"

#include "gui/controls.h"
#include "skin/control_draw.h"
#include "skin/img_util.h"
#include "skin/panel_rules.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

const TClassInfo& TSkinGroupBox::StaticClass() {
  static const TClassInfo info(L"TSkinGroupBox", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinBox::StaticClass() {
  static const TClassInfo info(L"TSkinBox", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

void TSkinGroupBox::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  if (Control) Mode = 1;
}

bool TSkinGroupBox::PaintsInstead() const { return Mode != 0; }

void TSkinGroupBox::PaintFrame(HDC dc, const RECT& rect) {
  if (!Handle || !SkinData) return;
  WindowText = GetWindowTextWide(Handle);
  if (WindowText.empty() && Control) WindowText = GetPropAsWide(Control, L"Caption");
  if (Control) FillFace(dc, rect);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  COLORREF textColour = GetTextColor(dc);
  if (auto* controlFont = dynamic_cast<TFont*>(GetObjectPropByName(Control, L"Font"))) {
    font = controlFont->Handle();
    textColour = ColorToRGB(controlFont->Color());
  }
  const HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  const COLORREF oldText = SetTextColor(dc, textColour);
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  const int y = GroupFrameTop(zero.cy);
  const TSkinElements& skin = SkinData->Elements;
  if (Mode == 0) {
    // The native frame goes under the face colour first.
    RECT native{0, y, rect.right, rect.bottom};
    FrameRect(dc, &native, skin.FaceBrush);
    InflateRect(&native, -1, -1);
    FrameRect(dc, &native, skin.FaceBrush);
  }
  HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(SkinColourToRGB(skin.ColourTable[kColourButtonShadow])));
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, 1, y, rect.right - 1, rect.bottom - 1, 5, 5);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  // The caption on the face colour, opaque, so it interrupts the frame's top line.
  const COLORREF oldBack = SetBkColor(dc, static_cast<COLORREF>(SkinColourToRGB(skin.ColourTable[kColourButtonFace])));
  const int oldMode = SetBkMode(dc, OPAQUE);
  const bool right = GetWindowLongPtrW(Handle, GWL_EXSTYLE) & WS_EX_RIGHT;
  RECT caption = GroupCaptionRect(rect, right);
  DrawTextWide(dc, WindowText, caption, RtlTextFormat(this, right ? DT_RIGHT | DT_EXPANDTABS : DT_EXPANDTABS));
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  SelectObject(dc, oldFont);
  if (Control && Mode == 1)
    if (auto* windowed = dynamic_cast<TWinControl*>(Control)) windowed->PaintControls(dc);
}

TSkinBox::~TSkinBox() {
  if (State() == TControlState::Attached) Detach();
}

void TSkinBox::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (IsAttached()) return;
  TControl* control = BindOwner(host, skinData, canvas, recolour);
  if (!control) return;
  control->FreeNotification(this);
  if (host) host->AddSkinner(this);
  RecolourToFace();
  FinishAttach();
}

void TSkinBox::Detach() {
  if (!StepOut()) return;
  Enabled = false;
  // A control on its way out is not touched: its window and parent may be gone already.
  if (!Control || Control->IsDestroying() || (Control->Owner() && Control->Owner()->IsDestroying())) return;
  RestoreColour();
}
