#include "tools/shredder_page/frmSmashFile.h"

#include <shellapi.h>

#include "base/files.h"
#include "base/message_pump.h"
#include "base/strings.h"
#include "gui/control_canvas.h"
#include "gui/message_box.h"
#include "gui/pagekit/busy_run.h"
#include "gui/pagekit/page_host.h"
#include "skin/skin_data.h"

QS_FORM_IMPL(TfrmSmashFile, TForm, QS_FIELD(Panel1), QS_FIELD(Image3), QS_FIELD(Label6), QS_FIELD(Label7),
             QS_FIELD(Label4), QS_FIELD(Label5), QS_FIELD(lvSmashFile), QS_FIELD(GroupBox1), QS_FIELD(RB_1),
             QS_FIELD(RB_2), QS_FIELD(RB_3), QS_FIELD(Label1), QS_FIELD(Label3), QS_FIELD(Button1), QS_FIELD(Button2),
             QS_FIELD(Button3), QS_FIELD(Image6), QS_FIELD(Image7), QS_FIELD(Label2), QS_FIELD(opendlgSmashFileAdd),
             QS_FIELD(alSmashFile), QS_FIELD(acSmashFileAdd), QS_FIELD(acSmashFileRemove), QS_FIELD(acSmashFileDoIt),
             QS_HANDLER(FormCreate), QS_HANDLER(acSmashFileAddExecute), QS_HANDLER(acSmashFileAddUpdate),
             QS_HANDLER(acSmashFileRemoveExecute), QS_HANDLER(acSmashFileRemoveUpdate),
             QS_HANDLER(acSmashFileDoItExecute), QS_HANDLER(acSmashFileDoItUpdate), QS_HANDLER(Label2Click))

namespace {

// Column 2 of the list: the shredder paints its progress there.
constexpr int kStatusColumn = 2;
constexpr TColor kProgressGreen = 0x008000;

}  // namespace

TfrmSmashFile::TfrmSmashFile(TComponent* owner) : TForm(owner) { LoadForm(); }

TfrmSmashFile::~TfrmSmashFile() {
  // The handler of the page goes with it; what it replaced takes the loop's messages again.
  Application->OnMessage = previousOnMessage_;
}

void TfrmSmashFile::FormCreate(TObject* Sender) {
  lvSmashFile->SetAcceptFiles(true);
  previousOnMessage_ = Application->OnMessage;
  Application->OnMessage = [this](MSG& Msg, bool& Handled) { AppMessage(Msg, Handled); };
}

void TfrmSmashFile::AppMessage(MSG& Msg, bool& Handled) {
  if (Msg.message != WM_DROPFILES || !lvSmashFile->HandleAllocated() || Msg.hwnd != lvSmashFile->Handle()) {
    if (previousOnMessage_) previousOnMessage_(Msg, Handled);
    return;
  }
  auto drop = reinterpret_cast<HDROP>(Msg.wParam);
  // Nothing joins the list while it is being shredded.
  if (!shredding_) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      // Each name is asked for at its own length, so long paths arrive whole.
      const UINT length = DragQueryFileW(drop, i, nullptr, 0);
      std::wstring name(length + 1, L'\0');
      name.resize(DragQueryFileW(drop, i, &name[0], length + 1));
      if (!name.empty()) AddFile(name);
    }
  }
  DragFinish(drop);
  Handled = true;
}

std::wstring TfrmSmashFile::RowPath(int Row) const {
  const TListItem* item = lvSmashFile->Items()->Item(Row);
  return (item->SubItems().empty() ? std::wstring() : item->SubItems()[0]) + item->Caption();
}

bool TfrmSmashFile::IsListed(const std::wstring& Path) const {
  const std::wstring wanted = Trim(Path);
  for (int row = 0; row < lvSmashFile->Items()->Count(); ++row)
    if (SameText(Trim(RowPath(row)), wanted)) return true;
  return false;
}

void TfrmSmashFile::AddFile(const std::wstring& Path) {
  if (IsListed(Path)) return;
  TListItem* item = lvSmashFile->Items()->Add();
  item->SetCaption(ExtractFileName(Path));
  item->SetSubItems({ExtractFilePath(Path), L""});
}

void TfrmSmashFile::acSmashFileAddExecute(TObject* Sender) {
  if (shredding_) return;
  // The system's file dialog keeps its own look: new windows are not skinned while it is open.
  TSkinData* skin = PageHostOf(this).SkinComponent();
  if (skin) skin->EnableSkinning(false);
  const bool chosen = opendlgSmashFileAdd->Execute();
  if (skin) skin->EnableSkinning(true);
  if (!chosen) return;
  for (const std::wstring& file : opendlgSmashFileAdd->Files()) AddFile(file);
}

