// The uninstall manager inside a page host: the rows of both passes with their texts and
// icons, the Windows-update filter, the detail area, running an uninstaller through a runner of
// the test's own, and removing an entry.
#include "tools/uninstall_page/frmUninstall.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/shell_open.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "base/system_programs.h"
#include "common/version_info.h"
#include "tests/support/page_test_fixture.h"
#include "tests/tools/uninstall/uninstall_fixture.h"

namespace {

const wchar_t kMachineList[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const wchar_t kMachineCache[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Management\\ARPCache\\";
const wchar_t kUserList[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class UninstallPageTest : public PageTest<TfrmUninstall> {
 protected:
  UninstallPageTest() : PageTest(L"TfrmUninstall", L"btnUninstall") {}

  void SetUp() override {
    PageTest::SetUp();
    notepad_ = ExpandEnvironmentText(L"%SystemRoot%\\system32\\notepad.exe");
    // A program of the machine with its cached record, an icon and a help link.
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"DisplayName", Name(L"Alpha"));
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"DisplayIcon", notepad_ + L",0");
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"DisplayVersion", L"3.1");
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"InstallDate", L"20230415");
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"HelpLink", L"http://alpha.example/support");
    CreateDirectoryW((program_.Path() + L"My App").c_str(), nullptr);
    program_.WriteFile(L"My App\\unins.exe", "an uninstaller");
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"UninstallString", UninstallCommand());
    const std::vector<BYTE> record = CacheRecord(true, 2097152, Day(2024, 6, 30), 3, notepad_);
    PutValue(HKEY_LOCAL_MACHINE, kMachineCache + Tag(L"A"), L"SlowInfoCache", REG_BINARY, record.data(),
             record.size());
    // A program of the current user, without a record.
    PutText(HKEY_CURRENT_USER, User(L"B"), L"DisplayName", Name(L"Beta"));
    PutText(HKEY_CURRENT_USER, User(L"B"), L"DisplayIcon", program_.Path() + L"beta.exe");
    program_.WriteFile(L"beta.exe", "no version resource here");
    PutText(HKEY_CURRENT_USER, User(L"B") + L"\\Parts", L"Part", L"1");
    // A Windows update of the machine.
    PutText(HKEY_LOCAL_MACHINE, Machine(L"C"), L"DisplayName", Name(L"Gamma update"));
    PutDword(HKEY_LOCAL_MACHINE, Machine(L"C"), L"TSAware", 1);
  }

  void TearDown() override {
    for (const wchar_t* program : {L"A", L"C", L"D"}) {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, Machine(program).c_str());
      RegDeleteKeyW(HKEY_LOCAL_MACHINE, Machine(program).c_str());
    }
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kMachineCache + Tag(L"A")).c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kMachineCache + Tag(L"A")).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, User(L"B").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, User(L"B").c_str());
    SetShellOpenForTesting(nullptr);
    PageTest::TearDown();
  }

  std::wstring Tag(const std::wstring& program) const {
    return L"QsUninstallPage_" + std::to_wstring(GetCurrentProcessId()) + L"_" + program;
  }
  std::wstring Name(const std::wstring& name) const { return Tag(L"") + L" " + name; }
  std::wstring Machine(const std::wstring& program) const { return kMachineList + Tag(program); }
  std::wstring User(const std::wstring& program) const { return kUserList + Tag(program); }
  // An unquoted uninstall command longer than any fixed buffer, whose program sits in a folder
  // with a blank in its name.
  std::wstring UninstallCommand() const { return program_.Path() + L"My App\\unins.exe /S /LOG=" + std::wstring(800, L'q'); }

  // The row showing the program, or nullptr.
  PVirtualNode Row(TfrmUninstall* page, const std::wstring& name) {
    for (PVirtualNode node = page->VST1->GetFirst(); node; node = page->VST1->GetNextSibling(node))
      if (page->VST1->Text(node, 0) == Name(name)) return node;
    return nullptr;
  }
  int RowCount(TfrmUninstall* page) {
    int count = 0;
    for (PVirtualNode node = page->VST1->GetFirst(); node; node = page->VST1->GetNextSibling(node)) ++count;
    return count;
  }
  void Choose(TfrmUninstall* page, PVirtualNode node) {
    page->VST1->SetSelected(node, true);
    page->VST1->SetFocusedNode(node);
  }

  std::wstring notepad_;
};

}  // namespace

