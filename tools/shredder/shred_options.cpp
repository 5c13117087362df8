#include "tools/shredder/shred_options.h"

#include "base/files.h"
#include "base/ini_file.h"
#include "base/strings.h"

namespace {
const wchar_t kSection[] = L"Fill Options";
}  // namespace

TSFOption ShredLevelOption(int Level) {
  switch (Level) {
    case 2: return {L"@!#$2#3%65^&*", 3};
    case 3: return {L"~!2345@#23$%^&*019", 7};
    default: return {L"@", 1};
  }
}

wchar_t FillCharOfPass(const TSFOption& Option, int Pass) {
  const std::wstring chars = Trim(Option.FillChars).empty() ? std::wstring(L"@") : Option.FillChars;
  const size_t index = Pass > 0 ? static_cast<size_t>(Pass - 1) % chars.size() : 0;
  return chars[index];
}

int PassCount(const TSFOption& Option) { return Option.FillTimes > 0 ? Option.FillTimes : 1; }

std::wstring FillOptionsFile() { return ProgramFolder() + L"sfconfig.ini"; }

void LoadFillOptions(TSFOption& Option) {
  TIniFile ini(FillOptionsFile());
  Option.FillChars = ini.ReadString(kSection, L"fillchars", L"@");
  Option.FillTimes = ini.ReadInteger(kSection, L"filltimes", 1);
}

void SaveFillOptions(const TSFOption& Option) {
  TIniFile ini(FillOptionsFile());
  ini.WriteString(kSection, L"fillchars", Option.FillChars);
  ini.WriteInteger(kSection, L"filltimes", Option.FillTimes);
}
