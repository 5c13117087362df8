// Controls: TControl (windowless or windowed), TWinControl (owns a window), TGraphicControl
// (windowless, painted by its parent) and TCustomControl (a window the framework paints).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/classes.h"
#include "gui/graphics.h"
#include "gui/messages.h"
#include "gui/wnd_method.h"

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
extern const TEnumInfo AlignInfo;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
// The shift state of a mouse message from its key flags (wParam), Alt from the keyboard.
TShiftState ShiftFromKeys(WPARAM keys, bool dbl);

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;
extern const TIdentMap CursorIdents;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, wchar_t& Key)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

enum class TControlStyleFlag { csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque };
using TControlStyle = TSet<TControlStyleFlag>;

class TWinControl;
class TCustomForm;
class TPopupMenu;

// The system cursor of a cursor value (crNone: no cursor).
HCURSOR CursorHandle(TCursor cursor);
// The keyboard's shift state now (Alt also from a key message's lParam bit 29).
TShiftState KeyboardShiftState(LPARAM keyData = 0);
LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

class TControl : public TComponent {
  QS_CLASS(TControl)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  // The client area in the control's own coordinates.
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  int ClientWidth() const { return ::Width(ClientRect()); }
  int ClientHeight() const { return ::Height(ClientRect()); }
  virtual void SetClientWidth(int v) { SetWidth(v + width_ - ClientWidth()); }
  virtual void SetClientHeight(int v) { SetHeight(v + height_ - ClientHeight()); }
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and every parent visible (and a form at the top).
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() const { return font_.get(); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  const std::wstring& Caption() const { return text_; }
  void SetCaption(const std::wstring& text);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  // Shown on a right click (or the menu key) over the control.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  // The replaceable message chain: starts at WndProc; a hook saves the old link, installs its
  // own and calls the old one; it puts the old link back only while WindowProc is still its own.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  virtual void Invalidate();
  void Repaint();
  // Puts the control above its siblings of the same kind.
  virtual void BringToFront();

  void SetMouseCapture(bool value);

  // A token that turns false only at the end of the control's destructor, for code that must
  // not touch a control after a handler (or a pumped message) may have freed it, yet must
  // still reach it while it is being destroyed (its window goes in ~TWinControl, and
  // WM_NCDESTROY must then still clear the handle). UntilDestroyingToken() turns false earlier.
  std::shared_ptr<bool> UntilFreedToken() const { return untilFreed_; }

  // Overridable hooks of the mouse handling; they fire the events.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseLeave;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  void Loaded() override;

 protected:
  virtual void WndProc(TMessage& m);
  void Notification(TComponent* component, TOperation operation) override;
  // What a message gets when nothing handles it: nothing here, the window's default procedure
  // for windowed controls.
  virtual void DefaultHandler(TMessage& m);
  // The control's text changed (windowed controls push it to their window).
  virtual void TextChanged();
  // After a change of position or size.
  virtual void BoundsChanged(bool sizeChanged);
  // Fonts and colours follow the parent's while ParentFont / ParentColor are set.
  void ParentFontChanged();
  void ParentColorChanged();
  // Asks the parent to realign when this control is aligned.
  void RequestAlign();
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
  void SetDefaultParentColor(bool value) { parentColor_ = value; }
  void SetDefaultVisible(bool value) { visible_ = value; }

  // Which control is under the mouse; CM_MOUSEENTER / CM_MOUSELEAVE follow its changes.
  static void SetMouseControl(TControl* control);
  static TControl* CaptureControl();

  friend class TWinControl;

 private:
  void FontChanged();
  void HandleMouse(TMessage& m);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool updatingParentFont_ = false;
  TCursor cursor_ = crDefault;
  std::wstring text_;
  std::wstring hint_;
  bool showHint_ = false;
  TPopupMenu* popupMenu_ = nullptr;
  bool clicked_ = false;
  TControlStyle controlStyle_{TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                              TControlStyleFlag::csDoubleClicks};
  std::shared_ptr<bool> untilFreed_;
};

// What CreateWindowEx gets; descendants adjust it in CreateParams.
struct TCreateParams {
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // The system class a native control is built on ("BUTTON"); empty for framework-painted ones.
  std::wstring BaseClass;
  UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
  QS_CLASS(TWinControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Destroys the window; it is made again when next needed.
  void DestroyHandle();
  // Makes the window again (after a change of style that needs a new window).
  void RecreateWnd();

  void SetParent(TWinControl* parent) override;
  // A window of another kind to live in as a child when the control has no Parent: the control
  // stays out of every framework control's list (the skin engine's painted scroll bars lie
  // beside the bar they cover this way). Set it before the window is made.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  // The topmost visible, enabled windowless child at a client point, or nullptr.
  TControl* ControlAtPos(POINT p) const;
  TRect ClientRect() const override;
  void SetClientWidth(int v) override { SetWidth(v + FrameExtent().cx); }
  void SetClientHeight(int v) override { SetHeight(v + FrameExtent().cy); }

  void Invalidate() override;
  void BringToFront() override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetBounds(int left, int top, int width, int height) override;
  bool Focused() const;
  void SetFocus();
  // Visible and enabled, and so are all its parents up to the form.
  bool CanFocus() const;

  // The order Tab visits the windowed children in (0 first); -1 without a parent.
  int TabOrder() const;
  void SetTabOrder(int value);
  // Every windowed control below this one in tab order, depth first (the public tab-order list).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // The control after (or before) `current` in the tab-order list that can take the focus,
  // wrapping around; with checkTabStop only controls with TabStop. nullptr when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
  // Focuses FindNextControl's answer, if any.
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  // Paints the windowless children into dc (the parent's client coordinates).
  void PaintControls(HDC dc);
  // Paints this control's own face (not the children) into dc.
  virtual void PaintWindow(HDC dc);

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }

