#pragma once
// The restore points page: the machine's restore points, a new one under a name the user types,
// and rolling the machine back to the chosen one.
#include <memory>
#include <vector>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "tools/restore/system_restore_switch.h"
#include "tools/restore_page/frmnewRestorePoint.h"

class TfrmSystemRestore : public TForm {
  QS_FORM(TfrmSystemRestore)

 public:
  explicit TfrmSystemRestore(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TVirtualStringTree* VST1 = nullptr;
  TButton* btnRefresh = nullptr;
  TButton* btnNew = nullptr;
  TButton* btnResote = nullptr;

  void btnRefreshClick(TObject* Sender);
  void btnNewClick(TObject* Sender);
  void btnResoteClick(TObject* Sender);
  void VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                   std::wstring& CellText);

  // Reads the machine's restore points into RestorePoints (emptied first).
  void ListRestorePoints();
  // One row per listed point, cancelled operations left out.
  void ShowRestorePoints();

  const std::vector<TSystemRestoreItem>& RestorePoints() const { return restorePoints_; }
  // The restore points shown, in row order.
  const std::vector<TSystemRestoreItem>& ShownPoints() const { return shown_; }
  // The dialog of the last "Creat a New Restore Point " press, while it lives.
  TfrmnewRestorePoint* NewPointDialog() const { return dialog_.get(); }

  // What the page asks of the system (tests put fixtures in place).
  TSystemRestorePlatform Platform;

 private:
  std::vector<TSystemRestoreItem> restorePoints_;
  std::vector<TSystemRestoreItem> shown_;
  std::unique_ptr<TfrmnewRestorePoint> dialog_;
};
