// The evidence list: categories of traces of use and their items, read from Cleaner.ini
// [HistoryList]. Each item's code picks the handler that clears it (history_handlers.h).
#pragma once

#include <windows.h>

#include <string>

constexpr int kMaxHistoryCategories = 100;
constexpr int kMaxHistoryItems = 200;

// Sent by a handler (through its sink, history_handlers.h) when its state changes; both
// parameters 0, the receiver reads the THistoryScanState it handed to the handler.
constexpr UINT WM_HISTORY_STATE = WM_USER + 100;

// Item and handler states.
constexpr int kHisStateLoaded = -2;
constexpr int kHisStateReset = -1;
constexpr int kHisStateRunning = 0;
constexpr int kHisStateDone = 1;
constexpr int kHisStateFailed = 100;

struct TCategoryInfo {
  std::wstring Name;
  int Count = 0;  // number of its items
};

struct THisItem {
  std::wstring Name;
  int Code = 0;                   // handler code; -1 when the value was not a number
  int State = kHisStateLoaded;
  std::wstring StatusText;        // the status column
  bool Checked = true;            // to be cleaned
};

// Filled by a running handler.
struct THistoryScanState {
  std::wstring Name;  // the handler's own label
  int Code = 0;
  int State = kHisStateRunning;  // 0 running, 1 done, 100 failed
};

// The items of every category. The 20,000 entries (over 1.5 MB) are made on first use, not at
// program start: most runs never open the evidence list.
class THisItemTable {
 public:
  // The items of one category, indexed by item number.
  THisItem* operator[](int category);
};

// The process-wide evidence list, shared by the evidence and one-click pages. Indexes are
// 1-based: CategoryInfos[1..100], HisItems[1..100][1..200]; index 0 is unused.
extern TCategoryInfo CategoryInfos[kMaxHistoryCategories + 1];
extern THisItemTable HisItems;
extern int CategoryCount;

// (Re)loads [HistoryList] of Cleaner.ini: a line "label=0" starts a category, any other value
// adds an item with that code to the category started last (a value that is not a number
// gives -1). Lines before the first category, categories beyond 100 and the items of each
// category beyond 200 are ignored. A missing file or section gives no categories.
void LoadHistoryList();

// The check box of a category row: checked when all its items are checked, unchecked when none
// is (or it has none), mixed otherwise.
enum class THisCheckState { Unchecked, Checked, Mixed };
THisCheckState CategoryCheckState(int Category);
// Every item of the category (a click on the category's box), or of every category ("Select
// All").
void SetCategoryChecked(int Category, bool Checked);
void SetAllHistoryItemsChecked(bool Checked);
