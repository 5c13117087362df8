#include "app/update_check_boxes.h"

#include "base/shell_open.h"
#include "app/vendor_links.h"
#include "gui/application.h"
#include "gui/message_box.h"

TUpdateCheckCallbacks UpdateCheckBoxes() {
  TUpdateCheckCallbacks boxes;
  boxes.ShowInfo = [](const std::wstring& text) { ShowInfo(text); };
  boxes.ShowWarning = [](const std::wstring& text) {
    MessageBoxShow(nullptr, text, kProgramCaption, MB_OK | MB_ICONWARNING);
  };
  boxes.AskYesNo = [](const std::wstring& text) {
    return MessageBoxShow(nullptr, text, kProgramCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
  };
  boxes.OpenWebSite = [] { ShellOpenUrl(kVendorWebSite, SW_SHOW); };
  boxes.ProcessMessages = [] { Application->ProcessMessages(); };
  // Closing the main window ends a running check at once.
  boxes.Cancelled = [] { return Application->Terminated(); };
  return boxes;
}
