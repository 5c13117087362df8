#pragma once
// The startup manager page: the programs Windows starts at logon (Run keys, startup folders and
// the entries set aside as inactive), details of the selected one with three links, and removal
// of the checked ones.
#include <string>
#include <vector>

#include "gui/actions.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "tools/startup/startup_items.h"

class Tfrmstartup : public TForm {
  QS_FORM(Tfrmstartup)

 public:
  explicit Tfrmstartup(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label5 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TVirtualStringTree* VST_Startup = nullptr;
  TGroupBox* GroupBox2 = nullptr;
  TImage* imStartupItem = nullptr;
  TImage* imDefault = nullptr;
  TLabel* lblExeFile = nullptr;
  TLabel* lblCompany = nullptr;
  TLabel* lblDescription = nullptr;
  TLabel* lblRegistryPosition = nullptr;
  TLabel* lblCopyRight = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label8 = nullptr;
  TButton* btnDelete = nullptr;
  TButton* btnRefresh = nullptr;
  TImageList* ilStartup = nullptr;
  TImageList* ilDefault = nullptr;
  TActionList* alStartup = nullptr;
  TAction* acStartupAppRefresh = nullptr;

  void FormCreate(TObject* Sender);
  void acStartupAppRefreshExecute(TObject* Sender);
  void btnRefreshClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void VST_StartupInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                           TVirtualNodeInitStates& InitialStates);
  void VST_StartupGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                          std::wstring& CellText);
  void VST_StartupGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                                bool& Ghosted, int& ImageIndex);
  void VST_StartupPaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex Column,
                            TVSTTextType TextType);
  void VST_StartupChange(TBaseVirtualTree* Sender, PVirtualNode Node);
  void Label6Click(TObject* Sender);
  void Label7Click(TObject* Sender);
  void Label8Click(TObject* Sender);

  // Reads every entry again, with its icon in ilStartup (0: the default icon).
  void ScanStartupItems();
  // One row per entry, in list order.
  void ShowStartupItems();
  bool NoRowChecked();
  void ShowFileProperties(const std::wstring& Path);

  const std::vector<TStartupItem>& StartupItems() const { return StartupItems_; }
  // The program path the detail area shows for the selected row ("" in the instructions state).
  const std::wstring& SelectedExe() const { return selectedExe_; }

 private:
  // The detail area back to its instructions; the links do nothing in this state.
  void ShowInstructions();
  bool ShowingInstructions() const;

  std::vector<TStartupItem> StartupItems_;
  std::wstring selectedExe_;
};
