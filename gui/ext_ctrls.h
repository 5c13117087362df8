// Panels, pictures and bevels.
#pragma once

#include <memory>

#include "gui/controls.h"
#include "gui/pictures.h"
#include "gui/std_ctrls.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle { bsNone, bsSingle };
extern const TEnumInfo BevelCutInfo, BorderStyleInfo;

// A framework-painted container with optional bevels and a centred caption.
class TCustomPanel : public TCustomControl {
  QS_CLASS(TCustomPanel)

 public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& r) const override;
  void Paint() override;

 private:
  void Relayout();

  TAlignment alignment_ = TAlignment::taCenter;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};

class TPanel : public TCustomPanel {
  QS_CLASS(TPanel)

 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// Shows one picture (PNG, BMP, ICO), stretched or at its own size.
class TImage : public TGraphicControl {
  QS_CLASS(TImage)

 public:
  explicit TImage(TComponent* owner);

  TPicture* Picture() const { return picture_.get(); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

 protected:
  void Paint() override;
  // Runs after every change of the shown picture.
  virtual void PictureChanged();

 private:
  TRect DestRect() const;

  std::unique_ptr<TPicture> picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
};

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };
extern const TEnumInfo BevelShapeInfo, BevelStyleInfo;

// A sunken or raised box, frame or line.
class TBevel : public TGraphicControl {
  QS_CLASS(TBevel)

 public:
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle value);

 protected:
  void Paint() override;

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
  TBevelStyle style_ = TBevelStyle::bsLowered;
};

// Makes the classes of this file known to the form reader (RegisterStandardClasses calls it).
void RegisterExtCtrlsClasses();
