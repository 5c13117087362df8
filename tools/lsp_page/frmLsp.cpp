#include "tools/lsp_page/frmLsp.h"

#include <windows.h>

#include "base/strings.h"
#include "base/system_restart.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "tools/lsp/lsp_restore.h"

QS_FORM_IMPL(TfrmLsp, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(GroupBox1), QS_FIELD(lvLsp),
             QS_FIELD(btnRepair), QS_FIELD(btnRestore), QS_FIELD(btnRefresh), QS_FIELD(imglstLsp), QS_FIELD(alLsp),
             QS_FIELD(acLspRepair), QS_FIELD(acLspRestore), QS_FIELD(acLspRefresh), QS_HANDLER(FormCreate),
             QS_HANDLER(acLspRefreshExecute), QS_HANDLER(acLspRepairExecute), QS_HANDLER(acLspRestoreExecute))

namespace {

const wchar_t kCaption[] = L"LSP\u4FEE\u590D";  // "LSP修复"

int Box(HWND owner, const std::wstring& text, UINT type) { return MessageBoxShow(owner, text, kCaption, type); }

}  // namespace

TfrmLsp::TfrmLsp(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmLsp::FormCreate(TObject* Sender) {
  ScanLspCatalog();
  ShowLspItems();
}

void TfrmLsp::acLspRefreshExecute(TObject* Sender) {
  ScanLspCatalog();
  ShowLspItems();
}

void TfrmLsp::ScanLspCatalog() {
  switch (ReadLspCatalog(WinsockParametersKey(), LspItems_)) {
    case TLspCatalogStatus::Ok:
      break;
    case TLspCatalogStatus::ParametersMissing:
      // "WinSock2注册表信息丢失, 请确认您是以超级用户的权限登陆, 如果您确实拥有超级用户权限"
      // "这个消息框的出现表明您可能需要重新安装WinSock2."
      Box(Handle(),
          L"WinSock2\u6CE8\u518C\u8868\u4FE1\u606F\u4E22\u5931, \u8BF7\u786E\u8BA4\u60A8\u662F\u4EE5\u8D85\u7EA7"
          L"\u7528\u6237\u7684\u6743\u9650\u767B\u9646, \u5982\u679C\u60A8\u786E\u5B9E\u62E5\u6709\u8D85\u7EA7"
          L"\u7528\u6237\u6743\u9650\r\u8FD9\u4E2A\u6D88\u606F\u6846\u7684\u51FA\u73B0\u8868\u660E\u60A8\u53EF"
          L"\u80FD\u9700\u8981\u91CD\u65B0\u5B89\u88C5WinSock2.",
          MB_OK | MB_ICONERROR);
      break;
    case TLspCatalogStatus::Incomplete:
      // "WinSock2注册表信息不完整, 请重新安装WinSock2"
      Box(Handle(),
          L"WinSock2\u6CE8\u518C\u8868\u4FE1\u606F\u4E0D\u5B8C\u6574, \u8BF7\u91CD\u65B0\u5B89\u88C5WinSock2",
          MB_OK | MB_ICONERROR);
      break;
  }
}

void TfrmLsp::ShowLspItems() {
  TListItems* rows = lvLsp->Items();
  rows->BeginUpdate();
  rows->Clear();
  for (TLspItem& item : LspItems_) {
    TListItem* row = rows->Add();
    row->SetCaption(item.EntryName);
    row->SetSubItems({item.ProtocolName, item.ProviderPath, item.VersionInfo.FileDescription,
                      item.VersionInfo.CompanyName, item.ProviderId});
    row->SetImageIndex(item.FileMissing ? 1 : 0);
    row->SetData(&item);
  }
  rows->EndUpdate();
}

// The visible "Restore" does what its caption says: the same restore as the hidden command.
void TfrmLsp::acLspRepairExecute(TObject* Sender) { ImportLspBackup(LspInitialExportFile()); }

void TfrmLsp::acLspRestoreExecute(TObject* Sender) { ImportLspBackup(LspInitialExportFile()); }

void TfrmLsp::ImportLspBackup(const std::wstring& file) {
  // "是否确认恢复LSP到初始状态？"
  if (Box(Handle(), L"\u662F\u5426\u786E\u8BA4\u6062\u590DLSP\u5230\u521D\u59CB\u72B6\u6001\uFF1F",
          MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  TBusyRun run(this);
  run.Disable({btnRepair, btnRestore, btnRefresh});
  run.ScreenHourglass();
  const TLspRestoreOutcome outcome = ::ImportLspBackup(file, WinsockParametersKey());
  // The editor's waits handle messages: the program may have closed meanwhile.
  if (!run.PageAlive()) return;
  run.End();
  // Whatever happened, the list shows what the catalog holds now.
  if (outcome.Result != TLspRestoreResult::FileMissing) {
    std::vector<TLspItem> items;
    if (ReadLspCatalog(WinsockParametersKey(), items) == TLspCatalogStatus::Ok) LspItems_ = std::move(items);
    ShowLspItems();
  }
  switch (outcome.Result) {
    case TLspRestoreResult::FileMissing:
      // "还原LSP失败，原始数据丢失！"
      Box(Handle(), L"\u8FD8\u539FLSP\u5931\u8D25\uFF0C\u539F\u59CB\u6570\u636E\u4E22\u5931\uFF01",
          MB_OK | MB_ICONERROR);
      return;
    case TLspRestoreResult::Done:
      break;
    default:
      // "还原LSP失败", then what happened.
      Box(Handle(), L"\u8FD8\u539FLSP\u5931\u8D25\r\n\r\n" + outcome.Detail, MB_OK | MB_ICONERROR);
      return;
  }
  // "LSP已经还原到初始状态，为了使其生效，需要重新启动计算机" CR "是否立即重启？"
  if (Box(Handle(),
          L"LSP\u5DF2\u7ECF\u8FD8\u539F\u5230\u521D\u59CB\u72B6\u6001\uFF0C\u4E3A\u4E86\u4F7F\u5176\u751F\u6548"
          L"\uFF0C\u9700\u8981\u91CD\u65B0\u542F\u52A8\u8BA1\u7B97\u673A\r\u662F\u5426\u7ACB\u5373\u91CD\u542F"
          L"\uFF1F",
          MB_YESNO | MB_ICONINFORMATION) != IDYES)
    return;
  if (!RestartComputer()) Box(Handle(), SysErrorMessage(GetLastError()), MB_OK | MB_ICONERROR);
}
