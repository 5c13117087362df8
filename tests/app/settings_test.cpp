// The settings page and the main window's update check, against the local test server: what
// the page reads and writes in the registry, "Check for Update" on the stored version file, and
// the header link and the timer's silent check.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/frmSetting.h"
#include "app/frmmain.h"
#include "base/shell_open.h"
#include "app/vendor_links.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/registry_key.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "tests/base/test_folder.h"
#include "tests/updater/test_server.h"
#include "updater/update/update_check.h"
#include "updater/update/update_files.h"

namespace {

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

// Keeps a registry value as it was before the test and puts it back afterwards.
class SavedValue {
 public:
  SavedValue(const wchar_t* key, const wchar_t* name) : key_(key), name_(name) {
    HKEY k = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &k) == ERROR_SUCCESS) {
      existed_ = ReadRegValue(k, name, type_, data_);
      RegCloseKey(k);
    }
  }
  ~SavedValue() {
    HKEY k = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key_, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) != ERROR_SUCCESS)
      return;
    if (existed_) {
      RegSetValueExW(k, name_, 0, type_, data_.data(), static_cast<DWORD>(data_.size()));
    } else {
      RegDeleteValueW(k, name_);
    }
    RegCloseKey(k);
  }

 private:
  const wchar_t* key_;
  const wchar_t* name_;
  bool existed_ = false;
  DWORD type_ = 0;
  std::vector<BYTE> data_;
};

// Reads a value: its type (0 when absent) and its bytes.
struct StoredValue {
  DWORD Type = 0;
  std::vector<BYTE> Data;
};
StoredValue Stored(const wchar_t* key, const wchar_t* name) {
  StoredValue value;
  HKEY k = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &k) == ERROR_SUCCESS) {
    if (!ReadRegValue(k, name, value.Type, value.Data)) value.Type = 0;
    RegCloseKey(k);
  }
  return value;
}
void PutString(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reg.OpenKey(key, true));
  reg.WriteString(name, text);
}
void PutInteger(const wchar_t* key, const wchar_t* name, int value) {
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reg.OpenKey(key, true));
  reg.WriteInteger(name, value);
}
void Remove(const wchar_t* key, const wchar_t* name) {
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  if (reg.OpenKey(key, true)) reg.DeleteValue(name);
}
std::wstring StoredString(const wchar_t* key, const wchar_t* name) {
  StoredValue v = Stored(key, name);
  if (v.Type != REG_SZ) return L"<absent or not text>";
  return std::wstring(reinterpret_cast<const wchar_t*>(v.Data.data()), v.Data.size() / 2).c_str();
}

class SettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    SetProgramFolderForTesting(folder_.Path());
    ForceDirectories(folder_.Path() + L"Config");
    TIniFile(AppIniPath()).WriteString(L"Version", L"ver", L"4.1.10");
    TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("ok", "u.txt"));
    SetShellOpenForTesting([this](const TShellOpenCall& call) {
      boxes.push_back(L"open " + call.File + L" " + std::to_wstring(call.ShowCommand));
    });
    SetMessageBoxFunc([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
      const wchar_t* icon = (type & MB_ICONMASK) == MB_ICONQUESTION  ? L"question"
                            : (type & MB_ICONMASK) == MB_ICONWARNING ? L"warning"
                                                                      : L"info";
      EXPECT_EQ(caption, L"Quillstead v4.1");
      boxes.push_back(std::wstring(icon) + L": " + text);
      return (type & MB_TYPEMASK) == MB_YESNO ? answer : IDOK;
    });
    ClearServerLog();
  }
  void TearDown() override {
    SetShellOpenForTesting(nullptr);
    SetMessageBoxFunc(nullptr);
    SetProgramFolderForTesting(L"");
  }

  TestFolder folder_;
  SavedValue run_{kRunKey, kRunValueName};
  SavedValue autoUpdate_{kProgramKey, kAutoUpdateValueName};
  std::vector<std::wstring> boxes;
  int answer = IDYES;
};

