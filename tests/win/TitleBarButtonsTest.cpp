// Title-bar buttons, the non-client mouse and the skinned system menu, on the real main
// window and on a sizeable form with both boxes, in each of the six bundled skins, with
// real pointer input where the behaviour depends on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "core/SoftBlit.h"
#include "core/SysButtonLayout.h"
#include "skin/data/SkinData.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/LoopTicker.h"
#include "tests/support/MenuLoopDriver.h"
#include "tests/support/PointerInput.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/RealMainWindow.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"

namespace korvale::testing {
namespace {

constexpr int kSkinCount = 6;

HWND OpenMenuWindow() { return FindThreadWindow("#32768"); }

// Waits out the double-click time since `since` (a GetTickCount value).
void WaitOutDoubleClickSince(DWORD since) {
  ASSERT_TRUE(WaitFor([&] { return GetTickCount() - since > GetDoubleClickTime(); }));
}

// Opens a menu with `open` and ends it as soon as it shows.
bool OpenAndEndMenu(const std::function<void()>& open) {
  return RunInsideMenuLoop(open, [](HWND) {});
}

// What a menu showed: which items were enabled, and when it opened.
struct MenuSeen {
  std::vector<bool> enabled;
  DWORD opened = 0;
};

// Once `menu` shows, notes what it shows and clicks its item with command `command`.
std::function<void()> ChooseWhenShown(HMENU menu, UINT command, MenuSeen& seen) {
  return [=, &seen] {
    int position = GetMenuItemCount(menu) - 1;
    while (position >= 0 && GetMenuItemID(menu, position) != command) --position;
    RECT item{};
    if (!seen.enabled.empty() || !OpenMenuWindow() || !GetMenuItemRect(nullptr, menu, position, &item)) return;
    seen.opened = GetTickCount();
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
      seen.enabled.push_back((GetMenuState(menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0);
    // Inside the menu's loop the click is queued at once; the loop takes it.
    SetCursorPos((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
  };
}

class TitleBarButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(main_.Open());
    ASSERT_TRUE(Activate(main_->Handle()));

    form_.reset(TForm::Create<TForm>(static_cast<TComponent*>(nullptr)));
    form_->SetBorderStyle(TFormBorderStyle::bsSizeable);
    form_->SetBounds(380, 220, 360, 260);
    form_->OnCloseQuery = TCloseQueryEvent(this, &TitleBarButtons::RefuseClose);
    form_->Show();
    ASSERT_TRUE(Activate(form_->Handle()));
  }

  void TearDown() override {
    form_.reset();
    main_.Close();
  }

  void RefuseClose(TObject*, bool& canClose) {
    ++closeQueries_;
    canClose = false;
  }

  static TWinSkinForm* Skinner(HWND window) { return RealMainWindow::SkinnerOf(window); }
  TSkinData& Skin() const { return main_.Skin(); }

  static bool Activate(HWND window) {
    SetForegroundWindow(window);
    return WaitFor([&] {
      TWinSkinForm* s = Skinner(window);
      return s && s->SkinState() == 1 && s->WindowActive() && GetForegroundWindow() == window;
    });
  }

  void Switch(int n) {
    Skin().LoadFromStore(main_->SkinStore1, n);
    ASSERT_TRUE(WaitFor([] { return SkinManager()->CurrentSkinData() == nullptr; }));
    for (TForm* f : {static_cast<TForm*>(main_.get()), form_.get()})
      RedrawWindow(f->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }

  // The first visible title-bar button with this action, or null.
  static TWinSysButton* Button(HWND window, int action) {
    for (const auto& b : Skinner(window)->SysButtons()) {
      if (b->FVisible && b->FSkin->Action == action && b->FSkin->Visibility != 100 && !b->FSkin->Image->Empty())
        return b.get();
    }
    return nullptr;
  }

  static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  static LPARAM ScreenLParam(HWND window, POINT at) {
    const POINT screen = ScreenPointOf(window, at);
    return MAKELPARAM(screen.x, screen.y);
  }

  // A point of the caption band that no title-bar button covers, in window coordinates.
  static POINT FreeTitlePoint(HWND window) {
    TWinSkinForm& s = *Skinner(window);
    RECT outer{};
    GetWindowRect(window, &outer);
    const int y = (kFrameGripRows + 1 + s.Widths().top) / 2;
    for (int x = s.Widths().left + 4; x < outer.right - outer.left; x += 2) {
      bool covered = false;
      for (const auto& b : s.SysButtons()) covered = covered || (b->FVisible && PtInRect(&b->FRect, {x, y}));
      if (!covered) return {x, y};
    }
    return {0, y};
  }

  // Pixels of the button on screen that differ from frame `frame` of its image (the icon
  // for an icon button), leaving out magenta and what the window region cuts away.
  static int ButtonMismatches(HWND window, const TWinSysButton& b, int frame) {
    const TDataSkinSysButton& s = *b.FSkin;
    const bool icon = s.Action == 3 || s.Action == 11;
    const PixelImage strip = icon ? Skinner(window)->Icon().ToImage() : s.Image->ToImage();
    const int frames = icon ? 1 : s.FrameCount;
    const int width = b.FRect.right - b.FRect.left;
    const int height = b.FRect.bottom - b.FRect.top;
    PixelImage want;
    want.Resize(width, height, kTransparentKey);
    StretchCopy(want, {0, 0, width, height}, strip,
                FrameInStrip(strip.width, strip.height, frames, icon ? 1 : frame, StripLayout::SideBySide));
    const PixelBuffer shot = CaptureWindow(window, false);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion = GetWindowRgn(window, region) != ERROR;
    int bad = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int wx = b.FRect.left + x;
        const int wy = b.FRect.top + y;
        if (want.At(x, y) == kTransparentKey || (hasRegion && !PtInRegion(region, wx, wy))) continue;
        if (want.At(x, y) != shot.At(wx, wy)) ++bad;
      }
    }
    DeleteObject(region);
    return bad;
  }

  RealMainWindow main_{"titlebar", {19721, 19722, 19723}};
  std::unique_ptr<TForm> form_;
  int closeQueries_ = 0;
};

TEST_F(TitleBarButtons, EverySkinPlacesAndPaintsTheButtonsByItsRules) {
  std::set<std::vector<int>> placements;
  for (int n = 0; n < kSkinCount; ++n) {
    Switch(n);
    for (TForm* f : {static_cast<TForm*>(main_.get()), form_.get()}) {
      HWND window = f->Handle();
      SCOPED_TRACE("skin " + std::to_string(n) + (f == form_.get() ? ", sizeable form" : ", main window"));
      ASSERT_TRUE(Activate(window));
      RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
      TWinSkinForm& skinner = *Skinner(window);
      RECT outer{};
      GetWindowRect(window, &outer);
      SysButtonWindow traits;
      traits.systemMenu = (f->BorderIcons() & biSystemMenu) != 0;
      traits.maximizeBox = f->BorderStyle() == TFormBorderStyle::bsSizeable && (f->BorderIcons() & biMaximize);
      traits.minimizeBox = (f->BorderIcons() & biMinimize) != 0;
      traits.active = true;
      traits.menuHeight = skinner.Widths().menu;
      std::vector<SysButtonShape> shapes;
      for (const auto& b : skinner.SysButtons()) {
        const TDataSkinSysButton& s = *b->FSkin;
        const SysButtonRule rule{s.Action, s.Align, s.Xcoord, s.Ycoord, s.Visibility, s.Visibility1};
        shapes.push_back({rule, ButtonVisible(rule, traits), s.Image->Width(), s.Image->Height(), s.FrameCount});
      }
      const SkinFrameWidths w = skinner.Widths();
      const RECT text = skinner.TextRect();
      const TDataSkinObject& bar = *Skin().MenuBar;
      const SysButtonLayout layout = LayoutSysButtons(
          shapes, {static_cast<int>(outer.right - outer.left), w.left, w.top, w.right, w.menu,
                   {text.left, text.top, text.right, text.bottom}, bar.Image->Empty() ? 0 : bar.LeftWidth, false});
      EXPECT_EQ(skinner.MaxButtonLeft(), layout.maxButtonLeft);
      std::vector<int> placement;
      int shown = 0;
      for (std::size_t i = 0; i < shapes.size(); ++i) {
        const TWinSysButton& b = *skinner.SysButtons()[i];
        SCOPED_TRACE("button " + std::to_string(i) + " action " + std::to_string(b.FSkin->Action));
        EXPECT_EQ(b.FVisible, shapes[i].visible);
        if (!layout.rects[i]) continue;
        const PixelRect r = *layout.rects[i];
        EXPECT_EQ((PixelRect{b.FRect.left, b.FRect.top, b.FRect.right, b.FRect.bottom}), r);
        placement.insert(placement.end(), {r.left, r.top});
        if (b.FSkin->Visibility == 100) continue;
        ++shown;
        EXPECT_EQ(ButtonMismatches(window, b, 1), 0);
      }
      EXPECT_GT(shown, 0);
      const PixelImage icon = skinner.Icon().ToImage();
      EXPECT_TRUE(std::any_of(icon.pixels.begin(), icon.pixels.end(), [](std::uint32_t p) { return p != kTransparentKey; }))
          << "the icon buttons show the window's small icon";
      if (f == form_.get()) placements.insert(placement);

      // Inactive: frame 4 where the image has four frames.
      ASSERT_TRUE(Activate(f == form_.get() ? main_->Handle() : form_->Handle()));
      ASSERT_TRUE(WaitFor([&] { return !skinner.WindowActive(); }));
      RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
      for (const auto& b : skinner.SysButtons()) {
        if (!b->FVisible || b->FSkin->Image->Empty() || b->FSkin->Visibility == 100) continue;
        EXPECT_EQ(ButtonMismatches(window, *b, TitleButtonFrame(false, b->FSkin->FrameCount)), 0)
            << "inactive, action " << b->FSkin->Action;
      }
    }
  }
  EXPECT_GT(placements.size(), 1u) << "the skins place the buttons differently";
}

TEST_F(TitleBarButtons, HoverPressAndReleaseUnderThePointer) {
  HWND window = form_->Handle();
  TWinSysButton* close = Button(window, 0);
  ASSERT_NE(close, nullptr);
  const POINT onClose = Centre(close->FRect);
  RECT client{};
  GetClientRect(window, &client);
  POINT away{client.right / 2, client.bottom / 2};
  ClientToScreen(window, &away);
  away = {away.x - ScreenPointOf(window, {0, 0}).x, away.y - ScreenPointOf(window, {0, 0}).y};

  MovePointer(window, onClose);
  ASSERT_TRUE(WaitFor([&] { return close->FHotState == 3; }));
  EXPECT_EQ(Skinner(window)->FHotSpot, close);
  EXPECT_EQ(ButtonMismatches(window, *close, 3), 0);

  MovePointer(window, away);
  ASSERT_TRUE(WaitFor([&] { return close->FHotState == 1; }, std::chrono::seconds(2)));
  EXPECT_EQ(ButtonMismatches(window, *close, 1), 0);

  SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenLParam(window, onClose));
  EXPECT_EQ(close->FHotState, 2);
  EXPECT_EQ(ButtonMismatches(window, *close, 2), 0);
  SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenLParam(window, FreeTitlePoint(window)));
  EXPECT_EQ(close->FHotState, 1);

