// Menus of the real main window in a skin: the bar's drop-downs drawn from the skin's item
// and background pictures, keyboard and pointer moving between drop-downs, and the tray's
// popup menu drawn from the skin only while skinning is on.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "core/MenuLayout.h"
#include "core/SoftBlit.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "skin/forms/MenuTracking.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "tests/support/GuiObjectCounts.h"
#include "tests/support/LoopTicker.h"
#include "tests/support/PointerInput.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/RealMainWindow.h"
#include "tests/win/ToolkitTestForm.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"
#include "toolkit/Screen.h"
#include "toolkit/ShortCuts.h"

namespace korvale::testing {
namespace {

constexpr int kSkinCount = 6;

void PressKey(WORD key) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

// `key` pressed and released while `modifier` is held.
void PressChord(WORD modifier, WORD key) {
  INPUT inputs[4] = {};
  const WORD keys[4] = {modifier, key, key, modifier};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, inputs, sizeof(INPUT));
}

// A pointer move queued as a hand would make it; nothing is pumped, so a menu loop sees it.
void QueueMove(POINT screen) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
}

// One step of a script played inside a menu's loop: once `ready` holds, `act` runs.
struct Step {
  std::function<bool()> ready;
  std::function<void()> act;
};

class MenuSkinning : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(main_.Open()); }
  void TearDown() override { main_.Close(); }

  TWinSkinForm* Skinner() const { return main_.Skinner(); }
  TSkinData& Skin() const { return main_.Skin(); }
  HWND Window() const { return main_->Handle(); }
  TMenuBtn& Button(int index) const { return *Skinner()->MenuBar()->Buttons()[static_cast<std::size_t>(index)]; }
  POINT Centre(int index) const {
    const RECT& r = Button(index).FRect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  void Switch(int n) {
    Skin().LoadFromStore(main_->SkinStore1, n);
    ASSERT_TRUE(WaitFor([] { return SkinManager()->CurrentSkinData() == nullptr; }));
    SetForegroundWindow(Window());
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == Window(); }));
  }
  void SetActive(bool on) {
    Skin().SetActive(on);
    ASSERT_TRUE(WaitFor([] { return SkinManager()->CurrentSkinData() == nullptr; }));
  }

  // Opens a drop-down by `open` and plays the steps inside its loop; true when every step
  // ran and the tracking has ended. A stalled script ends the menu.
  bool Play(const std::function<void()>& open, std::vector<Step> steps) {
    std::size_t next = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    LoopTicker ticker([&] {
      if (next < steps.size() && steps[next].ready()) {
        steps[next++].act();
      } else if (next < steps.size() && std::chrono::steady_clock::now() > deadline) {
        next = steps.size() + 1;
        EndMenu();
      }
    });
    open();
    const bool ended = WaitFor([&] { return next >= steps.size() && !Skinner()->FMenuTracking; });
    return ended && next == steps.size();
  }
  // Clicks bar button `index`, or posts the click as the accelerators do.
  bool PlayFromButton(int index, std::vector<Step> steps, bool realClick = true) {
    return Play([&] {
      if (realClick) Click(Window(), Centre(index));
      else Skinner()->PostMenuButtonClick(&Button(index));
    }, std::move(steps));
  }

  RealMainWindow main_{"menus", {19741, 19742, 19743}};
};

bool Showing(int index) {
  return MenuTracking().TrackingIndex == index && FindThreadWindow("#32768") != nullptr;
}

