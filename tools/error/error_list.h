// The problems that error repair offers and the operations that repair each, as ErrorClean.ini
// beside the program lists them:
//   [Error List]  <name>=<number of operations>
//   [<name>]      Description=<text>
//   [<name>@<k>]  RootKey, SubKey, ValueName, ValueType, OPType, ResetValue   (k = 1 .. number)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/ini_file.h"

// ProgramFolder() + "ErrorClean.ini".
std::wstring ErrorCleanFileName();

struct TErrorItem {
  std::wstring Name;
  std::wstring Description;
  int OpCount = 0;
};

// What an operation does (OPType).
enum TRepairOperation : int {
  opDoNothing = -1,
  opDeleteValue = 0,
  opDeleteKey = 1,
  opResetValue = 2,
  opRunCommand = 4,
};

struct TErrorRegItem {
  HKEY RootKey = nullptr;  // nullptr: the file names no root this program knows
  std::wstring SubKey;
  std::wstring ValueName;  // the command line for opRunCommand
  DWORD ValueType = REG_NONE;
  std::vector<BYTE> Data;  // what opResetValue writes
  int OPType = opDoNothing;
  // Why the operation may not run (an unknown root for a registry operation, a value that cannot
  // be written as asked); empty when it may.
  std::wstring Refusal;
};

// The problems of [Error List] in file order. A name without its own section is left out, and so
// is one with more than one operation whose operation sections are not all there.
std::vector<TErrorItem> LoadErrorList(const TIniFile& Ini);

// The operations of a problem, read anew; missing operation sections are passed over.
std::vector<TErrorRegItem> LoadOperations(const TIniFile& Ini, const TErrorItem& Item);

// "Do Nothing", "Delete Value", "Delete the whole Sub Key", "Reset to the given value",
// "a command line"; empty for other codes.
std::wstring OperationLabel(int OPType);
