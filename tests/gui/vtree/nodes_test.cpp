// The node records' bookkeeping: the row at a pixel, a row's top, the order of the shown rows
// and the totals behind them stay consistent through counts, expansion, heights and deletion.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gui/vtree/node_store.h"

namespace {
// Walks the shown rows and checks every lookup against the walk.
void ExpectConsistent(const TVirtualNodeStore& s, const char* step) {
  SCOPED_TRACE(step);
  int top = 0;
  uint32_t rows = 0;
  PVirtualNode previous = nullptr;
  for (PVirtualNode n = s.First(); n; n = s.NextVisible(n)) {
    ASSERT_TRUE(s.IsVisible(n));
    EXPECT_EQ(s.NodeTop(n), top);
    int at = -1;
    EXPECT_EQ(s.NodeAtOffset(top, &at), n);
    EXPECT_EQ(at, top);
    EXPECT_EQ(s.NodeAtOffset(top + n->NodeHeight - 1, nullptr), n);
    EXPECT_EQ(s.PreviousVisible(n), previous);
    previous = n;
    top += n->NodeHeight;
    ++rows;
  }
  EXPECT_EQ(s.LastVisible(), previous);
  EXPECT_EQ(top, s.TotalHeight());
  EXPECT_EQ(rows, s.VisibleCount());
  EXPECT_EQ(s.NodeAtOffset(top, nullptr), nullptr);
  EXPECT_EQ(s.NodeAtOffset(-1, nullptr), nullptr);
}

const std::function<void(PVirtualNode)> kNoFree;
}  // namespace

TEST(NodeStore, AFlatListOfOneHeightIsIndexedDirectly) {
  TVirtualNodeStore s;
  s.SetDefaultHeight(21);
  s.SetChildCount(s.Root(), 100000, kNoFree);
  EXPECT_EQ(s.VisibleCount(), 100000u);
  EXPECT_EQ(s.TotalHeight(), 2100000);
  struct {
    int y;
    uint32_t row;
  } cases[] = {{0, 0}, {20, 0}, {21, 1}, {1049, 49}, {2099999, 99999}};
  for (const auto& c : cases) {
    int top = -1;
    PVirtualNode n = s.NodeAtOffset(c.y, &top);
    ASSERT_NE(n, nullptr) << c.y;
    EXPECT_EQ(n->Index, c.row) << c.y;
    EXPECT_EQ(top, static_cast<int>(c.row) * 21);
    EXPECT_EQ(s.NodeTop(n), top);
  }
  EXPECT_EQ(s.NodeAtOffset(2100000, nullptr), nullptr);
}

TEST(NodeStore, NestedRowsStayConsistentThroughExpandCollapseHeightsAndDeletion) {
  TVirtualNodeStore s;
  s.SetChildCount(s.Root(), 3, kNoFree);
  PVirtualNode r1 = s.Root()->Children[1];
  s.SetChildCount(r1, 4, kNoFree);
  PVirtualNode c12 = r1->Children[2];
  s.SetChildCount(c12, 2, kNoFree);
  ExpectConsistent(s, "all collapsed");
  EXPECT_EQ(s.VisibleCount(), 3u);

  s.SetExpanded(c12, true);  // a grandparent still collapsed hides it
  ExpectConsistent(s, "inner expanded first");
  EXPECT_EQ(s.VisibleCount(), 3u);
  s.SetExpanded(r1, true);
  ExpectConsistent(s, "both expanded");
  std::vector<PVirtualNode> order;
  for (PVirtualNode n = s.First(); n; n = s.NextVisible(n)) order.push_back(n);
  std::vector<PVirtualNode> expected{s.Root()->Children[0], r1,          r1->Children[0], r1->Children[1], c12,
                                     c12->Children[0],      c12->Children[1], r1->Children[3], s.Root()->Children[2]};
  EXPECT_EQ(order, expected);

  s.SetNodeHeight(c12->Children[0], 49);
  s.SetNodeHeight(r1, 30);
  ExpectConsistent(s, "two heights of their own");
  s.SetDefaultHeight(25);  // nodes of their own height keep it
  EXPECT_EQ(r1->NodeHeight, 30);
  EXPECT_EQ(r1->Children[0]->NodeHeight, 25);
  ExpectConsistent(s, "new default height");

  s.SetChildCount(r1, 6, kNoFree);  // children added below an expanded row show at once
  ExpectConsistent(s, "more children");
  EXPECT_EQ(s.VisibleCount(), 11u);
  s.Remove(r1->Children[1], kNoFree);
  ExpectConsistent(s, "one deleted");
  for (uint32_t i = 0; i < r1->ChildCount; ++i) EXPECT_EQ(r1->Children[i]->Index, i);
  EXPECT_EQ(r1->Children[1], c12);
  s.SetExpanded(r1, false);
  ExpectConsistent(s, "collapsed again");
  EXPECT_EQ(s.VisibleCount(), 3u);
}

TEST(NodeStore, DeletedNodesAreReportedChildrenFirstAndDataStartsZeroed) {
  TVirtualNodeStore s;
  s.SetDataSize(12);
  s.SetChildCount(s.Root(), 2, kNoFree);
  PVirtualNode r0 = s.Root()->Children[0], r1 = s.Root()->Children[1];
  s.SetChildCount(r1, 2, kNoFree);
  std::memset(s.Data(r0), 0xAB, 12);
  static const char zeros[12] = {};
  EXPECT_EQ(std::memcmp(s.Data(r1), zeros, 12), 0);
  EXPECT_NE(s.Data(r0), s.Data(r1));

  std::vector<PVirtualNode> freed;
  PVirtualNode c0 = r1->Children[0], c1 = r1->Children[1];
  s.SetChildCount(s.Root(), 1, [&](PVirtualNode n) { freed.push_back(n); });
  EXPECT_EQ(freed, (std::vector<PVirtualNode>{c1, c0, r1}));
  ExpectConsistent(s, "shrunk");
  // A freed record is used again, zeroed.
  s.SetChildCount(s.Root(), 2, kNoFree);
  EXPECT_EQ(std::memcmp(s.Data(s.Root()->Children[1]), zeros, 12), 0);
}
