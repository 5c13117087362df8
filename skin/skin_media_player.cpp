#include "skin/skin_media_player.h"

#include <string>

#include "gui/controls.h"
#include "gui/memory_dc.h"
#include "gui/messages.h"
#include "gui/properties.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

namespace {

constexpr COLORREF kPictureKey = 0x008080;  // olive: the button pictures' transparent colour
const char* const kPictureStates[3] = {"EN", "DI", "CL"};

}  // namespace

const TClassInfo& TWMediaPlayer::StaticClass() {
  static const TClassInfo info(L"TWMediaPlayer", &TCustomPanel::StaticClass(), nullptr, {});
  return info;
}

TWMediaPlayer::TWMediaPlayer(TComponent* owner) : TCustomPanel(owner) { LoadPictures(); }

void TWMediaPlayer::LoadPictures() {
  for (int b = 0; b < kMediaButtons; ++b)
    for (int s = 0; s < 3; ++s) {
      const std::string name = std::string(kPictureStates[s]) + "_" + MediaButtonResource(b);
      HBITMAP loaded = LoadBitmapA(GetModuleHandleW(nullptr), name.c_str());
      if (!loaded) continue;
      BITMAP info{};
      GetObjectW(loaded, sizeof(info), &info);
      TBitmap& picture = Buttons[b].Pictures[s];
      picture.SetSize(info.bmWidth, info.bmHeight);
      if (!picture.Empty()) {
        TBitmapDC source(loaded), target(picture.Handle());
        BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
      }
      DeleteObject(loaded);
    }
}

void TWMediaPlayer::Bind(TSkinMP* skinner, TControl* player) {
  PlayerControl = player;
  Skinner = skinner;
  SkinData = skinner ? skinner->SkinData : nullptr;
  if (player) player->FreeNotification(this);
  // The discovery never skins the panel itself.
  if (SkinData) SetTag(SkinData->DisableTag());
  FitToControl();
  if (player) SetParent(player->Parent());
  BringToFront();
}

void TWMediaPlayer::LetGo() {
  // The player is going: nothing is sent to it any more, not even the end of a press.
  PlayerControl = nullptr;
  Skinner = nullptr;
  Pressed = false;
  DownIndex = HitIndex = kNoMediaButton;
  SetMouseCapture(false);
  SetVisible(false);
}

void TWMediaPlayer::FitToControl() {
  if (PlayerControl)
    SetBounds(PlayerControl->Left(), PlayerControl->Top(), PlayerControl->Width(), PlayerControl->Height());
}

void TWMediaPlayer::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == PlayerControl) LetGo();
  if (component == Skinner) Skinner = nullptr;
}

void TWMediaPlayer::ReadButtons() {
  const auto setText = [this](const wchar_t* name) {
    return PlayerControl ? GetSetProp(PlayerControl, name).value_or(L"") : std::wstring();
  };
  visible_ = MediaButtonsIn(setText(L"VisibleButtons"));
  const TMediaButtonSet enabled = MediaButtonsIn(setText(L"EnabledButtons"));
  const TMediaButtonSet coloured = MediaButtonsIn(setText(L"ColoredButtons"));
  for (int b = 0; b < kMediaButtons; ++b) {
    Buttons[b].Visible = visible_[b];
    Buttons[b].Enabled = enabled[b];
    Buttons[b].Colored = coloured[b];
  }
  VisibleCount = CountMediaButtons(visible_);
  ButtonWidth = VisibleCount ? Width() / VisibleCount : 0;
}

void TWMediaPlayer::Paint() {
  HDC dc = Canvas().Handle();
  if (!dc) return;
  ReadButtons();
  const RECT client{0, 0, Width(), Height()};
  const COLORREF face = EntryColour(SkinData, kColourButtonFace);
  if (VisibleCount == 0 || client.right < 1 || client.bottom < 1) {
    FillSolid(dc, client, face);
    return;
  }
  TBitmap buffer(client.right, client.bottom);
  if (buffer.Empty()) return;
  {
    TBitmapDC bdc(buffer.Handle());
    FillSolid(bdc, client, face);
    int x = 0;
    for (int b = 0; b < kMediaButtons; ++b) {
      if (!Buttons[b].Visible) continue;
      DrawButton(bdc, b, RECT{x, 0, x + ButtonWidth, client.bottom});
      x += ButtonWidth;
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, bdc, 0, 0, SRCCOPY);
  }
}

