// Menus of the real main window in a skin: the bar's drop-downs drawn from the skin's item
// and background pictures, keyboard and pointer moving between drop-downs, and the tray's
// popup menu drawn from the skin only while skinning is on.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/MainForm.h"
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
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"

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
    const TDataSkinObject* item = Skin().MenuItem.get();
    const TDataSkinObject* back = Skin().MenuBackground.get();
    ASSERT_TRUE(item && back);
    HMENU file = Button(0).FSubMenu;
    int badItems = -1;
    int badFrame = -1;
    POINT at{};
    const auto inspect = [&] {
      HWND menu = FindThreadWindow("#32768");
      RECT window{};
      GetWindowRect(menu, &window);
      at = {window.left, window.top};
      POINT client{0, 0};
      ClientToScreen(menu, &client);
      const int width = window.right - window.left;
      const int height = window.bottom - window.top;
      const PixelBuffer shot = CaptureWindow(menu, false);
      const PixelImage background =
          ComposeFrame(width, height, back->Image->ToImage(), 1, 1, StripLayout::SideBySide,
                       {back->LeftWidth, back->TopHeight, back->RightWidth, back->BottomHeight}, back->Tile != 0);
      badFrame = 0;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          if ((x < 3 || y < 3 || x >= width - 3 || y >= height - 3) && background.At(x, y) != shot.At(x, y)) ++badFrame;
      // The right end of an item holds no text: the item strip's frame (4 selected, 1 not)
      // over the background.
      badItems = 0;
      for (int position : {0, 2}) {
        RECT r = drawn.Of(GetMenuItemID(file, position));
        OffsetRect(&r, client.x - window.left, client.y - window.top);
        const PixelImage face = ComposeFrame(r.right - r.left, r.bottom - r.top, item->Image->ToImage(), 5,
                                             position == 0 ? 4 : 1, StripLayout::SideBySide,
                                             {item->LeftWidth, item->TopHeight, item->RightWidth, item->BottomHeight},
                                             item->Tile != 0);
        if (face.width < 8) ++badItems;
        for (int y = 0; y < face.height; ++y)
          for (int x = face.width - 8; x >= 0 && x < face.width; ++x) {
            std::uint32_t want = face.At(x, y);
            if (item->Trans == 1 && want == kTransparentKey) want = background.At(r.left + x, r.top + y);
            if (want != shot.At(r.left + x, r.top + y)) ++badItems;
          }
      }
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