void TfrmSmashFile::acSmashFileAddUpdate(TObject* Sender) { acSmashFileAdd->SetEnabled(!shredding_); }

void TfrmSmashFile::acSmashFileRemoveExecute(TObject* Sender) {
  if (shredding_) return;
  for (int row = lvSmashFile->Items()->Count() - 1; row >= 0; --row)
    if (lvSmashFile->Items()->Item(row)->Selected()) lvSmashFile->Items()->Delete(row);
}

void TfrmSmashFile::acSmashFileRemoveUpdate(TObject* Sender) {
  acSmashFileRemove->SetEnabled(!shredding_ && lvSmashFile->Items()->Count() > 0);
}

void TfrmSmashFile::acSmashFileDoItUpdate(TObject* Sender) {
  acSmashFileDoIt->SetEnabled(!shredding_ && lvSmashFile->Items()->Count() > 0);
}

void TfrmSmashFile::UpdateActions() {
  acSmashFileAdd->Update();
  acSmashFileRemove->Update();
  acSmashFileDoIt->Update();
}

TSFOption TfrmSmashFile::CheckedOption() const {
  if (RB_3->Checked()) return ShredLevelOption(3);
  if (RB_2->Checked()) return ShredLevelOption(2);
  return ShredLevelOption(1);
}

void TfrmSmashFile::PaintStatus(int Row, int Pass, int Passes, int Percent) {
  const TRect r = lvSmashFile->SubItemRect(Row, kStatusColumn, TDisplayCode::drLabel);
  if (r.right - r.left < 4) return;
  TControlCanvas canvas(lvSmashFile);
  canvas.Pen().Color = kProgressGreen;
  canvas.Brush().Color = clWhite;
  canvas.Rectangle(Rect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1));
  const int width = r.right - r.left - 2;
  const int bar = width * Percent / 100;
  if (bar > 1) {
    canvas.Brush().Color = kProgressGreen;
    canvas.Rectangle(Rect(r.left + 1, r.top + 1, r.left + 1 + bar, r.bottom - 1));
  }
  TRect text = Rect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
  canvas.DrawText(ShredStatusText(Pass, Passes, Percent), text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
}

void TfrmSmashFile::acSmashFileDoItExecute(TObject* Sender) {
  if (shredding_ || lvSmashFile->Items()->Count() == 0) return;
  if (MessageBoxShow(Handle(),
                     L"You are about to erase all item(s) on the list.You won't be able to recover these file(s)\r"
                     L"using by undelete tools you may have.Are you sure to continue?",
                     kProgramCaption, MB_YESNO | MB_ICONWARNING) != IDYES)
    return;

  shredding_ = true;
  UpdateActions();
  TBusyRun run(this);
  TComponentRef<TfrmSmashFile> self(this);
  const TSFOption option = CheckedOption();
  std::vector<std::wstring> failed;
  for (int row = lvSmashFile->Items()->Count() - 1; row >= 0; --row) {
    const std::wstring path = RowPath(row);
    TShredEvents events;
    events.OnProgress = [&self, row](int pass, int passes, int percent) {
      self->PaintStatus(row, pass, passes, percent);
      PumpMessages();
      return static_cast<bool>(self);
    };
    const TShredResult result = ShredFile(path, option, events);
    if (!self) return;
    // A file that is gone, shredded now or before, leaves the list; the others stay and are named.
    if (result == TShredResult::Shredded || result == TShredResult::Missing)
      lvSmashFile->Items()->Delete(row);
    else
      failed.push_back(path + L"  (" + ShredFailureText(result) + L")");
  }
  shredding_ = false;
  UpdateActions();
  run.End();

  if (failed.empty()) {
    ShowInfo(L"Erase Completed!");
    return;
  }
  std::wstring text = L"Erase Completed!\r\n\r\n" + IntToStr(failed.size()) + L" file(s) could not be shredded:";
  for (const std::wstring& line : failed) text += L"\r\n" + line;
  MessageBoxShow(Handle(), text, kProgramCaption, MB_OK | MB_ICONWARNING);
}

void TfrmSmashFile::Label2Click(TObject* Sender) {
  delete options_;
  options_ = new TfrmSmashFileOption(this);
  // The dialog stays made until the next opening or the page's end: the page owns it.
  options_->ShowModal();
}
