// Scrolling controls made at run time, skinned from each of the six bundled skins: a memo
// with both bars fills the corner with the face colour, a left-scroll-bar memo mirrors, the
// scroll-bar control is drawn over its whole window either way round; then creating,
// skinning, dragging and freeing them leaves no objects behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollBar.h"
#include "tests/support/GuiObjectCounts.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/PointerInput.h"
#include "tests/win/ScrollBarOracle.h"
#include "toolkit/Edit.h"
#include "toolkit/Grids.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Timer.h"
#include "toolkit/TreeView.h"

namespace korvale::testing {
namespace {

PixelImage Shot(HWND window, PixelRect rect) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  return CropCapture(CaptureWindow(window, false), rect);
}

// The window bar of a control (SB_HORZ or SB_VERT) as the skin should show it.
::testing::AssertionResult WindowBarMatches(HWND window, const TSkinData& skin, int bar) {
  const ScrollBarRects rects = BarsOf(window);
  const PixelRect rect = bar == SB_HORZ ? rects.horz : rects.vert;
  const bool horizontal = bar == SB_HORZ;
  const int length = horizontal ? rect.Width() : rect.Height();
  const auto thumb = WindowBarThumb(ValuesOf(window, bar), length, GetSystemMetrics(SM_CXHSCROLL), 8,
                                    GetSystemMetrics(SM_CXHTHUMB));
  return MatchesScrollBar(skin, horizontal, horizontal ? rect.Height() : rect.Width(), length, 0, thumb,
                          Shot(window, rect));
}

TMemo* MakeMemo(TForm* form, int left, int top, bool leftScrollBar) {
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  memo->SetBounds(left, top, 110, 80);
  memo->SetWordWrap(false);
  memo->SetScrollBars(TScrollStyle::ssBoth);
  std::vector<std::string> lines;
  for (int i = 0; i < 60; ++i) lines.push_back(std::string(80, 'a' + i % 26));
  memo->SetLines(lines);
  if (leftScrollBar) {
    HWND window = memo->Handle();
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  }
  return memo;
}

TScrollBar* MakeBar(TForm* form, TScrollBarKind kind, int left, int top) {
  auto* bar = new TScrollBar(form);
  bar->SetKind(kind);
  bar->SetParent(form);
  if (kind == TScrollBarKind::sbHorizontal) bar->SetBounds(left, top, 200, 17);
  else bar->SetBounds(left, top, 17, 150);
  bar->SetParams(30, 0, 99);
  bar->SetPageSize(10);
  return bar;
}

class SkinnedScrollControls : public ::testing::TestWithParam<int> {
 public:
  static void SetUpTestSuite() {
    form_ = TForm::Create<TGalleryForm>(&Application());
    both_ = MakeMemo(form_, 728, 176, false);
    left_ = MakeMemo(form_, 840, 176, true);
    horz_ = form_->Find<TScrollBar>("ScrollBar1");
    vert_ = form_->Find<TScrollBar>("ScrollBar2");
    for (int i = 0; i < 20; ++i) form_->Find<TTreeView>("TreeView1")->AddItem("Item " + std::to_string(i));
    form_->Show();
  }
  static void TearDownTestSuite() { delete form_; }

 protected:
  void SetUp() override {
    LoadBundledSkin(skin_, GetParam());
    TControlDispatch(host_, skin_).SkinComponents(*form_);
  }
  void TearDown() override { host_.UnskinAll(); }

