// Bitmap and colour routines shared by the skin builder and the control
// skinners: turning bitmaps, repainting the magenta key, mixing colours,
// gradient fills through a small cache of colour tables, and saturation.
//
// Colours are 32-bit values 0x00BBGGRR; a negative colour names a system
// colour by its low byte (GetSysColor index).
#pragma once

#include <windows.h>

#include <vector>

#include "gui/pictures.h"

// The magenta key colour: pixels of this colour are transparent in skin art.
constexpr COLORREF kSkinKeyColour = 0xFF00FF;

// A negative colour becomes its system colour; others are returned unchanged.
int SkinColourToRGB(int colour);

// Every pixel that is exactly magenta takes the colour's red, green and blue
// (the colour is used as given; no system-colour lookup).
void ReplaceMagenta(TBitmap& bitmap, int colour);
void MirrorBitmap(TBitmap& bitmap);       // left-right
void FlipBitmap(TBitmap& bitmap);         // upside down
void RotateBitmapLeft(TBitmap& bitmap);   // quarter turn counter-clockwise
void RotateBitmapRight(TBitmap& bitmap);  // quarter turn clockwise

// Mixes two colours: weights 0..99 are percent of colour 1, weights from 100
// up are per mille (100 gives 10 % of colour 1, 1000 gives colour 1).
int BlendColors(int colour1, int colour2, int weight);

// Fills the rectangle with a gradient from from-colour to to-colour:
// direction 0 left to right, 1 top to bottom. Only bands inside the clip box
// are painted, each in the colour of its place in the whole rectangle.
void FillGradient(HDC dc, const RECT& rect, int fromColour, int direction, int toColour);

// The gradient cache: 16 slots of colour tables, replaced round robin.
constexpr int kGradientSlots = 16;
// Slot of a cached table (count entries from a to b, both RGB), built when
// missing; -1 for a count below 1.
int GetGradientTable(int count, int fromColour, int toColour);
int FindGradientTable(int count, int fromColour, int toColour);  // -1 when not cached
int BuildGradientTable(int count, int fromColour, int toColour);  // always builds; -1 for a count below 1
const std::vector<int>& GradientTable(int slot);

// 0..255 saturation of a colour's channels; 200 when all three are below 160.
int ColorSaturation(int colour);
