#include "gui/vtree/text_widths.h"

#include <cstring>

bool TTextWidths::Load(HDC dc) {
  LOGFONTW font{};
  HGDIOBJ selected = GetCurrentObject(dc, OBJ_FONT);
  if (!selected || !GetObjectW(selected, sizeof(font), &font)) return false;
  if (valid_ && std::memcmp(&font, &font_, sizeof(font)) == 0) return true;
  TEXTMETRICW metrics{};
  valid_ = GetTextMetricsW(dc, &metrics) && GetCharWidth32W(dc, kFirst, kLast, widths_);
  font_ = font;
  height_ = metrics.tmHeight;
  return valid_;
}

SIZE TTextWidths::Measure(HDC dc, const std::wstring& text) {
  if (!checked_) {
    Load(dc);
    checked_ = true;
  }
  SIZE size = {0, height_};
  if (valid_ && !text.empty()) {  // the empty text's height is the device's to say
    bool plain = true;
    for (wchar_t c : text) {
      if (c < kFirst || c > kLast) {
        plain = false;
        break;
      }
      size.cx += widths_[c - kFirst];
    }
    if (plain) return size;
  }
  size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void DrawFittingText(HDC dc, const std::wstring& text, const RECT& r, TAlignment alignment, SIZE size) {
  const int width = r.right - r.left;
  if (size.cx <= width) {
    int x = alignment == TAlignment::taRightJustify ? r.right - size.cx
            : alignment == TAlignment::taCenter     ? r.left + (width - size.cx) / 2
                                                    : r.left;
    ExtTextOutW(dc, x, r.top + (r.bottom - r.top - size.cy) / 2, ETO_CLIPPED, &r, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    return;
  }
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
  format |= alignment == TAlignment::taRightJustify ? DT_RIGHT : alignment == TAlignment::taCenter ? DT_CENTER : DT_LEFT;
  RECT box = r;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
}
