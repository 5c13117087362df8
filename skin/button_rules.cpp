#include "skin/button_rules.h"

#include <algorithm>

#include "base/strings.h"

int StripFrames(int frames) { return frames < 1 ? 1 : frames; }

int StripFrame(int frame, int frames) { return std::clamp(frame, 1, StripFrames(frames)); }

RECT StripCell(int width, int height, int frames, int frame) {
  frames = StripFrames(frames);
  frame = StripFrame(frame, frames);
  const int w = width / frames;
  return RECT{(frame - 1) * w, 0, frame * w, height};
}

UINT RtlFormat(UINT format, const std::wstring& biDiMode) {
  return _wcsicmp(biDiMode.c_str(), L"bdRightToLeft") == 0 ? format | DT_RTLREADING : format;
}

std::wstring ReplaceFirst(const std::wstring& text, const std::wstring& find, const std::wstring& replacement) {
  if (find.empty()) return text;
  const size_t at = text.find(find);
  if (at == std::wstring::npos) return text;
  return text.substr(0, at) + replacement + text.substr(at + find.size());
}

int ButtonFaceFrame(const TButtonFaceState& s) {
  if (!s.Enabled) return kFaceDisabled;
  if (s.Pressed) return kFacePressed;
  if (s.MouseOver) return kFaceHot;
  if (s.Focused || s.IsDefault) return kFaceFocused;
  return kFaceNormal;
}

int GlyphFrameOfFace(int faceFrame) {
  if (faceFrame == kFacePressed) return 3;
  if (faceFrame == kFaceDisabled) return 2;
  return 1;
}

int ButtonMouseMode(const std::wstring& className) {
  const std::wstring lower = LowerCase(className.substr(0, 3));
  return lower == L"trz" || lower == L"tel" ? 1 : 0;
}

int GlyphLayoutOf(const std::wstring& layoutName) {
  if (layoutName == L"blglyphright") return kGlyphRight;
  if (layoutName == L"blglyphtop") return kGlyphTop;
  if (layoutName == L"blglyphbottom") return kGlyphBottom;
  return kGlyphLeft;
}

TGlyphPlacement PlaceGlyphAndText(const TGlyphLayoutInput& in) {
  const int W = in.Client.cx, H = in.Client.cy, GW = in.Glyph.cx, GH = in.Glyph.cy, TW = in.Text.cx,
            TH = in.Text.cy;
  const bool vertical = in.Layout == kGlyphTop || in.Layout == kGlyphBottom;
  int M = in.Margin, S = in.Spacing;
  TGlyphPlacement p;
  if (vertical) {
    p.Glyph.x = (W - GW + 1) / 2;
    p.Text.x = (W - TW + 1) / 2;
  } else {
    p.Glyph.y = (H - GH + 1) / 2;
    p.Text.y = (H - TH + 1) / 2;
  }
  if (TW == 0 || GW == 0) S = 0;
  if (M == -1 || in.AlignCentre) {
    if (S == -1) {
      M = (vertical ? H - (GH + TH) : W - (GW + TW)) / 3;
      S = M;
    } else {
      M = (vertical ? H - (GH + S + TH) : W - (GW + S + TW)) / 2;
      if (in.WiderMargin) ++M;
    }
  } else if (S == -1) {
    S = vertical ? (H - M - GH - TH) / 2 : (W - M - GW - TW) / 2;
  }
  switch (in.Layout) {
    case kGlyphRight:
      p.Glyph.x = W - M - GW;
      p.Text.x = p.Glyph.x - S - TW;
      p.ExtraFormat = DT_RIGHT;
      break;
    case kGlyphTop:
      p.Glyph.y = M;
      p.Text.y = M + GH + S;
      p.ExtraFormat = DT_CENTER;
      break;
    case kGlyphBottom:
      p.Glyph.y = H - M - GH;
      p.Text.y = p.Glyph.y - S - TH;
      p.ExtraFormat = DT_CENTER;
      break;
    default:
      p.Glyph.x = M;
      p.Text.x = M + GW + S;
      break;
  }
  return p;
}

int MenuButtonFaceFrame(const TButtonFaceState& s) {
  if (!s.Enabled) return kFaceDisabled;
  if (s.Pressed) return kFacePressed;
  if (s.Focused || s.MouseOver) return kFaceHot;
  return kFaceNormal;
}

TMenuButtonPlacement PlaceMenuButton(const TMenuButtonInput& in) {
  constexpr int kArrowRoom = 8;
  const int W = in.Client.cx, H = in.Client.cy, GW = in.Glyph.cx, GH = in.Glyph.cy, TW = in.Text.cx,
            TH = in.Text.cy;
  int M = in.Margin, S = in.Spacing;
  if (M == -1) {
    if (S == -1) {
      M = (W - (GW + TW + kArrowRoom)) / 4;
      S = M;
    } else {
      M = (W - (GW + TW + 2 * S + kArrowRoom)) / 2;
    }
  } else if (S == -1) {
    S = (W + kArrowRoom - 2 * M - GW - TW) / 2;
  }
  TMenuButtonPlacement p;
  p.Glyph = {M, (H - GH) / 2};
  p.Text = {M + GW + S, (H - TH + 1) / 2};
  p.Arrow = {p.Text.x + 2 * S + TW, (H - 3) / 2};
  return p;
}

int SpeedButtonFaceFrame(const TSpeedFaceState& s) {
  if (s.Down) return kFacePressed;
  if (!s.Enabled) return kFaceDisabled;
  if (s.Pressed) return kFacePressed;
  if (s.MouseOver) return kFaceHot;
  return kFaceNormal;
}

int SpeedButtonGlyphFrame(int faceFrame, bool down) { return down ? 4 : GlyphFrameOfFace(faceFrame); }

bool SpeedButtonShowsFace(int faceFrame, bool flat) {
  return faceFrame == kFacePressed || faceFrame == kFaceHot || !flat;
}

int CheckBoxFrame(const TCheckFrameInput& in) {
  int frame = (in.ButtonState & BST_CHECKED) ? 2 : 1;
  if (in.HasControl) {
    if (in.State) {
      const std::wstring state = in.State;
      if (state.find(L"uncheck") != std::wstring::npos)
        frame = 1;
      else if (state.find(L"check") != std::wstring::npos)
        frame = 2;
      else if (state.find(L"gray") != std::wstring::npos)
        frame = 4;
    } else if (in.Checked) {
      frame = std::wstring(in.Checked) == L"true" ? 2 : 1;
    }
    if (in.HasDataField && in.CheckState != 0) frame = in.CheckState == 3 ? 4 : in.CheckState;
    if (in.HasDataBinding) frame = 1;
  }
  // A greyed state already names its disabled-looking frame.
  if (in.Disabled && frame < 3) frame += 2;
  const bool indeterminate = in.ButtonState & BST_INDETERMINATE;
  if (indeterminate) frame = 4;
  if (in.Frames == 12) {
    if (indeterminate) return in.Disabled ? 12 : 9;
    if (frame == 2) frame = 5;
    else if (frame == 3) frame = 4;
    else if (frame == 4) frame = 8;
  }
  return StripFrame(frame, in.Frames);
}

int RadioButtonFrame(bool checked, bool disabled, int frames) {
  int frame = (checked ? 2 : 1) + (disabled ? 2 : 0);
  if (frames == 8) {
    if (frame == 2) frame = 5;
    else if (frame == 3) frame = 4;
    else if (frame == 4) frame = 8;
  }
  return StripFrame(frame, frames);
}

bool DrawsTransparent(int tag, bool skinTransparent) { return tag == kTransparentTag || skinTransparent; }
