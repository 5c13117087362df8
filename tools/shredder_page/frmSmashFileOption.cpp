#include "tools/shredder_page/frmSmashFileOption.h"

#include "base/exception.h"
#include "base/strings.h"
#include "gui/message_box.h"
#include "tools/shredder/shred_options.h"

QS_FORM_IMPL(TfrmSmashFileOption, TForm, QS_FIELD(GroupBox1), QS_FIELD(Label1), QS_FIELD(Label2),
             QS_FIELD(edtFillChars), QS_FIELD(edtFillTimes), QS_FIELD(btnOK), QS_FIELD(btnCancel),
             QS_HANDLER(FormCreate), QS_HANDLER(btnOKClick), QS_HANDLER(btnCancelClick))

TfrmSmashFileOption::TfrmSmashFileOption(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmSmashFileOption::FormCreate(TObject* Sender) {
  TSFOption option;
  LoadFillOptions(option);
  edtFillChars->SetText(option.FillChars);
  edtFillTimes->SetText(IntToStr(option.FillTimes));
}

void TfrmSmashFileOption::Tell(const std::wstring& text) {
  MessageBoxShow(Handle(), text, L"文件粉碎设置", MB_OK | MB_ICONINFORMATION);
}

void TfrmSmashFileOption::btnOKClick(TObject* Sender) {
  const std::wstring chars = Trim(edtFillChars->Text());
  const std::wstring times = Trim(edtFillTimes->Text());
  if (chars.empty()) return Tell(L"请输入填充字符");
  if (times.empty()) return Tell(L"请输入填充次数");
  int count = 0;
  if (!TryStrToInt(times, count)) return Tell(L"请输入有效的填充次数");
  try {
    SaveFillOptions({chars, count});
  } catch (const Exception& e) {
    // The dialog stays open: nothing was kept.
    MessageBoxShow(Handle(), e.Message(), L"文件粉碎设置", MB_OK | MB_ICONERROR);
    return;
  }
  SetModalResult(mrOk);
}

void TfrmSmashFileOption::btnCancelClick(TObject* Sender) { SetModalResult(mrCancel); }
