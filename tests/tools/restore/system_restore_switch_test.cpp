// The System Restore switch in a key of the test's own, enabling it through recorded commands and
// service states, and the real service and WMI calls as far as this platform has them.
#include "base/system_programs.h"
#include "tools/restore/system_restore_switch.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/base/test_keys.h"

namespace {

class SystemRestoreSwitchTest : public ::testing::Test {
 protected:
  SystemRestoreSwitchTest() {
    platform.SettingsKey = {HKEY_CURRENT_USER, key_.Path() + L"\\SystemRestore"};
    platform.QueryServiceState = [this](const std::wstring& name) {
      queried.push_back(name);
      return serviceState;
    };
    platform.RunCommand = [this](const std::wstring& command) {
      commands.push_back(command);
      if (command == SystemProgramCommand(L"net.exe", L"start srservice") && startsService) serviceState = SERVICE_RUNNING;
      return DWORD(0);
    };
    platform.ListPoints = nullptr;
    platform.CreatePoint = nullptr;
    platform.RestoreToPoint = nullptr;
    platform.Restart = nullptr;
  }

  void WriteDisableSR(DWORD type, std::vector<BYTE> data) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, platform.SettingsKey.Path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"DisableSR", 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
  }

  DWORD ReadDisableSR() {
    DWORD value = 0xFFFF, size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, platform.SettingsKey.Path.c_str(), L"DisableSR", RRF_RT_REG_DWORD, nullptr,
                 &value, &size);
    return value;
  }

  TestRegistryKey key_{L"SystemRestore"};
  TSystemRestorePlatform platform;
  int serviceState = SERVICE_RUNNING;
  bool startsService = true;
  std::vector<std::wstring> queried, commands;
};

}  // namespace

TEST_F(SystemRestoreSwitchTest, SwitchedOffByAMissingKeyOrTheLowByteOfDisableSR) {
  EXPECT_TRUE(SystemRestoreSwitchedOff(platform.SettingsKey));  // no key
  struct Case {
    DWORD type;
    std::vector<BYTE> data;
    bool off;
  } cases[] = {
      {REG_DWORD, {0, 0, 0, 0}, false},
      {REG_DWORD, {1, 0, 0, 0}, true},
      {REG_DWORD, {1, 1, 0, 0}, true},  // only the lowest byte counts
      {REG_DWORD, {2, 0, 0, 0}, false},
      {REG_BINARY, {1}, true},
  };
  for (const Case& c : cases) {
    WriteDisableSR(c.type, c.data);
    EXPECT_EQ(SystemRestoreSwitchedOff(platform.SettingsKey), c.off) << int(c.data[0]) << "," << int(c.data.size());
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, platform.SettingsKey.Path.c_str(), L"DisableSR");
  EXPECT_FALSE(SystemRestoreSwitchedOff(platform.SettingsKey));  // a key without the value is on
}

TEST_F(SystemRestoreSwitchTest, NeedsEnablingWhenSwitchedOffOrTheServiceIsStopped) {
  WriteDisableSR(REG_DWORD, {0, 0, 0, 0});
  EXPECT_FALSE(SystemRestoreNeedsEnabling(platform));
  EXPECT_EQ(queried, std::vector<std::wstring>{L"srservice"});
  serviceState = -1;  // cannot be queried: counts as running
  EXPECT_FALSE(SystemRestoreNeedsEnabling(platform));
  serviceState = SERVICE_STOPPED;
  EXPECT_TRUE(SystemRestoreNeedsEnabling(platform));
  serviceState = SERVICE_RUNNING;
  WriteDisableSR(REG_DWORD, {1, 0, 0, 0});
  EXPECT_TRUE(SystemRestoreNeedsEnabling(platform));
  EXPECT_TRUE(commands.empty());  // asking changes nothing
}

TEST_F(SystemRestoreSwitchTest, EnablingWritesTheSwitchAndStartsTheService) {
  WriteDisableSR(REG_DWORD, {1, 0, 0, 0});
  serviceState = SERVICE_STOPPED;
  EXPECT_TRUE(EnableSystemRestore(platform));
  EXPECT_EQ(ReadDisableSR(), 0u);
  // Both by their full paths in the system folder, never a planted sc.exe or net.exe.
  EXPECT_EQ(commands, (std::vector<std::wstring>{L"\"" + SystemFolder() + L"\\sc.exe\" config srservice start= demand",
                                                 L"\"" + SystemFolder() + L"\\net.exe\" start srservice"}));
  EXPECT_FALSE(SystemRestoreNeedsEnabling(platform));
}

TEST_F(SystemRestoreSwitchTest, EnablingCreatesAMissingKeyAndFailsWhileTheServiceStaysStopped) {
  serviceState = SERVICE_STOPPED;
  startsService = false;
  EXPECT_FALSE(EnableSystemRestore(platform));
  EXPECT_EQ(ReadDisableSR(), 0u);
  EXPECT_EQ(commands.size(), 2u);
}

TEST(SystemRestoreService, AServiceThatDoesNotExistCannotBeQueried) {
  EXPECT_EQ(ServiceState(L"QuillsteadNoSuchService"), -1);
}

TEST(SystemRestoreService, HiddenCommandsGiveTheirExitCodeAndZeroWhenTheyDoNotStart) {
  EXPECT_EQ(RunHiddenAndWait(L"cmd.exe /c exit 7"), 7u);
  EXPECT_EQ(RunHiddenAndWait(L"quillstead-no-such-program.exe"), 0u);
}

TEST(SystemRestoreWmi, ResultsWithoutAValueAreFailures) {
  EXPECT_FALSE(TWmiCallResult{}.Succeeded());
  EXPECT_FALSE((TWmiCallResult{true, 1}).Succeeded());
  EXPECT_TRUE((TWmiCallResult{true, 0}).Succeeded());
}

TEST(SystemRestoreWmi, TheRealQueryListsOnlyPointsThatCanBeRestored) {
  std::vector<TSystemRestoreItem> points;
  if (!QueryRestorePoints(points) || points.empty())
    GTEST_SKIP() << "this platform keeps no restore points (Wine's WMI has no System Restore behind its "
                    "SystemRestore class)";
  for (const TSystemRestoreItem& point : points) {
    EXPECT_GT(point.SequenceNumber, 0) << point.Description;
    TDateTime utc;
    EXPECT_TRUE(WmiDateTimeToUtc(point.CreationTime, utc)) << point.CreationTime;
  }
}
