// Category 6: empty program keys below HKEY_LOCAL_MACHINE\SoftWare.
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_software_keys.h"

void ScanSystemSoftware(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ScanSoftwareKeys(Engine, OnProgress, HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", 6);
}