const std::wstring kWebSite = std::wstring(L"open ") + kVendorWebSite + L" " + std::to_wstring(SW_SHOW);
const std::wstring kQuestion = std::wstring(L"question: ") + kUpdateQuestionText;
const std::wstring kNoUpdate = std::wstring(L"info: ") + kNoUpdateText;

// ---- the settings page ----

TEST_F(SettingsTest, PageShowsTheStoredSettingsWithoutWritingThemBack) {
  struct Case {
    const char* what;
    std::wstring run;  // "" = no Run value
    bool autoUpdateAsText;
    int autoUpdate;  // -1 = no value
    bool startChecked, autoChecked;
  };
  const std::wstring exe = ProgramExePath();
  const Case cases[] = {
      {"nothing stored", L"", false, -1, false, false},
      {"both on, path with blanks around it", L"  " + exe + L"  ", false, 1, true, true},
      {"another program's path, AutoUpdate 0", L"C:\\other.exe", false, 0, false, false},
      {"path in other letter case, AutoUpdate 2", exe.substr(0, exe.size() - 3) + L"EXE", false, 2, false, false},
      {"AutoUpdate stored as text", exe, true, 1, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.run.empty()) Remove(kRunKey, kRunValueName); else PutString(kRunKey, kRunValueName, c.run);
    if (c.autoUpdate < 0) Remove(kProgramKey, kAutoUpdateValueName);
    else if (c.autoUpdateAsText) PutString(kProgramKey, kAutoUpdateValueName, L"1");
    else PutInteger(kProgramKey, kAutoUpdateValueName, c.autoUpdate);
    const StoredValue runBefore = Stored(kRunKey, kRunValueName);
    const StoredValue autoBefore = Stored(kProgramKey, kAutoUpdateValueName);

    std::unique_ptr<TfrmSetting> page(new TfrmSetting(nullptr));
    EXPECT_EQ(page->CheckBox2->Checked(), c.startChecked);
    EXPECT_EQ(page->CheckBox1->Checked(), c.autoChecked);
    EXPECT_EQ(page->Label5->Caption(), L"Version:4.1.10");
    EXPECT_FALSE(page->CheckBox3->Enabled());
    EXPECT_EQ(Stored(kRunKey, kRunValueName).Data, runBefore.Data);
    EXPECT_EQ(Stored(kRunKey, kRunValueName).Type, runBefore.Type);
    EXPECT_EQ(Stored(kProgramKey, kAutoUpdateValueName).Data, autoBefore.Data);
    EXPECT_EQ(Stored(kProgramKey, kAutoUpdateValueName).Type, autoBefore.Type);
    EXPECT_EQ(Tfrmmain::AutoUpdateEnabled(), c.autoChecked);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsTest, BoxesWriteAndRemoveTheSettings) {
  Remove(kRunKey, kRunValueName);
  Remove(kProgramKey, kAutoUpdateValueName);
  std::unique_ptr<TfrmSetting> page(new TfrmSetting(nullptr));

  page->CheckBox2->SetChecked(true);
  EXPECT_EQ(StoredString(kRunKey, kRunValueName), ProgramExePath());
  page->CheckBox2->SetChecked(false);
  EXPECT_EQ(Stored(kRunKey, kRunValueName).Type, 0u);

  page->CheckBox1->SetChecked(true);
  EXPECT_EQ(Stored(kProgramKey, kAutoUpdateValueName).Type, static_cast<DWORD>(REG_DWORD));
  EXPECT_TRUE(Tfrmmain::AutoUpdateEnabled());
  page->CheckBox1->SetChecked(false);
  EXPECT_EQ(Stored(kProgramKey, kAutoUpdateValueName).Type, static_cast<DWORD>(REG_DWORD));
  EXPECT_FALSE(Tfrmmain::AutoUpdateEnabled());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsTest, CheckForUpdateComparesTheStoredVersionFileWithoutTheServer) {
  struct Case {
    const char* what;
    const char* stored;  // Sys.ini [Version] ver; nullptr = no Sys.ini
    int answer;
    std::vector<std::wstring> expected;
  };
  const Case cases[] = {
      {"no stored file: 0 is no update", nullptr, IDYES, {kNoUpdate}},
      {"a newer version, No", "4.2", IDNO, {kQuestion}},
      {"a newer version, Yes", "4.2", IDYES, {kQuestion, kWebSite}},
      {"the same version", "4.1.10", IDYES, {kNoUpdate}},
      {"an older version", "4.1.9", IDYES, {kNoUpdate}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileW(SysIniPath().c_str());
    if (c.stored) TIniFile(SysIniPath()).WriteString(L"Version", L"ver", std::wstring(c.stored, c.stored + strlen(c.stored)));
    std::unique_ptr<TfrmSetting> page(new TfrmSetting(nullptr));
    boxes.clear();
    answer = c.answer;
    page->BitBtn1Click(page->BitBtn1);
    EXPECT_EQ(boxes, c.expected);
  }
  EXPECT_TRUE(ServerLog().empty());
}

TEST_F(SettingsTest, SupportLinksOpenTheWebSiteAndTheMailAddress) {
  std::unique_ptr<TfrmSetting> page(new TfrmSetting(nullptr));
  page->Label2Click(page->Label2);
  page->Label3Click(page->Label3);
  const std::vector<std::wstring> expected = {
      kWebSite, std::wstring(L"open mailto:") + kSupportMailAddress + L" " + std::to_wstring(SW_SHOWNORMAL)};
  EXPECT_EQ(boxes, expected);
}

// ---- the main window's check ----

class UpdateCheckWindowTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    PutInteger(kProgramKey, kAutoUpdateValueName, 1);
    form = new Tfrmmain(Application);
    frmmain = form;
  }
  void TearDown() override {
    delete form;
    frmmain = nullptr;
    SettingsTest::TearDown();
  }
  void Serve(const std::string& version) {
    PutServerFile("u.txt", version.empty() ? "" : "[Version]\r\nver=" + version + "\r\n");
  }
  void UseRefusedServer() {
    TIniFile(UpdateIniPath())
        .WriteString(L"List", L"File", L"http://127.0.0.1:" + std::to_wstring(UnusedPort()) + L"/ok/u.txt");
  }

  Tfrmmain* form = nullptr;
};

