#include "app/frmmain.h"

#include "app/frmAbout.h"
#include "app/frmTemp.h"
#include "app/frmSetting.h"
#include "app/update_check_boxes.h"
#include "base/shell_open.h"
#include "app/vendor_links.h"
#include "base/date_time.h"
#include "base/exception.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "updater/update/update_check.h"

Tfrmmain* frmmain = nullptr;

QS_FORM_IMPL(Tfrmmain, TForm,
             QS_FIELD(Timer1), QS_FIELD(esdtStatu), QS_FIELD(Label4), QS_FIELD(lblRegister),
             QS_FIELD(Label6), QS_FIELD(Label2), QS_FIELD(Label3), QS_FIELD(p_Form), QS_FIELD(SkinData1),
             QS_FIELD(p_Clean), QS_FIELD(p_optimizer), QS_FIELD(p_tools), QS_FIELD(p_back),
             QS_FIELD(btnHome), QS_FIELD(btnOneClick), QS_FIELD(btnClean), QS_FIELD(btnOptimizer),
             QS_FIELD(btnTools), QS_FIELD(btnBack), QS_FIELD(btnSettings), QS_FIELD(btnResults),
             QS_FIELD(btnRegsitryCleaner), QS_FIELD(btnJunkCleaner), QS_FIELD(btnEvidenceCleaner),
             QS_FIELD(btnFileCleaner), QS_FIELD(btnMemory), QS_FIELD(btnSystem), QS_FIELD(btnStartup),
             QS_FIELD(btnUninstall), QS_FIELD(btnProcess), QS_FIELD(btnService), QS_FIELD(btnBlockActivex),
             QS_FIELD(btnReActive), QS_FIELD(btnError), QS_FIELD(btnIE), QS_FIELD(btnLSP), QS_FIELD(btnFileAsso),
             QS_FIELD(btnRegistryBack), QS_FIELD(btnDriver), QS_FIELD(btnIEFavorites), QS_FIELD(btnRestorePoint),
             QS_HANDLER(FormCreate), QS_HANDLER(btnHomeClick), QS_HANDLER(btnOneClickClick),
             QS_HANDLER(btnCleanClick), QS_HANDLER(btnOptimizerClick), QS_HANDLER(btnToolsClick),
             QS_HANDLER(btnBackClick), QS_HANDLER(btnSettingsClick), QS_HANDLER(btnResultsClick),
             QS_HANDLER(lblRegisterClick), QS_HANDLER(Label6Click), QS_HANDLER(Label3Click),
             QS_HANDLER(Label4Click), QS_HANDLER(Timer1Timer),
             QS_HANDLER(Label4MouseEnter), QS_HANDLER(Label4MouseLeave))

namespace {
template <class T>
T* Named(const TComponent* owner, const wchar_t* name) {
  T* found = dynamic_cast<T*>(owner->FindComponent(name));
  if (!found) throw Exception(std::wstring(L"The main window has no ") + name);
  return found;
}
}  // namespace

Tfrmmain::Tfrmmain(TComponent* owner) : TForm(owner) { LoadForm(); }

// The section table names the buttons and panels; they are looked up once the form is read,
// before FormCreate selects the first section.
void Tfrmmain::Loaded() {
  TForm::Loaded();
  for (int s = 0; s < kSectionCount; ++s) sectionButtons_[s] = Named<TImageEx>(this, SectionInfo(s).HeaderButton);
  for (int g = 0; g < kGroupCount; ++g) groupPanels_[g] = Named<TPanel>(this, kGroupPanels[g]);
  // The feature buttons of the pages the program contains open them; section buttons have
  // handlers of their own in the form file.
  for (const TPageInfo& page : PageTable()) {
    auto* button = Named<TImageEx>(this, page.Button);
    if (page.Create && !button->OnClick) button->OnClick = [this](TObject* sender) { FeatureButtonClick(sender); };
  }
}

