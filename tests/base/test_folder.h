// A temporary folder of the test's own inside the Wine prefix, removed afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "base/files.h"

class TestFolder {
 public:
  explicit TestFolder(const std::wstring& prefix = L"qs_test_") : path_(CreateUniqueTempFolder(prefix)) {}
  ~TestFolder() {
    if (!path_.empty()) DeleteFolderTree(path_);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // With its trailing backslash.
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};
