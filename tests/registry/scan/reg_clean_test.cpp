// Cleaning the records of an engine instance: the exclusion match, what is deleted, the statuses
// and counts, stopping, and the report with its [RegLogFiles] line.
#include "registry/scan/reg_clean.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exception.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/reg_key_aliases.h"
#include "registry/scan/reg_log_html.h"
#include "tests/base/test_files.h"
#include "tests/base/test_keys.h"
#include "tests/base/test_program_folder.h"

namespace {

const HKEY CU = HKEY_CURRENT_USER;
const std::wstring kCleaned = L"清理成功";
const std::wstring kFailed = L"清理失败";

std::unique_ptr<TRegItem> Record(uint8_t Action, const std::wstring& KeyPath, const std::wstring& ValueName = L"",
                                 const std::wstring& BaseKey = L"", int32_t Category = 1) {
  auto item = std::make_unique<TRegItem>(MakeRegItem(CU, L"HKEY_CURRENT_USER", BaseKey, KeyPath, ValueName,
                                                     L"data of " + ValueName, L"Problem", L"Why", Category, Action));
  item->Selected = 1;
  return item;
}

std::unique_ptr<TRegScanExcludeItem> Exclusion(HKEY Root, const std::wstring& Path) {
  auto entry = std::make_unique<TRegScanExcludeItem>();
  entry->RootKey = Root;
  entry->Path = Path;
  return entry;
}

// Each test cleans with engine instances of its own: the registry cleaner's and one-click's.
class RegCleanTest : public ::testing::Test {
 protected:
  RegCleanTest() : Key(L"RegClean"), K(L"\\" + Key.Path()) {}

  void SetValue(const std::wstring& Path, const std::wstring& Name, const std::wstring& Data = L"x") {
    TRegistry reg;
    reg.SetRootKey(CU);
    ASSERT_TRUE(reg.OpenKey(Path, true)) << WideToUtf8(Path);
    reg.WriteString(Name, Data);
  }
  bool KeyExists(const std::wstring& Path) {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(CU);
    return reg.KeyExists(Path);
  }
  bool ValueExists(const std::wstring& Path, const std::wstring& Name) {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(CU);
    return reg.OpenKeyReadOnly(Path) && reg.ValueExists(Name);
  }
  std::wstring LogLine(const std::wstring& LogFile) {
    TStringList lines;
    TIniFile(Program.Path() + L"Cleaner.ini").ReadSectionValues(L"RegLogFiles", lines);
    return lines.Count() == 1 ? lines.ValueFromIndex(0) : L"<" + IntToStr(lines.Count()) + L" lines>";
  }

