#include "toolkit/Icon.h"

#include "core/IconDirectory.h"
#include "toolkit/Exception.h"

namespace korvale {

void TIcon::SetHandle(HICON icon) {
  ico_.clear();
  icon_.reset(icon);
  Changed();
}

bool TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  HICON icon = static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  if (!icon) return false;
  SetHandle(icon);
  return true;
}

bool TIcon::LoadFromResourceId(HINSTANCE instance, int id) {
  HICON icon = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  if (!icon) return false;
  SetHandle(icon);
  return true;
}

std::string TIcon::LoadFromIcoBytes(const std::vector<std::uint8_t>& bytes, int size) {
  if (bytes.empty()) {
    SetHandle(nullptr);
    return "";
  }
  const auto image = PickIconImage(bytes.data(), bytes.size(), size);
  if (!image) return "not an icon file";
  // The image bytes are only read, though the call's signature does not say so.
  HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(bytes.data() + image->offset),
                                        static_cast<DWORD>(image->size), TRUE, 0x00030000,
                                        image->width, image->height, LR_DEFAULTCOLOR);
  if (!icon) return "the icon image cannot be read";
  SetHandle(icon);
  ico_ = bytes;
  return "";
}

void TIcon::Assign(const TIcon& source) {
  if (&source == this) return;
  SetHandle(source.icon_ ? CopyIcon(source.icon_.get()) : nullptr);
}

void LoadIconData(TIcon& icon, const std::vector<std::uint8_t>& bytes, int size,
                  const std::string& componentName) {
  const std::string error = icon.LoadFromIcoBytes(bytes, size);
  if (!error.empty()) throw Exception("Invalid icon in " + componentName + ": " + error);
}

int TIcon::Width() const { return icon_ ? GetSystemMetrics(SM_CXICON) : 0; }
int TIcon::Height() const { return icon_ ? GetSystemMetrics(SM_CYICON) : 0; }

}  // namespace korvale
