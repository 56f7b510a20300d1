#pragma once

#include <QColor>
#include <QRect>

namespace v7 {

// Dialog layouts are given in dialog units of an 8-point dialog font at 96 dpi.
inline constexpr int DluToPixelsX(int dlu) {
  return dlu * 3 / 2;
}
inline constexpr int DluToPixelsY(int dlu) {
  return dlu * 13 / 8;
}
inline QRect DluRect(int x, int y, int width, int height) {
  return QRect(DluToPixelsX(x), DluToPixelsY(y), DluToPixelsX(width), DluToPixelsY(height));
}

// The background every dialog of the program shares.
inline QColor DialogBackground() {
  return QColor(240, 250, 255);
}

}  // namespace v7