// The picture an item should show: the item strip's frame over the menu window's background,
// or the flat menu colour for a skin without the strip.
std::uint32_t Rgb(TColor colour) {
  const COLORREF c = ColorToRGB(colour);
  return static_cast<std::uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

// An open menu window on screen and what the skin says it shows: the background composed
// from `MenuBackground`, and an item where it holds no text, the `MenuItem` strip's frame
// over that background. Coordinates are the menu window's.
struct MenuWindowOracle {
  MenuWindowOracle(const TSkinData& skin, HWND menu) : skin(skin), shot(CaptureWindow(menu, false)) {
    GetWindowRect(menu, &window);
    const TDataSkinObject& back = *skin.MenuBackground;
    background = ComposeFrame(window.right - window.left, window.bottom - window.top, back.Image->ToImage(), 1, 1,
                              StripLayout::SideBySide, {back.LeftWidth, back.TopHeight, back.RightWidth, back.BottomHeight},
                              back.Tile != 0);
  }
  PixelImage Item(const RECT& r, int frame) const {
    const TDataSkinObject& item = *skin.MenuItem;
    PixelImage face = ComposeFrame(r.right - r.left, r.bottom - r.top, item.Image->ToImage(), 5, frame,
                                   StripLayout::SideBySide,
                                   {item.LeftWidth, item.TopHeight, item.RightWidth, item.BottomHeight}, item.Tile != 0);
    for (int y = 0; y < face.height; ++y)
      for (int x = 0; x < face.width; ++x)
        if (item.Trans == 1 && face.At(x, y) == kTransparentKey) face.Set(x, y, background.At(r.left + x, r.top + y));
    return face;
  }
  // A separator: the bottom rows of the strip's frame 2 between its caps, over the background.
  PixelImage Separator(const RECT& r) const {
    const TDataSkinObject& item = *skin.MenuItem;
    const PixelImage strip = item.Image->ToImage();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    PixelImage line;
    line.Resize(width, height, kTransparentKey);
    DrawPieces(line, 0, 0, strip,
               SeparatorPieces(width, height, FrameInStrip(strip.width, strip.height, 5, 2, StripLayout::SideBySide),
                               item.LeftWidth, item.RightWidth));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (line.At(x, y) == kTransparentKey) line.Set(x, y, background.At(r.left + x, r.top + y));
    return line;
  }

  const TSkinData& skin;
  RECT window{};
  PixelBuffer shot;
  PixelImage background;
};

// One image of an image list as the list draws it: drawn over black and over white, the
// pixels that stay the same are the image's, the others let the background through.
struct ImageListPicture {
  ImageListPicture(TImageList& list, int index) {
    TBitmap canvas;
    canvas.SetPixelFormat(32);
    canvas.SetSize(list.Width(), list.Height());
    for (PixelBuffer* picture : {&image, &overWhite}) {
      const RECT all{0, 0, list.Width(), list.Height()};
      FillRect(canvas.MemoryDC(), &all, static_cast<HBRUSH>(GetStockObject(picture == &image ? BLACK_BRUSH : WHITE_BRUSH)));
      ImageList_Draw(list.Handle(), index, canvas.MemoryDC(), 0, 0, ILD_TRANSPARENT);
      *picture = CaptureRect(canvas.MemoryDC(), 0, 0, list.Width(), list.Height());
    }
  }
  bool Opaque(int x, int y) const { return image.At(x, y) == overWhite.At(x, y); }

  PixelBuffer image;
  PixelBuffer overWhite;
};

// The rectangles the drop-down's items were last drawn in, by command, as the window was told.
class DrawnItems {
 public:
  explicit DrawnItems(HWND window) : hook_(SetWindowsHookExA(WH_CALLWNDPROC, &Record, nullptr, GetCurrentThreadId())) {
    window_ = window;
    rects_.clear();
  }
  ~DrawnItems() { UnhookWindowsHookEx(hook_); }
  DrawnItems(const DrawnItems&) = delete;
  DrawnItems& operator=(const DrawnItems&) = delete;
  RECT Of(UINT command) const { return rects_.count(command) ? rects_.at(command) : RECT{}; }

 private:
  static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == window_ && sent->message == WM_DRAWITEM) {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(sent->lParam);
      if (draw->CtlType == ODT_MENU) rects_[draw->itemID] = draw->rcItem;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HWND window_ = nullptr;
  static inline std::map<UINT, RECT> rects_;
  HHOOK hook_;
};

TEST_F(MenuSkinning, DropDownItemsAndFrameComeFromTheSkin) {
  const DrawnItems drawn(Window());
  for (int n = 0; n < kSkinCount; ++n) {
    Switch(n);
    SCOPED_TRACE(n);
    ASSERT_TRUE(Skin().MenuItem && Skin().MenuBackground);
    HMENU file = Button(0).FSubMenu;
    int badItems = -1;
    int badFrame = -1;
    POINT at{};
    const auto inspect = [&] {
      HWND menu = FindThreadWindow("#32768");
      const MenuWindowOracle oracle(Skin(), menu);
      at = {oracle.window.left, oracle.window.top};
      POINT client{0, 0};
      ClientToScreen(menu, &client);
      const int width = oracle.background.width;
      const int height = oracle.background.height;
      badFrame = 0;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          if ((x < 3 || y < 3 || x >= width - 3 || y >= height - 3) && oracle.background.At(x, y) != oracle.shot.At(x, y))
            ++badFrame;
      // The right end of an item holds no text: the item strip's frame (4 selected, 1 not)
      // over the background; the separator between them is the strip's frame 2.
      badItems = 0;
      for (int position : {0, 2}) {
        RECT r = drawn.Of(GetMenuItemID(file, position));
        OffsetRect(&r, client.x - oracle.window.left, client.y - oracle.window.top);
        const PixelImage face = oracle.Item(r, position == 0 ? 4 : 1);
        if (face.width < 8) ++badItems;
        for (int y = 0; y < face.height; ++y)
          for (int x = face.width - 8; x >= 0 && x < face.width; ++x)
            if (face.At(x, y) != oracle.shot.At(r.left + x, r.top + y)) ++badItems;
      }
      // The first item's image in its box after the strip's left cap, over the selected face.
      RECT first = drawn.Of(GetMenuItemID(file, 0));
      OffsetRect(&first, client.x - oracle.window.left, client.y - oracle.window.top);
      const PixelImage selectedFace = oracle.Item(first, 4);
      const ImageListPicture image(*main_->ImageList1, main_->Start1->ImageIndex());
      const int boxLeft = 1 + Skin().MenuItem->LeftWidth;
      if (image.image.width != 16) ++badItems;
      for (int y = 0; y < image.image.height; ++y)
        for (int x = 0; x < image.image.width; ++x) {
          const std::uint32_t want = image.Opaque(x, y) ? image.image.At(x, y) : selectedFace.At(boxLeft + x, 1 + y);
          if (want != oracle.shot.At(first.left + boxLeft + x, first.top + 1 + y)) ++badItems;
        }
      RECT r = drawn.Of(GetMenuItemID(file, 1));
      OffsetRect(&r, client.x - oracle.window.left, client.y - oracle.window.top);
      const PixelImage line = oracle.Separator(r);
      if (line.width < 8) ++badItems;
      for (int y = 0; y < line.height; ++y)
        for (int x = 0; x < line.width; ++x)
          if (line.At(x, y) != oracle.shot.At(r.left + x, r.top + y)) ++badItems;
      EndMenu();
    };
    ASSERT_TRUE(PlayFromButton(
        0, {{[&] { return Showing(0) && (GetMenuState(file, 0, MF_BYPOSITION) & MF_HILITE); }, inspect}}));
    EXPECT_EQ(badFrame, 0);
    EXPECT_EQ(badItems, 0);
    RECT window{};
    GetWindowRect(Window(), &window);
    EXPECT_EQ(at.x, window.left + Button(0).FRect.left);
    EXPECT_EQ(at.y, window.top + Button(0).FRect.bottom);
  }
}

TEST_F(MenuSkinning, MissingMenuPicturesLeaveFlatItemsAndNativeFrames) {
  HMENU file = Button(0).FSubMenu;
  const auto open = [&](std::uint32_t& selected, std::uint32_t& plain, bool& composed) {
    return PlayFromButton(0, {{[&] { return Showing(0) && (GetMenuState(file, 0, MF_BYPOSITION) & MF_HILITE); },
                               [&] {
                                 HWND menu = FindThreadWindow("#32768");
                                 const PixelBuffer shot = CaptureWindow(menu, true);
                                 RECT first{}, last{};
                                 GetMenuItemRect(Window(), file, 0, &first);
                                 GetMenuItemRect(Window(), file, 2, &last);
                                 POINT client{0, 0};
                                 ClientToScreen(menu, &client);
                                 // Mid-height, left of the shortcut's margin: no text there.
                                 selected = shot.At(first.right - 5 - client.x, (first.top + first.bottom) / 2 - client.y);
                                 plain = shot.At(last.right - 5 - client.x, (last.top + last.bottom) / 2 - client.y);
                                 composed = SkinManager()->Popups().PopupBackground(file) != nullptr;
                                 EndMenu();
                               }}});
  };
  std::uint32_t selected = 0;
  std::uint32_t plain = 0;
  bool composed = true;
  Skin().MenuItem.reset();
  ASSERT_TRUE(open(selected, plain, composed));
  EXPECT_EQ(selected, Rgb(Skin().ColorHilight));
  EXPECT_EQ(plain, Rgb(Skin().ColorMenu));
  EXPECT_TRUE(composed);

  Skin().MenuBackground.reset();
  ASSERT_TRUE(open(selected, plain, composed));
  EXPECT_FALSE(composed);
  EXPECT_EQ(plain, Rgb(Skin().ColorMenu));
}

TEST_F(MenuSkinning, ArrowKeysAndThePointerMoveBetweenDropDownsAndWrap) {
  const GuiObjectCounts before = CountGuiObjects();
  struct Move {
    WORD key;
    int from, to;
  };
  const std::vector<Move> moves = {
      {VK_RIGHT, 0, 1}, {VK_LEFT, 1, 0}, {VK_LEFT, 0, 3}, {VK_RIGHT, 3, 0},  // wraps both ways
  };
  std::vector<Step> steps;
  for (const Move& m : moves) steps.push_back({[m] { return Showing(m.from); }, [m] { PressKey(m.key); }});
  RECT window{};
  GetWindowRect(Window(), &window);
  const POINT help{window.left + Centre(3).x, window.top + Centre(3).y};
  steps.push_back({[] { return Showing(0); }, [help] { QueueMove(help); }});
  steps.push_back({[] { return Showing(3); }, [] { PressKey(VK_ESCAPE); }});
  ASSERT_TRUE(PlayFromButton(0, steps));
  // Alt with the accelerator of "&Options" opens that drop-down; the application's loop
  // turns the key into the form's dialog char, as in the program. Its bar button keeps the
  // highlight while the drop-down is open, though no pointer is over it.
  bool shown = false;
  std::uint32_t edge = 0;
  ASSERT_TRUE(Play(
      [&] {
        PressChord(VK_MENU, 'O');
        AppWaitFor([&] { return shown; });
      },
      {{[] { return Showing(2); },
        [&] {
          shown = true;
          const RECT& r = Button(2).FRect;
          edge = CaptureWindow(Window(), false).At(r.left, (r.top + r.bottom) / 2);
          PressKey(VK_ESCAPE);
        }}}));
  EXPECT_EQ(edge, Rgb(Skin().ColorButtonHilight));
  const TMenuTrackingState& tracking = MenuTracking();
  EXPECT_FALSE(tracking.FilterHook);
  EXPECT_EQ(tracking.TrackingIndex, -1);
  EXPECT_EQ(tracking.TrackingForm, nullptr);
  EXPECT_EQ(FindThreadWindow("#32768"), nullptr);
  EXPECT_EQ(SkinManager()->Popups().Count(), 0u);
  EXPECT_EQ(CountGuiObjects().hooks, before.hooks);
}

// The message box that opening the submenu shows takes the activation, which ends the menu.
TEST_F(MenuSkinning, RightArrowOnSkinsOpensItsSubmenuAndItsMessage) {
  HMENU options = Button(2).FSubMenu;
  std::string text;
  ASSERT_TRUE(PlayFromButton(
      2,
      {{[&] { return Showing(2) && (GetMenuState(options, 0, MF_BYPOSITION) & MF_HILITE); },
        [] { PressKey(VK_RIGHT); }},
       {[] { return FindThreadWindow("TMessageForm") != nullptr; },
        [&] {
          HWND message = FindThreadWindow("TMessageForm");
          char caption[64] = {};
          GetWindowTextA(message, caption, sizeof caption);
          text = caption;
          PostMessageA(message, WM_CLOSE, 0, 0);
        }}},
      false));
  EXPECT_EQ(text, Application().Title());  // the plain message's caption
  EXPECT_FALSE(MenuTracking().FilterHook);
  EXPECT_EQ(MenuTracking().TrackingIndex, -1);
}

TEST_F(MenuSkinning, OpeningAndClosingEachDropDownLeaksNothing) {
  const auto cycle = [&](int index) {
    return PlayFromButton(index, {{[index] { return Showing(index); }, [] { PressKey(VK_ESCAPE); }}}, false);
  };
  for (int index = 0; index < 4; ++index) ASSERT_TRUE(cycle(index));  // first use makes lasting objects
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 20; ++round)
    for (int index = 0; index < 4; ++index) ASSERT_TRUE(cycle(index)) << index;
  EXPECT_EQ(CountGuiObjects(), before);
}

