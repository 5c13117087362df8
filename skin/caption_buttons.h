// Objects of the skin frame that react to the mouse: caption buttons, and (through the same
// state machine) menu-bar items. States: 1 normal, 2 down, 3 over.
#pragma once

#include <windows.h>

class TWinSkinForm;
class TDataSkinSysButton;

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm* owner) : Owner(owner) {}
  virtual ~TNCObject();
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  // Each does nothing for an object that is not Visible.
  virtual void Press();
  virtual void Release();
  virtual void Hover();
  virtual void Leave();
  virtual void PaintObject() {}

  TWinSkinForm* Owner;
  RECT Rect{};  // window coordinates of the skin frame
  bool Visible = false;
  int State = 1;
  bool Enabled = true;
};

class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm* owner, TDataSkinSysButton* element) : TNCObject(owner), Element(element) {}
  void PaintObject() override;
  TDataSkinSysButton* Element;  // belongs to the skin component
};
