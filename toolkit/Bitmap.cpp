#include "toolkit/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/BmpDecoder.h"

namespace korvale {

TBitmap::~TBitmap() {
  canvas_.SetHandle(nullptr);
  ReleaseDC();
}

void TBitmap::ReleaseDC() const {
  if (!dc_) return;
  SelectObject(dc_.get(), oldBitmap_);
  oldBitmap_ = nullptr;
  dc_.reset();
}

std::size_t TBitmap::Stride() const {
  return ((static_cast<std::size_t>(width_) * bitsPerPixel_ + 31) / 32) * 4;
}

void TBitmap::Create(int width, int height, int bitsPerPixel) {
  canvas_.SetHandle(nullptr);
  ReleaseDC();
  bitmap_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  bitsPerPixel_ = bitsPerPixel;
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return;
  bitmap_.reset(dib);
  bits_ = bits;
  width_ = width;
  height_ = height;
  std::memset(bits_, 0, Stride() * height_);
}

HDC TBitmap::MemoryDC() const {
  if (!bitmap_) return nullptr;
  if (!dc_) {
    dc_.reset(CreateCompatibleDC(nullptr));
    oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  }
  return dc_.get();
}

TCanvas& TBitmap::Canvas() {
  canvas_.SetHandle(MemoryDC());
  return canvas_;
}

void* TBitmap::ScanLine(int y) const {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return static_cast<std::uint8_t*>(bits_) + Stride() * y;
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  TBitmap old;
  old.Assign(*this);
  Create(width, height, bitsPerPixel_);
  if (!old.Empty() && bitmap_) BitBlt(MemoryDC(), 0, 0, old.width_, old.height_, old.MemoryDC(), 0, 0, SRCCOPY);
  Changed();
}

void TBitmap::SetPixelFormat(int bitsPerPixel) {
  if (bitsPerPixel != 24 && bitsPerPixel != 32) return;
  if (bitsPerPixel == bitsPerPixel_) return;
  if (Empty()) {
    bitsPerPixel_ = bitsPerPixel;
    return;
  }
  PixelImage image = ToImage();
  bitsPerPixel_ = bitsPerPixel;
  AssignImage(image);
}

void TBitmap::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparentColor_ != clDefault || Empty()) return transparentColor_;
  return static_cast<TColor>(GetPixel(MemoryDC(), 0, height_ - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  Changed();
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  transparent_ = source.transparent_;
  transparentColor_ = source.transparentColor_;
  Create(source.width_, source.height_, source.bitsPerPixel_);
  if (bitmap_) {
    GdiFlush();
    std::memcpy(bits_, source.bits_, Stride() * height_);
  }
  Changed();
}

void TBitmap::Clear() {
  Create(0, 0, bitsPerPixel_);
  Changed();
}

void TBitmap::AssignImage(const PixelImage& image) {
  Create(image.width, image.height, bitsPerPixel_);
  if (bitmap_) {
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
      auto* row = static_cast<std::uint8_t*>(bits_) + Stride() * y;
      for (int x = 0; x < width_; ++x) {
        const std::uint32_t p = image.At(x, y);
        if (bitsPerPixel_ == 32) {
          std::memcpy(row + 4 * x, &p, 4);
        } else {
          row[3 * x] = static_cast<std::uint8_t>(p);
          row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
          row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
        }
      }
    }
  }
  Changed();
}

PixelImage TBitmap::ToImage() const {
  PixelImage image;
  if (Empty()) return image;
  image.Resize(width_, height_);
  GdiFlush();
  for (int y = 0; y < height_; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(bits_) + Stride() * y;
    for (int x = 0; x < width_; ++x) {
      std::uint32_t p = 0;
      if (bitsPerPixel_ == 32) {
        std::memcpy(&p, row + 4 * x, 4);
        p &= 0x00FFFFFF;
      } else {
        p = row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
      }
      image.Set(x, y, p);
    }
  }
  return image;
}

std::string TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
  BmpDecodeResult decoded = DecodeBmp(data, size);
  if (!decoded.ok()) {
    Clear();
    return decoded.error;
  }
  AssignImage(decoded.image);
  return {};
}

std::string TBitmap::LoadFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    Clear();
    return "Cannot open file \"" + path + "\"";
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  return LoadFromBytes(bytes.data(), bytes.size());
}

}  // namespace korvale
