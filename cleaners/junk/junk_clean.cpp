#include "cleaners/junk/junk_clean.h"

#include "base/strings.h"
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
    if (DeleteJunkFile(Trim(file->Path), ToRecycleBin)) {
      ++counts.Deleted;
      counts.FreedBytes += file->Size;
    }
  }
  counts.Completed = true;
  return counts;
}
