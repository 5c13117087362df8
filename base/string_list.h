// A list of text lines with name=value access, as the programs' INI and data files use it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TStringList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Index 0..Count()-1; std::out_of_range otherwise.
  const std::wstring& operator[](int index) const;
  std::wstring& operator[](int index);
  const std::vector<std::wstring>& Strings() const { return items_; }

  // Returns the index the line went to (its sorted place when Sorted).
  int Add(const std::wstring& s);
  void Insert(int index, const std::wstring& s);
  void Delete(int index);
  void Clear() { items_.clear(); }
  // Case-insensitive; -1 when absent.
  int IndexOf(const std::wstring& s) const;

  // Lines joined, each followed by CR LF. Setting splits at CR LF, CR, LF and the zero character;
  // a line end at the very end adds no empty line.
  std::wstring Text() const;
  void SetText(const std::wstring& text);

  // name=value lines: the name is the text before the first '=', compared case-insensitively.
  std::wstring Names(int index) const;
  std::wstring ValueFromIndex(int index) const;
  int IndexOfName(const std::wstring& name) const;
  std::wstring Values(const std::wstring& name) const;  // "" when absent
  // Replaces the first line of that name, or appends one; an empty value deletes the line.
  void SetValue(const std::wstring& name, const std::wstring& value);

  // Sorted lists keep their lines in case-insensitive order; Add puts each line in its place.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  void Sort();

  // 8-bit text in the given code page. Load raises EFOpenError "Cannot open file "<name>"",
  // Save raises EFCreateError "Cannot create file "<name>"".
  void LoadFromFile(const std::wstring& fileName, UINT codePage = CP_ACP);
  void SaveToFile(const std::wstring& fileName, UINT codePage = CP_ACP) const;

 private:
  std::vector<std::wstring> items_;
  bool sorted_ = false;
};
