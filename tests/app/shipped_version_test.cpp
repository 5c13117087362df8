// The installed version shipped in Config\App.ini is the program's own (the number its version
// resource carries), so the settings page and the update check never work from "0".
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "app/frmSetting.h"
#include "app/frmSpash.h"
#include "base/files.h"
#include "common/version_info.h"
#include "gui/message_box.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"
#include "updater/update/update_files.h"

namespace {

// This test program, which carries the program's version resource.
std::wstring OwnPath() { return ProgramFolder() + ExtractFileName(ProgramExePath()); }

// The dotted text of the fixed block's four file-version numbers.
std::wstring FixedFileVersion(const TVersionInfo& info) {
  return std::to_wstring(HIWORD(info.FileVersionMS)) + L"." + std::to_wstring(LOWORD(info.FileVersionMS)) + L"." +
         std::to_wstring(HIWORD(info.FileVersionLS)) + L"." + std::to_wstring(LOWORD(info.FileVersionLS));
}

TEST(ShippedVersion, AppIniCarriesTheVersionOfTheVersionResourceAndTheSettingsPageShowsIt) {
  TVersionInfo info;
  ReadVersionInfo(OwnPath(), info);
  ASSERT_FALSE(info.FileVersion.empty());
  EXPECT_EQ(info.ProductVersion, info.FileVersion);
  EXPECT_EQ(FixedFileVersion(info), info.FileVersion);

  TestProgramFolder program;
  ForceDirectories(program.Path() + L"Config");
  program.WriteFile(L"Config\\App.ini", ReadRcData(L"SHIPPED_APP_INI"));
  EXPECT_EQ(ReadLocalVersion(), info.FileVersion);

  SetMessageBoxFunc([](HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; });
  std::unique_ptr<TfrmSetting> page(new TfrmSetting(nullptr));
  EXPECT_EQ(page->Label5->Caption(), L"Version:" + info.FileVersion);
  SetMessageBoxFunc(nullptr);
}

// The splash's version text is written in its form file: it must not drift from the project's.
TEST(ShippedVersion, SplashShowsTheSameVersion) {
  TVersionInfo info;
  ReadVersionInfo(OwnPath(), info);
  TfrmSpash splash(nullptr);
  auto* label = dynamic_cast<TLabel*>(splash.FindComponent(L"Label2"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), info.FileVersion);
}

}  // namespace
