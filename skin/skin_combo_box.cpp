#include "skin/skin_combo_box.h"

#include <oleacc.h>

#include "skin/button_rules.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/entry_rules.h"
#include "skin/skin_combo_scrollbar.h"
#include "skin/skin_data.h"
#include "skin/skin_scrollbar.h"

const TClassInfo& TSkinComBox::StaticClass() {
  static const TClassInfo info(L"TSkinComBox", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

constexpr uint8_t kMouseOver = 1, kPressed = 2;

}  // namespace

// Routes the edit child's messages to the combo box's skinner.
class TSkinComBox::TEditHook : public TSkinHook {
 public:
  explicit TEditHook(TSkinComBox* owner) : owner_(owner) {}
  void WndProc(TMessage& m) override { owner_->EditWindowProc(m); }

 private:
  TSkinComBox* owner_;
};

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}

TSkinComBox::~TSkinComBox() { UnsubclassEdit(); }

void TSkinComBox::ReadStyles() {
  if (!Handle) return;
  style_ = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
  exStyle_ = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
}

void TSkinComBox::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (IsAttached()) return;
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  ReadStyles();
  AttachListScrollBar();
  if (DropDownStyle() && !IsUnicode) SubclassEdit();
}

void TSkinComBox::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) {
  if (IsAttached()) return;
  TSkinControl::AttachWindow(window, skinData, canvas, host);
  ReadStyles();
  AttachListScrollBar();
  if (DropDownStyle() && !IsUnicode) SubclassEdit();
}

void TSkinComBox::AttachListScrollBar() {
  COMBOBOXINFO info{};
  if (!Handle || !GetComboBoxInfoSafe(Handle, &info) || !info.hwndList) return;
  if (DropDownStyle()) {
    if (!(style_ & CBS_DROPDOWN)) return;
    DropScrollBar = new TComboxScrollBar(Owner());
    DropScrollBar->AttachWindow(info.hwndList, SkinData, nullptr, Host());
    return;
  }
  // A simple combo box's list is a child of the combo box, with room beside it for a panel.
  if (IsPopupOrDesktopChild(info.hwndList) || !(GetWindowLongPtrW(info.hwndList, GWL_STYLE) & WS_CHILD)) return;
  ListScrollBar = new TSkinScrollbarH(Owner());
  ListScrollBar->AttachWindow(info.hwndList, SkinData, nullptr, Host());
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  UnsubclassEdit();
}

void TSkinComBox::SubclassEdit() {
  HWND edit = GetTopWindow(Handle);
  if (!edit) return;
  editHook_ = std::make_unique<TEditHook>(this);
  if (editHook_->HookWindow(edit))
    EditWindow = edit;
  else
    editHook_.reset();
}

void TSkinComBox::UnsubclassEdit() {
  if (editHook_) editHook_->RemoveHook();
  editHook_.reset();
  EditWindow = nullptr;
}

void TSkinComBox::EditWindowProc(TMessage& m) {
  editHook_->CallDefault(m);
  if (!Enabled) return;
  if (m.Msg == WM_PAINT)
    RepaintWindow(nullptr);
  else
    FollowButton(m.Msg);
}

void TSkinComBox::FollowButton(UINT msg) {
  if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)
    MouseState |= kPressed;
  else if (msg == WM_LBUTTONUP)
    MouseState &= ~kPressed;
  else
    return;
  Repaint();
}

void TSkinComBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    case WM_MOUSEMOVE: {
      const POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      const THoverChange change =
          ComboHoverChange((MouseState & kMouseOver) != 0, PtInRect(&ButtonRect, p) != FALSE, WindowEnabled);
      if (change == THoverChange::Enter) {
        MouseState |= kMouseOver;
        // A plain window hears of the mouse leaving only when it asks.
        TrackMouseLeave(Handle);
        Repaint();
      } else if (change == THoverChange::Leave) {
        MouseState &= ~kMouseOver;
        Repaint();
      }
      break;
    }
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      FollowButton(m.Msg);
      break;
    case CM_MOUSELEAVE:
    case WM_MOUSELEAVE:
      if (MouseState & kMouseOver) {
        MouseState &= ~kMouseOver;
        Repaint();
      }
      break;
    case CN_COMMAND:
      if (HIWORD(m.WParam) == CBN_DROPDOWN) DroppedDown = true;
      if (HIWORD(m.WParam) == CBN_CLOSEUP) DroppedDown = false;
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

