// The programs delete files and registry data: every test must run in a prefix that
// cannot reach the host's files. These checks fail loudly if the harness ever regresses.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

TEST(PrefixSafety, NoDriveMapsTheHostRoot) {
  DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i)) || i == 'C' - 'A') continue;
    wchar_t root[] = {wchar_t(L'A' + i), L':', L'\\', 0};
    UINT type = GetDriveTypeW(root);
    EXPECT_NE(type, static_cast<UINT>(DRIVE_FIXED)) << "unexpected fixed drive " << char('A' + i);
  }
  EXPECT_EQ(GetFileAttributesW(L"Z:\\"), INVALID_FILE_ATTRIBUTES);
}

namespace {
std::wstring Env(const wchar_t* name) {
  wchar_t value[MAX_PATH * 4] = {};
  GetEnvironmentVariableW(name, value, MAX_PATH * 4);
  return value;
}
}  // namespace

// Wine hands the Unix home to programs as WINEHOMEDIR; the shell folders and the Trash live there.
TEST(PrefixSafety, HomeAndTrashStayInsideTheBuildFolder) {
  std::wstring build = Env(L"QS_BUILD");
  ASSERT_FALSE(build.empty());
  std::wstring buildAsNt = L"\\??\\unix" + build;
  for (auto& c : buildAsNt) if (c == L'/') c = L'\\';
  EXPECT_EQ(Env(L"WINEHOMEDIR").rfind(buildAsNt, 0), 0u) << "the home folder is outside the build folder";
  EXPECT_EQ(Env(L"XDG_DATA_HOME").rfind(build, 0), 0u) << "the Trash is outside the build folder";
}

TEST(PrefixSafety, WineDrawsTheWindowFrames) {
  wchar_t value[8] = {};
  DWORD size = sizeof(value);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Decorated",
                         RRF_RT_REG_SZ, nullptr, value, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, L"N");
}

namespace {
// The prefix's own folder of devices, as the host names it.
std::wstring DosDevicesFolder() {
  using DosName = LPWSTR(CDECL*)(LPCSTR);
  using UnixName = LPSTR(CDECL*)(LPCWSTR);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")));
  const auto toDos = reinterpret_cast<DosName>(reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")));
  if (!toUnix || !toDos) return std::wstring();
  LPSTR driveC = toUnix(L"C:\\");
  if (!driveC) return std::wstring();
  std::string unixPath = driveC;  // .../dosdevices/c:/
  HeapFree(GetProcessHeap(), 0, driveC);
  while (!unixPath.empty() && unixPath.back() == '/') unixPath.pop_back();
  unixPath = unixPath.substr(0, unixPath.rfind('/'));
  LPWSTR dos = toDos(unixPath.c_str());
  if (!dos) return std::wstring();
  std::wstring folder = dos;
  HeapFree(GetProcessHeap(), 0, dos);
  return folder;
}
}  // namespace

// Nothing but c: in the prefix's devices: no host root, and no serial or parallel port.
TEST(PrefixSafety, TheDevicesAreDriveCAlone) {
  const std::wstring folder = DosDevicesFolder();
  if (folder.empty()) GTEST_SKIP() << "not running under Wine";
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE) << testing::PrintToString(folder);
  std::vector<std::wstring> names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  EXPECT_EQ(names, std::vector<std::wstring>{L"c:"});
}
