#pragma once

// The LZHUF decoder that expands every skin: LZSS over a 4,096-byte ring whose literals,
// match lengths and high offset bits are coded with an adaptive Huffman tree.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvale {

class ElzhException : public std::runtime_error {
 public:
  explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

inline constexpr char kLzhNoMemoryMessage[] = "LZH : Cannot get memory for dictionary tables";
// Kept for callers that show it; releasing the tables cannot fail here, since they are owned
// by a smart pointer.
inline constexpr char kLzhFreeFailedMessage[] =
    "LZH : Error freeing memory for dictionary tables";

class TLZH {
 public:
  // Asked for one byte; answers how many it delivered, 0 or 1.
  using TReadProc = std::function<int(std::uint8_t& byte)>;
  using TWriteProc = std::function<void(std::uint8_t byte)>;

  // Without streams: only Decode with procedures of the caller's own is usable.
  TLZH();
  // Binds the input (positioned at the first coded byte) and the output that decoding
  // appends to. Both are borrowed and must outlive the object.
  TLZH(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output);
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // Expands until `size` bytes have been produced (a last match may carry past it). Missing
  // input reads as zero bits, so any input yields the requested length.
  void Decode(std::int32_t size, const TReadProc& read, const TWriteProc& write);

  // The same as Decode(size, StreamReader(), StreamWriter()), but reads the bound input in
  // blocks and writes straight into the bound output.
  void Decode(std::int32_t size);

  // The procedures bound to the two streams: reading delivers at most the bytes left in
  // the input, writing appends to the output.
  TReadProc StreamReader();
  TWriteProc StreamWriter();

  // Bytes of the bound input taken so far; Decode(size) takes up to 8 bytes ahead of the
  // bits it has used.
  std::size_t InputPosition() const { return inputPosition_; }

 private:
  struct Tables;
  static std::unique_ptr<Tables> AllocateTables();

  std::span<const std::uint8_t> input_;
  std::vector<std::uint8_t>* output_ = nullptr;
  std::size_t inputPosition_ = 0;
};

// The largest decoded size a compressed stream may declare: far above any skin, and low
// enough that a corrupt header cannot make the reader claim gigabytes.
inline constexpr std::int32_t kMaxDecodedSize = 64 * 1024 * 1024;

// Reads the 4-byte little-endian decoded size and expands the rest of a compressed stream.
// Throws ElzhException for a stream shorter than its header or a size above
// kMaxDecodedSize. The result holds what the decoder wrote, which may run past the
// declared size by the end of the last match.
std::vector<std::uint8_t> ExpandLzhStream(std::span<const std::uint8_t> stream);

// The declared size at the front of a compressed stream (the stream must hold 4 bytes).
std::int32_t LzhDeclaredSize(std::span<const std::uint8_t> stream);

}  // namespace korvale