// The bar without its captions as the skin paints it: `MenuBar` frame 1 while the window is
// active and 2 when not, nine-sliced when its Tile is 1 and three-sliced otherwise, or the
// skin's bar colour without the element.
PixelImage BarPicture(const TSkinData& skin, int width, int height, bool active) {
  const TDataSkinObject* bar = skin.MenuBar.get();
  if (!bar || bar->Image->Empty()) {
    PixelImage fill;
    fill.Resize(width, height, Rgb(skin.ColorMenubar));
    return fill;
  }
  const int frame = active ? 1 : 2;
  if (bar->Tile == 1)
    return ComposeFrame(width, height, bar->Image->ToImage(), 2, frame, StripLayout::Stacked,
                        {bar->LeftWidth, bar->TopHeight, bar->RightWidth, bar->BottomHeight}, false);
  return ComposeThreeSlice(width, height, bar->Image->ToImage(), 2, frame, StripLayout::Stacked, bar->LeftWidth,
                           bar->RightWidth);
}

// Pixels of the window's bar band outside its buttons (which hold the captions) that differ
// from BarPicture.
int BarMismatches(const TWinSkinForm& skinner, bool active) {
  const TWinSkinMenu& bar = *skinner.MenuBar();
  const RECT band = bar.BarRect();
  const PixelImage want = BarPicture(*skinner.SkinData(), band.right - band.left, band.bottom - band.top, active);
  const PixelBuffer shot = CaptureWindow(skinner.Handle(), false);
  int bad = 0;
  for (int y = 0; y < want.height; ++y)
    for (int x = 0; x < want.width; ++x) {
      const POINT at{band.left + x, band.top + y};
      bool onButton = false;
      for (const auto& button : bar.Buttons()) onButton = onButton || PtInRect(&button->FRect, at);
      if (!onButton && want.At(x, y) != shot.At(at.x, at.y)) ++bad;
    }
  return bad;
}