void Tfrmmain::FormCreate(TObject* Sender) {
  SelectSection(0);
  OpenPage(L"btnHome");
  lblRegister->SetCaption(L"About");
  Label2->SetCaption(L"");
  Timer1->SetEnabled(AutoUpdateEnabled());
}

bool Tfrmmain::AutoUpdateEnabled() {
  try {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    return reg.OpenKey(kProgramKey, true) && reg.ReadInteger(kAutoUpdateValueName) == 1;
  } catch (const Exception&) {
    return false;
  }
}

void Tfrmmain::Timer1Timer(TObject* Sender) {
  Timer1->SetEnabled(false);
  Label4Click(nullptr);
}

void Tfrmmain::Label4Click(TObject* Sender) {
  Timer1->SetEnabled(false);
  UpdateCheckMode = Sender == Label4 ? 1 : 0;
  RunUpdateCheck(UpdateCheckMode == 1, UpdateCheckBoxes());
}

std::wstring Tfrmmain::GreetingPrefix() {
  const int hour = StrToInt(FormatDateTime(L"hh", Now()));
  if (hour >= 5 && hour <= 11) return L"Good Morning and Welcome to";
  if (hour >= 12 && hour <= 18) return L"Good Afternoon and Welcome to";
  return L"Good Evening and Welcome to";
}

void Tfrmmain::EnableNavigation(bool value) {
  for (TImageEx* button : {btnHome, btnOneClick, btnClean, btnOptimizer, btnTools, btnBack, btnSettings,
                           btnResults, btnRegsitryCleaner, btnJunkCleaner, btnEvidenceCleaner, btnFileCleaner}) {
    button->SetEnabled(value);
  }
}

void Tfrmmain::NavigationLocksChanged() {
  EnableNavigation(!NavigationLocked());
  if (!PageRecreationLocked()) return;
  btnOneClick->SetEnabled(false);
  for (const TPageInfo& page : PageTable()) {
    if (page.Life == TPageLife::Recreated) Named<TImageEx>(this, page.Button)->SetEnabled(false);
  }
}

void Tfrmmain::ReleaseFeatureButtons() {
  for (TImageEx* button :
       {btnRegsitryCleaner, btnJunkCleaner, btnEvidenceCleaner, btnFileCleaner, btnMemory, btnSystem, btnStartup,
        btnUninstall, btnProcess, btnService, btnBlockActivex, btnReActive, btnError, btnIE, btnLSP, btnFileAsso,
        btnRegistryBack, btnDriver, btnIEFavorites, btnRestorePoint}) {
    button->SetDown(false);
  }
}

void Tfrmmain::CollapseCurrentGroup() {
  const int group = SectionInfo(CurrentSection).Group;
  if (group >= 0) groupPanels_[group]->SetHeight(kCollapsedGroupHeight);
}

void Tfrmmain::SelectSection(int section) {
  if (Switching) return;
  Switching = true;
  CollapseCurrentGroup();
  sectionButtons_[CurrentSection]->SetDown(false);
  sectionButtons_[section]->SetDown(true);
  esdtStatu->SetCaption(SectionInfo(section).Name);
  const auto& heights = GroupHeightsFor(section);
  for (int g = 0; g < kGroupCount; ++g) {
    if (heights[g] != kKeepHeight) groupPanels_[g]->SetHeight(heights[g]);
  }
  CurrentSection = section;
  Switching = false;
}

bool Tfrmmain::SelectSectionFromButton(int section, TObject* sender) {
  if (CurrentSection == section) return false;
  SelectSection(section);
  ReleaseFeatureButtons();
  if (auto* button = dynamic_cast<TImageEx*>(sender)) button->SetDown(true);
  return true;
}

void Tfrmmain::btnHomeClick(TObject* Sender) {
  if (CurrentSection == 0) return;
  SelectSection(0);
  OpenPage(L"btnHome");
}

