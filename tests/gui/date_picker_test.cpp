// The date-time picker: values in and out of the window, kinds and formats as styles, an
// unset value behind the check box, and the user's change reported.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "gui/date_picker.h"
#include "gui/forms.h"
#include "gui_test_support.h"

namespace {
int NativeState(HWND wnd, SYSTEMTIME& st) {
  return static_cast<int>(SendMessageW(wnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)));
}

class DatePicker : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(60, 60, 300, 150);
    picker = new TDateTimePicker(&form);
    picker->SetBounds(10, 10, 200, 24);
    form.Show();
  }
  TForm form{nullptr};
  TDateTimePicker* picker = nullptr;
};
}  // namespace

TEST_F(DatePicker, TheValueSetBeforeTheWindowReachesItAndComesBack) {
  const TDateTime value = EncodeDate(2010, 12, 31) + EncodeTime(14, 5, 9, 0);
  picker->SetDateTime(value);
  picker->SetParent(&form);
  SYSTEMTIME st = {};
  ASSERT_EQ(NativeState(picker->Handle(), st), GDT_VALID);
  EXPECT_EQ(st.wYear, 2010);
  EXPECT_EQ(st.wMonth, 12);
  EXPECT_EQ(st.wDay, 31);
  EXPECT_EQ(st.wHour, 14);
  EXPECT_NEAR(picker->DateTime(), value, 1e-6);
  EXPECT_EQ(picker->Date(), EncodeDate(2010, 12, 31));
  EXPECT_NEAR(picker->Time(), EncodeTime(14, 5, 9, 0), 1e-6);

  picker->SetDate(EncodeDate(2011, 2, 3));
  EXPECT_NEAR(picker->DateTime(), EncodeDate(2011, 2, 3) + EncodeTime(14, 5, 9, 0), 1e-6);
  picker->SetTime(EncodeTime(8, 30, 0, 0));
  EXPECT_NEAR(picker->DateTime(), EncodeDate(2011, 2, 3) + EncodeTime(8, 30, 0, 0), 1e-6);

  // Kind and formats are styles of a new window; the value stays.
  struct Case {
    TDateTimeKind kind;
    TDTDateFormat format;
    TDTDateMode mode;
    LONG_PTR bits;
  } cases[] = {
      {TDateTimeKind::dtkTime, TDTDateFormat::dfShort, TDTDateMode::dmComboBox, DTS_TIMEFORMAT},
      {TDateTimeKind::dtkDate, TDTDateFormat::dfLong, TDTDateMode::dmComboBox, DTS_LONGDATEFORMAT},
      {TDateTimeKind::dtkDate, TDTDateFormat::dfShort, TDTDateMode::dmUpDown, DTS_UPDOWN},
  };
  for (const Case& c : cases) {
    picker->SetKind(c.kind);
    picker->SetDateFormat(c.format);
    picker->SetDateMode(c.mode);
    EXPECT_EQ(GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & c.bits, c.bits);
    EXPECT_NEAR(picker->DateTime(), EncodeDate(2011, 2, 3) + EncodeTime(8, 30, 0, 0), 1e-6);
  }
}

TEST_F(DatePicker, AClearedCheckBoxLeavesTheValueUnset) {
  picker->SetParent(&form);
  picker->SetDateTime(EncodeDate(2020, 5, 6));
  picker->SetShowCheckbox(true);
  EXPECT_TRUE(picker->Checked());
  picker->SetChecked(false);
  SYSTEMTIME st = {};
  EXPECT_EQ(NativeState(picker->Handle(), st), GDT_NONE);
  EXPECT_FALSE(picker->Checked());
  // The value is kept for when the box is ticked again.
  picker->SetChecked(true);
  EXPECT_EQ(NativeState(picker->Handle(), st), GDT_VALID);
  EXPECT_EQ(picker->Date(), EncodeDate(2020, 5, 6));
}

TEST_F(DatePicker, TheUsersChangeIsReportedButNotOneInCode) {
  picker->SetParent(&form);
  picker->SetDateTime(EncodeDate(2020, 5, 6));
  int changes = 0;
  picker->OnChange = [&](TObject*) { ++changes; };
  picker->SetDate(EncodeDate(2020, 5, 7));
  EXPECT_EQ(changes, 0);
  // The user's arrow keys: one to select a field, one to count it up.
  HWND wnd = picker->Handle();
  picker->SetFocus();
  SendMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(wnd, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(picker->Date(), EncodeDate(2020, 5, 7));
  SYSTEMTIME st = {};
  NativeState(wnd, st);
  EXPECT_EQ(picker->Date(), SystemTimeToDateTime(st) - std::fmod(SystemTimeToDateTime(st), 1.0));
}
