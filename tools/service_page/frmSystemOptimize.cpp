#include "tools/service_page/frmSystemOptimize.h"

#include "base/exception.h"
#include "base/message_pump.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"

QS_FORM_IMPL(TfrmSystemOptimize, TForm, QS_FIELD(Label6), QS_FIELD(GroupBox1), QS_FIELD(GroupBox2),
             QS_FIELD(rbDefault), QS_FIELD(rbCampus), QS_FIELD(rbNet), QS_FIELD(rbNote), QS_FIELD(rbOffice),
             QS_FIELD(rbHome), QS_FIELD(Label3), QS_FIELD(Label4), QS_FIELD(Label5), QS_FIELD(Label8), QS_FIELD(pb1),
             QS_FIELD(btnOptimize), QS_HANDLER(rbDefaultClick), QS_HANDLER(btnOptimizeClick))

namespace {

// The description lines of a preset; nullptr keeps a line's text. Shown: Label4, Label5, Label8.
struct TPresetDescription {
  const wchar_t* Lines[4];
  bool Shown[3];
};

const TPresetDescription kDescriptions[] = {
    {{L"Reset to Windows default service", nullptr, nullptr, nullptr}, {false, false, false}},
    {{L"According to the circumstance of campus network, close some useless services, including printing service",
      L"terminal service, infrared device support, and wireless network support, but still remain Windows XP "
      L"integrated",
      L"firewall, and Network File sharing. This model is suitable for campus users to do some common actions such as",
      L"browsing website, playing games, playing video files, sharing documents, and processing documents."},
     {true, true, true}},
    {{L"According to the requirement of Internet Cafe, close lots of infrequently used services, including printing ",
      L"service, terminal service, infrared device support, wireless network support, windows online update, Windows ",
      L"integrated.", nullptr},
     {true, true, false}},
    {{L"Close a few services based on Windows default services. Because most of the notebooks are used in office, it ",
      L"additionally opens wireless network and infrared device support based on Office PC Optimization Model. This "
      L"is ",
      L"the most recommended model for most of notebook users. The system processes take up about 70M after the ",
      L"first installation of this model."},
     {true, true, true}},
    {{L"Close a few services based on Windows default services, including terminal service, infrared device support,",
      L"and wireless network support, but still remain Microsoft Networks File and Printer Sharing Service\u2019, "
      L"Windows XP",
      L"integrated firewall, and some compatible services. Besides supporting all functions of home-usage, it also "
      L"makes",
      L"system work fine during office and developing circumstance."},
     {true, true, true}},
    {{L"Close a few services that were infrequently used based on Windows XP default services, including printing ",
      L"service, computer browsing service, network file sharing, terminal service and infrared device support.",
      nullptr, nullptr},
     {true, false, false}},
};

}  // namespace

TfrmSystemOptimize::TfrmSystemOptimize(TComponent* owner) : TForm(owner) { LoadForm(); }

TServicePreset TfrmSystemOptimize::CheckedPreset() const {
  const TRadioButton* buttons[] = {rbDefault, rbCampus, rbNet, rbNote, rbOffice, rbHome};
  int checked = 0;
  for (int i = 0; i < 6; ++i)
    if (buttons[i]->Checked()) checked = i;
  return static_cast<TServicePreset>(checked);
}

void TfrmSystemOptimize::rbDefaultClick(TObject* Sender) {
  const TPresetDescription& d = kDescriptions[static_cast<int>(CheckedPreset())];
  TLabel* labels[] = {Label3, Label4, Label5, Label8};
  for (int i = 0; i < 4; ++i)
    if (d.Lines[i]) labels[i]->SetCaption(d.Lines[i]);
  for (int i = 0; i < 3; ++i) labels[i + 1]->SetVisible(d.Shown[i]);
}

void TfrmSystemOptimize::btnOptimizeClick(TObject* Sender) {
  TBusyRun run(this);
  run.Disable({btnOptimize});
  run.Hourglass({this, GroupBox1, GroupBox2, pb1});
  std::vector<std::wstring> lines;
  try {
    lines = LoadPresetLines(PresetBatchFile(CheckedPreset()));
  } catch (const Exception& e) {
    run.End();
    MessageBoxShow(Handle(), e.Message(), kProgramCaption, MB_OK | MB_ICONERROR);
    return;
  }
  TComponentRef<TfrmSystemOptimize> self(this);
  pb1->SetMax(static_cast<int>(lines.size()));
  pb1->SetPosition(0);
  pb1->SetVisible(true);
  TPresetRunResult result = RunPresetLines(lines, [&self] {
    PumpMessages();
    if (self) self->pb1->SetPosition(self->pb1->Position() + 1);
  });
  if (!self) return;
  pb1->SetVisible(false);
  run.End();
  if (result.FailedLines.empty() && result.RefusedLines.empty()) {
    ShowInfo(L"Optimization Completed!");
    return;
  }
  std::wstring text = L"Optimization Completed!";
  if (!result.FailedLines.empty()) {
    text += L"\r\n\r\n" + std::to_wstring(result.FailedLines.size()) + L" of " + std::to_wstring(result.Commands) +
            L" commands failed:";
    for (const std::wstring& line : result.FailedLines) text += L"\r\n" + line;
  }
  if (!result.RefusedLines.empty()) {
    text += L"\r\n\r\nNot run (a preset may only run sc):";
    for (const std::wstring& line : result.RefusedLines) text += L"\r\n" + line;
  }
  MessageBoxShow(Handle(), text, kProgramCaption, MB_OK | MB_ICONWARNING);
}
