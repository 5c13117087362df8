// A favorites folder of the test's own and a place for its backup.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

class FavoritesFixture {
  // First, so the paths below can be made from it.
  TestFolder folder_{L"qs_favorites_"};

 public:
  FavoritesFixture() : favorites(folder_.Path() + L"Favorites"), backup(folder_.Path() + L"Backup\\Favorites") {
    ForceDirectories(favorites);
  }

  // A shortcut below Folder; an empty Url leaves the "URL" key out.
  static void WriteShortcut(const std::wstring& folder, const std::wstring& relative, const std::string& url) {
    std::wstring path = folder + L"\\" + relative;
    ForceDirectories(ExtractFilePath(path));
    WriteBytes(path, "[InternetShortcut]\r\n" + (url.empty() ? std::string() : "URL=" + url + "\r\n"));
  }

  const std::wstring favorites;
  const std::wstring backup;
};
