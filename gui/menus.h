// Menus over native menus: TMainMenu (a form's menu bar), TPopupMenu (Popup at a point) and
// their TMenuItem trees, with command IDs, accelerators, check marks, owner drawing and
// shortcuts. Popup menus' WM_COMMAND, WM_MEASUREITEM and WM_DRAWITEM reach their items
// through one hidden window, the popup list.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls.h"

class TCustomImageList;
class TMenu;

// A key with modifiers, as form files store it: the virtual key in the low byte.
using TShortCut = int;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(WORD key, TShiftState shift);
// "Ctrl+S", "Shift+F5", "Del"; empty for scNone.
std::wstring ShortCutToText(TShortCut shortCut);

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;

class TMenuItem : public TComponent {
  QS_CLASS(TMenuItem)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // The item's command ID (unique in the program): WM_COMMAND's low word and itemID of the
  // owner-draw messages.
  UINT Command() const { return command_; }
  // The native submenu of an item with children, or the menu of a root item (made when needed).
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The menu the item belongs to, or nullptr while it hangs in no menu.
  TMenu* GetParentMenu() const;
  // The images of its menu.
  TCustomImageList* GetImageList() const;
  bool IsLine() const { return caption_ == L"-"; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& value) { hint_ = value; }

  // Fires OnClick (a disabled item does nothing).
  virtual void Click();
  // The framework's own measuring and drawing of an owner-drawn item; OnMeasureItem and
  // OnDrawItem, when set, take their place.
  virtual void MeasureItem(TCanvas* canvas, int& width, int& height);
  virtual void DrawItem(TCanvas* canvas, TRect rect, bool selected);
  // What WM_MEASUREITEM and WM_DRAWITEM for the item run: the event, else the own way.
  void DoMeasureItem(TCanvas* canvas, int& width, int& height);
  void DoDrawItem(TCanvas* canvas, TRect rect, bool selected);

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

  // Places the item under a menu or another item (a form file nests them).
  bool SetParentComponent(TComponent* parent) override;

 private:
  friend class TMenu;
  // Builds the native entries of the children again after a change.
  void RebuildHandle();
  void AppendTo(HMENU menu);
  // Something shown changed: the parent's native menu is built again and the menu told.
  void Changed();
  void DestroyHandle();

  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  std::vector<TMenuItem*> items_;
  HMENU handle_ = nullptr;
  UINT command_ = 0;
  std::wstring caption_;
  std::wstring hint_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool default_ = false;
  int imageIndex_ = -1;
  TShortCut shortCut_ = scNone;
};

enum class TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu : public TComponent {
  QS_CLASS(TMenu)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_.get(); }
  virtual HMENU Handle() { return items_->Handle(); }
  // The visible item with that command, submenu handle or shortcut, or nullptr.
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Clicks the item with that command; false when no item of this menu has it.
  bool DispatchCommand(UINT command);
  // Clicks the enabled item with that shortcut; false when there is none.
  bool IsShortCut(WORD key, TShiftState shift);

  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);

  // The window whose menu this is (a main menu's form); it gets CM_MENUCHANGED on changes.
  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND window) { window_ = window; }
  // An item changed (the native menu is already up to date).
  virtual void MenuChanged(TMenuItem* item);

 protected:
  // The native menu the root item makes.
  virtual HMENU CreateRootHandle() = 0;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenuItem;
  std::unique_ptr<TMenuItem> items_;
  bool ownerDraw_ = false;
  TCustomImageList* images_ = nullptr;
  HWND window_ = nullptr;
};

class TMainMenu : public TMenu {
  QS_CLASS(TMainMenu)

 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}

 protected:
  HMENU CreateRootHandle() override { return CreateMenu(); }
};

class TPopupMenu : public TMenu {
  QS_CLASS(TPopupMenu)

 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Shows the menu at a screen point and returns when it closes; the chosen item's OnClick
  // runs as its command arrives (through the popup list window).
  virtual void Popup(int x, int y);
  // The control the menu was last shown for (its PopupMenu), or nullptr.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

  TNotifyEvent OnPopup;

 protected:
  HMENU CreateRootHandle() override { return CreatePopupMenu(); }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TComponent* popupComponent_ = nullptr;
};

// The hidden window that owns every shown popup menu and passes its messages to the items.
HWND PopupListWindow();
// Routes an owner-draw message about a menu item (CtlType ODT_MENU) to the framework item with
// that command in `menu` (any popup menu when null); false when it is not one of ours.
bool DispatchMenuOwnerDraw(TMenu* menu, UINT msg, LPARAM lParam);

// Makes the menu classes known to the form reader (RegisterStandardClasses calls it).
void RegisterMenuClasses();
