#include "skin/list_thumb_track.h"

#include "skin/entry_rules.h"
#include "skin/skin_data.h"

namespace {

// Each wait ends after this long, so the state of the list and the mouse is looked at again
// even when no message comes.
constexpr DWORD kWaitSliceMs = 50;

bool ButtonDown() {
  const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  return (GetAsyncKeyState(button) & 0x8000) != 0;
}

bool IsButtonUp(UINT message) { return message == WM_LBUTTONUP || message == WM_NCLBUTTONUP; }

bool IsListBox(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return _wcsicmp(name, L"ComboLBox") == 0 || _wcsicmp(name, L"ListBox") == 0;
}

void Scroll(HWND list, int request, int position, bool post) {
  const WPARAM wParam = MAKEWPARAM(request, static_cast<WORD>(position));
  if (post) {
    PostMessageW(list, WM_VSCROLL, wParam, 0);
    return;
  }
  SendMessageW(list, WM_VSCROLL, wParam, 0);
  // Some list boxes take a thumb position only from their own bar's tracking (Wine's read the
  // bar's track position, not the message): the top item is set outright as well.
  if ((request == SB_THUMBTRACK || request == SB_THUMBPOSITION) && IsListBox(list))
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(position), 0);
}

}  // namespace

bool TrackListThumb(HWND list, WPARAM hitCode, POINT screen) {
  if (hitCode != HTVSCROLL) return false;
  SCROLLBARINFO bar{};
  if (!GetScrollBarInfoSafe(list, OBJID_VSCROLL, &bar)) return false;
  const int along = screen.y - bar.rcScrollBar.top;
  if (along < bar.xyThumbTop || along >= bar.xyThumbBottom) return false;

  SetCapture(list);
  POINT start{};
  GetCursorPos(&start);
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
  GetScrollInfo(list, SB_VERT, &info);
  // The arrow as the bar reports it.
  const int arrow = bar.dxyLineButton > 0 ? bar.dxyLineButton : GetSystemMetrics(SM_CYVSCROLL);
  TThumbTrack track;
  track.Min = info.nMin;
  track.Max = info.nMax;
  track.Page = static_cast<int>(info.nPage);
  track.TrackLength = (bar.rcScrollBar.bottom - bar.rcScrollBar.top) - 2 * arrow;
  track.ThumbLength = bar.xyThumbBottom - bar.xyThumbTop;
  track.StartOffset = bar.xyThumbTop - arrow;
  int last = info.nPos, position = info.nPos;

  for (;;) {
    MSG msg{};
    const bool got = PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE;
    if (got && msg.message != WM_QUIT && !IsButtonUp(msg.message)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    TThumbTrackState state;
    state.ListAlive = IsWindow(list) != FALSE;
    state.ListHasCapture = GetCapture() == list;
    state.ButtonDown = ButtonDown();
    state.Message = got ? msg.message : 0;
    const TThumbTrackStep step = ThumbTrackStep(state);
    if (step == TThumbTrackStep::Wait) {
      MsgWaitForMultipleObjectsEx(0, nullptr, kWaitSliceMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      continue;
    }
    if (step == TThumbTrackStep::Dispatch) continue;
    if (step == TThumbTrackStep::Track) {
      POINT cursor{};
      GetCursorPos(&cursor);
      position = ThumbTrackPosition(track, cursor.y - start.y);
      if (position != last) {
        Scroll(list, SB_THUMBTRACK, position, false);
        last = position;
      }
      continue;
    }
    if (step == TThumbTrackStep::Gone) return true;
    Scroll(list, SB_THUMBPOSITION, position, false);
    Scroll(list, SB_ENDSCROLL, 0, true);
    if (GetCapture() == list) ReleaseCapture();
    if (step == TThumbTrackStep::Quit) PostQuitMessage(static_cast<int>(msg.wParam));
    return true;
  }
}
