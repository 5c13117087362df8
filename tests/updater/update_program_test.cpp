// Update.exe end to end: copied with the program it starts into a throwaway folder, run with
// its switches against the local test server, and checked by what it leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/ini_file.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "test_server.h"
#include "updater/update/update_files.h"

namespace {

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

std::string Pattern(size_t n, int seed) {
  std::string bytes(n, '\0');
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 13 + seed) % 251);
  return bytes;
}

// The visible top-level windows of a process.
struct ProcessWindows {
  DWORD ProcessId;
  std::vector<HWND> Windows;
};
BOOL CALLBACK CollectWindowOf(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<ProcessWindows*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == found->ProcessId && IsWindowVisible(window)) found->Windows.push_back(window);
  return TRUE;
}
std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  ProcessWindows found{processId, {}};
  EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&found));
  return found.Windows;
}

// The updater's visible main window, or nullptr.
HWND MainWindowOf(DWORD processId) {
  for (HWND window : VisibleWindowsOf(processId)) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"TfrmMain") return window;
  }
  return nullptr;
}

class UpdateProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    updater_ = folder_.Path() + L"Update.exe";
    WriteBytes(updater_, ReadRcData(L"UPDATE_EXE"));
    helper_ = ReadRcData(L"MARKER_EXE");
    TIniFile(folder_.Path() + L"Update.ini").WriteString(L"List", L"File", TestServerUrl("ok", "u.txt"));
    PutServerFile("upd/one.dll", one_);
    PutServerFile("upd/sub/deep/two.dat", two_);
    PutServerFile("upd/helper.exe", helper_);
    ServeVersionFile({"upd/one.dll", "upd/sub/deep/two.dat", "upd/helper.exe"});
    ClearServerLog();
  }

  void ServeVersionFile(const std::vector<std::string>& names, const std::string& exeName = "upd\\helper.exe /updated") {
    std::string list;
    for (size_t i = 0; i < names.size(); ++i) list += (i ? "," : "") + Narrow(TestServerUrl("ok", names[i]));
    PutServerFile("u.txt", "[Version]\r\nver=4.2\r\n[Update]\r\nDate=2026-12-01\r\n[Server]\r\nFileList=" + list +
                               "\r\nExeName=" + exeName + "\r\n");
  }

  // Starts Update.exe with `params`; true when it ended on its own within the wait. Otherwise
  // `whileRunning` looks at it, its windows are counted and, with closeWindows, closed (else
  // the process is ended).
  bool RunUpdater(const std::wstring& params, DWORD waitMs, bool closeWindows = false,
                  const std::function<void(DWORD processId)>& whileRunning = {}) {
    std::wstring command = L"\"" + updater_ + L"\"" + (params.empty() ? L"" : L" " + params);
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(updater_.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.Path().c_str(),
                        &si, &pi)) {
      ADD_FAILURE() << "cannot start Update.exe: " << GetLastError();
      return false;
    }
    const bool endedAlone = WaitForSingleObject(pi.hProcess, waitMs) == WAIT_OBJECT_0;
    bool ended = endedAlone;
    if (!ended) {
      if (whileRunning) whileRunning(pi.dwProcessId);
      windowsSeen_ = static_cast<int>(VisibleWindowsOf(pi.dwProcessId).size());
      if (closeWindows) {
        // Boxes first, then the window: each close lets the next one come up.
        for (int round = 0; round < 20 && !ended; ++round) {
          for (HWND window : VisibleWindowsOf(pi.dwProcessId)) PostMessageW(window, WM_CLOSE, 0, 0);
          ended = WaitForSingleObject(pi.hProcess, 1000) == WAIT_OBJECT_0;
        }
      }
      if (!ended) TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return endedAlone;
  }

  bool WaitForMarker() {
    for (int i = 0; i < 200; ++i) {
      if (FileExists(Marker())) return true;
      Sleep(100);
    }
    return false;
  }
  std::wstring Marker() const { return folder_.Path() + L"upd\\started.txt"; }

  TestFolder folder_;
  std::wstring updater_;
  std::string helper_;
  const std::string one_ = Pattern(40000, 1), two_ = Pattern(90000, 2);
  int windowsSeen_ = 0;
};

