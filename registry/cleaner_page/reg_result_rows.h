#pragma once
// A registry problem as a result row of its own height, drawn by the page: the problem type in
// bold, the data and the description under it, a dotted line between rows. The registry cleaner
// and one-click maintenance show their results this way.
#include <array>
#include <string>

#include "gui/vtree/base_virtual_tree.h"
#include "registry/scan/reg_scan_engine.h"

constexpr int kRegResultRowHeight = 49;
// The column the rows are drawn in (column 0 is an empty one of width 0).
constexpr TColumnIndex kRegResultColumn = 1;
// The height of each line's box.
constexpr int kRegResultLineHeight = 14;

// One line of a row: its text and where it lies, from the left and the top of the cell's content.
struct TRegResultLine {
  std::wstring Text;
  int Left = 0;
  int Top = 0;
  bool Bold = false;
};

// OnInitNode: a plain box showing the record's Selected flag (none for a row past the list).
void InitRegResultNode(PVirtualNode Node, const TRegItem* Item);
// OnChecked: the row's new state becomes the record's Selected flag; an excluded record's row
// stays unticked.
void TakeRegResultCheck(PVirtualNode Node, TRegItem* Item);
// What a row's second line shows: the record's data, or what it names with its hive (the root,
// the key and the value).
enum class TRegResultSecondLine { ValueData, ItemName };

// The three lines of a record's row, top to bottom; an excluded record says so after its problem.
std::array<TRegResultLine, 3> RegResultLines(const TRegItem& Item,
                                             TRegResultSecondLine Second = TRegResultSecondLine::ValueData);
// Where the lines end: a little before the cell's right edge or the list's visible right edge
// (in the cell's coordinates), whichever comes first.
int RegResultTextRight(int CellRight, int VisibleRight);
// Every row but the last is closed by the dotted line.
bool RegResultRowHasSeparator(TBaseVirtualTree* Tree, PVirtualNode Node);
// The row's check mark shows the record's Selected flag; the result column gets its lines.
void DrawRegResultRow(TBaseVirtualTree* Tree, const TVTPaintInfo& PaintInfo, const TRegItem& Item,
                      TRegResultSecondLine Second = TRegResultSecondLine::ValueData);
