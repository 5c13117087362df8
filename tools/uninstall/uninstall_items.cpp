#include "tools/uninstall/uninstall_items.h"

#include <cstring>

#include "base/current_user.h"
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_shared_tests.h"
#include "tools/uninstall/slow_info_cache.h"

namespace {

const wchar_t kMachineListKey[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t kMachineCacheKey[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Management\\ARPCache";
const wchar_t kUserListKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t kUserCacheKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\App Management\\ARPCache";

// The stored characters up to the first zero, within the value's bytes.
std::wstring StoredText(const std::vector<BYTE>& data) {
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) memcpy(&text[0], data.data(), text.size() * sizeof(wchar_t));
  const size_t zero = text.find(L'\0');
  if (zero != std::wstring::npos) text.resize(zero);
  return text;
}

uint64_t StoredNumber(const std::vector<BYTE>& data, size_t bytes) {
  uint64_t value = 0;
  for (size_t i = bytes; i-- > 0;) value = (value << 8) | data[i];
  return value;
}

// A value wanted as text: the string types as stored (unexpanded), numbers in decimal, any
// other type (binary data, say) as absent.
std::wstring ReadText(HKEY key, const wchar_t* name) {
  DWORD type;
  std::vector<BYTE> data;
  if (!ReadRegValue(key, name, type, data)) return std::wstring();
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ:
      return StoredText(data);
    case REG_DWORD:
      return data.size() >= 4 ? std::to_wstring(StoredNumber(data, 4)) : std::wstring();
    case REG_QWORD:
      return data.size() >= 8 ? std::to_wstring(StoredNumber(data, 8)) : std::wstring();
    default:
      return std::wstring();
  }
}

// A value wanted as a flag: its lowest byte is non-zero. Numbers count as stored, text as the
// number it holds; anything else, like an absent value, counts as not set.
bool ReadFlag(HKEY key, const wchar_t* name) {
  DWORD type;
  std::vector<BYTE> data;
  if (!ReadRegValue(key, name, type, data)) return false;
  uint64_t value = 0;
  if ((type == REG_DWORD && data.size() >= 4) || (type == REG_QWORD && data.size() >= 8)) {
    value = StoredNumber(data, 1);
  } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
    int number = 0;
    if (!TryStrToInt(Trim(StoredText(data)), number)) return false;
    value = static_cast<uint32_t>(number);
  }
  return (value & 0xFF) != 0;
}

// Reads one program's key into Item; false when the program is not listed.
bool ReadProgram(HKEY key, TUninstallItem& Item) {
  Item.DisplayName = ReadText(key, L"DisplayName");
  if (Trim(Item.DisplayName).empty()) return false;
  if (ReadFlag(key, L"SystemComponent")) return false;
  if (LowerCase(ReadText(key, L"ReleaseType")) == L"hotfix") return false;
  Item.DisplayIcon = ExtractExePath(ExpandEnvironmentText(ReadText(key, L"DisplayIcon")));
  if (LowerCase(ExtractFileExt(Item.DisplayIcon)) == L".exe") Item.ExeFile = Item.DisplayIcon;
  Item.InstallDate = InstallDateText(ReadText(key, L"InstallDate"));
  const std::wstring version = ReadText(key, L"DisplayVersion");
  Item.DisplayVersion = Trim(version).empty() ? L"N/A" : version;
  Item.UninstallString = ReadText(key, L"UninstallString");
  Item.HelpLink = ReadText(key, L"HelpLink");
  Item.TSAware = ReadFlag(key, L"TSAware");
  return true;
}

// The cached usage record of the program, when Windows keeps one.
void ReadCache(HKEY Root, const std::wstring& CacheKey, TUninstallItem& Item) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  DWORD type;
  std::vector<BYTE> data;
  TSlowInfoCache record;
  if (reg.OpenKeyReadOnly(CacheKey) && ReadRegValue(reg.CurrentKey(), L"SlowInfoCache", type, data) &&
      ParseSlowInfoCache(data, record)) {
    Item.HasCache = true;
    if (record.HasName) Item.ExeFile = record.Name;
    Item.Size = record.InstalledSize;
    Item.Frequency = record.Frequency;
    Item.LastUsed = LastUsedText(record.LastUsed);
  }
  Item.InstallLocation = ExtractFilePath(Item.ExeFile);
}

}  // namespace

std::vector<TUninstallPass> UninstallPasses() {
  std::vector<TUninstallPass> passes{{HKEY_LOCAL_MACHINE, kMachineListKey, kMachineCacheKey}};
  std::wstring sid;
  if (GetCurrentUserSid(sid) == 0)
    passes.push_back({HKEY_USERS, L"\\" + sid + kUserListKey, L"\\" + sid + kUserCacheKey});
  return passes;
}

void ScanUninstallItems(const std::vector<TUninstallPass>& Passes, std::vector<TUninstallItem>& Items) {
  Items.clear();
  for (const TUninstallPass& pass : Passes) {
    TRegistry list(KEY_READ);
    list.SetRootKey(pass.Root);
    if (!list.OpenKeyReadOnly(pass.ListKey)) continue;
    std::vector<std::wstring> names;
    list.GetKeyNames(names);
    for (const std::wstring& name : names) {
      TRegistry program(KEY_READ);
      program.SetRootKey(pass.Root);
      if (!program.OpenKeyReadOnly(pass.ListKey + L"\\" + name)) continue;
      TUninstallItem item;
      if (!ReadProgram(program.CurrentKey(), item)) continue;
      item.Root = pass.Root;
      item.Key = pass.ListKey + L"\\" + name;
      ReadCache(pass.Root, pass.CacheKey + L"\\" + name, item);
      Items.push_back(std::move(item));
    }
  }
}

