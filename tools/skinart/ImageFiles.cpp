#include "tools/skinart/ImageFiles.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "core/LittleEndian.h"

namespace korvale::skinart {

namespace {

void Put16(std::vector<unsigned char>& out, unsigned v) {
  out.push_back(static_cast<unsigned char>(v));
  out.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void Put32BE(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int i = 3; i >= 0; --i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
std::uint32_t Get32(const std::vector<unsigned char>& in, size_t at) { return ReadLe32(in.data() + at); }

void PutInfoHeader(std::vector<unsigned char>& out, int w, int h, int bits, std::uint32_t imageSize,
                   std::uint32_t colours) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(h));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bits));
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
}

void PutFileHeader(std::vector<unsigned char>& out, std::uint32_t size, std::uint32_t offset) {
  out.push_back('B');
  out.push_back('M');
  Put32(out, size);
  Put32(out, 0);
  Put32(out, offset);
}

}  // namespace

std::vector<unsigned char> EncodeBmp24(const PixelImage& image) {
  const int stride = (image.width * 3 + 3) & ~3;
  const std::uint32_t dataSize = static_cast<std::uint32_t>(stride) * image.height;
  std::vector<unsigned char> out;
  PutFileHeader(out, 54 + dataSize, 54);
  PutInfoHeader(out, image.width, image.height, 24, dataSize, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      out.push_back(static_cast<unsigned char>(p));
      out.push_back(static_cast<unsigned char>(p >> 8));
      out.push_back(static_cast<unsigned char>(p >> 16));
    }
    for (int pad = image.width * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<unsigned char> EncodeBmp1(const PixelImage& image) {
  const int stride = ((image.width + 31) / 32) * 4;
  const std::uint32_t dataSize = static_cast<std::uint32_t>(stride) * image.height;
  std::vector<unsigned char> out;
  PutFileHeader(out, 62 + dataSize, 62);
  PutInfoHeader(out, image.width, image.height, 1, dataSize, 2);
  Put32(out, 0x000000);
  Put32(out, 0xFFFFFF);
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<unsigned char> row(stride, 0);
    for (int x = 0; x < image.width; ++x)
      if ((image.At(x, y) & 0xFFFFFF) == 0xFFFFFF) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<unsigned char> EncodeIco(const std::vector<PixelImage>& images) {
  std::vector<std::vector<unsigned char>> bodies;
  for (const PixelImage& image : images) {
    std::vector<unsigned char> body;
    const int maskStride = ((image.width + 31) / 32) * 4;
    const std::uint32_t xorSize = static_cast<std::uint32_t>(image.width) * image.height * 4;
    PutInfoHeader(body, image.width, image.height * 2, 32,
                  xorSize + static_cast<std::uint32_t>(maskStride) * image.height, 0);
    for (int y = image.height - 1; y >= 0; --y)
      for (int x = 0; x < image.width; ++x) {
        const std::uint32_t p = image.At(x, y) & 0xFFFFFF;
        Put32(body, p == 0xFF00FF ? 0 : (p | 0xFF000000u));
      }
    for (int y = image.height - 1; y >= 0; --y) {
      std::vector<unsigned char> row(maskStride, 0);
      for (int x = 0; x < image.width; ++x)
        if ((image.At(x, y) & 0xFFFFFF) == 0xFF00FF) row[x / 8] |= 0x80 >> (x % 8);
      body.insert(body.end(), row.begin(), row.end());
    }
    bodies.push_back(std::move(body));
  }
  std::vector<unsigned char> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<unsigned char>(images[i].width >= 256 ? 0 : images[i].width));
    out.push_back(static_cast<unsigned char>(images[i].height >= 256 ? 0 : images[i].height));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

namespace {

std::uint32_t Crc32(const unsigned char* data, size_t size, std::uint32_t crc = 0) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void PutChunk(std::vector<unsigned char>& out, const char* type,
              const std::vector<unsigned char>& data) {
  Put32BE(out, static_cast<std::uint32_t>(data.size()));
  std::vector<unsigned char> typed(type, type + 4);
  typed.insert(typed.end(), data.begin(), data.end());
  out.insert(out.end(), typed.begin(), typed.end());
  Put32BE(out, Crc32(typed.data(), typed.size()));
}

}  // namespace

std::vector<unsigned char> EncodePng(const PixelImage& image) {
  std::vector<unsigned char> raw;
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      raw.push_back(static_cast<unsigned char>(p >> 16));
      raw.push_back(static_cast<unsigned char>(p >> 8));
      raw.push_back(static_cast<unsigned char>(p));
    }
  }
  std::vector<unsigned char> z{0x78, 0x01};
  size_t pos = 0;
  do {
    const size_t n = std::min<size_t>(65535, raw.size() - pos);
    z.push_back(pos + n == raw.size() ? 1 : 0);
    Put16(z, static_cast<unsigned>(n));
    Put16(z, static_cast<unsigned>(~n & 0xFFFF));
    z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + n));
    pos += n;
  } while (pos < raw.size());
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Put32BE(z, (b << 16) | a);

  std::vector<unsigned char> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<unsigned char> header;
  Put32BE(header, static_cast<std::uint32_t>(image.width));
  Put32BE(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", z);
  PutChunk(out, "IEND", {});
  return out;
}

std::optional<PixelImage> DecodeBmp24(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t offset = Get32(bytes, 10);
  const int w = static_cast<int>(Get32(bytes, 18));
  const int h = static_cast<int>(Get32(bytes, 22));
  const unsigned bits = ReadLe16(bytes.data() + 28);
  if (bits != 24 || Get32(bytes, 30) != 0 || w <= 0 || h <= 0 || w > 16384 || h > 16384)
    return std::nullopt;
  const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
  if (offset > bytes.size() || (bytes.size() - offset) / stride < static_cast<size_t>(h))
    return std::nullopt;
  PixelImage image;
  image.Resize(w, h);
  for (int y = 0; y < h; ++y) {
    const size_t row = offset + stride * static_cast<size_t>(h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const size_t p = row + static_cast<size_t>(x) * 3;
      image.Set(x, y, ReadLe24(bytes.data() + p));
    }
  }
  return image;
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::optional<std::vector<unsigned char>> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace korvale::skinart
