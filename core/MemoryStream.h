#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace korvale {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A growable block of bytes with a read/write position. The position may lie past the
// end: reading there gives nothing, writing there fills the gap with zeros.
class TMemoryStream {
 public:
  // Copies up to `count` bytes from the position and advances it; returns how many.
  std::size_t Read(void* buffer, std::size_t count);
  // Writes at the position, growing the stream as needed, and advances the position.
  void Write(const void* buffer, std::size_t count);
  // Moves the position and returns it. A target before the beginning throws
  // std::out_of_range and leaves the position where it was.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin);

  std::int64_t Position() const { return position_; }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  std::int64_t Size() const { return static_cast<std::int64_t>(data_.size()); }
  // Cuts or extends with zeros; a position past the new end moves to the end.
  void SetSize(std::int64_t size);
  void Clear();

  std::uint8_t* Memory() { return data_.data(); }
  const std::uint8_t* Memory() const { return data_.data(); }
  const std::vector<std::uint8_t>& Bytes() const { return data_; }

  // Replaces the content with the file's bytes, position 0. On failure nothing changes.
  [[nodiscard]] bool LoadFromFile(const std::string& path);
  // Writes the whole content, whatever the position.
  [[nodiscard]] bool SaveToFile(const std::string& path) const;

  // Appends bytes of `source` at this stream's position. With `count` 0, the whole of
  // `source` from its beginning; otherwise up to `count` bytes from its position. The
  // source's position advances past what was copied; returns the number of bytes copied.
  // Copying a stream into itself throws std::invalid_argument.
  std::size_t CopyFrom(TMemoryStream& source, std::size_t count);

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t position_ = 0;
};

}  // namespace korvale
