// The main window read from its form resource: sections and button groups, the navigation
// services pages call, the page placement pattern, the links and the About box over its overlay.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/frmmain.h"
#include "app/page_table.h"
#include "base/shell_open.h"
#include "app/vendor_links.h"
#include "base/date_time.h"
#include "base/message_pump.h"
#include "base/strings.h"
#include "gui/application.h"
#include "gui/message_box.h"

namespace {

const wchar_t* const kHeaders[] = {L"btnHome",  L"btnOneClick", L"btnClean",    L"btnOptimizer",
                                   L"btnTools", L"btnBack",     L"btnSettings", L"btnResults"};
const wchar_t* const kFeatures[] = {
    L"btnRegsitryCleaner", L"btnJunkCleaner", L"btnEvidenceCleaner", L"btnFileCleaner", L"btnMemory",
    L"btnSystem",          L"btnStartup",     L"btnUninstall",       L"btnProcess",     L"btnService",
    L"btnBlockActivex",    L"btnReActive",    L"btnError",           L"btnIE",          L"btnLSP",
    L"btnFileAsso",        L"btnRegistryBack", L"btnDriver",         L"btnIEFavorites", L"btnRestorePoint"};
const wchar_t* const kNavigation[] = {L"btnHome",     L"btnOneClick",        L"btnClean",
                                      L"btnOptimizer", L"btnTools",          L"btnBack",
                                      L"btnSettings", L"btnResults",         L"btnRegsitryCleaner",
                                      L"btnJunkCleaner", L"btnEvidenceCleaner", L"btnFileCleaner"};

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetShellOpenForTesting([this](const TShellOpenCall& call) { opened.push_back({call.File, call.ShowCommand}); });
    // An error box would be modal and stop the test: record it instead.
    SetMessageBoxFunc([this](HWND, const std::wstring& text, const std::wstring&, UINT) {
      boxes.push_back(text);
      return IDOK;
    });
    form = new Tfrmmain(Application);
    frmmain = form;
    form->Show();
    Application->ProcessMessages();
  }

  void TearDown() override {
    for (const std::wstring& box : boxes) ADD_FAILURE() << "message box: " << Narrow(box);
    delete form;
    frmmain = nullptr;
    SetShellOpenForTesting(nullptr);
    SetMessageBoxFunc(nullptr);
    SetClockForTesting(nullptr);
  }

  TImageEx* Button(const wchar_t* name) const {
    auto* b = dynamic_cast<TImageEx*>(form->FindComponent(name));
    EXPECT_NE(b, nullptr) << Narrow(name);
    return b;
  }
  TPanel* Panel(const wchar_t* name) const { return dynamic_cast<TPanel*>(form->FindComponent(name)); }

  std::vector<int> GroupHeights() const {
    return {Panel(L"p_Clean")->Height(), Panel(L"p_optimizer")->Height(), Panel(L"p_tools")->Height(),
            Panel(L"p_back")->Height()};
  }
  std::vector<std::wstring> HeadersDown() const {
    std::vector<std::wstring> down;
    for (const wchar_t* name : kHeaders)
      if (Button(name)->Down()) down.push_back(name);
    return down;
  }

  // A real click: the windowless button's parent window gets the mouse messages.
  void Click(TControl* control) {
    HWND parent = control->Parent()->Handle();
    const LPARAM at = MAKELPARAM(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
    SendMessageW(parent, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(parent, WM_LBUTTONUP, 0, at);
    Application->ProcessMessages();
  }

  Tfrmmain* form = nullptr;
  std::vector<std::pair<std::wstring, int>> opened;
  std::vector<std::wstring> boxes;
};

TEST_F(MainWindowTest, WindowHasItsCaptionAndClientSize) {
  wchar_t caption[64] = {};
  GetWindowTextW(form->Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Quillstead v4.1");
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 787);
  EXPECT_EQ(client.bottom, 565);
  const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST_F(MainWindowTest, StartsInHomeWithEveryGroupCollapsed) {
  EXPECT_EQ(form->CurrentSection, 0);
  EXPECT_EQ(form->esdtStatu->Caption(), L"Home");
  EXPECT_EQ(HeadersDown(), std::vector<std::wstring>{L"btnHome"});
  EXPECT_EQ(GroupHeights(), (std::vector<int>{32, 32, 32, 32}));
  EXPECT_EQ(form->Label2->Caption(), L"");
  EXPECT_EQ(form->lblRegister->Caption(), L"About");
  EXPECT_EQ(Panel(L"P_Main")->Width(), 199);
  EXPECT_EQ(form->p_Form->Height(), 433);
}

TEST_F(MainWindowTest, EverySectionFromEverySectionGivesItsBannerHeaderAndGroups) {
  struct Expected {
    const wchar_t* banner;
    const wchar_t* header;
    std::vector<int> heights;
  };
  const Expected expected[] = {
      {L"Home", L"btnHome", {32, 32, 32, 32}},
      {L"Clean Center", L"btnClean", {144, 32, 32, 32}},
      {L"Optimizer Center", L"btnOptimizer", {32, 144, 32, 32}},
      {L"Advanced Tools", L"btnTools", {32, 32, 200, 32}},
      {L"Backup Center", L"btnBack", {32, 32, 32, 144}},
      {L"Settings", L"btnSettings", {32, 32, 32, 32}},
      {L"Results", L"btnResults", {32, 32, 32, 32}},
      {L"1-Click Maintenance", L"btnOneClick", {32, 32, 32, 32}},
  };
  for (int from = 0; from < 8; ++from) {
    for (int to = 0; to < 8; ++to) {
      SCOPED_TRACE(::testing::Message() << "from " << from << " to " << to);
      form->SelectSection(from);
      form->SelectSection(to);
      EXPECT_EQ(form->CurrentSection, to);
      EXPECT_EQ(form->esdtStatu->Caption(), expected[to].banner);
      EXPECT_EQ(HeadersDown(), std::vector<std::wstring>{expected[to].header});
      EXPECT_EQ(GroupHeights(), expected[to].heights);
    }
  }
}

TEST_F(MainWindowTest, ExpandedGroupShowsItsFeatureButtonsBelowTheHeader) {
  Click(Button(L"btnTools"));
  EXPECT_EQ(form->CurrentSection, 3);
  auto* tools = Panel(L"p_tools");
  EXPECT_EQ(tools->Height(), 200);
  // The column stacks: the groups below the expanded one moved down with it.
  EXPECT_EQ(Panel(L"p_back")->Top(), tools->Top() + 200);
  EXPECT_EQ(Button(L"btnFileAsso")->Top() + Button(L"btnFileAsso")->Height(), 200);
}

TEST_F(MainWindowTest, ClickingTheExpandedGroupsHeaderDoesNothing) {
  Click(Button(L"btnClean"));
  ASSERT_EQ(form->CurrentSection, 1);
  Click(Button(L"btnClean"));
  EXPECT_EQ(form->CurrentSection, 1);
  EXPECT_EQ(GroupHeights(), (std::vector<int>{144, 32, 32, 32}));
  EXPECT_TRUE(Button(L"btnClean")->Down());
  EXPECT_EQ(HeadersDown(), std::vector<std::wstring>{L"btnClean"});
}

TEST_F(MainWindowTest, AnotherHeaderCollapsesTheOpenGroup) {
  Click(Button(L"btnClean"));
  Click(Button(L"btnBack"));
  EXPECT_EQ(form->CurrentSection, 4);
  EXPECT_EQ(GroupHeights(), (std::vector<int>{32, 32, 32, 144}));
  EXPECT_EQ(form->esdtStatu->Caption(), L"Backup Center");
}

TEST_F(MainWindowTest, SelectionArrivingDuringASelectionIsIgnored) {
  // A selection that runs while another one is under way (pumped messages in a page's loop)
  // must leave the first one's result alone.
  TPicture* picture = Button(L"btnOptimizer")->Picture();
  auto previous = picture->OnChange;
  int nested = 0;
  picture->OnChange = [&] {
    if (nested++ == 0) form->SelectSection(5);
    if (previous) previous();
  };
  form->SelectSection(2);
  picture->OnChange = previous;
  EXPECT_GT(nested, 0);
  EXPECT_EQ(form->CurrentSection, 2);
  EXPECT_EQ(HeadersDown(), std::vector<std::wstring>{L"btnOptimizer"});
  EXPECT_EQ(form->esdtStatu->Caption(), L"Optimizer Center");
  EXPECT_FALSE(form->Switching);
}

TEST_F(MainWindowTest, NavigationLockTouchesExactlyTheTwelveButtons) {
  std::vector<TImageEx*> all;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TImageEx*>(form->Components(i))) all.push_back(b);
  ASSERT_EQ(all.size(), 28u);
  const auto twelve = [](TImageEx* b) {
    return std::any_of(std::begin(kNavigation), std::end(kNavigation),
                       [&](const wchar_t* n) { return b->Name() == n; });
  };
  TNavigationLock lock = form->LockNavigation();
  for (TImageEx* b : all) EXPECT_EQ(b->Enabled(), !twelve(b)) << Narrow(b->Name());
  lock.Release();
  for (TImageEx* b : all) EXPECT_TRUE(b->Enabled()) << Narrow(b->Name());
}

TEST_F(MainWindowTest, DisabledNavigationIgnoresClicks) {
  TNavigationLock lock = form->LockNavigation();
  Click(Button(L"btnClean"));
  EXPECT_EQ(form->CurrentSection, 0);
  lock.Release();
  Click(Button(L"btnClean"));
  EXPECT_EQ(form->CurrentSection, 1);
}

// Two runs overlap: the first one ending leaves the navigation off for the second.
TEST_F(MainWindowTest, NavigationComesBackWithTheLastLock) {
  TNavigationLock first = form->LockNavigation();
  {
    TNavigationLock second = form->LockNavigation();
    first.Release();
    first.Release();  // a second release gives nothing back
    EXPECT_FALSE(Button(L"btnHome")->Enabled());
    EXPECT_TRUE(form->NavigationLocked());
    TNavigationLock moved = std::move(second);
    EXPECT_FALSE(second.Held());
    EXPECT_FALSE(Button(L"btnHome")->Enabled());
  }
  EXPECT_FALSE(form->NavigationLocked());
  EXPECT_TRUE(Button(L"btnHome")->Enabled());
}

TEST_F(MainWindowTest, SettingsAndResultsReleaseTheFeatureButtons) {
  for (const wchar_t* name : {L"btnSettings", L"btnResults"}) {
    SCOPED_TRACE(Narrow(name));
    Button(L"btnJunkCleaner")->SetDown(true);
    Button(L"btnRestorePoint")->SetDown(true);
    Click(Button(name));
    for (const wchar_t* feature : kFeatures) EXPECT_FALSE(Button(feature)->Down()) << Narrow(feature);
    EXPECT_EQ(HeadersDown(), std::vector<std::wstring>{name});
    // Clicking it again while its section is selected changes nothing.
    Button(L"btnJunkCleaner")->SetDown(true);
    Click(Button(name));
    EXPECT_TRUE(Button(L"btnJunkCleaner")->Down());
  }
}

TEST_F(MainWindowTest, HomeAndOneClickLeaveTheFeatureButtonsAlone) {
  Click(Button(L"btnClean"));
  Button(L"btnJunkCleaner")->SetDown(true);
  Click(Button(L"btnOneClick"));
  EXPECT_EQ(form->CurrentSection, 7);
  Click(Button(L"btnHome"));
  EXPECT_EQ(form->CurrentSection, 0);
  EXPECT_TRUE(Button(L"btnJunkCleaner")->Down());
  EXPECT_EQ(HeadersDown(), std::vector<std::wstring>{L"btnHome"});
}

TEST_F(MainWindowTest, ReleaseFeatureButtonsLeavesHeadersDown) {
  for (const wchar_t* feature : kFeatures) Button(feature)->SetDown(true);
  form->ReleaseFeatureButtons();
  for (const wchar_t* feature : kFeatures) EXPECT_FALSE(Button(feature)->Down()) << Narrow(feature);
  EXPECT_EQ(HeadersDown(), std::vector<std::wstring>{L"btnHome"});
}

TEST_F(MainWindowTest, HelpAndFooterLinksOpenTheWebSite) {
  Click(form->Label6);
  Click(form->Label3);
  ASSERT_EQ(opened.size(), 2u);
  for (const auto& [target, show] : opened) {
    EXPECT_EQ(target, kVendorWebSite);
    EXPECT_EQ(show, SW_SHOW);
  }
}

TEST_F(MainWindowTest, LinksUnderlineWhileTheMouseIsOverThem) {
  const TFontStyles boldUnderline{TFontStyle::fsBold, TFontStyle::fsUnderline};
  const TFontStyles bold{TFontStyle::fsBold};
  for (TLabel* label : {form->Label4, form->lblRegister, form->Label6, form->Label3}) {
    SCOPED_TRACE(Narrow(label->Name()));
    HWND parent = label->Parent()->Handle();
    POINT over{label->Left() + 2, label->Top() + 2};
    POINT away{label->Left() - 4, label->Top() + 2};
    for (POINT p : {over, away}) {
      POINT screen = p;
      ClientToScreen(parent, &screen);
      SetCursorPos(screen.x, screen.y);
      SendMessageW(parent, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
      Application->ProcessMessages();
      EXPECT_EQ(label->Font()->Style(), p.x == over.x ? boldUnderline : bold);
    }
  }
}

// A page as the feature pages are: a form with its heading label. Work() pumps messages as a
// scanning page does, and checks after each pump that the page still exists.
class TTestPage : public TForm {
 public:
  TTestPage(TComponent* owner, const wchar_t* headingLabel) : TForm(owner) {
    heading = new TLabel(this);
    heading->SetName(headingLabel ? headingLabel : L"Heading");
    heading->SetParent(this);
  }
  int Work(int steps) {
    TComponentRef<TTestPage> self(this);
    for (int done = 0; done < steps; ++done) {
      PumpMessages();
      if (!self) return done;
      ++self->workDone;
    }
    return steps;
  }
  TLabel* heading;
  int workDone = 0;
};

TDateTime At(int hour, int minute) { return EncodeDate(2011, 3, 14) + EncodeTime(hour, minute, 0, 0); }

// The main window of a program that contains every page (test pages in their place), made once
// the factories are set, as the program sets them before it makes the main window.
class MainWindowPagesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    for (const TPageInfo& page : PageTable()) {
      const wchar_t* heading = page.HeadingLabel;
      SetPageFactory(page.PageClass, [heading](TComponent* owner) { return new TTestPage(owner, heading); },
                     [this, &page](TCustomForm*) { firstTimeSteps.push_back(page.Button); },
                     [this, &page](TCustomForm*) { reopenSteps.push_back(page.Button); });
    }
    SetClockForTesting([] { return At(9, 0); });
    previousPump = SetMessagePump([] { Application->ProcessMessages(); });
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SetMessagePump(previousPump);
    for (const TPageInfo& page : PageTable()) SetPageFactory(page.PageClass, nullptr);
  }
  TTestPage* Page(const wchar_t* button) const { return dynamic_cast<TTestPage*>(form->PageOfButton(button)); }
  HWND FrontPage() const { return GetWindow(form->p_Form->Handle(), GW_CHILD); }
  // Expands the group that holds a feature button, so a click can reach it.
  void ShowButton(const wchar_t* button) {
    const std::wstring group = Button(button)->Parent()->Name();
    const std::map<std::wstring, int> sections = {{L"p_Clean", 1}, {L"p_optimizer", 2}, {L"p_tools", 3}, {L"p_back", 4}};
    auto found = sections.find(group);
    if (found != sections.end()) form->SelectSection(found->second);
  }

  std::vector<std::wstring> firstTimeSteps, reopenSteps;
  TMessagePump previousPump;
};

