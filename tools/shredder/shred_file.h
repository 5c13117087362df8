// Overwriting a file in place, pass after pass, and deleting it.
#pragma once

#include <functional>
#include <string>

#include "tools/shredder/shred_options.h"

struct TShredEvents {
  // After the start of each pass (Percent 0) and whenever the whole-number percentage of the
  // pass changes; Percent never exceeds 100. The page pumps messages here; false stops the shred
  // (the file is then left overwritten as far as it got, and not deleted).
  std::function<bool(int Pass, int Passes, int Percent)> OnProgress;
  // After a pass has been written and flushed to disk, before the next one begins.
  std::function<void(int Pass, char Fill)> OnPassDone;
};

enum class TShredResult {
  Shredded,      // overwritten and deleted
  Missing,       // there was no such file: nothing to do
  NotAFile,      // a folder
  CannotOpen,    // not opened for writing (read-only, in use, no rights)
  WriteFailed,   // a write or the flush failed
  CannotDelete,  // overwritten, but the deletion failed
  Stopped,       // OnProgress asked to stop
  ThroughLink,   // a link, or a name the system takes to another file: nothing written
  HardLinked,    // the file has more names than this one: nothing written
};

// Each pass writes the pass's fill character over exactly the file's length (so the size never
// changes) and flushes it to disk before the next pass; then the file is deleted. Only exactly the
// named file is overwritten: a link, a name the system takes to another file, or a file with more
// than one hard link is refused untouched. The fill byte is the character in the system code page.
// Any failure leaves the file in place.
TShredResult ShredFile(const std::wstring& Path, const TSFOption& Option, const TShredEvents& Events = {});

// The status cell's text: pass, pass count and percentage, each padded to two places
// (" 1/ 3time 43%").
std::wstring ShredStatusText(int Pass, int Passes, int Percent);
// Why a file was not shredded, for the summary ("" for Shredded and Missing).
std::wstring ShredFailureText(TShredResult Result);
