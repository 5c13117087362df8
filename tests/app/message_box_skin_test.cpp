// The program's message boxes under its skin: the box and each of its buttons are skinned, and a
// click on a skinned button gives that button's answer.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/frmmain.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "skin/skin_manager.h"
#include "tests/support/skinned_message_box.h"

namespace {

TEST(MessageBoxSkinTest, TheProgramsBoxesAreSkinnedAndAnswerTheClickedButton) {
  auto* form = new Tfrmmain(Application);
  frmmain = form;
  form->SkinData1->SetActive(true);
  form->Show();
  Application->ProcessMessages();
  ExpectEachBoxKindSkinnedAndAnswered(
      [&](UINT type) { return MessageBoxShow(form->Handle(), L"Remove the selected entries?", kProgramCaption, type); });
  // The information box of the program's helper.
  TSkinnedBoxSeen seen;
  EXPECT_EQ(AnswerSkinnedBox([] { return ShowInfo(L"The update is complete."); }, SkinnedBoxCases().front(), seen),
            IDOK);
  EXPECT_EQ(seen.SkinnedButtons, 1);
  delete form;
  frmmain = nullptr;
  FreeSkinManager();
}

}  // namespace
