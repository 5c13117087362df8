// An environment variable of the test process put back afterwards as it was (removed again when
// it was not set), optionally set to a value of the test's own meanwhile.
#pragma once

#include <windows.h>

#include <string>

class SavedVariable {
 public:
  explicit SavedVariable(const wchar_t* name) : name_(name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    had_ = size != 0;
    if (had_) {
      old_.resize(size);
      old_.resize(GetEnvironmentVariableW(name, &old_[0], size));
    }
  }
  SavedVariable(const wchar_t* name, const std::wstring& value) : SavedVariable(name) {
    SetEnvironmentVariableW(name, value.c_str());
  }
  ~SavedVariable() { SetEnvironmentVariableW(name_.c_str(), had_ ? old_.c_str() : nullptr); }
  SavedVariable(const SavedVariable&) = delete;
  SavedVariable& operator=(const SavedVariable&) = delete;

 private:
  std::wstring name_;
  std::wstring old_;
  bool had_ = false;
};