bool TSkinComBox::HasFocus() const {
  HWND focus = GetFocus();
  // A drop-down combo box's edit takes the focus for it.
  return focus && (focus == Handle || IsChild(Handle, focus));
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* button = SkinData ? SkinData->Elements.ComboButton.get() : nullptr;
  if (!button || button->Image.Empty() || !Handle) return;
  ReadStyles();
  RECT r = rect;
  OffsetRect(&r, -r.left, -r.top);
  const bool known = GetComboBoxInfoSafe(Handle, &Info);
  if (known && !DropDownStyle()) FillBelowList(dc, r);
  if (known) {
    ButtonRect = Info.rcButton;
    if (Info.stateButton & STATE_SYSTEM_INVISIBLE) return;
  }
  const bool buttonLeft = ComboButtonOnLeft((exStyle_ & WS_EX_LEFTSCROLLBAR) != 0, known ? &Info.rcButton : nullptr,
                                            r.right);
  if (button->Style == 1) {
    DrawSimple(dc, rect, buttonLeft);
    return;
  }
  Focused = HasFocus();
  WindowEnabled = !(style_ & WS_DISABLED);
  const int frame =
      ComboFrame(TComboLookState{WindowEnabled, (MouseState & kPressed) != 0, Focused, (MouseState & kMouseOver) != 0});
  if (ExtendedCombo) {
    DrawExFrame(dc, r);
    DrawExArrow(dc, frame);
    return;
  }
  if (button->Style == 2) {
    // The composed strips: the frame and the button in one, mirrored for a button on the left.
    const TDataSkinObject* strip = button;
    if (buttonLeft && SkinData->Elements.SunkEdge) strip = SkinData->Elements.SunkEdge.get();
    const int frames = strip->Frames();
    DrawElement(dc, r, TElementLook{strip->Image, strip->Margins(), false, true},
                TElementFrame{StripFrame(frame, frames), frames});
    return;
  }
  DrawSeparate(dc, r, frame, buttonLeft);
}

void TSkinComBox::DrawSeparate(HDC dc, const RECT& r, int frame, bool buttonLeft) {
  const TSkinElements& skin = SkinData->Elements;
  if (!skin.SunkEdge) return;
  const TDataSkinBorder& button = *skin.ComboButton;
  const TComboParts parts = ComboParts(r, GetSystemMetrics(SM_CXHSCROLL), buttonLeft);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, parts.Excluded.left, parts.Excluded.top, parts.Excluded.right, parts.Excluded.bottom);
  DrawElementFrame(dc, r, skin.SunkEdge->Frames(), frame, *skin.SunkEdge);
  const TBitmap& image = buttonLeft && !button.Image2.Empty() ? button.Image2 : button.Image;
  DrawFrameKeyed(dc, parts.Button, button.Frames(), frame, image);
  ButtonRect = parts.Button;
  if (skin.ExtraImages && !skin.ExtraImages->Image.Empty()) {
    const int frames = skin.ExtraImages->Frames();
    DrawElementCellCentered(dc, parts.Glyph, skin.ExtraImages->Image, true, frames, StripFrame(frame, frames));
  }
  RestoreDC(dc, saved);
}

void TSkinComBox::FillBelowList(HDC dc, const RECT& r) {
  // A simple combo box keeps its height while its list shows whole rows only: the strip left
  // below the list is painted by nobody else.
  RECT combo{}, list{};
  if (!Info.hwndList || !GetWindowRect(Handle, &combo) || !GetWindowRect(Info.hwndList, &list)) return;
  const RECT below{r.left, list.bottom - combo.top, r.right, r.bottom};
  if (below.bottom > below.top) FillParentColour(dc, below);
}

void TSkinComBox::DrawSimple(HDC dc, const RECT& rect, bool buttonLeft) {
  const TDataSkinBorder& button = *SkinData->Elements.ComboButton;
  WindowEnabled = !(style_ & WS_DISABLED);
  const int frame = ComboSimpleFrame(
      TComboLookState{WindowEnabled, (MouseState & kPressed) != 0, HasFocus(), (MouseState & kMouseOver) != 0});
  const int frames = button.Frames();
  const int fw = button.Image.Width() / frames, fh = button.Image.Height();
  HBRUSH current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, current);
  InflateRect(&inner, -1, -1);
  // The native button's place, in the control's own colour.
  const int g = GetSystemMetrics(SM_CYVTHUMB);
  RECT native = inner;
  if (buttonLeft)
    native.right = native.left + g;
  else
    native.left = native.right - g;
  FillRect(dc, &native, current);
  const RECT b = ComboSimpleButton(inner, fw, fh, g, buttonLeft);
  DrawSunkenBorder(dc, rect, EntryColour(SkinData, kColourButtonShadow), 0);
  ButtonRect = b;
  DrawFrameKeyed(dc, b, frames, frame, button.Image);
}

void TSkinComBox::DrawExFrame(HDC dc, const RECT& rect) {
  if (!HasBorderToPaint(Handle, rect)) return;
  DrawSunkenBorder(dc, rect, EntryColour(SkinData, kColourButtonShadow), 1);
}

void TSkinComBox::DrawExArrow(HDC dc, int frame) {
  const TDataSkinObject* arrow = SkinData->Elements.ComboxArrow.get();
  HWND edit = EditWindow ? EditWindow : GetTopWindow(Handle);
  if (!edit) return;
  RECT combo{}, r{};
  GetWindowRect(Handle, &combo);
  GetWindowRect(edit, &r);
  OffsetRect(&r, -combo.left, -combo.top);
  FillSolid(dc, r, EntryColour(SkinData, kColourButtonFace));
  if (arrow && !arrow->Image.Empty()) DrawFrameKeyed(dc, r, arrow->Frames(), frame, arrow->Image);
}
