// The resource-only modules beside the program that carry the fix definitions as resources of
// type "RC_FIX": Quillstead.dll (the "SYSTEM" index, its "SYS_<name>" texts and the "FILE"
// association table) and Halvorine.dll (a "FILE" table).
#pragma once

#include <windows.h>

#include <string>

extern const wchar_t* const kSysFixModule;   // "Quillstead.dll"
extern const wchar_t* const kFileFixModule;  // "Halvorine.dll"

// A module of the program folder, loaded as data only (no code of it runs) and freed when the
// object goes; Handle() is null when it is missing or does not load.
class TFixModule {
 public:
  explicit TFixModule(const std::wstring& fileName);
  ~TFixModule();
  TFixModule(const TFixModule&) = delete;
  TFixModule& operator=(const TFixModule&) = delete;

  HMODULE Handle() const { return module_; }

 private:
  HMODULE module_ = nullptr;
};

// The whole resource `name` of type "RC_FIX", whatever its size; false when the module is not
// loaded or has no such resource.
bool OpenFixResource(HMODULE module, const std::wstring& name, std::string& bytes);

// The resource as text of the system code page, up to its first zero byte; empty when absent.
std::wstring ReadFixResourceText(HMODULE module, const std::wstring& name);
