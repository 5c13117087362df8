// The skin component without windows of its own: settings at creation and after loading, the
// window-class rule, the stored skin and the built-in style map.
#include "skin/skin_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <set>

#include "gui/properties.h"
#include "packed_skin.h"
#include "skin/skin_manager.h"

namespace {

using T = TSkinControlType;

class SkinDataTest : public testing::Test {
 protected:
  void TearDown() override {
    SimulateMissingScrollBarInfo(false);
    FreeSkinManager();
  }
};

TEST_F(SkinDataTest, LoadedAdjustsTheKindsOfControl) {
  struct Case {
    const char* what;
    TSkinControlTypes stored;
    bool oldUser32;
    TSkinControlTypes expected;
  } cases[] = {
      {"frame skinned: owner-drawn menu items go", {T::xcMainMenu, T::xcMenuItem, T::xcSystemMenu, T::xcButton},
       false, {T::xcMainMenu, T::xcSystemMenu, T::xcButton}},
      {"frame not skinned: the system menu goes", {T::xcMenuItem, T::xcSystemMenu, T::xcButton}, false,
       {T::xcMenuItem, T::xcButton}},
      {"no GetScrollBarInfo: no scroll bars", {T::xcMainMenu, T::xcScrollbar}, true, {T::xcMainMenu}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SimulateMissingScrollBarInfo(c.oldUser32);
    TSkinData data(nullptr);
    data.SetSkinControls(c.stored);
    data.Loaded();
    EXPECT_EQ(data.SkinControls(), c.expected);
  }
}

TEST_F(SkinDataTest, ActiveInTheFormNeedsAUsableStoredSkin) {
  TSkinData broken(nullptr);
  broken.BeginLoading();
  broken.SetActive(true);
  std::vector<uint8_t> cut = OurStoredSkin();
  ASSERT_GT(cut.size(), 100u);
  cut.pop_back();  // one byte short
  broken.ReadSkinStream(cut);
  broken.Loaded();
  EXPECT_TRUE(broken.NoSkin);
  EXPECT_FALSE(broken.Active());

  TSkinData good(nullptr);
  good.BeginLoading();
  good.SetActive(true);
  good.ReadSkinStream(OurStoredSkin());
  good.Loaded();
  EXPECT_FALSE(good.NoSkin);
  EXPECT_TRUE(good.Active());
  // Before any window was activated the command only lets windows be skinned from now on.
  EXPECT_TRUE(SkinManager->SkinningEnabled);
  EXPECT_EQ(SkinManager->ManagerState, TManagerState::Idle);
}

TEST_F(SkinDataTest, SettingsAtCreationAndTheFixedProperties) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_TRUE(data.SkinControls().Contains(T::xcSystemMenu));
  EXPECT_FALSE(data.SkinControls().Contains(T::xcMenuItem));
  EXPECT_FALSE(data.SkinControls().Contains(T::xcFastReport));
  EXPECT_EQ(data.Options(), (TSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK,
                                          TSkinOption::xoCaptionButtonHint}));
  EXPECT_TRUE(data.NoSkin);
  SetStrProp(&data, L"SkinStore", L"(Good)");
  SetStrProp(&data, L"Version", L"2.0");
  EXPECT_EQ(GetStrProp(&data, L"SkinStore").value_or(L""), L"(none)");
  EXPECT_EQ(GetStrProp(&data, L"Version").value_or(L""), L"1.0.0.0");
}

