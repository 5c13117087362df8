#include "mdi_frame_window.h"

namespace {

constexpr UINT kFirstChild = 5000;
constexpr UINT kCascade = 201, kTile = 202;

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r;
    GetClientRect(window, &r);
    InflateRect(&r, -8, -8);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, L"A document window of the MDI frame.", -1, &r, DT_WORDBREAK);
    EndPaint(window, &ps);
    return 0;
  }
  return DefMDIChildProcW(window, msg, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TMdiGalleryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (msg) {
    case WM_NCCREATE:
      self = static_cast<TMdiGalleryWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      break;
    case WM_CREATE: {
      HMENU bar = GetMenu(window);
      CLIENTCREATESTRUCT ccs{GetSubMenu(bar, GetMenuItemCount(bar) - 1), kFirstChild};
      self->Client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                     WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                     window, nullptr, GetModuleHandleW(nullptr), &ccs);
      break;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kCascade) SendMessageW(self->Client, WM_MDICASCADE, 0, 0);
      if (LOWORD(wParam) == kTile) SendMessageW(self->Client, WM_MDITILE, MDITILE_VERTICAL, 0);
      break;
    default:
      break;
  }
  return DefFrameProcW(window, self ? self->Client : nullptr, msg, wParam, lParam);
}

}  // namespace

TMdiGalleryWindow CreateMdiGalleryWindow(int x, int y) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = &FrameProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"QsGalleryMdiFrame";
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  RegisterClassW(&wc);
  wc.lpfnWndProc = &ChildProc;
  wc.style = CS_HREDRAW | CS_VREDRAW;  // the wrapped text is laid out anew at every size
  wc.lpszClassName = L"QsGalleryMdiChild";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);

  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 101, L"&New");
  AppendMenuW(file, MF_STRING, 102, L"&Close");
  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, 103, L"&Copy");
  HMENU windows = CreatePopupMenu();
  AppendMenuW(windows, MF_STRING, kCascade, L"&Cascade");
  AppendMenuW(windows, MF_STRING, kTile, L"&Tile");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windows), L"&Window");

  static TMdiGalleryWindow window;
  window.Frame = CreateWindowExW(0, L"QsGalleryMdiFrame", L"MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y,
                                 500, 380, nullptr, bar, instance, &window);
  const wchar_t* titles[] = {L"Report", L"Notes", L"Log"};
  for (int i = 0; i < 3; ++i) {
    MDICREATESTRUCTW mcs{L"QsGalleryMdiChild", titles[i], instance, CW_USEDEFAULT, CW_USEDEFAULT, 220, 150,
                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0};
    window.Children[i] =
        reinterpret_cast<HWND>(SendMessageW(window.Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }
  ShowWindow(window.Frame, SW_SHOW);
  return window;
}
