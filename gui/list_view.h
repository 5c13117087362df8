// The native list view as TListView: columns, rows with sub-item texts, check boxes,
// per-row data, selection, and the notifications pages react to. The rows' texts live in
// the items here; the window asks for them when it paints.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/controls.h"
#include "gui/ext_ctrls.h"
#include "gui/image_list.h"

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum class TItemChange { ctText, ctImage, ctState };
// Which part of a row or cell a rectangle covers (the LVIR_* codes).
enum class TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
extern const TEnumInfo ViewStyleInfo;

class TCustomListView;

// One column of the report view.
class TListColumn : public TCollectionItem {
  QS_CLASS(TListColumn)

 public:
  explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value);
  // The width the window shows (the user may have dragged it).
  int Width() const;
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 private:
  friend class TCustomListView;
  TCustomListView* ListView() const;

  std::wstring caption_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

using TListColumns = TTypedCollection<TListColumn>;

class TListItems;

// One row: its caption (first column), the texts of the other columns, an image, a check
// box, a pointer the program keeps with it, and its selection state.
class TListItem {
 public:
  explicit TListItem(TListItems* owner) : owner_(owner) {}
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;

  TListItems* Owner() const { return owner_; }
  TCustomListView* ListView() const;
  int Index() const { return index_; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value);
  // Texts of the columns after the first one.
  const std::vector<std::wstring>& SubItems() const { return subItems_; }
  void SetSubItems(const std::vector<std::wstring>& texts);
  void AddSubItem(const std::wstring& text);
  // Sets the text of column index + 1; missing texts before it become empty.
  void SetSubItem(int index, const std::wstring& text);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  void* Data() const { return data_; }
  void SetData(void* value) { data_ = value; }

  bool Checked() const;
  void SetChecked(bool value);
  bool Selected() const;
  void SetSelected(bool value);
  bool Focused() const;
  void SetFocused(bool value);

  // Where the row (or a part of it) is, in the list view's client coordinates.
  TRect DisplayRect(TDisplayCode code) const;
  // Scrolls the row into view.
  void MakeVisible();
  // Removes the row from the list (and frees it).
  void Delete();

 private:
  friend class TListItems;
  friend class TCustomListView;
  bool HasWindow() const;
  UINT NativeState(UINT mask) const;
  void SetNativeState(UINT state, UINT mask);

  TListItems* owner_;
  int index_ = 0;
  std::wstring caption_;
  std::vector<std::wstring> subItems_;
  int imageIndex_ = -1;
  void* data_ = nullptr;
  // What the window holds while it exists; kept here while it does not.
  bool checked_ = false, selected_ = false, focused_ = false;
};

// The rows of a list view, in display order.
class TListItems {
 public:
  explicit TListItems(TCustomListView* owner) : owner_(owner) {}
  TListItems(const TListItems&) = delete;
  TListItems& operator=(const TListItems&) = delete;

  TCustomListView* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TListItem* Item(int index) const { return items_.at(index).get(); }
  TListItem* operator[](int index) const { return Item(index); }
  TListItem* Add() { return Insert(Count()); }
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  // Repainting waits until the matching EndUpdate.
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TCustomListView;
  void Renumber(int from);

  TCustomListView* owner_;
  std::vector<std::unique_ptr<TListItem>> items_;
  int updateCount_ = 0;
};

using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVCheckedItemEvent = std::function<void(TObject* Sender, TListItem* Item)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;

class TCustomListView : public TWinControl {
  QS_CLASS(TCustomListView)

 public:
  explicit TCustomListView(TComponent* owner);
  ~TCustomListView() override;

  TListColumns* Columns() const { return columns_.get(); }
  TListItems* Items() const { return items_.get(); }

  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value);
  bool Checkboxes() const { return checkboxes_; }
  void SetCheckboxes(bool value);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool value);
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  // Whether the user may not edit captions in place.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool value);
  bool ColumnClick() const { return columnClick_; }
  void SetColumnClick(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // The row images (ImageIndex) in the report, list and small-icon views.
  TCustomImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TCustomImageList* value);
  // Files dragged from the shell may be dropped on the window (WM_DROPFILES).
  bool AcceptFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool value);

  // The first selected row (nullptr when none), and selecting one row alone.
  TListItem* Selected() const;
  void SetSelected(TListItem* item);
  int SelCount() const;
  TListItem* ItemFocused() const;
  void SetItemFocused(TListItem* item);
  // The row at a client point, or nullptr.
  TListItem* GetItemAt(int x, int y) const;
  // The rectangle of one cell (sub-item 0 is the first column), in client coordinates;
  // an empty rectangle when the row or column does not exist.
  TRect SubItemRect(int item, int subItem, TDisplayCode code) const;

  // Any change of a row's state (check box, selection, focus), text or image.
  TLVChangeEvent OnChange;
  TLVSelectItemEvent OnSelectItem;
  // A row's check box was ticked or cleared, by the user or in code.
  TLVCheckedItemEvent OnItemChecked;
  TLVColumnClickEvent OnColumnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumn;
  HWND ListHandle() const { return const_cast<TCustomListView*>(this)->Handle(); }
  void ApplyExtendedStyle();
  void ApplyColors();
  void ApplyImages();
  void UpdateColumns();
  void SetColumn(int index, bool insert);
  void InsertNativeItem(TListItem* item);
  // Keeps the window's row states in the items before the window goes.
  void SaveStates();
  void ItemChanged(TListItem* item, TItemChange change);
  void Notify(TMessage& m);
  // The framework's own style bits; a change makes the window again.
  void SetStyleFlag(bool& flag, bool value);

  std::unique_ptr<TListColumns> columns_;
  std::unique_ptr<TListItems> items_;
  TViewStyle viewStyle_ = TViewStyle::vsIcon;
  bool checkboxes_ = false, gridLines_ = false, rowSelect_ = false, multiSelect_ = false, readOnly_ = false;
  bool hideSelection_ = true, showColumnHeaders_ = true, columnClick_ = true, acceptFiles_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TCustomImageList* smallImages_ = nullptr;
  bool restoring_ = false;
};

class TListView : public TCustomListView {
  QS_CLASS(TListView)

 public:
  explicit TListView(TComponent* owner) : TCustomListView(owner) {}
};

void RegisterListViewClasses();