  TestProgramFolder Program;
  TRegScanEngine Engine{0};
  TRegScanEngine OneClickEngine{1};
  TestRegistryKey Key;
  const std::wstring K;  // the test key, as records address it
  std::vector<std::pair<uint8_t, std::wstring>> Reports;
  TScanProgressEvent OnProgress = [this](uint8_t Kind, const std::wstring& Text) { Reports.push_back({Kind, Text}); };
};

TEST(RegExclusion, EqualPathsOfTheSameRootMatch) {
  TRegItem item = MakeRegItem(CU, L"HKEY_CURRENT_USER", L"\\Software\\Base", L"\\Software\\Base\\Key", L"v", L"", L"",
                              L"", 1, 2);
  struct Case {
    HKEY root;
    const wchar_t* path;
    bool excluded;
  };
  const Case cases[] = {
      {CU, L"\\Software\\Base\\Key", true},
      {CU, L"  \\SOFTWARE\\base\\KEY \t", true},  // case and blanks do not matter
      {CU, L"\\Software\\Base", true},            // the base key is compared too
      {CU, L"\\Software", false},                 // a parent covers nothing below it
      {CU, L"\\Software\\Base\\Key\\Sub", false},
      {HKEY_LOCAL_MACHINE, L"\\Software\\Base\\Key", false},
      {CU, L"", false},
      {CU, L"Software\\Base\\Key", true},     // backslashes around a path do not matter
      {CU, L"\\Software\\Base\\Key\\\\", true},
      {CU, L"\\Software\\\\Base\\Key", true},
      {nullptr, L"\\Software\\Base\\Key", false},  // an unknown root protects nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.path));
    TRegExcludeList list;
    list.push_back(Exclusion(c.root, c.path));
    EXPECT_EQ(IsRegItemExcluded(list, item), c.excluded);
  }
}

// An exclusion holds whichever name of the key the record and the entry use.
TEST(RegExclusion, EveryNameOfTheSameKeyIsExcluded) {
  const std::wstring sid = ThisMachineRegKeyAliases().UserSid;
  ASSERT_FALSE(sid.empty());
  const HKEY CR = HKEY_CLASSES_ROOT, LM = HKEY_LOCAL_MACHINE, U = HKEY_USERS, CC = HKEY_CURRENT_CONFIG;
  struct Case {
    HKEY recordRoot;
    std::wstring recordKey;  // a key record (action 1)
    HKEY entryRoot;
    std::wstring entryPath;
    bool excluded;
  };
  const Case cases[] = {
      {CR, L"\\CLSID\\{1}", LM, L"\\SOFTWARE\\Classes\\CLSID\\{1}", true},
      {LM, L"\\Software\\Classes\\CLSID\\{1}", CR, L"\\CLSID\\{1}", true},
      {CR, L"\\CLSID", LM, L"\\SOFTWARE\\Classes\\CLSID\\{1}", true},  // deleting the parent would take it
      {U, L"\\" + sid + L"\\Software\\App", CU, L"\\Software\\App", true},
      {CU, L"\\Software\\App", U, L"\\" + sid + L"\\Software\\App", true},
      {U, L"\\" + sid + L"_Classes\\.txt", CU, L"\\Software\\Classes\\.txt", true},
      {CU, L"\\Software\\Classes\\.txt", U, L"\\" + sid + L"_Classes\\.txt", true},
      {CC, L"\\Software\\Fonts", LM, L"\\SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts",
       true},
      {LM, L"\\SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software", CC, L"\\Software\\Fonts", true},
      // Other keys stay other keys.
      {U, L"\\.DEFAULT\\Software\\App", CU, L"\\Software\\App", false},
      {CU, L"\\Software\\App", LM, L"\\Software\\App", false},
      {CR, L"\\CLSID\\{1}", LM, L"\\SOFTWARE\\CLSID\\{1}", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.recordKey + L" / " + c.entryPath));
    const TRegItem item = MakeRegItem(c.recordRoot, L"", L"", c.recordKey, L"", L"", L"", L"", 1, 1);
    TRegExcludeList list;
    list.push_back(Exclusion(c.entryRoot, c.entryPath));
    EXPECT_EQ(IsRegItemExcluded(list, item), c.excluded);
  }
}

// A line whose key is no longer than its root name gives an empty path. Taken as a path it would
// equal the empty base key of every record that has none, so it must match nothing.
TEST(RegExclusion, AnEmptyPathExcludesNothing) {
  TRegItem noBase = MakeRegItem(CU, L"HKEY_CURRENT_USER", L"", L"\\Software\\X", L"v", L"", L"", L"", 1, 2);
  TRegExcludeList list;
  list.push_back(Exclusion(CU, L" "));
  list.push_back(Exclusion(CU, L""));
  EXPECT_FALSE(IsRegItemExcluded(list, noBase));
}

