#include "tools/startup_page/frmstartup.h"

#include <windows.h>
#include <shellapi.h>

#include "base/shell_open.h"
#include "base/files.h"
#include "base/strings.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "gui/vtree/row_of_node.h"
#include "registry/reg_names.h"
#include "tools/startup/startup_exe.h"

QS_FORM_IMPL(Tfrmstartup, TForm, QS_FIELD(Label1), QS_FIELD(Label2), QS_FIELD(Label5), QS_FIELD(GroupBox1),
             QS_FIELD(VST_Startup), QS_FIELD(GroupBox2), QS_FIELD(imStartupItem), QS_FIELD(imDefault),
             QS_FIELD(lblExeFile), QS_FIELD(lblCompany), QS_FIELD(lblDescription), QS_FIELD(lblRegistryPosition),
             QS_FIELD(lblCopyRight), QS_FIELD(Label6), QS_FIELD(Label7), QS_FIELD(Label8), QS_FIELD(btnDelete),
             QS_FIELD(btnRefresh), QS_FIELD(ilStartup), QS_FIELD(ilDefault), QS_FIELD(alStartup),
             QS_FIELD(acStartupAppRefresh), QS_HANDLER(FormCreate), QS_HANDLER(acStartupAppRefreshExecute),
             QS_HANDLER(btnRefreshClick), QS_HANDLER(btnDeleteClick), QS_HANDLER(VST_StartupInitNode),
             QS_HANDLER(VST_StartupGetText), QS_HANDLER(VST_StartupGetImageIndex), QS_HANDLER(VST_StartupPaintText),
             QS_HANDLER(VST_StartupChange), QS_HANDLER(Label6Click), QS_HANDLER(Label7Click),
             QS_HANDLER(Label8Click))

namespace {

const wchar_t kInstructions[] = L"Instructions";
const wchar_t kWebSearch[] = L"https://www.google.com/search?q=";

// The first icon of a program file, or nullptr.
HICON ProgramIcon(const std::wstring& file) {
  if (file.empty()) return nullptr;
  HICON icon = ExtractIconW(GetModuleHandleW(nullptr), file.c_str(), 0);
  // ExtractIcon answers 1 for a file that is no program or icon file.
  if (reinterpret_cast<UINT_PTR>(icon) == 1) return nullptr;
  return icon;
}

// Adds an icon the system made to the list and lets it go; 0 (the default) when there is none.
int AddOwnedIcon(TImageList* list, HICON icon) {
  if (!icon) return 0;
  const int index = list->AddIcon(icon);
  DestroyIcon(icon);
  return index < 0 ? 0 : index;
}

}  // namespace

Tfrmstartup::Tfrmstartup(TComponent* owner) : TForm(owner) { LoadForm(); }

void Tfrmstartup::FormCreate(TObject* Sender) {
  acStartupAppRefresh->Execute();
  if (PVirtualNode first = VST_Startup->GetFirst()) VST_Startup->ScrollIntoView(first, false);
}

void Tfrmstartup::acStartupAppRefreshExecute(TObject* Sender) {
  ScanStartupItems();
  ShowStartupItems();
  ShowInstructions();
}

void Tfrmstartup::btnRefreshClick(TObject* Sender) { acStartupAppRefresh->Execute(); }

void Tfrmstartup::ScanStartupItems() {
  StartupItems_ = ::ScanStartupItems(CurrentStartupSources());
  ilStartup->Clear();
  ilStartup->AddImage(ilDefault, 0);
  for (TStartupItem& item : StartupItems_) {
    if (item.Kind == kStartupRegistry) {
      item.ImageIndex = AddOwnedIcon(ilStartup, ProgramIcon(item.ExeFile));
    } else {
      SHFILEINFOW info = {};
      SHGetFileInfoW(item.Command.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
      item.ImageIndex = AddOwnedIcon(ilStartup, info.hIcon);
    }
  }
}

void Tfrmstartup::ShowStartupItems() {
  VST_Startup->Clear();
  VST_Startup->SetRootNodeCount(static_cast<uint32_t>(StartupItems_.size()));
  VST_Startup->Invalidate();
}

void Tfrmstartup::ShowInstructions() {
  selectedExe_.clear();
  imStartupItem->Picture()->SetGraphic(nullptr);
  imStartupItem->Hide();
  imDefault->Show();
  lblExeFile->SetCaption(L"First,Choose one of the applications above that you don't want to launch.");
  lblCompany->SetCaption(L"Next, Click on \"Remove\" button");
  lblCopyRight->SetCaption(L"");
  lblDescription->SetCaption(kInstructions);
}

bool Tfrmstartup::ShowingInstructions() const { return lblDescription->Caption() == kInstructions; }

void Tfrmstartup::VST_StartupInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                      TVirtualNodeInitStates& InitialStates) {
  Sender->SetCheckType(Node, TCheckType::ctCheckBox);
}

