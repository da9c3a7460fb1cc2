// The gallery's old-style tab set, stand-alone up-down buttons, page control and spin edit
// under each of the six bundled skins: tabs from the flipped Tabs element (and the page
// control's from the element itself), the scroller and the up-downs in their element's
// frames as the real pointer moves and presses, and the native look back after; and the
// date pickers' skinners.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/SoftBlit.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/support/PointerInput.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/TabSet.h"
#include "toolkit/UpDown.h"

namespace korvale::testing {
namespace {

// One gallery form serves the suite; each case skins it from its skin and unskins it again.
class SkinnedGalleryFields : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    form_ = TForm::Create<TGalleryForm>(&Application());
    form_->Show();
  }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  void SetUp() override {
    LoadBundledSkin(skin_, GetParam());
    MovePointer(form_->Handle(), {2, 2});
    PaintNow();  // the previous case's skin may still show
  }
  void SkinGallery() {
    TControlDispatch(host_, skin_).SkinComponents(*form_);
    PaintNow();
  }
  void UnskinGallery() {
    host_.UnskinAll();
    PaintNow();
  }
  static void PaintNow() {
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

  static inline TGalleryForm* form_ = nullptr;
  TSkinData skin_{nullptr};
  TTestSkinnerHost host_;
};

TEST_P(SkinnedGalleryFields, TabSetDrawsItsTabsFromTheFlippedTabsElement) {
  auto* tabSet = form_->Find<TTabSet>("TabSet1");
  HWND window = tabSet->Handle();
  SkinGallery();
  auto* skinner = dynamic_cast<TSkinTab31*>(host_.SkinnerOf(tabSet));
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(tabSet->ScrollerShown()) << "the gallery's tabs do not all fit";
  ASSERT_NE(skinner->UpDown(), nullptr);
  EXPECT_EQ(skinner->UpDown()->FHorizontal, 1);
  EXPECT_EQ(ShownUpDownFrame(tabSet->Scroller()->Handle(), skin_, true, false, false), 1);

  const PixelBuffer shot = CaptureWindow(window);
  const TDataSkinBorder& e = *skin_.Tabs;
  const PixelImage strip = FlippedVertically(e.Image->ToImage());
  const FrameMargins margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
  const std::vector<TabSetTab> tabs = tabSet->VisibleTabs();
  ASSERT_GE(tabs.size(), 2u);
  for (const TabSetTab& tab : tabs) {
    const PixelRect place{tab.left, 0, tab.right, shot.height};
    int scores[3] = {};
    for (int frame = 1; frame <= 2; ++frame) {
      PixelImage picture;
      picture.Resize(shot.width, shot.height, kTransparentKey);
      CopyImage(picture, place.left, 0,
                ComposeFrame(place.Width(), place.Height(), strip, e.FrameCount, frame, StripLayout::SideBySide,
                             margins, e.Tile != 0));
      scores[frame] = Agreeing(shot, picture, place);
    }
    // The caption covers part of the tab.
    const int expected = tab.index == tabSet->TabIndex() ? 2 : 1;
    EXPECT_GT(scores[expected], scores[3 - expected]) << "tab " << tab.index;
    EXPECT_GT(scores[expected] * 2, place.Width() * place.Height()) << "tab " << tab.index;
  }
  // The scroller's right arrow brings the next tab to the front, skinned or not.
  HWND scroller = tabSet->Scroller()->Handle();
  RECT arrows{};
  GetClientRect(scroller, &arrows);
  Click(scroller, {arrows.right * 3 / 4, arrows.bottom / 2});
  EXPECT_TRUE(WaitFor([&] { return tabSet->FirstIndex() == 1; }));
  EXPECT_EQ(tabSet->VisibleTabs().front().index, 1);
  tabSet->SetFirstIndex(0);
  MovePointer(form_->Handle(), {2, 2});
}

TEST_P(SkinnedGalleryFields, UpDownsFollowThePointerAndStillStep) {
  // The half that steps the position up: the upper one, or the right one.
  const struct {
    const char* name;
    bool horizontal;
  } cases[] = {{"UpDown1", false}, {"UpDown2", true}};
  SkinGallery();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto* updown = form_->Find<TUpDown>(c.name);
    HWND window = updown->Handle();
    ASSERT_NE(dynamic_cast<TSkinUpDown*>(host_.SkinnerOf(updown)), nullptr);
    const bool second = c.horizontal;
    const auto shown = [&] { return ShownUpDownFrame(window, skin_, c.horizontal, false, second); };
    const int base = second ? 4 : 0;
    EXPECT_TRUE(WaitForSettled([&] { return shown() == base + 1; }));
    RECT client{};
    GetClientRect(window, &client);
    MovePointer(window, c.horizontal ? POINT{client.right * 3 / 4, client.bottom / 2}
                                     : POINT{client.right / 2, client.bottom / 4});
    EXPECT_TRUE(WaitForSettled([&] { return shown() == base + 4; })) << "hot";
    const int position = updown->Position();
    Press();
    EXPECT_TRUE(WaitFor([&] { return shown() == base + 2; })) << "pressed";
    Release();
    EXPECT_TRUE(WaitFor([&] { return updown->Position() > position; })) << "steps";
    EXPECT_TRUE(WaitForSettled([&] { return shown() == base + 4; }));
    updown->SetPosition(5);
    // Left alone once the pointer has gone, for the native button too (the same message).
    MovePointer(form_->Handle(), {2, 2});
    EXPECT_TRUE(WaitForSettled([&] { return shown() == base + 1; }));
  }
}

