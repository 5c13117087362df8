// The programs delete files and registry data: every test must run in a prefix that
// cannot reach the host's files. These checks fail loudly if the harness ever regresses.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

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
