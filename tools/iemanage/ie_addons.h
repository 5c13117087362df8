// The browser add-ons registered on the machine (helper objects, toolbars, explorer bars,
// button extensions), and their removal.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/version_info.h"

struct TIEBHOItem {
  std::wstring Name;
  std::wstring FileName;
  std::wstring TypeLabel;
  TVersionInfo VersionInfo;
  HKEY RootKey = nullptr;
  std::wstring KeyPath;
  // The value that registers the add-on; empty when the whole of KeyPath goes.
  std::wstring ValueName;
};

// Every add-on in the order found: helper objects, toolbars, explorer bars of the machine and
// then of the user, extensions. An add-on whose class has no in-process server is left out
// (extensions excepted). Values of an unexpected type read as empty; nothing ends the listing.
std::vector<TIEBHOItem> ScanIEAddons();

// Deletes the add-on's key with its subkeys, or its value in KeyPath; true when it is gone.
bool RemoveIEAddon(const TIEBHOItem& item);
