#include "gui/graphic_controls.h"

#include <algorithm>

const TEnumInfo ShapeTypeInfo{{L"stRectangle", L"stSquare", L"stRoundRect", L"stRoundSquare", L"stEllipse",
                               L"stCircle"}};

const TClassInfo& TPaintBox::StaticClass() {
  static const TClassInfo info(L"TPaintBox", &TGraphicControl::StaticClass(), &CreateInstance<TPaintBox>,
                               {props::Event(L"OnPaint", &TPaintBox::OnPaint)});
  return info;
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle({TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                   TControlStyleFlag::csDoubleClicks});
  SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
  if (OnPaint) OnPaint(this);
}

const TClassInfo& TShape::StaticClass() {
  static const TClassInfo info(L"TShape", &TGraphicControl::StaticClass(), &CreateInstance<TShape>,
                               {props::Enum(L"Shape", ShapeTypeInfo, &TShape::Shape, &TShape::SetShape),
                                props::Object(L"Pen", &TShape::Pen), props::Object(L"Brush", &TShape::Brush)});
  return info;
}

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  SetControlStyle({TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                   TControlStyleFlag::csDoubleClicks});
  SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType value) {
  if (value == shape_) return;
  shape_ = value;
  Invalidate();
}

void TShape::Paint() {
  HDC dc = Canvas().Handle();
  const int half = pen_->Width / 2;
  int x = half, y = half;
  int w = Width() - pen_->Width + 1, h = Height() - pen_->Width + 1;
  if (pen_->Width == 0) {
    --w;
    --h;
  }
  if (shape_ == TShapeType::stSquare || shape_ == TShapeType::stRoundSquare || shape_ == TShapeType::stCircle) {
    // Squares and circles sit in the middle of the longer side.
    int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  HPEN pen = pen_->Width > 0 ? CreatePen(PS_SOLID, pen_->Width, ColorToRGB(pen_->Color))
                             : static_cast<HPEN>(GetStockObject(NULL_PEN));
  HBRUSH brush = brush_->Style == TBrushStyle::bsClear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                                       : CreateSolidBrush(ColorToRGB(brush_->Color));
  HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
  switch (shape_) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
      ::Rectangle(dc, x, y, x + w, y + h);
      break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare:
      RoundRect(dc, x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4);
      break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
      Ellipse(dc, x, y, x + w, y + h);
      break;
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  if (pen_->Width > 0) DeleteObject(pen);
  if (brush_->Style != TBrushStyle::bsClear) DeleteObject(brush);
}

void RegisterGraphicControlClasses() {
  RegisterClass(TPaintBox::StaticClass());
  RegisterClass(TShape::StaticClass());
}
