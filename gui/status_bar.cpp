#include "gui/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "gui/common_controls.h"

const TEnumInfo StatusPanelStyleInfo{{L"psText", L"psOwnerDraw"}};
const TEnumInfo StatusPanelBevelInfo{{L"pbNone", L"pbLowered", L"pbRaised"}};
const TEnumInfo BiDiModeInfo{{L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly"}};

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo info(
      L"TStatusPanel", &TCollectionItem::StaticClass(), nullptr,
      {props::Str(L"Text", &TStatusPanel::Text, &TStatusPanel::SetText),
       props::Int(L"Width", &TStatusPanel::Width, &TStatusPanel::SetWidth),
       props::Enum(L"Alignment", AlignmentInfo, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment),
       props::Enum(L"Style", StatusPanelStyleInfo, &TStatusPanel::Style, &TStatusPanel::SetStyle),
       props::Enum(L"Bevel", StatusPanelBevelInfo, &TStatusPanel::Bevel, &TStatusPanel::SetBevel),
       props::Enum(L"BiDiMode", BiDiModeInfo, &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode)});
  return info;
}

void TStatusPanel::SetText(const std::wstring& value) {
  if (value == text_) return;
  text_ = value;
  Changed();
}

void TStatusPanel::SetWidth(int value) {
  width_ = value;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  style_ = value;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  bevel_ = value;
  Changed();
}

void TStatusPanel::SetBiDiMode(TBiDiMode value) {
  biDiMode_ = value;
  Changed();
}

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo info(
      L"TStatusBar", &TWinControl::StaticClass(), &CreateInstance<TStatusBar>,
      {props::Object(L"Panels", &TStatusBar::Panels),
       props::Bool(L"SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel),
       props::Str(L"SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText),
       props::Bool(L"SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip),
       props::Event(L"OnDrawPanel", &TStatusBar::OnDrawPanel)});
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(this)) {
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
  // Every change of a panel goes to the window at once: panels are few.
  panels_->OnUpdate = [this](TCollectionItem*) { UpdatePanels(); };
}

void TStatusBar::SetSimplePanel(bool value) {
  if (value == simplePanel_) return;
  simplePanel_ = value;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::wstring& value) {
  if (value == simpleText_) return;
  simpleText_ = value;
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  RecreateWnd();
}

void TStatusBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClass = STATUSCLASSNAMEW;
  // The framework places the bar (Align), not the window itself.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (sizeGrip_) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdatePanels();
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  HWND wnd = Handle();
  bool simple = simplePanel_ || panels_->Count() == 0;
  SendMessageW(wnd, SB_SIMPLE, simple, 0);
  if (simple) {
    SendMessageW(wnd, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    return;
  }
  std::vector<int> edges;
  int x = 0;
  for (int i = 0; i < panels_->Count(); ++i) edges.push_back(x += panels_->Items(i)->Width());
  SendMessageW(wnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < panels_->Count(); ++i) {
    TStatusPanel* panel = panels_->Items(i);
    WPARAM flags = static_cast<WPARAM>(i);
    if (panel->Bevel() == TStatusPanelBevel::pbNone) flags |= SBT_NOBORDERS;
    if (panel->Bevel() == TStatusPanelBevel::pbRaised) flags |= SBT_POPOUT;
    if (panel->BiDiMode() != TBiDiMode::bdLeftToRight) flags |= SBT_RTLREADING;
    if (panel->Style() == TStatusPanelStyle::psOwnerDraw) {
      SendMessageW(wnd, SB_SETTEXTW, flags | SBT_OWNERDRAW, static_cast<LPARAM>(i));
      continue;
    }
    // A tab before the text centres it, two tabs put it at the right.
    std::wstring text = panel->Alignment() == TAlignment::taCenter         ? L"\t" + panel->Text()
                        : panel->Alignment() == TAlignment::taRightJustify ? L"\t\t" + panel->Text()
                                                                          : panel->Text();
    SendMessageW(wnd, SB_SETTEXTW, flags, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

TRect TStatusBar::PanelRect(int index) const {
  TRect r = {};
  if (!HandleAllocated() || simplePanel_ || index < 0 || index >= panels_->Count()) return r;
  if (!SendMessageW(const_cast<TStatusBar*>(this)->Handle(), SB_GETRECT, index, reinterpret_cast<LPARAM>(&r)))
    return TRect{};
  return r;
}

void TStatusBar::DrawPanel(TStatusPanel* panel, const TRect& rect, HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(*Font());
  canvas_.Brush().Color = Color();
  canvas_.Brush().Style = TBrushStyle::bsSolid;
  if (OnDrawPanel) OnDrawPanel(this, panel, rect);
  canvas_.SetHandle(nullptr);
}

void TStatusBar::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    int index = static_cast<int>(item->itemID);
    if (index >= 0 && index < panels_->Count()) DrawPanel(panels_->Items(index), item->rcItem, item->hDC);
    m.Result = TRUE;
    return;
  }
  TWinControl::WndProc(m);
}

void RegisterStatusBarClasses() { RegisterClass(TStatusBar::StaticClass()); }
