// Standard controls: the windowless label (buttons are in buttons.h).
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

// Makes the classes of this file known to the form reader (RegisterStandardClasses calls it).
void RegisterStdCtrlsClasses();
