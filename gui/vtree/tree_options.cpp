#include "gui/vtree/tree_options.h"

#include <algorithm>

const TEnumInfo ColumnOptionInfo{{L"coVisible", L"coResizable"}};
const TEnumInfo HeaderOptionInfo{{L"hoVisible", L"hoColumnResize"}};
const TEnumInfo PaintOptionInfo{{L"toHideFocusRect", L"toHideSelection", L"toShowButtons", L"toShowHorzGridLines",
                                 L"toShowRoot", L"toShowTreeLines", L"toShowVertGridLines", L"toFullVertGridLines"}};
const TEnumInfo SelectionOptionInfo{{L"toFullRowSelect", L"toRightClickSelect"}};
const TEnumInfo MiscOptionInfo{{L"toToggleOnDblClick"}};
const TEnumInfo AutoOptionInfo{{L"toAutoTristateTracking"}};

const TClassInfo& TVirtualTreeColumn::StaticClass() {
  static const TClassInfo info(
      L"TVirtualTreeColumn", &TCollectionItem::StaticClass(), nullptr,
      {props::Str(L"Text", &TVirtualTreeColumn::Text, &TVirtualTreeColumn::SetText),
       props::Int(L"Width", &TVirtualTreeColumn::Width, &TVirtualTreeColumn::SetWidth),
       props::Enum(L"Alignment", AlignmentInfo, &TVirtualTreeColumn::Alignment, &TVirtualTreeColumn::SetAlignment),
       props::Set(L"Options", ColumnOptionInfo, &TVirtualTreeColumn::Options, &TVirtualTreeColumn::SetOptions)});
  return info;
}

void TVirtualTreeColumn::SetText(const std::wstring& v) {
  if (v == text_) return;
  text_ = v;
  Changed();
}

void TVirtualTreeColumn::SetWidth(int v) {
  v = std::max(0, v);
  if (v == width_) return;
  width_ = v;
  Changed();
}

void TVirtualTreeColumn::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  Changed();
}

void TVirtualTreeColumn::SetOptions(TVTColumnOptions v) {
  if (v == options_) return;
  options_ = v;
  Changed();
}

const TClassInfo& TVirtualTreeColumns::StaticClass() {
  static const TClassInfo info(L"TVirtualTreeColumns", &TCollection::StaticClass(), nullptr, {});
  return info;
}

int TVirtualTreeColumns::ColumnLeft(TColumnIndex index) const {
  int left = 0;
  for (int i = 0; i < index && i < Count(); ++i)
    if (Items(i)->Shown()) left += Items(i)->Width();
  return left;
}

int TVirtualTreeColumns::TotalWidth() const { return ColumnLeft(Count()); }

TColumnIndex TVirtualTreeColumns::ColumnAt(int x) const {
  int left = 0;
  for (int i = 0; i < Count(); ++i) {
    if (!Items(i)->Shown()) continue;
    if (x >= left && x < left + Items(i)->Width()) return i;
    left += Items(i)->Width();
  }
  return NoColumn;
}

const TClassInfo& TVTHeader::StaticClass() {
  static const TClassInfo info(L"TVTHeader", &TPersistent::StaticClass(), nullptr,
                               {props::Object(L"Columns", &TVTHeader::Columns),
                                props::Set(L"Options", HeaderOptionInfo, &TVTHeader::Options, &TVTHeader::SetOptions),
                                props::Int(L"Height", &TVTHeader::Height, &TVTHeader::SetHeight),
                                props::Int(L"MainColumn", &TVTHeader::MainColumn, &TVTHeader::SetMainColumn),
                                props::Object(L"Font", &TVTHeader::Font)});
  return info;
}

TVTHeader::TVTHeader() : columns_(std::make_unique<TVirtualTreeColumns>(this)), font_(std::make_unique<TFont>()) {
  columns_->OnUpdate = [this](TCollectionItem*) { Changed(); };
  font_->OnChange = [this] { Changed(); };
}

void TVTHeader::SetOptions(TVTHeaderOptions v) {
  if (v == options_) return;
  options_ = v;
  Changed();
}

void TVTHeader::SetHeight(int v) {
  v = std::max(0, v);
  if (v == height_) return;
  height_ = v;
  Changed();
}

void TVTHeader::SetMainColumn(TColumnIndex v) {
  if (v == mainColumn_) return;
  mainColumn_ = v;
  Changed();
}

const TClassInfo& TVirtualTreeOptions::StaticClass() {
  static const TClassInfo info(
      L"TVirtualTreeOptions", &TPersistent::StaticClass(), nullptr,
      {props::Set(L"PaintOptions", PaintOptionInfo, &TVirtualTreeOptions::PaintOptions,
                  &TVirtualTreeOptions::SetPaintOptions),
       props::Set(L"SelectionOptions", SelectionOptionInfo, &TVirtualTreeOptions::SelectionOptions,
                  &TVirtualTreeOptions::SetSelectionOptions),
       props::Set(L"MiscOptions", MiscOptionInfo, &TVirtualTreeOptions::MiscOptions,
                  &TVirtualTreeOptions::SetMiscOptions),
       props::Set(L"AutoOptions", AutoOptionInfo, &TVirtualTreeOptions::AutoOptions,
                  &TVirtualTreeOptions::SetAutoOptions)});
  return info;
}

void TVirtualTreeOptions::SetPaintOptions(TVTPaintOptions v) {
  if (v == paint_) return;
  paint_ = v;
  Changed();
}

void TVirtualTreeOptions::SetSelectionOptions(TVTSelectionOptions v) {
  if (v == selection_) return;
  selection_ = v;
  Changed();
}

void TVirtualTreeOptions::SetMiscOptions(TVTMiscOptions v) {
  if (v == misc_) return;
  misc_ = v;
  Changed();
}

void TVirtualTreeOptions::SetAutoOptions(TVTAutoOptions v) {
  if (v == auto_) return;
  auto_ = v;
  Changed();
}

const TClassInfo& TVTColors::StaticClass() {
  static const TClassInfo info(
      L"TVTColors", &TPersistent::StaticClass(), nullptr,
      {props::Int(L"FocusedSelectionColor", &TVTColors::FocusedSelectionColor, &TVTColors::SetFocusedSelectionColor,
                  &ColorIdents),
       props::Int(L"UnfocusedSelectionColor", &TVTColors::UnfocusedSelectionColor,
                  &TVTColors::SetUnfocusedSelectionColor, &ColorIdents),
       props::Int(L"GridLineColor", &TVTColors::GridLineColor, &TVTColors::SetGridLineColor, &ColorIdents),
       props::Int(L"TreeLineColor", &TVTColors::TreeLineColor, &TVTColors::SetTreeLineColor, &ColorIdents)});
  return info;
}

void TVTColors::SetFocusedSelectionColor(TColor v) { Set(focusedSelection_, v); }
void TVTColors::SetUnfocusedSelectionColor(TColor v) { Set(unfocusedSelection_, v); }
void TVTColors::SetGridLineColor(TColor v) { Set(gridLine_, v); }
void TVTColors::SetTreeLineColor(TColor v) { Set(treeLine_, v); }
