// Notifications a parent window gets about a child reach that child as CN_* messages, found by
// window handle or, for WM_MEASUREITEM, by the child's control ID.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/forms.h"
#include "gui/lists.h"
#include "gui/sliders.h"
#include "gui_test_support.h"

namespace {
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
  ProbeOnForm<TListBox> f;
  TListBox* list = f.probe;
  list->SetStyle(TListBoxStyle::lbOwnerDrawVariable);
  std::vector<int> measured, drawn;
  list->OnMeasureItem = [&](TWinControl*, int index, int& height) {
    measured.push_back(index);
    height = 33;
  };
  list->OnDrawItem = [&](TWinControl*, int index, TRect, TOwnerDrawState) { drawn.push_back(index); };
  MessageRecorder hook(list);
  // A variable-height list box asks its parent for each row's height as the row is added.
  list->Items().Add(L"one");
  EXPECT_TRUE(hook.Saw(CN_MEASUREITEM));
  EXPECT_EQ(measured, std::vector<int>{0});
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 33);
  RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(hook.Saw(CN_DRAWITEM));
  EXPECT_EQ(drawn, std::vector<int>{0});
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
