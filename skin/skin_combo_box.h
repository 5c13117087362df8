// Combo boxes drawn from the skin: the frame and the drop-down button from "SunkEdge" and
// "ComboButton" (or the strip composed of both when the skin was built), a hot look while the
// mouse is over the button or the combo box has the focus, a pressed look while the button is
// down, and the button on the left for right-to-left controls whose own button is there.
//
// The drop-down list gets its bar painted by a TComboxScrollBar, a simple combo box's list its
// painted bars from a TSkinScrollbarH.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/skin_control.h"

class TComboxScrollBar;
class TSkinScrollbarH;

class TSkinComBox : public TSkinControl {
  QS_CLASS(TSkinComBox)

 public:
  explicit TSkinComBox(TComponent* owner);
  ~TSkinComBox() override;

  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) override;
  void Detach() override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The combo box's first child (its edit), hooked while skinned when the window is not Unicode.
  HWND EditWindow = nullptr;
  // Between CBN_DROPDOWN and CBN_CLOSEUP.
  bool DroppedDown = false;
  // What GetComboBoxInfo said at the last paint.
  COMBOBOXINFO Info{};
  // The drop-down button at the last paint; the mouse is hot over it.
  RECT ButtonRect{};
  // The look of other vendors' extended combo boxes (set by the style map).
  bool ExtendedCombo = false;
  // The skinners of the list's scroll bars (nil until attached): a simple combo box's list, or
  // the drop-down list. Owned by the combo box skinner's owner.
  TSkinScrollbarH* ListScrollBar = nullptr;
  TComboxScrollBar* DropScrollBar = nullptr;

 private:
  class TEditHook;
  friend class TEditHook;

  bool DropDownStyle() const { return (style_ & 3) != CBS_SIMPLE; }
  void ReadStyles();
  void AttachListScrollBar();
  void SubclassEdit();
  void UnsubclassEdit();
  void EditWindowProc(TMessage& m);
  // The pressed look follows the left button.
  void FollowButton(UINT msg);
  bool HasFocus() const;
  void DrawSimple(HDC dc, const RECT& rect, bool buttonLeft);
  // A simple combo box: the parent's colour below its list.
  void FillBelowList(HDC dc, const RECT& rect);
  void DrawExFrame(HDC dc, const RECT& rect);
  void DrawExArrow(HDC dc, int frame);
  void DrawSeparate(HDC dc, const RECT& rect, int frame, bool buttonLeft);

  DWORD style_ = 0, exStyle_ = 0;
  std::unique_ptr<TEditHook> editHook_;
};
