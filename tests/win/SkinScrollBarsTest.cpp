// The main window's log memo with its bars skinned from each of the six bundled skins: the
// bar against the same bar composed in software as lines arrive, a real drag of the thumb
// with the program's timers running, arrow and track clicks, the native bar back when the
// skin goes, and no objects left behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "skin/controls/SkinScrollBar.h"
#include "tests/support/GuiObjectCounts.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/PixelOracle.h"
#include "tests/support/PointerInput.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/skin/SkinActionWait.h"
#include "tests/win/ScrollBarOracle.h"
#include "toolkit/Edit.h"
#include "toolkit/Timer.h"

namespace korvale::testing {
namespace {

// The vertical bar of a window as the skin should show it now, and as it does.
::testing::AssertionResult VertBarMatches(HWND window, const TSkinData& skin, int pressedPart = 0) {
  const PixelRect bar = BarsOf(window).vert;
  const auto thumb = WindowBarThumb(ValuesOf(window, SB_VERT), bar.Height(), GetSystemMetrics(SM_CXHSCROLL), 8,
                                    GetSystemMetrics(SM_CXHTHUMB));
  return MatchesScrollBar(skin, false, bar.Width(), bar.Height(), pressedPart, thumb,
                          CropCapture(CaptureWindow(window, false), bar));
}

int FirstLine(HWND memo) { return static_cast<int>(SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0)); }

// One main window for the suite; each skin skins its log memo and takes the skin off again.
class SkinnedLogBar : public ::testing::TestWithParam<int> {
 public:
  static void SetUpTestSuite() {
    folder_ = new ProgramFolder("korvale-scroll");
    folder_->WriteSettings({19711, 19712, 19713}, "");
    folder_->AddServers();
    folder_->AddLamps();
    form_ = TForm::Create<TForm1>(static_cast<TComponent*>(nullptr), folder_->Path());
    Application().SetMainForm(form_);
    form_->Show();
    form_->SkinData1->SetActive(false);
    (void)WaitForSkinAction();
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("[08.12.2026 13:00:00]Status: line " + std::to_string(i));
    form_->log->SetLines(lines);
  }
  static void TearDownTestSuite() {
    Application().SetMainForm(nullptr);
    form_->Close();
    delete form_;
    delete folder_;
  }

