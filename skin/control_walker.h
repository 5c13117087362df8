// TControlWalker: the control discovery of one skinned window, owned by its window skinner. It
// walks a framework form's components and tab order, or a plain window's child windows, asks
// the discovery (control_discovery.h) which skinner each gets, makes and attaches it, and
// remembers what it has decided about so that controls placed later are offered once.
#pragma once

#include <windows.h>

#include <set>

#include "skin/control_discovery.h"

class TComponent;
class TControl;
class TWinControl;
class TWinSkinForm;

class TControlWalker {
 public:
  explicit TControlWalker(TWinSkinForm& form) : form_(form) {}

  // Offers every not yet skinned control under root to the application's OnSkinControl; the
  // skinners it hands back belong to the window skinner from then on.
  void SkinControlTree(TControl* root);
  // One control: the event, the style map, then the class table decide its skinner. Via is the
  // component through which the walk reached it (nullptr for a navigator's buttons).
  void SkinComponent(TControl* control, TControl* via);
  // Plain child windows of a window the framework does not own, by class and style.
  void SkinChildWindows(HWND window);
  void SkinChildWindow(HWND window);
  // Every control below root that the walk has not decided about yet (placed later).
  void SkinPlacedControls(TControl* root);
  bool IsControlSkinned(TControl* control) const;
  // Whether the walk has decided about the control (skinner or none) since it appeared.
  bool WasDecided(TControl* control) const { return decided_.count(control) != 0; }
  // What the style map and the class table decide for the control with the window's settings
  // (the application's OnSkinControl aside).
  TSkinDecision DecideFor(TControl* control) const;
  // A control was placed somewhere below the form: it is offered once the code placing it has
  // set it up (SKM_CONTROLSPLACED, then SkinPlacedControls).
  void ControlPlaced();
  void PlacedControlsArrived() { placedPending_ = false; }
  // A control the walk decided about is being freed.
  void Forget(TComponent* component);

 private:
  void SkinOwnedComponents(TControl* root);
  void SkinChildControls(TControl* control);
  void TagGroupChildren(TControl* control);
  bool IsWindowSkipped(TWinControl* control) const;
  void Decided(TControl* control);
  void Attach(TControl* control, const TSkinDecision& decision);

  TWinSkinForm& form_;
  std::set<TControl*> decided_;  // controls the walk has decided about
  bool placedPending_ = false;   // SKM_CONTROLSPLACED is on its way
};
