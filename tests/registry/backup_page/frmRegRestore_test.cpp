// The registry backup page inside a page host: backups through the please-wait window, the
// rows, restore and remove with their questions, and what each failure reports. Most tests put a
// recorder in place of the registry editor; the last two run the real one in the prefix.
#include "registry/reg_editor.h"
#include "registry/backup_page/frmRegRestore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/child_process.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "gui/screen.h"
#include "registry/backup_page/frmRegFlashForm.h"
#include "tests/base/test_keys.h"
#include "tests/support/page_test_fixture.h"

namespace {

// The please-wait window now showing, or nullptr.
TfrmRegFlashForm* ShowingWaitWindow() {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (auto* wait = dynamic_cast<TfrmRegFlashForm*>(Screen->Forms(i)))
      if (wait->Showing()) return wait;
  return nullptr;
}

class RegRestorePageTest : public PageTest<TfrmRegRestore> {
 protected:
  RegRestorePageTest() : PageTest(L"TfrmRegRestore", L"btnRegistryBack") {
    // Each box also notes what the please-wait window showed while it was up ("" when none was).
    answer = [this](const TRecordedBox&) {
      TfrmRegFlashForm* wait = ShowingWaitWindow();
      waitStates.push_back(wait ? wait->lblCurrentState->Caption() : L"");
      return reply;
    };
  }
  void TearDown() override {
    PageTest::TearDown();
    SetChildProcessRunnerForTesting(nullptr);
  }

  // The editor "runs" while the please-wait window is up: it records its command line and what
  // the window showed, writes Bytes into the file named after /e and ends with ExitCode.
  void FakeEditor(DWORD ExitCode, const char* Bytes = "REGEDIT4\r\n") {
    SetChildProcessRunnerForTesting([this, ExitCode, Bytes](const TChildRun& Run, DWORD& Code) {
      const std::wstring& CommandLine = Run.CommandLine;
      TfrmRegFlashForm* wait = ShowingWaitWindow();
      editorCalls.push_back(CommandLine + L" | " + (wait ? wait->lblCurrentState->Caption() : L"<no window>"));
      const size_t at = CommandLine.find(L" /e \"");
      if (at != std::wstring::npos && Bytes) WriteBytes(CommandLine.substr(at + 5, CommandLine.size() - at - 6), Bytes);
      Code = ExitCode;
      return true;
    });
  }

  void ClearBoxes() {
    boxes.clear();
    waitStates.clear();
  }
  std::wstring Index(const std::wstring& key) const {
    return TIniFile(program_.Path() + L"Registry.ini").ReadString(L"RegBackupFiles", key, L"<none>");
  }
  std::wstring BackupFile(const std::wstring& name) const { return program_.Path() + L"Backup\\Registry\\" + name; }

  // Two indexed backups with their files.
  void SeedTwoBackups() {
    ASSERT_TRUE(ForceDirectories(program_.Path() + L"Backup\\Registry\\"));
    program_.WriteFile(L"Backup\\Registry\\20091123174105.reg", "REGEDIT4\r\n");
    program_.WriteFile(L"Backup\\Registry\\20100102030405.reg", "REGEDIT4\r\n");
    program_.WriteFile(L"Registry.ini",
                       "[RegBackupFiles]\r\n20091123174105= 20091123174105.reg \r\n20100102030405=20100102030405.reg\r\n");
  }

  std::vector<std::wstring> waitStates;
  std::vector<std::wstring> editorCalls;
  int reply = IDYES;
};

TEST_F(RegRestorePageTest, RowsShowEveryIndexedBackupInFileOrder) {
  SeedTwoBackups();
  TfrmRegRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Label1->Caption(), Host().Greeting() + L" Registry Backup");
  EXPECT_EQ(page->lsbRestore->ItemsList(),
            (std::vector<std::wstring>{L"Monday,November 23,2009-17:41", L"Saturday,January 02,2010-03:04"}));
  ASSERT_EQ(page->Backups().size(), 2u);
  EXPECT_EQ(page->Backups()[0].FileName, L"20091123174105.reg");
  EXPECT_EQ(page->btnRestore1->Caption(), L"Restore");
  EXPECT_EQ(page->btnRemove->Caption(), L"Remove");
}

