#include "cleaners/junk/waste_lists.h"

TWasteFileTypeList WasteFileTypes;
TWasteFileList WasteFiles;
TDiskDriverList DiskDrivers;
TWasteFolderList WasteExcludeFolders;
TWasteFileTypeList WasteExcludeFiles;
TWasteCleanOptions WasteCleanOptions;
TSearchStateInfo WasteSearchState;

void ClearWasteFileTypes() { WasteFileTypes.clear(); }
void ClearWasteFiles() { WasteFiles.clear(); }
void ClearDiskDrivers() { DiskDrivers.clear(); }
void ClearExcludeFolders() { WasteExcludeFolders.clear(); }
void ClearExcludeFiles() { WasteExcludeFiles.clear(); }
