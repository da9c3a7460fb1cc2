// The skin test bench itself: whole-window capture, region reading, real pointer input, the
// message recorder and its matcher, the menu-loop driver, object counts and the six-skin
// fixture with its waiter for deferred skin actions.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/forms/SkinManager.h"
#include "tests/support/LoopTicker.h"
#include "tests/support/MenuLoopDriver.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/MessageSequence.h"
#include "tests/support/PointerInput.h"
#include "tests/support/WinTestSupport.h"
#include "tests/support/WindowRegion.h"
#include "tests/support/skin/BundledSkinFixture.h"
#include "tests/support/skin/SkinActionWait.h"
#include "toolkit/Form.h"
#include "toolkit/GdiHandles.h"

namespace korvale::testing {
namespace {

// A captioned, sizable top-level window with double clicks, in front of everything.
class ProbeWindow {
 public:
  ProbeWindow() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "KorvaleBenchProbe";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, wc.lpszClassName, "probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120,
                              320, 220, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(window_);
    WaitFor([this] { return GetForegroundWindow() == window_; }, std::chrono::seconds(5));
  }
  ~ProbeWindow() { DestroyWindow(window_); }
  ProbeWindow(const ProbeWindow&) = delete;
  ProbeWindow& operator=(const ProbeWindow&) = delete;
  HWND get() const { return window_; }
  // The client area's top-left corner in window coordinates.
  POINT ClientOrigin() const {
    RECT r{};
    GetWindowRect(window_, &r);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    return {origin.x - r.left, origin.y - r.top};
  }

 private:
  HWND window_ = nullptr;
};

void Fill(HDC dc, RECT r, COLORREF colour) {
  UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.get());
}

TEST(TestBench, WholeWindowCaptureReadsColoursPaintedIntoTheFrame) {
  ProbeWindow probe;
  const HWND window = probe.get();
  PumpFor(std::chrono::milliseconds(100));
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const POINT client = probe.ClientOrigin();
  ASSERT_GT(client.x, 0);
  ASSERT_GT(client.y, client.x) << "a caption lies above the client area";

  struct Patch {
    const char* where;
    RECT area;
    COLORREF colour;
    POINT probe;
  };
  const Patch patches[] = {
      {"caption", {0, 0, width, client.y}, RGB(200, 30, 60), {width / 2, client.y / 2}},
      {"left border", {0, client.y, client.x, height}, RGB(20, 160, 90), {client.x / 2, height / 2}},
      {"right border", {width - client.x, client.y, width, height}, RGB(40, 50, 220), {width - 1 - client.x / 2, height / 2}},
      {"client", {client.x, client.y, width - client.x, height - client.x}, RGB(250, 240, 10), {width / 2, height / 2}},
  };
  HDC dc = GetWindowDC(window);
  for (const Patch& patch : patches) Fill(dc, patch.area, patch.colour);
  ReleaseDC(window, dc);

  const PixelBuffer shot = CaptureWindow(window, false);
  ASSERT_EQ(shot.width, width);
  ASSERT_EQ(shot.height, height);
  for (const Patch& patch : patches) {
    const COLORREF c = patch.colour;
    EXPECT_EQ(shot.At(patch.probe.x, patch.probe.y),
              static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)))
        << patch.where;
  }
}

