// Program entry of Quillstead: title, date formats, splash, main window, message loop.
#include <windows.h>

#include "app/frmSetting.h"
#include "app/home_page/frmHome.h"
#include "app/frmSpash.h"
#include "app/frmmain.h"
#include "app/page_table.h"
#include "base/date_time.h"
#include "base/exception.h"
#include "base/message_pump.h"
#include "cleaners/activex_page/frmBlockActivex.h"
#include "cleaners/evidence_page/frmHisCleaner.h"
#include "cleaners/junk/waste_lists.h"
#include "cleaners/junk_page/frmWasteCleaner.h"
#include "cleaners/oneclick_page/frmOneClick.h"
#include "gui/application.h"
#include "registry/backup_page/frmRegRestore.h"
#include "registry/cleaner_page/frmRegCleaner.h"
#include "registry/results_page/frmLastDetail.h"
#include "skin/skin_manager.h"
#include "tools/activex_register_page/frmRegisterActivex.h"
#include "tools/driver_page/frmDriver.h"
#include "tools/favorites_page/frmfavorites.h"
#include "tools/memory_page/frmCPUMemory.h"
#include "tools/error_page/frmErrorClean.h"
#include "tools/fixes/frmFixFileAsso.h"
#include "tools/iemanage_page/frmIEManage.h"
#include "tools/restore_page/frmSystemRestore.h"
#include "tools/service_page/frmSystemOptimize.h"
#include "tools/shredder_page/frmSmashFile.h"
#include "tools/uninstall_page/frmUninstall.h"
#include "tools/lsp_page/frmLsp.h"
#include "tools/startup_page/frmstartup.h"

namespace {
// How long the splash stays up before the main window is made.
constexpr DWORD kSplashMilliseconds = 2000;
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    Application->SetTitle(L"Quillstead v4.1");
    SetProgramDateFormats();
    // Engines pump between their steps through this, so the windows stay responsive.
    SetMessagePump([] { Application->ProcessMessages(); });
    SetPageFactory(L"TfrmSetting", [](TComponent* owner) { return new TfrmSetting(owner); });

    std::unique_ptr<TfrmSpash> splash(new TfrmSpash(nullptr));
    splash->Show();
    splash->Repaint();
    // The splash gets its one paint above and nothing else: no messages are handled while it
    // waits. The main window is built, hidden, within the wait, which then sleeps for what is
    // left of it rather than spinning the processor.
    const DWORD splashShown = GetTickCount();

    // The pages the navigation buttons open, known before the main window opens its first one.
    SetPageFactory(
        L"TfrmHome", [](TComponent* owner) { return new TfrmHome(owner); },
        [](TCustomForm* page) { static_cast<TfrmHome*>(page)->RefreshStatus(); },
        [](TCustomForm* page) {
          WasteSearchState.Stop = false;
          static_cast<TfrmHome*>(page)->RefreshStatus();
        });
    SetPageFactory(L"TfrmOneClick", [](TComponent* owner) { return new TfrmOneClick(owner); }, {},
                   [](TCustomForm* page) {
                     WasteSearchState.Stop = false;
                     static_cast<TfrmOneClick*>(page)->ShowStart();
                   });
    SetPageFactory(L"TfrmLastDetail", [](TComponent* owner) { return new TfrmLastDetail(owner); }, {},
                   [](TCustomForm* page) { static_cast<TfrmLastDetail*>(page)->FormCreate(page); });
    SetPageFactory(L"TfrmBlockActivex", [](TComponent* owner) { return new TfrmBlockActivex(owner); });
    SetPageFactory(L"TfrmHisCleaner", [](TComponent* owner) { return new TfrmHisCleaner(owner); });
    SetPageFactory(L"TfrmCPUMemory", [](TComponent* owner) { return new TfrmCPUMemory(owner); });
    SetPageFactory(L"TfrmRegCleaner", [](TComponent* owner) { return new TfrmRegCleaner(owner); }, {},
                   [](TCustomForm* page) { static_cast<TfrmRegCleaner*>(page)->ShowAgain(); });
    SetPageFactory(L"TfrmFixFileAsso", [](TComponent* owner) { return new TfrmFixFileAsso(owner); });
    SetPageFactory(L"TfrmErrorClean", [](TComponent* owner) { return new TfrmErrorClean(owner); });
    SetPageFactory(
        L"TfrmSystemRestore", [](TComponent* owner) { return new TfrmSystemRestore(owner); },
        [](TCustomForm* page) { static_cast<TfrmSystemRestore*>(page)->btnRefreshClick(page); },
        [](TCustomForm* page) { static_cast<TfrmSystemRestore*>(page)->btnRefreshClick(page); });
    SetPageFactory(L"TfrmDriver", [](TComponent* owner) { return new TfrmDriver(owner); });
    SetPageFactory(L"Tfrmfavorites", [](TComponent* owner) { return new Tfrmfavorites(owner); });
    SetPageFactory(L"TfrmRegisterActivex", [](TComponent* owner) { return new TfrmRegisterActivex(owner); });
    SetPageFactory(L"TfrmRegRestore", [](TComponent* owner) { return new TfrmRegRestore(owner); });
    SetPageFactory(L"TfrmIEManage", [](TComponent* owner) { return new TfrmIEManage(owner); });
    SetPageFactory(L"TfrmSystemOptimize", [](TComponent* owner) { return new TfrmSystemOptimize(owner); });
    SetPageFactory(L"TfrmUninstall", [](TComponent* owner) { return new TfrmUninstall(owner); });
    SetPageFactory(L"TfrmSmashFile", [](TComponent* owner) { return new TfrmSmashFile(owner); });
    SetPageFactory(L"Tfrmstartup", [](TComponent* owner) { return new Tfrmstartup(owner); });
    SetPageFactory(L"TfrmLsp", [](TComponent* owner) { return new TfrmLsp(owner); });
    SetPageFactory(L"TfrmWasteCleaner", [](TComponent* owner) { return new TfrmWasteCleaner(owner); }, {},
                   [](TCustomForm* page) { static_cast<TfrmWasteCleaner*>(page)->ResetPage(); });

    Application->CreateForm(frmmain);
    const DWORD building = GetTickCount() - splashShown;
    if (building < kSplashMilliseconds) Sleep(kSplashMilliseconds - building);
    // The form carries the skin switched off; the windows take it as they are activated.
    frmmain->SkinData1->SetActive(true);
    splash->Hide();
    splash.reset();
    Application->Run();
    // Shut down in order, here rather than in static destructors: the main window first, and
    // with it the pages it owns; what outlives the pages is freed after it.
    delete frmmain;
    // Last: every skinner lets go of its window and the hook is removed.
    FreeSkinManager();
  } catch (...) {
    Application->HandleException(nullptr);
    return 1;
  }
  return 0;
}
