#pragma once

// Real pointer input: SendInput moves the system's pointer and queues the buttons, so every
// window, hook and modal loop sees what a user's hand would make. Points are relative to the
// window's top-left corner, frame included, so that captions and borders are reachable.
//
// The helpers queue input and return; the caller pumps (WaitFor) to have it delivered, so a
// click may start a modal loop (a menu, a window move) without blocking the helper.
#include <windows.h>

#include <chrono>
#include <functional>

namespace korvale::testing {

enum class MouseButton { kLeft, kRight };

POINT ScreenPointOf(HWND window, POINT at);

// Moves the pointer there and waits until it stays (messages are pumped meanwhile).
void MovePointer(HWND window, POINT at);
// Moves there, then presses and releases. A click soon after the previous one would make a
// double click, so the double-click time is waited out first.
void Click(HWND window, POINT at, MouseButton button = MouseButton::kLeft);
void RightClick(HWND window, POINT at);
// Moves there and presses the button, and later lets it go where the pointer is then: for
// looks that show only while a button is held.
void PressAt(HWND window, POINT at, MouseButton button = MouseButton::kLeft);
void ReleaseButton(MouseButton button = MouseButton::kLeft);
// Two clicks well within GetDoubleClickTime.
void DoubleClick(HWND window, POINT at);
// Waits, pumping, until a click now would not pair with the previous one.
void WaitOutDoubleClick();
// Presses at `from`, moves in `steps` even steps to `to` and releases there. Each step waits
// until the pointer has stayed at the previous one and its input has left the queue, and is
// sent from a timer, so a modal loop that the press starts (a move loop, a thumb drag) sees
// every step; moves that this program did not inject are held back meanwhile. Returns after
// the release was taken from the queue.
void Drag(HWND window, POINT from, POINT to, int steps = 4);

// Pumps until the condition has held on three checks in a row: a hover state that follows
// the pointer may flicker while the moves drain.
bool WaitForSettled(const std::function<bool()>& condition,
                    std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace korvale::testing
