#include "tests/support/PointerInput.h"

#include "tests/support/LoopTicker.h"
#include "tests/support/WinTestSupport.h"
#include "toolkit/GdiHandles.h"

namespace korvale::testing {

namespace {

// When the last button press was queued: the system pairs clicks by this time, whoever made
// them, so the memory is process-wide too.
DWORD lastPressTick = 0;

void SendMouse(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // Absolute positions run from 0 to 65535 over the screen; rounding up lands the pointer
    // on the pixel itself.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<long long>(screen.y) * 65536 + height - 1) / height);
  }
  SendInput(1, &input, sizeof input);
}

void Press(MouseButton button) {
  lastPressTick = GetTickCount();
  SendMouse(button == MouseButton::kLeft ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
}

void Release(MouseButton button) {
  SendMouse(button == MouseButton::kLeft ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

bool MouseInputQueued() { return HIWORD(GetQueueStatus(QS_MOUSE)) != 0; }

// Under Wine the display echoes every move back as input of its own, late: an echo of an
// earlier step could arrive after a newer one. Such input, not injected by us, is dropped.
LRESULT CALLBACK DropEchoes(int code, WPARAM wParam, LPARAM lParam) {
  const auto& info = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && wParam == WM_MOUSEMOVE && !(info.flags & LLMHF_INJECTED)) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

POINT ScreenPointOf(HWND window, POINT at) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left + at.x, r.top + at.y};
}

void MovePointer(HWND window, POINT at) {
  const POINT screen = ScreenPointOf(window, at);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
  PlacePointer(screen.x, screen.y);
}

void WaitOutDoubleClick() {
  const DWORD interval = GetDoubleClickTime();
  WaitFor([&] { return GetTickCount() - lastPressTick > interval; },
          std::chrono::milliseconds(interval + 1000));
}

void Click(HWND window, POINT at, MouseButton button) {
  PressAt(window, at, button);
  Release(button);
}

void RightClick(HWND window, POINT at) { Click(window, at, MouseButton::kRight); }

void PressAt(HWND window, POINT at, MouseButton button) {
  WaitOutDoubleClick();
  MovePointer(window, at);
  Press(button);
}

void ReleaseButton(MouseButton button) { Release(button); }

void DoubleClick(HWND window, POINT at) {
  WaitOutDoubleClick();
  MovePointer(window, at);
  for (int i = 0; i < 2; ++i) {
    Press(MouseButton::kLeft);
    Release(MouseButton::kLeft);
  }
}

void Drag(HWND window, POINT from, POINT to, int steps) {
  WaitOutDoubleClick();
  MovePointer(window, from);
  const POINT start = ScreenPointOf(window, from);
  const POINT end = ScreenPointOf(window, to);
  const auto stepPoint = [&](int step) -> POINT {
    return {start.x + (end.x - start.x) * step / steps, start.y + (end.y - start.y) * step / steps};
  };
  const UniqueHook echoes(SetWindowsHookExA(WH_MOUSE_LL, DropEchoes, GetModuleHandleA(nullptr), 0));
  int step = 0;
  int still = 0;
  bool released = false;
  LoopTicker ticker([&] {
    if (released || MouseInputQueued()) return;
    const POINT target = stepPoint(step);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (cursor.x != target.x || cursor.y != target.y) {
      still = 0;
      SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, target);
      return;
    }
    if (++still < 3) return;
    still = 0;
    if (step < steps) {
      SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, stepPoint(++step));
      return;
    }
    Release(MouseButton::kLeft);
    released = true;
  }, 25);
  Press(MouseButton::kLeft);
  WaitFor([&] { return released && !MouseInputQueued(); });
}

bool WaitForSettled(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  int held = 0;
  return WaitFor([&] {
    held = condition() ? held + 1 : 0;
    return held >= 3;
  }, timeout);
}

}  // namespace korvale::testing
