#include "updater/update/command_line.h"

TUpdaterCommandLine ParseUpdaterCommandLine(const std::vector<std::wstring>& params) {
  TUpdaterCommandLine result;
  result.Run = params.size() >= 2 && params[0] == L"\\internet" && params[1] == L"\\exec";
  result.AutoMode = result.Run && params.size() == 3 && params[2] == L"\\auto";
  return result;
}
