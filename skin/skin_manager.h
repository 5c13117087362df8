// TSkinManage: the one coordinator of skinning in a program. A thread-local CBT hook sees
// windows being activated; the manager decides whether and with which skin component a window
// is skinned, attaches a window skinner to it, keeps the skinners and the registered
// components, and runs the queued commands (skin all, unskin all, refresh) from a timer.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TControl;
class TCustomForm;
class TSkinData;
class TTimer;
class TWinSkinForm;
class TWinSkinPopMenu;
class TObject;
class TBitmap;

// Idle until the first window is activated; Destroying while the manager is freed.
enum class TManagerState { Idle = 0, Running = 1, Destroying = 4 };
// The popup menu about to open: a context menu, a window's own menu, or the system menu.
enum class TPopupKind { ContextMenu = 0, WindowMenu = 1, SystemMenu = 2 };

// What the manager's timer does next for the skin component that asked (PendingSkinData).
enum class TSkinCommand { None, SkinAll, UnskinAll, Refresh };

class TSkinManage {
 public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void InstallHook();
  void AddSkinData(TSkinData* skinData);
  // Forgets a component that goes away: the windows skinned with it are unskinned, and the
  // first remaining main component (or none) takes its place.
  void RemoveSkinData(TSkinData* skinData);

  // Attaches a window skinner when the window passes every rule; true when it did.
  bool SkinWindow(HWND window);
  // Skins a form's window unless it is invisible or a child window.
  void SkinForm(TCustomForm* form);
  TWinSkinForm* FindSkinForm(HWND window) const;
  void RemoveSkinForm(TWinSkinForm* skinner);
  // The framework control (a form or any other) that owns a window, or nullptr.
  TControl* FindFrameworkControl(HWND window) const;
  TSkinData* FindSkinData(HWND window) const;
  bool CanSkinWindow(HWND window, const std::wstring& className) const;
  // Queues a command after `delay` ms. While no window has been activated yet, SkinAll and
  // UnskinAll only switch skinning of new windows on and off.
  void PostCommand(TSkinCommand command, int delay);
  // Frees the caption buttons of the windows skinned with PendingSkinData (before a refresh).
  void ClearCaptionButtons();
  // Drops and frees the skinners whose windows are gone.
  void PurgeSkinForms();
  // A popup menu window ("#32768") being created: skinned when the settings of its kind allow.
  void SkinPopupMenu(HWND window);
  void ReleasePopupMenu(HWND window);
  TWinSkinPopMenu* FindPopupMenu(HWND window) const;
  // The newest popup skinner without a menu takes this one (its items are being drawn).
  void AssignPopupMenuHandle(HMENU menu);
  // The rendered background of the popup window that shows menu; nullptr when none.
  const TBitmap* FindPopupBackground(HMENU menu) const;
  // The settings a popup menu needs on, by the kind of the popup about to open.
  static bool PopupAllowed(TPopupKind popupKind, const TSkinData& skinData);
  // The children of one MDI client shown maximized or not: their skin frames' regions go while
  // they are maximized and come back when they are not (unless the children keep native
  // frames). Each frame's client has its own: maximizing in one frame leaves the children of
  // another as they are.
  void SetMdiMaximized(HWND client, bool value);
  bool MdiMaximized(HWND client) const;
  // The client is gone, and its children with it.
  void ForgetMdiClient(HWND client);
  // An MDI frame's skinner has hooked its MDI client: MdiClientWindow and MdiFrameForm name
  // them. When it lets go of its client (or goes) they name another skinned MDI frame's, or
  // nothing.
  void SetMdiFrame(const TWinSkinForm* frame);
  void ForgetMdiFrame(const TWinSkinForm* frame);
  // The skinned MDI frame they name (nullptr when none).
  const TWinSkinForm* MdiFrame() const { return mdiFrame_; }

  const std::vector<TWinSkinForm*>& SkinForms() const { return skinForms_; }

  bool SkinningEnabled = false;
  bool ForceSkin = false;
  TManagerState ManagerState = TManagerState::Idle;
  TPopupKind PopupKind = TPopupKind::ContextMenu;
  bool MenuBarPopup = false;
  TSkinCommand PendingCommand = TSkinCommand::None;
  TSkinData* PendingSkinData = nullptr;
  TSkinData* MainSkinData = nullptr;
  // The MDI client of the last skinned MDI frame and that frame's framework form; they never
  // outlive the client and the frame's skinner.
  HWND MdiClientWindow = nullptr;
  TCustomForm* MdiFrameForm = nullptr;

 private:
  static LRESULT CALLBACK SkinHookProc(int code, WPARAM wParam, LPARAM lParam);
  void CommandTimer(TObject* sender);
  void Unskin(TWinSkinForm* skinner);
  // The program's framework forms on this thread, in the order the system lists them.
  std::vector<TCustomForm*> ScreenForms() const;

  std::unique_ptr<TTimer> timer_;
  std::vector<TWinSkinForm*> skinForms_;
  std::vector<TSkinData*> skinDatas_;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> popups_;
  HHOOK hook_ = nullptr;
  const TWinSkinForm* mdiFrame_ = nullptr;  // the skinner MdiClientWindow and MdiFrameForm came from
  std::vector<HWND> maximizedClients_;      // MDI clients whose children are shown maximized
};

// The program's manager: made by the first skin component that is loaded, freed by
// FreeSkinManager at the very end of the program.
extern TSkinManage* SkinManager;
void FreeSkinManager();
