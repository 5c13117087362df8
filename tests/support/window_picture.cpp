#include "window_picture.h"

#include <gdiplus.h>

#include <cwchar>
#include <vector>

namespace {

bool PngEncoder(CLSID& clsid) {
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (wcscmp(codecs[i].MimeType, L"image/png") == 0) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

bool SaveWindowPicture(HWND wnd, const std::wstring& file) {
  RECT r;
  GetWindowRect(wnd, &r);
  return SaveScreenPicture(r, file);
}

bool SaveScreenPicture(const RECT& r, const std::wstring& file) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);

  bool saved = false;
  {
    Gdiplus::Bitmap picture(bmp, nullptr);
    CLSID png;
    saved = PngEncoder(png) && picture.Save(file.c_str(), &png, nullptr) == Gdiplus::Ok;
  }
  DeleteObject(bmp);
  return saved;
}
