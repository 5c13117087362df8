// One-click maintenance inside a page host on fixture data: the junk folders point at the test's
// own folders (the temporary folder and the Windows folder of the environment), the evidence list
// holds one item that empties the fixture Windows folder's Temp, and the resource modules and
// ActiveX.dat are absent unless a test seeds them (SeedFixAreas: a fixture ActiveX list and a
// fixture fix module whose system fixes and associations act on keys of the test's own). The
// registry editor is a stand-in (the backups it makes are small files).
#pragma once

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/strings.h"
#include "cleaners/activex/activex_list.h"
#include "cleaners/evidence/history_handlers.h"
#include "cleaners/fixes/fix_lists.h"
#include "cleaners/fixes/fix_resource.h"
#include "cleaners/junk/waste_lists.h"
#include "cleaners/oneclick_page/frmOneClick.h"
#include "tests/base/saved_variable.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/cleaners/activex/new_clsid.h"
#include "tests/cleaners/fixes/fix_registry_fixture.h"
#include "tests/support/page_test_fixture.h"
#include "tests/support/registry_editor_stand_in.h"

inline const char kOneClickCleanerIni[] =
    "[WasteFileType]\r\n*.tmp=Temporary files\r\n"
    "[WasteCleanOption]\r\nSkipReadOnly=0\r\nSkipSystem=0\r\nSkipHide=0\r\nScanZero=0\r\n"
    "[HistoryList]\r\nSystem=0\r\nTemporary folder=7\r\n";

// The keys the fixture fix module names, and the fixture controls' class ids (empty until seeded).
struct TFixAreaKeys {
  const std::wstring sysFix = L"Software\\QuillsteadTest\\OneClickFixes";
  const std::wstring classA = L"QuillsteadTest.OneClickA";
  const std::wstring classB = L"QuillsteadTest.OneClickB";
  const std::wstring classC = L"QuillsteadTest.OneClickC";
  std::wstring activeXA, activeXB, activeXC;
};

// A text value as the registry stores it, with its terminating zero.
inline RawValue StoredText(DWORD type, const std::wstring& text) { return Wide(type, text + std::wstring(1, L'\0')); }

inline std::wstring WithoutSlash(const std::wstring& path) { return path.substr(0, path.size() - 1); }

class OneClickPageTest : public PageTest<TfrmOneClick> {
 protected:
  OneClickPageTest()
      : PageTest(L"TfrmOneClick", L"btnOneClick", {},
                 [](TCustomForm* page) { static_cast<TfrmOneClick*>(page)->ShowStart(); }) {}

  void SetUp() override {
    program_.WriteFile(L"Cleaner.ini", kOneClickCleanerIni);
    WriteBytes(temp_.Path() + L"a.tmp", "junk a");
    WriteBytes(temp_.Path() + L"b.tmp", "junk b");
    WriteBytes(temp_.Path() + L"keep.txt", "not junk");
    answer = [this](const TRecordedBox& box) { return (box.type & MB_TYPEMASK) == MB_OK ? IDOK : reply; };
    // The evidence item "Temporary folder" empties the Temp folder of this Windows folder.
    SetSpecialFolderLookupForTesting([this](int csidl, std::wstring& path) {
      if (csidl != CSIDL_WINDOWS) return false;
      path = WithoutSlash(windows_.Path());
      return true;
    });
    PageTest::SetUp();
  }

  void TearDown() override {
    PageTest::TearDown();
    SetSpecialFolderLookupForTesting(nullptr);
    ClearWasteFiles();
    ClearActiveXItems();
    ClearSysItems();
    ClearFileItems();
    WasteSearchState = TSearchStateInfo();
    RemoveFixAreaKeys();
  }

