// The main window's fields under each of the six bundled skins, skinned by the window's own
// form skinner: the spin edit's up-down halves, the edits' border, the page control's tabs
// and border ring and the track bar's thumb, hot and pressed by the real pointer, the native
// look back when skinning goes off, and no objects left behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/MainForm.h"
#include "core/FieldGeometry.h"
#include "core/SoftBlit.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"
#include "tests/support/GuiObjectCounts.h"
#include "tests/support/PointerInput.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WinTestSupport.h"
#include "tests/support/skin/SkinActionWait.h"
#include "tests/win/RealMainWindow.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/PageControl.h"
#include "toolkit/SpinEdit.h"
#include "toolkit/TrackBar.h"

namespace korvale::testing {
namespace {

// The main window skinned by its own skin data, as the program runs it: the form skinner
// chooses and attaches the control skinners. One window serves the whole suite; each case
// switches it to its skin.
class SkinnedMainWindow : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    main_ = new RealMainWindow("fields", {19701, 19702, 19703});
    main_->Open();
  }
  static void TearDownTestSuite() {
    delete main_;
    main_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE((*main_).get(), nullptr);
    form_ = (*main_).get();
    if (!main_->Skin().Active()) main_->SetActive(true);
    main_->Switch(GetParam());
    PaintAll();
  }
  void PaintAll() {
    RedrawWindow(form_->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(std::chrono::milliseconds(20));
  }
  TSkinData& Skin() { return main_->Skin(); }
  // The skinner the form skinner attached to the control's window.
  template <typename S>
  static S* SkinnerOf(TWinControl* control) {
    return dynamic_cast<S*>(main_->Skinner()->FindSkinner(control->Handle()));
  }
  static inline RealMainWindow* main_ = nullptr;
  TForm1* form_ = nullptr;
};

TEST_P(SkinnedMainWindow, SpinEditHalvesFollowThePointerAndStillStep) {
  TSpinEdit* spin = form_->loginserverport;
  auto* edit = SkinnerOf<TSkinEdit>(spin);
  ASSERT_NE(edit, nullptr);
  ExpectSpinEditFollowsThePointer(*spin, *edit, Skin(), form_->Handle());
}

TEST_P(SkinnedMainWindow, EditsWearTheSkinBorder) {
  for (TWinControl* edit : {static_cast<TWinControl*>(form_->loginserveraddress),
                            static_cast<TWinControl*>(form_->loginserverport)}) {
    const PixelBuffer shot = CaptureWindow(edit->Handle(), false);
    EXPECT_EQ(shot.At(0, 0) & 0xFFFFFF, PixelOf(Skin().ColorButtonShadow)) << edit->Name();
    EXPECT_EQ(shot.At(shot.width - 1, shot.height / 2) & 0xFFFFFF, PixelOf(Skin().ColorButtonShadow)) << edit->Name();
    EXPECT_EQ(shot.At(1, shot.height - 2) & 0xFFFFFF, 0xFFFFFFu) << edit->Name();
  }
}

TEST_P(SkinnedMainWindow, PageControlDrawsItsTabsAndBorderRingFromTheTabsElement) {
  HWND tabs = form_->PageControl1->Handle();
  ASSERT_NE(SkinnerOf<TSkinTab>(form_->PageControl1), nullptr);
  ExpectPageControlDrawnFromTabs(tabs, Skin());
}

TEST_P(SkinnedMainWindow, TrackBarThumbIsFrameTwoOfItsElement) {
  HWND bar = form_->rateslider->Handle();
  const TDataSkinObject* e = Skin().TrackbarThumbHorz.get();
  ASSERT_TRUE(e && e->Image && !e->Image->Empty());
  RECT r{};
  SendMessageA(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  const PixelRect thumb{r.left, r.top, r.right, r.bottom};
  const PixelBuffer shot = CaptureWindow(bar);
  const PixelImage strip = e->Image->ToImage();
  int scores[6] = {}, drawn = 0;
  for (int frame = 1; frame <= 5; ++frame) {
    PixelImage picture;
    picture.Resize(shot.width, shot.height, kTransparentKey);
    StretchCopy(picture, thumb, strip, FrameInStrip(strip.width, strip.height, 5, frame, StripLayout::SideBySide),
                true);
    scores[frame] = Agreeing(shot, picture, thumb);
    if (frame == 2)
      for (int y = thumb.top; y < thumb.bottom; ++y)
        for (int x = thumb.left; x < thumb.right; ++x) drawn += (picture.At(x, y) & 0xFFFFFF) != kTransparentKey;
  }
  // The thumb is smaller than the frame, so GDI and the software blitter may sample
  // neighbouring pixels: frame 2 agrees best (frames may be alike) and with most pixels.
  EXPECT_EQ(*std::max_element(scores + 1, scores + 6), scores[2]);
  EXPECT_GE(scores[2] * 100, drawn * 70) << scores[2] << " of " << drawn << " " << scores[1] << " " << scores[3];
}

TEST_P(SkinnedMainWindow, SwitchingSkinningOffBringsTheNativeLookBack) {
  const HWND windows[] = {form_->loginserveraddress->Handle(), form_->loginserverport->Handle(),
                          form_->loginserverport->ButtonHandle(), form_->PageControl1->Handle(),
                          form_->rateslider->Handle()};
  MovePointer(form_->Handle(), {2, 2});
  main_->SetActive(false);
  PaintAll();
  std::vector<PixelBuffer> native;
  for (HWND w : windows) native.push_back(CaptureWindow(w, false));
  main_->SetActive(true);
  PaintAll();
  for (size_t i = 0; i < std::size(windows); ++i)
    EXPECT_NE(CaptureWindow(windows[i], false).pixels, native[i].pixels) << "skinned: window " << i;
  main_->SetActive(false);
  PaintAll();
  for (size_t i = 0; i < std::size(windows); ++i)
    EXPECT_EQ(CaptureWindow(windows[i], false).pixels, native[i].pixels) << "native: window " << i;
}

INSTANTIATE_TEST_SUITE_P(Bundled, SkinnedMainWindow, ::testing::Range(0, 6));

TEST(SkinnedMainWindowRounds, CreateSkinAndDestroyLeaveNoObjects) {
  RealMainWindow main("fields", {19701, 19702, 19703});
  const auto round = [&] {
    ASSERT_NO_FATAL_FAILURE(main.Open());
    ASSERT_TRUE(WaitFor([&] { return main.Skinner()->FindSkinner(main->loginserverport->Handle()) != nullptr; }));
    main.Close();
  };
  round();
  const GuiObjectCounts before = CountGuiObjects();
  for (int i = 0; i < 25; ++i) ASSERT_NO_FATAL_FAILURE(round());
  PumpFor(std::chrono::milliseconds(20));
  EXPECT_EQ(CountGuiObjects(), before);
}

}  // namespace
}  // namespace korvale::testing
