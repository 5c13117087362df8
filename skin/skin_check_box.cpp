#include "skin/skin_check_box.h"

#include "base/strings.h"
#include "gui/controls.h"
#include "gui/messages.h"
#include "gui/properties.h"
#include "skin/button_rules.h"
#include "skin/control_draw.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

namespace {

constexpr UINT kCheckRepaintMessage = 0xB0D0;

}  // namespace

COLORREF TSkinCheckControl::FontColour() const {
  auto* font = dynamic_cast<TFont*>(GetObjectPropByName(Control, L"Font"));
  return font ? ColorToRGB(font->Color()) : GetSysColor(COLOR_BTNTEXT);
}

const TClassInfo& TSkinCheckControl::StaticClass() {
  static const TClassInfo info(L"TSkinCheckControl", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}
const TClassInfo& TSkinCheckBox::StaticClass() {
  static const TClassInfo info(L"TSkinCheckBox", &TSkinCheckControl::StaticClass(), nullptr, {});
  return info;
}
const TClassInfo& TSkinRadioButton::StaticClass() {
  static const TClassInfo info(L"TSkinRadioButton", &TSkinCheckControl::StaticClass(), nullptr, {});
  return info;
}

void TSkinCheckControl::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  Mode = 0;
  if (!Control) return;
  if (SkinData && !GlyphImage().Empty()) Mode = 1;
  Transparent = TransparentLook(*Control);
}

bool TSkinCheckControl::PaintsInstead() const { return Mode == 1; }

bool TSkinCheckControl::BeforeMessage(TMessage& m) {
  if (!TSkinControl::BeforeMessage(m)) return false;
  switch (m.Msg) {
    case WM_PRINTCLIENT:
      if (!PaintsInstead()) return true;
      PaintInstead(m);
      return false;
    case WM_ERASEBKGND:
      if (!Transparent) return true;
      HandleEraseBackground(this, m);
      return false;
    default:
      return true;
  }
}

void TSkinCheckControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kCheckRepaintMessage:
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinCheckControl::DrawGlyphAndCaption(HDC dc, const RECT& rect) {
  if (!SkinData || GlyphImage().Empty() || !Handle) {
    Mode = 0;
    return;
  }
  const TBitmap& image = GlyphImage();
  const int frames = StripFrames(GlyphFrames());
  const int glyphWidth = image.Width() / frames, glyphHeight = image.Height();
  const int frame = GlyphFrame();
  const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
  const bool rightToLeft = Control && LowerCase(GetEnumPropByName(Control, L"BiDiMode")) == L"bdrighttoleft";
  RECT glyph = rect, text = rect;
  glyph.top = rect.top + (rect.bottom - rect.top - glyphHeight) / 2;
  glyph.bottom = glyph.top + glyphHeight;
  UINT format = DT_EXPANDTABS | DT_WORDBREAK;
  if (rightToLeft) format |= DT_RTLREADING;
  if (style & BS_LEFTTEXT) {
    glyph.right = rect.right - LeftTextInset();
    glyph.left = glyph.right - glyphWidth;
    text.right = glyph.left - 2;
    if (rightToLeft) format |= DT_RIGHT;
  } else {
    glyph.right = rect.left + glyphWidth;
    text.left = glyph.right + 2;
  }
  if (Mode == 1 && !Transparent) FillFace(dc, rect);
  DrawFrameKeyed(dc, glyph, frames, frame, image);
  if (Mode == 0) return;

  WindowText = Control ? GetPropAsWide(Control, L"Caption") : GetWindowTextWide(Handle);
  HGDIOBJ oldFont = SelectObject(dc, Facts.Font());
  const bool enabled = Control ? Control->Enabled() : !(style & WS_DISABLED);
  const COLORREF oldText = SetTextColor(dc, enabled ? FontColour() : DisabledTextColour());
  const COLORREF oldBack =
      SetBkColor(dc, static_cast<COLORREF>(SkinColourToRGB(SkinData->Elements.ColourTable[kColourButtonFace])));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT measured = text;
  DrawTextWide(dc, WindowText, measured, format | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&text, 0, ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2);
  DrawTextWide(dc, WindowText, text, format);
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  SelectObject(dc, oldFont);
}

void TSkinCheckBox::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  CheckState = 0;
  TSkinCheckControl::AttachControl(host, skinData, canvas, recolour);
}

void TSkinCheckBox::AfterMessage(TMessage& m) {
  if (m.Msg == BM_SETCHECK) CheckState = static_cast<int>(m.WParam) + 1;
  TSkinCheckControl::AfterMessage(m);
}

const TBitmap& TSkinCheckBox::GlyphImage() const { return SkinData->Elements.Buttons.CheckImage; }
int TSkinCheckBox::GlyphFrames() const { return SkinData->Elements.Buttons.CheckFrames; }

int TSkinCheckBox::GlyphFrame() {
  TCheckFrameInput in;
  in.ButtonState = static_cast<UINT>(SendMessageW(Handle, BM_GETSTATE, 0, 0));
  in.HasControl = Control != nullptr;
  std::wstring state, checked;
  if (Control && IsPublishedProp(Control, L"State")) {
    state = LowerCase(GetEnumPropByName(Control, L"State"));
    in.State = state.c_str();
  } else if (Control && IsPublishedProp(Control, L"Checked")) {
    checked = LowerCase(GetEnumPropByName(Control, L"Checked"));
    in.Checked = checked.c_str();
  }
  in.HasDataField = Control && IsPublishedProp(Control, L"DataField");
  in.CheckState = CheckState;
  in.HasDataBinding = Control && IsPublishedProp(Control, L"DataBinding");
  in.Disabled = GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED;
  in.Frames = StripFrames(GlyphFrames());
  return CheckBoxFrame(in);
}

const TBitmap& TSkinRadioButton::GlyphImage() const { return SkinData->Elements.Buttons.RadioImage; }
int TSkinRadioButton::GlyphFrames() const { return SkinData->Elements.Buttons.RadioFrames; }

int TSkinRadioButton::GlyphFrame() {
  bool checked = SendMessageW(Handle, BM_GETCHECK, 0, 0) & BST_CHECKED;
  if (Control && IsPublishedProp(Control, L"Checked"))
    checked = LowerCase(GetEnumPropByName(Control, L"Checked")) == L"true";
  return RadioButtonFrame(checked, GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED, StripFrames(GlyphFrames()));
}
