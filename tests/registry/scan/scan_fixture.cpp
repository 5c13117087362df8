#include "scan_fixture.h"

#include <algorithm>
#include <stdexcept>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"

namespace {

int gFixtureCount = 0;

// The nearest ancestor of Path (or Path itself) that does not exist yet, or the empty text.
std::wstring FirstMissingKey(HKEY Root, const std::wstring& Path) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  std::wstring missing;
  std::wstring current = Path;
  while (!current.empty() && !reg.KeyExists(current)) {
    missing = current;
    size_t slash = current.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash == 0) break;
    current.resize(slash);
  }
  return missing;
}

std::wstring WithoutLeadingBackslash(const std::wstring& Path) {
  return !Path.empty() && Path[0] == L'\\' ? Path.substr(1) : Path;
}

bool IsAbsolute(const std::wstring& Path) { return Path.size() >= 2 && Path[1] == L':'; }

void Fail(const std::wstring& What) { throw std::runtime_error(WideToUtf8(What)); }

}  // namespace

TScanFixture::TScanFixture() {
  tag_ = L"QsScan" + std::to_wstring(GetCurrentProcessId()) + L"x" + std::to_wstring(++gFixtureCount);
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, temp);
  folder_ = IncludeTrailingBackslash(temp) + tag_ + L"\\";
  AddFolder(folder_);
}

TScanFixture::~TScanFixture() {
  while (!undo_.empty()) {
    std::function<void()> undo = std::move(undo_.back());
    undo_.pop_back();
    undo();
  }
}

void TScanFixture::CreateKey(HKEY Root, const std::wstring& Path) {
  std::wstring missing = FirstMissingKey(Root, Path);
  if (missing.empty()) return;
  TRegistry reg;
  reg.SetRootKey(Root);
  if (!reg.OpenKey(L"\\" + WithoutLeadingBackslash(Path), true)) Fail(L"cannot create key " + Path);
  reg.CloseKey();
  OnTeardown([Root, missing] {
    TRegistry del;
    del.SetRootKey(Root);
    del.DeleteKey(L"\\" + WithoutLeadingBackslash(missing));
  });
}

