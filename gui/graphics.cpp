#include "gui/graphics.h"

#include "gui/pictures.h"

namespace {
int ScreenLogPixelsY() {
  static const int dpi = [] {
    HDC dc = GetDC(nullptr);
    int v = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return dpi;
}

TIdentMap MakeColorIdents() {
  return TIdentMap{{{L"clBlack", clBlack}, {L"clMaroon", clMaroon}, {L"clGreen", clGreen},
                    {L"clOlive", clOlive}, {L"clNavy", clNavy}, {L"clPurple", clPurple},
                    {L"clTeal", clTeal}, {L"clGray", clGray}, {L"clSilver", clSilver},
                    {L"clRed", clRed}, {L"clLime", clLime}, {L"clYellow", clYellow},
                    {L"clBlue", clBlue}, {L"clFuchsia", clFuchsia}, {L"clAqua", clAqua},
                    {L"clWhite", clWhite}, {L"clNone", clNone}, {L"clDefault", clDefault},
                    {L"clScrollBar", clScrollBar}, {L"clBackground", SystemColor(COLOR_BACKGROUND)},
                    {L"clActiveCaption", SystemColor(COLOR_ACTIVECAPTION)},
                    {L"clInactiveCaption", SystemColor(COLOR_INACTIVECAPTION)}, {L"clMenu", clMenu},
                    {L"clWindow", clWindow}, {L"clWindowFrame", SystemColor(COLOR_WINDOWFRAME)},
                    {L"clMenuText", clMenuText}, {L"clWindowText", clWindowText},
                    {L"clCaptionText", SystemColor(COLOR_CAPTIONTEXT)},
                    {L"clActiveBorder", SystemColor(COLOR_ACTIVEBORDER)},
                    {L"clInactiveBorder", SystemColor(COLOR_INACTIVEBORDER)},
                    {L"clAppWorkSpace", SystemColor(COLOR_APPWORKSPACE)}, {L"clHighlight", clHighlight},
                    {L"clHighlightText", clHighlightText}, {L"clBtnFace", clBtnFace},
                    {L"clBtnShadow", clBtnShadow}, {L"clGrayText", clGrayText}, {L"clBtnText", clBtnText},
                    {L"clInactiveCaptionText", SystemColor(COLOR_INACTIVECAPTIONTEXT)},
                    {L"clBtnHighlight", clBtnHighlight}, {L"cl3DDkShadow", cl3DDkShadow},
                    {L"cl3DLight", cl3DLight}, {L"clInfoText", clInfoText}, {L"clInfoBk", clInfoBk},
                    {L"clHotLight", SystemColor(COLOR_HOTLIGHT)}}};
}
}  // namespace

const TIdentMap ColorIdents = MakeColorIdents();
const TEnumInfo FontStyleInfo{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};

COLORREF ColorToRGB(TColor color) {
  unsigned v = static_cast<unsigned>(color);
  if ((v & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(v & 0xFF));
  return v & 0x00FFFFFFu;
}

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info(
      L"TFont", &TPersistent::StaticClass(), nullptr,
      {props::Int(L"Charset", &TFont::Charset, &TFont::SetCharset),
       props::Int(L"Color", &TFont::Color, &TFont::SetColor, &ColorIdents),
       props::Int(L"Height", &TFont::Height, &TFont::SetHeight),
       props::Str(L"Name", &TFont::Name, &TFont::SetName),
       props::Int(L"Size", &TFont::Size, &TFont::SetSize),
       props::Set(L"Style", FontStyleInfo, &TFont::Style, &TFont::SetStyle)});
  return info;
}

TFont::TFont() : height_(-MulDiv(8, ScreenLogPixelsY(), 72)) {}

TFont::~TFont() {
  if (handle_) DeleteObject(handle_);
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf = {};
    lf.lfHeight = height_;
    lf.lfWeight = style_.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style_.Contains(TFontStyle::fsItalic);
    lf.lfUnderline = style_.Contains(TFontStyle::fsUnderline);
    lf.lfStrikeOut = style_.Contains(TFontStyle::fsStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_ = CreateFontIndirectW(&lf);
  }
  return handle_;
}

void TFont::Changed() {
  if (handle_) {
    DeleteObject(handle_);
    handle_ = nullptr;
  }
  if (OnChange) OnChange();
}

void TFont::SetName(const std::wstring& name) {
  if (name != name_) {
    name_ = name;
    Changed();
  }
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenLogPixelsY()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenLogPixelsY(), 72)); }

void TFont::SetHeight(int height) {
  if (height != height_) {
    height_ = height;
    Changed();
  }
}