void Tfrmstartup::VST_StartupGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                     TVSTTextType TextType, std::wstring& CellText) {
  if (const TStartupItem* item = RowOfNode(StartupItems_, Node)) CellText = Column == 0 ? item->Name : item->Command;
}

void Tfrmstartup::VST_StartupGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                           TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  const TStartupItem* item = RowOfNode(StartupItems_, Node);
  if (Kind != TVTImageKind::ikNormal || Column != 0 || !item) return;
  ImageIndex = item->ImageIndex;
  // Set-aside entries do not start: their icon is drawn greyed.
  Ghosted = !item->Active;
}

void Tfrmstartup::VST_StartupPaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node,
                                       TColumnIndex Column, TVSTTextType TextType) {
  if (const TStartupItem* item = RowOfNode(StartupItems_, Node))
    TargetCanvas.Font().SetColor(item->Active ? clWindowText : clGrayText);
}

void Tfrmstartup::VST_StartupChange(TBaseVirtualTree* Sender, PVirtualNode Node) {
  const TStartupItem* selected = RowOfNode(StartupItems_, VST_Startup->GetFirstSelected());
  if (!selected) return;
  const TStartupItem& item = *selected;

  auto icon = std::make_unique<TIcon>();
  icon->SetHandle(ProgramIcon(item.ExeFile));
  if (icon->Empty())
    imStartupItem->Picture()->Assign(imDefault->Picture());
  else
    imStartupItem->Picture()->SetGraphic(std::move(icon));
  imStartupItem->Show();
  imDefault->Hide();

  // A startup-folder file has no root key: its folder alone says where it is.
  lblRegistryPosition->SetCaption(item.Kind == kStartupRegistry ? HKeyToRootName(item.RootKey) + item.Location
                                                                : item.Location);
  selectedExe_ = CommandExePath(item.Command);
  lblExeFile->SetCaption(L"Filename: " + ExtractFileName(selectedExe_));
  lblCompany->SetCaption(L"Location: " + selectedExe_);
  lblCopyRight->SetCaption(item.VersionInfo.LegalCopyright);
  lblDescription->SetCaption(item.Name);
  btnDelete->SetEnabled(true);
}

bool Tfrmstartup::NoRowChecked() { return VST_Startup->GetFirstChecked() == nullptr; }

void Tfrmstartup::btnDeleteClick(TObject* Sender) {
  if (NoRowChecked()) {
    ShowInfo(L"Please select at least one option from the list to remove.");
    return;
  }
  if (MessageBoxShow(Handle(), L"Sure you want to remove the item(s)?", kProgramCaption, MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  // A failed removal is not reported: the refresh shows what remains.
  for (PVirtualNode node = VST_Startup->GetFirstChecked(); node; node = VST_Startup->GetNextChecked(node))
    if (const TStartupItem* item = RowOfNode(StartupItems_, node)) RemoveStartupItem(*item);
  acStartupAppRefresh->Execute();
}

void Tfrmstartup::Label6Click(TObject* Sender) {
  if (ShowingInstructions()) return;
  ShellOpenUrl(kWebSearch + UrlEncode(lblDescription->Caption()), SW_SHOW);
}

void Tfrmstartup::Label7Click(TObject* Sender) {
  if (ShowingInstructions()) return;
  std::wstring folder = ExtractFilePath(selectedExe_);
  if (!folder.empty() && (folder[0] == L'"' || folder[0] == L'\'')) folder.erase(0, 1);
  // A bare program name or a folder that is gone opens nothing.
  if (folder.empty() || !DirectoryExists(folder)) return;
  ShellOpenFolder(folder, SW_SHOWNORMAL);
}

void Tfrmstartup::Label8Click(TObject* Sender) {
  if (ShowingInstructions()) return;
  ShowFileProperties(selectedExe_);
}

void Tfrmstartup::ShowFileProperties(const std::wstring& Path) { ShellShowProperties(Application->Handle(), Path); }
