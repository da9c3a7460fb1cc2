#pragma once

// The skin elements every painter reads: a frame-strip image with FrameCount equal frames,
// four fixed margins (left, top, right, bottom, in rectangle order), fill and transparency
// flags and text colours. An element whose image is empty exists with an empty bitmap.
#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/Bitmap.h"
#include "toolkit/Graphics.h"

namespace korvale {

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name);
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  bool HasImage() const { return Image && !Image->Empty(); }

  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  std::unique_ptr<TBitmap> Image;
  std::int32_t Trans = 0;
  std::int32_t Tile = 0;
  std::string Name;
  std::int32_t FrameCount = 0;
  std::int32_t Style = 0;
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

// A tab panel border, an up-down glyph strip, a progress chunk or the mirrored combo button.
class TDataSkinBorder : public TDataSkinObject {
 public:
  explicit TDataSkinBorder(std::string name);
  std::unique_ptr<TBitmap> Image2;
};

// LeftWidth, TopHeight and RightWidth hold TextShift, TextShiftVert and TextRightClip.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t Textbackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TXTBackleft = 0;
  std::int32_t TXTBackRight = 0;
  TColor ActiveTextColor = clNone;  // clNone (0x1FFFFFFF): not set
  TColor InActiveTextColor = clNone;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  explicit TDataSkinButton(std::string name);
  std::unique_ptr<TBitmap> CheckImage;
  std::unique_ptr<TBitmap> RadioImage;
  std::int32_t RadioButtonFrame = 0;
  std::int32_t CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// One title-bar button. Action 7, 8 and 9 are the loader's own buttons for the controls of
// maximised child windows; CombineOp is stored and read by no painter.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t Xcoord = 0;
  std::int32_t Ycoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

}  // namespace korvale
