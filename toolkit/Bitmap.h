#pragma once

// A picture on a DIB section of 24 or 32 bits per pixel, kept selected into a memory DC of
// its own so that its canvas and every blit use it directly.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/PixelImage.h"
#include "toolkit/Canvas.h"

namespace korvale {

class TBitmap : public TGraphicsObject {
 public:
  TBitmap() = default;
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  std::string ClassName() const override { return "TBitmap"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return !bitmap_; }
  // 24 or 32; the bits are kept when the format changes.
  int PixelFormat() const { return bitsPerPixel_; }
  void SetPixelFormat(int bitsPerPixel);
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }

  TCanvas& Canvas();
  HDC MemoryDC() const;
  HBITMAP Handle() const { return bitmap_.get(); }
  // Start of row Y (top-down) in the DIB, for direct pixel access.
  void* ScanLine(int y) const;
  std::size_t Stride() const;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // clDefault means the colour of the bottom-left pixel.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);

  void Assign(const TBitmap& source);
  void Clear();
  // Fills from a decoded picture (as 32 bits per pixel).
  void AssignImage(const PixelImage& image);
  // BMP bytes through the platform-free decoder; bad bytes leave the bitmap empty and the
  // reason in the returned text (empty on success).
  [[nodiscard]] std::string LoadFromBytes(const std::uint8_t* data, std::size_t size);
  [[nodiscard]] std::string LoadFromFile(const std::string& path);
  PixelImage ToImage() const;

 private:
  void Create(int width, int height, int bitsPerPixel);
  void ReleaseDC() const;

  UniqueBitmap bitmap_;
  void* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 24;
  bool transparent_ = false;
  TColor transparentColor_ = clDefault;
  mutable UniqueDC dc_;
  mutable HGDIOBJ oldBitmap_ = nullptr;
  TCanvas canvas_;
};

}  // namespace korvale
