// The browser add-ons found in the registry and their removal, on fixture classes of the test's
// own.
#include "tools/iemanage/ie_addons.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "tests/tools/iemanage/addon_fixture.h"

namespace {

// The add-ons the scan reports at a key path (and value name), in the order found.
std::vector<TIEBHOItem> Found(const std::vector<TIEBHOItem>& items, const std::wstring& keyPath,
                              const std::wstring& valueName = std::wstring()) {
  std::vector<TIEBHOItem> found;
  for (const TIEBHOItem& item : items)
    if (item.KeyPath == keyPath && item.ValueName == valueName) found.push_back(item);
  return found;
}

size_t PositionOf(const std::vector<TIEBHOItem>& items, const std::wstring& keyPath, const std::wstring& valueName) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].KeyPath == keyPath && items[i].ValueName == valueName) return i;
  return items.size();
}

}  // namespace

TEST(IEAddons, EachKindIsListedFromItsClassInOrder) {
  AddonFixture fx;
  const std::wstring server = ExpandEnvironmentText(kServerWithVersion);
  const std::wstring helper = fx.HelperObject(fx.Class(L"QS Helper", kServerWithVersion));
  const std::wstring toolbarId = fx.Class(L"QS Toolbar", L"C:\\qs\\toolbar.dll");
  const std::wstring toolbar = fx.Toolbar(toolbarId);
  const std::wstring machineBar = fx.ExplorerBar(HKEY_LOCAL_MACHINE, fx.Class(L"QS Bar", L"C:\\qs\\bar.dll"));
  const std::wstring userBar = fx.ExplorerBar(HKEY_CURRENT_USER, fx.Class(L"QS User Bar", L"C:\\qs\\userbar.dll"));
  // Left out: classes without a server, registrations of classes that do not exist.
  const std::wstring serverless = fx.HelperObject(fx.ClassWithoutServer(L"QS No Server"));
  const std::wstring unknown = fx.HelperObject(L"{00000000-5153-0000-0000-000000000000}");
  const std::wstring serverlessToolbar = fx.Toolbar(fx.ClassWithoutServer(L"QS No Server Toolbar"));

  const std::vector<TIEBHOItem> items = ScanIEAddons();
  struct Expected {
    std::wstring keyPath, valueName, name, file, label;
    HKEY root;
  };
  const Expected expected[] = {
      {helper, L"", L"QS Helper", server, L"浏览器辅助BHO", HKEY_LOCAL_MACHINE},
      {toolbar, toolbarId, L"QS Toolbar", L"C:\\qs\\toolbar.dll", L"工具栏", HKEY_LOCAL_MACHINE},
      {machineBar, L"", L"QS Bar", L"C:\\qs\\bar.dll", L"浏览器栏", HKEY_LOCAL_MACHINE},
      {userBar, L"", L"QS User Bar", L"C:\\qs\\userbar.dll", L"浏览器栏", HKEY_CURRENT_USER},
  };
  size_t previous = 0;
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    const std::vector<TIEBHOItem> found = Found(items, e.keyPath, e.valueName);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Name, e.name);
    EXPECT_EQ(found[0].FileName, e.file);
    EXPECT_EQ(found[0].TypeLabel, e.label);
    EXPECT_EQ(found[0].RootKey, e.root);
    // Helper objects, toolbars, the machine's bars, then the user's.
    const size_t position = PositionOf(items, e.keyPath, e.valueName);
    EXPECT_GE(position, previous);
    previous = position;
  }
  EXPECT_FALSE(Found(items, helper)[0].VersionInfo.FileVersion.empty());
  EXPECT_TRUE(Found(items, serverless).empty());
  EXPECT_TRUE(Found(items, unknown).empty());
  EXPECT_TRUE(Found(items, toolbar, serverlessToolbar).empty());
}

TEST(IEAddons, ExtensionsShowTheirCommandOrTheirClassesServer) {
  AddonFixture fx;
  const std::wstring band = fx.Class(L"QS Band", kServerWithVersion);
  const std::wstring plain = fx.Class(L"QS Plain", L"C:\\qs\\plain.dll");
  const std::wstring exec = fx.Extension({{L"CLSID", plain}, {L"ButtonText", L"QS Exec"}, {L"Exec", L"C:\\qs\\run.exe /go"}});
  const std::wstring banded = fx.Extension({{L"CLSID", plain}, {L"BandCLSID", band}, {L"ButtonText", L"QS Banded"}});
  const std::wstring byClass = fx.Extension({{L"CLSID", plain}, {L"ButtonText", L"QS By Class"}});
  const std::wstring noClass = fx.Extension({{L"CLSID", L"{00000000-5153-0000-0000-000000000001}"}, {L"ButtonText", L"QS Lost"}});
  const std::wstring noClsid = fx.Extension({{L"ButtonText", L"QS Without Clsid"}});

  const std::vector<TIEBHOItem> items = ScanIEAddons();
  struct Expected {
    std::wstring keyPath, name, file;
  };
  const Expected expected[] = {
      // A command the button runs stands as it is.
      {exec, L"QS Exec", L"C:\\qs\\run.exe /go"},
      {banded, L"QS Banded", ExpandEnvironmentText(kServerWithVersion)},
      {byClass, L"QS By Class", L"C:\\qs\\plain.dll"},
      // Listed even when its class is not registered: the file stays empty.
      {noClass, L"QS Lost", L""},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    const std::vector<TIEBHOItem> found = Found(items, e.keyPath);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Name, e.name);
    EXPECT_EQ(found[0].FileName, e.file);
    EXPECT_EQ(found[0].TypeLabel, L"浏览器扩展");
    EXPECT_EQ(found[0].RootKey, HKEY_LOCAL_MACHINE);
  }
  EXPECT_TRUE(Found(items, exec)[0].VersionInfo.FileVersion.empty());
  EXPECT_EQ(Found(items, exec)[0].VersionInfo.Signature, 0u);
  EXPECT_FALSE(Found(items, banded)[0].VersionInfo.FileVersion.empty());
  EXPECT_TRUE(Found(items, noClsid).empty());
}

