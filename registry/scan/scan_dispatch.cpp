// Category number -> scanner. Categories 8 to 15 come from their own files; each is referred to
// only when the build found its file (QS_SCAN_CATEGORY_NN, defined by this folder's CMakeLists).
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
#ifdef QS_SCAN_CATEGORY_08
    ScanUninstall,
#else
    nullptr,
#endif
#ifdef QS_SCAN_CATEGORY_09
    ScanFileExts,
#else
    nullptr,
#endif
#ifdef QS_SCAN_CATEGORY_10
    ScanMruLists,
#else
    nullptr,
#endif
#ifdef QS_SCAN_CATEGORY_11
    ScanServices,
#else
    nullptr,
#endif
#ifdef QS_SCAN_CATEGORY_12
    ScanStartup,
#else
    nullptr,
#endif
#ifdef QS_SCAN_CATEGORY_13
    ScanFileAssociations,
#else
    nullptr,
#endif
#ifdef QS_SCAN_CATEGORY_14
    ScanSounds,
#else
    nullptr,
#endif
#ifdef QS_SCAN_CATEGORY_15
    ScanEmptyKeys,
#else
    nullptr,
#endif
};

}  // namespace

TCategoryScanner CategoryScanner(int32_t Category) {
  if (Category < 1 || Category > kRegCategoryCount) return nullptr;
  return kScanners[Category];
}
