#include "tools/iemanage_page/frmIEManage.h"

#include <algorithm>

#include "gui/message_box.h"

QS_FORM_IMPL(TfrmIEManage, TForm, QS_FIELD(Label6), QS_FIELD(Label7), QS_FIELD(Label1), QS_FIELD(pgc_IE),
             QS_FIELD(Hijack), QS_FIELD(BHO), QS_FIELD(VST_Hijack), QS_FIELD(VST_BHO), QS_FIELD(VST_IE),
             QS_FIELD(chkAll), QS_FIELD(btnRestore), QS_FIELD(Button2), QS_FIELD(Button4), QS_FIELD(Button5),
             QS_FIELD(Button6), QS_FIELD(Button7), QS_FIELD(acIERecoverRefresh), QS_FIELD(acIERecoverRecover),
             QS_FIELD(acIEBHORefresh), QS_FIELD(IEBHOClear), QS_HANDLER(FormCreate),
             QS_HANDLER(acIERecoverRefreshExecute), QS_HANDLER(Button5Click), QS_HANDLER(acIEBHORefreshExecute),
             QS_HANDLER(btnRestoreClick), QS_HANDLER(acIERecoverRecoverExecute), QS_HANDLER(Button4Click),
             QS_HANDLER(IEBHOClearExecute), QS_HANDLER(chkAllClick), QS_HANDLER(pgc_IEChange),
             QS_HANDLER(VST_InitNode), QS_HANDLER(VST_HijackGetText), QS_HANDLER(VST_HijackPaintText),
             QS_HANDLER(VST_IEGetText), QS_HANDLER(VST_IEPaintText),
             QS_HANDLER(VST_BHOGetText))

namespace {

const wchar_t kNoSelection[] = L"Please select at least one option from the list.";
const wchar_t kDisabled[] = L"已经被禁用";
const wchar_t kNormal[] = L"正常";

bool AnyRowChecked(TVirtualStringTree* list) { return list->GetFirstChecked() != nullptr; }

std::vector<size_t> CheckedRows(TVirtualStringTree* list) {
  std::vector<size_t> rows;
  for (PVirtualNode node = list->GetFirstChecked(); node; node = list->GetNextChecked(node)) rows.push_back(node->Index);
  return rows;
}

// Rows that need repair in red, the others in black; never bold.
void PaintRepairRow(TCanvas& canvas, bool needsRepair) {
  canvas.Font().SetColor(needsRepair ? clRed : clBlack);
  canvas.Font().SetStyle(TFontStyles());
}

std::wstring RowText(const std::vector<TIERecoverRow>& rows, PVirtualNode node, TColumnIndex column) {
  if (node->Index >= rows.size()) return std::wstring();
  const std::vector<std::wstring>& texts = rows[node->Index].Texts;
  return column >= 0 && static_cast<size_t>(column) < texts.size() ? texts[column] : std::wstring();
}

std::wstring RestrictionStatus(const TIERecoverItem& item) { return item.NeedsRepair ? kDisabled : kNormal; }

}  // namespace