  // Pressed, dragged off and released elsewhere: nothing happens.
  Drag(window, onClose, away);
  EXPECT_EQ(close->FHotState, 1);
  EXPECT_EQ(closeQueries_, 0);

  // Pressed and released on it: the window is asked to close.
  Click(window, onClose);
  ASSERT_TRUE(WaitFor([&] { return closeQueries_ == 1; }));
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(TitleBarButtons, TheMainWindowRefusesToCloseWhileSupervising) {
  HWND window = main_->Handle();
  ASSERT_TRUE(Activate(window));
  TWinSysButton* close = Button(window, 0);
  ASSERT_NE(close, nullptr);
  main_->Button1Click(nullptr);
  ASSERT_TRUE(main_->Supervision().IsActive());
  std::string caption;
  std::string text;
  bool warned = false;
  {
    // Reads the message box and closes it from inside its loop.
    LoopTicker probe([&] {
      HWND box = FindThreadWindow("#32770");
      if (!box || !IsWindowVisible(box) || warned) return;
      char buffer[512] = {};
      GetWindowTextA(box, buffer, sizeof buffer);
      caption = buffer;
      for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowTextA(child, buffer, sizeof buffer) > 0 && GetDlgCtrlID(child) != IDOK) text = buffer;
      }
      warned = true;
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }, 50);
    Click(window, Centre(close->FRect));
    EXPECT_TRUE(WaitFor([&] { return warned; }));
  }
  main_->Button1Click(nullptr);
  EXPECT_EQ(caption, "Warning");
  EXPECT_NE(text.find("deactivate"), std::string::npos) << text;
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(TitleBarButtons, OnlyTheActiveWindowTakesNonClientMovesAndASkinChangeLeavesNoHotButton) {
  HWND window = main_->Handle();
  TWinSysButton* close = Button(window, 0);
  ASSERT_NE(close, nullptr);
  const LPARAM at = ScreenLParam(window, Centre(close->FRect));
  ASSERT_FALSE(Skinner(window)->WindowActive());
  SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, at);
  EXPECT_EQ(close->FHotState, 1);
  EXPECT_EQ(Skinner(window)->FHotSpot, nullptr);

