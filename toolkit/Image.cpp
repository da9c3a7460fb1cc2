#include "toolkit/Image.h"

namespace korvale {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  width_ = 105;
  height_ = 105;
  picture_.OnChange = TNotifyEvent(this, &TImage::PictureChanged);
}

std::string TImage::LoadFromFile(const std::string& path) { return picture_.LoadFromFile(path); }

std::string TImage::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
  return picture_.LoadFromBytes(data, size);
}

void TImage::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void TImage::PictureChanged(TObject*) { Invalidate(); }

RECT TImage::DestRect() const {
  if (stretch_) return RECT{0, 0, width_, height_};
  const int w = picture_.Width();
  const int h = picture_.Height();
  const int x = center_ ? (width_ - w) / 2 : 0;
  const int y = center_ ? (height_ - h) / 2 : 0;
  return RECT{x, y, x + w, y + h};
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  Canvas().StretchDraw(DestRect(), picture_);
}

}  // namespace korvale