TEST_P(SkinnedGalleryFields, SwitchingSkinningOffBringsTheNativeLookBack) {
  const char* const names[] = {"TabSet1", "UpDown1", "UpDown2", "DateTimePicker1", "DateTimePicker2",
                               "SpinEdit1", "PageControl1"};
  std::vector<PixelBuffer> native;
  for (const char* name : names) native.push_back(CaptureWindow(form_->Find<TWinControl>(name)->Handle(), false));
  SkinGallery();
  for (size_t i = 0; i < std::size(names); ++i)
    EXPECT_NE(CaptureWindow(form_->Find<TWinControl>(names[i])->Handle(), false).pixels, native[i].pixels)
        << "skinned: " << names[i];
  UnskinGallery();
  // A native up-down learns late (by a polling timer) that the pointer has left it.
  for (size_t i = 0; i < std::size(names); ++i) {
    HWND window = form_->Find<TWinControl>(names[i])->Handle();
    EXPECT_TRUE(WaitFor([&] { return CaptureWindow(window, false).pixels == native[i].pixels; })) << names[i];
  }
}

TEST_P(SkinnedGalleryFields, SpinEditHalvesFollowThePointerAndStillStep) {
  auto* spin = form_->Find<TSpinEdit>("SpinEdit1");
  SkinGallery();
  auto* skinner = dynamic_cast<TSkinEdit*>(host_.SkinnerOf(spin));
  ASSERT_NE(skinner, nullptr);
  ExpectSpinEditFollowsThePointer(*spin, *skinner, skin_, form_->Handle());
  spin->SetValue(5);
}

TEST_P(SkinnedGalleryFields, PageControlDrawsItsTabsAndBorderRingFromTheTabsElement) {
  HWND tabs = form_->Find<TWinControl>("PageControl1")->Handle();
  SkinGallery();
  ASSERT_NE(dynamic_cast<TSkinTab*>(host_.FindSkinner(tabs)), nullptr);
  ExpectPageControlDrawnFromTabs(tabs, skin_);
}

INSTANTIATE_TEST_SUITE_P(SixSkins, SkinnedGalleryFields, ::testing::Range(0, 6),
                         [](const auto& info) { return std::string(kBundledSkinNames[info.param]); });

TEST(SkinnedDatePickers, TheDateModeChoosesTheSkinner) {
  TSkinData skin(nullptr);
  LoadBundledSkin(skin, 0);
  TTestSkinnerHost host;
  std::unique_ptr<TGalleryForm> form(TForm::Create<TGalleryForm>(&Application()));
  form->Show();
  TControlDispatch(host, skin).SkinComponents(*form);
  EXPECT_NE(dynamic_cast<TSkinComBox*>(host.SkinnerOf(form->FindComponent("DateTimePicker1"))), nullptr);
  auto* edit = dynamic_cast<TSkinEdit*>(host.SkinnerOf(form->FindComponent("DateTimePicker2")));
  ASSERT_NE(edit, nullptr);
  // The edit skinner finds the picker's own up-down when it first paints.
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_TRUE(WaitFor([&] { return edit->UpDown() != nullptr; }));
}

}  // namespace
}  // namespace korvale::testing
