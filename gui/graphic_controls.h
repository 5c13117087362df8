// Windowless drawing controls: the paint box the page draws on and the plain shape.
#pragma once

#include "gui/controls.h"

// Its parent paints it by calling OnPaint with Canvas bound to the parent's DC and the origin
// at the box's top-left.
class TPaintBox : public TGraphicControl {
  QS_CLASS(TPaintBox)

 public:
  explicit TPaintBox(TComponent* owner);

  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
};

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
extern const TEnumInfo ShapeTypeInfo;

// A rectangle, square, rounded box, ellipse or circle outlined with Pen and filled with Brush.
class TShape : public TGraphicControl {
  QS_CLASS(TShape)

 public:
  explicit TShape(TComponent* owner);

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType value);
  // Changed in place; the shape shows them at its next paint (call Invalidate).
  TPen* Pen() const { return pen_.get(); }
  TBrush* Brush() const { return brush_.get(); }

 protected:
  void Paint() override;

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
};

void RegisterGraphicControlClasses();