  ASSERT_TRUE(Activate(window));
  SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, at);
  EXPECT_EQ(close->FHotState, 3);

  // A skin change frees the buttons: the window keeps no hot one.
  Switch(1);
  EXPECT_EQ(Skinner(window)->FHotSpot, nullptr);
  ASSERT_TRUE(Activate(window));
  TWinSysButton* rebuilt = Button(window, 0);
  ASSERT_NE(rebuilt, nullptr);
  SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenLParam(window, Centre(rebuilt->FRect)));
  EXPECT_EQ(Skinner(window)->FHotSpot, rebuilt);
}

TEST_F(TitleBarButtons, DoubleClicksAndButtonsMaximiseRestoreAndMinimise) {
  HWND window = form_->Handle();
  RECT normal{};
  GetWindowRect(window, &normal);
  DoubleClick(window, FreeTitlePoint(window));
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(window) != FALSE; }));

  // A drag on the title of the maximised window leaves it where it is.
  RECT maximized{};
  GetWindowRect(window, &maximized);
  const POINT grip = FreeTitlePoint(window);
  Drag(window, grip, {grip.x + 60, grip.y + 80});
  RECT after{};
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&after, &maximized));

  DoubleClick(window, FreeTitlePoint(window));
  ASSERT_TRUE(WaitFor([&] { return !IsZoomed(window); }));
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&after, &normal));

  struct Step {
    int action;
    std::function<bool()> done;
  };
  const std::vector<Step> steps = {
      {1, [&] { return IsZoomed(window) != FALSE; }},
      {1, [&] { return !IsZoomed(window) && !IsIconic(window); }},
      {2, [&] { return IsIconic(window) != FALSE; }},
  };
  for (const Step& step : steps) {
    ASSERT_TRUE(Activate(window));
    TWinSysButton* button = Button(window, step.action);
    ASSERT_NE(button, nullptr) << step.action;
    Click(window, Centre(button->FRect));
    EXPECT_TRUE(WaitFor(step.done)) << "action " << step.action;
  }
  ShowWindow(window, SW_RESTORE);

  // The main window's minimise button sends it to the notification area.
  HWND main = main_->Handle();
  ASSERT_TRUE(Activate(main));
  TWinSysButton* minimize = Button(main, 2);
  ASSERT_NE(minimize, nullptr);
  Click(main, Centre(minimize->FRect));
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
  main_->ShowHide1Click(nullptr);
}