TEST_F(UninstallPageTest, ListsTheProgramsOfTheMachineAndTheUserWithTheirTexts) {
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->Label1->Caption().find(L" Uninstall Manager"), std::wstring::npos);
  EXPECT_EQ(page->Button1->Caption(), L"Refresh");

  PVirtualNode alpha = Row(page, L"Alpha");
  PVirtualNode beta = Row(page, L"Beta");
  ASSERT_TRUE(alpha && beta);
  EXPECT_LT(alpha->Index, beta->Index);  // the machine's programs come first
  const wchar_t* alphaTexts[] = {L"2.00 Mb", L"一般", L"2024-06-30", L"2023-04-15"};
  const wchar_t* betaTexts[] = {L"N/A", L"未知", L"N/A", L"N/A"};
  for (int column = 1; column <= 4; ++column) {
    EXPECT_EQ(page->VST1->Text(alpha, column), alphaTexts[column - 1]) << column;
    EXPECT_EQ(page->VST1->Text(beta, column), betaTexts[column - 1]) << column;
  }
  // The program with a record has its icon in the list; the other shows the default one.
  EXPECT_GT(page->ItemOfNode(alpha)->ImageIndex, 0);
  EXPECT_EQ(page->ItemOfNode(beta)->ImageIndex, 0);
  EXPECT_EQ(page->ItemOfNode(beta)->Root, HKEY_USERS);
  EXPECT_EQ(page->lblSoftCount->Caption(), L"软件数目: " + std::to_wstring(RowCount(page)));

  EXPECT_EQ(page->lblDescription->Caption(), L"Instructions");
  EXPECT_EQ(page->lblCompany->Caption(), L"First,Choose one of the applications above that you want to uninstall.");
  EXPECT_EQ(page->Label2->Caption(), L"Next, Click on \"Uninstall\" button");
  EXPECT_TRUE(page->imDefault->Visible());
  EXPECT_FALSE(page->imSelectedProgram->Visible());
  EXPECT_FALSE(page->lblHelpLink->Visible());
}

TEST_F(UninstallPageTest, WindowsUpdatesShowWhileTheBoxIsCheckedAndOnlyRefreshScansAgain) {
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(Row(page, L"Gamma update"), nullptr);
  const int rows = RowCount(page);
  // A program installed meanwhile appears only after a new scan.
  PutText(HKEY_LOCAL_MACHINE, Machine(L"D"), L"DisplayName", Name(L"Delta"));

  page->chkshowwindowsUpdate->SetChecked(true);
  EXPECT_NE(Row(page, L"Gamma update"), nullptr);
  EXPECT_EQ(RowCount(page), rows + 1);
  EXPECT_EQ(page->lblSoftCount->Caption(), L"软件数目: " + std::to_wstring(rows + 1));
  EXPECT_EQ(Row(page, L"Delta"), nullptr);

  page->chkshowwindowsUpdate->SetChecked(false);
  EXPECT_EQ(Row(page, L"Gamma update"), nullptr);
  page->Button1->Click();
  EXPECT_NE(Row(page, L"Delta"), nullptr);
  EXPECT_EQ(RowCount(page), rows + 1);
}

TEST_F(UninstallPageTest, TheDetailAreaDescribesTheChosenProgram) {
  std::vector<std::wstring> opened;
  SetShellOpenForTesting([&](const TShellOpenCall& call) { opened.push_back(call.File); });
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);

  Choose(page, Row(page, L"Alpha"));
  EXPECT_EQ(page->lblDescription->Caption(), Name(L"Alpha"));
  EXPECT_EQ(page->lblVersion->Caption(), L"3.1");
  TVersionInfo version;
  ReadVersionInfo(notepad_, version);
  EXPECT_EQ(page->lblCompany->Caption(),
            version.CompanyName.empty() ? L"Publisher:(not availiable)" : L"Publisher: " + version.CompanyName);
  EXPECT_EQ(page->Label2->Caption(), L"Online Support:");
  EXPECT_TRUE(page->lblHelpLink->Visible());
  EXPECT_EQ(page->lblHelpLink->Caption(), L"http://alpha.example/support");
  EXPECT_TRUE(page->imSelectedProgram->Visible());
  EXPECT_FALSE(page->imDefault->Visible());
  ASSERT_NE(page->imSelectedProgram->Picture()->Graphic(), nullptr);
  EXPECT_FALSE(page->imSelectedProgram->Picture()->Graphic()->Empty());
  page->lblHelpLink->Click();
  EXPECT_EQ(opened, (std::vector<std::wstring>{L"http://alpha.example/support"}));

  // A program without a help link after one with a link: no link is left visible.
  Choose(page, Row(page, L"Beta"));
  EXPECT_EQ(page->lblCompany->Caption(), L"Publisher:(not availiable)");
  EXPECT_EQ(page->Label2->Caption(), L"Online Support:(not availiable)");
  EXPECT_FALSE(page->lblHelpLink->Visible());
  EXPECT_EQ(page->lblHelpLink->Caption(), L"");
  // Without an icon of its own it shows the default picture.
  ASSERT_NE(page->imSelectedProgram->Picture()->Graphic(), nullptr);
  EXPECT_FALSE(page->imSelectedProgram->Picture()->Graphic()->Empty());

  page->VST1->ClearSelection();
  EXPECT_EQ(page->lblDescription->Caption(), L"Instructions");
  EXPECT_TRUE(page->imDefault->Visible());
  EXPECT_FALSE(page->imSelectedProgram->Visible());
}

