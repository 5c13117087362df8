#include "skin/skin_button.h"

#include <algorithm>

#include "base/strings.h"
#include "gui/controls.h"
#include "gui/image_list.h"
#include "gui/memory_dc.h"
#include "gui/messages.h"
#include "skin/button_rules.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/grayed_glyph.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

namespace {

COLORREF SkinColour(int32_t colour) { return static_cast<COLORREF>(SkinColourToRGB(colour)); }

TFont* FontOf(TControl* control) { return dynamic_cast<TFont*>(GetObjectPropByName(control, L"Font")); }

}  // namespace

const TClassInfo& TSkinButton::StaticClass() {
  static const TClassInfo info(L"TSkinButton", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinBitButton::StaticClass() {
  static const TClassInfo info(L"TSkinBitButton", &TSkinButton::StaticClass(), nullptr, {});
  return info;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

void TSkinButton::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  if (!Control) return;
  Mode = ButtonMouseMode(Control->ClassName());
  Transparent = TransparentLook(*Control);
}

bool TSkinButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_TIMER:
      KillTimer(Handle, 1);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The native button never sees the press: it would capture the mouse and click on its own.
      if (GetFocus() != Handle) SetFocus(Handle);
      MouseState |= 2;
      RepaintWindow(nullptr);
      if (Mode == 0 && Control) ForwardMouseDown(m);
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      RepaintWindow(nullptr);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) break;
      MouseState = m.Msg == WM_KEYDOWN ? (MouseState | 2) : (MouseState & ~2);
      Repaint();
      break;
    case WM_MOUSEMOVE:
      if (WindowEnabled && !(MouseState & 1)) {
        MouseState |= 1;
        Repaint();
      }
      TrackMouseLeave(Handle);
      break;
    case WM_LBUTTONUP:
      if (!(MouseState & 2)) break;
      MouseState &= ~2;
      Repaint();
      Clicked();  // last: the click may free the control and this skinner with it
      break;
    case WM_MOUSELEAVE:
      MouseState &= ~3;
      Repaint();
      break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
      Repaint();  // the default button may have changed
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinButton::Clicked() {
  if (Control) {
    Control->Click();
    return;
  }
  HWND parent = GetParent(Handle);
  if (LowerCase(GetWindowClassName(Handle)) == L"tbutton")
    PostMessageW(parent, WM_COMMAND, 0, reinterpret_cast<LPARAM>(Handle));
  else
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle), BN_CLICKED), reinterpret_cast<LPARAM>(Handle));
}

int TSkinButton::DrawFace(HDC buffer, const RECT& rect, bool defaultCounts) {
  Focused = GetFocus() == Handle;
  WindowEnabled = !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED);
  TButtonFaceState state;
  state.Enabled = WindowEnabled;
  state.Pressed = MouseState & 2;
  state.MouseOver = MouseState & 1;
  state.Focused = Focused;
  state.IsDefault = defaultCounts && LowerCase(GetEnumPropByName(Control, L"Default")) == L"true";
  WindowText = Facts.Caption();
  const int frame = FaceFrame(state);
  DrawFaceFrame(buffer, rect, frame);
  return frame;
}

int TSkinButton::FaceFrame(const TButtonFaceState& state) const { return ButtonFaceFrame(state); }

void TSkinButton::DrawFaceFrame(HDC buffer, const RECT& rect, int frame) {
  DrawButtonBackground(buffer, rect);
  const TDataSkinButton& buttons = SkinData->Elements.Buttons;
  DrawElementFrame(buffer, rect, buttons.Frames(), frame, buttons);
}

void TSkinButton::DrawButtonBackground(HDC buffer, const RECT& rect) {
  if (Transparent && Handle) {
    DrawParentBackground(Handle, buffer);
  } else if (auto* control = dynamic_cast<TControl*>(Invalidator); Transparent && control && control->Parent()) {
    // A windowless button: the parent's background under its bounds.
    DrawParentBackground(control->Parent()->Handle(), control->BoundsRect(), buffer);
  } else {
    FillFace(buffer, rect);
  }
}

COLORREF TSkinButton::TextColour(int frame, bool normalInEveryFrame) const {
  const TDataSkinButton& b = SkinData->Elements.Buttons;
  COLORREF colour = SkinColour(SkinData->Elements.ColourTable[kColourButtonText]);
  if (TFont* font = FontOf(Control ? Control : dynamic_cast<TControl*>(Invalidator))) colour = ColorToRGB(font->Color());
  if (b.NormalColour2Given && (normalInEveryFrame || frame == kFaceNormal)) colour = SkinColour(b.NormalColour2);
  if (frame == kFaceHot && b.MouseOverColour2Given) colour = SkinColour(b.MouseOverColour2);
  if (frame == kFacePressed && b.PressedColour2Given) colour = SkinColour(b.PressedColour2);
  if (!WindowEnabled) colour = DisabledTextColour();
  return colour;
}

