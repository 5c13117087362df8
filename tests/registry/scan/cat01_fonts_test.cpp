// Category 1: font registrations whose file is missing.
#include <shlobj.h>

#include "scan_test_util.h"

namespace {

const std::wstring kFonts = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

std::wstring FontsFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  SHGetSpecialFolderPathW(nullptr, folder, CSIDL_FONTS, FALSE);
  return folder;
}

TRegItem FontRecord(const std::wstring& Name, const std::wstring& Data) {
  return MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"", kFonts, Name, Data, L"Miss or Invalid Path",
                     L"Font File entry references a file that is missing or does not exist.", 1, 2);
}

}  // namespace

TEST(ScanFonts, MissingFontFiles) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  const std::wstring t = fx.Tag();
  std::vector<TRegItem> before = RunCategory(engine, 1);
  fx.AddFile(FontsFolder() + L"\\" + t + L"-bare.ttf");
  std::wstring full = fx.AddFile(L"full.ttf");
  std::wstring elsewhere = fx.AddFile(t + L"-elsewhere.ttf");

  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" Bare present", t + L"-bare.ttf");
  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" Bare missing", t + L"-nothere.ttf");
  // A bare name is looked up in the Fonts folder only, not where the file happens to be.
  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" Bare elsewhere", t + L"-elsewhere.ttf");
  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" Full present", full);
  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" Full padded", L"  " + full + L"  ");
  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" Full missing", fx.Folder() + L"gone.ttf");
  fx.SetExpandString(HKEY_LOCAL_MACHINE, kFonts, t + L" Expand present", full);
  fx.SetString(HKEY_LOCAL_MACHINE, kFonts, t + L" Empty", L"");

  TScanReports reports;
  std::vector<TRegItem> after = RunCategory(engine, 1, &reports);
  ExpectAddressable(after);
  std::vector<TRegItem> added = NewRecords(before, after);
  EXPECT_SAME_RECORDS(added, (std::vector<TRegItem>{
                                 FontRecord(t + L" Bare missing", t + L"-nothere.ttf"),
                                 FontRecord(t + L" Bare elsewhere", t + L"-elsewhere.ttf"),
                                 FontRecord(t + L" Full missing", fx.Folder() + L"gone.ttf"),
                                 // Empty data names the Fonts folder itself, which is no file.
                                 FontRecord(t + L" Empty", L""),
                             }));
  // One start report, no report per entry, one Kind 1 per record.
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports[0], (std::pair<uint8_t, std::wstring>(0, L"HKEY_LOCAL_MACHINE" + kFonts)));
  EXPECT_EQ(std::count_if(reports.begin(), reports.end(), [](const auto& r) { return r.first == 0; }), 1);
  EXPECT_EQ(size_t(std::count_if(reports.begin(), reports.end(), [](const auto& r) { return r.first == 1; })),
            after.size());
}
