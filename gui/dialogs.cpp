#include "gui/dialogs.h"

#include <algorithm>

const TEnumInfo OpenOptionInfo{{L"ofReadOnly", L"ofOverwritePrompt", L"ofHideReadOnly", L"ofNoChangeDir",
                                L"ofShowHelp", L"ofNoValidate", L"ofAllowMultiSelect", L"ofExtensionDifferent",
                                L"ofPathMustExist", L"ofFileMustExist", L"ofCreatePrompt", L"ofShareAware",
                                L"ofNoReadOnlyReturn", L"ofNoTestFileCreate", L"ofNoNetworkButton",
                                L"ofNoLongNames", L"ofOldStyleDialog", L"ofNoDereferenceLinks",
                                L"ofEnableIncludeNotify", L"ofEnableSizing", L"ofDontAddToRecent",
                                L"ofForceShowHidden"}};

namespace {

// The system's dialog. comdlg32 is loaded the first time a dialog opens, not with the program:
// it brings the printing libraries with it, megabytes that most runs never need.
BOOL SystemOpenFileName(OPENFILENAMEW* ofn) {
  using TGetOpenFileName = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const TGetOpenFileName function = [] {
    HMODULE module = LoadLibraryW(L"comdlg32.dll");
    return module ? reinterpret_cast<TGetOpenFileName>(
                        reinterpret_cast<void (*)()>(GetProcAddress(module, "GetOpenFileNameW")))
                  : nullptr;
  }();
  return function ? function(ofn) : FALSE;
}

TOpenFileNameFunc& OpenFileNameFunc() {
  static TOpenFileNameFunc func = SystemOpenFileName;
  return func;
}

// Room for many chosen names at once.
constexpr size_t kBufferChars = 64 * 1024;

}  // namespace

void SetOpenFileNameFunc(TOpenFileNameFunc func) {
  OpenFileNameFunc() = func ? std::move(func) : SystemOpenFileName;
}

std::wstring DialogFilter(const std::wstring& filter) {
  if (filter.empty()) return std::wstring();
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (;;) {
    size_t bar = filter.find(L'|', start);
    parts.push_back(filter.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start));
    if (bar == std::wstring::npos) break;
    start = bar + 1;
  }
  if (parts.size() % 2) parts.push_back(L"*.*");
  std::wstring result;
  for (size_t i = 0; i < parts.size(); i += 2) {
    result += parts[i] + L'\0';
    result += (parts[i + 1].empty() ? L"*.*" : parts[i + 1]) + L'\0';
  }
  return result + L'\0';
}

std::vector<std::wstring> SelectedFiles(const wchar_t* buffer, size_t size) {
  std::vector<std::wstring> names;
  size_t pos = 0;
  while (pos < size && buffer[pos]) {
    size_t end = pos;
    while (end < size && buffer[end]) ++end;
    names.emplace_back(buffer + pos, end - pos);
    pos = end + 1;
  }
  if (names.size() <= 1) return names;
  // A folder and the names chosen in it.
  std::wstring folder = names[0];
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> files;
  for (size_t i = 1; i < names.size(); ++i) files.push_back(folder + names[i]);
  return files;
}

DWORD OpenFlags(TOpenOptions options) {
  static const std::pair<TOpenOption, DWORD> flags[] = {
      {TOpenOption::ofReadOnly, OFN_READONLY},
      {TOpenOption::ofOverwritePrompt, OFN_OVERWRITEPROMPT},
      {TOpenOption::ofHideReadOnly, OFN_HIDEREADONLY},
      {TOpenOption::ofNoChangeDir, OFN_NOCHANGEDIR},
      {TOpenOption::ofShowHelp, OFN_SHOWHELP},
      {TOpenOption::ofNoValidate, OFN_NOVALIDATE},
      {TOpenOption::ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
      {TOpenOption::ofPathMustExist, OFN_PATHMUSTEXIST},
      {TOpenOption::ofFileMustExist, OFN_FILEMUSTEXIST},
      {TOpenOption::ofCreatePrompt, OFN_CREATEPROMPT},
      {TOpenOption::ofShareAware, OFN_SHAREAWARE},
      {TOpenOption::ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
      {TOpenOption::ofNoTestFileCreate, OFN_NOTESTFILECREATE},
      {TOpenOption::ofNoNetworkButton, OFN_NONETWORKBUTTON},
      {TOpenOption::ofNoLongNames, OFN_NOLONGNAMES},
      {TOpenOption::ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
      {TOpenOption::ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
      {TOpenOption::ofEnableSizing, OFN_ENABLESIZING},
      {TOpenOption::ofDontAddToRecent, OFN_DONTADDTORECENT},
      {TOpenOption::ofForceShowHidden, OFN_FORCESHOWHIDDEN},
  };
  DWORD result = OFN_EXPLORER;
  for (const auto& f : flags)
    if (options.Contains(f.first)) result |= f.second;
  return result;
}

const TClassInfo& TOpenDialog::StaticClass() {
  static const TClassInfo info(
      L"TOpenDialog", &TComponent::StaticClass(), &CreateInstance<TOpenDialog>,
      {props::Str(L"Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter),
       props::Int(L"FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex),
       props::Str(L"InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir),
       props::Str(L"Title", &TOpenDialog::Title, &TOpenDialog::SetTitle),
       props::Str(L"DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt),
       props::Str(L"FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName),
       props::Set(L"Options", OpenOptionInfo, &TOpenDialog::Options, &TOpenDialog::SetOptions)});
  return info;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
  std::vector<wchar_t> buffer(kBufferChars, L'\0');
  std::copy_n(fileName_.begin(), std::min(fileName_.size(), buffer.size() - 1), buffer.begin());
  const std::wstring filter = DialogFilter(filter_);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(std::max(filterIndex_, 0));
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
  ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
  ofn.lpstrDefExt = defaultExt_.empty() ? nullptr : defaultExt_.c_str();
  ofn.Flags = OpenFlags(options_);
  if (!OpenFileNameFunc()(&ofn)) return false;
  files_ = SelectedFiles(buffer.data(), buffer.size());
  fileName_ = files_.empty() ? std::wstring() : files_.front();
  filterIndex_ = static_cast<int>(ofn.nFilterIndex);
  return true;
}

void RegisterDialogClasses() { RegisterClass(TOpenDialog::StaticClass()); }
