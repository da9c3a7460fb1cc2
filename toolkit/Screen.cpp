#include "toolkit/Screen.h"

#include <algorithm>

namespace korvale {

TScreen::TScreen() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    menuFont_.AssignLogFont(metrics.lfMenuFont);
}

POINT TScreen::CursorPos() const {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

void TScreen::SetCursorPos(POINT point) { ::SetCursorPos(point.x, point.y); }

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
}

TScreen& Screen() {
  // Lives for the whole process: forms may be freed during static destruction.
  static TScreen* screen = new TScreen;
  return *screen;
}

}  // namespace korvale
