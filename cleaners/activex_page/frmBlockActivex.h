#pragma once
// The "Block Bad ActiveX" page: every control of ActiveX.dat with its blocking status; the user
// checks rows and blocks or unblocks them. The page reads the file once, when it is made, and
// keeps its own rows (the one-click list ActiveXItems is not used here).
#include <string>
#include <vector>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"

class TfrmBlockActivex : public TForm {
  QS_FORM(TfrmBlockActivex)

 public:
  explicit TfrmBlockActivex(TComponent* owner);

  // One row of the tree, in file order.
  struct TActivexRow {
    std::wstring Name;
    std::wstring CLSID;
    std::wstring Status;  // "Locked" or "Unlock"
  };

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TVirtualStringTree* VST_Activex = nullptr;
  TCheckBox* chkAll = nullptr;
  TButton* btnOK = nullptr;
  TButton* btnCancel = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  TImageList* ImageList1 = nullptr;

  void FormCreate(TObject* Sender);
  void VST_ActivexInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                           TVirtualNodeInitStates& InitialStates);
  void VST_ActivexGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                          std::wstring& CellText);
  void VST_ActivexGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                TColumnIndex Column, bool& Ghosted, int& ImageIndex);
  void chkAllClick(TObject* Sender);
  void btnOKClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);

  // Mode 1 blocks every checked row, 0 unblocks it; the progress bar shows the way through.
  void ApplyToChecked(int Mode);
  bool NoneChecked();

  const std::vector<TActivexRow>& Rows() const { return rows_; }

 private:
  std::vector<TActivexRow> rows_;
};
