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
  SetTextColor(dc, ColorToRGB(color));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (size.cx <= ::Width(r)) {
    // It fits: placed directly, without the measuring that shortening needs.
    int x = alignment == TAlignment::taRightJustify ? r.right - size.cx
            : alignment == TAlignment::taCenter     ? r.left + (::Width(r) - size.cx) / 2
                                                    : r.left;
    ExtTextOutW(dc, x, r.top + (::Height(r) - size.cy) / 2, ETO_CLIPPED, &r, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
  } else {
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    format |= alignment == TAlignment::taRightJustify ? DT_RIGHT : alignment == TAlignment::taCenter ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
  }
  if (oldFont) SelectObject(dc, oldFont);
}
