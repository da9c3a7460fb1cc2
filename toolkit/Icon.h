#pragma once

#include <windows.h>

#include <string>

#include "toolkit/Graphics.h"

namespace korvale {

// An icon with exactly one owner: loaded from a resource or handed over as a handle.
class TIcon : public TGraphicsObject {
 public:
  std::string ClassName() const override { return "TIcon"; }
  HICON Handle() const { return icon_.get(); }
  bool Empty() const { return !icon_; }
  // Takes ownership of Icon.
  void SetHandle(HICON icon);
  [[nodiscard]] bool LoadFromResourceName(HINSTANCE instance, const std::string& name);
  [[nodiscard]] bool LoadFromResourceId(HINSTANCE instance, int id);
  void Assign(const TIcon& source);
  int Width() const;
  int Height() const;

 private:
  UniqueIcon icon_;
};

}  // namespace korvale
