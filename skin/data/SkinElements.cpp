#include "skin/data/SkinElements.h"

#include <utility>

namespace korvale {

TDataSkinObject::TDataSkinObject(std::string name)
    : Image(std::make_unique<TBitmap>()), Name(std::move(name)) {}

TDataSkinObject::~TDataSkinObject() {
  if (Image) Image->Clear();
}

TDataSkinBorder::TDataSkinBorder(std::string name)
    : TDataSkinObject(std::move(name)), Image2(std::make_unique<TBitmap>()) {}

TDataSkinButton::TDataSkinButton(std::string name)
    : TDataSkinObject(std::move(name)),
      CheckImage(std::make_unique<TBitmap>()),
      RadioImage(std::make_unique<TBitmap>()) {}

}  // namespace korvale