TEST(TestBench, WindowRegionReaderTellsNoRegionFromARegionAndItsPoints) {
  ProbeWindow probe;
  const HWND window = probe.get();
  struct Check {
    POINT at;
    bool withoutRegion;
    bool withRegion;
  };
  // The region: a 100 x 80 rectangle at (20, 10) with a 20 x 20 hole at (60, 40).
  const Check checks[] = {
      {{5, 5}, true, false},    {{25, 15}, true, true},   {{65, 45}, true, false},
      {{119, 89}, true, true},  {{120, 90}, true, false}, {{319, 219}, true, false},
      {{320, 100}, false, false},
  };

  const WindowRegion none(window);
  EXPECT_FALSE(none.Exists());
  EXPECT_EQ(none.Bounds().right, 320);
  UniqueRegion region(CreateRectRgn(20, 10, 120, 90));
  UniqueRegion hole(CreateRectRgn(60, 40, 80, 60));
  CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF);
  ASSERT_TRUE(SetWindowRgn(window, region.release(), TRUE));
  const WindowRegion shaped(window);
  ASSERT_TRUE(shaped.Exists());
  EXPECT_EQ(shaped.Bounds().left, 20);
  EXPECT_EQ(shaped.Bounds().bottom, 90);
  for (const Check& check : checks) {
    EXPECT_EQ(none.Contains(check.at.x, check.at.y), check.withoutRegion) << check.at.x << "," << check.at.y;
    EXPECT_EQ(shaped.Contains(check.at.x, check.at.y), check.withRegion) << check.at.x << "," << check.at.y;
  }
}

// What the pointer helpers make a window receive, in order.
TEST(TestBench, RealInputArrivesAsAUsersWould) {
  ProbeWindow probe;
  const HWND window = probe.get();
  const POINT client = probe.ClientOrigin();
  const POINT at{client.x + 40, client.y + 30};
  const POINT to{client.x + 100, client.y + 70};
  const LPARAM atParam = MAKELPARAM(40, 30);
  const LPARAM toParam = MAKELPARAM(100, 70);
  const std::vector<UINT> pointerNoise = {WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_NCHITTEST, WM_SETCURSOR,
                                          WM_MOUSEACTIVATE, WM_GETICON, WM_TIMER};
  struct Case {
    const char* name;
    std::function<void()> act;
    std::vector<ExpectedMessage> expected;
    std::vector<UINT> ignored;
  };
  const Case cases[] = {
      {"double click", [&] { DoubleClick(window, at); },
       {{WM_LBUTTONDOWN, kPosted}, {WM_LBUTTONUP, kPosted},
        {WM_LBUTTONDBLCLK, kPosted | kLParam, 0, atParam}, {WM_LBUTTONUP, kPosted}},
       pointerNoise},
      {"click", [&] { Click(window, at); },
       {{WM_LBUTTONDOWN, kPosted | kWParam | kLParam, MK_LBUTTON, atParam},
        {WM_LBUTTONUP, kPosted | kLParam, 0, atParam}},
       pointerNoise},
      {"right click", [&] { RightClick(window, at); },
       {{WM_RBUTTONDOWN, kPosted | kWParam, MK_RBUTTON}, {WM_RBUTTONUP, kPosted | kLParam, 0, atParam},
        {WM_CONTEXTMENU, kSent | kWParam, reinterpret_cast<WPARAM>(window)}},
       pointerNoise},
      {"caption click", [&] { Click(window, {client.x + 30, client.y / 2}); },
       {{WM_NCLBUTTONDOWN, kPosted | kWParam, HTCAPTION}, {WM_SYSCOMMAND, kSent | kWParam, SC_MOVE | HTCAPTION}},
       {}},
  };
  // A click right after a double click stays a single click: the helper waits out the pairing.
  for (const Case& c : cases) {
    MessageRecorder recorder(OfWindow(window));
    c.act();
    const auto matches = [&] {
      return c.ignored.empty() ? MatchesListed(recorder.Messages(), c.expected)
                               : MatchesSequence(recorder.Messages(), c.expected, c.ignored);
    };
    WaitFor([&] { return static_cast<bool>(matches()); }, std::chrono::seconds(5));
    EXPECT_TRUE(matches()) << c.name;
  }

  // A drag shows every step, in order, with the button held.
  {
    MessageRecorder recorder(OfWindow(window));
    Drag(window, at, to, 3);
    EXPECT_TRUE(MatchesSequence(recorder.Messages(),
                                {{WM_LBUTTONDOWN, kPosted | kLParam, 0, atParam},
                                 {WM_LBUTTONUP, kPosted | kLParam, 0, toParam}},
                                pointerNoise));
    std::vector<LPARAM> moves;
    bool pressed = false;
    for (const RecordedMessage& m : recorder.Messages()) {
      if (m.message == WM_LBUTTONDOWN) pressed = true;
      if (m.message == WM_LBUTTONUP) break;
      if (!pressed || m.message != WM_MOUSEMOVE || (!moves.empty() && moves.back() == m.lParam)) continue;
      EXPECT_EQ(m.wParam, static_cast<WPARAM>(MK_LBUTTON));
      moves.push_back(m.lParam);
    }
    EXPECT_EQ(moves, (std::vector<LPARAM>{MAKELPARAM(60, 43), MAKELPARAM(80, 56), toParam}));
  }

  // The pointer itself moves, and the window sees it arrive.
  MessageRecorder recorder(OfWindow(window));
  MovePointer(window, at);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor.x, ScreenPointOf(window, at).x);
  EXPECT_EQ(cursor.y, ScreenPointOf(window, at).y);
  MovePointer(window, to);
  EXPECT_TRUE(WaitForSettled([&] {
    const auto& m = recorder.Messages();
    const auto last = std::find_if(m.rbegin(), m.rend(), [](const RecordedMessage& r) { return r.message == WM_MOUSEMOVE; });
    return last != m.rend() && last->lParam == toParam;
  })) << "the last move the window saw is at the target";
}

