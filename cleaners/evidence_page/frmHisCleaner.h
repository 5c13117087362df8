#pragma once
// The evidence cleaner page: the user ticks categories and items of the evidence list and clears
// them in one run, watching each item's status. The evidence list and its handlers
// (cleaners/evidence/) do the work; the page shows it.
#include <string>

#include "gui/pagekit/image_ex.h"
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "common/maintenance_task.h"

class TfrmHisCleaner : public TForm {
  QS_FORM(TfrmHisCleaner)

 public:
  explicit TfrmHisCleaner(TComponent* owner);
  // A run still going when the page is freed ends at its next item.
  ~TfrmHisCleaner() override;

  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* lblLastDT = nullptr;
  TLabel* lblLast = nullptr;
  TImageEx* ImageEx1 = nullptr;
  TImageEx* btnScan = nullptr;
  TCheckBox* chkSeleAllItem = nullptr;
  TVirtualStringTree* vst = nullptr;
  TImageList* il1 = nullptr;
  TImageList* il2 = nullptr;

  void FormCreate(TObject* Sender);
  void btnScanClick(TObject* Sender);
  void chkSeleAllItemClick(TObject* Sender);
  void vstGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                  std::wstring& CellText);
  void vstInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                   TVirtualNodeInitStates& InitialStates);
  void vstInitChildren(TBaseVirtualTree* Sender, PVirtualNode Node, uint32_t& ChildCount);
  void vstGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                        bool& Ghosted, int& ImageIndex);
  void vstChecked(TBaseVirtualTree* Sender, PVirtualNode Node);

  // Title, last-run record, every item checked, one row per category, all expanded.
  void ResetPage();
  void ShowLastRunInfo();
  // Scrolls the row of item Item (1-based) of the Category-th category into view.
  void SelectItemNode(int Category, int Item);

  // The 1-based position of the item whose handler is running.
  int CurrentCategory = 0;
  int CurrentItem = 0;

 private:
  // The stop of the run going on.
  TStopToken stop_;
};
