#include "gui/buttons.h"

#include <algorithm>
#include <cwctype>

const TEnumInfo ButtonLayoutInfo{{L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"}};
const TEnumInfo BitBtnKindInfo{{L"bkCustom", L"bkOK", L"bkCancel", L"bkHelp", L"bkYes", L"bkNo", L"bkClose",
                                L"bkAbort", L"bkRetry", L"bkIgnore", L"bkAll"}};
const TEnumInfo CheckBoxStateInfo{{L"cbUnchecked", L"cbChecked", L"cbGrayed"}};

bool IsAccel(wchar_t key, const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // "&&" is an ampersand
      continue;
    }
    return std::towupper(caption[i + 1]) == std::towupper(key);
  }
  return false;
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TButtonControl::StaticClass() {
  static const TClassInfo info(L"TButtonControl", &TWinControl::StaticClass(), nullptr,
                               {props::Ref(L"Action", &TButtonControl::Action, &TButtonControl::SetAction)});
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButtonControl::Click() {
  if (clicksDisabled_) return;
  if (!OnClick && actionLink_.Action())
    actionLink_.Execute();
  else
    TWinControl::Click();
}

void TButtonControl::WndProc(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR) {
    bool take = Enabled() && Showing() && IsAccel(static_cast<wchar_t>(m.WParam), Caption());
    if (take) {
      std::shared_ptr<bool> alive = UntilFreedToken();
      SetFocus();
      if (*alive) AcceleratorPressed();
    }
    m.Result = take ? 1 : 0;
    return;
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info(L"TButton", &TButtonControl::StaticClass(), &CreateInstance<TButton>,
                               {props::Bool(L"Default", &TButton::Default, &TButton::SetDefault),
                                props::Bool(L"Cancel", &TButton::Cancel, &TButton::SetCancel),
                                props::Int(L"ModalResult", &TButton::ModalResult, &TButton::SetModalResult,
                                           &ModalResultIdents)});
  return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  // The system button captures the mouse and reports its own clicks.
  SetControlStyle({TControlStyleFlag::csDoubleClicks});
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.BaseClass = L"BUTTON";
  params.Style |= ButtonStyle();
  if (TabStop()) params.Style |= WS_TABSTOP;
}

void TButton::Click() {
  if (modalResult_ != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CM_DIALOGKEY) {
    // Enter presses the focused button, else the default one; Escape the cancel button.
    bool take = false;
    if (m.WParam == VK_RETURN)
      take = Focused() || (default_ && !dynamic_cast<TButton*>(ControlFromHandle(GetFocus())));
    else if (m.WParam == VK_ESCAPE)
      take = cancel_;
    if (take) Click();
    m.Result = take ? 1 : 0;
    return;
  }
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) Click();
    m.Result = 0;
    return;
  }
  TButtonControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------

namespace {

// The frame of a glyph strip for a state: missing frames fall back to the first.
int GlyphFrame(TButtonState state, int numGlyphs) {
  int frame = static_cast<int>(state);
  return frame < numGlyphs ? frame : 0;
}

}  // namespace

void TButtonFace::Draw(TCanvas& canvas, const TRect& r, const std::wstring& caption, TButtonState state,
                       bool showAccel) const {
  const bool haveGlyph = Glyph && !Glyph->Empty();
  const bool haveImage = !haveGlyph && Images && ImageIndex >= 0 && ImageIndex < Images->Count();
  const int frames = std::max(1, std::min(NumGlyphs, 4));
  SIZE glyph = {0, 0};
  if (haveGlyph) glyph = SIZE{Glyph->Width() / frames, Glyph->Height()};
  if (haveImage) glyph = SIZE{Images->Width(), Images->Height()};

  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | (showAccel ? 0 : DT_NOPREFIX);
  TRect textSize = Rect(0, 0, 0, 0);
  if (!caption.empty()) canvas.DrawText(caption, textSize, format | DT_CALCRECT);
  const SIZE text = {::Width(textSize), ::Height(textSize)};

  const bool horizontal = Layout == TButtonLayout::blGlyphLeft || Layout == TButtonLayout::blGlyphRight;
  const int room = horizontal ? ::Width(r) : ::Height(r);
  const int glyphExtent = horizontal ? glyph.cx : glyph.cy;
  const int textExtent = horizontal ? text.cx : text.cy;
  int spacing = (glyphExtent == 0 || textExtent == 0) ? 0 : Spacing;
  int margin = Margin;
  if (margin < 0) {
    // Glyph and caption centred together (or the caption centred in what the glyph leaves).
    if (spacing < 0) {
      margin = (room - glyphExtent - textExtent) / 3;
      spacing = margin;
    } else {
      margin = (room - glyphExtent - textExtent - spacing) / 2;
    }
  } else if (spacing < 0) {
    spacing = (room - margin - glyphExtent - textExtent) / 2;
  }
  // Positions along the layout direction, from the edge the glyph sits at.
  POINT g = {r.left + (::Width(r) - glyph.cx) / 2, r.top + (::Height(r) - glyph.cy) / 2};
  TRect t = Bounds(r.left + (::Width(r) - text.cx) / 2, r.top + (::Height(r) - text.cy) / 2, text.cx, text.cy);
  switch (Layout) {
    case TButtonLayout::blGlyphLeft:
      g.x = r.left + margin;
      OffsetRect(&t, g.x + glyph.cx + spacing - t.left, 0);
      break;
    case TButtonLayout::blGlyphRight:
      g.x = r.right - margin - glyph.cx;
      OffsetRect(&t, g.x - spacing - text.cx - t.left, 0);
      break;
    case TButtonLayout::blGlyphTop:
      g.y = r.top + margin;
      OffsetRect(&t, 0, g.y + glyph.cy + spacing - t.top);
      break;
    case TButtonLayout::blGlyphBottom:
      g.y = r.bottom - margin - glyph.cy;
      OffsetRect(&t, 0, g.y - spacing - text.cy - t.top);
      break;
  }
  const bool disabled = state == TButtonState::bsDisabled;
  if (haveGlyph) {
    // The strip goes through an image list: transparent by its bottom-left colour, and greyed
    // when it has no disabled frame of its own.
    TImageList list(nullptr);
    list.SetWidth(glyph.cx);
    list.SetHeight(glyph.cy);
    list.AddStrip(Glyph);
    int frame = GlyphFrame(state, frames);
    list.Draw(canvas, g.x, g.y, frame, !(disabled && frame == 0));
  } else if (haveImage) {
    Images->Draw(canvas, g.x, g.y, ImageIndex, !disabled);
  }
  if (!caption.empty()) {
    if (disabled) {
      // The classic engraved caption: highlight one pixel down-right, shadow on top.
      TRect shifted = t;
      OffsetRect(&shifted, 1, 1);
      canvas.Font().SetColor(clBtnHighlight);
      canvas.DrawText(caption, shifted, format);
      canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(caption, t, format);
  }
}

// ---------------------------------------------------------------------------------------------

namespace {

struct KindLook {
  const wchar_t* caption;
  TModalResult result;
};

const KindLook& LookOf(TBitBtnKind kind) {
  static const KindLook looks[] = {
      {L"", mrNone},       {L"OK", mrOk},        {L"Cancel", mrCancel}, {L"&Help", mrNone},
      {L"&Yes", mrYes},    {L"&No", mrNo},       {L"&Close", mrNone},   {L"Abort", mrAbort},
      {L"&Retry", mrRetry}, {L"&Ignore", mrIgnore}, {L"&All", mrAll}};
  return looks[static_cast<int>(kind)];
}

}  // namespace

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info(
      L"TBitBtn", &TButton::StaticClass(), &CreateInstance<TBitBtn>,
      {props::Enum(L"Kind", BitBtnKindInfo, &TBitBtn::Kind, &TBitBtn::SetKind),
       props::Object(L"Glyph", &TBitBtn::Glyph),
       props::Int(L"NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs),
       props::Ref(L"Images", &TBitBtn::Images, &TBitBtn::SetImages),
       props::Int(L"ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex),
       props::Enum(L"Layout", ButtonLayoutInfo, &TBitBtn::Layout, &TBitBtn::SetLayout),
       props::Int(L"Margin", &TBitBtn::Margin, &TBitBtn::SetMargin),
       props::Int(L"Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)});
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {
  face_.Glyph = glyph_.get();
}

void TBitBtn::SetKind(TBitBtnKind value) {
  kind_ = value;
  if (value == TBitBtnKind::bkCustom) return;
  const KindLook& look = LookOf(value);
  SetCaption(look.caption);
  SetModalResult(look.result);
  if (value == TBitBtnKind::bkOK || value == TBitBtnKind::bkYes) SetDefault(true);
  if (value == TBitBtnKind::bkCancel || value == TBitBtnKind::bkNo) SetCancel(true);
}

void TBitBtn::SetNumGlyphs(int value) {
  value = std::max(1, std::min(value, 4));
  if (value == face_.NumGlyphs) return;
  face_.NumGlyphs = value;
  Invalidate();
}

void TBitBtn::SetImages(TCustomImageList* value) {
  if (value == face_.Images) return;
  face_.Images = value;
  if (value) value->FreeNotification(this);
  Invalidate();
}

void TBitBtn::SetImageIndex(int value) {
  if (value == face_.ImageIndex) return;
  face_.ImageIndex = value;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  if (value == face_.Layout) return;
  face_.Layout = value;
  Invalidate();
}

void TBitBtn::SetMargin(int value) {
  value = std::max(-1, value);
  if (value == face_.Margin) return;
  face_.Margin = value;
  Invalidate();
}

void TBitBtn::SetSpacing(int value) {
  value = std::max(-1, value);
  if (value == face_.Spacing) return;
  face_.Spacing = value;
  Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
  TButton::Notification(component, operation);
  if (operation == TOperation::opRemove && component == face_.Images) face_.Images = nullptr;
}

void TBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
      m.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a double click instead of a second click: a quick
      // second press is a press.
      m.Msg = WM_LBUTTONDOWN;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
      TButton::WndProc(m);
      Invalidate();  // the focus frame and the greyed face
      return;
  }
  TButton::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  TCanvas canvas(item.hDC);
  canvas.Font().Assign(*Font());
  TRect r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0 || !Enabled();
  if (Default() || focused) {
    canvas.Brush().Color = clWindowText;
    canvas.FrameRect(r);
    InflateRect(&r, -1, -1);
  }
  UINT edge = DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0);
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, edge);
  InflateRect(&r, -2, -2);
  if (pressed) OffsetRect(&r, 1, 1);
  SetBkMode(item.hDC, TRANSPARENT);
  TButtonState state = disabled ? TButtonState::bsDisabled : pressed ? TButtonState::bsDown : TButtonState::bsUp;
  face_.Draw(canvas, r, Caption(), state, (item.itemState & ODS_NOACCEL) == 0);
  if (focused) {
    TRect f = item.rcItem;
    InflateRect(&f, -4, -4);
    DrawFocusRect(item.hDC, &f);
  }
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info(
      L"TSpeedButton", &TGraphicControl::StaticClass(), &CreateInstance<TSpeedButton>,
      {props::Object(L"Glyph", &TSpeedButton::Glyph),
       props::Int(L"NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs),
       props::Bool(L"Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
       props::Bool(L"Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent),
       props::Int(L"GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex),
       props::Bool(L"Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
       props::Bool(L"AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp),
       props::Enum(L"Layout", ButtonLayoutInfo, &TSpeedButton::Layout, &TSpeedButton::SetLayout),
       props::Int(L"Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin),
       props::Int(L"Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing),
       props::Ref(L"Action", &TSpeedButton::Action, &TSpeedButton::SetAction)});
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  face_.Glyph = glyph_.get();
  SetControlStyle({TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                   TControlStyleFlag::csDoubleClicks});
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetNumGlyphs(int value) {
  value = std::max(1, std::min(value, 4));
  if (value == face_.NumGlyphs) return;
  face_.NumGlyphs = value;
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;  // only grouped buttons latch
  if (value == down_) return;
  down_ = value;
  if (value && Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
        other->down_ = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  if (value == 0) SetDown(false);
}

void TSpeedButton::SetAllowAllUp(bool value) { allowAllUp_ = value; }

void TSpeedButton::SetLayout(TButtonLayout value) {
  if (value == face_.Layout) return;
  face_.Layout = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  value = std::max(-1, value);
  if (value == face_.Margin) return;
  face_.Margin = value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  value = std::max(-1, value);
  if (value == face_.Spacing) return;
  face_.Spacing = value;
  Invalidate();
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) {
    if (!down_)
      SetDown(true);
    else if (allowAllUp_)
      SetDown(false);
  }
  if (!OnClick && actionLink_.Action())
    actionLink_.Execute();
  else
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled()) {
    pressed_ = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  if (shift.Contains(TShiftStateFlag::ssLeft) && CaptureControl() == this) {
    // Dragged off, the button comes up; dragged back, it goes down again.
    TRect r = ClientRect();
    bool inside = PtInRect(&r, POINT{x, y}) != FALSE;
    if (inside != pressed_) {
      pressed_ = inside;
      Invalidate();
    }
  }
  TGraphicControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && pressed_) {
    pressed_ = false;
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::WndProc(TMessage& m) {
  if ((m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) && m.LParam == reinterpret_cast<LPARAM>(this)) {
    mouseOver_ = m.Msg == CM_MOUSEENTER;
    if (flat_) Invalidate();
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  const bool sunken = pressed_ || down_;
  if (!transparent_ || !flat_) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = Color();
    canvas.FillRect(r);
  }
  if (!flat_) {
    DrawEdge(canvas.Handle(), &r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else if (sunken || (mouseOver_ && Enabled())) {
    // A flat button shows its edge only under the mouse or when down.
    DrawEdge(canvas.Handle(), &r, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  InflateRect(&r, -2, -2);
  if (sunken) OffsetRect(&r, 1, 1);
  SetBkMode(canvas.Handle(), TRANSPARENT);
  TButtonState state = !Enabled() ? TButtonState::bsDisabled
                       : pressed_ ? TButtonState::bsDown
                       : down_    ? TButtonState::bsExclusive
                                  : TButtonState::bsUp;
  face_.Draw(canvas, r, Caption(), state, true);
}

// ---------------------------------------------------------------------------------------------

namespace {
// The colour painted behind the controls of `control`: its own, or, for a group box that paints
// its parent's background, what its parent paints (a page's colour shows through the frame, so
// the boxes inside it take that colour too and not the frame's own Color).
TColor PaintedColour(const TWinControl* control) {
  while (auto* box = dynamic_cast<const TCustomGroupBox*>(control)) {
    if (!box->ParentBackground() || !box->Parent()) break;
    control = box->Parent();
  }
  return control->Color();
}
}  // namespace

const TClassInfo& TCheckButtonControl::StaticClass() {
  static const TClassInfo info(
      L"TCheckButtonControl", &TButtonControl::StaticClass(), nullptr,
      {props::Enum(L"Alignment", AlignmentInfo, &TCheckButtonControl::Alignment,
                   &TCheckButtonControl::SetAlignment),
       props::Bool(L"ParentBackground", &TCheckButtonControl::ParentBackground,
                   &TCheckButtonControl::SetParentBackground)});
  return info;
}

TCheckButtonControl::TCheckButtonControl(TComponent* owner) : TButtonControl(owner) {
  SetControlStyle({TControlStyleFlag::csDoubleClicks});
}

void TCheckButtonControl::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  RecreateWnd();
}

void TCheckButtonControl::SetParentBackground(bool value) {
  if (value == parentBackground_) return;
  parentBackground_ = value;
  Invalidate();
}

void TCheckButtonControl::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.BaseClass = L"BUTTON";
  // Not an automatic style: clicks come as BN_CLICKED and the control decides the new mark.
  params.Style |= CheckStyle() | (alignment_ == TAlignment::taLeftJustify ? BS_LEFTTEXT : 0);
  if (TabStop()) params.Style |= WS_TABSTOP;
}

void TCheckButtonControl::CreateWnd() {
  TButtonControl::CreateWnd();
  UpdateCheck();
}

void TCheckButtonControl::UpdateCheck() {
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, CheckValue(), 0);
}

void TCheckButtonControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED || HIWORD(m.WParam) == BN_DOUBLECLICKED) Clicked();
      m.Result = 0;
      return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
      TColor back = parentBackground_ && Parent() ? PaintedColour(Parent()) : Color();
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      SetBkColor(dc, ColorToRGB(back));
      SetDCBrushColor(dc, ColorToRGB(back));
      m.Result = reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
      return;
    }
  }
  TButtonControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TCustomCheckBox::StaticClass() {
  static const TClassInfo info(
      L"TCustomCheckBox", &TCheckButtonControl::StaticClass(), nullptr,
      {props::Bool(L"Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked),
       props::Enum(L"State", CheckBoxStateInfo, &TCustomCheckBox::State, &TCustomCheckBox::SetState),
       props::Bool(L"AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)});
  return info;
}

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info(L"TCheckBox", &TCustomCheckBox::StaticClass(), &CreateInstance<TCheckBox>, {});
  return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TCheckButtonControl(owner) {
  SetBounds(0, 0, 97, 17);
  ActionLink().SetChecked = [this](bool value) {
    clicksDisabled_ = true;
    SetChecked(value);
    clicksDisabled_ = false;
  };
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  UpdateCheck();
  // Every real change is a click, from the user or from code; none while the form is read.
  if (!IsLoading()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked:
      SetState(TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed:
      SetState(TCheckBoxState::cbChecked);
      break;
  }
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info(L"TRadioButton", &TCheckButtonControl::StaticClass(), &CreateInstance<TRadioButton>,
                               {props::Bool(L"Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)});
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TCheckButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  UpdateCheck();
  if (!value) return;
  if (Parent())
    for (int i = 0; i < Parent()->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)))
        if (other != this) other->SetChecked(false);
  if (!IsLoading()) Click();
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TCustomGroupBox::StaticClass() {
  static const TClassInfo info(
      L"TCustomGroupBox", &TCustomControl::StaticClass(), nullptr,
      {props::Bool(L"ParentBackground", &TCustomGroupBox::ParentBackground, &TCustomGroupBox::SetParentBackground)});
  return info;
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info(L"TGroupBox", &TCustomGroupBox::StaticClass(), &CreateInstance<TGroupBox>, {});
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle({TControlStyleFlag::csAcceptsControls, TControlStyleFlag::csCaptureMouse,
                   TControlStyleFlag::csClickEvents, TControlStyleFlag::csDoubleClicks});
  // A frame on a page takes the page's colour unless the form file gives it one, so the check
  // boxes and radio buttons inside it paint over the same colour as the frame.
  SetDefaultParentColor(true);
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::SetParentBackground(bool value) {
  if (value == parentBackground_) return;
  parentBackground_ = value;
  Invalidate();
}

int TCustomGroupBox::CaptionHeight() const {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

void TCustomGroupBox::AdjustClientRect(TRect& r) const {
  // Aligned children stay inside the frame and below the caption.
  r.top += CaptionHeight();
  InflateRect(&r, -2, -2);
}

void TCustomGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = parentBackground_ && Parent() ? PaintedColour(Parent()) : Color();
  canvas.FillRect(r);
  const int h = CaptionHeight();
  TRect frame = r;
  frame.top += h / 2;
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty()) return;
  TRect text = Rect(0, 0, 0, 0);
  canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
  text = Bounds(8, 0, ::Width(text) + 4, h);
  canvas.FillRect(text);  // the caption cuts through the frame
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TCustomGroupBox::WndProc(TMessage& m) {
  TCustomControl::WndProc(m);
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) {
    Invalidate();
    AlignControls();
  }
}

// ---------------------------------------------------------------------------------------------

void RegisterButtonClasses() {
  for (const TClassInfo* c : {&TButton::StaticClass(), &TBitBtn::StaticClass(), &TSpeedButton::StaticClass(),
                              &TCheckBox::StaticClass(), &TRadioButton::StaticClass(), &TGroupBox::StaticClass()})
    RegisterClass(*c);
}
