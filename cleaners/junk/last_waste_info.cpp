#include "cleaners/junk/last_waste_info.h"

#include "common/last_run.h"

void StoreLastWasteInfo(int ScanNum, int ClearNum, TDateTime When) {
  SetProgramDateFormats();
  SaveLastWasteInfo(ScanNum, ClearNum, When);
}

TLastWasteInfo LoadLastWasteInfo() {
  SetProgramDateFormats();
  TLastWasteInfo info;
  LoadLastWasteInfo(info.When, info.ScanNum, info.ClearNum);
  return info;
}