TEST(TestBench, SequenceMatcherTakesOptionalAndIgnoredMessagesAndRefusesTheRest) {
  const RecordedMessage down{nullptr, WM_LBUTTONDOWN, MK_LBUTTON, 5, MessageSource::kPosted};
  const RecordedMessage move{nullptr, WM_MOUSEMOVE, MK_LBUTTON, 6, MessageSource::kPosted};
  const RecordedMessage up{nullptr, WM_LBUTTONUP, 0, 7, MessageSource::kPosted};
  const RecordedMessage hit{nullptr, WM_NCHITTEST, 0, 0, MessageSource::kSent};
  const RecordedMessage paint{nullptr, WM_PAINT, 0, 0, MessageSource::kPosted};
  const ExpectedMessage eDown{WM_LBUTTONDOWN, kPosted | kWParam, MK_LBUTTON};
  const ExpectedMessage eMove{WM_MOUSEMOVE};
  const ExpectedMessage eMaybeMove{WM_MOUSEMOVE, kOptional};
  const ExpectedMessage eUp{WM_LBUTTONUP, kLParam, 0, 7};
  struct Case {
    const char* name;
    std::vector<RecordedMessage> received;
    std::vector<ExpectedMessage> expected;
    std::vector<UINT> ignored;
    bool matches;
  };
  const Case cases[] = {
      {"exact", {down, move, up}, {eDown, eMove, eUp}, {}, true},
      {"optional absent", {down, up}, {eDown, eMaybeMove, eUp}, {}, true},
      {"optional present", {down, move, up}, {eDown, eMaybeMove, eUp}, {}, true},
      {"optional before a required twin", {down, move, up}, {eDown, eMaybeMove, eMaybeMove, eMove, eUp}, {}, true},
      {"ignored anywhere", {hit, down, hit, move, hit, up, hit}, {eDown, eMove, eUp}, {WM_NCHITTEST}, true},
      {"empty", {}, {eMaybeMove}, {}, true},
      {"wParam differs", {down, move, up}, {{WM_LBUTTONDOWN, kWParam, MK_RBUTTON}, eMove, eUp}, {}, false},
      {"lParam differs", {down, move, move}, {eDown, eMove, {WM_MOUSEMOVE, kLParam, 0, 7}}, {}, false},
      {"source differs", {down, move, up}, {{WM_LBUTTONDOWN, kSent}, eMove, eUp}, {}, false},
      {"missing", {down, move}, {eDown, eMove, eUp}, {}, false},
      {"unexpected extra", {down, move, up, paint}, {eDown, eMove, eUp}, {}, false},
      {"out of order", {down, up, move}, {eDown, eMove, eUp}, {}, false},
      {"not ignored", {hit, down, move, up}, {eDown, eMove, eUp}, {}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<bool>(MatchesSequence(c.received, c.expected, c.ignored)), c.matches) << c.name;
  }
  EXPECT_TRUE(MatchesListed({hit, down, paint, up}, {eDown, eUp}));

  const std::string report = MatchesSequence({down, up}, {eDown, eMove, eUp}).message();
  EXPECT_NE(report.find("expected WM_MOUSEMOVE, received WM_LBUTTONUP"), std::string::npos) << report;
  EXPECT_NE(report.find("expected (3):"), std::string::npos) << report;
  EXPECT_NE(report.find("1: WM_LBUTTONUP posted w=0x0 l=0x7"), std::string::npos) << report;
}

