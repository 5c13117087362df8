// TSkinControl: the base of every control skinner. One skinner takes over the painting of one
// control: a framework control (it joins the control's WindowProc chain and is owned by the
// control, so it goes with it) or a plain child window of a window the framework does not own
// (subclassed; owned by the window skinner). The window skinner lists the skinners of its
// window. A concrete skinner paints in DrawSkin and filters messages in BeforeMessage /
// AfterMessage; the base keeps the rules every skinner shares (the engine's messages, the
// window going away, colours given back at detach).
#pragma once

#include <windows.h>

#include <string>

#include "gui/classes.h"
#include "gui/graphics.h"
#include "gui/pictures.h"
#include "skin/control_facts.h"
#include "skin/skin_hook.h"
#include "skin/skinner_host.h"

class TCanvas;
class TControl;
class TSkinData;

// 0 created, 1 attached, 2 detached (by skinners that keep no hook), 6 the window is gone (the
// numbers the engine has always used).
enum class TControlState { Created = 0, Attached = 1, Detached = 2, WindowDestroyed = 6 };

class TSkinControl : public TComponent, public TSkinHook {
  QS_CLASS(TSkinControl)

 public:
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;

  // A framework control: the owner. A second attach does nothing.
  virtual void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour);
  // A plain window the framework does not own.
  virtual void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host);
  // Skinning of this control off: colour and ParentBackground given back (unless the window
  // is already gone); messages pass straight on from then on.
  virtual void Detach();
  // True: default processing, then AfterMessage. False: handled here (the result is set).
  virtual bool BeforeMessage(TMessage& m);
  virtual void AfterMessage(TMessage& m);
  // Paints the skin into dc, or into the window DC when dc is null.
  virtual void RepaintWindow(HDC dc);
  // Whether WM_PAINT is answered with DrawSkin in place of the control's own paint: the kind's
  // row says so (TPaintPolicy::Instead); a skinner whose look depends on its mode or its skin
  // says it for itself.
  virtual bool PaintsInstead() const;
  // Paints the control's look into dc over rect (window coordinates from 0, 0).
  virtual void DrawSkin(HDC /*dc*/, const RECT& /*rect*/) {}
  virtual void SkinChanged();
  void Repaint();
  void SwitchParentBackground(bool attaching);

  // Shared helpers of the skinners.
  TColor ParentColour(TColor defaultColour) const;
  // The skin's ButtonFace (ColourTable entry 3).
  TColor SkinFaceColour() const;
  void FillFace(HDC dc, const RECT& rect) const;
  void FillParentColour(HDC dc, const RECT& rect) const;
  LONG_PTR GetWindowLongAW(HWND window, int index) const;
  // A focus rectangle around WindowText as it is drawn with format in rect.
  void DrawFocusText(HDC dc, UINT format, const RECT& rect) const;
  // The control's MouseDown with the left button, from a mouse message.
  void ForwardMouseDown(const TMessage& m);
  // A WM_PAINT (or WM_PRINT) answered with DrawSkin over the window rectangle from (0, 0), on
  // the DC it brings or between BeginPaint and EndPaint.
  void PaintInstead(TMessage& m);
  // Control drawn over its parent's background instead of the skin's face: its Tag asks for it, or the skin does for every control (button_rules.h).
  bool TransparentLook(const TControl& control) const;

  uint8_t MouseState = 0;  // bit 0 mouse over, bit 1 pressed
  TCanvas* Canvas = nullptr;
  bool WindowEnabled = false;
  bool Focused = false;
  std::wstring WindowText;
  bool Enabled = true;
  bool IsUnicode = false;
  TSkinData* SkinData = nullptr;
  HWND Handle = nullptr;
  TControl* Control = nullptr;
  RECT WindowRect{};
  TComponent* Invalidator = nullptr;
  int Mode = 0;
  // What the skinners read of the control: caption, enabled, checked, font, colour.
  TControlFacts Facts;

  // Where the skinner is in its life: made, attached, switched off, or its window gone.
  TControlState State() const { return state_; }
  bool IsAttached() const { return attached_; }
  // Whether the attach recoloured the control to the skin's face (its colour comes back at detach).
  bool Recolours() const { return recolour_; }
  // The window skinner whose list holds this skinner.
  TSkinnerHost* Host() const { return host_; }
  // The window skinner is freeing its list itself: the skinner no longer leaves it.
  void ForgetHost() { host_ = nullptr; }

 protected:
  // The owner as a control with the attach's fields set (form, skin, canvas, recolour, the
  // control and its window); null, and nothing set, when the owner is no control.
  TControl* BindOwner(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour);
  // A windowless control that paints on its parent (a speed button): the attach's fields set,
  // the control invalidated through rather than bound.
  void BindWindowless(TControl* control, TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas);
  // With Recolour: the control over its parent's background in the skin's face colour, its own
  // colour kept for Detach.
  void RecolourToFace();
  // With Recolour: ParentBackground and the control's own colour given back.
  void RestoreColour();
  // The last step of every attach: the skinner counts as attached from now on.
  void FinishAttach();
  // A skinner that keeps no hook steps out: attached becomes detached; false when it was not
  // attached.
  bool StepOut();
  bool WindowGone() const { return state_ == TControlState::WindowDestroyed; }
  void WndProc(TMessage& m) override;
  void HookTargetGone() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Leave();
  mutable int paintsInstead_ = -1;  // the row's answer, looked up at the first paint
  bool attached_ = false;
  TControlState state_ = TControlState::Created;
  bool recolour_ = false;
  TColor savedColor_ = 0;
  TSkinnerHost* host_ = nullptr;
  bool parentBackgroundSwitched_ = false;
  bool recreating_ = false;
};

// Fills rect with a solid colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// True for a window with WS_POPUP or whose parent is the desktop's message window (0x10014).
bool IsPopupOrDesktopChild(HWND window);
// Dest gets source's size, pixel format and pixels.
void CopyBitmap(const TBitmap& source, TBitmap& dest);
// The framework's mouse-leave notification to the skinner's window.
void SendMouseLeave(const TSkinControl* skinner);
std::wstring GetWindowTextWide(HWND window);
// A window's class name (at most 100 characters).
std::wstring GetWindowClassName(HWND window);
std::wstring StrToWide(const std::string& text);
// The first count characters; all for -1.
std::wstring WideLeft(const std::wstring& text, int count);
int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format);

// Published properties of any object by name; the empty answer for a missing object or
// property, or one of another kind.
int64_t GetOrdPropByName(TObject* object, const std::wstring& name);  // integers only; -1
std::wstring GetEnumPropByName(TObject* object, const std::wstring& name);
std::wstring GetPropAsWide(TObject* object, const std::wstring& name);
TObject* GetObjectPropByName(TObject* object, const std::wstring& name);
// Integer (from its text), enumeration (member name), strings; anything else is ignored.
void SetPropByName(TObject* object, const std::wstring& name, const std::wstring& text);
