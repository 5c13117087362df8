#pragma once
// TImageEx: the picture button of the navigation column and of the pages' big action buttons.
// It swaps between a picture at rest, one under the mouse and one while pressed, and can be
// latched in the pressed look (Down) to mark the current section or feature.
#include <functional>
#include <memory>

#include "gui/messages.h"
#include "gui/ext_ctrls.h"

// Sender and the framework's mouse-enter or mouse-leave notification.
using TMouseNotifyEvent = std::function<void(TObject* Sender, TMessage& Message)>;

class TImageEx : public TImage {
  QS_CLASS(TImageEx)

 public:
  explicit TImageEx(TComponent* owner);
  ~TImageEx() override;

  // These hide TControl's plain notify events: the picture button passes the notification on.
  TMouseNotifyEvent OnMouseEnter, OnMouseLeave;

  TPicture* NormalGlyph() const { return normalGlyph_.get(); }
  TPicture* DownGlyph() const { return downGlyph_.get(); }
  TPicture* OverGlyph() const { return overGlyph_.get(); }
  // Copies the picture; the rest picture is shown at once, the others when their look comes.
  void SetNormalGlyph(const TPicture* value);
  void SetDownGlyph(const TPicture* value);
  void SetOverGlyph(const TPicture* value);

  bool Down() const { return down_; }
  void SetDown(bool value);

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  void WndProc(TMessage& m) override;

 private:
  void ShowGlyph(const TPicture* glyph);
  // Latched and pressed: mouse enter, leave and release keep the pressed picture.
  bool HeldDown() const { return down_ && pressed_; }

  std::unique_ptr<TPicture> normalGlyph_, downGlyph_, overGlyph_;
  bool down_ = false;
  bool pressed_ = false;
};
