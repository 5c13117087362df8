#include "app/program_pages.h"

#include "app/page_table.h"
#include "app/frmSetting.h"
#include "app/home_page/frmHome.h"
#include "cleaners/activex_page/frmBlockActivex.h"
#include "cleaners/evidence_page/frmHisCleaner.h"
#include "cleaners/junk/waste_lists.h"
#include "cleaners/junk_page/frmWasteCleaner.h"
#include "cleaners/oneclick_page/frmOneClick.h"
#include "registry/backup_page/frmRegRestore.h"
#include "registry/cleaner_page/frmRegCleaner.h"
#include "registry/results_page/frmLastDetail.h"
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

void SetProgramPageFactories() {
  SetPageFactory(L"TfrmSetting", [](TComponent* owner) { return new TfrmSetting(owner); });
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

}
