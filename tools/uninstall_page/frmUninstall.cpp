#include "tools/uninstall_page/frmUninstall.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>

#include "base/shell_open.h"
#include "base/child_process.h"
#include "base/files.h"
#include "base/strings.h"
#include "common/version_info.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/vtree/row_of_node.h"
#include "gui/pictures.h"

QS_FORM_IMPL(TfrmUninstall, TForm, QS_FIELD(Label1), QS_FIELD(Label3), QS_FIELD(Label4), QS_FIELD(GroupBox1),
             QS_FIELD(VST1), QS_FIELD(GroupBox2), QS_FIELD(imSelectedProgram), QS_FIELD(imDefault),
             QS_FIELD(lblDescription), QS_FIELD(lblCompany), QS_FIELD(Label2), QS_FIELD(lblHelpLink),
             QS_FIELD(lblVersion), QS_FIELD(Button1), QS_FIELD(Button2), QS_FIELD(Button3),
             QS_FIELD(chkshowwindowsUpdate), QS_FIELD(lblSoftCount), QS_FIELD(ilUnInstall), QS_FIELD(ilDefault),
             QS_FIELD(alUninstall), QS_FIELD(acUnInstallRefresh), QS_HANDLER(FormCreate),
             QS_HANDLER(acUnInstallRefreshExecute), QS_HANDLER(chkshowwindowsUpdateClick), QS_HANDLER(VST1GetText),
             QS_HANDLER(VST1GetImageIndex), QS_HANDLER(VST1Change), QS_HANDLER(Button3Click),
             QS_HANDLER(Button2Click), QS_HANDLER(lblHelpLinkClick))

namespace {

// The first icon of a file: the whole file for an ".ico", else its first icon resource;
// nullptr when the file does not exist or holds none.
HICON FirstIconOf(const std::wstring& path) {
  if (!FileExists(path)) return nullptr;
  if (LowerCase(ExtractFileExt(path)) == L".ico")
    return static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
  HICON icon = ExtractIconW(GetModuleHandleW(nullptr), path.c_str(), 0);
  // 1 says the file is no program, icon library or icon file.
  return reinterpret_cast<UINT_PTR>(icon) > 1 ? icon : nullptr;
}

}  // namespace

bool RunUninstallCommand(const std::wstring& CommandLine) {
  DWORD exitCode = 0;
  // No bound: an uninstaller asks its user questions for as long as the user takes.
  return RunChildProcessPumping(CommandLine, exitCode, INFINITE, {}, SW_SHOWNORMAL);
}

TfrmUninstall::TfrmUninstall(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmUninstall::FormCreate(TObject* Sender) {
  acUnInstallRefresh->Execute();
  armed_ = true;
}

void TfrmUninstall::acUnInstallRefreshExecute(TObject* Sender) {
  ScanUninstallItems();
  ShowUninstallItems();
  ShowRowCount();
}

void TfrmUninstall::chkshowwindowsUpdateClick(TObject* Sender) {
  if (!armed_) return;
  ShowUninstallItems();
  ShowRowCount();
}

void TfrmUninstall::ScanUninstallItems() {
  ilUnInstall->Clear();
  ilUnInstall->AddImage(ilDefault, 0);
  ::ScanUninstallItems(UninstallPasses(), items_);
  for (TUninstallItem& item : items_) {
    item.ImageIndex = 0;
    if (!item.HasCache) continue;
    if (HICON icon = FirstIconOf(IconSourceOf(item))) {
      const int index = ilUnInstall->AddIcon(icon);
      DestroyIcon(icon);
      if (index > 0) item.ImageIndex = index;
    }
  }
}

void TfrmUninstall::ShowUninstallItems() {
  VST1->Clear();
  rows_.clear();
  const bool showWindowsUpdate = chkshowwindowsUpdate->Checked();
  for (size_t i = 0; i < items_.size(); ++i) {
    if (!IsShownUninstallItem(items_[i], showWindowsUpdate)) continue;
    rows_.push_back({i, SizeText(items_[i].Size), FrequencyText(items_[i].Frequency)});
  }
  VST1->SetRootNodeCount(static_cast<uint32_t>(rows_.size()));
  ShowDetails(nullptr);
}

void TfrmUninstall::ShowRowCount() { lblSoftCount->SetCaption(L"软件数目: " + IntToStr(rows_.size())); }

const TUninstallItem* TfrmUninstall::ItemOfNode(PVirtualNode Node) const {
  const TUninstallRow* row = RowOfNode(rows_, Node);
  return row ? &items_[row->Item] : nullptr;
}

void TfrmUninstall::VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                TVSTTextType TextType, std::wstring& CellText) {
  const TUninstallRow* row = RowOfNode(rows_, Node);
  if (!row) return;
  const TUninstallItem& item = items_[row->Item];
  switch (Column) {
    case 0: CellText = item.DisplayName; break;
    case 1: CellText = row->Size; break;
    case 2: CellText = row->Frequency; break;
    case 3: CellText = item.LastUsed; break;
    case 4: CellText = item.InstallDate; break;
    default: break;
  }
}