TEST_F(SkinDataTest, MenuGlyphsAreTheFourWindowCommandsOnATransparentGround) {
  TSkinData data(nullptr);
  ASSERT_NE(data.MenuGlyphs, nullptr);
  EXPECT_EQ(data.MenuGlyphs->Count(), 4);
  EXPECT_EQ(data.MenuGlyphs->Width(), 16);
  EXPECT_EQ(data.MenuGlyphs->Height(), 16);
  const COLORREF ground = RGB(90, 140, 200);
  auto drawn = [&](int index) {
    TBitmap cell(16, 16);
    cell.Fill(ground);
    data.MenuGlyphs->Draw(cell.Canvas(), 0, 0, index);
    return cell;
  };
  // Where a glyph has ink and where every glyph leaves the ground alone (white is the mask).
  struct Case {
    int index;
    POINT ink, clear;
  };
  const Case cases[] = {
      {0, {3, 11}, {8, 9}},   // restore: the front window's bottom edge, inside it
      {1, {3, 7}, {8, 7}},    // maximize: the left edge, the middle
      {2, {7, 12}, {7, 6}},   // minimize: the bar, above it
      {3, {7, 7}, {7, 2}},    // close: the crossing, above it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    TBitmap cell = drawn(c.index);
    EXPECT_EQ(cell.Pixel(c.ink.x, c.ink.y), RGB(0, 0, 0));
    EXPECT_EQ(cell.Pixel(c.clear.x, c.clear.y), ground);
    EXPECT_EQ(cell.Pixel(0, 0), ground);
    EXPECT_EQ(cell.Pixel(15, 15), ground);
  }
}

TEST_F(SkinDataTest, TheBuiltInStyleMap) {
  std::vector<std::wstring> map = DefaultSkin3rd();
  EXPECT_EQ(map.size(), 118u);
  std::set<std::wstring> distinct;
  for (std::wstring line : map) {
    ASSERT_NE(line.find(L'='), std::wstring::npos) << line;
    std::transform(line.begin(), line.end(), line.begin(), [](wchar_t c) { return std::towlower(c); });
    distinct.insert(line);
  }
  EXPECT_EQ(distinct.size(), 115u);
  EXPECT_EQ(TSkinData(nullptr).Skin3rd(), map);
}

TEST_F(SkinDataTest, WindowClassRuleAndTheApplicationsHandler) {
  struct Case {
    const wchar_t* cls;
    bool fastReport;
    bool skinned;
  } cases[] = {
      {L"SysMonthCal32", false, false}, {L"sysmonthcal32", false, true}, {L"TfrPreviewForm", true, false},
      {L"TfrPreviewForm", false, true}, {L"TFRPreviewForm", true, true},  {L"Tfrmmain", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls << " " << c.fastReport);
    TSkinData data(nullptr);
    TSkinControlTypes kinds = data.SkinControls();
    if (c.fastReport) kinds.Include(T::xcFastReport);
    data.SetSkinControls(kinds);
    bool doSkin = true;
    data.DoFormSkin(nullptr, c.cls, doSkin);
    EXPECT_EQ(doSkin, c.skinned);
  }
  // A handler replaces both rules.
  TSkinData data(nullptr);
  std::wstring asked;
  data.OnFormSkin = [&asked](TObject*, const std::wstring& name, bool& doSkin) {
    asked = name;
    doSkin = !doSkin;
  };
  bool doSkin = false;
  data.DoFormSkin(nullptr, L"SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(asked, L"SysMonthCal32");
}

TEST_F(SkinDataTest, PopupMenusNeedTheirSetting) {
  TSkinData data(nullptr);
  struct Case {
    TPopupKind kind;
    TSkinControlTypes kinds;
    bool allowed;
  } cases[] = {
      {TPopupKind::ContextMenu, {T::xcPopupMenu}, true}, {TPopupKind::ContextMenu, {T::xcMainMenu}, false},
      {TPopupKind::WindowMenu, {T::xcMenuItem}, true},   {TPopupKind::WindowMenu, {T::xcMainMenu}, true},
      {TPopupKind::WindowMenu, {T::xcPopupMenu}, false}, {TPopupKind::SystemMenu, {T::xcSystemMenu}, true},
      {TPopupKind::SystemMenu, {T::xcMainMenu}, false},
  };
  for (const Case& c : cases) {
    data.SetSkinControls(c.kinds);
    EXPECT_EQ(TSkinManage::PopupAllowed(c.kind, data), c.allowed) << static_cast<int>(c.kind);
  }
}

}  // namespace
