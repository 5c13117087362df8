// The file shredder inside the main window: files added through the dialog (with skinning off
// while it shows) and by dropping them, removed, shredded with the summary naming what stayed;
// nothing joins, leaves or starts while a shred runs; the options dialog and sfconfig.ini.
#include "tools/shredder_page/frmSmashFile.h"

#include <gtest/gtest.h>
#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/message_pump.h"
#include "base/strings.h"
#include "skin/skin_manager.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/support/page_test_fixture.h"
#include "tools/shredder/shred_options.h"

namespace {

class ShredderPageTest : public PageTest<TfrmSmashFile> {
 protected:
  // In the main window: the skinning that the page switches off around the file dialog is the
  // main window's skin component's.
  ShredderPageTest() : PageTest(L"TfrmSmashFile", L"btnFileCleaner", {}, {}, TPageTestHost::MainWindow) {}

  void TearDown() override {
    SetOpenFileNameFunc(nullptr);
    PageTest::TearDown();
  }

  std::wstring Make(const std::wstring& name, size_t size = 300) {
    const std::wstring path = files_.Path() + name;
    WriteBytes(path, std::string(size, 'k'));
    return path;
  }

  // The dialog "chooses" these files: one folder and the names in it.
  void ChooseInDialog(const std::wstring& folder, const std::vector<std::wstring>& names) {
    SetOpenFileNameFunc([this, folder, names](OPENFILENAMEW* ofn) {
      skinningDuringDialog.push_back(SkinManager && SkinManager->SkinningEnabled);
      std::wstring buffer = ExcludeTrailingBackslash(folder) + L'\0';
      for (const std::wstring& name : names) buffer += name + L'\0';
      buffer += L'\0';
      if (buffer.size() > ofn->nMaxFile) return FALSE;
      std::memcpy(ofn->lpstrFile, buffer.data(), buffer.size() * sizeof(wchar_t));
      return TRUE;
    });
  }

  // Drops the files on the list view as Explorer does: DROPFILES, the names, a final zero.
  void Drop(TfrmSmashFile* page, const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    names += L'\0';
    HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
    df->pFiles = sizeof(DROPFILES);
    df->fWide = TRUE;
    std::memcpy(reinterpret_cast<BYTE*>(df) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(mem);
    PostMessageW(page->lvSmashFile->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0);
  }

  std::vector<std::wstring> Rows(TfrmSmashFile* page) {
    std::vector<std::wstring> rows;
    for (int row = 0; row < page->lvSmashFile->Items()->Count(); ++row) rows.push_back(page->RowPath(row));
    return rows;
  }

  // While the page shows its options dialog: `act` runs on it.
  void OnOptionsDialog(std::function<void(TfrmSmashFileOption*)> act) {
    WhenDialogShows<TfrmSmashFileOption>([](TfrmSmashFile* page) { return page->OptionsDialog(); }, act);
  }

  TestFolder files_{L"qs_shred_page_"};
  std::vector<bool> skinningDuringDialog;
};

}  // namespace

TEST_F(ShredderPageTest, OpensWithQuickLevelAndAnEmptyList) {
  TfrmSmashFile* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->Label6->Caption().find(L" File Shredder"), std::wstring::npos);
  EXPECT_TRUE(page->RB_1->Checked());
  EXPECT_EQ(page->CheckedOption().FillTimes, 1);
  EXPECT_EQ(page->lvSmashFile->Items()->Count(), 0);
  EXPECT_EQ(page->Button1->Caption(), L"Add File(s)");
  EXPECT_EQ(page->Button3->Caption(), L"Shred");
  page->acSmashFileDoIt->Update();
  page->acSmashFileRemove->Update();
  EXPECT_FALSE(page->acSmashFileDoIt->Enabled());
  EXPECT_FALSE(page->acSmashFileRemove->Enabled());
  page->RB_3->SetChecked(true);
  EXPECT_EQ(page->CheckedOption().FillTimes, 7);
}

