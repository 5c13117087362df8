// Categories 6 and 7: the first-level program keys below one root's software key.
#pragma once

#include "registry/scan/reg_scan_engine.h"

// Reports every first-level key below Root\SoftWare (except Microsoft and Classes) whose
// whole tree holds no value.
void ScanSoftwareKeys(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root,
                      const wchar_t* RootName, int32_t Category);
