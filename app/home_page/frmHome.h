#pragma once
// The home page: the last one-click score as a gauge with a health text, the last scan report,
// six recommendations whose boxes choose what one-click maintenance scans, the button that
// starts it, and links to the three cleaners. It only reads the last-run records.
#include <array>
#include <string>

#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/lists.h"
#include "gui/pagekit/image_ex.h"
#include "gui/std_ctrls.h"

class TfrmHome : public TForm {
  QS_FORM(TfrmHome)

 public:
  explicit TfrmHome(TComponent* owner);

  TPanel* Panel1 = nullptr;
  TImage *img0 = nullptr, *img10 = nullptr, *img20 = nullptr, *img30 = nullptr, *img40 = nullptr, *img50 = nullptr,
         *img60 = nullptr, *img70 = nullptr, *img80 = nullptr, *img90 = nullptr, *img100 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* lblPoint = nullptr;
  TLabel* lblInfo = nullptr;
  TLabel* lblHealth = nullptr;
  TLabel* Label16 = nullptr;
  TCheckBox* CheckBox7 = nullptr;
  TListBox* lst = nullptr;
  TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr,
            *CheckBox5 = nullptr, *CheckBox6 = nullptr;
  TImageList* il2 = nullptr;
  TImageEx* ImageEx2 = nullptr;
  // The status block to the right of the visible area.
  TLabel* lblLast = nullptr;
  TLabel* lblScansum = nullptr;
  TLabel* lblLastClear = nullptr;
  TLabel* lblMemory = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label13 = nullptr;
  TLabel* Label14 = nullptr;
  TLabel* Label15 = nullptr;
  TImageEx* ImageEx1 = nullptr;

  void FormCreate(TObject* Sender);
  void lstDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  // Opens one-click maintenance with this page's six boxes as its options and starts the scan.
  void ImageEx2Click(TObject* Sender);
  // Opens one-click maintenance and starts the scan with the options it has.
  void ImageEx1Click(TObject* Sender);
  void Label13Click(TObject* Sender);
  void Label14Click(TObject* Sender);
  void Label15Click(TObject* Sender);
  void Label13MouseEnter(TObject* Sender);
  void Label13MouseLeave(TObject* Sender);

  // Reads the last-run records into the gauge, the report and the status block.
  void RefreshStatus();
  // Shows the gauge picture of a score and hides the others.
  void ShowScoreGauge(int score);
  // Puts lblPoint's text in the middle of the gauge's dark disc, as large as it fits (up to size).
  void PlaceTextOnGauge(int size);
  // The eleven gauge pictures, img0 first.
  std::array<TImage*, 11> GaugePictures() const;

 private:
  void StartOneClick(bool withOptions);
};
