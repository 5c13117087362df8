// Notifications a parent window gets about a child reach that child as CN_* messages, found by
// window handle or, for WM_MEASUREITEM, by the child's control ID.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/forms.h"
#include "gui/sliders.h"
#include "gui_test_support.h"

namespace {
// A native control of a given system class that records the reflected messages it gets.
template <const wchar_t* Base, DWORD ExtraStyle>
class TReflectedNative : public TWinControl {
 public:
  static const TClassInfo& StaticClass() {
    static const std::wstring name = std::wstring(L"TReflected_") + Base;
    static const TClassInfo info(name.c_str(), &TWinControl::StaticClass(), nullptr, {});
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TReflectedNative(TComponent* owner) : TWinControl(owner) {}
  std::vector<UINT> reflected;
  UINT measuredItemHeight = 0;

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClass = Base;
    params.Style |= ExtraStyle;
  }
  void WndProc(TMessage& m) override {
    if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x400) reflected.push_back(m.Msg);
    if (m.Msg == CN_MEASUREITEM) {
      reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemHeight = 33;
      m.Result = TRUE;
      return;
    }
    TWinControl::WndProc(m);
  }
};

constexpr wchar_t kListBox[] = L"LISTBOX";
using TOwnerDrawnList = TReflectedNative<kListBox, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS>;

bool Has(const std::vector<UINT>& list, UINT msg) { return std::find(list.begin(), list.end(), msg) != list.end(); }

// A shown form with one probe control on it.
template <class Probe>
struct ProbeOnForm {
  TForm form{nullptr};
  Probe* probe = new Probe(&form);
  ProbeOnForm() {
    form.SetBounds(40, 40, 300, 200);
    probe->SetBounds(10, 10, 200, 120);
    probe->SetParent(&form);
    form.Show();
  }
};
}  // namespace

TEST(Reflection, AnOwnerDrawnListBoxIsMeasuredThroughItsOwnControl) {
  ProbeOnForm<TOwnerDrawnList> f;
  TOwnerDrawnList* list = f.probe;
  // The fixed item height is asked for while the list box is being made.
  EXPECT_TRUE(Has(list->reflected, CN_MEASUREITEM));
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 33);
  SendMessageW(list->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
  UpdateWindow(list->Handle());
  EXPECT_TRUE(Has(list->reflected, CN_DRAWITEM));
}

TEST(Reflection, ATrackBarsScrollReachesItAsCnHScroll) {
  ProbeOnForm<TTrackBar> f;
  TTrackBar* bar = f.probe;
  bar->SetMax(10);
  MessageRecorder hook(bar);
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  SendMessageW(bar->Handle(), WM_KEYDOWN, VK_RIGHT, 0);  // the track bar tells its parent
  EXPECT_TRUE(hook.Saw(CN_HSCROLL));
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_EQ(changes, 1);
}