TEST_F(UpdateProgramTest, UnattendedUpdatePlacesTheFilesRecordsTheVersionAndStartsTheProgram) {
  ASSERT_TRUE(RunUpdater(L"\\internet \\exec \\auto", 120000));
  ASSERT_TRUE(WaitForMarker());
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\one.dll"), one_);
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\sub\\deep\\two.dat"), two_);
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\helper.exe"), helper_);
  EXPECT_EQ(ReadBytes(Marker()), "started /updated");

  TIniFile app(folder_.Path() + L"Config\\App.ini");
  EXPECT_EQ(app.ReadString(L"Version", L"ver", L""), L"4.2");
  EXPECT_FALSE(app.ReadString(L"UpdateTime", L"Date", L"").empty());
  EXPECT_FALSE(FileExists(folder_.Path() + L"Sys.ini"));
  EXPECT_EQ(TIniFile(folder_.Path() + L"Update.ini").ReadInteger(L"Server", L"FileIndex", -1), 0);
  EXPECT_TRUE(DirectoryExists(folder_.Path() + L"Temp"));
  EXPECT_EQ(CountFilesBelow(folder_.Path() + L"Temp\\"), 0);
}

TEST_F(UpdateProgramTest, WrongCommandLinesEndWithoutAWindow) {
  for (const wchar_t* params : {L"", L"\\internet", L"\\INTERNET \\exec", L"\\exec \\internet", L"/internet /exec"}) {
    SCOPED_TRACE(Narrow(params));
    EXPECT_TRUE(RunUpdater(params, 30000));
  }
  EXPECT_FALSE(DirectoryExists(folder_.Path() + L"Temp"));
  EXPECT_TRUE(ServerLog().empty());
}

TEST_F(UpdateProgramTest, ExtraParameterKeepsTheWindowWaitingForTheUser) {
  // Four parameters: the window opens with its rows, but nothing is fetched until "Update".
  EXPECT_FALSE(RunUpdater(L"\\internet \\exec \\auto x", 5000, true));
  EXPECT_GE(windowsSeen_, 1);
  EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\one.dll"));
  EXPECT_FALSE(FileExists(Marker()));
  EXPECT_EQ(TIniFile(folder_.Path() + L"Config\\App.ini").ReadString(L"Version", L"ver", L"0"), L"0");
  EXPECT_EQ(CountFilesBelow(folder_.Path() + L"Temp\\"), 0);
}

TEST_F(UpdateProgramTest, WindowWearsOurSkinAroundItsOwnClientArea) {
  // Our skin: 4-pixel side and bottom borders and a 30-pixel title around the form's 453 x 215.
  constexpr int kBorder = 4, kTitle = 30;
  RECT client{}, window{};
  LONG_PTR style = 0;
  EXPECT_FALSE(RunUpdater(L"\\internet \\exec", 1000, true, [&](DWORD processId) {
    // The skin component is stored switched on: the window is skinned once it is activated,
    // and while skinned the system draws no caption buttons of its own.
    for (int i = 0; i < 300; ++i) {
      if (HWND main = MainWindowOf(processId)) {
        style = GetWindowLongPtrW(main, GWL_STYLE);
        GetClientRect(main, &client);
        GetWindowRect(main, &window);
        if (!(style & WS_SYSMENU)) break;
      }
      Sleep(100);
    }
  }));
  EXPECT_FALSE(style & WS_SYSMENU) << "the window was not skinned";
  EXPECT_EQ(client.right, 453);
  EXPECT_EQ(client.bottom, 215);
  EXPECT_EQ(window.right - window.left, 453 + 2 * kBorder);
  EXPECT_EQ(window.bottom - window.top, 215 + kTitle + kBorder);
}

TEST_F(UpdateProgramTest, HostileNamesWriteNothingOutsideTheProgramFolder) {
  PutServerFile("evil.dll", "evil");
  struct Case {
    std::vector<std::string> names;
    std::string exeName;
  };
  const Case cases[] = {
      {{"upd/one.dll", "upd/../../evil.dll"}, "upd\\helper.exe"},
      {{"upd/one.dll"}, "..\\..\\helper.exe"},
  };
  for (const Case& c : cases) {
    ServeVersionFile(c.names, c.exeName);
    // The refusal is shown in a box; closing it leaves the window without rows, then it closes.
    RunUpdater(L"\\internet \\exec \\auto", 5000, true);
    EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\one.dll"));
    EXPECT_FALSE(FileExists(Marker()));
  }
  // Where "upd/../../evil.dll" would have landed, below Temp\ and below the program folder.
  EXPECT_FALSE(FileExists(folder_.Path() + L"..\\evil.dll"));
  EXPECT_FALSE(FileExists(folder_.Path() + L"Temp\\..\\evil.dll"));
  EXPECT_EQ(TIniFile(folder_.Path() + L"Config\\App.ini").ReadString(L"Version", L"ver", L"0"), L"0");
}

