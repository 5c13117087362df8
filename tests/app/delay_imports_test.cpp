// Delay-loaded DLLs (cmake/QsDelayImports.cmake, as the program links them): the loader does
// not map them at start; the first call loads the DLL and works as a plain import would.
#include <windows.h>
#include <gdiplus.h>
#include <winsock2.h>
#include <wininet.h>

#include <gtest/gtest.h>

TEST(DelayImports, ADllLoadsOnItsFirstCallAndTheCallWorks) {
  // Nothing of the test itself touches these three before the calls below.
  EXPECT_EQ(GetModuleHandleW(L"gdiplus.dll"), nullptr);
  EXPECT_EQ(GetModuleHandleW(L"ws2_32.dll"), nullptr);
  EXPECT_EQ(GetModuleHandleW(L"wininet.dll"), nullptr);

  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  EXPECT_NE(GetModuleHandleW(L"gdiplus.dll"), nullptr);
  Gdiplus::GpBitmap* bitmap = nullptr;
  ASSERT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromScan0(3, 2, 0, PixelFormat32bppARGB, nullptr, &bitmap),
            Gdiplus::Ok);
  UINT width = 0;
  Gdiplus::DllExports::GdipGetImageWidth(bitmap, &width);
  EXPECT_EQ(width, 3u);
  Gdiplus::DllExports::GdipDisposeImage(bitmap);
  Gdiplus::GdiplusShutdown(token);

  WSADATA data;
  ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
  EXPECT_NE(GetModuleHandleW(L"ws2_32.dll"), nullptr);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  EXPECT_NE(s, INVALID_SOCKET);
  closesocket(s);
  WSACleanup();

  // A call that fails still comes from the DLL: its error, not a loader fault.
  EXPECT_FALSE(InternetSetOptionW(nullptr, 0xFFFF, nullptr, 0));
  EXPECT_NE(GetModuleHandleW(L"wininet.dll"), nullptr);
}
