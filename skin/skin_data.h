// TSkinData: the component a program drops on its main form to have its windows skinned. It
// carries the stored skin inside the form, builds the skin elements from it, holds the
// settings that decide which windows and controls get skinned, and switches skinning on and
// off through the skin manager.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/controls.h"
#include "gui/image_list.h"
#include "skin/skin_elements.h"

enum class TSkinControlType {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
  xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
  xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};
using TSkinControlTypes = TSet<TSkinControlType>;

enum class TSkinOption {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
  xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoCaptionButtonHint, xoFormScrollbar
};
using TSkinOptions = TSet<TSkinOption>;

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

extern const TEnumInfo SkinControlTypeInfo, SkinOptionInfo, SkinFormTypeInfo;

class TControl;
class THintWindow;
class TSkinData;
using TOnFormSkin = std::function<void(TObject* Sender, const std::wstring& aName, bool& DoSkin)>;
using TOnSkinForm = std::function<void(TObject* Sender, HWND ahwnd, const std::wstring& aName)>;
using TOnSkinControl = std::function<void(TObject* Sender, TSkinData* SkinData, TControl* Form, TControl* Control,
                                          const std::wstring& ControlClass, TComponent*& SkinnedControl)>;

// The optional user32 functions, looked up once at start; each call checks for its presence.
bool HasGetScrollBarInfo();
bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO* info);
bool HasTrackMouseEvent();
void TrackMouseLeave(HWND window);
bool HasGetComboBoxInfo();
bool GetComboBoxInfoSafe(HWND window, COMBOBOXINFO* info);
// Tests pretend an old user32 without GetScrollBarInfo (true) or give the real one back.
void SimulateMissingScrollBarInfo(bool missing);

class TSkinData : public TComponent {
  QS_CLASS(TSkinData)

 public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  // Published settings.
  bool Active() const { return active_; }
  void SetActive(bool value);
  int DisableTag() const { return disableTag_; }
  void SetDisableTag(int value) { disableTag_ = value; }
  TSkinControlTypes SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControlTypes value) { skinControls_ = value; }
  TSkinOptions Options() const { return options_; }
  void SetOptions(TSkinOptions value) { options_ = value; }
  std::vector<std::wstring> Skin3rd() const { return skin3rd_; }
  void SetSkin3rd(const std::vector<std::wstring>& lines) { skin3rd_ = lines; }
  std::wstring SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::wstring& value);
  // "(none)" at run time; writes change nothing.
  std::wstring SkinStore() const { return L"(none)"; }
  void SetSkinStore(const std::wstring&) {}
  TSkinFormType SkinFormtype() const { return formType_; }
  void SetSkinFormtype(TSkinFormType value) { formType_ = value; }
  std::wstring Version() const { return L"1.0.0.0"; }
  void SetVersion(const std::wstring&) {}
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool value) { menuUpdate_ = value; }
  bool MenuMerge() const { return menuMerge_; }
  void SetMenuMerge(bool value) { menuMerge_ = value; }

  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // The "SkinStream" bytes of a form: a stored skin, built at once.
  void ReadSkinStream(const std::vector<uint8_t>& data);
  // Builds the elements from the stored skin; false (and NoSkin left set) when it is refused.
  bool LoadSkin();
  void Loaded() override;
  // Queues a refresh of every window skinned with this component (after a new skin).
  void RefreshSkin();
  // Skins the not yet skinned controls under Control (the whole form when nullptr) of a
  // skinned form; nothing for a form that is not skinned.
  void UpdateSkinControl(TControl* Form, TControl* Control);
  // Lets new windows be skinned (true) or leaves them alone (false), e.g. around a file dialog.
  void EnableSkinning(bool value);
  // The last word on whether a window class is skinned: the OnFormSkin handler when there is
  // one, else a month calendar and, with xcFastReport, report windows are refused.
  void DoFormSkin(HWND Window, const std::wstring& ClassName, bool& DoSkin);
  void DoSkinChanged();
  // The caption-button hint: shown at rect's top-left when xoCaptionButtonHint is set.
  void ShowCaptionHint(const RECT& rect, const std::wstring& text);
  void HideCaptionHint();
  bool CaptionHintShown() const { return hintShown_; }

  // State read by the rest of the engine.
  bool NoSkin = true;
  bool NcPaintEnabled = true;
  uint32_t HintElapsed = 0;
  TSkinElements Elements;
  TBitmap IconBitmap;  // the application's small icon on magenta, empty without one
  // Restore, maximize, minimize and close (16 x 16 each) for the system menu and captions;
  // owned.
  TImageList* MenuGlyphs = nullptr;
  const std::vector<uint8_t>& StoredSkin() const { return storedSkin_; }

 private:
  void BuildIconBitmap();

  bool active_ = false;
  int disableTag_ = 99;
  TSkinControlTypes skinControls_;
  TSkinOptions options_;
  std::vector<std::wstring> skin3rd_;
  std::wstring skinFile_;
  TSkinFormType formType_ = TSkinFormType::sfMainform;
  bool menuUpdate_ = true;
  bool menuMerge_ = false;
  std::vector<uint8_t> storedSkin_;
  THintWindow* captionHint_ = nullptr;  // owned
  bool hintShown_ = false;
};

// The built-in style map (class name "=" style) of other vendors' controls.
std::vector<std::wstring> DefaultSkin3rd();