  void Loaded() override;

  TNotifyEvent OnEnter, OnExit;
  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  virtual void CreateParams(TCreateParams& params);
  // Runs once the window exists (fonts, texts, layered attributes).
  virtual void CreateWnd();
  void TextChanged() override;
  void BoundsChanged(bool sizeChanged) override;
  // Shrinks the rectangle that aligned children share (borders, bevels).
  virtual void AdjustClientRect(TRect& r) const {}
  // Whether the framework paints the window itself (with its windowless children).
  virtual bool CustomPainted() const { return false; }
  void AlignControls();
  // Key hooks: they fire the events; a key set to 0 is used up.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(wchar_t& key);
  // The focus came here from another control of the form, or left for one (CM_ENTER, CM_EXIT).
  virtual void DoEnter();
  virtual void DoExit();

  friend class TControl;
  friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);

 private:
  // How much wider and higher the window is than its client area.
  SIZE FrameExtent() const;
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  void CreateChildHandles();
  void PlaceZOrder();
  void UpdateBoundsFromWindow();
  void PaintHandler(TMessage& m);
  void ReflectNotification(TMessage& m);
  void RouteMouse(TMessage& m);
  // WM_CONTEXTMENU: the PopupMenu of the control under the point (or of this one) opens.
  bool ShowContextMenu(TMessage& m);
  bool SetCursorFromControl(TMessage& m);
  // The keys of the message loop (CN_KEYDOWN ... CN_SYSCHAR): key events, with the form's
  // first when it has KeyPreview, then dialog keys and dialog characters for the form.
  void KeyMessage(TMessage& m);
  // Whether the control's window asks for `key` itself (WM_GETDLGCODE).
  bool WantsKey(WPARAM key);
  // Offers CM_DIALOGKEY / CM_DIALOGCHAR to the children until one takes it.
  void BroadcastToChildren(TMessage& m, bool untilTaken);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  int pendingTabOrder_ = -1;
  bool aligning_ = false;
  bool trackingLeave_ = false;
  bool tabStop_ = false;
};

// A windowless control: the parent paints it through Paint() in z-order.
class TGraphicControl : public TControl {
  QS_CLASS(TGraphicControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }

 protected:
  void WndProc(TMessage& m) override;
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

// A window that the framework paints itself (panels, forms).
class TCustomControl : public TWinControl {
  QS_CLASS(TCustomControl)

 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  void PaintWindow(HDC dc) override;

 protected:
  bool CustomPainted() const override { return true; }
  virtual void Paint();

 private:
  TCanvas canvas_;
};

// The framework control of any window handle (nullptr for foreign windows): the window
// property named by the global atom "ControlOfs" + instance handle + thread id in hex.
TWinControl* ControlFromHandle(HWND wnd);
// That atom's name, for code that looks windows up on its own.
const std::wstring& ControlAtomName();
// The form a control sits on (the topmost form of its parent chain), or nullptr.
TCustomForm* GetParentForm(const TControl* control);
