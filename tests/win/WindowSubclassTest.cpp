// Hooks in front of a window's procedure: any order on, any order off, each leaving the
// window's procedure and message path exactly as it found them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "toolkit/WindowSubclass.h"

namespace korvale::testing {
namespace {

constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kAct = WM_APP + 2;
constexpr int kBase = -1;

// Which procedures saw the probe (hook numbers, kBase for the window's own), and how often
// the window's own procedure heard of its end.
struct Trail {
  std::vector<int> probes;
  int baseEnds = 0;
};
Trail* gTrail = nullptr;

LRESULT CALLBACK BaseProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) gTrail->probes.push_back(kBase);
  if (msg == WM_NCDESTROY) ++gTrail->baseEnds;
  return DefWindowProcA(window, msg, wParam, lParam);
}

HWND MakeWindow() {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = BaseProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KorvaleSubclassProbe";
    return RegisterClassA(&wc);
  }();
  EXPECT_NE(atom, 0);
  return CreateWindowExA(0, "KorvaleSubclassProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

enum class Act { None, RemoveThenForward, FreeSelf, DestroyWindowThenForward, Swallow };

struct Hook {
  int number = 0;
  Act onAct = Act::None;
  bool sawEnd = false;
  TWindowSubclass subclass;
  std::unique_ptr<Hook>* holder = nullptr;  // for freeing itself

  void Handle(TMessage& message) {
    if (message.Msg == kProbe) gTrail->probes.push_back(number);
    if (message.Msg == WM_NCDESTROY) sawEnd = true;
    if (message.Msg == kAct) {
      switch (onAct) {
        case Act::RemoveThenForward:
          subclass.Remove();
          break;
        case Act::FreeSelf:
          holder->reset();
          return;
        case Act::DestroyWindowThenForward:
          DestroyWindow(subclass.Window());
          break;
        case Act::Swallow:
          return;
        case Act::None:
          break;
      }
    }
    if (message.Msg == WM_NCDESTROY && onAct == Act::Swallow) return;
    subclass.CallNext(message);
  }
};

class WindowSubclass : public ::testing::Test {
 protected:
  void SetUp() override {
    gTrail = &trail;
    window = MakeWindow();
    ASSERT_NE(window, nullptr);
    original = GetWindowLongPtrA(window, GWLP_WNDPROC);
    for (int i = 0; i < 3; ++i) {
      hooks[i] = std::make_unique<Hook>();
      hooks[i]->number = i;
      hooks[i]->holder = &hooks[i];
      ASSERT_TRUE(hooks[i]->subclass.Attach(window, TWndMethod(hooks[i].get(), &Hook::Handle)));
    }
  }
  void TearDown() override {
    for (auto& hook : hooks) hook.reset();
    if (IsWindow(window)) DestroyWindow(window);
    gTrail = nullptr;
  }
  // A new window with three new hooks, for each case of a table.
  void Fresh() {
    TearDown();
    trail = Trail{};
    SetUp();
  }
  // The probe's path through the window now.
  std::vector<int> Path() {
    trail.probes.clear();
    SendMessageA(window, kProbe, 0, 0);
    return trail.probes;
  }
  // The newest hook first, then the window's own procedure.
  std::vector<int> Expected(const std::vector<int>& attached) {
    std::vector<int> path(attached.rbegin(), attached.rend());
    path.push_back(kBase);
    return path;
  }

  Trail trail;
  HWND window = nullptr;
  LONG_PTR original = 0;
  std::array<std::unique_ptr<Hook>, 3> hooks;
};

TEST_F(WindowSubclass, ComesOffInEveryOrder) {
  std::array<int, 3> order{0, 1, 2};
  do {
    SCOPED_TRACE(::testing::Message() << order[0] << order[1] << order[2]);
    for (int i = 0; i < 3; ++i) {
      if (!hooks[i]) {
        hooks[i] = std::make_unique<Hook>();
        hooks[i]->number = i;
      }
      ASSERT_TRUE(hooks[i]->subclass.Attach(window, TWndMethod(hooks[i].get(), &Hook::Handle)));
    }
    std::vector<int> attached{0, 1, 2};
    EXPECT_EQ(Path(), Expected(attached));
    for (int n : order) {
      hooks[n]->subclass.Remove();
      attached.erase(std::find(attached.begin(), attached.end(), n));
      EXPECT_EQ(Path(), Expected(attached));
    }
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
  } while (std::next_permutation(order.begin(), order.end()));
}

// A hook that acts inside its own handler; the others stay in place around it.
TEST_F(WindowSubclass, ActsInsideItsOwnHandler) {
  for (Act act : {Act::RemoveThenForward, Act::FreeSelf}) {
    SCOPED_TRACE(static_cast<int>(act));
    Fresh();
    hooks[1]->onAct = act;
    SendMessageA(window, kAct, 0, 0);
    EXPECT_EQ(Path(), Expected({0, 2}));
    for (auto& hook : hooks)
      if (hook) hook->subclass.Remove();
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
  }
}

// The window goes while hooked, from outside or from inside a handler: its own procedure
// hears of its end once, every hook lets go, and freeing the hooks afterwards is harmless.
TEST_F(WindowSubclass, WindowDestroyedWhileHooked) {
  const Act cases[] = {Act::None, Act::Swallow, Act::DestroyWindowThenForward};
  for (Act act : cases) {
    SCOPED_TRACE(static_cast<int>(act));
    Fresh();
    hooks[2]->onAct = act;
    if (act == Act::DestroyWindowThenForward)
      SendMessageA(window, kAct, 0, 0);
    else
      DestroyWindow(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(trail.baseEnds, 1);
    for (auto& hook : hooks) {
      EXPECT_TRUE(hook->sawEnd);
      EXPECT_FALSE(hook->subclass.Attached());
    }
  }
}

}  // namespace
}  // namespace korvale::testing