void TWMediaPlayer::DrawButton(HDC dc, int button, const RECT& rect) {
  const TMediaButton& b = Buttons[button];
  const int frame = MediaButtonFace(Pressed, button == DownIndex, b.Enabled);
  if (SkinData && !SkinData->Elements.Buttons.Image.Empty()) {
    const TDataSkinButton& faces = SkinData->Elements.Buttons;
    DrawElementFrame(dc, rect, faces.Frames(), frame, faces);
  }
  const TBitmap& picture = b.Pictures[MediaButtonPicture(b.Enabled, b.Colored)];
  if (picture.Empty()) return;
  const int shift = frame == 2 ? 1 : 0;
  const int x = rect.left + (rect.right - rect.left - picture.Width()) / 2 + shift;
  const int y = rect.top + (rect.bottom - rect.top - picture.Height()) / 2 + shift;
  DrawKeyed(dc, RECT{x, y, x + picture.Width(), y + picture.Height()}, picture, kPictureKey);
}

void TWMediaPlayer::Forward(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!PlayerControl) return;
  forwarding_ = true;
  PlayerControl->Perform(msg, wParam, lParam);
  forwarding_ = false;
}

void TWMediaPlayer::ReleaseOutside() {
  Pressed = false;
  // (-1, -1) is outside every player: it ends the press and acts on nothing.
  Forward(WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
}

void TWMediaPlayer::Press(TMessage& m) {
  Pressed = true;
  TCustomPanel::WndProc(m);
  Forward(m.Msg, m.WParam, m.LParam);
  // The player took the mouse when it was pressed; the panel keeps it instead, so that the
  // release comes here wherever it happens.
  ReleaseCapture();
  SetMouseCapture(true);
  ReadButtons();
  HitIndex = ButtonAt(static_cast<short>(LOWORD(m.LParam)));
  DownIndex = HitIndex;
  Invalidate();
}

void TWMediaPlayer::Release(TMessage& m) {
  const bool outstanding = Pressed;
  Pressed = false;
  TCustomPanel::WndProc(m);
  ReadButtons();
  HitIndex = ButtonAt(static_cast<short>(LOWORD(m.LParam)));
  switch (MediaReleaseOf(outstanding, HitIndex, DownIndex)) {
    case TMediaRelease::AtPosition:
      Forward(m.Msg, m.WParam, m.LParam);
      break;
    case TMediaRelease::Outside:
      ReleaseOutside();
      break;
    case TMediaRelease::None:
      break;
  }
  DownIndex = HitIndex;
  Invalidate();
}

void TWMediaPlayer::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(m);
      return;
    case WM_LBUTTONUP:
      Release(m);
      return;
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a press (not the player, which takes it
      // while the press is passed on): the player's press ends here.
      TCustomPanel::WndProc(m);
      if (Pressed && !forwarding_ && reinterpret_cast<HWND>(m.LParam) != Handle()) {
        ReleaseOutside();
        DownIndex = kNoMediaButton;
        Invalidate();
      }
      return;
    default:
      TCustomPanel::WndProc(m);
  }
}

const TClassInfo& TSkinMP::StaticClass() {
  static const TClassInfo info(L"TSkinMP", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

TSkinMP::~TSkinMP() {
  if (Overlay) Overlay->Skinner = nullptr;
}

void TSkinMP::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  if (IsAttached()) return;
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  if (!Control) return;
  // The window skinner owns the panel (a player skinned without one: the player's owner).
  TComponent* owner = host ? host->SkinnerOwner() : Control->Owner();
  Overlay = new TWMediaPlayer(owner);
  Overlay->FreeNotification(this);
  Overlay->Bind(this, Control);
  Overlay->SetVisible(Control->Visible());
}

void TSkinMP::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (Overlay) Overlay->FitToControl();
      break;
    case CM_VISIBLECHANGED:
      if (Overlay && Control && Overlay->PlayerControl) Overlay->SetVisible(Control->Visible());
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinMP::Detach() {
  if (!Enabled) return;
  TSkinControl::Detach();
  if (!Overlay) return;
  if (WindowGone()) {
    // The window is going (and its parent with it, perhaps): the panel only lets go.
    Overlay->LetGo();
    return;
  }
  TWMediaPlayer* overlay = Overlay;
  Overlay = nullptr;
  delete overlay;
}

void TSkinMP::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == Overlay) Overlay = nullptr;
}
