// The restore points page inside a page host: the list from fake WMI results, creating a point
// through the naming dialog, switching System Restore on, and rolling back with the restart
// recorded, never made.
#include "base/system_programs.h"
#include "tools/restore_page/frmSystemRestore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/base/test_keys.h"
#include "tests/support/page_test_fixture.h"

namespace {

class RestorePageTest : public PageTest<TfrmSystemRestore> {
 protected:
  RestorePageTest() : PageTest(L"TfrmSystemRestore", L"btnRestorePoint") {}

  void SetUp() override {
    PageTest::SetUp();
    // The page's seams are set as it is made, before its first listing.
    SetPageFactory(
        L"TfrmSystemRestore",
        [this](TComponent* owner) {
          auto* page = new TfrmSystemRestore(owner);
          Fake(page->Platform);
          return page;
        },
        [](TCustomForm* page) { static_cast<TfrmSystemRestore*>(page)->btnRefreshClick(page); },
        [](TCustomForm* page) { static_cast<TfrmSystemRestore*>(page)->btnRefreshClick(page); });
    WriteDisableSR(0);
  }

  void Fake(TSystemRestorePlatform& platform) {
    platform.SettingsKey = {HKEY_CURRENT_USER, key_.Path() + L"\\SystemRestore"};
    platform.ListPoints = [this](std::vector<TSystemRestoreItem>& points) {
      ++listings;
      points.insert(points.end(), machinePoints.begin(), machinePoints.end());
      return true;
    };
    platform.CreatePoint = [this](const std::wstring& description) {
      created.push_back(description);
      return createResult;
    };
    platform.RestoreToPoint = [this](int sequence) {
      restored.push_back(sequence);
      return restoreResult;
    };
    platform.QueryServiceState = [this](const std::wstring&) { return serviceState; };
    platform.RunCommand = [this](const std::wstring& command) {
      commands.push_back(command);
      if (command == SystemProgramCommand(L"net.exe", L"start srservice") && serviceStarts) serviceState = SERVICE_RUNNING;
      return DWORD(0);
    };
    platform.Restart = [this] {
      ++restarts;
      boxesBeforeRestart = boxes.size();
      return true;
    };
  }

  void WriteDisableSR(DWORD value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (key_.Path() + L"\\SystemRestore").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"DisableSR", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
  }

  // While the page shows its naming dialog: `act` runs on it (the dialog stays open unless it
  // closes it). Whether the dialog was shown is recorded.
  void OnDialog(std::function<void(TfrmnewRestorePoint*)> act) {
    WhenDialogShows<TfrmnewRestorePoint>([](TfrmSystemRestore* page) { return page->NewPointDialog(); },
                                         [this, act](TfrmnewRestorePoint* dialog) {
                                           ++dialogsShown;
                                           act(dialog);
                                         });
  }

  static void Type(TfrmnewRestorePoint* dialog, const std::wstring& name, bool clickOk) {
    dialog->edtRestorePointDescription->SetText(name);
    if (clickOk) SendMessageW(dialog->btnOK->Handle(), BM_CLICK, 0, 0);
  }

  std::vector<std::wstring> Rows(TfrmSystemRestore* page) {
    std::vector<std::wstring> rows;
    for (PVirtualNode node = page->VST1->GetFirst(); node; node = page->VST1->GetNext(node)) {
      std::wstring row;
      for (int column = 0; column < 3; ++column) {
        std::wstring text;
        page->VST1GetText(page->VST1, node, column, TVSTTextType::ttNormal, text);
        row += (column ? L"|" : L"") + text;
      }
      rows.push_back(row);
    }
    return rows;
  }

