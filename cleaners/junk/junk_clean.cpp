#include "cleaners/junk/junk_clean.h"

#include "cleaners/junk/junk_delete.h"
#include "cleaners/junk/junk_pump.h"

TJunkCleanCounts CleanWasteFiles(const TWasteFileList& Files, bool ToRecycleBin, const TJunkCleanStep& OnStep) {
  TJunkCleanCounts counts;
  for (const auto& file : Files) {
    if (file->Selected) ++counts.Selected;
  }
  for (const auto& file : Files) {
    if (OnStep && !OnStep(*file, counts)) return counts;
    OfferJunkPump();
    if (!file->Selected) continue;
    ++counts.Processed;
    // The path exactly as found: a trimmed one may name the neighbour of a file whose name ends
    // in a blank.
    if (DeleteJunkFile(file->Path, ToRecycleBin)) {
      ++counts.Deleted;
      counts.FreedBytes += file->Size;
    }
  }
  counts.Completed = true;
  return counts;
}
