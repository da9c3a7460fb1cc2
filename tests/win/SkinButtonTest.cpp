// Push, bitmap and speed buttons, check boxes and radio buttons painted from each of the six
// bundled skins, their mouse and key behaviour, and what skinning leaves behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinCheckBox.h"
#include "tests/support/PixelOracle.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/BitBtn.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ListView.h"
#include "toolkit/SpeedButton.h"

namespace korvale::testing {
namespace {

class SkinnedGallery : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    LoadBundledSkin(skin, GetParam());
    form = TForm::Create<TGalleryForm>(&Application());
    form->Show();
    form->Find<TWinControl>("Edit1")->SetFocus();
    TControlDispatch(host, skin).SkinComponents(*form);
    PaintNow();
  }
  // Every window of the form painted before its pixels are read.
  void PaintNow() {
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  void TearDown() override {
    host.UnskinAll();
    delete form;
  }
  HWND Handle(const char* name) { return form->Find<TWinControl>(name)->Handle(); }
  int Frame(const char* name) { return ShownButtonFrame(Handle(name), skin); }
  int Mark(const char* name, bool radio = false) {
    const TDataSkinButton& b = *skin.Buttons;
    return radio ? ShownMarkFrame(Handle(name), skin, *b.RadioImage, b.RadioButtonFrame)
                 : ShownMarkFrame(Handle(name), skin, *b.CheckImage, b.CheckButtonFrame);
  }

  TSkinData skin{nullptr};
  TTestSkinnerHost host;
  TGalleryForm* form = nullptr;
};

TEST_P(SkinnedGallery, PushButtonShowsTheFrameOfItsState) {
  HWND button = Handle("Button1");
  EXPECT_EQ(Frame("Button1"), 1);
  SendMessageA(button, CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(Frame("Button1"), 4);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Frame("Button1"), 2);

  HWND disabled = Handle("DisabledButton");
  SendMessageA(disabled, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(disabled, CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(Frame("DisabledButton"), 3) << "disabled wins over hot";
}

TEST_P(SkinnedGallery, ActivateButtonIsFrameOneWithItsCaptionCentred) {
  HWND button = Handle("Button1");
  RECT client{};
  GetClientRect(button, &client);
  const PixelImage expected = ButtonOracle(skin, client.right, client.bottom, 1);
  PixelImage actual = CaptureImage(WindowDC(button).get(), client);
  RECT caption = client;
  {
    const ClientDC dc(button);
    const SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)));
    DrawTextA(dc.get(), "Activate", -1, &caption, DT_CALCRECT | DT_SINGLELINE);
  }
  const int w = caption.right - caption.left, h = caption.bottom - caption.top;
  caption.left = (client.right - w) / 2 - 1;
  caption.top = (client.bottom - h) / 2 - 2;
  int written = 0;
  for (int y = caption.top; y <= caption.top + h + 1; ++y) {
    for (int x = caption.left; x <= caption.left + w + 1; ++x) {
      written += actual.At(x, y) != expected.At(x, y);
      actual.Set(x, y, expected.At(x, y));
    }
  }
  EXPECT_GT(written, w) << "the caption lies in the middle";
  EXPECT_TRUE(MatchesOracle(expected, actual)) << "everything else is frame 1";
}

TEST_P(SkinnedGallery, BitmapButtonPlacesItsGlyphByLayoutAndMargin) {
  auto* button = form->Find<TBitBtn>("BitBtn1");
  constexpr std::uint32_t kGlyph = 0x12C034;
  PixelImage glyph;
  glyph.Resize(16, 16, kTransparentKey);
  for (int y = 1; y < 15; ++y)
    for (int x = 1; x < 15; ++x) glyph.Set(x, y, kGlyph);
  button->Glyph().Glyph.AssignImage(glyph);
  const struct {
    TButtonLayout layout;
    int margin;
    POINT origin;
  } cases[] = {{TButtonLayout::blGlyphLeft, 4, {4, 9}}, {TButtonLayout::blGlyphBottom, 3, {45, 14}}};
  for (const auto& c : cases) {
    button->Glyph().Layout = c.layout;
    button->Glyph().Margin = c.margin;
    PaintNow();
    const PixelBuffer shot = CaptureWindow(button->Handle());
    RECT found{shot.width, shot.height, -1, -1};
    for (int y = 0; y < shot.height; ++y) {
      for (int x = 0; x < shot.width; ++x) {
        if ((shot.At(x, y) & 0xFFFFFF) != kGlyph) continue;
        found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y), std::max<LONG>(found.right, x + 1),
                 std::max<LONG>(found.bottom, y + 1)};
      }
    }
    EXPECT_EQ(found.left, c.origin.x + 1);
    EXPECT_EQ(found.top, c.origin.y + 1);
    EXPECT_EQ(found.right, c.origin.x + 15);
    EXPECT_EQ(found.bottom, c.origin.y + 15);
  }
}

