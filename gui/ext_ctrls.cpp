#include "gui/ext_ctrls.h"

#include <algorithm>

const TEnumInfo BevelCutInfo{{L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace"}};
const TEnumInfo BorderStyleInfo{{L"bsNone", L"bsSingle"}};
const TEnumInfo BevelShapeInfo{{L"bsBox", L"bsFrame", L"bsTopLine", L"bsBottomLine", L"bsLeftLine", L"bsRightLine",
                                L"bsSpacer"}};
const TEnumInfo BevelStyleInfo{{L"bsLowered", L"bsRaised"}};

const TClassInfo& TCustomPanel::StaticClass() {
  static const TClassInfo info(
      L"TCustomPanel", &TCustomControl::StaticClass(), nullptr,
      {props::Enum(L"Alignment", AlignmentInfo, &TCustomPanel::Alignment, &TCustomPanel::SetAlignment),
       props::Enum(L"BevelInner", BevelCutInfo, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner),
       props::Enum(L"BevelOuter", BevelCutInfo, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter),
       props::Int(L"BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth),
       props::Int(L"BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth),
       props::Enum(L"BorderStyle", BorderStyleInfo, &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle)});
  return info;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info(L"TPanel", &TCustomPanel::StaticClass(), &CreateInstance<TPanel>, {});
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle({TControlStyleFlag::csAcceptsControls, TControlStyleFlag::csCaptureMouse,
                   TControlStyleFlag::csClickEvents, TControlStyleFlag::csDoubleClicks, TControlStyleFlag::csOpaque});
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Relayout() {
  Invalidate();
  AlignControls();
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (value == bevelInner_) return;
  bevelInner_ = value;
  Relayout();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  Relayout();
}

void TCustomPanel::SetBevelWidth(int value) {
  value = std::max(1, value);
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  Relayout();
}

void TCustomPanel::SetBorderWidth(int value) {
  value = std::max(0, value);
  if (value == borderWidth_) return;
  borderWidth_ = value;
  Relayout();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
  AlignControls();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::AdjustClientRect(TRect& r) const {
  int inset = borderWidth_;
  if (bevelOuter_ != TBevelCut::bvNone) inset += bevelWidth_;
  if (bevelInner_ != TBevelCut::bvNone) inset += bevelWidth_;
  InflateRect(&r, -inset, -inset);
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    TColor light = cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
    TColor dark = cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
    if (cut == TBevelCut::bvSpace) light = dark = Color();
    Frame3D(canvas, r, light, dark, bevelWidth_);
  };
  bevel(bevelOuter_);
  Frame3D(canvas, r, Color(), Color(), borderWidth_);
  bevel(bevelInner_);
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = Color();
  canvas.FillRect(r);
  if (!Caption().empty()) {
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
    canvas.DrawText(Caption(), r, format);
  }
}

const TClassInfo& TImage::StaticClass() {
  static const TClassInfo info(L"TImage", &TGraphicControl::StaticClass(), &CreateInstance<TImage>,
                               {props::Object(L"Picture", &TImage::Picture),
                                props::Bool(L"AutoSize", &TImage::AutoSize, &TImage::SetAutoSize),
                                props::Bool(L"Stretch", &TImage::Stretch, &TImage::SetStretch),
                                props::Bool(L"Center", &TImage::Center, &TImage::SetCenter),
                                props::Bool(L"Proportional", &TImage::Proportional, &TImage::SetProportional),
                                props::Bool(L"Transparent", &TImage::Transparent, &TImage::SetTransparent)});
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  picture_->OnChange = [this] { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

void TImage::PictureChanged() {
  if (TGraphic* g = picture_->Graphic()) g->SetTransparent(transparent_);
  if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  PictureChanged();
}

void TImage::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (value == center_) return;
  center_ = value;
  Invalidate();
}

void TImage::SetProportional(bool value) {
  if (value == proportional_) return;
  proportional_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  PictureChanged();
}

TRect TImage::DestRect() const {
  int w = picture_->Width(), h = picture_->Height();
  int cw = Width(), ch = Height();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (!proportional_ || w <= 0 || h <= 0) return Rect(0, 0, cw, ch);
    // Fit inside while keeping the picture's shape.
    if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
      w = static_cast<int>(static_cast<long long>(w) * ch / h);
      h = ch;
    } else {
      h = static_cast<int>(static_cast<long long>(h) * cw / w);
      w = cw;
    }
  }
  if (center_) return Bounds((cw - w) / 2, (ch - h) / 2, w, h);
  return Bounds(0, 0, w, h);
}

void TImage::Paint() { Canvas().StretchDraw(DestRect(), picture_->Graphic()); }

const TClassInfo& TBevel::StaticClass() {
  static const TClassInfo info(L"TBevel", &TGraphicControl::StaticClass(), &CreateInstance<TBevel>,
                               {props::Enum(L"Shape", BevelShapeInfo, &TBevel::Shape, &TBevel::SetShape),
                                props::Enum(L"Style", BevelStyleInfo, &TBevel::Style, &TBevel::SetStyle)});
  return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle({TControlStyleFlag::csCaptureMouse});
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
  if (value == shape_) return;
  shape_ = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (value == style_) return;
  style_ = value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& canvas = Canvas();
  TColor first = style_ == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
  int w = Width(), h = Height();
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().Color = color;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  switch (shape_) {
    case TBevelShape::bsBox: {
      TRect r = Rect(0, 0, w, h);
      Frame3D(canvas, r, first, second, 1);
      break;
    }
    case TBevelShape::bsFrame: {
      // An etched frame: two outlines one pixel apart.
      TRect outer = Rect(1, 1, w, h), inner = Rect(0, 0, w - 1, h - 1);
      Frame3D(canvas, outer, second, second, 1);
      Frame3D(canvas, inner, first, first, 1);
      break;
    }
    case TBevelShape::bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case TBevelShape::bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case TBevelShape::bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case TBevelShape::bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}

void RegisterExtCtrlsClasses() {
  for (const TClassInfo* c : {&TPanel::StaticClass(), &TImage::StaticClass(), &TBevel::StaticClass()})
    RegisterClass(*c);
}
