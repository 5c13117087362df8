// Colours, fonts, pens, brushes and the canvas that draws with them on a device context.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "gui/classes.h"

using TColor = int;  // 0x00BBGGRR, or 0xFF0000nn for system colour nn

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR), clWindow = SystemColor(COLOR_WINDOW),
                 clWindowText = SystemColor(COLOR_WINDOWTEXT), clBtnFace = SystemColor(COLOR_BTNFACE),
                 clBtnShadow = SystemColor(COLOR_BTNSHADOW), clBtnText = SystemColor(COLOR_BTNTEXT),
                 clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT), clHighlight = SystemColor(COLOR_HIGHLIGHT),
                 clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT), clGrayText = SystemColor(COLOR_GRAYTEXT),
                 clInfoBk = SystemColor(COLOR_INFOBK), clInfoText = SystemColor(COLOR_INFOTEXT),
                 clMenu = SystemColor(COLOR_MENU), clMenuText = SystemColor(COLOR_MENUTEXT),
                 cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW), cl3DLight = SystemColor(COLOR_3DLIGHT);

// The RGB value of a colour; system colours are looked up.
COLORREF ColorToRGB(TColor color);
// Colour names for property values ("clWhite", "clBtnFace").
extern const TIdentMap ColorIdents;

using TRect = RECT;
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return TRect{left, top, left + width, top + height}; }
inline int Width(const TRect& r) { return r.right - r.left; }
inline int Height(const TRect& r) { return r.bottom - r.top; }

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
extern const TEnumInfo FontStyleInfo;

// A font description with a cached GDI handle; OnChange fires after every change.
class TFont : public TPersistent {
  QS_CLASS(TFont)

 public:
  TFont();
  ~TFont() override;

  void Assign(const TFont& source);
  HFONT Handle() const;

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& name);
  int Size() const;
  void SetSize(int points);
  int Height() const { return height_; }  // negative: character height in pixels
  void SetHeight(int height);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  std::function<void()> OnChange;

 private:
  void Changed();

  std::wstring name_ = L"Tahoma";
  int height_;
  TFontStyles style_;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  mutable HFONT handle_ = nullptr;
};

enum class TBrushStyle { bsSolid, bsClear };

// Brushes and pens are plain values the canvas draws with; their fields are published so that
// form files can set them (Brush.Color = clLime).
class TBrush : public TPersistent {
  QS_CLASS(TBrush)

 public:
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

extern const TEnumInfo BrushStyleInfo;

// Solid, dashed or dotted lines; the gaps of a broken line are left as they were.
enum class TPenStyle { psSolid, psDash, psDot };
extern const TEnumInfo PenStyleInfo;

class TPen : public TPersistent {
  QS_CLASS(TPen)

 public:
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = TPenStyle::psSolid;
};

class TGraphic;
class TCanvas;

// Draws a frame of `width` pixels (top and left in one colour, bottom and right in the
// other) and shrinks r to what is inside it.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

// Draws on a device context it is bound to (it does not own the context).
class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(HDC dc) : dc_(dc) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc) { dc_ = dc; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }
  TFont& Font() { return font_; }

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(const TRect& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::wstring& text);
  SIZE TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
  // DrawTextW with the canvas font and colour, background left as it is. Returns the height.
  int DrawText(const std::wstring& text, TRect& r, UINT format);
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& r, TGraphic* graphic);

 private:
  HDC dc_ = nullptr;
  TBrush brush_;
  TPen pen_;
  TFont font_;
};
