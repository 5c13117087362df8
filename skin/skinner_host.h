// What a control skinner sees of the window skinner that lists it: the list it joins and
// leaves, the skinned window, and the component that owns the skinners made for plain windows.
// Skinners know no more of the window skinner than this (TWinSkinForm implements it).
#pragma once

#include <windows.h>

class TComponent;
class TSkinControl;

class TSkinnerHost {
 public:
  virtual void AddSkinner(TSkinControl* skinner) = 0;
  virtual void RemoveSkinner(TSkinControl* skinner) = 0;
  // The skinned top-level window.
  virtual HWND HostWindow() const = 0;
  // The owner of the skinners of plain windows (they go with it).
  virtual TComponent* SkinnerOwner() = 0;

 protected:
  ~TSkinnerHost() = default;
};