  TestRegistryKey key_{L"RestorePage"};
  std::vector<TSystemRestoreItem> machinePoints = {
      {L"Before the driver", 0, 100, 5, L"20070315103005.000000-000"},
      {L"Cancelled install", kCancelledOperationPoint, 100, 6, L"20070316103005.000000-000"},
      {L"System Checkpoint", 7, 100, 9, L"20070317000000.000000+000"},
  };
  int listings = 0, restarts = 0, dialogsShown = 0;
  size_t boxesBeforeRestart = 0;
  int serviceState = SERVICE_RUNNING;
  bool serviceStarts = true;
  TWmiCallResult createResult{true, 0}, restoreResult{true, 0};
  std::vector<std::wstring> created, commands;
  std::vector<int> restored;
};

}  // namespace

TEST_F(RestorePageTest, OpeningListsThePointsAndLeavesOutCancelledOnes) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->Label1->Caption().find(L" System Restore Point"), std::wstring::npos);
  EXPECT_EQ(listings, 1);
  EXPECT_EQ(page->RestorePoints().size(), 3u);
  std::vector<std::wstring> rows = Rows(page);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], L"Before the driver|" + FormatCreationTime(L"20070315103005.000000-000") + L"|5");
  EXPECT_EQ(rows[1], L"System Checkpoint|" + FormatCreationTime(L"20070317000000.000000+000") + L"|9");

  // every opening reads the list again
  machinePoints.pop_back();
  OpenPage();
  EXPECT_EQ(listings, 2);
  EXPECT_EQ(Rows(page).size(), 1u);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(RestorePageTest, AFailedQueryKeepsThePointsReadSoFarWithoutAMessage) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->Platform.ListPoints = [](std::vector<TSystemRestoreItem>& points) {
    points.push_back({L"Read before the failure", 0, 100, 3, L"20070315103005.000000-000"});
    return false;
  };
  page->btnRefresh->Click();
  ASSERT_EQ(Rows(page).size(), 1u);
  EXPECT_EQ(page->ShownPoints()[0].Description, L"Read before the failure");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(RestorePageTest, CreatingAPointUnderATypedNameRefreshesTheList) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  bool okAtFirst = true, okWhenBlank = true, okWithName = false;
  OnDialog([&](TfrmnewRestorePoint* dialog) {
    okAtFirst = dialog->btnOK->Enabled();
    EXPECT_EQ(dialog->Caption(), L"Quillstead v4.0");
    Type(dialog, L"   ", false);
    okWhenBlank = dialog->btnOK->Enabled();
    SendMessageW(dialog->btnOK->Handle(), BM_CLICK, 0, 0);  // a disabled OK does nothing
    Type(dialog, L"Before the update", false);
    okWithName = dialog->btnOK->Enabled();
    SendMessageW(dialog->btnOK->Handle(), BM_CLICK, 0, 0);
  });
  page->btnNew->Click();
  EXPECT_EQ(dialogsShown, 1);
  EXPECT_FALSE(okAtFirst);
  EXPECT_FALSE(okWhenBlank);
  EXPECT_TRUE(okWithName);
  EXPECT_EQ(created, std::vector<std::wstring>{L"Before the update"});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"The system backup was created successfully!");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(listings, 2);
  EXPECT_TRUE(commands.empty());  // System Restore was on: nothing asked or started
}

TEST_F(RestorePageTest, CancellingTheDialogCreatesNothing) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  OnDialog([](TfrmnewRestorePoint* dialog) {
    Type(dialog, L"Never made", false);
    SendMessageW(dialog->btnCancel->Handle(), BM_CLICK, 0, 0);
  });
  page->btnNew->Click();
  EXPECT_EQ(dialogsShown, 1);
  EXPECT_TRUE(created.empty());
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(listings, 1);
}

TEST_F(RestorePageTest, ACreationWithoutAResultValueOrWithAnErrorCodeFails) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  for (TWmiCallResult result : {TWmiCallResult{false, 0}, TWmiCallResult{true, 1}}) {
    createResult = result;
    boxes.clear();
    OnDialog([](TfrmnewRestorePoint* dialog) { Type(dialog, L"Point", true); });
    page->btnNew->Click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Creating system backup was faild!");
    EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  }
  EXPECT_EQ(created.size(), 2u);
  EXPECT_EQ(listings, 1);  // a failure does not refresh
}

