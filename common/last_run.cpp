#include "common/last_run.h"

#include <stdexcept>

#include "base/files.h"
#include "base/ini_file.h"
#include "base/strings.h"

TDetailInfoArray RegDetailInfo;
TDetailInfoArray OneClickDetailInfo;

namespace {

void SaveInfo(const wchar_t* section, int scanNum, int clearNum, TDateTime dateTime) {
  TIniFile ini(CleanerIniFileName());
  ini.WriteDateTime(section, L"DateTime", dateTime);
  ini.WriteInteger(section, L"ScanNum", scanNum);
  ini.WriteInteger(section, L"ClearNum", clearNum);
}

void LoadInfo(const wchar_t* section, TDateTime& dateTime, int& scanNum, int& clearNum) {
  TIniFile ini(CleanerIniFileName());
  dateTime = ini.ReadDateTime(section, L"DateTime", 0);
  scanNum = ini.ReadInteger(section, L"ScanNum", 0);
  clearNum = ini.ReadInteger(section, L"ClearNum", 0);
}

void SaveDetail(const TDetailInfoArray& details) {
  TIniFile ini(CleanerIniFileName());
  for (int i = 1; i <= kDetailInfoCount; ++i) {
    const std::wstring n = IntToStr(i);
    ini.WriteString(L"LastRegDetail", L"Name" + n, details[i].Name);
    ini.WriteInteger(L"LastRegDetail", L"ScanNum" + n, details[i].ScanNum);
    ini.WriteInteger(L"LastRegDetail", L"ClearNum" + n, details[i].ClearNum);
  }
}

}  // namespace

TDetailInfo& TDetailInfoArray::operator[](int category) {
  if (category < 1 || category > kDetailInfoCount) throw std::out_of_range("registry category out of range");
  return items_[category - 1];
}

const TDetailInfo& TDetailInfoArray::operator[](int category) const {
  if (category < 1 || category > kDetailInfoCount) throw std::out_of_range("registry category out of range");
  return items_[category - 1];
}

std::wstring CleanerIniFileName() { return ProgramFolder() + L"Cleaner.ini"; }

void SaveLastRegInfo(int scanNum, int clearNum, TDateTime dateTime) {
  SaveInfo(L"LastInfo_Reg", scanNum, clearNum, dateTime);
}

void LoadLastRegInfo(TDateTime& dateTime, int& scanNum, int& clearNum) {
  LoadInfo(L"LastInfo_Reg", dateTime, scanNum, clearNum);
}

void SaveLastRegDetail() { SaveDetail(RegDetailInfo); }

void SaveOneClickRegDetail() { SaveDetail(OneClickDetailInfo); }

void LoadLastRegDetail() {
  TIniFile ini(CleanerIniFileName());
  for (int i = 1; i <= kDetailInfoCount; ++i) {
    const std::wstring n = IntToStr(i);
    RegDetailInfo[i].Name = ini.ReadString(L"LastRegDetail", L"Name" + n, L"");
    RegDetailInfo[i].ScanNum = ini.ReadInteger(L"LastRegDetail", L"ScanNum" + n, 0);
    RegDetailInfo[i].ClearNum = ini.ReadInteger(L"LastRegDetail", L"ClearNum" + n, 0);
  }
}

void SaveLastWasteInfo(int scanNum, int clearNum, TDateTime dateTime) {
  SaveInfo(L"LastInfo_Waste", scanNum, clearNum, dateTime);
}

void LoadLastWasteInfo(TDateTime& dateTime, int& scanNum, int& clearNum) {
  LoadInfo(L"LastInfo_Waste", dateTime, scanNum, clearNum);
}

void SaveLastHisInfo(TDateTime dateTime) {
  TIniFile(CleanerIniFileName()).WriteDateTime(L"LastInfo_His", L"DateTime", dateTime);
}

TDateTime LoadLastHisInfo() { return TIniFile(CleanerIniFileName()).ReadDateTime(L"LastInfo_His", L"DateTime", 0); }

void SaveLastMemoryInfo(TDateTime dateTime) {
  TIniFile(CleanerIniFileName()).WriteDateTime(L"LastInfo_Memory", L"DateTime", dateTime);
}

TDateTime LoadLastMemoryInfo() {
  return TIniFile(CleanerIniFileName()).ReadDateTime(L"LastInfo_Memory", L"DateTime", 0);
}

void SaveLastOneClickInfo(int point, int scanNum, int clearNum, TDateTime dateTime) {
  TIniFile(CleanerIniFileName()).WriteInteger(L"LastOneClickProcess", L"Point", point);
  SaveInfo(L"LastOneClickProcess", scanNum, clearNum, dateTime);
}

void LoadLastOneClickInfo(int& point, TDateTime& dateTime, int& scanNum, int& clearNum) {
  point = TIniFile(CleanerIniFileName()).ReadInteger(L"LastOneClickProcess", L"Point", -1);
  LoadInfo(L"LastOneClickProcess", dateTime, scanNum, clearNum);
}