TEST_F(TitleBarButtons, TheSystemMenuFromTheTitle) {
  struct Case {
    TForm* form;
    std::vector<std::string> captions;
  };
  const std::vector<Case> cases = {
      {form_.get(), {" Restore ", " Maximize ", " Minimize ", "-", " Close "}},
      {main_.get(), {" Restore ", " Minimize ", "-", " Close "}},
  };
  for (const Case& c : cases) {
    TPopupMenu* menu = Skinner(c.form->Handle())->SysMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Tag(), kSystemMenuTag);
    EXPECT_TRUE(menu->OwnerDraw());
    ASSERT_NE(menu->Images(), nullptr);
    EXPECT_EQ(menu->Images()->Count(), 4);
    std::vector<std::string> captions;
    for (int i = 0; i < menu->Items()->Count(); ++i) captions.push_back(menu->Items()->Items(i)->Caption());
    EXPECT_EQ(captions, c.captions);
    TMenuItem* close = menu->Items()->Items(menu->Items()->Count() - 1);
    EXPECT_EQ(ShortCutToText(close->ShortCut()), "Shift+F4");
    EXPECT_EQ(close->ImageIndex(), 3);
  }

  HWND window = form_->Handle();
  ASSERT_TRUE(Activate(window));
  TPopupMenu& menu = *Skinner(window)->SysMenu();
  MenuSeen seen;
  LoopTicker chooser(ChooseWhenShown(menu.Handle(), menu.Items()->Items(menu.Items()->Count() - 1)->Command(), seen));
  RightClick(window, FreeTitlePoint(window));
  ASSERT_TRUE(WaitFor([&] { return closeQueries_ == 1; }));
  EXPECT_EQ(seen.enabled, (std::vector<bool>{false, true, true, true, true})) << "Restore only when not normal";
  EXPECT_EQ(OpenMenuWindow(), nullptr);

  // Two openings within the double-click time close the window.
  WaitOutDoubleClickSince(seen.opened);
  const LPARAM at = ScreenLParam(window, FreeTitlePoint(window));
  EXPECT_TRUE(OpenAndEndMenu([&] { SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, at); }));
  EXPECT_EQ(closeQueries_, 1);
  SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, at);
  EXPECT_TRUE(WaitFor([&] { return closeQueries_ == 2; }));
}

