#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

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
  // Loads the image of a whole .ico file nearest to `size` pixels and keeps the file, so a
  // form can store it again. Empty bytes clear the icon; returns what is wrong, or "".
  [[nodiscard]] std::string LoadFromIcoBytes(const std::vector<std::uint8_t>& bytes, int size);
  // The .ico file the icon was loaded from; empty for an icon given as a handle.
  const std::vector<std::uint8_t>& IcoBytes() const { return ico_; }
  void Assign(const TIcon& source);
  int Width() const;
  int Height() const;

 private:
  UniqueIcon icon_;
  std::vector<std::uint8_t> ico_;
};

// The stored "Icon.Data" of a component: loads it, or raises the toolkit's error naming
// the component.
void LoadIconData(TIcon& icon, const std::vector<std::uint8_t>& bytes, int size,
                  const std::string& componentName);

}  // namespace korvale
