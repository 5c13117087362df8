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
}  // namespace

void ShellOpen(const std::wstring& target, int showCommand) {
    if (Replacement()) {
        Replacement()(target, showCommand);
        return;
    }
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, showCommand);
}

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
