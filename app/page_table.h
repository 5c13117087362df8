#pragma once
// What each navigation button of the main window opens: its page class, the page's heading and
// how long the page lives. The main window reads this table; the program fills in how each page
// that it contains is made (SetPageFactory), so the buttons of pages it does not contain keep
// only their navigation behaviour.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gui/forms.h"

// How long a page lives once made.
enum class TPageLife {
  Kept,       // until the program ends
  Recreated,  // freed whenever one-click maintenance opens, made anew on its next opening
};

using TPageFactory = std::function<TCustomForm*(TComponent* Owner)>;
// A page-specific step: the first-time step after a new page is placed, or the reopen step
// before an existing page comes to the front.
using TPageStep = std::function<void(TCustomForm* Page)>;

struct TPageInfo {
  const wchar_t* Button;        // the navigation button (its click handler is Button + "Click")
  const wchar_t* PageClass;     // the page's form class
  const wchar_t* HeadingLabel;  // the page's label that gets greeting + TitleSuffix; nullptr: none
  const wchar_t* TitleSuffix;   // begins with a blank
  TPageLife Life;
  TPageFactory Create;          // empty until the program sets it
  TPageStep FirstTime;
  TPageStep Reopen;
};

// Every page the navigation buttons open, section buttons first, then the feature buttons top
// to bottom.
std::vector<TPageInfo>& PageTable();
// The row of a button, or nullptr.
TPageInfo* FindPageOfButton(const std::wstring& Button);
// Makes the page of PageClass part of the program. Throws Exception for a class not in the table.
void SetPageFactory(const std::wstring& PageClass, TPageFactory Create, TPageStep FirstTime = {},
                    TPageStep Reopen = {});

// The pages a window has opened, one per row of the table (the main window's, a test host's).
class TPageSlots {
 public:
  // Opens the page of Button as the table says. A new page is made with Owner, placed in Area
  // (borderless, client-aligned), given its first-time step and its heading (Greeting followed
  // by the title), then Placed runs and the page is shown; an existing one gets its reopen step
  // and heading and comes to the front. nullptr when the program does not contain the page.
  TCustomForm* Open(const std::wstring& Button, TComponent* Owner, TWinControl* Area, const std::wstring& Greeting,
                    const std::function<void()>& Placed = {});
  // The page of a button while it exists, else nullptr.
  TCustomForm* PageOf(const std::wstring& Button) const;
  // Frees the pages that are made anew (a page pumping messages at that moment finds itself
  // gone through its TComponentRef).
  void FreeRecreated();

 private:
  std::map<const TPageInfo*, TComponentRef<TCustomForm>> pages_;
};
