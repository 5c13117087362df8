// A throwaway program folder: the INI and data files beside the program are read from here while
// the object lives.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

class TestProgramFolder {
 public:
  TestProgramFolder() { SetProgramFolderForTesting(folder_.Path()); }
  ~TestProgramFolder() { SetProgramFolderForTesting(L""); }
  TestProgramFolder(const TestProgramFolder&) = delete;
  TestProgramFolder& operator=(const TestProgramFolder&) = delete;

  const std::wstring& Path() const { return folder_.Path(); }
  void WriteFile(const std::wstring& name, const std::string& bytes) const { WriteBytes(folder_.Path() + name, bytes); }

 private:
  TestFolder folder_{L"qs_program_"};
};
