#include "cleaners/junk/junk_delete.h"

#include <windows.h>

#include "base/exact_file.h"
#include "base/files.h"
#include "base/recycle_bin.h"

bool DeleteJunkFile(const std::wstring& Path, bool ToRecycleBin) {
  if (!ToRecycleBin) return DeleteExactFile(Path);
  {
    // Nobody is kept from the file: the shell moves it once it is known to be the one recorded.
    TExactFile file(Path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (!file.Opened()) return false;
  }
  return RecycleFiles({Path}) && !FileExists(Path);
}