bool TSkinButton::SizeBackBuffer(const RECT& rect, RECT& client) {
  if (!SkinData || SkinData->Elements.Buttons.Image.Empty()) return false;
  client = RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (client.right < 1 || client.bottom < 1) return false;
  if (BackBuffer.Width() != client.right || BackBuffer.Height() != client.bottom)
    BackBuffer.SetSize(client.right, client.bottom);
  return !BackBuffer.Empty();
}

SIZE TSkinButton::MeasureCaption(HDC dc, RECT box) const {
  if (WindowText.empty()) return SIZE{};
  InflateRect(&box, -2, -2);
  DrawTextWide(dc, WindowText, box, DT_CALCRECT | DT_WORDBREAK);
  return SIZE{box.right - box.left, box.bottom - box.top};
}

void TSkinButton::DrawPlacedCaption(HDC dc, RECT textRect, UINT format) const {
  SetBkMode(dc, TRANSPARENT);
  if (!WindowText.empty()) DrawTextWide(dc, WindowText, textRect, format);
  SetBkMode(dc, OPAQUE);
  if (Focused && !SkinData->Options().Contains(TSkinOption::xoNoFocusRect)) {
    InflateRect(&textRect, 2, 2);
    DrawFocusRect(dc, &textRect);
  }
}

void TSkinButton::Present(HDC dc, HDC buffer, const RECT& rect) const {
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, buffer, 0, 0, SRCCOPY);
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
  RECT r;
  if (!Handle || !SizeBackBuffer(rect, r)) return;
  TBitmapDC buffer(BackBuffer.Handle());
  const int frame = DrawFace(buffer, r, true);
  HGDIOBJ oldFont = SelectObject(buffer, Facts.Font());
  SetTextColor(buffer, TextColour(frame, true));
  DrawButtonCaption(buffer, r, DT_CENTER);
  Present(dc, buffer, rect);
  SelectObject(buffer, oldFont);
}