TEST(TestBench, RecorderKeepsAToolkitWindowsMessagesInOrderAndNoOthers) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  std::unique_ptr<TForm> other(new TForm(nullptr));
  const HWND window = form->Handle();
  MessageRecorder recorder(OfWindow(window), true);
  SendMessageA(window, WM_APP + 1, 1, 2);
  PostMessageA(window, WM_APP + 2, 3, 4);
  PostMessageA(other->Handle(), WM_APP + 2, 3, 4);
  SendMessageA(other->Handle(), WM_APP + 1, 1, 2);
  SendMessageA(window, WM_APP + 3, 5, 6);
  ASSERT_TRUE(WaitFor([&] { return recorder.Messages().size() >= 5; }));
  PumpFor(std::chrono::milliseconds(50));
  EXPECT_TRUE(MatchesSequence(recorder.Messages(),
                              {{WM_APP + 1, kSent | kWParam | kLParam, 1, 2},
                               {WM_APP + 1, kReturned},
                               {WM_APP + 3, kSent | kWParam | kLParam, 5, 6},
                               {WM_APP + 3, kReturned},
                               {WM_APP + 2, kPosted | kWParam | kLParam, 3, 4}}));
}

TEST(TestBench, RecorderFollowsASystemDialogThroughItsLife) {
  MessageRecorder recorder(OfClass("#32770"));
  bool answered = false;
  const LoopTicker ticker([&] {
    HWND dialog = FindThreadWindow("#32770");
    if (dialog && !answered) answered = PostMessageA(dialog, WM_COMMAND, IDOK, 0) != FALSE;
  });
  EXPECT_EQ(MessageBoxA(nullptr, "The test bench answers this.", "Bench", MB_OK), IDOK);
  EXPECT_TRUE(MatchesListed(recorder.Messages(), {{WM_INITDIALOG, kSent},
                                                  {WM_SHOWWINDOW, kSent | kWParam, TRUE},
                                                  {WM_COMMAND, kPosted | kWParam, IDOK},
                                                  {WM_DESTROY, kSent}}));
}

