#include "app/home_page/frmHome.h"

#include "app/home_page/home_score.h"
#include "base/date_time.h"
#include "cleaners/oneclick/one_click_start.h"
#include "common/last_run.h"
#include "common/time_ago.h"
#include "gui/pagekit/page_host.h"

QS_FORM_IMPL(TfrmHome, TForm, QS_FIELD(Panel1), QS_FIELD(img0), QS_FIELD(img10), QS_FIELD(img20), QS_FIELD(img30),
             QS_FIELD(img40), QS_FIELD(img50), QS_FIELD(img60), QS_FIELD(img70), QS_FIELD(img80), QS_FIELD(img90),
             QS_FIELD(img100), QS_FIELD(Label6), QS_FIELD(lblPoint), QS_FIELD(lblInfo), QS_FIELD(lblHealth),
             QS_FIELD(Label16), QS_FIELD(CheckBox7), QS_FIELD(lst), QS_FIELD(CheckBox1), QS_FIELD(CheckBox2),
             QS_FIELD(CheckBox3), QS_FIELD(CheckBox4), QS_FIELD(CheckBox5), QS_FIELD(CheckBox6), QS_FIELD(il2),
             QS_FIELD(ImageEx2), QS_FIELD(lblLast), QS_FIELD(lblScansum), QS_FIELD(lblLastClear), QS_FIELD(lblMemory),
             QS_FIELD(Label10), QS_FIELD(Label13), QS_FIELD(Label14), QS_FIELD(Label15), QS_FIELD(ImageEx1),
             QS_HANDLER(FormCreate), QS_HANDLER(lstDrawItem), QS_HANDLER(ImageEx2Click), QS_HANDLER(ImageEx1Click),
             QS_HANDLER(Label13Click), QS_HANDLER(Label14Click), QS_HANDLER(Label15Click),
             QS_HANDLER(Label13MouseEnter), QS_HANDLER(Label13MouseLeave))

namespace {
// The recommendations, top to bottom (the numbers in them are part of the text).
const wchar_t* const kRecommendations[] = {
    L"There are a lot of errors that would result in your computer system crash!",
    L"No junk files found and system status is very Good!",
    L"There are a lot of personal privacy on your system,please clear as soon as possible!",
    L"There are 1420 Activex items on your system,please block as soon as possible!",
    L"Optimize your system starup to increase computer speed",
    L"7 non-optimized items lower your system performance,please optimize as soon as possible!",
};

constexpr TColor kEvenRowColour = 0xFDF5F3;  // RGB 243, 245, 253

// Where a score stands on the gauge (from the form), and how a text other than a score is fitted.
constexpr int kScoreTop = 66;
constexpr int kScoreWidth = 134;
constexpr int kScoreHeight = 50;
constexpr int kSmallestScoreSize = 8;
constexpr int kGaugeTextMargin = 8;
}  // namespace

