#pragma once

#include <QRect>
#include <QSize>

namespace petcalc::ui {

// The window is described in twips; 15 twips make one device-independent pixel, which Qt's
// high-DPI scaling then maps to physical pixels.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

constexpr QRect ToPixels(TwipRect r) {
  return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
          TwipsToPixels(r.height)};
}

}  // namespace petcalc::ui
