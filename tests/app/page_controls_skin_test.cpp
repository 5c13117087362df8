// Every control of every page of the program, placed in the skinned main window as a user opens
// the pages, is offered to the control discovery and ends either with the skinner its decision
// names or with a documented none: a Tag that keeps it native, or a decision that attaches
// nothing (with its reason).
#include <gtest/gtest.h>

#include <windows.h>

#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/frmmain.h"
#include "app/page_table.h"
#include "app/program_pages.h"
#include "base/message_pump.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "skin/skin_control.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"
#include "skin/skinner_kinds.h"

namespace {

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

// Every control below root by parent, and every control a page form owns (a windowless control
// whose parent is a panel is reached both ways; each is listed once).
void CollectControls(TControl* root, std::vector<TControl*>& out, std::set<TControl*>& seen) {
  if (!seen.insert(root).second) return;
  out.push_back(root);
  if (auto* form = dynamic_cast<TCustomForm*>(root)) {
    for (int i = 0; i < form->ComponentCount(); ++i)
      if (auto* owned = dynamic_cast<TControl*>(form->Components(i))) CollectControls(owned, out, seen);
  }
  if (auto* windowed = dynamic_cast<TWinControl*>(root)) {
    for (int i = 0; i < windowed->ControlCount(); ++i) CollectControls(windowed->Controls(i), out, seen);
  }
}

TSkinControl* SkinnerOf(const TWinSkinForm& skinForm, TControl* control) {
  for (TSkinControl* skinner : skinForm.Skinners)
    if (skinner->Control == control) return skinner;
  return nullptr;
}

// Whether control or one of its parents carries the tag that keeps a control native.
bool TaggedNative(TControl* control, int disableTag) {
  for (TControl* c = control; c; c = c->Parent())
    if (c->Tag() == disableTag) return true;
  return false;
}

class PageControlsSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The pages' own boxes (a missing tool of the test machine, say) are answered at once.
    SetMessageBoxFunc([](HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; });
    previousPump_ = SetMessagePump([] { Application->ProcessMessages(); });
    SetProgramPageFactories();
    form_ = new Tfrmmain(Application);
    frmmain = form_;
    // As the program starts: the skin is switched on, the main window takes it as it is shown.
    form_->SkinData1->SetActive(true);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    PumpFor(300);
  }

  void TearDown() override {
    delete form_;
    frmmain = nullptr;
    FreeSkinManager();
    for (const TPageInfo& page : PageTable()) SetPageFactory(page.PageClass, nullptr);
    SetMessagePump(previousPump_);
    SetMessageBoxFunc(nullptr);
  }

  static void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
      Application->ProcessMessages();
      Sleep(5);
    }
  }

  TWinSkinForm* SkinForm() const { return SkinManager ? SkinManager->FindSkinForm(form_->Handle()) : nullptr; }

  Tfrmmain* form_ = nullptr;
  TMessagePump previousPump_;
};

TEST_F(PageControlsSkinTest, EveryControlOfEveryPageGetsItsSkinnerOrADocumentedNone) {
  TWinSkinForm* skinForm = SkinForm();
  ASSERT_NE(skinForm, nullptr) << "the main window is not skinned";
  ASSERT_EQ(skinForm->SkinState, TSkinState::Active);
  const int disableTag = form_->SkinData1->DisableTag();

  std::vector<std::wstring> opened;
  for (const TPageInfo& info : PageTable()) {
    if (!info.Create) continue;
    ASSERT_NE(form_->OpenPageFromLink(info.Button), nullptr) << Narrow(info.Button);
    opened.push_back(info.PageClass);
    PumpFor(50);
  }
  EXPECT_EQ(opened.size(), PageTable().size()) << "the program contains every page";
  PumpFor(200);

  std::vector<TControl*> controls;
  std::set<TControl*> seen;
  CollectControls(form_, controls, seen);
  // Outcome per class, printed for the review of what is still drawn natively.
  std::map<std::string, std::map<std::string, int>> outcomes;
  int skinned = 0;
  for (TControl* control : controls) {
    const std::string where = Narrow(control->ClassName() + L" " + control->Name());
    SCOPED_TRACE(where);
    TSkinControl* skinner = SkinnerOf(*skinForm, control);
    std::string outcome;
    if (TaggedNative(control, disableTag)) {
      EXPECT_EQ(skinner, nullptr) << "a control tagged to stay native got a skinner";
      outcome = "native by its Tag";
    } else if (control == form_) {
      outcome = "the skinned window itself";
    } else {
      EXPECT_TRUE(skinForm->WasDecided(control)) << "never offered to the discovery";
      const TSkinDecision decision = skinForm->DecideFor(control);
      EXPECT_FALSE(decision.Source.empty());
      if (decision.Kind != TSkinnerKind::None) {
        if (skinner) {
          EXPECT_EQ(skinner->ClassName(), SkinnerKindName(decision.Kind));
          // A skinner that only recolours (a page placed as a control) takes no part in the
          // control's messages; the window skinner's list is what knows it.
          auto* windowed = dynamic_cast<TWinControl*>(control);
          if (windowed && skinner->Hooked()) {
            EXPECT_EQ(SendMessageW(windowed->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
          }
          ++skinned;
          outcome = Narrow(SkinnerKindName(decision.Kind));
        } else if (!decision.NeedsBorder) {
          ADD_FAILURE() << "its skinner " << Narrow(SkinnerKindName(decision.Kind)) << " is not attached ("
                        << Narrow(decision.Source) << ")";
        }
      } else {
        EXPECT_EQ(skinner, nullptr);
        outcome = "none: " + Narrow(decision.Source);
      }
    }
    ++outcomes[Narrow(control->ClassName())][outcome];
  }
  EXPECT_GT(skinned, 0) << "no control of any page was skinned";
  for (const auto& [cls, byOutcome] : outcomes)
    for (const auto& [outcome, count] : byOutcome) std::cout << cls << " x" << count << ": " << outcome << "\n";
}

}  // namespace