void TFont::SetStyle(TFontStyles style) {
  if (style != style_) {
    style_ = style;
    Changed();
  }
}

void TFont::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    Changed();
  }
}

void TFont::SetCharset(int charset) {
  if (charset != charset_) {
    charset_ = charset;
    Changed();
  }
}

namespace {
// Selects a GDI object for the duration of one drawing call.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selected() { SelectObject(dc_, old_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ obj) : obj_(obj) {}
  ~GdiObject() { DeleteObject(obj_); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  HGDIOBJ get() const { return obj_; }

 private:
  HGDIOBJ obj_;
};
}  // namespace

void TCanvas::FillRect(const TRect& r) {
  if (brush_.Style == TBrushStyle::bsClear) return;
  GdiObject brush(CreateSolidBrush(ColorToRGB(brush_.Color)));
  ::FillRect(dc_, &r, static_cast<HBRUSH>(brush.get()));
}

void TCanvas::FrameRect(const TRect& r) {
  GdiObject brush(CreateSolidBrush(ColorToRGB(brush_.Color)));
  ::FrameRect(dc_, &r, static_cast<HBRUSH>(brush.get()));
}

void TCanvas::Rectangle(const TRect& r) {
  GdiObject pen(CreatePen(PS_SOLID, pen_.Width, ColorToRGB(pen_.Color)));
  GdiObject brush(brush_.Style == TBrushStyle::bsClear ? GetStockObject(NULL_BRUSH)
                                                       : CreateSolidBrush(ColorToRGB(brush_.Color)));
  Selected sp(dc_, pen.get()), sb(dc_, brush.get());
  ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  int style = pen_.Style == TPenStyle::psDash ? PS_DASH : pen_.Style == TPenStyle::psDot ? PS_DOT : PS_SOLID;
  GdiObject pen(CreatePen(style, pen_.Width, ColorToRGB(pen_.Color)));
  Selected sp(dc_, pen.get());
  int oldMode = SetBkMode(dc_, TRANSPARENT);
  ::LineTo(dc_, x, y);
  SetBkMode(dc_, oldMode);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  Selected sf(dc_, font_.Handle());
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  if (brush_.Style == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(brush_.Color));
  }
  ExtTextOutW(dc_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
  Selected sf(dc_, font_.Handle());
  SIZE size = {};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

int TCanvas::DrawText(const std::wstring& text, TRect& r, UINT format) {
  Selected sf(dc_, font_.Handle());
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  SetBkMode(dc_, TRANSPARENT);
  return ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic && !graphic->Empty()) graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (graphic && !graphic->Empty()) graphic->Draw(*this, r);
}

void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && ::Width(r) > 0 && ::Height(r) > 0; ++i) {
    canvas.Pen().Color = topLeft;
    canvas.MoveTo(r.left, r.bottom - 1);
    canvas.LineTo(r.left, r.top);
    canvas.LineTo(r.right - 1, r.top);
    canvas.Pen().Color = bottomRight;
    canvas.MoveTo(r.right - 1, r.top);
    canvas.LineTo(r.right - 1, r.bottom - 1);
    canvas.LineTo(r.left - 1, r.bottom - 1);
    InflateRect(&r, -1, -1);
  }
}

namespace {
// A published field of a plain value class (integer or enumeration).
template <class C, class T>
TPropInfo FieldProp(const wchar_t* name, T C::*field, const TIdentMap* idents = nullptr,
                    const TEnumInfo* info = nullptr) {
  TPropInfo p;
  p.Name = name;
  p.Kind = info ? TTypeKind::Enumeration : TTypeKind::Integer;
  p.Idents = idents;
  p.Enum = info;
  p.GetOrd = [field](TObject* o) { return static_cast<int64_t>(static_cast<C*>(o)->*field); };
  p.SetOrd = [field](TObject* o, int64_t v) { static_cast<C*>(o)->*field = static_cast<T>(v); };
  return p;
}
}  // namespace

const TEnumInfo BrushStyleInfo{{L"bsSolid", L"bsClear"}};

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info(L"TBrush", &TPersistent::StaticClass(), nullptr,
                               {FieldProp(L"Color", &TBrush::Color, &ColorIdents),
                                FieldProp(L"Style", &TBrush::Style, nullptr, &BrushStyleInfo)});
  return info;
}

const TEnumInfo PenStyleInfo{{L"psSolid", L"psDash", L"psDot"}};

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info(L"TPen", &TPersistent::StaticClass(), nullptr,
                               {FieldProp(L"Color", &TPen::Color, &ColorIdents), FieldProp(L"Width", &TPen::Width),
                                FieldProp(L"Style", &TPen::Style, nullptr, &PenStyleInfo)});
  return info;
}
