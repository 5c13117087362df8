#pragma once
// The uninstall manager page: the installed programs of the machine and of the current user with
// their cached usage data; runs a program's uninstaller and removes a program's entry.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/actions.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "tools/uninstall/uninstall_command.h"
#include "tools/uninstall/uninstall_items.h"

// Starts an uninstaller's command line and waits for it (false when it did not start): its own
// window shown normally, waited for without a time limit while the program's messages are
// handled, so the windows keep painting.
bool RunUninstallCommand(const std::wstring& CommandLine);

class TfrmUninstall : public TForm {
  QS_FORM(TfrmUninstall)

 public:
  explicit TfrmUninstall(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TVirtualStringTree* VST1 = nullptr;
  TGroupBox* GroupBox2 = nullptr;
  TImage* imSelectedProgram = nullptr;
  TImage* imDefault = nullptr;
  TLabel* lblDescription = nullptr;
  TLabel* lblCompany = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* lblHelpLink = nullptr;
  TLabel* lblVersion = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button3 = nullptr;
  TCheckBox* chkshowwindowsUpdate = nullptr;
  TLabel* lblSoftCount = nullptr;
  TImageList* ilUnInstall = nullptr;
  TImageList* ilDefault = nullptr;
  TActionList* alUninstall = nullptr;
  TAction* acUnInstallRefresh = nullptr;

  void FormCreate(TObject* Sender);
  void acUnInstallRefreshExecute(TObject* Sender);
  void chkshowwindowsUpdateClick(TObject* Sender);
  void VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                   std::wstring& CellText);
  void VST1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                         bool& Ghosted, int& ImageIndex);
  void VST1Change(TBaseVirtualTree* Sender, PVirtualNode Node);
  void Button3Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void lblHelpLinkClick(TObject* Sender);

  void ScanUninstallItems();
  void ShowUninstallItems();
  bool RunAndWait(const std::wstring& CommandLine);

  // Every program found by the last scan, shown or not.
  const std::vector<TUninstallItem>& UninstallItems() const { return items_; }
  // The entry a row of the list shows, or nullptr.
  const TUninstallItem* ItemOfNode(PVirtualNode Node) const;

 private:
  // One row of the list: its entry and the texts made when the row was added.
  struct TUninstallRow {
    size_t Item;
    std::wstring Size, Frequency;
  };

  void ShowRowCount();
  void ShowDetails(const TUninstallItem* Item);

  std::vector<TUninstallItem> items_;
  std::vector<TUninstallRow> rows_;
  // The check box acts only once the page is made.
  bool armed_ = false;
};