TEST_F(MainWindowPagesTest, PagesArePlacedOnceAndBroughtBackWithAFreshHeading) {
  TTestPage* first = static_cast<TTestPage*>(form->OpenPage(L"btnRegsitryCleaner"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Owner(), form);
  EXPECT_EQ(first->Parent(), form->p_Form);
  EXPECT_EQ(first->BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(first->Align(), TAlign::alClient);
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(first->heading->Caption(), L"Good Morning and Welcome to Registry Cleaner");
  Application->ProcessMessages();
  EXPECT_EQ(first->Width(), form->p_Form->ClientWidth());
  EXPECT_EQ(first->Height(), form->p_Form->ClientHeight());

  TTestPage* second = static_cast<TTestPage*>(form->OpenPage(L"btnResults"));
  EXPECT_EQ(FrontPage(), second->Handle());
  EXPECT_EQ(second->heading->Caption(), L"") << "the results page has no heading";

  SetClockForTesting([] { return At(20, 0); });
  EXPECT_EQ(form->OpenPage(L"btnRegsitryCleaner"), first);
  EXPECT_EQ(std::count(firstTimeSteps.begin(), firstTimeSteps.end(), L"btnRegsitryCleaner"), 1);
  EXPECT_EQ(reopenSteps, std::vector<std::wstring>{L"btnRegsitryCleaner"});
  EXPECT_EQ(first->heading->Caption(), L"Good Evening and Welcome to Registry Cleaner");
  EXPECT_EQ(FrontPage(), first->Handle());
}

// The home page is made with the main window; every other page opens from its button, comes
// to the front with its heading, and is the same page when its button is clicked again.
TEST_F(MainWindowPagesTest, EachPageOpensFromItsButtonWithItsHeading) {
  ASSERT_NE(Page(L"btnHome"), nullptr);
  EXPECT_EQ(FrontPage(), Page(L"btnHome")->Handle());
  EXPECT_EQ(firstTimeSteps, std::vector<std::wstring>{L"btnHome"});

  for (const TPageInfo& info : PageTable()) {
    if (SameText(info.Button, L"btnHome")) continue;
    SCOPED_TRACE(Narrow(info.Button));
    // From another section, so the section buttons act too.
    if (form->CurrentSection != 0) Click(Button(L"btnHome"));
    ShowButton(info.Button);
    Click(Button(info.Button));
    TTestPage* page = Page(info.Button);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Owner(), form);
    EXPECT_EQ(FrontPage(), page->Handle());
    if (info.HeadingLabel) {
      EXPECT_EQ(page->heading->Caption(), std::wstring(L"Good Morning and Welcome to") + info.TitleSuffix);
    }
    if (!SameText(info.Button, L"btnOneClick")) {
      EXPECT_TRUE(Button(info.Button)->Down());
    }

    Click(Button(L"btnHome"));
    EXPECT_EQ(FrontPage(), Page(L"btnHome")->Handle());
    ShowButton(info.Button);
    Click(Button(info.Button));
    EXPECT_EQ(Page(info.Button), page) << "kept";
    EXPECT_EQ(FrontPage(), page->Handle());
  }
  EXPECT_EQ(firstTimeSteps.size(), PageTable().size());
}

// One-click maintenance frees the junk cleaner page; the next opening makes it anew. Other
// pages stay.
TEST_F(MainWindowPagesTest, JunkPageIsMadeAnewAfterOneClickOpens) {
  TCustomForm* junk = form->OpenPage(L"btnJunkCleaner");
  TCustomForm* registry = form->OpenPage(L"btnRegsitryCleaner");
  TComponentRef<TCustomForm> junkRef(junk);
  Click(Button(L"btnOneClick"));
  EXPECT_FALSE(junkRef);
  EXPECT_EQ(form->PageOfButton(L"btnJunkCleaner"), nullptr);
  EXPECT_EQ(form->PageOfButton(L"btnRegsitryCleaner"), registry);
  // Also when one-click maintenance is current already.
  TComponentRef<TCustomForm> again(form->OpenPage(L"btnJunkCleaner"));
  ASSERT_TRUE(again);
  Click(Button(L"btnOneClick"));
  EXPECT_FALSE(again);
  EXPECT_EQ(form->CurrentSection, 7);
}

// While a page must not be made anew, one-click maintenance (its button and the home page's way
// in) and the junk cleaner's button stay off whatever other runs do; the rest navigates.
TEST_F(MainWindowPagesTest, PageRecreationLockKeepsOneClickOffThroughOtherRuns) {
  TComponentRef<TCustomForm> junk(form->OpenPage(L"btnJunkCleaner"));
  TNavigationLock cleaning = form->LockPageRecreation();
  EXPECT_FALSE(Button(L"btnOneClick")->Enabled());
  EXPECT_FALSE(Button(L"btnJunkCleaner")->Enabled());
  EXPECT_TRUE(Button(L"btnHome")->Enabled());
  EXPECT_TRUE(Button(L"btnRegsitryCleaner")->Enabled());
  // Another page's run starts and ends meanwhile.
  form->LockNavigation().Release();
  EXPECT_TRUE(Button(L"btnHome")->Enabled());
  EXPECT_FALSE(Button(L"btnOneClick")->Enabled());
  EXPECT_FALSE(Button(L"btnJunkCleaner")->Enabled());
  form->btnOneClickClick(Button(L"btnOneClick"));
  EXPECT_TRUE(junk);
  EXPECT_NE(form->CurrentSection, 7);
  cleaning.Release();
  EXPECT_TRUE(Button(L"btnOneClick")->Enabled());
  EXPECT_TRUE(Button(L"btnJunkCleaner")->Enabled());
  Click(Button(L"btnOneClick"));
  EXPECT_FALSE(junk);
}

// The junk cleaner page pumps messages while it works; the one-click button, clicked meanwhile,
// frees it. Its work ends at the next pump without touching the freed page.
TEST_F(MainWindowPagesTest, PumpingPageFreedDuringAPumpEndsItsWork) {
  auto* junk = static_cast<TTestPage*>(form->OpenPage(L"btnJunkCleaner"));
  Application->ProcessMessages();
  TImageEx* oneClick = Button(L"btnOneClick");
  const LPARAM at = MAKELPARAM(oneClick->Left() + oneClick->Width() / 2, oneClick->Top() + oneClick->Height() / 2);
  PostMessageW(oneClick->Parent()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(oneClick->Parent()->Handle(), WM_LBUTTONUP, 0, at);
  const int done = junk->Work(1000);
  EXPECT_LT(done, 1000);
  EXPECT_EQ(form->PageOfButton(L"btnJunkCleaner"), nullptr);
  EXPECT_EQ(form->CurrentSection, 7);
}

// A program without the pages: the feature buttons keep only their navigation behaviour.
TEST_F(MainWindowTest, ButtonsOfPagesNotInTheProgramOpenNothing) {
  form->SelectSection(1);
  Click(Button(L"btnRegsitryCleaner"));
  EXPECT_FALSE(Button(L"btnRegsitryCleaner")->Down());
  EXPECT_EQ(form->PageOfButton(L"btnRegsitryCleaner"), nullptr);
  EXPECT_EQ(GetWindow(form->p_Form->Handle(), GW_CHILD), nullptr);
  Click(Button(L"btnSettings"));
  EXPECT_EQ(form->CurrentSection, 5);
  EXPECT_EQ(GetWindow(form->p_Form->Handle(), GW_CHILD), nullptr);
}

// The About box is modal: this runs inside its loop, looks at the overlay and closes the box.
struct AboutProbe {
  RECT mainBounds{};
  bool overlaySeen = false, overlayCoversMain = false, aboutSeen = false;
  BYTE alpha = 0;
  DWORD layeredFlags = 0;
  LONG_PTR overlayExStyle = 0;
  int overlayTag = 0;
  int ticks = 0;
  std::wstring overlayCaption;
};
AboutProbe* g_probe = nullptr;

void CALLBACK InspectAbout(HWND, UINT, UINT_PTR id, DWORD) {
  AboutProbe& p = *g_probe;
  HWND about = FindWindowW(L"TfrmAbout", L"Quillstead v4.1");
  // Looks again on the next tick until the box is up (or gives up after a few seconds).
  if (!(about && IsWindowVisible(about)) && ++p.ticks < 50) return;
  KillTimer(nullptr, id);
  HWND overlay = FindWindowW(L"TfrmTemp", nullptr);
  if (overlay && IsWindowVisible(overlay)) {
    p.overlaySeen = true;
    p.overlayExStyle = GetWindowLongPtrW(overlay, GWL_EXSTYLE);
    COLORREF key = 0;
    GetLayeredWindowAttributes(overlay, &key, &p.alpha, &p.layeredFlags);
    RECT r;
    GetWindowRect(overlay, &r);
    p.overlayCoversMain = EqualRect(&r, &p.mainBounds) != FALSE;
    if (TWinControl* control = ControlFromHandle(overlay)) p.overlayTag = control->Tag();
    wchar_t caption[64] = {};
    GetWindowTextW(overlay, caption, 64);
    p.overlayCaption = caption;
  }
  if (about && IsWindowVisible(about)) {
    p.aboutSeen = true;
    // Its two links, clicked as a user would.
    if (TWinControl* box = ControlFromHandle(about)) {
      for (const wchar_t* name : {L"Label5", L"Label6"}) {
        if (auto* link = dynamic_cast<TControl*>(box->FindComponent(name))) {
          const LPARAM at = MAKELPARAM(link->Left() + 3, link->Top() + 3);
          SendMessageW(about, WM_LBUTTONDOWN, MK_LBUTTON, at);
          SendMessageW(about, WM_LBUTTONUP, 0, at);
        }
      }
    }
    // The OK button ends the box, as a user's click would.
    HWND ok = FindWindowExW(about, nullptr, L"TButton", L"&OK");
    if (ok)
      PostMessageW(ok, BM_CLICK, 0, 0);
    else
      PostMessageW(about, WM_CLOSE, 0, 0);
  }
}

TEST_F(MainWindowTest, AboutShowsOverTheDimmingOverlayAndTakesItAway) {
  AboutProbe probe;
  GetWindowRect(form->Handle(), &probe.mainBounds);
  g_probe = &probe;
  SetTimer(nullptr, 0, 100, InspectAbout);
  Click(form->lblRegister);
  g_probe = nullptr;

  EXPECT_TRUE(probe.aboutSeen);
  EXPECT_TRUE(probe.overlaySeen);
  EXPECT_TRUE(probe.overlayExStyle & WS_EX_LAYERED);
  EXPECT_TRUE(probe.layeredFlags & LWA_ALPHA);
  EXPECT_EQ(probe.alpha, 180);
  EXPECT_TRUE(probe.overlayCoversMain);
  EXPECT_EQ(probe.overlayTag, 99);
  EXPECT_EQ(probe.overlayCaption, L"Quillstead v4.0");
  const std::vector<std::pair<std::wstring, int>> links = {
      {kVendorWebSite, SW_SHOW}, {std::wstring(L"mailto:") + kSupportMailAddress, SW_SHOWNORMAL}};
  EXPECT_EQ(opened, links);
  EXPECT_EQ(FindWindowW(L"TfrmTemp", nullptr), nullptr);
  EXPECT_EQ(FindWindowW(L"TfrmAbout", nullptr), nullptr);
  for (int i = 0; i < form->ComponentCount(); ++i) {
    EXPECT_STRNE(Narrow(form->Components(i)->ClassName()).c_str(), "TfrmTemp");
    EXPECT_STRNE(Narrow(form->Components(i)->ClassName()).c_str(), "TfrmAbout");
  }
}

}  // namespace
