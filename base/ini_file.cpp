#include "base/ini_file.h"

#include <windows.h>

#include <vector>

#include "base/exception.h"
#include "base/strings.h"

namespace {

// GetPrivateProfileString into a buffer that grows until the answer fits. A null section or
// key lists names, each ended by a zero character.
std::wstring ProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                           const std::wstring& fileName) {
  std::vector<wchar_t> buffer(1024);
  for (;;) {
    DWORD n = GetPrivateProfileStringW(section, key, defaultValue, buffer.data(), static_cast<DWORD>(buffer.size()),
                                       fileName.c_str());
    // A full buffer reports size-1 for a value and size-2 for a list of names.
    bool lists = section == nullptr || key == nullptr;
    if (n < buffer.size() - (lists ? 2 : 1) || buffer.size() >= (1u << 24)) return std::wstring(buffer.data(), n);
    buffer.resize(buffer.size() * 4);
  }
}

void SplitNames(const std::wstring& names, TStringList& list) {
  list.Clear();
  size_t start = 0;
  while (start < names.size()) {
    size_t end = names.find(L'\0', start);
    if (end == std::wstring::npos) end = names.size();
    if (end > start) list.Add(names.substr(start, end - start));
    start = end + 1;
  }
}

// The platform may accept a write into its cached copy of a file it then fails to save, and a
// process with administrator rights on Wine may write read-only files, so writability is checked
// first, with the read-only attribute honoured as Windows honours it.
bool CanWrite(const std::wstring& fileName) {
  DWORD attributes = GetFileAttributesW(fileName.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE h = CreateFileW(fileName.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND)
    h = CreateFileW(fileName.c_str(), GENERIC_WRITE, share, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

}  // namespace

std::wstring TIniFile::ReadString(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& defaultValue) const {
  return ProfileString(section.c_str(), key.c_str(), defaultValue.c_str(), fileName_);
}

int TIniFile::ReadInteger(const std::wstring& section, const std::wstring& key, int defaultValue) const {
  return StrToIntDef(ReadString(section, key, L""), defaultValue);
}

bool TIniFile::ReadBool(const std::wstring& section, const std::wstring& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

TDateTime TIniFile::ReadDateTime(const std::wstring& section, const std::wstring& key, TDateTime defaultValue) const {
  std::wstring text = ReadString(section, key, L"");
  TDateTime value;
  if (!text.empty() && TryStrToDateTime(text, value)) return value;
  return defaultValue;
}

void TIniFile::RaiseWriteError() const { throw EIniFileException(L"Unable to write to " + fileName_); }

void TIniFile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  if (!CanWrite(fileName_) ||
      !WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
    RaiseWriteError();
}

void TIniFile::WriteInteger(const std::wstring& section, const std::wstring& key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const std::wstring& section, const std::wstring& key, bool value) {
  WriteString(section, key, value ? L"1" : L"0");
}

void TIniFile::WriteDateTime(const std::wstring& section, const std::wstring& key, TDateTime value) {
  WriteString(section, key, DateTimeToStr(value));
}

void TIniFile::ReadSection(const std::wstring& section, TStringList& keys) const {
  SplitNames(ProfileString(section.c_str(), nullptr, L"", fileName_), keys);
}

void TIniFile::ReadSections(TStringList& sections) const {
  SplitNames(ProfileString(nullptr, nullptr, L"", fileName_), sections);
}

void TIniFile::ReadSectionValues(const std::wstring& section, TStringList& lines) const {
  TStringList keys;
  ReadSection(section, keys);
  lines.Clear();
  for (int i = 0; i < keys.Count(); ++i) lines.Add(keys[i] + L"=" + ReadString(section, keys[i], L""));
}

bool TIniFile::SectionExists(const std::wstring& section) const {
  TStringList keys;
  ReadSection(section, keys);
  return keys.Count() > 0;
}

bool TIniFile::ValueExists(const std::wstring& section, const std::wstring& key) const {
  TStringList keys;
  ReadSection(section, keys);
  return keys.IndexOf(key) >= 0;
}

void TIniFile::EraseSection(const std::wstring& section) {
  if (!CanWrite(fileName_) || !WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, fileName_.c_str()))
    RaiseWriteError();
}

void TIniFile::DeleteKey(const std::wstring& section, const std::wstring& key) {
  WritePrivateProfileStringW(section.c_str(), key.c_str(), nullptr, fileName_.c_str());
}

void TIniFile::UpdateFile() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, fileName_.c_str()); }
