// Colours, bitmaps on DIB sections, canvases over foreign DCs, transparent and stretched
// drawing, and the timer.
#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/WinTestSupport.h"
#include "tests/win/ToolkitTestForm.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/Timer.h"

namespace korvale::testing {
namespace {

std::uint32_t PixelOf(TBitmap& bitmap, int x, int y) {
  return bitmap.ToImage().At(x, y);
}

TEST(ToolkitGraphics, ColoursResolveSystemReferences) {
  EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
  EXPECT_EQ(clBtnFace, static_cast<TColor>(0x80000000u | COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
}

TEST(ToolkitGraphics, BitmapLoadsBmpBytesIntoADibSectionAndRejectsBadBytes) {
  const auto bytes = MakeBmp(6, 4, 0x00AA5511, 0x00FF00FF);
  TBitmap bitmap;
  ASSERT_EQ(bitmap.LoadFromBytes(bytes.data(), bytes.size()), "");
  EXPECT_EQ(bitmap.Width(), 6);
  EXPECT_EQ(bitmap.Height(), 4);
  EXPECT_EQ(bitmap.PixelFormat(), 24);
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectA(bitmap.Handle(), sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
  EXPECT_EQ(PixelOf(bitmap, 2, 2), 0x00AA5511u);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), 0x00FF00FFu);
  EXPECT_EQ(GetPixel(bitmap.MemoryDC(), 2, 1), RGB(0xAA, 0x55, 0x11));

  auto truncated = bytes;
  truncated.resize(60);
  EXPECT_NE(bitmap.LoadFromBytes(truncated.data(), truncated.size()), "");
  EXPECT_TRUE(bitmap.Empty());
  const std::uint8_t junk[] = {'B', 'M', 1, 2, 3};
  EXPECT_NE(bitmap.LoadFromBytes(junk, sizeof junk), "");
  EXPECT_NE(bitmap.LoadFromFile("Z:\\no\\such\\file.bmp"), "");
  EXPECT_TRUE(bitmap.Empty());
}

TEST(ToolkitGraphics, AssignCopiesPixelsAndTransparentDrawingLeavesTheKeyOut) {
  const auto bytes = MakeBmp(6, 4, 0x00336699, 0x00FF00FF);
  TBitmap source;
  ASSERT_EQ(source.LoadFromBytes(bytes.data(), bytes.size()), "");
  TBitmap copy;
  copy.Assign(source);
  EXPECT_EQ(PixelOf(copy, 3, 2), 0x00336699u);
  EXPECT_NE(copy.Handle(), source.Handle());

  TBitmap target;
  target.SetPixelFormat(32);
  target.SetSize(12, 8);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect(RECT{0, 0, 12, 8});
  source.SetTransparent(true);  // key: the bottom-left pixel, magenta
  target.Canvas().Draw(0, 0, source);
  EXPECT_EQ(PixelOf(target, 0, 0), 0x00FFFFFFu);
  EXPECT_EQ(PixelOf(target, 2, 2), 0x00336699u);
  EXPECT_EQ(PixelOf(target, 7, 2), 0x00FFFFFFu);

  source.SetTransparent(false);
  target.Canvas().StretchDraw(RECT{0, 0, 12, 8}, source);
  EXPECT_EQ(PixelOf(target, 0, 0), 0x00FF00FFu);
  EXPECT_EQ(PixelOf(target, 6, 4), 0x00336699u);
  EXPECT_EQ(PixelOf(target, 11, 7), 0x00FF00FFu);
}

TEST(ToolkitGraphics, CanvasAttachesToAForeignDcAndPutsItsObjectsBack) {
  UniqueDC dc(CreateCompatibleDC(nullptr));
  UniqueBitmap bitmap(CreateCompatibleBitmap(ClientDC(nullptr).get(), 10, 10));
  SelectGuard select(dc.get(), bitmap.get());
  HGDIOBJ ownBrush = GetCurrentObject(dc.get(), OBJ_BRUSH);
  HGDIOBJ ownFont = GetCurrentObject(dc.get(), OBJ_FONT);
  {
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(RECT{0, 0, 10, 10});
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), canvas.Brush().Handle());
    // A changed tool must not stay selected as a freed object.
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(RECT{5, 5, 10, 10});
    EXPECT_EQ(GetPixel(dc.get(), 1, 9), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc.get(), 8, 8), RGB(255, 0, 0));
    canvas.TextOut(0, 0, "a");
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), canvas.Font().Handle());
    canvas.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), ownBrush);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), ownFont);
  }
  TBrush clear;
  clear.SetStyle(TBrushStyle::bsClear);
  EXPECT_EQ(clear.Handle(), GetStockObject(HOLLOW_BRUSH));
}

TEST(ToolkitGraphics, OwningHandlesFreeOnceAndReleaseGivesAway) {
  DeleteObject(CreateSolidBrush(RGB(1, 1, 1)));
  const DWORD before = CountGuiObjects().gdi;
  HBRUSH given = nullptr;
  {
    UniqueBrush a(CreateSolidBrush(RGB(1, 2, 3)));
    UniqueBrush b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    UniqueBrush c(CreateSolidBrush(RGB(4, 5, 6)));
    given = c.release();
    EXPECT_EQ(CountGuiObjects().gdi, before + 2);
  }
  EXPECT_EQ(CountGuiObjects().gdi, before + 1);
  DeleteObject(given);
  EXPECT_EQ(CountGuiObjects().gdi, before);
}

TEST(ToolkitGraphics, TimerFiresWhileEnabledAndRestartsOnANewInterval) {
  struct Ticks {
    int count = 0;
    std::chrono::steady_clock::time_point last;
    void On(TObject*) {
      ++count;
      last = std::chrono::steady_clock::now();
    }
  } ticks;
  TTimer timer(nullptr);
  EXPECT_FALSE(timer.Running());  // no handler yet
  timer.SetInterval(20);
  timer.SetOnTimer(TNotifyEvent(&ticks, &Ticks::On));
  EXPECT_TRUE(timer.Running());
  EXPECT_TRUE(AppWaitFor([&] { return ticks.count >= 3; }));
  timer.SetEnabled(false);
  const int stopped = ticks.count;
  AppPump(80);
  EXPECT_EQ(ticks.count, stopped);

  // A new interval on a running timer starts its countdown again: with 300 ms set just
  // after a restart, nothing arrives within the first 150 ms.
  timer.SetEnabled(true);
  timer.SetInterval(400);
  AppPump(250);
  timer.SetInterval(300);
  const auto restarted = std::chrono::steady_clock::now();
  const int atRestart = ticks.count;
  AppPump(150);
  EXPECT_EQ(ticks.count, atRestart);
  EXPECT_TRUE(AppWaitFor([&] { return ticks.count > atRestart; }, std::chrono::seconds(3)));
  EXPECT_GE(ticks.last - restarted, std::chrono::milliseconds(200));
}

}  // namespace
}  // namespace korvale::testing
