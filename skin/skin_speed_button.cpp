#include "skin/skin_speed_button.h"

#include "base/strings.h"
#include "gui/controls.h"
#include "gui/memory_dc.h"
#include "skin/control_draw.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

namespace {

bool PropIsTrue(TObject* object, const wchar_t* name) { return LowerCase(GetEnumPropByName(object, name)) == L"true"; }

}  // namespace

const TClassInfo& TSkinSpeedButton::StaticClass() {
  static const TClassInfo info(L"TSkinSpeedButton", &TSkinBitButton::StaticClass(), nullptr, {});
  return info;
}

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

TSkinSpeedButton::~TSkinSpeedButton() { *alive_ = false; }

TControl* TSkinSpeedButton::Button() const { return dynamic_cast<TControl*>(Invalidator); }

void TSkinSpeedButton::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool) {
  AttachSpeedButton(host, skinData, canvas);
}

void TSkinSpeedButton::AttachSpeedButton(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas) {
  if (IsAttached()) return;
  auto* button = dynamic_cast<TControl*>(Owner());
  if (!button) return;
  BindWindowless(button, host, skinData, canvas);
  HookControl(button);
  if (host) host->AddSkinner(this);
  FinishAttach();
  Transparent = TransparentLook(*button);
  button->Invalidate();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      // The framework hands a windowless control its parent's DC, moved to the control.
      if (TControl* button = Button(); button && m.WParam)
        Paint(reinterpret_cast<HDC>(m.WParam), RECT{0, 0, button->Width(), button->Height()});
      m.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The control's own mouse handling first (it captures the mouse and clicks on release).
      std::shared_ptr<bool> alive = alive_;
      CallDefault(m);
      if (!*alive) return false;
      MouseState |= 2;
      RepaintWindow(nullptr);
      return false;
    }
    case WM_LBUTTONUP: {
      std::shared_ptr<bool> alive = alive_;
      CallDefault(m);  // the click: it may free the button and this skinner with it
      if (*alive) AfterMessage(m);
      return false;
    }
    default:
      return TSkinButton::BeforeMessage(m);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
      break;
    case WM_NCDESTROY:
    case CM_RELEASE:
      RemoveHook();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) break;
      MouseState = m.Msg == WM_KEYDOWN ? (MouseState | 2) : (MouseState & ~2);
      RepaintWindow(nullptr);
      break;
    case WM_LBUTTONUP:
      MouseState &= ~2;
      RepaintWindow(nullptr);
      break;
    case CM_MOUSEENTER:
      if (m.LParam != reinterpret_cast<LPARAM>(Invalidator)) break;
      MouseState |= 1;
      RepaintWindow(nullptr);
      break;
    case CM_MOUSELEAVE:
      if (m.LParam != reinterpret_cast<LPARAM>(Invalidator)) break;
      MouseState &= ~3;
      RepaintVisible();
      break;
    case WM_MOUSEMOVE:
      break;  // hot comes from the framework's mouse-enter, not from a window's mouse tracking
    default:
      TSkinButton::AfterMessage(m);
      break;
  }
}

void TSkinSpeedButton::RepaintVisible() {
  if (TControl* button = Button(); button && button->Visible()) RepaintWindow(nullptr);
}

void TSkinSpeedButton::RepaintWindow(HDC dc) {
  TControl* button = Button();
  if (!button) return;
  const RECT client{0, 0, button->Width(), button->Height()};
  if (dc) {
    Paint(dc, client);
    return;
  }
  TWinControl* parent = button->Parent();
  if (!parent || !parent->HandleAllocated() || !button->Visible()) return;
  HWND window = parent->Handle();
  HDC parentDC = GetDC(window);
  if (!parentDC) return;
  const TRect bounds = button->BoundsRect();
  IntersectClipRect(parentDC, bounds.left, bounds.top, bounds.right, bounds.bottom);
  SetViewportOrgEx(parentDC, bounds.left, bounds.top, nullptr);
  Paint(parentDC, client);
  ReleaseDC(window, parentDC);
}

