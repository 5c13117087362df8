#include "app/page_table.h"

#include "base/exception.h"
#include "base/strings.h"
#include "gui/std_ctrls.h"

std::vector<TPageInfo>& PageTable() {
  static std::vector<TPageInfo> table = {
      {L"btnHome", L"TfrmHome", nullptr, L"", TPageLife::Kept},
      {L"btnOneClick", L"TfrmOneClick", L"Label1", L" One-Click Maintenance", TPageLife::Kept},
      {L"btnSettings", L"TfrmSetting", L"Label6", L" Option Center", TPageLife::Kept},
      {L"btnResults", L"TfrmLastDetail", nullptr, L"", TPageLife::Kept},
      {L"btnRegsitryCleaner", L"TfrmRegCleaner", L"Label6", L" Registry Cleaner", TPageLife::Kept},
      {L"btnJunkCleaner", L"TfrmWasteCleaner", L"Label6", L" Junk Cleaner", TPageLife::Recreated},
      {L"btnEvidenceCleaner", L"TfrmHisCleaner", L"Label6", L" Evidence Cleaner", TPageLife::Kept},
      {L"btnFileCleaner", L"TfrmSmashFile", L"Label6", L" File Shredder", TPageLife::Kept},
      {L"btnMemory", L"TfrmCPUMemory", L"Label6", L" Memory Optimizer", TPageLife::Kept},
      {L"btnSystem", L"TfrmSystemOptimize", L"Label6", L" System Optimizer", TPageLife::Kept},
      {L"btnStartup", L"Tfrmstartup", L"Label1", L" Startup Manager", TPageLife::Kept},
      {L"btnUninstall", L"TfrmUninstall", L"Label1", L" Uninstall Manager", TPageLife::Kept},
      {L"btnBlockActivex", L"TfrmBlockActivex", L"Label1", L" Block Bad Activex", TPageLife::Kept},
      {L"btnReActive", L"TfrmRegisterActivex", L"Label1", L" Re-Register Activex", TPageLife::Kept},
      {L"btnError", L"TfrmErrorClean", L"Label6", L" Error Repair", TPageLife::Kept},
      {L"btnIE", L"TfrmIEManage", L"Label6", L" IE Manager", TPageLife::Kept},
      {L"btnLSP", L"TfrmLsp", L"Label1", L" Winsock2 Repair", TPageLife::Kept},
      {L"btnFileAsso", L"TfrmFixFileAsso", L"Label1", L" File Assocation Repair", TPageLife::Kept},
      {L"btnRegistryBack", L"TfrmRegRestore", L"Label1", L" Registry Backup", TPageLife::Kept},
      {L"btnDriver", L"TfrmDriver", L"Label1", L" Driver Backup", TPageLife::Kept},
      {L"btnIEFavorites", L"Tfrmfavorites", L"Label1", L" Favorites Backup", TPageLife::Kept},
      {L"btnRestorePoint", L"TfrmSystemRestore", L"Label1", L" System Restore Point", TPageLife::Kept},
  };
  return table;
}

TPageInfo* FindPageOfButton(const std::wstring& Button) {
  for (TPageInfo& page : PageTable()) {
    if (SameText(page.Button, Button)) return &page;
  }
  return nullptr;
}

void SetPageFactory(const std::wstring& PageClass, TPageFactory Create, TPageStep FirstTime, TPageStep Reopen) {
  for (TPageInfo& page : PageTable()) {
    if (PageClass != page.PageClass) continue;
    page.Create = std::move(Create);
    page.FirstTime = std::move(FirstTime);
    page.Reopen = std::move(Reopen);
    return;
  }
  throw Exception(L"No navigation button opens " + PageClass);
}

namespace {
void SetHeading(TCustomForm* page, const TPageInfo& info, const std::wstring& greeting) {
  if (!info.HeadingLabel) return;
  if (auto* label = dynamic_cast<TLabel*>(page->FindComponent(info.HeadingLabel)))
    label->SetCaption(greeting + info.TitleSuffix);
}
}  // namespace

TCustomForm* TPageSlots::Open(const std::wstring& Button, TComponent* Owner, TWinControl* Area,
                              const std::wstring& Greeting, const std::function<void()>& Placed) {
  const TPageInfo* info = FindPageOfButton(Button);
  if (!info || !info->Create) return nullptr;
  TComponentRef<TCustomForm>& slot = pages_[info];
  if (TCustomForm* page = slot.Get()) {
    if (info->Reopen) info->Reopen(page);
    SetHeading(page, *info, Greeting);
    page->BringToFront();
    return page;
  }
  TCustomForm* page = info->Create(Owner);
  slot = page;
  page->SetBorderStyle(TFormBorderStyle::bsNone);
  page->SetParent(Area);
  page->SetTop(0);
  page->SetLeft(0);
  page->SetAlign(TAlign::alClient);
  if (info->FirstTime) info->FirstTime(page);
  SetHeading(page, *info, Greeting);
  if (Placed) Placed();
  page->Show();
  return page;
}

TCustomForm* TPageSlots::PageOf(const std::wstring& Button) const {
  auto found = pages_.find(FindPageOfButton(Button));
  return found == pages_.end() ? nullptr : found->second.Get();
}

void TPageSlots::FreeRecreated() {
  for (auto& [info, page] : pages_) {
    if (info->Life != TPageLife::Recreated) continue;
    delete page.Get();
    page = nullptr;
  }
}