 protected:
  void SetUp() override {
    ASSERT_FALSE(form_->StartUpFailed());
    LoadBundledSkin(skin_, GetParam());
    memo_ = form_->log->Handle();
    SendMessageA(memo_, WM_VSCROLL, SB_TOP, 0);
    native_ = CaptureWindow(memo_, false);
    TControlDispatch(host_, skin_).SkinComponent(*form_->log, *form_);
    skinner_ = dynamic_cast<TSkinScrollBar*>(host_.SkinnerOf(form_->log));
    ASSERT_NE(skinner_, nullptr);
    RedrawWindow(memo_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  }
  void TearDown() override { host_.UnskinAll(); }

  // The point (memo window coordinates) at `along` pixels down the vertical bar's middle.
  POINT OnBar(int along) const {
    const PixelRect bar = BarsOf(memo_).vert;
    return {(bar.left + bar.right) / 2, bar.top + along};
  }

  static ProgramFolder* folder_;
  static TForm1* form_;
  TSkinData skin_{nullptr};
  TTestSkinnerHost host_;
  TSkinScrollBar* skinner_ = nullptr;
  HWND memo_ = nullptr;
  PixelBuffer native_;
};

ProgramFolder* SkinnedLogBar::folder_ = nullptr;
TForm1* SkinnedLogBar::form_ = nullptr;

// A status line in front of the log on every tick, the bar checked at once, with no chance
// for a later paint to mend what the memo's own update drew.
struct LineTicker {
  void Tick(TObject*) {
    memo->ReplaceRange(0, 0, "[08.12.2026 13:00:01]Status: tick " + std::to_string(ticks) + "\r\n");
    ++ticks;
    const auto values = ValuesOf(memo->Handle(), SB_VERT);
    if (values == last) unmoved++;
    last = values;
    matched += static_cast<bool>(VertBarMatches(memo->Handle(), *skin));
    // A tick slower than the interval would keep the queue from ever running dry.
    if (ticks == 5) timer->SetEnabled(false);
  }
  TTimer* timer = nullptr;
  TMemo* memo = nullptr;
  const TSkinData* skin = nullptr;
  ScrollValues last;
  int ticks = 0, matched = 0, unmoved = 0;
};

TEST_P(SkinnedLogBar, DrawsTheBarFromTheSkinAndKeepsItAsLinesArrive) {
  EXPECT_TRUE(VertBarMatches(memo_, skin_)) << "at the top";
  SendMessageA(memo_, EM_LINESCROLL, 0, 40);
  EXPECT_TRUE(VertBarMatches(memo_, skin_)) << "scrolled to line 40";
  LineTicker ticker;
  ticker.memo = form_->log;
  ticker.skin = &skin_;
  ticker.last = ValuesOf(memo_, SB_VERT);
  TTimer timer(nullptr);
  ticker.timer = &timer;
  timer.SetInterval(10);
  timer.SetOnTimer(TNotifyEvent(&ticker, &LineTicker::Tick));
  timer.SetEnabled(true);
  EXPECT_TRUE(WaitFor([&] { return ticker.ticks >= 5; }));
  EXPECT_EQ(ticker.matched, ticker.ticks) << "the skinned bar after every line";
  EXPECT_EQ(ticker.unmoved, 0) << "each line moves the thumb";
}

TEST_P(SkinnedLogBar, ThumbFollowsARealDragWhileTheProgramsTimersRun) {
  const ScrollValues values = ValuesOf(memo_, SB_VERT);
  const PixelRect bar = BarsOf(memo_).vert;
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  const ThumbMetrics thumb =
      *WindowBarThumb(values, bar.Height(), b, 8, GetSystemMetrics(SM_CXHTHUMB));
  const int moved = 30;
  const int expected = DragThumb(values, {b, thumb.trackLength, thumb.thumbSize, 0, 0}, 0, moved).position;

  struct TrackingTicks {
    void Tick(TObject*) { ticks += skinner->Tracking(); }
    TSkinScrollBar* skinner;
    int ticks = 0;
  } tracking{skinner_};
  TTimer timer(nullptr);
  timer.SetInterval(5);
  timer.SetOnTimer(TNotifyEvent(&tracking, &TrackingTicks::Tick));
  timer.SetEnabled(true);
  MessageRecorder recorder(OfWindow(memo_));
  const POINT from = OnBar(b + thumb.thumbSize / 2);
  Drag(memo_, from, {from.x, from.y + moved});
  ASSERT_TRUE(WaitFor([&] { return ScrollCodes(recorder, WM_VSCROLL).size() >= 3; }));
  timer.SetEnabled(false);
  EXPECT_EQ(ScrollCodes(recorder, WM_VSCROLL), (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_EQ(FirstLine(memo_), expected);
  EXPECT_GT(tracking.ticks, 0) << "timers fire during the drag";
  EXPECT_FALSE(skinner_->Tracking());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(WaitFor([&] { return VertBarMatches(memo_, skin_); })) << "the thumb where the memo now stands";
}

TEST_P(SkinnedLogBar, ArrowClicksStepOneLineAndTrackClicksPage) {
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  const PixelRect bar = BarsOf(memo_).vert;
  MessageRecorder recorder(OfWindow(memo_));
  Click(memo_, OnBar(bar.Height() - b / 2));
  ASSERT_TRUE(WaitFor([&] { return ScrollCodes(recorder, WM_VSCROLL).size() >= 2; }));
  EXPECT_EQ(ScrollCodes(recorder, WM_VSCROLL), (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL}));
  EXPECT_EQ(FirstLine(memo_), 1);
  EXPECT_EQ(skinner_->PressedPart(), 0);
  EXPECT_TRUE(WaitFor([&] { return VertBarMatches(memo_, skin_); })) << "the arrow let go";

  recorder.Clear();
  const ScrollValues values = ValuesOf(memo_, SB_VERT);
  Click(memo_, OnBar(bar.Height() - b - 3));
  ASSERT_TRUE(WaitFor([&] { return ScrollCodes(recorder, WM_VSCROLL).size() >= 2; }));
  EXPECT_EQ(ScrollCodes(recorder, WM_VSCROLL), (std::vector<int>{SB_PAGEDOWN, SB_ENDSCROLL}));
  EXPECT_EQ(FirstLine(memo_), 1 + values.nPage);
}

TEST_P(SkinnedLogBar, TheNativeBarComesBackWithoutTheSkin) {
  // Only the bar: the caret blinks in the client area.
  const PixelRect bar = BarsOf(memo_).vert;
  const PixelImage native = CropCapture(native_, bar);
  ASSERT_FALSE(MatchesOracle(native, CropCapture(CaptureWindow(memo_, false), bar)));
  host_.UnskinAll();
  EXPECT_TRUE(WaitFor([&] { return MatchesOracle(native, CropCapture(CaptureWindow(memo_, false), bar)); }));
}

INSTANTIATE_TEST_SUITE_P(Bundled, SkinnedLogBar, ::testing::Range(0, 6));

}  // namespace
}  // namespace korvale::testing
