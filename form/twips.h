#pragma once

namespace petcalc::form {

// The window is described in twips: 1,440 to the inch, so 15 make one pixel at 96 dpi.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

// Twips to pixels at the given density, rounded down: exact at 96 and 192 dpi for every
// measure of the window, all of which are multiples of 15 twips.
constexpr int TwipsToPixels(int twips, int dpi = kStandardDpi) {
  return twips * dpi / kTwipsPerInch;
}

}  // namespace petcalc::form