// A server that drips the headers of the first file's size reply: the window shows all the
// same, and closing it ends the program at once instead of after the reply's time-out.
TEST_F(UpdateProgramTest, ClosingTheWindowEndsAWaitForTheServer) {
  PutServerFile("u.txt", "[Version]\r\nver=4.2\r\n[Server]\r\nFileList=" + Narrow(TestServerUrl("drip", "upd/one.dll")) +
                             "\r\nExeName=upd\\helper.exe\r\n");
  bool shown = false;
  double closedAfter = -1;
  EXPECT_FALSE(RunUpdater(L"\\internet \\exec", 0, false, [&](DWORD processId) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    ASSERT_NE(process, nullptr);
    HWND main = nullptr;
    for (int i = 0; i < 200 && !(main = MainWindowOf(processId)); ++i) Sleep(50);
    shown = main != nullptr;
    if (shown) {
      Sleep(1000);  // well inside the wait for the dripping reply
      const ULONGLONG start = GetTickCount64();
      PostMessageW(main, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0) closedAfter = (GetTickCount64() - start) / 1000.0;
    }
    CloseHandle(process);
  }));
  EXPECT_TRUE(shown);
  EXPECT_GE(closedAfter, 0) << "still running 20 s after the close";
  EXPECT_LT(closedAfter, 2.0);
}

// A version file in UTF-16 whose ExeName and listed names climb out of the program folder with
// characters that the system code page maps onto "\\", "/" and "." by best fit: the update goes
// through, the program beside the folder never starts, nothing is written outside the folder.
TEST_F(UpdateProgramTest, BestFitNamesNeverLeaveTheProgramFolder) {
  // The updater in app\, a marker program beside that folder, where "..\helper.exe" leads.
  const std::wstring app = folder_.Path() + L"app\\";
  ForceDirectories(app);
  updater_ = app + L"Update.exe";
  WriteBytes(updater_, ReadRcData(L"UPDATE_EXE"));
  WriteBytes(folder_.Path() + L"helper.exe", helper_);
  TIniFile(app + L"Update.ini").WriteString(L"List", L"File", TestServerUrl("ok", "u.txt"));
  PutServerFile("upd/..\xEF\xBC\xBC..\xEF\xBC\xBCone.dll", one_);
  const std::wstring climbing = L"upd/..\uFF3C..\uFF3Cone.dll";
  const wchar_t* exeNames[] = {L"..\uFF3Chelper.exe /x", L"\uFF0E\uFF0E\uFF3Chelper.exe /x", L"..\uFF0Fhelper.exe /x",
                               L"\uFF0E\uFF0E/helper.exe"};
  for (const wchar_t* exeName : exeNames) {
    SCOPED_TRACE(testing::Message() << exeName);
    DeleteFileW((app + L"upd\\one.dll").c_str());
    PutServerFile("u.txt", Utf16File(L"[Version]\r\nver=4.2\r\n[Server]\r\nFileList=" + TestServerUrl("ok", "upd/one.dll") +
                                     L"," + TestServerUrl("ok", "") + climbing + L"\r\nExeName=" + exeName + L"\r\n"));
    EXPECT_TRUE(RunUpdater(L"\\internet \\exec \\auto", 60000));
    EXPECT_EQ(ReadBytes(app + L"upd\\one.dll"), one_);
    EXPECT_EQ(ReadBytes(app + L"upd\\..\uFF3C..\uFF3Cone.dll"), one_);
  }
  Sleep(1500);  // time for a wrongly started program to leave its mark
  EXPECT_FALSE(FileExists(folder_.Path() + L"started.txt"));
  EXPECT_FALSE(FileExists(folder_.Path() + L"one.dll"));
  EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\one.dll"));
}

}  // namespace
