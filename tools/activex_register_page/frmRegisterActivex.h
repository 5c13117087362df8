#pragma once
// The ActiveX re-registration page: every DLL of the system folder; the ticked ones are
// registered again one after another, each waited for, and the run can be stopped from the same
// button.
#include <string>
#include <vector>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"

class TfrmRegisterActivex : public TForm {
  QS_FORM(TfrmRegisterActivex)

 public:
  explicit TfrmRegisterActivex(TComponent* owner);

  // One row: the DLL's full path and its status text.
  struct TDllRow {
    std::wstring Path;
    std::wstring Status;
  };

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TVirtualStringTree* VST1 = nullptr;
  TButton* btnActivex = nullptr;
  TCheckBox* chkAll = nullptr;
  TProgressBar* ProgressBar1 = nullptr;

  void FormCreate(TObject* Sender);
  void chkAllClick(TObject* Sender);
  void btnActivexClick(TObject* Sender);
  void VST1InitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                    TVirtualNodeInitStates& InitialStates);
  void VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                   std::wstring& CellText);

  // One row per DLL of the system folder, each "Ready" and unticked.
  void ListSystemDlls();

  const std::vector<TDllRow>& Rows() const { return rows_; }
  bool Running() const { return running_; }

 private:
  // Registers the ticked rows top to bottom until the last one or a stop.
  void RunChecked();
  // Default cursors, the progress bar hidden at 0, the button back to "Re-Register".
  void ResetPage();

  std::vector<TDllRow> rows_;
  bool running_ = false;
};