// A backup runs in the please-wait window, creates the missing folders, is indexed and listed.
TEST_F(RegRestorePageTest, BackupRunsInThePleaseWaitWindowAndGetsItsRow) {
  FakeEditor(0);
  TfrmRegRestore* page = OpenPage();
  page->Btn_BackUp->Click();
  ASSERT_EQ(editorCalls.size(), 1u);
  EXPECT_EQ(editorCalls[0].rfind(RegistryEditorCommand(L"/e \"") + program_.Path() + L"Backup\\Registry\\", 0), 0u);
  EXPECT_NE(editorCalls[0].find(L".reg\" | Taking Registry Backup."), std::wstring::npos);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Registry Backup Completed!");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(waitStates[0], L"");  // the window closed first
  ASSERT_EQ(page->Backups().size(), 1u);
  const TRegBackupEntry& row = page->Backups()[0];
  EXPECT_EQ(row.FileName, row.Key + L".reg");
  EXPECT_EQ(Index(row.Key), row.FileName);
  EXPECT_TRUE(FileExists(BackupFile(row.FileName)));
  EXPECT_EQ(page->lsbRestore->ItemsList(), std::vector<std::wstring>{FormatBackupName(row.FileName)});
  EXPECT_EQ(ShowingWaitWindow(), nullptr);
}

// Closing the please-wait window before its run has finished is refused: the run still happens and
// the window closes once it is done.
TEST_F(RegRestorePageTest, ThePleaseWaitWindowStaysUntilItsRunIsDone) {
  FakeEditor(0);
  TfrmRegRestore* page = OpenPage();
  TfrmRegFlashForm wait(page);
  wait.BackupTime = Now();
  wait.timerRegFlashForm->SetEnabled(true);
  // The close arrives before the run's timer.
  PostMessageW(wait.Handle(), WM_CLOSE, 0, 0);
  wait.ShowModal();
  EXPECT_EQ(editorCalls.size(), 1u);
  EXPECT_TRUE(wait.Result);
  EXPECT_FALSE(wait.Showing());
}

// An export that fails in any way is reported as failed and leaves neither a row nor an index line.
TEST_F(RegRestorePageTest, AFailedBackupIsReportedAndNotListed) {
  struct Case {
    const char* what;
    DWORD exitCode;
    const char* bytes;
  };
  const Case cases[] = {{"editor failed", 1, "REGEDIT4\r\n"}, {"nothing written", 0, nullptr}};
  TfrmRegRestore* page = OpenPage();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearBoxes();
    FakeEditor(c.exitCode, c.bytes);
    page->Btn_BackUp->Click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Registry Backup Failed!");
    EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(page->Backups().empty());
    EXPECT_EQ(page->lsbRestore->Count(), 0);
  }
  EXPECT_EQ(ReadBytes(program_.Path() + L"Registry.ini").find("RegBackupFiles"), std::string::npos);
}

// Restore asks first (warning, the old caption); on Yes the import runs in the please-wait window,
// and the outcome box appears while that window is still up.
TEST_F(RegRestorePageTest, RestoreAsksThenImportsTheChosenBackup) {
  SeedTwoBackups();
  FakeEditor(0);
  TfrmRegRestore* page = OpenPage();
  page->lsbRestore->SetItemIndex(1);
  reply = IDNO;
  page->btnRestore1->Click();
  EXPECT_TRUE(editorCalls.empty());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Sure you want to restore the item?");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v 4.0");
  EXPECT_EQ(boxes[0].type, UINT(MB_YESNO | MB_ICONWARNING));

  reply = IDYES;
  ClearBoxes();
  page->btnRestore1->Click();
  EXPECT_EQ(editorCalls, std::vector<std::wstring>{RegistryEditorCommand(L"/s \"") + BackupFile(L"20100102030405.reg") +
                                                   L"\" | Taking Registry Restore."});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Registry Restore Completed!");
  EXPECT_EQ(boxes[1].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[1].type, UINT(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(waitStates[1], L"Taking Registry Restore.");
  EXPECT_EQ(ShowingWaitWindow(), nullptr);
}

// A backup file that is gone, cut off, or whose import fails, is a failed restore that says why;
// a cut-off file never reaches the editor.
TEST_F(RegRestorePageTest, ARestoreThatCannotHappenReportsFailure) {
  SeedTwoBackups();
  TfrmRegRestore* page = OpenPage();
  DeleteFileW(BackupFile(L"20091123174105.reg").c_str());
  FakeEditor(0);
  page->lsbRestore->SetItemIndex(0);
  page->btnRestore1->Click();
  EXPECT_TRUE(editorCalls.empty());
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text,
            L"Registry Restore Failed!\r\n\r\nThe file is incomplete or damaged (the file does not exist). Nothing "
            L"was imported.");
  EXPECT_EQ(boxes[1].type, UINT(MB_OK | MB_ICONERROR));

  ClearBoxes();
  program_.WriteFile(L"Backup\\Registry\\20091123174105.reg",
                     "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Cut]\r\n\"V\"=hex:01,\\\r\n");
  page->lsbRestore->SetItemIndex(0);
  page->btnRestore1->Click();
  EXPECT_TRUE(editorCalls.empty());
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text,
            L"Registry Restore Failed!\r\n\r\nThe file is incomplete or damaged (the file ends inside a value's "
            L"bytes). Nothing was imported.");

  ClearBoxes();
  FakeEditor(1);
  page->lsbRestore->SetItemIndex(1);
  page->btnRestore1->Click();
  EXPECT_EQ(editorCalls.size(), 1u);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Registry Restore Failed!\r\n\r\nThe registry editor could not finish the import.");
}

