#include "gui/pagekit/last_run_panel.h"

#include "base/strings.h"

void TLastRunPanel::Show(TDateTime when) const {
  if (!IsNeverRun(when)) {
    When->SetCaption(FormatDateTime(kLastRunLongFormat, when));
    Ago->SetCaption(AgoText(when));
  } else {
    When->SetCaption(L"");
    Ago->SetCaption(NeverText);
  }
}

void TLastRunPanel::Show(TDateTime when, long long found, long long cleaned) const {
  Show(when);
  if (Found) Found->SetCaption(IntToStr(found));
  if (Cleaned) Cleaned->SetCaption(IntToStr(cleaned));
}
