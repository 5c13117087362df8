// Drawing and message helpers that the control skinners share: text in a rectangle with the
// skin's disabled colour and right-to-left reading, text beside an image-list image, one frame
// of a skin element or of a glyph strip, the common WM_PAINT and WM_ERASEBKGND handling, a
// centred single line, a small arrow drawn with lines. They keep no state.
//
// Strips hold equal frames side by side, numbered from 1, with magenta as the transparent
// colour. A frame count below 1 counts as 1 and a frame number outside the strip takes its
// nearest end, so a skin with odd counts never draws from outside its image.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "gui/messages.h"
#include "gui/pictures.h"

class TDataSkinObject;
class TSkinControl;
class TSkinData;

// The skin engine's disabled text colour (COLOR_BTNSHADOW).
COLORREF DisabledTextColour();
// A colour-table entry of the skin as a pixel colour (system colours resolved).
COLORREF EntryColour(const TSkinData* skinData, int entry);
// Whether the border painters of edits, combo boxes and pickers draw on this window: its client
// area is smaller than rect (its window rectangle from (0, 0)) both ways.
bool HasBorderToPaint(HWND window, const RECT& rect);
// The sunken border of edits and pickers: rect framed with the shadow colour, then `rings`
// white frames inside it.
void DrawSunkenBorder(HDC dc, const RECT& rect, COLORREF shadow, int rings);
// Where content of that width (an image and a text) starts in a rectangle `width` wide:
// alignment 0 left (at 3), 1 centre, 2 right (2 pixels from the edge); never left of 1.
int AlignedContentStart(int alignment, int width, int imageWidth, int textWidth);

// format with DT_RTLREADING when the skinner's control (or the control it invalidates) reads
// right to left.
UINT RtlTextFormat(const TSkinControl* skinner, UINT format);
// Text in rect with the DC's font: DT_CENTER centres it one pixel above the exact middle; any
// other alignment is vertical centring only, DrawText aligning across the whole width.
void DrawSkinText(const TSkinControl* skinner, HDC dc, const RECT& rect, UINT alignment, bool enabled,
                  const std::wstring& text);
// Image-list image then text (word-wrapped, ellipsis) in rect; alignment 0 left, 1 centre,
// 2 right. An image wider than rect is left out. imageIndex -1 or no list: text only.
void DrawTextWithImage(const TSkinControl* skinner, HDC dc, const RECT& rect, int alignment, const std::wstring& text,
                       int imageIndex, HIMAGELIST imageList);
// Frame frameIndex of frames of the element, rendered with its margins and tiling to rect's
// size; keyed when the element's Trans is 1, else copied.
void DrawElementFrame(HDC dc, const RECT& rect, int frames, int frameIndex, const TDataSkinObject& element);
// Frame frameIndex of a strip of frames stretched into rect, magenta left out.
void DrawFrameKeyed(HDC dc, const RECT& rect, int frames, int frameIndex, const TBitmap& image);
// The top-left part of the shared back buffer copied to rect.
void BlitSharedBuffer(HDC dc, const RECT& rect);

// WM_ERASEBKGND: the parent's background under a framework control, the parent colour for a
// plain window; result 1.
void HandleEraseBackground(TSkinControl* skinner, TMessage& m);

// One line centred exactly in rect; alignment DT_LEFT, DT_CENTER or DT_RIGHT.
void DrawCenteredText(HDC dc, const RECT& rect, const std::wstring& text, UINT alignment, bool enabled);
// A small arrow with the DC's pen at (x, y): direction 0 up, 1 down, 2 left, 3 right.
void DrawArrowGlyph(HDC dc, int x, int y, int direction);
