#pragma once

// TImageList: a list of equal-sized images (16 x 16 unless set before the first image) over a
// system image list, masked by a mask bitmap or by a transparent colour.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/Graphics.h"

namespace korvale {

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner = nullptr);
  ~TImageList() override;
  std::string ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The size can only change while the list is empty; it recreates the system list.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  bool Masked() const { return masked_; }
  void SetMasked(bool masked);

  HIMAGELIST Handle();
  // Takes over an existing system image list (a copy by ImageList_Duplicate, or one made
  // elsewhere) with its images and image size; a null list changes nothing.
  void Adopt(UniqueImageList list);
  bool HandleAllocated() const { return static_cast<bool>(list_); }
  int Count() const;

  // Each adds as many images as the bitmap is wide in image widths (a bitmap strip) and
  // returns the index of the first, or -1 when nothing could be added.
  int Add(const TBitmap& image, const TBitmap* mask = nullptr);
  int AddMasked(const TBitmap& image, TColor transparentColor);
  void Delete(int index);
  void Clear();

  // Draws image Index with its top-left at (X, Y); a disabled image is drawn blended.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

  // Stored in a form description as "Bitmap": one strip of all images, magenta where they
  // are transparent.
  void DefineProperties(TFiler& filer) override;
  std::vector<std::uint8_t> StripBytes();
  void LoadStripBytes(const std::vector<std::uint8_t>& bytes);

  TNotifyEvent OnChange;

 private:
  void Changed();

  UniqueImageList list_;
  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
};

}  // namespace korvale
