#include "base/string_list.h"

#include <algorithm>
#include <stdexcept>

#include "base/exception.h"
#include "base/strings.h"

namespace {

bool LessText(const std::wstring& a, const std::wstring& b) { return CompareText(a, b) < 0; }

}  // namespace

const std::wstring& TStringList::operator[](int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("TStringList index out of bounds");
  return items_[index];
}

std::wstring& TStringList::operator[](int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TStringList index out of bounds");
  return items_[index];
}

int TStringList::Add(const std::wstring& s) {
  if (!sorted_) {
    items_.push_back(s);
    return Count() - 1;
  }
  auto at = std::upper_bound(items_.begin(), items_.end(), s, LessText);
  int index = static_cast<int>(at - items_.begin());
  items_.insert(at, s);
  return index;
}

void TStringList::Insert(int index, const std::wstring& s) {
  if (index < 0 || index > Count()) throw std::out_of_range("TStringList index out of bounds");
  items_.insert(items_.begin() + index, s);
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TStringList index out of bounds");
  items_.erase(items_.begin() + index);
}

int TStringList::IndexOf(const std::wstring& s) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(items_[i], s)) return i;
  return -1;
}

std::wstring TStringList::Text() const {
  std::wstring text;
  for (const std::wstring& s : items_) {
    text += s;
    text += L"\r\n";
  }
  return text;
}

void TStringList::SetText(const std::wstring& text) {
  items_.clear();
  size_t start = 0;
  const size_t n = text.size();
  while (start < n) {
    size_t end = start;
    while (end < n && text[end] != L'\r' && text[end] != L'\n' && text[end] != L'\0') ++end;
    items_.push_back(text.substr(start, end - start));
    if (end < n && text[end] == L'\r' && end + 1 < n && text[end + 1] == L'\n') ++end;
    start = end + 1;
  }
  if (sorted_) Sort();
}

std::wstring TStringList::Names(int index) const {
  const std::wstring& s = (*this)[index];
  size_t eq = s.find(L'=');
  return eq == std::wstring::npos ? std::wstring() : s.substr(0, eq);
}

std::wstring TStringList::ValueFromIndex(int index) const {
  const std::wstring& s = (*this)[index];
  size_t eq = s.find(L'=');
  return eq == std::wstring::npos ? std::wstring() : s.substr(eq + 1);
}

int TStringList::IndexOfName(const std::wstring& name) const {
  for (int i = 0; i < Count(); ++i) {
    size_t eq = items_[i].find(L'=');
    if (eq != std::wstring::npos && SameText(items_[i].substr(0, eq), name)) return i;
  }
  return -1;
}

std::wstring TStringList::Values(const std::wstring& name) const {
  int i = IndexOfName(name);
  return i < 0 ? std::wstring() : ValueFromIndex(i);
}

void TStringList::SetValue(const std::wstring& name, const std::wstring& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (i >= 0 && !sorted_) items_[i] = name + L"=" + value;
  else {
    if (i >= 0) Delete(i);
    Add(name + L"=" + value);
  }
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) Sort();
  sorted_ = sorted;
}

void TStringList::Sort() { std::stable_sort(items_.begin(), items_.end(), LessText); }

void TStringList::LoadFromFile(const std::wstring& fileName, UINT codePage) {
  HANDLE file = CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw EFOpenError(L"Cannot open file \"" + fileName + L"\"");
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof(buffer), &read, nullptr) != FALSE) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  if (!ok) throw EFOpenError(L"Cannot open file \"" + fileName + L"\"");
  SetText(AnsiToWide(bytes, codePage));
}

void TStringList::SaveToFile(const std::wstring& fileName, UINT codePage) const {
  HANDLE file = CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw EFCreateError(L"Cannot create file \"" + fileName + L"\"");
  std::string bytes = WideToAnsi(Text(), codePage);
  DWORD written = 0;
  bool ok = bytes.empty() ||
            (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
  CloseHandle(file);
  if (!ok) throw EFCreateError(L"Cannot create file \"" + fileName + L"\"");
}
