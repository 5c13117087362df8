// TWinSkinForm: the window skinner. One per skinned top-level window; it subclasses the
// window, takes over its non-client area (frame metrics, borders, title bar, caption buttons,
// window region) and gives the window back as it was when the skin is switched off.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/classes.h"
#include "gui/graphics.h"
#include "skin/caption_buttons.h"
#include "skin/control_discovery.h"
#include "skin/control_walker.h"
#include "skin/frame_rules.h"
#include "skin/mdi_frame_client.h"
#include "skin/skin_control.h"
#include "skin/skin_hook.h"
#include "skin/skin_menu_bar.h"
#include "gui/memory_dc.h"
#include "gui/pictures.h"

class TControl;
class TCustomForm;
class TMenuItem;
class TPopupMenu;
class TCanvas;
class TSkinControl;
class TSkinData;
class TTimer;
struct TMessage;

// A window skinner's state; the numbers are the ones the engine has always used.
enum class TSkinState { Attached = 0, Active = 1, Reskinning = 3, Destroying = 4, FirstResize = 5, Detached = 6 };

// A window's part in MDI.
enum class TMdiKind : uint8_t { None, Frame, Child };

class TWinSkinForm : public TComponent, public TSkinHook, public TSkinnerHost {
  QS_CLASS(TWinSkinForm)

 public:
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;

  // Attaching: a framework form, or any other window by its handle.
  void AttachForm(TSkinData* skinData, TCustomForm* form);
  void AttachHandle(TSkinData* skinData);
  // Skin switched off: the window gets its frame, size, menu and region back.
  void Unskin();
  // The window is going away (or the manager): the subclass is removed, nothing restored.
  void Unhook();
  // A new skin was loaded into the component.
  void SkinChanged();
  void ClearCaptionButtons();
  void BuildFrameMetrics();
  void FitFrame(bool refresh);
  void FrameChanged();
  void UpdateWindowShape();
  void ClearWindowShape();
  // An MDI frame whose active child is maximized.
  bool IsMdiChildMaximized() const { return MdiKind == TMdiKind::Frame && mdi_.ActiveChildMaximized(); }
  // The MDI client whose children's maximizing concerns this window: an MDI frame's own, the
  // one an MDI child lives in; nullptr for other windows.
  HWND MaximizingClient() const;
  // Whether the children of that client are shown maximized.
  bool MdiMaximized() const;
  void SetMdiMaximized(bool value);
  // An MDI frame sends the system command to its active child, when it has one.
  void MdiChildCommand(UINT command) {
    if (MdiKind == TMdiKind::Frame) mdi_.ActiveChildCommand(command);
  }
  bool MdiClientHooked() const { return mdi_.Hooked(); }
  // The MDI client of an MDI frame (nullptr once it is destroyed, and for other windows).
  HWND MdiClient() const { return mdi_.Window(); }
  // The control discovery of this window (control_walker.h says what each step does).
  void SkinControlTree(TControl* root) { walker_.SkinControlTree(root); }
  void SkinComponent(TControl* control, TControl* via) { walker_.SkinComponent(control, via); }
  void SkinChildWindows(HWND window) { walker_.SkinChildWindows(window); }
  void SkinChildWindow(HWND window) { walker_.SkinChildWindow(window); }
  void SkinPlacedControls(TControl* root) { walker_.SkinPlacedControls(root); }
  bool IsControlSkinned(TControl* control) const { return walker_.IsControlSkinned(control); }
  bool WasDecided(TControl* control) const { return walker_.WasDecided(control); }
  TSkinDecision DecideFor(TControl* control) const { return walker_.DecideFor(control); }
  static void RepaintWindow(HWND window);

  // Non-client painting into dc (the window's own DC when null).
  void PaintNonClient(HDC dc);
  void PaintCaptionButton(TWinSysButton* button, int state);
  bool CaptionButtonVisible(size_t index);
  TWinSysButton* CaptionButtonAt(POINT point) const;
  POINT ScreenToWindow(int x, int y) const;
  void HideButtonHint();
  // Runs one tick of the hover timer (hint timing and leaving the hot button).
  void HoverTick();

  // The menu bar: opening an item's popup (false when it has none), a click posted at an item
  // (it ends the open popup and opens the item's), the item with a caption's accelerator.
  bool OpenMenuBarItem(TMenuBtn* item);
  void ClickMenuBarItem(TMenuBtn* item);
  TMenuBtn* FindMenuBarAccel(wchar_t key) const;
  void MenuBarClick(LPARAM screenPoint);
  // The system menu at a screen point; a second call within the double-click time closes the
  // window instead.
  void ShowSystemMenu(POINT point);
  void BuildSystemMenu();
  // Handlers given to framework menu items drawn by the skin.
  void DrawMenuItem(TMenuItem* item, TCanvas* canvas, const RECT& rect, bool selected);
  void MeasurePopupItem(TMenuItem* item, TCanvas* canvas, int& width, int& height);
  void MeasureVclMenuItem(TMenuItem* item, TCanvas* canvas, int& width, int& height);
  // Switch the skin's drawing of the framework's popup menus and of the main menus' items on
  // or off; each does nothing unless the skin draws them (xcPopupMenu, xcMenuItem).
  void SetPopupOwnerDraw(TComponent* root, bool on);
  void SetMainMenuOwnerDraw(TComponent* root, bool on);

