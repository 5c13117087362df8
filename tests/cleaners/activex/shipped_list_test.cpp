// The shipped ActiveX.dat: every line names a control by a braced class id.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <set>
#include <string>

#include "base/strings.h"
#include "cleaners/activex/activex_list.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"

namespace {

bool IsBracedGuid(const std::wstring& text) {
  if (text.size() != 38 || text.front() != L'{' || text.back() != L'}') return false;
  for (size_t i = 1; i < 37; ++i) {
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? text[i] != L'-' : !iswxdigit(text[i])) return false;
  }
  CLSID clsid;
  return CLSIDFromString(text.c_str(), &clsid) == NOERROR;
}

TEST(ShippedActiveXList, EveryLineIsABracedGuidWithAName) {
  const std::string dat = ReadRcData(L"SHIPPED_ACTIVEX_DAT");
  ASSERT_FALSE(dat.empty());
  TestProgramFolder folder;
  folder.WriteFile(L"ActiveX.dat", dat);
  const std::vector<TActiveXLine> lines = ReadActiveXFile();
  ASSERT_GT(lines.size(), 0u);
  std::set<std::wstring> seen;
  for (const TActiveXLine& line : lines) {
    const std::string shown = WideToUtf8(line.CLSID);
    EXPECT_TRUE(IsBracedGuid(line.CLSID)) << shown;
    EXPECT_FALSE(line.Name.empty()) << shown;
    EXPECT_TRUE(seen.insert(UpperCase(line.CLSID)).second) << "twice: " << shown;
  }
}

}  // namespace
