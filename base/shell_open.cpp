#include "base/shell_open.h"

#include <windows.h>
#include <shellapi.h>

namespace {
TShellOpenHandler& Replacement() {
    static TShellOpenHandler handler;
    return handler;
}

TShellPropertiesHandler& PropertiesReplacement() {
    static TShellPropertiesHandler handler;
    return handler;
}

void Open(const TShellOpenCall& call) {
  if (Replacement()) {
    Replacement()(call);
    return;
  }
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | (call.ClassName.empty() ? 0 : SEE_MASK_CLASSNAME);
  info.lpVerb = L"open";
  info.lpFile = call.File.c_str();
  info.lpClass = call.ClassName.empty() ? nullptr : call.ClassName.c_str();
  info.nShow = call.ShowCommand;
  ShellExecuteExW(&info);
}

bool IsSchemeCharacter(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'+' ||
         c == L'-' || c == L'.';
}

}  // namespace

std::wstring UrlScheme(const std::wstring& Url) {
  const size_t colon = Url.find(L':');
  if (colon == std::wstring::npos || colon < 2) return L"";
  const wchar_t first = Url[0];
  if (!((first >= L'a' && first <= L'z') || (first >= L'A' && first <= L'Z'))) return L"";
  std::wstring scheme;
  for (size_t i = 0; i < colon; ++i) {
    if (!IsSchemeCharacter(Url[i])) return L"";
    scheme.push_back(Url[i] >= L'A' && Url[i] <= L'Z' ? static_cast<wchar_t>(Url[i] - L'A' + L'a') : Url[i]);
  }
  return scheme;
}

void ShellOpenUrl(const std::wstring& Url, int ShowCommand) {
  const std::wstring scheme = UrlScheme(Url);
  if (!scheme.empty()) Open({Url, scheme, ShowCommand});
}

void ShellOpenFolder(const std::wstring& Folder, int ShowCommand) { Open({Folder, L"", ShowCommand}); }

void SetShellOpenForTesting(TShellOpenHandler handler) { Replacement() = std::move(handler); }

void ShellShowProperties(HWND Owner, const std::wstring& path) {
    if (PropertiesReplacement()) {
        PropertiesReplacement()(path);
        return;
    }
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = Owner;
    info.lpVerb = L"properties";
    info.lpFile = path.c_str();
    info.nShow = SW_SHOW;
    if (ShellExecuteExW(&info) && info.hProcess) CloseHandle(info.hProcess);
}

void SetShellPropertiesForTesting(TShellPropertiesHandler handler) { PropertiesReplacement() = std::move(handler); }
