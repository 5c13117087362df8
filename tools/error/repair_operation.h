// Applying one repair operation to the registry, or running its command.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/error/error_list.h"

// Runs a repair's command line as a child process of its own, waited for at most
// kRepairCommandTimeoutMs; true when it ran and ended with exit code 0.
bool RunRepairCommand(const std::wstring& CommandLine);
constexpr DWORD kRepairCommandTimeoutMs = 120000;

// Applies Op; empty when it did what it says or there was nothing to do (a value or key that is
// already gone), else why it failed. A key deletion deletes RootKey\SubKey with its subkeys and
// refuses an empty key path, so a whole root is never emptied. A value is only written into a
// key that exists. A command runs through RunRepairCommand.
std::wstring ApplyOperation(const TErrorRegItem& Op);

// Applies the problem's operations in order, read anew from Ini. Step runs before each and ends
// the repair when it returns false. The reasons of the operations that failed, in order.
std::vector<std::wstring> RepairProblem(const TIniFile& Ini, const TErrorItem& Item, const std::function<bool()>& Step);
