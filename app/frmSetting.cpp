#include "app/frmSetting.h"

#include "base/shell_open.h"
#include "app/update_check_boxes.h"
#include "app/vendor_links.h"
#include "base/exception.h"
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "updater/update/update_check.h"
#include "updater/update/update_files.h"

QS_FORM_IMPL(TfrmSetting, TForm, QS_FIELD(Label6), QS_FIELD(Label5), QS_FIELD(Label2), QS_FIELD(Label3),
             QS_FIELD(CheckBox1), QS_FIELD(CheckBox2), QS_FIELD(CheckBox3), QS_FIELD(BitBtn1),
             QS_HANDLER(FormCreate), QS_HANDLER(CheckBox1Click), QS_HANDLER(CheckBox2Click),
             QS_HANDLER(BitBtn1Click), QS_HANDLER(Label2Click), QS_HANDLER(Label3Click),
             QS_HANDLER(Label2MouseEnter), QS_HANDLER(Label2MouseLeave))

TfrmSetting::TfrmSetting(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmSetting::FormCreate(TObject* Sender) { LoadSettings(); }

void TfrmSetting::LoadSettings() {
  loading_ = true;
  {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    if (reg.OpenKey(kRunKey, true)) {
      try {
        CheckBox2->SetChecked(Trim(reg.ReadString(kRunValueName)) == ProgramExePath());
      } catch (const Exception&) {
        // A value of another type: the box stays as it is.
      }
    }
  }
  {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    bool on = false;
    if (reg.OpenKey(kProgramKey, true)) {
      try {
        on = reg.ReadInteger(kAutoUpdateValueName) == 1;
      } catch (const Exception&) {
        // Missing or not a number: off.
      }
    }
    CheckBox1->SetChecked(on);
  }
  Label5->SetCaption(L"Version:" + ReadLocalVersion());
  loading_ = false;
}

void TfrmSetting::CheckBox2Click(TObject* Sender) {
  if (loading_) return;
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!reg.OpenKey(kRunKey, true)) return;
  if (CheckBox2->Checked()) {
    reg.WriteString(kRunValueName, ProgramExePath());
  } else {
    reg.DeleteValue(kRunValueName);
  }
}

void TfrmSetting::CheckBox1Click(TObject* Sender) {
  if (loading_) return;
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!reg.OpenKey(kProgramKey, true)) return;
  reg.WriteInteger(kAutoUpdateValueName, CheckBox1->Checked() ? 1 : 0);
}

void TfrmSetting::BitBtn1Click(TObject* Sender) { OfferStoredUpdate(UpdateCheckBoxes()); }

void TfrmSetting::Label2Click(TObject* Sender) { ShellOpenUrl(kVendorWebSite, SW_SHOW); }

void TfrmSetting::Label3Click(TObject* Sender) { ShellOpenUrl(std::wstring(L"mailto:") + kSupportMailAddress, SW_SHOWNORMAL); }

void TfrmSetting::Label2MouseEnter(TObject* Sender) {
  auto* control = static_cast<TControl*>(Sender);
  control->Font()->SetStyle(TFontStyles(control->Font()->Style()).Include(TFontStyle::fsUnderline));
}

void TfrmSetting::Label2MouseLeave(TObject* Sender) {
  static_cast<TControl*>(Sender)->Font()->SetStyle({});
}
