// The installed programs that Windows' software list knows, for the machine and for the current
// user, with the usage data Windows caches for them; the texts the list shows; removing an entry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// One installed program.
struct TUninstallItem {
  std::wstring DisplayName;
  std::wstring UninstallString;  // the command that uninstalls the program
  std::wstring ExeFile;          // the program's main executable
  std::wstring DisplayIcon;      // expanded and cut to a file path
  std::wstring InstallLocation;  // the folder of ExeFile
  int64_t Size = -1;             // bytes; -1 unknown
  std::wstring HelpLink;
  std::wstring LastUsed = L"N/A";
  int32_t Frequency = -1;        // times used; -1 unknown
  bool TSAware = false;
  bool HasCache = false;         // the cached usage record was found (only then is an icon looked for)
  int ImageIndex = 0;            // set by the page: 0 is the default icon
  HKEY Root = nullptr;           // the root the entry was found under
  std::wstring Key;              // below Root: software list key + "\" + subkey name
  std::wstring InstallDate = L"N/A";
  std::wstring DisplayVersion = L"N/A";
};

// One pass of the scan: a root with its software list key and the key of the cached records.
struct TUninstallPass {
  HKEY Root;
  std::wstring ListKey;
  std::wstring CacheKey;
};

// The machine's list, then the current user's below HKEY_USERS\<SID> (left out when the user's
// security identifier cannot be read).
std::vector<TUninstallPass> UninstallPasses();

// Reads every pass in order into Items (emptied first). Programs without a name, system
// components and hotfixes are left out. Values of an unexpected type never end the listing:
// numbers stand as decimal text where text is wanted, text holding a number counts as that
// number, and anything else counts as absent.
void ScanUninstallItems(const std::vector<TUninstallPass>& Passes, std::vector<TUninstallItem>& Items);

// Whether the list shows the entry: entries marked TSAware only with "show windows update".
bool IsShownUninstallItem(const TUninstallItem& Item, bool ShowWindowsUpdate);

// "yyyymmdd" as "yyyy-mm-dd", blank as "N/A", anything else as it is.
std::wstring InstallDateText(const std::wstring& Value);
// "N/A" for -1; megabytes above one ("2.00 Mb"), else kilobytes ("1024.00 Kb").
std::wstring SizeText(int64_t Size);
// "很少" 0-2, "一般" 3-9, "经常" 10 and more, "未知" for negative counts.
std::wstring FrequencyText(int32_t Frequency);

// Where the entry's icon comes from: DisplayIcon when that file exists, else ExeFile.
std::wstring IconSourceOf(const TUninstallItem& Item);

// The address a help link may be opened at: an http, https or mailto URL ("www." links get
// "http://" in front) with a host or mail address, no "." or ".." path segment and no backslash,
// blank or control character anywhere. "" for anything else: the shell would run a program or open a file that such a text
// names (a registry value is anyone's to write).
std::wstring HelpLinkUrl(const std::wstring& Link);

enum class TRemoveResult { Removed, AlreadyGone, Failed };
// Deletes the entry's key with all its subkeys below the root it was found under.
TRemoveResult RemoveUninstallEntry(const TUninstallItem& Item);