// Remove asks (warning, the program's caption) and on Yes deletes the row's file and its own index
// line; No changes nothing.
TEST_F(RegRestorePageTest, RemoveDeletesTheRowsFileAndLine) {
  SeedTwoBackups();
  TfrmRegRestore* page = OpenPage();
  page->lsbRestore->SetItemIndex(0);
  reply = IDNO;
  page->btnRemove->Click();
  EXPECT_EQ(page->lsbRestore->Count(), 2);
  EXPECT_TRUE(FileExists(BackupFile(L"20091123174105.reg")));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Sure you want to remove the item?");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type, UINT(MB_YESNO | MB_ICONWARNING));

  reply = IDYES;
  page->lsbRestore->SetItemIndex(0);
  page->btnRemove->Click();
  EXPECT_FALSE(FileExists(BackupFile(L"20091123174105.reg")));
  EXPECT_EQ(Index(L"20091123174105"), L"<none>");
  EXPECT_TRUE(FileExists(BackupFile(L"20100102030405.reg")));
  EXPECT_EQ(page->lsbRestore->ItemsList(), std::vector<std::wstring>{L"Saturday,January 02,2010-03:04"});

  // The last row gone, Restore and Remove have nothing to act on and ask nothing.
  page->lsbRestore->SetItemIndex(0);
  page->btnRemove->Click();
  EXPECT_EQ(page->lsbRestore->Count(), 0);
  ClearBoxes();
  page->btnRemove->Click();
  page->btnRestore1->Click();
  EXPECT_TRUE(boxes.empty());
}

// Nothing is asked or removed while no row is chosen.
TEST_F(RegRestorePageTest, NoRowChosenDoesNothing) {
  SeedTwoBackups();
  TfrmRegRestore* page = OpenPage();
  page->lsbRestore->SetItemIndex(-1);
  page->btnRemove->Click();
  page->btnRestore1->Click();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(page->lsbRestore->Count(), 2);
}

// An index line naming a file outside the backup folder, or one whose key is not its name's
// stamp: Remove deletes no file outside the folder and only that row's own line.
TEST_F(RegRestorePageTest, RemoveOfAHostileNameDeletesNoOtherFile) {
  ASSERT_TRUE(ForceDirectories(program_.Path() + L"Backup\\Registry\\"));
  program_.WriteFile(L"victim.reg", "REGEDIT4\r\n");
  program_.WriteFile(L"Backup\\victim.reg", "REGEDIT4\r\n");
  program_.WriteFile(L"Backup\\Registry\\20091123174105.reg", "REGEDIT4\r\n");
  program_.WriteFile(L"Registry.ini",
                     "[RegBackupFiles]\r\nA=..\\..\\victim.reg\r\nB=..\\victim.reg\r\n"
                     "20091123174105=20091123174105.reg\r\nC=20091123174105.reg\r\n");
  TfrmRegRestore* page = OpenPage();
  ASSERT_EQ(page->lsbRestore->Count(), 4);
  for (int i = 0; i < 2; ++i) {
    page->lsbRestore->SetItemIndex(0);
    page->btnRemove->Click();
  }
  EXPECT_TRUE(FileExists(program_.Path() + L"victim.reg"));
  EXPECT_TRUE(FileExists(program_.Path() + L"Backup\\victim.reg"));
  // Row C shares its file with the stamped row; removing C removes the file but keeps the other line.
  page->lsbRestore->SetItemIndex(1);
  page->btnRemove->Click();
  EXPECT_EQ(Index(L"A"), L"<none>");
  EXPECT_EQ(Index(L"B"), L"<none>");
  EXPECT_EQ(Index(L"C"), L"<none>");
  EXPECT_EQ(Index(L"20091123174105"), L"20091123174105.reg");
  EXPECT_EQ(page->lsbRestore->Count(), 1);
}

