#include "tools/error_page/frmErrorClean.h"

#include "base/message_pump.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"

QS_FORM_IMPL(TfrmErrorClean, TForm, QS_FIELD(Image3), QS_FIELD(Label6), QS_FIELD(Label7), QS_FIELD(GroupBox1),
             QS_FIELD(lvError), QS_FIELD(cbSelectAll), QS_FIELD(Button1), QS_FIELD(Button2), QS_FIELD(alErrorClean),
             QS_FIELD(acErrorClean), QS_FIELD(acErrorRefresh), QS_HANDLER(FormCreate), QS_HANDLER(acErrorRefreshExecute),
             QS_HANDLER(acErrorCleanExecute), QS_HANDLER(cbSelectAllClick), QS_HANDLER(lvErrorChange))

namespace {
// The rows the select-all box leaves alone: the two browser-version repairs its caption names.
constexpr int kRowsSelectAllSkips = 2;
}  // namespace

TfrmErrorClean::TfrmErrorClean(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmErrorClean::FormCreate(TObject* Sender) {
  LoadErrorList();
  FillList();
}

void TfrmErrorClean::acErrorRefreshExecute(TObject* Sender) {
  LoadErrorList();
  FillList();
}

void TfrmErrorClean::LoadErrorList() { errorItems_ = ::LoadErrorList(TIniFile(ErrorCleanFileName())); }

void TfrmErrorClean::FillList() {
  TListItems* rows = lvError->Items();
  rows->BeginUpdate();
  rows->Clear();
  for (TErrorItem& item : errorItems_) {
    TListItem* row = rows->Add();
    row->SetCaption(item.Name);
    row->SetSubItems({item.Description, L""});
    row->SetData(&item);
  }
  rows->EndUpdate();
}

void TfrmErrorClean::cbSelectAllClick(TObject* Sender) {
  TListItems* rows = lvError->Items();
  if (rows->Count() <= kRowsSelectAllSkips) return;
  for (int i = kRowsSelectAllSkips; i < rows->Count(); ++i) rows->Item(i)->SetChecked(cbSelectAll->Checked());
}

void TfrmErrorClean::lvErrorChange(TObject* Sender, TListItem* Item, TItemChange Change) {
  if (Change != TItemChange::ctState) return;
  TListItems* rows = lvError->Items();
  int checked = 0;
  for (int i = 0; i < rows->Count(); ++i)
    if (rows->Item(i)->Checked()) ++checked;
  if (checked == rows->Count())
    cbSelectAll->SetChecked(true);
  else if (checked == 0)
    cbSelectAll->SetChecked(false);
}

void TfrmErrorClean::acErrorCleanExecute(TObject* Sender) {
  // The ticked problems as they stand now: the list may not change while they are repaired.
  std::vector<TErrorItem> ticked;
  TListItems* rows = lvError->Items();
  for (int i = 0; i < rows->Count(); ++i)
    if (rows->Item(i)->Checked()) ticked.push_back(*static_cast<TErrorItem*>(rows->Item(i)->Data()));
  if (ticked.empty()) {
    MessageBoxShow(Handle(), L"Please select at least one option from the list", kProgramCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  TComponentRef<TfrmErrorClean> self(this);
  TBusyRun run(this);
  run.Disable({Button1, cbSelectAll, lvError});
  run.Hourglass({this});
  const TIniFile ini(ErrorCleanFileName());
  std::vector<std::wstring> failures;
  auto step = [&self] {
    PumpMessages();
    return bool(self);
  };
  for (const TErrorItem& item : ticked) {
    if (!step()) break;
    for (const std::wstring& failure : RepairProblem(ini, item, step)) failures.push_back(item.Name + L": " + failure);
  }
  if (!self) return;
  run.End();
  if (failures.empty()) {
    MessageBoxShow(Handle(), L"The error(s) has been repaired successfully!", kProgramCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  std::wstring text = L"Some of the selected errors could not be repaired:";
  for (const std::wstring& failure : failures) text += L"\r\n" + failure;
  MessageBoxShow(Handle(), text, kProgramCaption, MB_OK | MB_ICONWARNING);
}
