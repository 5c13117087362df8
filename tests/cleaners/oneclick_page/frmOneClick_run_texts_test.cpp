// What one-click maintenance says while it works, and the registry backup before its registry
// repair: each area's labels as its scan reaches the entries that need repairing, the records
// named as they are cleaned, and the backup that is made, or declined, before any is deleted.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "gui/messages.h"
#include "gui/wnd_method.h"
#include "oneclick_page_fixture.h"
#include "registry/reg_backup.h"
#include "registry/cleaner_page/reg_result_rows.h"
#include "registry/reg_editor.h"
#include "scan_fixture.h"

namespace {

// Every caption a control is given while it is installed, in order.
class CaptionRecorder {
 public:
  explicit CaptionRecorder(TControl* control) : control_(control), old_(control->WindowProc) {
    control->WindowProc = TWndMethod::Of<&CaptionRecorder::Hook>(this);
  }
  ~CaptionRecorder() {
    if (control_->WindowProc == TWndMethod::Of<&CaptionRecorder::Hook>(this)) control_->WindowProc = old_;
  }
  CaptionRecorder(const CaptionRecorder&) = delete;
  CaptionRecorder& operator=(const CaptionRecorder&) = delete;
  bool Saw(const std::wstring& caption) const {
    return std::find(captions.begin(), captions.end(), caption) != captions.end();
  }
  std::vector<std::wstring> captions;

 private:
  void Hook(TMessage& m) {
    if (m.Msg == CM_TEXTCHANGED) captions.push_back(control_->Caption());
    old_(m);
  }
  TControl* control_;
  TWndMethod old_;
};

using OneClickRunTextsTest = OneClickPageTest;

// The three areas of the fix definitions and the ActiveX list, scanned together: lblScan names
// each entry, and each area's label says so while its scan finds one that needs repairing.
TEST_F(OneClickRunTextsTest, EachAreaNamesItsEntriesAndSaysWhenOneNeedsRepairing) {
  SeedFixAreas();
  TfrmOneClick* page = OpenWith(TOneClickOptions{false, false, false, true, true, true});
  ASSERT_NE(page, nullptr);
  CaptionRecorder scan(page->lblScan), activeX(page->lblActivex), files(page->lblFixFile), system(page->lblSys);
  page->StartScan();
  ASSERT_EQ(page->btn->Caption(), L"Repair All");

  for (const wchar_t* ext : {L"qsoa", L"qsob", L"qsoc"})
    EXPECT_TRUE(scan.Saw(std::wstring(L"正在扫描：文件修复 - ") + ext)) << WideToUtf8(ext);
  EXPECT_TRUE(scan.Saw(L"ActiveX - Fixture control A"));
  EXPECT_TRUE(scan.Saw(L"System Optimize - Fixture text fix"));

  struct Case {
    const char* name;
    const CaptionRecorder& label;
    std::wstring inProcess;
    std::wstring summary;
  } cases[] = {
      {"ActiveX", activeX, L"Scan in process", L"2 ActiveX items could cause protential threats to your PC"},
      {"file associations", files, L"扫描结果：有项目需要修复", L"2 File(s) Association can be repaired."},
      {"system", system, L"Scan in process", L"3 non-optimized items lower your system performance."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::wstring>& shown = c.label.captions;
    const auto inProcess = std::find(shown.begin(), shown.end(), c.inProcess);
    ASSERT_NE(inProcess, shown.end());
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), c.summary);
    EXPECT_LT(inProcess - shown.begin(), static_cast<long>(shown.size()) - 1) << "said before the summary";
  }
}

// Seeds that the registry area finds: values of the Run dialog's list naming no program.
std::vector<std::wstring> SeedRunList(TScanFixture& fx) {
  const std::wstring runMru = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
  std::vector<std::wstring> names;
  for (int i = 0; i < 2; ++i) {
    names.push_back(fx.Tag() + L"v" + std::to_wstring(i));
    fx.SetString(HKEY_CURRENT_USER, runMru, names.back(), L"cmd");
  }
  return names;
}

bool RunListHas(const std::wstring& name) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(HKEY_CURRENT_USER);
  return reg.OpenKeyReadOnly(L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU") &&
         reg.ValueExists(name);
}

