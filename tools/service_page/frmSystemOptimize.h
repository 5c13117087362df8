#pragma once
// The system optimizer page: six service presets, the description of the chosen one, and
// "Optimize", which runs the preset's commands one after another.
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/progress.h"
#include "gui/std_ctrls.h"
#include "tools/service/service_presets.h"

class TfrmSystemOptimize : public TForm {
  QS_FORM(TfrmSystemOptimize)

 public:
  explicit TfrmSystemOptimize(TComponent* owner);

  TLabel* Label6 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TGroupBox* GroupBox2 = nullptr;
  TRadioButton* rbDefault = nullptr;
  TRadioButton* rbCampus = nullptr;
  TRadioButton* rbNet = nullptr;
  TRadioButton* rbNote = nullptr;
  TRadioButton* rbOffice = nullptr;
  TRadioButton* rbHome = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label8 = nullptr;
  TProgressBar* pb1 = nullptr;
  TButton* btnOptimize = nullptr;

  void rbDefaultClick(TObject* Sender);
  void btnOptimizeClick(TObject* Sender);

  // The checked preset (the later one when several are checked).
  TServicePreset CheckedPreset() const;

 private:
};