TEST_F(TitleBarButtons, WithoutSystemMenuSkinningTheNativeMenuCommandsTheWindow) {
  HWND window = form_->Handle();
  TSkinControlSet controls = Skin().SkinControls();
  controls.Exclude(xcSystemMenu);
  Skin().SetSkinControls(controls);
  ASSERT_TRUE(Activate(window));
  MenuSeen seen;
  LoopTicker chooser(ChooseWhenShown(GetSystemMenu(window, FALSE), SC_CLOSE, seen));
  RightClick(window, FreeTitlePoint(window));
  EXPECT_TRUE(WaitFor([&] { return closeQueries_ == 1; })) << "its Close reaches the window";
  EXPECT_FALSE(seen.enabled.empty()) << "the native menu showed";

  // A system command reported as WM_COMMAND, as a native menu tracked for the window
  // reports it on Windows, becomes that system command.
  SendMessageA(window, WM_COMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitFor([&] { return closeQueries_ == 2; }));
}

TEST_F(TitleBarButtons, HoverPressCyclesAndMenuOpeningsLeakNothing) {
  HWND window = form_->Handle();
  TWinSysButton* maximize = Button(window, 1);
  ASSERT_NE(maximize, nullptr);
  const LPARAM on = ScreenLParam(window, Centre(maximize->FRect));
  const LPARAM off = ScreenLParam(window, FreeTitlePoint(window));
  const auto cycle = [&] {
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, on);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, on);
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, off);
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, off);
  };
  // The next opening waits out the double-click time from the end of this one, which is
  // after the skinner noted the opening.
  const auto openMenu = [&] {
    EXPECT_TRUE(OpenAndEndMenu([&] { SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, off); }));
    WaitOutDoubleClickSince(GetTickCount());
  };
  cycle();
  openMenu();
  const GuiObjectCounts before = CountGuiObjects();
  for (int i = 0; i < 50; ++i) cycle();
  EXPECT_EQ(maximize->FHotState, 1);
  for (int i = 0; i < 10; ++i) openMenu();
  EXPECT_EQ(closeQueries_, 0);
  EXPECT_FALSE(IsZoomed(window));
  EXPECT_EQ(CountGuiObjects(), before);
}

}  // namespace
}  // namespace korvale::testing