TEST_P(SkinnedGallery, PushButtonClicksOnlyWhenReleasedOnIt) {
  HWND button = Handle("Button1");
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  EXPECT_EQ(Frame("Button1"), 2) << "pressed until the mouse leaves";
  SendMessageA(button, CM_MOUSELEAVE, 0, 0);
  SendMessageA(Handle("Button2"), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form->clicks, 0);
  EXPECT_NE(Frame("Button1"), 2);

  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form->clicks, 1);

  SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(Frame("Button1"), 2);
  SendMessageA(button, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(form->clicks, 2);
}

TEST_P(SkinnedGallery, RealPointerOverAPushButtonMakesItHotUntilItLeaves) {
  const auto pointAt = [&](const char* name) {
    RECT r{};
    GetWindowRect(Handle(name), &r);
    PlacePointer((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  };
  pointAt("Edit1");
  pointAt("Button2");
  EXPECT_TRUE(WaitFor([&] { return Frame("Button2") == 4; }));
  pointAt("Button1");
  EXPECT_TRUE(WaitFor([&] { return Frame("Button2") == 1 && Frame("Button1") == 4; }));
  pointAt("Edit1");
}

TEST_P(SkinnedGallery, OneHotPushButtonAtATime) {
  SendMessageA(Handle("Button1"), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(host.HotButton(), host.SkinnerOf(form->FindComponent("Button1")));
  SendMessageA(Handle("Button2"), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(host.HotButton(), host.SkinnerOf(form->FindComponent("Button2")));
  EXPECT_EQ(Frame("Button1"), 1);
  EXPECT_EQ(Frame("Button2"), 4);
}

TEST_P(SkinnedGallery, CheckAndRadioMarksShowTheFrameOfTheirState) {
  EXPECT_EQ(Mark("CheckBox1"), 1);
  EXPECT_EQ(Mark("CheckBox2"), 2);
  EXPECT_EQ(Mark("CheckBox3"), 3);
  EXPECT_EQ(Mark("RadioButton1", true), 2);
  EXPECT_EQ(Mark("RadioButton2", true), 1);

  // The published Checked decides over what the button itself says.
  WNDCLASSA system{};
  GetClassInfoA(nullptr, "BUTTON", &system);
  CallWindowProcA(system.lpfnWndProc, Handle("CheckBox2"), BM_SETCHECK, BST_UNCHECKED, 0);
  InvalidateRect(Handle("CheckBox2"), nullptr, TRUE);
  UpdateWindow(Handle("CheckBox2"));
  EXPECT_EQ(Mark("CheckBox2"), 2);

  form->Find<TCheckBox>("CheckBox1")->SetChecked(true);
  EXPECT_EQ(Mark("CheckBox1"), 2);
}

TEST_P(SkinnedGallery, MarksInGroupBoxesAndPanelsSitOnTheFaceColour) {
  const COLORREF face = ColorToRGB(skin.ColorButtonFace);
  const std::uint32_t want = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
  for (const char* mark : {"PanelCheck", "RadioButton1", "RadioButton2"}) {
    const PixelBuffer shot = CaptureWindow(Handle(mark));
    EXPECT_EQ(shot.At(shot.width - 2, 1) & 0xFFFFFF, want) << mark;
  }
  auto* choice = dynamic_cast<TWinControl*>(form->Find<TWinControl>("RadioGroup1")->Controls(0));
  const PixelBuffer shot = CaptureWindow(choice->Handle());
  EXPECT_EQ(shot.At(shot.width - 2, 1) & 0xFFFFFF, want) << "a radio group's own button";
}

TEST_P(SkinnedGallery, SpeedButtonThatIsDownShowsPressed) {
  auto* down = form->Find<TSpeedButton>("SpeedButton2");
  const PixelBuffer bar = CaptureWindow(form->Find<TWinControl>("ToolBar1")->Handle());
  const PixelImage pressed = ButtonOracle(skin, down->Width(), down->Height(), 2);
  // The top two rows lie clear of the caption.
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < down->Width(); ++x)
      ASSERT_EQ(bar.At(down->Left() + x, down->Top() + y) & 0xFFFFFF, pressed.At(x, y)) << x << "," << y;
}

TEST_P(SkinnedGallery, SkinSwitchRepaintsInTheNewSkin) {
  LoadBundledSkin(skin, (GetParam() + 1) % 6);
  host.SkinChanged();
  PaintNow();
  EXPECT_EQ(Frame("Button1"), 1);
  EXPECT_EQ(form->Find("GroupBox1")->Color(), skin.ColorButtonFace);
}

INSTANTIATE_TEST_SUITE_P(SixSkins, SkinnedGallery, ::testing::Range(0, 6),
                         [](const auto& info) { return std::string(kBundledSkinNames[info.param]); });

// A message box's bare buttons are skinned through their handles, and OK still closes it.
TEST(SkinnedMessageBox, BareButtonsAreSkinnedAndOkStillCloses) {
  static TSkinData* skin = nullptr;
  static TTestSkinnerHost* host = nullptr;
  static HWND okButton = nullptr;
  TSkinData data(nullptr);
  LoadBundledSkin(data, 2);
  TTestSkinnerHost list;
  skin = &data;
  host = &list;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", "Skinned box");
    if (!box) return;
    KillTimer(nullptr, id);
    TControlDispatch(*host, *skin).SkinChildWindows(box);
    okButton = GetDlgItem(box, IDOK);
    SendMessageA(okButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(okButton, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  });
  const int answer = MessageBoxA(nullptr, "Text", "Skinned box", MB_OKCANCEL);
  KillTimer(nullptr, timer);
  EXPECT_EQ(answer, IDOK);
  auto* skinner = dynamic_cast<TSkinControl*>(list.FindSkinner(okButton));
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->ClassName(), "TSkinButton");
  EXPECT_TRUE(skinner->WindowDestroyed());
  list.PurgeDestroyed();
}

// Every control family of the gallery, skinned in each skin in turn, painted whole (frames
// and bars included) and destroyed, every other round after unskinning and otherwise while
// still skinned: nothing is left behind. The lists hold enough lines for both of their bars.
TEST(SkinnedGalleryLeaks, CreateSkinDestroyRoundsLeaveObjectCountsAlone) {
  std::vector<std::unique_ptr<TSkinData>> skins;
  for (int i = 0; i < 6; ++i) LoadBundledSkin(*skins.emplace_back(std::make_unique<TSkinData>(nullptr)), i);
  const auto round = [&](int index) {
    TTestSkinnerHost host;
    auto* form = TForm::Create<TGalleryForm>(&Application());
    for (const char* list : {"ListView1", "ListView2"})
      form->Find<TListView>(list)->AddItems(std::vector<std::vector<std::string>>(40, {"Line"}));
    form->Show();
    TControlDispatch(host, *skins[static_cast<std::size_t>(index)]).SkinComponents(*form);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (index % 2) host.UnskinAll();
    delete form;
    WaitFor([] { return false; }, std::chrono::milliseconds(0));
  };
  for (int i = 0; i < 6; ++i) round(i);  // each skin's pictures make their drawing objects once
  const GuiObjectCounts before = CountGuiObjects();
  for (int i = 0; i < 25; ++i) round(i % 6);
  EXPECT_EQ(CountGuiObjects(), before);
}

}  // namespace
}  // namespace korvale::testing
