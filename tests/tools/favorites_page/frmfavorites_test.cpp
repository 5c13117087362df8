// The favorites backup page inside a page host: the tree of the backup beside the program,
// Backup with its question, Restore, and what failed.
#include "tools/favorites_page/frmfavorites.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/page_test_fixture.h"
#include "tests/tools/favorites/favorites_fixture.h"
#include "tools/favorites/favorite_files.h"

namespace {

class FavoritesPageTest : public PageTest<Tfrmfavorites>, public FavoritesFixture {
 protected:
  FavoritesPageTest() : PageTest(L"Tfrmfavorites", L"btnIEFavorites") {}

  Tfrmfavorites* Open() {
    Tfrmfavorites* page = OpenPage();
    if (page) page->FavoritesFolder = favorites;
    return page;
  }

  // The tree in display order: indent by level, name, and "*" for rows with image 1.
  std::vector<std::wstring> Shown(Tfrmfavorites* page) {
    std::vector<std::wstring> out;
    for (PVirtualNode node = page->VST1->GetFirst(); node; node = page->VST1->GetNext(node)) {
      std::wstring indent;
      for (PVirtualNode p = node->Parent; p && p != page->VST1->RootNode(); p = p->Parent) indent += L"  ";
      bool ghosted = false;
      int image = -1;
      page->VST1GetImageIndex(page->VST1, node, TVTImageKind::ikNormal, 0, ghosted, image);
      out.push_back(indent + page->VST1->Text(node, 0) + (image == 1 ? L"*" : L"") +
                    (page->VST1->Text(node, 1).empty() ? L"" : L" " + page->VST1->Text(node, 1)));
    }
    return out;
  }

  std::wstring Backup() const { return program_.Path() + L"BackUp\\Favorites"; }
};

}  // namespace

TEST_F(FavoritesPageTest, OpensOnAnEmptyBackupBesideTheProgram) {
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->Visible());
  EXPECT_NE(page->Label1->Caption().find(L" Favorites Backup"), std::wstring::npos);
  EXPECT_EQ(page->BackupFolder(), Backup());
  EXPECT_TRUE(DirectoryExists(Backup()));
  EXPECT_EQ(page->VST1->RootNodeCount(), 0u);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(FavoritesPageTest, NothingIsPumpedWhileThePageIsMadeButRefreshPumps) {
  WriteShortcut(Backup(), L"a.url", "http://a/");
  WriteShortcut(Backup(), L"News\\b.url", "http://b/");
  int pumped = 0;
  SetMessagePump([&pumped] {
    ++pumped;
    Application->ProcessMessages();
  });
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(Shown(page).size(), 3u);
  EXPECT_EQ(pumped, 0);
  page->Btn_LoadURL->Click();
  EXPECT_GT(pumped, 0);
  EXPECT_EQ(Shown(page).size(), 3u);
}

TEST_F(FavoritesPageTest, BackupOfAnEmptyBackupAsksNothingAndShowsTheTree) {
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  WriteShortcut(favorites, L"a.url", "http://a/");
  WriteShortcut(favorites, L"News\\b.url", "http://b/");
  WriteShortcut(favorites, L"News\\Local\\c.url", "http://c/");
  page->BtnBackUp->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Backup Sucessfully!");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(Shown(page), (std::vector<std::wstring>{L"a.url http://a/", L"News*", L"  b.url http://b/", L"  Local*",
                                                    L"    c.url http://c/"}));
  EXPECT_TRUE(page->Btn_LoadURL->Enabled() && page->BtnBackUp->Enabled() && page->btnReLoad->Enabled());
}

TEST_F(FavoritesPageTest, AnsweringNoToCoveringTheBackupChangesNothing) {
  WriteShortcut(Backup(), L"old.url", "http://old/");
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(Shown(page), std::vector<std::wstring>{L"old.url http://old/"});
  WriteShortcut(favorites, L"a.url", "http://a/");
  answer = [](const TRecordedBox&) { return IDNO; };
  page->BtnBackUp->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Sure you want to cover the backup?");
  EXPECT_EQ(boxes[0].type & (MB_ICONMASK | MB_TYPEMASK), static_cast<UINT>(MB_ICONQUESTION | MB_YESNO));
  EXPECT_FALSE(FileExists(Backup() + L"\\a.url"));
  EXPECT_TRUE(FileExists(Backup() + L"\\old.url"));
}

TEST_F(FavoritesPageTest, CoveringTheBackupReplacesIt) {
  WriteShortcut(Backup(), L"old.url", "http://old/");
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  WriteShortcut(favorites, L"a.url", "http://a/");
  answer = [](const TRecordedBox&) { return IDYES; };
  page->BtnBackUp->Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Backup Sucessfully!");
  EXPECT_EQ(Shown(page), std::vector<std::wstring>{L"a.url http://a/"});
}

TEST_F(FavoritesPageTest, AFailedBackupIsReportedAndTheOldOneKept) {
  WriteShortcut(Backup(), L"old.url", "http://old/");
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  WriteShortcut(favorites, L"busy.url", "http://busy/");
  HANDLE busy = CreateFileW((favorites + L"\\busy.url").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  answer = [](const TRecordedBox&) { return IDYES; };
  page->BtnBackUp->Click();
  CloseHandle(busy);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_NE(boxes[1].text.find(L"busy.url could not be copied"), std::wstring::npos) << boxes[1].text;
  EXPECT_EQ(Shown(page), std::vector<std::wstring>{L"old.url http://old/"});
}

TEST_F(FavoritesPageTest, RestoreAddsWhatIsMissingUnlessTheAnswerIsNo) {
  WriteShortcut(Backup(), L"a.url", "http://backed-up-a/");
  WriteShortcut(Backup(), L"News\\b.url", "http://b/");
  WriteShortcut(favorites, L"a.url", "http://current-a/");
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  answer = [](const TRecordedBox&) { return IDNO; };
  page->btnReLoad->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Are you sure to restore the backups?");
  EXPECT_EQ(boxes[0].type & (MB_ICONMASK | MB_TYPEMASK), static_cast<UINT>(MB_ICONINFORMATION | MB_YESNO));
  EXPECT_FALSE(FileExists(favorites + L"\\News\\b.url"));

  answer = [](const TRecordedBox&) { return IDYES; };
  page->btnReLoad->Click();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text, L"Restore Sucessfully!");
  EXPECT_EQ(ReadShortcutUrl(favorites + L"\\a.url"), L"http://current-a/");
  EXPECT_EQ(ReadShortcutUrl(favorites + L"\\News\\b.url"), L"http://b/");
}

TEST_F(FavoritesPageTest, AnUnknownFavoritesFolderIsReported) {
  Tfrmfavorites* page = Open();
  ASSERT_NE(page, nullptr);
  page->FavoritesFolder.clear();
  page->BtnBackUp->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_NE(boxes[0].text.find(L"The favorites folder is not known."), std::wstring::npos) << boxes[0].text;
}
