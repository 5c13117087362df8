// The file association page on a fixture table: which rows it lists and ticks, what "Restore"
// writes below HKEY_CLASSES_ROOT, and the messages it gives.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "cleaners/fixes/fix_resource.h"
#include "gui/message_box.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"
#include "tools/fixes/frmFixFileAsso.h"

namespace {

const wchar_t kClass[] = L"QuillsteadTest.FileAsso";
const wchar_t kCaseClass[] = L"QuillsteadTest.FileAsso.Case";
const wchar_t kSzClass[] = L"QuillsteadTest.FileAsso.Sz";
const wchar_t kSuccess[] = L"File Association Repair Successfully.";
const wchar_t kNoSelection[] = L"Please select at least one option from the list to Restore.";

void RemoveFixtureKeys() {
  for (const wchar_t* key : {kClass, kCaseClass, kSzClass}) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    RegDeleteKeyW(HKEY_CLASSES_ROOT, key);
  }
}

void PutDefault(const std::wstring& key, DWORD type, const std::wstring& text) {
  HKEY h;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(h, nullptr, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(h);
}

// The default value's type and text; REG_NONE when it is missing.
std::pair<DWORD, std::wstring> GetDefault(const std::wstring& key) {
  wchar_t buffer[256] = {};
  DWORD type = REG_NONE, size = sizeof(buffer) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &size) !=
      ERROR_SUCCESS)
    return {REG_NONE, L""};
  return {type, buffer};
}

struct Box {
  std::wstring text, caption;
  UINT type;
};

// The page reads the table and the registry once, as it is made, and the main window keeps a page
// once made; so the tests make the page themselves, without a main window, once for each table
// and registry state they set up.
class FileAssoPage : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFixtureKeys();
    SetMessageBoxFunc([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
      boxes_.push_back({text, caption, type});
      return IDOK;
    });
  }
  void TearDown() override {
    page_.reset();
    SetMessageBoxFunc(nullptr);
    RemoveFixtureKeys();
  }
  // The fixture table, then the page (it reads the table and the registry as it is made).
  void Open(bool withTable = true) {
    if (withTable) folder_.WriteFile(kSysFixModule, ReadRcData(L"FIXTURE_ASSO"));
    page_.reset(new TfrmFixFileAsso(nullptr));
  }
  std::vector<PVirtualNode> Rows() const {
    std::vector<PVirtualNode> rows;
    for (PVirtualNode node = page_->VST1->GetFirst(); node; node = page_->VST1->GetNext(node)) rows.push_back(node);
    return rows;
  }
  std::vector<bool> Checks() const {
    std::vector<bool> checks;
    for (PVirtualNode node : Rows()) checks.push_back(page_->VST1->CheckState(node) == TCheckState::csCheckedNormal);
    return checks;
  }
  std::vector<std::wstring> Column(TColumnIndex column) const {
    std::vector<std::wstring> texts;
    for (PVirtualNode node : Rows()) texts.push_back(page_->VST1->Text(node, column));
    return texts;
  }
  std::vector<std::wstring> BoxTexts() const {
    std::vector<std::wstring> texts;
    for (const Box& box : boxes_) texts.push_back(box.text);
    return texts;
  }
  void FixtureRegistry() {
    PutDefault(std::wstring(kClass) + L"\\shell\\open\\command", REG_SZ, L"other.exe");
    PutDefault(kCaseClass, REG_EXPAND_SZ, L"CASE VALUE");
    PutDefault(kSzClass, REG_SZ, L"old value");
  }

  TestProgramFolder folder_;
  std::unique_ptr<TfrmFixFileAsso> page_;
  std::vector<Box> boxes_;
};

