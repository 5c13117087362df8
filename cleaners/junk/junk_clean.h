// Deleting the selected files of a junk scan's results, one at a time, as the junk cleaner and
// one-click pages do once the user has agreed.
#pragma once

#include <cstdint>
#include <functional>

#include "cleaners/junk/waste_lists.h"

struct TJunkCleanCounts {
  int64_t Selected = 0;    // entries marked for deletion when the run started
  int64_t Processed = 0;   // selected entries handled so far
  int64_t Deleted = 0;     // of those, the files that are really gone
  int64_t FreedBytes = 0;  // sizes of the deleted files
  bool Completed = false;  // the run went through the whole list without being cancelled
  // Handled but still there (locked, protected) or already missing before its turn.
  int64_t Failed() const { return Processed - Deleted; }
};

// Called for every entry before it is handled, with the counts so far: the page shows its progress
// there, and returns false to cancel the run before that entry.
using TJunkCleanStep = std::function<bool(const TWasteFile& File, const TJunkCleanCounts& SoFar)>;

// Deletes every selected entry of Files in list order, permanently or into the Recycle Bin, and
// offers the pump at every entry. Failed deletions are counted, never reported.
TJunkCleanCounts CleanWasteFiles(const TWasteFileList& Files, bool ToRecycleBin, const TJunkCleanStep& OnStep);
