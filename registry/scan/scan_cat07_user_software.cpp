// Category 7: empty program keys below HKEY_CURRENT_USER\SoftWare.
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_software_keys.h"

void ScanUserSoftware(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ScanSoftwareKeys(Engine, OnProgress, HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", 7);
}