  // The fixture ActiveX list and fix module beside the program, and the registry as they find
  // it: two controls not blocked (A without a key, B with other flags) and one blocked (C); three
  // system fixes that disagree (a missing number, a text of another value, a key that must go)
  // and one that agrees; two associations that differ (A, B) and one that differs only in case.
  void SeedFixAreas() {
    TFixAreaKeys& k = fixKeys;
    for (std::wstring* clsid : {&k.activeXA, &k.activeXB, &k.activeXC}) *clsid = NewClsid();
    program_.WriteFile(L"ActiveX.dat", WideToUtf8(k.activeXA + L"=Fixture control A\r\n" + k.activeXB +
                                                  L"=Fixture control B\r\n" + k.activeXC +
                                                  L"=Fixture control C\r\n"));
    PutValue(HKEY_LOCAL_MACHINE, ActiveXKeyPath(k.activeXB), L"Compatibility Flags", Dword(1025));
    PutValue(HKEY_LOCAL_MACHINE, ActiveXKeyPath(k.activeXC), L"Compatibility Flags", Dword(1024));

    const std::string module = ReadRcData(L"FIXTURE_ONECLICK");
    ASSERT_FALSE(module.empty());
    program_.WriteFile(kSysFixModule, module);
    program_.WriteFile(kFileFixModule, module);
    PutValue(HKEY_CURRENT_USER, k.sysFix, L"text", StoredText(REG_SZ, L"broken"));
    PutValue(HKEY_CURRENT_USER, k.sysFix + L"\\Gone", L"left", Dword(7));
    PutValue(HKEY_CLASSES_ROOT, k.classA + L"\\shell\\open\\command", L"", StoredText(REG_SZ, L"hijack.exe"));
    PutValue(HKEY_CLASSES_ROOT, k.classB, L"", StoredText(REG_SZ, L"changed b"));
    PutValue(HKEY_CLASSES_ROOT, k.classC, L"", StoredText(REG_SZ, L"same value"));
  }

  TfrmOneClick* OpenWith(TOneClickOptions options) {
    TfrmOneClick* page = OpenPage();
    if (page) page->SetOptions(options);
    return page;
  }

  static TOneClickOptions Only(bool TOneClickOptions::*option) {
    TOneClickOptions options{false, false, false, false, false, false};
    options.*option = true;
    return options;
  }

  // Rows of the junk tree that lie in the fixture temporary folder.
  std::vector<PVirtualNode> FixtureJunkRows(TfrmOneClick* page) {
    std::vector<PVirtualNode> rows;
    for (PVirtualNode node = page->vstFile->GetFirst(); node; node = page->vstFile->GetNext(node)) {
      if (node->Index < WasteFiles.size() && SameText(ExtractFilePath(WasteFiles[node->Index]->Path), temp_.Path()))
        rows.push_back(node);
    }
    return rows;
  }

  TestFolder temp_{L"qs_oneclick_temp_"};
  TestFolder windows_{L"qs_oneclick_windows_"};
  SavedVariable tempVariable_{L"temp", WithoutSlash(temp_.Path())};
  SavedVariable rootVariable_{L"SystemRoot", WithoutSlash(windows_.Path())};
  int reply = IDYES;

  TFixAreaKeys fixKeys;
  // The registry editor that takes the backup before a registry repair.
  RegistryEditorStandIn editor;

 private:
  void RemoveFixAreaKeys() {
    auto remove = [](HKEY root, const std::wstring& key) {
      RegDeleteTreeW(root, key.c_str());
      RegDeleteKeyW(root, key.c_str());
    };
    for (const std::wstring* clsid : {&fixKeys.activeXA, &fixKeys.activeXB, &fixKeys.activeXC})
      if (!clsid->empty()) remove(HKEY_LOCAL_MACHINE, ActiveXKeyPath(*clsid));
    remove(HKEY_CURRENT_USER, fixKeys.sysFix);
    for (const std::wstring* name : {&fixKeys.classA, &fixKeys.classB, &fixKeys.classC})
      remove(HKEY_CLASSES_ROOT, *name);
  }
};
