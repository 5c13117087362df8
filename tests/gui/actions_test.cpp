// Actions: a linked button takes the action's caption and state and runs it when clicked;
// OnUpdate runs when the message loop goes idle; actions nest in their list in form files.
#include <gtest/gtest.h>

#include "gui/actions.h"
#include "gui/application.h"
#include "gui/buttons.h"
#include "gui/control_strings.h"
#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui_test_support.h"

namespace {

class TfrmActions : public TForm {
  QS_FORM(TfrmActions)

 public:
  explicit TfrmActions(TComponent* owner) : TForm(owner) {}
  TActionList* alList = nullptr;
  TAction* acAdd = nullptr;
  TAction* acRemove = nullptr;
  TButton* btnAdd = nullptr;
  TButton* btnRemove = nullptr;
  TCheckBox* chkShow = nullptr;
  TButton* btnOwn = nullptr;
  int rows = 0;
  std::string log;
  void acAddExecute(TObject*) {
    ++rows;
    log += "add ";
  }
  void acRemoveExecute(TObject*) {
    --rows;
    log += "remove ";
  }
  // Enabled while there is a row, as the pages do it.
  void acRemoveUpdate(TObject*) {
    acRemove->SetEnabled(rows > 0);
    log += "update ";
  }
};

}  // namespace

QS_FORM_IMPL(TfrmActions, TForm, QS_FIELD(alList), QS_FIELD(acAdd), QS_FIELD(acRemove), QS_FIELD(btnAdd),
             QS_FIELD(btnRemove), QS_FIELD(chkShow), QS_FIELD(btnOwn), QS_HANDLER(acAddExecute), QS_HANDLER(acRemoveExecute),
             QS_HANDLER(acRemoveUpdate))

class ActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadForm(&form_,
             L"object frmActions: TfrmActions\n"
             L"  object btnAdd: TButton\n"
             L"    Action = acAdd\n"
             L"  end\n"
             L"  object btnRemove: TButton\n"
             L"    Top = 30\n"
             L"    Action = acRemove\n"
             L"  end\n"
             L"  object chkShow: TCheckBox\n"
             L"    Top = 60\n"
             L"    Action = acShow\n"
             L"  end\n"
             L"  object btnOwn: TButton\n"
             L"    Top = 90\n"
             L"    Action = acAdd\n"
             L"    Caption = 'Own caption'\n"
             L"    Hint = 'Own hint'\n"
             L"    Visible = False\n"
             L"  end\n"
             L"  object alList: TActionList\n"
             L"    object acAdd: TAction\n"
             L"      Caption = 'Add File(s)'\n"
             L"      OnExecute = acAddExecute\n"
             L"    end\n"
             L"    object acRemove: TAction\n"
             L"      Caption = 'Remove'\n"
             L"      OnExecute = acRemoveExecute\n"
             L"      OnUpdate = acRemoveUpdate\n"
             L"    end\n"
             L"    object acShow: TAction\n"
             L"      Caption = 'Show'\n"
             L"      Checked = True\n"
             L"    end\n"
             L"  end\n"
             L"end\n",
             L"actions.dfm", nullptr);
    form_.Show();
  }
  // One turn of the message loop that finds the queue empty (a timer wakes it afterwards).
  void IdleTurn() {
    Application->ProcessMessages();
    UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
    Application->HandleMessage();
    KillTimer(nullptr, timer);
    Application->ProcessMessages();
  }
  TfrmActions form_{nullptr};
};

