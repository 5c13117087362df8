#include "skin/skin_tab.h"

#include <commctrl.h>

#include "base/strings.h"
#include "gui/controls.h"
#include "gui/memory_dc.h"
#include "gui/pages.h"
#include "gui/properties.h"
#include "skin/button_rules.h"
#include "skin/control_discovery.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"
#include "skin/skin_messages.h"
#include "skin/skin_up_down.h"
#include "skin/tab_rules.h"

namespace {

COLORREF TabTextColour(const TDataSkinObject& tabs, int frame) {
  return static_cast<COLORREF>(SkinColourToRGB(frame == kTabSelected ? tabs.MouseOverColour2 : tabs.NormalColour2));
}

// Frame `frame` of the "Tabs" look drawn from `image` (a turned or flipped copy of its image).
void DrawTabFrame(HDC dc, const RECT& rect, const TDataSkinObject& tabs, const TBitmap& image, int frame) {
  const int frames = StripFrames(tabs.Frame);
  DrawElement(dc, rect, TElementLook{image, tabs.Margins(), tabs.Tile != 0, tabs.Trans != 0},
              TElementFrame{StripFrame(frame, frames), frames, false});
}

}  // namespace

const TClassInfo& TSkinTab::StaticClass() {
  static const TClassInfo info(L"TSkinTab", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TSkinTab31::StaticClass() {
  static const TClassInfo info(L"TSkinTab31", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

void TSkinTab::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (IsAttached()) return;
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  if (!Handle) return;
  WindowEnabled = !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED);
  AttachCommon();
  Closable = ClosableNow();
  FitCloseGlyphs();
}

void TSkinTab::FitCloseGlyphs() {
  // A page control's window may be made again: its new tabs are widened too. The font set
  // again makes the control lay its tabs out with the new padding.
  if (!Closable || !Handle || paddedWindow_ == Handle) return;
  paddedWindow_ = Handle;
  SendMessageW(Handle, TCM_SETPADDING, 0, MAKELPARAM(kClosableTabPadding, kTabVerticalPadding));
  SendMessageW(Handle, WM_SETFONT, static_cast<WPARAM>(SendMessageW(Handle, WM_GETFONT, 0, 0)), FALSE);
}

void TSkinTab::Detach() {
  TSkinControl::Detach();
  if (paddedWindow_ && paddedWindow_ == Handle && !WindowGone()) {
    SendMessageW(Handle, TCM_SETPADDING, 0, MAKELPARAM(kTabPadding, kTabVerticalPadding));
    SendMessageW(Handle, WM_SETFONT, static_cast<WPARAM>(SendMessageW(Handle, WM_GETFONT, 0, 0)), TRUE);
  }
  paddedWindow_ = nullptr;
}

bool TSkinTab::ClosableNow() const {
  return Control && TabsClosable(Control->Tag(), Control->InheritsFrom(L"TPageControl"),
                                 GetEnumPropByName(Control, L"TabPosition") == L"tpTop");
}

void TSkinTab::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) {
  if (IsAttached()) return;
  TSkinControl::AttachWindow(window, skinData, canvas, host);
  if (!Handle) return;
  Focused = GetFocus() == window;
  WindowEnabled = !(GetWindowLongPtrW(window, GWL_STYLE) & WS_DISABLED);
  AttachCommon();
}

void TSkinTab::AttachCommon() {
  LoadImages();
  FindUpDown();
  Enabled = true;
}

void TSkinTab::SkinChanged() {
  TSkinControl::SkinChanged();
  LoadImages();
}

void TSkinTab::LoadImages() {
  TabPosition = TabPositionOf(static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE)));
  TabImage.Clear();
  PaneImage.Clear();
  const TDataSkinBorder* tabs = SkinData ? SkinData->Elements.Tabs.get() : nullptr;
  if (!tabs) return;
  if (!tabs->Image.Empty()) CopyBitmap(tabs->Image, TabImage);
  if (tabs->Style == 0 && !tabs->Image2.Empty()) {
    CopyBitmap(tabs->Image2, PaneImage);
  } else if (tabs->Style == 1) {
    const TDataSkinObject* pane = SkinData->Elements.TabPane.get();
    if (pane && !pane->Image.Empty()) CopyBitmap(pane->Image, PaneImage);
  }
  for (TBitmap* image : {&TabImage, &PaneImage})
    if (!image->Empty()) image->SetPixelFormat(TPixelFormat::pf24bit);
  if (TabPosition == kTabsBottom) {
    if (!TabImage.Empty()) FlipBitmap(TabImage);
    if (!PaneImage.Empty()) FlipBitmap(PaneImage);
  } else if (!PaneImage.Empty() && TabPosition == kTabsLeft) {
    RotateBitmapLeft(PaneImage);
  } else if (!PaneImage.Empty() && TabPosition == kTabsRight) {
    RotateBitmapRight(PaneImage);
  }
}

