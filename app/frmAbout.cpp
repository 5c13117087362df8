#include "app/frmAbout.h"

#include "base/shell_open.h"
#include "app/vendor_links.h"

QS_FORM_IMPL(TfrmAbout, TForm, QS_FIELD(btnClose), QS_HANDLER(btnCloseClick), QS_HANDLER(Label5Click),
             QS_HANDLER(Label6Click))

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) { LoadForm(); }

void TfrmAbout::btnCloseClick(TObject* Sender) { Close(); }

void TfrmAbout::Label5Click(TObject* Sender) { ShellOpenUrl(kVendorWebSite, SW_SHOW); }

void TfrmAbout::Label6Click(TObject* Sender) { ShellOpenUrl(std::wstring(L"mailto:") + kSupportMailAddress, SW_SHOWNORMAL); }
