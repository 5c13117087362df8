// The junk cleaner page inside a page host, driven through its buttons and check boxes: the start
// view, scanning a fixture "drive" (a folder of the test's own), stopping, selecting, cleaning
// with each answer to the question, cancelling, and the last-run record written; one-click
// maintenance against its cleaning inside the main window.
#include "cleaners/junk_page/frmWasteCleaner.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/strings.h"
#include "cleaners/junk/last_waste_info.h"
#include "cleaners/junk/waste_lists.h"
#include "gui/pagekit/page_host.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/support/open_message_box.h"
#include "tests/support/page_test_fixture.h"

namespace {

// The page's own settings: *.tmp files are junk, *.keep.tmp never.
const char kCleanerIni[] =
    "[WasteFileType]\r\n*.tmp=Temporary files\r\n"
    "[WasteCleanExcludeFile]\r\n*.keep.tmp=Kept\r\n"
    "[WasteCleanOption]\r\nSkipReadOnly=0\r\nSkipSystem=0\r\nSkipHide=0\r\nScanZero=0\r\n";

// The page is reset whenever it is opened again, as the program has it.
class JunkPageTest : public PageTest<TfrmWasteCleaner> {
 protected:
  explicit JunkPageTest(TPageTestHost host = TPageTestHost::Fake)
      : PageTest(L"TfrmWasteCleaner", L"btnJunkCleaner", {},
                 [](TCustomForm* page) { static_cast<TfrmWasteCleaner*>(page)->ResetPage(); }, host) {}

  void SetUp() override {
    ASSERT_FALSE(program_.Path().empty());
    ASSERT_FALSE(drive_.Path().empty());
    program_.WriteFile(L"Cleaner.ini", kCleanerIni);
    answer = [this](const TRecordedBox& box) { return (box.type & MB_TYPEMASK) == MB_OK ? IDOK : reply; };
    PageTest::SetUp();
  }

  void TearDown() override {
    PageTest::TearDown();
    ClearWasteFiles();
    ClearDiskDrivers();
    WasteSearchState = TSearchStateInfo();
  }

  // Opens the page from its navigation button and points its one drive at the fixture folder, so
  // no scan ever walks a real drive of the prefix.
  TfrmWasteCleaner* Open() {
    TfrmWasteCleaner* page = OpenPage();
    if (!page) return nullptr;
    ClearDiskDrivers();
    auto drive = std::make_unique<TDiskDriver>();
    drive->Letter = L'Q';
    drive->Root = drive_.Path();
    drive->Caption = L"Fixture (Q:)";
    DiskDrivers.push_back(std::move(drive));
    page->vstDrive->SetRootNodeCount(1);
    return page;
  }

  std::wstring Make(const std::wstring& name, const std::string& bytes = "junk") {
    const std::wstring path = drive_.Path() + name;
    if (name.find(L'\\') != std::wstring::npos) CreateDirectoryW(ExtractFilePath(path).c_str(), nullptr);
    WriteBytes(path, bytes);
    return path;
  }

  bool NavigationEnabled() const { return !NavigationLocked(); }