bool TSkinTab::FindUpDown() {
  HWND upDown = FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr);
  if (!upDown) return false;
  if (!UpDownSkinner) {
    UpDownSkinner = new TSkinUpDown(Owner());
    UpDownSkinner->AttachWindow(upDown, SkinData, Canvas, Host());
  }
  return (GetWindowLongPtrW(upDown, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool TSkinTab::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN && Closable && HitCloseGlyph(m)) {
    m.Result = 0;
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

std::wstring TabCaption(HWND tabs, bool wide, int index, int& image) {
  // The captions are read into a buffer of 80 bytes, as the tab control's callers always did:
  // longer captions are cut.
  std::wstring text;
  if (wide) {
    wchar_t buffer[40] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = buffer;
    item.cchTextMax = 40;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    text.assign(buffer, wcsnlen(buffer, 40));
    image = item.iImage;
  } else {
    char buffer[80] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = buffer;
    item.cchTextMax = 80;
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    text = StrToWide(std::string(buffer, strnlen(buffer, 80)));
    image = item.iImage;
  }
  return text;
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
  if (!Handle || !SkinData) return;
  // The control may have moved its tabs to another side since (its window made again).
  if (TabPositionOf(static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE))) != TabPosition) {
    LoadImages();
    Closable = ClosableNow();
  }
  FitCloseGlyphs();
  RECT display = rect;
  SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const RECT pane = TabPaneRect(display, TabPosition);
  const int count = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
  CloseRects.assign(count > 0 ? static_cast<size_t>(count) : 0, RECT{});
  if (!TabImage.Empty()) DrawStrip(dc, rect, pane);
  if (!PaneImage.Empty()) {
    const TDataSkinBorder& tabs = *SkinData->Elements.Tabs;
    const TDataSkinObject* paneElement = SkinData->Elements.TabPane.get();
    const RECT margins = tabs.Style != 0 && paneElement ? paneElement->Margins() : RECT{4, 5, 4, 4};
    if (HasDrawingRoom(pane)) DrawElement(dc, pane, TElementLook{PaneImage, margins, false, false}, TElementFrame{});
  }
  if (Control && Mode == static_cast<int>(TSkinDecision::TMode::OtherTabControl))
    if (auto* windowed = dynamic_cast<TWinControl*>(Control)) windowed->PaintControls(dc);
}

