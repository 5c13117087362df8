// Whole-file reads and writes for tests that check the exact bytes a file holds.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

inline void WriteBytes(const std::wstring& file, const std::string& bytes) {
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
}

// "<missing>" when the file cannot be opened.
inline std::string ReadBytes(const std::wstring& file) {
  HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD read;
  while (ReadFile(h, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(h);
  return bytes;
}

// An RCDATA resource of the test program ("" when it has none), as qs_embed_shipped_file puts one.
inline std::string ReadRcData(const wchar_t* name) {
  HRSRC found = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return "";
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  return std::string(bytes, SizeofResource(nullptr, found));
}

// Every file below a folder (with its trailing backslash), subfolders included.
inline int CountFilesBelow(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
  int count = 0;
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    count += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CountFilesBelow(folder + name + L"\\") : 1;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return count;
}
