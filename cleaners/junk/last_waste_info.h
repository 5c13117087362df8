// The junk cleaner's own writer and reader of its last-run record ([LastInfo_Waste] in
// Cleaner.ini). Both set the program's date and time formats first, so the record is written and
// read as "yyyy-mm-dd hh:nn:ss" whatever changed them.
#pragma once

#include "base/date_time.h"

struct TLastWasteInfo {
  TDateTime When = 0;
  int ScanNum = 0;   // junk files found
  int ClearNum = 0;  // junk files deleted
};

void StoreLastWasteInfo(int ScanNum, int ClearNum, TDateTime When);
// Zero date and counts when nothing was stored.
TLastWasteInfo LoadLastWasteInfo();
