// Category number -> scanner.
#include "registry/scan/scan_categories.h"

namespace {

const TCategoryScanner kScanners[kRegCategoryCount + 1] = {
    nullptr,
    ScanFonts,
    ScanHelpFiles,
    ScanSharedDlls,
    ScanActiveX,
    ScanAppPaths,
    ScanSystemSoftware,
    ScanUserSoftware,
    ScanUninstall,
    ScanFileExts,
    ScanMruLists,
    ScanServices,
    ScanStartup,
    ScanFileAssociations,
    ScanSounds,
    ScanEmptyKeys,
};

}  // namespace

TCategoryScanner CategoryScanner(int32_t Category) {
  if (Category < 1 || Category > kRegCategoryCount) return nullptr;
  return kScanners[Category];
}