TEST(TestBench, MenuLoopDriverInspectsThePopupMenuWindowAndEndsTheMenu) {
  ProbeWindow owner;
  UniqueMenu menu(CreatePopupMenu());
  AppendMenuA(menu.get(), MF_STRING, 101, "First");
  AppendMenuA(menu.get(), MF_STRING, 102, "Second");
  struct Seen {
    std::string className;
    bool visible;
    int captureWidth;
    int width;
  };
  bool returned = false;
  const std::optional<Seen> seen = InsideMenuLoop(
      [&] {
        TrackPopupMenu(menu.get(), TPM_RETURNCMD, 300, 300, 0, owner.get(), nullptr);
        returned = true;
      },
      [](HWND menuWindow) {
        char name[64] = {};
        GetClassNameA(menuWindow, name, sizeof name);
        RECT r{};
        GetWindowRect(menuWindow, &r);
        return Seen{name, IsWindowVisible(menuWindow) != FALSE, CaptureWindow(menuWindow, false).width,
                    static_cast<int>(r.right - r.left)};
      });
  ASSERT_TRUE(seen.has_value());
  EXPECT_EQ(seen->className, "#32768");
  EXPECT_TRUE(seen->visible);
  EXPECT_GT(seen->width, 0);
  EXPECT_EQ(seen->captureWidth, seen->width);
  EXPECT_TRUE(returned);
  EXPECT_EQ(FindThreadWindow("#32768"), nullptr) << "the menu has ended";
}

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(TestBench, CountsFollowWindowsIconsCursorsAndHooks) {
  const BYTE andMask[32 * 4] = {};
  const BYTE xorMask[32 * 4] = {};
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  struct Case {
    const char* name;
    DWORD GuiObjectCounts::*count;
    std::function<std::function<void()>()> make;  // answers how to free what it made
  };
  const Case cases[] = {
      {"icon", &GuiObjectCounts::icons,
       [&] {
         HICON icon = CreateIcon(nullptr, 32, 32, 1, 1, andMask, xorMask);
         return std::function<void()>([icon] { DestroyIcon(icon); });
       }},
      {"cursor", &GuiObjectCounts::icons,
       [&] {
         HCURSOR cursor = CreateCursor(nullptr, 0, 0, 32, 32, andMask, xorMask);
         return std::function<void()>([cursor] { DestroyCursor(cursor); });
       }},
      {"hook", &GuiObjectCounts::hooks,
       [] {
         HHOOK hook = SetWindowsHookExA(WH_CBT, PassOn, nullptr, GetCurrentThreadId());
         return std::function<void()>([hook] { UnhookWindowsHookEx(hook); });
       }},
      // Hidden, child and message-only windows all count: the walk enumerates each kind.
      {"hidden window", &GuiObjectCounts::user,
       [] {
         HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
         return std::function<void()>([window] { DestroyWindow(window); });
       }},
      {"child window", &GuiObjectCounts::user,
       [&] {
         HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
         return std::function<void()>([child] { DestroyWindow(child); });
       }},
      {"message-only window", &GuiObjectCounts::user,
       [] {
         HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
         return std::function<void()>([window] { DestroyWindow(window); });
       }},
      {"wide hook", &GuiObjectCounts::hooks,
       [] {
         HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, PassOn, nullptr, GetCurrentThreadId());
         return std::function<void()>([hook] { UnhookWindowsHookEx(hook); });
       }},
  };
  for (const Case& c : cases) {
    const GuiObjectCounts before = CountGuiObjects();
    const std::function<void()> free = c.make();
    EXPECT_EQ(CountGuiObjects().*c.count, before.*c.count + 1) << c.name;
    free();
    EXPECT_EQ(CountGuiObjects(), before) << c.name;
  }
  DestroyWindow(parent);
}

class TestBenchSkins : public BundledSkinTest {};

TEST_P(TestBenchSkins, HoldTheNamedSkinAndWaitForItsDeferredActivation) {
  TMemoryStream item;
  Store().Store()->Item(GetParam().index)->CopyDataTo(item);
  ASSERT_EQ(Skin().SkinStream.Size(), item.Size());
  EXPECT_TRUE(std::equal(item.Memory(), item.Memory() + item.Size(), Skin().SkinStream.Memory()));

  // After the first window activation, requests wait for the manager's timer.
  TSkinManage& manager = *SkinManager();
  ProbeWindow probe;
  ASSERT_TRUE(WaitFor([&] { return manager.Activations() != 0; }, std::chrono::seconds(5)));
  Skin().SetActive(true);
  EXPECT_FALSE(manager.IsActive());
  ASSERT_TRUE(WaitForSkinAction());
  EXPECT_TRUE(manager.IsActive());
}

INSTANTIATE_TEST_SUITE_P(Bundled, TestBenchSkins, ::testing::ValuesIn(BundledSkins()), BundledSkinTestName);

}  // namespace
}  // namespace korvale::testing
