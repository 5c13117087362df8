#include "gui/vtree/virtual_string_tree.h"

const TClassInfo& TVirtualStringTree::StaticClass() {
  static const TClassInfo info(L"TVirtualStringTree", &TBaseVirtualTree::StaticClass(),
                               &CreateInstance<TVirtualStringTree>,
                               {props::Event(L"OnGetText", &TVirtualStringTree::OnGetText),
                                props::Event(L"OnPaintText", &TVirtualStringTree::OnPaintText)});
  return info;
}

const TClassInfo& TVirtualDrawTree::StaticClass() {
  static const TClassInfo info(L"TVirtualDrawTree", &TBaseVirtualTree::StaticClass(),
                               &CreateInstance<TVirtualDrawTree>, {});
  return info;
}

void RegisterVirtualTreeClasses() {
  RegisterClass(TVirtualStringTree::StaticClass());
  RegisterClass(TVirtualDrawTree::StaticClass());
}

std::wstring TVirtualStringTree::Text(PVirtualNode node, TColumnIndex column) {
  std::wstring text;
  InitNode(node);
  if (OnGetText) OnGetText(this, node, column, TVSTTextType::ttNormal, text);
  return text;
}

void TVirtualStringTree::Paint() {
  textWidths_.Check();
  TBaseVirtualTree::Paint();
}

void TVirtualStringTree::DoPaintNode(const TVTPaintInfo& info) {
  if (OnDrawNode) {
    TBaseVirtualTree::DoPaintNode(info);
    return;
  }
  std::wstring text = Text(info.Node, info.Column);
  TCanvas& canvas = *info.Canvas;
  if (OnPaintText) {
    // Each cell starts from the control's font; the page changes what it wants.
    canvas.Font().Assign(*Font());
    OnPaintText(this, canvas, info.Node, info.Column, TVSTTextType::ttNormal);
  }
  if (text.empty()) return;
  TRect r = info.ContentRect;
  r.left += TextMargin();
  r.right -= TextMargin();
  TAlignment alignment = TAlignment::taLeftJustify;
  if (info.Column != NoColumn) alignment = Header()->Columns()->Items(info.Column)->Alignment();
  TColor color = HighlightedText(info.Node, info.Column) ? clHighlightText
                 : OnPaintText                           ? canvas.Font().Color()
                                                         : Font()->Color();
  HDC dc = canvas.Handle();
  // The paint keeps the control's font selected; a font the page chose is selected for the cell.
  HGDIOBJ oldFont = OnPaintText ? SelectObject(dc, canvas.Font().Handle()) : nullptr;
  COLORREF rgb = ColorToRGB(color);
  if (OnPaintText || rgb != paintTextColor_) {
    SetTextColor(dc, rgb);
    paintTextColor_ = OnPaintText ? CLR_INVALID : rgb;
  }
  SIZE size = {};
  if (OnPaintText)
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  else
    size = textWidths_.Measure(dc, text);
  DrawFittingText(dc, text, r, alignment, size);
  if (oldFont) SelectObject(dc, oldFont);
}