// "Repair All" over the registry: the full backup comes first and is listed with the others;
// when it fails the user is asked, No being the default, and No leaves every record where it is.
TEST_F(OneClickRunTextsTest, ARegistryRepairIsBackedUpFirstOrAskedFor) {
  struct Case {
    const char* name;
    bool backupWorks;
    int reply;
    size_t backups;
    bool asked;
    bool deleted;
  } cases[] = {
      {"failed backup, No", false, IDNO, 0, true, false},
      {"failed backup, Yes", false, IDYES, 0, true, true},
      {"backup", true, IDYES, 1, false, true},
  };
  TfrmOneClick* page = OpenWith(TOneClickOptions{true, false, false, false, false, false});
  ASSERT_NE(page, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TScanFixture fx;
    const std::vector<std::wstring> seeds = SeedRunList(fx);
    page->StartScan();
    ASSERT_EQ(page->btn->Caption(), L"Repair All");
    // Only the seeds stay ticked: the prefix's own problems are left alone.
    std::vector<std::wstring> seedData;
    for (PVirtualNode node = page->vdtReg->GetFirst(); node; node = page->vdtReg->GetNext(node)) {
      const TRegItem& item = *page->RegistryEngine().Items[node->Index];
      if (item.ValueName.rfind(fx.Tag(), 0) == 0)
        seedData.push_back(item.ValueData);
      else
        page->vdtReg->SetCheckState(node, TCheckState::csUncheckedNormal);
    }
    ASSERT_EQ(seedData.size(), seeds.size());

    editor.works = c.backupWorks;
    editor.calls.clear();
    boxes.clear();
    reply = c.reply;
    CaptionRecorder scan(page->lblScan);
    page->btn->Click();

    ASSERT_EQ(editor.calls.size(), 1u) << "one backup, before anything is deleted";
    EXPECT_EQ(editor.calls[0].rfind(RegistryEditorCommand(L"/e \"") + program_.Path() + L"Backup\\Registry\\", 0), 0u)
        << WideToUtf8(editor.calls[0]);
    EXPECT_EQ(LoadRegBackupList().size(), c.backups);
    for (const TRegBackupEntry& backup : LoadRegBackupList()) EXPECT_TRUE(FileExists(RegBackupFolder() + backup.FileName));
    ASSERT_EQ(boxes.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(boxes[0].text, L"Registry Backup Failed!\r\rRepair the registry without a backup?");
      EXPECT_EQ(boxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
      EXPECT_EQ(boxes[0].type & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON2)) << "No is the default";
    }
    for (const std::wstring& name : seeds) EXPECT_EQ(RunListHas(name), !c.deleted) << WideToUtf8(name);
    // Each record is named as it is cleaned.
    for (const std::wstring& data : seedData) EXPECT_EQ(scan.Saw(L"正在清理：" + data), c.deleted) << WideToUtf8(data);
    const TfrmOneClick::TArea& reg = page->Area(TfrmOneClick::kReg);
    EXPECT_EQ(reg.Good, c.deleted ? 1 : 0);
    EXPECT_EQ(reg.Cleaned, c.deleted ? static_cast<long long>(seeds.size()) : 0);
    EXPECT_EQ(page->btn->Caption(), L"Finish");
    page->btn->Click();  // Finish
  }
}

}  // namespace

namespace {

// A record the exclusion list covers is listed excluded and unticked, cannot be ticked, stays in
// the registry, and the registry area's lines count it as excluded.
TEST_F(OneClickRunTextsTest, AnExcludedRecordIsShownUntickedAndCountedAsExcluded) {
  TScanFixture fx;
  const std::vector<std::wstring> seeds = SeedRunList(fx);
  const std::wstring excluded =
      L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU\\" + fx.Tag() + L"k";
  fx.CreateKey(HKEY_CURRENT_USER, excluded);
  program_.WriteFile(L"Cleaner.ini", std::string(kOneClickCleanerIni) + "[RegExcludeList]\r\nHKEY_CURRENT_USER" +
                                         WideToUtf8(excluded) + "=HKEY_CURRENT_USER\r\n");
  TfrmOneClick* page = OpenWith(TOneClickOptions{true, false, false, false, false, false});
  ASSERT_NE(page, nullptr);
  page->StartScan();
  ASSERT_EQ(page->btn->Caption(), L"Repair All");

  // The key is listed by more than one category (an MRU entry, an empty key): each of its rows.
  std::vector<PVirtualNode> excludedRows;
  size_t seedRows = 0;
  for (PVirtualNode node = page->vdtReg->GetFirst(); node; node = page->vdtReg->GetNext(node)) {
    const TRegItem& item = *page->RegistryEngine().Items[node->Index];
    if (item.KeyPath == excluded) {
      excludedRows.push_back(node);
    } else {
      EXPECT_EQ(item.Excluded, 0) << WideToUtf8(item.KeyPath);
      if (item.ValueName.rfind(fx.Tag(), 0) == 0) {
        ++seedRows;
        EXPECT_EQ(page->vdtReg->CheckState(node), TCheckState::csCheckedNormal);
      } else {
        page->vdtReg->SetCheckState(node, TCheckState::csUncheckedNormal);
      }
    }
  }
  ASSERT_EQ(seedRows, seeds.size());
  ASSERT_FALSE(excludedRows.empty());
  for (PVirtualNode row : excludedRows) {
    const TRegItem& shown = *page->RegistryEngine().Items[row->Index];
    EXPECT_EQ(shown.Excluded, 1);
    EXPECT_EQ(page->vdtReg->CheckState(row), TCheckState::csUncheckedNormal);
    EXPECT_EQ(RegResultLines(shown)[0].Text, shown.ProblemType + L" (Excluded)");
    page->vdtReg->SetCheckState(row, TCheckState::csCheckedNormal);
    EXPECT_EQ(page->vdtReg->CheckState(row), TCheckState::csUncheckedNormal);
    EXPECT_EQ(shown.Selected, 0);
  }
  const std::wstring note = L" (" + std::to_wstring(excludedRows.size()) + L" excluded)";
  const TfrmOneClick::TArea& reg = page->Area(TfrmOneClick::kReg);
  EXPECT_EQ(reg.Summary, std::to_wstring(reg.Found) + L" errors found on your system." + note);

  page->btn->Click();
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, excluded.substr(1)));
  for (const std::wstring& name : seeds) EXPECT_FALSE(RunListHas(name)) << WideToUtf8(name);
  EXPECT_EQ(reg.Cleaned, static_cast<long long>(seeds.size()));
  EXPECT_EQ(reg.Failures, 0);
  EXPECT_EQ(reg.Summary, L"Registry erros Cleanned and system status is Good" + note);
}

}  // namespace
