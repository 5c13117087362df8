#pragma once
// The driver backup page: the drivers of the device class keys (by default only those of other
// providers than Microsoft) with check boxes; "Backup" copies the files of the checked ones into
// a folder per driver and says which could not be backed up.
#include <vector>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "tools/driver/driver_list.h"

class TfrmDriver : public TForm {
  QS_FORM(TfrmDriver)

 public:
  explicit TfrmDriver(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TCheckBox* chkAll = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TVirtualStringTree* VST1 = nullptr;
  TButton* BtnBackUp = nullptr;
  TImageList* ImageList1 = nullptr;

  void FormCreate(TObject* Sender);
  void CheckBox1Click(TObject* Sender);
  void chkAllClick(TObject* Sender);
  void BtnBackUpClick(TObject* Sender);
  void VST1InitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                    TVirtualNodeInitStates& InitialStates);
  void VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                   std::wstring& CellText);
  void VST1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                         bool& Ghosted, int& ImageIndex);

  // Fills the list anew; new rows take the "Select All" state.
  void ListDrivers(TDriverListMode Mode);
  const std::vector<TDriverRow>& Rows() const { return rows_; }

  // Where the drivers are read from (tests put their own, then list again).
  TDriverPlaces Places = SystemDriverPlaces();

 private:

  std::vector<TDriverRow> rows_;
};
