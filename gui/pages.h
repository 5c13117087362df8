// Tabs: the native tab control as TTabControl (a strip of tabs over one area) and
// TPageControl (one TTabSheet page per tab; tabs may be hidden and pages switched in code).
#pragma once

#include <string>
#include <vector>

#include "gui/controls.h"
#include "gui/image_list.h"

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
extern const TEnumInfo TabStyleInfo, TabPositionInfo;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// What both tab controls share: the native window, its styles and the change events.
// Child controls aligned alClient fill the area inside the tabs and the frame.
class TCustomTabControl : public TWinControl {
  QS_CLASS(TCustomTabControl)

 public:
  explicit TCustomTabControl(TComponent* owner);

  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle value);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value);
  // A fixed size for every tab; 0 lets each tab fit its caption.
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int value);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value);
  // The tab images: a tab control's tab i shows image i, a page's tab its ImageIndex.
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);

  // The number of tabs shown and the selected one (-1 when none is).
  int TabCount() const { return static_cast<int>(TabCaptions().size()); }
  int TabIndex() const;
  // The area inside the tabs and the frame, in client coordinates.
  TRect DisplayRect() const;

  // OnChanging comes before a tab the user clicks is selected and may refuse it;
  // OnChange comes after. Selecting in code fires neither.
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  void AdjustClientRect(TRect& r) const override;

  // The captions of the tabs, in order, and the tab that should be selected (-1 for none).
  virtual std::vector<std::wstring> TabCaptions() const = 0;
  virtual int WantedTabIndex() const = 0;
  virtual int TabImageIndex(int tab) const { return tab; }
  void Notification(TComponent* component, TOperation operation) override;
  // Whether the user may leave the selected tab; then the change itself (TabIndex is new).
  virtual bool CanChange();
  virtual void Change();
  // Puts the tabs into the window again, after captions or the selection changed.
  void UpdateTabs();

 private:
  TTabStyle style_ = TTabStyle::tsTabs;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  bool multiLine_ = false;
  bool hotTrack_ = false;
  int tabHeight_ = 0, tabWidth_ = 0;
  TCustomImageList* images_ = nullptr;
};

// A strip of tabs over one area; the program changes what the area shows.
class TTabControl : public TCustomTabControl {
  QS_CLASS(TTabControl)

 public:
  explicit TTabControl(TComponent* owner);

  const std::vector<std::wstring>& Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::wstring>& tabs);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int value);

 protected:
  std::vector<std::wstring> TabCaptions() const override { return tabs_; }
  int WantedTabIndex() const override { return tabIndex_; }
  void Change() override;

 private:
  std::vector<std::wstring> tabs_;
  int tabIndex_ = -1;
};

class TPageControl;

// One page of a page control: shown while it is the active page. Its tab may be hidden.
class TTabSheet : public TCustomControl {
  QS_CLASS(TTabSheet)

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* value);
  void SetParent(TWinControl* parent) override;
  // The position among the pages of the page control (-1 without one).
  int PageIndex() const;
  void SetPageIndex(int value);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  // The position of its tab among the shown tabs, -1 while the tab is hidden.
  int TabIndex() const;
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

 protected:
  void TextChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

// Pages on top of each other, one shown at a time, chosen by a tab or in code.
class TPageControl : public TCustomTabControl {
  QS_CLASS(TPageControl)

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(index); }
  // The page shown; a page with a hidden tab can be active too. Changing it in code fires
  // no events.
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The next page (or the previous one) after `current` whose tab is shown, wrapping
  // around; nullptr when no other page has a shown tab.
  TTabSheet* FindNextPage(TTabSheet* current, bool forward) const;

  void Loaded() override;

 protected:
  std::vector<std::wstring> TabCaptions() const override;
  int WantedTabIndex() const override;
  int TabImageIndex(int tab) const override;
  void Change() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // The page of a shown tab.
  TTabSheet* PageForTab(int tab) const;
  // Only the active page is visible.
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};

void RegisterPageClasses();