TEST_F(RegCleanTest, DeletesWhatEachSelectedRecordNames) {
  const std::wstring LongName = L"C:\\Program Files\\" + std::wstring(300, L'n') + L".dll";  // shared-DLL style
  const std::wstring Deep = K + L"\\Deep\\" + std::wstring(200, L'a') + L"\\" + std::wstring(200, L'b');
  SetValue(K + L"\\A", L"v1");
  SetValue(K + L"\\A", L"stay");
  SetValue(K + L"\\A", L"");
  SetValue(K + L"\\A", LongName);
  SetValue(K + L"\\B\\C\\D", L"deep");
  SetValue(K + L"\\E\\F", L"x");
  SetValue(K + L"\\G", L"x");
  SetValue(K + L"\\H", L"x");
  SetValue(K + L"\\I", L"x");
  SetValue(Deep, L"x");
  SetValue(K + L"\\J", L"名前");

  TRegItemList& items = Engine.Items;
  items.push_back(Record(2, K + L"\\A", L"v1"));
  items.push_back(Record(2, K + L"\\A", L"默认", L"", 2));          // the default value
  items.push_back(Record(1, K + L"\\B", L"", K + L"\\B", 3));       // the key with its subtree
  items.push_back(Record(0, K + L"\\E\\F", L"", K + L"\\E", 4));     // action 0 takes the base key
  items.push_back(Record(2, K + L"\\B\\C\\D", L"deep", L"", 5));     // its key went with B: cleaned
  items.push_back(Record(1, K + L"\\G", L"", L"", 6));
  items.back()->Selected = 0;
  items.push_back(Record(1, K + L"\\H", L"", L"", 7));               // excluded although selected
  items.push_back(Record(1, K + L"\\I\\", L"", L"", 15));            // empty-key records end in '\'
  items.push_back(Record(2, K + L"\\Missing", L"v", L"", 8));        // no key: nothing left to clean
  items.push_back(Record(1, K + L"\\Deep", L"", L"", 9));            // a key path beyond 255 characters
  items.push_back(Record(2, K + L"\\A", LongName, L"", 3));
  items.push_back(Record(2, K + L"\\J", L"名前", L"", 12));
  items.push_back(Record(1, L"\\", L"", L"", 13));                 // a whole root: it holds excluded keys
  items.push_back(Record(2, L"\\", L"QuillsteadCleanTest", L"", 14));  // the root's own values: refused
  Engine.ExcludeItems.push_back(Exclusion(CU, L"  " + UpperCase(K + L"\\H") + L" "));
  Engine.ExcludeItems.push_back(Exclusion(CU, K));                           // the parent of every record
  Engine.ExcludeItems.push_back(Exclusion(HKEY_LOCAL_MACHINE, K + L"\\E"));  // another root

  Engine.CleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(Engine, TRegCleanReport::Category, OnProgress);

  EXPECT_FALSE(ValueExists(K + L"\\A", L"v1"));
  EXPECT_FALSE(ValueExists(K + L"\\A", L""));
  EXPECT_FALSE(ValueExists(K + L"\\A", LongName));
  EXPECT_TRUE(ValueExists(K + L"\\A", L"stay"));
  EXPECT_FALSE(KeyExists(K + L"\\B"));
  EXPECT_FALSE(KeyExists(K + L"\\E"));
  EXPECT_TRUE(KeyExists(K + L"\\G"));
  EXPECT_TRUE(KeyExists(K + L"\\H"));
  EXPECT_FALSE(KeyExists(K + L"\\I"));
  EXPECT_FALSE(KeyExists(K + L"\\Deep"));
  EXPECT_FALSE(ValueExists(K + L"\\J", L"名前"));

  std::vector<std::wstring> statuses, excluded;
  for (const auto& item : items) {
    statuses.push_back(item->Status);
    excluded.push_back(item->Excluded ? L"x" : L"");
  }
  EXPECT_EQ(statuses, (std::vector<std::wstring>{kCleaned, kCleaned, kCleaned, kCleaned, kCleaned, L"", L"", kCleaned,
                                                 kCleaned, kCleaned, kCleaned, kCleaned, L"", kFailed}));
  EXPECT_EQ(excluded,
            (std::vector<std::wstring>{L"", L"", L"", L"", L"", L"", L"x", L"", L"", L"", L"", L"", L"x", L""}));

  // Every selected record is announced before it is handled, the excluded one included.
  std::vector<std::wstring> announced;
  for (const auto& report : Reports) {
    EXPECT_EQ(report.first, 0);
    announced.push_back(report.second);
  }
  EXPECT_EQ(announced, (std::vector<std::wstring>{L"1", L"2", L"3", L"4", L"5", L"7", L"15", L"8", L"9", L"3", L"12",
                                                  L"13", L"14"}));

  // Records whose key or value is gone count as cleaned, also when an earlier record took it;
  // each real failure is named.
  EXPECT_EQ(result.Cleaned, 10);
  EXPECT_EQ(result.Failed, 1);
  EXPECT_EQ(result.FailedNames, std::vector<std::wstring>{L"HKEY_CURRENT_USER\\QuillsteadCleanTest"});
  EXPECT_EQ(result.Cleaned + result.Failed, 11);  // every selected, not excluded record
  EXPECT_EQ(result.CleanedInCategory[3], 2);
  EXPECT_EQ(result.CleanedInCategory[5], 1);
  EXPECT_EQ(result.CleanedInCategory[7], 0);
  EXPECT_EQ(result.CleanedInCategory[15], 1);

  ASSERT_EQ(ExtractFilePath(result.LogFile), Program.Path() + L"LOG\\");
  EXPECT_EQ(ExtractFileName(result.LogFile).size(), 19u);  // yyyymmddhhnnss.html
  EXPECT_NE(ReadBytes(result.LogFile), "<missing>");
  EXPECT_EQ(LogLine(result.LogFile), result.LogFile);
}

