// Last-run records: when each job last ran and what it found and fixed, kept in the last-run
// sections of Cleaner.ini beside the program. Every routine opens the file, handles exactly its
// keys in the order listed, and closes it. Readers give the defaults for a missing file,
// section or key, or a value that does not parse; writers raise EIniFileException
// ("Unable to write to <file>") when the file cannot be written.
#pragma once

#include <array>
#include <string>

#include "base/date_time.h"

// The summary of one registry scan category.
struct TDetailInfo {
  std::wstring Name;  // the category's display name
  int ScanNum = 0;    // problems found
  int ClearNum = 0;   // problems cleaned
};

constexpr int kDetailInfoCount = 15;

// Indexed by registry category 1..15; other indexes raise std::out_of_range.
class TDetailInfoArray {
 public:
  TDetailInfo& operator[](int category);
  const TDetailInfo& operator[](int category) const;

 private:
  std::array<TDetailInfo, kDetailInfoCount> items_;
};

// Filled by the registry cleaner page, shown by the results page.
extern TDetailInfoArray RegDetailInfo;
// Filled by the one-click scan.
extern TDetailInfoArray OneClickDetailInfo;

// ProgramFolder() + "Cleaner.ini".
std::wstring CleanerIniFileName();

// [LastInfo_Reg] DateTime, ScanNum, ClearNum (defaults 0).
void SaveLastRegInfo(int scanNum, int clearNum, TDateTime dateTime);
void LoadLastRegInfo(TDateTime& dateTime, int& scanNum, int& clearNum);

// [LastRegDetail] Name<i>, ScanNum<i>, ClearNum<i> for i = 1..15, from RegDetailInfo or
// OneClickDetailInfo; loading fills RegDetailInfo (defaults "" and 0).
void SaveLastRegDetail();
void SaveOneClickRegDetail();
void LoadLastRegDetail();

// [LastInfo_Waste] DateTime, ScanNum, ClearNum.
void SaveLastWasteInfo(int scanNum, int clearNum, TDateTime dateTime);
void LoadLastWasteInfo(TDateTime& dateTime, int& scanNum, int& clearNum);

// [LastInfo_His] DateTime.
void SaveLastHisInfo(TDateTime dateTime);
TDateTime LoadLastHisInfo();

// [LastInfo_Memory] DateTime.
void SaveLastMemoryInfo(TDateTime dateTime);
TDateTime LoadLastMemoryInfo();

// [LastOneClickProcess] Point, DateTime, ScanNum, ClearNum (defaults -1, 0, 0, 0; Point -1
// means no one-click run yet).
void SaveLastOneClickInfo(int point, int scanNum, int clearNum, TDateTime dateTime);
void LoadLastOneClickInfo(int& point, TDateTime& dateTime, int& scanNum, int& clearNum);