int MenuTextWidth(const std::string& text) {
  const ClientDC screen(nullptr);
  const SelectGuard font(screen.get(), Screen().MenuFont().Handle());
  SIZE size{};
  GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

TEST_F(MenuSkinning, TheBarShowsEachSkinsBandActiveAndInactiveWithItsButtonsInPlace) {
  std::unique_ptr<TForm> other(TForm::Create<TForm>(static_cast<TComponent*>(nullptr)));
  other->SetBounds(760, 560, 200, 150);
  for (int n = 0; n < kSkinCount; ++n) {
    Switch(n);
    SCOPED_TRACE(n);
    ASSERT_TRUE(WaitFor([&] { return Skinner()->WindowActive(); }));
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(BarMismatches(*Skinner(), true), 0);

    // From the bar's left cap + 4, each button as wide as its text + 10, found by ButtonAt.
    const TWinSkinMenu& bar = *Skinner()->MenuBar();
    ASSERT_TRUE(Skin().MenuBar && !Skin().MenuBar->Image->Empty());
    const int y = (bar.BarRect().top + bar.BarRect().bottom) / 2;
    int x = bar.BarRect().left + Skin().MenuBar->LeftWidth + 4;
    EXPECT_EQ(bar.ButtonAt({x - 1, y}), nullptr);
    for (const auto& button : bar.Buttons()) {
      const int width = MenuTextWidth(button->FCaption) + 10;
      EXPECT_EQ(bar.ButtonAt({x, y}), button.get()) << button->FCaption;
      EXPECT_EQ(bar.ButtonAt({x + width - 1, y}), button.get()) << button->FCaption;
      x += width;
    }
    EXPECT_EQ(bar.ButtonAt({x, y}), nullptr);

    other->Show();
    SetForegroundWindow(other->Handle());
    ASSERT_TRUE(WaitFor([&] { return !Skinner()->WindowActive(); }));
    EXPECT_EQ(BarMismatches(*Skinner(), false), 0);
    other->Hide();
  }
}

TEST_F(MenuSkinning, WithoutABarPictureTheBarTakesTheSkinsColourAndDisabledCaptionsTurnGrey) {
  Skin().MenuBar.reset();
  RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(BarMismatches(*Skinner(), true), 0);
  EXPECT_EQ(Button(0).FRect.left, Skinner()->MenuBar()->BarRect().left + 6);

  // The item's change reaches the bar through the toolkit's menu-changed message.
  const std::uint32_t grey = Rgb(clGrayText);
  const std::uint32_t text = Rgb(Skin().ColorMenuBarText);
  ASSERT_NE(grey, text);
  const auto count = [&](std::uint32_t colour) {
    const PixelBuffer shot = CaptureWindow(Window(), false);
    const RECT& r = Button(3).FRect;
    int found = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) found += shot.At(x, y) == colour;
    return found;
  };
  for (bool enabled : {false, true}) {
    SCOPED_TRACE(enabled);
    main_->Help1->SetEnabled(enabled);
    ASSERT_TRUE(WaitFor([&] { return Button(3).FEnabled == enabled; }));
    EXPECT_EQ(count(grey) > 0, !enabled);
    EXPECT_EQ(count(text) > 0, enabled);
  }
}

