// The screen: the program's forms in creation order, the menu font and the program-wide cursor.
#pragma once

#include <memory>
#include <vector>

#include "gui/controls.h"

class TScreen : public TComponent {
  QS_CLASS(TScreen)

 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;

  // Every form that exists, in the order they were made (the form constructor and destructor
  // keep the list).
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

  // The system's menu font, read once.
  TFont* MenuFont() const { return menuFont_.get(); }

  // A cursor for every window of the program (crHourGlass while it works); crDefault lets each
  // control show its own again.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

 private:
  std::vector<TCustomForm*> forms_;
  std::unique_ptr<TFont> menuFont_;
  TCursor cursor_ = crDefault;
};

// The one screen object; nullptr once it is gone at the very end of the program, so forms
// freed later than it (in static destructors) do not touch it.
extern TScreen* Screen;