TEST_F(ShredderPageTest, FilesFromTheDialogAndFromDropsAreListedOnceEach) {
  TfrmSmashFile* page = OpenPage();
  ASSERT_NE(page, nullptr);
  const std::wstring a = Make(L"a.txt"), b = Make(L"b c.log");
  ChooseInDialog(files_.Path(), {L"a.txt", L"b c.log"});
  page->Button1->Click();
  EXPECT_EQ(Rows(page), (std::vector<std::wstring>{a, b}));
  EXPECT_EQ(page->lvSmashFile->Items()->Item(1)->Caption(), L"b c.log");
  EXPECT_EQ(page->lvSmashFile->Items()->Item(1)->SubItems()[0], files_.Path());
  // New windows are not skinned while the system's dialog shows; afterwards they are again.
  EXPECT_EQ(skinningDuringDialog, std::vector<bool>{false});
  ASSERT_NE(SkinManager, nullptr);
  EXPECT_TRUE(SkinManager->SkinningEnabled);

  // The same file again, through the dialog and by a drop in other letter case: still once.
  ChooseInDialog(files_.Path(), {L"A.TXT"});
  page->Button1->Click();
  // A name far longer than the old 260-character buffers arrives whole.
  const std::wstring deep = files_.Path() + std::wstring(120, L'd') + L"\\" + std::wstring(120, L'e') + L"\\";
  ASSERT_TRUE(ForceDirectories(deep));
  const std::wstring longName = Make(std::wstring(120, L'd') + L"\\" + std::wstring(120, L'e') + L"\\" +
                                     std::wstring(60, L'f') + L".dat");
  ASSERT_GT(longName.size(), 300u);
  Drop(page, {UpperCase(b), longName});
  Application->ProcessMessages();
  EXPECT_EQ(Rows(page), (std::vector<std::wstring>{a, b, longName}));
}

TEST_F(ShredderPageTest, RemoveDeletesEverySelectedRow) {
  TfrmSmashFile* page = OpenPage();
  ASSERT_NE(page, nullptr);
  for (const wchar_t* name : {L"1.txt", L"2.txt", L"3.txt", L"4.txt", L"5.txt"}) page->AddFile(Make(name));
  for (int row : {0, 2, 3}) page->lvSmashFile->Items()->Item(row)->SetSelected(true);
  page->Button2->Click();
  EXPECT_EQ(Rows(page), (std::vector<std::wstring>{files_.Path() + L"2.txt", files_.Path() + L"5.txt"}));
}

TEST_F(ShredderPageTest, ShreddingAsksFirstAndNoMeansNothingHappens) {
  TfrmSmashFile* page = OpenPage();
  ASSERT_NE(page, nullptr);
  const std::wstring a = Make(L"keep.txt");
  page->AddFile(a);
  answer = [](const TRecordedBox&) { return IDNO; };
  page->Button3->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            L"You are about to erase all item(s) on the list.You won't be able to recover these file(s)\r"
            L"using by undelete tools you may have.Are you sure to continue?");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type, UINT(MB_YESNO | MB_ICONWARNING));
  EXPECT_TRUE(FileExists(a));
  EXPECT_EQ(Rows(page).size(), 1u);
}

TEST_F(ShredderPageTest, ShreddedFilesLeaveAndTheSummaryNamesTheOnesThatStayed) {
  TfrmSmashFile* page = OpenPage();
  ASSERT_NE(page, nullptr);
  const std::wstring a = Make(L"a.txt", 5000), b = Make(L"b.txt", 0), locked = Make(L"read only.txt");
  const std::wstring gone = files_.Path() + L"gone.txt";
  SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  for (const std::wstring& path : {a, locked, gone, b}) page->AddFile(path);
  page->RB_2->SetChecked(true);
  answer = [](const TRecordedBox&) { return IDYES; };
  page->Button3->Click();

  EXPECT_FALSE(FileExists(a));
  EXPECT_FALSE(FileExists(b));
  EXPECT_TRUE(FileExists(locked));
  EXPECT_EQ(Rows(page), std::vector<std::wstring>{locked});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[1].type, UINT(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(boxes[1].text.rfind(L"Erase Completed!", 0), 0u);
  EXPECT_NE(boxes[1].text.find(locked), std::wstring::npos);
  EXPECT_EQ(boxes[1].text.find(L"gone.txt"), std::wstring::npos);
  EXPECT_FALSE(page->Shredding());
  EXPECT_TRUE(!NavigationLocked());
  SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

  // Everything shredded: the plain completion box.
  page->lvSmashFile->Items()->Clear();
  page->AddFile(Make(L"c.txt"));
  page->Button3->Click();
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[3].text, L"Erase Completed!");
  EXPECT_EQ(boxes[3].type, UINT(MB_OK | MB_ICONINFORMATION));
  EXPECT_TRUE(Rows(page).empty());
}

