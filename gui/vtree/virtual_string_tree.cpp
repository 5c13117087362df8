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
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
  format |= alignment == TAlignment::taRightJustify ? DT_RIGHT : alignment == TAlignment::taCenter ? DT_CENTER : DT_LEFT;
  if (HighlightedText(info.Node, info.Column)) {
    TColor saved = canvas.Font().Color();
    canvas.Font().SetColor(clHighlightText);
    canvas.DrawText(text, r, format);
    canvas.Font().SetColor(saved);
  } else {
    canvas.DrawText(text, r, format);
  }
}
