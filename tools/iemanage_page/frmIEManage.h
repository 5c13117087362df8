#pragma once
// The Internet Explorer manager page: hijacked browser settings beside their defaults and written
// back on request, the browser add-ons found on the machine and removed on request, and the
// browser restrictions with a list and buttons of their own.
#include <cstddef>
#include <string>
#include <vector>

#include "gui/actions.h"
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/pages.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "tools/iemanage/ie_addons.h"
#include "tools/iemanage/ie_recover.h"

// One row of the settings list or the restriction list: the number of its table entry, the
// texts shown (one per column) and whether it still needs repair.
struct TIERecoverRow {
  size_t Entry = 0;
  std::vector<std::wstring> Texts;
  bool NeedsRepair = false;
};

class TfrmIEManage : public TForm {
  QS_FORM(TfrmIEManage)

 public:
  explicit TfrmIEManage(TComponent* owner);

  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label1 = nullptr;
  TPageControl* pgc_IE = nullptr;
  TTabSheet* Hijack = nullptr;
  TTabSheet* BHO = nullptr;
  TVirtualStringTree* VST_Hijack = nullptr;
  TVirtualStringTree* VST_BHO = nullptr;
  TVirtualStringTree* VST_IE = nullptr;
  TCheckBox* chkAll = nullptr;
  TButton* btnRestore = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button4 = nullptr;
  TButton* Button5 = nullptr;
  TButton* Button6 = nullptr;
  TButton* Button7 = nullptr;
  TAction* acIERecoverRefresh = nullptr;
  TAction* acIERecoverRecover = nullptr;
  TAction* acIEBHORefresh = nullptr;
  TAction* IEBHOClear = nullptr;

  void FormCreate(TObject* Sender);
  void acIERecoverRefreshExecute(TObject* Sender);
  void Button5Click(TObject* Sender);
  void acIEBHORefreshExecute(TObject* Sender);
  void btnRestoreClick(TObject* Sender);
  void acIERecoverRecoverExecute(TObject* Sender);
  void Button4Click(TObject* Sender);
  void IEBHOClearExecute(TObject* Sender);
  void chkAllClick(TObject* Sender);
  void pgc_IEChange(TObject* Sender);

  void VST_InitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                    TVirtualNodeInitStates& InitialStates);
  void VST_HijackGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                         std::wstring& CellText);
  void VST_HijackPaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex Column,
                           TVSTTextType TextType);
  void VST_IEGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                     std::wstring& CellText);
  void VST_IEPaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex Column,
                       TVSTTextType TextType);
  void VST_BHOGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                      std::wstring& CellText);

  // Reads every setting and restriction again.
  void ScanIERecoverItems();
  // Fills the settings list and the restriction list from what was read.
  void ShowIERecoverItems();
  void ScanIEAddons();
  void ShowIEAddons();
  // Writes the defaults of the ticked rows back; see the .cpp for what the rows show afterwards.
  void RestoreHijackItems();
  void RestoreRestrictionItems();
  void RemoveAddons();
  // Sets the restore button's caption for the tab now shown and ticks "Select All" exactly when
  // every row of that tab's list is ticked.
  void AllRowsChecked();

  const std::vector<TIERecoverItem>& IERecoverItems() const { return recoverItems_; }

 private:
  void ShowHijackRows();
  void ShowRestrictionRows();
  // Ticks exactly the rows that still need repair.
  void CheckRepairRows(TVirtualStringTree* list, const std::vector<TIERecoverRow>& rows);
  // The list of the tab now shown.
  TVirtualStringTree* ActiveList() const;

  std::vector<TIERecoverItem> recoverItems_;
  std::vector<TIEBHOItem> addonItems_;
  std::vector<TIERecoverRow> hijackRows_, restrictionRows_;
  std::vector<TIEBHOItem> addonRows_;
};
