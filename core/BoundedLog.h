#pragma once

// The log's text, newest line first, held within a limit of bytes: when a new line goes in
// front, the oldest lines beyond the limit fall off the end and are kept aside, in the order
// they fall, for the file of old lines. Adding a line costs the same however old the log is.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace korvale {

// The log view's limit: about 1,100 status lines, weeks of ordinary transitions or several
// minutes of three servers failing at the fastest rate; small enough that rewriting the log
// file costs well under a millisecond.
inline constexpr std::size_t kLogLimit = 64 * 1024;

class BoundedLog {
 public:
  explicit BoundedLog(std::size_t limit) : limit_(limit) {}

  // Puts line + CR LF in front of the text.
  void Prepend(std::string_view line);
  // Replaces the whole text (the view was edited by hand).
  void Assign(std::string_view text);

  // Bytes of the text; never more than the limit unless the newest line alone exceeds it,
  // since a line is never cut.
  std::size_t Size() const { return size_; }
  std::size_t Limit() const { return limit_; }
  // The text exactly as the view holds it.
  std::string Text() const;
  // The text as the log file holds it: every line followed by CR LF.
  std::string FileText() const;
  // The lines that fell off since the last call, oldest first, each followed by CR LF.
  std::string TakeFallen();

 private:
  void Trim();

  std::size_t limit_;
  // Newest first, each with its own line break as the text has it ("\r\n", "\r" or "\n");
  // only the last may have none.
  std::deque<std::string> lines_;
  std::size_t size_ = 0;
  std::string fallen_;
};

}  // namespace korvale
