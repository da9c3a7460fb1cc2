// The skinned bar of an MDI frame: the active child's menu stands in for the frame's, and a
// maximised child's buttons lie in the bar, drawn from the skin and acting on real clicks,
// in each of the six bundled skins.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/SoftBlit.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "tests/support/PointerInput.h"
#include "tests/support/WinTestSupport.h"
#include "tests/support/skin/SkinActionWait.h"
#include "tests/support/skin/SkinMessages.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/FormReader.h"
#include "toolkit/Menus.h"
#include "toolkit/TypInfo.h"

namespace korvale::testing {
namespace {

constexpr int kSkinCount = 6;

class TMdiFrameForm : public TForm {
 public:
  explicit TMdiFrameForm(TComponent* owner) : TForm(owner) {
    static const bool registered = [] {
      RegisterPublishedClass<TMdiFrameForm>("TMdiFrameForm", "TForm");
      return true;
    }();
    (void)registered;
    ReadComponentResource(this, "MDIFRAME");
  }
  std::string ClassName() const override { return "TMdiFrameForm"; }
};

class TMdiChildForm : public TForm {
 public:
  explicit TMdiChildForm(TComponent* owner) : TForm(owner) {
    static const bool registered = [] {
      RegisterPublishedClass<TMdiChildForm>("TMdiChildForm", "TForm").Handler("FormClose", &TMdiChildForm::FormClose);
      return true;
    }();
    (void)registered;
    ReadComponentResource(this, "MDICHILD");
  }
  std::string ClassName() const override { return "TMdiChildForm"; }
  void FormClose(TObject*, TCloseAction& action) { action = TCloseAction::caFree; }
};

class MdiMenuBar : public ::testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    RegisterSkinClasses();
    skins_ = std::make_unique<TComponent>(nullptr);
    ReadComponentResource(skins_.get(), "BUNDLEDSKINS");
    skin_ = dynamic_cast<TSkinData*>(skins_->FindComponent("SkinData1"));
    store_ = dynamic_cast<TSkinStore*>(skins_->FindComponent("SkinStore1"));
    ASSERT_TRUE(skin_ && store_);
    skin_->SetActive(true);
    ASSERT_TRUE(WaitForSkinAction());
    frame_ = TForm::Create<TMdiFrameForm>(static_cast<TComponent*>(nullptr));
    Application().SetMainForm(frame_);
    frame_->Show();
    SetForegroundWindow(frame_->Handle());
    ASSERT_TRUE(WaitFor([&] { return Skinner() && Skinner()->SkinState() == 1 && Skinner()->MenuBar(); }));
  }

  void TearDown() override {
    Application().SetMainForm(nullptr);
    frame_->Free();  // its children go with it
    skins_.reset();
  }

  TWinSkinForm* Skinner() const { return SkinManager() ? SkinManager()->FindSkinForm(frame_->Handle()) : nullptr; }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& button : Skinner()->MenuBar()->Buttons()) captions.push_back(button->FCaption);
    return captions;
  }

  // A shown child, active in the frame.
  TMdiChildForm* AddChild() {
    auto* child = TForm::Create<TMdiChildForm>(static_cast<TComponent*>(frame_));
    child->Show();
    return child;
  }

  // The maximised child's button with this action (7 minimise, 8 restore, 9 close).
  TWinSysButton* MdiButton(int action) const {
    for (const auto& b : Skinner()->SysButtons())
      if (b->FVisible && b->FSkin->Visibility == 100 && b->FSkin->Action == action) return b.get();
    return nullptr;
  }

  // Pixels of a bar button on screen that differ from frame 1 of its image, magenta left out.
  int Mismatches(const TWinSysButton& b) const {
    const TDataSkinSysButton& s = *b.FSkin;
    const PixelImage strip = s.Image->ToImage();
    const int width = b.FRect.right - b.FRect.left;
    const int height = b.FRect.bottom - b.FRect.top;
    PixelImage want;
    want.Resize(width, height, kTransparentKey);
    StretchCopy(want, {0, 0, width, height}, strip,
                FrameInStrip(strip.width, strip.height, s.FrameCount, 1, StripLayout::SideBySide));
    const PixelBuffer shot = CaptureWindow(frame_->Handle(), false);
    int bad = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (want.At(x, y) != kTransparentKey && want.At(x, y) != shot.At(b.FRect.left + x, b.FRect.top + y)) ++bad;
    return bad;
  }

  // Declared first, so it goes last: it frees the skin manager after the forms.
  SkinMessages messages_;
  std::unique_ptr<TComponent> skins_;
  TSkinData* skin_ = nullptr;
  TSkinStore* store_ = nullptr;
  TMdiFrameForm* frame_ = nullptr;
};