TEST_F(ShredderPageTest, NothingCanBeAddedRemovedOrStartedWhileAShredRuns) {
  TfrmSmashFile* page = OpenPage();
  ASSERT_NE(page, nullptr);
  const std::wstring big = Make(L"big.dat", 1024 * 1024);
  const std::wstring other = Make(L"other.txt");
  page->AddFile(big);
  page->lvSmashFile->Items()->Item(0)->SetSelected(true);
  answer = [](const TRecordedBox&) { return IDYES; };
  ChooseInDialog(files_.Path(), {L"other.txt"});
  int pumps = 0;
  bool busyShown = true, navigationOff = true;
  TMessagePump pump = SetMessagePump([&] {
    if (++pumps == 3) {
      busyShown = page->Shredding() && !page->acSmashFileAdd->Enabled() && !page->acSmashFileRemove->Enabled() &&
                  !page->acSmashFileDoIt->Enabled();
      navigationOff = NavigationLocked();
      page->Button1->Click();
      page->Button2->Click();
      page->Button3->Click();
      Drop(page, {other});
    }
    Application->ProcessMessages();
  });
  page->Button3->Click();
  SetMessagePump(pump);

  EXPECT_GT(pumps, 3);
  EXPECT_TRUE(busyShown);
  EXPECT_TRUE(navigationOff);
  EXPECT_TRUE(skinningDuringDialog.empty());  // the dialog never opened
  EXPECT_FALSE(FileExists(big));
  EXPECT_TRUE(FileExists(other));
  EXPECT_TRUE(Rows(page).empty());
  // One question and one summary: the second Shred asked nothing.
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Erase Completed!");
}

TEST_F(ShredderPageTest, TheOptionsDialogChecksItsFieldsAndKeepsThemInSfconfig) {
  TfrmSmashFile* page = OpenPage();
  ASSERT_NE(page, nullptr);
  std::wstring shownChars, shownTimes, caption;
  std::vector<bool> openAfter;
  OnOptionsDialog([&](TfrmSmashFileOption* dialog) {
    shownChars = dialog->edtFillChars->Text();
    shownTimes = dialog->edtFillTimes->Text();
    caption = dialog->Caption();
    const std::pair<const wchar_t*, const wchar_t*> refused[] = {{L"  ", L"3"}, {L"#", L" "}, {L"#", L"three"}};
    for (const auto& r : refused) {
      dialog->edtFillChars->SetText(r.first);
      dialog->edtFillTimes->SetText(r.second);
      SendMessageW(dialog->btnOK->Handle(), BM_CLICK, 0, 0);
      openAfter.push_back(dialog->ModalResult() == mrNone);
    }
    dialog->edtFillChars->SetText(L" #! ");
    dialog->edtFillTimes->SetText(L"3");
    SendMessageW(dialog->btnOK->Handle(), BM_CLICK, 0, 0);
  });
  page->Label2->Click();
  EXPECT_EQ(caption, L"文件粉碎设置");
  EXPECT_EQ(shownChars, L"@");
  EXPECT_EQ(shownTimes, L"1");
  EXPECT_EQ(openAfter, (std::vector<bool>{true, true, true}));
  ASSERT_EQ(boxes.size(), 3u);
  const wchar_t* texts[] = {L"请输入填充字符", L"请输入填充次数", L"请输入有效的填充次数"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(boxes[i].text, texts[i]);
    EXPECT_EQ(boxes[i].caption, L"文件粉碎设置");
    EXPECT_EQ(boxes[i].type, UINT(MB_OK | MB_ICONINFORMATION));
  }
  TSFOption saved;
  LoadFillOptions(saved);
  EXPECT_EQ(saved.FillChars, L"#!");
  EXPECT_EQ(saved.FillTimes, 3);

  // Opened again it shows what was kept; Cancel keeps it as it is.
  OnOptionsDialog([&](TfrmSmashFileOption* dialog) {
    shownChars = dialog->edtFillChars->Text();
    dialog->edtFillChars->SetText(L"zz");
    SendMessageW(dialog->btnCancel->Handle(), BM_CLICK, 0, 0);
  });
  page->Label2->Click();
  EXPECT_EQ(shownChars, L"#!");
  LoadFillOptions(saved);
  EXPECT_EQ(saved.FillChars, L"#!");
}
