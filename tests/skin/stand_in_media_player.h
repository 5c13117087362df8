// A stand-in for the framework's media player (which no program form has): a control with the
// player's three published button sets, drawing plain buttons of its own, so the media player
// skinner has something to lay its panel over in the tests and in the gallery.
#pragma once

#include <windows.h>

#include "gui/controls.h"
#include "gui/properties.h"

enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
using TButtonSet = TSet<TMPBtnType>;

inline const TEnumInfo& MPBtnTypeInfo() {
  static const TEnumInfo info{
      {L"btPlay", L"btPause", L"btStop", L"btNext", L"btPrev", L"btStep", L"btBack", L"btRecord", L"btEject"}};
  return info;
}

class TStandInMediaPlayer : public TCustomControl {
  QS_CLASS(TStandInMediaPlayer)

 public:
  explicit TStandInMediaPlayer(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle({TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents, TControlStyleFlag::csOpaque});
  }
  TButtonSet VisibleButtons() const { return visible_; }
  void SetVisibleButtons(TButtonSet value) { visible_ = value, Invalidate(); }
  TButtonSet EnabledButtons() const { return enabled_; }
  void SetEnabledButtons(TButtonSet value) { enabled_ = value, Invalidate(); }
  TButtonSet ColoredButtons() const { return colored_; }
  void SetColoredButtons(TButtonSet value) { colored_ = value, Invalidate(); }

 protected:
  void Paint() override {
    HDC dc = Canvas().Handle();
    int count = 0;
    for (int b = 0; b < 9; ++b) count += visible_.Contains(static_cast<TMPBtnType>(b)) ? 1 : 0;
    RECT client{0, 0, Width(), Height()};
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (count == 0) return;
    for (int i = 0; i < count; ++i) {
      RECT r{i * Width() / count, 0, (i + 1) * Width() / count, Height()};
      DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
  }

 private:
  TButtonSet visible_{TMPBtnType::btPlay, TMPBtnType::btPause, TMPBtnType::btStop, TMPBtnType::btNext,
                      TMPBtnType::btPrev, TMPBtnType::btStep, TMPBtnType::btBack, TMPBtnType::btRecord,
                      TMPBtnType::btEject};
  TButtonSet enabled_ = visible_;
  TButtonSet colored_ = visible_;
};

inline const TClassInfo& TStandInMediaPlayer::StaticClass() {
  static const TClassInfo info(
      L"TStandInMediaPlayer", &TCustomControl::StaticClass(), nullptr,
      {props::Set(L"VisibleButtons", MPBtnTypeInfo(), &TStandInMediaPlayer::VisibleButtons,
                  &TStandInMediaPlayer::SetVisibleButtons),
       props::Set(L"EnabledButtons", MPBtnTypeInfo(), &TStandInMediaPlayer::EnabledButtons,
                  &TStandInMediaPlayer::SetEnabledButtons),
       props::Set(L"ColoredButtons", MPBtnTypeInfo(), &TStandInMediaPlayer::ColoredButtons,
                  &TStandInMediaPlayer::SetColoredButtons)});
  return info;
}