TEST_F(UpdateCheckWindowTest, AutoUpdateArmsTheTimerForOneSilentCheck) {
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Interval(), 5000);
  UseRefusedServer();
  form->Timer1->Timer();
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->UpdateCheckMode, 0);
  EXPECT_TRUE(boxes.empty()) << Narrow(boxes.empty() ? L"" : boxes[0]);
}

TEST_F(UpdateCheckWindowTest, AutoUpdateOffLeavesTheTimerOff) {
  PutInteger(kProgramKey, kAutoUpdateValueName, 0);
  std::unique_ptr<Tfrmmain> other(new Tfrmmain(nullptr));
  EXPECT_FALSE(other->Timer1->Enabled());
}

TEST_F(UpdateCheckWindowTest, HeaderLinkAndTimerReportAsTheirModeSays) {
  struct Case {
    const char* what;
    bool user;
    bool refused;
    std::string served;
    std::vector<std::wstring> expected;
  };
  const std::wstring noConfig = std::wstring(L"info: ") + kNoServerConfigText;
  const Case cases[] = {
      {"user, 4.1.2 is below 4.1.10", true, false, "4.1.2", {kNoUpdate}},
      {"user, newer server", true, false, "4.2", {kQuestion, kWebSite}},
      {"silent, newer server", false, false, "4.2", {kQuestion, kWebSite}},
      {"silent, same version", false, false, "4.1.10", {}},
      {"silent, empty version file", false, false, "", {noConfig}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.clear();
    Serve(c.served);
    form->Label4Click(c.user ? static_cast<TObject*>(form->Label4) : nullptr);
    EXPECT_EQ(form->UpdateCheckMode, c.user ? 1 : 0);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(boxes, c.expected);
  }
}

TEST_F(UpdateCheckWindowTest, UserCheckWithoutAServerWarnsOnce) {
  UseRefusedServer();
  form->Label4Click(form->Label4);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind(L"warning: \rInternet connection failed!\r\r", 0), 0u) << Narrow(boxes[0]);
}

}  // namespace
