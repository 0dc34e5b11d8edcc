#pragma once

#include <QRect>

namespace velmora {

// The layout is kept in twips, the unit it was designed in, so that every
// number can be checked against the design. At 96 dpi, 15 twips make one
// device-independent pixel, which Qt scales on high-density screens.
constexpr int kTwipsPerPixel = 15;

constexpr QRect FromTwips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

}  // namespace velmora