void TSkinSpeedButton::Paint(HDC dc, const RECT& rect) {
  TControl* button = Button();
  const bool picture = !GlyphProperty.empty();
  if (!button || !SkinData || SkinData->Elements.Buttons.Image.Empty()) return;
  if (!picture && LowerCase(GetEnumPropByName(button, L"Visible")) == L"false") return;
  if (Painting) return;
  struct TPaintingFlag {
    bool& flag;
    ~TPaintingFlag() { flag = false; }
  } painting{Painting};
  Painting = true;

  TSpeedFaceState state;
  state.Down = PropIsTrue(button, L"Down");
  state.Enabled = PropIsTrue(button, L"Enabled");
  state.Pressed = MouseState & 2;
  state.MouseOver = MouseState & 1;
  const int face = SpeedButtonFaceFrame(state);
  WindowEnabled = state.Enabled;
  Focused = false;
  WindowText = GetPropAsWide(button, L"Caption");
  auto* font = dynamic_cast<TFont*>(GetObjectPropByName(button, L"Font"));
  auto* glyph = picture ? nullptr : dynamic_cast<TBitmap*>(GetObjectPropByName(button, L"Glyph"));
  TGraphic* graphic = picture ? GraphicProp(button, GlyphProperty) : nullptr;
  const int numGlyphs = StripFrames(static_cast<int>(GetOrdPropByName(button, L"NumGlyphs")));

  RECT r;
  if (!SizeBackBuffer(rect, r)) return;
  TBitmapDC buffer(BackBuffer.Handle());
  HDC bdc = buffer;
  HGDIOBJ oldFont = SelectObject(bdc, font ? font->Handle() : GetStockObject(DEFAULT_GUI_FONT));
  if (SpeedButtonShowsFace(face, PropIsTrue(button, L"Flat")))
    DrawFaceFrame(bdc, r, face);
  else
    DrawButtonBackground(bdc, r);

  SIZE glyphSize{};
  if (graphic && !graphic->Empty())
    glyphSize = {graphic->Width() / numGlyphs, graphic->Height()};
  else if (glyph && !glyph->Empty())
    glyphSize = {glyph->Width() / numGlyphs, glyph->Height()};
  if (glyphSize.cx > 0 && glyphSize.cy > 0) {
    TGlyphLayoutInput in;
    in.Client = {r.right, r.bottom};
    in.Glyph = glyphSize;
    in.Margin = static_cast<int>(GetOrdPropByName(button, L"Margin"));
    in.Spacing = static_cast<int>(GetOrdPropByName(button, L"Spacing"));
    in.Layout = GlyphLayoutOf(LowerCase(GetEnumPropByName(button, L"Layout")));
    in.WiderMargin = true;
    in.Text = MeasureCaption(bdc, CaptionBox(r, glyphSize, in.Layout));
    const TGlyphPlacement place = PlaceGlyphAndText(in);
    const RECT glyphRect{place.Glyph.x, place.Glyph.y, place.Glyph.x + glyphSize.cx, place.Glyph.y + glyphSize.cy};
    if (graphic) {
      TCanvas canvas(bdc);
      graphic->Draw(canvas, RECT{glyphRect.left, glyphRect.top, glyphRect.left + graphic->Width(),
                                 glyphRect.top + graphic->Height()});
    } else {
      DrawGlyphFrame(bdc, glyphRect, numGlyphs, SpeedButtonGlyphFrame(face, state.Down), *glyph);
    }
    SetTextColor(bdc, TextColour(face, false));
    DrawPlacedCaption(bdc, RECT{place.Text.x, place.Text.y, place.Text.x + in.Text.cx, place.Text.y + in.Text.cy},
                      RtlTextFormat(this, DT_WORDBREAK | place.ExtraFormat));
  } else {
    SetTextColor(bdc, TextColour(face, !picture));
    DrawButtonCaption(bdc, r, DT_CENTER);
  }
  BitBlt(dc, rect.left, rect.top, r.right, r.bottom, bdc, 0, 0, SRCCOPY);
  SelectObject(bdc, oldFont);
}
