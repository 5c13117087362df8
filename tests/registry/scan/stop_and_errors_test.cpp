// A scan driven the way the pages drive it (categories in order, stop state checked between
// them): stopping keeps what was found, and the read errors that end a scan do end it.
#include <functional>

#include "base/exception.h"
#include "scan_test_util.h"

namespace {

const std::wstring kFonts = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
const std::wstring kHelp = L"\\Software\\Microsoft\\Windows\\Help";
const std::wstring kShared = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const std::wstring kAppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

// Runs categories First..Last of Engine as the registry cleaner page does.
void RunScan(TRegScanEngine& Engine, int32_t First, int32_t Last, const TScanProgressEvent& OnProgress) {
  Engine.ClearRegItems();
  Engine.ScanState = kRegStateRunning;
  for (int32_t category = First; category <= Last; ++category) {
    if (Engine.ScanState == kRegStateStop) break;
    if (TScanProc scan = Engine.GetScanProc(category)) scan(OnProgress);
  }
  if (Engine.ScanState == kRegStateRunning) Engine.ScanState = kRegStateFinished;
}

size_t CountMine(const std::vector<TRegItem>& Items, const std::wstring& Tag, int32_t Category) {
  std::vector<TRegItem> mine = RecordsMentioning(Items, Tag);
  return std::count_if(mine.begin(), mine.end(), [&](const TRegItem& item) { return item.Category == Category; });
}

}  // namespace

TEST(ScanStop, StopDuringCategoryThreeKeepsWhatWasFound) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  const std::wstring t = fx.Tag();
  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" font", t + L"-gone.ttf");
  fx.SetString(HKEY_LOCAL_MACHINE, kHelp, t + L".hlp", L"");
  for (const wchar_t* name : {L"a.dll", L"b.dll", L"c.dll", L"d.dll"}) {
    fx.SetDword(HKEY_LOCAL_MACHINE, kShared, fx.Folder() + name, 1);
  }
  fx.CreateKey(HKEY_CURRENT_USER, L"\\Software\\" + t + L"-Empty");

  size_t mineInThree = 0;
  TScanReports afterStop;
  bool stopped = false;
  TScanProgressEvent onProgress = [&](uint8_t Kind, const std::wstring& Text) {
    if (stopped) afterStop.emplace_back(Kind, Text);
    if (Kind == 1 && engine.Items.back()->Category == 3 &&
        engine.Items.back()->ValueName.find(t) != std::wstring::npos && ++mineInThree == 2) {
      engine.ScanState = kRegStateStop;  // as the page's stop button does, from inside the pumped loop
      stopped = true;
    }
  };
  RunScan(engine, 1, 7, onProgress);

  std::vector<TRegItem> found = CopyRecords(engine.Items);
  EXPECT_EQ(engine.ScanState, kRegStateStop);
  EXPECT_EQ(CountMine(found, t, 1), 1u);
  EXPECT_EQ(CountMine(found, t, 2), 1u);
  EXPECT_EQ(CountMine(found, t, 3), 2u);
  EXPECT_EQ(found.back().Category, 3);
  for (const TRegItem& item : found) EXPECT_LE(item.Category, 3);
  // The scanner returned at the next entry without reporting it.
  EXPECT_TRUE(afterStop.empty());
}