TEST(IEAddons, OddValuesAndLongPathsDoNotEndTheListing) {
  AddonFixture fx;
  // A class whose name is a number, one whose server path is far longer than a fixed buffer.
  const std::wstring numberName = fx.Class(L"", L"C:\\qs\\number.dll");
  const DWORD number = 7;
  AddonFixture::SetRaw(HKEY_LOCAL_MACHINE, kClassesKey + numberName, L"", REG_DWORD, &number, sizeof number);
  const std::wstring longTail(400, L'x');
  const std::wstring longServer = L"%SystemRoot%\\" + longTail + L".dll";
  const std::wstring first = fx.HelperObject(numberName);
  const std::wstring second = fx.HelperObject(fx.Class(L"QS Long", longServer));
  const std::wstring oddButton = fx.Extension({{L"CLSID", numberName}});
  AddonFixture::SetRaw(HKEY_LOCAL_MACHINE, oddButton.substr(1), L"ButtonText", REG_DWORD, &number, sizeof number);

  const std::vector<TIEBHOItem> items = ScanIEAddons();
  ASSERT_EQ(Found(items, first).size(), 1u);
  EXPECT_EQ(Found(items, first)[0].Name, L"");
  ASSERT_EQ(Found(items, second).size(), 1u);
  EXPECT_EQ(Found(items, second)[0].FileName, ExpandEnvironmentText(L"%SystemRoot%\\") + longTail + L".dll");
  ASSERT_EQ(Found(items, oddButton).size(), 1u);
  EXPECT_EQ(Found(items, oddButton)[0].Name, L"");
  EXPECT_EQ(Found(items, oddButton)[0].FileName, L"C:\\qs\\number.dll");
}

TEST(IEAddons, RemovalTakesTheKeyOrOnlyTheValue) {
  AddonFixture fx;
  const std::wstring helperId = fx.Class(L"QS Helper", L"C:\\qs\\helper.dll");
  const std::wstring helper = fx.HelperObject(helperId);
  // Whatever lies below a helper object's key goes with it.
  AddonFixture::SetText(HKEY_LOCAL_MACHINE, helper.substr(1) + L"\\Settings", L"x", L"y");
  const std::wstring toolbarId = fx.Class(L"QS Toolbar", L"C:\\qs\\toolbar.dll");
  const std::wstring otherToolbarId = fx.Class(L"QS Other Toolbar", L"C:\\qs\\other.dll");
  const std::wstring toolbar = fx.Toolbar(toolbarId);
  fx.Toolbar(otherToolbarId);
  const std::wstring userBar = fx.ExplorerBar(HKEY_CURRENT_USER, fx.Class(L"QS User Bar", L"C:\\qs\\bar.dll"));

  const std::vector<TIEBHOItem> items = ScanIEAddons();
  for (const TIEBHOItem& item : {Found(items, helper).at(0), Found(items, toolbar, toolbarId).at(0),
                                 Found(items, userBar).at(0)})
    EXPECT_TRUE(RemoveIEAddon(item)) << item.Name;

  EXPECT_FALSE(AddonFixture::KeyExists(HKEY_LOCAL_MACHINE, helper.substr(1)));
  EXPECT_FALSE(AddonFixture::ValueExists(HKEY_LOCAL_MACHINE, kToolbarKey, toolbarId));
  EXPECT_TRUE(AddonFixture::ValueExists(HKEY_LOCAL_MACHINE, kToolbarKey, otherToolbarId));
  EXPECT_FALSE(AddonFixture::KeyExists(HKEY_CURRENT_USER, userBar.substr(1)));
  // The classes themselves stay registered.
  EXPECT_TRUE(AddonFixture::KeyExists(HKEY_LOCAL_MACHINE, kClassesKey + helperId));

  const std::vector<TIEBHOItem> after = ScanIEAddons();
  EXPECT_TRUE(Found(after, helper).empty());
  EXPECT_TRUE(Found(after, toolbar, toolbarId).empty());
  EXPECT_EQ(Found(after, toolbar, otherToolbarId).size(), 1u);
  EXPECT_TRUE(Found(after, userBar).empty());
}
