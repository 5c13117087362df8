// A tab set for the tests and the gallery: the framework has no tab set of its own, and the tab
// set skinner knows one by its class name and reads its published properties by name (Tabs,
// TabIndex, FirstIndex, StartMargin, EndMargin, Font). It paints plain captions itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gui/controls.h"
#include "gui/type_info.h"

class TTabSet : public TCustomControl {
  QS_CLASS(TTabSet)

 public:
  explicit TTabSet(TComponent* owner) : TCustomControl(owner) {}

  std::vector<std::wstring> Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::wstring>& value) { tabs_ = value, Invalidate(); }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int value) { tabIndex_ = value, Invalidate(); }
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int value) { firstIndex_ = value, Invalidate(); }
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int value) { startMargin_ = value, Invalidate(); }
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int value) { endMargin_ = value, Invalidate(); }

 protected:
  void Paint() override {
    HDC dc = Canvas().Handle();
    RECT r{0, 0, Width(), Height()};
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    std::wstring all;
    for (const std::wstring& tab : tabs_) all += tab + L"  ";
    DrawTextW(dc, all.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER);
  }

 private:
  std::vector<std::wstring> tabs_;
  int tabIndex_ = -1, firstIndex_ = 0, startMargin_ = 5, endMargin_ = 5;
};

inline const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo info(L"TTabSet", &TCustomControl::StaticClass(), nullptr,
                               {props::Lines(L"Tabs", &TTabSet::Tabs, &TTabSet::SetTabs),
                                props::Int(L"TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex),
                                props::Int(L"FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex),
                                props::Int(L"StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin),
                                props::Int(L"EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin)});
  return info;
}
