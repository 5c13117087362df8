// A stand-in for the platform's registry editor while a test runs: every child command line is
// recorded; an export ("/e") writes a small file of the editor's format, or fails the way an
// editor that cannot write does (exit code 1, no file) while `works` is false.
#pragma once

#include <string>
#include <vector>

#include "base/child_process.h"
#include "tests/base/test_files.h"

class RegistryEditorStandIn {
 public:
  RegistryEditorStandIn() {
    SetChildProcessRunnerForTesting([this](const TChildRun& run, DWORD& exitCode) {
      const std::wstring& commandLine = run.CommandLine;
      calls.push_back(commandLine);
      const size_t open = commandLine.find(L" /e \"");
      if (works && open != std::wstring::npos)
        WriteBytes(commandLine.substr(open + 5, commandLine.rfind(L'"') - open - 5),
                   "Windows Registry Editor Version 5.00\r\n");
      exitCode = works ? 0 : 1;
      return true;
    });
  }
  ~RegistryEditorStandIn() { SetChildProcessRunnerForTesting(nullptr); }
  RegistryEditorStandIn(const RegistryEditorStandIn&) = delete;
  RegistryEditorStandIn& operator=(const RegistryEditorStandIn&) = delete;

  std::vector<std::wstring> calls;
  bool works = true;
};
