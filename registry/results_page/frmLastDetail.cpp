#include "registry/results_page/frmLastDetail.h"

#include "base/date_time.h"
#include "common/last_run.h"
#include "common/time_ago.h"
#include "gui/pagekit/page_host.h"
#include "registry/scan/reg_scan_engine.h"

QS_FORM_IMPL(TfrmLastDetail, TForm, QS_FIELD(vst), QS_FIELD(lblTime), QS_FIELD(BitBtn1), QS_HANDLER(FormCreate),
             QS_HANDLER(BitBtn1Click), QS_HANDLER(vstGetText), QS_HANDLER(vstPaintText))

namespace {
// Fifteen category rows, then the total.
constexpr int kTotalRow = kDetailInfoCount;

constexpr TColor kCleanedColour = 0x008000;
}  // namespace

TfrmLastDetail::TfrmLastDetail(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmLastDetail::ResetDetailNames() {
  for (int category = 1; category <= kDetailInfoCount; ++category)
    RegDetailInfo[category] = TDetailInfo{RegCategoryNames[category], 0, 0};
}

void TfrmLastDetail::FormCreate(TObject* Sender) {
  TDateTime when = 0;
  LoadLastRegInfo(when, TotalScanNum, TotalClearNum);
  if (!IsNeverRun(when)) {
    lblTime->SetCaption(L"Last scanned: " + FormatDateTime(L"ddd mmm d, yyyy - hh:nn AM/PM", when));
    LoadLastRegDetail();
  } else {
    lblTime->SetCaption(L"Not Scanned");
    ResetDetailNames();
    TotalScanNum = 0;
    TotalClearNum = 0;
  }
  vst->SetRootNodeCount(kTotalRow + 1);
  vst->Invalidate();
}

void TfrmLastDetail::vstGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                                std::wstring& CellText) {
  const int row = static_cast<int>(Node->Index);
  if (row == kTotalRow) {
    CellText = Column == 0 ? L"Total" : std::to_wstring(Column == 1 ? TotalScanNum : TotalClearNum);
    return;
  }
  if (row > kTotalRow) return;
  const TDetailInfo& info = RegDetailInfo[row + 1];
  CellText = Column == 0 ? info.Name : std::to_wstring(Column == 1 ? info.ScanNum : info.ClearNum);
}

void TfrmLastDetail::vstPaintText(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node,
                                  TColumnIndex Column, TVSTTextType TextType) {
  TFont& font = TargetCanvas.Font();
  if (Column == 0) {
    font.SetColor(clBlack);
    if (static_cast<int>(Node->Index) == kTotalRow) {
      font.SetSize(10);
      font.SetStyle({TFontStyle::fsBold});
    }
    return;
  }
  font.SetStyle({TFontStyle::fsBold});
  font.SetColor(Column == 1 ? clRed : kCleanedColour);
}

void TfrmLastDetail::BitBtn1Click(TObject* Sender) { PageHostOf(this).OpenPageFromLink(L"btnRegsitryCleaner", this); }
