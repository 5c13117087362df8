// ActiveX.dat, the shipped list of harmful ActiveX controls, and their blocking in the browser:
// a control is blocked when HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Internet Explorer\ActiveX
// Compatibility\<class id>" holds "Compatibility Flags" = 1024 (the kill bit) as an integer.
#pragma once

#include <functional>
#include <string>
#include <vector>

extern const wchar_t* const kActiveXLocked;    // "Locked"
extern const wchar_t* const kActiveXUnlocked;  // "Unlock"

// One line of ActiveX.dat: "class id=name".
struct TActiveXLine {
  std::wstring CLSID;  // everything before the first '='
  std::wstring Name;   // everything after it, further '=' dropped
};

// Surrounding blanks and control characters are trimmed; a line without '=' is all class id.
TActiveXLine ParseActiveXLine(const std::wstring& line);
// The lines of ActiveX.dat beside the program, in file order. Raises EFOpenError when the file
// cannot be opened.
std::vector<TActiveXLine> ReadActiveXFile();

// A class id that can name a control's own key: not empty and without a backslash. Anything
// else would address the compatibility key itself (or another key) and is never written or
// deleted.
bool IsUsableActiveXClsid(const std::wstring& clsid);
std::wstring ActiveXKeyPath(const std::wstring& clsid);
// "Locked" when the flags value is exactly 1024, read as an integer; "Unlock" otherwise.
std::wstring ActiveXStatus(const std::wstring& clsid);
// Block writes the flags 1024 as REG_DWORD, creating the key; unblock deletes the whole key
// (true when no key remains). Both false for a class id that is not usable.
bool BlockActiveX(const std::wstring& clsid);
bool UnblockActiveX(const std::wstring& clsid);

struct TActiveXItem {
  std::wstring Name;
  std::wstring CLSID;
  std::wstring Status;  // "Locked" or "Unlock"
  // The last ApplyActiveXBlock could not change its registry setting.
  bool Failed = false;
};

// The process-wide list (one-click maintenance shows and repairs it), in file order.
extern std::vector<TActiveXItem> ActiveXItems;
// Entries of the last load whose Status is "Unlock".
extern int UnlockedActiveXCount;

struct TActiveXLoadEvents {
  // Checked after the pump before every line: true stops the load at once (one-click stop
  // button).
  std::function<bool()> StopRequested;
  // The entry just appended.
  std::function<void(const TActiveXItem& Item)> OnItem;
};

void ClearActiveXItems();
// Appends one entry per line of ActiveX.dat with a usable class id (the list is not emptied
// first) and counts the unblocked ones in UnlockedActiveXCount. Messages are pumped before every
// line (base/message_pump.h), so the window stays responsive. Raises EFOpenError when the
// file cannot be opened.
void LoadActiveXList(const TActiveXLoadEvents& Events);
// For every entry whose Status is "Unlock": Mode 1 blocks it, any other mode unblocks it.
// Statuses and the count stay as they were; an entry whose key could not be changed is marked
// Failed and the rest go on. Messages are pumped before every entry. Returns the number of
// failed entries.
int ApplyActiveXBlock(int Mode);
