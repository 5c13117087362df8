#include "tools/favorites_page/frmfavorites.h"

#include "base/files.h"
#include "base/message_pump.h"
#include "common/failure_list.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "tools/favorites/favorite_files.h"
#include "tools/favorites/favorites_copy.h"

QS_FORM_IMPL(Tfrmfavorites, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(Label3), QS_FIELD(GroupBox1),
             QS_FIELD(VST1), QS_FIELD(Btn_LoadURL), QS_FIELD(BtnBackUp), QS_FIELD(btnReLoad), QS_FIELD(SmallImages),
             QS_HANDLER(FormCreate), QS_HANDLER(Btn_LoadURLClick), QS_HANDLER(BtnBackUpClick),
             QS_HANDLER(btnReLoadClick), QS_HANDLER(VST1GetText), QS_HANDLER(VST1GetImageIndex))

Tfrmfavorites::Tfrmfavorites(TComponent* owner) : TForm(owner) { LoadForm(); }

void Tfrmfavorites::FormCreate(TObject* Sender) {
  VST1->SetNodeDataSize(sizeof(size_t));  // each node holds its row's index
  FavoritesFolder = ReadFavoritesFolder();
  backupRoot_ = ProgramFolder() + L"BackUp\\";
  // The main window has not placed the page yet: a click handled meanwhile could open it twice.
  struct TNoPumping {
    TMessagePump saved = SetMessagePump({});
    ~TNoPumping() { SetMessagePump(std::move(saved)); }
  } noPumping;
  Btn_LoadURLClick(Btn_LoadURL);
}

std::wstring Tfrmfavorites::BackupFolder() const { return backupRoot_ + L"Favorites"; }

void Tfrmfavorites::Btn_LoadURLClick(TObject* Sender) {
  ForceDirectories(BackupFolder());
  // The walk pumps messages: the buttons wait, and the tree is only rebuilt once it is done.
  TComponentRef<Tfrmfavorites> self(this);
  TBusyRun run(this);
  run.Disable({Btn_LoadURL, BtnBackUp, btnReLoad});
  std::vector<TFavoriteRow> rows = FavoriteRows(BackupFolder());
  if (!self) return;
  run.End();
  rows_ = std::move(rows);
  VST1->BeginUpdate();
  VST1->Clear();
  std::vector<PVirtualNode> nodes;
  for (size_t i = 0; i < rows_.size(); ++i) {
    PVirtualNode node = VST1->AddChild(rows_[i].Parent >= 0 ? nodes[rows_[i].Parent] : nullptr);
    *VST1->GetNodeData<size_t>(node) = i;
    nodes.push_back(node);
  }
  VST1->FullExpand();
  VST1->EndUpdate();
  VST1->Invalidate();
}

void Tfrmfavorites::VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                TVSTTextType TextType, std::wstring& CellText) {
  const size_t index = *Sender->GetNodeData<size_t>(Node);
  if (index >= rows_.size()) return;
  const TFavoriteRow& row = rows_[index];
  if (Column == 0) CellText = row.Name;
  else if (Column == 1) CellText = row.Url;
  else CellText = row.Position;
}

void Tfrmfavorites::VST1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                      TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind != TVTImageKind::ikNormal || Column != 0) return;
  ImageIndex = Node->ChildCount > 0 ? 1 : 0;
}

void Tfrmfavorites::Report(const std::vector<std::wstring>& failures, const std::wstring& success,
                           const std::wstring& heading) {
  if (failures.empty())
    ShowInfo(success);
  else
    MessageBoxShow(Handle(), FailureListText(heading, failures), kProgramCaption, MB_OK | MB_ICONERROR);
}

void Tfrmfavorites::BtnBackUpClick(TObject* Sender) {
  const bool hadRows = VST1->RootNodeCount() > 0;
  if (hadRows && MessageBoxShow(Handle(), L"Sure you want to cover the backup?", kProgramCaption,
                                MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  TComponentRef<Tfrmfavorites> self(this);
  TBusyRun run(this);
  run.Disable({Btn_LoadURL, BtnBackUp, btnReLoad});
  TFavoritesCopyResult result = BackupFavorites(FavoritesFolder, BackupFolder(), hadRows);
  if (!self) return;
  run.End();
  Btn_LoadURLClick(Btn_LoadURL);
  if (!self) return;
  Report(result.Failures, L"Backup Sucessfully!", L"The favorites were not fully backed up:");
}

void Tfrmfavorites::btnReLoadClick(TObject* Sender) {
  if (MessageBoxShow(Handle(), L"Are you sure to restore the backups?", kProgramCaption,
                     MB_YESNO | MB_ICONINFORMATION) == IDNO)
    return;
  TComponentRef<Tfrmfavorites> self(this);
  TBusyRun run(this);
  run.Disable({Btn_LoadURL, BtnBackUp, btnReLoad});
  TFavoritesCopyResult result = RestoreFavorites(BackupFolder(), FavoritesFolder);
  if (!self) return;
  run.End();
  Report(result.Failures, L"Restore Sucessfully!", L"The favorites were not fully restored:");
}