// Opening "&Skins" shows its message box (RightArrowOnSkinsOpensItsSubmenuAndItsMessage),
// which takes the activation and so ends the menu: under Wine no input reaches the submenu
// after it. The choice of a skin is therefore made as the menu reports it, a WM_COMMAND with
// the item's command to the window, and checked by what the window shows afterwards.
TEST_F(MenuSkinning, ChoosingASkinFromTheSkinsSubmenuSwitchesTheSkin) {
  TMenuItem* const items[] = {main_->skin0, main_->skin1, main_->skin2, main_->skin3, main_->skin4, main_->skin5};
  for (int k : {2, 0}) {
    SCOPED_TRACE(k);
    const PixelImage before = Skin().MenuBar->Image->ToImage();
    PostMessageA(Window(), WM_COMMAND, items[k]->Command(), 0);
    ASSERT_TRUE(WaitFor([&] { return main_->SkinIndex == k && SkinManager()->CurrentSkinData() == nullptr; }));
    EXPECT_NE(Skin().MenuBar->Image->ToImage().pixels, before.pixels);
    SetForegroundWindow(Window());
    ASSERT_TRUE(WaitFor([&] { return Skinner()->WindowActive(); }));
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(BarMismatches(*Skinner(), true), 0);
    // The Options menu now checks that skin.
    ASSERT_TRUE(PlayFromButton(2, {{[] { return Showing(2); }, [] { PressKey(VK_ESCAPE); }}}));
    EXPECT_TRUE(items[k]->Checked());
  }
}