TEST_F(FileAssoPage, ListsEveryValidRowAndTicksThoseThatDiffer) {
  FixtureRegistry();
  Open();
  // Rows without a description or without a key are left out; the last line counts without a
  // line end.
  EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"qsa", L"qsb", L"qsc", L"qsf"}));
  EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"Fixture A", L"Fixture B", L"Fixture C", L"Fixture F"}));
  EXPECT_EQ(Column(2), (std::vector<std::wstring>{L"other.exe", L"", L"CASE VALUE", L"old value"}));
  EXPECT_EQ(Column(3),
            (std::vector<std::wstring>{L"fixture.exe \"%1\"", L"icon.ico", L"Case Value", L"plain value"}));
  // A value that differs only in letter case agrees.
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, false, true}));
  for (size_t i = 0; i < page_->Items().size(); ++i) EXPECT_EQ(page_->Items()[i].Index, static_cast<int>(i));
  EXPECT_EQ(page_->Items()[0].Path, L"QuillsteadTest.FileAsso\\shell\\open\\command\\");
  for (PVirtualNode node : Rows()) EXPECT_EQ(node->CheckType, TCheckType::ctCheckBox);
}

TEST_F(FileAssoPage, RestoreWritesTheTickedRowsAndShowsWhatTheRegistryNowHolds) {
  FixtureRegistry();
  Open();
  // The user leaves one differing row out.
  page_->VST1->SetCheckState(Rows()[1], TCheckState::csUncheckedNormal);
  page_->btnRestore->Click();

  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, kSuccess);
  EXPECT_EQ(boxes_[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes_[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(GetDefault(std::wstring(kClass) + L"\\shell\\open\\command"),
            std::make_pair(static_cast<DWORD>(REG_EXPAND_SZ), std::wstring(L"fixture.exe \"%1\"")));
  // An association stored as REG_SZ comes back as REG_EXPAND_SZ.
  EXPECT_EQ(GetDefault(kSzClass), std::make_pair(static_cast<DWORD>(REG_EXPAND_SZ), std::wstring(L"plain value")));
  EXPECT_EQ(GetDefault(std::wstring(kClass) + L"\\DefaultIcon").first, static_cast<DWORD>(REG_NONE));
  EXPECT_EQ(GetDefault(kCaseClass).second, L"CASE VALUE");

  // Written rows are read again and unticked; the row left out still differs and is ticked again.
  EXPECT_EQ(Column(2), (std::vector<std::wstring>{L"fixture.exe \"%1\"", L"", L"CASE VALUE", L"plain value"}));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false, false}));
  EXPECT_EQ(page_->Items()[1].NeedsFix, true);
}

TEST_F(FileAssoPage, SelectAllAfterARestoreRewritesEveryRow) {
  FixtureRegistry();
  Open();
  page_->btnRestore->Click();
  page_->chkAll->SetChecked(true);
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, true, true}));
  page_->btnRestore->Click();
  EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{kSuccess, kSuccess}));
  EXPECT_EQ(GetDefault(kCaseClass), std::make_pair(static_cast<DWORD>(REG_EXPAND_SZ), std::wstring(L"Case Value")));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(FileAssoPage, NothingTickedOrNoTableOnlyAsksForASelection) {
  struct Case {
    const char* name;
    bool withTable;
  };
  // The program folder is empty until a case puts the table there.
  for (const Case& c : {Case{"no module beside the program", false}, Case{"every row unticked", true}}) {
    SCOPED_TRACE(c.name);
    boxes_.clear();
    FixtureRegistry();
    Open(c.withTable);
    page_->chkAll->SetChecked(true);
    page_->chkAll->SetChecked(false);
    page_->btnRestore->Click();
    EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{kNoSelection});
    EXPECT_EQ(GetDefault(kSzClass), std::make_pair(static_cast<DWORD>(REG_SZ), std::wstring(L"old value")));
    EXPECT_EQ(page_->Items().size(), c.withTable ? 4u : 0u);
  }
}

TEST_F(FileAssoPage, RowsThatDifferArePaintedRed) {
  FixtureRegistry();
  Open();
  TCanvas canvas;
  const std::vector<TColor> expected = {clRed, clRed, clBlack, clRed};
  for (size_t i = 0; i < Rows().size(); ++i) {
    canvas.Font().SetColor(clBlue);
    canvas.Font().SetStyle({TFontStyle::fsBold});
    page_->VST1PaintText(page_->VST1, canvas, Rows()[i], 2, TVSTTextType::ttNormal);
    EXPECT_EQ(canvas.Font().Color(), expected[i]) << i;
    EXPECT_TRUE(canvas.Font().Style().Empty()) << i;
  }
}

}  // namespace