  static TGalleryForm* form_;
  static TMemo* both_;
  static TMemo* left_;
  static TScrollBar* horz_;
  static TScrollBar* vert_;
  TSkinData skin_{nullptr};
  TTestSkinnerHost host_;
};

TGalleryForm* SkinnedScrollControls::form_ = nullptr;
TMemo* SkinnedScrollControls::both_ = nullptr;
TMemo* SkinnedScrollControls::left_ = nullptr;
TScrollBar* SkinnedScrollControls::horz_ = nullptr;
TScrollBar* SkinnedScrollControls::vert_ = nullptr;

TEST_P(SkinnedScrollControls, BothBarsAreSkinnedTheCornerIsFaceColouredAndLeftBarsMirror) {
  for (TMemo* memo : {both_, left_}) {
    HWND window = memo->Handle();
    ASSERT_NE(dynamic_cast<TSkinScrollBar*>(host_.SkinnerOf(memo)), nullptr);
    const ScrollBarRects rects = BarsOf(window);
    EXPECT_EQ(rects.vert.left < rects.horz.left, memo == left_) << "the vertical bar's side";
    EXPECT_TRUE(WindowBarMatches(window, skin_, SB_HORZ)) << (memo == left_ ? "left" : "right");
    EXPECT_TRUE(WindowBarMatches(window, skin_, SB_VERT)) << (memo == left_ ? "left" : "right");
    PixelImage face;
    face.Resize(rects.corner.Width(), rects.corner.Height(), PixelOf(skin_.ColorButtonFace));
    EXPECT_TRUE(MatchesOracle(face, Shot(window, rects.corner))) << (memo == left_ ? "left" : "right");
  }
}

TEST_P(SkinnedScrollControls, ScrollBarControlMovesByReflectedCodesAndIsDrawnOverItsWholeWindow) {
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  for (TScrollBar* bar : {horz_, vert_}) {
    ASSERT_NE(dynamic_cast<TSkinScControl*>(host_.SkinnerOf(bar)), nullptr);
    const bool horizontal = bar == horz_;
    bar->SetPosition(horizontal ? 44 : 89);
    // A line down comes to the form and is reflected to the bar, which moves and shows its
    // arrow pressed until the next scroll code.
    SendMessageA(form_->Handle(), horizontal ? WM_HSCROLL : WM_VSCROLL, SB_LINEDOWN,
                 reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(bar->Position(), horizontal ? 45 : 90);
    RECT r{};
    GetWindowRect(bar->Handle(), &r);
    const int length = horizontal ? r.right - r.left : r.bottom - r.top;
    const int thickness = horizontal ? r.bottom - r.top : r.right - r.left;
    const auto thumb = ControlBarThumb(bar->Min(), bar->Max(), bar->PageSize(), bar->Position(), length, b, 8,
                                       GetSystemMetrics(SM_CXHTHUMB));
    const PixelRect whole{0, 0, r.right - r.left, r.bottom - r.top};
    EXPECT_TRUE(MatchesScrollBar(skin_, horizontal, thickness, length, horizontal ? 2 : 4, thumb,
                                 Shot(bar->Handle(), whole)))
        << (horizontal ? "horizontal" : "vertical");
  }
}

TEST_P(SkinnedScrollControls, ListTreeBoxAndGridWearSkinnedBarsAndTheGridItsFixedFace) {
  for (const char* name : {"ListBox1", "TreeView1", "ScrollBox1", "DrawGrid1"}) {
    auto* control = form_->Find<TWinControl>(name);
    ASSERT_NE(dynamic_cast<TSkinScrollBar*>(host_.SkinnerOf(control)), nullptr) << name;
    EXPECT_TRUE(WindowBarMatches(control->Handle(), skin_, SB_VERT)) << name;
  }
  auto* grid = form_->Find<TDrawGrid>("DrawGrid1");
  EXPECT_EQ(grid->FixedColor(), skin_.ColorButtonFace);
  const PixelImage cell = Shot(grid->Handle(), {4, 4, 6, 6});
  EXPECT_EQ(cell.At(1, 1), PixelOf(skin_.ColorButtonFace)) << "the fixed corner cell";
}

INSTANTIATE_TEST_SUITE_P(Bundled, SkinnedScrollControls, ::testing::Range(0, 6));

// A memo and a scroll-bar control made, skinned, dragged by the thumb and freed.
void ScrollBarRound(TSkinData& skin, int drags) {
  TTestSkinnerHost host;
  auto* form = TForm::Create<TForm>(&Application());
  TMemo* memo = MakeMemo(form, 8, 8, false);
  MakeBar(form, TScrollBarKind::sbVertical, 216, 8);
  form->Show();
  TControlDispatch(host, skin).SkinComponents(*form);
  HWND window = memo->Handle();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  const PixelRect bar = BarsOf(window).vert;
  POINT thumb{(bar.left + bar.right) / 2, bar.top + GetSystemMetrics(SM_CXHSCROLL) + 2};
  RECT frame{};
  GetWindowRect(window, &frame);
  const LPARAM at = MAKELPARAM(frame.left + thumb.x, frame.top + thumb.y);
  MessageRecorder recorder(OfWindow(window));
  for (int i = 0; i < drags; ++i) {
    // The release waits in the queue, so the drag loop ends on its first message.
    PostMessageA(window, WM_LBUTTONUP, 0, 0);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTVSCROLL, at);
    PumpFor(std::chrono::milliseconds(0));
  }
  EXPECT_EQ(std::count_if(recorder.Messages().begin(), recorder.Messages().end(),
                          [](const RecordedMessage& m) {
                            return m.message == WM_VSCROLL && m.wParam == SB_ENDSCROLL && m.source == MessageSource::kPosted;
                          }),
            drags);
  host.UnskinAll();
  delete form;
  PumpFor(std::chrono::milliseconds(0));
}

TEST(ScrollBarDrag, RoundsOfSkinningAndDragsLeaveNoObjects) {
  TSkinData skin{nullptr};
  LoadBundledSkin(skin, 1);
  ScrollBarRound(skin, 1);
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 25; ++round) ScrollBarRound(skin, round == 0 ? 100 : 1);
  PumpFor(std::chrono::milliseconds(20));
  EXPECT_EQ(CountGuiObjects(), before);
}

}  // namespace
}  // namespace korvale::testing