// The shell is handed the checked URL only, as a URL of its scheme: a path is never opened, a
// "www." link gets its scheme.
TEST_F(UninstallPageTest, AHelpLinkReachesTheShellOnlyAsAWebAddress) {
  std::vector<std::wstring> opened;
  SetShellOpenForTesting([&](const TShellOpenCall& call) { opened.push_back(call.ClassName + L"|" + call.File); });
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  for (const wchar_t* link : {L"C:\\Windows\\system32\\cmd.exe", L"www.\\..\\..\\x.exe",
                              L"http://x/../../../../app/x.exe", L" www.example.com/help "}) {
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"HelpLink", link);
    page->Button1->Click();
    Choose(page, Row(page, L"Alpha"));
    EXPECT_TRUE(page->lblHelpLink->Visible());
    page->lblHelpLink->Click();
  }
  EXPECT_EQ(opened, (std::vector<std::wstring>{L"http|http://www.example.com/help"}));
}

// The uninstaller runs as the program its command names, quoted, with the command's arguments:
// a "My.exe" planted beside "My App" (which a bare command line would start) never runs.
TEST_F(UninstallPageTest, UninstallRunsTheProgramTheCommandNamesThenScansAgain) {
  program_.WriteFile(L"My.exe", "planted");
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  std::vector<std::wstring> commands;
  // The uninstaller takes its program's entry away, as a real one does.
  SetChildProcessRunnerForTesting([&](const TChildRun& run, DWORD& exitCode) {
    commands.push_back(run.CommandLine);
    EXPECT_TRUE(run.Pumping);
    EXPECT_EQ(run.TimeoutMs, INFINITE);
    EXPECT_EQ(run.ShowCommand, SW_SHOWNORMAL);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, Machine(L"A").c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, Machine(L"A").c_str());
    exitCode = 0;
    return true;
  });
  page->Button3->Click();  // no focused row: nothing runs
  EXPECT_TRUE(commands.empty());

  Choose(page, Row(page, L"Alpha"));
  page->Button3->Click();
  EXPECT_EQ(commands, (std::vector<std::wstring>{L"\"" + program_.Path() + L"My App\\unins.exe\" /S /LOG=" +
                                                 std::wstring(800, L'q')}));
  EXPECT_EQ(Row(page, L"Alpha"), nullptr);
  EXPECT_NE(Row(page, L"Beta"), nullptr);
  EXPECT_TRUE(boxes.empty());  // no question is asked
  EXPECT_EQ(page->lblDescription->Caption(), L"Instructions");
}

// An uninstaller that is not there, or cannot be started, is named in a box; the entry stays
// listed and chosen.
TEST_F(UninstallPageTest, AnUninstallerThatCannotStartIsNamedAndTheEntryStays) {
  const std::wstring missing = program_.Path() + L"Gone\\unins.exe";
  PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"UninstallString", missing + L" /S");
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  bool started = true;
  std::vector<std::wstring> commands;
  SetChildProcessRunnerForTesting([&](const TChildRun& run, DWORD& exitCode) {
    commands.push_back(run.CommandLine);
    exitCode = 0;
    return started;
  });
  Choose(page, Row(page, L"Alpha"));
  page->Button3->Click();
  EXPECT_TRUE(commands.empty());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"The uninstaller could not be started:\r\n" + missing);
  EXPECT_EQ(boxes[0].caption, L"程序卸载");
  EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONERROR));
  EXPECT_EQ(page->lblDescription->Caption(), Name(L"Alpha"));
  EXPECT_EQ(page->VST1->FocusedNode(), Row(page, L"Alpha"));

  // There, but the platform would not start it.
  PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"UninstallString", UninstallCommand());
  page->Button1->Click();
  Choose(page, Row(page, L"Alpha"));
  started = false;
  page->Button3->Click();
  EXPECT_EQ(commands.size(), 1u);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"The uninstaller could not be started:\r\n" + program_.Path() + L"My App\\unins.exe");
  EXPECT_NE(Row(page, L"Alpha"), nullptr);
}

