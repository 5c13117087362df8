#pragma once
// The results page: the last registry run per category (found and cleaned) with a total row,
// read from the last-run records, and "Scan Again", which opens the registry cleaner.
#include <string>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"

class TfrmLastDetail : public TForm {
  QS_FORM(TfrmLastDetail)

 public:
  explicit TfrmLastDetail(TComponent* owner);

  TVirtualStringTree* vst = nullptr;
  TLabel* lblTime = nullptr;
  TBitBtn* BitBtn1 = nullptr;

  // The registry run's totals, shown in the "Total" row.
  int TotalScanNum = 0;
  int TotalClearNum = 0;

  // Reads the records again (at creation and each time the page is shown again).
  void FormCreate(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void vstGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                  std::wstring& CellText);
  void vstPaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex Column,
                    TVSTTextType TextType);

  // The fifteen categories under their own names with no counts.
  static void ResetDetailNames();
};
