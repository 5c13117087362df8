#pragma once
// The file shredder page: files gathered through the open-file dialog or dropped from Explorer,
// overwritten pass after pass at the chosen shred level and then deleted.
#include <windows.h>

#include <string>
#include <vector>

#include "gui/actions.h"
#include "gui/application.h"
#include "gui/buttons.h"
#include "gui/dialogs.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/list_view.h"
#include "gui/std_ctrls.h"
#include "tools/shredder/shred_file.h"
#include "tools/shredder_page/frmSmashFileOption.h"

class TfrmSmashFile : public TForm {
  QS_FORM(TfrmSmashFile)

 public:
  explicit TfrmSmashFile(TComponent* owner);
  ~TfrmSmashFile() override;

  TPanel* Panel1 = nullptr;
  TImage* Image3 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TListView* lvSmashFile = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TRadioButton* RB_1 = nullptr;
  TRadioButton* RB_2 = nullptr;
  TRadioButton* RB_3 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label3 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button3 = nullptr;
  TImage* Image6 = nullptr;
  TImage* Image7 = nullptr;
  TLabel* Label2 = nullptr;
  TOpenDialog* opendlgSmashFileAdd = nullptr;
  TActionList* alSmashFile = nullptr;
  TAction* acSmashFileAdd = nullptr;
  TAction* acSmashFileRemove = nullptr;
  TAction* acSmashFileDoIt = nullptr;

  void FormCreate(TObject* Sender);
  void AppMessage(MSG& Msg, bool& Handled);
  void acSmashFileAddExecute(TObject* Sender);
  void acSmashFileAddUpdate(TObject* Sender);
  void acSmashFileRemoveExecute(TObject* Sender);
  void acSmashFileRemoveUpdate(TObject* Sender);
  void acSmashFileDoItExecute(TObject* Sender);
  void acSmashFileDoItUpdate(TObject* Sender);
  void Label2Click(TObject* Sender);

  // True when some row's folder + name is Path, both trimmed, compared without regard to case.
  bool IsListed(const std::wstring& Path) const;
  // Appends a row for Path unless it is listed already.
  void AddFile(const std::wstring& Path);
  // The full path of a row.
  std::wstring RowPath(int Row) const;
  // The option of the checked shred level.
  TSFOption CheckedOption() const;
  // A shred run is under way: nothing may be added, removed or started meanwhile.
  bool Shredding() const { return shredding_; }
  // The options dialog, while it exists.
  TfrmSmashFileOption* OptionsDialog() const { return options_; }

 private:
  // Paints the row's Status cell: a bar as wide as the percentage and the pass text over it.
  void PaintStatus(int Row, int Pass, int Passes, int Percent);
  // Updates the buttons' actions now rather than when the program is next idle.
  void UpdateActions();

  bool shredding_ = false;
  TfrmSmashFileOption* options_ = nullptr;
  // The handler the page's own replaced; messages it does not take go on to it.
  TMessageEvent previousOnMessage_;
};