// An uninstaller that is missing is never replaced by a shorter program that exists: the box says
// it could not be started, nothing runs, and the entry stays.
TEST_F(UninstallPageTest, AMissingUninstallerIsNeverReplacedByAShorterProgram) {
  program_.WriteFile(L"My.exe", "planted");
  CreateDirectoryW((program_.Path() + L"My App\\sub dir").c_str(), nullptr);
  const std::wstring app = program_.Path() + L"My App\\";
  const std::pair<std::wstring, std::wstring> cases[] = {
      {app + L"gone.exe /S", app + L"gone.exe"},
      {app + L"unins /S", app + L"unins /S"},  // no program named: the whole command is shown
      {app + L"sub dir\\gone.exe /S", app + L"sub dir\\gone.exe"},
  };
  std::vector<std::wstring> commands;
  SetChildProcessRunnerForTesting([&](const TChildRun& run, DWORD& exitCode) {
    commands.push_back(run.CommandLine);
    exitCode = 0;
    return true;
  });
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.first.begin(), c.first.end()));
    boxes.clear();
    PutText(HKEY_LOCAL_MACHINE, Machine(L"A"), L"UninstallString", c.first);
    page->Button1->Click();
    Choose(page, Row(page, L"Alpha"));
    page->Button3->Click();
    EXPECT_TRUE(commands.empty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"The uninstaller could not be started:\r\n" + c.second);
    EXPECT_NE(Row(page, L"Alpha"), nullptr);
  }
}

// The real runner waits for the uninstaller without a bound while the program's messages are
// handled, so the window keeps painting.
TEST(UninstallRunner, WaitsForTheUninstallerWhileHandlingMessages) {
  int pumps = 0;
  TMessagePump previous = SetMessagePump([&pumps] { ++pumps; });
  const bool ran = RunUninstallCommand(L"\"" + SystemFolder() + L"\\cmd.exe\" /c ping -n 2 127.0.0.1 >nul");
  SetMessagePump(std::move(previous));
  EXPECT_TRUE(ran);
  EXPECT_GT(pumps, 0);
  EXPECT_FALSE(RunUninstallCommand(L"\"C:\\qs_no_such_folder\\unins.exe\""));
}

TEST_F(UninstallPageTest, RemoveAsksAndDeletesTheUsersEntryFromBelowHkeyUsers) {
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  Choose(page, Row(page, L"Beta"));
  answer = [](const TRecordedBox&) { return IDNO; };
  page->Button2->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Sure you want to remove " + Name(L"Beta") + L"?");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type, UINT(MB_YESNO | MB_ICONWARNING));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, User(L"B")));
  EXPECT_NE(Row(page, L"Beta"), nullptr);

  answer = [](const TRecordedBox&) { return IDYES; };
  page->Button2->Click();
  EXPECT_EQ(boxes.size(), 2u);  // no failure box
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, User(L"B")));
  EXPECT_EQ(Row(page, L"Beta"), nullptr);
  EXPECT_NE(Row(page, L"Alpha"), nullptr);
}

TEST_F(UninstallPageTest, AnEntryThatCannotBeDeletedIsReportedAndStaysListed) {
  TfrmUninstall* page = OpenPage();
  ASSERT_NE(page, nullptr);
  // The user may not delete the entry's subkey, so the entry cannot go as a whole.
  const std::wstring locked = User(L"B") + L"\\Parts";
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, locked.c_str(), 0, WRITE_DAC | READ_CONTROL, &key), ERROR_SUCCESS);
  SECURITY_DESCRIPTOR sd;
  InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
  ACL acl;
  InitializeAcl(&acl, sizeof(acl), ACL_REVISION);  // an empty list: nobody may do anything
  SetSecurityDescriptorDacl(&sd, TRUE, &acl, FALSE);
  const LONG set = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd);
  RegCloseKey(key);
  ASSERT_EQ(set, ERROR_SUCCESS);
  // Afterwards the owner, who may always change the list, sets none at all, so the fixture goes.
  struct TUnlock {
    std::wstring path;
    ~TUnlock() {
      HKEY k;
      if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &k) != ERROR_SUCCESS) return;
      SECURITY_DESCRIPTOR open;
      InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
      SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
      RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, &open);
      RegCloseKey(k);
    }
  } unlock{locked};
  HKEY probe;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, locked.c_str(), 0, DELETE, &probe) == ERROR_SUCCESS) {
    RegCloseKey(probe);
    GTEST_SKIP() << "this platform does not enforce the access lists of registry keys";
  }

  Choose(page, Row(page, L"Beta"));
  answer = [](const TRecordedBox&) { return IDYES; };
  page->Button2->Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"删除该项失败");
  EXPECT_EQ(boxes[1].caption, L"程序卸载");
  EXPECT_EQ(boxes[1].type, UINT(MB_OK | MB_ICONWARNING));
  EXPECT_NE(Row(page, L"Beta"), nullptr);
}
