// GDI and USER objects come back after forms, controls and pictures are made and freed.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/WinTestSupport.h"
#include "tests/win/ToolkitTestForm.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Timer.h"

namespace korvale::testing {
namespace {

void OneRound(bool paint) {
  std::unique_ptr<TToolkitTestForm> form(
      TForm::Create<TToolkitTestForm>(static_cast<TComponent*>(nullptr)));
  form->Show();
  form->log->SetText("line");
  form->Font().SetStyle(fsBold);  // a font change reaches every child window
  form->pages->SetActivePageIndex(2);
  form->slider->SetPosition(7000);
  auto* timer = new TTimer(form.get());
  struct Tick {
    void On(TObject*) {}
  } tick;
  timer->SetOnTimer(TNotifyEvent(&tick, &Tick::On));
  timer->SetInterval(10);
  if (paint) {
    form->Repaint();
    form->log->SetDoubleBuffered(true);
    form->log->Repaint();
  }
  AppPump(paint ? 30 : 5);
}

TEST(ToolkitLeaks, FormsCreatedAndFreedManyTimesGiveBackEveryObject) {
  OneRound(true);  // the first round registers the classes and fills the system caches
  AppPump(50);
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 25; ++round) OneRound(round % 5 == 0);
  AppPump(100);
  const GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}

TEST(ToolkitLeaks, BitmapsCanvasesAndToolsGiveBackEveryObject) {
  const auto bytes = MakeBmp(20, 10, 0x102030, 0xFF00FF);
  {
    TBitmap warm;
    (void)warm.LoadFromBytes(bytes.data(), bytes.size());
    warm.Canvas().TextOut(0, 0, "x");
  }
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 50; ++round) {
    TBitmap a;
    ASSERT_EQ(a.LoadFromBytes(bytes.data(), bytes.size()), "");
    TBitmap b;
    b.SetSize(40, 40);
    b.Canvas().Brush().SetColor(clBtnFace);
    b.Canvas().FillRect(RECT{0, 0, 40, 40});
    b.Canvas().Font().SetSize(10 + round % 3);
    b.Canvas().TextOut(1, 1, "leak?");
    b.Canvas().Pen().SetColor(clRed);
    b.Canvas().LineTo(30, 30);
    a.SetTransparent(true);
    b.Canvas().Draw(2, 2, a);
    b.Canvas().StretchDraw(RECT{0, 0, 40, 20}, a);
    TBitmap c;
    c.Assign(b);
    c.SetPixelFormat(32);
    c.SetSize(10, 10);
  }
  EXPECT_EQ(CountGuiObjects().gdi, before.gdi);
}

}  // namespace
}  // namespace korvale::testing