// A record whose key is a registry link, or holds one, deletes the link and never the tree it
// points to.
TEST_F(RegCleanTest, DeletingNeverFollowsARegistryLink) {
  SetValue(K + L"\\Target\\Inner", L"keep");
  SetValue(K + L"\\Holder\\Plain", L"x");
  ASSERT_TRUE(MakeTestRegistryLink(Key.Path() + L"\\Holder\\Link", Key.Path() + L"\\Target"));
  ASSERT_TRUE(MakeTestRegistryLink(Key.Path() + L"\\Link", Key.Path() + L"\\Target"));
  // A value read through the link lies in the target: it is not deleted, and that is a failure.
  SetValue(K + L"\\Target", L"v");
  Engine.Items.push_back(Record(2, K + L"\\Link", L"v"));
  Engine.Items.push_back(Record(1, K + L"\\Link"));
  Engine.Items.push_back(Record(0, K + L"\\Holder\\Plain", L"", K + L"\\Holder"));
  Engine.CleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(Engine, TRegCleanReport::Category, OnProgress);
  EXPECT_EQ(result.Cleaned, 2);
  EXPECT_EQ(result.FailedNames, std::vector<std::wstring>{L"HKEY_CURRENT_USER" + K + L"\\Link\\v"});
  EXPECT_TRUE(ValueExists(K + L"\\Target", L"v"));
  EXPECT_FALSE(TestLinkKeyExists(Key.Path() + L"\\Link"));
  EXPECT_FALSE(TestLinkKeyExists(Key.Path() + L"\\Holder"));
  EXPECT_TRUE(ValueExists(K + L"\\Target\\Inner", L"keep"));
}

// A record whose path runs through a link below its root names a key elsewhere: it fails and
// deletes nothing in the link's target.
TEST_F(RegCleanTest, ARecordBelowALinkDeletesNothing) {
  SetValue(K + L"\\Target\\Inner\\Deep", L"keep");
  SetValue(K + L"\\Target\\Inner", L"v");
  ASSERT_TRUE(MakeTestRegistryLink(Key.Path() + L"\\Holder\\Link", Key.Path() + L"\\Target"));
  const std::wstring below = K + L"\\Holder\\Link\\Inner";
  Engine.Items.push_back(Record(2, below, L"v"));
  Engine.Items.push_back(Record(1, below));
  Engine.Items.push_back(Record(0, below + L"\\Deep", L"", below));
  Engine.CleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(Engine, TRegCleanReport::Category, OnProgress);
  EXPECT_EQ(result.Cleaned, 0);
  EXPECT_EQ(result.Failed, 3);
  EXPECT_TRUE(ValueExists(K + L"\\Target\\Inner", L"v"));
  EXPECT_TRUE(ValueExists(K + L"\\Target\\Inner\\Deep", L"keep"));
  EXPECT_TRUE(TestLinkKeyExists(Key.Path() + L"\\Holder\\Link"));
}

