// Every maintenance task through the one interface: a scan that finds this test's seeds, a clean
// that removes them (and only what stayed selected), a stop before the first step, and the
// last-run record read back. The registry task scans the MRU category of the prefix, the junk task
// a folder of its own, the evidence task a fixture list whose one item empties a fixture Windows
// temporary folder.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "cleaners/evidence/evidence_task.h"
#include "cleaners/evidence/history_handlers.h"
#include "cleaners/evidence/history_list.h"
#include "cleaners/junk/junk_task.h"
#include "cleaners/junk/last_waste_info.h"
#include "cleaners/junk/waste_config.h"
#include "cleaners/junk/waste_lists.h"
#include "common/last_run.h"
#include "common/maintenance_task.h"
#include "registry/scan/registry_task.h"
#include "scan_fixture.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_program_folder.h"

namespace {

const wchar_t kRunMru[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr int kMruCategory = 10;

const char kCleanerIni[] =
    "[WasteFileType]\r\n*.tmp=Temporary files\r\n"
    "[WasteCleanOption]\r\nSkipReadOnly=0\r\nSkipSystem=0\r\nSkipHide=0\r\nScanZero=0\r\n"
    "[HistoryList]\r\nSystem=0\r\nTemporary folder=7\r\n";

// The fixtures of one case; the seeds go when it ends.
struct TTaskFixtures {
  TestProgramFolder program;
  TScanFixture registry;
  TestFolder junk{L"qs_task_junk_"};
  TestFolder windows{L"qs_task_windows_"};

  TTaskFixtures() {
    program.WriteFile(L"Cleaner.ini", kCleanerIni);
    SetSpecialFolderLookupForTesting([this](int csidl, std::wstring& path) {
      if (csidl != CSIDL_WINDOWS) return false;
      path = ExcludeTrailingBackslash(windows.Path());
      return true;
    });
  }
  ~TTaskFixtures() {
    SetSpecialFolderLookupForTesting(nullptr);
    ClearWasteFiles();
    WasteSearchState = TSearchStateInfo();
  }

  bool MruValueExists(int i) const {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CURRENT_USER);
    return reg.OpenKeyReadOnly(kRunMru) && reg.ValueExists(registry.Tag() + L"v" + IntToStr(i));
  }
};

struct TTaskCase {
  const char* Name;
  long long Seeds;
  // Seeds the problems and makes the task.
  std::function<std::unique_ptr<TMaintenanceTask>(TTaskFixtures&)> Make;
  // Unticks what the prefix had before the seeds, so cleaning touches nothing else.
  std::function<void(TTaskFixtures&, TMaintenanceTask&)> KeepOnlySeeds;
  // How many seeds are still there.
  std::function<int(TTaskFixtures&)> SeedsLeft;
};

const TTaskCase kCases[] = {
    {"registry", 3,
     [](TTaskFixtures& f) -> std::unique_ptr<TMaintenanceTask> {
       for (int i = 0; i < 3; ++i)
         f.registry.SetString(HKEY_CURRENT_USER, kRunMru, f.registry.Tag() + L"v" + IntToStr(i), L"cmd");
       auto task = std::make_unique<TRegistryTask>(TRegCleanReport::ValueData, 1);
       task->Categories.fill(false);
       task->Categories[kMruCategory] = true;
       return task;
     },
     [](TTaskFixtures& f, TMaintenanceTask& task) {
       for (const auto& item : static_cast<TRegistryTask&>(task).Engine().Items)
         item->Selected = item->ValueName.find(f.registry.Tag()) != std::wstring::npos ? 1 : 0;
     },
     [](TTaskFixtures& f) {
       int left = 0;
       for (int i = 0; i < 3; ++i) left += f.MruValueExists(i) ? 1 : 0;
       return left;
     }},
    {"junk", 2,
     [](TTaskFixtures& f) -> std::unique_ptr<TMaintenanceTask> {
       WriteBytes(f.junk.Path() + L"a.tmp", "junk");
       WriteBytes(f.junk.Path() + L"b.tmp", "junk");
       WriteBytes(f.junk.Path() + L"keep.txt", "kept");
       LoadWasteCleanOptions();
       LoadWasteFileTypes();
       LoadExcludeFolders();
       LoadExcludeFiles();
       auto task = std::make_unique<TJunkTask>();
       task->Folders = {f.junk.Path()};
       return task;
     },
     [](TTaskFixtures&, TMaintenanceTask&) {},
     [](TTaskFixtures& f) {
       EXPECT_TRUE(FileExists(f.junk.Path() + L"keep.txt"));
       return (FileExists(f.junk.Path() + L"a.tmp") ? 1 : 0) + (FileExists(f.junk.Path() + L"b.tmp") ? 1 : 0);
     }},
    {"evidence", 1,
     [](TTaskFixtures& f) -> std::unique_ptr<TMaintenanceTask> {
       EXPECT_TRUE(ForceDirectories(f.windows.Path() + L"Temp"));
       WriteBytes(f.windows.Path() + L"Temp\\trace.tmp", "trace");
       LoadHistoryList();
       return std::make_unique<TEvidenceTask>();
     },
     [](TTaskFixtures&, TMaintenanceTask&) {},
     [](TTaskFixtures& f) { return FileExists(f.windows.Path() + L"Temp\\trace.tmp") ? 1 : 0; }},
};

TEST(MaintenanceTasks, ScanFindsTheSeedsAndCleanRemovesThem) {
  for (const TTaskCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    TTaskFixtures f;
    std::unique_ptr<TMaintenanceTask> task = c.Make(f);
    std::vector<TTaskProgress> reports;
    const TTaskProgressEvent record = [&](const TTaskProgress& p) { reports.push_back(p); };
    const TTaskResult scan = task->Scan(record, TStopToken());
    EXPECT_FALSE(scan.Stopped);
    EXPECT_GE(scan.Found, c.Seeds);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().Done, reports.back().Total);
    EXPECT_EQ(c.SeedsLeft(f), c.Seeds) << "a scan changes nothing";

    c.KeepOnlySeeds(f, *task);
    reports.clear();
    const TTaskResult clean = task->Clean(record, TStopToken());
    EXPECT_FALSE(clean.Stopped);
    EXPECT_EQ(clean.Cleaned, c.Seeds);
    EXPECT_EQ(c.SeedsLeft(f), 0);
    EXPECT_FALSE(reports.empty());
    for (const TTaskProgress& p : reports) EXPECT_LE(p.Done, p.Total);
  }
}

