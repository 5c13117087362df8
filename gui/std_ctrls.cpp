#include "gui/std_ctrls.h"

const TEnumInfo AlignmentInfo{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo TextLayoutInfo{{L"tlTop", L"tlCenter", L"tlBottom"}};

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info(
      L"TLabel", &TGraphicControl::StaticClass(), &CreateInstance<TLabel>,
      {props::Enum(L"Alignment", AlignmentInfo, &TLabel::Alignment, &TLabel::SetAlignment),
       props::Bool(L"AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize),
       props::Enum(L"Layout", TextLayoutInfo, &TLabel::Layout, &TLabel::SetLayout),
       props::Bool(L"Transparent", &TLabel::Transparent, &TLabel::SetTransparent),
       props::Bool(L"WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap),
       props::Bool(L"ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)});
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle({TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                   TControlStyleFlag::csDoubleClicks});
  SetDefaultParentColor(true);
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

UINT TLabel::TextFormat() const {
  UINT format = DT_EXPANDTABS;
  format |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
  if (!showAccelChar_) format |= DT_NOPREFIX;
  return format;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
  std::wstring text = Caption().empty() ? L" " : Caption();
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int left = Left();
  if (!wordWrap_ && alignment_ == TAlignment::taRightJustify) left = Left() + Width() - ::Width(r);
  SetBounds(left, Top(), ::Width(r), ::Height(r));
}

void TLabel::WndProc(TMessage& m) {
  TGraphicControl::WndProc(m);
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (!transparent_) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = Color();
    canvas.FillRect(r);
  }
  UINT format = TextFormat();
  if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
  if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
  if (layout_ != TTextLayout::tlTop) {
    // Measure first, then move the text down to the middle or the bottom.
    TRect calc = r;
    canvas.DrawText(Caption(), calc, format | DT_CALCRECT);
    int offset = ::Height(r) - ::Height(calc);
    r.top += layout_ == TTextLayout::tlCenter ? offset / 2 : offset;
  }
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(Caption(), r, format);
}

void RegisterStdCtrlsClasses() { RegisterClass(TLabel::StaticClass()); }
