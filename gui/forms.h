// Forms: top-level windows (or borderless pages placed in a panel) read from form resources.
#pragma once

#include <functional>

#include "gui/controls.h"
#include "gui/form_table.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
extern const TEnumInfo FormBorderStyleInfo, BorderIconInfo, PositionInfo, FormStyleInfo;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO, mrAll = mrNo + 1;
extern const TIdentMap ModalResultIdents;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TMainMenu;

class TCustomForm : public TCustomControl {
  QS_CLASS(TCustomForm)

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // The bindings of a form class (QS_FORM); plain forms have none.
  virtual const TFormTable* FormTable() const { return nullptr; }

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  // fsMDIForm: the window is an MDI frame with an MDI client below its menu bar. fsMDIChild:
  // the window is a child of that client (of the owner when it is an MDI form, else of the
  // main form); without such a frame the form stays a top-level window.
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  // The MDI client window of an fsMDIForm (nullptr otherwise).
  HWND ClientHandle() const { return clientHandle_; }
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int value);
  void SetClientWidth(int v) override;
  void SetClientHeight(int v) override;

  void SetVisible(bool visible) override;
  bool Showing() const override;
  // Makes the form visible and brings it to the front.
  void Show();
  // Shows the form modally: other windows of the program are disabled until ModalResult is set.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Asks OnCloseQuery and OnClose; hides the form, ends the program (main form) or frees it.
  void Close();
  // Frees the form once the handlers now running have returned: posts CM_RELEASE to it.
  void Release();

  // The control that has (or gets when the form is next active) the focus; never the form.
  TWinControl* ActiveControl() const { return activeControl_; }
  // Focuses the control now when the form is showing, else when it is next activated.
  void SetActiveControl(TWinControl* control);
  // Called as a control of the form gets the focus: CM_EXIT to the controls the focus leaves,
  // CM_ENTER to those it enters, then CM_FOCUSCHANGED to every control of the form.
  void SetFocusedControl(TWinControl* control);
  // A control leaves the form (or is destroyed): it, or the control inside it, is no longer active.
  void DefocusControl(TControl* control);
  // The form's key events fire before the focused control's.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }

  // The menu bar of a top-level form.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Clicks the menu item with this shortcut; false when there is none.
  bool IsShortCut(WORD key, TShiftState shift);

  TNotifyEvent OnCreate, OnShow;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  // Reads the form resource named after the class (RCDATA "TFRMMAIN" for Tfrmmain), binds
  // fields and handlers through FormTable(), then fires OnCreate. Form classes call it in
  // their constructor.
  void LoadForm();
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  // An MDI frame's and an MDI child's default processing is the system's MDI one.
  void DefaultHandler(TMessage& m) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ApplyPosition();
  // Gives the focus back to the active control (or the first in tab order) on activation.
  bool FocusActiveControl();
  // Puts the menu's native bar on the window (again).
  void AttachMenu();
  void ApplyAlpha();
  bool CloseQuery();
  // The MDI form an fsMDIChild belongs in, or nullptr.
  TCustomForm* MdiFrameForm() const;

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition position_ = TPosition::poDesigned;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 255;
  int pendingClientWidth_ = -1, pendingClientHeight_ = -1;
  bool showAfterLoad_ = false;
  bool modal_ = false;
  bool keyPreview_ = false;
  TWinControl* activeControl_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TModalResult modalResult_ = mrNone;
  HWND clientHandle_ = nullptr;
};

class TForm : public TCustomForm {
  QS_CLASS(TForm)

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};