// A stop asked for before the runs start: nothing is found or removed, and the result says so.
TEST(MaintenanceTasks, AStopBeforeTheFirstStepEndsTheRun) {
  for (const TTaskCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    TTaskFixtures f;
    std::unique_ptr<TMaintenanceTask> task = c.Make(f);
    TStopToken stop;
    stop.Request();
    const TTaskResult scan = task->Scan({}, stop);
    EXPECT_TRUE(scan.Stopped);
    EXPECT_EQ(scan.Found, 0);
    const TTaskResult clean = task->Clean({}, stop);
    EXPECT_TRUE(clean.Stopped);
    EXPECT_EQ(clean.Cleaned, 0);
    EXPECT_EQ(c.SeedsLeft(f), c.Seeds);
  }
}

// The record each task reads is the one its cleaner writes.
TEST(MaintenanceTasks, LastRunIsTheCleanersRecord) {
  TestProgramFolder program;
  const TDateTime when = EncodeDate(2024, 5, 6) + EncodeTime(7, 8, 9, 0);
  SaveLastRegInfo(11, 7, when);
  StoreLastWasteInfo(5, 4, when);
  SaveLastHisInfo(when);
  const TTaskLastRun registry = TRegistryTask(TRegCleanReport::Category, 0).LastRun();
  const TTaskLastRun junk = TJunkTask().LastRun();
  const TTaskLastRun evidence = TEvidenceTask().LastRun();
  EXPECT_EQ(FormatDateTime(L"yyyy-mm-dd hh:nn:ss", registry.When), L"2024-05-06 07:08:09");
  EXPECT_EQ(registry.Found, 11);
  EXPECT_EQ(registry.Cleaned, 7);
  EXPECT_EQ(junk.When, registry.When);
  EXPECT_EQ(junk.Found, 5);
  EXPECT_EQ(junk.Cleaned, 4);
  EXPECT_EQ(evidence.When, registry.When);
}

}  // namespace