TEST_F(MdiMenuBar, TheActiveChildsMenuStandsInForTheFramesOwn) {
  const std::vector<std::string> frameMenu{"&File", "&Window"};
  const std::vector<std::string> childMenu{"&Edit", "&View", "&Tools"};
  EXPECT_EQ(Captions(), frameMenu);

  TMdiChildForm* withMenu = AddChild();
  ASSERT_TRUE(WaitFor([&] { return Captions() == childMenu; }));
  EXPECT_EQ(Skinner()->MenuBar()->Buttons()[0]->FSubMenu, withMenu->Menu()->Items()->Items(0)->Handle());

  TMdiChildForm* without = AddChild();
  without->SetMenu(nullptr);
  SendMessageA(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(withMenu->Handle()), 0);
  SendMessageA(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(without->Handle()), 0);
  ASSERT_TRUE(WaitFor([&] { return Captions() == frameMenu; }));
  SendMessageA(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(withMenu->Handle()), 0);
  ASSERT_TRUE(WaitFor([&] { return Captions() == childMenu; }));

  // The active child goes: the next one is activated and the frame's menu comes back.
  withMenu->Free();
  EXPECT_TRUE(WaitFor([&] { return Captions() == frameMenu; }));
  without->Free();
  EXPECT_TRUE(WaitFor([&] { return Captions() == frameMenu; }));
  EXPECT_EQ(GetMenu(frame_->Handle()), nullptr);  // the skinned bar shows it, not the native one
}

TEST_F(MdiMenuBar, AMaximisedChildsButtonsLieInTheBarFromTheSkinAndAct) {
  TMdiChildForm* child = AddChild();
  for (int n = 0; n < kSkinCount; ++n) {
    SCOPED_TRACE(n);
    skin_->LoadFromStore(store_, n);
    ASSERT_TRUE(WaitForSkinAction());
    child->SetWindowState(TWindowState::wsMaximized);
    SetForegroundWindow(frame_->Handle());
    ASSERT_TRUE(WaitFor([&] { return MdiButton(7) && MdiButton(8) && MdiButton(9); }));
    EXPECT_TRUE(SkinManager()->FMdiMaximized);
    for (int action : {7, 8, 9}) EXPECT_EQ(Mismatches(*MdiButton(action)), 0) << action;

    const RECT restore = MdiButton(8)->FRect;
    Click(frame_->Handle(), {(restore.left + restore.right) / 2, (restore.top + restore.bottom) / 2});
    ASSERT_TRUE(WaitFor([&] { return !IsZoomed(child->Handle()); }));
    EXPECT_TRUE(WaitFor([] { return !SkinManager()->FMdiMaximized; }));
    EXPECT_EQ(MdiButton(8), nullptr);
  }
  child->SetWindowState(TWindowState::wsMaximized);
  ASSERT_TRUE(WaitFor([&] { return MdiButton(9) != nullptr; }));
  const RECT close = MdiButton(9)->FRect;
  const HWND window = child->Handle();
  Click(frame_->Handle(), {(close.left + close.right) / 2, (close.top + close.bottom) / 2});
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }));
  EXPECT_TRUE(WaitFor([&] { return Captions() == std::vector<std::string>{"&File", "&Window"}; }));
}

}  // namespace
}  // namespace korvale::testing
