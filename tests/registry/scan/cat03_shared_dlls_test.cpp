// Category 3: shared DLL counters that are 0 or name a missing file.
#include "scan_test_util.h"

namespace {

const std::wstring kShared = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

TRegItem SharedRecord(const std::wstring& Name, bool ZeroCount) {
  return MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", kShared, kShared, Name, L"HKEY_LOCAL_MACHINE" + kShared,
                     L"Share DLL",
                     ZeroCount ? L"Share DLL:" + Name + L"is invalid,it can be deleteed."
                               : L"Share DLL:" + Name + L"is not exist.",
                     3, 2);
}

}  // namespace

TEST(ScanSharedDlls, ZeroCountersAndMissingFiles) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  std::vector<TRegItem> before = RunCategory(engine, 3);
  std::wstring used = fx.AddFile(L"used.dll");
  std::wstring zero = fx.AddFile(L"zero.dll");
  std::wstring text = fx.AddFile(L"text.dll");
  std::wstring binary = fx.AddFile(L"binary.dll");
  std::wstring padded = fx.AddFile(L"padded.dll");
  std::wstring missing = fx.Folder() + L"missing.dll";
  std::wstring missingZero = fx.Folder() + L"missing-zero.dll";

  fx.SetDword(HKEY_LOCAL_MACHINE, kShared, used, 1);
  fx.SetDword(HKEY_LOCAL_MACHINE, kShared, zero, 0);               // 0 even though the file exists
  fx.SetString(HKEY_LOCAL_MACHINE, kShared, text, L"4");           // a counter stored as text counts as 0
  const BYTE four[4] = {4, 0, 0, 0};
  fx.SetValue(HKEY_LOCAL_MACHINE, kShared, binary, REG_BINARY, four, 4);  // not a REG_DWORD: 0
  fx.SetDword(HKEY_LOCAL_MACHINE, kShared, L" " + padded + L"  ", 2);     // the name is trimmed for the test
  fx.SetDword(HKEY_LOCAL_MACHINE, kShared, missing, 3);
  fx.SetDword(HKEY_LOCAL_MACHINE, kShared, missingZero, 0);

  TScanReports reports;
  std::vector<TRegItem> after = RunCategory(engine, 3, &reports);
  ExpectAddressable(after);
  EXPECT_SAME_RECORDS(NewRecords(before, after), (std::vector<TRegItem>{
                                                     SharedRecord(zero, true),
                                                     SharedRecord(text, true),
                                                     SharedRecord(binary, true),
                                                     SharedRecord(missing, false),
                                                     SharedRecord(missingZero, true),
                                                 }));
  // The start report, then one report per value with its trimmed name.
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports[0], (std::pair<uint8_t, std::wstring>(0, L"HKEY_LOCAL_MACHINE" + kShared)));
  for (const std::wstring& name : {used, zero, padded, missing}) {
    EXPECT_NE(std::find(reports.begin(), reports.end(), std::pair<uint8_t, std::wstring>(0, name)), reports.end())
        << WideToUtf8(name);
  }
}