  HWND Handle = nullptr;
  std::wstring WindowClassName;
  TCustomForm* Form = nullptr;
  TSkinData* SkinData = nullptr;
  TSkinState SkinState = TSkinState::Attached;
  bool FrameSkinned = false;
  uint8_t BorderKind = kBorderDefault;
  uint8_t CaptionCaps = 0;
  uint8_t ShowState = kShowNormal;
  TMdiKind MdiKind = TMdiKind::None;
  bool DialogClass = false;
  bool IsActive = true;
  bool IsUnicode = false;
  bool IsChildWindow = false;
  bool RightToLeft = false;
  DWORD Style = 0;
  int BorderLeft = 0, BorderTop = 0, BorderRight = 0, BorderBottom = 0;
  int MenuBarHeight = 0;
  int NativeNcWidth = 0, NativeNcHeight = 0;
  RECT NativeClientRect{};
  RECT WindowRect{};
  int WindowWidth = 0, WindowHeight = 0;
  RECT CaptionTextRect{}, CaptionBackRect{};
  int CaptionWidth = 0;
  std::wstring CaptionText;
  int RightButtonsWidth = 0;
  HMENU NativeMenu = nullptr;
  HMENU SystemMenu = nullptr;
  // The skinned menu bar (a window with a native bar and a skinned frame, not an MDI child).
  std::unique_ptr<TWinSkinMenu> MenuBar;
  bool MenuTracking = false;      // a menu-bar popup is open
  HMENU OpenPopupMenu = nullptr;  // the submenu of the bar item whose popup is open
  // The owner-drawn stand-in of the system menu, made anew at every show; owned.
  TPopupMenu* SystemMenuPopup = nullptr;
  DWORD LastSysMenuTick = 0;
  DWORD DoubleClickTime = 0;
  HWND OwnerWindow = nullptr;
  std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
  TNCObject* HotObject = nullptr;
  TBitmap IconBitmap;
  TBitmap TitleBuffer;
  std::unique_ptr<TTimer> HoverTimer;
  HRGN Region = nullptr;
  bool RegionOwned = false;
  int RegionWidth = 0, RegionHeight = 0;
  // The control skinners of this window. A framework control's skinner belongs to the control;
  // a plain window's to this window skinner.
  std::vector<TSkinControl*> Skinners;
  void AddSkinner(TSkinControl* skinner) override;
  void RemoveSkinner(TSkinControl* skinner) override;
  HWND HostWindow() const override { return Handle; }
  TComponent* SkinnerOwner() override { return this; }
  TSkinControl* FindSkinControlByHandle(HWND window) const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The window's messages (comctl32 subclass) and the framework form's chain.
  void WndProc(TMessage& m) override { m.Result = FormWindowProc(m.Msg, m.WParam, m.LParam); }
  class TFormChainHook : public TSkinHook {
   public:
    explicit TFormChainHook(TWinSkinForm* owner) : owner_(owner) {}
    void WndProc(TMessage& m) override { owner_->FormChainProc(m); }

   private:
    TWinSkinForm* owner_;
  };
  friend class TMdiFrameClient;  // it gives a frame that had none a skinned bar (MakeMenuBar)
  void PostMdiRedraw();
  // Every message of the window: skinning's own, then those of a skinned frame.
  LRESULT FormWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // A window whose frame is skinned: placement, activation, commands and menus.
  LRESULT FramedWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The skinned frame's non-client area: metrics, painting, hit tests and the mouse on it.
  // passDefault: what the frame does not take goes on to the window's own procedure.
  LRESULT NonClientProc(UINT msg, WPARAM wParam, LPARAM lParam, bool passDefault);
  LRESULT CallOldProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The messages of a framework form's own WndProc chain (captions, the engine's queries,
  // dialog keys, controls placed).
  void FormChainProc(TMessage& message);
  void HookIn(TSkinData* skinData);
  void Subclass();
  void RemoveSubclass();
  void StartSkinning();
  void ReadPlacement();
  void SaveNativeFrame();
  void BuildIconBitmap();
  void WmSize(WPARAM wParam);
  void SetSysMenuStyle(bool remove);
  LRESULT NcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT NcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT NcActivate(WPARAM wParam, LPARAM lParam);
  LRESULT WmNcPaint(WPARAM wParam, LPARAM lParam);
  void PaintBorder(int part, const RECT& rect, HDC dc);
  void PaintTitleBar(HDC dc);
  void DrawCaptionText(HDC dc, const RECT& area);
  void LayoutCaptionButtons();
  void PaintCaptionButtons(HDC dc);
  void DrawButton(HDC dc, TWinSysButton* button, int frame);
  void DrawCaptionIcon(HDC dc, const RECT& rect);
  bool HandleNcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void CaptionButtonAction(int x, int y);
  bool CanClose() const;
  void MaximizeOrRestore();
  void MinimizeOrRestore();
  void RestoreWindow();
  std::wstring WindowText() const;
  void FreeSkinners();
  void DoAfterSkinForm();
  void RestoreColor();
  void MakeMenuBar();
  void FreeMenus(bool giveMenuBack);
  void MenuSelected(WPARAM wParam, LPARAM lParam);
  void DialogChar(TMessage& m);
  bool WmSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  void MenuChanged(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool WmCommand(WPARAM wParam);
  bool MeasureItem(LPARAM lParam);
  bool DrawItem(LPARAM lParam);
  void MeasureRawItem(MEASUREITEMSTRUCT& item);

  bool subclassed_ = false;
  TFormChainHook formChain_{this};
  TMdiFrameClient mdi_{*this};
  TControlWalker walker_{*this};
  TColor savedColor_ = 0;
  HFONT captionFont_ = nullptr;
};

