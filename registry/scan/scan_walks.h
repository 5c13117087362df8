// Key walks shared by several category scanners.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/registry_key.h"
#include "registry/scan/reg_scan_engine.h"

// Scanning only reads: every walk opens its keys read-only (an account without administrator
// rights can still scan the machine's keys), and so does a visitor that opens keys with the walk's
// key object. Only cleaning asks for write access.

// One subkey of the walked key: Reg is the key object that listed the subkeys (the visitor may open
// other keys with it, read-only), Name the subkey's name and Path the walked key + "\" + Name.
using TSubKeyVisit = std::function<void(TRegistry& Reg, const std::wstring& Name, const std::wstring& Path)>;

// Reports RootName + Key, then opens Root\Key (nothing more when it does not open) and takes each
// of its subkeys as one entry: reported as RootName + Path (a stop ends the walk there), then
// handed to OnEntry.
void WalkSubKeys(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root, const std::wstring& RootName,
                 const std::wstring& Key, const TSubKeyVisit& OnEntry);

// One value of the walked key: Reg has the walked key open, Name is the value's name.
using TValueVisit = std::function<void(TRegistry& Reg, const std::wstring& Name)>;

// Opens Root\Key (nothing when it does not open), reports OpenedReport once it is open
// (when not empty) and takes each of its values as one entry: the scan pumps and checks its stop
// request, without a report of its own, then OnValue gets the value. False when a stop ended the
// walk.
bool WalkValues(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root, const std::wstring& Key,
                const std::wstring& OpenedReport, const TValueVisit& OnValue);

// A root and its name as records and reports show it.
struct TScanRoot {
  HKEY Root;
  const wchar_t* Name;
};

// One entry of a key list: Root and the list key Key (open in Reg while the entry is handled), and
// Name, the name of a value or subkey of Key.
using TKeyListVisit =
    std::function<void(const TScanRoot& Root, const std::wstring& Key, TRegistry& Reg, const std::wstring& Name)>;

// Root after root, every key of Keys that opens read-only below it: its value names, then its subkey
// names, each as one entry reported as RootName + Key + "\" + Name (a stop ends the walk there) and
// handed to OnValue or OnSubKey.
void WalkKeyLists(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, const std::vector<TScanRoot>& Roots,
                  const std::vector<std::wstring>& Keys, const TKeyListVisit& OnValue, const TKeyListVisit& OnSubKey);
