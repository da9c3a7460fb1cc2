#include "core/Lzh.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "core/LittleEndian.h"
#include "core/LzhTree.h"

namespace korvale {

using namespace lzh;

struct TLZH::Tables {
  LzhTree tree;
  std::array<std::uint8_t, kRingBytes> ring;
};

namespace {

// The bound output is grown by this much beyond the requested size: a last match may carry
// 59 bytes past it, and match copies move 8 bytes at a time.
constexpr std::size_t kOutputSlack = kLookAhead + 16;

// Bit input through the read procedure, exactly as the format defines it: a 16-bit buffer
// topped up one byte at a time whenever it holds 8 bits or fewer.
class ProcedureBits {
 public:
  explicit ProcedureBits(const TLZH::TReadProc& read) : read_(read) {}

  void Prepare() {}

  unsigned Take(unsigned count) {
    if (count == 8) {
      Fill();
      const unsigned result = buffer_ >> 8;
      buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
      bitCount_ = static_cast<std::uint8_t>(bitCount_ - 8);
      return result;
    }
    unsigned result = 0;
    while (count-- != 0) result = (result << 1) | Bit();
    return result;
  }

  unsigned Bit() {
    Fill();
    const unsigned result = buffer_ >> 15;
    buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
    --bitCount_;
    return result;
  }

 private:
  void Fill() {
    while (bitCount_ <= 8) {
      std::uint8_t byte = 0;
      if (read_(byte) != 1) byte = 0;
      buffer_ = static_cast<std::uint16_t>(buffer_ | (byte << (8 - bitCount_)));
      bitCount_ = static_cast<std::uint8_t>(bitCount_ + 8);
    }
  }

  const TLZH::TReadProc& read_;
  std::uint16_t buffer_ = 0;
  std::uint8_t bitCount_ = 0;
};

// The same bit sequence taken from memory 64 bits at a time; bytes past the end read as 0.
class SpanBits {
 public:
  explicit SpanBits(std::span<const std::uint8_t> input)
      : begin_(input.data()), next_(input.data()), end_(input.data() + input.size()) {}

  // Tops the buffer up to at least 56 bits, so that most symbols need no further refill.
  void Prepare() {
    if (count_ < 32) Refill();
  }

  unsigned Bit() {
    if (count_ == 0) Refill();
    const unsigned result = static_cast<unsigned>(buffer_ >> 63);
    buffer_ <<= 1;
    --count_;
    return result;
  }

  unsigned Take(unsigned count) {
    if (count_ < count) Refill();
    const unsigned result = static_cast<unsigned>(buffer_ >> (64 - count));
    buffer_ <<= count;
    count_ -= count;
    return result;
  }

  std::size_t Consumed() const { return static_cast<std::size_t>(next_ - begin_); }

 private:
  void Refill() {
    if (end_ - next_ >= 8) {
      std::uint64_t word;
      std::memcpy(&word, next_, sizeof word);
      word = __builtin_bswap64(word);
      // Bits below the whole bytes taken are real input too; OR-ing them in again later
      // changes nothing.
      buffer_ |= word >> count_;
      const unsigned taken = (63 - count_) >> 3;
      next_ += taken;
      count_ += taken * 8;
      return;
    }
    while (count_ <= 56) {
      const std::uint64_t byte = next_ < end_ ? *next_++ : 0;
      buffer_ |= byte << (56 - count_);
      count_ += 8;
    }
  }

