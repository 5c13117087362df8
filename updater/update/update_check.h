// The main program's update check, without its window: fetch the server's version file into
// Sys.ini, compare it with the installed version and offer the vendor's web site when the
// server's is newer. The main window supplies the boxes and the shell call. The check runs on
// the window's thread and keeps it responsive: the transfer waits in short slices and handles
// the window's messages between them; a second check asked for meanwhile is ignored.
#pragma once

#include <functional>
#include <string>

struct TUpdateCheckCallbacks {
  // The program's information box (ShowInfo).
  std::function<void(const std::wstring& text)> ShowInfo;
  // The warning box of a failed connection (shown only in a check the user asked for).
  std::function<void(const std::wstring& text)> ShowWarning;
  // The Yes/No question; true for Yes.
  std::function<bool(const std::wstring& text)> AskYesNo;
  // Opens the vendor's web site.
  std::function<void()> OpenWebSite;
  // At most every ~50 ms of the transfer, waits included: the window handles its messages.
  std::function<void()> ProcessMessages;
  // Asked throughout the transfer; true (the program is closing) ends the check silently.
  std::function<bool()> Cancelled;
};

// The texts the check shows.
extern const wchar_t kUpdateQuestionText[];  // "An update is now avaliable.Process with the update?"
extern const wchar_t kNoUpdateText[];        // "There are no update avaliable at this time."
extern const wchar_t kNoServerConfigText[];  // "Obtain the server configuration file failed."
// CR, "Internet connection failed!", two CRs, then the error's message.
std::wstring ConnectionFailedText(const std::wstring& detail);

// The header link ("Update", userStarted) or the timer's silent check: Sys.ini is deleted and
// fetched again from Update.ini [List] File. A failed connection ends the check (with the
// warning only when userStarted); a missing or empty version file is reported in both modes
// and the check goes on with what Sys.ini then says. A server version above the installed one
// asks the question; otherwise only the user's own check says there is none.
void RunUpdateCheck(bool userStarted, const TUpdateCheckCallbacks& callbacks, unsigned long timeoutMs = 60000);

// "Check for Update" on the settings page: compares the stored Sys.ini with the installed
// version without contacting the server.
void OfferStoredUpdate(const TUpdateCheckCallbacks& callbacks);
