// Files and links made the way the host makes them, inside the prefix's drive: Wine's own calls
// make no links (CreateSymbolicLink reports success and makes nothing) and cannot make names that
// end in a blank or a dot. The test starts the host's ln or mv itself.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The host's name for a path of the prefix ("" outside Wine).
inline std::string HostPath(const std::wstring& windowsPath) {
  using UnixName = LPSTR(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return std::string();
  LPSTR name = toUnix(windowsPath.c_str());
  if (!name) return std::string();
  std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Starts a host program (by its full host path) with plain arguments and waits, up to 10 s, until
// Done() holds: Wine hands back no process to wait for when it starts a host program.
inline bool RunHostProgram(const std::string& program, const std::vector<std::string>& arguments,
                           const std::function<bool()>& Done) {
  std::wstring image = L"\\\\?\\unix" + std::wstring(program.begin(), program.end());
  for (wchar_t& c : image)
    if (c == L'/') c = L'\\';
  std::wstring commandLine = L"\"" + image + L"\"";
  for (const std::string& argument : arguments) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, argument.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, argument.c_str(), -1, &wide[0], n);
    commandLine += L" \"" + wide + L"\"";
  }
  STARTUPINFOW startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(image.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);
  for (int i = 0; i < 1000; ++i) {
    if (Done()) return true;
    Sleep(10);
  }
  return false;
}

inline bool PathIsThere(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

// A host symbolic link at Link (a path of the prefix) to Target (a path of the prefix).
inline bool MakeHostLink(const std::wstring& Link, const std::wstring& Target) {
  const std::string link = HostPath(Link), target = HostPath(Target);
  return !link.empty() && !target.empty() && RunHostProgram("/bin/ln", {"-s", target, link}, [&] { return PathIsThere(Link); });
}

// A file with a name the prefix cannot make (a trailing blank or dot), holding Bytes: written
// under a plain name, then renamed by the host.
inline bool MakeHostFile(const std::wstring& Folder, const std::string& Name, const std::string& Bytes) {
  const std::wstring plain = Folder + L"qs_host_file.tmp";
  HANDLE h = CreateFileW(plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(h, Bytes.data(), static_cast<DWORD>(Bytes.size()), &written, nullptr);
  CloseHandle(h);
  const std::string folder = HostPath(Folder);
  return !folder.empty() && RunHostProgram("/bin/mv", {HostPath(plain), folder + "/" + Name}, [&] { return !PathIsThere(plain); });
}

// Removes a host link (never what it points to: rm without -r takes the link itself).
inline bool RemoveHostLink(const std::wstring& Link) {
  const std::string link = HostPath(Link);
  return !link.empty() && RunHostProgram("/bin/rm", {"-f", link}, [&] { return !PathIsThere(Link); });
}

// Whether Folder (with its trailing backslash) lists an entry spelt exactly Name: a folder of the
// host's case-sensitive file system may hold names that differ in letter case only.
inline bool ListsExactly(const std::wstring& Folder, const std::wstring& Name) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((Folder + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool found = false;
  do found = found || Name == data.cFileName;
  while (FindNextFileW(find, &data));
  FindClose(find);
  return found;
}

// A host link named exactly Name in Folder (with its trailing backslash) to Target, even beside
// an entry whose name differs in letter case only (the host name of a whole path would be that
// entry's).
inline bool MakeHostLinkNamed(const std::wstring& Folder, const std::wstring& Name, const std::wstring& Target) {
  const std::string folder = HostPath(Folder), target = HostPath(Target);
  const std::string name(Name.begin(), Name.end());  // plain ASCII names only
  return !folder.empty() && !target.empty() &&
         RunHostProgram("/bin/ln", {"-s", target, folder + "/" + name}, [&] { return ListsExactly(Folder, Name); });
}

// Removes the host link MakeHostLinkNamed made.
inline bool RemoveHostLinkNamed(const std::wstring& Folder, const std::wstring& Name) {
  const std::string folder = HostPath(Folder);
  const std::string name(Name.begin(), Name.end());
  return !folder.empty() &&
         RunHostProgram("/bin/rm", {"-f", folder + "/" + name}, [&] { return !ListsExactly(Folder, Name); });
}