void TfrmUninstall::VST1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                      TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  const TUninstallItem* item = ItemOfNode(Node);
  if (item && Kind == TVTImageKind::ikNormal && Column == 0) ImageIndex = item->ImageIndex;
}

void TfrmUninstall::VST1Change(TBaseVirtualTree* Sender, PVirtualNode Node) {
  ShowDetails(ItemOfNode(VST1->GetFirstSelected()));
}

void TfrmUninstall::ShowDetails(const TUninstallItem* Item) {
  if (!Item) {
    imSelectedProgram->Picture()->Clear();
    imSelectedProgram->Hide();
    imDefault->Show();
    lblDescription->SetCaption(L"Instructions");
    lblCompany->SetCaption(L"First,Choose one of the applications above that you want to uninstall.");
    lblHelpLink->SetCaption(L"");
    lblVersion->SetCaption(L"");
    lblHelpLink->Hide();
    Label2->SetCaption(L"Next, Click on \"Uninstall\" button");
    return;
  }
  HICON icon = FirstIconOf(IconSourceOf(*Item));
  // Without an icon of its own the program shows its row's picture, the default one included.
  if (!icon) icon = ImageList_GetIcon(ilUnInstall->Handle(), Item->ImageIndex, ILD_TRANSPARENT);
  auto picture = std::make_unique<TIcon>();
  picture->SetHandle(icon);
  imSelectedProgram->Picture()->SetGraphic(std::move(picture));
  imSelectedProgram->Show();
  imDefault->Hide();

  TVersionInfo version;
  ReadVersionInfo(Item->ExeFile, version);
  lblDescription->SetCaption(Item->DisplayName);
  lblVersion->SetCaption(Item->DisplayVersion);
  lblCompany->SetCaption(Trim(version.CompanyName).empty() ? L"Publisher:(not availiable)"
                                                           : L"Publisher: " + version.CompanyName);
  if (Trim(Item->HelpLink).empty()) {
    Label2->SetCaption(L"Online Support:(not availiable)");
    lblHelpLink->SetCaption(L"");
    lblHelpLink->Hide();
  } else {
    Label2->SetCaption(L"Online Support:");
    lblHelpLink->SetCaption(Item->HelpLink);
    lblHelpLink->Show();
  }
}

bool TfrmUninstall::RunAndWait(const std::wstring& CommandLine) { return RunUninstallCommand(CommandLine); }

void TfrmUninstall::Button3Click(TObject* Sender) {
  const TUninstallItem* item = ItemOfNode(VST1->FocusedNode());
  if (!item) return;
  const TUninstallCommand command = UninstallCommandLine(item->UninstallString);
  const std::wstring program = command.Program.empty() ? item->UninstallString : command.Program;
  // The list and its entries stay as they are while the uninstaller runs.
  TBusyRun run(this);
  run.Disable({Button1, Button2, Button3});
  const bool ran = !command.CommandLine.empty() && RunAndWait(command.CommandLine);
  // The wait handles messages: the program may have closed meanwhile.
  if (!run.PageAlive()) return;
  run.End();
  if (!ran) {
    // The entry and the selection stay: nothing was uninstalled.
    MessageBoxShow(Handle(), L"The uninstaller could not be started:\r\n" + program, L"程序卸载",
                   MB_OK | MB_ICONERROR);
    return;
  }
  acUnInstallRefresh->Execute();
}

void TfrmUninstall::Button2Click(TObject* Sender) {
  const TUninstallItem* item = ItemOfNode(VST1->FocusedNode());
  if (!item) return;
  if (MessageBoxShow(Handle(), L"Sure you want to remove " + item->DisplayName + L"?", kProgramCaption,
                     MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  if (RemoveUninstallEntry(*item) == TRemoveResult::Failed) {
    MessageBoxShow(Handle(), L"删除该项失败", L"程序卸载", MB_OK | MB_ICONWARNING);
    return;
  }
  // Removed now or already gone: either way the list shows what the registry holds.
  acUnInstallRefresh->Execute();
}

void TfrmUninstall::lblHelpLinkClick(TObject* Sender) {
  // The shell is handed the checked URL, never the text as the registry holds it.
  const std::wstring url = HelpLinkUrl(lblHelpLink->Caption());
  if (!url.empty()) ShellOpenUrl(url, SW_SHOWNORMAL);
}
