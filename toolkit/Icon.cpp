#include "toolkit/Icon.h"

namespace korvale {

void TIcon::SetHandle(HICON icon) {
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

void TIcon::Assign(const TIcon& source) {
  if (&source == this) return;
  SetHandle(source.icon_ ? CopyIcon(source.icon_.get()) : nullptr);
}

int TIcon::Width() const { return icon_ ? GetSystemMetrics(SM_CXICON) : 0; }
int TIcon::Height() const { return icon_ ? GetSystemMetrics(SM_CYICON) : 0; }

}  // namespace korvale