void TSkinButton::DrawButtonCaption(HDC dc, const RECT& rect, UINT alignment) {
  WindowText = ReplaceFirst(WindowText, L"||", L"\r\n");
  RECT textRect = rect;
  InflateRect(&textRect, -2, -2);
  SetBkMode(dc, TRANSPARENT);
  DrawTextWide(dc, WindowText, textRect, alignment | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  OffsetRect(&textRect, -textRect.left, -textRect.top);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int textWidth = textRect.right, textHeight = textRect.bottom;
  if (alignment == DT_CENTER) {
    OffsetRect(&textRect, (width - textWidth) / 2, (height - textHeight) / 2 - 1);
  } else {
    OffsetRect(&textRect, 0, (height - textHeight) / 2 - 1);
    textRect.left = rect.left;
    textRect.right = rect.right;
  }
  DrawTextWide(dc, WindowText, textRect, RtlTextFormat(this, alignment | DT_EXPANDTABS | DT_WORDBREAK));
  SetBkMode(dc, OPAQUE);
  if (Focused && !SkinData->Options().Contains(TSkinOption::xoNoFocusRect)) {
    InflateRect(&textRect, 2, 2);
    DrawFocusRect(dc, &textRect);
  }
}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
  if (Invalidator && LowerCase(GetEnumPropByName(Invalidator, L"Visible")) == L"false") return;
  RECT r;
  if (!Handle || !SizeBackBuffer(rect, r)) return;
  TBitmapDC buffer(BackBuffer.Handle());
  HDC bdc = buffer;
  HGDIOBJ oldFont = SelectObject(bdc, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
  const bool picture = !GlyphProperty.empty();
  const int frame = DrawFace(bdc, r, !picture);
  if (TFont* font = FontOf(Control)) SelectObject(bdc, font->Handle());

  // The glyph: a strip, an image-list image, or a whole picture.
  auto* glyph = picture ? nullptr : dynamic_cast<TBitmap*>(GetObjectPropByName(Control, L"Glyph"));
  TGraphic* graphic = picture ? GraphicProp(Control, GlyphProperty) : nullptr;
  auto* images = picture ? nullptr : dynamic_cast<TCustomImageList*>(GetObjectPropByName(Control, L"Images"));
  const int numGlyphs = StripFrames(static_cast<int>(GetOrdPropByName(Control, L"NumGlyphs")));
  const int imageIndex = static_cast<int>(GetOrdPropByName(Control, L"ImageIndex"));
  const int disabledIndex = static_cast<int>(GetOrdPropByName(Control, L"DisabledIndex"));
  SIZE glyphSize{};
  if (graphic && !graphic->Empty())
    glyphSize = {graphic->Width(), graphic->Height()};
  else if (glyph && !glyph->Empty())
    glyphSize = {glyph->Width() / numGlyphs, glyph->Height()};
  else if (images && imageIndex != -1)
    glyphSize = {images->Width(), images->Height()};

  TGlyphLayoutInput in;
  in.Client = {r.right, r.bottom};
  in.Glyph = glyphSize;
  in.Margin = static_cast<int>(GetOrdPropByName(Control, L"Margin"));
  in.Spacing = static_cast<int>(GetOrdPropByName(Control, L"Spacing"));
  in.Layout = GlyphLayoutOf(LowerCase(GetEnumPropByName(Control, L"Layout")));
  in.AlignCentre = LowerCase(GetEnumPropByName(Control, L"Alignment")) == L"tacenter";
  WindowText = ReplaceFirst(WindowText, L"||", L"\r\n");
  in.Text = MeasureCaption(bdc, CaptionBox(r, glyphSize, in.Layout));
  const TGlyphPlacement place = PlaceGlyphAndText(in);
  const RECT glyphRect{place.Glyph.x, place.Glyph.y, place.Glyph.x + glyphSize.cx, place.Glyph.y + glyphSize.cy};
  if (graphic && !graphic->Empty()) {
    TCanvas canvas(bdc);
    graphic->Draw(canvas, glyphRect);
  } else if (glyph && !glyph->Empty()) {
    DrawGlyphFrame(bdc, glyphRect, numGlyphs, GlyphFrameOfFace(frame), *glyph);
  } else if (images) {
    TCanvas canvas(bdc);
    if (WindowEnabled) {
      if (imageIndex != -1) images->Draw(canvas, place.Glyph.x, place.Glyph.y, imageIndex, true);
    } else if (disabledIndex != -1 || imageIndex != -1) {
      images->Draw(canvas, place.Glyph.x, place.Glyph.y, disabledIndex != -1 ? disabledIndex : imageIndex, false);
    }
  }

  SetTextColor(bdc, TextColour(frame, !picture));
  const UINT format = DT_WORDBREAK | place.ExtraFormat;
  DrawPlacedCaption(bdc, RECT{place.Text.x, place.Text.y, place.Text.x + in.Text.cx, place.Text.y + in.Text.cy},
                    picture ? format : RtlTextFormat(this, format));
  Present(dc, bdc, rect);
  SelectObject(bdc, oldFont);
}

RECT TSkinBitButton::CaptionBox(const RECT& client, SIZE glyph, int layout) {
  RECT box = client;
  // MeasureCaption takes 2 off every side; the glyph's room and its gap come off here.
  if (layout == kGlyphLeft || layout == kGlyphRight)
    box.right -= glyph.cx + 2;
  else
    box.bottom -= glyph.cy + 2;
  return box;
}

TGraphic* TSkinBitButton::GraphicProp(TObject* object, const std::wstring& name) {
  TObject* held = GetObjectPropByName(object, name);
  if (auto* picture = dynamic_cast<TPicture*>(held)) return picture->Graphic();
  return dynamic_cast<TGraphic*>(held);
}

void TSkinBitButton::DrawGlyphFrame(HDC dc, const RECT& rect, int numGlyphs, int glyphFrame, const TBitmap& glyph) {
  if (glyph.Empty()) return;
  numGlyphs = StripFrames(numGlyphs);
  const int width = glyph.Width() / numGlyphs, height = glyph.Height();
  TBitmap frame;
  if (glyphFrame == 2 && numGlyphs == 1) {
    // No disabled frame: the embossed copy of the whole glyph. Its transparent pixels become
    // white first, the colour the embossing leaves as face, so they stay transparent after it.
    TBitmap source;
    source.Assign(glyph);
    const COLORREF key = glyph.Pixel(0, height - 1);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (source.Pixel(x, y) == key) source.SetPixel(x, y, RGB(255, 255, 255));
    frame = CreateGrayedGlyph(source);
  } else {
    if (glyphFrame < 1 || glyphFrame > numGlyphs) glyphFrame = 1;
    frame.SetSize(width, height);
    if (frame.Empty()) return;
    const RECT cell = StripCell(glyph.Width(), height, numGlyphs, glyphFrame);
    TBitmapDC source(glyph.Handle()), target(frame.Handle());
    BitBlt(target, 0, 0, width, height, source, cell.left, 0, SRCCOPY);
  }
  if (frame.Empty()) return;
  DrawKeyed(dc, RECT{rect.left, rect.top, rect.left + width, rect.top + height}, frame, frame.Pixel(0, height - 1));
}
