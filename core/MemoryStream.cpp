#include "core/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace korvale {

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= Size()) return 0;
  const std::size_t n = std::min(count, data_.size() - static_cast<std::size_t>(position_));
  if (n > 0) std::memcpy(buffer, data_.data() + position_, n);
  position_ += static_cast<std::int64_t>(n);
  return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  const std::size_t at = static_cast<std::size_t>(position_);
  if (at + count > data_.size()) data_.resize(at + count, 0);
  std::memmove(data_.data() + at, buffer, count);
  position_ += static_cast<std::int64_t>(count);
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                            : origin == TSeekOrigin::soCurrent ? position_
                                                               : Size();
  if (offset < -base) throw std::out_of_range("Seek before the beginning of the stream");
  position_ = base + offset;
  return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw std::out_of_range("Negative stream size");
  data_.resize(static_cast<std::size_t>(size), 0);
  position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

bool TMemoryStream::LoadFromFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  if (file.bad()) return false;
  data_ = std::move(bytes);
  position_ = 0;
  return true;
}

bool TMemoryStream::SaveToFile(const std::string& path) const {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
  file.close();
  return !file.fail();
}

std::size_t TMemoryStream::CopyFrom(TMemoryStream& source, std::size_t count) {
  if (&source == this) throw std::invalid_argument("A stream cannot copy from itself");
  if (count == 0) {
    source.position_ = 0;
    count = source.data_.size();
  }
  if (source.position_ >= source.Size()) return 0;
  const std::size_t n =
      std::min(count, source.data_.size() - static_cast<std::size_t>(source.position_));
  Write(source.data_.data() + source.position_, n);
  source.position_ += static_cast<std::int64_t>(n);
  return n;
}

}  // namespace korvale
