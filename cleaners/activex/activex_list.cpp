#include "cleaners/activex/activex_list.h"

#include "base/exception.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "base/registry_key.h"
#include "base/string_list.h"
#include "base/strings.h"

const wchar_t* const kActiveXLocked = L"Locked";
const wchar_t* const kActiveXUnlocked = L"Unlock";

std::vector<TActiveXItem> ActiveXItems;
int UnlockedActiveXCount = 0;

namespace {

constexpr int kKillBit = 0x400;

TRegistry& MachineRegistry(TRegistry& reg) {
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  return reg;
}

}  // namespace

TActiveXLine ParseActiveXLine(const std::wstring& line) {
  const std::wstring text = Trim(line);
  const size_t equals = text.find(L'=');
  if (equals == std::wstring::npos) return {text, L""};
  TActiveXLine parsed{text.substr(0, equals), L""};
  for (size_t i = equals + 1; i < text.size(); ++i)
    if (text[i] != L'=') parsed.Name.push_back(text[i]);
  return parsed;
}

std::vector<TActiveXLine> ReadActiveXFile() {
  TStringList lines;
  lines.LoadFromFile(ProgramFolder() + L"ActiveX.dat");
  std::vector<TActiveXLine> parsed;
  for (const std::wstring& line : lines.Strings()) parsed.push_back(ParseActiveXLine(line));
  return parsed;
}

bool IsUsableActiveXClsid(const std::wstring& clsid) {
  return !clsid.empty() && clsid.find(L'\\') == std::wstring::npos;
}

std::wstring ActiveXKeyPath(const std::wstring& clsid) {
  return L"SOFTWARE\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\" + clsid;
}

std::wstring ActiveXStatus(const std::wstring& clsid) {
  if (!IsUsableActiveXClsid(clsid)) return kActiveXUnlocked;
  TRegistry reg(KEY_READ);
  if (!MachineRegistry(reg).OpenKeyReadOnly(ActiveXKeyPath(clsid))) return kActiveXUnlocked;
  const wchar_t* flags = L"Compatibility Flags";
  if (reg.GetDataType(flags) != REG_DWORD || reg.GetDataSize(flags) != 4) return kActiveXUnlocked;
  return reg.ReadInteger(flags) == kKillBit ? kActiveXLocked : kActiveXUnlocked;
}

bool BlockActiveX(const std::wstring& clsid) {
  if (!IsUsableActiveXClsid(clsid)) return false;
  TRegistry reg;
  if (!MachineRegistry(reg).OpenKey(ActiveXKeyPath(clsid), true)) return false;
  try {
    reg.WriteInteger(L"Compatibility Flags", kKillBit);
  } catch (const ERegistryException&) {
    return false;
  }
  return true;
}

bool UnblockActiveX(const std::wstring& clsid) {
  if (!IsUsableActiveXClsid(clsid)) return false;
  TRegistry reg;
  MachineRegistry(reg).DeleteKey(ActiveXKeyPath(clsid));
  return !reg.KeyExists(ActiveXKeyPath(clsid));
}

void ClearActiveXItems() { ActiveXItems.clear(); }

void LoadActiveXList(const TActiveXLoadEvents& Events) {
  const std::vector<TActiveXLine> lines = ReadActiveXFile();
  UnlockedActiveXCount = 0;
  for (const TActiveXLine& line : lines) {
    PumpMessages();
    if (Events.StopRequested && Events.StopRequested()) return;
    if (!IsUsableActiveXClsid(line.CLSID)) continue;
    ActiveXItems.push_back({line.Name, line.CLSID, ActiveXStatus(line.CLSID)});
    if (ActiveXItems.back().Status == kActiveXUnlocked) ++UnlockedActiveXCount;
    if (Events.OnItem) Events.OnItem(ActiveXItems.back());
  }
}

int ApplyActiveXBlock(int Mode) {
  int failed = 0;
  for (TActiveXItem& item : ActiveXItems) {
    PumpMessages();
    if (item.Status != kActiveXUnlocked) continue;
    item.Failed = !(Mode == 1 ? BlockActiveX(item.CLSID) : UnblockActiveX(item.CLSID));
    if (item.Failed) ++failed;
  }
  return failed;
}
