// Builders of the junk engine's lists for tests.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "cleaners/junk/waste_lists.h"

inline TWasteFileTypeList TypeList(std::initializer_list<const wchar_t*> patterns) {
  TWasteFileTypeList list;
  for (const wchar_t* pattern : patterns) {
    auto type = std::make_unique<TWasteFileType>();
    type->Pattern = pattern;
    list.push_back(std::move(type));
  }
  return list;
}

// Paths are taken as given (the loader adds the trailing backslash).
inline TWasteFolderList FolderList(std::initializer_list<std::wstring> paths) {
  TWasteFolderList list;
  for (const std::wstring& path : paths) {
    auto folder = std::make_unique<TWasteFolder>();
    folder->Path = path;
    list.push_back(std::move(folder));
  }
  return list;
}
