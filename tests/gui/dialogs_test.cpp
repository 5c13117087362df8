// The open dialog without a user: its filter text, its flags, and the names it hands back
// (one file, or a folder and several names) through the seam that replaces the dialog.
#include <gtest/gtest.h>

#include <cstring>

#include "gui/dialogs.h"

TEST(OpenDialog, FiltersBecomeNulSeparatedPairs) {
  struct Case {
    const wchar_t* filter;
    std::wstring expected;
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {L"", L""s},
      {L"Text (*.txt)|*.txt", L"Text (*.txt)\0*.txt\0\0"s},
      {L"Text|*.txt|All|*.*", L"Text\0*.txt\0All\0*.*\0\0"s},
      {L"All Files(*.*)", L"All Files(*.*)\0*.*\0\0"s},  // no pattern: every file
      {L"Logs|*.log;*.txt|Empty|", L"Logs\0*.log;*.txt\0Empty\0*.*\0\0"s},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogFilter(c.filter), c.expected) << c.filter;
}

TEST(OpenDialog, SelectedNamesBecomeFullPaths) {
  using namespace std::string_literals;
  struct Case {
    std::wstring buffer;
    std::vector<std::wstring> files;
  };
  const Case cases[] = {
      {L"C:\\data\\one.txt\0\0"s, {L"C:\\data\\one.txt"}},
      {L"C:\\data\0one.txt\0two 2.bin\0\0"s, {L"C:\\data\\one.txt", L"C:\\data\\two 2.bin"}},
      {L"C:\\\0boot.ini\0x\0\0"s, {L"C:\\boot.ini", L"C:\\x"}},
      {L"\0"s, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SelectedFiles(c.buffer.data(), c.buffer.size()), c.files);
}

TEST(OpenDialog, ExecuteShowsTheSettingsAndReadsTheChoice) {
  TOpenDialog dialog(nullptr);
  dialog.SetFilter(L"All Files(*.*)");
  dialog.SetOptions({TOpenOption::ofHideReadOnly, TOpenOption::ofAllowMultiSelect, TOpenOption::ofEnableSizing});
  dialog.SetTitle(L"Add files");
  dialog.SetInitialDir(L"C:\\start");
  std::wstring seenFilter, seenTitle, seenDir;
  DWORD seenFlags = 0;
  BOOL answer = TRUE;
  SetOpenFileNameFunc([&](OPENFILENAMEW* ofn) {
    seenFilter.assign(ofn->lpstrFilter, 18);
    seenTitle = ofn->lpstrTitle;
    seenDir = ofn->lpstrInitialDir;
    seenFlags = ofn->Flags;
    static const wchar_t chosen[] = L"C:\\work\0b.txt\0a.txt\0";
    std::memcpy(ofn->lpstrFile, chosen, sizeof(chosen));
    ofn->nFilterIndex = 1;
    return answer;
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(seenFilter, std::wstring(L"All Files(*.*)\0*.*", 18));
  EXPECT_EQ(seenTitle, L"Add files");
  EXPECT_EQ(seenDir, L"C:\\start");
  EXPECT_EQ(seenFlags, DWORD(OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_ENABLESIZING));
  EXPECT_EQ(dialog.Files(), (std::vector<std::wstring>{L"C:\\work\\b.txt", L"C:\\work\\a.txt"}));
  EXPECT_EQ(dialog.FileName(), L"C:\\work\\b.txt");
  answer = FALSE;  // cancelled: the last choice stays
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Files().size(), 2u);
  SetOpenFileNameFunc(nullptr);
}