// An exclusion line protects its key whatever the spelling of its root and path, and also when a
// record would delete a key above it.
TEST_F(RegCleanTest, ExclusionsHoldForEverySpelling) {
  const std::string p = WideToUtf8(Key.Path());
  struct Case {
    const char* name;
    std::string line;         // the [RegExcludeList] line
    uint8_t action;           // the record: 1 deletes KeyPath, 0 BaseKey
    std::wstring keyPath;     // below the test key
    bool kept;
  };
  const Case cases[] = {
      {"full names", "HKEY_CURRENT_USER\\" + p + "\\Keep=HKEY_CURRENT_USER", 1, L"\\Keep", true},
      {"lower-case root", "hkey_current_user\\" + p + "\\Keep=hkey_current_user", 1, L"\\Keep", true},
      {"short root", "HKCU\\" + p + "\\Keep=HKCU", 1, L"\\Keep", true},
      {"short root in the key only", "hkcu\\" + p + "\\Keep=HKEY_CURRENT_USER", 1, L"\\Keep", true},
      {"trailing backslash", "HKEY_CURRENT_USER\\" + p + "\\Keep\\=HKEY_CURRENT_USER", 1, L"\\Keep", true},
      {"other case, record ending in a backslash", "HKEY_CURRENT_USER\\" + WideToUtf8(UpperCase(Key.Path())) +
       "\\KEEP=HKEY_CURRENT_USER", 1, L"\\Keep\\", true},
      {"below a deleted key path", "HKEY_CURRENT_USER\\" + p + "\\Parent\\Keep=HKEY_CURRENT_USER", 1, L"\\Parent", true},
      {"below a deleted base key", "HKCU\\" + p + "\\Parent\\Keep=HKCU", 0, L"\\Parent", true},
      {"a name not below it protects nothing", "HKCU\\" + p + "\\Keep=HKCU", 1, L"\\Parent", false},
      {"a name sharing the prefix protects nothing", "HKCU\\" + p + "\\ParentX=HKCU", 1, L"\\Parent", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetValue(K + L"\\Keep", L"v");
    SetValue(K + L"\\Parent\\Keep", L"v");
    Program.WriteFile(L"Cleaner.ini", "[RegExcludeList]\r\n" + c.line + "\r\n");
    Engine.FreeRegExcludeList();
    Engine.LoadRegExcludeList();
    Engine.ClearRegItems();
    if (c.action == 0)
      Engine.Items.push_back(Record(0, K + c.keyPath + L"\\Keep", L"", K + c.keyPath));
    else
      Engine.Items.push_back(Record(1, K + c.keyPath));
    Engine.CleanState = kRegStateRunning;
    CleanRegItems(Engine, TRegCleanReport::Category, OnProgress);
    const std::wstring deleted = K + (c.keyPath == L"\\Parent" ? L"\\Parent" : L"\\Keep");
    EXPECT_EQ(KeyExists(deleted), c.kept);
    EXPECT_EQ(Engine.Items[0]->Excluded, c.kept ? 1 : 0);
    EXPECT_EQ(Engine.Items[0]->Status, c.kept ? L"" : kCleaned);
  }
}

// The one-click instance announces each record's value data and counts the failures.
TEST_F(RegCleanTest, TheOneClickInstanceCountsFailures) {
  SetValue(K + L"\\A", L"v");
  TRegItemList& items = OneClickEngine.Items;
  items.push_back(Record(2, K + L"\\A", L"v"));
  items.push_back(Record(2, K + L"\\A", L"v"));         // already gone
  items.push_back(Record(1, K + L"\\Nothing"));         // no such key
  items.push_back(Record(1, K + L"\\Unselected"));
  items.back()->Selected = 0;
  items.push_back(Record(1, K + L"\\Excluded"));
  items.push_back(Record(2, L"\\", L"QuillsteadCleanTest"));  // the root's own values: refused
  OneClickEngine.ExcludeItems.push_back(Exclusion(CU, K + L"\\Excluded"));

  OneClickEngine.CleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(OneClickEngine, TRegCleanReport::ValueData, OnProgress);
  EXPECT_EQ(result.Failed, 1);
  EXPECT_EQ(result.Cleaned, 3);
  EXPECT_EQ(result.FailedNames, std::vector<std::wstring>{L"HKEY_CURRENT_USER\\QuillsteadCleanTest"});
  ASSERT_EQ(Reports.size(), 5u);
  EXPECT_EQ(Reports[0].second, L"data of v");
  EXPECT_EQ(Reports[2].second, L"data of ");
}

// A stop between records ends the run at once: later records keep their empty status and no
// report or [RegLogFiles] line is written.
TEST_F(RegCleanTest, StoppingAfterTheFirstRecordWritesNoReport) {
  SetValue(K + L"\\A", L"x");
  SetValue(K + L"\\B", L"x");
  Engine.Items.push_back(Record(1, K + L"\\A"));
  Engine.Items.push_back(Record(1, K + L"\\B"));
  Engine.CleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(Engine, TRegCleanReport::Category, [&](uint8_t, const std::wstring& Text) {
    if (Text == L"1" && !Reports.empty()) Engine.CleanState = kRegStateStop;
    Reports.push_back({0, Text});
  });
  EXPECT_EQ(Engine.Items[0]->Status, kCleaned);
  EXPECT_EQ(Engine.Items[1]->Status, L"");
  EXPECT_TRUE(KeyExists(K + L"\\B"));
  EXPECT_EQ(result.Cleaned, 1);
  EXPECT_EQ(result.LogFile, L"");
  EXPECT_FALSE(DirectoryExists(Program.Path() + L"LOG"));
  EXPECT_EQ(LogLine(L""), L"<0 lines>");
}

TEST_F(RegCleanTest, AnEmptyListStillGetsAReport) {
  TRegCleanResult result = CleanRegItems(Engine, TRegCleanReport::Category, OnProgress);
  std::string report = ReadBytes(result.LogFile);
  EXPECT_NE(report.find("<font color= \"blue\">0</font>"), std::string::npos) << report;
  EXPECT_EQ(report.find("<p>"), std::string::npos);
  EXPECT_EQ(LogLine(result.LogFile), result.LogFile);
}

// A report that cannot be written is an error of the whole run, and no line points to it.
TEST_F(RegCleanTest, AReportThatCannotBeWrittenRaises) {
  Program.WriteFile(L"LOG", "a file where the folder should be");
  SetValue(K + L"\\A", L"x");
  Engine.Items.push_back(Record(1, K + L"\\A"));
  EXPECT_THROW(CleanRegItems(Engine, TRegCleanReport::Category, OnProgress), EFCreateError);
  EXPECT_EQ(Engine.Items[0]->Status, kCleaned);
  EXPECT_EQ(LogLine(L""), L"<0 lines>");
}

TEST(RegLogHtml, TheReportText) {
  TRegItemList items;
  items.push_back(std::make_unique<TRegItem>(MakeRegItem(CU, L"HKEY_CURRENT_USER", L"\\Software", L"\\Software\\App",
                                                         L"Path", L"C:\\app.exe", L"Miss or Invalid Path",
                                                         L"The key App contains a bad path.", 5, 2)));
  items.back()->Status = L" 清理成功 ";
  items.push_back(std::make_unique<TRegItem>(MakeRegItem(HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT", L"\\", L"\\.a<b>",
                                                         L"默认", L"\"x\" & 'y'", L"Empty Key", L"", 13, 1)));
  items.back()->Status = L"清理失败";
  items.push_back(std::make_unique<TRegItem>(MakeRegItem(CU, L"HKEY_CURRENT_USER", L"", L"\\K", L"", L"", L"", L"",
                                                         15, 1)));
  const TDateTime time = EncodeDate(2026, 3, 4) + EncodeTime(5, 6, 7, 0);
  EXPECT_EQ(RegLogHtml(items, L"20260304050607.html", time),
            L"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + RegLogCharset() +
                L"\"><title>20260304050607.html</title></head><body><h1>"
            L"注册表扫描清理时间 <font color=\"blue\">2026-03-04 05:06:07</font>，共扫描到<font color= \"blue\">3</font>项无效记录"
            L"</h1>"
            L"<p><strong>1. [HKEY_CURRENT_USER\\Software\\App]</strong></p><ul>"
            L"<li>值名称：<font color=\"blue\">Path</font></li>"
            L"<li>值：<font color=\"blue\">C:\\app.exe</font></li>"
            L"<li>清理原因：<font color=\"blue\">The key App contains a bad path.</font></li>"
            L"<li>类型：<font color=\"red\">Miss or Invalid Path</font></li>"
            L"<li>状态：<font color=\"green\"> 清理成功 </font></li></ul>"
            L"<p><strong>2. [HKEY_CLASSES_ROOT\\.a&lt;b&gt;]</strong></p><ul>"
            L"<li>值名称：<font color=\"blue\">默认</font></li>"
            L"<li>值：<font color=\"blue\">&quot;x&quot; &amp; &#39;y&#39;</font></li>"
            L"<li>清理原因：<font color=\"blue\"></font></li>"
            L"<li>类型：<font color=\"red\">Empty Key</font></li>"
            L"<li>状态：<font color=\"red\">清理失败</font></li></ul>"
            L"<p><strong>3. [HKEY_CURRENT_USER\\K]</strong></p><ul>"
            L"<li>值名称：<font color=\"blue\"></font></li>"
            L"<li>值：<font color=\"blue\"></font></li>"
            L"<li>清理原因：<font color=\"blue\"></font></li>"
            L"<li>类型：<font color=\"red\"></font></li>"
            L"<li>状态：<font color=\"red\"></font></li></ul>"
            L"</body></html>");
}

// The character set a report's bytes declare ("" when they declare none).
std::string DeclaredCharset(const std::string& Bytes) {
  const std::string attribute = "charset=";
  const size_t at = Bytes.find(attribute);
  if (at == std::string::npos) return std::string();
  const size_t end = Bytes.find('"', at);
  const size_t from = at + attribute.size();
  return Bytes.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

// Decodes report bytes as a browser would: by the character set they declare. The bytes must be
// exactly that character set's encoding of the decoded text (nothing replaced on the way).
std::wstring DecodeReport(const std::string& Bytes) {
  const std::string charset = DeclaredCharset(Bytes);
  const UINT codePage = charset == "utf-8" ? static_cast<UINT>(CP_UTF8) : RegLogCodePage();
  EXPECT_EQ(charset, WideToUtf8(codePage == CP_UTF8 ? L"utf-8" : RegLogCharset())) << Bytes;
  const std::wstring text = AnsiToWide(Bytes, codePage);
  const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string again(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &again[0], size, nullptr, nullptr);
  EXPECT_EQ(again, Bytes) << "the bytes are not in the declared character set " << charset;
  return text;
}

std::wstring Head(const std::wstring& Charset) {
  return L"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + Charset + L"\">";
}

// A text the system code page holds stays in it; one it cannot hold is written whole in UTF-8
// and declares so. ASCII is in every code page a report is written in, and no such code page
// but UTF-8 holds a character beyond the basic plane.
TEST(RegLogHtml, WritesTheCodePageWhenItHoldsTheTextElseUtf8) {
  const std::wstring system = RegLogCharset();
  struct Case {
    std::wstring html;
    std::wstring declares;
  } cases[] = {
      {Head(system) + L"<p>plain</p>", system},
      {Head(system) + L"<p>\u6ce8\u518c\u8868 \u00fc \U0001F600 \uFF3C</p>", L"utf-8"},
      {L"<p>plain</p>", L""},
  };
  for (const Case& c : cases) {
    const std::string bytes = EncodeRegLogHtml(c.html);
    EXPECT_EQ(DeclaredCharset(bytes), WideToUtf8(c.declares)) << bytes;
    std::wstring expected = c.html;
    if (c.declares == L"utf-8") expected.replace(expected.find(system), system.size(), L"utf-8");
    EXPECT_EQ(c.declares.empty() ? AnsiToWide(bytes, RegLogCodePage()) : DecodeReport(bytes), expected) << bytes;
  }
}

TEST(RegLogHtml, TheFileHoldsTheEncodedReport) {
  TestProgramFolder program;
  const TDateTime time = EncodeDate(2026, 3, 4) + EncodeTime(5, 6, 7, 0);
  SetClockForTesting([time] { return time; });
  TRegItemList items;
  items.push_back(std::make_unique<TRegItem>(
      MakeRegItem(CU, L"HKEY_CURRENT_USER", L"", L"\\软件", L"名", L"数据", L"Empty Key", L"空", 15, 1)));
  const std::wstring file = program.Path() + L"20260304050607.html";
  WriteRegLogHtml(items, file);
  SetClockForTesting(nullptr);
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(bytes, EncodeRegLogHtml(RegLogHtml(items, L"20260304050607.html", time)));
  EXPECT_EQ(bytes.find('\n'), std::string::npos);
  EXPECT_NE(DecodeReport(bytes).find(L"[HKEY_CURRENT_USER\\软件]"), std::wstring::npos);
}

// The report says which character set its bytes are in, and that is the one they are in: with
// the Chinese labels and a hostile key name (markup, a character outside the basic plane, the
// fullwidth backslash and slash that a code page would map to '\' and '/') every text reads back
// from the bytes.
TEST(RegLogHtml, DeclaresTheCharacterSetItIsWrittenIn) {
  const UINT acp = GetACP();
  if (acp == 936) {
    EXPECT_EQ(RegLogCharset(), L"gbk");
  }
  if (acp == 1252) {
    EXPECT_EQ(RegLogCharset(), L"windows-1252");
  }
  EXPECT_EQ(RegLogCodePage(), RegLogCharset() == L"utf-8" ? static_cast<UINT>(CP_UTF8) : acp);

  const std::wstring hostile = L"\\软件\\<script>\"&'\U0001F600\uFF3C..\uFF0Fx";
  TRegItemList items;
  items.push_back(std::make_unique<TRegItem>(
      MakeRegItem(CU, L"HKEY_CURRENT_USER", L"", hostile, L"名", L"数据 ü", L"Empty Key", L"空", 15, 1)));
  items.back()->Status = kCleaned;
  const std::wstring html = RegLogHtml(items, L"t.html", EncodeDate(2026, 3, 4));
  const std::string bytes = EncodeRegLogHtml(html);
  const std::wstring text = DecodeReport(bytes);
  // The text read back is the report's text, but for the character set it names.
  std::wstring expected = html;
  expected.replace(expected.find(RegLogCharset()), RegLogCharset().size(), Utf8ToWide(DeclaredCharset(bytes)));
  EXPECT_EQ(text, expected);
  EXPECT_NE(text.find(L"注册表扫描清理时间"), std::wstring::npos);
  EXPECT_NE(text.find(L"[HKEY_CURRENT_USER\\软件\\&lt;script&gt;&quot;&amp;&#39;\U0001F600\uFF3C..\uFF0Fx]"),
            std::wstring::npos);
  EXPECT_NE(text.find(L"<li>状态：<font color=\"green\">清理成功</font></li>"), std::wstring::npos);
}

}  // namespace