// Every scanner checks the stop request once per entry: stopped right after the first of three
// problems, it appends nothing more and reports nothing more.
TEST(ScanStop, EachScannerReturnsAtItsNextEntry) {
  TRegScanEngine engine{0};
  struct Case {
    int32_t category;
    std::function<void(TScanFixture&, int)> seed;  // seeds problem number i (0..2)
  } cases[] = {
      {1, [](TScanFixture& fx, int i) {
         fx.SetString(HKEY_LOCAL_MACHINE, kFonts, fx.Tag() + std::to_wstring(i), fx.Tag() + L"-gone.ttf");
       }},
      {2, [](TScanFixture& fx, int i) {
         fx.SetString(HKEY_LOCAL_MACHINE, kHelp, fx.Tag() + std::to_wstring(i) + L".hlp", L"");
       }},
      {3, [](TScanFixture& fx, int i) {
         fx.SetDword(HKEY_LOCAL_MACHINE, kShared, fx.Folder() + fx.Tag() + std::to_wstring(i), 0);
       }},
      {4, [](TScanFixture& fx, int i) {
         fx.SetString(HKEY_CLASSES_ROOT, L"\\CLSID\\{" + fx.Tag() + std::to_wstring(i) + L"}\\InprocServer32", L"",
                      L"C:\\Missing\\x.dll");
       }},
      {5, [](TScanFixture& fx, int i) {
         fx.SetString(HKEY_LOCAL_MACHINE, kAppPaths + L"\\" + fx.Tag() + std::to_wstring(i) + L".exe", L"",
                      L"C:\\Missing\\x.exe");
       }},
      {6, [](TScanFixture& fx, int i) {
         fx.CreateKey(HKEY_LOCAL_MACHINE, L"\\Software\\" + fx.Tag() + std::to_wstring(i));
       }},
      {7, [](TScanFixture& fx, int i) {
         fx.CreateKey(HKEY_CURRENT_USER, L"\\Software\\" + fx.Tag() + std::to_wstring(i));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.category);
    TScanFixture fx;
    for (int i = 0; i < 3; ++i) c.seed(fx, i);
    engine.ClearRegItems();
    engine.ScanState = kRegStateRunning;
    TScanReports afterStop;
    engine.GetScanProc(c.category)([&](uint8_t Kind, const std::wstring& Text) {
      if (engine.ScanState == kRegStateStop) {
        afterStop.emplace_back(Kind, Text);
      } else if (Kind == 1 && !RecordsMentioning(CopyRecords(engine.Items), fx.Tag()).empty()) {
        engine.ScanState = kRegStateStop;
      }
    });
    EXPECT_EQ(RecordsMentioning(CopyRecords(engine.Items), fx.Tag()).size(), 1u);
    EXPECT_TRUE(afterStop.empty());
    engine.ClearRegItems();
    engine.ScanState = kRegStateFinished;
  }
}

// A value of a non-string type where a scanner reads text raises the registry error, which ends
// the whole scan; records found before stay.
TEST(ScanErrors, NonStringValuesEndTheScan) {
  TRegScanEngine engine{0};
  struct Case {
    int32_t category;
    HKEY root;
    std::wstring key;     // where the bad value goes; the tag is appended for keys of their own
    bool ownKey;
    std::wstring value;   // value name, the tag appended; empty: the default value
  } cases[] = {
      {1, HKEY_LOCAL_MACHINE, kFonts, false, L" dword font"},
      {2, HKEY_LOCAL_MACHINE, kHelp, false, L".hlp"},
      {4, HKEY_CLASSES_ROOT, L"\\CLSID\\{", true, L""},
      {5, HKEY_LOCAL_MACHINE, kAppPaths + L"\\", true, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.category);
    TScanFixture fx;
    const std::wstring t = fx.Tag();
    std::wstring key = c.key;
    std::wstring value = c.value.empty() ? L"" : t + c.value;
    if (c.ownKey) key += t + (c.category == 4 ? L"}\\TypeLib" : L".exe");
    fx.SetDword(c.root, key, value, 1);
    // A problem of category 1 found before the failing category starts.
    fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" earlier", t + L"-gone.ttf");
    std::wstring label = c.value.empty() ? L"" : value;
    try {
      RunScan(engine, 1, 7, TScanProgressEvent());
      ADD_FAILURE() << "no error";
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message(), L"Invalid data type for '" + label + L"'");
    }
    EXPECT_EQ(engine.ScanState, kRegStateRunning);
    std::vector<TRegItem> found = CopyRecords(engine.Items);
    if (c.category > 1) {
      EXPECT_EQ(CountMine(found, t, 1), 1u);
    }
    for (const TRegItem& item : found) EXPECT_LE(item.Category, c.category);
    engine.ClearRegItems();
    engine.ScanState = kRegStateFinished;
  }
}