// The rows are drawn by the page: alternating white and light blue, the chosen one grey.
TEST_F(RegRestorePageTest, RowsAreDrawnInAlternatingColours) {
  SeedTwoBackups();
  TfrmRegRestore* page = OpenPage();
  page->lsbRestore->SetItemIndex(1);
  Application->ProcessMessages();
  HDC dc = GetDC(page->lsbRestore->Handle());
  TRect first = page->lsbRestore->ItemRect(0), second = page->lsbRestore->ItemRect(1);
  COLORREF even = GetPixel(dc, first.right - 3, first.top + 2);
  COLORREF chosen = GetPixel(dc, second.right - 3, second.top + 2);
  ReleaseDC(page->lsbRestore->Handle(), dc);
  EXPECT_EQ(even, RGB(0xF3, 0xF5, 0xFD));
  EXPECT_EQ(chosen, RGB(0x80, 0x80, 0x80));
}

// The real registry editor: a backup of the whole registry of the prefix gets its row and holds
// the keys of this test; the program is not frozen while the editor works.
TEST_F(RegRestorePageTest, RealEditorBacksUpTheWholeRegistry) {
  TestRegistryKey key(L"RegBackupPage");
  TfrmRegRestore* page = OpenPage();
  // The program keeps handling its messages while the editor runs.
  int pumps = 0;
  TMessagePump previous = SetMessagePump([&pumps] {
    ++pumps;
    Application->ProcessMessages();
  });
  page->Btn_BackUp->Click();
  SetMessagePump(previous);
  EXPECT_GT(pumps, 0);
  ASSERT_EQ(boxes.size(), 1u);
  ASSERT_EQ(boxes[0].text, L"Registry Backup Completed!");
  ASSERT_EQ(page->Backups().size(), 1u);
  std::string bytes = ReadBytes(BackupFile(page->Backups()[0].FileName));
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  EXPECT_NE(text.find(L"[HKEY_LOCAL_MACHINE\\"), std::wstring::npos);
  EXPECT_NE(text.find(key.Path() + L"]"), std::wstring::npos);
}

// The real registry editor restores a backup of a seeded key after the key has changed. (The
// backup holds that key only, so the restore cannot reach the keys other tests work on.)
TEST_F(RegRestorePageTest, RealEditorRestoresAChangedKey) {
  TestRegistryKey key(L"RegRestorePage");
  const std::wstring root = L"HKEY_CURRENT_USER\\" + key.Path();
  auto setValue = [&](const std::wstring& text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key.Path().c_str(), L"Kept", REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  };
  auto readValue = [&] {
    wchar_t buffer[64] = {};
    DWORD size = sizeof(buffer);
    RegGetValueW(HKEY_CURRENT_USER, key.Path().c_str(), L"Kept", RRF_RT_REG_SZ, nullptr, buffer, &size);
    return std::wstring(buffer);
  };
  setValue(L"before");
  ASSERT_TRUE(ForceDirectories(program_.Path() + L"Backup\\Registry\\"));
  DWORD exitCode = 1;
  ASSERT_TRUE(RunChildProcess(L"regedit /e \"" + BackupFile(L"20091123174105.reg") + L"\" \"" + root + L"\"", exitCode));
  ASSERT_EQ(exitCode, 0u);
  program_.WriteFile(L"Registry.ini", "[RegBackupFiles]\r\n20091123174105=20091123174105.reg\r\n");
  setValue(L"after");

  TfrmRegRestore* page = OpenPage();
  page->lsbRestore->SetItemIndex(0);
  page->btnRestore1->Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Registry Restore Completed!");
  EXPECT_EQ(readValue(), L"before");
}

}  // namespace
