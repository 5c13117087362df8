#pragma once
// The Winsock2 repair page: the entries of the Winsock2 protocol catalog, those whose provider
// DLL is missing marked, and "Restore", which puts the catalog back to its initial state from
// the export shipped beside the program and then offers the restart it needs.
#include <string>
#include <vector>

#include "gui/actions.h"
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/list_view.h"
#include "gui/std_ctrls.h"
#include "tools/lsp/lsp_catalog.h"

class TfrmLsp : public TForm {
  QS_FORM(TfrmLsp)

 public:
  explicit TfrmLsp(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TListView* lvLsp = nullptr;
  TButton* btnRepair = nullptr;
  TButton* btnRestore = nullptr;
  TButton* btnRefresh = nullptr;
  TImageList* imglstLsp = nullptr;
  TActionList* alLsp = nullptr;
  TAction* acLspRepair = nullptr;
  TAction* acLspRestore = nullptr;
  TAction* acLspRefresh = nullptr;

  void FormCreate(TObject* Sender);
  void acLspRefreshExecute(TObject* Sender);
  void acLspRepairExecute(TObject* Sender);
  void acLspRestoreExecute(TObject* Sender);

  // Reads the current protocol catalog; on a missing or incomplete catalog says so and keeps
  // the entries read before.
  void ScanLspCatalog();
  // One row per entry, in catalog order.
  void ShowLspItems();
  // Asks, imports `file`, checks the catalog, shows the outcome and offers the restart.
  void ImportLspBackup(const std::wstring& file);

  const std::vector<TLspItem>& LspItems() const { return LspItems_; }

 private:
  std::vector<TLspItem> LspItems_;
};
