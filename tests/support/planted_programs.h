// Programs planted under the names of the system's helper programs ("regedit.exe", "sc.exe") in
// a folder of the test's own, which is the current folder while the object lives: a program
// started by a bare name would find them before the system's own. Each copy leaves
// "started.txt" beside itself when it runs. The test embeds it with qs_embed_marker_program.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "base/files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

class PlantedPrograms {
 public:
  explicit PlantedPrograms(std::initializer_list<const wchar_t*> names) {
    const std::string marker = ReadRcData(L"MARKER_EXE");
    EXPECT_FALSE(marker.empty()) << "the test carries no MARKER_EXE";
    for (const wchar_t* name : names) WriteBytes(folder_.Path() + name, marker);
    wchar_t previous[MAX_PATH];
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, previous);
    previous_.assign(previous, length < MAX_PATH ? length : 0);
    EXPECT_TRUE(SetCurrentDirectoryW(folder_.Path().c_str()));
  }
  ~PlantedPrograms() {
    if (!previous_.empty()) SetCurrentDirectoryW(previous_.c_str());
  }
  PlantedPrograms(const PlantedPrograms&) = delete;
  PlantedPrograms& operator=(const PlantedPrograms&) = delete;

  // Whether any planted copy ran; forgets it, so the next question is about what runs next.
  bool Ran() {
    const std::wstring marker = folder_.Path() + L"started.txt";
    const bool ran = FileExists(marker);
    DeleteFileW(marker.c_str());
    return ran;
  }

 private:
  TestFolder folder_;
  std::wstring previous_;
};
