#pragma once
// The settings page "Option Center": start with Windows, the automatic update check, the
// installed version with "Check for Update", and the support links.
#include <string>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"

// Where the settings live (HKEY_LOCAL_MACHINE).
inline constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* kRunValueName = L"Quillstead";
inline constexpr const wchar_t* kProgramKey = L"SOFTWARE\\Quillstead";
inline constexpr const wchar_t* kAutoUpdateValueName = L"AutoUpdate";

class TfrmSetting : public TForm {
  QS_FORM(TfrmSetting)

 public:
  explicit TfrmSetting(TComponent* owner);

  TLabel* Label6 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TCheckBox* CheckBox2 = nullptr;
  TCheckBox* CheckBox3 = nullptr;
  TBitBtn* BitBtn1 = nullptr;

  void FormCreate(TObject* Sender);
  void LoadSettings();
  void CheckBox1Click(TObject* Sender);
  void CheckBox2Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void Label2Click(TObject* Sender);
  void Label3Click(TObject* Sender);
  void Label2MouseEnter(TObject* Sender);
  void Label2MouseLeave(TObject* Sender);

 private:
  // Set while the boxes are filled from the registry: showing a stored setting does not
  // write it back.
  bool loading_ = false;
};
