// Program entry of the updater: it runs only with its switches, otherwise it ends at once
// without a window.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "gui/application.h"
#include "skin/skin_manager.h"
#include "updater/program/frmMain.h"
#include "updater/update/command_line.h"

namespace {
std::vector<std::wstring> Parameters() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> params;
  if (!args) return params;
  for (int i = 1; i < count; ++i) params.emplace_back(args[i]);
  LocalFree(args);
  return params;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const TUpdaterCommandLine command = ParseUpdaterCommandLine(Parameters());
  if (!command.Run) return 0;
  try {
    Application->SetTitle(L"Quillstead Update Live ");
    TfrmMain* form = nullptr;
    Application->CreateForm(form);
    form->AutoMode = command.AutoMode;
    Application->Run();
    delete form;
    // Last: every skinner lets go of its window and the hook is removed.
    FreeSkinManager();
  } catch (...) {
    Application->HandleException(nullptr);
    return 1;
  }
  return 0;
}
