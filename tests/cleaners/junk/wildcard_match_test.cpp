#include "cleaners/junk/wildcard_match.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase {
  const wchar_t* pattern;
  const wchar_t* text;
  bool matches;
};

const MatchCase kCases[] = {
    {L"*", L"", true},
    {L"*", L"anything at all.txt", true},
    {L"", L"", true},
    {L"", L"a", false},
    {L"*.TMP", L"a.tmp", true},
    {L"*.tmp", L"A.TMP", true},
    {L"*.tmp", L"a.tmp.txt", false},
    {L"*.tmp", L"tmp", false},
    {L"?", L"a", true},
    {L"?", L"", false},
    {L"?", L"ab", false},
    {L"a?c", L"abc", true},
    {L"a?c", L"ac", false},
    {L"A*", L"abc", true},
    {L"A*", L"bac", false},
    {L"*B", L"abab", true},
    {L"*B", L"abba", false},
    {L"*.*", L"noextension", false},
    {L"*.*", L"a.b", true},
    {L"~*.*", L"~wrl0001.tmp", true},
    {L"thumbs.db", L"Thumbs.db", true},
    {L"thumbs.db", L"thumbs.db.old", false},
    // A restart resumes after the last '*' just behind the last literal found, so a '?' that
    // follows the '*' never goes back to the text it skipped.
    {L"*?A", L"aaa", false},
    {L"*?A", L"xya", true},
    {L"*?A", L"xa", true},
    {L"*?.tmp", L"a.tmp", true},
    {L"**", L"abc", true},
    {L"*a*b", L"xaybzb", true},
    {L"*a*b", L"xaybzc", false},
    // Only ASCII letters ignore case.
    {L"\u00e9*", L"\u00c9t\u00e9", false},
    {L"\u00e9*", L"\u00e9t\u00e9", true},
    // Folder patterns as the exclusion list uses them.
    {L"C:\\Windows\\", L"c:\\windows\\", true},
    {L"C:\\Windows\\", L"c:\\windowsold\\", false},
    {L"*\\temp\\", L"c:\\users\\me\\temp\\", true},
    {L"?:\\program files\\", L"d:\\program files\\", true},
};

}  // namespace

TEST(WildcardMatchTest, Table) {
  for (const MatchCase& c : kCases) {
    EXPECT_EQ(WildcardMatch(c.pattern, c.text), c.matches) << "pattern '" << testing::PrintToString(std::wstring(c.pattern))
                                                           << "' text " << testing::PrintToString(std::wstring(c.text));
  }
}
