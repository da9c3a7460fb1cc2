#include "core/BoundedLog.h"

namespace korvale {

namespace {

// The length of the line break that ends a line (0 for a last line without one).
std::size_t BreakLength(std::string_view line) {
  if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n") return 2;
  if (!line.empty() && (line.back() == '\r' || line.back() == '\n')) return 1;
  return 0;
}

}  // namespace

void BoundedLog::Prepend(std::string_view line) {
  std::string entry;
  entry.reserve(line.size() + 2);
  entry += line;
  entry += "\r\n";
  size_ += entry.size();
  lines_.push_front(std::move(entry));
  Trim();
}

void BoundedLog::Assign(std::string_view text) {
  lines_.clear();
  size_ = text.size();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      end = text.size();
    } else {
      end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    }
    lines_.emplace_back(text.substr(start, end - start));
    start = end;
  }
  Trim();
}

void BoundedLog::Trim() {
  while (size_ > limit_ && lines_.size() > 1) {
    std::string& oldest = lines_.back();
    size_ -= oldest.size();
    fallen_.append(oldest, 0, oldest.size() - BreakLength(oldest));
    fallen_ += "\r\n";
    lines_.pop_back();
  }
}

std::string BoundedLog::Text() const {
  std::string text;
  text.reserve(size_);
  for (const std::string& line : lines_) text += line;
  return text;
}

std::string BoundedLog::FileText() const {
  std::string text;
  text.reserve(size_ + 2);
  for (const std::string& line : lines_) {
    text.append(line, 0, line.size() - BreakLength(line));
    text += "\r\n";
  }
  return text;
}

std::string BoundedLog::TakeFallen() {
  std::string fallen;
  fallen.swap(fallen_);
  return fallen;
}

}  // namespace korvale
