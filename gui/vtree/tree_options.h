// The tree-list's published sub-objects: header and columns, option sets and colours.
// Each tells its owner of a change through OnChange, as TFont does.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/graphics.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_node.h"

enum class TVTColumnOption { coVisible, coResizable };
using TVTColumnOptions = TSet<TVTColumnOption>;
extern const TEnumInfo ColumnOptionInfo;

class TVirtualTreeColumn : public TCollectionItem {
  QS_CLASS(TVirtualTreeColumn)

 public:
  explicit TVirtualTreeColumn(TCollection* collection) : TCollectionItem(collection) {}
  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TVTColumnOptions Options() const { return options_; }
  void SetOptions(TVTColumnOptions v);
  // Shown: visible and wider than nothing.
  bool Shown() const { return options_.Contains(TVTColumnOption::coVisible) && width_ > 0; }

 private:
  std::wstring text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TVTColumnOptions options_{TVTColumnOption::coVisible, TVTColumnOption::coResizable};
};

// The header's columns; a form file lists them as Header.Columns = < item ... end >.
class TVirtualTreeColumns : public TTypedCollection<TVirtualTreeColumn> {
  QS_CLASS(TVirtualTreeColumns)

 public:
  explicit TVirtualTreeColumns(TPersistent* owner) : TTypedCollection(owner) {}
  // Left edge of a column, the shown ones laid side by side in index order.
  int ColumnLeft(TColumnIndex index) const;
  int TotalWidth() const;
  // The shown column at x (tree coordinates), or NoColumn.
  TColumnIndex ColumnAt(int x) const;
};

enum class TVTHeaderOption { hoVisible, hoColumnResize };
using TVTHeaderOptions = TSet<TVTHeaderOption>;
extern const TEnumInfo HeaderOptionInfo;

class TVTHeader : public TPersistent {
  QS_CLASS(TVTHeader)

 public:
  TVTHeader();
  TVirtualTreeColumns* Columns() const { return columns_.get(); }
  TVTHeaderOptions Options() const { return options_; }
  void SetOptions(TVTHeaderOptions v);
  bool Visible() const { return options_.Contains(TVTHeaderOption::hoVisible); }
  int Height() const { return height_; }
  void SetHeight(int v);
  // The column that holds the tree's indent, buttons and check boxes.
  TColumnIndex MainColumn() const { return mainColumn_; }
  void SetMainColumn(TColumnIndex v);
  TFont* Font() const { return font_.get(); }

  std::function<void()> OnChange;

 private:
  void Changed() { if (OnChange) OnChange(); }

  std::unique_ptr<TVirtualTreeColumns> columns_;
  std::unique_ptr<TFont> font_;
  TVTHeaderOptions options_;
  int height_ = 19;
  TColumnIndex mainColumn_ = 0;
};

enum class TVTPaintOption {
  toHideFocusRect, toHideSelection, toShowButtons, toShowHorzGridLines, toShowRoot, toShowTreeLines,
  toShowVertGridLines, toFullVertGridLines
};
enum class TVTSelectionOption { toFullRowSelect, toRightClickSelect };
enum class TVTMiscOption { toToggleOnDblClick };
enum class TVTAutoOption { toAutoTristateTracking };
using TVTPaintOptions = TSet<TVTPaintOption>;
using TVTSelectionOptions = TSet<TVTSelectionOption>;
using TVTMiscOptions = TSet<TVTMiscOption>;
using TVTAutoOptions = TSet<TVTAutoOption>;
extern const TEnumInfo PaintOptionInfo, SelectionOptionInfo, MiscOptionInfo, AutoOptionInfo;

class TVirtualTreeOptions : public TPersistent {
  QS_CLASS(TVirtualTreeOptions)

 public:
  TVTPaintOptions PaintOptions() const { return paint_; }
  void SetPaintOptions(TVTPaintOptions v);
  TVTSelectionOptions SelectionOptions() const { return selection_; }
  void SetSelectionOptions(TVTSelectionOptions v);
  TVTMiscOptions MiscOptions() const { return misc_; }
  void SetMiscOptions(TVTMiscOptions v);
  TVTAutoOptions AutoOptions() const { return auto_; }
  void SetAutoOptions(TVTAutoOptions v);

  bool Has(TVTPaintOption o) const { return paint_.Contains(o); }
  bool Has(TVTSelectionOption o) const { return selection_.Contains(o); }
  bool Has(TVTMiscOption o) const { return misc_.Contains(o); }
  bool Has(TVTAutoOption o) const { return auto_.Contains(o); }

  std::function<void()> OnChange;

 private:
  void Changed() { if (OnChange) OnChange(); }

  TVTPaintOptions paint_{TVTPaintOption::toShowButtons, TVTPaintOption::toShowRoot, TVTPaintOption::toShowTreeLines};
  TVTSelectionOptions selection_;
  TVTMiscOptions misc_{TVTMiscOption::toToggleOnDblClick};
  TVTAutoOptions auto_{TVTAutoOption::toAutoTristateTracking};
};

class TVTColors : public TPersistent {
  QS_CLASS(TVTColors)

 public:
  TColor FocusedSelectionColor() const { return focusedSelection_; }
  void SetFocusedSelectionColor(TColor v);
  TColor UnfocusedSelectionColor() const { return unfocusedSelection_; }
  void SetUnfocusedSelectionColor(TColor v);
  TColor GridLineColor() const { return gridLine_; }
  void SetGridLineColor(TColor v);
  TColor TreeLineColor() const { return treeLine_; }
  void SetTreeLineColor(TColor v);

  std::function<void()> OnChange;

 private:
  void Set(TColor& field, TColor v) {
    if (field == v) return;
    field = v;
    if (OnChange) OnChange();
  }

  TColor focusedSelection_ = clHighlight;
  TColor unfocusedSelection_ = clBtnFace;
  TColor gridLine_ = clBtnFace;
  TColor treeLine_ = clBtnShadow;
};
