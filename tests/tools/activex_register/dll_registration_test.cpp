// The DLLs of a folder, the registration tool's command line, and the outcome of a registration
// taken from the tool's exit code.
#include "tools/activex_register/dll_registration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/child_process.h"
#include "base/files.h"
#include "base/strings.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

class DllRegistrationTest : public ::testing::Test {
 protected:
  ~DllRegistrationTest() override {
    SetRegistrationToolForTesting({});
    SetChildProcessRunnerForTesting(nullptr);
  }
  TestFolder folder_;
  // Without the trailing backslash, as the system folder is named.
  std::wstring Folder() const { return folder_.Path().substr(0, folder_.Path().size() - 1); }
};

TEST_F(DllRegistrationTest, ListsTheDllFilesOfTheFolderOnly) {
  for (const wchar_t* name : {L"a.dll", L"B.DLL", L"note.txt", L"c.dll.bak"}) WriteBytes(folder_.Path() + name, "x");
  ASSERT_TRUE(ForceDirectories(folder_.Path() + L"sub.dll"));
  std::vector<std::wstring> dlls = ListDlls(Folder());
  std::sort(dlls.begin(), dlls.end());
  EXPECT_EQ(dlls, (std::vector<std::wstring>{Folder() + L"\\B.DLL", Folder() + L"\\a.dll"}));
  EXPECT_TRUE(ListDlls(Folder() + L"\\missing").empty());
}

TEST_F(DllRegistrationTest, TheToolRunsByItsFullPathSilently) {
  EXPECT_EQ(RegistrationCommandLine(L"C:\\windows\\system32", L"C:\\windows\\system32\\my ole.dll"),
            L"\"C:\\windows\\system32\\regsvr32.exe\" /s \"C:\\windows\\system32\\my ole.dll\"");
  // Unless a test puts its own in place, the tool is the system folder's.
  EXPECT_EQ(LowerCase(RegistrationTool().SystemFolder).substr(1), L":\\windows\\system32");
}

// The outcome follows what the tool did: its exit code, or that it never finished.
TEST_F(DllRegistrationTest, TheOutcomeComesFromTheExitCode) {
  struct Case {
    const char* what;
    bool ended;
    DWORD exitCode;
    bool stopRequested;
    TRegistrationResult result;
    const wchar_t* status;
  };
  const Case cases[] = {
      {"registered", true, 0, false, TRegistrationResult::Registered, L"Re-Register successfully"},
      {"no entry point", true, 4, false, TRegistrationResult::Failed, L"Re-Register failed (exit code 4)"},
      {"not started or too slow", false, 0, false, TRegistrationResult::NotFinished,
       L"Re-Register failed (regsvr32 did not finish)"},
      {"stopped while waiting", false, 0, true, TRegistrationResult::Stopped, L"Stopped"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::wstring> commandLines;
    SetRegistrationToolForTesting({Folder()});
    SetChildProcessRunnerForTesting([&](const TChildRun& run, DWORD& ExitCode) {
      commandLines.push_back(run.CommandLine);
      EXPECT_TRUE(run.Pumping);
      EXPECT_EQ(run.TimeoutMs, kRegistrationTimeoutMs);
      ExitCode = c.exitCode;
      return c.ended;
    });
    TRegistrationOutcome outcome = RegisterDll(Folder() + L"\\x.dll", [&] { return c.stopRequested; });
    EXPECT_EQ(commandLines, std::vector<std::wstring>{RegistrationCommandLine(Folder(), Folder() + L"\\x.dll")});
    EXPECT_EQ(outcome.Result, c.result);
    EXPECT_EQ(RegistrationStatusText(outcome), c.status);
  }
}

// The real tool, handed a file that is no library, ends with an exit code that says so.
TEST_F(DllRegistrationTest, TheRealToolReportsAFileItCannotRegister) {
  WriteBytes(folder_.Path() + L"not a library.dll", "this is text, not a library");
  SetChildProcessRunnerForTesting(nullptr);
  TRegistrationOutcome outcome = RegisterDll(folder_.Path() + L"not a library.dll", {});
  EXPECT_EQ(outcome.Result, TRegistrationResult::Failed);
  EXPECT_NE(outcome.ExitCode, 0u);
}

}  // namespace
