#include "registry/cleaner_page/reg_result_rows.h"

#include "gui/vtree/row_of_node.h"
#include "registry/scan/reg_clean.h"

namespace {
constexpr int kTextLeft = 10;
// Room kept between a line's ellipsis and the visible edge of the list.
constexpr int kTextRightMargin = 4;
constexpr TColor kSeparatorColour = static_cast<TColor>(8421504);
}  // namespace

void InitRegResultNode(PVirtualNode Node, const TRegItem* Item) {
  Node->CheckType = TCheckType::ctCheckBox;
  Node->CheckState = CheckOf(Item && Item->Selected);
}

void TakeRegResultCheck(PVirtualNode Node, TRegItem* Item) {
  if (!Item) return;
  // The exclusion list keeps an excluded record: its box cannot be ticked.
  if (Item->Excluded) Node->CheckState = TCheckState::csUncheckedNormal;
  Item->Selected = Node->CheckState == TCheckState::csCheckedNormal ? 1 : 0;
}

std::array<TRegResultLine, 3> RegResultLines(const TRegItem& Item, TRegResultSecondLine Second) {
  const std::wstring problem = Item.Excluded ? Item.ProblemType + L" (Excluded)" : Item.ProblemType;
  const std::wstring second = Second == TRegResultSecondLine::ItemName ? RegItemName(Item) : Item.ValueData;
  return {TRegResultLine{problem, kTextLeft, 4, true}, TRegResultLine{second, kTextLeft, 18, false},
          TRegResultLine{Item.Description, kTextLeft, 32, false}};
}

int RegResultTextRight(int CellRight, int VisibleRight) {
  return (CellRight < VisibleRight ? CellRight : VisibleRight) - kTextRightMargin;
}

bool RegResultRowHasSeparator(TBaseVirtualTree* Tree, PVirtualNode Node) {
  return Node->Index + 1 < Tree->RootNodeCount();
}

void DrawRegResultRow(TBaseVirtualTree* Tree, const TVTPaintInfo& PaintInfo, const TRegItem& Item,
                      TRegResultSecondLine Second) {
  PaintInfo.Node->CheckState = CheckOf(Item.Selected);
  if (PaintInfo.Column != kRegResultColumn) return;
  TCanvas& canvas = *PaintInfo.Canvas;
  TFont& font = canvas.Font();
  font.SetName(L"Tahoma");
  font.SetHeight(-11);
  font.SetColor(clBlack);
  font.SetCharset(ANSI_CHARSET);
  canvas.Brush().Style = TBrushStyle::bsClear;
  // A line longer than the visible part of the row ends in an ellipsis there.
  const int right = RegResultTextRight(PaintInfo.CellRect.right, Tree->ClientWidth() + Tree->OffsetX());
  for (const TRegResultLine& line : RegResultLines(Item, Second)) {
    font.SetStyle(line.Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
    TRect r{PaintInfo.ContentRect.left + line.Left, PaintInfo.ContentRect.top + line.Top, right,
            PaintInfo.ContentRect.top + line.Top + kRegResultLineHeight};
    if (r.right > r.left) canvas.DrawText(line.Text, r, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP);
  }
  if (RegResultRowHasSeparator(Tree, PaintInfo.Node)) {
    canvas.Pen().Color = kSeparatorColour;
    canvas.Pen().Style = TPenStyle::psDot;
    canvas.MoveTo(0, PaintInfo.CellRect.bottom - 1);
    canvas.LineTo(PaintInfo.CellRect.right, PaintInfo.CellRect.bottom - 1);
  }
}