TEST_F(MenuSkinning, TheSkinnedSystemMenuRightAlignsItsShortcut) {
  TPopupMenu& sys = *Skinner()->SysMenu();
  const int close = sys.Items()->Count() - 1;
  ASSERT_EQ(ShortCutToText(sys.Items()->Items(close)->ShortCut()), "Shift+F4");
  int rightmostInk = -1;
  int itemWidth = 0;
  bool done = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  LoopTicker ticker([&] {
    HWND menu = FindThreadWindow("#32768");
    RECT r{};
    const bool late = std::chrono::steady_clock::now() > deadline;
    if (done || ((!menu || !GetMenuItemRect(nullptr, sys.Handle(), close, &r)) && !late)) return;
    std::vector<bool> ink;
    if (menu) {
      const MenuWindowOracle oracle(Skin(), menu);
      OffsetRect(&r, -oracle.window.left, -oracle.window.top);
      const PixelImage face = oracle.Item(r, 1);
      ink.assign(static_cast<std::size_t>(face.width), false);
      for (int y = 0; y < face.height; ++y)
        for (int x = 0; x < face.width; ++x)
          if (face.At(x, y) != oracle.shot.At(r.left + x, r.top + y)) ink[static_cast<std::size_t>(x)] = true;
      // Drawn once the item's right end, where no text lies, shows the face.
      const bool drawn = face.width > 12 && std::find(ink.end() - 8, ink.end(), true) == ink.end();
      if (!drawn && !late) return;
      itemWidth = face.width;
    }
    for (std::size_t x = 0; x < ink.size(); ++x)
      if (ink[x]) rightmostInk = static_cast<int>(x);
    done = true;
    EndMenu();
  });
  const RECT title = Skinner()->TextRect();
  RightClick(Window(), {(title.left + title.right) / 2, (title.top + title.bottom) / 2});
  ASSERT_TRUE(WaitFor([&] { return done && !Skinner()->FMenuTracking && !FindThreadWindow("#32768"); }));
  // The text ends at the item's right edge - 11, less a few pixels of the last glyph's
  // advance; left-aligned it would end some fifty pixels further left.
  EXPECT_LT(rightmostInk, itemWidth - 11);
  EXPECT_GE(rightmostInk, itemWidth - 11 - 8);
}