bool IsShownUninstallItem(const TUninstallItem& Item, bool ShowWindowsUpdate) {
  return ShowWindowsUpdate || !Item.TSAware;
}

std::wstring InstallDateText(const std::wstring& Value) {
  if (Trim(Value).empty()) return L"N/A";
  if (Value.size() == 8) return Value.substr(0, 4) + L"-" + Value.substr(4, 2) + L"-" + Value.substr(6, 2);
  return Value;
}

std::wstring SizeText(int64_t Size) {
  if (Size == -1) return L"N/A";
  const double megabytes = static_cast<double>(Size) / 1048576.0;
  if (megabytes > 1) return Format(L"%.2f Mb", megabytes);
  return Format(L"%.2f Kb", static_cast<double>(Size) / 1024.0);
}

std::wstring FrequencyText(int32_t Frequency) {
  if (Frequency < 0) return L"未知";
  if (Frequency <= 2) return L"很少";
  if (Frequency <= 9) return L"一般";
  return L"经常";
}

std::wstring IconSourceOf(const TUninstallItem& Item) {
  return FileExists(Item.DisplayIcon) ? Item.DisplayIcon : Item.ExeFile;
}

namespace {

// What may stand in a URL handed to the shell: printable ASCII without blanks, quotes, angle
// brackets or backslashes (a backslash lets the shell take the text for a file path).
bool IsUrlCharacter(wchar_t c) { return c > L' ' && c < 0x7F && c != L'\\' && c != L'"' && c != L'<' && c != L'>'; }

bool IsHostCharacter(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.';
}

// A path segment "." or ".." (also percent-encoded): read as a file path, the address climbs
// out of wherever the shell starts.
bool IsDotSegment(std::wstring segment) {
  for (size_t at = segment.find(L'%'); at != std::wstring::npos; at = segment.find(L'%', at + 1))
    if (segment.size() >= at + 3 && segment[at + 1] == L'2' && (segment[at + 2] == L'e' || segment[at + 2] == L'E'))
      segment.replace(at, 3, L".");
  return segment == L"." || segment == L"..";
}

bool HasDotSegment(const std::wstring& path) {
  size_t start = 0;
  for (;;) {
    const size_t end = path.find(L'/', start);
    if (IsDotSegment(path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start))) return true;
    if (end == std::wstring::npos) return false;
    start = end + 1;
  }
}

// "//host[:port]" then nothing or a path without dot segments, a query or a fragment.
bool IsWebAddressAfterScheme(const std::wstring& rest) {
  if (rest.compare(0, 2, L"//") != 0) return false;
  const size_t end = rest.find_first_of(L"/?#", 2);
  if (end != std::wstring::npos && rest[end] == L'/' && HasDotSegment(rest.substr(end, rest.find_first_of(L"?#", end) - end)))
    return false;
  const std::wstring authority = rest.substr(2, end == std::wstring::npos ? std::wstring::npos : end - 2);
  const size_t colon = authority.find(L':');
  const std::wstring host = authority.substr(0, colon);
  if (host.empty() || host.front() == L'.' || host.front() == L'-' || host.back() == L'.' ||
      host.find(L"..") != std::wstring::npos)
    return false;
  for (wchar_t c : host)
    if (!IsHostCharacter(c)) return false;
  if (colon != std::wstring::npos) {
    const std::wstring port = authority.substr(colon + 1);
    if (port.empty() || port.size() > 5) return false;
    for (wchar_t c : port)
      if (c < L'0' || c > L'9') return false;
  }
  return true;
}

// "user@domain", optionally followed by "?headers"; no slashes, so no path can be read into it.
bool IsMailAddress(const std::wstring& rest) {
  const std::wstring address = rest.substr(0, rest.find(L'?'));
  const size_t at = address.find(L'@');
  if (at == 0 || at == std::wstring::npos || at + 1 >= address.size()) return false;
  return rest.find(L'/') == std::wstring::npos;
}

}  // namespace

std::wstring HelpLinkUrl(const std::wstring& Link) {
  std::wstring url = Trim(Link);
  if (LowerCase(url.substr(0, 4)) == L"www.") url = L"http://" + url;
  for (wchar_t c : url)
    if (!IsUrlCharacter(c)) return L"";
  const size_t colon = url.find(L':');
  if (colon == std::wstring::npos) return L"";
  const std::wstring scheme = LowerCase(url.substr(0, colon));
  const std::wstring rest = url.substr(colon + 1);
  if (scheme == L"http" || scheme == L"https") return IsWebAddressAfterScheme(rest) ? url : L"";
  if (scheme == L"mailto") return IsMailAddress(rest) ? url : L"";
  return L"";
}

TRemoveResult RemoveUninstallEntry(const TUninstallItem& Item) {
  TRegistry reg(KEY_ALL_ACCESS);
  reg.SetRootKey(Item.Root);
  if (!reg.KeyExists(Item.Key)) return TRemoveResult::AlreadyGone;
  return reg.DeleteKey(Item.Key) ? TRemoveResult::Removed : TRemoveResult::Failed;
}
