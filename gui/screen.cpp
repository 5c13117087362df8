#include "gui/screen.h"

#include <algorithm>

namespace {
std::unique_ptr<TScreen> g_screen(new TScreen(nullptr));
}  // namespace

TScreen* Screen = g_screen.get();

const TClassInfo& TScreen::StaticClass() {
  static const TClassInfo info(L"TScreen", &TComponent::StaticClass(), nullptr, {});
  return info;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner), menuFont_(std::make_unique<TFont>()) {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    const LOGFONTW& lf = metrics.lfMenuFont;
    menuFont_->SetName(lf.lfFaceName);
    menuFont_->SetHeight(lf.lfHeight);
    menuFont_->SetCharset(lf.lfCharSet);
    TFontStyles style;
    if (lf.lfWeight >= FW_BOLD) style.Include(TFontStyle::fsBold);
    if (lf.lfItalic) style.Include(TFontStyle::fsItalic);
    if (lf.lfUnderline) style.Include(TFontStyle::fsUnderline);
    menuFont_->SetStyle(style);
  }
}

TScreen::~TScreen() {
  if (Screen == this) Screen = nullptr;
}

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  // Shown at once, not at the next mouse move: the window under the cursor picks it again.
  POINT p;
  GetCursorPos(&p);
  HWND under = WindowFromPoint(p);
  if (cursor != crDefault || !under)
    ::SetCursor(CursorHandle(cursor == crDefault ? crArrow : cursor));
  else
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}
