#pragma once
// The shredder's options dialog: the fill pattern and pass count kept in sfconfig.ini.
#include "gui/buttons.h"
#include "gui/edits.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"

class TfrmSmashFileOption : public TForm {
  QS_FORM(TfrmSmashFileOption)

 public:
  explicit TfrmSmashFileOption(TComponent* owner);

  TGroupBox* GroupBox1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TEdit* edtFillChars = nullptr;
  TEdit* edtFillTimes = nullptr;
  TButton* btnOK = nullptr;
  TButton* btnCancel = nullptr;

  void FormCreate(TObject* Sender);
  void btnOKClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);

 private:
  // A box of the dialog's own: its caption, the information icon.
  void Tell(const std::wstring& text);
};
