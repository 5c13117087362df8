// The updater's message boxes under its own skin: the box and each of its buttons are skinned,
// and a click on a skinned button gives that button's answer.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/files.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "skin/skin_manager.h"
#include "tests/base/test_folder.h"
#include "tests/support/skinned_message_box.h"
#include "updater/program/frmMain.h"

namespace {

TEST(UpdateBoxSkinTest, TheUpdatersBoxesAreSkinnedAndAnswerTheClickedButton) {
  // No update to make: the window shows idle and asks nothing of a server.
  TestFolder folder;
  SetProgramFolderForTesting(folder.Path());
  auto* form = new TfrmMain(Application);
  form->Show();
  Application->ProcessMessages();
  // The box the updater shows, then each other kind of box under the same skin.
  TSkinnedBoxSeen seen;
  EXPECT_EQ(AnswerSkinnedBox([] { return ShowInfo(L"Obtain the server configuration file failed."); },
                             SkinnedBoxCases().front(), seen),
            IDOK);
  EXPECT_TRUE(seen.BoxSkinned);
  EXPECT_EQ(seen.SkinnedButtons, 1);
  ExpectEachBoxKindSkinnedAndAnswered(
      [&](UINT type) { return MessageBoxShow(form->Handle(), L"Stop the update?", L"Quillstead Update Live ", type); });
  delete form;
  FreeSkinManager();
  SetProgramFolderForTesting(L"");
}

}  // namespace
