#include "road_seeds.h"

namespace {

const HKEY LM = HKEY_LOCAL_MACHINE, CU = HKEY_CURRENT_USER;
const std::wstring kShared = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const std::wstring kRunOnceEx = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx";
const std::wstring kRunMru = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

}  // namespace

const int32_t kRoadCategories[3] = {3, 10, 12};

void SnapshotKey(HKEY Root, const std::wstring& Path, TRegSnapshot& Out) {
  HKEY key;
  if (RegOpenKeyExW(Root, Path.c_str() + 1, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  Out[Path + L"\\"] = {};
  std::vector<wchar_t> name(32768);
  std::vector<BYTE> data(1 << 20);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type;
    if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    Out[Path + L"\\:" + std::wstring(name.data(), nameLength)] = {type, std::vector<BYTE>(data.begin(), data.begin() + size)};
  }
  std::vector<std::wstring> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.emplace_back(name.data(), nameLength);
  }
  RegCloseKey(key);
  for (const std::wstring& subkey : subkeys) SnapshotKey(Root, Path + L"\\" + subkey, Out);
}

void SeedRoadProblems(TScanFixture& Fx) {
  const std::wstring T = Fx.Tag();
  const std::wstring longDll = Fx.Folder() + std::wstring(300, L'd') + T + L".dll";
  const std::wstring program = Fx.AddFile(L"present.exe");
  const std::wstring deep = L"\\" + T + L"deep\\" + std::wstring(200, L'a') + L"\\" + std::wstring(200, L'b');
  Fx.SetDword(LM, kShared, longDll, 2);
  for (HKEY root : {LM, CU}) {
    Fx.SetString(root, kRunOnceEx, T + L"启动", L"C:\\不存在\\程序" + T + L".exe /q");
    Fx.SetString(root, kRunOnceEx, T + L"kept", L"\"" + program + L"\" /x");
    Fx.CreateKey(root, kRunOnceEx + L"\\" + T + L"empty\\0001");
    Fx.CreateKey(root, kRunOnceEx + deep);
  }
  const BYTE binary[] = {0, 1, 0xFE, 0xFF};
  const wchar_t multi[] = L"一\0two\0";
  Fx.SetValue(CU, kRunMru, T + L"bin", REG_BINARY, binary, sizeof(binary));
  Fx.SetValue(CU, kRunMru, T + L"multi", REG_MULTI_SZ, multi, sizeof(multi));
  Fx.SetExpandString(CU, kRunMru, T + L"expand", L"%SystemRoot%\\数据");
  Fx.SetDword(CU, kRunMru + L"\\" + T + L"sub", L"", 0xDEADBEEF);
  Fx.SetString(CU, kRunMru + L"\\" + T + L"sub\\下", L"名前", L"値");
}

TRegSnapshot RoadBranches() {
  TRegSnapshot snapshot;
  SnapshotKey(LM, kShared, snapshot);
  SnapshotKey(LM, kRunOnceEx, snapshot);
  SnapshotKey(CU, kRunOnceEx, snapshot);
  SnapshotKey(CU, kRunMru, snapshot);
  return snapshot;
}

std::vector<TRegItem*> RoadRecords(const TRegItemList& Items, const std::wstring& Tag) {
  std::vector<TRegItem*> seeded;
  for (const auto& item : Items)
    if ((item->KeyPath + L"|" + item->ValueName).find(Tag) != std::wstring::npos) seeded.push_back(item.get());
  return seeded;
}
