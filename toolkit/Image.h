#pragma once

// TImage: a picture drawn on the parent, from a BMP file or BMP bytes; Center puts it in
// the middle, Stretch fills the control, Transparent leaves out the key colour (the colour
// of the picture's bottom-left pixel unless set).
#include <cstddef>
#include <cstdint>
#include <string>

#include "toolkit/Bitmap.h"
#include "toolkit/Control.h"

namespace korvale {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  std::string ClassName() const override { return "TImage"; }

  TBitmap& Picture() { return picture_; }
  [[nodiscard]] std::string LoadFromFile(const std::string& path);
  [[nodiscard]] std::string LoadFromBytes(const std::uint8_t* data, std::size_t size);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Transparent() const { return picture_.Transparent(); }
  void SetTransparent(bool transparent) { picture_.SetTransparent(transparent); }
  RECT DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* sender);

  TBitmap picture_;
  bool center_ = false;
  bool stretch_ = false;
};

}  // namespace korvale
