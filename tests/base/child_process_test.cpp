#include "base/child_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/message_pump.h"
#include "tests/base/test_folder.h"

TEST(ChildProcess, GivesTheExitCodeOfAProgramThatRan) {
  DWORD exitCode = 0;
  ASSERT_TRUE(RunChildProcess(L"cmd.exe /c exit 7", exitCode));
  EXPECT_EQ(exitCode, 7u);
}

TEST(ChildProcess, AProgramThatDoesNotExistIsNotStarted) {
  DWORD exitCode = 12345;
  EXPECT_FALSE(RunChildProcess(L"qs_no_such_program_here.exe /x", exitCode));
  EXPECT_EQ(exitCode, 12345u);
}

// Command lines are not cut to a buffer: the exit code comes from the far end of a long one.
TEST(ChildProcess, ALongCommandLineArrivesWhole) {
  DWORD exitCode = 0;
  const std::wstring text = L"\"" + std::wstring(3000, L'x') + L"\"";
  ASSERT_TRUE(RunChildProcess(L"cmd.exe /c if " + text + L"==" + text + L" exit 3", exitCode));
  EXPECT_EQ(exitCode, 3u);
}

// A program that has not ended within the bound is reported as not run, and the caller goes on.
TEST(ChildProcess, AProgramStillRunningAtTheBoundIsAFailure) {
  DWORD exitCode = 12345;
  EXPECT_FALSE(RunChildProcess(L"cmd.exe /c ping -n 3 127.0.0.1", exitCode, 50));
  EXPECT_EQ(exitCode, 12345u);
  ASSERT_TRUE(RunChildProcess(L"cmd.exe /c exit 4", exitCode, 60000));
  EXPECT_EQ(exitCode, 4u);
}

// While a pumping wait lasts the program's messages keep being handled; the exit code is still
// the child's own.
TEST(ChildProcess, APumpingWaitPumpsUntilTheProgramEnds) {
  int pumps = 0;
  TMessagePump previous = SetMessagePump([&pumps] { ++pumps; });
  DWORD exitCode = 0;
  bool ran = RunChildProcessPumping(L"cmd.exe /c ping -n 2 127.0.0.1 >nul & exit 5", exitCode, 60000);
  SetMessagePump(std::move(previous));
  ASSERT_TRUE(ran);
  EXPECT_EQ(exitCode, 5u);
  EXPECT_GT(pumps, 0);
}

// A stop request, or the bound, ends the wait as a failure without waiting for the program.
TEST(ChildProcess, APumpingWaitEndsOnStopOrAtTheBound) {
  DWORD exitCode = 12345;
  int asked = 0;
  EXPECT_FALSE(RunChildProcessPumping(L"cmd.exe /c ping -n 4 127.0.0.1", exitCode, INFINITE, [&asked] {
    return ++asked == 2;
  }));
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(RunChildProcessPumping(L"cmd.exe /c ping -n 4 127.0.0.1", exitCode, 100));
  EXPECT_EQ(exitCode, 12345u);
  EXPECT_FALSE(RunChildProcessPumping(L"qs_no_such_program_here.exe /x", exitCode, 1000));
}

// A child still running at its bound is ended together with what it started: the command that
// would leave a file a second later never does, whichever wait ran it.
TEST(ChildProcess, AChildStillRunningAtTheBoundIsEndedWithWhatItStarted) {
  TestFolder folder;
  auto late = [&](const wchar_t* name) {
    return L"cmd.exe /c ping -n 2 127.0.0.1 >nul & echo late>\"" + folder.Path() + name + L"\"";
  };
  DWORD exitCode = 12345;
  EXPECT_FALSE(RunChildProcess(late(L"plain.txt"), exitCode, 200));
  EXPECT_FALSE(RunChildProcessPumping(late(L"pumping.txt"), exitCode, 200));
  EXPECT_EQ(exitCode, 12345u);
  Sleep(2500);
  EXPECT_FALSE(FileExists(folder.Path() + L"plain.txt"));
  EXPECT_FALSE(FileExists(folder.Path() + L"pumping.txt"));
  // Unbounded, the same command leaves its file: the check above can see one.
  ASSERT_TRUE(RunChildProcess(late(L"unbounded.txt"), exitCode));
  EXPECT_TRUE(FileExists(folder.Path() + L"unbounded.txt"));
}

// A child whose caller stops the wait is ended with what it started, bounded or not.
TEST(ChildProcess, AChildItsCallerStopsIsEndedWithWhatItStarted) {
  TestFolder folder;
  auto late = [&](const wchar_t* name) {
    return L"cmd.exe /c ping -n 2 127.0.0.1 >nul & echo late>\"" + folder.Path() + name + L"\"";
  };
  DWORD exitCode = 12345;
  int asked = 0;
  auto stopSoon = [&asked] { return ++asked % 3 == 0; };
  EXPECT_FALSE(RunChildProcessPumping(late(L"unbounded.txt"), exitCode, INFINITE, stopSoon));
  EXPECT_FALSE(RunChildProcessPumping(late(L"bounded.txt"), exitCode, 60000, stopSoon));
  EXPECT_EQ(asked, 6);
  EXPECT_EQ(exitCode, 12345u);
  Sleep(2500);
  EXPECT_FALSE(FileExists(folder.Path() + L"unbounded.txt"));
  EXPECT_FALSE(FileExists(folder.Path() + L"bounded.txt"));
}

// The test seam gets every run as it was asked for and plays the child; taken away, the platform
// runs it again.
TEST(ChildProcess, TheSeamPlaysEveryRunUntilItIsTakenAway) {
  std::vector<TChildRun> runs;
  SetChildProcessRunnerForTesting([&runs](const TChildRun& run, DWORD& exitCode) {
    runs.push_back(run);
    exitCode = 7;
    return run.CommandLine != L"refused";
  });
  DWORD exitCode = 0;
  EXPECT_TRUE(RunChildProcess(L"cmd.exe /c exit 3", exitCode, 1000, SW_SHOWNORMAL));
  EXPECT_EQ(exitCode, 7u);
  bool stopAsked = false;
  EXPECT_FALSE(RunChildProcessPumping(L"refused", exitCode, INFINITE, [&stopAsked] { return stopAsked = true; }));
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].CommandLine, L"cmd.exe /c exit 3");
  EXPECT_EQ(runs[0].TimeoutMs, 1000u);
  EXPECT_EQ(runs[0].ShowCommand, SW_SHOWNORMAL);
  EXPECT_FALSE(runs[0].Pumping);
  EXPECT_TRUE(runs[1].Pumping);
  EXPECT_EQ(runs[1].ShowCommand, SW_HIDE);
  ASSERT_TRUE(runs[1].Stopped);
  EXPECT_TRUE(runs[1].Stopped());
  EXPECT_TRUE(stopAsked);

  SetChildProcessRunnerForTesting(nullptr);
  EXPECT_TRUE(RunChildProcess(L"cmd.exe /c exit 3", exitCode));
  EXPECT_EQ(exitCode, 3u);
}
