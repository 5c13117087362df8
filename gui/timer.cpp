#include "gui/timer.h"

#include "gui/application.h"

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info(L"TTimer", &TComponent::StaticClass(), &CreateInstance<TTimer>,
                               {props::Bool(L"Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
                                props::Int(L"Interval", &TTimer::Interval, &TTimer::SetInterval),
                                props::Event(L"OnTimer", &TTimer::OnTimer)});
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() {
  if (id_) Application->StopTimer(id_);
}

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(int value) {
  if (value == interval_) return;
  interval_ = value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (id_) {
    Application->StopTimer(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0 && !IsLoading()) id_ = Application->StartTimer(this, static_cast<UINT>(interval_));
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

void RegisterTimerClasses() { RegisterClass(TTimer::StaticClass()); }