TfrmIEManage::TfrmIEManage(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmIEManage::FormCreate(TObject* Sender) {
  ScanIERecoverItems();
  ShowIERecoverItems();
  ScanIEAddons();
  ShowIEAddons();
}

void TfrmIEManage::ScanIERecoverItems() { recoverItems_ = ::ScanIERecoverItems(); }

void TfrmIEManage::ShowIERecoverItems() {
  ShowHijackRows();
  ShowRestrictionRows();
}

void TfrmIEManage::ShowHijackRows() {
  hijackRows_.clear();
  size_t entry = 0;
  for (const TIERecoverItem& item : recoverItems_) {
    if (item.Kind != TIESettingKind::String) continue;
    if (item.Category == 1) hijackRows_.push_back({entry, {item.Name, item.CurrentStr, item.DefaultStr}, item.NeedsRepair});
    ++entry;
  }
  VST_Hijack->Clear();
  VST_Hijack->SetRootNodeCount(static_cast<uint32_t>(hijackRows_.size()));
}

void TfrmIEManage::ShowRestrictionRows() {
  restrictionRows_.clear();
  size_t entry = 0;
  for (const TIERecoverItem& item : recoverItems_) {
    if (item.Kind != TIESettingKind::Number) continue;
    if (item.Category == 2) restrictionRows_.push_back({entry, {item.Name, RestrictionStatus(item)}, item.NeedsRepair});
    ++entry;
  }
  VST_IE->Clear();
  VST_IE->SetRootNodeCount(static_cast<uint32_t>(restrictionRows_.size()));
}

void TfrmIEManage::ScanIEAddons() { addonItems_ = ::ScanIEAddons(); }

void TfrmIEManage::ShowIEAddons() {
  addonRows_ = addonItems_;
  VST_BHO->Clear();
  VST_BHO->SetRootNodeCount(static_cast<uint32_t>(addonRows_.size()));
}

void TfrmIEManage::acIERecoverRefreshExecute(TObject* Sender) {
  ScanIERecoverItems();
  ShowHijackRows();
}

void TfrmIEManage::Button5Click(TObject* Sender) {
  ScanIERecoverItems();
  ShowRestrictionRows();
}

void TfrmIEManage::acIEBHORefreshExecute(TObject* Sender) {
  ScanIEAddons();
  ShowIEAddons();
}

void TfrmIEManage::btnRestoreClick(TObject* Sender) {
  if (pgc_IE->ActivePage() == BHO) {
    if (!AnyRowChecked(VST_BHO)) {
      MessageBoxShow(Handle(), kNoSelection, kProgramCaption, MB_OK | MB_ICONINFORMATION);
      return;
    }
    if (MessageBoxShow(Handle(), L"Are you sure want to remove it?", kProgramCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
      IEBHOClear->Execute();
    return;
  }
  if (!AnyRowChecked(VST_Hijack)) {
    MessageBoxShow(Handle(), kNoSelection, kProgramCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (MessageBoxShow(Handle(), L"Are you sure want to restore it?", kProgramCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  const std::vector<size_t> chosen = CheckedRows(VST_Hijack);
  acIERecoverRecover->Execute();
  // A setting that cannot be written (a machine-wide one without administrator rights) still
  // differs: say so rather than report it restored.
  const bool failed =
      std::any_of(chosen.begin(), chosen.end(), [this](size_t row) { return hijackRows_[row].NeedsRepair; });
  if (failed)
    MessageBoxShow(Handle(),
                   L"Some settings could not be restored. The rows still marked in red keep their old value.",
                   kProgramCaption, MB_OK | MB_ICONERROR);
  else
    MessageBoxShow(Handle(), L"Restored Completed!", kProgramCaption, MB_OK | MB_ICONINFORMATION);
}

void TfrmIEManage::acIERecoverRecoverExecute(TObject* Sender) { RestoreHijackItems(); }

// Each ticked row's default is written, then read back: the row shows what the registry now
// holds and needs repair only when the write did not take.
void TfrmIEManage::RestoreHijackItems() {
  for (size_t row : CheckedRows(VST_Hijack)) {
    TIERecoverRow& shown = hijackRows_[row];
    TIERecoverItem item = ReadStringSetting(IEStringDefaults[shown.Entry]);
    RestoreIERecoverItem(item);
    shown.Texts[1] = item.CurrentStr;
    shown.NeedsRepair = item.NeedsRepair;
    recoverItems_[shown.Entry] = item;
  }
  CheckRepairRows(VST_Hijack, hijackRows_);
}

void TfrmIEManage::Button4Click(TObject* Sender) { RestoreRestrictionItems(); }

void TfrmIEManage::RestoreRestrictionItems() {
  if (!AnyRowChecked(VST_IE)) {
    MessageBoxShow(Handle(), L"没有需要修复的项", L"IE修复", MB_OK | MB_ICONINFORMATION);
    return;
  }
  for (size_t row : CheckedRows(VST_IE)) {
    TIERecoverRow& shown = restrictionRows_[row];
    TIERecoverItem item = ReadRestriction(IERestrictionDefaults[shown.Entry]);
    RestoreIERecoverItem(item);
    shown.Texts[1] = RestrictionStatus(item);
    shown.NeedsRepair = item.NeedsRepair;
    recoverItems_[IEStringDefaults.size() + shown.Entry] = item;
  }
  CheckRepairRows(VST_IE, restrictionRows_);
}

void TfrmIEManage::IEBHOClearExecute(TObject* Sender) { RemoveAddons(); }

void TfrmIEManage::RemoveAddons() {
  const std::vector<size_t> chosen = CheckedRows(VST_BHO);
  for (size_t row : chosen) RemoveIEAddon(addonRows_[row]);
  if (chosen.empty()) MessageBoxShow(Handle(), L"请选择需要清理的IE插件", L"IE管理", MB_OK | MB_ICONINFORMATION);
  // The list shows what is registered now; an add-on that could not be removed is listed again.
  acIEBHORefresh->Execute();
}

void TfrmIEManage::CheckRepairRows(TVirtualStringTree* list, const std::vector<TIERecoverRow>& rows) {
  for (PVirtualNode node = list->GetFirst(); node; node = list->GetNext(node))
    list->SetCheckState(node, node->Index < rows.size() && rows[node->Index].NeedsRepair ? TCheckState::csCheckedNormal
                                                                                           : TCheckState::csUncheckedNormal);
  list->Invalidate();
}

TVirtualStringTree* TfrmIEManage::ActiveList() const {
  return pgc_IE->ActivePage() == BHO ? VST_BHO : VST_Hijack;
}

void TfrmIEManage::chkAllClick(TObject* Sender) {
  TVirtualStringTree* list = ActiveList();
  const TCheckState state = chkAll->Checked() ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
  for (PVirtualNode node = list->GetFirst(); node; node = list->GetNext(node)) list->SetCheckState(node, state);
  list->Invalidate();
}

void TfrmIEManage::pgc_IEChange(TObject* Sender) { AllRowsChecked(); }

void TfrmIEManage::AllRowsChecked() {
  btnRestore->SetCaption(pgc_IE->ActivePage() == BHO ? L"Remove" : L"Restore");
  TVirtualStringTree* list = ActiveList();
  bool all = true;
  for (PVirtualNode node = list->GetFirst(); node && all; node = list->GetNext(node))
    all = list->CheckState(node) == TCheckState::csCheckedNormal;
  // A change of the box reaches the list as a click does.
  chkAll->SetChecked(all);
}

// Every row of the three lists has a check box.
void TfrmIEManage::VST_InitNode(TBaseVirtualTree*, PVirtualNode, PVirtualNode Node, TVirtualNodeInitStates&) {
  Node->CheckType = TCheckType::ctCheckBox;
}

void TfrmIEManage::VST_HijackGetText(TBaseVirtualTree*, PVirtualNode Node, TColumnIndex Column, TVSTTextType,
                                     std::wstring& CellText) {
  CellText = RowText(hijackRows_, Node, Column);
}

void TfrmIEManage::VST_HijackPaintText(TBaseVirtualTree*, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex,
                                       TVSTTextType) {
  PaintRepairRow(TargetCanvas, Node->Index < hijackRows_.size() && hijackRows_[Node->Index].NeedsRepair);
}

void TfrmIEManage::VST_IEGetText(TBaseVirtualTree*, PVirtualNode Node, TColumnIndex Column, TVSTTextType,
                                 std::wstring& CellText) {
  CellText = RowText(restrictionRows_, Node, Column);
}

void TfrmIEManage::VST_IEPaintText(TBaseVirtualTree*, TCanvas& TargetCanvas, PVirtualNode Node, TColumnIndex,
                                   TVSTTextType) {
  PaintRepairRow(TargetCanvas, Node->Index < restrictionRows_.size() && restrictionRows_[Node->Index].NeedsRepair);
}

void TfrmIEManage::VST_BHOGetText(TBaseVirtualTree*, PVirtualNode Node, TColumnIndex Column, TVSTTextType,
                                  std::wstring& CellText) {
  CellText.clear();
  if (Node->Index >= addonRows_.size()) return;
  const TIEBHOItem& addon = addonRows_[Node->Index];
  switch (Column) {
    case 0: CellText = addon.Name; break;
    case 1: CellText = addon.FileName; break;
    case 2: CellText = addon.TypeLabel; break;
    default: break;
  }
}