void Tfrmmain::btnOneClickClick(TObject* Sender) {
  // Off while a page's run is locked in (navigation) or while freeing the pages that one-click
  // maintenance makes anew would pull them from under their running loop (the junk cleaner
  // deleting files); the home page's button comes here too, so the check is here rather than in
  // the button.
  if (NavigationLocked() || PageRecreationLocked()) return;
  FreeRecreatedPages();
  if (CurrentSection == 7) return;
  SelectSection(7);
  OpenPage(L"btnOneClick");
}

void Tfrmmain::btnCleanClick(TObject* Sender) {
  if (CurrentSection != 1) SelectSection(1);
}

void Tfrmmain::btnOptimizerClick(TObject* Sender) {
  if (CurrentSection != 2) SelectSection(2);
}

void Tfrmmain::btnToolsClick(TObject* Sender) {
  if (CurrentSection != 3) SelectSection(3);
}

void Tfrmmain::btnBackClick(TObject* Sender) {
  if (CurrentSection != 4) SelectSection(4);
}

void Tfrmmain::btnSettingsClick(TObject* Sender) {
  if (SelectSectionFromButton(5, Sender)) OpenPage(L"btnSettings");
}

void Tfrmmain::btnResultsClick(TObject* Sender) {
  if (SelectSectionFromButton(6, Sender)) OpenPage(L"btnResults");
}

void Tfrmmain::FeatureButtonClick(TObject* Sender) {
  ReleaseFeatureButtons();
  auto* button = static_cast<TImageEx*>(Sender);
  button->SetDown(true);
  OpenPage(button->Name());
}

TCustomForm* Tfrmmain::OpenPage(const std::wstring& Button, TComponent* Owner) {
  // The new page's controls get the skin the rest of the window already has.
  return pages_.Open(Button, Owner ? Owner : this, p_Form, GreetingPrefix(),
                     [this] { SkinData1->UpdateSkinControl(this, nullptr); });
}

TCustomForm* Tfrmmain::OpenPageFromLink(const std::wstring& Button, TComponent* Owner) {
  auto* button = dynamic_cast<TImageEx*>(FindComponent(Button));
  if (!button || !button->Enabled()) return nullptr;
  if (button == btnOneClick) {
    btnOneClickClick(button);
    return PageOfButton(Button);
  }
  for (int section = 0; section < kSectionCount; ++section) {
    if (sectionButtons_[section] == button) {
      if (CurrentSection != section) SelectSection(section);
      return OpenPage(Button, Owner);
    }
  }
  ReleaseFeatureButtons();
  for (int section = 0; section < kSectionCount; ++section) {
    const int group = SectionInfo(section).Group;
    if (group >= 0 && button->Parent() == groupPanels_[group]) {
      // Also when that section is current: its group is opened again.
      SelectSection(section);
      break;
    }
  }
  button->SetDown(true);
  return OpenPage(Button, Owner);
}

TCustomForm* Tfrmmain::PageOfButton(const std::wstring& Button) const { return pages_.PageOf(Button); }

void Tfrmmain::FreeRecreatedPages() { pages_.FreeRecreated(); }

void Tfrmmain::lblRegisterClick(TObject* Sender) {
  std::unique_ptr<TfrmTemp> overlay(new TfrmTemp(this));
  overlay->SetBounds(Left(), Top(), Width(), Height());
  overlay->Show();
  std::unique_ptr<TfrmAbout> about(new TfrmAbout(this));
  about->ShowModal();
  overlay->Close();
  overlay.reset();
  about.reset();
}

void Tfrmmain::Label6Click(TObject* Sender) { ShellOpenUrl(kVendorWebSite, SW_SHOW); }

void Tfrmmain::Label3Click(TObject* Sender) { ShellOpenUrl(kVendorWebSite, SW_SHOW); }

void Tfrmmain::Label4MouseEnter(TObject* Sender) {
  static_cast<TControl*>(Sender)->Font()->SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
}

void Tfrmmain::Label4MouseLeave(TObject* Sender) {
  static_cast<TControl*>(Sender)->Font()->SetStyle({TFontStyle::fsBold});
}
