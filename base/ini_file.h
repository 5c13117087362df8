// INI files through the platform's private-profile API: every call opens, uses and closes
// the file, so two objects on one file always see each other's writes.
#pragma once

#include <string>

#include "base/date_time.h"
#include "base/string_list.h"

class TIniFile {
 public:
  // A full path; a bare name would be looked for in the Windows folder.
  explicit TIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}
  const std::wstring& FileName() const { return fileName_; }

  // Values are trimmed and lose one pair of surrounding quotes, as the platform reads them.
  std::wstring ReadString(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue) const;
  // Decimal, or hexadecimal after "0x" or '$'; anything else gives the default.
  int ReadInteger(const std::wstring& section, const std::wstring& key, int defaultValue) const;
  bool ReadBool(const std::wstring& section, const std::wstring& key, bool defaultValue) const;
  // DateTimeToStr text under the process-wide formats; text the parser rejects gives the default.
  TDateTime ReadDateTime(const std::wstring& section, const std::wstring& key, TDateTime defaultValue) const;

  // Each raises EIniFileException "Unable to write to <file>" when the file cannot be written.
  void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  void WriteInteger(const std::wstring& section, const std::wstring& key, int value);
  void WriteBool(const std::wstring& section, const std::wstring& key, bool value);
  void WriteDateTime(const std::wstring& section, const std::wstring& key, TDateTime value);

  // Key names of a section in file order (the list is cleared first).
  void ReadSection(const std::wstring& section, TStringList& keys) const;
  void ReadSections(TStringList& sections) const;
  // key=value lines of a section in file order.
  void ReadSectionValues(const std::wstring& section, TStringList& lines) const;
  bool SectionExists(const std::wstring& section) const;
  bool ValueExists(const std::wstring& section, const std::wstring& key) const;

  void EraseSection(const std::wstring& section);  // raises like the writers
  void DeleteKey(const std::wstring& section, const std::wstring& key);
  // Flushes the platform's cached copy of the file.
  void UpdateFile();

 private:
  [[noreturn]] void RaiseWriteError() const;

  std::wstring fileName_;
};