namespace korvale::testing {
namespace {

void PressLeft(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

// Does something to a running drag once it runs; lets the button go if the drag has not ended
// long after, so a drag that keeps going fails instead of hanging.
struct DragInterrupter {
  void Tick(TObject*) {
    if (!acted) {
      if (!skinner->Tracking()) return;
      acted = true;
      act();
    } else if (++ticks == 100) {
      released = true;
      PressLeft(false);
    }
  }
  TSkinScrollBar* skinner;
  std::function<void()> act;
  bool acted = false;
  int ticks = 0;
  bool released = false;
};

// A memo skinned on a form of its own, its thumb pressed by the real button while `act`
// interrupts the drag; answers once `ended` holds (or the interrupter let go).
class InterruptedDrag {
 public:
  InterruptedDrag() {
    LoadBundledSkin(skin, 0);
    form = TForm::Create<TForm>(&Application());
    memo = MakeMemo(form, 8, 8, false);
    form->Show();
    TControlDispatch(host, skin).SkinComponents(*form);
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  }
  ~InterruptedDrag() {
    host.UnskinAll();
    delete form;
  }
  // False when the drag went on until the interrupter let the button go.
  bool Run(std::function<void()> act, const std::function<bool()>& ended) {
    const PixelRect bar = BarsOf(memo->Handle()).vert;
    MovePointer(memo->Handle(), {(bar.left + bar.right) / 2, bar.top + GetSystemMetrics(SM_CXHSCROLL) + 2});
    DragInterrupter interrupter{dynamic_cast<TSkinScrollBar*>(host.SkinnerOf(memo)), std::move(act)};
    EXPECT_NE(interrupter.skinner, nullptr);
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.SetOnTimer(TNotifyEvent(&interrupter, &DragInterrupter::Tick));
    timer.SetEnabled(true);
    PressLeft(true);
    EXPECT_TRUE(WaitFor(ended));
    timer.SetEnabled(false);
    if (!interrupter.released) PressLeft(false);
    ReleaseCapture();
    return !interrupter.released;
  }

  TSkinData skin{nullptr};
  TTestSkinnerHost host;
  TForm* form = nullptr;
  TMemo* memo = nullptr;
};

TEST(ScrollBarDrag, EndsWhenAnotherWindowTakesTheCaptureWhileTheButtonIsHeld) {
  InterruptedDrag drag;
  MessageRecorder recorder(OfWindow(drag.memo->Handle()));
  EXPECT_TRUE(drag.Run([&] { SetCapture(drag.form->Handle()); },
                       [&] { return ScrollCodes(recorder, WM_VSCROLL).size() >= 2; }))
      << "the drag went on after losing the capture";
  EXPECT_EQ(ScrollCodes(recorder, WM_VSCROLL), (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}));
}

TEST(ScrollBarDrag, EndsWhenTheSkinGoesDuringTheDrag) {
  InterruptedDrag drag;
  MessageRecorder recorder(OfWindow(drag.memo->Handle()));
  EXPECT_TRUE(drag.Run([&] { drag.host.UnskinAll(); }, [&] { return drag.host.list.empty(); }))
      << "the drag went on after its skinner was freed";
  EXPECT_NE(GetCapture(), drag.memo->Handle());
  EXPECT_EQ(ScrollCodes(recorder, WM_VSCROLL), std::vector<int>{}) << "a freed skinner's drag sends nothing";
}

}  // namespace
}  // namespace korvale::testing
