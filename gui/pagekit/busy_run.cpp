#include "gui/pagekit/busy_run.h"

#include "gui/screen.h"

TBusyRun::TBusyRun(TComponent* page) : page_(page), navigation_(PageHostOf(page).LockNavigation()) {}

void TBusyRun::Disable(std::initializer_list<TControl*> controls) {
  for (TControl* control : controls) {
    disabled_.push_back({control, control->Enabled()});
    control->SetEnabled(false);
  }
}

void TBusyRun::Hourglass(std::initializer_list<TControl*> controls) {
  for (TControl* control : controls) {
    cursors_.push_back({control, control->Cursor()});
    control->SetCursor(crHourGlass);
  }
}

void TBusyRun::ScreenHourglass() {
  if (screenCursorSet_) return;
  screenCursorSet_ = true;
  screenCursor_ = Screen->Cursor();
  Screen->SetCursor(crHourGlass);
}

void TBusyRun::End() {
  if (ended_) return;
  ended_ = true;
  navigation_.Release();
  if (screenCursorSet_) Screen->SetCursor(screenCursor_);
  if (!page_) return;
  // Newest first, so a control listed twice gets its first state back.
  for (auto it = cursors_.rbegin(); it != cursors_.rend(); ++it) it->control->SetCursor(it->cursor);
  for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it) it->control->SetEnabled(it->enabled);
}
