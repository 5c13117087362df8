#pragma once
// The error repair page: the known problems of ErrorClean.ini with check boxes; Repair applies the
// operations of the ticked ones and says which of them failed.
#include <vector>

#include "gui/actions.h"
#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/list_view.h"
#include "gui/std_ctrls.h"
#include "tools/error/error_list.h"
#include "tools/error/repair_operation.h"

class TfrmErrorClean : public TForm {
  QS_FORM(TfrmErrorClean)

 public:
  explicit TfrmErrorClean(TComponent* owner);

  TImage* Image3 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TListView* lvError = nullptr;
  TCheckBox* cbSelectAll = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TActionList* alErrorClean = nullptr;
  TAction* acErrorClean = nullptr;
  TAction* acErrorRefresh = nullptr;

  void FormCreate(TObject* Sender);
  void acErrorRefreshExecute(TObject* Sender);
  void acErrorCleanExecute(TObject* Sender);
  void cbSelectAllClick(TObject* Sender);
  void lvErrorChange(TObject* Sender, TListItem* Item, TItemChange Change);

  // Reads the problems from ErrorClean.ini beside the program.
  void LoadErrorList();
  // One row per problem, in order.
  void FillList();

 private:

  std::vector<TErrorItem> errorItems_;
};
