// The media player skinner. A media player is not painted over: TSkinMP lays a panel of its own,
// TWMediaPlayer, exactly over the player and keeps it there (bounds and visibility). The panel
// draws one skinned button per visible player button and passes presses and releases on to the
// real player, which still does the work. Every press it passes on is released: over the button
// it started on the release goes as it came, anywhere else (or when the mouse capture is lost)
// as a release outside the player, so the player ends its press without acting. When the
// player goes, the panel lets go of it and hides.
#pragma once

#include <windows.h>

#include "gui/ext_ctrls.h"
#include "gui/pictures.h"
#include "skin/media_player_rules.h"
#include "skin/skin_control.h"

class TSkinMP;

class TWMediaPlayer : public TCustomPanel {
  QS_CLASS(TWMediaPlayer)

 public:
  explicit TWMediaPlayer(TComponent* owner);

  struct TMediaButton {
    bool Visible = false;
    bool Enabled = false;
    bool Colored = false;
    TBitmap Pictures[3];  // enabled, disabled, coloured
  };

  // The button pictures from the program's bitmap resources "<state>_<button>" (EN, DI, CL);
  // a missing one stays empty and the button shows the skin face only.
  void LoadPictures();
  void Bind(TSkinMP* skinner, TControl* player);
  // Lets go of a player that is going: nothing is passed on any more, the mouse is let go and
  // the panel hides.
  void LetGo();
  // The player's bounds.
  void FitToControl();
  int ButtonAt(int x) const { return MediaButtonAt(x, visible_, ButtonWidth); }

  TMediaButton Buttons[kMediaButtons];
  TSkinData* SkinData = nullptr;
  bool Pressed = false;
  int DownIndex = kNoMediaButton;
  int HitIndex = kNoMediaButton;
  int ButtonWidth = 0;
  TControl* PlayerControl = nullptr;
  TSkinMP* Skinner = nullptr;
  int VisibleCount = 0;

 protected:
  void Paint() override;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The buttons' states from the player's set properties, and the width of one button.
  void ReadButtons();
  void DrawButton(HDC dc, int button, const RECT& rect);
  void Press(TMessage& m);
  void Release(TMessage& m);
  // The player's press ended without acting: a release outside it.
  void ReleaseOutside();
  void Forward(UINT msg, WPARAM wParam, LPARAM lParam);

  TMediaButtonSet visible_{};
  bool forwarding_ = false;
};

class TSkinMP : public TSkinControl {
  QS_CLASS(TSkinMP)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;

  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AfterMessage(TMessage& m) override;
  void Detach() override;

  TWMediaPlayer* Overlay = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
};
