#include "cleaners/evidence_page/frmHisCleaner.h"

#include "base/date_time.h"
#include "cleaners/evidence/history_list.h"
#include "cleaners/evidence/evidence_task.h"
#include "cleaners/evidence_page/evidence_tree.h"
#include "cleaners/evidence/history_run.h"
#include "common/last_run.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/pagekit/last_run_panel.h"
#include "gui/screen.h"

QS_FORM_IMPL(TfrmHisCleaner, TForm, QS_FIELD(Label6), QS_FIELD(Label7), QS_FIELD(lblLastDT), QS_FIELD(lblLast),
             QS_FIELD(ImageEx1), QS_FIELD(btnScan), QS_FIELD(chkSeleAllItem), QS_FIELD(vst), QS_FIELD(il1),
             QS_FIELD(il2), QS_HANDLER(FormCreate), QS_HANDLER(btnScanClick), QS_HANDLER(chkSeleAllItemClick),
             QS_HANDLER(vstGetText), QS_HANDLER(vstInitNode), QS_HANDLER(vstInitChildren),
             QS_HANDLER(vstGetImageIndex), QS_HANDLER(vstChecked))

TfrmHisCleaner::TfrmHisCleaner(TComponent* owner) : TForm(owner) { LoadForm(); }

TfrmHisCleaner::~TfrmHisCleaner() { stop_.Request(); }

void TfrmHisCleaner::FormCreate(TObject* Sender) {
  LoadHistoryList();
  ResetPage();
}

void TfrmHisCleaner::ResetPage() {
  SetCaption(Application->Title());
  ShowLastRunInfo();
  // Checking the box clicks it; a box that is already checked gets its click here.
  if (chkSeleAllItem->Checked())
    chkSeleAllItemClick(chkSeleAllItem);
  else
    chkSeleAllItem->SetChecked(true);
  ShowEvidenceList(vst);
}

void TfrmHisCleaner::ShowLastRunInfo() {
  TLastRunPanel{lblLastDT, lblLast}.Show(LoadLastHisInfo());
}

void TfrmHisCleaner::chkSeleAllItemClick(TObject* Sender) {
  SetAllHistoryItemsChecked(chkSeleAllItem->Checked());
  SyncEvidenceCheckStates(vst);
  vst->Invalidate();
}

void TfrmHisCleaner::vstInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                                 TVirtualNodeInitStates& InitialStates) {
  InitEvidenceNode(Sender, Node, InitialStates);
}

void TfrmHisCleaner::vstInitChildren(TBaseVirtualTree* Sender, PVirtualNode Node, uint32_t& ChildCount) {
  ChildCount = EvidenceChildCount(Sender, Node);
}

void TfrmHisCleaner::vstGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                TVSTTextType TextType, std::wstring& CellText) {
  const std::wstring name = EvidenceRowName(Sender, Node);
  const TEvidenceRow row = EvidenceRowOf(Sender, Node);
  if (Column == 0)
    CellText = name;
  else if (Column == 1 && row.Item > 0 && row.Category <= CategoryCount)
    CellText = HisItems[row.Category][row.Item].StatusText;
}

void TfrmHisCleaner::vstGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind,
                                      TColumnIndex Column, bool& Ghosted, int& ImageIndex) {
  if (Kind == TVTImageKind::ikNormal && Column == 0) ImageIndex = EvidenceImageIndex(Sender, Node);
}

void TfrmHisCleaner::vstChecked(TBaseVirtualTree* Sender, PVirtualNode Node) { TakeEvidenceCheck(Sender, Node); }

void TfrmHisCleaner::SelectItemNode(int Category, int Item) {
  int categories = 0;
  for (PVirtualNode node = vst->GetFirst(); node; node = vst->GetNext(node)) {
    if (vst->GetNodeLevel(node) == 0) {
      ++categories;
      continue;
    }
    if (categories == Category && static_cast<int>(node->Index) + 1 == Item) {
      vst->ScrollIntoView(node, false, false);
      return;
    }
  }
}

void TfrmHisCleaner::btnScanClick(TObject* Sender) {
  // A click on either scan button while a run goes on is ignored: the list is being worked on.
  if (HistoryRunActive()) return;
  TComponentRef<TfrmHisCleaner> self(this);
  TBusyRun run(this);
  run.ScreenHourglass();

  TEvidenceTask task;
  task.Owner = Handle();
  THistoryRunEvents& events = task.Events;
  events.OnItemStart = [self](int category, int item) {
    if (!self) return;
    self->SelectItemNode(category, item);
    self->CurrentCategory = category;
    self->CurrentItem = item;
  };
  events.OnChanged = [self] {
    if (self) self->vst->Repaint();
  };
  events.ShowError = [self](const std::wstring& text, const std::wstring& caption) {
    MessageBoxShow(self ? self->Handle() : nullptr, text, caption, MB_OK | MB_ICONERROR);
  };
  stop_ = TStopToken();
  task.Clean({}, stop_);
  if (!self) return;

  SaveLastHisInfo(Now());
  ShowLastRunInfo();
  run.End();
  ShowInfo(L" Evidence Cleaning Completed.");
  if (!self) return;
  for (int j = 1; j <= CategoryCount; ++j)
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) HisItems[j][k].StatusText.clear();
  vst->Repaint();
  if (PVirtualNode first = vst->GetFirst()) vst->ScrollIntoView(first, false, false);
}
