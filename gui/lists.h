// List boxes over the system's LISTBOX window, plain or drawn by the page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/control_strings.h"
#include "gui/controls.h"
#include "gui/ext_ctrls.h"

enum class TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
                                 odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
extern const TEnumInfo ListBoxStyleInfo;

// The system list box. Owner-drawn styles call OnDrawItem for each row with the row's rectangle
// and the Canvas bound to the window's DC; rows are ItemHeight high (OnMeasureItem decides each
// row's height in the variable style).
class TCustomListBox : public TWinControl {
  QS_CLASS(TCustomListBox)

 public:
  explicit TCustomListBox(TComponent* owner);

  TControlStrings& Items() { return items_; }
  const TControlStrings& Items() const { return items_; }
  std::vector<std::wstring> ItemsList() const { return items_.Strings(); }
  void SetItemsList(const std::vector<std::wstring>& items) { items_.Assign(items); }
  int Count() const { return items_.Count(); }
  // The chosen row (the focused one with MultiSelect); -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int value);
  // Whether a row is selected; with MultiSelect rows are selected one by one.
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  // bsSingle: the sunken client edge; bsNone: the rows reach the control's edges.
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // The first row shown.
  int TopIndex() const;
  void SetTopIndex(int value);
  // The rectangle of a row in client coordinates.
  TRect ItemRect(int index) const;
  TCanvas& Canvas() { return canvas_; }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  // Draws one row: OnDrawItem when set, else the row's text on the selection colours.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

 private:
  void DrawItemMessage(const DRAWITEMSTRUCT& item);
  void MeasureItemMessage(MEASUREITEMSTRUCT& item);
  HWND Wnd() const { return const_cast<TCustomListBox*>(this)->Handle(); }

  TControlStrings items_;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  bool multiSelect_ = false;
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  int itemHeight_ = 16;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TCanvas canvas_;
};

class TListBox : public TCustomListBox {
  QS_CLASS(TListBox)

 public:
  explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

void RegisterListClasses();