  TestFolder drive_{L"qs_junkpage_drive_"};
  int reply = IDYES;  // the answer to every question box
};

TEST_F(JunkPageTest, OpensFromItsButtonOnTheStartViewWithTheDrives) {
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Parent(), PageArea());
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  for (int i = 0; i < page->pgc1->PageCount(); ++i) EXPECT_FALSE(page->pgc1->Pages(i)->TabVisible()) << i;
  EXPECT_EQ(page->Label6->Caption(), Host().Greeting() + L" Junk Cleaner");
  EXPECT_EQ(page->Label7->Caption(), L"Removes junk files to regain disk space by cleaning your computer.");
  EXPECT_EQ(page->lblLast->Caption(), L"Not Scanned");
  EXPECT_EQ(page->lblLastDT->Caption(), L"");
  EXPECT_EQ(page->lblLastScan->Caption(), L"0");
  EXPECT_TRUE(page->chkSeleAllDrive->Checked());
  EXPECT_EQ(page->vstDrive->Text(page->vstDrive->GetFirst(), 0), L"Fixture (Q:)");
  EXPECT_EQ(page->vstDrive->CheckState(page->vstDrive->GetFirst()), TCheckState::csCheckedNormal);
  EXPECT_TRUE(NavigationEnabled());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(JunkPageTest, ScanListsTheJunkFilesWithNavigationOffMeanwhile) {
  Make(L"a.tmp", "1234");
  Make(L"sub\\b.tmp", "12");
  Make(L"c.txt");
  Make(L"d.keep.tmp");
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  bool navigationDuringScan = true;
  TTabSheet* tabDuringScan = nullptr;
  onPump = [&] {
    if (!WasteSearchState.Searching) return;
    navigationDuringScan = navigationDuringScan && NavigationEnabled();
    tabDuringScan = page->pgc1->ActivePage();
  };
  page->btnScan->Click();

  EXPECT_FALSE(navigationDuringScan);
  EXPECT_EQ(tabDuringScan, page->ts2);
  EXPECT_EQ(page->pb2->Max(), 2);  // one step per selected drive, and the last for the end
  EXPECT_EQ(page->pb2->Position(), 2);
  ASSERT_EQ(WasteFiles.size(), 2u);
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
  EXPECT_TRUE(NavigationEnabled());
  EXPECT_EQ(page->Label6->Caption(), L"Analysis Completely");
  EXPECT_EQ(page->lblResult->Caption(), L"A Total of 2 Files that take up to 0.0 KB");
  EXPECT_EQ(page->vstScanResult->RootNodeCount(), 2u);
  PVirtualNode first = page->vstScanResult->GetFirst();
  EXPECT_EQ(page->vstScanResult->Text(first, 0), L"a.tmp");
  EXPECT_EQ(page->vstScanResult->Text(first, 1), LowerCase(drive_.Path()));
  EXPECT_EQ(page->vstScanResult->CheckState(first), TCheckState::csCheckedNormal);
  // The drive's row on the scanning tab: its count, size and status.
  PVirtualNode drive = page->vstDrive1->GetFirst();
  EXPECT_EQ(page->vstDrive1->Text(drive, 1), L"2");
  EXPECT_EQ(page->vstDrive1->Text(drive, 2), L"0.0 KB");
  EXPECT_EQ(page->vstDrive1->Text(drive, 3), L"Finished");
  const TLastWasteInfo last = LoadLastWasteInfo();
  EXPECT_EQ(last.ScanNum, 2);
  EXPECT_EQ(last.ClearNum, 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(JunkPageTest, ScanThatFindsNothingSaysSoAndReturnsToTheStart) {
  Make(L"c.txt");
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"扫描结束，没有发现垃圾文件！");
  EXPECT_EQ(boxes[0].caption, L"扫描结束");
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  EXPECT_TRUE(NavigationEnabled());
  EXPECT_EQ(page->lblLastScan->Caption(), L"0");
  EXPECT_NE(page->lblLast->Caption(), L"Not Scanned");  // the record of this scan
}

TEST_F(JunkPageTest, ScanWithoutASelectedDriveAsksForOne) {
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  page->chkSeleAllDrive->SetChecked(false);
  EXPECT_FALSE(DiskDrivers[0]->Selected);
  page->btnScan->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            L"Please select at least one option from the list that needs to be scanned for junk files.");
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  // A drive's own box selects it again.
  page->vstDrive->SetCheckState(page->vstDrive->GetFirst(), TCheckState::csCheckedNormal);
  EXPECT_TRUE(DiskDrivers[0]->Selected);
}

// Stopping: "Yes" to the question stops the scan; what was found so far is kept.
TEST_F(JunkPageTest, StopKeepsWhatWasFoundOrReturnsToTheStartWhenNothingWas) {
  struct Case {
    size_t stopAfterFound;  // stop once this many junk files were found
    int answer;
    size_t expectedFound;  // the entry in hand when the stop comes may still count
  } cases[] = {{0, IDYES, 0}, {1, IDYES, 2}, {1, IDNO, 30}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stopAfterFound * 10 + c.answer);
    TfrmWasteCleaner* page = Open();
    ASSERT_NE(page, nullptr);
    for (int i = 0; i < 30; ++i) Make(L"f" + IntToStr(i) + L".tmp");
    boxes.clear();
    reply = c.answer;
    bool asked = false;
    onPump = [&] {
      Sleep(11);  // so the scan pumps again at its next entry
      if (asked || !WasteSearchState.Searching || WasteFiles.size() < c.stopAfterFound) return;
      asked = true;
      page->btnCancelScan->Click();
    };
    Sleep(15);  // the first entry pumps
    page->btnScan->Click();
    onPump = nullptr;
    ASSERT_TRUE(asked);
    ASSERT_GE(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Sure you want to stop scanning?");
    EXPECT_EQ(boxes[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(boxes.size(), 1u);  // no "nothing found" box after a stop
    EXPECT_LE(WasteFiles.size(), c.expectedFound);
    EXPECT_GE(WasteFiles.size(), c.stopAfterFound);
    EXPECT_EQ(page->pgc1->ActivePage(), WasteFiles.empty() ? page->ts1 : page->ts3);
    EXPECT_EQ(LoadLastWasteInfo().ScanNum, int(WasteFiles.size()));
    EXPECT_TRUE(NavigationEnabled());
    page->btnFinishClick(nullptr);
  }
}

// Cleaning: Yes deletes permanently, No into the Recycle Bin, Cancel deletes nothing. Unticked
// files stay; a locked file counts as not deleted.
TEST_F(JunkPageTest, CleanDeletesTheTickedFilesAsTheAnswerSays) {
  struct Case {
    int answer;
    bool deletes;
  } cases[] = {{IDYES, true}, {IDNO, true}, {IDCANCEL, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    const std::wstring a = Make(L"a.tmp", "aaaa"), b = Make(L"b.tmp", "bb"), locked = Make(L"c.tmp", "c"),
                       kept = Make(L"d.tmp", "d");
    TfrmWasteCleaner* page = Open();
    ASSERT_NE(page, nullptr);
    page->btnScan->Click();
    ASSERT_EQ(WasteFiles.size(), 4u);
    PVirtualNode node = page->vstScanResult->GetFirst();
    for (int i = 0; i < 3; ++i) node = page->vstScanResult->GetNext(node);
    page->vstScanResult->SetCheckState(node, TCheckState::csUncheckedNormal);  // d.tmp stays
    EXPECT_FALSE(WasteFiles[3]->Selected);
    HANDLE h = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    reply = c.answer;
    boxes.clear();
    page->btnClear->Click();
    CloseHandle(h);

    ASSERT_GE(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              L"4 junk files selected for removal, out of whick 3 were selectd for removal.\r\r"
              L"select Yes to permanently delete junk files,select No to remove junk files to Recyle Bin\r");
    EXPECT_EQ(boxes[0].type, UINT(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2));
    EXPECT_EQ(FileExists(a), !c.deletes);
    EXPECT_EQ(FileExists(b), !c.deletes);
    EXPECT_TRUE(FileExists(locked));
    EXPECT_TRUE(FileExists(kept));
    if (c.deletes) {
      ASSERT_EQ(boxes.size(), 2u);
      EXPECT_EQ(boxes[1].text, L"Cleaning Completed.");
      EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
      EXPECT_EQ(page->lblError->Caption(), L"4");  // under "ENTRIES FOUND"
      EXPECT_EQ(page->lblFix->Caption(), L"2");    // under "ENTRIES FIXED": really deleted
      EXPECT_EQ(page->lblProcessResult->Caption(), L"清理结束！");
      EXPECT_EQ(page->lblProcessDetail->Caption(),
                L"本次共扫描文件数量：4\r\n共选取了 3 个需要清理的文件\r\n2 个文件清理成功\r\n"
                L"1 个文件清理失败\r\n共回收空间: 0KB");
      EXPECT_EQ(page->Label6->Caption(), L"Junk Files Cleaning Completely");
      EXPECT_EQ(page->pb1->Max(), 3);
      EXPECT_EQ(page->pb1->Position(), 3);
      const TLastWasteInfo last = LoadLastWasteInfo();
      EXPECT_EQ(last.ScanNum, 4);
      EXPECT_EQ(last.ClearNum, 2);
      page->btnFinish->Click();
      EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
      EXPECT_EQ(page->lblLastClear->Caption(), L"2");
      EXPECT_EQ(page->Label6->Caption(), Host().Greeting() + L" Junk Cleaner");
    } else {
      EXPECT_EQ(boxes.size(), 1u);
      EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
      EXPECT_EQ(LoadLastWasteInfo().ClearNum, 0);
      page->btnFinishClick(nullptr);
    }
    EXPECT_TRUE(NavigationEnabled());
    for (const std::wstring& file : {a, b, locked, kept}) DeleteFileW(file.c_str());
  }
}

// The delete question shown for real and answered with Enter: its default button is No, so the
// files go to the Recycle Bin and are never deleted for good by one key.
TEST_F(JunkPageTest, EnterOnTheDeleteQuestionSendsTheFilesToTheRecycleBin) {
  const std::wstring a = Make(L"a.tmp", "aaaa");
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  ASSERT_EQ(WasteFiles.size(), 1u);
  int answer = 0;
  SetMessageBoxFunc([&](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
    if ((type & MB_TYPEMASK) != MB_YESNOCANCEL) return IDOK;
    return answer = MessageBoxW(owner, text.c_str(), caption.c_str(), type);
  });
  {
    WhenMessageBoxOpens enter(PressEnter);
    page->btnClear->Click();
  }
  EXPECT_EQ(answer, IDNO);
  EXPECT_TRUE(WasteCleanOptions.CanRecover);
  EXPECT_FALSE(FileExists(a));
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
}

TEST_F(JunkPageTest, CleanWithNothingTickedAsksForASelection) {
  Make(L"a.tmp");
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  page->chkResultAll->SetChecked(false);
  EXPECT_FALSE(WasteFiles[0]->Selected);
  EXPECT_EQ(page->vstScanResult->CheckState(page->vstScanResult->GetFirst()), TCheckState::csUncheckedNormal);
  page->btnClear->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"You haven't select any,please select items to clean");
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
}

// "Finish" on the cleaning tab ends the run before the next file; the files deleted until then
// are in the record.
TEST_F(JunkPageTest, FinishDuringCleaningStopsBeforeTheNextFile) {
  for (int i = 0; i < 5; ++i) Make(L"f" + IntToStr(i) + L".tmp");
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  ASSERT_EQ(WasteFiles.size(), 5u);
  onPump = [&] {
    if (page->CleanState == TfrmWasteCleaner::TCleanState::Cleaning) page->btnCancelClear->Click();
  };
  Sleep(15);  // the first file pumps
  boxes.clear();
  page->btnClear->Click();
  onPump = nullptr;
  EXPECT_EQ(boxes.size(), 1u);  // the question only: no completion box
  EXPECT_EQ(page->CleanState, TfrmWasteCleaner::TCleanState::Idle);
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
  EXPECT_EQ(page->lblProcessResult->Caption(), L"清理被取消！");
  int left = 0;
  for (const auto& file : WasteFiles) left += FileExists(file->Path) ? 1 : 0;
  EXPECT_EQ(left, 4);
  EXPECT_EQ(page->lblFix->Caption(), L"1");
  EXPECT_EQ(LoadLastWasteInfo().ClearNum, 1);
}

// The page inside the main window, whose one-click maintenance frees the junk page.
class JunkPageInMainWindowTest : public JunkPageTest {
 protected:
  JunkPageInMainWindowTest() : JunkPageTest(TPageTestHost::MainWindow) {}
};

// While files are deleted navigation is on, but nothing can free the page or start it over.
TEST_F(JunkPageInMainWindowTest, OneClickNeitherFreesNorResetsThePageWhileItCleans) {
  for (int i = 0; i < 3; ++i) Make(L"f" + IntToStr(i) + L".tmp");
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  TComponentRef<TfrmWasteCleaner> ref(page);
  bool tried = false, oneClickEnabled = true, junkEnabled = true, navigationOn = false;
  onPump = [&] {
    if (tried || !ref || ref->CleanState != TfrmWasteCleaner::TCleanState::Cleaning) return;
    tried = true;
    navigationOn = !NavigationLocked();
    oneClickEnabled = main_->btnOneClick->Enabled();
    junkEnabled = main_->btnJunkCleaner->Enabled();
    main_->btnOneClickClick(main_->btnOneClick);
    main_->OpenPage(L"btnJunkCleaner");  // as the home page's link does
  };
  Sleep(15);
  page->btnClear->Click();
  onPump = nullptr;
  ASSERT_TRUE(tried);
  ASSERT_TRUE(ref);
  EXPECT_TRUE(navigationOn);
  EXPECT_FALSE(oneClickEnabled);
  EXPECT_FALSE(junkEnabled);
  EXPECT_EQ(page->CleanState, TfrmWasteCleaner::TCleanState::Completed);
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
  EXPECT_EQ(page->lblFix->Caption(), L"3");
  EXPECT_TRUE(main_->btnOneClick->Enabled());
  // Once the run is over, one-click maintenance frees the page as usual.
  main_->btnOneClickClick(main_->btnOneClick);
  EXPECT_FALSE(ref);
}

// Another page's run that starts and ends while files are deleted (its navigation lock comes and
// goes) leaves one-click maintenance off: a click on it cannot free the page under its loop.
TEST_F(JunkPageInMainWindowTest, AnotherPagesRunDuringCleaningLeavesOneClickOff) {
  for (int i = 0; i < 3; ++i) Make(L"f" + IntToStr(i) + L".tmp");
  TfrmWasteCleaner* page = Open();
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  TComponentRef<TfrmWasteCleaner> ref(page);
  bool tried = false, oneClickEnabled = true;
  onPump = [&] {
    if (tried || !ref || ref->CleanState != TfrmWasteCleaner::TCleanState::Cleaning) return;
    tried = true;
    PageHostOf(ref.Get()).LockNavigation().Release();
    oneClickEnabled = main_->btnOneClick->Enabled();
    main_->btnOneClick->Click();
  };
  Sleep(15);
  page->btnClear->Click();
  onPump = nullptr;
  ASSERT_TRUE(tried);
  ASSERT_TRUE(ref);
  EXPECT_FALSE(oneClickEnabled);
  EXPECT_EQ(page->CleanState, TfrmWasteCleaner::TCleanState::Completed);
  EXPECT_EQ(page->lblFix->Caption(), L"3");
  EXPECT_TRUE(main_->btnOneClick->Enabled());
}

}  // namespace