TfrmHome::TfrmHome(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmHome::FormCreate(TObject* Sender) {
  for (const wchar_t* text : kRecommendations) lst->Items().Add(text);
}

std::array<TImage*, 11> TfrmHome::GaugePictures() const {
  return {img0, img10, img20, img30, img40, img50, img60, img70, img80, img90, img100};
}

void TfrmHome::ShowScoreGauge(int score) {
  const auto pictures = GaugePictures();
  const int shown = GaugePictureIndex(score);
  for (int i = 0; i < static_cast<int>(pictures.size()); ++i) pictures[i]->SetVisible(i == shown);
}

void TfrmHome::RefreshStatus() {
  const TDateTime memory = LoadLastMemoryInfo();
  lblMemory->SetCaption(FormatLastRunDate(kLastRunHomeFormat, memory, kNotOptimized));

  TDateTime regWhen = 0;
  int regFound = 0, regFixed = 0;
  LoadLastRegInfo(regWhen, regFound, regFixed);
  lblLast->SetCaption(FormatLastRunDate(kLastRunHomeFormat, regWhen, kNotScanned));
  lblScansum->SetCaption(std::to_wstring(regFound));
  lblLastClear->SetCaption(std::to_wstring(regFixed));

  int point = -1, found = 0, repaired = 0;
  TDateTime when = 0;
  LoadLastOneClickInfo(point, when, found, repaired);
  ShowScoreGauge(point);
  lblInfo->SetCaption(L"Last Scan Report: " + std::to_wstring(IsNeverRun(when) ? 0 : found) + L" Problems Found");
  Label10->SetCaption(L"The problems found on your PC have not been fixed.");

  lblPoint->SetCaption(std::to_wstring(point));
  lblPoint->Font()->SetSize(30);
  lblPoint->SetAlignment(TAlignment::taLeftJustify);
  lblPoint->SetBounds(472, kScoreTop, kScoreWidth, kScoreHeight);
  const THealthText health = HealthOfScore(point);
  lblHealth->SetCaption(health.Text);
  if (health.Unknown) {
    lblPoint->SetCaption(L"Unknown");
    PlaceTextOnGauge(18);
  } else {
    lblHealth->Font()->SetColor(health.Colour);
  }
}

void TfrmHome::PlaceTextOnGauge(int size) {
  // Centred on the dark disc, in the largest size up to the given one that keeps it inside.
  HDC dc = GetDC(nullptr);
  TRect box;
  {
    TCanvas canvas(dc);
    for (; size > kSmallestScoreSize; --size) {
      lblPoint->Font()->SetSize(size);
      canvas.Font().Assign(*lblPoint->Font());
      const SIZE text = canvas.TextExtent(lblPoint->Caption());
      box = GaugeTextBox(text.cx, text.cy);
      if (InsideGaugeDisc(box, kGaugeTextMargin)) break;
    }
  }
  ReleaseDC(nullptr, dc);
  lblPoint->SetAlignment(TAlignment::taCenter);
  lblPoint->SetBounds(box.left, box.top, ::Width(box), ::Height(box));
}

void TfrmHome::lstDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas& canvas = lst->Canvas();
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = Index % 2 ? clWhite : kEvenRowColour;
  canvas.Font().SetColor(clBlack);
  canvas.FillRect(Rect);
  if (Index < 0 || Index >= lst->Count()) return;
  il2->Draw(canvas, Rect.left + 2, Rect.top, Index);
  canvas.Brush().Style = TBrushStyle::bsClear;
  canvas.TextOut(Rect.left + 15 + il2->Width() / 2, Rect.top + 4, lst->Items()[Index]);
}

void TfrmHome::StartOneClick(bool withOptions) {
  TCustomForm* page = PageHostOf(this).OpenPageFromLink(L"btnOneClick");
  auto* oneClick = dynamic_cast<TOneClickStart*>(page);
  if (!oneClick) return;
  if (withOptions) {
    TOneClickOptions options;
    options.Reg = CheckBox1->Checked();
    options.WasteFile = CheckBox2->Checked();
    options.His = CheckBox3->Checked();
    options.ActiveX = CheckBox6->Checked();
    options.File = CheckBox5->Checked();
    options.Sys = CheckBox4->Checked();
    oneClick->SetOptions(options);
  }
  oneClick->StartScan();
}

void TfrmHome::ImageEx2Click(TObject* Sender) { StartOneClick(true); }

void TfrmHome::ImageEx1Click(TObject* Sender) { StartOneClick(false); }

// The cleaner pages the links open belong to this page.
void TfrmHome::Label13Click(TObject* Sender) { PageHostOf(this).OpenPageFromLink(L"btnRegsitryCleaner", this); }

void TfrmHome::Label14Click(TObject* Sender) { PageHostOf(this).OpenPageFromLink(L"btnJunkCleaner", this); }

void TfrmHome::Label15Click(TObject* Sender) { PageHostOf(this).OpenPageFromLink(L"btnEvidenceCleaner", this); }

void TfrmHome::Label13MouseEnter(TObject* Sender) {
  static_cast<TControl*>(Sender)->Font()->SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
}

void TfrmHome::Label13MouseLeave(TObject* Sender) {
  static_cast<TControl*>(Sender)->Font()->SetStyle({TFontStyle::fsBold});
}