void TScanFixture::SetValue(HKEY Root, const std::wstring& Path, const std::wstring& Name, DWORD Type,
                            const void* Data, DWORD Size) {
  CreateKey(Root, Path);
  std::wstring subKey = WithoutLeadingBackslash(Path);
  HKEY key = nullptr;
  if (RegOpenKeyExW(Root, subKey.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    Fail(L"cannot open key " + Path);
  }
  const wchar_t* name = Name.empty() ? nullptr : Name.c_str();
  DWORD oldType = 0, oldSize = 0;
  bool existed = RegQueryValueExW(key, name, nullptr, &oldType, nullptr, &oldSize) == ERROR_SUCCESS;
  std::vector<BYTE> oldData(oldSize);
  if (existed && oldSize) RegQueryValueExW(key, name, nullptr, &oldType, oldData.data(), &oldSize);
  LONG rc = RegSetValueExW(key, name, 0, Type, static_cast<const BYTE*>(Data), Size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) Fail(L"cannot set value " + Path + L"\\" + Name);
  OnTeardown([Root, subKey, Name, existed, oldType, oldData] {
    HKEY k = nullptr;
    if (RegOpenKeyExW(Root, subKey.c_str(), 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
    const wchar_t* n = Name.empty() ? nullptr : Name.c_str();
    if (existed) {
      RegSetValueExW(k, n, 0, oldType, oldData.data(), static_cast<DWORD>(oldData.size()));
    } else {
      RegDeleteValueW(k, n);
    }
    RegCloseKey(k);
  });
}

void TScanFixture::SetString(HKEY Root, const std::wstring& Path, const std::wstring& Name,
                             const std::wstring& Data) {
  SetValue(Root, Path, Name, REG_SZ, Data.c_str(), static_cast<DWORD>((Data.size() + 1) * sizeof(wchar_t)));
}

void TScanFixture::SetExpandString(HKEY Root, const std::wstring& Path, const std::wstring& Name,
                                   const std::wstring& Data) {
  SetValue(Root, Path, Name, REG_EXPAND_SZ, Data.c_str(),
           static_cast<DWORD>((Data.size() + 1) * sizeof(wchar_t)));
}

void TScanFixture::SetDword(HKEY Root, const std::wstring& Path, const std::wstring& Name, DWORD Data) {
  SetValue(Root, Path, Name, REG_DWORD, &Data, sizeof(Data));
}

std::wstring TScanFixture::AddFolder(const std::wstring& Name) {
  std::wstring path = ExcludeTrailingBackslash(IsAbsolute(Name) ? Name : folder_ + Name);
  if (path.size() <= 3 || DirectoryExists(path)) return path;  // a drive root or an existing folder
  size_t slash = path.find_last_of(L'\\');
  if (slash != std::wstring::npos && slash > 2) AddFolder(path.substr(0, slash));
  if (!CreateDirectoryW(path.c_str(), nullptr)) Fail(L"cannot create folder " + path);
  OnTeardown([path] { RemoveDirectoryW(path.c_str()); });
  return path;
}

std::wstring TScanFixture::AddFile(const std::wstring& Name) {
  std::wstring path = IsAbsolute(Name) ? Name : folder_ + Name;
  size_t slash = path.find_last_of(L'\\');
  AddFolder(path.substr(0, slash));
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail(L"cannot create file " + path);
  DWORD written = 0;
  WriteFile(file, "test", 4, &written, nullptr);
  CloseHandle(file);
  OnTeardown([path] { DeleteFileW(path.c_str()); });
  return path;
}

bool HasEntryReport(const TScanReports& Reports, const std::wstring& Text) {
  return std::find(Reports.begin(), Reports.end(), TScanReports::value_type(0, Text)) != Reports.end();
}

std::vector<TRegItem> RunCategory(TRegScanEngine& Engine, int32_t Category, TScanReports* Reports) {
  Engine.ClearRegItems();
  Engine.ScanState = kRegStateRunning;
  TScanProc scan = Engine.GetScanProc(Category);
  if (!scan) Fail(L"no scanner for category " + std::to_wstring(Category));
  TScanProgressEvent onProgress;
  if (Reports) onProgress = [Reports](uint8_t Kind, const std::wstring& Text) { Reports->emplace_back(Kind, Text); };
  scan(onProgress);
  if (Engine.ScanState == kRegStateRunning) Engine.ScanState = kRegStateFinished;
  return CopyRecords(Engine.Items);
}

std::vector<TRegItem> CopyRecords(const TRegItemList& Items) {
  std::vector<TRegItem> copies;
  for (const auto& item : Items) copies.push_back(*item);
  return copies;
}

std::vector<TRegItem> NewRecords(const std::vector<TRegItem>& Before, const std::vector<TRegItem>& After) {
  std::vector<bool> used(Before.size(), false);
  std::vector<TRegItem> added;
  for (const TRegItem& item : After) {
    bool matched = false;
    for (size_t i = 0; i < Before.size() && !matched; ++i) {
      if (!used[i] && Before[i] == item) used[i] = matched = true;
    }
    if (!matched) added.push_back(item);
  }
  return added;
}

std::vector<TRegItem> RecordsMentioning(const std::vector<TRegItem>& Items, const std::wstring& Text) {
  std::wstring needle = LowerCase(Text);
  std::vector<TRegItem> found;
  for (const TRegItem& item : Items) {
    for (const std::wstring* field : {&item.BaseKey, &item.KeyPath, &item.ValueName, &item.ValueData}) {
      if (LowerCase(*field).find(needle) != std::wstring::npos) {
        found.push_back(item);
        break;
      }
    }
  }
  return found;
}

bool operator==(const TRegItem& A, const TRegItem& B) {
  return A.RootKey == B.RootKey && A.RootName == B.RootName && A.BaseKey == B.BaseKey &&
         A.KeyPath == B.KeyPath && A.ValueName == B.ValueName && A.ValueData == B.ValueData &&
         A.ProblemType == B.ProblemType && A.Description == B.Description && A.Category == B.Category &&
         A.Action == B.Action && A.Status == B.Status && A.Selected == B.Selected && A.Excluded == B.Excluded;
}

void PrintTo(const TRegItem& Item, std::ostream* Out) {
  *Out << "{RootKey " << std::hex << reinterpret_cast<uintptr_t>(Item.RootKey) << std::dec
       << ", RootName \"" << WideToUtf8(Item.RootName) << "\", BaseKey \"" << WideToUtf8(Item.BaseKey)
       << "\", KeyPath \"" << WideToUtf8(Item.KeyPath) << "\", ValueName \"" << WideToUtf8(Item.ValueName)
       << "\", ValueData \"" << WideToUtf8(Item.ValueData) << "\", ProblemType \""
       << WideToUtf8(Item.ProblemType) << "\", Description \"" << WideToUtf8(Item.Description)
       << "\", Category " << Item.Category << ", Action " << int(Item.Action) << ", Status \""
       << WideToUtf8(Item.Status) << "\", Selected " << int(Item.Selected) << ", Excluded "
       << int(Item.Excluded) << "}";
}
