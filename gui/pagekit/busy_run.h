#pragma once
// One run of a page's work that pumps messages (a scan, a backup, a repair): for as long as it
// lasts the page's host keeps the navigation off, the hourglass shows and the controls the page
// lists are off. Handlers that run while it pumps may free the page, so the end is split:
// - the navigation always comes back (the host outlives its pages), and so does the program-wide
//   hourglass;
// - the page's own controls and their cursors come back only while the page still exists.
// Runs nest: each puts back what it found, so an inner run ending leaves the outer one's state.
//
//   TBusyRun run(this);
//   run.Disable({btnOptimize, lvItems});
//   run.Hourglass({this});           // the cursor over these controls
//   ... work that pumps ...
//   if (!run.PageAlive()) return;
//   run.End();                        // before the box that reports the result
#include <initializer_list>
#include <vector>

#include "gui/classes.h"
#include "gui/controls.h"
#include "gui/pagekit/page_host.h"

class TBusyRun {
 public:
  explicit TBusyRun(TComponent* page);
  TBusyRun(const TBusyRun&) = delete;
  TBusyRun& operator=(const TBusyRun&) = delete;
  ~TBusyRun() { End(); }

  // Turns the controls off until the run ends.
  void Disable(std::initializer_list<TControl*> controls);
  // Shows the hourglass over the controls until the run ends.
  void Hourglass(std::initializer_list<TControl*> controls);
  // Shows the hourglass over every window of the program until the run ends.
  void ScreenHourglass();

  bool PageAlive() const { return static_cast<bool>(page_); }
  // Ends the run now (a second call does nothing).
  void End();

 private:
  TComponentRef<TComponent> page_;
  TNavigationLock navigation_;
  struct TEnabledState {
    TControl* control;
    bool enabled;
  };
  struct TCursorState {
    TControl* control;
    TCursor cursor;
  };
  std::vector<TEnabledState> disabled_;
  std::vector<TCursorState> cursors_;
  bool screenCursorSet_ = false;
  TCursor screenCursor_ = crDefault;
  bool ended_ = false;
};
