// Buttons: the system push button, the owner-drawn bit button, the windowless speed button,
// check boxes, radio buttons and the group box.
#pragma once

#include <memory>
#include <string>

#include "gui/actions.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/pictures.h"
#include "gui/std_ctrls.h"

// Whether `key` is the accelerator of a caption: the letter after a single '&' ("&&" is a
// literal ampersand), letter case ignored.
bool IsAccel(wchar_t key, const std::wstring& caption);

// The native button family: answers its accelerator (CM_DIALOGCHAR, Alt+letter).
class TButtonControl : public TWinControl {
  QS_CLASS(TButtonControl)

 public:
  explicit TButtonControl(TComponent* owner);

  // The action whose caption and states the button shows and which its clicks run (when
  // OnClick is not set).
  TAction* Action() const { return actionLink_.Action(); }
  void SetAction(TAction* action) { actionLink_.SetAction(action); }
  void Click() override;

 protected:
  TActionLink& ActionLink() { return actionLink_; }
  // Set while a state comes from the action: no click goes back to it.
  bool clicksDisabled_ = false;
  void WndProc(TMessage& m) override;
  // What the accelerator does: press, toggle or check.
  virtual void AcceleratorPressed() = 0;

 private:
  TActionLink actionLink_{this};
};

// The system push button; a click sets the form's ModalResult when ModalResult is set.
class TButton : public TButtonControl {
  QS_CLASS(TButton)

 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;
  void AcceleratorPressed() override { Click(); }
  // The BS_* style of the window (push, default push, owner-drawn).
  virtual DWORD ButtonStyle() const { return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// The look a glyph strip offers: up, disabled, pressed, latched down (frames 0 to 3).
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
extern const TEnumInfo ButtonLayoutInfo, BitBtnKindInfo;

// Where a button's glyph (from a strip of NumGlyphs frames, or from an image list) and
// caption go, and their drawing; shared by the bit button and the speed button.
struct TButtonFace {
  const TBitmap* Glyph = nullptr;
  int NumGlyphs = 1;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1;   // -1 centres glyph and caption together
  int Spacing = 4;   // between glyph and caption; -1 centres the caption in what is left
  // Draws glyph and caption into r (already shrunk to the face's inside).
  void Draw(TCanvas& canvas, const TRect& r, const std::wstring& caption, TButtonState state,
            bool showAccel) const;
};

// A push button that draws a glyph beside its caption. Kind gives the common captions and
// modal results.
class TBitBtn : public TButton {
  QS_CLASS(TBitBtn)

 public:
  explicit TBitBtn(TComponent* owner);

  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind value);
  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return face_.NumGlyphs; }
  void SetNumGlyphs(int value);
  TCustomImageList* Images() const { return face_.Images; }
  void SetImages(TCustomImageList* value);
  int ImageIndex() const { return face_.ImageIndex; }
  void SetImageIndex(int value);
  TButtonLayout Layout() const { return face_.Layout; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return face_.Margin; }
  void SetMargin(int value);
  int Spacing() const { return face_.Spacing; }
  void SetSpacing(int value);

 protected:
  void WndProc(TMessage& m) override;
  void Notification(TComponent* component, TOperation operation) override;
  DWORD ButtonStyle() const override { return BS_OWNERDRAW; }

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);

  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  std::unique_ptr<TBitmap> glyph_;
  TButtonFace face_;
};

// A windowless button for tool bars: flat or raised, latched Down in groups.
class TSpeedButton : public TGraphicControl {
  QS_CLASS(TSpeedButton)

 public:
  explicit TSpeedButton(TComponent* owner);

  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return face_.NumGlyphs; }
  void SetNumGlyphs(int value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Latched down; only buttons with a GroupIndex stay down.
  bool Down() const { return down_; }
  void SetDown(bool value);
  // Buttons of one parent with the same non-zero GroupIndex release each other.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // Whether a latched button of a group comes up again when clicked.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  TButtonLayout Layout() const { return face_.Layout; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return face_.Margin; }
  void SetMargin(int value);
  int Spacing() const { return face_.Spacing; }
  void SetSpacing(int value);

  TAction* Action() const { return actionLink_.Action(); }
  void SetAction(TAction* action) { actionLink_.SetAction(action); }

  // A click latches or releases the button (by its group rules), then fires OnClick (or runs
  // the action when OnClick is not set).
  void Click() override;

 protected:
  void WndProc(TMessage& m) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  std::unique_ptr<TBitmap> glyph_;
  TButtonFace face_;
  bool flat_ = false;
  bool transparent_ = true;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  TActionLink actionLink_{this};
  bool pressed_ = false;    // the left button is held over it
  bool mouseOver_ = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
extern const TEnumInfo CheckBoxStateInfo;

// What check boxes and radio buttons share: the caption's side of the box, the background
// they paint over, and a check mark kept by the control rather than by the window.
class TCheckButtonControl : public TButtonControl {
  QS_CLASS(TCheckButtonControl)

 public:
  explicit TCheckButtonControl(TComponent* owner);

  // taRightJustify puts the caption right of the box, taLeftJustify left of it.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // Paints over the parent's colour rather than its own.
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  // The BS_* kind of button, the BM_SETCHECK value it shows, and what a user's click does.
  virtual DWORD CheckStyle() const = 0;
  virtual WPARAM CheckValue() const = 0;
  virtual void Clicked() = 0;
  void AcceleratorPressed() override { Clicked(); }
  // Shows CheckValue() in the window.
  void UpdateCheck();

 private:
  TAlignment alignment_ = TAlignment::taRightJustify;
  bool parentBackground_ = true;
};

// The system check box; OnClick fires on every real change of State, from the user or from
// code, and never without one.
class TCustomCheckBox : public TCheckButtonControl {
  QS_CLASS(TCustomCheckBox)

 public:
  explicit TCustomCheckBox(TComponent* owner);

  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  // Whether a click cycles through the grey state too.
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }

  // The next state a click gives.
  void Toggle();

 protected:
  DWORD CheckStyle() const override { return BS_3STATE; }
  WPARAM CheckValue() const override { return static_cast<WPARAM>(state_); }
  void Clicked() override { Toggle(); }

 private:
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
  QS_CLASS(TCheckBox)

 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

// The system radio button: checking one unchecks the radio buttons beside it (same parent).
class TRadioButton : public TCheckButtonControl {
  QS_CLASS(TRadioButton)

 public:
  explicit TRadioButton(TComponent* owner);

  bool Checked() const { return checked_; }
  void SetChecked(bool value);

 protected:
  DWORD CheckStyle() const override { return BS_RADIOBUTTON; }
  WPARAM CheckValue() const override { return checked_ ? BST_CHECKED : BST_UNCHECKED; }
  void Clicked() override { SetChecked(true); }

 private:
  bool checked_ = false;
};

// A framed container with its caption in the top edge of the frame.
class TCustomGroupBox : public TCustomControl {
  QS_CLASS(TCustomGroupBox)

 public:
  explicit TCustomGroupBox(TComponent* owner);

  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool value);

 protected:
  void AdjustClientRect(TRect& r) const override;
  void Paint() override;
  void WndProc(TMessage& m) override;

 private:
  int CaptionHeight() const;

  bool parentBackground_ = true;
};

class TGroupBox : public TCustomGroupBox {
  QS_CLASS(TGroupBox)

 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

void RegisterButtonClasses();
