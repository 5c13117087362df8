// Check boxes: tri-state tracking between parents and children, OnChecked once per changed
// node and click, Space on the focused row, plain boxes standing alone.
#include <gtest/gtest.h>

#include <string>

#include "gui_test_support.h"
#include "tree_fixture.h"

namespace {
// Two levels of tri-state boxes: row 0 with three children, row 1 with none, row 2 with two.
class Checks : public ::testing::Test {
 protected:
  void SetUp() override {
    tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode parent, PVirtualNode node, TVirtualNodeInitStates& states) {
      node->CheckType = TCheckType::ctTriStateCheckBox;
      if (!parent) states.Include(TVirtualNodeInitState::ivsHasChildren);
    };
    tree->OnInitChildren = [](TBaseVirtualTree*, PVirtualNode node, uint32_t& count) {
      count = node->Index == 0 ? 3 : node->Index == 1 ? 0 : 2;
    };
    tree->OnChecked = [this](TBaseVirtualTree*, PVirtualNode node) { checked.push_back(Name(node)); };
    tree->SetRootNodeCount(3);
    tree->FullExpand();
  }

  std::wstring Name(PVirtualNode node) {
    std::wstring name = std::to_wstring(node->Index);
    return node->Parent == tree->RootNode() ? L"r" + name : L"c" + std::to_wstring(node->Parent->Index) + name;
  }
  // States of r0 c00 c01 c02 r1 r2 c20 c21 as u / c / m.
  std::string States() {
    std::string s;
    for (PVirtualNode n = tree->GetFirst(); n; n = tree->GetNext(n))
      s += "ucm"[static_cast<int>(tree->CheckState(n))];
    return s;
  }

  TreeFixture f;
  TVirtualStringTree* tree = f.tree;
  std::vector<std::wstring> checked;
};
}  // namespace

TEST_F(Checks, ParentsFollowTheirChildrenAndPassTheirStateDown) {
  struct Step {
    const char* what;
    std::vector<std::pair<int, int>> clicks;  // (row, child or -1) clicked in order
    const char* states;                       // r0 c00 c01 c02 r1 r2 c20 c21 afterwards
  } steps[] = {
      {"check a child", {{0, 0}}, "mcuu" "u" "uuu"},
      {"check the other children", {{0, 1}, {0, 2}}, "cccc" "u" "uuu"},
      {"uncheck one", {{0, 1}}, "mcuc" "u" "uuu"},
      {"uncheck the last checked ones", {{0, 0}, {0, 2}}, "uuuu" "u" "uuu"},
      {"check only the last child", {{0, 2}}, "muuc" "u" "uuu"},
      {"uncheck it again", {{0, 2}}, "uuuu" "u" "uuu"},
      {"click a parent", {{2, -1}}, "uuuu" "u" "ccc"},
      {"click the parent again", {{2, -1}}, "uuuu" "u" "uuu"},
      {"click a mixed parent", {{0, 1}, {0, -1}}, "cccc" "u" "uuu"},
      {"a parent with no children", {{1, -1}}, "cccc" "c" "uuu"},
  };
  for (const Step& step : steps) {
    for (auto [row, child] : step.clicks) f.ClickCheckBox(child < 0 ? f.Row(row) : f.Child(row, child));
    EXPECT_EQ(States(), step.states) << step.what;
  }
}

TEST_F(Checks, OnCheckedFiresOncePerChangedNodeOfAClick) {
  f.ClickCheckBox(f.Child(0, 1));
  EXPECT_EQ(checked, (std::vector<std::wstring>{L"c01", L"r0"}));
  checked.clear();
  f.ClickCheckBox(f.Row(0));  // mixed: every child checked, one event each that changed
  EXPECT_EQ(checked, (std::vector<std::wstring>{L"r0", L"c00", L"c02"}));
  checked.clear();
  f.ClickCheckBox(f.Child(2, 0));
  f.ClickCheckBox(f.Child(2, 0));
  EXPECT_EQ(checked, (std::vector<std::wstring>{L"c20", L"r2", L"c20", L"r2"}));
  checked.clear();
  tree->SetCheckState(f.Row(1), TCheckState::csCheckedNormal);
  tree->SetCheckState(f.Row(1), TCheckState::csCheckedNormal);  // no change, no event
  EXPECT_EQ(checked, (std::vector<std::wstring>{L"r1"}));
}

TEST_F(Checks, SpaceTogglesTheFocusedRowsBox) {
  f.Click(200, tree->CellLayout(f.Child(0, 2), 0).Content.top + 2);
  ASSERT_EQ(tree->FocusedNode(), f.Child(0, 2));
  f.Key(VK_SPACE);
  EXPECT_EQ(States(), "muuc" "u" "uuu");
  f.Key(VK_SPACE);
  EXPECT_EQ(States(), "uuuu" "u" "uuu");
  EXPECT_EQ(checked.size(), 4u);
}

TEST(PlainChecks, PlainBoxesStandAloneAndClicksOutsideTheBoxLeaveThem) {
  TreeFixture f;
  f.tree->OnInitNode = [](TBaseVirtualTree*, PVirtualNode parent, PVirtualNode node, TVirtualNodeInitStates& states) {
    node->CheckType = TCheckType::ctCheckBox;
    if (!parent && node->Index == 0) states.Include(TVirtualNodeInitState::ivsHasChildren);
  };
  f.tree->OnInitChildren = [](TBaseVirtualTree*, PVirtualNode, uint32_t& count) { count = 2; };
  f.tree->SetRootNodeCount(2);
  f.tree->FullExpand();
  f.ClickCheckBox(f.Child(0, 0));
  EXPECT_EQ(f.tree->CheckState(f.Child(0, 0)), TCheckState::csCheckedNormal);
  EXPECT_EQ(f.tree->CheckState(f.Row(0)), TCheckState::csUncheckedNormal);
  f.ClickCheckBox(f.Row(0));
  EXPECT_EQ(f.tree->CheckState(f.Row(0)), TCheckState::csCheckedNormal);
  EXPECT_EQ(f.tree->CheckState(f.Child(0, 1)), TCheckState::csUncheckedNormal);
  TRect content = f.tree->CellLayout(f.Row(1), 0).Content;
  f.Click(content.left + 20, content.top + 2);
  EXPECT_EQ(f.tree->CheckState(f.Row(1)), TCheckState::csUncheckedNormal);
  EXPECT_EQ(f.tree->FocusedNode(), f.Row(1));
}
