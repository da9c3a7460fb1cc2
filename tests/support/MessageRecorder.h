#pragma once

// Records, in order, the messages that windows of this thread receive: sent ones through a
// WH_CALLWNDPROC hook (with WH_CALLWNDPROCRET for their answers, when asked) and queued ones
// through WH_GETMESSAGE as they are taken off the queue. Hooks see every window of the thread,
// those the system makes included ("#32768" menu windows, "#32770" dialogs), so a filter
// chooses which to keep.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace korvale::testing {

enum class MessageSource { kSent, kPosted, kReturned };

struct RecordedMessage {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  MessageSource source = MessageSource::kSent;
  LRESULT result = 0;  // for kReturned
};

using WindowFilter = std::function<bool(HWND)>;
WindowFilter OfWindow(HWND window);
// Windows whose class name is exactly this.
WindowFilter OfClass(std::string className);

class MessageRecorder {
 public:
  explicit MessageRecorder(WindowFilter filter, bool withReturns = false);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }

 private:
  friend struct RecorderHooks;
  void Record(const RecordedMessage& message);

  WindowFilter filter_;
  bool withReturns_;
  std::vector<RecordedMessage> messages_;
};

}  // namespace korvale::testing
