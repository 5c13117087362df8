// Standard controls: the windowless label and the native push button.
#pragma once

#include "gui/controls.h"
#include "gui/forms.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
extern const TEnumInfo AlignmentInfo, TextLayoutInfo;

// Text painted by its parent; transparent over pictures when Transparent is set.
class TLabel : public TGraphicControl {
  QS_CLASS(TLabel)

 public:
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);

  void Loaded() override;

 protected:
  void WndProc(TMessage& m) override;
  void Paint() override;

 private:
  UINT TextFormat() const;
  // Fits the size to the text while AutoSize is set.
  void AdjustBounds();

  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};

// The system push button; a click sets the form's ModalResult when ModalResult is set.
class TButton : public TWinControl {
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

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

// Makes the classes of this file known to the form reader (RegisterStandardClasses calls it).
void RegisterStdCtrlsClasses();
