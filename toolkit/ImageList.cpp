#include "toolkit/ImageList.h"

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "core/BmpEncoder.h"
#include "toolkit/Exception.h"
#include "toolkit/FormReader.h"

#include <utility>

namespace korvale {

namespace {

// A device-dependent copy of a bitmap: the toolkit bitmap stays selected into its own memory
// DC, and the system list cannot select it a second time.
HBITMAP CopyBitmap(const TBitmap& bitmap) {
  HDC screen = GetDC(nullptr);
  HBITMAP copy = CreateCompatibleBitmap(screen, bitmap.Width(), bitmap.Height());
  if (copy) {
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, copy);
    BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), bitmap.MemoryDC(), 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  ReleaseDC(nullptr, screen);
  return copy;
}

HBITMAP CopyMask(const TBitmap& mask) {
  HBITMAP copy = CreateBitmap(mask.Width(), mask.Height(), 1, 1, nullptr);
  if (copy) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, copy);
    BitBlt(dc, 0, 0, mask.Width(), mask.Height(), mask.MemoryDC(), 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  return copy;
}

}  // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  if (width <= 0 || height <= 0) throw Exception("Invalid image size");
  if (Count() > 0) throw Exception("Cannot change the size of an image list that holds images");
  width_ = width;
  height_ = height;
  list_.reset();
}

void TImageList::SetMasked(bool masked) {
  if (masked == masked_) return;
  if (Count() > 0) throw Exception("Cannot change the mask of an image list that holds images");
  masked_ = masked;
  list_.reset();
}

HIMAGELIST TImageList::Handle() {
  if (!list_) {
    list_.reset(ImageList_Create(width_, height_, ILC_COLOR24 | (masked_ ? ILC_MASK : 0), 4, 4));
    if (!list_) throw Exception("Cannot create an image list");
  }
  return list_.get();
}

void TImageList::Adopt(UniqueImageList list) {
  if (!list) return;
  int width = 0;
  int height = 0;
  if (!ImageList_GetIconSize(list.get(), &width, &height) || width <= 0 || height <= 0)
    throw Exception("Invalid image size");
  list_ = std::move(list);
  width_ = width;
  height_ = height;
  Changed();
}

int TImageList::Count() const { return list_ ? ImageList_GetImageCount(list_.get()) : 0; }

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
  if (image.Empty()) return -1;
  HBITMAP colour = CopyBitmap(image);
  HBITMAP monochrome = mask && !mask->Empty() ? CopyMask(*mask) : nullptr;
  const int index = colour ? ImageList_Add(Handle(), colour, monochrome) : -1;
  if (colour) DeleteObject(colour);
  if (monochrome) DeleteObject(monochrome);
  if (index >= 0) Changed();
  return index;
}

int TImageList::AddMasked(const TBitmap& image, TColor transparentColor) {
  if (image.Empty()) return -1;
  HBITMAP colour = CopyBitmap(image);
  const int index = colour ? ImageList_AddMasked(Handle(), colour, ColorToRGB(transparentColor)) : -1;
  if (colour) DeleteObject(colour);
  if (index >= 0) Changed();
  return index;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  ImageList_Remove(list_.get(), index);
  Changed();
}

void TImageList::Clear() {
  if (Count() == 0) return;
  ImageList_Remove(list_.get(), -1);
  Changed();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count() || !canvas.Handle()) return;
  if (enabled) {
    ImageList_Draw(list_.get(), index, canvas.Handle(), x, y, ILD_TRANSPARENT);
  } else {
    ImageList_DrawEx(list_.get(), index, canvas.Handle(), x, y, 0, 0, CLR_NONE, GetSysColor(COLOR_BTNFACE),
                     ILD_TRANSPARENT | ILD_BLEND50);
  }
}

void TImageList::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Bitmap", [this](const std::vector<std::uint8_t>& bytes) { LoadStripBytes(bytes); },
      [this] { return StripBytes(); }, Count() > 0);
}

std::vector<std::uint8_t> TImageList::StripBytes() {
  const int count = Count();
  if (count == 0) return {};
  TBitmap strip;
  strip.SetSize(count * width_, height_);
  strip.Canvas().Brush().SetColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, count * width_, height_});
  for (int i = 0; i < count; ++i) Draw(strip.Canvas(), i * width_, 0, i);
  return EncodeBmp24(strip.ToImage());
}

void TImageList::LoadStripBytes(const std::vector<std::uint8_t>& bytes) {
  Clear();
  if (bytes.empty()) return;
  TBitmap strip;
  const std::string error = strip.LoadFromBytes(bytes.data(), bytes.size());
  if (!error.empty()) throw Exception("Invalid image list bitmap in " + Name() + ": " + error);
  if (strip.Height() != height_ || strip.Width() % width_ != 0)
    throw Exception("Invalid image list bitmap in " + Name() + ": the strip is not made of " +
                    std::to_string(width_) + " x " + std::to_string(height_) + " images");
  if (masked_) AddMasked(strip, clFuchsia);
  else Add(strip);
}

void TImageList::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace korvale
