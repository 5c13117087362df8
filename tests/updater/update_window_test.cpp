// The updater's window in this process, against the local test server: a long file list shows
// at once. Timed against a list of the same rows filled in one update in the same run, as the
// machine may be busy.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "base/files.h"
#include "base/ini_file.h"
#include "gui/application.h"
#include "gui/forms.h"
#include "gui/list_view.h"
#include "test_server.h"
#include "tests/base/test_folder.h"
#include "updater/program/frmMain.h"
#include "updater/update/update_files.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// What the framework's list needs for the same rows at best: a report list that has its window,
// filled in one update.
double OneUpdateFillSeconds(int rows) {
  TForm* form = new TForm(nullptr);
  TListView* list = new TListView(form);
  list->SetParent(form);
  list->SetViewStyle(TViewStyle::vsReport);
  list->Columns()->Add()->SetWidth(280);
  list->Columns()->Add()->SetWidth(68);
  list->Handle();
  const Clock::time_point start = Clock::now();
  list->Items()->BeginUpdate();
  for (int i = 0; i < rows; ++i) {
    TListItem* row = list->Items()->Add();
    row->SetCaption(L"a");
    row->AddSubItem(L"\u51C6\u5907\u4E2D");
  }
  list->Items()->EndUpdate();
  const double seconds = SecondsSince(start);
  delete form;
  return seconds;
}

// As many names as a version file can carry (16,000 in its 64 KB): the window, version file and
// all, shows in little more than one update of a list with those rows takes (1.0 to 1.2 times
// here). Rows put in one by one as the list's window was made, each redrawing the list and its
// scroll bars, took 5 to 6 times that.
TEST(UpdateWindowTest, LongFileListShowsAtOnce) {
  constexpr int kRows = 16000;
  TestFolder folder;
  SetProgramFolderForTesting(folder.Path());
  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("ok", "u.txt"));
  PutServerFile("upd/one.dll", "one");
  // Only the first file is asked for (its size, when the window shows); the others name no
  // server at all.
  std::wstring first = TestServerUrl("ok", "upd/one.dll");
  std::string list(first.begin(), first.end());
  for (int i = 1; i < kRows; ++i) list += ",h/a";
  PutServerFile("u.txt", "[Version]\r\nver=4.2\r\n[Server]\r\nFileList=" + list + "\r\nExeName=x.exe\r\n");

  const double before = OneUpdateFillSeconds(kRows);
  const Clock::time_point start = Clock::now();
  TfrmMain* form = new TfrmMain(Application);
  form->Show();
  const double shown = SecondsSince(start);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->ListView1->Items()->Count(), kRows);
  delete form;
  // Measured before and after, the larger counting: a busy moment slows the fill, not the test.
  const double oneUpdate = std::max(before, OneUpdateFillSeconds(kRows));
  EXPECT_LT(shown, 2.5 * oneUpdate) << "shown after " << shown << " s, one update takes " << oneUpdate << " s";
  SetProgramFolderForTesting(L"");
}

}  // namespace
