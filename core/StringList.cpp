#include "core/StringList.h"

#include <stdexcept>

namespace korvale {

void TStringList::Check(int index, int limit) const {
  if (index < 0 || index >= limit) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
}

const std::string& TStringList::Strings(int index) const {
  Check(index, Count());
  return items_[static_cast<std::size_t>(index)];
}

void TStringList::SetStrings(int index, std::string value) { (*this)[index] = std::move(value); }

std::string& TStringList::operator[](int index) {
  Check(index, Count());
  return items_[static_cast<std::size_t>(index)];
}

int TStringList::Add(std::string value) {
  items_.push_back(std::move(value));
  return Count() - 1;
}

void TStringList::Insert(int index, std::string value) {
  Check(index, Count() + 1);
  items_.insert(items_.begin() + index, std::move(value));
}

void TStringList::Delete(int index) {
  Check(index, Count());
  items_.erase(items_.begin() + index);
}

int TStringList::IndexOf(std::string_view value) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == value) return static_cast<int>(i);
  }
  return -1;
}

std::string TStringList::Text() const {
  std::string text;
  for (const std::string& item : items_) {
    text += item;
    text += "\r\n";
  }
  return text;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    items_.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) items_.emplace_back(text.substr(start));
}

}  // namespace korvale
