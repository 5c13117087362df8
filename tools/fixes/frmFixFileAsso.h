#pragma once
// The file association page: every association of the program's own table beside its current
// value; the ticked ones are written back.
#include <vector>

#include "cleaners/fixes/fix_lists.h"
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"

class TfrmFixFileAsso : public TForm {
  QS_FORM(TfrmFixFileAsso)

 public:
  explicit TfrmFixFileAsso(TComponent* owner);

  TLabel* Label1 = nullptr;
  TVirtualStringTree* VST1 = nullptr;
  TCheckBox* chkAll = nullptr;
  TButton* btnRestore = nullptr;

  void FormCreate(TObject* Sender);
  void chkAllClick(TObject* Sender);
  void btnRestoreClick(TObject* Sender);

  void VST1InitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                    TVirtualNodeInitStates& InitialStates);
  void VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                   std::wstring& CellText);
  void VST1PaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex Column,
                     TVSTTextType TextType);

  const std::vector<TFileItem>& Items() const { return items_; }

 private:
  // Every row ticked exactly when its association still needs fixing.
  void CheckRowsThatNeedFixing();

  std::vector<TFileItem> items_;
};
