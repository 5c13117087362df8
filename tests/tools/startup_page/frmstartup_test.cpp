// The startup manager page opened from its navigation button, on fixture Run keys below
// HKEY_CURRENT_USER and fixture startup folders: rows with their columns, icons and colours, the
// detail area and its links (recorded, never opened), and what Remove deletes.
#include "tools/startup_page/frmstartup.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/shell_open.h"
#include "base/files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_keys.h"
#include "tests/support/page_test_fixture.h"

namespace {

class StartupPageTest : public PageTest<Tfrmstartup> {
 protected:
  StartupPageTest() : PageTest(L"Tfrmstartup", L"btnStartup") {}

  void SetUp() override {
    PageTest::SetUp();
    for (const wchar_t* sub : {L"common", L"user", L"startupdata"}) ForceDirectories(root_.Path() + sub);
    TStartupSources sources;
    sources.RunKeys = {{HKEY_CURRENT_USER, L"\\" + Run()}};
    sources.CommonStartupFolder = root_.Path() + L"common";
    sources.UserStartupFolder = root_.Path() + L"user";
    sources.DisabledFolder = root_.Path() + L"startupdata";
    SetStartupSourcesForTesting(&sources);
    SetShellOpenForTesting([this](const TShellOpenCall& call) {
      opened.push_back(call.File + L"|" + std::to_wstring(call.ShowCommand));
    });
    SetShellPropertiesForTesting([this](const std::wstring& path) { opened.push_back(L"properties|" + path); });
    notepad_ = ExpandEnvironmentText(L"%SystemRoot%\\system32\\notepad.exe");
  }

  void TearDown() override {
    PageTest::TearDown();
    SetStartupSourcesForTesting(nullptr);
    SetShellOpenForTesting(nullptr);
    SetShellPropertiesForTesting(nullptr);
  }

  std::wstring Run() const { return keys_.Path() + L"\\Run"; }
  std::wstring Disabled() const { return Run() + L"\\dxdDisabled"; }

  // An active value with a real program, the same name set aside, a program that is gone, and
  // a file in the user's folder and one in startupdata.
  void Fixture() {
    ASSERT_TRUE(WriteTestString(Run(), L"Editor & Co", L"\"" + notepad_ + L"\" /tray"));
    ASSERT_TRUE(WriteTestString(Disabled(), L"Editor & Co", notepad_));
    ASSERT_TRUE(WriteTestString(Run(), L"Gone", root_.Path() + L"nowhere\\gone.exe -q"));
    WriteBytes(root_.Path() + L"user\\mine.txt", "x");
    WriteBytes(root_.Path() + L"startupdata\\parked.txt", "x");
  }

  std::vector<PVirtualNode> Rows() {
    std::vector<PVirtualNode> rows;
    for (PVirtualNode n = page_->VST_Startup->GetFirst(); n; n = page_->VST_Startup->GetNextSibling(n))
      rows.push_back(n);
    return rows;
  }
  std::wstring Column(int column) {
    std::wstring text;
    for (PVirtualNode n : Rows()) text += page_->VST_Startup->Text(n, column) + L";";
    return text;
  }
  void Select(int row) {
    page_->VST_Startup->SetSelected(Rows().at(row), true);
    Application->ProcessMessages();
  }
  void Check(int row) { page_->VST_Startup->SetCheckState(Rows().at(row), TCheckState::csCheckedNormal); }
  void ExpectInstructions() {
    EXPECT_EQ(page_->lblDescription->Caption(), L"Instructions");
    EXPECT_EQ(page_->lblExeFile->Caption(),
              L"First,Choose one of the applications above that you don't want to launch.");
    EXPECT_EQ(page_->lblCompany->Caption(), L"Next, Click on \"Remove\" button");
    EXPECT_TRUE(page_->imDefault->Visible());
    EXPECT_FALSE(page_->imStartupItem->Visible());
  }

  TestRegistryKey keys_{L"startup_page"};
  TestFolder root_;
  std::wstring notepad_;
  std::vector<std::wstring> opened;
  Tfrmstartup* page_ = nullptr;
};

TEST_F(StartupPageTest, RowsShowNameAndRunPathWithIconsAndGreyedSetAsideEntries) {
  Fixture();
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  EXPECT_EQ(page_->Label1->Caption(), Host().Greeting() + L" Startup Manager");
  EXPECT_EQ(Column(0), L"Editor & Co;Gone;Editor & Co;mine.txt;parked.txt;");
  EXPECT_EQ(Column(1), L"\"" + notepad_ + L"\" /tray;" + root_.Path() + L"nowhere\\gone.exe -q;" + notepad_ + L";" +
                           root_.Path() + L"user\\mine.txt;" + root_.Path() + L"common\\parked.txt;");
  ExpectInstructions();
  for (PVirtualNode n : Rows()) EXPECT_EQ(page_->VST_Startup->CheckType(n), TCheckType::ctCheckBox);

  const std::vector<TStartupItem>& items = page_->StartupItems();
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[1].ImageIndex, 0) << "a program that is gone gets the default icon";
  if (FileExists(notepad_)) {
    EXPECT_GT(items[0].ImageIndex, 0);
    EXPECT_GT(page_->ilStartup->Count(), 1);
  }

