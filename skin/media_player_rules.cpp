#include "skin/media_player_rules.h"

#include "base/strings.h"

namespace {

const wchar_t* const kMembers[kMediaButtons] = {L"btPlay", L"btPause", L"btStop",   L"btNext", L"btPrev",
                                                L"btStep", L"btBack",  L"btRecord", L"btEject"};
const char* const kResources[kMediaButtons] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                               "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};

}  // namespace

const wchar_t* MediaButtonMember(int button) { return button >= 0 && button < kMediaButtons ? kMembers[button] : L""; }

const char* MediaButtonResource(int button) { return button >= 0 && button < kMediaButtons ? kResources[button] : ""; }

TMediaButtonSet MediaButtonsIn(const std::wstring& setText) {
  const std::wstring text = LowerCase(setText);
  TMediaButtonSet found{};
  for (int i = 0; i < kMediaButtons; ++i) found[i] = text.find(LowerCase(kMembers[i])) != std::wstring::npos;
  return found;
}

int CountMediaButtons(const TMediaButtonSet& buttons) {
  int count = 0;
  for (bool b : buttons) count += b ? 1 : 0;
  return count;
}

int MediaButtonAt(int x, const TMediaButtonSet& visible, int buttonWidth) {
  int start = 0;
  for (int i = 0; i < kMediaButtons; ++i) {
    if (!visible[i]) continue;
    if (start <= x && x <= start + buttonWidth) return i;
    start += buttonWidth;
  }
  return kNoMediaButton;
}

int MediaButtonFace(bool pressed, bool isPressedButton, bool enabled) {
  if (pressed && isPressedButton) return 2;
  if (!enabled) return 3;
  return 1;
}

int MediaButtonPicture(bool enabled, bool coloured) {
  if (!enabled) return 1;
  return coloured ? 2 : 0;
}

TMediaRelease MediaReleaseOf(bool pressOutstanding, int hitButton, int downButton) {
  if (!pressOutstanding) return TMediaRelease::None;
  return hitButton == downButton ? TMediaRelease::AtPosition : TMediaRelease::Outside;
}
