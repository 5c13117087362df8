// A timer component: OnTimer every Interval milliseconds while Enabled.
#pragma once

#include "gui/controls.h"

class TTimer : public TComponent {
  QS_CLASS(TTimer)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int Interval() const { return interval_; }
  void SetInterval(int value);
  // Fires OnTimer (the application window calls it).
  virtual void Timer();

  TNotifyEvent OnTimer;

  void Loaded() override;

 private:
  void UpdateTimer();

  bool enabled_ = true;
  int interval_ = 1000;
  UINT_PTR id_ = 0;
};

// Makes TTimer known to the form reader (RegisterStandardClasses calls it).
void RegisterTimerClasses();
