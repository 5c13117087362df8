// sfconfig.ini [Fill Options]: the defaults without a file, and what the options dialog saves.
#include "tools/shredder/shred_options.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "tests/base/test_program_folder.h"

TEST(FillOptions, DefaultsWithoutAFileAndBackAfterSaving) {
  TestProgramFolder program;
  EXPECT_EQ(FillOptionsFile(), program.Path() + L"sfconfig.ini");
  TSFOption option{L"x", 9};
  LoadFillOptions(option);
  EXPECT_EQ(option.FillChars, L"@");
  EXPECT_EQ(option.FillTimes, 1);

  SaveFillOptions({L"#$%", 4});
  TSFOption read;
  LoadFillOptions(read);
  EXPECT_EQ(read.FillChars, L"#$%");
  EXPECT_EQ(read.FillTimes, 4);
}

TEST(FillOptions, ACountThatIsNoNumberReadsAsTheDefault) {
  TestProgramFolder program;
  program.WriteFile(L"sfconfig.ini", "[Fill Options]\r\nfillchars=&\r\nfilltimes=many\r\n");
  TSFOption option;
  LoadFillOptions(option);
  EXPECT_EQ(option.FillChars, L"&");
  EXPECT_EQ(option.FillTimes, 1);
}
