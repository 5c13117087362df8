#include "cleaners/fixes/fix_resource.h"

#include "base/files.h"
#include "base/strings.h"

const wchar_t* const kSysFixModule = L"Quillstead.dll";
const wchar_t* const kFileFixModule = L"Halvorine.dll";

TFixModule::TFixModule(const std::wstring& fileName) {
  // As data: the definitions are all we need of it, and a module of the other architecture
  // loads too.
  module_ = LoadLibraryExW((ProgramFolder() + fileName).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

TFixModule::~TFixModule() {
  if (module_) FreeLibrary(module_);
}

bool OpenFixResource(HMODULE module, const std::wstring& name, std::string& bytes) {
  bytes.clear();
  if (!module) return false;
  HRSRC found = FindResourceW(module, name.c_str(), L"RC_FIX");
  if (!found) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (!data) return false;
  bytes.assign(data, SizeofResource(module, found));
  return true;
}

std::wstring ReadFixResourceText(HMODULE module, const std::wstring& name) {
  std::string bytes;
  if (!OpenFixResource(module, name, bytes)) return L"";
  return AnsiToWide(bytes.substr(0, bytes.find('\0')));
}
