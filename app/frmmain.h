#pragma once
// The main window: the banner with the section name and the header links, the navigation
// column of picture buttons with its collapsible groups, the page panel p_Form and the footer.
#include <array>
#include <functional>
#include <map>
#include <string>

#include "gui/pagekit/image_ex.h"
#include "app/page_table.h"
#include "app/sections.h"
#include "gui/forms.h"
#include "gui/pagekit/page_host.h"
#include "gui/ext_ctrls.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "skin/skin_data.h"

class Tfrmmain : public TForm, public TPageHost {
  QS_FORM(Tfrmmain)

 public:
  explicit Tfrmmain(TComponent* owner);

  // The greeting that starts every page heading, after the hour of the base clock.
  static std::wstring GreetingPrefix();
  std::wstring Greeting() const override { return GreetingPrefix(); }
  TSkinData* SkinComponent() const override { return SkinData1; }
  // Releases the latched look of every feature button; header buttons keep theirs.
  void ReleaseFeatureButtons();
  // Selects a navigation section 0..7: latches its header button, names it in the banner and
  // opens or collapses the button groups. Ignored while a selection is running.
  void SelectSection(int section);
  int CurrentSection = 0;
  // Set while SelectSection runs.
  bool Switching = false;

  // Opens the page of a navigation button as the page table says. A new page is made with
  // Owner (the main window when nullptr; the home and results pages pass themselves for the
  // pages their links open), placed in p_Form, given its first-time step and heading and shown;
  // an existing one gets its reopen step and heading and comes to the front. Nothing (nullptr)
  // when the program does not contain the page.
  TCustomForm* OpenPage(const std::wstring& Button, TComponent* Owner = nullptr) override;
  // A link opens the page as a click on its button does: a feature button is latched with its
  // group's section selected, one-click maintenance goes through btnOneClickClick. Nothing while
  // the button is off.
  TCustomForm* OpenPageFromLink(const std::wstring& Button, TComponent* Owner = nullptr) override;
  // The page of a button while it exists, else nullptr.
  TCustomForm* PageOfButton(const std::wstring& Button) const;
  // Frees the pages that one-click maintenance makes anew (the junk cleaner). A page that is
  // pumping messages at that moment finds itself gone through its TComponentRef.
  void FreeRecreatedPages();

  // The update check: 1 while a check the user asked for runs, 0 for the silent one.
  int UpdateCheckMode = 0;
  // True exactly when SOFTWARE\Quillstead AutoUpdate (HKEY_LOCAL_MACHINE) reads as 1.
  static bool AutoUpdateEnabled();

  TTimer* Timer1 = nullptr;
  TLabel* esdtStatu = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* lblRegister = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TPanel* p_Form = nullptr;
  TSkinData* SkinData1 = nullptr;
  TPanel* p_Clean = nullptr;
  TPanel* p_optimizer = nullptr;
  TPanel* p_tools = nullptr;
  TPanel* p_back = nullptr;

  TImageEx* btnHome = nullptr;
  TImageEx* btnOneClick = nullptr;
  TImageEx* btnClean = nullptr;
  TImageEx* btnOptimizer = nullptr;
  TImageEx* btnTools = nullptr;
  TImageEx* btnBack = nullptr;
  TImageEx* btnSettings = nullptr;
  TImageEx* btnResults = nullptr;

  TImageEx* btnRegsitryCleaner = nullptr;
  TImageEx* btnJunkCleaner = nullptr;
  TImageEx* btnEvidenceCleaner = nullptr;
  TImageEx* btnFileCleaner = nullptr;
  TImageEx* btnMemory = nullptr;
  TImageEx* btnSystem = nullptr;
  TImageEx* btnStartup = nullptr;
  TImageEx* btnUninstall = nullptr;
  TImageEx* btnProcess = nullptr;
  TImageEx* btnService = nullptr;
  TImageEx* btnBlockActivex = nullptr;
  TImageEx* btnReActive = nullptr;
  TImageEx* btnError = nullptr;
  TImageEx* btnIE = nullptr;
  TImageEx* btnLSP = nullptr;
  TImageEx* btnFileAsso = nullptr;
  TImageEx* btnRegistryBack = nullptr;
  TImageEx* btnDriver = nullptr;
  TImageEx* btnIEFavorites = nullptr;
  TImageEx* btnRestorePoint = nullptr;

  void FormCreate(TObject* Sender);
  void btnHomeClick(TObject* Sender);
  void btnOneClickClick(TObject* Sender);
  void btnCleanClick(TObject* Sender);
  void btnOptimizerClick(TObject* Sender);
  void btnToolsClick(TObject* Sender);
  void btnBackClick(TObject* Sender);
  void btnSettingsClick(TObject* Sender);
  void btnResultsClick(TObject* Sender);
  void lblRegisterClick(TObject* Sender);
  void Label6Click(TObject* Sender);
  void Label3Click(TObject* Sender);
  // The header link "Update" (Sender Label4) or the timer's silent check (Sender nullptr).
  void Label4Click(TObject* Sender);
  void Timer1Timer(TObject* Sender);
  void Label4MouseEnter(TObject* Sender);
  void Label4MouseLeave(TObject* Sender);

 protected:
  void Loaded() override;
  // The twelve navigation buttons are on while no page holds a navigation lock; one-click
  // maintenance and the buttons of pages made anew stay off while a page-recreation lock is held.
  void NavigationLocksChanged() override;

 private:
  // Enables or disables the twelve navigation buttons that scans keep from being used.
  void EnableNavigation(bool value);

  void FeatureButtonClick(TObject* Sender);
  void CollapseCurrentGroup();
  // A section button that also releases the feature buttons (Settings, Results); false when
  // the section was current already.
  bool SelectSectionFromButton(int section, TObject* sender);

  std::array<TImageEx*, kSectionCount> sectionButtons_{};
  std::array<TPanel*, kGroupCount> groupPanels_{};
  // The one instance of each page, by its row of the page table.
  TPageSlots pages_;
};

// The application's main form.
extern Tfrmmain* frmmain;
