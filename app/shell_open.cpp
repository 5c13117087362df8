#include "app/shell_open.h"

#include <windows.h>
#include <shellapi.h>

namespace {
TShellOpenHandler& Replacement() {
    static TShellOpenHandler handler;
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
