// The fifteen category scanners.
//
// How a category scanner is declared: category N lives in its own file
// registry/scan/scan_catNN_<topic>.cpp (NN two digits) and defines the function named below for N,
// with this signature:
//     void ScanXxx(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);
// It walks its keys, calls Engine.NextEntry(...) once per entry (returning at once when that gives
// false), appends problems with Engine.AddRegItem(...) and lets registry read errors that end a
// scan propagate. The dispatch table (scan_dispatch.cpp) lists the fifteen scanners.
#pragma once

#include "registry/scan/reg_scan_engine.h"

using TCategoryScanner = void (*)(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);

void ScanFonts(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);            // 1
void ScanHelpFiles(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);        // 2
void ScanSharedDlls(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);       // 3
void ScanActiveX(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);          // 4
void ScanAppPaths(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);         // 5
void ScanSystemSoftware(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);   // 6
void ScanUserSoftware(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);     // 7
void ScanUninstall(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);        // 8
void ScanFileExts(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);         // 9
void ScanMruLists(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);         // 10
void ScanServices(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);         // 11
void ScanStartup(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);          // 12
void ScanFileAssociations(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress); // 13
void ScanSounds(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);           // 14
void ScanEmptyKeys(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress);        // 15

// The scanner of Category (1..15), else nullptr.
TCategoryScanner CategoryScanner(int32_t Category);
