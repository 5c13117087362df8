#include "base/string_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/exception.h"
#include "tests/base/test_folder.h"

TEST(StringList, TextSplitsAtEveryLineEnd) {
  TStringList list;
  list.SetText(std::wstring(L"a\r\nb\rc\nd\0e\r\n\r\nf", 16));
  EXPECT_EQ(list.Strings(), std::vector<std::wstring>({L"a", L"b", L"c", L"d", L"e", L"", L"f"}));
  list.SetText(L"one\r\n");
  EXPECT_EQ(list.Count(), 1);
  list.SetText(L"");
  EXPECT_EQ(list.Count(), 0);
  list.SetText(L"x\n\ny");
  EXPECT_EQ(list.Text(), L"x\r\n\r\ny\r\n");
}

TEST(StringList, SearchAndNameValueLines) {
  TStringList list;
  list.Add(L"HKEY_CURRENT_USER\\Software\\A=HKEY_CURRENT_USER");
  list.Add(L"Plain");
  list.Add(L"Key=first=second");
  EXPECT_EQ(list.IndexOf(L"plain"), 1);
  EXPECT_EQ(list.IndexOf(L"missing"), -1);
  EXPECT_EQ(list.Names(0), L"HKEY_CURRENT_USER\\Software\\A");
  EXPECT_EQ(list.ValueFromIndex(2), L"first=second");
  EXPECT_EQ(list.Names(1), L"");
  EXPECT_EQ(list.Values(L"KEY"), L"first=second");
  EXPECT_EQ(list.Values(L"nothing"), L"");
  list.SetValue(L"key", L"v");
  EXPECT_EQ(list[2], L"key=v");
  list.SetValue(L"New", L"1");
  EXPECT_EQ(list[3], L"New=1");
  list.SetValue(L"New", L"");
  EXPECT_EQ(list.Count(), 3);
  list.Delete(0);
  list.Insert(0, L"z");
  EXPECT_EQ(list[0], L"z");
  EXPECT_THROW(list[3], std::out_of_range);
  EXPECT_THROW(list.Delete(-1), std::out_of_range);
}

TEST(StringList, SortedListsKeepOrder) {
  TStringList list;
  list.Add(L"b");
  list.Add(L"C");
  list.Add(L"a");
  list.SetSorted(true);
  EXPECT_EQ(list.Strings(), std::vector<std::wstring>({L"a", L"b", L"C"}));
  EXPECT_EQ(list.Add(L"B2"), 2);
  EXPECT_EQ(list.Strings(), std::vector<std::wstring>({L"a", L"b", L"B2", L"C"}));
}

TEST(StringList, FilesAreAnsiText) {
  TestFolder dir;
  const std::wstring file = dir.Path() + L"list.txt";
  TStringList list;
  list.Add(L"\u6ce8\u518c");
  list.Add(L"plain");
  list.SaveToFile(file, 936);
  HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  char bytes[64];
  DWORD read = 0;
  ReadFile(h, bytes, sizeof(bytes), &read, nullptr);
  CloseHandle(h);
  EXPECT_EQ(std::string(bytes, read), "\xd7\xa2\xb2\xe1\r\nplain\r\n");
  TStringList back;
  back.LoadFromFile(file, 936);
  EXPECT_EQ(back.Strings(), list.Strings());
  try {
    back.LoadFromFile(dir.Path() + L"missing.txt");
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), L"Cannot open file \"" + dir.Path() + L"missing.txt\"");
  }
  EXPECT_THROW(list.SaveToFile(dir.Path() + L"no\\such\\folder.txt"), EFCreateError);
}