// The system check mark: black where it is drawn, as the menu shows it in the button-text colour.
PixelBuffer CheckMarkBitmap() {
  constexpr WORD kCheckBitmap = 32760;  // OBM_CHECK
  UniqueBitmap mark(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckBitmap)));
  BITMAP info{};
  GetObjectA(mark.get(), sizeof info, &info);
  const ClientDC screen(nullptr);
  UniqueDC memory(CreateCompatibleDC(screen.get()));
  const SelectGuard select(memory.get(), mark.get());
  return CaptureRect(memory.get(), 0, 0, info.bmWidth, info.bmHeight);
}

TEST_F(MenuSkinning, CheckMarksFollowTheServerBoxesAndSitInTheItemsBox) {
  const DrawnItems drawn(Window());
  const PixelBuffer mark = CheckMarkBitmap();
  ASSERT_GT(mark.width, 0);
  main_->charservercheck->SetChecked(false);
  HMENU servers = Button(1).FSubMenu;
  std::vector<int> bad(3, -1);
  ASSERT_TRUE(PlayFromButton(
      1, {{[&] { return Showing(1) && (GetMenuState(servers, 0, MF_BYPOSITION) & MF_HILITE); },
           [&] {
             HWND menu = FindThreadWindow("#32768");
             const MenuWindowOracle oracle(Skin(), menu);
             POINT client{0, 0};
             ClientToScreen(menu, &client);
             for (int position = 0; position < 3; ++position) {
               RECT r = drawn.Of(GetMenuItemID(servers, position));
               OffsetRect(&r, client.x - oracle.window.left, client.y - oracle.window.top);
               const bool checked = (GetMenuState(servers, position, MF_BYPOSITION) & MF_CHECKED) != 0;
               const bool selected = (GetMenuState(servers, position, MF_BYPOSITION) & MF_HILITE) != 0;
               const PixelImage face = oracle.Item(r, selected ? 4 : 1);
               // The 16-pixel box after the strip's left cap; the mark centred in it, moved by (1, 1).
               const int left = 1 + Skin().MenuItem->LeftWidth + (16 - mark.width) / 2 + 1;
               const int top = 1 + (16 - mark.height) / 2 + 1;
               bad[static_cast<std::size_t>(position)] = 0;
               for (int y = 0; y < mark.height; ++y)
                 for (int x = 0; x < mark.width; ++x) {
                   const bool ink = checked && (mark.At(x, y) & 0xFFFFFF) == 0;
                   const std::uint32_t want = ink ? Rgb(Skin().ColorButtonText) : face.At(left + x, top + y);
                   if (want != oracle.shot.At(r.left + left + x, r.top + top + y)) ++bad[static_cast<std::size_t>(position)];
                 }
             }
             EndMenu();
           }}}));
  EXPECT_EQ(bad, (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(main_->LoginServer1->Checked());
  EXPECT_FALSE(main_->CharServer1->Checked());
}

TEST_F(MenuSkinning, TheTrayMenuIsSkinnedWhileSkinningIsOnAndTagNinetyNineKeepsItsDrawing) {
  TPopupMenu* tray = main_->PopupMenu1;
  TMenuItem* first = tray->Items()->Items(0);
  TPopupMenu own(main_.get());
  own.SetTag(99);
  auto* ownItem = new TMenuItem(&own);
  ownItem->SetCaption("Own");
  own.Items()->Add(ownItem);
  SetActive(false);
  SetActive(true);
  ASSERT_TRUE(WaitFor([&] { return Skinner() && Skinner()->SkinState() == 1; }));
  EXPECT_TRUE(tray->OwnerDraw());
  EXPECT_TRUE(first->OnAdvancedDrawItem);
  EXPECT_FALSE(own.OwnerDraw());
  EXPECT_FALSE(ownItem->OnAdvancedDrawItem);

  // Its menu window answers as skinned and shows the skin's item strip.
  bool skinnedWindow = false;
  {
    LoopTicker ticker([&] {
      if (HWND menu = FindThreadWindow("#32768")) {
        skinnedWindow = SendMessageA(menu, SM_ISSKINNED, 0, 0) == 1;
        EndMenu();
      }
    });
    tray->Popup(100, 100);
  }
  EXPECT_TRUE(skinnedWindow);

  SetActive(false);
  EXPECT_FALSE(tray->OwnerDraw());
  EXPECT_FALSE(first->OnAdvancedDrawItem);
}

}  // namespace
}  // namespace korvale::testing