void TSkinTab::DrawStrip(HDC dc, const RECT& rect, const RECT& pane) {
  const TDataSkinBorder& tabs = *SkinData->Elements.Tabs;
  const RECT strip = TabStripRect(rect, pane, TabPosition);
  const SIZE size = TabStripSize(strip, TabPosition);
  // A page control whose tabs are all hidden has no strip at all.
  if (size.cx <= 0 || size.cy <= 0) return;
  const int selected = static_cast<int>(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
  const auto imageList = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
  StripBuffer.SetSize(size.cx, size.cy);
  {
    TBitmapDC buffer(StripBuffer.Handle());
    FillParentColour(buffer, RECT{0, 0, size.cx, size.cy});
    const HGDIOBJ oldFont = SelectObject(buffer, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    for (int i = 0; i < static_cast<int>(CloseRects.size()); ++i) {
      RECT item{};
      if (!SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
      const RECT r = TabItemInStrip(item, TabPosition, size.cx, rect, pane);
      if (!HasDrawingRoom(r)) continue;
      int image = -1;
      const std::wstring text = TabCaption(Handle, IsUnicode, i, image);
      const int frame = TabFrame(i, selected);
      DrawTabFrame(buffer, r, tabs, TabImage, frame);
      RECT textRect = r;
      if (Closable) {
        DrawCloseGlyph(buffer, r, i);
        textRect.right = TabCloseRect(r).left - 2;  // the caption stays clear of the glyph
      }
      SetTextColor(buffer, TabTextColour(tabs, frame));
      DrawTextWithImage(this, buffer, textRect, 1, text, image, imageList);
    }
    SelectObject(buffer, oldFont);
  }
  if (TabPosition == kTabsRight) RotateBitmapRight(StripBuffer);
  if (TabPosition == kTabsLeft) RotateBitmapLeft(StripBuffer);

  HRGN clip = nullptr;
  if (FindUpDown()) {
    // The scroll arrows keep their own place: the strip goes around them.
    HWND upDown = FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr);
    RECT window{}, arrows{};
    GetWindowRect(Handle, &window);
    GetWindowRect(upDown, &arrows);
    OffsetRect(&arrows, -window.left, -window.top);
    clip = CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top);
    HRGN hole = CreateRectRgnIndirect(&arrows);
    CombineRgn(clip, clip, hole, RGN_DIFF);
    DeleteObject(hole);
    SelectClipRgn(dc, clip);
  }
  TBitmapDC source(StripBuffer.Handle());
  BitBlt(dc, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top, source, 0, 0, SRCCOPY);
  if (clip) {
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
  }
}

void TSkinTab::DrawCloseGlyph(HDC dc, const RECT& item, int tab) {
  const RECT c = TabCloseRect(item);
  const POINT square[] = {{c.left, c.top}, {c.right, c.top}, {c.right, c.bottom}, {c.left, c.bottom},
                          {c.left, c.top}, {c.right, c.bottom}};
  Polyline(dc, square, 6);
  MoveToEx(dc, c.right, c.top, nullptr);
  LineTo(dc, c.left, c.bottom);
  CloseRects[static_cast<size_t>(tab)] = c;
}

bool TSkinTab::HitCloseGlyph(const TMessage& m) {
  const POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  for (size_t i = 0; i < CloseRects.size(); ++i) {
    if (!PtInRect(&CloseRects[i], p)) continue;
    HWND target = Host() && Host()->HostWindow() ? Host()->HostWindow() : GetAncestor(Handle, GA_ROOT);
    if (SendMessageW(target, SKM_TABCLOSE, reinterpret_cast<WPARAM>(Handle), static_cast<LPARAM>(i)) != 0) return true;
    // The form may have changed the pages while it answered: the tab is looked up now, among
    // the pages whose tab is shown.
    auto* pages = dynamic_cast<TPageControl*>(Control);
    if (!pages) return true;
    std::vector<bool> shown;
    for (int page = 0; page < pages->PageCount(); ++page) shown.push_back(pages->Pages(page)->TabVisible());
    const int page = PageOfTab(shown, static_cast<int>(i));
    if (page < 0) return true;
    delete pages->Pages(page);
    // The tabs have moved: no glyph is hit again until they are drawn anew.
    CloseRects.assign(CloseRects.size(), RECT{});
    return true;
  }
  return false;
}

void TSkinTab31::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool /*recolour*/) {
  if (IsAttached()) return;
  auto* windowed = dynamic_cast<TWinControl*>(Owner());
  if (!windowed) return;
  Control = windowed;
  windowed->FreeNotification(this);
  TSkinControl::AttachWindow(windowed->Handle(), skinData, canvas, host);
  LoadImage();
}

void TSkinTab31::SkinChanged() {
  TSkinControl::SkinChanged();
  LoadImage();
}

void TSkinTab31::LoadImage() {
  TabImage.Clear();
  const TDataSkinBorder* tabs = SkinData ? SkinData->Elements.Tabs.get() : nullptr;
  if (!tabs || tabs->Image.Empty()) return;
  CopyBitmap(tabs->Image, TabImage);
  FlipBitmap(TabImage);
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintInstead(m);
      return true;  // the tab set paints too; AfterMessage puts the skin back over it
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* tabs = SkinData ? SkinData->Elements.Tabs.get() : nullptr;
  if (!tabs || tabs->Image.Empty() || TabImage.Empty() || !Control) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap picture(width, height);
  TBitmapDC buffer(picture.Handle());
  FillFace(buffer, RECT{0, 0, width, height});
  auto* font = dynamic_cast<TFont*>(GetObjectPropByName(Control, L"Font"));
  const HGDIOBJ oldFont = font ? SelectObject(buffer, font->Handle()) : nullptr;
  const std::vector<std::wstring> captions = GetStringsProp(Control, L"Tabs").value_or(std::vector<std::wstring>{});
  std::vector<int> widths;
  for (const std::wstring& caption : captions) {
    SIZE extent{};
    GetTextExtentPoint32W(buffer, caption.c_str(), static_cast<int>(caption.size()), &extent);
    widths.push_back(extent.cx);
  }
  const int selected = static_cast<int>(GetOrdPropByName(Control, L"TabIndex"));
  const int room = width - static_cast<int>(GetOrdPropByName(Control, L"EndMargin"));
  const auto layout = TabSetLayout(widths, static_cast<int>(GetOrdPropByName(Control, L"FirstIndex")),
                                   static_cast<int>(GetOrdPropByName(Control, L"StartMargin")), room);
  for (size_t i = 0; i < layout.size(); ++i) {
    if (layout[i].first < 0) continue;
    const RECT tab{layout[i].first, 0, layout[i].second, height};
    const int frame = TabFrame(static_cast<int>(i), selected);
    DrawTabFrame(buffer, tab, *tabs, TabImage, frame);
    SetTextColor(buffer, TabTextColour(*tabs, frame));
    DrawSkinText(this, buffer, tab, DT_CENTER, true, captions[i]);
  }
  if (oldFont) SelectObject(buffer, oldFont);
  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}