  // Set-aside entries are written in the grey of disabled text; the canvas comes in with another colour.
  const std::vector<TColor> colours = {clWindowText, clWindowText, clGrayText, clWindowText, clGrayText};
  TCanvas canvas;
  for (size_t i = 0; i < colours.size(); ++i) {
    canvas.Font().SetColor(clRed);
    page_->VST_StartupPaintText(page_->VST_Startup, canvas, Rows()[i], 1, TVSTTextType::ttNormal);
    EXPECT_EQ(canvas.Font().Color(), colours[i]) << i;
  }
}

TEST_F(StartupPageTest, SelectingARowFillsTheDetailArea) {
  Fixture();
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  Select(0);
  EXPECT_EQ(page_->lblDescription->Caption(), L"Editor & Co");
  EXPECT_EQ(page_->lblExeFile->Caption(), L"Filename: notepad.exe");
  EXPECT_EQ(page_->lblCompany->Caption(), L"Location: " + notepad_);
  EXPECT_EQ(page_->lblRegistryPosition->Caption(), L"HKEY_CURRENT_USER\\" + Run());
  EXPECT_TRUE(page_->imStartupItem->Visible());
  EXPECT_FALSE(page_->imDefault->Visible());
  EXPECT_FALSE(page_->imStartupItem->Picture()->Graphic() == nullptr);

  // A missing program shows the default picture; a file shows its folder as its place.
  Select(1);
  EXPECT_EQ(page_->lblExeFile->Caption(), L"Filename: gone.exe");
  EXPECT_EQ(page_->lblCompany->Caption(), L"Location: " + root_.Path() + L"nowhere\\gone.exe");
  EXPECT_FALSE(page_->imStartupItem->Picture()->Graphic() == nullptr);
  Select(3);
  EXPECT_EQ(page_->lblRegistryPosition->Caption(), root_.Path() + L"user\\");
  EXPECT_EQ(page_->lblCompany->Caption(), L"Location: " + root_.Path() + L"user\\mine.txt");

  page_->btnRefresh->Click();
  ExpectInstructions();
  EXPECT_EQ(page_->SelectedExe(), L"");
}

TEST_F(StartupPageTest, LinksActOnlyOnASelectedEntryEncodeTheSearchAndOpenOnlyExistingFolders) {
  Fixture();
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);
  for (TLabel* link : {page_->Label6, page_->Label7, page_->Label8}) link->Click();
  EXPECT_TRUE(opened.empty());

  Select(0);
  page_->Label6->Click();
  page_->Label7->Click();
  page_->Label8->Click();
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0], L"https://www.google.com/search?q=Editor%20%26%20Co|" + std::to_wstring(SW_SHOW));
  EXPECT_EQ(opened[1], ExtractFilePath(notepad_) + L"|" + std::to_wstring(SW_SHOWNORMAL));
  EXPECT_EQ(opened[2], L"properties|" + notepad_);

  // The folder of a program that is gone is not opened.
  opened.clear();
  Select(1);
  page_->Label7->Click();
  EXPECT_TRUE(opened.empty());
}

TEST_F(StartupPageTest, RemoveAsksFirstAndDeletesOnlyTheCheckedEntriesWhereTheyAreKept) {
  Fixture();
  page_ = OpenPage();
  ASSERT_NE(page_, nullptr);

  page_->btnDelete->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Please select at least one option from the list to remove.");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));

  Check(2);
  Check(4);
  answer = [](const TRecordedBox&) { return IDNO; };
  page_->btnDelete->Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Sure you want to remove the item(s)?");
  EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
  EXPECT_TRUE(TestValueExists(Disabled(), L"Editor & Co"));
  EXPECT_TRUE(FileExists(root_.Path() + L"startupdata\\parked.txt"));

  answer = [](const TRecordedBox&) { return IDYES; };
  page_->btnDelete->Click();
  EXPECT_FALSE(TestValueExists(Disabled(), L"Editor & Co"));
  EXPECT_TRUE(TestValueExists(Run(), L"Editor & Co"));
  EXPECT_FALSE(FileExists(root_.Path() + L"startupdata\\parked.txt"));
  EXPECT_TRUE(FileExists(root_.Path() + L"user\\mine.txt"));
  EXPECT_EQ(Column(0), L"Editor & Co;Gone;mine.txt;");
  EXPECT_EQ(page_->VST_Startup->GetFirstChecked(), nullptr);
  ExpectInstructions();
}

}  // namespace
