// Proves the Windows test set-up itself: windows, the message loop and GDI accounting.
#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace korvale::testing {
namespace {

constexpr UINT kPing = WM_APP + 7;

LRESULT CALLBACK RecordingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kPing) {
    *reinterpret_cast<WPARAM*>(GetWindowLongPtrA(window, GWLP_USERDATA)) = wParam;
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

TEST(Harness, PostedMessageArrivesThroughTheLoopAndGdiObjectsReturn) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "KorvaleHarnessProbe";
  ASSERT_TRUE(RegisterClassA(&wc));

  auto round = [&](int n) {
    HWND window = CreateWindowExA(0, wc.lpszClassName, "probe", WS_OVERLAPPEDWINDOW, 10, 10,
                                  200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    WPARAM received = 0;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&received));
    ShowWindow(window, SW_SHOW);
    ASSERT_TRUE(PostMessageA(window, kPing, 4242 + n, 0));
    EXPECT_TRUE(WaitFor([&] { return received == static_cast<WPARAM>(4242 + n); }));

    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    RECT r{0, 0, 50, 50};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    PumpFor(std::chrono::milliseconds(20));
  };
  // The first window of a process makes objects the system keeps for later ones.
  round(0);
  const GuiObjectCounts before = CountGuiObjects();
  for (int n = 1; n <= 20; ++n) round(n);
  PumpFor(std::chrono::milliseconds(50));
  EXPECT_EQ(CountGuiObjects().gdi, before.gdi);
  UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

TEST(Harness, CaptureReadsWhatWasPainted) {
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 40, 40, 64,
                                32, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  PumpFor(std::chrono::milliseconds(100));
  HDC dc = GetDC(window);
  HBRUSH brush = CreateSolidBrush(RGB(200, 30, 60));
  RECT r{0, 0, 64, 32};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
  const PixelBuffer shot = CaptureWindow(window);
  ASSERT_EQ(shot.width, 64);
  ASSERT_EQ(shot.height, 32);
  EXPECT_EQ(shot.At(10, 10), 0xC81E3Cu);
  DestroyWindow(window);
}

}  // namespace
}  // namespace korvale::testing
