#include "base/child_process.h"

#include <gtest/gtest.h>

#include <string>

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