TEST_F(RestorePageTest, SwitchedOffAndAnsweredNoTheDialogStillOpens) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  WriteDisableSR(1);
  answer = [](const TRecordedBox&) { return IDNO; };
  OnDialog([](TfrmnewRestorePoint* dialog) { Type(dialog, L"Anyway", true); });
  page->btnNew->Click();
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"The services corresponding with the System Resotre were disable,Want to enable them now?");
  EXPECT_EQ(boxes[0].type & (MB_ICONMASK | MB_TYPEMASK), static_cast<UINT>(MB_ICONINFORMATION | MB_YESNO));
  EXPECT_EQ(dialogsShown, 1);
  EXPECT_EQ(created, std::vector<std::wstring>{L"Anyway"});
  EXPECT_TRUE(commands.empty());
}

TEST_F(RestorePageTest, AStoppedServiceIsStartedOnYes) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  serviceState = SERVICE_STOPPED;
  answer = [](const TRecordedBox&) { return IDYES; };
  OnDialog([](TfrmnewRestorePoint* dialog) { Type(dialog, L"After enabling", true); });
  page->btnNew->Click();
  EXPECT_EQ(commands, (std::vector<std::wstring>{SystemProgramCommand(L"sc.exe", L"config srservice start= demand"), SystemProgramCommand(L"net.exe", L"start srservice")}));
  EXPECT_EQ(created, std::vector<std::wstring>{L"After enabling"});
}

TEST_F(RestorePageTest, AServiceThatWillNotStartEndsTheCreation) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  WriteDisableSR(1);
  serviceState = SERVICE_STOPPED;
  serviceStarts = false;
  answer = [](const TRecordedBox&) { return IDYES; };
  OnDialog([](TfrmnewRestorePoint* dialog) { Type(dialog, L"Never", true); });
  page->btnNew->Click();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text,
            L"System restore point management service failed to start, please contact the administrator to manually "
            L"startup it.");
  EXPECT_EQ(boxes[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(dialogsShown, 0);
  EXPECT_TRUE(created.empty());
}

TEST_F(RestorePageTest, RestoreWithoutARowAsksNothing) {
  machinePoints.clear();
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->btnResote->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"There are no items to restore");
  EXPECT_TRUE(restored.empty());
  EXPECT_EQ(restarts, 0);
}

TEST_F(RestorePageTest, RestoreAnsweredNoDoesNothing) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->VST1->SetFocusedNode(page->VST1->GetFirst());
  answer = [](const TRecordedBox&) { return IDNO; };
  page->btnResote->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Do you want to Recovey system restore point?");
  EXPECT_TRUE(restored.empty());
  EXPECT_EQ(restarts, 0);
}

TEST_F(RestorePageTest, ASuccessfulRestoreSaysSoAndThenRestarts) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->VST1->SetFocusedNode(page->VST1->GetNext(page->VST1->GetFirst()));
  answer = [](const TRecordedBox&) { return IDYES; };
  page->btnResote->Click();
  EXPECT_EQ(restored, std::vector<int>{9});  // the focused row's number, the cancelled point passed over
  EXPECT_EQ(restarts, 1);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxesBeforeRestart, 2u);  // told before the restart
  EXPECT_NE(boxes[1].text.find(L"restart"), std::wstring::npos);
  EXPECT_EQ(boxes[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(RestorePageTest, AFailedRestoreIsReportedAndNeverRestarts) {
  TfrmSystemRestore* page = OpenPage();
  ASSERT_NE(page, nullptr);
  answer = [](const TRecordedBox&) { return IDYES; };
  for (TWmiCallResult result : {TWmiCallResult{false, 0}, TWmiCallResult{true, 5}}) {
    restoreResult = result;
    boxes.clear();
    page->VST1->SetFocusedNode(page->VST1->GetFirst());
    page->btnResote->Click();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, L"System Restore Failed.");
    EXPECT_EQ(boxes[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  }
  EXPECT_EQ(restored, (std::vector<int>{5, 5}));
  EXPECT_EQ(restarts, 0);
}
