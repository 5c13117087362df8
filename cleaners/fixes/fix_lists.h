// The system fixes and file-association fixes of one-click maintenance: loaded from the
// definitions in the resource modules, held against the registry, and applied.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TSysItem {
  std::wstring Description;  // from the "SYSTEM" index line
  std::wstring Text;         // the whole "SYS_<name>" fix text
  bool Fixed = false;        // applied in this run, every write and deletion succeeded
  bool NeedsFix = false;     // the registry disagrees (still, after a failed apply)
};

struct TFileItem {
  int Index = 0;  // row number, kept by the page that lists the rows
  std::wstring ExtName;
  std::wstring Description;
  std::wstring CurrentValue;  // the key's default value below HKEY_CLASSES_ROOT
  std::wstring RestoreValue;  // the value the table gives
  std::wstring Path;          // the key followed by a backslash: the value path of its default value
  bool NeedsFix = false;      // the current value does not do what the restore value does
};

// Every fix of the index in index order, whether it needs fixing or not.
extern std::vector<TSysItem> SysItems;
extern int SysFixCount;
// Only the associations that need fixing, in table order.
extern std::vector<TFileItem> FileItems;
extern int FileFixCount;

using TSysItemEvent = std::function<void(const TSysItem& Item)>;
using TFileItemEvent = std::function<void(const TFileItem& Item)>;

// Sets NeedsFix when any line of the text disagrees with the registry (checking stops there).
void CheckSysFixText(TSysItem& Item);
// Applies every line in order: deletion sections delete their key, value lines under a section
// write their value. True when every write and deletion succeeded.
bool ApplySysFixText(const TSysItem& Item);

// Loads Quillstead.dll, appends one checked TSysItem per index line to SysItems (the caller
// empties the list first), counts those that need fixing in SysFixCount (set to 0 first) and
// calls OnItem with each new entry. A missing module or resource gives no entries.
void LoadSysFixes(const TSysItemEvent& OnItem = nullptr);
// Applies every entry that needs fixing and has a text; Fixed and NeedsFix follow the outcome.
// Returns the number of entries that could not be applied whole.
int ApplySysFixes();

// Reads the association's current value (REG_EXPAND_SZ, else REG_SZ) and sets NeedsFix.
void ReadFileFixValue(TFileItem& Item);
// Parses one "FILE" line (malformed lines are skipped), reads its current value, counts it in
// FileFixCount when it needs fixing, calls OnItem and keeps it in FileItems when it needs fixing.
void AddFileFixItem(const std::wstring& Line, const TFileItemEvent& OnItem = nullptr);
// Loads Halvorine.dll and adds every line of its "FILE" table (FileFixCount set to 0 first; the
// caller empties FileItems first).
void LoadFileFixes(const TFileItemEvent& OnItem = nullptr);
// Every valid line of the "FILE" table of a module beside the program, with its current value,
// whether it needs fixing or not; Index is the row number. A missing module or table gives none.
std::vector<TFileItem> ReadFileAssociations(const wchar_t* ModuleName);
// Writes RestoreValue as the default value of Path below HKEY_CLASSES_ROOT (REG_EXPAND_SZ,
// REG_SZ when that fails), then reads the current value again. True when it now agrees.
bool RestoreFileFix(TFileItem& Item);
// Restores every entry of FileItems that needs fixing; returns the number still differing.
int ApplyFileFixes();

void ClearSysItems();
void ClearFileItems();
