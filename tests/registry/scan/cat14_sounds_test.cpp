// Category 14: sound events of the user's schemes whose sound file is missing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

const std::wstring kApps = L"\\AppEvents\\Schemes\\Apps";
const std::wstring kUser = L"HKEY_CURRENT_USER";

TRegItem Sound(const std::wstring& Event, const std::wstring& Scheme, const std::wstring& File) {
  return MakeRegItem(HKEY_CURRENT_USER, kUser, Event, Event + L"\\" + Scheme, L"\u9ed8\u8ba4", File,
                     L"Miss or Invalid Path", L"The key " + File + L" is missing or invalid,It can be deleteed.",
                     14, 1);
}

class Cat14Sounds : public OwnEngineScanTest {};

TEST_F(Cat14Sounds, FindsMissingSoundFilesOfBothSchemes) {
  std::vector<TRegItem> Before = RunCategory(Engine, 14);
  const HKEY U = HKEY_CURRENT_USER;
  const std::wstring App = kApps + L"\\" + Fx.Tag() + L"App";
  const std::wstring Wave = Fx.AddFile(L"ok.wav");
  const std::wstring Missing = L"C:\\nowhere\\" + Fx.Tag() + L".wav";
  const std::wstring Bare = Fx.Tag() + L"ding.wav";
  const std::wstring Expandable = L"%SystemRoot%\\" + Fx.Tag() + L"gone.wav";

  Fx.SetString(U, App + L"\\A\\.Current", L"", Missing);
  Fx.SetString(U, App + L"\\A\\.Default", L"", Wave);
  Fx.SetString(U, App + L"\\B\\.Current", L"", Bare);  // a bare name is not looked up anywhere
  Fx.SetString(U, App + L"\\B\\.Default", L"", L" ");
  Fx.SetExpandString(U, App + L"\\C\\.Default", L"", Expandable);
  Fx.SetString(U, App + L"\\D\\.Other", L"", Missing);  // not one of the two schemes
  Fx.SetDword(U, App + L"\\E\\.Current", L"", 1);      // not text: counts as empty
  Fx.CreateKey(U, App + L"\\F\\.Current");              // no value

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 14, &Reports)), Fx.Tag());

  const std::vector<TRegItem> Expected = {
      Sound(App + L"\\A", L".Current", Missing),
      Sound(App + L"\\B", L".Current", Bare),
      Sound(App + L"\\C", L".Default", ExpandEnvironmentText(Expandable)),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);
  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.front(), TScanReports::value_type(0, kUser + kApps));
  EXPECT_TRUE(HasEntryReport(Reports, kUser + App + L"\\D"));
}

}  // namespace