  const std::uint8_t* begin_;
  const std::uint8_t* next_;
  const std::uint8_t* end_;
  std::uint64_t buffer_ = 0;
  unsigned count_ = 0;
};

template <class Bits>
inline unsigned DecodeSymbol(LzhTree& tree, Bits& bits) {
  unsigned c = tree.child[kRoot];
  while (c < kTreeSize) c = tree.child[c + bits.Bit()];
  c -= kTreeSize;
  tree.Update(static_cast<int>(c));
  return c;
}

// Distance back from the write position to the first byte of the match, 1 to 4,096.
template <class Bits>
inline unsigned DecodeDistance(Bits& bits) {
  unsigned i = bits.Take(8);
  const unsigned high = kOffsetTables.high[i];
  const unsigned extra = kOffsetTables.length[i] - 2u;
  i = (i << extra) | bits.Take(extra);
  return ((high << 6) | (i & 0x3F)) + 1;
}

}  // namespace

std::unique_ptr<TLZH::Tables> TLZH::AllocateTables() {
  std::unique_ptr<TLZH::Tables> tables(new (std::nothrow) TLZH::Tables);
  if (!tables) throw ElzhException(kLzhNoMemoryMessage);
  tables->tree.Start();
  tables->ring.fill(kFillByte);
  return tables;
}

TLZH::TLZH() = default;

TLZH::TLZH(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output)
    : input_(input), output_(&output) {}

TLZH::~TLZH() = default;

TLZH::TReadProc TLZH::StreamReader() {
  return [this](std::uint8_t& byte) {
    if (inputPosition_ >= input_.size()) return 0;
    byte = input_[inputPosition_++];
    return 1;
  };
}

TLZH::TWriteProc TLZH::StreamWriter() {
  if (output_ == nullptr) throw std::logic_error("TLZH has no output stream");
  return [out = output_](std::uint8_t byte) { out->push_back(byte); };
}

void TLZH::Decode(std::int32_t size, const TReadProc& read, const TWriteProc& write) {
  if (size <= 0) return;
  const std::unique_ptr<Tables> tables = AllocateTables();
  LzhTree& tree = tables->tree;
  std::uint8_t* ring = tables->ring.data();
  ProcedureBits bits(read);
  unsigned r = kInitialWritePosition;
  std::int32_t produced = 0;
  while (produced < size) {
    const unsigned c = DecodeSymbol(tree, bits);
    if (c < 256) {
      const auto byte = static_cast<std::uint8_t>(c);
      write(byte);
      ring[r] = byte;
      r = (r + 1) & kDictionaryMask;
      ++produced;
      continue;
    }
    const unsigned length = c - 256 + kMinMatch;
    const unsigned start = (r - DecodeDistance(bits)) & kDictionaryMask;
    for (unsigned k = 0; k < length; ++k) {
      const std::uint8_t byte = ring[(start + k) & kDictionaryMask];
      write(byte);
      ring[r] = byte;
      r = (r + 1) & kDictionaryMask;
      ++produced;
    }
  }
}

void TLZH::Decode(std::int32_t size) {
  if (output_ == nullptr) throw std::logic_error("TLZH has no output stream");
  if (size <= 0) return;
  const std::unique_ptr<Tables> tables = AllocateTables();
  LzhTree& tree = tables->tree;

  std::vector<std::uint8_t>& output = *output_;
  const std::size_t base = output.size();
  const auto wanted = static_cast<std::size_t>(size);
  try {
    output.resize(base + wanted + kOutputSlack);
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for the decoded data");
  }
  // The output is linear, so the ring is only needed for references that reach back before
  // the first byte written: those land in the initial fill.
  std::uint8_t* const out = output.data() + base;
  std::size_t produced = 0;
  SpanBits bits(input_.subspan(std::min(inputPosition_, input_.size())));
  while (produced < wanted) {
    bits.Prepare();
    const unsigned c = DecodeSymbol(tree, bits);
    if (c < 256) {
      out[produced++] = static_cast<std::uint8_t>(c);
      continue;
    }
    const std::size_t length = c - 256 + kMinMatch;
    const std::size_t distance = DecodeDistance(bits);
    std::uint8_t* dst = out + produced;
    if (distance > produced) {
      for (std::size_t k = 0; k < length; ++k) {
        dst[k] = produced + k >= distance ? out[produced + k - distance] : kFillByte;
      }
    } else if (distance >= 8) {
      const std::uint8_t* src = dst - distance;
      for (std::size_t k = 0; k < length; k += 8) std::memcpy(dst + k, src + k, 8);
    } else if (distance == 1) {
      std::memset(dst, dst[-1], length);
    } else {
      const std::uint8_t* src = dst - distance;
      for (std::size_t k = 0; k < length; ++k) dst[k] = src[k];
    }
    produced += length;
  }
  output.resize(base + produced);
  inputPosition_ += bits.Consumed();
}

std::int32_t LzhDeclaredSize(std::span<const std::uint8_t> stream) {
  return static_cast<std::int32_t>(ReadLe32(stream.data()));
}

std::vector<std::uint8_t> ExpandLzhStream(std::span<const std::uint8_t> stream) {
  if (stream.size() < 4) throw ElzhException("LZH : Stream is shorter than its size header");
  const std::int32_t size = LzhDeclaredSize(stream);
  if (size > kMaxDecodedSize) throw ElzhException("LZH : Declared size is too large");
  std::vector<std::uint8_t> output;
  TLZH lzh(stream.subspan(4), output);
  lzh.Decode(size);
  return output;
}

}  // namespace korvale