TEST_F(ActionTest, NestedActionsBelongToTheirListAndLinkTheirControls) {
  ASSERT_EQ(form_.alList->ActionCount(), 3);
  EXPECT_EQ(form_.acAdd->ActionList(), form_.alList);
  EXPECT_EQ(form_.btnAdd->Caption(), L"Add File(s)");
  EXPECT_EQ(WindowText(form_.btnAdd->Handle()), L"Add File(s)");
  EXPECT_EQ(form_.btnRemove->Caption(), L"Remove");
  EXPECT_TRUE(form_.chkShow->Checked());
  // Changes of the action reach the control.
  form_.acAdd->SetCaption(L"Add");
  form_.acAdd->SetEnabled(false);
  EXPECT_EQ(form_.btnAdd->Caption(), L"Add");
  EXPECT_FALSE(form_.btnAdd->Enabled());
  EXPECT_FALSE(IsWindowEnabled(form_.btnAdd->Handle()));
}

TEST_F(ActionTest, WhatTheFormFileGivesTheControlWinsOverItsAction) {
  EXPECT_EQ(form_.btnOwn->Action(), form_.acAdd);
  EXPECT_EQ(form_.btnOwn->Caption(), L"Own caption");
  EXPECT_EQ(form_.btnOwn->Hint(), L"Own hint");
  EXPECT_FALSE(form_.btnOwn->Visible());
  EXPECT_TRUE(form_.btnOwn->Enabled());
  form_.btnOwn->Click();  // still runs its action
  EXPECT_EQ(form_.rows, 1);
  // linked in code, the control takes everything from the action
  form_.btnOwn->SetAction(nullptr);
  form_.btnOwn->SetAction(form_.acRemove);
  EXPECT_EQ(form_.btnOwn->Caption(), L"Remove");
  EXPECT_TRUE(form_.btnOwn->Visible());
}

TEST_F(ActionTest, AnOwnCaptionAndHintStayWhenTheActionChangesLater) {
  form_.acAdd->SetCaption(L"Add");
  form_.acAdd->SetHint(L"Adds a row");
  form_.acAdd->SetEnabled(false);
  EXPECT_EQ(form_.btnOwn->Caption(), L"Own caption");
  EXPECT_EQ(WindowText(form_.btnOwn->Handle()), L"Own caption");
  EXPECT_EQ(form_.btnOwn->Hint(), L"Own hint");
  EXPECT_FALSE(form_.btnOwn->Enabled());  // the state follows the action
  EXPECT_EQ(form_.btnAdd->Caption(), L"Add");  // a control without its own takes the change
  form_.acAdd->SetEnabled(true);
  EXPECT_TRUE(form_.btnOwn->Enabled());
}

TEST_F(ActionTest, ClicksRunTheActionAndIdleTurnsUpdateIt) {
  form_.log.clear();
  IdleTurn();
  EXPECT_FALSE(form_.acRemove->Enabled());  // no rows yet
  EXPECT_FALSE(form_.btnRemove->Enabled());
  SendMessageW(form_.btnAdd->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form_.rows, 1);
  IdleTurn();
  EXPECT_TRUE(form_.btnRemove->Enabled());
  SendMessageW(form_.btnRemove->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form_.rows, 0);
  // Running it again: OnUpdate first finds nothing to remove, so OnExecute does not run.
  EXPECT_FALSE(form_.acRemove->Execute());
  EXPECT_EQ(form_.rows, 0);
  EXPECT_EQ(form_.log.substr(0, 7), "update ");
  EXPECT_NE(form_.log.find("add update "), std::string::npos);
  EXPECT_NE(form_.log.find("update remove update "), std::string::npos);
}

TEST_F(ActionTest, AControlsOwnOnClickWinsAndAFreedActionLeavesItsControls) {
  int own = 0;
  form_.btnAdd->OnClick = [&](TObject*) { ++own; };
  SendMessageW(form_.btnAdd->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(own, 1);
  EXPECT_EQ(form_.rows, 0);
  delete form_.acRemove;
  EXPECT_EQ(form_.alList->ActionCount(), 2);
  EXPECT_EQ(form_.btnRemove->Caption(), L"Remove");
  SendMessageW(form_.btnRemove->Handle(), BM_CLICK, 0, 0);  // no action any more: nothing runs
  EXPECT_EQ(form_.rows, 0);
  IdleTurn();
}
