// Text entry: the one-line edit, the memo and the combo box, over the system's EDIT and
// COMBOBOX windows.
#pragma once

#include <string>
#include <vector>

#include "gui/control_strings.h"
#include "gui/controls.h"

// The system edit. The text is kept here and follows the window on every change, so it can be
// read and set with or without a window; OnChange fires after each change of the text.
class TCustomEdit : public TWinControl {
  QS_CLASS(TCustomEdit)

 public:
  explicit TCustomEdit(TComponent* owner);

  const std::wstring& Text() const { return Caption(); }
  void SetText(const std::wstring& text) { SetCaption(text); }
  // 0 is no limit.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Shown in place of every character when not 0.
  wchar_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(wchar_t value);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  void TextChanged() override;
  // After the window's text changed (typed, pasted or set).
  virtual void Change();

 private:
  int maxLength_ = 0;
  bool readOnly_ = false;
  wchar_t passwordChar_ = 0;
  bool syncing_ = false;      // taking the window's text
  bool settingText_ = false;  // giving the window text set in code
  bool changeSeen_ = false;
};

class TEdit : public TCustomEdit {
  QS_CLASS(TEdit)

 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumInfo ScrollStyleInfo;

// A multi-line edit whose Lines follow its text both ways.
class TCustomMemo : public TCustomEdit {
  QS_CLASS(TCustomMemo)

 public:
  explicit TCustomMemo(TComponent* owner);

  TControlStrings& Lines() { return lines_; }
  const TControlStrings& Lines() const { return lines_; }
  std::vector<std::wstring> LinesList() const { return lines_.Strings(); }
  void SetLinesList(const std::vector<std::wstring>& lines) { lines_.Assign(lines); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  // Long lines break at the right edge (no horizontal scrolling then).
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Change() override;

 private:
  void LinesChanged();

  TControlStrings lines_;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
  bool fromLines_ = false;
};

class TMemo : public TCustomMemo {
  QS_CLASS(TMemo)

 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };
extern const TEnumInfo ComboBoxStyleInfo;

// The system combo box. Typing fires OnChange; choosing from the list fires OnSelect (OnChange
// when OnSelect is not set). Setting ItemIndex or Text in code fires neither.
class TCustomComboBox : public TWinControl {
  QS_CLASS(TCustomComboBox)

 public:
  explicit TCustomComboBox(TComponent* owner);

  TControlStrings& Items() { return items_; }
  const TControlStrings& Items() const { return items_; }
  std::vector<std::wstring> ItemsList() const { return items_.Strings(); }
  void SetItemsList(const std::vector<std::wstring>& items) { items_.Assign(items); }
  // -1 when nothing is chosen.
  int ItemIndex() const;
  void SetItemIndex(int value);
  const std::wstring& Text() const { return Caption(); }
  void SetText(const std::wstring& text) { SetCaption(text); }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  // How many items the open list shows.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);

  TNotifyEvent OnChange, OnSelect;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  void TextChanged() override;
  void BoundsChanged(bool sizeChanged) override;

 private:
  // The window height that gives the open list room for DropDownCount items.
  int WindowHeight() const;
  void SyncText();

  TControlStrings items_;
  int itemIndex_ = -1;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  int dropDownCount_ = 8;
  bool syncing_ = false;
};

class TComboBox : public TCustomComboBox {
  QS_CLASS(TComboBox)

 public:
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

void RegisterEditClasses();
