// Alignment: stacking along each edge, restacking when a size changes, client filling.
#include <gtest/gtest.h>

#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui_test_support.h"

namespace {
// Aligned controls keep their order along an edge by position, as in form files: each new
// panel starts beyond the ones before it.
TPanel* MakePanel(TWinControl* parent, TAlign align, int size) {
  static int next = 1000;
  auto* p = new TPanel(parent);
  p->SetParent(parent);
  next += 10;
  bool fromEnd = align == TAlign::alBottom || align == TAlign::alRight;
  p->SetBounds(fromEnd ? -next : next, fromEnd ? -next : next, 10, 10);
  if (align == TAlign::alLeft || align == TAlign::alRight)
    p->SetWidth(size);
  else
    p->SetHeight(size);
  p->SetAlign(align);
  return p;
}

class Align : public ::testing::Test {
 protected:
  void SetUp() override {
    host = new TPanel(nullptr);
    host->SetBevelOuter(TBevelCut::bvNone);
    host->SetBounds(0, 0, 200, 400);
  }
  void TearDown() override { delete host; }
  TPanel* host = nullptr;
};
}  // namespace

TEST_F(Align, TopAlignedPanelsStackAndRestackWhenAHeightChanges) {
  TPanel* a = MakePanel(host, TAlign::alTop, 32);
  TPanel* b = MakePanel(host, TAlign::alTop, 32);
  TPanel* c = MakePanel(host, TAlign::alTop, 32);
  EXPECT_EQ(a->Top(), 0);
  EXPECT_EQ(b->Top(), 32);
  EXPECT_EQ(c->Top(), 64);
  EXPECT_EQ(b->Width(), 200);
  b->SetHeight(144);  // a group expands: those below move down, the order stays
  EXPECT_EQ(a->Top(), 0);
  EXPECT_EQ(b->Top(), 32);
  EXPECT_EQ(c->Top(), 176);
  b->SetHeight(32);
  EXPECT_EQ(c->Top(), 64);
  a->SetHeight(200);
  EXPECT_EQ(b->Top(), 200);
  EXPECT_EQ(c->Top(), 232);
}

TEST_F(Align, HiddenAlignedControlsTakeNoSpace) {
  TPanel* a = MakePanel(host, TAlign::alTop, 50);
  TPanel* b = MakePanel(host, TAlign::alTop, 50);
  a->SetVisible(false);
  EXPECT_EQ(b->Top(), 0);
  a->SetVisible(true);
  EXPECT_EQ(a->Top(), 0);
  EXPECT_EQ(b->Top(), 50);
}

TEST_F(Align, EdgesThenClient) {
  TPanel* top = MakePanel(host, TAlign::alTop, 30);
  TPanel* bottom = MakePanel(host, TAlign::alBottom, 20);
  TPanel* left = MakePanel(host, TAlign::alLeft, 40);
  TPanel* right = MakePanel(host, TAlign::alRight, 10);
  TPanel* client = MakePanel(host, TAlign::alClient, 0);
  struct Case {
    TPanel* panel;
    TRect expected;
  } cases[] = {
      {top, Rect(0, 0, 200, 30)},      {bottom, Rect(0, 380, 200, 400)}, {left, Rect(0, 30, 40, 380)},
      {right, Rect(190, 30, 200, 380)}, {client, Rect(40, 30, 190, 380)},
  };
  for (const Case& c : cases) {
    TRect r = c.panel->BoundsRect();
    EXPECT_TRUE(EqualRect(&r, &c.expected)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
  host->SetBounds(0, 0, 300, 500);  // the parent grows: everything follows
  EXPECT_EQ(client->Width(), 250);
  EXPECT_EQ(client->Height(), 450);
  EXPECT_EQ(bottom->Top(), 480);
}

TEST_F(Align, BevelsAndBorderShrinkTheSharedArea) {
  host->SetBevelOuter(TBevelCut::bvRaised);
  host->SetBorderWidth(2);
  TPanel* client = MakePanel(host, TAlign::alClient, 0);
  EXPECT_EQ(client->Left(), 3);
  EXPECT_EQ(client->Top(), 3);
  EXPECT_EQ(client->Width(), 194);
}

TEST_F(Align, WindowedChildrenFollowInTheirWindows) {
  TPanel* a = MakePanel(host, TAlign::alTop, 40);
  TPanel* b = MakePanel(host, TAlign::alTop, 40);
  host->Handle();
  a->SetHeight(100);
  RECT r;
  GetWindowRect(b->Handle(), &r);
  MapWindowPoints(nullptr, host->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.bottom - r.top, 40);
}
