#include "tests/support/MessageRecorder.h"

#include <algorithm>

#include "toolkit/GdiHandles.h"

namespace korvale::testing {

// Hook procedures carry no context, so the thread's recorders share one set of hooks, made
// for the first recorder and removed with the last.
struct RecorderHooks {
  std::vector<MessageRecorder*> recorders;
  UniqueHook sent;
  UniqueHook returned;
  UniqueHook queued;

  static RecorderHooks& OfThread() {
    thread_local RecorderHooks hooks;
    return hooks;
  }

  static void Deliver(const RecordedMessage& message) {
    // Recording runs no code that could add or remove a recorder.
    for (MessageRecorder* recorder : OfThread().recorders) recorder->Record(message);
  }

  static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
      const auto& m = *reinterpret_cast<const CWPSTRUCT*>(lParam);
      Deliver({m.hwnd, m.message, m.wParam, m.lParam, MessageSource::kSent, 0});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static LRESULT CALLBACK Returned(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
      const auto& m = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
      Deliver({m.hwnd, m.message, m.wParam, m.lParam, MessageSource::kReturned, m.lResult});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static LRESULT CALLBACK Queued(int code, WPARAM wParam, LPARAM lParam) {
    // A peek that leaves the message in the queue will see it again.
    if (code == HC_ACTION && (wParam & PM_REMOVE)) {
      const auto& m = *reinterpret_cast<const MSG*>(lParam);
      Deliver({m.hwnd, m.message, m.wParam, m.lParam, MessageSource::kPosted, 0});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

WindowFilter OfWindow(HWND window) {
  return [window](HWND candidate) { return candidate == window; };
}

WindowFilter OfClass(std::string className) {
  return [className = std::move(className)](HWND candidate) {
    char name[256] = {};
    GetClassNameA(candidate, name, sizeof name);
    return className == name;
  };
}

MessageRecorder::MessageRecorder(WindowFilter filter, bool withReturns)
    : filter_(std::move(filter)), withReturns_(withReturns) {
  RecorderHooks& hooks = RecorderHooks::OfThread();
  if (hooks.recorders.empty()) {
    const DWORD thread = GetCurrentThreadId();
    hooks.sent.reset(SetWindowsHookExA(WH_CALLWNDPROC, &RecorderHooks::Sent, nullptr, thread));
    hooks.returned.reset(SetWindowsHookExA(WH_CALLWNDPROCRET, &RecorderHooks::Returned, nullptr, thread));
    hooks.queued.reset(SetWindowsHookExA(WH_GETMESSAGE, &RecorderHooks::Queued, nullptr, thread));
  }
  hooks.recorders.push_back(this);
}

MessageRecorder::~MessageRecorder() {
  RecorderHooks& hooks = RecorderHooks::OfThread();
  hooks.recorders.erase(std::find(hooks.recorders.begin(), hooks.recorders.end(), this));
  if (hooks.recorders.empty()) {
    hooks.sent.reset();
    hooks.returned.reset();
    hooks.queued.reset();
  }
}

void MessageRecorder::Record(const RecordedMessage& message) {
  if (message.source == MessageSource::kReturned && !withReturns_) return;
  if (filter_(message.window)) messages_.push_back(message);
}

}  // namespace korvale::testing
